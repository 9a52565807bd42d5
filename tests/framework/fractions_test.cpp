// Stacked fractions: widths, centring, bar, denominator heights, radicals.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

// The DrawLine calls at pen width 4 (fraction bars).
std::vector<LineCall> Bars(const Bench& b) {
  std::vector<LineCall> out;
  for (const auto& l : LineCalls(b))
    if (l.width == 4) out.push_back(l);
  return out;
}

TEST(StackedFractions, BarCentringAndPen) {
  Bench b;
  Typeset(b, "ﾀ1/2ﾀ", 100, 200);
  auto bars = Bars(b);
  ASSERT_EQ(bars.size(), 1u);
  ExpectLevelLine(bars[0], 100, 132, 225, 4);
  auto texts = TextCalls(b);
  // Measuring draws first, off-screen; the visible glyphs come last:
  // the denominator, then the numerator.
  ASSERT_GE(texts.size(), 2u);
  auto den = texts[texts.size() - 2], num = texts.back();
  EXPECT_EQ(den.text, "2");
  EXPECT_FLOAT_EQ(den.x, 100);
  EXPECT_FLOAT_EQ(den.y, 228);
  EXPECT_EQ(num.text, "1");
  EXPECT_FLOAT_EQ(num.x, 100);
  EXPECT_FLOAT_EQ(num.y, 190);
  EXPECT_EQ(num.a, 4);
  EXPECT_EQ(num.b, 2);
  EXPECT_FLOAT_EQ(b.L.DSM1, 132);
  EXPECT_FLOAT_EQ(b.L.DSM2, 200);
  EXPECT_FLOAT_EQ(b.L.ITI1, 32);

  // The bar is as wide as the wider part; the narrower part is centred.
  Typeset(b, "ﾀ-16+4/2ﾀ", 100, 200);
  bars = Bars(b);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_FLOAT_EQ(bars[0].x2 - bars[0].x1, 160);
  EXPECT_FLOAT_EQ(b.L.KAKKO, 160);
  EXPECT_FLOAT_EQ(b.L.KJ3, 32);
  EXPECT_FLOAT_EQ(b.L.BY, 64);
  EXPECT_FLOAT_EQ(b.L.BUN, 0);
  texts = TextCalls(b);
  bool denAt164 = false;
  for (const auto& t : texts) denAt164 |= t.text == "2" && t.x == 164 && t.y == 228;
  EXPECT_TRUE(denAt164);
  EXPECT_FLOAT_EQ(b.L.DSM1, 260);

  // A wider denominator: the numerator moves in (indents need not be whole).
  Typeset(b, "ﾀ1/yの増加量ﾀ", 0, 200);
  EXPECT_FLOAT_EQ(b.L.ITI1, 32 + 4 * 38);
  EXPECT_FLOAT_EQ(TextCalls(b).back().x, (184 - 32) / 2.0f);

  // The caller's pen width is in force after the fraction, strokes or not.
  b.rt.SetDrawWidth(0, 7);
  Typeset(b, "ﾀ-1+x/2ﾀ", 0, 200);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 7);
  for (const auto& l : LineCalls(b))
    if (l.y1 < 900) {
      EXPECT_TRUE(l.width == 4 || l.width == 5) << l.width;
    }
  b.rt.SetDrawWidth(0, 3);
}

TEST(StackedFractions, DenominatorHeightAndExponents) {
  Bench b;
  // The top of the first visible glyph `glyph` of the text.
  auto topOf = [&](const std::string& text, const std::string& glyph) {
    Typeset(b, text, 0, 200);
    for (const auto& t : TextCalls(b))
      if (t.y < 900 && t.text == glyph) return t.y;
    return -1.0f;
  };
  EXPECT_FLOAT_EQ(topOf("ﾀ1/3^2ﾀ", "3"), 236);
  EXPECT_FLOAT_EQ(topOf("ﾀ1/x^2ﾀ", "x"), 236 - 16);  // italic letters sit 16 higher
  EXPECT_FLOAT_EQ(topOf("ﾀ1/3ﾀ", "3"), 228);
  // "^" in the numerator alone does not lower the denominator.
  EXPECT_FLOAT_EQ(topOf("ﾀa^2+4a+4-a^2/a+2-aﾀ", "2"), 228);
  // "!" anywhere in the content lowers it by 8; "√" in the denominator by 16.
  EXPECT_FLOAT_EQ(topOf("ﾀ!2ﾝ/3ﾀ", "3"), 236);
  EXPECT_FLOAT_EQ(topOf("ﾀ1/√3ﾝﾀ", "3"), 244);
  EXPECT_FLOAT_EQ(topOf("ﾀ1/!3ﾝﾀ", "3"), 236);

  // An exponent in a part: size 8, 4 above the part's top, advance 24.
  Typeset(b, "ﾀa^2/2ﾀ", 0, 200);
  auto texts = TextCalls(b);
  const auto& exp = texts.back();
  EXPECT_EQ(exp.text, "2");
  EXPECT_FLOAT_EQ(exp.size, 8);
  EXPECT_FLOAT_EQ(exp.y, 186);
  EXPECT_FLOAT_EQ(exp.x, 32);
  EXPECT_FLOAT_EQ(b.L.ITI1, 56);
  EXPECT_EQ(b.L.X1, 0);

  // A second "/" belongs to the denominator and shows as "÷".
  Typeset(b, "ﾀ6/3/2ﾀ", 0, 200);
  EXPECT_FLOAT_EQ(b.L.KJ3, 32 + 38 + 32);  // "÷" is double-byte
  bool division = false;
  for (const auto& t : TextCalls(b)) division |= t.text == "÷" && t.y == 228;
  EXPECT_TRUE(division);
}

