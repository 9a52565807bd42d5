// Orvenna's unit 1: the cyclist figure and the braking animation screen,
// driven by key scripts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/bench.h"
#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

const char kLine[] = " ①P110　②P111　③説明しよう　④ふりこ問３　⑤問４　⑥ひろげよう　⑦問５　⑧終了";

Replay RunOrvenna(std::string_view keys) { return RunReplay("orvenna", KeyScript(keys)); }

std::vector<int> Pauses(const Steps& s, int k) {
  std::vector<int> out;
  for (const std::string& l : s.Lines(k, "Pause\t")) out.push_back(std::stoi(l.substr(6)));
  return out;
}

// Steps of one visit: 4 the cyclist at the start, 5 the animation (the
// entry 2 repeats it: 7 at the start, 8 the animation again), 10 the still
// picture, 11 to 18 its keys (18 starts the chart), 19 to 28 the ten points,
// 29 the curve, 30 the last line and the sub-menu.
class BrakingAnimationTest : public ::testing::Test {
 protected:
  Replay r = RunOrvenna("1\n1\nx2\nx1\n" + std::string(8 + 12, 'x') + "8\n7\n");
  Steps s{r.log};
};

TEST_F(BrakingAnimationTest, CyclistStandsAtTheStartFromItsPointTable) {
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  // Wheels of radius 30 round the hubs on the ground line 450, hubs of
  // radius 6, the head of radius 10 over the shoulder.
  auto wheels = s.Dots(4, 30);
  ASSERT_EQ(wheels.size(), 2u);
  EXPECT_FLOAT_EQ(wheels[0].x, 74);
  EXPECT_FLOAT_EQ(wheels[1].x, 179);
  for (const auto& w : wheels) {
    EXPECT_FLOAT_EQ(w.y, 420);
    EXPECT_EQ(w.fill, 0);
  }
  auto hubs = s.Dots(4, 6);
  ASSERT_EQ(hubs.size(), 2u);
  EXPECT_EQ(hubs[0].fill, 1);
  auto head = s.Dots(4, 10);
  ASSERT_EQ(head.size(), 1u);
  EXPECT_FLOAT_EQ(head[0].x, 138);
  EXPECT_FLOAT_EQ(head[0].y, 315);
  // Standing still: the stretched leg from the foot (126.5, 435) to the
  // saddle (111.5, 375), no inner wheel circles.
  EXPECT_TRUE(s.Dots(4, 15).empty());
  bool leg = false;
  for (const LineCall& l : LineCalls(s.Lines(4)))
    leg |= l.x1 == 126.5f && l.y1 == 435 && l.x2 == 111.5f && l.y2 == 375 && l.width == 10;
  EXPECT_TRUE(leg);
  EXPECT_TRUE(s.Has(4, "何かキーを押して下さい。"));
}

TEST_F(BrakingAnimationTest, FiftyFramesTwentyUnitsApartWithTheirPauses) {
  for (int k : {5, 8}) {
    SCOPED_TRACE(k);
    std::vector<int> want;
    for (int f = 1; f <= 9; ++f) want.insert(want.end(), {10, 10});
    want.insert(want.end(), {10, 10, 10});  // frame 10 holds the "！"
    for (int f = 11; f <= 15; ++f) want.push_back(10);
    for (int f = 16; f <= 50; ++f) want.push_back(20);
    EXPECT_EQ(Pauses(s, k), want);
    // The rear wheel of the pedalling pose (with its inner circle) moves 20
    // units a frame, from 94 in frame 1 to 1074 in frame 50.
    auto inner = s.Dots(k, 15);
    ASSERT_EQ(inner.size(), 100u);
    for (size_t f = 0; f < 50; ++f) EXPECT_FLOAT_EQ(inner[2 * f].x, 94 + 20 * f) << f;
    // Brake marks from frame 35 on: 16 frames of two zigzags.
    EXPECT_EQ(s.Lines(k, "DrawPolyline").size(), 32u);
    // The "！" twice, above the rider of frame 10.
    EXPECT_EQ(s.Glyphs(k, "！").size(), 2u);
    EXPECT_TRUE(s.WipeFrom(k, 0, 260));
    EXPECT_TRUE(s.Has(k, "次のステップは１を入力。"));
  }
  // 2 at the step prompt runs it again from the start position.
  EXPECT_EQ(s.Dots(7, 30).front().x, 74);
  EXPECT_FALSE(s.WipeFrom(7, 0, 0));
}

