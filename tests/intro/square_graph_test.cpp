// Unit 4 of Palisteo, the graph of y = x²: the quiz point's draws, the
// coordinate quiz, the plot of y = x², the graph near the origin and the
// features, driven by key scripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "intro/palisteo.h"
#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

const char kLine[] = "①復習　②P95　③原点付近　④特徴　⑤終了";
const char kAnyKey[] = "何かキーを押して下さい。";
const char kNextStep[] = "次のステップは１を入力。";

// A step that only waits for a key: no dot, no cell, no text above the prompt band.
bool OnlyAKeyWait(const Steps& s, int k, float cellHeight) {
  for (const TextCall& g : s.Glyphs(k))
    if (g.y < 600) return false;
  return s.Dots(k).empty() && s.Cells(k, cellHeight).empty();
}

int Quadrant(float x, float y) {
  if (x > 0) return y > 0 ? 1 : 4;
  return y > 0 ? 2 : 3;
}

// The quiz points of a replay in order: every question draws one dot of
// radius 15 (the answer of "which point", the point of "its coordinates"),
// as plane values of the quiz plane (origin (704, 364), 44 per unit).
std::vector<std::pair<float, float>> QuizPoints(const LogLines& log) {
  std::vector<std::pair<float, float>> points;
  for (const CircleCall& c : CircleCalls(log))
    if (c.r == 15) points.push_back({(c.x - 704) / 44, (364 - c.y) / 44});
  return points;
}

void ExpectQuadrantRule(const std::vector<std::pair<float, float>>& points) {
  for (size_t i = 0; i < points.size(); ++i) {
    const auto [x, y] = points[i];
    EXPECT_TRUE(std::fabs(x) >= 1 && std::fabs(x) <= 5 && x == std::floor(x)) << x;
    EXPECT_TRUE(std::fabs(y) >= 1 && std::fabs(y) <= 5 && y == std::floor(y)) << y;
    if (i == 0) continue;
    const int q = Quadrant(x, y);
    const int before = Quadrant(points[i - 1].first, points[i - 1].second);
    EXPECT_TRUE(q == 1 || q != before) << "question " << i << ": quadrant " << q << " twice";
  }
}

TEST(SquareGraphUnit, PickGridPointKeepsItsQuadrantRuleOverSeeds) {
  Bench b;
  Palisteo p(b.rt);
  int seen[5] = {0, 0, 0, 0, 0};
  for (int seed : {1, 7, 42, 1234, -99}) {
    p.rt.Randomize(seed);
    int before = static_cast<int>(p.AAAY);
    for (int i = 0; i < 200; ++i) {
      p.PickGridPoint();
      const Num x = p.GY5(1), y = p.GY5Y(1);
      ASSERT_TRUE(p.T(1) >= 1 && p.T(1) <= 5 && p.T(1) == std::floor(p.T(1)));
      ASSERT_TRUE(p.F(1) >= 1 && p.F(1) <= 5 && p.F(1) == std::floor(p.F(1)));
      EXPECT_EQ(p.T(2), -p.T(1));
      EXPECT_EQ(p.F(2), -p.F(1));
      EXPECT_EQ(std::fabs(x), p.T(1));
      EXPECT_EQ(std::fabs(y), p.F(1));
      const int q = Quadrant(x, y);
      seen[q]++;
      EXPECT_TRUE(q == 1 || q != before) << "seed " << seed << " draw " << i;
      // A repeated draw becomes quadrant 1 and leaves AAAY as it was.
      if (q != 1) { EXPECT_EQ(p.AAAY, q); }
      if (q == 1 && before != 1) { EXPECT_TRUE(p.AAAY == 1 || p.AAAY == before); }
      before = static_cast<int>(p.AAAY);
      const auto whole = [](Num v) { return std::to_string(static_cast<int>(v)); };
      EXPECT_EQ(p.XI5_s, "(" + whole(x) + "," + whole(y) + ")");
    }
  }
  for (int q = 1; q <= 4; ++q) EXPECT_GT(seen[q], 50) << q;
  // Quadrant 1 comes also in place of repeats: more often than the others.
  EXPECT_GT(seen[1], seen[2]);
}

