// What Quendral's screens mark on a plane: the arrows its set-up declares,
// and the values of the guides drawn from a point to the axes.
#include <algorithm>

#include "values/quendral.h"

namespace lessons {

int Quendral::PlaneArrow(const ArrowOnPlane& a, int colour) {
  return ArrowBetween(PlaneX(a.x1), PlaneY(a.y1), PlaneX(a.x2), PlaneY(a.y2), colour, a.heads);
}

bool Quendral::GuideValue(Num value, bool xAxis, Num at, int colour, bool before, Num away) {
  KKAI_s = StrippedNumberText(value);
  YMOTO = static_cast<Num>(colour);
  DSM1 = X8;
  DSM2 = R;
  const InkBox c = CellsOf([&] { PrintMathText(); });
  // Beside another label of its row nearer than a space between their inks
  // (0.6 of the lower one's height; the inks stand a unit or two inside
  // their cells), it would read as one with it ("2 4" as 24, "y 25" as y25).
  const Num height = c.y1 - c.y0;
  auto crowded = [&](const InkBox& g) {
    return std::any_of(figure.grounds.begin(), figure.grounds.end(), [&](const InkBox& o) {
      const Num lower = std::min(height, o.y1 - o.y0 - 2 * kLabelMargin);
      const Num across = std::max(o.x0 - g.x1, g.x0 - o.x1) + 2 * kLabelMargin + 3;
      return std::min(o.y1, g.y1) - std::max(o.y0, g.y0) > lower / 2 && across < 0.6f * lower;
    });
  };
  // Its cells centred on the tick, `away` from the axis on their side. It is
  // the lesson's text: where no place within an axis number's reach is clear
  // (the origin's "0" or another value may stand in its way), the search
  // goes on from further out, up to twice that reach.
  for (Num out = away; out <= away + 2 * kNumberReach; out += 2) {
    Num dx = 0, dy = 0;
    if (xAxis) {
      dx = at - (c.x0 + c.x1) / 2;
      dy = before ? R - out - c.y1 : R + out - c.y0;
    } else {
      dx = before ? X8 - out - c.x1 : X8 + out - c.x0;
      dy = at - (c.y0 + c.y1) / 2;
    }
    const LabelPlace p = PlaceLabel(
        figure, {xAxis ? LabelKind::kXNumber : LabelKind::kYNumber, Moved(c, dx, dy), kLoosePart, {}, {}});
    if (p.broken == 0 && !crowded(p.ground)) {
      DSM1 += dx + p.offset.x;
      DSM2 += dy + p.offset.y;
      OnGround([&] { PrintMathText(); });
      return true;
    }
  }
  return false;
}

}  // namespace lessons