TEST(StackedFractions, ContentWithoutSlashAndWideCharacters) {
  Bench b;
  // No "/": the whole content is the numerator over an empty denominator.
  Typeset(b, "ﾀ12ﾀ", 100, 200);
  EXPECT_EQ(b.L.ZX3_s, "12");
  EXPECT_EQ(b.L.TII_s, "");
  EXPECT_FLOAT_EQ(b.L.ITI1, 64);
  auto texts = TextCalls(b);
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts.back().text, "2");
  EXPECT_FLOAT_EQ(texts.back().y, 190);
  EXPECT_FLOAT_EQ(b.L.DSM1, 164);
  EXPECT_EQ(b.L.RTASKAI1, 0);

  // An empty fraction draws only a bar of no length.
  Typeset(b, "ﾀﾀ3", 100, 200);
  EXPECT_FLOAT_EQ(b.L.DSM1, 127);
  EXPECT_EQ(TextCalls(b).back().text, "3");

  // Double-byte characters are one character each; none of them is a mark.
  Typeset(b, "ﾀ表―/　ﾀ", 0, 200);
  EXPECT_EQ(b.L.ZX3_s, "表―");
  EXPECT_EQ(b.L.TII_s, "　");
  EXPECT_FLOAT_EQ(b.L.KAKKO, 76);
  EXPECT_FLOAT_EQ(b.L.KJ3, 38);
  texts = TextCalls(b);
  EXPECT_EQ(texts.back().text, "―");
  EXPECT_FLOAT_EQ(texts.back().x, 38);
}

TEST(StackedFractions, StateAroundAndInsideParts) {
  Bench b;
  // An exponent pending before a fraction waits for the glyph after it; the
  // parts are set at their own size.
  Typeset(b, "^ﾀ1/2ﾀ3", 0, 200);
  auto texts = TextCalls(b);
  EXPECT_FLOAT_EQ(b.L.ITI1, 32);
  EXPECT_EQ(texts.back().text, "3");
  EXPECT_EQ(texts.back().b, 2);
  EXPECT_FLOAT_EQ(b.L.DSM1, 32 + 24);

  // A radicand left open in the numerator: the denominator gets no overline
  // reaching back to where the measuring set it.
  Typeset(b, "ﾀ!2/3ﾀﾝ", 100, 200);
  for (const auto& l : LineCalls(b)) {
    if (l.y1 < 900) {
      EXPECT_GE(std::min(l.x1, l.x2), 100);
    }
  }
  b.L.SIZE1 = 0;
}

// A minus just before a fraction is drawn at the bar's height: the bar moves
// on until their round ends (pens 5 and 4) are 4 or more apart, narrowed or not.
TEST(StackedFractions, BarStandsClearOfAMinusBeforeIt) {
  Bench b;
  for (float squeeze : {1.0f, 0.75f, 0.5f}) {
    SCOPED_TRACE(squeeze);
    b.L.textSqueeze = squeeze;
    Typeset(b, "-ﾀ1/4ﾀ", 100, 200);
    std::vector<LineCall> minus;
    for (const auto& l : LineCalls(b))
      if (l.width == 5 && l.y1 < 1700) minus.push_back(l);
    auto bars = Bars(b);
    ASSERT_EQ(minus.size(), 1u);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_GE((bars[0].x1 - 2) - (minus[0].x2 + 2.5f), 4);
  }
  b.L.textSqueeze = 1;
}

TEST(StackedFractions, InsideTallRadical) {
  Bench b;
  b.L.SIZE1 = 22;
  Typeset(b, "ﾀ-16/2ﾀ", 100, 200);
  std::vector<LineCall> over;
  for (const auto& l : LineCalls(b))
    if (l.y1 == 186) over.push_back(l);
  ASSERT_EQ(over.size(), 1u);
  ExpectLevelLine(over[0], 100, 196, 186, 3);
  EXPECT_EQ(b.L.SIZE1, 22);
  b.L.SIZE1 = 0;
}

TEST(StackedFractions, ReenteredThroughBoxes) {
  // A box measures its text, which measures each fraction part: every level
  // gets its own pen and text back.
  Bench b;
  b.L.A_s = "y=ﾀ1/4ﾀx^2";
  b.L.DSM1 = 40;
  b.L.DSM2 = 100;
  b.L.MeasureMathText();
  EXPECT_FLOAT_EQ(b.L.NASI, 27 + 32 + 32 + 27 + 24);
  EXPECT_FLOAT_EQ(b.L.DSM1, 40);
  EXPECT_FLOAT_EQ(b.L.DSM2, 100);
  EXPECT_EQ(b.L.A_s, "y=ﾀ1/4ﾀx^2");

  b.L.TANI = 300;
  b.L.GX0 = 60;
  b.L.SIZE = 0;
  b.L.TKAI2 = 15;
  b.L.DrawTextBox();
  EXPECT_FLOAT_EQ(b.L.DSM1, 340);
  EXPECT_FLOAT_EQ(b.L.DSM2, 100);
  EXPECT_FLOAT_EQ(b.L.NASI, 142);
  // The exponent is the last glyph drawn, at the end of the centred text.
  auto last = TextCalls(b).back();
  EXPECT_FLOAT_EQ(last.x, 40 + (300 - 142) / 2.0f + 142 - 24);
  EXPECT_FLOAT_EQ(last.y, 105);
}

}  // namespace
}  // namespace lessons::testing
