// Screen ⑥ of unit 1: the range of y read off the graph of y = x² for three
// domains of x, and the marking of a domain and its range on the plane.
#include <algorithm>
#include <utility>
#include <vector>

#include "values/quendral.h"

namespace lessons {

namespace {
// The plane of the screen: corner (770, 20), x -5..5 at 40 a unit, y -1..28
// at 20 a unit, axes only. Twice as wide a unit of x as of y leaves each
// guide's value of x room beside the other's on one row; the axis above 25
// leaves the letter y room above the value 25.
constexpr PlaneSetup kRangePlane{.left = 770, .top = 20, .xFrom = -5, .xTo = 5, .yFrom = -1,
                                 .yTo = 28, .xStep = 0.5f, .unit = 20, .grid = false,
                                 .numbers = false};

// How far a value of y stands from the y axis: clear of the heads of the
// range's arrow on it.
constexpr Num kRangeValueAway = 20;

// The part of y = x² over the domain, drawn solid on the dotted parabola.
GraphSetup DomainCurve(Num from, Num to) { return {.a = 1, .colour = 3, .xFrom = from, .xTo = to}; }

// The range's arrow on the y axis from `from` to `to`, its head at the
// start or at both ends.
ArrowOnPlane RangeArrow(Num from, Num to, ArrowHeads heads) { return {0, from, 0, to, heads, 6}; }

// The plane with what it will carry for the domain from..to: the solid part
// of the parabola, the guides from both ends to the axes and the arrows of
// the range on the y axis. (The dotted parabola comes with the plane.)
PlaneSetup RangePlane(Num from, Num to, std::vector<ArrowOnPlane> arrows) {
  PlaneSetup s = kRangePlane;
  s.curves = {DomainCurve(from, to)};
  const Num y1 = from * from, y2 = to * to;
  s.lines = {{from, y1, from, 0}, {from, y1, 0, y1}, {to, y2, to, 0}, {to, y2, 0, y2}};
  s.arrows = std::move(arrows);
  return s;
}

// The range's arrow of a domain from..to: from the smaller value of y to the
// larger (from 0 when the domain holds 0), with both heads.
ArrowOnPlane DomainRangeArrow(Num from, Num to) {
  const Num y1 = from * from, y2 = to * to;
  return RangeArrow(from * to > 0 ? std::min(y1, y2) : 0, std::max(y1, y2), ArrowHeads::kAtBoth);
}
}  // namespace

void Quendral::DottedParabola() {
  // The figure carries the dots as they are: a path no wider than a dot.
  std::vector<ScreenPoint> dots;
  Num x = figure.xFrom;
  Num y = AA * x * x;
  while (x <= figure.xTo) {
    const Num px = PlaneX(x), py = PlaneY(y);
    if (ZX <= py && py <= ZY) {
      rt.DrawCircle(0, 0, px, py, 1, 0, 1, 0, 0, 0, -1, 0, 0);
      dots.push_back({px, py});
    }
    x = x + (y > 1.2f ? 0.1f : 0.2f);
    y = AA * x * x;
  }
  figure.Carry(std::move(dots), 1.5f, kLoosePart, true);
}

void Quendral::GuideLine(Num x1, Num y1, Num x2, Num y2) {
  rt.DrawLine(0, 0, x1, y1, 0, x2, y2, -1, 7, 0, 7, -1, 7);
  CarryLine(x1, y1, x2, y2, 5);
}

void Quendral::MarkDomainAndRange() {
  DottedParabola();
  Graph(DomainCurve(DOMX1, DOMX2));
  const Num y1 = AA * DOMX1 * DOMX1, y2 = AA * DOMX2 * DOMX2;
  const Num p1x = PlaneX(DOMX1), p1y = PlaneY(y1);
  const Num p2x = PlaneX(DOMX2), p2y = PlaneY(y2);
  rt.SetDrawWidth(0, 5);
  GuideLine(p1x, p1y, p1x, R);
  GuideLine(p1x, p1y, X8, p1y);
  GuideLine(p2x, p2y, p2x, R);
  GuideLine(p2x, p2y, X8, p2y);
  // The values of y on the side of the y axis away from the guides.
  GuideValue(DOMX1, true, p1x, 7, false, 0);
  GuideValue(DOMX2, true, p2x, 7, false, 0);
  GuideValue(y1, false, p1y, 7, DOMX2 > 0, kRangeValueAway);
  GuideValue(y2, false, p2y, 7, DOMX2 > 0, kRangeValueAway);
  rt.SetDrawWidth(0, 6);
  PlaneArrow(DomainRangeArrow(DOMX1, DOMX2), 5);
  rt.SetDrawWidth(0, 5);
}

void Quendral::RangeGraphScreen() {
  WipeScreen(1320, 1300);
  B1 = 60;
  B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(B1 - 30, B2, 0, "①関数 y=x^2(-4≦x≦3)について、");
  TextAt(B1 + 30, B2 + 50, 0, "yの変域をいいなさい。");
  NewLine(0, 50, 3, "<解答>");
  WaitAnyKey();
  // The range 0..16 as two arrows at two steps: from 16 down to 9, then
  // from 0 up to 9, each with its head at its start.
  const ArrowOnPlane upper = RangeArrow(16, 9, ArrowHeads::kAtStart);
  const ArrowOnPlane lower = RangeArrow(0, 9, ArrowHeads::kAtStart);
  Plane(RangePlane(-4, 3, {upper, lower}));
  AA = 1;
  DottedParabola();
  Graph(DomainCurve(-4, 3));
  const Num p1x = PlaneX(-4), p1y = PlaneY(16);
  const Num p2x = PlaneX(3), p2y = PlaneY(9);
  WaitAnyKey();
  rt.SetDrawWidth(0, 5);
  GuideLine(p1x, p1y, p1x, R);
  GuideLine(p2x, p2y, p2x, R);
  GuideValue(-4, true, p1x, 7, false, 0);
  GuideValue(3, true, p2x, 7, false, 0);
  WaitAnyKey();
  GuideLine(p1x, p1y, X8, p1y);
  GuideLine(p2x, p2y, X8, p2y);
  WaitAnyKey();
  NewLine(0, 60, 0, "x=-4のとき、");
  Continue(0, "y=");
  WaitAnyKey();
  Continue(0, "(-4)^2");
  WaitAnyKey();
  Continue(3, "=16");
  WaitAnyKey();
  GuideValue(16, false, p1y, 7, false, kRangeValueAway);
  WaitAnyKey();
  NewLine(0, 60, 0, "x=3のとき、");
  Continue(0, "y=");
  Continue(0, "3^2");
  WaitAnyKey();
  Continue(3, "=9");
  WaitAnyKey();
  GuideValue(9, false, p2y, 7, true, kRangeValueAway);
  WaitAnyKey();
  rt.SetDrawWidth(0, 6);
  PlaneArrow(upper, 5);
  rt.SetDrawWidth(0, 3);
  WaitAnyKey();
  NewLine(0, 60, 0, "x=0のとき、");
  Continue(0, "y=");
  Continue(3, "0");
  Continue(0, " だから");
  WaitAnyKey();
  rt.SetDrawWidth(0, 6);
  PlaneArrow(lower, 5);
  rt.SetDrawWidth(0, 5);
  WaitAnyKey();
  NewLine(0, 60, 5, "0≦y≦16");
  WaitAnyKey();
  // ② and ③: each on a fresh plane, the text column kept.
  struct Problem {
    const char* text;
    Num from, to;
    const char* answer;
  };
  const Problem problems[] = {{"② 2≦x≦4 のとき", 2, 4, "4≦y≦16"},
                              {"③ -5≦x≦-2 のとき", -5, -2, "4≦y≦25"}};
  bool first = true;
  for (const Problem& p : problems) {
    if (!first) WaitAnyKey();
    first = false;
    NewLine(0, 70, 0, p.text);
    const Num lineEnd = YI1, lineY = B2;
    FillRect(A41 - 40, 0, 1320, 1800, 15, 15);
    Plane(RangePlane(p.from, p.to, {DomainRangeArrow(p.from, p.to)}));
    AA = 1;
    DOMX1 = p.from;
    DOMX2 = p.to;
    MarkDomainAndRange();
    WaitAnyKey();
    TextAt(lineEnd + 90, lineY, 5, p.answer);
    B2 = lineY;
  }
}

}  // namespace lessons
