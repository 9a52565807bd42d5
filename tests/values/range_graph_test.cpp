// Screen ⑥ of unit 1: the dotted parabola, the marking of a domain and its
// range, and the key waits.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

// The plane's origin: (980, 550), 20 a unit. A guide's one-digit number in
// step k (in 7, a digit 24 wide and 48 high): under the x axis, centred near
// the guide at px (a negative one with its minus before the digit) ...
bool UnderGuide(const Steps& s, int k, const char* number, float px) {
  const bool negative = number[0] == '-';
  const float centre = negative ? 0 : 12;
  for (const TextCall& t : s.Glyphs(k, negative ? number + 1 : number))
    if (t.colour == 7 && t.y > 550 && t.y < 640 && std::fabs(t.x + centre - px) <= kLabelReach) return true;
  return false;
}

// ... or, by its first digit, beside the y axis on the side `left` or right,
// level with the guide at py.
bool BesideAxis(const Steps& s, int k, const char* digit, float py, bool left) {
  for (const TextCall& t : s.Glyphs(k, digit))
    if (t.colour == 7 && (left ? t.x + 24 < 980 : t.x > 980) && std::fabs(t.y + 24 - py) <= 2 * kLabelReach)
      return true;
  return false;
}

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
  // The labels of problem ① under their guides.
  EXPECT_TRUE(UnderGuide(s, start + 2, "-4", 900));
  EXPECT_TRUE(UnderGuide(s, start + 2, "3", 1040));
  EXPECT_TRUE(s.Has(start + 4, "x=-4のとき、y="));
  // ②: 2 ≦ x ≦ 4 marked at once after the text line, its answer after a key.
  const int second = s.Find("2≦x≦4 のとき");
  ASSERT_GT(second, start);
  // The x numbers under their guides (the right of the axis); those of y
  // left of the axis, away from the guides.
  EXPECT_TRUE(UnderGuide(s, second, "2", 1020));
  EXPECT_TRUE(UnderGuide(s, second, "4", 1060));
  EXPECT_TRUE(BesideAxis(s, second, "4", 470, true));
  EXPECT_TRUE(BesideAxis(s, second, "1", 230, true));
  EXPECT_TRUE(s.WipeFrom(second, 840, 0));
  EXPECT_TRUE(s.Has(second + 1, "4≦y≦16"));
  // ③ and its answer; the answer comes with the sub-menu line.
  const int third = s.Find("5≦x≦2 のとき");
  ASSERT_GT(third, second);
  EXPECT_TRUE(UnderGuide(s, third, "-5", 880));
  EXPECT_TRUE(UnderGuide(s, third, "-2", 940));
  EXPECT_TRUE(BesideAxis(s, third, "2", 50, false));  // 25, below the letter y
  EXPECT_TRUE(BesideAxis(s, third, "4", 470, false));
  EXPECT_TRUE(s.Has(third + 1, "4≦y≦25"));
  EXPECT_TRUE(s.Has(third + 1, "①～④増減"));
  EXPECT_EQ(third + 1 - start, 18) << "18 key waits";
}

}  // namespace
}  // namespace lessons::testing