TEST(SquareGraphUnit, GoalOnceAndTheMainMenuOnItemFive) {
  Replay r = RunPalisteo("4\n0\n5.4\n0.7\n5\n9\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  ExpectGoal(s, 2, "y=x^2のグラフをかき、特徴を調べよう。", "y", kLine);
  for (int k : {4, 8, 12}) {
    EXPECT_TRUE(s.Has(k, kLine)) << k;
    EXPECT_FALSE(s.Has(k, "<めあて>")) << k;
  }
  EXPECT_EQ(s.MenuDraws(0, s.size() - 1), 2);
}

class CoordinateQuizTest : public ::testing::Test {
 protected:
  // Phase 1 twice (2, then 1), phase 2 once; keys taken: step 4 the first
  // question, 5 its answer, 7 the second, 8 its answer, 10 phase 2, 11 its
  // answer, 13 the sub-menu.
  Replay r = RunPalisteo("4\n1\n 2\n 1\n 1\n5\n9\n");
  Steps s{r.log};
};

TEST_F(CoordinateQuizTest, CandidatesThenTheAnswerOnAKey) {
  ASSERT_EQ(r.result.end, RunEnd::kFinished);
  for (int k : {4, 7}) {
    SCOPED_TRACE(k);
    EXPECT_TRUE(s.WipeFrom(k, 0, 0));
    EXPECT_TRUE(s.GlyphAt(k, 44, 30, 0, "次"));
    EXPECT_TRUE(s.Has(k, "次の点はどれでしょう。"));
    EXPECT_TRUE(s.Has(k, kAnyKey));
    // Four candidates, one in each quadrant, mirror images of each other.
    auto dots = s.Dots(k, 12);
    ASSERT_EQ(dots.size(), 4u);
    const float ax = dots[0].x - 704, ay = 364 - dots[0].y;
    const float xs[] = {ax, -ax, -ax, ax}, ys[] = {ay, ay, -ay, -ay};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(dots[i].x, 704 + xs[i]);
      EXPECT_EQ(dots[i].y, 364 - ys[i]);
      EXPECT_EQ(dots[i].colour, 3);
      EXPECT_EQ(Quadrant(xs[i], ys[i]), i + 1);
    }
    // Each letter by its own candidate: nearer to it than to any other.
    const char* letters[] = {"A", "B", "C", "D"};
    for (int i = 0; i < 4; ++i) {
      auto g = s.Glyphs(k, letters[i]);
      ASSERT_EQ(g.size(), 1u);
      auto away = [&](int j) { return std::hypot(g[0].x + 12 - dots[j].x, g[0].y + 24 - dots[j].y); };
      for (int j = 0; j < 4; ++j) {
        if (j != i) { EXPECT_LT(away(i), away(j)) << letters[i]; }
      }
    }
    EXPECT_TRUE(s.Dots(k, 15).empty());
    // The answer: a larger dot on one candidate, then the question to go on.
    auto answer = s.Dots(k + 1, 15);
    ASSERT_EQ(answer.size(), 1u);
    EXPECT_EQ(answer[0].colour, 5);
    const float x = (answer[0].x - 704) / 44, y = (364 - answer[0].y) / 44;
    EXPECT_EQ(std::fabs(x) * 44, std::fabs(ax));
    EXPECT_EQ(std::fabs(y) * 44, std::fabs(ay));
    EXPECT_TRUE(s.Has(k, "(" + std::to_string(static_cast<int>(std::fabs(x))) + "," +
                             std::to_string(static_cast<int>(std::fabs(y))) + ")"));
    EXPECT_TRUE(s.Has(k + 1, kNextStep));
  }
}

TEST_F(CoordinateQuizTest, CoordinatesAfterTheKeyThenTheSubMenu) {
  EXPECT_TRUE(s.Has(10, "次の点の座標をいいなさい。"));
  auto point = s.Dots(10, 15);
  ASSERT_EQ(point.size(), 1u);
  EXPECT_EQ(point[0].colour, 3);
  EXPECT_TRUE(s.Dots(10, 12).empty());
  EXPECT_FALSE(s.Has(10, "("));
  EXPECT_TRUE(s.GlyphAt(11, 88, 110, 5, "("));
  const int x = static_cast<int>(std::fabs((point[0].x - 704) / 44));
  const int y = static_cast<int>(std::fabs((364 - point[0].y) / 44));
  EXPECT_TRUE(s.Has(11, "(" + std::to_string(x) + "," + std::to_string(y) + ")"));
  EXPECT_TRUE(s.Has(11, kNextStep));
  EXPECT_TRUE(s.Has(13, kLine));
  EXPECT_FALSE(s.Has(13, "<めあて>"));
  EXPECT_EQ(QuizPoints(r.log).size(), 3u);
}

