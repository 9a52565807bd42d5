// Labelled points and the four forms of function graph on a plane.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

// A bench with the plane of SetSixPlane drawn, its log cleared.
struct SixPlaneBench : Bench {
  SixPlaneBench() {
    SetSixPlane(L);
    L.DrawCoordinatePlane();
    ClearLog();
  }
};

TEST(PlotLabelledPoint, DotAndLabelOnThePlaneMapping) {
  SixPlaneBench b;
  auto& L = b.L;
  L.XSTEP = 2, L.GGX = 0.5f;
  L.KAKUDAI = 4, L.SENTAKU = 1, L.DOTRADIUS = 6, L.TKAI2 = 12;
  L.ZY0_s = "A", L.JYOU = 5, L.LABELDY = -3;
  L.PlotLabelledPoint();

  EXPECT_EQ(L.HOUKOU, 704 + 44 * 4 / 2);
  EXPECT_EQ(L.N2, 364 - 44 * 1 / 0.5f);
  auto dots = CircleCalls(b);
  ASSERT_EQ(dots.size(), 1u);
  EXPECT_EQ(dots[0].x, L.HOUKOU);
  EXPECT_EQ(dots[0].y, L.N2);
  EXPECT_EQ(dots[0].r, 6);
  EXPECT_EQ(dots[0].colour, 12);
  EXPECT_NE(dots[0].fill, 0);
  auto texts = VisibleTexts(b);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "A");
  // At its place, 20 left of and 40 above the dot and moved by the offsets,
  // or the nearest place around it clear of the plane's lines and letters.
  EXPECT_NEAR(texts[0].x, L.HOUKOU - 20 + 5, 64);
  EXPECT_NEAR(texts[0].y, L.N2 - 40 - 3, 64);
  EXPECT_EQ(texts[0].colour, 12);

  EXPECT_EQ(L.XSTEP, 2);  // a point keeps the steps
  EXPECT_EQ(L.GGX, 0.5f);
  EXPECT_EQ(L.JYOU, 0);
  EXPECT_EQ(L.LABELDY, 0);
  EXPECT_EQ(L.ZY0_s, "A");
  EXPECT_EQ(L.YMOTO, 12);

  // A zero step counts as 1 and stays 1; a point below the plane is drawn.
  b.ClearLog();
  L.XSTEP = 0, L.GGX = 1, L.KAKUDAI = 1, L.SENTAKU = -9, L.ZY0_s = "";
  L.PlotLabelledPoint();
  EXPECT_EQ(L.XSTEP, 1);
  ASSERT_EQ(CircleCalls(b).size(), 1u);
  EXPECT_EQ(CircleCalls(b)[0].y, 364 + 44 * 9);
  EXPECT_TRUE(VisibleTexts(b).empty());
}

TEST(FunctionGraph, SquareLawFromZeroIsShiftedClippedAndLabelledAtItsLastDot) {
  SixPlaneBench b;
  auto& L = b.L;
  b.rt.SetDrawWidth(0, 4);
  L.MUKI = 2, L.AA = 2, L.XI2 = 0, L.B3 = 3, L.TKAI2 = 9;
  L.XSTEP = 1, L.GGX = 1;
  L.ZY0_s = "B", L.JYOU = -88, L.LABELDY = -44;
  L.DrawFunctionGraph();

  auto dots = CircleCalls(b);
  ASSERT_FALSE(dots.empty());
  // The first dot is at x = 0.002, not at the origin.
  EXPECT_FLOAT_EQ(dots.front().x, 704 + 44 * 0.002f);
  // y = 2x^2 leaves the plane's top (y = 6) at x = sqrt(3).
  for (const auto& d : dots) {
    EXPECT_GE(d.y, 100);
    EXPECT_LE(d.y, 628);
    EXPECT_EQ(d.r, 1);
    EXPECT_EQ(d.colour, 9);
  }
  EXPECT_NEAR(dots.back().x, 704 + 44 * 1.7320508f, 0.1f);
  EXPECT_LT(dots.size(), 5001u);
  EXPECT_GT(dots.size(), 2800u);

  // The label's corner is the last dot, moved by the offsets, or the
  // nearest place around it where its ground is clear of the plane.
  auto texts = VisibleTexts(b);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NEAR(texts[0].x, dots.back().x - 88, 64);
  EXPECT_NEAR(texts[0].y, dots.back().y - 44, 64);

  EXPECT_EQ(L.TANI, 5000);
  EXPECT_EQ(L.XI0, 5001);
  EXPECT_EQ(L.XSTEP, 1);
  EXPECT_EQ(L.GGX, 1);
  EXPECT_EQ(L.JYOU, 0);
  EXPECT_EQ(L.LABELDY, 0);
  EXPECT_EQ(L.YMOTO, 9);
  EXPECT_EQ(L.ZY0_s, "B");
  EXPECT_EQ(b.rt.GetDrawWidth(0), 4);
}

