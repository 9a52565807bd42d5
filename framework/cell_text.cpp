// The cell typesetter: short plain labels in bold 15 with fixed advances.
#include <string>

#include "framework/lesson.h"

namespace lessons {

void Lesson::DrawCellText() {
  while (true) {
    const Num x = DSM1, y = DSM2;
    if (KKAI_s.empty()) {
      rt.SetFontBold(0, 0);
      rt.SetFontSize(0, 16);
      return;
    }
    A_s = Left(KKAI_s, 1);
    KKAI_s = Mid(KKAI_s, 2);
    rt.SetFontBold(0, -1);
    rt.SetFontSize(0, 15);

    const int colour = CInt(YMOTO);
    auto text = [&](Num px, Num py, int a, int b) { rt.DrawText(0, 0, px, py, A_s, a, b, colour); };
    Num advance;
    if (A_s == "." || A_s == ",") {
      text(x, y, 3, 2);
      advance = 8;
    } else if (A_s == "(") {
      text(x - 8, y, 3, 2);
      advance = 12;
    } else if (A_s == ")") {
      text(x, y, 3, 2);
      advance = 8;
    } else if (A_s == " ") {
      advance = 20;
    } else if (IsDoubleByte(A_s)) {
      text(x, y, 2, 2);
      advance = 30;
    } else if (A_s == "a" || A_s == "x" || A_s == "c") {
      rt.SetFontName(0, "Times New Roman");
      rt.SetFontSize(0, 8);
      rt.SetFontItalic(0, -1);
      text(x + 4, y - 12, 7, 4);
      rt.SetFontName(0, "ゴシック");
      rt.SetFontItalic(0, 0);
      advance = 20;
    } else if (A_s == "y") {
      text(x, y - 6, 3, 2);
      advance = 20;
    } else {
      text(x, y, 3, 2);
      advance = 20;
    }
    DSM1 = x + advance;
    DSM2 = y;
  }
}

}  // namespace lessons
