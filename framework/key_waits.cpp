// Key waits with a boxed prompt, area wipes, number arrays as texts, and the
// button keys.
#include "framework/fill_box.h"
#include "framework/plain_text.h"

#include <string>
#include <utility>

namespace lessons {

namespace {
// Saves the text colour and the pen width, draws a box (pen width 3, border
// 13, fill 4) from (boxLeft, 657) to (boxRight, 693) with `text` in colour 9
// at (textX, 666), waits for any key into GGY$, wipes from (0, 657) to
// (wipeRight, wipeBottom) and restores colour and pen width.
void BoxedKeyWait(Lesson& L, Num boxLeft, Num boxRight, Num textX, std::string text,
                  Num wipeRight, Num wipeBottom) {
  L.X11 = L.YMOTO;
  L.YI3 = static_cast<Num>(L.rt.GetDrawWidth(0));
  L.rt.SetDrawWidth(0, 3);
  FillBox(L.rt, boxLeft, 657, boxRight, 693, 13, 4);
  DrawPlainTextAt(L, textX, 666, 9, std::move(text));
  do {
    L.GGY_s = L.rt.ReadKey(0);
  } while (L.GGY_s.empty());
  Wipe(L.rt, 0, 657, wipeRight, wipeBottom);
  L.YMOTO = L.X11;
  L.rt.SetDrawWidth(0, CInt(L.YI3));
}
}  // namespace

void Lesson::WaitAnyKey() { BoxedKeyWait(*this, 96, 400, 128, "何かキーを押して下さい。", 400, 693); }

// The caller's instruction in a wider box; the whole prompt band is wiped.
void Lesson::ShowPromptWaitKey() { BoxedKeyWait(*this, 16, 496, 48, KKAI_s, 992, 720); }

void Lesson::ClearLessonArea() {
  Wipe(rt, 0, 54, 1440, 900);
  figure.Clear();
}

void Lesson::ClearFooterBand() {
  DSM1 = Y5 + 80;
  DSM2 = P - 72;
  WipeSized(rt, DSM1, DSM2, 1440, 90);
}

void Lesson::NumbersToTextArrays() {
  for (HENK = 1; HENK <= 80; HENK += 1) {
    A_s = Str(T(HENK));
    StripSpaces();
    A1_s(HENK) = A_s;
  }
  for (HENK = 1; HENK <= 40; HENK += 1) {
    A_s = Str(F(HENK));
    StripSpaces();
    TITLE_s(HENK) = A_s;
  }
}

void Lesson::KeyToButtonIndex() {
  static const char* const kKeys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
  for (int i = 0; i < 10; ++i) {
    if (GGY_s == kKeys[i]) {
      ZX0 = 1;
      HABA = static_cast<Num>(i + 1);
      return;
    }
  }
  ZX0 = 0;
}

}  // namespace lessons
