// Value labels along the axes of the plane just drawn: the value k x step at
// every BB1-th x index and every BB2-th y index, with a "0" before the point
// of values below 1 and the point drawn as a small text of its own.
#include "framework/figure_util.h"
#include "framework/lesson.h"

namespace lessons {

namespace {
// Every how many indices a label stands: 5 unless a whole step of 1 or more
// is given.
void NormaliseLabelStep(Num& step) {
  if (CInt(step) < 1) step = 5;
}

bool LabelledIndex(Num k, Num every) { return k != 0 && CInt(k) % CInt(every) == 0; }
}  // namespace

void Lesson::DrawDecimalAxisLabels() {
  rt.SetFontSize(0, NAGASA);

  // One label with its point; the point stands 4 units lower than the digits.
  auto label = [&](Num x, Num y) {
    DSM1 = x;
    DSM2 = y;
    YMOTO = 0;
    rt.DrawText(0, 0, DSM1, DSM2, KKAI_s, 2, 1, CInt(YMOTO));
    if (H != 0) {
      DSM1 = DSM1 + NAGASA * H - 6;
      DSM2 = DSM2 + 4;
      rt.DrawText(0, 0, DSM1, DSM2, ".", 2, 1, CInt(YMOTO));
    }
  };

  // x axis: centred under the grid line, the top 4 units below the axis.
  NormaliseLabelStep(BB1);
  CountedLoop(XI0, XI2, B3, 1, [&](Num k) {
    HHP = k * XSTEP;
    FormatDecimalLabel();
    if (!LabelledIndex(k, BB1)) return;
    KKAI_s = P1_s;
    Num L = static_cast<Num>(Len(KKAI_s));
    label(X8 + NO * k - L * NAGASA / 2, R + 4);
  });

  // y axis: ending at the axis, centred on the grid line.
  NormaliseLabelStep(BB2);
  CountedLoop(XI0, B4, X, 1, [&](Num k) {
    HHP = k * GGX;
    FormatDecimalLabel();
    if (!LabelledIndex(k, BB2)) return;
    KKAI_s = P1_s;
    Num L = static_cast<Num>(Len(KKAI_s));
    label(X8 - NAGASA * L, R - NO * k - NAGASA / 2);
  });

  rt.SetFontSize(0, 16);
  BB1 = 5;
  BB2 = 5;
}

void Lesson::FormatDecimalLabel() {
  StrippedNumberText(HHP);
  P1_s = A_s;
  int point = InStr(A_s, ".");
  H = static_cast<Num>(point);
  if (point == 0) return;  // a whole value keeps its text

  // Digits before the point (after a minus sign) and after it. A value below
  // 1 has none before the point: a "0" takes their place.
  bool negative = HHP < 0;
  int minus = negative ? InStr(A_s, "-") : 0;
  std::string whole = Mid(A_s, minus + 1, point - minus - 1);
  std::string fraction = Mid(A_s, point + 1);
  std::string before = (negative ? "-" : "") + (whole.empty() ? std::string("0") : whole);
  P1_s = before + fraction;
  H = static_cast<Num>(Len(before));
}

}  // namespace lessons
