// Ray directions, the right-angle mark, labels on a bisector and length arcs.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

void SetAngle(Lesson& L, float vx, float vy, float x1, float y1, float x2, float y2) {
  L.SO = vx, L.YOKO = vy, L.AAA = x1, L.A21 = y1, L.ZY1 = x2, L.BAIX = y2;
}

TEST(RayAngles, DirectionsBisectorAndDegrees) {
  Bench b;
  auto& L = b.L;
  const float ax = 3.14159f;
  struct Case {
    float dx, dy, direction;
  } cases[] = {{10, 0, 0},       {0, -10, ax / 2},     {-10, 0, ax},
               {0, 0, ax},       {0, 10, 3 * ax / 2},  {10, -10, 0.785397f}};
  for (const auto& c : cases) {
    SetAngle(L, 0, 0, c.dx, c.dy, 0, 0);
    L.LineAngle();
    EXPECT_NEAR(L.NAGASA1, c.direction, 1e-5f) << c.dx << "," << c.dy;
  }
  EXPECT_EQ(L.AX, 3.14159f);

  SetAngle(L, 0, 0, 10, 0, 0, -10);
  L.BAIY = 0;
  L.ComputeRayAngles();
  EXPECT_EQ(L.YY1, 0);
  EXPECT_NEAR(L.ZX2, ax / 2, 1e-6f);
  EXPECT_EQ(L.XX1, 1);
  EXPECT_NEAR(L.AIDA1, 0.75f, 1e-6f);
  EXPECT_NEAR(L.KAKKO1, ax / 4, 1e-6f);
  L.AngleInDegreesText();
  EXPECT_EQ(L.HH2_s, "90");

  L.BAIY = -1;
  L.ComputeRayAngles();
  EXPECT_NEAR(L.YY1, ax / 2, 1e-6f);
  EXPECT_EQ(L.ZX2, 0);
  EXPECT_NEAR(L.XX1, 0.75f, 1e-6f);
  EXPECT_EQ(L.AIDA1, 1);
  EXPECT_NEAR(L.KAKKO1, 5 * ax / 4, 1e-5f);
  EXPECT_EQ(L.BAIY, -1);
  L.AngleInDegreesText();
  EXPECT_EQ(L.HH2_s, "270");

  // Rays at 300 and 60 degrees: the bisector points right (2 pi).
  SetAngle(L, 0, 0, 50, 86.6025f, 50, -86.6025f);
  L.BAIY = 0;
  L.ComputeRayAngles();
  EXPECT_NEAR(L.KAKKO1, 2 * ax, 1e-4f);
}

TEST(RightAngleMark, SquareAtTheVertexWhicheverWayTheRaysAreGiven) {
  for (float swap : {0.0f, -1.0f}) {
    Bench b;
    auto& L = b.L;
    SetAngle(L, 100, 100, 200, 100, 100, 0);
    L.XW = 20, L.SIZE = 6, L.BAIY = swap;
    L.DrawRightAngleMark();
    auto polys = PolyCalls(b);
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].colour, 6);
    EXPECT_FALSE(polys[0].fill);
    ASSERT_EQ(polys[0].points.size(), 3u);
    float expected[3][2] = {{120, 100}, {120, 80}, {100, 80}};
    for (int i = 0; i < 3; ++i) {
      int at = swap == -1 ? 2 - i : i;
      EXPECT_NEAR(polys[0].points[i].first, expected[at][0], 1e-4f);
      EXPECT_NEAR(polys[0].points[i].second, expected[at][1], 1e-4f);
    }
    EXPECT_EQ(L.XW, 20);  // nothing is reset
    EXPECT_EQ(L.BAIY, swap);
  }
}

