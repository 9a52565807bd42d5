// Unit 2 of Palisteo (the rolling ball and the falling body), driven through
// key scripts on the headless host and read back step by step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

const char kLine[] = " ①動く　②分解　③0.5秒　④表　⑤グラフ　⑥式、定義　⑦例１　⑧問１　⑨終了";
const char kAnyKey[] = "何かキーを押して下さい。";
const char kNextStep[] = "次のステップは１を入力。";

// "2\r" enters the unit (steps 0 to 2: menu, echo, goal and sub-menu);
// "n\r" then starts screen n in step 4.
std::string Unit(const std::string& keys) { return "2\r" + keys; }
std::string Keys(int n) { return std::string(static_cast<size_t>(n), 'k'); }

// The text of a table cell; an empty cell shows no digit (the raised letter
// of a text just below a table may reach into its last row).
bool CellShows(const TableCell& cell, const std::string& text) {
  if (text.empty()) return cell.text.find_first_of("0123456789") == std::string::npos;
  return Canon(cell.text) == Canon(text);
}

const char kSlope[] = "DrawPolyline\t0\t1\t13\t3\t0,360\t48,360\t1488,600\t0,600\t0,360";
const char kSlopeLight[] = "DrawPolyline\t15\t1\t13\t3\t0,360\t48,360\t1488,600\t0,600\t0,360";

// ---- unit entry and sub-menu ----------------------------------------------

