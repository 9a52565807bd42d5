// Program start-up: window, font, pen, random seed, title and prompt anchor,
// then the program's main menu.
#include "framework/lesson.h"

#include <utility>

namespace lessons {

Lesson::Lesson(Runtime& runtime, std::string title) : rt(runtime), title_(std::move(title)) {}

void Lesson::InitProgram() {
  // Run-time errors from here on reach the error screen through RunProgram.
  rt.SetMapMode(0, 1);
  rt.MaximizeWindow(0);
  rt.SetFontName(0, "ｺﾞｼｯｸ");
  rt.SetFontSize(0, 16);
  rt.SetDrawWidth(0, 3);
  SeedRandomFromClock();
  II1_s = title_;
  rt.SetTitle(II1_s);
  // The shared arrays are members, created with the program and never resized.
  Y5 = 1056;
  P = 648;
  MainMenu();
}

void Lesson::SeedRandomFromClock() {
  // Each field from its own reading of the clock: hours, minutes, seconds.
  const Num hours = Val(Left(rt.TimeString(), 2));
  const Num minutes = Val(Mid(rt.TimeString(), 4, 2));
  const Num seconds = Val(Right(rt.TimeString(), 2));
  ENZAN = hours + minutes + seconds;
  rt.Randomize(CInt(ENZAN));
}

}  // namespace lessons
