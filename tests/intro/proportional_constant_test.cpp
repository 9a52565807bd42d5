// Unit 3 of Palisteo: goal screen, sub-menu and the n-fold screen, driven by
// key scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

const char kLine[] = "①ひろげ　②問２　③例題１　④問３　⑤練習問題１　⑥２　⑦３　⑧終了";
const char kAnyKey[] = "何かキーを押して下さい。";

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(ProportionalConstantUnit, GoalOncePerVisitFromTheMainMenu) {
  Replay r = RunPalisteo("3\n0\n9\n8\n3\n8\n9\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  ExpectGoal(s, 2, "比例定数aを求め、yをxの式で表そう。", "比", kLine);
  // 0 and 9 ask the line again, the goal stays as it was.
  EXPECT_TRUE(s.Has(4, kLine) && s.Has(6, kLine));
  EXPECT_FALSE(s.Has(4, "<めあて>") || s.Has(6, "<めあて>"));
  // 8 is the main menu; entering the unit again shows the goal again.
  EXPECT_EQ(s.MenuDraws(8, 8), 1);
  EXPECT_TRUE(s.Has(10, "<めあて>") && s.Has(10, kLine));

  // The sub-menu takes the entry's value: 16/2 is item 8, 1/0 is 0.
  Replay q = RunPalisteo("3\n1/0\n16/2\n9\n");
  EXPECT_EQ(q.result.end, RunEnd::kFinished);
  Steps t(q.log);
  EXPECT_TRUE(t.Has(6, kLine));
  EXPECT_EQ(t.MenuDraws(0, t.size() - 1), 2);
}

class NFoldScreenTest : public ::testing::Test {
 protected:
  // Main menu 3, sub-menu 1; the screen starts in step 4 and takes 16 keys.
  Replay r = RunPalisteo("3\n1\n" + std::string(16, ' ') + "8\n9\n");
  Steps s{r.log};
};

TEST_F(NFoldScreenTest, QuestionTableAndArcsBeforeTheFirstKey) {
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  EXPECT_TRUE(s.GlyphAt(4, 40, 30, 3, "関"));
  EXPECT_TRUE(s.Has(4, "関数 y=3x^2 で、xの値が2倍、3倍となるとき、yの値は？"));
  auto rows = s.Cells(4, 50);
  ASSERT_EQ(rows.size(), 2u);
  const auto& xRow = rows[210];
  const auto& yRow = rows[260];
  ASSERT_EQ(xRow.size(), 11u);
  ASSERT_EQ(yRow.size(), 11u);
  EXPECT_EQ(xRow[0].x, 40);
  EXPECT_EQ(xRow[0].width, 60);
  EXPECT_EQ(xRow[0].text, "x");
  EXPECT_EQ(yRow[0].text, "y");
  for (int i = 0; i <= 9; ++i) {
    const auto& xc = xRow[static_cast<size_t>(i) + 1];
    const auto& yc = yRow[static_cast<size_t>(i) + 1];
    EXPECT_EQ(xc.x, 100 + 90 * i);
    EXPECT_EQ(xc.width, 90);
    EXPECT_EQ(xc.text, std::to_string(i));
    EXPECT_EQ(yc.x, 100 + 90 * i);
    EXPECT_EQ(yc.text, i == 0 ? "0" : i == 1 ? "3" : "");
  }
  // Labelled arcs above the x row, bare ones below the y row.
  int above3 = 0, above7 = 0, below3 = 0, below7 = 0;
  for (const CircleCall& d : s.Dots(4)) {
    if (d.r != 0.5f) continue;  // the arcs' dots
    EXPECT_TRUE(d.x >= 325 && d.x <= 865) << d.x;
    if (d.y < 210) (d.colour == 3 ? above3 : above7)++;
    if (d.y > 310) (d.colour == 3 ? below3 : below7)++;
  }
  EXPECT_GT(above3, 0);
  EXPECT_GT(above7, 0);
  EXPECT_GT(below3, 0);
  EXPECT_GT(below7, 0);
  // Once each in the question; the labels "2倍", "2倍" and "3倍".
  EXPECT_EQ(Count(s.Text(4), "2倍"), 3);
  EXPECT_EQ(Count(s.Text(4), "3倍"), 2);
}

TEST_F(NFoldScreenTest, ValuesOnePerKeyThenLabelsAndTheRule) {
  const std::vector<std::string> values = {"12", "27", "48", "75", "108", "147", "192", "243"};
  for (size_t i = 0; i < values.size(); ++i) {
    const int k = 5 + static_cast<int>(i);
    auto rows = s.Cells(k, 50);
    ASSERT_EQ(rows.size(), 1u) << k;
    ASSERT_EQ(rows[260].size(), 1u) << k;
    EXPECT_EQ(rows[260][0].x, 280 + 90 * static_cast<float>(i));
    EXPECT_EQ(rows[260][0].width, 90);
    EXPECT_EQ(rows[260][0].text, values[i]);
  }
  // After 243 one more key before the first lower label.
  EXPECT_TRUE(s.Cells(13, 50).empty());
  EXPECT_FALSE(s.Has(13, "倍"));
  EXPECT_TRUE(s.Has(14, "4倍"));
  EXPECT_TRUE(s.Has(15, "4倍"));
  EXPECT_TRUE(s.Has(16, "9倍"));
  for (const TextCall& g : s.Glyphs(14, "倍")) EXPECT_EQ(g.colour, 3);
  for (const TextCall& g : s.Glyphs(16, "倍")) EXPECT_EQ(g.colour, 7);
  for (int k : {14, 15, 16})
    for (const CircleCall& d : s.Dots(k)) {
      if (d.r == 0.5f) {
        EXPECT_GT(d.y, 309.9f);
      }
    }
  EXPECT_TRUE(s.Has(17, "xの値がn倍のとき、yの値は？"));
  EXPECT_TRUE(s.Has(18, " n^2倍"));
  EXPECT_TRUE(s.Has(19, "関数y=ax^2 ではxの値がn倍になると、yの値はn^2倍になる。"));
  EXPECT_TRUE(s.GlyphAt(19, 40, 470, 3, "関"));
  for (const TextCall& g : s.Glyphs(19, "n")) EXPECT_EQ(g.colour, 5);
  EXPECT_TRUE(s.GlyphAt(20, 44, 570, 3, "教"));
  EXPECT_TRUE(s.Has(20, "教科書P93 問2　をやろう。"));
}

TEST_F(NFoldScreenTest, SixteenKeysThenTheSubMenuAtOnce) {
  EXPECT_EQ(s.LastOfRun(kAnyKey, 4), 19);  // key waits in steps 4 to 19
  EXPECT_EQ(s.Find(kLine, 3), 20);
  EXPECT_FALSE(s.Has(20, "<めあて>"));
  EXPECT_EQ(s.MenuDraws(22, 22), 1);
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
}

}  // namespace
}  // namespace lessons::testing
