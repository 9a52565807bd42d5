// Unit 1's increase-and-decrease screens: their arrows, key waits and the
// return to the sub-menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/runtime/headless_host.h"
#include "tests/support/log_reader.h"
#include "tests/support/quendral_bench.h"
#include "values/quendral.h"

namespace lessons::testing {
namespace {

// An arrow's shaft, from its tail to its head, in screen units.
struct Shaft {
  float x1, y1, x2, y2;
};

void ExpectArrows(const HeadlessHost& host, const std::vector<Shaft>& shafts) {
  const std::vector<LineCall> lines = LineCalls(host.LogLines());
  for (const Shaft& a : shafts)
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const LineCall& l) {
      return l.x1 == a.x1 && l.y1 == a.y1 && l.x2 == a.x2 && l.y2 == a.y2;
    })) << "an arrow from (" << a.x1 << ", " << a.y1 << ") to (" << a.x2 << ", " << a.y2 << ")";
}

TEST(QuendralIncreaseScreens, LinearScreensArrowsAndKeyWaits) {
  {
    QuendralState b("xxxx");
    b.Q.ZY0_s = "old";  // a label an earlier screen left is not drawn
    b.Q.LinearIncreaseScreen();
    EXPECT_EQ(b.host.KeysHanded(), 4);
    EXPECT_FLOAT_EQ(b.Q.X8, 912);
    EXPECT_FLOAT_EQ(b.Q.R, 300);
    ExpectArrows(b.host, {{822, 330, 1002, 330}, {1002, 330, 1002, 150}, {822, 300, 972, 150}});
    for (const TextCall& t : VisibleTexts(b.host.LogLines())) EXPECT_NE(t.text, "o");
  }
  {
    QuendralState b("xxxx");
    b.Q.LinearDecreaseScreen();
    EXPECT_EQ(b.host.KeysHanded(), 4);
    ExpectArrows(b.host, {{822, 150, 1002, 150}, {1002, 150, 1002, 330}, {822, 210, 972, 360}});
  }
}

TEST(QuendralIncreaseScreens, RuleAndLastArrowComeWithTheSubMenuLine) {
  for (const char* item : {"1", "2"}) {
    SCOPED_TRACE(item);
    Replay r = RunReplay("quendral", KeyScript(std::string("1\n") + item + "\nxxxx" + item + "\nxxxx9\n6\n"));
    EXPECT_EQ(r.result.end, RunEnd::kFinished);
    Steps s(r.log);
    const std::string rule = item[0] == '1' ? "右上がりは増加" : "右下がりは減少";
    const std::string answer = item[0] == '1' ? "増加する" : "減少する";
    const int first = s.Find(rule);
    ASSERT_GT(first, 0);
    EXPECT_TRUE(s.Has(first, "①～④増減"));
    EXPECT_TRUE(s.GlyphAt(first, 60, 220, 3, rule.substr(0, 3)));
    EXPECT_TRUE(s.GlyphAt(first - 1, 60, 150, 5, answer.substr(0, 3)));
    // Chosen again, the screen draws the same picture.
    const int second = s.Find(rule, first + 1);
    ASSERT_GT(second, first);
    EXPECT_EQ(s.Lines(second), s.Lines(first));
  }
}

TEST(QuendralIncreaseScreens, ParabolaScreensArrowsAndKeyWaits) {
  {
    QuendralState b(std::string(13, 'x'));
    b.Q.ParabolaUpScreen();
    EXPECT_EQ(b.host.KeysHanded(), 13);
    EXPECT_FLOAT_EQ(b.Q.X8, 952);
    EXPECT_FLOAT_EQ(b.Q.R, 540);
    ExpectArrows(b.host, {{832, 180, 1072, 180}, {832, 180, 952, 540}, {952, 540, 1072, 180}});
  }
  {
    QuendralState b(std::string(15, 'x'));
    b.Q.ParabolaDownScreen();
    EXPECT_EQ(b.host.KeysHanded(), 15);
    EXPECT_FLOAT_EQ(b.Q.R, 90);
    // The arrow up the left branch ends at the vertex, where the one down
    // the right branch starts (the "0" moves clear of them instead).
    ExpectArrows(b.host, {{832, 450, 1072, 450}, {832, 450, 952, 90}, {952, 90, 1072, 450}});
  }
}

TEST(QuendralIncreaseScreens, ParabolaAnswersAndSummaries) {
  Replay r = RunReplay("quendral", KeyScript("1\n3\n" + std::string(13, 'x') + "4\n" +
                                             std::string(15, 'x') + "9\n6\n"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  // ③: the last answer key brings the summary heading and its four lines at once.
  const int up = s.Find("a>0では");
  ASSERT_GT(up, 0);
  EXPECT_TRUE(s.GlyphAt(up, 60, 400, 7, "<"));
  EXPECT_TRUE(s.Has(up, "x<0 のとき 減少"));
  EXPECT_TRUE(s.Has(up, "yの変域は y≧0"));
  EXPECT_TRUE(s.Has(up, "①～④増減"));
  // ④: the heading, the prompt and the summary one key each; the prompt is erased.
  const int down = s.Find("a<0では");
  ASSERT_GT(down, up);
  EXPECT_TRUE(s.GlyphAt(down + 1, 60, 450, 0, "P"));
  EXPECT_TRUE(s.Has(down + 2, "x<0 のとき 増加"));
  EXPECT_TRUE(s.Has(down + 2, "x=0 のとき 最大値 y=0"));
  EXPECT_TRUE(s.Has(down + 2, "yの変域は y≦0"));
  EXPECT_TRUE(s.WipeFrom(down + 2, 0, 450));
  EXPECT_TRUE(s.Has(down + 2, "①～④増減"));
}

}  // namespace
}  // namespace lessons::testing
