// Unit 3 of Palisteo, screens ② to ⑦: the circle-area answers, the random
// worked example of the constant, question 3 and the practice problems.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "intro/palisteo.h"
#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

const char kLine[] = "①ひろげ　②問２　③例題１　④問３　⑤練習問題１　⑥２　⑦３　⑧終了";
const char kAnyKey[] = "何かキーを押して下さい。";
const char kNextStep[] = "次のステップは１を入力。";

// The pen width of the first circle of radius r drawn in step k (-1: none).
int CircleWidth(const Steps& s, int k, float r) {
  for (const CircleCall& c : s.Dots(k, r)) return c.width;
  return -1;
}

// ---- ② circle area answers ----

class CircleAreaAnswersTest : public ::testing::Test {
 protected:
  // Main menu 3, sub-menu 2; the screen starts in step 4 and takes 3 keys.
  Replay r = RunPalisteo("3\n2\nxxx8\n9\n");
  Steps s{r.log};
};

TEST_F(CircleAreaAnswersTest, HeadingFigureAndQuestionFirst) {
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  ExpectGlyphs(s, {{4, 57, 30, 7, "<"}, {4, 912, 90, 3, "y"}});
  ExpectHas(s, 4, {"<問2 解答>", "xとyの関係…", "ycm^2", "x㎝"});
  EXPECT_FALSE(s.Has(4, "y=πx^2"));
  // The disc of radius 150 round (942, 180), filled with colour 13, drawn at
  // the start-up width 3, and the dotted arc below the radius.
  auto discs = s.Dots(4, 150);
  ASSERT_EQ(discs.size(), 1u);
  EXPECT_EQ(discs[0].x, 942);
  EXPECT_EQ(discs[0].y, 180);
  EXPECT_EQ(discs[0].colour, 0);
  EXPECT_EQ(discs[0].fill, 1);
  EXPECT_EQ(discs[0].fillColour, 13);
  EXPECT_EQ(discs[0].width, 3);
  int arcDots = 0;
  for (const CircleCall& d : s.Dots(4, 0.5f)) {
    ++arcDots;
    EXPECT_EQ(d.colour, 3);
    EXPECT_GE(d.y, 179.9f);
    EXPECT_TRUE(d.x >= 941.9f && d.x <= 1092.1f) << d.x;
  }
  EXPECT_GT(arcDots, 20);
  bool radius = false;
  for (const LineCall& l : LineCalls(s.Lines(4)))
    if (l.shape == "line" && l.x1 == 942 && l.y1 == 180 && l.x2 == 1092 && l.y2 == 180) radius = true;
  EXPECT_TRUE(radius);
}

