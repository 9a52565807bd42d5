// A page of every kind of glyph, rendered to PNG to look at. Each glyph of
// the first rows stands in a thin frame as wide as its advance, so a glyph
// that leaves its room shows at once.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/runtime/canvas.h"

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

// Outlines the room from x0 to x1 on the line at y, 48 high.
void Frame(Bench& b, float x0, float x1, float y) {
  b.rt.SetDrawWidth(0, 1);
  b.rt.DrawLine(0, 0, x0, y, 0, x1, y + 48, -1, 8, 1, 8, -1, 7);
  b.rt.SetDrawWidth(0, 3);
}

// Typesets each segment of `segments` on its own and frames its advance.
void FramedRow(Bench& b, const std::vector<std::string>& segments, float x, float y) {
  for (const auto& s : segments) {
    b.L.KKAI_s = s;
    b.L.DSM1 = x;
    b.L.DSM2 = y;
    b.L.PrintMathText();
    if (b.L.DSM1 > x) Frame(b, x, b.L.DSM1, y);
    x = b.L.DSM1 + 6;
  }
}

void Line(Bench& b, const std::string& text, float x, float y, int colour = 0) {
  b.L.YMOTO = colour;
  b.L.KKAI_s = text;
  b.L.DSM1 = x;
  b.L.DSM2 = y;
  b.L.PrintMathText();
}

void Draw(Bench& b) {
  b.rt.DrawLine(0, 0, 0, 0, 0, 1760, 1800, -1, 15, 2, 15, 0, 15);
  b.L.YMOTO = 0;
  FramedRow(b, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "y", "b", "m", "(", ")", "あ", "ア",
                "漢", "表", "―", "　", "ﾀ", "=", "+", "-", "*", "/", "@", "%", "'", ".", " ", "a",
                "x", "c", "l"},
            20, 70);
  FramedRow(b, {"!2ﾝ", "&", "x^2", "(", "2", ")\\2", "\\^23", "#ﾀ1/2ﾀﾝ", "ﾀ1/2ﾀ", "ﾀ-16+4/2ﾀ",
                "ﾀa^2/3ﾀ", "ﾀ!2ﾝ/3ﾀ", "ﾀ1/√3ﾝﾀ", "ﾀ1/x^2ﾀ", "ﾀ*/ﾀ", "ﾀl/2ﾀ"},
            20, 170);
  Line(b, "y=ﾀ1/4ﾀx^2 のグラフ", 20, 290);
  Line(b, "=ﾀa^2+4a+4-a^2/a+2-aﾀ=", 420, 290);
  Line(b, "ﾀyの増加量/xの増加量ﾀ", 980, 290);
  Line(b, "x=@!8ﾝ　答 2!2ﾝ秒後", 20, 400);
  Line(b, "-ﾀ1/2ﾀ*(ﾀ3/2ﾀ)\\2=-ﾀ1/2ﾀ*ﾀ9/4ﾀ=", 560, 400);
  Line(b, "2.4=a*20^2　∠ABC=90%　&ABCD", 20, 500, 3);
  Line(b, "#ﾀ1/2ﾀ+ﾀ1/3ﾀﾝ　直線l上に　c=ﾀx/2ﾀ", 800, 500, 13);
  b.L.largeScriptEll = true;
  Line(b, "直線l上に　ﾀl/2ﾀ　l=ﾀ1/2ﾀx", 20, 610, 9);
  b.L.largeScriptEll = false;

  // Cell labels and boxes.
  b.L.YMOTO = 0;
  for (auto [text, x] : std::vector<std::pair<std::string, float>>{
           {"制動距離(m)", 700}, {"8cm", 900}, {"y", 1000}, {"(km)", 1060}, {"1,5", 1160}}) {
    b.L.KKAI_s = text;
    b.L.DSM1 = x;
    b.L.DSM2 = 620;
    b.L.DrawCellText();
  }
  b.rt.SetDrawWidth(0, 5);
  b.L.YMOTO = 0;
  b.L.SIZE = 3;
  b.L.TKAI2 = 13;
  b.L.A_s = "学びをたしかめよう";
  b.L.DSM1 = 40;
  b.L.DSM2 = 720;
  b.L.TANI = 360;
  b.L.GX0 = 48;
  b.L.DrawTextBox();
  b.L.SIZE = 0;
  b.L.TKAI2 = 15;
  b.L.GX0 = 50;
  b.L.TANI = 80;
  b.L.DSM1 = 440;
  for (std::string cell : {"x", "-3", "ﾀ1/2ﾀ", "0", "9"}) {
    b.L.A_s = cell;
    b.L.DrawTextBox();
  }
  b.L.KKAI_s = "答は";
  b.L.DSM1 = 900;
  b.L.DSM2 = 790;
  b.L.PrintMathText();
  b.L.A_s = "ﾀ9/4ﾀ";
  b.L.TANI = 100;
  b.L.GX0 = 60;
  b.L.SIZE = 3;
  b.L.TKAI2 = 4;
  b.L.DrawTextBoxAround();
  b.L.KKAI_s = "です。";
  b.L.PrintMathText();
  b.rt.SetDrawWidth(0, 3);
}

TEST(GlyphPage, RendersEveryGlyphCase) {
  Bench b;
  Draw(b);
  const std::string path = TestOutDir("typeset") + "/glyphs.png";
  ASSERT_TRUE(b.rt.SavePng(path));
  EXPECT_GT(std::filesystem::file_size(path), 10000u);
  // Nothing of the measuring passes reached the visible area's bottom band.
  for (const auto& t : TextCalls(b)) EXPECT_TRUE(t.y < 900 || t.y > 1700) << t.text;
}

// The lowest row with ink between x0 and x1 (the headless canvas has one
// pixel per unit), or -1.
int LowestInk(Bench& b, int x0, int x1, int yFrom, int yTo) {
  const unsigned char* px = b.rt.canvas().Pixels();
  const int stride = b.rt.canvas().Stride();
  for (int y = yTo; y >= yFrom; --y)
    for (int x = x0; x < x1; ++x) {
      const unsigned char* p = px + y * stride + x * 4;
      if (p[0] < 100 && p[1] < 100 && p[2] < 100) return y;
    }
  return -1;
}

TEST(GlyphPage, ItalicLettersAndEllStandOnTheLine) {
  for (bool large : {false, true}) {
    SCOPED_TRACE(large);
    Bench b;
    b.L.largeScriptEll = large;
    b.rt.DrawLine(0, 0, 0, 0, 0, 1760, 1800, -1, 15, 2, 15, 0, 15);
    Line(b, "mxmlmam", 100, 300);
    const int base = LowestInk(b, 103, 124, 250, 400);  // "m": no descender
    ASSERT_GT(base, 300);
    EXPECT_NEAR(LowestInk(b, 131, 150, 250, 400), base, 3);  // x
    EXPECT_NEAR(LowestInk(b, 183, 205, 250, 400), base, 5);  // the ell
    EXPECT_NEAR(LowestInk(b, 244, 264, 250, 400), base, 3);  // a
    // Each stays inside its room: no ink past the right of the next "m".
    EXPECT_EQ(LowestInk(b, 295, 400, 250, 400), -1);
  }
}

}  // namespace
}  // namespace lessons::testing
