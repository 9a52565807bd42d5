#include "values/quendral.h"

namespace lessons {

std::unique_ptr<Lesson> MakeQuendral(Runtime& runtime) { return std::make_unique<Quendral>(runtime); }

}  // namespace lessons
