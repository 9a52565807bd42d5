// Plain text: the character tables, blank removal and the 16-unit cells.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

std::string Mapped(Lesson& L, const std::string& ch) {
  L.XTAKE_s = ch;
  L.ToFullWidthChar();
  return L.XTAKE_s;
}

// Draws `text` as plain text at (100, 200) in colour 7 and returns the calls.
std::vector<TextCall> Plain(Bench& b, const std::string& text) {
  b.ClearLog();
  b.L.KKAI_s = text;
  b.L.DSM1 = 100;
  b.L.DSM2 = 200;
  b.L.YMOTO = 7;
  b.L.DrawPlainText();
  return TextCalls(b.Log());
}

TEST(PlainText, CharacterTables) {
  Bench b;
  Lesson& L = b.L;
  EXPECT_EQ(Mapped(L, "A"), "Α");  // Greek alpha, not the Latin letter
  EXPECT_EQ(Mapped(L, "x"), "χ");
  EXPECT_EQ(Mapped(L, "X"), "Ｘ");
  EXPECT_EQ(Mapped(L, "Z"), "Ｚ");
  EXPECT_EQ(Mapped(L, "y"), "ｙ");
  EXPECT_EQ(Mapped(L, "w"), "ｗ");
  EXPECT_EQ(Mapped(L, " "), "　");
  EXPECT_EQ(Mapped(L, "0"), "０");
  EXPECT_EQ(Mapped(L, "9"), "９");
  EXPECT_EQ(Mapped(L, "/"), "÷");
  EXPECT_EQ(Mapped(L, "*"), "×");
  EXPECT_EQ(Mapped(L, "ﾀ"), "―");
  EXPECT_EQ(Mapped(L, "&"), "π");
  EXPECT_EQ(Mapped(L, "%"), "°");
  EXPECT_EQ(Mapped(L, "~"), "△");
  EXPECT_EQ(Mapped(L, ":"), "：");
  // Outside both tables: unchanged.
  EXPECT_EQ(Mapped(L, "z"), "z");
  EXPECT_EQ(Mapped(L, "ﾝ"), "ﾝ");
  EXPECT_EQ(Mapped(L, "#"), "#");
  EXPECT_EQ(Mapped(L, "あ"), "あ");
  EXPECT_EQ(Mapped(L, "Ｐ"), "Ｐ");
  EXPECT_EQ(Mapped(L, ""), "");
  // The pairs line up, and every key maps to a double-byte character.
  EXPECT_EQ(Len(L.NAGA_s), 27);
  EXPECT_EQ(Len(L.KOSUU_s), 27);
  EXPECT_EQ(Len(L.RTASKAI2_s), 60);
  EXPECT_EQ(Len(L.CCC1_s), 60);
  for (const std::string& key : Chars(L.NAGA_s + L.RTASKAI2_s))
    EXPECT_EQ(CharByteLen(Mapped(L, key)), 2) << key;
}

TEST(PlainText, StripSpacesRemovesHalfWidthBlanksOnly) {
  Bench b;
  for (auto [in, out] : std::vector<std::pair<std::string, std::string>>{
           {" 12", "12"}, {"a b  c ", "abc"}, {"　x　", "　x　"}, {"   ", ""}, {"", ""}}) {
    b.L.A_s = in;
    b.L.StripSpaces();
    EXPECT_EQ(b.L.A_s, out) << "'" << in << "'";
  }
}