TEST(AngleLabel, PlacedOnTheBisectorAndResetAfterwards) {
  Bench b;
  auto& L = b.L;
  // Bisector straight down: centred under the anchor (200, 230).
  SetAngle(L, 200, 200, 100, 300, 300, 300);
  L.XW = 30, L.ZY0_s = "AB", L.YMOTO = 5, L.CCC2 = 2, L.CCC3 = 3, L.BAIY = 0;
  L.PlaceAngleLabel();
  auto texts = VisibleTexts(b);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(L.NASI, 54);
  EXPECT_NEAR(texts[0].x, 200 - 27 + 2, 1e-3f);
  EXPECT_NEAR(texts[0].y, 230 + 3, 1e-3f);
  EXPECT_EQ(texts[0].colour, 5);
  EXPECT_EQ(L.ZY0_s, "");
  EXPECT_EQ(L.XW, 0);
  EXPECT_EQ(L.CCC2, 0);
  EXPECT_EQ(L.CCC3, 0);
  EXPECT_EQ(L.OKI2, 0);
  EXPECT_EQ(L.BAIY, 0);
  EXPECT_EQ(L.KKAI_s, "");

  // The rays the other way round: up, with its top 44 above the anchor.
  b.ClearLog();
  SetAngle(L, 200, 200, 300, 300, 100, 300);
  L.XW = 30, L.ZY0_s = "A";
  L.PlaceAngleLabel();
  EXPECT_NEAR(VisibleTexts(b)[0].y, 126, 1e-3f);

  // A stacked fraction counts 40 high: its top 80 above the anchor.
  b.ClearLog();
  SetAngle(L, 200, 200, 300, 300, 100, 300);
  L.XW = 30, L.ZY0_s = "ﾀ1/2ﾀ";
  L.PlaceAngleLabel();
  EXPECT_NEAR(L.DSM2, 90, 1e-3f);

  // OKI2 = 1 draws with the cell text (bold 15).
  b.ClearLog();
  SetAngle(L, 200, 200, 300, 300, 100, 300);
  L.XW = 30, L.ZY0_s = "A", L.OKI2 = 1;
  L.PlaceAngleLabel();
  ASSERT_EQ(VisibleTexts(b).size(), 1u);
  EXPECT_EQ(VisibleTexts(b)[0].size, 15);
  EXPECT_EQ(L.OKI2, 0);
}

// The dots of a length arc, as points.
std::vector<std::pair<float, float>> Dots(const Bench& b) {
  std::vector<std::pair<float, float>> out;
  for (const auto& c : CircleCalls(b)) out.push_back({c.x, c.y});
  return out;
}

// The first, middle and last of the 37 dots of an arc lie at `ends`.
void ExpectArc(const std::vector<std::pair<float, float>>& dots,
               std::initializer_list<std::pair<float, float>> ends, float tolerance) {
  ASSERT_EQ(dots.size(), 37u);
  const size_t at[] = {0, 18, 36};
  size_t i = 0;
  for (auto [x, y] : ends) {
    EXPECT_NEAR(dots[at[i]].first, x, tolerance) << at[i];
    EXPECT_NEAR(dots[at[i]].second, y, tolerance) << at[i];
    ++i;
  }
}

void SetArc(Lesson& L, float x1, float y1, float x2, float y2, float side) {
  L.SO = x1, L.YOKO = y1, L.AAA = x2, L.A21 = y2;
  L.XG = side, L.ARCDEPTH = 20, L.TANI = 5, L.SIZE = 4, L.ZY0_s = "8cm", L.YMOTO = 0;
}

TEST(LengthArc, HorizontalChordBelowAndAbove) {
  Bench b;
  auto& L = b.L;
  SetArc(L, 100, 300, 300, 300, 1);
  L.DrawLengthArc();
  ExpectArc(Dots(b), {{100, 300}, {200, 320}, {300, 300}}, 1e-3f);
  EXPECT_EQ(CircleCalls(b)[0].r, 0.5f);
  EXPECT_EQ(CircleCalls(b)[0].colour, 4);
  // The label centred below the middle, its top at 320.
  auto texts = VisibleTexts(b);
  ASSERT_FALSE(texts.empty());
  EXPECT_NEAR(texts[0].y, 320, 1e-3f);
  EXPECT_NEAR(texts[0].x + L.NASI / 2, 200, 1e-2f);
  EXPECT_NEAR(L.SO, 200, 1e-3f);
  EXPECT_NEAR(L.YOKO, 320, 1e-3f);
  EXPECT_EQ(L.AAA, 100);
  EXPECT_EQ(L.A21, 300);
  EXPECT_EQ(L.ZY1, 300);
  EXPECT_EQ(L.BAIX, 300);
  EXPECT_NEAR(L.DOTRADIUS, 101.98f, 0.01f);
  EXPECT_EQ(L.XI0, 365);
  EXPECT_EQ(L.ZY0_s, "");

  // Points exchanged: the arc runs above, the label's top 44 above it.
  for (float side : {1.0f, -1.0f, 0.0f}) {
    b.ClearLog();
    if (side == 1) SetArc(L, 300, 300, 100, 300, 1);
    else SetArc(L, 100, 300, 300, 300, side);
    L.DrawLengthArc();
    EXPECT_NEAR(Dots(b)[18].second, 280, 1e-3f) << side;
    EXPECT_NEAR(VisibleTexts(b)[0].y, side == 0 ? 280 : 236, 1e-3f) << side;
  }
}