TEST_F(BrakingAnimationTest, StillPictureTakesEightKeys) {
  EXPECT_TRUE(s.WipeFrom(10, 0, 0));
  EXPECT_EQ(s.Dots(10, 30).front().x, 74);  // the first figure's frame at 44
  ExpectGlyphs(s, {{10, 149, 20, 0, "！"}, {14, 253, 70, 7, "空"}, {16, 853, 70, 5, "制"},
                   {17, 621, 250, 3, "停"}, {17, 40, 310, 5, "制"}});
  EXPECT_TRUE(s.Has(17, "ブレーキがききはじめてから、自動車が停止するまでの距離"));
  // The three figures: 44, 644 and 1044; brake marks only with the second.
  EXPECT_EQ(s.Dots(11, 30).front().x, 674);
  EXPECT_EQ(s.Lines(11, "DrawPolyline").size(), 2u);
  EXPECT_EQ(s.Dots(12, 30).front().x, 1074);
  EXPECT_TRUE(s.WipeFrom(18, 0, 0));
}

TEST_F(BrakingAnimationTest, ChartDotsStandAtTheTopCentreOfTheirBars) {
  ExpectHas(s, 18, {"グラフは、ある自動車の速さと制動距離", "の関係を表したものです。",
                    "この自動車の速さと制動距離の関係は？"});
  ExpectGlyphs(s, {{18, 30, 130, 3, "Q"}});
  // Bars 40 wide from 780, 8 units per metre of 0.006 v².
  std::vector<LineCall> bars;
  for (const LineCall& l : LineCalls(s.Lines(18)))
    if (l.shape == "fill" && l.fillColour == 13) bars.push_back(l);
  ASSERT_EQ(bars.size(), 9u);
  for (int k = 1; k <= 9; ++k) {
    SCOPED_TRACE(k);
    const LineCall& bar = bars[static_cast<size_t>(k - 1)];
    float v = 10.0f * k;
    EXPECT_FLOAT_EQ(std::min(bar.x1, bar.x2), 780 + 40 * (k - 1));
    EXPECT_NEAR(std::min(bar.y1, bar.y2), 550 - 0.048 * v * v, 0.01);
    auto dot = s.Dots(19 + k, 7);
    ASSERT_EQ(dot.size(), 1u);
    EXPECT_NEAR(dot[0].x, (bar.x1 + bar.x2) / 2, 0.01);
    EXPECT_NEAR(dot[0].y, std::min(bar.y1, bar.y2), 0.05);
  }
  auto origin = s.Dots(19, 7);
  ASSERT_EQ(origin.size(), 1u);
  EXPECT_FLOAT_EQ(origin[0].x, 760);
  EXPECT_FLOAT_EQ(origin[0].y, 550);
  // Eleven key waits on the page after its first, then the law and the line at once.
  for (int k = 19; k <= 29; ++k) EXPECT_TRUE(s.Has(k, "何かキーを押して下さい。")) << k;
  // Level with the "Q" (30), clear of the distance "40" at its end.
  ExpectGlyphs(s, {{30, 30, 200, 5, "自"}});
  EXPECT_TRUE(s.Has(30, kLine));
  EXPECT_FALSE(s.Has(30, "何かキーを押して下さい。"));
}