TEST_F(CircleAreaAnswersTest, FormulaTableAndConclusionOnePerKey) {
  EXPECT_TRUE(s.Has(5, "y=πx^2"));
  for (const TextCall& g : s.Glyphs(5, "π")) EXPECT_EQ(g.colour, 5);
  EXPECT_TRUE(s.Cells(5, 50).empty());

  auto rows = s.Cells(6, 50);
  ASSERT_EQ(rows.size(), 2u);
  const std::vector<std::string> xs = {"x", "r", "2r", "3r", "4r", "…"};
  const std::vector<std::string> ys = {"y", "πr^2", "4πr^2", "9πr^2", "16πr^2", "…"};
  ASSERT_EQ(rows[170].size(), 6u);
  ASSERT_EQ(rows[220].size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    const float left = i == 0 ? 50 : 90 + 135 * static_cast<float>(i - 1);
    EXPECT_EQ(rows[170][i].x, left);
    EXPECT_EQ(rows[220][i].x, left);
    EXPECT_EQ(rows[170][i].width, i == 0 ? 40 : 135);
    EXPECT_EQ(rows[170][i].text, Canon(xs[i]));
    EXPECT_EQ(rows[220][i].text, Canon(ys[i]));
  }
  for (const TextCall& g : s.Glyphs(6, "π")) EXPECT_EQ(g.colour, 3);
  EXPECT_TRUE(s.GlyphAt(6, 61, 229, 0, "y") || !s.Glyphs(6, "y").empty());
  for (const TextCall& g : s.Glyphs(6, "y")) EXPECT_EQ(g.colour, 0);

  // The conclusion at the indent x 30, 80 below row 2, then the line at once.
  EXPECT_TRUE(s.GlyphAt(7, 30, 300, 5, "2"));
  EXPECT_TRUE(s.Has(7, "2^2倍,3^2倍,4^2倍,…となる。"));
  EXPECT_EQ(s.LastOfRun(kAnyKey, 4), 6);
  EXPECT_TRUE(s.Has(7, kLine));
  EXPECT_FALSE(s.Has(7, "<めあて>"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
}

TEST(CircleAreaAnswers, DrawsWithThePenWidthTheScreenBeforeLeft) {
  // After practice 3 (width 5) the circle and table are drawn 5 wide.
  Replay r = RunPalisteo("3\n7\nxxxx2\nxxx8\n9\n");
  Steps s(r.log);
  const int start = s.Find("<問2 解答>", 4);
  ASSERT_GT(start, 0);
  EXPECT_EQ(CircleWidth(s, start, 150), 5);
}

// ---- ③ the random worked example ----

struct Example {
  int a = 0, x1 = 0, y1 = 0, x2 = 0;
};

// Reads the numbers of the example whose question is drawn in step k.
Example ReadExample(const Steps& s, int k) {
  Example e;
  std::smatch m;
  const std::string text = s.Text(k);
  static const std::regex given("x=([0-9]+)のときy=([0-9]+)です。");
  static const std::regex asked("\\(2\\)x=([0-9]+)のとき");
  if (std::regex_search(text, m, given)) {
    e.x1 = std::stoi(m[1]);
    e.y1 = std::stoi(m[2]);
  }
  if (std::regex_search(text, m, asked)) e.x2 = std::stoi(m[1]);
  if (e.x1 != 0) e.a = e.y1 / (e.x1 * e.x1);
  return e;
}

// The steps of one example: question, 11 key waits, then the entry.
constexpr int kExampleSteps = 12;

// Checks the worked solution of the example that starts in step k.
void ExpectSolution(const Steps& s, int k, const Example& e) {
  const std::string a = std::to_string(e.a), x1 = std::to_string(e.x1),
                    y1 = std::to_string(e.y1), x2 = std::to_string(e.x2),
                    x1sq = std::to_string(e.x1 * e.x1), x2sq = std::to_string(e.x2 * e.x2),
                    y2 = std::to_string(e.a * e.x2 * e.x2);
  SCOPED_TRACE("example at step " + std::to_string(k));
  EXPECT_TRUE(s.WipeFrom(k, 0, 0));
  EXPECT_TRUE(s.GlyphAt(k, 40, 30, 3, "課"));
  EXPECT_TRUE(s.Has(k, "課2 yはxの2乗に比例し、x=" + x1 + "のとき y=" + y1 + "です。"));
  EXPECT_TRUE(s.Has(k, "(1)yをxの式で表しなさい。(2)x=" + x2 + " のときyの値を求めなさい。<解答>"));
  EXPECT_TRUE(s.GlyphAt(k + 1, 40, 230, 7, "("));
  EXPECT_TRUE(s.Has(k + 1, "(1)求める式をy=ax^2とすると"));
  EXPECT_TRUE(s.Has(k + 2, "x=" + x1 + "のとき y=" + y1 + " だから"));
  EXPECT_TRUE(s.Has(k + 3, y1 + "=a*" + x1 + "^2"));
  EXPECT_EQ(s.Text(k + 4), Canon("=" + x1sq + "a" + kAnyKey));
  EXPECT_TRUE(s.Has(k + 5, "a="));
  EXPECT_TRUE(s.Has(k + 5, y1) && s.Has(k + 5, x1sq));
  EXPECT_TRUE(s.GlyphAt(k + 6, 94, 490, 5, "答"));
  EXPECT_TRUE(s.Has(k + 6, "答  y=" + a + "x^2"));
  EXPECT_TRUE(s.GlyphAt(k + 7, 660, 230, 7, "("));
  EXPECT_TRUE(s.Has(k + 7, "(2) y=" + a + "x^2 にx=" + x2 + "を代入して"));
  EXPECT_TRUE(s.Has(k + 8, "y=" + a + "*" + x2 + "^2"));
  EXPECT_EQ(s.Text(k + 9), Canon("=" + a + "*" + x2sq + kAnyKey));
  EXPECT_EQ(s.Text(k + 10), Canon("=" + y2 + kAnyKey));
  EXPECT_TRUE(s.GlyphAt(k + 11, 741, 460, 5, "答"));
  EXPECT_TRUE(s.Has(k + 11, "答  y=" + y2));
  EXPECT_TRUE(s.Has(k + 11, kNextStep));
  for (int i = 0; i < kExampleSteps; ++i) {
    EXPECT_EQ(s.Text(k + i).find('.'), std::string::npos) << s.Text(k + i);
    EXPECT_EQ(s.Has(k + i, kAnyKey), i < 11) << i;
  }
}

TEST(ConstantExample, RepeatsUntilOneWithNewNumbersEachTime) {
  // Entries 2, 3/0, 3/ and / each give a new example; 1 ends after a key.
  const std::vector<std::string> entries = {"2\n", "3/0\n", "3/\n", "/\n", "1\n"};
  std::string keys = "3\n3\n";
  for (const std::string& entry : entries) keys += std::string(11, 'x') + entry;
  keys += "x8\n9\n";
  Replay r = RunPalisteo(keys);
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);

  int k = 4;
  int lastA = 0;
  for (const std::string& entry : entries) {
    Example e = ReadExample(s, k);
    ASSERT_NE(e.x1, 0) << "no example at step " << k;
    EXPECT_EQ(e.y1, e.a * e.x1 * e.x1);
    EXPECT_NE(e.x1, e.x2);
    EXPECT_TRUE(e.a >= 2 && e.a <= 5 && e.x1 >= 2 && e.x1 <= 8 && e.x2 >= 2 && e.x2 <= 8);
    if (lastA != 0) { EXPECT_NE(e.a, lastA); }  // this run rejects no pair x1 = x2
    lastA = e.a;
    ExpectSolution(s, k, e);
    k += kExampleSteps - 1 + static_cast<int>(entry.size());
  }
  // After 1: one key wait, then the textbook hint and the sub-menu line.
  const int end = k;
  EXPECT_TRUE(s.Has(end, kAnyKey));
  EXPECT_FALSE(s.Has(end, "課2"));
  EXPECT_TRUE(s.GlyphAt(end + 1, 484, 570, 3, "教"));
  EXPECT_TRUE(s.Has(end + 1, "教科書P94 問3　をしなさい。"));
  EXPECT_TRUE(s.Has(end + 1, kLine));
  EXPECT_FALSE(s.Has(end + 1, "<めあて>"));
}

TEST(ConstantExample, TheLastAIsAvoidedOnTheNextVisitToo) {
  // Two visits of one example each; at these clock times no attempt is
  // rejected, so the second visit's a differs from the first one's.
  const std::string keys = "3\n3\n" + std::string(11, 'x') + "1\nx3\n" + std::string(11, 'x') +
                           "1\nx8\n9\n";
  for (const char* time : {"12:00:00", "08:15:30", "10:41:07"}) {
    Replay r = RunReplay("palisteo", KeyScript(keys), time);
    EXPECT_EQ(r.result.end, RunEnd::kFinished) << time;
    Steps s(r.log);
    const int second = s.Find("課2", 4 + kExampleSteps + 2);
    ASSERT_GT(second, 0) << time;
    Example first = ReadExample(s, 4), next = ReadExample(s, second);
    EXPECT_NE(first.a, next.a) << time;
    ExpectSolution(s, second, next);
  }
}

TEST(ConstantExample, DrawRulesOverManySeeds) {
  for (int seed : {1, 7, 36, 95, 1234}) {
    HeadlessOptions o;
    HeadlessHost host(o);
    Runtime rt(host);
    Palisteo p(rt);
    rt.Randomize(seed);
    std::set<int> as, xs;
    int repeatedA = 0;
    const int draws = 2000;
    for (int i = 0; i < draws; ++i) {
      const Num before = p.LASTA;
      p.DrawConstantExampleNumbers();
      const int a = static_cast<int>(p.T(1)), x1 = static_cast<int>(p.F(2)),
                x2 = static_cast<int>(p.F(3));
      ASSERT_TRUE(a >= 2 && a <= 5) << a;
      ASSERT_TRUE(x1 >= 2 && x1 <= 8 && x2 >= 2 && x2 <= 8);
      ASSERT_NE(x1, x2);
      ASSERT_EQ(p.LASTA, p.T(1));
      ASSERT_EQ(p.T(2), a * x1 * x1);
      ASSERT_EQ(p.T(3), a * x2 * x2);
      ASSERT_EQ(p.F(4), x2 * x2);
      ASSERT_EQ(p.F(5), x1 * x1);
      ASSERT_EQ(p.A1_s(1), std::to_string(a));
      ASSERT_EQ(p.A1_s(2), std::to_string(a * x1 * x1));
      ASSERT_EQ(p.A1_s(3), std::to_string(a * x2 * x2));
      ASSERT_EQ(p.TITLE_s(2), std::to_string(x1));
      ASSERT_EQ(p.TITLE_s(3), std::to_string(x2));
      ASSERT_EQ(p.TITLE_s(4), std::to_string(x2 * x2));
      ASSERT_EQ(p.TITLE_s(5), std::to_string(x1 * x1));
      if (p.T(1) == before) ++repeatedA;
      as.insert(a);
      xs.insert(x1);
      xs.insert(x2);
    }
    EXPECT_EQ(as.size(), 4u) << seed;
    EXPECT_EQ(xs.size(), 7u) << seed;
    // The last a comes back only after a rejected pair x1 = x2 (about 1 in 21
    // examples), since a rejected pair draws its a again as well.
    EXPECT_GT(repeatedA, 0) << seed;
    EXPECT_LT(repeatedA, draws / 10) << seed;
  }
}

// ---- ④ question 3, ⑤ to ⑦ practice ----

TEST(ConstantAnswers, TwoColumnsOneKeyBetween) {
  Replay r = RunPalisteo("3\n4\nx8\n9\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  bool wholeWindow = false;
  for (const std::string& b : FilledBoxes(s.Lines(4)))
    if (b.rfind("0 0 1320 1300 15 15", 0) == 0) wholeWindow = true;
  EXPECT_TRUE(wholeWindow);
  ExpectGlyphs(s, {{4, 121, 30, 7, "<"},
                   {4, 40, 80, 7, "("},
                   {4, 121, 190, 0, "4"},
                   {4, 121, 250, 0, "1"},
                   {4, 121, 360, 5, "答"},
                   {5, 593, 30, 7, "("},
                   {5, 681, 140, 0, "7"},
                   {5, 681, 200, 0, "9"},
                   {5, 681, 310, 5, "答"}});
  ExpectHas(s, 4, {"<問3 解答>", "(1)y=ax^2 に", "x=4,y=48を代入して", "48=a*4^2", "16a=48", "a=3",
                   "答 y=3x^2"});
  ExpectHas(s, 5, {"(2)y=ax^2 に", "x=-3,y=72を代入して", "72=a*(-3)^2", "9a=72", "a=8",
                   "答 y=8x^2", kLine});
  EXPECT_TRUE(s.Has(4, kAnyKey));
  EXPECT_FALSE(s.Has(5, kAnyKey));
  // "y=ax^2 に" continues the label's line in colour 3.
  for (const TextCall& g : s.Glyphs(4, "a"))
    if (g.y < 100) { EXPECT_EQ(g.colour, 3); }
}

// The practice heading: "練習問題" in a box 170 wide at (40, 30), the number
// in a box 38 wide at (240, 30), drawn at pen width `width`.
void ExpectPracticeHeading(const Steps& s, int k, const std::string& number, int width) {
  auto rows = s.Cells(k, 44);
  ASSERT_EQ(rows[30].size(), 2u);
  EXPECT_EQ(rows[30][0].x, 40);
  EXPECT_EQ(rows[30][0].width, 170);
  EXPECT_EQ(rows[30][0].text, "練習問題");
  EXPECT_EQ(rows[30][1].x, 240);
  EXPECT_EQ(rows[30][1].width, 38);
  EXPECT_EQ(rows[30][1].text, number);
  for (const TextCall& g : s.Glyphs(k, "練"))
    if (g.y < 100) { EXPECT_EQ(g.colour, 13); }
  bool box = false;
  for (const std::string& b : FilledBoxes(s.Lines(k)))
    if (b == "40 30 210 74 5 4 " + std::to_string(width)) box = true;
  EXPECT_TRUE(box) << number;
  bool wipe = false;
  for (const std::string& b : FilledBoxes(s.Lines(k)))
    if (b.rfind("0 0 1760 1800 15 15", 0) == 0) wipe = true;
  EXPECT_TRUE(wipe) << number;
}

TEST(PracticeScreens, OneAndTwo) {
  Replay r = RunPalisteo("3\n5\n6\nx8\n9\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  // Practice 1 all at once, then the line.
  ExpectPracticeHeading(s, 4, "1", 3);
  ExpectGlyphs(s, {{4, 121, 80, 0, "y"},
                   {4, 121, 130, 0, "1"},
                   {4, 121, 380, 5, "3"}});
  ExpectHas(s, 4, {"y=2x^2 にy=18を代入して", "18=2x^2", "x^2=9", "x>0 だから", "x=3", "3秒", kLine});
  EXPECT_FALSE(s.Has(4, kAnyKey));
  // Practice 2: (1), a key, (2).
  ExpectPracticeHeading(s, 6, "2", 3);
  ExpectGlyphs(s, {{6, 40, 90, 3, "("},
                   {6, 121, 190, 0, "4"},
                   {6, 121, 290, 5, "y"},
                   {7, 40, 350, 3, "("},
                   {7, 121, 400, 0, "y"},
                   {7, 121, 450, 0, "y"},
                   {7, 121, 500, 5, "y"}});
  ExpectHas(s, 6, {"(1) y=ax^2に、x=2,y=-8を代入して", "-8=a*2^2", "4a=-8", "a=-2", "y=-2x^2", kAnyKey});
  ExpectHas(s, 7, {"(2) y=-2x^2にx=5を代入して、", "y=-2*5^2", "y=-2*25", "y=-50", kLine});
  EXPECT_FALSE(s.Has(7, kAnyKey));
}

TEST(PracticeScreens, ThreeInFiveStages) {
  Replay r = RunPalisteo("3\n7\nxxxx8\n9\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  ExpectPracticeHeading(s, 4, "3", 5);
  auto rows = s.Cells(4, 50);
  ASSERT_EQ(rows.size(), 2u);
  const std::vector<std::string> xs = {"x", "-3", "0.5", "1", "2", "③"};
  const std::vector<std::string> ys = {"y", "①", "1", "②", "16", "100"};
  for (size_t i = 0; i < 6; ++i) {
    const float left = i == 0 ? 40 : 100 + 90 * static_cast<float>(i - 1);
    EXPECT_EQ(rows[100].at(i).x, left);
    EXPECT_EQ(rows[150].at(i).x, left);
    EXPECT_EQ(rows[100][i].width, i == 0 ? 60 : 90);
    EXPECT_EQ(rows[100][i].text, Canon(xs[i]));
    EXPECT_EQ(rows[150][i].text, Canon(ys[i]));
  }
  EXPECT_EQ(s.LastOfRun(kAnyKey, 4), 7);
  ExpectGlyphs(s, {{5, 40, 210, 3, "y"},
                   {5, 40, 260, 0, "1"},
                   {5, 40, 310, 0, "4"},
                   {6, 40, 420, 3, "①"},
                   {6, 80, 470, 0, "y"},
                   {7, 40, 530, 3, "②"},
                   {7, 80, 580, 0, "y"},
                   {8, 680, 80.5f, 3, "③"},
                   {8, 720, 130.5f, 0, "1"}});
  ExpectHas(s, 5, {"y=ax^2 に、x=2,y=16 を代入して", "16=a*2^2", "4a=16", "a=4この関数は、y=4x^2…ア"});
  ExpectHas(s, 6, {"①　アにx=-3 を代入して", "y=4*(-3)^2=4*9=36"});
  ExpectHas(s, 7, {"②　アにx=1 を代入して", "y=4*1^2=4*1=4"});
  ExpectHas(s, 8, {"③　アにy=100 を代入して", "100=4x^2", "x^2=25", "x>0 だから 5", kLine});
  // The results in colour 5, each continuing its line.
  auto coloured = [&](int k, float y, int colour) {
    std::string out;
    for (const TextCall& g : s.Glyphs(k))
      if (g.y == y && g.colour == colour) out += g.text;
    return Canon(out);
  };
  EXPECT_EQ(coloured(6, 470, 5), "36");
  EXPECT_EQ(coloured(7, 580, 5), "4");
  EXPECT_EQ(coloured(8, 230.5f, 5), "5");
  EXPECT_EQ(coloured(5, 360, 3), Canon("この関数は、y=42…ア"));  // the italic x sits off the line
  EXPECT_FALSE(s.Has(8, kAnyKey));
}

}  // namespace
}  // namespace lessons::testing
