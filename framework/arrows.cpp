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

void Lesson::FigureLine(Num x1, Num y1, Num x2, Num y2, int colour) {
  PlainLine(rt, x1, y1, x2, y2, colour);
  CarryLine(x1, y1, x2, y2, static_cast<Num>(rt.GetDrawWidth(0)));
}

void Lesson::DrawArrowStrokes(Num tx, Num ty, Num hx, Num hy) {
  for (auto [from, to] : ArrowSegments({tx, ty}, {hx, hy}, XW))
    FigureLine(from.x, from.y, to.x, to.y, CInt(SIZE));
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

int Lesson::ArrowBetween(Num x1, Num y1, Num x2, Num y2, int colour, ArrowHeads heads) {
  SO = x1;
  YOKO = y1;
  II = x2;
  IJ = y2;
  Y = heads == ArrowHeads::kAtStart ? -1 : 1;
  if (heads == ArrowHeads::kAtBoth) HENK1 = 2;
  SIZE = static_cast<Num>(colour);
  XW = 16;
  // On a figure, the arrow is one of its parts (the one declared with this
  // shaft), so that a label of it stands nearer to it than to another.
  const int part = figure.drawn ? ArrowPart(x1, y1, x2, y2) : kLoosePart;
  figure.drawingArrow = part;
  DrawArrow();
  figure.drawingArrow = kLoosePart;
  return part;
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

  // The run, left to right at the height of the first point; the rise, from
  // the end of the run to the height of the second point; then their labels,
  // each at the nearest place clear of the figure.
  // Each arrow is one of the figure's parts, so that its label stands
  // nearer to it than to the other.
  figure.runArrow = ArrowBetween(LT2, GX4, RP1, GX4, 7);
  figure.riseArrow = ArrowBetween(RP1, GX4, RP1, GX5, 3);
  if (run) LabelRunArrow();
  if (rise) LabelRiseArrow();
}

void Lesson::LabelRunArrow() {
  PlaceRunLabel(*this);
  FigureLabel(figure.runArrow);
}

void Lesson::LabelRiseArrow() {
  PlaceRiseLabel(*this);
  FigureLabel(figure.riseArrow);
}

}  // namespace lessons
