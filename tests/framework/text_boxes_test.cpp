// Text boxes: placement of box and text, and what each leaves behind.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

void SetBox(Bench& b, const std::string& text, float x, float y, float w, float h) {
  b.ClearLog();
  b.L.A_s = text;
  b.L.DSM1 = x;
  b.L.DSM2 = y;
  b.L.TANI = w;
  b.L.GX0 = h;
}

// The visible lines (boxes, bars and strokes).
std::vector<LineCall> VisibleLines(const Bench& b) {
  std::vector<LineCall> out;
  for (const auto& l : LineCalls(b))
    if (l.y1 < 1700) out.push_back(l);
  return out;
}

TEST(TextBoxes, HeadingAndNumberBoxesSideBySide) {
  Bench b;
  b.rt.SetDrawWidth(0, 5);
  SetBox(b, "学びをたしかめよう", 40, 30, 360, 48);
  b.L.SIZE = 3;
  b.L.TKAI2 = 13;
  b.L.YMOTO = 0;
  b.L.DrawTextBox();
  auto lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].shape, "fill");
  EXPECT_FLOAT_EQ(lines[0].x1, 40);
  EXPECT_FLOAT_EQ(lines[0].y1, 30);
  EXPECT_FLOAT_EQ(lines[0].x2, 400);
  EXPECT_FLOAT_EQ(lines[0].y2, 78);
  EXPECT_EQ(lines[0].colour, 3);
  EXPECT_EQ(lines[0].fillColour, 13);
  EXPECT_EQ(lines[0].width, 5);
  // The box comes before the visible text.
  size_t boxAt = 0, firstText = 0;
  for (size_t i = 0; i < b.Log().size(); ++i) {
    const auto& l = b.Log()[i];
    if (l.rfind("DrawLine\t", 0) == 0) boxAt = i;
    if (!firstText && l.rfind("DrawText\t", 0) == 0 && !VisibleTexts(LogLines{l}).empty()) firstText = i;
  }
  EXPECT_LT(boxAt, firstText);
  auto texts = VisibleTexts(b);
  ASSERT_EQ(texts.size(), 9u);
  EXPECT_FLOAT_EQ(texts[0].x, 40 + (360 - 9 * 34) / 2.0f);
  EXPECT_FLOAT_EQ(texts[0].y, 32);
  EXPECT_EQ(texts[0].colour, 0);
  EXPECT_FLOAT_EQ(b.L.DSM1, 400);
  EXPECT_FLOAT_EQ(b.L.DSM2, 30);
  EXPECT_FLOAT_EQ(b.L.NASI, 306);
  EXPECT_TRUE(b.L.KKAI_s.empty());
  EXPECT_EQ(b.rt.GetDrawWidth(0), 5);

  SetBox(b, "1", 430, 30, 48, 48);
  b.L.SIZE = 4;
  b.L.TKAI2 = 3;
  b.L.YMOTO = 13;
  b.L.DrawTextBox();
  lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_FLOAT_EQ(lines[0].x2, 478);
  EXPECT_EQ(lines[0].colour, 4);
  texts = VisibleTexts(b);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_FLOAT_EQ(texts[0].x, 430 + 10.5f);  // horizontal offsets are not made whole
  EXPECT_EQ(texts[0].colour, 13);
  EXPECT_FLOAT_EQ(b.L.DSM1, 478);
}

