// The math typesetter: glyph metrics, radicals, carried flags, measuring.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"
#include "tools/program_table.h"

namespace lessons::testing {
namespace {

struct GlyphCase {
  std::string in, drawn;
  float x, y;
  int a, b;
  std::string face;
  float size;
  bool italic;
  float advance;
};

// Draws `text` as a fraction part (RTASKAI1 = 1) at (x, y) on a cleared log;
// the flag is left set.
void DrawPart(Bench& b, const std::string& text, float x = 100, float y = 200) {
  b.ClearLog();
  b.L.A_s = text;
  b.L.DSM1 = x;
  b.L.DSM2 = y;
  b.L.RTASKAI1 = 1;
  b.L.DrawMathGlyphs();
}

void ExpectFontReset(const Bench& b) {
  EXPECT_EQ(b.rt.FontName(), "ゴシック");
  EXPECT_EQ(b.rt.FontSize(), 16);
  EXPECT_FALSE(b.rt.FontBold());
  EXPECT_FALSE(b.rt.FontItalic());
}

TEST(MathGlyphs, TextGlyphsOutsideFractions) {
  const std::vector<GlyphCase> cases = {
      {"3", "3", 100, 200, 3, 3, "ゴシック", 16, false, 27},
      {"y", "y", 100, 200, 3, 3, "ゴシック", 16, false, 27},
      {"(", "(", 100, 200, 3, 3, "ゴシック", 16, false, 27},
      {"ﾝ", "", 0, 0, 0, 0, "", 0, false, 0},
      {"あ", "あ", 100, 200, 2, 3, "ゴシック", 16, false, 34},
      {"表", "表", 100, 200, 2, 3, "ゴシック", 16, false, 34},
      {"―", "―", 100, 200, 2, 3, "ゴシック", 16, false, 34},
      {"　", "　", 100, 200, 2, 3, "ゴシック", 16, false, 34},
      {"=", "=", 104, 200, 3, 3, "ゴシック", 14, false, 32},
      {".", ".", 97, 214, 3, 2, "ゴシック", 16, false, 8},
      {"'", "'", 100, 200, 3, 3, "ゴシック", 16, false, 12},
      {"%", "°", 100, 200, 3, 3, "ゴシック", 16, false, 12},
      {"°", "°", 100, 200, 3, 3, "ゴシック", 16, false, 12},
      {"*", "×", 96, 200, 2, 3, "ゴシック", 16, false, 27},
      {"/", "÷", 96, 200, 2, 3, "ゴシック", 16, false, 27},
      {"@", "±", 96, 200, 2, 3, "ゴシック", 16, false, 27},
      {"±", "±", 96, 200, 2, 3, "ゴシック", 16, false, 27},
      {"x", "x", 104, 178, 10, 7, "Times New Roman", 8, true, 27},
      {"a", "a", 104, 178, 10, 7, "Times New Roman", 8, true, 27},
      {"c", "c", 104, 178, 10, 7, "Times New Roman", 8, true, 27},
      {"l", "l", 100, 200, 6, 3, "MT Extra", 16, false, 32},
      {" ", "", 0, 0, 0, 0, "", 0, false, 27},
  };
  Bench b;
  b.L.YMOTO = 4;  // every glyph in the text colour
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    Typeset(b, c.in, 100, 200);
    auto texts = TextCalls(b);
    if (c.drawn.empty()) {
      EXPECT_TRUE(texts.empty());
    } else {
      ASSERT_EQ(texts.size(), 1u);
      const auto& t = texts[0];
      EXPECT_EQ(t.text, c.drawn);
      EXPECT_FLOAT_EQ(t.x, c.x);
      EXPECT_FLOAT_EQ(t.y, c.y);
      EXPECT_EQ(t.a, c.a);
      EXPECT_EQ(t.b, c.b);
      EXPECT_EQ(t.face, c.face);
      EXPECT_FLOAT_EQ(t.size, c.size);
      EXPECT_TRUE(t.bold);
      EXPECT_EQ(t.italic, c.italic);
      EXPECT_EQ(t.colour, 4);
    }
    EXPECT_FLOAT_EQ(b.L.DSM1, 100 + c.advance);
    EXPECT_FLOAT_EQ(b.L.DSM2, 200);
    EXPECT_TRUE(b.L.KKAI_s.empty());
    ExpectFontReset(b);
  }
}

TEST(MathGlyphs, TextGlyphsInFractionParts) {
  const std::vector<GlyphCase> cases = {
      {"3", "3", 100, 200, 4, 2, "ゴシック", 16, false, 32},
      {"ﾀ", "ﾀ", 100, 200, 4, 2, "ゴシック", 16, false, 32},
      {"#", "#", 100, 200, 4, 2, "ゴシック", 16, false, 32},
      {"あ", "あ", 100, 200, 3, 3, "ゴシック", 11, false, 38},
      {"*", "×", 100, 200, 3, 3, "ゴシック", 11, false, 38},
      {"x", "x", 104, 184, 12, 5, "Times New Roman", 8, true, 32},
      {"^2", "2", 100, 196, 6, 3, "ゴシック", 8, false, 24},
      {"\\2", "2", 100, 190, 6, 3, "ゴシック", 8, false, 24},
      {"=", "=", 104, 200, 3, 3, "ゴシック", 14, false, 32},
      {"l", "l", 100, 200, 6, 3, "MT Extra", 16, false, 32},
  };
  Bench b;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    DrawPart(b, c.in);
    auto texts = TextCalls(b);
    ASSERT_EQ(texts.size(), 1u);
    const auto& t = texts[0];
    EXPECT_EQ(t.text, c.drawn);
    EXPECT_FLOAT_EQ(t.x, c.x);
    EXPECT_FLOAT_EQ(t.y, c.y);
    EXPECT_EQ(t.a, c.a);
    EXPECT_EQ(t.b, c.b);
    EXPECT_EQ(t.face, c.face);
    EXPECT_FLOAT_EQ(t.size, c.size);
    EXPECT_EQ(t.italic, c.italic);
    EXPECT_FLOAT_EQ(b.L.DSM1, 100 + c.advance);
    EXPECT_EQ(b.L.RTASKAI1, 1);  // the fraction routine resets it, not the glyphs
    ExpectFontReset(b);
  }

