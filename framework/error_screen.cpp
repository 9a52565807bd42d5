// The error screen: where every run-time error ends.
#include "framework/lesson.h"

namespace lessons {

void Lesson::ErrorTrap(int number, int line) {
  rt.ClearScreen(0, 0);
  ENZAN = static_cast<Num>(number);
  A_s = Str(ENZAN);
  B = static_cast<Num>(line);
  XTAKE_s = Str(B);
  rt.DrawText(0, 0, 288, 432,
              A_s + "," + XTAKE_s + "エラーが発生しました。マウスで×をクリックして下さい。", 1, 1,
              13);
  rt.WaitForClose();
}

}  // namespace lessons