TEST(FunctionGraph, LineInverseAndBoundaries) {
  {
    // y = x + 1 from 0: the first dot is at x = 0 (no shift for a line).
    SixPlaneBench b;
    auto& L = b.L;
    L.MUKI = 3, L.AA = 1, L.ZX1 = 1, L.XI2 = 0, L.B3 = 2, L.TKAI2 = 3;
    L.DrawFunctionGraph();
    auto dots = CircleCalls(b);
    ASSERT_EQ(dots.size(), 5001u);
    EXPECT_EQ(dots.front().x, 704);
    EXPECT_EQ(dots.front().y, 364 - 44);
  }
  {
    // y = 6/x over -6..6: two branches cut at the plane's height, none at 0.
    SixPlaneBench b;
    auto& L = b.L;
    L.MUKI = 1, L.AA = 6, L.ZX1 = 0, L.XI2 = -6, L.B3 = 6, L.TKAI2 = 3;
    L.DrawFunctionGraph();
    int left = 0, right = 0;
    for (const auto& d : CircleCalls(b)) {
      EXPECT_NE(d.x, 704);
      EXPECT_GE(d.y, 100);
      EXPECT_LE(d.y, 628);
      (d.x < 704 ? left : right)++;
    }
    EXPECT_GT(left, 1000);
    EXPECT_GT(right, 1000);
  }
  {
    // Dots on the top and bottom edges are drawn; one unit beyond are not.
    SixPlaneBench b;
    auto& L = b.L;
    L.MUKI = 3, L.AA = 0, L.ZX1 = -6, L.XI2 = -1, L.B3 = 1;
    L.DrawFunctionGraph();
    EXPECT_EQ(CircleCalls(b).size(), 5001u);
    b.ClearLog();
    L.MUKI = 3, L.AA = 0, L.ZX1 = 6, L.XI2 = -2, L.B3 = 0;  // clear of the letter "y"
    L.DrawFunctionGraph();
    EXPECT_EQ(CircleCalls(b).size(), 5001u);
    b.ClearLog();
    L.MUKI = 3, L.AA = 0, L.ZX1 = -6 - 1.0f / 44, L.XI2 = -1, L.B3 = 1;
    L.DrawFunctionGraph();
    EXPECT_TRUE(CircleCalls(b).empty());
  }
  {
    // A curve wholly above the plane draws nothing and puts its label where
    // the pen was, moved by the offsets.
    SixPlaneBench b;
    auto& L = b.L;
    L.MUKI = 3, L.AA = 0, L.ZX1 = 20, L.XI2 = -1, L.B3 = 1;
    L.DSM1 = 300, L.DSM2 = 200, L.JYOU = 10, L.LABELDY = 5, L.ZY0_s = "C";
    L.DrawFunctionGraph();
    EXPECT_TRUE(CircleCalls(b).empty());
    auto texts = VisibleTexts(b);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].x, 310);
    EXPECT_EQ(texts[0].y, 205);
  }
}

