// Screen ④ of unit 2: the rate of change of y = x², then of y = ax², over a
// random interval of x. Each exercise repeats with new numbers until 1 is
// entered, then shows the shortcut behind its answers on a fixed example.
#include "values/quendral.h"

namespace lessons {

namespace {
constexpr Num kRateBoxWidth = 176;
}  // namespace

void Quendral::SquareRateOverInterval() { T(3) = (F(1) + F(2)) * T(1); }

void Quendral::SquareRateTurn(const std::string& mark, Num top, Num questionY) {
  DrawDomainEnds();
  SquareRateOverInterval();
  CoefficientText();
  B1 = 40;
  B2 = top;
  FillRect(0, top, 1760, 1800, 15, 15);
  TextAt(B1, questionY, 0, mark + " y=" + A1_s(1) + "x^2 について、変化の割合を求めなさい。");
  NewLine(36, 80, 3, "xが " + TITLE_s(1) + "から" + TITLE_s(2) + " まで増加  ");
  const Num boxX = YI1, boxY = B2;
  AnswerBox(boxX, boxY, kRateBoxWidth, "");
  YI1 = DSM1;
  B2 = DSM2;
  WaitAnyKey();
  AnswerBox(boxX, boxY, kRateBoxWidth, A1_s(3));
}

void Quendral::RateDrillScreen() {
  WipeScreen(1320, 1300);
  RandomDrill([this] {
    T(1) = 1;
    SquareRateTurn("①", 30, 30);
  });
  // y = x² from 3 to 5: the rate is the sum of the two ends.
  TextAt(YI1 + 40, B2, 7, "y=x^2の3から5では、");
  NewLine(40, 90, 0, "ﾀyの増加量/xの増加量ﾀ=");
  Continue(0, "ﾀ5^2-3^2/5-3ﾀ=");
  WaitAnyKey();
  Continue(0, "ﾀ(5+3)(5-3)/5-3ﾀ=");
  WaitAnyKey();
  Continue(0, "5+3=");
  Continue(5, "8");
  WaitAnyKey();

  // Exercise ② restarts below the example; the example stays.
  const Num top = B2 + 90;
  RandomDrill([this, top] {
    T(1) = SignedRandom(4);
    SquareRateTurn("②", top, top + 20);
  });
  // y = 2x² from 3 to 5: a times the sum of the ends.
  TextAt(YI1 + 40, B2, 7, "y=2x^2の3から5では、");
  NewLine(40, 90, 0, "ﾀyの増加量/xの増加量ﾀ=");
  Continue(0, "ﾀ2*5^2-2*3^2/5-3ﾀ");
  WaitAnyKey();
  Continue(0, "=ﾀ2(5^2-3^2)/5-3ﾀ");
  WaitAnyKey();
  NewLine(0, 80, 0, "=ﾀ2(5+3)(5-3)/5-3ﾀ");
  WaitAnyKey();
  Continue(0, "=2(5+3)=2*8=");
  Continue(5, "16");
  WaitAnyKey();
  // Below the working's last line and left of the prompt.
  TextAt(410, 612, 7, "教科書P107 問1,2　をしなさい。");
}

}  // namespace lessons