TEST(CoordinateQuiz, QuadrantRuleHoldsAcrossPhasesVisitsAndSeeds) {
  // Each phase four questions; the screen twice, the unit left in between.
  const std::string quiz = "1\n 0\n 2\n 1.5\n 1\n 3\n 2/3\n 7\n 1\n";
  for (const char* time : {"08:00:00", "09:13:27", "12:00:00", "17:45:01", "23:59:59"}) {
    SCOPED_TRACE(time);
    Replay r = RunReplay("palisteo", KeyScript("4\n" + quiz + quiz + "5\n4\n" + quiz + "5\n9\n"), time);
    ASSERT_EQ(r.result.end, RunEnd::kFinished);
    auto points = QuizPoints(r.log);
    ASSERT_EQ(points.size(), 24u);
    ExpectQuadrantRule(points);
  }
}

TEST(CoordinateQuiz, OnlyAnEntryOfExactlyOneEndsAPhase) {
  // 3/0 reads as 0 and asks another question, as do 1.5 and 0; 3/3 is 1.
  Replay r = RunPalisteo("4\n1\n 3/0\n 3/3\n 1.5\n 0\n 1\n5\n9\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_EQ(QuizPoints(r.log).size(), 5u);
  // Two questions of "which point" (colour 5 answers), three of "its coordinates".
  int answers = 0, points = 0;
  for (const CircleCall& c : CircleCalls(r.log))
    if (c.r == 15) (c.colour == 5 ? answers : points)++;
  EXPECT_EQ(answers, 2);
  EXPECT_EQ(points, 3);
  EXPECT_FALSE(s.Has(s.size() - 1, "エラー"));
}

TEST(SquareGraphUnit, QuizAndFeaturesPlanesTakeWholeStepsAfterTheHalfStepPlot) {
  // The plot leaves half-unit steps behind; the quiz and the features set
  // their own.
  const std::string plot = "2\n" + std::string(31, ' ');
  Replay r = RunPalisteo("4\n" + plot + "1\n 1\n 1\n" + plot + "4\n    5\n9\n");
  ASSERT_EQ(r.result.end, RunEnd::kFinished);
  auto points = QuizPoints(r.log);
  ASSERT_EQ(points.size(), 2u);
  ExpectQuadrantRule(points);
  Steps s(r.log);
  const int features = s.Find("y=x^2のグラフの特徴", 40) - 1;
  auto dots = s.Dots(features, 8);
  ASSERT_EQ(dots.size(), 7u);
  for (int k = -3; k <= 3; ++k) {
    EXPECT_EQ(dots[static_cast<size_t>(k + 3)].x, 1030 + 30 * k);
    EXPECT_EQ(dots[static_cast<size_t>(k + 3)].y, 520 - 30 * k * k);
  }
}

class SquareGraphPlotTest : public ::testing::Test {
 protected:
  // 31 keys from step 4 on; the final text in step 35.
  Replay r = RunPalisteo("4\n2\n" + std::string(31, ' ') + "5\n9\n");
  Steps s{r.log};
};

TEST_F(SquareGraphPlotTest, FirstTableAndPlaneBeforeTheFirstKey) {
  ASSERT_EQ(r.result.end, RunEnd::kFinished);
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  EXPECT_TRUE(s.GlyphAt(4, 40, 30, 3, "y"));
  auto rows = s.Cells(4, 50);
  ASSERT_EQ(rows.size(), 2u);
  const auto& xRow = rows[90];
  const auto& yRow = rows[140];
  ASSERT_EQ(xRow.size(), 10u);
  ASSERT_EQ(yRow.size(), 10u);
  const float lefts[] = {40, 80, 120, 180, 240, 300, 360, 420, 480, 540};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(xRow[i].x, lefts[i]);
    EXPECT_EQ(yRow[i].x, lefts[i]);
  }
  EXPECT_EQ(xRow[9].x + xRow[9].width, 580);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(Canon(xRow[i + 2].text), std::to_string(std::abs(i - 3)));
  EXPECT_EQ(yRow[2].text, "9");
  for (int i = 3; i < 9; ++i) EXPECT_EQ(yRow[i].text, "") << i;
  for (const TextCall& g : s.Glyphs(4, "9"))
    if (g.y > 140 && g.y < 190) { EXPECT_EQ(g.colour, 0); }
  // Value labels on the whole numbers only: x -3..3 and y 1..9.
  for (const char* n : {"1", "2", "3", "4", "5", "6", "7", "8"}) EXPECT_FALSE(s.Glyphs(4, n).empty());
  EXPECT_TRUE(s.Dots(4, 6).empty());
}