  // After a script ell the rest of the same run is drawn without bold.
  DrawPart(b, "l3", 0);
  auto texts = TextCalls(b);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_TRUE(texts[0].bold);
  EXPECT_FALSE(texts[1].bold);
  EXPECT_FLOAT_EQ(texts[1].x, 32);

  // An empty part shows nothing.
  DrawPart(b, "", 0);
  EXPECT_TRUE(TextCalls(b).empty());
}

TEST(MathGlyphs, LargeScriptEllOfOrvenna) {
  {
    HeadlessHost host(HeadlessOptions{});
    Runtime rt(host);
    EXPECT_TRUE(FindProgram("orvenna")(rt)->largeScriptEll);
    EXPECT_FALSE(FindProgram("palisteo")(rt)->largeScriptEll);
    EXPECT_FALSE(FindProgram("quendral")(rt)->largeScriptEll);
  }
  Bench b;
  b.L.largeScriptEll = true;
  Typeset(b, "l", 100, 200);
  auto t = TextCalls(b).at(0);
  EXPECT_EQ(t.face, "MT Extra");
  EXPECT_FLOAT_EQ(t.size, 56);
  EXPECT_FLOAT_EQ(t.x, 104);
  EXPECT_EQ(t.a, 1);
  EXPECT_EQ(t.b, 1);
  EXPECT_FLOAT_EQ(b.L.DSM1, 132);

  DrawPart(b, "l");
  t = TextCalls(b).at(0);
  EXPECT_FLOAT_EQ(t.size, 38);
  EXPECT_FLOAT_EQ(t.x, 100);
  EXPECT_EQ(t.a, 3);
  EXPECT_EQ(t.b, 1);
  ExpectFontReset(b);
}