TEST(LengthArc, VerticalAndSlantedChords) {
  {
    // Downwards, the right-hand side is to the left on the screen.
    Bench b;
    auto& L = b.L;
    SetArc(L, 100, 100, 100, 300, 1);
    L.ZY0_s = "A";
    L.DrawLengthArc();
    ExpectArc(Dots(b), {{100, 100}, {80, 200}, {100, 300}}, 2e-3f);  // pi is 3.14159
    // The label ends at the middle of the arc, centred on it vertically.
    auto texts = VisibleTexts(b);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NEAR(texts[0].x, 80 - L.NASI, 1e-2f);
    EXPECT_NEAR(texts[0].y, 200 - 22, 1e-2f);
  }
  {
    // A slanted chord: the middle lies the depth away from the chord's
    // midpoint, at right angles to it (pi is 3.14159, so the ends are
    // met to within a few thousandths).
    Bench b;
    auto& L = b.L;
    SetArc(L, 100, 100, 220, 260, 1);
    L.DrawLengthArc();
    // Chord direction (0.6, 0.8); its right-hand side on the screen (-0.8, 0.6).
    ExpectArc(Dots(b), {{100, 100}, {160 - 16, 180 + 12}, {220, 260}}, 1e-2f);
    EXPECT_NEAR(L.SO, 144, 1e-3f);
    EXPECT_NEAR(L.YOKO, 192, 1e-3f);
  }
}

TEST(LengthArc, DepthStepsAndStraightLine) {
  Bench b;
  auto& L = b.L;
  struct Case {
    float in, out;
  } depths[] = {{1, 16}, {15.5f, 248}, {16, 16}, {-5, 5}, {-20, 20}, {0, 0}};
  for (const auto& c : depths) {
    SetArc(L, 100, 300, 300, 300, 1);
    L.ARCDEPTH = c.in;
    L.DrawLengthArc();
    EXPECT_EQ(L.ARCDEPTH, c.out) << c.in;
  }
  // Depth 0: a dotted straight line, the label below its midpoint.
  b.ClearLog();
  SetArc(L, 100, 300, 300, 300, 1);
  L.ARCDEPTH = 0;
  L.DrawLengthArc();
  for (const auto& d : Dots(b)) EXPECT_NEAR(d.second, 300, 1e-3f);
  EXPECT_NEAR(VisibleTexts(b)[0].y, 300, 1e-3f);

  struct Steps {
    float step;
    size_t dots;
  } steps[] = {{8, 23}, {12, 16}, {2, 91}};
  for (const auto& s : steps) {
    b.ClearLog();
    SetArc(L, 100, 300, 300, 300, 1);
    L.TANI = s.step;
    L.DrawLengthArc();
    EXPECT_EQ(Dots(b).size(), s.dots) << s.step;
  }
}

TEST(LengthArc, NoStepOrNoLengthStillEndsWithTheLabel) {
  for (float step : {0.0f, -5.0f}) {
    Bench b;
    auto& L = b.L;
    SetArc(L, 100, 300, 300, 300, 1);
    L.TANI = step;
    L.DrawLengthArc();
    auto dots = Dots(b);
    ASSERT_EQ(dots.size(), 1u) << step;
    EXPECT_NEAR(dots[0].first, 100, 1e-3f);
    EXPECT_FALSE(VisibleTexts(b).empty());
    EXPECT_EQ(L.ZY0_s, "");
  }
  {
    // Coincident ends: every dot and the label at the first end.
    Bench b;
    auto& L = b.L;
    SetArc(L, 150, 250, 150, 250, 1);
    L.ZY0_s = "A";
    L.DrawLengthArc();
    EXPECT_TRUE(LogIsFinite(b));
    auto dots = Dots(b);
    ASSERT_EQ(dots.size(), 37u);
    for (const auto& d : dots) {
      EXPECT_NEAR(d.first, 150, 1e-3f);
      EXPECT_NEAR(d.second, 250, 1e-3f);
    }
    EXPECT_EQ(L.SO, 150);
    EXPECT_EQ(L.YOKO, 250);
    auto texts = VisibleTexts(b);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NEAR(texts[0].x, 150 - L.NASI, 1e-2f);
    EXPECT_NEAR(texts[0].y, 250 - 22, 1e-2f);
  }
}

}  // namespace
}  // namespace lessons::testing