TEST_F(SquareGraphPlotTest, ValuesAndPointsOnePerKey) {
  for (int i = 0; i < 7; ++i) {
    const int k = 5 + i, x = i - 3;
    auto rows = s.Cells(k, 50);
    ASSERT_EQ(rows[140].size(), 1u) << k;
    EXPECT_EQ(rows[140][0].x, 120 + 60 * i);
    EXPECT_EQ(rows[140][0].text, std::to_string(x * x));
    for (const TextCall& g : s.Glyphs(k))
      if (g.y < 600) { EXPECT_EQ(g.colour, 5); }
  }
  EXPECT_TRUE(OnlyAKeyWait(s, 12, 50));  // two keys in a row
  for (int i = 0; i < 7; ++i) {
    const int k = 13 + i, x = i - 3;
    auto dots = s.Dots(k, 6);
    ASSERT_EQ(dots.size(), 1u) << k;
    EXPECT_EQ(dots[0].x, 997 + 46 * x);
    EXPECT_EQ(dots[0].y, 467 - 46 * x * x);
    EXPECT_GE(dots[0].y - 6, 30);  // inside the plane
    EXPECT_EQ(dots[0].colour, 3);
  }
  EXPECT_TRUE(OnlyAKeyWait(s, 20, 50));
  // The half-way table under its line.
  EXPECT_TRUE(s.GlyphAt(21, 40, 200, 3, "教"));
  auto rows = s.Cells(21, 50);
  ASSERT_EQ(rows[260].size(), 7u);
  ASSERT_EQ(rows[310].size(), 7u);
  const char* xs[] = {"2.5", "1.5", "0.5", "0.5", "1.5", "2.5"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(rows[260][i + 1].x, 80 + 120 * i);
    EXPECT_EQ(rows[260][i + 1].width, 120);
    EXPECT_EQ(Canon(rows[260][i + 1].text), xs[i]);
    EXPECT_EQ(rows[310][i + 1].text, "");
  }
  EXPECT_EQ(rows[260][6].x + 120, 800);
  const char* ys[] = {"6.25", "2.25", "0.25", "0.25", "2.25", "6.25"};
  for (int i = 0; i < 6; ++i) {
    auto cells = s.Cells(22 + i, 50);
    ASSERT_EQ(cells[310].size(), 1u) << i;
    EXPECT_EQ(cells[310][0].x, 80 + 120 * i);
    EXPECT_EQ(Canon(cells[310][0].text), ys[i]);
  }
  const float halves[] = {-2.5f, -1.5f, -0.5f, 0.5f, 1.5f, 2.5f};
  for (int i = 0; i < 6; ++i) {
    auto dots = s.Dots(28 + i, 6);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_FLOAT_EQ(dots[0].x, 997 + 46 * halves[i]);
    EXPECT_FLOAT_EQ(dots[0].y, 467 - 46 * halves[i] * halves[i]);
  }
  EXPECT_TRUE(OnlyAKeyWait(s, 34, 50));
}

TEST_F(SquareGraphPlotTest, ThirtyOneKeysThenTheAnnouncementAndTheSubMenu) {
  EXPECT_EQ(s.LastOfRun(kAnyKey, 4), 34);
  EXPECT_TRUE(s.GlyphAt(35, 40, 390, 7, "原"));
  EXPECT_TRUE(s.Has(35, "原点近くのようすを調べよう。"));
  EXPECT_TRUE(s.Has(35, kLine));
  EXPECT_FALSE(s.Has(35, kAnyKey));
  // 13 points in all, no curve.
  int points = 0;
  for (int k = 4; k <= 35; ++k) points += static_cast<int>(s.Dots(k, 6).size());
  EXPECT_EQ(points, 13);
  EXPECT_EQ(s.MenuDraws(37, 37), 1);
}

