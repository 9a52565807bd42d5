// ④ "ふりこ問３" and ⑤ "問４": the pendulum of period x s and length y m,
// y = ¼x², worked forwards (the length for 1 s) and backwards (the periods
// for 1 m and 4 m).
#include "applications/orvenna.h"

namespace lessons {

void Orvenna::PendulumScreen() {
  WipeScreen(1320, 1300);
  A1 = 40, B1 = 40, B2 = 30;
  TextAt(A1, B2, 7, "<問3>");
  NewLine(0, 60, 0, "周期が");
  Continue(3, "x秒");
  Continue(0, "のふりこの長さを");
  Continue(3, "ym");
  Continue(0, "とするとき、");
  NewLine(0, 70, 3, "y=ﾀ1/4ﾀx^2");
  Continue(0, "という関係があるから、");
  NewLine(0, 70, 3, "x=1 を代入して");
  WaitAnyKey();
  NewLine(0, 70, 0, "y=ﾀ1/4ﾀ*1^2=");
  WaitAnyKey();
  Continue(3, "ﾀ1/4ﾀ");
  WaitAnyKey();
  NewLine(0, 70, 5, "答　ﾀ1/4ﾀm");
  WaitAnyKey();
  NewLine(0, 100, 7, "問4 をやろう。");
}

// One part of the answers: the length substituted, x² and then x > 0.
void Orvenna::PendulumAnswerPart(Num gap, const std::string& label, Num equationIndent,
                                 const std::string& length, const std::string& square,
                                 const std::string& period, const std::string& answer) {
  NewLine(0, gap, 7, label);
  Continue(0, "y=ﾀ1/4ﾀx^2 に y=" + length + "　を代入して");
  NewLine(equationIndent, 80, 0, length + "=ﾀ1/4ﾀx^2");
  Continue(0, " x^2=" + square);
  TextAt(YI1 + 40, B2, 0, "x>0 だから");
  NewLine(76, 70, 0, "x=" + period);
  Continue(5, answer);
}

void Orvenna::PendulumAnswersScreen() {
  WipeScreen(1320, 1300);
  B1 = 44, B2 = 30;
  TextAt(B1 + 88, B2, 7, "<問4 解答>");
  PendulumAnswerPart(60, "(1)", 88, "1", "4", "2", "   答 2秒");
  WaitAnyKey();
  PendulumAnswerPart(90, "(2)", 76, "4", "16", "4", "   答 4秒");
}

}  // namespace lessons
