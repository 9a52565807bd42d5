// Unit 2, screen ⑥ "式、定義": the ball's table with a row for x², the
// formula y = 2x², and the definition of the function y = ax².
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::SquareTableExercise(Num margin, Num labelWidth, Num valueWidth,
                                   const std::vector<std::string>& xTexts,
                                   const std::vector<std::string>& squareTexts,
                                   const std::vector<std::string>& yTexts,
                                   const std::string& answer2, const std::string& answer3) {
  // One table row: its label cell, then the value cells left to right.
  auto row = [&](Num top, const std::string& label, const std::vector<std::string>& texts,
                 int colour) {
    CellStyle(50, 0, 15, 0);
    DSM1 = margin, DSM2 = top;
    Cell(labelWidth, label);
    for (const std::string& text : texts) {
      YMOTO = static_cast<Num>(colour);
      Cell(valueWidth, text);
    }
  };
  B1 = margin;
  TextAt(B1, 80, 0, "(1)表を完成しなさい。");
  row(130, "x", xTexts, 0);
  row(180, "x^2", std::vector<std::string>(squareTexts.size()), 0);
  row(230, "y", yTexts, 7);
  TextAt(B1, 310, 0, "(2)x^2とyの関係は？");
  TextAt(B1, 440, 0, "(3)yをxの式で表すと");
  WaitAnyKey();

  const Num valuesLeft = margin + labelWidth;
  for (size_t k = 0; k < squareTexts.size(); ++k) {
    CellStyle(50, 0, 15, 3);
    DSM1 = valuesLeft + valueWidth * static_cast<Num>(k), DSM2 = 180;
    Cell(valueWidth, squareTexts[k]);
    WaitAnyKey();
  }
  WaitAnyKey();
  TextAt(B1 + 88, 310 + 60, 3, answer2);
  WaitAnyKey();
  TextAt(B1 + 88, 440 + 60, 3, answer3);
  WaitAnyKey();
}

void Palisteo::SquareLawScreen() {
  WipeScreen(1760, 1800);
  B1 = 44;
  TextAt(B1, 30, 3, "課2 yをxの式で表そう。");
  SquareTableExercise(44, 88, 88, {"0", "0.1", "0.2", "0.3", "0.4", "0.5"},
                      {"0", "0.01", "0.04", "0.09", "0.16", "0.25"},
                      {"0", "0.02", "0.08", "0.18", "0.32", "0.50"}, "yはx^2の2倍", "y=2x^2");

  // The definition, in a panel to the right of the table.
  B1 = 44 + 88 + 6 * 88 + 44;  // 44 right of the table's right edge (660)
  B2 = 80;
  rt.DrawLine(0, 0, B1 - 22, B2 - 22, 1, 504, 380, 0, 13, 2, 6, 0, 15);
  TextAt(B1 + 32, B2, 13, "<関数y=ax^2の意味>");
  NewLine(0, 50, 15, "yがxの関数で");
  NewLine(0, 50, 11, "y=ax^2");
  Continue(15, " と表されるとき");
  NewLine(0, 50, 13, "yはxの２乗に比例する");
  NewLine(0, 50, 15, "という。(aは比例定数)");
  NewLine(0, 80, 13, "ﾀy/x^2ﾀ=a");
}

}  // namespace lessons
