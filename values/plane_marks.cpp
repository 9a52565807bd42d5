// What Quendral's screens mark on a plane: the arrows its set-up declares.
#include "values/quendral.h"

namespace lessons {

int Quendral::PlaneArrow(const ArrowOnPlane& a, int colour) {
  return ArrowBetween(PlaneX(a.x1), PlaneY(a.y1), PlaneX(a.x2), PlaneY(a.y2), colour, a.heads);
}

}  // namespace lessons