class NearOriginTest : public ::testing::Test {
 protected:
  // 45 keys from step 4 on; the curve and the sub-menu in step 49.
  Replay r = RunPalisteo("4\n3\n" + std::string(45, ' ') + "5\n9\n");
  Steps s{r.log};
};

TEST_F(NearOriginTest, TableWithEmptyYRowsAndTheAxisLabels) {
  ASSERT_EQ(r.result.end, RunEnd::kFinished);
  auto rows = s.Cells(4, 55);
  std::erase_if(rows, [](const auto& row) { return row.first >= 250; });  // grounds on the plane
  ASSERT_EQ(rows.size(), 4u);
  ASSERT_EQ(rows[20].size(), 11u);
  ASSERT_EQ(rows[75].size(), 11u);
  ASSERT_EQ(rows[130].size(), 12u);
  ASSERT_EQ(rows[185].size(), 12u);
  for (size_t j = 0; j < 12; ++j) {
    EXPECT_EQ(rows[130][j].x, 30 + 94 * static_cast<float>(j));
    EXPECT_EQ(rows[130][j].width, 94);
    if (j > 0) { EXPECT_EQ(rows[185][j].text, ""); }
    if (j > 0 && j < 11) { EXPECT_EQ(rows[75][j].text, ""); }
  }
  EXPECT_EQ(Canon(rows[20][1].text), "1");
  EXPECT_EQ(Canon(rows[20][2].text), "0.9");
  EXPECT_EQ(Canon(rows[20][10].text), "0.1");
  EXPECT_EQ(Canon(rows[130][1].text), "0");
  EXPECT_EQ(Canon(rows[130][11].text), "1");
  // The numbers (the plane itself writes only "0", "x" and "y"), 24 wide a
  // character and 48 high, each centred on its tick: those of x under the
  // axis (582), above the prompt band; those of y left of the axis (740).
  struct Number {
    const char* text;
    float at;
    bool x;
  };
  const Number numbers[] = {{"-1", 440, true}, {"-0.5", 590, true}, {"0.5", 890, true},
                            {"1", 1040, true}, {"0.5", 432, false}, {"1", 282, false}};
  std::vector<TextCall> labels;
  for (const TextCall& t : TextCalls(s.Lines(4)))
    if (t.a == 3 && t.b == 3 && t.y >= 250 && t.y < 900) labels.push_back(t);
  ASSERT_EQ(labels.size(), 6u);
  for (const Number& n : numbers) {
    const auto found = std::find_if(labels.begin(), labels.end(), [&](const TextCall& t) {
      const float width = 24 * static_cast<float>(t.text.size());
      return t.text == n.text && (t.y > 582) == n.x &&
             std::fabs((n.x ? t.x + width / 2 : t.y + 24) - n.at) <= 2;
    });
    ASSERT_NE(found, labels.end()) << n.text << " at " << n.at;
    const float width = 24 * static_cast<float>(found->text.size());
    EXPECT_EQ(found->colour, 0);
    EXPECT_TRUE(n.x ? found->y + 48 < 639 : found->x + width < 740) << Where(*found);
  }
}

TEST_F(NearOriginTest, SquaresOnePerKeyWithTheirListedTexts) {
  const char* row2[] = {"1", "0.81", "0.64", "0.49", "0.36", "0.25", "0.16", "0.09", "0.04", "0.01"};
  for (int i = 0; i < 10; ++i) {
    auto cells = s.Cells(5 + i, 55);
    ASSERT_EQ(cells[75].size(), 1u) << i;
    EXPECT_EQ(cells[75][0].x, 124 + 94 * i);
    EXPECT_EQ(cells[75][0].text, row2[i]);
    for (const TextCall& g : s.Glyphs(5 + i))
      if (g.y < 600) { EXPECT_EQ(g.colour, 3); }
  }
  const char* row4[] = {"0", "0.01", "0.04", "0.09", "0.16", "0.25",
                        "0.36", "0.49", "0.64", "0.81", "1"};
  for (int i = 0; i < 11; ++i) {
    auto cells = s.Cells(15 + i, 55);
    ASSERT_EQ(cells[185].size(), 1u) << i;
    EXPECT_EQ(cells[185][0].x, 124 + 94 * i);
    EXPECT_EQ(cells[185][0].text, row4[i]);
  }
  EXPECT_TRUE(OnlyAKeyWait(s, 26, 55));
}

