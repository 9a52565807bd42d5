// Plain text: one bold character per 16-unit cell, half-width letters, digits
// and signs shown in their full-width or symbol form.
#include "framework/plain_text.h"

#include <utility>

namespace lessons {

namespace {
// Blank and capitals. "A" becomes the Greek capital alpha.
constexpr const char* kCapitalKeys = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
constexpr const char* kCapitalForms = "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
// Digits, signs and lower-case letters ("x" becomes the Greek chi). The blank
// stands twice; only its first place is ever found.
constexpr const char* kSignKeys = " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
constexpr const char* kSignForms =
    "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△：";

constexpr const char* kFullWidthPeriod = "．";
}  // namespace

void Lesson::ToFullWidthChar() {
  NAGA_s = kCapitalKeys;
  KOSUU_s = kCapitalForms;
  RTASKAI2_s = kSignKeys;
  CCC1_s = kSignForms;
  // The empty character (the empty step of a run) stays empty.
  const int capital = XTAKE_s.empty() ? 0 : InStr(NAGA_s, XTAKE_s);
  if (capital > 0) XTAKE_s = Mid(KOSUU_s, capital, 1);
  SOSU = XTAKE_s.empty() ? 0 : InStr(RTASKAI2_s, XTAKE_s);
  if (SOSU > 0) XTAKE_s = Mid(CCC1_s, CInt(SOSU), 1);
}

void Lesson::StripSpaces() {
  std::string stripped;
  for (char c : A_s)
    if (c != ' ') stripped.push_back(c);
  A_s = stripped;
}

void Lesson::DrawTextRun() {
  StripSpaces();
  const int length = Len(A_s);
  DS4 = DSM1;
  rt.SetFontBold(0, -1);
  // At least one step, even for an empty run: it draws nothing and moves 16.
  HENK = 1;
  do {
    std::string c = Mid(A_s, CInt(HENK), 1);
    if (c == "^") {
      X1 = 1;
    } else {
      if (X1 != 1) {
        XTAKE_s = c;
        ToFullWidthChar();
        c = XTAKE_s;
      } else {
        X1 = 0;
      }
      // Only a one-byte character (unmapped, or after "^") is raised.
      const Num raise = ByteLen(c) == 1 ? 4 : 0;
      if (c == kFullWidthPeriod) DS4 -= 4;
      if (!c.empty()) rt.DrawText(0, 0, DS4, DSM2 - raise, c, 1, 1, CInt(YMOTO));
      if (c == kFullWidthPeriod) DS4 -= 12;
      DS4 += 16;
    }
    HENK += 1;
  } while (HENK <= length);
}

void Lesson::DrawPlainText() {
  while (!KKAI_s.empty()) {
    A_s = Left(KKAI_s, 1);
    KKAI_s.erase(0, A_s.size());
    N1 = Len(KKAI_s);
    if (A_s == "^") {
      X1 = 1;
    } else {
      DrawTextRun();
      DSM1 = DS4;
    }
  }
}

void DrawPlainTextAt(Lesson& L, Num x, Num y, Num colour, std::string text) {
  L.YMOTO = colour;
  L.DSM1 = x;
  L.DSM2 = y;
  L.KKAI_s = std::move(text);
  L.DrawPlainText();
}

}  // namespace lessons
