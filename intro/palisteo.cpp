#include "intro/palisteo.h"

namespace lessons {

std::unique_ptr<Lesson> MakePalisteo(Runtime& runtime) { return std::make_unique<Palisteo>(runtime); }

}  // namespace lessons
