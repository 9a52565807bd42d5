// Unit 3, screen ② "問２": the answer of the circle-area question, with the
// circle figure and the table of r, 2r, 3r, 4r against their areas.
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::DrawCircleFigure() {
  // A 10 × 10 frame of 30-unit cells (no lines) only fixes the figure's origin.
  A41 = 792;
  I = 30;
  IB8 = 10;
  GX0 = 10;
  NO = 30;
  SIZE = 15;
  DrawSquareGrid();

  // Centre, radius end and area label in cells, then in pixels.
  GY5(1) = 5, GY5Y(1) = 5;
  GY5(2) = 10, GY5Y(2) = 5;
  GY5(3) = 4, GY5Y(3) = 8;
  for (int k = 1; k <= 3; ++k) {
    GY5(k) = X8 + NO * GY5(k);
    GY5Y(k) = R - NO * GY5Y(k);
  }
  rt.DrawCircle(0, 0, GY5(1), GY5Y(1), 5 * NO, 0, 1, 0, 0, 1, -1, 13, 0);
  rt.DrawLine(0, 0, GY5(1), GY5Y(1), 0, GY5(2), GY5Y(2), -1, 0, 0, 0, -1, 7);

  SO = GY5(1);
  YOKO = GY5Y(1);
  AAA = GY5(2);
  A21 = GY5Y(2);
  XG = 1;
  ARCDEPTH = -20;
  TANI = 5;
  SIZE = 3;
  YMOTO = 3;
  ZY0_s = "x㎝";
  CCC2 = 0;
  CCC3 = 0;
  OKI2 = 0;
  DrawLengthArc();

  TextAt(GY5(3), GY5Y(3), 3, "ycm^2");
}

void Palisteo::CircleAreaAnswersScreen() {
  WipeScreen(1320, 1300);
  const Num indent = 30;
  B1 = 57;
  TextAt(B1, 30, 7, "<問2 解答>");
  DrawCircleFigure();
  TextAt(B1, 90, 0, "xとyの関係…");
  WaitAnyKey();
  Continue(5, "y=πx^2");
  TextAt(indent, 170, 0, "");  // the pen to the table's line
  WaitAnyKey();

  const std::vector<std::string> radii = {"r", "2r", "3r", "4r", "…"};
  const std::vector<std::string> areas = {"πr^2", "4πr^2", "9πr^2", "16πr^2", "…"};
  auto row = [&](Num top, const std::string& label, const std::vector<std::string>& texts,
                 int colour) {
    CellStyle(50, 0, 15, 0);
    DSM1 = indent + 20;
    DSM2 = top;
    Cell(40, label);
    for (const std::string& text : texts) {
      YMOTO = static_cast<Num>(colour);
      Cell(135, text);
    }
  };
  row(B2, "x", radii, 0);
  row(B2 + 50, "y", areas, 3);
  WaitAnyKey();
  TextAt(indent, B2 + 50 + 80, 5, "2^2倍,3^2倍,4^2倍,…となる。");
}

}  // namespace lessons
