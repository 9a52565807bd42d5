// The number entry: a field labelled "入力" at the prompt anchor, echoing the
// typed characters, ended by Enter; and the reading of the typed text.
#include "framework/fill_box.h"
#include "framework/plain_text.h"

namespace lessons {

namespace {
constexpr int kEchoColour = 5;
constexpr int kMaxEntryChars = 9;  // a tenth character can only be followed by a clear

// The cursor dot in the middle of the next character cell.
void DrawCursorDot(Runtime& rt, Num x, Num y, int colour) {
  rt.DrawCircle(0, 0, x + 8, y + 8, 4, colour, 1.0f, 0, 0, 1, -1, colour, 1);
}

bool IsEntryChar(const std::string& key) {
  return key.size() == 1 && key[0] >= '-' && key[0] <= '9';  // - . / 0..9
}
}  // namespace

void Lesson::ReadNumberEntry() {
  TATE = Y5;
  GX2 = P;
  DS2_s.clear();
  DrawPlainTextAt(*this, TATE - 48, GX2, 0, "入力");
  EditNumberKeys();
  WipeSized(rt, Y5 - 48, P - 8, 240, 30);
}

void Lesson::EditNumberKeys() {
  while (true) {
    DrawCursorDot(rt, TATE, GX2, kEchoColour);
    GGY_s = rt.ReadKey(0);
    if (GGY_s.empty()) {
      DrawCursorDot(rt, TATE, GX2, kBackground);
      continue;
    }
    if (GGY_s == Chr(kKeyBackspace) || GGY_s == Chr(kKeyClear) || Len(DS2_s) > kMaxEntryChars) {
      WipeSized(rt, Y5, P - 8, 192, 30);
      DS2_s.clear();
      TATE = Y5;
      GX2 = P;
      GGY_s.clear();
      continue;
    }
    if (GGY_s == Chr(kKeyEnter)) {
      DrawCursorDot(rt, TATE, GX2, kBackground);
      return;
    }
    if (IsEntryChar(GGY_s)) {
      DrawCursorDot(rt, TATE, GX2, kBackground);
      YMOTO = kEchoColour;
      A_s = GGY_s;
      DSM1 = TATE;
      DSM2 = GX2;
      DrawTextRun();
      TATE = DS4;
      DS2_s += GGY_s;
    }
    // Any other key is ignored.
  }
}

void Lesson::ParseAnswer() {
  N1 = Len(DS2_s);
  SOSU = InStr(DS2_s, "/");
  if (SOSU == 0) {
    AINP = Val(DS2_s);
    return;
  }
  A_s = Left(DS2_s, CInt(SOSU) - 1);
  XTAKE_s = Right(DS2_s, CInt(N1 - SOSU));
  // A denominator that reads as 0 ("3/0", "3/", "/") gives 0: no menu item,
  // and a drill repeats.
  const Num denominator = Val(XTAKE_s);
  AINP = denominator == 0 ? 0 : Val(A_s) / denominator;
}

}  // namespace lessons
