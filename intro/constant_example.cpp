// Unit 3, screen ③ "例題１": y proportional to x², a worked example with
// random numbers, repeated until the pupil enters 1.
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::DrawConstantExampleNumbers() {
  // a in 2..5, never the a accepted last; x1 and x2 in 2..8 and different
  // (a pair with x1 = x2 is drawn again, a included).
  do {
    do {
      T(1) = Int(rt.Random(1) * 4 + 2);
    } while (T(1) == LASTA);
    LASTA = T(1);
    F(2) = Int(rt.Random(1) * 7 + 2);
    T(2) = T(1) * F(2) * F(2);
    F(3) = Int(rt.Random(1) * 7 + 2);
    T(3) = T(1) * F(3) * F(3);
  } while (F(2) == F(3));
  F(4) = F(3) * F(3);
  F(5) = F(2) * F(2);
  NumbersToTextArrays();
}

void Palisteo::ConstantExampleScreen() {
  WipeScreen(1320, 1300);
  RandomDrill([this] {
    DrawConstantExampleNumbers();
    WipeScreen(1320, 1300);
    TextAt(40, 30, 3, "課2 ");
    Continue(0, "yはxの2乗に比例し、");
    Continue(3, "x=" + TITLE_s(2));
    Continue(0, "のとき ");
    Continue(3, "y=" + A1_s(2));
    Continue(0, "です。");
    TextAt(40, 80, 0, "(1)");
    Continue(3, "yをxの式");
    Continue(0, "で表しなさい。");
    TextAt(40, 130, 0, "(2)");
    Continue(3, "x=" + TITLE_s(3));
    Continue(0, " のときyの値を求めなさい。");
    TextAt(94, 180, 3, "<解答>");
    WaitAnyKey();

    // (1) the constant from the given pair, in the left column.
    TextAt(40, 230, 7, "(1)求める式をy=ax^2とすると ");
    WaitAnyKey();
    TextAt(94, 280, 0, "x=" + TITLE_s(2) + "のとき y=" + A1_s(2) + " だから");
    WaitAnyKey();
    TextAt(94, 340, 0, A1_s(2) + "=a*" + TITLE_s(2) + "^2");
    WaitAnyKey();
    Continue(0, "=" + TITLE_s(5) + "a");
    WaitAnyKey();
    TextAt(94, 410, 3, "a=");
    Continue(0, "ﾀ" + A1_s(2) + "/" + TITLE_s(5) + "ﾀ=");
    Continue(3, A1_s(1));
    WaitAnyKey();
    TextAt(94, 490, 5, "答  y=" + A1_s(1) + "x^2");
    WaitAnyKey();

    // (2) the value at x2, in the right column.
    TextAt(660, 230, 7, "(2) y=" + A1_s(1) + "x^2 にx=" + TITLE_s(3) + "を代入して");
    WaitAnyKey();
    TextAt(714, 290, 0, "y=" + A1_s(1) + "*" + TITLE_s(3) + "^2");
    WaitAnyKey();
    TextAt(741, 350, 0, "=" + A1_s(1) + "*" + TITLE_s(4));
    WaitAnyKey();
    TextAt(741, 400, 0, "=" + A1_s(3));
    WaitAnyKey();
    TextAt(741, 460, 5, "答  y=" + A1_s(3));
  });
  WaitAnyKey();
  TextAt(484, 570, 3, "教科書P94 問3　をしなさい。");
}

}  // namespace lessons
