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
  // Each problem's guide numbers (origin (980, 550), 20 a unit), in 7, on
  // their ticks: x under its guide, y level with its guide beside the axis
  // (③'s 4 beyond its guide's end, the dotted parabola right of the axis;
  // its 25 right of the letter y).
  const int second = s.Find("2≦x≦4 のとき"), third = s.Find("5≦x≦2 のとき");
  ASSERT_GT(second, start);
  ASSERT_GT(third, second);
  ExpectGlyphsNear(s, {{start + 2, 894, 562, 7, "4"}, {start + 2, 1027, 562, 7, "3"},
                       {second, 1007, 562, 7, "2"},   {second, 1065, 586, 7, "4"},
                       {second, 900, 446, 7, "4"},    {second, 912, 212, 7, "1"},
                       {third, 880, 562, 7, "5"},     {third, 964, 598, 7, "2"},
                       {third, 1006, 26, 7, "2"},     {third, 900, 446, 7, "4"}});
  EXPECT_TRUE(s.Has(start + 4, "x=-4のとき、y="));
  // ②: 2 ≦ x ≦ 4 marked at once after the text line, its answer after a key.
  EXPECT_TRUE(s.WipeFrom(second, 840, 0));
  EXPECT_TRUE(s.Has(second + 1, "4≦y≦16"));
  // ③ and its answer; the answer comes with the sub-menu line.
  EXPECT_TRUE(s.Has(third + 1, "4≦y≦25"));
  EXPECT_TRUE(s.Has(third + 1, "①～④増減"));
  EXPECT_EQ(third + 1 - start, 18) << "18 key waits";
}

}  // namespace
}  // namespace lessons::testing
