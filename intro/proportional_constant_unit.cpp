// Unit 3: the proportional constant; its sub-menu and the n-fold screen.
#include "intro/palisteo.h"

namespace lessons {

namespace {

// A dotted arc of the n-fold screen joining two column centres on the line y;
// side -1 puts it above the line, 1 below. Dots and label share `colour`.
void NFoldArc(Palisteo& L, Num from, Num to, Num y, Num side, Num step, Num depth, int colour,
              const std::string& label, Num dx = 0, Num dy = 0) {
  L.SO = from;
  L.YOKO = y;
  L.AAA = to;
  L.A21 = y;
  L.XG = side;
  L.TANI = step;
  L.ARCDEPTH = depth;
  L.SIZE = static_cast<Num>(colour);
  L.YMOTO = static_cast<Num>(colour);
  L.ZY0_s = label;
  L.CCC2 = dx;
  L.CCC3 = dy;
  L.DrawLengthArc();
}

}  // namespace

void Palisteo::ProportionalConstantUnit() {
  UnitGoalScreen({"比例定数aを求め、yをxの式で表そう。"});
  UnitSubMenu("①ひろげ　②問２　③例題１　④問３　⑤練習問題１　⑥２　⑦３　⑧終了",
              {
                  [this] { NFoldScreen(); },
                  [this] { CircleAreaAnswersScreen(); },
                  [this] { ConstantExampleScreen(); },
                  [this] { ConstantAnswersScreen(); },
                  [this] { Practice1Screen(); },
                  [this] { Practice2Screen(); },
                  [this] { Practice3Screen(); },
              });
}

void Palisteo::NFoldScreen() {
  WipeScreen(1320, 1300);
  rt.SetDrawWidth(0, 5);
  B1 = 40;
  TextAt(B1, 30, 3, "関数 y=3x^2 で、xの値が2倍、3倍となるとき、yの値は？");

  // The table of y = 3x² for x = 0 to 9; only y(0) and y(1) are filled in.
  GY5(11) = 40;
  GY5(12) = 100;
  PTY(11) = B2 + 180;
  PTY(12) = PTY(11) + 50;
  PTY(13) = PTY(12) + 50;
  CellStyle(50, 9, 15, 0);
  DSM1 = GY5(11);
  DSM2 = PTY(11);
  Cell(GY5(12) - GY5(11), "x");
  for (A1 = 0; A1 <= 9; A1++) Cell(90, NumberText(A1));
  DSM1 = GY5(11);
  DSM2 = PTY(12);
  Cell(GY5(12) - GY5(11), "y");
  for (A1 = 0; A1 <= 9; A1++) Cell(90, A1 <= 1 ? NumberText(3 * A1 * A1) : "");

  // Arcs between the columns x = 2, 4, 8 and 2, 6, above the x row and below
  // the y row (the lower ones without labels for now).
  GY5(1) = 325;
  GY5(2) = 505;
  GY5(3) = 865;
  GY5(4) = 685;
  NFoldArc(*this, GY5(1), GY5(2), PTY(11), -1, 8, 20, 3, "2倍");
  NFoldArc(*this, GY5(2), GY5(3), PTY(11), -1, 3, 20, 3, "2倍", 30);
  NFoldArc(*this, GY5(1), GY5(4), PTY(11), -1, 2, 80, 7, "3倍", 0, 40);
  NFoldArc(*this, GY5(1), GY5(2), PTY(13), 1, 8, 20, 3, "");
  NFoldArc(*this, GY5(2), GY5(3), PTY(13), 1, 3, 20, 3, "");
  NFoldArc(*this, GY5(1), GY5(4), PTY(13), 1, 2, 80, 7, "");
  WaitAnyKey();

  // The values y(2) to y(9), one per key.
  CELLX = 280;
  for (A1 = 2; A1 <= 9; A1++) {
    CellStyle(50, 9, 15, 0);
    DSM1 = CELLX;
    DSM2 = PTY(12);
    Cell(90, NumberText(3 * A1 * A1));
    CELLX = DSM1;
    WaitAnyKey();
  }
  WaitAnyKey();

  NFoldArc(*this, GY5(1), GY5(2), PTY(13), 1, 8, 20, 3, "4倍");
  WaitAnyKey();
  NFoldArc(*this, GY5(2), GY5(3), PTY(13), 1, 3, 20, 3, "4倍", 30);
  WaitAnyKey();
  NFoldArc(*this, GY5(1), GY5(4), PTY(13), 1, 2, 80, 7, "9倍", 0, -40);
  WaitAnyKey();

  TextAt(B1, PTY(13) + 100, 0, "xの値がn倍のとき、yの値は？");
  WaitAnyKey();
  Continue(3, " n^2倍");
  WaitAnyKey();
  NewLine(0, 60, 3, "関数y=ax^2 ではxの値が");
  Continue(5, "n倍");
  Continue(3, "になると、yの値は");
  Continue(5, "n^2倍");
  Continue(3, "になる。");
  WaitAnyKey();
  TextAt(44, 570, 3, "教科書P93 問2　をやろう。");
}

}  // namespace lessons