TEST(RollingBallUnit, GoalOnceThenTheLineUntilItsLastItem) {
  Replay r = RunReplay("palisteo", Unit("0\r10\r9\r2\r9\r9\r"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  ExpectGoal(s, 2, "関数y=ax^2の意味を理解しよう。", "関", kLine);
  // 0 and 10 ask the line again without the goal and without wiping.
  for (int k : {4, 7}) {
    EXPECT_TRUE(s.Has(k, kLine)) << k;
    EXPECT_FALSE(s.Has(k, "<めあて>")) << k;
    EXPECT_FALSE(s.WipeFrom(k, 0, 0)) << k;
  }
  // 9 goes to the main menu; entering again shows the goal again.
  EXPECT_EQ(s.MenuDraws(9, 9), 1);
  EXPECT_TRUE(s.Has(11, "<めあて>"));
  EXPECT_EQ(s.MenuDraws(13, 13), 1);
}

TEST(RollingBallUnit, AThousandScreensLeaveTheStackAsItWas) {
  // Every screen, then the main menu and back, over and over.
  // Quick visits (screens without waits, the range test, the main menu and
  // back) and now and then every screen.
  const std::vector<std::string> visits = {"2\r", "3\r", "8\r", "0\r", "9\r2\r"};
  const std::string allScreens = "1\rk4\r" + Keys(10) + "5\r" + Keys(18) + "6\r" + Keys(10) +
                                 "7\r1\r" + Keys(11);
  std::string keys = "2\r";
  for (int i = 0; i < 1000; ++i) {
    keys += visits[static_cast<size_t>(i) % visits.size()];
    if (i % 200 == 0) keys += allScreens;
  }
  ExpectStackStaysLevel(keys + "9\r9\r");
}

TEST(RollingBallUnit, EveryScreenStartsOnTheWholeWindowWiped) {
  // ⑦ and ⑧ after ① to ④ (whose slope tip lies right of x 1320); ② and ③ after ⑤.
  const std::string keys = "1\rk2\r3\r4\r" + Keys(10) + "7\r1\r" + Keys(11) + "8\r5\r" + Keys(18) +
                           "2\r5\r" + Keys(18) + "3\r6\r" + Keys(10);
  Replay r = RunReplay("palisteo", Unit(keys));
  int screens = 0;
  bool starts = false;  // the sub-menu line was just erased
  for (const std::string& line : r.log) {
    if (line.rfind("DrawLine\t0\t657\t992\t720\tfill", 0) == 0) {
      starts = true;
    } else if (starts && line.rfind("Draw", 0) == 0) {
      starts = false;
      ++screens;
      EXPECT_EQ(line.rfind("DrawLine\t0\t0\t1760\t1800\tfill\t15\t15", 0), 0u) << screens << line;
    }
  }
  EXPECT_EQ(screens, 11);
}

// ---- screens ① to ③ and the drawings of the ball --------------------------

TEST(RollingBallScreens, MotionScreenRollsTheBallAfterOneKey) {
  // The key typed after "1" goes to the sub-menu: nothing is read while the
  // ball rolls.
  Replay r = RunReplay("palisteo", Unit("1\rk3\r9\r9\r"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  EXPECT_EQ(s.Lines(4, "DrawPolyline").front(), kSlope);
  auto rest = s.Dots(4, 25);
  ASSERT_EQ(rest.size(), 1u);
  EXPECT_EQ(rest[0].x, 48);
  EXPECT_EQ(rest[0].y, 335);
  EXPECT_EQ(rest[0].colour, 8);
  EXPECT_TRUE(s.Has(4, kAnyKey));

  // Step 5: 110 frames, each a band wipe, the slope, the ball, its mark and a pause.
  EXPECT_EQ(s.Lines(5, "Pause\t3").size(), 110u);
  EXPECT_EQ(s.Lines(5, "Pause").size(), 110u);
  EXPECT_TRUE(s.WipeFrom(5, 0, 307));
  auto balls = s.Dots(5, 25);
  ASSERT_EQ(balls.size(), 110u);
  EXPECT_NEAR(balls.back().x, 1539.9, 0.1);
  EXPECT_NEAR(balls.back().y, 583.7, 0.1);
  // Every ball stands on the slope's line, 25 above its contact point.
  for (const CircleCall& b : balls) EXPECT_NEAR(b.y + 25, 360 + (b.x - 48) / 6, 0.05) << b.x;
  // The turning mark: arcs of radius 15, the fourth of every four running
  // from 0.9 round to 0.15.
  auto marks = s.Dots(5, 15);
  ASSERT_EQ(marks.size(), 110u);
  const float starts[] = {0.3f, 0.6f, 0.9f, 0}, ends[] = {0.55f, 0.85f, 0.15f, 0.25f};
  for (size_t i = 0; i < 110; ++i) {
    EXPECT_EQ(marks[i].fill, 0) << i;
    EXPECT_NEAR(marks[i].start, starts[i % 4], 1e-6) << i;
    EXPECT_NEAR(marks[i].end, ends[i % 4], 1e-6) << i;
  }
  // Then the sub-menu at once, over the last frame.
  EXPECT_TRUE(s.Has(5, kLine));
  EXPECT_FALSE(s.WipeFrom(6, 0, 0));
}

TEST(RollingBallScreens, StepsScreenDrawsItsBallsOnTheWipedWindow) {
  Replay r = RunReplay("palisteo", Unit("2\r9\r9\r"));
  Steps s(r.log);
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  EXPECT_FALSE(s.WipeFrom(4, 0, 307));
  EXPECT_EQ(s.Lines(4, "DrawPolyline").front(), kSlopeLight);
  auto balls = s.Dots(4, 25);
  ASSERT_EQ(balls.size(), 35u);
  for (const CircleCall& b : balls) EXPECT_EQ(b.colour, 10);
  // d = 0.5 for the first ball, 2380.5 for the last (far beyond the window).
  EXPECT_NEAR(balls.front().x, 48 + 0.5 * 0.986393, 0.01);
  EXPECT_NEAR(balls.back().x, 48 + 2380.5 * 0.986393, 0.5);
  EXPECT_NEAR(balls.back().y + 25, 360 + 2380.5 * 0.164403, 0.5);
  EXPECT_TRUE(s.Has(4, kLine));
  EXPECT_EQ(s.MenuDraws(6, 6), 1);
}

TEST(RollingBallScreens, TimesScreenShowsSixBallsWithTheirLabels) {
  Replay r = RunReplay("palisteo", Unit("3\r9\r9\r"));
  Steps s(r.log);
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  EXPECT_TRUE(s.WipeFrom(4, 0, 307));
  EXPECT_EQ(s.Lines(4, "DrawPolyline").front(), kSlopeLight);
  auto balls = s.Dots(4, 25);
  ASSERT_EQ(balls.size(), 6u);
  const float cx[] = {48.0f, 93.4f, 229.5f, 456.4f, 774.0f, 1182.4f};
  const float cy[] = {335.0f, 342.6f, 365.3f, 403.1f, 456.0f, 524.1f};
  for (int i = 0; i < 6; ++i) {
    EXPECT_NEAR(balls[static_cast<size_t>(i)].x, cx[i], 0.05) << i;
    EXPECT_NEAR(balls[static_cast<size_t>(i)].y, cy[i], 0.05) << i;
    EXPECT_EQ(balls[static_cast<size_t>(i)].colour, 14);
  }
  EXPECT_TRUE(s.Has(4, "0秒0m0.1秒0.02m0.2秒0.08m0.3秒0.18m0.4秒0.32m0.5秒0.5m"));
  // Labels under the balls; the second ball's lower, the last one's above.
  ExpectGlyphs(s, {{4, 26, 368, 3, "0"}, {4, 26, 416, 0, "0"}});
  auto zeros = s.Glyphs(4, "0");
  auto at = [&](float x, float y, int colour) {
    for (const TextCall& g : zeros)
      if (std::fabs(g.x - x) < 0.05f && std::fabs(g.y - y) < 0.05f && g.colour == colour) return true;
    return false;
  };
  EXPECT_TRUE(at(93.374f - 16, 367.563f + 100, 3));
  EXPECT_TRUE(at(93.374f - 16, 367.563f + 150, 0));
  EXPECT_TRUE(at(1182.35f - 88, 549.06f - 100, 3));
  EXPECT_TRUE(at(1182.35f - 88, 549.06f - 10, 0));
  EXPECT_TRUE(s.Has(4, kLine));
}

// ---- screen ④: the distance table -------------------------------------------

class DistanceTableTest : public ::testing::Test {
 protected:
  Replay r = RunReplay("palisteo", Unit("4\r" + Keys(10) + "9\r9\r"));
  Steps s{r.log};
};

TEST_F(DistanceTableTest, PictureTableAndQuestionsBeforeTheFirstKey) {
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  EXPECT_EQ(s.Dots(4, 25).size(), 6u);
  ExpectGlyphs(s, {{4, 30, 20, 7, "課"}, {4, 30, 70, 0, "("}, {4, 698, 20, 0, "("},
                   {4, 786, 70, 0, "と"}, {4, 698, 170, 0, "("}, {4, 478, 240, 0, "("}});
  ExpectHas(s, 4, {"課1 x秒間にころがる距離をymとする。",
                   "(2)xが2倍、3倍…となると、yは？(3)x=0.6のときyは？(4)yはxの関数といえる理由は？", kAnyKey});
  auto rows = s.Cells(4, 50);
  ASSERT_EQ(rows.size(), 2u);
  const auto& xRow = rows[120];
  const auto& yRow = rows[170];
  ASSERT_EQ(xRow.size(), 7u);
  ASSERT_EQ(yRow.size(), 7u);
  const char* xs[] = {"x", "0", "0.1", "0.2", "0.3", "0.4", "0.5"};
  const float lefts[] = {30, 70, 168, 266, 364, 462, 560};
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(xRow[i].x, lefts[i]);
    EXPECT_EQ(xRow[i].width, i == 0 ? 40 : 98);
    EXPECT_TRUE(CellShows(xRow[i], xs[i]));
    EXPECT_EQ(yRow[i].x, lefts[i]);
    EXPECT_TRUE(CellShows(yRow[i], i == 0 ? "y" : "")) << i;
  }
}

TEST_F(DistanceTableTest, YValuesOnePerKeyThenTheAnswers) {
  const char* ys[] = {"0", "0.02", "0.08", "0.18", "0.32", "0.50"};
  for (int i = 0; i < 6; ++i) {
    auto rows = s.Cells(5 + i, 50);
    ASSERT_EQ(rows.size(), 1u) << i;
    ASSERT_EQ(rows[170].size(), 1u) << i;
    EXPECT_EQ(rows[170][0].x, 70 + 98 * i);
    EXPECT_EQ(rows[170][0].width, 98);
    EXPECT_TRUE(CellShows(rows[170][0], ys[i]));
    EXPECT_EQ(s.Glyphs(5 + i, "0").front().colour, 3);
  }
  // One more key before the answer of (2).
  EXPECT_TRUE(s.Cells(11, 50).empty());
  EXPECT_FALSE(s.Has(11, "倍"));
  EXPECT_TRUE(s.GlyphAt(12, 786, 120, 3, "4"));
  EXPECT_TRUE(s.Has(12, "4倍,9倍,16倍,…"));
  // "0.72" right after the question of (3).
  auto g = s.Glyphs(13, "0");
  ASSERT_FALSE(g.empty());
  EXPECT_GT(g.front().x, 900);
  EXPECT_EQ(g.front().y, 170);
  EXPECT_EQ(g.front().colour, 3);
  EXPECT_TRUE(s.Has(13, "0.72"));
  EXPECT_TRUE(s.GlyphAt(14, 566, 290, 3, "x") || s.Has(14, "xの値を決めると、yの値が"));
  EXPECT_TRUE(s.Has(14, "xの値を決めると、yの値がただ1つに決まるから"));
}

TEST_F(DistanceTableTest, TenKeysThenTheSubMenuAtOnce) {
  EXPECT_EQ(s.LastOfRun(kAnyKey, 4), 13);  // key waits in steps 4 to 13
  EXPECT_EQ(s.Find(kLine, 4), 14);
  EXPECT_FALSE(s.Has(14, "<めあて>"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
}

// ---- screen ⑤: the distance graph -----------------------------------------

class DistanceGraphTest : public ::testing::Test {
 protected:
  Replay r = RunReplay("palisteo", Unit("5\r" + Keys(18) + "9\r9\r"));
  Steps s{r.log};
  std::vector<CircleCall> Points(int k) const { return s.Dots(k, 6); }
};

TEST_F(DistanceGraphTest, CompletedTableThenTheSixPointsOnePerKey) {
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  EXPECT_TRUE(s.GlyphAt(4, 30, 20, 7, "点"));
  auto rows = s.Cells(4, 50);
  ASSERT_EQ(rows.size(), 2u);
  // The empty y row, then its six values at once.
  const char* ys[] = {"0", "0.02", "0.08", "0.18", "0.32", "0.50"};
  ASSERT_EQ(rows[120].size(), 13u);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(rows[120][i + 7].x, 70 + 98 * static_cast<float>(i));
    EXPECT_TRUE(CellShows(rows[120][i + 7], ys[i])) << i;
  }
  EXPECT_EQ(rows[70][6].x + rows[70][6].width, 658);
  EXPECT_TRUE(Points(4).empty());
  // Step 5: the plane and the first point, on the origin.
  // The axes carry the values (their digits), never grid indices: 0.1 to 0.5
  // on both, y's 0.5 between the table and the axis.
  EXPECT_EQ(s.Glyphs(5, "01").size() + s.Glyphs(5, "05").size(), 4u);
  EXPECT_TRUE(s.Glyphs(5, "25").empty() && s.Glyphs(5, "5").empty());
  const float xs[] = {0, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f};
  for (int i = 0; i < 6; ++i) {
    auto p = Points(5 + i);
    ASSERT_EQ(p.size(), 1u) << i;
    EXPECT_NEAR(p[0].x, 730 + 1000 * xs[i], 0.01);
    EXPECT_NEAR(p[0].y, 590 - 2000 * xs[i] * xs[i], 0.01);
    EXPECT_EQ(p[0].colour, 3);
  }
}

TEST_F(DistanceGraphTest, DenserRunsEndInTheTopRightCorner) {
  auto run2 = Points(11);
  auto run3 = Points(12);
  ASSERT_EQ(run2.size(), 26u);
  ASSERT_EQ(run3.size(), 51u);
  EXPECT_NEAR(run2[1].x - run2[0].x, 20, 0.01);
  EXPECT_NEAR(run3[1].x - run3[0].x, 10, 0.01);
  for (const auto* run : {&run2, &run3}) {
    EXPECT_NEAR(run->front().x, 730, 0.01);
    EXPECT_NEAR(run->front().y, 590, 0.01);
    EXPECT_NEAR(run->back().x, 1230, 0.01);
    EXPECT_NEAR(run->back().y, 90, 0.01);
  }
}

TEST_F(DistanceGraphTest, ClosingTextsOnePerKey) {
  ExpectGlyphs(s, {{13, 30, 190, 7, "Q"}, {14, 30, 240, 7, "比"}, {15, 30, 350, 0, "3"},
                   {16, 30, 410, 0, "グ"}, {18, 30, 460, 7, "一"}, {19, 30, 510, 0, "変"},
                   {21, 30, 560, 0, "グ"}});
  const std::pair<int, const char*> texts[] = {
      {13, "Qこの関数とこれまでの関数との違いは?"}, {14, "比例・反比例との違いxが2倍、3倍…となっても、"},
      {15, "yは2倍3倍…にも、"}, {17, "直線でも双曲線でもない"}, {20, "一定ではない"}, {22, "曲線になっている"}};
  for (const auto& [k, text] : texts) ExpectHas(s, k, {text});
  EXPECT_EQ(s.LastOfRun(kAnyKey, 4), 21);  // key waits in steps 4 to 21
  EXPECT_EQ(s.Find(kLine, 4), 22);
}

// ---- screens ⑥ and ⑦: the table of x, x² and y --------------------------

struct Exercise {
  float margin, labelWidth, valueWidth;
  std::vector<std::string> xs, squares, ys;
  std::string answer2, answer3;
};

// The exercise drawn in step k: table rows x, x² (empty) and y at 130, 180,
// 230 with the questions; the x² cells one per key; one more key; the two
// answers one per key. Ten key waits from step k on.
void CheckExercise(const Steps& s, int k, const Exercise& e) {
  auto rows = s.Cells(k, 50);
  ASSERT_EQ(rows.size(), 3u);
  for (float top : {130.0f, 180.0f, 230.0f}) ASSERT_EQ(rows[top].size(), 7u) << top;
  for (size_t i = 0; i < 7; ++i) {
    const float x = i == 0 ? e.margin : e.margin + e.labelWidth + e.valueWidth * (i - 1);
    EXPECT_EQ(rows[130][i].x, x) << i;
    EXPECT_EQ(rows[130][i].width, i == 0 ? e.labelWidth : e.valueWidth) << i;
    EXPECT_TRUE(CellShows(rows[130][i], i == 0 ? "x" : e.xs[i - 1])) << i;
    EXPECT_TRUE(CellShows(rows[180][i], i == 0 ? "x2" : "")) << i;
    EXPECT_TRUE(CellShows(rows[230][i], i == 0 ? "y" : e.ys[i - 1])) << i;
  }
  ExpectGlyphs(s, {{k, e.margin, 80, 0, "("}, {k, e.margin, 310, 0, "("}, {k, e.margin, 440, 0, "("}});
  ExpectHas(s, k, {"(1)表を完成しなさい。", "(2)x^2とyの関係は？", "(3)yをxの式で表すと"});
  for (int i = 0; i < 6; ++i) {
    auto cells = s.Cells(k + 1 + i, 50);
    ASSERT_EQ(cells[180].size(), 1u) << i;
    EXPECT_EQ(cells[180][0].x, e.margin + e.labelWidth + e.valueWidth * i);
    EXPECT_TRUE(CellShows(cells[180][0], e.squares[static_cast<size_t>(i)])) << i;
  }
  EXPECT_TRUE(s.Cells(k + 7, 50).empty());
  ExpectGlyphs(s, {{k + 8, e.margin + 88, 370, 3, "y"}, {k + 9, e.margin + 88, 500, 3, "y"}});
  ExpectHas(s, k + 8, {e.answer2});
  ExpectHas(s, k + 9, {e.answer3});
  EXPECT_EQ(s.LastOfRun(kAnyKey, k), k + 9);
}

TEST(SquareLawScreen, TableRevealedOnePerKeyThenTheDefinition) {
  Replay r = RunReplay("palisteo", Unit("6\r" + Keys(10) + "9\r9\r"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  ExpectGlyphs(s, {{4, 44, 30, 3, "課"}});
  CheckExercise(s, 4,
                {44, 88, 88, {"0", "0.1", "0.2", "0.3", "0.4", "0.5"},
                 {"0", "0.01", "0.04", "0.09", "0.16", "0.25"},
                 {"0", "0.02", "0.08", "0.18", "0.32", "0.50"}, "yはx^2の2倍", "y=2x^2"});
  // The panel and its texts, without a wait, then the sub-menu.
  auto panel = s.Lines(14, "DrawLine\t682\t58\t1186\t438\tfill\t13\t6");
  EXPECT_EQ(panel.size(), 1u);
  ExpectGlyphs(s, {{14, 736, 80, 13, "<"}, {14, 704, 130, 15, "y"}, {14, 704, 180, 11, "y"},
                   {14, 704, 230, 13, "y"}, {14, 704, 280, 15, "と"}});
  ExpectHas(s, 14, {"<関数y=ax^2の意味>yがxの関数でy=ax^2と表されるときyはxの２乗に比例するという。(aは比例定数)",
                    "=a"});
  EXPECT_EQ(s.Find(kLine, 4), 14);
}

// ---- screens ⑦ and ⑧: the falling body ------------------------------------

TEST(FallingBodyScreen, FallReplayedUntilOneThenTableAndFormula) {
  // "3" replays the fall once more, "1" goes on.
  Replay r = RunReplay("palisteo", Unit("7\r3\r1\r" + Keys(11) + "1\r" + Keys(1) + "9\r9\r"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  EXPECT_TRUE(s.Has(4, "例1 物体の落下x秒間にym落ちるとする。"));
  EXPECT_EQ(s.Lines(4, "DrawLine\t1120\t18\t1216\t610\tfill\t15\t0").size(), 33u);
  // Step 4: the ball at rest, one fall of 31 frames, then the question.
  auto falls = s.Dots(4, 16);
  ASSERT_EQ(falls.size(), 2u + 31u);
  EXPECT_EQ(falls[0].x, 1168);
  EXPECT_EQ(falls[0].y, 50);
  EXPECT_EQ(falls[2].y, 34);
  EXPECT_NEAR(falls.back().y, 594, 0.01);
  EXPECT_EQ(s.Lines(4, "Pause\t10").size(), 31u);
  EXPECT_TRUE(s.Has(4, kNextStep));
  // "3\r" (steps 5, 6): the fall again; "1\r" (steps 7, 8): the seven positions.
  EXPECT_EQ(s.Lines(6, "Pause\t10").size(), 31u);
  EXPECT_TRUE(s.Lines(8, "Pause").empty());
  auto positions = s.Dots(8, 16);
  ASSERT_EQ(positions.size(), 8u);
  const float falls7[] = {0, 15.56f, 62.22f, 140, 248.89f, 388.89f, 560};
  for (int i = 0; i < 7; ++i)
    EXPECT_NEAR(positions[static_cast<size_t>(i) + 1].y, 34 + falls7[i], 0.01) << i;

  // After a key: the exercise, then the textbook problem.
  CheckExercise(s, 9,
                {40, 60, 135, {"0", "1", "2", "3", "4", "5"}, {"0", "1", "4", "9", "16", "25"},
                 {"0", "4.9", "19.6", "44.1", "78.4", "122.5"}, "yはx^2の4.9倍", "y=4.9x^2"});
  ExpectGlyphs(s, {{19, 44, 570, 3, "教"}});
  ExpectHas(s, 19, {"教科書P93 問1　をしなさい。"});
  EXPECT_EQ(s.Find(kLine, 4), 19);

  // The slope is back for screen ①.
  EXPECT_EQ(s.Lines(21, "DrawPolyline").front(), kSlope);
  auto rest = s.Dots(21, 25);
  ASSERT_EQ(rest.size(), 1u);
  EXPECT_EQ(rest[0].x, 48);
  EXPECT_EQ(rest[0].y, 335);
  EXPECT_NEAR(s.Dots(22, 25).back().x, 1539.9, 0.1);
}

TEST(SquareLawAnswersScreen, ThreeTextsAndTheSubMenuAtOnce) {
  Replay r = RunReplay("palisteo", Unit("8\r9\r9\r"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_TRUE(s.Lines(4, "DrawLine\t0\t0\t1760\t1800\tfill\t15\t15").size() == 1);
  ExpectGlyphs(s, {{4, 121, 30, 3, "<"}, {4, 121, 110, 0, "y"}, {4, 121, 180, 5, "y"}});
  // The fraction's denominator is drawn before its numerator.
  ExpectHas(s, 4, {"<問1 解答>", "y=31×x×x×6y=2x^2", kLine});
  EXPECT_FALSE(s.Has(4, kAnyKey));
}

}  // namespace
}  // namespace lessons::testing
