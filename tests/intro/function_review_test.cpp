// Unit 1 of Palisteo: goal screen, sub-menu, the tables screen and the graphs
// screen, driven by key scripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

const char kLine[] = " ①表式,変化の様子　②グラフ　③終了";
const char kAnyKey[] = "何かキーを押して下さい。";

std::vector<std::string> RowTexts(const std::vector<TableCell>& row) {
  std::vector<std::string> out;
  for (const auto& c : row) out.push_back(c.text);
  return out;
}

TEST(FunctionReviewUnit, GoalOnceThenSubMenuUntilItsLastItem) {
  Replay r = RunPalisteo("1\n0\n4\n3\n9\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  ExpectGoal(s, 2, "比例、反比例、1次関数の復習をしよう。", "比", kLine);
  // 0 and 4 ask the line again without the goal text; 3 is the main menu.
  for (int k : {4, 6}) {
    EXPECT_TRUE(s.Has(k, kLine)) << k;
    EXPECT_FALSE(s.Has(k, "<めあて>")) << k;
  }
  EXPECT_EQ(s.MenuDraws(8, 8), 1);
}

class ReviewTablesScreenTest : public ::testing::Test {
 protected:
  // Main menu 1, sub-menu 1; the screen starts in step 4.
  Replay r = RunPalisteo("1\n1\n" + std::string(24, ' ') + "3\n9\n");
  Steps s{r.log};
};

TEST_F(ReviewTablesScreenTest, TablesAndTheFirstQuestionBeforeTheFirstKey) {
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  ExpectGlyphs(s, {{4, 44, 30, 7, "課"}, {4, 44, 100, 0, "①"}, {4, 44, 270, 0, "②"},
                   {4, 44, 440, 0, "③"}, {4, 396, 30, 0, "("}});
  ExpectHas(s, 4, {"①比例", "②反比例", "③1次関数", "(1)関数の式は？ "});

  auto rows = s.Cells(4, 50);
  const std::vector<std::string> xs = {"x", "…", "0", "1", "2", "3", "…"};
  const std::map<float, std::vector<std::string>> want = {
      {150, xs}, {200, {"y", "…", "0", "2", "4", "6", "…"}},
      {320, xs}, {370, {"y", "…", "×", "6", "3", "2", "…"}},
      {490, xs}, {540, {"y", "…", "1", "2", "3", "4", "…"}},
  };
  ASSERT_EQ(rows.size(), want.size());
  for (const auto& [top, texts] : want) {
    SCOPED_TRACE("row at " + std::to_string(top));
    const auto& row = rows[top];
    EXPECT_EQ(RowTexts(row), texts);
    for (size_t i = 0; i < row.size(); ++i) {
      EXPECT_EQ(row[i].x, 44 + 44 * static_cast<float>(i));
      EXPECT_EQ(row[i].width, 44);
    }
  }
  for (const TextCall& g : s.Glyphs(4, "×")) EXPECT_EQ(g.colour, 3);
}

TEST_F(ReviewTablesScreenTest, EachKeyRevealsTheNextStep) {
  // Step k holds what the k-th key of the screen (counted from 1) revealed.
  const std::vector<std::pair<int, std::string>> reveals = {
      {1, "①y=ax にx=1,y=2を代入して"}, {2, "　2=a*1"}, {3, "　a=2"}, {4, "　y=2x"},
      {5, "にx=1,y=6を代入して"},        {6, "6=1a"},     {7, "　a=6"}, {8, "y=x6"},
      {9, "①y=2x ②y=x6"},              {10, "③y=ax+b のaとbを求める。"},
      {11, "a=変化の割合="},             {12, "式は y=x+b と表せるから、"},
      {13, "y=x+b にx=0,y=1を代入して"}, {14, "　1=0+b b=1"}, {15, "　y=x+1"},
      {16, "③y=x+1"},
      {17, "(2)xが1ずつ増加するとyは？①"}, {18, "2ずつ増加する ②"},
      {19, "減少のしかたが一定ではない③"}, {20, "1ずつ増加する "},
      {21, "(3)xが２倍、３倍…となると、yは？①"}, {22, "２倍、３倍…となる②"},
      {23, "倍…となる③"}, {24, "一定ではない"},
  };
  for (const auto& [key, text] : reveals) EXPECT_TRUE(s.Has(4 + key, text)) << key << " " << text;
  // Positions of the line starts.
  ExpectGlyphs(s, {{5, 396, 120, 0, "①"}, {9, 396, 270, 0, "②"}, {14, 396, 210, 0, "③"},
                   {20, 660, 80, 0, "③"}, {21, 396, 150, 0, "("}, {21, 440, 200, 0, "①"},
                   {22, 440, 250, 0, "②"}, {23, 440, 300, 0, "③"}, {25, 396, 370, 0, "("},
                   {26, 440, 500, 0, "②"}, {27, 440, 580, 0, "③"}});
  // The summary of (1) stands on the question line, right of the question.
  auto summary = s.Glyphs(13, "①");
  ASSERT_EQ(summary.size(), 1u);
  EXPECT_EQ(summary[0].y, 30);
  EXPECT_GT(summary[0].x, 396 + 44);
  // Answers in colour 3.
  for (const TextCall& g : s.Glyphs(28, "一")) EXPECT_EQ(g.colour, 3);
}

TEST_F(ReviewTablesScreenTest, ErasuresAndTheReturnWithoutAWait) {
  // The worked steps of (1) go after the summary key and after the third formula.
  EXPECT_TRUE(s.WipeFrom(14, 396, 110));
  EXPECT_TRUE(s.WipeFrom(21, 396, 140));
  for (int k = 4; k <= 28; ++k) {
    if (k == 14 || k == 21) continue;
    EXPECT_FALSE(s.WipeFrom(k, 396, 110) || s.WipeFrom(k, 396, 140)) << k;
  }
  // Twenty-four key waits, then the sub-menu line at once.
  EXPECT_EQ(s.LastOfRun(kAnyKey, 4), 27);  // key waits in steps 4 to 27
  EXPECT_EQ(s.Find(kLine, 3), 28);
  EXPECT_FALSE(s.Has(28, "<めあて>"));
  EXPECT_EQ(s.MenuDraws(30, 30), 1);
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
}

class ReviewGraphsScreenTest : public ::testing::Test {
 protected:
  // Main menu 1, sub-menu 2 twice; the screen starts in steps 4 and 14.
  const std::string visit = "2\n" + std::string(8, ' ');
  Replay r = RunPalisteo("1\n" + visit + visit + "3\n9\n");
  Steps s{r.log};
};

TEST_F(ReviewGraphsScreenTest, AnswersOnePerKey) {
  ExpectGlyphs(s, {{4, 44, 30, 7, "課"}, {4, 44, 110, 0, "("}, {8, 44, 230, 0, "("},
                   {8, 88, 280, 0, "①"}, {10, 88, 430, 0, "②"}, {11, 88, 490, 0, "③"}});
  ExpectHas(s, 4, {"課2 ①y=2x ②y=x6 ③y=x+1", "(1)①～③の関数のグラフは？ ①"});
  const std::vector<std::pair<int, std::string>> reveals = {
      {1, "ウ ②"}, {2, "ア  ③"}, {3, "イ "}, {4, "(2)グラフの特徴は？①"},
      {5, "原点を通る直線a>0のとき右上がり"}, {6, "a<0のとき右下がりy=3x②"},
      {7, "双曲線 a<0のときは図の位置"}, {8, "傾き１，切片１の直線上がり下がりは比例と同じ"},
  };
  for (const auto& [key, text] : reveals) EXPECT_TRUE(s.Has(4 + key, text)) << key << " " << text;
  EXPECT_EQ(s.LastOfRun(kAnyKey, 4), 11);  // key waits in steps 4 to 11
  EXPECT_TRUE(s.Has(12, kLine));
}

TEST_F(ReviewGraphsScreenTest, GraphsLieOnThePlane) {
  // Origin (980, 280), 30 per unit, plane from y 100 to 460.
  auto onLine = [](const CircleCall& d, float a) {
    return std::fabs((280 - d.y) - a * (d.x - 980)) < 0.5f;
  };
  auto onHyperbola = [](const CircleCall& d, float a) {
    float u = (d.x - 980) / 30, v = (280 - d.y) / 30;
    return std::fabs(u * v - a) < 0.05f * std::fabs(a) + 0.05f;
  };
  int y2x = 0, yx1 = 0, y6x = 0;
  for (const CircleCall& d : s.Dots(4)) {
    if (d.r != 1) continue;  // the dots of the curves
    EXPECT_GE(d.y, 100);
    EXPECT_LE(d.y, 460);
    if (d.colour == 7) y2x += onLine(d, 2);
    if (d.colour == 0) yx1 += std::fabs((280 - d.y) - (d.x - 980) - 30) < 0.5f;
    if (d.colour == 3) y6x += onHyperbola(d, 6);
  }
  EXPECT_GT(y2x, 1000);
  EXPECT_GT(yx1, 1000);
  EXPECT_GT(y6x, 1000);
  int m3x = 0, m6x = 0;
  for (const CircleCall& d : s.Dots(10)) m3x += d.colour == 7 && onLine(d, -3);
  for (const CircleCall& d : s.Dots(11)) m6x += d.colour == 3 && onHyperbola(d, -6);
  EXPECT_GT(m3x, 1000);
  EXPECT_GT(m6x, 1000);
  EXPECT_TRUE(s.Has(4, "アイウ"));
}

TEST_F(ReviewGraphsScreenTest, ASecondVisitDrawsTheSamePicture) {
  // After the wipe (which, like the sub-menu before it, has the pen width
  // that was left).
  auto fromWipe = [&](int k) {
    auto lines = s.Lines(k);
    auto wipe = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
      return l.rfind("DrawLine\t0\t0\t1760\t1800\tfill\t15\t15\t", 0) == 0;
    });
    return std::vector<std::string>(wipe == lines.end() ? wipe : wipe + 1, lines.end());
  };
  EXPECT_GT(fromWipe(4).size(), 1000u);
  EXPECT_EQ(fromWipe(4), fromWipe(14));
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(s.Lines(4 + k), s.Lines(14 + k)) << k;
  EXPECT_FALSE(s.Has(12, "<めあて>"));
}

}  // namespace
}  // namespace lessons::testing
