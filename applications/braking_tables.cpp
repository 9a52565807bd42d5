// ② "P111" and ③ "説明しよう": the measured braking distances in a table; the
// law y = 0.006x² found from one pair and used at 100 km/h; why equal steps
// of speed give growing steps of braking distance.
#include "applications/orvenna.h"

namespace lessons {

// One row of the braking table: a header box 40 wide, then the five values
// of A1$ in boxes 120 wide, each from the right edge of the one before.
void Orvenna::BrakingTableRow(Num left, Num top, const std::string& header, int border, int fill) {
  TextBox({.x = left, .y = top, .width = 40, .border = border, .fill = fill, .text = header});
  for (int k = 1; k <= 5; ++k)
    TextBox({.x = DSM1, .y = top, .width = 120, .border = border, .fill = fill, .text = A1_s(k)});
}

// The measured values: speeds 20 to 60 km/h and their braking distances.
void Orvenna::BrakingValuesTable(Num left, Num top, int border, int xFill, int yFill) {
  const char* xs[] = {"20", "30", "40", "50", "60"};
  const char* ys[] = {"2.4", "5.4", "9.6", "15.0", "21.6"};
  for (int k = 1; k <= 5; ++k) A1_s(k) = xs[k - 1];
  BrakingTableRow(left, top, "x", border, xFill);
  for (int k = 1; k <= 5; ++k) A1_s(k) = ys[k - 1];
  BrakingTableRow(left, top + 50, "y", border, yFill);
}

void Orvenna::BrakingTableScreen() {
  WipeScreen(1320, 1300);
  A1 = 30, B1 = A1 + 36, B2 = 20;
  rt.SetDrawWidth(0, 5);
  TextAt(A1, B2, 3, "時速xkm");
  Continue(0, "の自動車の制動距離を");
  Continue(3, "ym");
  Continue(0, "とすると、");
  Continue(3, "yはxの2乗に比例する。");

  BrakingValuesTable(B1, 80, 3, 15, 13);

  TextAt(A1, 190, 7, "問1 ");
  Continue(3, "xとyの関係を式に表そう。");
  WaitAnyKey();
  NewLine(0, 50, 3, "y=ax^2 ");
  Continue(0, "にx=20,y=2.4 を代入すると");
  WaitAnyKey();
  NewLine(0, 50, 0, "2.4=a*20^2  ");
  WaitAnyKey();
  Continue(0, "400a=2.4  ");
  WaitAnyKey();
  Continue(3, "a=0.006  ");
  WaitAnyKey();
  Continue(5, "y=0.006x^2");
  WaitAnyKey();
  TextAt(A1, B2 + 70, 7, "問2 ");
  Continue(3, "時速100ｋｍのとき、制動距離は何m?");
  WaitAnyKey();
  NewLine(0, 50, 3, "y=0.006x^2 ");
  Continue(0, "にx=100を代入すると");
  WaitAnyKey();
  NewLine(0, 50, 0, "y=0.006*100^2=");
  WaitAnyKey();
  Continue(0, "0.006*10000=");
  WaitAnyKey();
  Continue(3, "60  ");
  WaitAnyKey();
  Continue(5, "60m");
}

// ③ "説明しよう": the same values, two steps of 10 km/h marked under the
// table, and why their braking distances differ.
void Orvenna::BrakingExplanationScreen() {
  WipeScreen(1320, 1300);
  A1 = 40, B1 = A1 + 34, B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(A1, B2, 3, "時速xkm");
  Continue(0, "の自動車の制動距離を");
  Continue(3, "ym");
  Continue(0, "とするとき、");
  Continue(3, "y=0.006x^2");
  Continue(0, "だった。");
  NewLine(0, 60, 7, "y=0.006x^2");
  BrakingValuesTable(A1, 150, 9, 15, 15);
  // The arcs join the centres of the columns 30 and 40, and 50 and 60,
  // starting a little under the table's border: at its line they would run
  // on from the values' decimal points, and "15.0" would read "150".
  GY5(1) = A1 + 40 + 120 + 60;
  for (int k = 2; k <= 4; ++k) GY5(k) = GY5(k - 1) + 120;
  auto arc = [this](Num from, Num to, const std::string& label) {
    const Num top = 250 + 6;
    SO = from, YOKO = top, AAA = to, A21 = top;
    YMOTO = 3, SIZE = 3, XG = 1, TANI = 5, ARCDEPTH = 16;
    ZY0_s = label;
    DrawLengthArc();
  };
  arc(GY5(1), GY5(2), "①");
  arc(GY5(3), GY5(4), "②");
  B2 = 250;
  TextAt(A1, B2 + 70, 3, "①");
  Continue(0, "時速30kmと時速40kmのときの制動距離の差は？");
  GX3(1) = DSM1 + 20, GY3(1) = B2;
  TextAt(A1, B2 + 50, 3, "②");
  Continue(0, "時速50kmと時速60kmのときの制動距離の差は？");
  GX3(2) = DSM1 + 20, GY3(2) = B2;
  TextAt(A1, B2 + 50, 3, "③");
  Continue(0, "どんなことがわかる？");
  // The answers stand at the ends of their questions; the cursor stays.
  auto answer = [this](Num x, Num y, const std::string& text) {
    YMOTO = 5, DSM1 = x, DSM2 = y;
    KKAI_s = text;
    PrintMathText();
  };
  WaitAnyKey();
  answer(GX3(1), GY3(1), "4.2m");
  WaitAnyKey();
  answer(GX3(2), GY3(2), "6.6m");
  WaitAnyKey();
  NewLine(0, 50, 3, "速さの増加量はどちらも10kmで同じだが、制動距離は違う。");
  WaitAnyKey();
  NewLine(0, 50, 5, "y=0.006x^2の変化の割合は一定ではなく、だんだん大きくなるから。");
  WaitAnyKey();
  NewLine(0, 50, 5, "制動距離は、速さの2乗に比例しn^2倍になるから。");
}

}  // namespace lessons
