// Units 5 to 7 of Palisteo (graphs of y = ax² for a > 0 and a < 0, and the
// summary), driven through key scripts and read back step by step.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

const char kAnyKey[] = "何かキーを押して下さい。";
const char kLine5[] = "①ひろげよう(表点)　②問3　③特徴　④終了";
const char kLine6[] = "①P98ひろげよう　②特徴　③問4　④終了";
const char kLine7[] = "①放物線　②開き方　③説明しよう　④まとめ特徴　⑤終了";

std::string Keys(int n) { return std::string(static_cast<size_t>(n), 'k'); }

// Unit `unit`, screen `item` with `waits` keys, then the unit's last item and
// the end: the screen starts in step 4, waits in steps 4 .. 3 + waits and
// the sub-menu line comes back in step 4 + waits.
Replay Screen(int unit, int item, int waits, int last) {
  return RunPalisteo(std::to_string(unit) + "\n" + std::to_string(item) + "\n" + Keys(waits) +
                     std::to_string(last) + "\n9\n");
}

// A screen's key waits and its return: every step from 4 on asks for a key
// until the sub-menu line comes back, at once, without the goal.
void ExpectWaitsThenLine(const Replay& r, int waits, const char* line) {
  Steps s(r.log);
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  EXPECT_EQ(s.LastOfRun(kAnyKey, 4), 3 + waits);
  EXPECT_EQ(s.Find(line, 3), 4 + waits);
  EXPECT_FALSE(s.Has(4 + waits, kAnyKey));
  EXPECT_FALSE(s.Has(4 + waits, "<めあて>"));
  EXPECT_EQ(s.MenuDraws(6 + waits, 6 + waits), 1) << "the last item returns to the main menu";
}

std::vector<std::string> RowTexts(const std::vector<TableCell>& row) {
  std::vector<std::string> out;
  for (const auto& c : row) out.push_back(c.text);
  return out;
}

void ExpectDotsAt(const std::vector<CircleCall>& dots, const std::vector<float>& xs,
                  const std::vector<float>& ys, int colour) {
  ASSERT_EQ(dots.size(), xs.size());
  for (size_t i = 0; i < xs.size(); ++i) {
    EXPECT_NEAR(dots[i].x, xs[i], 0.01) << i;
    EXPECT_NEAR(dots[i].y, ys[i], 0.01) << i;
    EXPECT_EQ(dots[i].colour, colour) << i;
  }
}

// The plain lines (not boxes) drawn in step k.
std::vector<LineCall> Strokes(const Steps& s, int k) {
  std::vector<LineCall> out;
  for (const LineCall& l : LineCalls(s.Lines(k)))
    if (l.shape != "fill" && l.shape != "box") out.push_back(l);
  return out;
}

// ---- unit entries ---------------------------------------------------------

TEST(GraphUnits, GoalOnceThenTheLineUntilItsLastItem) {
  struct Unit {
    int key;
    const char* line;
    int last;
    const char* goal;
    const char* first;
  };
  const Unit units[] = {
      {5, kLine5, 4, "①y=x^2とy=2x^2のグラフの関係を調べよう。②a>0の場合のグラフをかこう。", "①"},
      {6, kLine6, 4, "①y=2x^2とy=-2x^2のグラフの関係を調べよう。②a<0の場合のグラフをかこう。", "①"},
      {7, kLine7, 5, "y=ax^2のグラフの特徴をまとめよう。", "y"},
  };
  for (const Unit& u : units) {
    SCOPED_TRACE(u.key);
    // 0, an item past the last and -1 ask the line again; 2.2 is item 2.
    Replay r = RunPalisteo(std::to_string(u.key) + "\n0\n" + std::to_string(u.last + 1) +
                           "\n-1\n" + std::to_string(u.last) + "\n9\n");
    EXPECT_EQ(r.result.end, RunEnd::kFinished);
    Steps s(r.log);
    ExpectGoal(s, 2, u.goal, u.first, u.line);
    for (int k : {4, 6, 9}) {
      EXPECT_TRUE(s.Has(k, u.line)) << k;
      EXPECT_FALSE(s.Has(k, "<めあて>")) << k;
      EXPECT_FALSE(s.WipeFrom(k, 0, 0)) << k;
    }
    EXPECT_EQ(s.MenuDraws(11, 11), 1);
  }
}

