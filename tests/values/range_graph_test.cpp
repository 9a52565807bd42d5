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
  // The plane: origin (970, 580), 40 a unit of x and 20 of y.
  auto px = [](float x) { return 970 + 40 * x; };
  auto py = [](float y) { return 580 - 20 * y; };
  // The dotted parabola: 90 dots from (-5, 25) to x = 5.
  std::vector<CircleCall> dots;  // the open dots (the arc's are filled)
  for (const CircleCall& c : s.Dots(start + 1, 1))
    if (c.fill == 0) dots.push_back(c);
  EXPECT_EQ(dots.size(), 90u);
  ASSERT_FALSE(dots.empty());
  EXPECT_FLOAT_EQ(dots.front().x, px(-5));
  EXPECT_FLOAT_EQ(dots.front().y, py(25));
  EXPECT_NEAR(dots.back().x, px(5), 0.01);
  // Each problem's guide numbers, in 7, on their ticks: a value of x
  // (a digit 24 wide) centred under its guide, one of y (48 high) level with
  // its guide, 20 from the axis on the side away from the guides.
  const int second = s.Find("2≦x≦4 のとき"), third = s.Find("5≦x≦2 のとき");
  ASSERT_GT(second, start);
  ASSERT_GT(third, second);
  const float under = py(0) + 7, right = px(0) + 20, left = px(0) - 44;
  ExpectGlyphsNear(s, {{start + 2, px(-4) - 12, under, 7, "4"}, {start + 2, px(3) - 12, under, 7, "3"},
                       {second, px(2) - 12, under, 7, "2"},     {second, px(4) - 12, under, 7, "4"},
                       {second, left, py(4) - 24, 7, "4"},      {second, left, py(16) - 24, 7, "6"},
                       {third, px(-5) - 12, under, 7, "5"},     {third, px(-2) - 12, under, 7, "2"},
                       {third, right, py(25) - 24, 7, "2"},     {third, right, py(4) - 24, 7, "4"}});
  EXPECT_TRUE(s.Has(start + 4, "x=-4のとき、y="));
  // ②: 2 ≦ x ≦ 4 marked at once after the text line, its answer after a key.
  EXPECT_TRUE(s.WipeFrom(second, px(-5) - 40, 0));  // 40 left of the plane
  EXPECT_TRUE(s.Has(second + 1, "4≦y≦16"));
  // ③ and its answer; the answer comes with the sub-menu line.
  EXPECT_TRUE(s.Has(third + 1, "4≦y≦25"));
  EXPECT_TRUE(s.Has(third + 1, "①～④増減"));
  EXPECT_EQ(third + 1 - start, 18) << "18 key waits";
}

}  // namespace
}  // namespace lessons::testing