TEST(FunctionGraph, GeneralFormAndVerticalLine) {
  {
    // 2x + y = 4 is traced as y = -2x + 4 and stays so in the variables.
    SixPlaneBench b;
    auto& L = b.L;
    L.MUKI = 4, L.AA = 2, L.ZX1 = 1, L.R1B = 4, L.XI2 = 0, L.B3 = 1;
    L.DrawFunctionGraph();
    EXPECT_EQ(L.MUKI, 3);
    EXPECT_EQ(L.AA, -2);
    EXPECT_EQ(L.ZX1, 4);
    auto dots = CircleCalls(b);
    ASSERT_EQ(dots.size(), 5001u);
    EXPECT_EQ(dots.front().y, 364 - 44 * 4);
    EXPECT_NEAR(dots.back().y, 364 - 44 * 2, 0.01f);
  }
  {
    // 2x = 6: the line x = 3 over the whole y range at pen width 5.
    SixPlaneBench b;
    auto& L = b.L;
    b.rt.SetDrawWidth(0, 3);
    L.MUKI = 4, L.AA = 2, L.ZX1 = 0, L.R1B = 6, L.TKAI2 = 4;
    L.B4 = -6, L.X = 6, L.ZY0_s = "x";
    L.DrawFunctionGraph();
    EXPECT_EQ(L.R1B, 3);
    auto lines = LineCalls(b);
    ASSERT_EQ(lines.size(), 2u);  // the line, its label's ground
    EXPECT_EQ(lines[1].shape, "fill");
    EXPECT_EQ(lines[0].x1, 704 + 132);
    EXPECT_EQ(lines[0].x2, 704 + 132);
    EXPECT_EQ(lines[0].y1, 628);
    EXPECT_EQ(lines[0].y2, 100);
    EXPECT_EQ(lines[0].width, 5);
    EXPECT_EQ(lines[0].colour, 4);
    auto texts = VisibleTexts(b);
    ASSERT_FALSE(texts.empty());
    EXPECT_NEAR(texts[0].y, 100 - 22, 64);  // by the line's top (the italic letter raised)
    EXPECT_EQ(b.rt.GetDrawWidth(0), 3);
  }
  {
    // 0x + 0y = c describes no line: nothing is drawn, the label stands
    // where the pen was.
    SixPlaneBench b;
    auto& L = b.L;
    L.MUKI = 4, L.AA = 0, L.ZX1 = 0, L.R1B = 5;
    L.DSM1 = 400, L.DSM2 = 300, L.JYOU = -8, L.ZY0_s = "D";
    L.DrawFunctionGraph();
    EXPECT_EQ(FilledBoxes(b.Log()).size(), LineCalls(b).size());  // the label's ground alone
    EXPECT_TRUE(CircleCalls(b).empty());
    EXPECT_TRUE(LogIsFinite(b));
    auto texts = VisibleTexts(b);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].x, 392);
    EXPECT_EQ(texts[0].y, 300);
    EXPECT_EQ(L.R1B, 5);
  }
  {
    // An empty label draws nothing, yet the colour and offsets are left as
    // after any graph.
    SixPlaneBench b;
    auto& L = b.L;
    L.MUKI = 7, L.AA = 1, L.ZX1 = 0, L.XI2 = 0, L.B3 = 1, L.TKAI2 = 5;
    L.JYOU = 3, L.ZY0_s = "";
    L.XSTEP = 0, L.GGX = 3;
    L.DrawFunctionGraph();
    EXPECT_TRUE(VisibleTexts(b).empty());
    EXPECT_EQ(L.YMOTO, 5);
    EXPECT_EQ(L.JYOU, 0);
    EXPECT_EQ(L.XSTEP, 1);
    EXPECT_EQ(L.GGX, 1);
    // Another form is traced as a line with the shift of x = 0.
    EXPECT_FLOAT_EQ(CircleCalls(b).front().x, 704 + 44 * 0.002f);
  }
}

}  // namespace
}  // namespace lessons::testing
