// Arrows with one or two heads, and the run and rise arrows with labels.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

// Draws an arrow from (x1, y1) to (x2, y2) on a cleared log; Y and HENK1 as
// the test left them. Returns the strokes.
std::vector<std::string> Arrow(Bench& b, float x1, float y1, float x2, float y2) {
  b.ClearLog();
  b.L.SO = x1, b.L.YOKO = y1, b.L.II = x2, b.L.IJ = y2;
  b.L.XW = 16, b.L.SIZE = 2;
  b.L.DrawArrow();
  return Strokes(b);
}

using Lines = std::vector<std::string>;

TEST(Arrow, HeadAtEitherEndOrBoth) {
  Bench b;
  auto& L = b.L;
  L.Y = 1;
  EXPECT_EQ(Arrow(b, 100, 100, 200, 100), (Lines{"100 100 200 100", "184 108 200 100", "184 92 200 100"}));
  EXPECT_EQ(LineCalls(b)[0].colour, 2);
  EXPECT_EQ(L.Y, 0);

  // Y = -1: the same shaft, the head at the first point.
  L.Y = -1;
  EXPECT_EQ(Arrow(b, 100, 100, 200, 100), (Lines{"200 100 100 100", "116 92 100 100", "116 108 100 100"}));
  EXPECT_EQ(L.Y, 0);

  // The next arrow, Y not set again, points to its second point.
  EXPECT_EQ(Arrow(b, 50, 50, 50, 150), (Lines{"50 50 50 150", "42 134 50 150", "58 134 50 150"}));

  // Two heads: the shaft twice, a head at each end; HENK1 back to 0.
  L.Y = 1, L.HENK1 = 2;
  EXPECT_EQ(Arrow(b, 100, 100, 200, 100), (Lines{"100 100 200 100", "184 108 200 100", "184 92 200 100",
                                                  "200 100 100 100", "116 92 100 100", "116 108 100 100"}));
  EXPECT_EQ(L.HENK1, 0);

  // Coincident ends: the shaft only, no NaN.
  L.HENK1 = 2;
  EXPECT_EQ(Arrow(b, 120, 80, 120, 80), (Lines{"120 80 120 80", "120 80 120 80"}));
  EXPECT_TRUE(LogIsFinite(b));
  EXPECT_EQ(L.Y, 0);
  EXPECT_EQ(L.HENK1, 0);
}

// A shaft is drawn whole, even through a label's ground.
TEST(Arrow, ShaftIsWholeThroughALabel) {
  Bench b;
  b.rt.SetDrawWidth(0, 6);
  b.L.figure.grounds = {{140, 90, 160, 110}};
  b.L.Y = 1;
  EXPECT_EQ(Arrow(b, 100, 100, 200, 100),
            (Lines{"100 100 200 100", "184 108 200 100", "184 92 200 100"}));
}

// Run and rise arrows of the chord (x1, y1)-(x2, y2) at scale `no`.
void RunRise(Bench& b, float x1, float y1, float x2, float y2, float no, const char* labels) {
  b.ClearLog();
  b.L.LT2 = x1, b.L.GX4 = y1, b.L.RP1 = x2, b.L.GX5 = y2;
  b.L.NO = no, b.L.DX_s = labels;
  b.L.DrawRunRiseArrows();
}

std::string Drawn(const Bench& b) {
  std::string out;
  for (const auto& t : VisibleTexts(b)) out += t.text;
  return out;
}

TEST(RunRiseArrows, PointsGivenRightToLeftAreExchangedAndLabelled) {
  Bench b;
  auto& L = b.L;
  b.rt.SetDrawWidth(0, 2);
  RunRise(b, 300, 200, 100, 300, 40, "yy");
  // Exchanged in the caller's variables: the rise now goes up.
  EXPECT_EQ(L.LT2, 100);
  EXPECT_EQ(L.GX4, 300);
  EXPECT_EQ(L.RP1, 300);
  EXPECT_EQ(L.GX5, 200);

  // The arrows, whole, then the labels on their grounds.
  auto lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(FilledBoxes(b.Log()).size(), 2u);
  EXPECT_EQ(Strokes(b)[0], "100 300 300 300");  // run, head at the right
  EXPECT_EQ(Strokes(b)[1], "284 308 300 300");
  EXPECT_EQ(lines[0].colour, 7);
  EXPECT_EQ(lines[0].width, 5);
  EXPECT_EQ(Strokes(b)[3], "300 300 300 200");  // rise, head at the top
  EXPECT_EQ(lines[3].colour, 3);

  // Run 5 over the middle of the run arrow (the rise goes up), rise 2.5
  // right of the rise at its middle, each moved from its place just so far
  // that its ground is clear of the arrows.
  auto texts = VisibleTexts(b);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].text, "5");
  EXPECT_NEAR(texts[0].x, 186, 12);
  EXPECT_LT(texts[0].y, 300 - 44);
  EXPECT_GT(texts[0].y, 300 - 80);
  EXPECT_EQ(texts[0].colour, 7);
  EXPECT_EQ(texts[1].text + texts[2].text + texts[3].text, "2.5");
  EXPECT_GT(texts[1].x, 300);
  EXPECT_LT(texts[1].x, 300 + 18);
  EXPECT_NEAR(texts[1].y, 234, 12);
  EXPECT_EQ(texts[1].colour, 3);

  EXPECT_EQ(b.rt.GetDrawWidth(0), 5);
  EXPECT_EQ(L.SIZE, 3);
  EXPECT_EQ(L.XW, 16);
  EXPECT_EQ(L.Y, 0);
  EXPECT_EQ(L.YMOTO, 3);
}

TEST(RunRiseArrows, FallingChordSmallRiseZeroRiseRunOrScaleAndLabelChoice) {
  Bench b;
  auto& L = b.L;
  // A falling chord: the rise points down, its text is negative with a
  // leading zero, and the run label hangs below the run arrow.
  RunRise(b, 100, 200, 180, 210, 40, "yy");
  EXPECT_EQ(L.RISETEXT_s, "-0.25");
  EXPECT_EQ(L.RUNTEXT_s, "2");
  EXPECT_EQ(Count(Strokes(b), "180 200 180 210"), 1);
  auto texts = VisibleTexts(b);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].text, "2");
  EXPECT_GT(texts[0].y, 200);  // below the run
  EXPECT_LT(texts[0].y, 200 + 18);

  // "ny": the rise label only, "0.5" for a half.
  RunRise(b, 100, 200, 180, 180, 40, "ny");
  EXPECT_EQ(L.RISETEXT_s, "0.5");
  EXPECT_EQ(Drawn(b), "0.5");

  // "nn": the two arrows only.
  RunRise(b, 100, 200, 180, 100, 40, "nn");
  EXPECT_EQ(LineCalls(b).size(), 6u);
  EXPECT_EQ(Drawn(b), "");

  // A rise of 0: the rise arrow is its shaft alone (after the two grounds).
  RunRise(b, 100, 200, 180, 200, 40, "yy");
  EXPECT_EQ(LineCalls(b).size(), 6u);
  EXPECT_EQ(L.RISETEXT_s, "0");
  EXPECT_TRUE(LogIsFinite(b));

  // A run of 0 likewise; and without a scale there are no labels.
  RunRise(b, 100, 200, 100, 120, 0, "yy");
  EXPECT_EQ(LineCalls(b).size(), 4u);
  EXPECT_EQ(Drawn(b), "");
  EXPECT_TRUE(LogIsFinite(b));
}

}  // namespace
}  // namespace lessons::testing
