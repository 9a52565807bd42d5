// The prompts at the bottom of the screen: the main-menu number, the sub-menu
// line and the drills' next-step question.
#include "framework/fill_box.h"
#include "framework/plain_text.h"

namespace lessons {

void Lesson::AskMenuNumber() {
  DrawPlainTextAt(*this, Y5 - 240, P, 0, "番号を入力して下さい。");
  ReadNumberEntry();
  ParseAnswer();
}

void Lesson::EraseMenuPrompt() { WipeSized(rt, Y5 - 240, P - 8, 1056, 50); }

void Lesson::AskSubMenuChoice() {
  DrawPlainTextAt(*this, 16, 666, 0, KKAI_s);
  ReadNumberEntry();
  ParseAnswer();
}

void Lesson::EraseSubMenuLine() { Wipe(rt, 0, 657, 992, 720); }

void Lesson::AskNextStep() {
  YI3 = static_cast<Num>(rt.GetDrawWidth(0));
  rt.SetDrawWidth(0, 2);
  FillBox(rt, 96, 639, 400, 675, 13, 12);
  DrawPlainTextAt(*this, 128, 648, 9, "次のステップは１を入力。");
  ReadNumberEntry();
  ParseAnswer();
  WipeSized(rt, Y5 - 48, P - 9, 160, 27);
  Wipe(rt, 96, 639, 400, 675);
  rt.SetDrawWidth(0, CInt(YI3));
}

}  // namespace lessons
