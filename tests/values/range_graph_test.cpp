// Screen ⑥ of unit 1: the dotted parabola, the marking of a domain and its
// range, and the key waits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

TEST(QuendralRangeGraph, DotsMarkingsAndKeyWaits) {
  Replay r = RunReplay("quendral", KeyScript("1\n6\n" + std::string(18, 'x') + "9\n6\n"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  const int start = s.Find("<解答>");
  ASSERT_GT(start, 0);
  // The dotted parabola: 90 dots from (-5, 25) on the top edge to x = 5.
  std::vector<CircleCall> dots;  // the open dots (the arc's are filled)
  for (const CircleCall& c : s.Dots(start + 1, 1))
    if (c.fill == 0) dots.push_back(c);
  EXPECT_EQ(dots.size(), 90u);
  ASSERT_FALSE(dots.empty());
  EXPECT_FLOAT_EQ(dots.front().x, 880);
  EXPECT_FLOAT_EQ(dots.front().y, 50);
  EXPECT_NEAR(dots.back().x, 1080, 0.01);
  // The labels of problem ① stand where the text column does not move.
  EXPECT_TRUE(s.GlyphAt(start + 2, 1027, 550, 7, "3"));
  EXPECT_TRUE(s.Has(start + 4, "x=-4のとき、y="));
  // ②: 2 ≦ x ≦ 4 marked at once after the text line, its answer after a key.
  const int second = s.Find("2≦x≦4 のとき");
  ASSERT_GT(second, start);
  // The x numbers under their guides, "4" a row lower (the letter x stands
  // under the axis's end, off the guide); those of y left of the axis, away
  // from the guides, "4" beyond the dotted branch.
  EXPECT_TRUE(s.GlyphAt(second, 1007, 550, 7, "2"));
  EXPECT_TRUE(s.GlyphAt(second, 1047, 606, 7, "4"));
  EXPECT_TRUE(s.GlyphAt(second, 898.91406f, 446, 7, "4"));
  EXPECT_TRUE(s.GlyphAt(second, 909.3203f, 206, 7, "1"));
  EXPECT_TRUE(s.WipeFrom(second, 840, 0));
  EXPECT_TRUE(s.Has(second + 1, "4≦y≦16"));
  // ③ and its answer; the answer comes with the sub-menu line.
  const int third = s.Find("5≦x≦2 のとき");
  ASSERT_GT(third, second);
  EXPECT_TRUE(s.GlyphAt(third, 1000, 68, 7, "2"));  // 25 below the letter y
  EXPECT_TRUE(s.GlyphAt(third, 940, 586, 7, "2"));  // -2 a row lower, off the origin's 0
  EXPECT_TRUE(s.Has(third + 1, "4≦y≦25"));
  EXPECT_TRUE(s.Has(third + 1, "①～④増減"));
  EXPECT_EQ(third + 1 - start, 18) << "18 key waits";
}

}  // namespace
}  // namespace lessons::testing