TEST_F(NearOriginTest, PointsOnePerKeyThenTheCurveAndTheSubMenu) {
  for (int k = -10; k <= 10; ++k) {
    auto dots = s.Dots(37 + k, 8);
    ASSERT_EQ(dots.size(), 1u) << k;
    EXPECT_EQ(dots[0].x, 740 + 30 * k);
    EXPECT_FLOAT_EQ(dots[0].y, 582 - 3 * k * k);
  }
  EXPECT_TRUE(OnlyAKeyWait(s, 48, 55));
  EXPECT_EQ(s.LastOfRun(kAnyKey, 4), 48);
  auto curve = s.Dots(49, 1);
  ASSERT_EQ(curve.size(), 201u);
  EXPECT_FLOAT_EQ(curve.front().x, 440);
  EXPECT_FLOAT_EQ(curve.front().y, 282);
  EXPECT_FLOAT_EQ(curve.back().x, 1040);
  EXPECT_FLOAT_EQ(curve.back().y, 282);
  EXPECT_TRUE(s.Has(49, kLine));
  EXPECT_FALSE(s.Has(49, kAnyKey));
}

class SquareGraphFeaturesTest : public ::testing::Test {
 protected:
  // Main menu 4, sub-menu 4: steps 4 to 7 end with keys, step 8 the third answer.
  Replay r = RunPalisteo("4\n4\n    5\n9\n");
  Steps s{r.log};
};

TEST_F(SquareGraphFeaturesTest, PointsThenCurveAndQuestionsThenAnswers) {
  ASSERT_EQ(r.result.end, RunEnd::kFinished);
  auto points = s.Dots(4, 8);
  ASSERT_EQ(points.size(), 7u);
  for (int k = -3; k <= 3; ++k) {
    EXPECT_EQ(points[static_cast<size_t>(k + 3)].x, 1030 + 30 * k);
    EXPECT_EQ(points[static_cast<size_t>(k + 3)].y, 520 - 30 * k * k);
  }
  EXPECT_TRUE(s.Dots(4, 1).empty());
  for (const char* n : {"5", "10"}) EXPECT_FALSE(s.Glyphs(4, n).empty());
  auto curve = s.Dots(5, 1);
  ASSERT_GT(curve.size(), 1000u);
  for (const CircleCall& d : curve) EXPECT_TRUE(d.y >= 100 && d.y <= 550) << d.y;
  EXPECT_TRUE(s.Has(5, "y=x^2のグラフの特徴"));
  EXPECT_TRUE(s.GlyphAt(5, 88, 110, 0, "("));
  EXPECT_TRUE(s.GlyphAt(5, 88, 180, 0, "("));
  EXPECT_TRUE(s.GlyphAt(5, 88, 250, 0, "("));
  ExpectHas(s, 5, {"①", "を通る。", "②", "を対称の軸として線対称である。", "③", "にある。"});
  // Each answer box covers its question box exactly.
  const auto boxes = FilledBoxes(s.Lines(5));
  const char* answers[] = {"原点", "y軸", "上側"};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(answers[i]);
    EXPECT_TRUE(s.Has(6 + i, answers[i]));
    for (const TextCall& g : s.Glyphs(6 + i)) if (g.y < 600) { EXPECT_EQ(g.colour, 5); }
    auto answerBoxes = FilledBoxes(s.Lines(6 + i));
    ASSERT_FALSE(answerBoxes.empty());
    EXPECT_EQ(Count(boxes, answerBoxes[0]), 1) << answerBoxes[0];
  }
  EXPECT_TRUE(s.Has(8, kLine));
  EXPECT_FALSE(s.Has(8, kAnyKey));
  EXPECT_EQ(s.LastOfRun(kAnyKey, 4), 7);
}

}  // namespace
}  // namespace lessons::testing