TEST(GraphUnits, MainMenuItemEightDrawsTheMenuAgain) {
  Replay r = RunPalisteo("8\n9\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_EQ(s.MenuDraws(0, s.size() - 1), 2);
  EXPECT_EQ(s.Find("<めあて>"), -1);
}

TEST(GraphUnits, RepeatedScreenVisitsLeaveTheStackAsItWas) {
  // Every screen of units 5 to 7 over and over, with the main menu between.
  const std::string unit5 = "5\n1\n" + Keys(58) + "2\n" + Keys(9) + "3\n" + Keys(3) + "4\n";
  const std::string unit6 = "6\n1\n" + Keys(38) + "2\n" + Keys(4) + "3\n" + Keys(25) + "4\n";
  const std::string unit7 =
      "7\n1\n" + Keys(6) + "2\n" + Keys(15) + "3\n" + Keys(7) + "4\n" + Keys(4) + "5\n";
  std::string keys;
  for (int i = 0; i < 3; ++i) keys += unit5 + unit6 + unit7 + "8\n";
  ExpectStackStaysLevel(KeyScript(keys + "9\n"));
}

// ---- unit 5, screen ①: the doubled graph ------------------------------------

class DoubledGraphTest : public ::testing::Test {
 protected:
  Replay r = Screen(5, 1, 58, 4);
  Steps s{r.log};
  // x = -2 to 2 in steps of 0.5 on the plane with its origin at (1082, 578),
  // 48 pixels a unit.
  std::vector<float> xs, squares, doubles;
  void SetUp() override {
    for (int i = 0; i < 9; ++i) {
      float x = -2 + 0.5f * static_cast<float>(i);
      xs.push_back(1082 + 48 * x);
      squares.push_back(578 - 48 * x * x);
      doubles.push_back(578 - 96 * x * x);
    }
  }
};

TEST_F(DoubledGraphTest, FiftyEightKeysThenTheSubMenu) { ExpectWaitsThenLine(r, 58, kLine5); }

TEST_F(DoubledGraphTest, TableRowsFillOneCellPerKeyWithLeadingZeros) {
  auto rows = s.Cells(4, 70);
  ASSERT_EQ(rows[100].size(), 10u);
  // (a minus sign is drawn as a stroke, not a glyph)
  std::vector<std::string> want;
  for (const char* t : {"x", "-2", "-1.5", "-1", "-0.5", "0", "0.5", "1", "1.5", "2"})
    want.push_back(Canon(t));
  EXPECT_EQ(RowTexts(rows[100]), want);
  EXPECT_EQ(rows[170].size(), 10u);
  EXPECT_EQ(s.Cells(4, 65)[240].size(), 10u);
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(rows[100][i].x, 44 + 88 * static_cast<float>(i));
  const char* sq[] = {"4", "2.25", "1", "0.25", "0", "0.25", "1", "2.25", "4"};
  const char* db[] = {"8", "4.5", "2", "0.5", "0", "0.5", "2", "4.5", "8"};
  for (int i = 0; i < 9; ++i) {
    auto a = s.Cells(5 + i, 70)[170];
    ASSERT_EQ(a.size(), 1u) << i;
    EXPECT_EQ(a[0].x, 132 + 88 * i);
    EXPECT_EQ(a[0].text, sq[i]);
    EXPECT_EQ(s.Glyphs(5 + i).front().colour, 7);
    auto b = s.Cells(15 + i, 65)[240];  // one extra key after the ninth x² cell
    ASSERT_EQ(b.size(), 1u) << i;
    EXPECT_EQ(b[0].text, db[i]);
    EXPECT_EQ(s.Glyphs(15 + i).front().colour, 3);
  }
  EXPECT_TRUE(s.Cells(14, 70).empty());
}

TEST_F(DoubledGraphTest, PointsOnePerKeyAndTheDoublingSegmentsFromTheirCentres) {
  for (int i = 0; i < 9; ++i) {
    ExpectDotsAt(s.Dots(25 + i, 9), {xs[static_cast<size_t>(i)]}, {squares[static_cast<size_t>(i)]}, 5);
    ExpectDotsAt(s.Dots(34 + i, 9), {xs[static_cast<size_t>(i)]}, {doubles[static_cast<size_t>(i)]}, 3);
    // Key 43 is the extra one; each pair from the axis up through the point
    // of y = x² to the point of y = 2x², at width 5.
    auto lines = Strokes(s, 44 + i);
    ASSERT_EQ(lines.size(), 2u) << i;
    const float x = xs[static_cast<size_t>(i)];
    EXPECT_NEAR(lines[0].x1, x, 0.01);
    EXPECT_NEAR(lines[0].y1, 578, 0.01);
    EXPECT_NEAR(lines[0].y2, squares[static_cast<size_t>(i)], 0.01);
    EXPECT_EQ(lines[0].colour, 5);
    EXPECT_NEAR(lines[1].y1, squares[static_cast<size_t>(i)], 0.01);
    EXPECT_NEAR(lines[1].x2, x, 0.01);
    EXPECT_NEAR(lines[1].y2, doubles[static_cast<size_t>(i)], 0.01);
    EXPECT_EQ(lines[1].colour, 3);
    EXPECT_EQ(lines[0].width, 5);
  }
  ExpectGlyphs(s, {{54, 88, 330, 5, "y"}});
}

TEST_F(DoubledGraphTest, PlaneAgainThenEverFinerDotsAndTheCurve) {
  EXPECT_TRUE(s.WipeFrom(55, 938, 0));
  ExpectDotsAt(s.Dots(55, 7), xs, doubles, 3);
  EXPECT_TRUE(s.Has(56, "y=x^2のy座標を2倍にして点をとればよい。"));
  auto fine = s.Dots(57, 5);
  ASSERT_EQ(fine.size(), 47u);
  EXPECT_NEAR(fine.front().x, 1082 - 48 * 2.3, 0.01);
  EXPECT_NEAR(fine.back().x, 1082 + 48 * 2.3, 0.01);
  EXPECT_EQ(s.Dots(58, 3).size(), 93u);
  EXPECT_TRUE(s.Has(59, "y=2x^2"));
  ExpectGlyphs(s, {{60, 44, 450, 0, "教"}, {62, 44, 570, 3, "教"}});
  EXPECT_TRUE(s.WipeFrom(61, 938, 0));
}

// ---- unit 6, screen ①: the mirrored graph -----------------------------------

class MirroredGraphTest : public ::testing::Test {
 protected:
  Replay r = Screen(6, 1, 38, 4);
  Steps s{r.log};
  // x = -2 to 2 on the plane with its origin at (855, 325), 50 pixels a unit.
  static float Px(int i) { return 755 + 50 * static_cast<float>(i); }
  static float Up(int i) { return 325 - 50 * static_cast<float>((i - 2) * (i - 2)); }
  static float Down(int i) { return 325 + 50 * static_cast<float>((i - 2) * (i - 2)); }
};

TEST_F(MirroredGraphTest, ThirtyEightKeysThenTheSubMenu) { ExpectWaitsThenLine(r, 38, kLine6); }

TEST_F(MirroredGraphTest, TableAndTheNegatedSquaresOnePerKey) {
  auto rows = s.Cells(4, 50);
  const std::vector<std::string> xRow = {"x", "…", "3", "2", "1", "0", "1", "2", "3", "…"};
  EXPECT_EQ(RowTexts(rows[90]), xRow);
  EXPECT_EQ(RowTexts(rows[140]),
            (std::vector<std::string>{"x2", "…", "9", "4", "1", "0", "1", "4", "9", "…"}));
  ASSERT_EQ(rows[190].size(), 10u);
  for (size_t i = 2; i < 9; ++i) EXPECT_EQ(rows[190][i].text, "") << i;
  EXPECT_EQ(rows[190][2].x, 170);
  EXPECT_EQ(rows[190][9].x, 590);
  const char* values[] = {"9", "4", "1", "0", "1", "4", "9"};  // minus signs are strokes
  for (int i = 0; i < 7; ++i) {
    auto cell = s.Cells(5 + i, 50)[190];
    ASSERT_EQ(cell.size(), 1u) << i;
    EXPECT_EQ(cell[0].x, 170 + 60 * i);
    EXPECT_EQ(cell[0].text, values[i]);
    EXPECT_EQ(s.Glyphs(5 + i).front().colour, 5);
    // "0" at x = 0 has no minus: no stroke inside its box.
    if (i == 3) { EXPECT_TRUE(Strokes(s, 5 + i).empty()); }
  }
  EXPECT_TRUE(s.Cells(12, 50).empty());
}

TEST_F(MirroredGraphTest, PointsKeptAndTheMirrorSegmentsFromTheAxis) {
  for (int i = 0; i < 5; ++i) ExpectDotsAt(s.Dots(13 + i, 6), {Px(i)}, {Down(i)}, 3);
  EXPECT_TRUE(s.Has(19, "y=-x^2"));
  std::vector<float> px, up;
  for (int i = 0; i < 5; ++i) px.push_back(Px(i)), up.push_back(Up(i));
  ExpectDotsAt(s.Dots(21, 6), px, up, 3);
  EXPECT_FALSE(s.Has(22, "Q"));
  for (int i = 0; i < 5; ++i) {
    // Down from the axis, then up, each drawn whole (the x labels move clear).
    auto lines = Strokes(s, 23 + i);
    ASSERT_EQ(lines.size(), 2u) << i;
    const auto& down = lines.front();
    const auto& last = lines.front();
    EXPECT_NEAR(down.x1, Px(i), 0.01);
    EXPECT_NEAR(down.y1, 325, 0.01);
    EXPECT_NEAR(last.x2, Px(i), 0.01);
    EXPECT_NEAR(last.y2, Down(i), 0.01);
    EXPECT_EQ(last.colour, 3);
    EXPECT_NEAR(lines.back().y1, 325, 0.01);
    EXPECT_NEAR(lines.back().y2, Up(i), 0.01);
    EXPECT_EQ(lines.back().colour, 7);
    EXPECT_EQ(lines.back().width, 4);
  }
  ExpectGlyphs(s, {{29, 40, 300, 3, "y"}});
  EXPECT_TRUE(s.Has(30, "x軸について対称"));
  for (const TextCall& g : s.Glyphs(30, "軸")) EXPECT_EQ(g.colour, 5);
}

TEST_F(MirroredGraphTest, MirroredPointsDenserDotsAndTheCurve) {
  EXPECT_TRUE(s.WipeFrom(31, 680, 0));
  ExpectGlyphs(s, {{31, 40, 420, 7, "Q"}, {32, 40, 470, 3, "y"}, {32, 40, 520, 3, "対"}});
  EXPECT_EQ(s.Dots(32, 6).size(), 5u);
  // A key before each mirrored point.
  EXPECT_TRUE(s.Dots(33).empty());
  for (int i = 0; i < 5; ++i) ExpectDotsAt(s.Dots(34 + i, 6), {Px(i)}, {Down(i)}, 3);
  auto even = s.Dots(39, 5);
  ASSERT_EQ(even.size(), 24u);
  EXPECT_NEAR(even[0].y, 600, 0.01);
  EXPECT_NEAR(even[0].x, 855 - 50 * std::sqrt(5.5f), 0.01);
  EXPECT_EQ(s.Dots(40, 5).size(), 41u);
  EXPECT_TRUE(s.Has(41, "y=-x^2"));
  EXPECT_TRUE(s.WipeFrom(42, 680, 0));
  EXPECT_FALSE(s.WipeFrom(42, 0, 0));
}

// ---- units 5 and 6: answers and features -----------------------------------

TEST(GraphAnswers, PositiveAHalfSquarePointsOnePerKey) {
  Replay r = Screen(5, 2, 9, 4);
  ExpectWaitsThenLine(r, 9, kLine5);
  Steps s(r.log);
  // The plane's origin at (610, 620), 60 units a unit; y = x²'s name at its top right.
  ExpectGlyphs(s, {{4, 88, 20, 3, "問"}, {4, 820, 50, 7, "y"}});
  std::vector<float> px, py;
  for (int x = -3; x <= 3; ++x) px.push_back(610 + 60.0f * x), py.push_back(620 - 60.0f * x * x);
  ExpectDotsAt(s.Dots(5, 5), px, py, 7);
  for (int i = 0; i < 7; ++i)
    ExpectDotsAt(s.Dots(6 + i, 5), {px[static_cast<size_t>(i)]},
                 {620 - 30.0f * static_cast<float>((i - 3) * (i - 3))}, 3);
  // (a stacked fraction draws its denominator first)
  EXPECT_TRUE(s.Has(13, "y=21x^2"));
}

TEST(GraphAnswers, NegativeAPairsOnGridHeightsThenPointsBeyondThePlane) {
  Replay r = Screen(6, 3, 25, 4);
  ExpectWaitsThenLine(r, 25, kLine6);
  Steps s(r.log);
  for (int k = 11; k >= 0; --k) {
    auto pair = s.Dots(16 - k, 5);
    ASSERT_EQ(pair.size(), 2u) << k;
    const float x = 50 * std::sqrt(static_cast<float>(k) / 4);
    EXPECT_NEAR(pair[0].x, 575 - x, 0.01);
    EXPECT_NEAR(pair[1].x, 575 + x, 0.01);
    EXPECT_NEAR(pair[0].y, 325 + 25.0f * static_cast<float>(k), 0.01);
    EXPECT_EQ(pair[0].colour, 7);
  }
  EXPECT_TRUE(s.Dots(17).empty());
  EXPECT_TRUE(s.Has(18, "y=-2x^2"));
  for (int i = 0; i < 9; ++i) {
    const float x = static_cast<float>(i - 4);
    ExpectDotsAt(s.Dots(19 + i, 5), {575 + 50 * x}, {325 + 25 * x * x}, 3);
  }
  EXPECT_TRUE(s.Has(29, "y=21x^2"));
}

// The fill-in boxes of a features screen: "①" "②" "③", then the answers.
void ExpectFeatureBoxes(const Steps& s, const char* side) {
  ExpectGlyphs(s, {{4, 44, 170, 0, "("}, {4, 44, 240, 0, "("}, {4, 125, 290, 0, "と"},
                   {4, 44, 360, 0, "("}});
  ExpectHas(s, 4, {"(1)①を通る。", "(2)②を対称の軸として線対称である。", "(3)x軸の③にある。"});
  const char* answers[] = {"原点", "y軸", side};
  const float lines[] = {170, 240, 360};
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(answers[k]);
    EXPECT_TRUE(s.Has(5 + k, answers[k]));
    // The box again, 3 above the line, filled with colour 13, then its answer.
    int boxes = 0;
    for (const LineCall& l : LineCalls(s.Lines(5 + k)))
      if (l.shape == "fill" && l.fillColour == 13 && l.y1 == lines[k] - 3 && l.x2 - l.x1 == 132)
        ++boxes;
    EXPECT_EQ(boxes, 1);
    for (const TextCall& g : s.Glyphs(5 + k))
      if (g.y < 600) { EXPECT_EQ(g.colour, 5); }
  }
}

