// ② "P111": the measured braking distances in a table, then the law
// y = 0.006x² found from one pair and used at 100 km/h.
#include "applications/orvenna.h"

namespace lessons {

// One row of the braking table: a header box 40 wide, then the five values
// of A1$ in boxes 120 wide, each from the right edge of the one before.
void Orvenna::BrakingTableRow(Num top, const std::string& header, int fill) {
  GX0 = 50, YMOTO = 0, SIZE = 3, TKAI2 = static_cast<Num>(fill);
  DSM1 = B1, DSM2 = top, TANI = 40;
  A_s = header;
  DrawTextBox();
  GX3(1) = DSM1;
  for (int k = 1; k <= 5; ++k) {
    DSM1 = GX3(1), DSM2 = top, TANI = 120, YMOTO = 0;
    A_s = A1_s(k);
    DrawTextBox();
    GX3(1) = DSM1;
  }
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

  const char* xs[] = {"20", "30", "40", "50", "60"};
  const char* ys[] = {"2.4", "5.4", "9.6", "15.0", "21.6"};
  for (int k = 1; k <= 5; ++k) A1_s(k) = xs[k - 1];
  BrakingTableRow(80, "x", 15);
  for (int k = 1; k <= 5; ++k) A1_s(k) = ys[k - 1];
  BrakingTableRow(130, "y", 13);

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

}  // namespace lessons
