// Screen ⑧ of unit 1: the worked answers of page 105, four keys, two columns.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

TEST(QuendralRangeAnswers, FourKeysTwoColumnsThenTheSubMenuLine) {
  Replay r = RunReplay("quendral", KeyScript("1\n8\nxxxx9\n6\n"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  const int start = s.Find("問1 解答");
  ASSERT_GT(start, 0);
  EXPECT_TRUE(s.GlyphAt(start, 40, 30, 7, "問"));
  EXPECT_FALSE(s.Has(start, "(1)"));
  EXPECT_TRUE(s.GlyphAt(start + 1, 40, 90, 3, "("));
  EXPECT_TRUE(s.Has(start + 1, "したがって、0≦y≦8"));
  EXPECT_TRUE(s.GlyphAt(start + 2, 40, 320, 3, "("));
  EXPECT_TRUE(s.Has(start + 2, "したがって、2≦y≦8"));
  // Exercise 2: its heading at the text column, with part (1), no wipe.
  EXPECT_TRUE(s.GlyphAt(start + 3, 681, 30, 7, "問"));
  EXPECT_TRUE(s.GlyphAt(start + 3, 600, 90, 3, "("));
  EXPECT_TRUE(s.Has(start + 3, "したがって、4≦y≦1"));
  EXPECT_FALSE(s.WipeFrom(start + 3, 0, 0));
  EXPECT_TRUE(s.GlyphAt(start + 4, 600, 270, 3, "("));
  EXPECT_TRUE(s.Has(start + 4, "したがって、4≦y≦0"));
  EXPECT_TRUE(s.Has(start + 4, "①～④増減"));
}

}  // namespace
}  // namespace lessons::testing
