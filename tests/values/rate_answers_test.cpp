// Screen ⑤ of unit 2: the worked answers of page 107, three keys, a page per
// exercise.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

// The glyphs of `colour` on line y of step k, as drawn.
std::string LineGlyphs(const Steps& s, int k, float y, int colour) {
  std::string out;
  for (const TextCall& t : s.Glyphs(k))
    if (t.y == y && t.colour == colour) out += t.text;
  return out;
}

TEST(QuendralRateAnswers, ThreeKeysTwoPagesThenTheSubMenuLine) {
  Replay r = RunReplay("quendral", KeyScript("2\n5\nxxx7\n6\n"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  struct Page {
    int step;
    const char* heading;
    const char* values;    // colour 3 on lines 80 and 160
    const char* rate;      // colour 5 after the fractions on line 300
    const char* shortcut;  // colour 5 on line 460, a key later
  };
  const int start = s.Find("問1 解答");
  ASSERT_GT(start, 0);
  for (const Page& p : {Page{start, "問1 解答", "232", "10", "10"},
                        Page{start + 2, "問2 解答", "19", "4", "6"}}) {
    SCOPED_TRACE(p.heading);
    // The page is wiped, then heading and part (1) come at once.
    EXPECT_TRUE(s.WipeFrom(p.step, 0, 0));
    EXPECT_TRUE(s.Has(p.step, p.heading));
    EXPECT_TRUE(s.GlyphAt(p.step, 132, 30, 7, "問"));
    EXPECT_TRUE(s.GlyphAt(p.step, 44, 80, 3, "("));
    EXPECT_EQ(LineGlyphs(s, p.step, 80, 3) + LineGlyphs(s, p.step, 160, 3), "(1)" + std::string(p.values));
    EXPECT_TRUE(s.Has(p.step, "だから、変化の割合は"));
    // The rate continues the line of the fractions, after their last "=".
    EXPECT_EQ(LineGlyphs(s, p.step, 300, 5), p.rate);
    float lastEquals = 0, rateX = 0;
    for (const TextCall& t : s.Glyphs(p.step)) {
      if (t.y == 300 && t.text == "=") lastEquals = t.x;
      if (t.y == 300 && t.colour == 5 && rateX == 0) rateX = t.x;
    }
    EXPECT_GT(rateX, lastEquals);
    EXPECT_LT(rateX, lastEquals + 60);  // a minus sign may come first
    EXPECT_FALSE(s.Has(p.step, "(2)"));
    // Part (2) after one key, on the same page.
    EXPECT_FALSE(s.WipeFrom(p.step + 1, 0, 0));
    EXPECT_TRUE(s.GlyphAt(p.step + 1, 44, 390, 3, "("));
    EXPECT_TRUE(s.Has(p.step + 1, "(2)変化の割合は"));
    EXPECT_EQ(LineGlyphs(s, p.step + 1, 460, 5), p.shortcut);
  }
  EXPECT_FALSE(s.Has(start + 1, "①1次"));
  EXPECT_TRUE(s.Has(start + 3, "①1次　②2乗比"));
}

}  // namespace
}  // namespace lessons::testing
