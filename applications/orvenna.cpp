#include "applications/orvenna.h"

namespace lessons {

std::unique_ptr<Lesson> MakeOrvenna(Runtime& runtime) { return std::make_unique<Orvenna>(runtime); }

}  // namespace lessons