TEST(BrakingTableScreen, TableThenElevenKeysOfWorking) {
  // Steps: 4 the entry, 5 to 15 the keys; 15 ends with the sub-menu line.
  Replay r = RunOrvenna("1\n2\n" + std::string(11, 'x') + "8\n7\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  auto rows = s.Cells(4, 50);
  ASSERT_EQ(rows.size(), 2u);
  const std::vector<std::string> xs = {"x", "20", "30", "40", "50", "60"};
  const std::vector<std::string> ys = {"y", "2.4", "5.4", "9.6", "15.0", "21.6"};
  for (auto& [top, want] : std::vector<std::pair<float, std::vector<std::string>>>{{80, xs}, {130, ys}}) {
    SCOPED_TRACE(top);
    const auto& row = rows[top];
    ASSERT_EQ(row.size(), want.size());
    for (size_t i = 0; i < row.size(); ++i) {
      EXPECT_EQ(row[i].text, want[i]);
      EXPECT_FLOAT_EQ(row[i].x, i == 0 ? 66 : 106 + 120 * (i - 1));
    }
  }
  ExpectGlyphs(s, {{4, 30, 20, 3, "時"}, {4, 30, 190, 7, "問"}, {5, 66, 240, 3, "y"},
                   {6, 66, 290, 0, "2"}, {10, 30, 360, 7, "問"}, {11, 66, 410, 3, "y"},
                   {12, 66, 460, 0, "y"}});
  ExpectHas(s, 9, {"y=0.006x^2"});
  for (int k = 4; k <= 14; ++k) EXPECT_TRUE(s.Has(k, "何かキーを押して下さい。")) << k;
  EXPECT_TRUE(s.Has(15, "60m"));
  EXPECT_TRUE(s.Has(15, kLine));
  EXPECT_FALSE(s.Has(15, "何かキーを押して下さい。"));
}

TEST(BrakingExplanationScreen, QuestionsAtOnceAnswersAtTheirEndsFiveKeys) {
  // Steps: 4 the entry, 5 to 9 the keys; 9 ends with the sub-menu line.
  Replay r = RunOrvenna("1\n3\n" + std::string(5, 'x') + "8\n7\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  auto rows = s.Cells(4, 50);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_FLOAT_EQ(rows[150].front().x, 40);
  EXPECT_EQ(rows[200].back().text, "21.6");
  ExpectGlyphs(s, {{4, 74, 90, 7, "y"}, {4, 40, 320, 3, "①"}, {4, 40, 370, 3, "②"},
                   {4, 40, 420, 3, "③"}, {7, 74, 470, 3, "速"}, {8, 74, 520, 5, "y"},
                   {9, 74, 570, 5, "制"}});
  // The answers 20 after the ends of their questions.
  for (auto [k, y, text] : std::vector<std::tuple<int, float, std::string>>{{5, 320, "4"}, {6, 370, "6"}}) {
    auto question = s.Glyphs(4, "？");
    ASSERT_GE(question.size(), 2u);
    auto answer = s.Glyphs(k, text);
    ASSERT_FALSE(answer.empty());
    EXPECT_FLOAT_EQ(answer.front().y, y);
    EXPECT_GT(answer.front().x, question[k - 5].x);
  }
  // The arcs' labels under the table between the column centres 260-380, 500-620.
  auto one = s.Glyphs(4, "①"), two = s.Glyphs(4, "②");
  ASSERT_EQ(one.size(), 2u);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_GT(one[0].y, 250);
  EXPECT_NEAR(one[0].x, 320, 30);
  EXPECT_NEAR(two[0].x, 560, 30);
  for (int k = 4; k <= 8; ++k) EXPECT_TRUE(s.Has(k, "何かキーを押して下さい。")) << k;
  EXPECT_TRUE(s.Has(9, kLine));
  EXPECT_FALSE(s.Has(9, "何かキーを押して下さい。"));
}

TEST(PendulumScreens, FourKeysThenOneAndTheirLines) {
  // Steps: 4 question 3, 5 to 8 its keys; 10 the answers of question 4,
  // 11 its only key (part (2)), then the line at once.
  Replay r = RunOrvenna("1\n4\nxxxx5\nx8\n7\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  ExpectGlyphs(s, {{4, 40, 30, 7, "<"}, {4, 40, 90, 0, "周"}, {4, 40, 160, 3, "y"},
                   {5, 40, 300, 0, "y"}, {7, 40, 370, 5, "答"},
                   {8, 40, 470, 7, "問"}});
  for (int k = 4; k <= 7; ++k) EXPECT_TRUE(s.Has(k, "何かキーを押して下さい。")) << k;
  EXPECT_TRUE(s.Has(8, kLine));
  EXPECT_FALSE(s.Has(8, "何かキーを押して下さい。"));

  EXPECT_TRUE(s.WipeFrom(10, 0, 0));
  ExpectGlyphs(s, {{10, 132, 30, 7, "<"}, {10, 44, 90, 7, "("}, {10, 132, 170, 0, "1"},
                   {11, 44, 330, 7, "("}, {11, 120, 410, 0, "4"}});
  ExpectHas(s, 10, {"x=2", "答 2秒"});
  ExpectHas(s, 11, {"x=4", "答 4秒"});
  EXPECT_FALSE(s.Has(10, "(2)"));
  EXPECT_TRUE(s.Has(11, kLine));
  EXPECT_FALSE(s.Has(11, "何かキーを押して下さい。"));
}

}  // namespace
}  // namespace lessons::testing
