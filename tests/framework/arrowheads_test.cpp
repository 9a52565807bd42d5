// Arrowhead marks and ticks on segments, and angle arcs.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

void SetSegment(Lesson& L, float x1, float y1, float x2, float y2) {
  L.TAKASA = x1, L.BX = y1, L.YA = x2, L.CX = y2;
}

TEST(ArrowheadMarks, MarksBeyondTheDividingPointAndCounts) {
  Bench b;
  auto& L = b.L;
  SetSegment(L, 0, 0, 100, 0);
  L.ENZAN = 1, L.B = 1, L.XW = 10, L.XX = 2, L.SIZE = 5;
  L.DrawArrowheadMarks();
  std::vector<std::string> expected{"56 5 66 0", "56 -5 66 0", "72 5 82 0", "72 -5 82 0"};
  EXPECT_EQ(Strokes(b), expected);
  EXPECT_EQ(LineCalls(b)[0].colour, 5);
  EXPECT_EQ(L.XI0, 3);

  for (float count : {0.0f, 7.0f, 2.5f, 0.5f}) {
    b.ClearLog();
    L.XX = count;
    L.DrawArrowheadMarks();
    EXPECT_EQ(Strokes(b).size(), count == 2.5f ? 4u : 2u) << count;
  }
  L.XX = 7;
  L.DrawArrowheadMarks();
  EXPECT_EQ(L.XX, 1);
}

TEST(EqualTicks, TicksAcrossTheSegmentAtTheirSpacing) {
  Bench b;
  auto& L = b.L;
  SetSegment(L, 0, 0, 100, 0);
  L.BAIY = 0, L.GX1 = 0, L.XW = 5, L.XX = 2, L.SIZE = 1;
  L.DrawEqualTicksSpaced();
  std::vector<std::string> expected{"58 -5 58 5", "66 -5 66 5"};
  EXPECT_EQ(Strokes(b), expected);
  EXPECT_EQ(L.GX1, 24);

  // Centred on the midpoint with BAIY = -12; XX = 0 gives one tick and stays.
  b.ClearLog();
  L.BAIY = -12, L.GX1 = 8, L.XX = 2;
  L.DrawEqualTicksSpaced();
  EXPECT_EQ(Strokes(b), (std::vector<std::string>{"46 -5 46 5", "54 -5 54 5"}));
  EXPECT_EQ(L.BAIY, -12);
  b.ClearLog();
  L.BAIY = 0, L.GX1 = 40, L.XX = 0;
  L.DrawEqualTicksSpaced();
  EXPECT_EQ(Strokes(b).size(), 1u);
  EXPECT_EQ(L.XX, 0);
}

TEST(SegmentMarks, ZeroLengthOrZeroRatioDrawsNothing) {
  Bench b;
  auto& L = b.L;
  SetSegment(L, 40, 40, 40, 40);
  L.ENZAN = 1, L.B = 1, L.XW = 10, L.XX = 2;
  L.DrawArrowheadMarks();
  SetSegment(L, 0, 0, 100, 0);
  L.ENZAN = 1, L.B = -1;
  L.DrawArrowheadMarks();
  SetSegment(L, 40, 40, 40, 40);
  L.GX1 = 8, L.XX = 2;
  L.DrawEqualTicksSpaced();
  EXPECT_TRUE(b.Log().empty());
}

TEST(AngleArcs, ConcentricArcsOrSectorWithTheLabel) {
  Bench b;
  auto& L = b.L;
  L.SO = 200, L.YOKO = 200, L.AAA = 300, L.A21 = 200, L.ZY1 = 200, L.BAIX = 100;
  L.XW = 40, L.XX = 3, L.TKAI2 = 6, L.SIZE = 2, L.ZY0_s = "a", L.BAIY = 0;
  L.DrawAngleArcs();
  auto arcs = CircleCalls(b);
  ASSERT_EQ(arcs.size(), 3u);
  EXPECT_EQ(arcs[0].r, 32);
  EXPECT_EQ(arcs[1].r, 24);
  EXPECT_EQ(arcs[2].r, 16);
  EXPECT_EQ(arcs[0].colour, 6);
  EXPECT_EQ(arcs[0].fill, 0);
  EXPECT_NEAR(arcs[0].start, 0.75f, 1e-6f);  // from ray 2 ...
  EXPECT_EQ(arcs[0].end, 1);                  // ... to ray 1
  EXPECT_FALSE(VisibleTexts(b).empty());
  EXPECT_EQ(L.XW, 0);
  EXPECT_EQ(L.BAIY, 0);
  EXPECT_EQ(L.ZY0_s, "");

  b.ClearLog();
  L.XW = 40, L.XX = -1;
  L.DrawAngleArcs();
  arcs = CircleCalls(b);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].r, 40);
  EXPECT_EQ(arcs[0].colour, 2);
  EXPECT_EQ(arcs[0].fill, 1);
  EXPECT_EQ(arcs[0].fillColour, 6);

  // Radii that reach 0 or below are not drawn; nor is a sector of radius 0.
  b.ClearLog();
  L.XW = 20, L.XX = 4;
  L.DrawAngleArcs();
  arcs = CircleCalls(b);
  ASSERT_EQ(arcs.size(), 2u);
  EXPECT_EQ(arcs[1].r, 4);
  b.ClearLog();
  L.XW = 0, L.XX = 0;
  L.DrawAngleArcs();
  EXPECT_TRUE(CircleCalls(b).empty());
}

}  // namespace
}  // namespace lessons::testing