TEST(MathGlyphs, StrokedSignsAndPenWidth) {
  Bench b;
  b.rt.SetDrawWidth(0, 2);
  Typeset(b, "-", 100, 200);
  auto lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 1u);
  ExpectLevelLine(lines[0], 104, 123, 220, 5);
  EXPECT_EQ(lines[0].shape, "line");
  EXPECT_TRUE(TextCalls(b).empty());
  EXPECT_FLOAT_EQ(b.L.DSM1, 127);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 2);

  Typeset(b, "+", 100, 200);
  lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_FLOAT_EQ(lines[0].y1, 222);
  EXPECT_FLOAT_EQ(lines[1].x1, 113);
  EXPECT_FLOAT_EQ(lines[1].y1, 210);
  EXPECT_FLOAT_EQ(lines[1].y2, 234);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 2);

  // In a fraction part the signs are longer and set higher.
  DrawPart(b, "+");
  b.L.RTASKAI1 = 0;
  lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 2u);
  ExpectLevelLine(lines[0], 106, 126, 214, 5);
  EXPECT_FLOAT_EQ(lines[1].x1, 116);
  EXPECT_FLOAT_EQ(lines[1].y1, 204);
  EXPECT_FLOAT_EQ(lines[1].y2, 224);
  EXPECT_FLOAT_EQ(b.L.DSM1, 132);

  // The parallelogram sign: a closed outline at width 5.
  Typeset(b, "&", 100, 200);
  auto polys = PolyCalls(b);
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].width, 5);
  EXPECT_FALSE(polys[0].fill);
  std::vector<std::pair<float, float>> expected = {{104, 240}, {125, 240}, {132, 208}, {111, 208}, {104, 240}};
  EXPECT_EQ(polys[0].points, expected);
  EXPECT_FLOAT_EQ(b.L.DSM1, 136);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 2);
}

TEST(MathGlyphs, RadicalsAndTheirOverline) {
  Bench b;
  // "!" and "√" draw the same sign and open a radicand.
  for (std::string mark : {"!", "√"}) {
    SCOPED_TRACE(mark);
    b.L.SIZE1 = 0;
    Typeset(b, mark, 100, 200);
    auto polys = PolyCalls(b);
    ASSERT_EQ(polys.size(), 1u);
    std::vector<std::pair<float, float>> expected = {{104, 236}, {108, 224}, {116, 240}, {124, 196}, {132, 196}};
    EXPECT_EQ(polys[0].points, expected);
    EXPECT_EQ(polys[0].width, 3);
    EXPECT_FLOAT_EQ(b.L.DSM1, 128);
    EXPECT_EQ(b.L.SIZE1, 1);
    EXPECT_FLOAT_EQ(b.L.AY, 128);
  }

  // The radicand may come in later calls: the overline grows with each glyph
  // until "ﾝ", which draws nothing and takes no room.
  Typeset(b, "2", 128, 200);
  auto lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 1u);
  ExpectLevelLine(lines[0], 128, 155, 196, 3);
  Typeset(b, "5", 155, 200);
  lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 1u);
  ExpectLevelLine(lines[0], 128, 182, 196, 3);
  Typeset(b, "ﾝ", 182, 200);
  EXPECT_TRUE(b.Calls("Draw").empty());
  EXPECT_EQ(b.L.SIZE1, 0);
  EXPECT_FLOAT_EQ(b.L.DSM1, 182);
  Typeset(b, "3", 182, 200);
  EXPECT_TRUE(LineCalls(b).empty());
  EXPECT_FLOAT_EQ(b.L.AY, 209);

  // "2!2ﾝ秒後": the overline covers only the second 2.
  Typeset(b, "2!2ﾝ秒後", 100, 200);
  lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 1u);
  ExpectLevelLine(lines[0], 155, 182, 196, 3);
  auto texts = TextCalls(b);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_FLOAT_EQ(texts[2].x, 182);
  EXPECT_FLOAT_EQ(texts[3].x, 216);
  EXPECT_FLOAT_EQ(b.L.DSM1, 250);

  // "x=@!8ﾝ": x, =, ± and the radical over 8.
  Typeset(b, "x=@!8ﾝ", 0, 200);
  texts = TextCalls(b);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[2].text, "±");
  EXPECT_FLOAT_EQ(texts[3].x, 27 + 32 + 27 + 28);
  EXPECT_EQ(PolyCalls(b).size(), 1u);

  // The small sign of a fraction part: 26 wide, overline 6 above the top.
  DrawPart(b, "!2ﾝ");
  b.L.RTASKAI1 = 0;
  auto polys = PolyCalls(b);
  ASSERT_EQ(polys.size(), 1u);
  std::vector<std::pair<float, float>> small = {{104, 224}, {108, 213}, {116, 229}, {124, 194}, {126, 194}};
  EXPECT_EQ(polys[0].points, small);
  lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 1u);
  ExpectLevelLine(lines[0], 126, 158, 194, 3);
  EXPECT_EQ(b.L.SIZE1, 0);
  EXPECT_FLOAT_EQ(b.L.DSM1, 158);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 3);

  // After "&" an overline starts at the end of the sign.
  b.L.SIZE1 = 1;
  b.L.AY = 0;
  Typeset(b, "&2", 100, 200);
  lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 1u);
  ExpectLevelLine(lines[0], 136, 163, 196, 3);
  b.L.SIZE1 = 0;
}

