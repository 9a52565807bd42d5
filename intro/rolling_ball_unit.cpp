// The rolling-ball unit (its screens come with the rest of the unit).
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::RollingBallUnit() {}

}  // namespace lessons
