// Arrows with one or two heads, and the run and rise arrows with labels.
#include <gtest/gtest.h>

#include "tests/framework/figure_log.h"

namespace lessons::testing {
namespace {

void SetArrow(Lesson& L, float x1, float y1, float x2, float y2) {
  L.SO = x1, L.YOKO = y1, L.II = x2, L.IJ = y2;
  L.XW = 16, L.SIZE = 2;
}

TEST(Arrow, HeadAtEitherEndOrBoth) {
  Bench b;
  auto& L = b.L;
  SetArrow(L, 100, 100, 200, 100);
  L.Y = 1;
  L.DrawArrow();
  std::vector<std::string> oneHead{"100 100 200 100", "184 108 200 100", "184 92 200 100"};
  EXPECT_EQ(Strokes(b), oneHead);
  EXPECT_EQ(LoggedLines(b)[0].colour, 2);
  EXPECT_EQ(L.Y, 0);

  // Y = -1: the same shaft, the head at the first point.
  b.ClearLog();
  SetArrow(L, 100, 100, 200, 100);
  L.Y = -1;
  L.DrawArrow();
  std::vector<std::string> headFirst{"200 100 100 100", "116 92 100 100", "116 108 100 100"};
  EXPECT_EQ(Strokes(b), headFirst);
  EXPECT_EQ(L.Y, 0);

  // The next arrow, Y not set again, points to its second point.
  b.ClearLog();
  SetArrow(L, 50, 50, 50, 150);
  L.DrawArrow();
  std::vector<std::string> down{"50 50 50 150", "42 134 50 150", "58 134 50 150"};
  EXPECT_EQ(Strokes(b), down);

  // Two heads: the shaft twice, a head at each end; HENK1 back to 0.
  b.ClearLog();
  SetArrow(L, 100, 100, 200, 100);
  L.Y = 1, L.HENK1 = 2;
  L.DrawArrow();
  std::vector<std::string> both{"100 100 200 100", "184 108 200 100", "184 92 200 100",
                                "200 100 100 100", "116 92 100 100",  "116 108 100 100"};
  EXPECT_EQ(Strokes(b), both);
  EXPECT_EQ(L.HENK1, 0);
}

TEST(Arrow, CoincidentEndsDrawTheShaftOnly) {
  Bench b;
  auto& L = b.L;
  SetArrow(L, 120, 80, 120, 80);
  L.HENK1 = 2;
  L.DrawArrow();
  EXPECT_EQ(Strokes(b), (std::vector<std::string>{"120 80 120 80", "120 80 120 80"}));
  EXPECT_TRUE(LogIsFinite(b));
  EXPECT_EQ(L.Y, 0);
  EXPECT_EQ(L.HENK1, 0);
}

TEST(RunRiseArrows, PointsGivenRightToLeftAreExchangedAndLabelled) {
  Bench b;
  auto& L = b.L;
  b.rt.SetDrawWidth(0, 2);
  L.LT2 = 300, L.GX4 = 200, L.RP1 = 100, L.GX5 = 300;
  L.NO = 40, L.DX_s = "yy";
  L.DrawRunRiseArrows();
  // Exchanged in the caller's variables: the rise now goes up.
  EXPECT_EQ(L.LT2, 100);
  EXPECT_EQ(L.GX4, 300);
  EXPECT_EQ(L.RP1, 300);
  EXPECT_EQ(L.GX5, 200);

  auto lines = LoggedLines(b);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(Strokes(b)[0], "100 300 300 300");  // run, head at the right
  EXPECT_EQ(Strokes(b)[1], "284 308 300 300");
  EXPECT_EQ(lines[0].colour, 7);
  EXPECT_EQ(lines[0].width, 5);
  EXPECT_EQ(Strokes(b)[3], "300 300 300 200");  // rise, head at the top
  EXPECT_EQ(lines[3].colour, 3);

  // Run 5 above the run arrow (the rise goes up), rise 2.5 beside the rise.
  auto texts = VisibleTexts(b);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].text, "5");
  EXPECT_EQ(texts[0].x, 186);
  EXPECT_EQ(texts[0].y, 256);
  EXPECT_EQ(texts[0].colour, 7);
  EXPECT_EQ(texts[1].text + texts[2].text + texts[3].text, "2.5");
  EXPECT_EQ(texts[1].x, 300);
  EXPECT_EQ(texts[1].y, 234);
  EXPECT_EQ(texts[1].colour, 3);

  EXPECT_EQ(b.rt.GetDrawWidth(0), 5);
  EXPECT_EQ(L.SIZE, 3);
  EXPECT_EQ(L.XW, 16);
  EXPECT_EQ(L.Y, 0);
  EXPECT_EQ(L.YMOTO, 3);
}

TEST(RunRiseArrows, FallingChordSmallRiseAndLabelChoice) {
  {
    // A falling chord: the rise points down, its text is negative with a
    // leading zero, and the run label hangs below the run arrow.
    Bench b;
    auto& L = b.L;
    L.LT2 = 100, L.GX4 = 200, L.RP1 = 180, L.GX5 = 210;
    L.NO = 40, L.DX_s = "yy";
    L.DrawRunRiseArrows();
    EXPECT_EQ(L.RISETEXT_s, "-0.25");
    EXPECT_EQ(L.RUNTEXT_s, "2");
    EXPECT_EQ(Strokes(b)[3], "180 200 180 210");
    auto texts = VisibleTexts(b);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "2");
    EXPECT_EQ(texts[0].y, 200);
  }
  {
    // "ny": the rise label only, "0.5" for a half.
    Bench b;
    auto& L = b.L;
    L.LT2 = 100, L.GX4 = 200, L.RP1 = 180, L.GX5 = 180;
    L.NO = 40, L.DX_s = "ny";
    L.DrawRunRiseArrows();
    EXPECT_EQ(L.RISETEXT_s, "0.5");
    std::string drawn;
    for (const auto& t : VisibleTexts(b)) drawn += t.text;
    EXPECT_EQ(drawn, "0.5");
  }
  {
    // "nn": the two arrows only.
    Bench b;
    auto& L = b.L;
    L.LT2 = 100, L.GX4 = 200, L.RP1 = 180, L.GX5 = 100;
    L.NO = 40, L.DX_s = "nn";
    L.DrawRunRiseArrows();
    EXPECT_EQ(LoggedLines(b).size(), 6u);
    EXPECT_TRUE(VisibleTexts(b).empty());
  }
}

TEST(RunRiseArrows, ZeroRunRiseOrScaleDrawNoHeadOrNoLabels) {
  {
    // A rise of 0: the rise arrow is its shaft alone.
    Bench b;
    auto& L = b.L;
    L.LT2 = 100, L.GX4 = 200, L.RP1 = 180, L.GX5 = 200;
    L.NO = 40, L.DX_s = "yy";
    L.DrawRunRiseArrows();
    EXPECT_EQ(LoggedLines(b).size(), 4u);
    EXPECT_EQ(L.RISETEXT_s, "0");
    EXPECT_TRUE(LogIsFinite(b));
  }
  {
    // A run of 0 likewise; and without a scale there are no labels.
    Bench b;
    auto& L = b.L;
    L.LT2 = 100, L.GX4 = 200, L.RP1 = 100, L.GX5 = 120;
    L.NO = 0, L.DX_s = "yy";
    L.DrawRunRiseArrows();
    EXPECT_EQ(LoggedLines(b).size(), 4u);
    EXPECT_TRUE(VisibleTexts(b).empty());
    EXPECT_TRUE(LogIsFinite(b));
  }
}

}  // namespace
}  // namespace lessons::testing
