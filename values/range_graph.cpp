// Screen ⑥ of unit 1: the range of y read off the graph of y = x² for three
// domains of x, and the marking of a domain and its range on the plane.
#include <algorithm>

#include "values/quendral.h"

namespace lessons {

namespace {
// The plane of the screen: corner (880, 50), x -5..5, y -1..25, 20 per unit,
// axes only.
constexpr PlaneSetup kRangePlane{.left = 880, .top = 50, .xFrom = -5, .xTo = 5, .yFrom = -1,
                                 .yTo = 25, .unit = 20, .grid = false, .numbers = false};

// The part of y = x² over the domain, drawn solid on the dotted parabola.
GraphSetup DomainCurve(Num from, Num to) { return {.a = 1, .colour = 3, .xFrom = from, .xTo = to}; }

// The plane with what it will carry for the domain from..to: the dotted
// parabola, its solid part, the guides from both ends to the axes and the
// range's arrow on the y axis.
PlaneSetup RangePlane(Num from, Num to) {
  PlaneSetup s = kRangePlane;
  s.curves = {GraphSetup{.a = 1}, DomainCurve(from, to)};
  const Num y1 = from * from, y2 = to * to;
  const Num low = from * to > 0 ? std::min(y1, y2) : 0, upper = std::max(y1, y2);
  // The arrow's heads: 16 long and 16 wide, at 20 a unit.
  const Num w = 0.4f, l = 0.8f;
  s.lines = {{from, y1, from, 0},        {from, y1, 0, y1},        {to, y2, to, 0},
             {to, y2, 0, y2},            {0, low, 0, upper, 6},    {-w, low + l, 0, low, 6},
             {w, low + l, 0, low, 6},    {-w, upper - l, 0, upper, 6},
             {w, upper - l, 0, upper, 6}};
  return s;
}

// The value x of a guide at pixel px, under it on the x axis (a negative one
// starts further left for its minus sign), or the nearest clear place.
void GuideXLabel(Quendral& L, Num value, Num px) {
  L.KKAI_s = L.StrippedNumberText(value);
  L.YMOTO = 7;
  L.DSM1 = px - (value < 0 ? 27 : 13);
  L.DSM2 = L.R;
  L.FigureLabel();
}

// The value y of a guide at pixel py, beside the y axis and level with the
// guide, on the side away from it (`left`), clear of the heads of the
// range's arrow on the axis and, right of it, below the letter "y".
void GuideYLabel(Quendral& L, Num value, Num py, bool left) {
  L.KKAI_s = L.StrippedNumberText(value);
  L.YMOTO = 7;
  L.DSM1 = L.X8;
  L.DSM2 = py - 24;
  const InkBox cells = L.CellsOf([&] { L.PrintMathText(); });
  L.DSM1 = left ? L.X8 - 20 - (cells.x1 - L.X8) : L.X8 + 20;
  if (!left) L.DSM2 = std::max(L.DSM2, L.ZX + 18);
  L.FigureLabel();
}
}  // namespace

void Quendral::DottedParabola() {
  Num x = XI2;
  Num y = AA * x * x;
  while (x <= B3) {
    const Num px = X8 + NO * x, py = R - NO * y;
    if (ZX <= py && py <= ZY) rt.DrawCircle(0, 0, px, py, 1, 0, 1, 0, 0, 0, -1, 0, 0);
    x = x + (y > 1.2f ? 0.1f : 0.2f);
    y = AA * x * x;
  }
}

void Quendral::GuideLine(Num x1, Num y1, Num x2, Num y2) {
  rt.DrawLine(0, 0, x1, y1, 0, x2, y2, -1, 7, 0, 7, -1, 7);
  CarryLine(x1, y1, x2, y2, 5);
}

void Quendral::YAxisArrow(Num fromY, Num toY, Num head) {
  ArrowBetween(X8, fromY, X8, toY, 5, head < 0 ? ArrowHeads::kAtStart : ArrowHeads::kAtEnd);
}

void Quendral::MarkDomainAndRange() {
  DottedParabola();
  Graph(DomainCurve(DOMX1, DOMX2));
  const Num y1 = AA * DOMX1 * DOMX1, y2 = AA * DOMX2 * DOMX2;
  const Num lower = y2 > y1 ? y1 : y2, upper = y2 > y1 ? y2 : y1;
  const Num low = DOMX1 * DOMX2 > 0 ? lower : 0;
  const Num p1x = X8 + NO * DOMX1, p1y = R - NO * y1;
  const Num p2x = X8 + NO * DOMX2, p2y = R - NO * y2;
  rt.SetDrawWidth(0, 5);
  GuideLine(p1x, p1y, p1x, R);
  GuideLine(p1x, p1y, X8, p1y);
  GuideLine(p2x, p2y, p2x, R);
  GuideLine(p2x, p2y, X8, p2y);
  GuideXLabel(*this, DOMX1, p1x);
  GuideXLabel(*this, DOMX2, p2x);
  GuideYLabel(*this, y1, p1y, DOMX2 > 0);
  GuideYLabel(*this, y2, p2y, DOMX2 > 0);
  rt.SetDrawWidth(0, 6);
  YAxisArrow(R - NO * low, R - NO * upper, 1);
  YAxisArrow(R - NO * low, R - NO * upper, -1);
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
  Plane(RangePlane(-4, 3));
  AA = 1;
  DottedParabola();
  Graph(DomainCurve(-4, 3));
  const Num p1x = X8 + NO * XI2, p1y = R - NO * AA * XI2 * XI2;
  const Num p2x = X8 + NO * B3, p2y = R - NO * AA * B3 * B3;
  WaitAnyKey();
  rt.SetDrawWidth(0, 5);
  GuideLine(p1x, p1y, p1x, R);
  GuideLine(p2x, p2y, p2x, R);
  GuideXLabel(*this, -4, p1x);
  GuideXLabel(*this, 3, p2x);
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
  GuideYLabel(*this, 16, p1y, false);
  WaitAnyKey();
  NewLine(0, 60, 0, "x=3のとき、");
  Continue(0, "y=");
  Continue(0, "3^2");
  WaitAnyKey();
  Continue(3, "=9");
  WaitAnyKey();
  GuideYLabel(*this, 9, p2y, true);
  WaitAnyKey();
  rt.SetDrawWidth(0, 6);
  YAxisArrow(p1y, p2y, -1);
  rt.SetDrawWidth(0, 3);
  WaitAnyKey();
  NewLine(0, 60, 0, "x=0のとき、");
  Continue(0, "y=");
  Continue(3, "0");
  Continue(0, " だから");
  WaitAnyKey();
  rt.SetDrawWidth(0, 6);
  YAxisArrow(R, p2y, -1);
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
    Plane(RangePlane(p.from, p.to));
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
