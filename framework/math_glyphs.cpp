// The glyph routine of the math typesetter: draws a run of markup characters
// (one character from PrintMathText, or a whole fraction part) with fixed
// metrics per kind of glyph, and extends an open radical's overline.
#include <algorithm>
#include <string>
#include <vector>

#include "framework/lesson.h"

namespace lessons {

namespace {

const char kGothic[] = "ゴシック";

// The sign a mark character stands for ("%" "*" "/" "@" "!").
std::string ReplaceMark(const std::string& ch) {
  if (ch == "%") return "°";
  if (ch == "*") return "×";
  if (ch == "/") return "÷";
  if (ch == "@") return "±";
  if (ch == "!") return "√";
  return ch;
}

bool IsVariableLetter(const std::string& ch) { return ch == "a" || ch == "x" || ch == "c"; }

}  // namespace

void Lesson::DrawMathGlyphs() {
  TA6 = DSM1;
  const Num lineTop = DSM2;
  YI3 = rt.GetDrawWidth(0);
  const std::vector<std::string> chars = Chars(A_s);  // taken once, before the loop
  rt.SetFontName(0, kGothic);
  rt.SetFontSize(0, 16);
  rt.SetFontBold(0, -1);

  const int colour = CInt(YMOTO);
  const bool inFraction = RTASKAI1 == 1;

  // Narrowed by textSqueeze: the same height in a pair eight times as fine.
  const Num q = textSqueeze;
  auto text = [&](Num dx, Num dy, int a, int b) {
    if (q == 1) {
      rt.DrawText(0, 0, TA6 + dx, lineTop + dy, XTAKE_s, a, b, colour);
      return;
    }
    const Num size = rt.FontSize();
    rt.SetFontSize(0, size / 8);
    rt.DrawText(0, 0, TA6 + dx * q, lineTop + dy, XTAKE_s, CInt(8 * a * q), 8 * b, colour);
    rt.SetFontSize(0, size);
  };
  // A stroke from (dx, dy) off the glyph pen, second point relative.
  auto stroke = [&](Num dx, Num dy, Num rx, Num ry) {
    rt.DrawLine(0, 0, TA6 + dx * q, lineTop + dy, 1, rx * q, ry, -1, colour, 0, colour, -1, 7);
  };
  auto sign = [&](std::vector<PolyPoint> points) {
    for (auto& p : points) {
      p.x = TA6 + p.x * q;
      p.y += lineTop;
    }
    rt.DrawPolyline(0, points, colour, 0, colour);
  };
  auto overline = [&](Num dy) {
    rt.SetDrawWidth(0, 3);
    rt.DrawLine(0, 0, AY, lineTop + dy, 0, TA6, lineTop + dy, -1, colour, 0, colour, -1, 7);
    rt.SetDrawWidth(0, 3);
  };

  // The body runs at least once: an empty run is one empty character.
  const int count = chars.empty() ? 1 : static_cast<int>(chars.size());
  for (int h = 1; h <= count; ++h) {
    HENK = static_cast<Num>(h);
    XTAKE_s = ReplaceMark(chars.empty() ? std::string() : chars[h - 1]);
    ZX5 = static_cast<Num>(CharByteLen(XTAKE_s));

    // Flag marks: nothing drawn, the pen stays.
    if (XTAKE_s == "^") {
      X1 = 1;
      continue;
    }
    if (XTAKE_s == "\\") {
      TBSIYAKX = 1;
      continue;
    }
    if (XTAKE_s == "ﾝ") {
      SIZE1 = 0;
      continue;
    }

    // Radical signs and the parallelogram sign start an overline of their
    // own (or none) and skip the overline step.
    if (XTAKE_s == "√" && inFraction) {
      rt.SetDrawWidth(0, 3);
      sign({{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}});
      XTAKE_s.clear();
      SIZE1 = 11;
      rt.SetDrawWidth(0, 3);
      TA6 = TA6 + 26 * q;
      AY = TA6;
      continue;
    }
    if (XTAKE_s == "√") {
      rt.SetDrawWidth(0, 3);
      sign({{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}});
      SIZE1 = 1;
      rt.SetDrawWidth(0, 3);
      TA6 = TA6 + 28 * q;
      AY = TA6;
      continue;
    }
    if (XTAKE_s == "&") {
      rt.SetDrawWidth(0, 5);
      sign({{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}});
      rt.SetDrawWidth(0, 3);
      TA6 = TA6 + 36 * q;
      AY = TA6;
      continue;
    }

    Num advance;
    Num clearance = 0;  // unsqueezed room after the glyph
    if (XTAKE_s == ".") {
      text(-3, 14, 3, 2);
      advance = 8;
    } else if (XTAKE_s == "'" || XTAKE_s == "°") {
      text(0, 0, 3, 3);
      advance = 12;
    } else if (XTAKE_s == "=") {
      rt.SetFontSize(0, 14);
      rt.SetFontBold(0, -1);
      text(4, 0, 3, 3);
      rt.SetFontSize(0, 16);
      advance = 32;
    } else if (TBSIYAKX == 1) {
      rt.SetFontSize(0, 8);
      text(0, -10, 6, 3);
      TBSIYAKX = 0;
      rt.SetFontSize(0, 16);
      advance = 24;
    } else if (X1 == 1 && inFraction) {
      rt.SetFontSize(0, 8);
      text(0, -4, 6, 3);
      X1 = 0;
      rt.SetFontSize(0, 16);
      advance = 24;
    } else if (X1 == 1) {
      text(0, 0, 3, 2);
      X1 = 0;
      advance = 24;
    } else if (IsVariableLetter(XTAKE_s)) {
      rt.SetFontName(0, "Times New Roman");
      rt.SetFontSize(0, 8);
      rt.SetFontItalic(0, -1);
      if (inFraction)
        text(4, -16, 12, 5);
      else
        text(4, -22, 10, 7);
      rt.SetFontName(0, kGothic);
      rt.SetFontSize(0, 16);
      rt.SetFontItalic(0, 0);
      advance = inFraction ? 32 : 27;
    } else if (XTAKE_s == "l") {
      // The script ell; bold stays off for the rest of this run.
      rt.SetFontName(0, "MT Extra");
      rt.SetFontBold(0, -1);
      if (!largeScriptEll) {
        rt.SetFontSize(0, 16);
        text(0, 0, 6, 3);
      } else if (inFraction) {
        rt.SetFontSize(0, 38);
        text(0, 0, 3, 1);
      } else {
        rt.SetFontSize(0, 56);
        text(4, 0, 1, 1);
      }
      rt.SetFontName(0, kGothic);
      rt.SetFontSize(0, 16);
      rt.SetFontBold(0, 0);
      advance = 32;
    } else if ((XTAKE_s == "-" || XTAKE_s == "+") && inFraction) {
      rt.SetDrawWidth(0, 5);
      stroke(6, 14, 20, 0);
      if (XTAKE_s == "+") stroke(16, 4, 0, 20);
      rt.SetDrawWidth(0, 3);
      advance = 32;
    } else if (XTAKE_s == "-" || XTAKE_s == "+") {
      rt.SetDrawWidth(0, 5);
      if (XTAKE_s == "-") {
        stroke(4, 20, 19, 0);
        // A stacked fraction next draws its bar at the minus's height: the
        // bar's round end (pen 4, from the new pen) keeps 5 clear of the
        // minus's (pen 5, 23 on), however narrowed, or "-1/4" reads "1/4".
        if (Left(KKAI_s, 1) == "ﾀ")
          clearance = std::max<Num>(0, (23 * q + 2.5f + 5) - (27 * q - 2));
      } else {
        stroke(4, 22, 19, 0);
        stroke(13, 10, 0, 24);
      }
      rt.SetDrawWidth(0, 3);
      advance = 27;
    } else if ((XTAKE_s == "×" || XTAKE_s == "÷" || XTAKE_s == "±") && !inFraction) {
      text(-4, 0, 2, 3);
      advance = 27;
    } else if (XTAKE_s == " ") {
      advance = 27;
    } else if (IsDoubleByte(XTAKE_s) && inFraction) {
      rt.SetFontSize(0, 11);
      text(0, 0, 3, 3);
      rt.SetFontSize(0, 16);
      advance = 38;
    } else if (IsDoubleByte(XTAKE_s)) {
      text(0, 0, 2, 3);
      advance = 34;
    } else if (inFraction) {
      // Single-byte, or the empty character of an empty part (nothing to see).
      if (!XTAKE_s.empty()) text(0, 0, 4, 2);
      advance = 32;
    } else {
      if (!XTAKE_s.empty()) text(0, 0, 3, 3);
      advance = 27;
    }
    TA6 = TA6 + advance * q + clearance;

    // The overline of an open radicand grows to the new pen.
    if (SIZE1 == 1)
      overline(-4);
    else if (SIZE1 == 11)
      overline(-6);
    else if (SIZE1 == 22 && !inFraction)
      overline(-14);
    else
      AY = TA6;
  }

  DSM1 = TA6;
  DSM2 = lineTop;
  rt.SetFontBold(0, 0);
  rt.SetDrawWidth(0, CInt(YI3));
}

}  // namespace lessons
