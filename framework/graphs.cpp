// Points and function graphs on the plane that DrawCoordinatePlane left:
// a labelled dot, and the graphs of y = a/x, y = ax^2, y = ax + b and
// ax + by = c as rows of small dots cut off at the plane's top and bottom.
#include <algorithm>

#include "framework/figure_util.h"
#include "framework/lesson.h"

namespace lessons {

namespace {
// A step of 0 is taken as 1.
void UnitIfZero(Num& step) {
  if (step == 0) step = 1;
}

// Number of dot positions of a trace after the first.
constexpr Num kTraceSteps = 5000;
}  // namespace

void Lesson::PlotLabelledPoint() {
  UnitIfZero(XSTEP);
  UnitIfZero(GGX);
  HOUKOU = X8 + NO * KAKUDAI / XSTEP;
  N2 = R - NO * SENTAKU / GGX;

  // The label (at the place chosen for it, nearer its own dot than any
  // other) and its ground go down before the dot.
  YMOTO = TKAI2;
  DSM1 = HOUKOU - 20 + JYOU;
  DSM2 = N2 - 40 + LABELDY;
  KKAI_s = ZY0_s;
  const int part = figure.drawn ? CarryPoint(HOUKOU, N2, DOTRADIUS) : kLoosePart;
  figure.drawingPoint = part;
  if (!KKAI_s.empty()) {
    PlaceFigureLabel(part);
    const Measured m = MeasureOf([&] { PrintMathText(); });
    LabelGround(m.cells, m.ink);
  }
  FilledDot(rt, HOUKOU, N2, DOTRADIUS, CInt(TKAI2));
  if (figure.drawn) PointDrawn(HOUKOU, N2, DOTRADIUS);
  PrintMathText();
  JYOU = 0;
  LABELDY = 0;
}

void Lesson::DrawFunctionGraph() {
  int savedWidth = rt.GetDrawWidth(0);
  YI3 = static_cast<Num>(savedWidth);
  UnitIfZero(XSTEP);
  UnitIfZero(GGX);

  if (MUKI == 4 && ZX1 == 0) {
    // a x = c: a vertical line, unless a is 0 too (no line at all).
    if (AA != 0) {
      R1B = R1B / AA;
      DrawVerticalGraphLine();
    }
  } else if (MUKI == 4) {
    // a x + b y = c as y = (-a/b) x + c/b.
    AA = -AA / ZX1;
    ZX1 = R1B / ZX1;
    MUKI = 3;
    TraceCurveDots();
  } else {
    TraceCurveDots();
  }

  // The label's top left corner on the last dot drawn, moved by the offsets.
  YMOTO = TKAI2;
  DSM1 = DSM1 + JYOU;
  DSM2 = DSM2 + LABELDY;
  KKAI_s = ZY0_s;
  FigureLabel(figure.drawingCurve);

  JYOU = 0;
  LABELDY = 0;
  XSTEP = 1;
  GGX = 1;
  rt.SetDrawWidth(0, savedWidth);
}

void Lesson::TraceCurveDots() {
  bool shifted = MUKI != 3;  // y = a/x and y = ax^2 are never taken at x = 0
  auto f = [&](Num x) -> Num {
    if (MUKI == 1) return AA / x;
    if (MUKI == 2) return AA * (x * x);
    return AA * x + ZX1;
  };

  Num x = XI2;
  if (shifted && x == 0) x = 0.002f;
  Num y = f(x);
  Num step = (B3 - XI2) / kTraceSteps;
  TANI = kTraceSteps;

  CountedLoop(XI0, 0, TANI, 1, [&](Num) {
    HOUKOU = X8 + NO * x / XSTEP;
    N2 = R - NO * y / GGX;
    if (ZX <= N2 && N2 <= ZY) {
      DSM1 = HOUKOU;
      DSM2 = N2;
      FilledDot(rt, HOUKOU, N2, 1, CInt(TKAI2));
    }
    x = x + step;
    if (shifted && x == 0) x = x + step;
    y = f(x);
  });
}

void Lesson::DrawVerticalGraphLine() {
  rt.SetDrawWidth(0, 5);
  const Num x = X8 + NO * R1B / XSTEP, y0 = R - NO * B4 / GGX, y1 = R - NO * X / GGX;
  PlainLine(rt, x, y0, x, y1, CInt(TKAI2));
  DSM1 = x + 10;
  DSM2 = y1;
}

}  // namespace lessons