TEST(PlainText, CellsExponentsAndPeriod) {
  Bench b;
  auto calls = Plain(b, "x^2");
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(Where(calls[0]), "χ 100 200 7");
  EXPECT_TRUE(calls[0].bold);
  EXPECT_EQ(calls[1].text, "2");  // half-width, raised 4
  EXPECT_EQ(calls[1].x, 116);
  EXPECT_EQ(calls[1].y, 196);
  EXPECT_EQ(b.L.DSM1, 132);
  EXPECT_EQ(b.L.X1, 0);
  EXPECT_TRUE(b.L.KKAI_s.empty());

  calls = Plain(b, "2.5");
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].text, "２");
  EXPECT_EQ(calls[0].x, 100);
  EXPECT_EQ(calls[1].text, "．");
  EXPECT_EQ(calls[1].x, 112);
  EXPECT_EQ(calls[2].text, "５");
  EXPECT_EQ(calls[2].x, 116);
  EXPECT_EQ(b.L.DSM1, 132);

  calls = Plain(b, "^.");  // unmapped, raised, a full cell
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, ".");
  EXPECT_EQ(calls[0].x, 100);
  EXPECT_EQ(calls[0].y, 196);
  EXPECT_EQ(b.L.DSM1, 116);

  calls = Plain(b, "z");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, "z");
  EXPECT_EQ(calls[0].y, 196);

  calls = Plain(b, "");
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(b.L.DSM1, 100);

  // A trailing "^" carries into the next text.
  Plain(b, "a^");
  EXPECT_EQ(b.L.X1, 1);
  calls = Plain(b, "2");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, "2");
  EXPECT_EQ(calls[0].y, 196);
  EXPECT_EQ(b.L.X1, 0);
}

TEST(PlainText, SubMenuLines) {
  Bench b;
  const std::string line = " ①P110　②P111　③説明しよう　④ふりこ問３　⑤問４　⑥ひろげよう　⑦問５　⑧終了";
  auto calls = Plain(b, line);
  EXPECT_EQ(calls[0].text, "①");
  EXPECT_EQ(calls[0].x, 116);  // the blank keeps an empty cell
  std::string p110;
  for (int i = 1; i <= 4; ++i) {
    p110 += calls[i].text;
    EXPECT_EQ(calls[i].x, 116 + 16 * i);
  }
  EXPECT_EQ(p110, "Ｐ１１０");
  EXPECT_EQ(calls[5].text, "　");
  EXPECT_EQ(b.L.DSM1, 100 + 16 * Len(line));

  calls = Plain(b, " ①動く　②分解　③0.5秒");
  // "０" and "５" in adjacent cells, "．" 4 left of the cell of "５".
  ASSERT_GE(calls.size(), 12u);
  const size_t zero = calls.size() - 4;
  EXPECT_EQ(calls[zero].text, "０");
  EXPECT_EQ(calls[zero + 1].text, "．");
  EXPECT_EQ(calls[zero + 2].text, "５");
  EXPECT_EQ(calls[zero + 2].x, calls[zero].x + 16);
  EXPECT_EQ(calls[zero + 1].x, calls[zero + 2].x - 4);
  EXPECT_EQ(calls[zero + 3].x, calls[zero + 2].x + 16);

  calls = Plain(b, "⑧問1,2");
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls[2].text + calls[3].text + calls[4].text, "１，２");
  EXPECT_EQ(calls[4].x, 164);
}

TEST(PlainText, RunOfOneEntryKey) {
  Bench b;
  Lesson& L = b.L;
  L.DSM1 = 1056;
  L.DSM2 = 648;
  L.A_s = "/";
  L.DrawTextRun();
  auto calls = TextCalls(b.Log());
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, "÷");
  EXPECT_EQ(L.DS4, 1072);
  EXPECT_EQ(L.DSM1, 1056);  // the run reports its end in DS4 only

  b.ClearLog();
  L.A_s = ".";
  L.DrawTextRun();
  calls = TextCalls(b.Log());
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, "．");
  EXPECT_EQ(calls[0].x, 1052);
  EXPECT_EQ(L.DS4, 1056);

  // A run of blanks draws nothing but still takes one cell.
  b.ClearLog();
  L.A_s = "  ";
  L.DrawTextRun();
  EXPECT_TRUE(TextCalls(b.Log()).empty());
  EXPECT_EQ(L.DS4, 1072);
}

}  // namespace
}  // namespace lessons::testing