TEST(MathGlyphs, TallRadicalOverAFraction) {
  Bench b;
  Typeset(b, "#ﾀ1/2ﾀ+1ﾝ", 100, 200);
  auto polys = PolyCalls(b);
  ASSERT_EQ(polys.size(), 1u);
  std::vector<std::pair<float, float>> sign = {{104, 236}, {108, 224}, {116, 260}, {130, 186}, {138, 186}};
  EXPECT_EQ(polys[0].points, sign);
  EXPECT_EQ(polys[0].width, 3);

  // Every line drawn 14 above the top is part of one continuous overline
  // from the fraction's left end to the end of the radicand.
  float covered = 132;
  int segments = 0;
  for (const auto& l : LineCalls(b)) {
    if (l.y1 != 186) continue;
    ++segments;
    EXPECT_EQ(l.width, 3);
    EXPECT_LE(l.x1, covered);
    covered = std::max(covered, l.x2);
  }
  EXPECT_EQ(segments, 3);  // over the fraction, then after "+" and after "1"
  EXPECT_FLOAT_EQ(covered, 132 + 32 + 27 + 27);
  EXPECT_FLOAT_EQ(b.L.DSM1, 218);
  EXPECT_EQ(b.L.SIZE1, 0);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 3);
}

TEST(MathGlyphs, FlagsCarryAcrossTexts) {
  Bench b;
  // A text of only "^": nothing drawn, the next text starts with an exponent.
  Typeset(b, "^", 100, 200);
  EXPECT_TRUE(b.Calls("Draw").empty());
  EXPECT_EQ(b.L.X1, 1);
  EXPECT_FLOAT_EQ(b.L.DSM1, 100);
  Typeset(b, "23", 100, 200);
  auto texts = TextCalls(b);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].a, 3);
  EXPECT_EQ(texts[0].b, 2);
  EXPECT_EQ(texts[1].b, 3);
  EXPECT_FLOAT_EQ(texts[1].x, 124);
  EXPECT_EQ(b.L.X1, 0);

  // "\" likewise, and a pending "\" is served before a pending "^".
  Typeset(b, "(ﾀ3/2ﾀ)\\", 0, 200);
  EXPECT_EQ(b.L.TBSIYAKX, 1);
  Typeset(b, "^23", 100, 200);
  texts = TextCalls(b);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_FLOAT_EQ(texts[0].y, 190);
  EXPECT_FLOAT_EQ(texts[0].size, 8);
  EXPECT_EQ(texts[1].b, 2);  // the exponent
  EXPECT_FLOAT_EQ(texts[1].x, 124);
  EXPECT_FLOAT_EQ(b.L.DSM1, 148);

  // "=" and "." leave the exponent pending; a blank takes it.
  Typeset(b, "^=.2", 0, 200);
  texts = TextCalls(b);
  EXPECT_EQ(texts.at(2).b, 2);
  Typeset(b, "^ 2", 0, 200);
  texts = TextCalls(b);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, " ");  // drawn as an exponent, nothing to see
  EXPECT_EQ(texts[0].b, 2);
  EXPECT_EQ(texts[1].b, 3);
  EXPECT_FLOAT_EQ(texts[1].x, 24);

  // "y=ax^2": y upright, a and x italic, 2 an exponent.
  Typeset(b, "y=ax^2", 0, 200);
  texts = TextCalls(b);
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_FALSE(texts[0].italic);
  EXPECT_TRUE(texts[2].italic);
  EXPECT_TRUE(texts[3].italic);
  EXPECT_EQ(texts[4].b, 2);
  EXPECT_FLOAT_EQ(b.L.DSM1, 27 + 32 + 27 + 27 + 24);

  // An open radicand carries into the next text, with its start in AY.
  Typeset(b, "!3", 100, 200);
  EXPECT_EQ(b.L.SIZE1, 1);
  EXPECT_FLOAT_EQ(b.L.AY, 128);
  Typeset(b, "4ﾝ", 400, 300);
  auto lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 1u);
  ExpectLevelLine(lines[0], 128, 427, 296, 3);
  EXPECT_EQ(b.L.SIZE1, 0);

  // The exponent flag is shared with plain text, both ways.
  b.L.KKAI_s = "^";
  b.L.DrawPlainText();
  Typeset(b, "2", 0, 200);
  EXPECT_EQ(TextCalls(b).at(0).b, 2);
  Typeset(b, "x^", 0, 200);
  b.L.KKAI_s = "2";
  b.L.DrawPlainText();
  EXPECT_EQ(b.L.X1, 0);

  // Fractions leave the fraction-part flag at 0.
  Typeset(b, "ﾀ1/2ﾀ", 0, 200);
  EXPECT_EQ(b.L.RTASKAI1, 0);
}

