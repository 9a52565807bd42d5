// Screen ⑧ of unit 1: the worked answers of textbook page 105, exercises 1
// and 2, part by part in two columns.
#include "values/quendral.h"

namespace lessons {

void Quendral::RangeAnswersScreen() {
  WipeScreen(1320, 1300);
  // Exercise 1, labels at x 40, text column at 121.
  B1 = 121;
  B2 = 30;
  TextAt(40, B2, 7, "問1 解答");
  WaitAnyKey();
  TextAt(40, B2 + 60, 3, "(1) ");
  Continue(0, "x=-1 のとき y=2");
  NewLine(0, 50, 0, "x=2 のとき y=8");
  NewLine(0, 50, 0, "x=0 のとき y=0");
  NewLine(0, 50, 0, "したがって、");
  Continue(5, "0≦y≦8");
  WaitAnyKey();
  TextAt(40, B2 + 80, 3, "(2) ");
  Continue(0, "x=-2 のとき y=8");
  NewLine(0, 50, 0, "x=-1 のとき y=2");
  NewLine(0, 50, 0, "したがって、");
  Continue(5, "2≦y≦8");
  WaitAnyKey();
  // Exercise 2, labels at x 600, text column at 681; heading and part (1)
  // together.
  B1 = 681;
  B2 = 30;
  TextAt(B1, B2, 7, "問2 解答");
  TextAt(600, B2 + 60, 3, "(1) ");
  Continue(0, "x=2 のとき y=-1");
  NewLine(0, 50, 0, "x=4 のとき y=-4");
  NewLine(0, 50, 0, "したがって、");
  Continue(5, "-4≦y≦-1");
  WaitAnyKey();
  TextAt(600, B2 + 80, 3, "(2) ");
  Continue(0, "x=-4 のとき y=-4");
  NewLine(0, 70, 0, "x=1 のとき y=-ﾀ1/4ﾀ");
  NewLine(0, 50, 0, "x=0 のとき y=0");
  NewLine(0, 50, 0, "したがって、");
  Continue(5, "-4≦y≦0");
}

}  // namespace lessons