TEST(TextBoxes, OffsetsAndOverflow) {
  Bench b;
  // Vertical offsets: floor((GX0 - 44) / 2), or (GX0 - 50) with a fraction,
  // read here from the top of "1" and from the fraction bar (25 below).
  const std::vector<std::tuple<float, float, float>> rows = {
      {48, 2, -1}, {50, 3, 0}, {60, 8, 5}, {45, 0, -3}, {43, -1, -4}};
  for (auto [h, plain, frac] : rows) {
    SCOPED_TRACE(h);
    SetBox(b, "1", 0, 100, 100, h);
    b.L.DrawTextBox();
    EXPECT_FLOAT_EQ(VisibleTexts(b).at(0).y, 100 + plain);
    SetBox(b, "ﾀ1/2ﾀ", 0, 100, 100, h);
    b.L.DrawTextBox();
    bool bar = false;
    for (const auto& l : LineCalls(b)) bar |= l.width == 4 && l.y1 == 100 + frac + 25;
    EXPECT_TRUE(bar);
  }
  // A lone "ﾀ" counts as a fraction for the offset, though it is dropped.
  SetBox(b, "ﾀ1", 0, 100, 100, 60);
  b.L.DrawTextBox();
  EXPECT_FLOAT_EQ(VisibleTexts(b).at(0).y, 105);

  // Extra offsets are consumed by DrawTextBox.
  SetBox(b, "1", 0, 100, 47, 44);
  b.L.CCC2 = 10;
  b.L.CCC3 = 3;
  b.L.DrawTextBox();
  EXPECT_FLOAT_EQ(VisibleTexts(b).at(0).x, 20);
  EXPECT_FLOAT_EQ(VisibleTexts(b).at(0).y, 103);
  EXPECT_EQ(b.L.CCC2, 0);
  EXPECT_EQ(b.L.CCC3, 0);

  // A text wider than its box starts at the left edge and runs out.
  SetBox(b, "12345", 200, 100, 60, 44);
  b.L.DrawTextBox();
  EXPECT_FLOAT_EQ(VisibleTexts(b).at(0).x, 200);
  EXPECT_FLOAT_EQ(b.L.DSM1, 260);
  EXPECT_FLOAT_EQ(b.L.NASI, 135);

  // An empty text: the box alone.
  SetBox(b, "", 200, 100, 60, 44);
  b.L.DrawTextBox();
  EXPECT_EQ(LineCalls(b).size(), 1u);
  EXPECT_TRUE(TextCalls(b).empty());
  EXPECT_FLOAT_EQ(b.L.NASI, 0);
  EXPECT_FLOAT_EQ(b.L.DSM1, 260);
  EXPECT_FLOAT_EQ(b.L.DSM2, 100);
  EXPECT_EQ(b.L.A_s, "");
}

TEST(TextBoxes, BoxAroundRunningText) {
  Bench b;
  SetBox(b, "12", 300, 400, 100, 60);
  b.L.CCC2 = 7;
  b.L.DrawTextBoxAround();
  auto box = VisibleLines(b).at(0);
  EXPECT_FLOAT_EQ(box.y1, 392);
  EXPECT_FLOAT_EQ(box.y2, 452);
  EXPECT_FLOAT_EQ(box.x2, 400);
  auto texts = VisibleTexts(b);
  EXPECT_FLOAT_EQ(texts.at(0).x, 323);  // CCC2 is not read
  EXPECT_FLOAT_EQ(texts.at(0).y, 400);
  EXPECT_FLOAT_EQ(b.L.DSM1, 400);
  EXPECT_FLOAT_EQ(b.L.DSM2, 400);
  EXPECT_EQ(b.L.CCC2, 7);
  b.L.CCC2 = 0;

  // With a fraction the box keeps the plain-text offset.
  SetBox(b, "ﾀ1/2ﾀ", 300, 400, 100, 60);
  b.L.DrawTextBoxAround();
  EXPECT_FLOAT_EQ(VisibleLines(b).at(0).y1, 392);

  // The same picture as DrawTextBox one offset higher, but DSM2 differs.
  SetBox(b, "12", 300, 392, 100, 60);
  b.L.DrawTextBox();
  EXPECT_FLOAT_EQ(VisibleLines(b).at(0).y1, 392);
  EXPECT_FLOAT_EQ(VisibleTexts(b).at(0).y, 400);
  EXPECT_FLOAT_EQ(b.L.DSM2, 392);
}

TEST(TextBoxes, TwoLineBox) {
  Bench b;
  b.ClearLog();
  b.L.YY_s = "あ";
  b.L.T_s = "いい";
  b.L.DSM1 = 0;
  b.L.DSM2 = 100;
  b.L.TANI = 200;
  b.L.GX0 = 100;
  b.L.DrawTwoLineTextBox();
  auto texts = VisibleTexts(b);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_FLOAT_EQ(texts[0].y, 103);
  EXPECT_FLOAT_EQ(texts[0].x, 83);
  EXPECT_FLOAT_EQ(texts[1].y, 147);
  EXPECT_FLOAT_EQ(texts[1].x, 66);
  EXPECT_FLOAT_EQ(b.L.NASI, 68);
  EXPECT_FLOAT_EQ(b.L.DSM1, 200);
  EXPECT_FLOAT_EQ(b.L.DSM2, 100);

  // One line only: moved down 25.
  b.ClearLog();
  b.L.T_s = "";
  b.L.DrawTwoLineTextBox();
  texts = VisibleTexts(b);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_FLOAT_EQ(texts[0].y, 128);
  EXPECT_FLOAT_EQ(b.L.NASI, 0);

  // A fraction in the second line.
  b.ClearLog();
  b.L.T_s = "ﾀ1/2ﾀ";
  b.L.DrawTwoLineTextBox();
  bool bar = false;
  for (const auto& l : LineCalls(b)) bar |= l.width == 4 && l.y1 == 100 + 50 + 0 + 25;
  EXPECT_TRUE(bar);
}

}  // namespace
}  // namespace lessons::testing