TEST(MathGlyphs, ScannerDropsLoneFractionMarks) {
  Bench b;
  // "ﾀ1/2" has no closing mark: 1, ÷, 2 inline.
  Typeset(b, "ﾀ1/2", 100, 200);
  auto texts = TextCalls(b);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[1].text, "÷");
  EXPECT_FLOAT_EQ(b.L.DSM1, 181);
  EXPECT_EQ(b.Calls("DrawLine\t").size(), 0u);

  // The text after a fraction is drawn after it.
  Typeset(b, "ﾀ1/2ﾀ=3", 100, 200);
  texts.clear();
  for (const auto& t : TextCalls(b))
    if (t.y < 900) texts.push_back(t);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[2].text, "=");
  EXPECT_FLOAT_EQ(texts[2].x, 136);
  EXPECT_FLOAT_EQ(texts[3].x, 164);
  EXPECT_FLOAT_EQ(b.L.DSM1, 191);
  EXPECT_EQ(b.L.A_s, "3");

  // An empty text: nothing drawn, pen and pen width as they were.
  b.rt.SetDrawWidth(0, 4);
  Typeset(b, "", 100, 200);
  EXPECT_TRUE(TextCalls(b).empty());
  EXPECT_FLOAT_EQ(b.L.DSM1, 100);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 4);
}

TEST(MathGlyphs, MeasuringEqualsDrawingAndShowsNothing) {
  const std::vector<std::string> texts = {
      "y=ﾀ1/4ﾀx^2", "=ﾀa^2+4a+4-a^2/a+2-aﾀ=", "ﾀyの増加量/xの増加量ﾀ", "x=@!8ﾝ", "答 2!2ﾝ秒後",
      "-ﾀ1/2ﾀ*(ﾀ3/2ﾀ)\\2=-ﾀ1/2ﾀ*ﾀ9/4ﾀ=", "2.4=a*20^2", "#ﾀ1/2ﾀ+1ﾝ", "ﾀ!2ﾝ/3ﾀ", "ﾀ1/!3ﾝﾀ",
      "直線l上に", "ﾀ12ﾀ", "ﾀ1/2", "&ABCD", "a%'.c", "ﾀ表/―ﾀ　", "ﾀ#2/3ﾀ",
      "^ﾀ1/2ﾀ3", "ﾀ2^/3ﾀ", "ﾀ!2/3ﾀﾝ", ""};
  for (bool large : {false, true}) {
    Bench b;
    b.L.largeScriptEll = large;
    for (const auto& t : texts) {
      SCOPED_TRACE(t);
      b.ClearLog();
      b.L.A_s = t;
      b.L.DSM1 = 70;
      b.L.DSM2 = 300;
      b.L.MeasureMathText();
      EXPECT_FLOAT_EQ(b.L.DSM1, 70);
      EXPECT_FLOAT_EQ(b.L.DSM2, 300);
      EXPECT_EQ(b.L.A_s, t);
      EXPECT_TRUE(b.L.KKAI_s.empty());
      EXPECT_EQ(b.L.RTASKAI1, 0);
      // Everything the measuring draws lies below the visible area.
      for (const auto& c : TextCalls(b)) EXPECT_GT(c.y, 1700);
      for (const auto& l : LineCalls(b)) EXPECT_GT(std::min(l.y1, l.y2), 1700);
      for (const auto& p : PolyCalls(b))
        for (auto [x, y] : p.points) EXPECT_GT(y, 1700);

      const float width = b.L.NASI;
      Typeset(b, t, 70, 300);
      EXPECT_FLOAT_EQ(b.L.DSM1 - 70, width);
    }
  }
}

}  // namespace
}  // namespace lessons::testing