TEST(GraphFeatures, PositiveAThreeAnswers) {
  Replay r = Screen(5, 3, 3, 4);
  ExpectWaitsThenLine(r, 3, kLine5);
  Steps s(r.log);
  ExpectGlyphs(s, {{4, 44, 90, 3, "グ"}, {4, 1052, 50, 5, "y"}, {4, 1052, 226, 7, "y"}});
  ExpectFeatureBoxes(s, "上側");
}

TEST(GraphFeatures, NegativeAThreeAnswersAndTheTextbookLine) {
  Replay r = Screen(6, 2, 4, 4);
  ExpectWaitsThenLine(r, 4, kLine6);
  Steps s(r.log);
  ExpectHas(s, 4, {"y=-x^2のグラフの特徴"});
  ExpectFeatureBoxes(s, "下側");
  ExpectGlyphs(s, {{8, 40, 440, 3, "教"}});
  EXPECT_TRUE(s.Has(8, "教科書P99 問4　をしなさい。"));
}

// ---- unit 7 ------------------------------------------------------------------

TEST(GraphSummary, OpeningWidthTenCurvesOnePerKeyThenTheConclusions) {
  Replay r = Screen(7, 2, 15, 5);
  ExpectWaitsThenLine(r, 15, kLine7);
  Steps s(r.log);
  EXPECT_FALSE(s.Has(4, "y=1/5x^2"));
  const float fx[] = {996, 1040, 1084, 996, 996, 1024, 996, 996, 996, 996};
  const float fy[] = {30, 90, 150, 200, 250, 300, 350, 400, 455, 535};
  const int colours[] = {0, 3, 5, 7, 9, 9, 7, 5, 3, 0};
  for (int i = 0; i < 10; ++i)
    ExpectGlyphs(s, {{5 + i, fx[i], fy[i], colours[i], "y"}});
  ExpectGlyphs(s, {{14, 44, 140, 0, "①"}, {16, 44, 250, 0, "②"}, {19, 88, 420, 5, "グ"}});
  EXPECT_TRUE(s.Has(18, "aの絶対値が大きいほど、"));
}

