// The math typesetter's entry: reads a markup text character by character,
// sets stacked fractions and the tall radical itself and hands every other
// character to the glyph routine. Also the off-screen width measurement.
//
// PrintMathText is re-entered while it runs: a stacked fraction measures its
// parts through MeasureMathText, which typesets them here with KKAI$. So each
// level keeps what it needs afterwards in locals, never in shared variables.
#include <string>

#include "framework/lesson.h"

namespace lessons {

namespace {
const char kFractionMark[] = "ﾀ";
}  // namespace

void Lesson::PrintMathText() {
  while (true) {
    YI3 = rt.GetDrawWidth(0);
    if (KKAI_s.empty()) {
      rt.SetDrawWidth(0, CInt(YI3));
      return;
    }
    A_s = Left(KKAI_s, 1);
    KKAI_s = Mid(KKAI_s, 2);

    if (A_s == kFractionMark) {
      const int close = InStr(KKAI_s, kFractionMark);
      if (close == 0) continue;  // an unmatched mark is dropped
      A_s = Left(KKAI_s, close - 1);
      // The rest of this text must outlive the measuring of the parts,
      // which runs this routine again with the parts in KKAI$.
      const std::string rest = Mid(KKAI_s, close + 1);
      DrawStackedFraction();
      KKAI_s = rest;
      continue;
    }

    // "#" is a mark only outside fractions; inside a fraction part it is an
    // ordinary character, as the glyph routine draws it there.
    if (A_s == "#" && RTASKAI1 != 1) {
      const int colour = CInt(YMOTO);
      const Num q = textSqueeze;
      rt.SetDrawWidth(0, 3);
      rt.DrawPolyline(0,
                      {{DSM1 + 4 * q, DSM2 + 36},
                       {DSM1 + 8 * q, DSM2 + 24},
                       {DSM1 + 16 * q, DSM2 + 60},
                       {DSM1 + 30 * q, DSM2 - 14},
                       {DSM1 + 38 * q, DSM2 - 14}},
                      colour, 0, colour);
      XTAKE_s.clear();
      SIZE1 = 22;
      rt.SetDrawWidth(0, CInt(YI3));
      DSM1 = DSM1 + 32 * q;
      AY = DSM1;
      continue;
    }

    if (A_s == "^") {
      X1 = 1;
      continue;
    }

    DrawMathGlyphs();
  }
}

void Lesson::MeasureMathText() {
  // The saved pen and text belong to this call alone: a fraction measured
  // inside it measures its own parts through this routine as well.
  const Num savedX = DSM1, savedY = DSM2;
  const std::string savedText = A_s;
  DSM1 = 0;
  DSM2 = 1800;  // measured (nothing is drawn) away from the lesson's texts
  KKAI_s = A_s;
  rt.Measure([&] { PrintMathText(); });
  NASI = DSM1;
  DSM1 = savedX;
  DSM2 = savedY;
  A_s = savedText;
}

}  // namespace lessons
