// Arrows with open V-shaped heads, and the run and rise arrows that mark the
// change between two points of a graph.
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "framework/figure_util.h"
#include "framework/lesson.h"

namespace lessons {

namespace {
// The part [t0, t1] of the segment from (x1, y1) to (x2, y2) (0 at its start,
// 1 at its end) that lies inside the box from (bx0, by0) to (bx1, by1), if any.
std::optional<std::pair<Num, Num>> SegmentInBox(Num x1, Num y1, Num x2, Num y2, Num bx0, Num by0,
                                                Num bx1, Num by1) {
  Num t0 = 0, t1 = 1;
  auto clip = [&](Num p, Num q) {  // keep where p t <= q
    if (p == 0) return q >= 0;
    const Num t = q / p;
    if (p < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    return t0 < t1;
  };
  const Num dx = x2 - x1, dy = y2 - y1;
  if (clip(-dx, x1 - bx0) && clip(dx, bx1 - x1) && clip(-dy, y1 - by0) && clip(dy, by1 - y1))
    return std::make_pair(t0, t1);
  return std::nullopt;
}

// Where the labels of the run and the rise go, and in what colour.
void PlaceRunLabel(Lesson& L) {
  L.YMOTO = 7;
  L.DSM1 = (L.LT2 + L.RP1) / 2 - 14;
  L.DSM2 = L.GX5 < L.GX4 ? L.GX4 - 44 : L.GX4;  // above the run when the rise goes up
  L.KKAI_s = L.RUNTEXT_s;
}

void PlaceRiseLabel(Lesson& L) {
  L.YMOTO = 3;
  L.DSM1 = L.RP1;
  L.DSM2 = (L.GX4 + L.GX5) / 2 - 16;
  L.KKAI_s = L.RISETEXT_s;
}
}  // namespace

void Lesson::LineBehindLabels(Num x1, Num y1, Num x2, Num y2, int colour) {
  const Num half = rt.GetDrawWidth(0) / 2.0f, reach = 1 + half;
  std::vector<std::pair<Num, Num>> hidden;  // parts of the line, 0 at its start, 1 at its end
  for (const InkBox& g : labelGrounds) {
    // Within half its width of a ground's edge it only grazes the ground.
    if (!SegmentInBox(x1, y1, x2, y2, g.x0 + half, g.y0 + half, g.x1 - half, g.y1 - half))
      continue;
    hidden.push_back(
        *SegmentInBox(x1, y1, x2, y2, g.x0 - reach, g.y0 - reach, g.x1 + reach, g.y1 + reach));
  }
  std::sort(hidden.begin(), hidden.end());
  auto along = [](Num a, Num b, Num t) { return t == 1 ? b : a + (b - a) * t; };
  auto piece = [&](Num t0, Num t1) {
    PlainLine(rt, along(x1, x2, t0), along(y1, y2, t0), along(x1, x2, t1), along(y1, y2, t1),
              colour);
  };
  Num from = 0;
  for (auto [t0, t1] : hidden) {
    if (t0 > from) piece(from, t0);
    from = std::max(from, t1);
  }
  if (from < 1) piece(from, 1);
}

void Lesson::DrawArrowStrokes(Num tx, Num ty, Num hx, Num hy) {
  int colour = CInt(SIZE);
  LineBehindLabels(tx, ty, hx, hy, colour);

  Num length = std::sqrt((hx - tx) * (hx - tx) + (hy - ty) * (hy - ty));
  if (length == 0) return;  // no direction: the shaft alone
  Num dx = (hx - tx) / length;
  Num dy = (hy - ty) / length;
  Num bx = hx - XW * dx;
  Num by = hy - XW * dy;
  Num half = XW / 2;
  PlainLine(rt, bx + half * -dy, by + half * dx, hx, hy, colour);
  PlainLine(rt, bx - half * -dy, by - half * dx, hx, hy, colour);
}

void Lesson::DrawArrow() {
  bool headAtFirst = Y == -1;
  Num tx = headAtFirst ? II : SO, ty = headAtFirst ? IJ : YOKO;
  Num hx = headAtFirst ? SO : II, hy = headAtFirst ? YOKO : IJ;
  DrawArrowStrokes(tx, ty, hx, hy);
  if (HENK1 == 2) {
    HENK1 = 0;
    DrawArrowStrokes(hx, hy, tx, ty);
  }
  Y = 0;
}

void Lesson::ArrowBetween(Num x1, Num y1, Num x2, Num y2, int colour, Num head) {
  SO = x1;
  YOKO = y1;
  II = x2;
  IJ = y2;
  Y = head;
  SIZE = static_cast<Num>(colour);
  XW = 16;
  DrawArrow();
}

void Lesson::DrawRunRiseArrows() {
  if (LT2 > RP1) {
    std::swap(LT2, RP1);
    std::swap(GX4, GX5);
  }
  rt.SetDrawWidth(0, 5);

  // Without a scale there are no values to show.
  if (NO == 0) {
    RUNTEXT_s.clear();
    RISETEXT_s.clear();
  } else {
    RUNTEXT_s = StrippedNumberText((RP1 - LT2) / NO);
    std::string rise = StrippedNumberText((GX4 - GX5) / NO);
    if (rise.rfind(".", 0) == 0) rise = "0" + rise;
    else if (rise.rfind("-.", 0) == 0) rise = "-0" + rise.substr(1);
    RISETEXT_s = rise;
  }
  const bool run = NO != 0 && Mid(DX_s, 1, 1) == "y", rise = NO != 0 && Mid(DX_s, 2, 1) == "y";

  // The labels' grounds, then the run, left to right at the height of the
  // first point; the rise, from the end of the run to the height of the
  // second point; then the labels, which may reach over the arrows (so the
  // arrows are drawn whole over their own labels' grounds).
  auto ground = [&](void (*place)(Lesson&)) {
    place(*this);
    LabelGround(InkOf([&] { PrintMathText(); }));
  };
  const size_t before = labelGrounds.size();
  if (run) ground(PlaceRunLabel);
  if (rise) ground(PlaceRiseLabel);
  const std::vector<InkBox> own(labelGrounds.begin() + before, labelGrounds.end());
  labelGrounds.resize(before);
  ArrowBetween(LT2, GX4, RP1, GX4, 7);
  ArrowBetween(RP1, GX4, RP1, GX5, 3);
  labelGrounds.insert(labelGrounds.end(), own.begin(), own.end());
  if (run) LabelRunArrow();
  if (rise) LabelRiseArrow();
}

void Lesson::LabelRunArrow() {
  PlaceRunLabel(*this);
  PrintMathText();
}

void Lesson::LabelRiseArrow() {
  PlaceRiseLabel(*this);
  PrintMathText();
}

}  // namespace lessons