TEST(GraphSummary, ParabolaTermsAxisThenVertex) {
  Replay r = Screen(7, 1, 6, 5);
  ExpectWaitsThenLine(r, 6, kLine7);
  Steps s(r.log);
  ExpectGlyphs(s, {{6, 700, 220, 3, "放"}, {8, 924, 100, 3, "軸"}, {10, 932, 420, 3, "頂"}});
  auto axis = Strokes(s, 8);
  ASSERT_EQ(axis.size(), 1u);
  EXPECT_EQ(axis[0].x1, 920);
  EXPECT_EQ(axis[0].y1, 100);
  EXPECT_EQ(axis[0].y2, 460);
  EXPECT_EQ(axis[0].width, 4);
  ExpectDotsAt(s.Dots(10, 8), {920}, {420}, 7);
}

TEST(GraphSummary, IdentifyGraphsSevenKeys) {
  Replay r = Screen(7, 3, 7, 5);
  ExpectWaitsThenLine(r, 7, kLine7);
  Steps s(r.log);
  const int labelColours[] = {3, 5, 7};
  const char* labels[] = {"①", "②", "③"};
  for (int i = 0; i < 3; ++i) {
    auto g = s.Glyphs(4, labels[i]);
    ASSERT_FALSE(g.empty()) << i;
    EXPECT_EQ(g.back().colour, labelColours[i]);
  }
  ExpectHas(s, 10, {"①,②は上に開いているから　a>0"});
  EXPECT_TRUE(s.Has(11, "aの絶対値が大きいほど、開き方は小さくなる"));
}

TEST(GraphSummary, SummaryFeaturesFourKeys) {
  Replay r = Screen(7, 4, 4, 5);
  ExpectWaitsThenLine(r, 4, kLine7);
  Steps s(r.log);
  ExpectGlyphs(s, {{5, 44, 140, 0, "("}, {7, 719, 110, 5, ">"}, {7, 719, 532, 5, "<"},
                   {8, 132, 450, 5, "グ"}});
}

}  // namespace
}  // namespace lessons::testing
