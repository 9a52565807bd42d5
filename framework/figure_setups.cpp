// The typed set-ups of figure_setups.h: each sets the program variables its
// routine reads, then runs it.
#include "framework/figure_setups.h"

#include <algorithm>
#include <utility>

#include "framework/lesson.h"

namespace lessons {

namespace {
void SetIfGiven(Num& variable, const std::optional<Num>& value) {
  if (value) variable = *value;
}
}  // namespace

const Figure& Lesson::Plane(const PlaneSetup& s) {
  A41 = s.left, I = s.top;
  XI2 = s.xFrom, B3 = s.xTo, B4 = s.yFrom, X = s.yTo;
  XSTEP = s.xStep, GGX = s.yStep;
  NO = s.unit;
  SIZE = s.grid ? 1 : 0;
  N = s.numbers ? 0 : -1;
  figure.pending = s;
  // How far from the origin the x axis's first number stands.
  figure.xNumbersFrom = s.labelEveryX > 0 ? s.unit * std::max(1, CInt(s.labelEveryX))
                        : s.grid && s.numbers ? 5 * s.unit
                                              : 1e9f;
  DrawCoordinatePlane();
  figure.xNumbersFrom = 0;
  if (s.labelEveryX > 0 || s.labelEveryY > 0) {
    BB1 = s.labelEveryX, BB2 = s.labelEveryY;
    DrawDecimalAxisLabels();
  }
  return figure;
}

int Lesson::Point(const PointSetup& s) {
  KAKUDAI = s.x, SENTAKU = s.y;
  DOTRADIUS = s.radius;
  TKAI2 = static_cast<Num>(s.colour);
  ZY0_s = s.label;
  JYOU = s.dx, LABELDY = s.dy;
  if (figure.drawn) XSTEP = figure.xStep, GGX = figure.yStep;
  SetIfGiven(XSTEP, s.xStep);
  SetIfGiven(GGX, s.yStep);
  PlotLabelledPoint();
  return figure.drawingPoint;
}

int Lesson::Graph(const GraphSetup& s) {
  MUKI = static_cast<Num>(s.form);
  AA = s.a;
  if (s.form == GraphForm::kLine || s.form == GraphForm::kEquation) ZX1 = s.b;
  if (s.form == GraphForm::kEquation) R1B = s.c;
  TKAI2 = static_cast<Num>(s.colour);
  ZY0_s = s.label;
  JYOU = s.dx, LABELDY = s.dy;
  if (figure.drawn) {
    XI2 = figure.xFrom, B3 = figure.xTo, B4 = figure.yFrom, X = figure.yTo;
    XSTEP = figure.xStep, GGX = figure.yStep;
    figure.drawingCurve = CarryCurve(s);
  }
  SetIfGiven(XI2, s.xFrom);
  SetIfGiven(B3, s.xTo);
  SetIfGiven(B4, s.yFrom);
  SetIfGiven(X, s.yTo);
  SetIfGiven(XSTEP, s.xStep);
  SetIfGiven(GGX, s.yStep);
  DrawFunctionGraph();
  return std::exchange(figure.drawingCurve, kLoosePart);
}

namespace {
void SetBox(Lesson& L, const BoxSetup& s) {
  L.DSM1 = s.x, L.DSM2 = s.y;
  L.TANI = s.width, L.GX0 = s.height;
  L.SIZE = static_cast<Num>(s.border);
  L.TKAI2 = static_cast<Num>(s.fill);
  L.YMOTO = static_cast<Num>(s.textColour);
  L.A_s = s.text;
}
}  // namespace

void Lesson::TextBox(const BoxSetup& s) {
  SetBox(*this, s);
  CCC2 = s.dx, CCC3 = s.dy;
  DrawTextBox();
}

void Lesson::TextBoxAround(const BoxSetup& s) {
  SetBox(*this, s);
  DrawTextBoxAround();
}

}  // namespace lessons
