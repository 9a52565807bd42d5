// Screen ⑤ of unit 2: the worked answers of textbook page 107, exercises 1
// and 2, each on a page of its own: (1) the rate from two values of y, (2)
// the rate by a × (p + q).
#include "values/quendral.h"

namespace lessons {

namespace {

struct RateAnswerPage {
  const char* heading;
  const char* firstValue;   // "x=1 のとき y=…=", then the value in colour 3
  const char* firstY;
  const char* secondValue;
  const char* secondY;
  const char* increase;     // "=ﾀ…/…ﾀ=", continuing the fraction line
  const char* quotient;
  const char* rate;
  const char* shortcut;     // part (2)'s working, then its rate
  const char* shortcutRate;
};

// The heading and part (1) at once; a key; part (2).
void DrawRateAnswerPage(Quendral& L, const RateAnswerPage& page) {
  L.WipeScreen(1320, 1300);
  L.B1 = 132;
  L.B2 = 30;
  L.TextAt(L.B1, L.B2, 7, page.heading);
  L.NewLine(-88, 50, 3, "(1)");
  L.Continue(0, page.firstValue);
  L.Continue(3, page.firstY);
  L.NewLine(0, 80, 0, page.secondValue);
  L.Continue(3, page.secondY);
  L.NewLine(0, 70, 0, "だから、変化の割合は");
  L.NewLine(0, 70, 0, "ﾀyの増加量/xの増加量ﾀ");
  L.Continue(0, page.increase);
  L.Continue(0, page.quotient);
  L.Continue(5, page.rate);
  L.WaitAnyKey();
  L.NewLine(-88, 90, 3, "(2)変化の割合は");
  L.NewLine(0, 70, 0, page.shortcut);
  L.Continue(5, page.shortcutRate);
}

}  // namespace

void Quendral::RateAnswersScreen() {
  DrawRateAnswerPage(*this, {"問1 解答", "x=1 のとき y=2×1^2=2×1=", "2", "x=4 のとき y=2*4^2=2×16=",
                             "32", "=ﾀ32-2/4-1ﾀ=", "ﾀ30/3ﾀ=", "10",
                             "2×{-1+(-4)}=2*(-1-4)=2*(-5)=", "-10"});
  WaitAnyKey();
  DrawRateAnswerPage(*this, {"問2 解答", "x=1 のとき y=-1×1^2=-1×1=", "-1",
                             "x=3 のとき y=-1*3^2=-1×9=", "-9", "=ﾀ-9-(-1)/3-1ﾀ=ﾀ-9+1/3-1ﾀ=",
                             "ﾀ-8/2ﾀ=", "-4", "-1×{-2+(-4)}=-1*(-2-4)=-1*(-6)=", "6"});
}

}  // namespace lessons
