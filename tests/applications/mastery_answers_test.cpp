// Orvenna's unit 5: the eight answer screens of page P118, driven by key
// scripts from the main menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/bench.h"
#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

const char kLine[] = "P118 学びを身につけよう　①～⑧解答　　⑨終了";
const char kKeyBox[] = "何かキーを押して下さい。";

// Steps of a visit: 4 the screen's entry, 4 + k after its k-th key (the
// last one ends with the sub-menu line); then 9 leaves for the main menu.
constexpr int kEntry = 4;

Replay RunMastery(int item, int keys) {
  return RunReplay("orvenna",
                   KeyScript("5\n" + std::to_string(item) + "\n" + std::string(keys, 'x') + "9\n7\n"));
}

// Does step k draw `glyph` in `colour` anywhere on the screen?
bool GlyphIn(const Steps& s, int k, const char* glyph, int colour) {
  for (const TextCall& t : s.Glyphs(k, glyph))
    if (t.colour == colour) return true;
  return false;
}

// The dots of radius r and colour c in step k, in drawing order.
std::vector<CircleCall> DotsIn(const Steps& s, int k, float r, int colour) {
  std::vector<CircleCall> out;
  for (const CircleCall& c : s.Dots(k, r))
    if (c.colour == colour) out.push_back(c);
  return out;
}

// The runs of consecutive radius-1 dots of step k: one per traced curve.
std::vector<std::vector<CircleCall>> Traces(const Steps& s, int k) {
  std::vector<std::vector<CircleCall>> out;
  bool inRun = false;
  for (const std::string& line : s.Lines(k)) {
    auto dot = CircleCalls(LogLines{line});
    if (dot.size() == 1 && dot[0].r == 1) {
      if (!inRun) out.emplace_back();
      out.back().push_back(dot[0]);
      inRun = true;
    } else {
      inRun = false;
    }
  }
  return out;
}

// The axes of a plane (pen 4): the y axis at x from top to bottom, the x axis
// at y from left to right.
void ExpectAxes(const Steps& s, int k, float x, float top, float bottom, float y, float left,
                float right) {
  int found = 0;
  for (const LineCall& l : LineCalls(s.Lines(k))) {
    if (l.width != 4 || l.shape != "line") continue;
    if (l.x1 == x && l.x2 == x && l.y1 == top && l.y2 == bottom) ++found;
    if (l.y1 == y && l.y2 == y && l.x1 == left && l.x2 == right) ++found;
  }
  EXPECT_EQ(found, 2) << "axes in step " << k;
}

struct Visit {
  int item, keys;
};
const Visit kVisits[] = {{1, 5}, {2, 8}, {3, 4}, {4, 3}, {5, 18}, {6, 7}, {7, 14}, {8, 6}};

TEST(MasteryUnit, EachAnswerWaitsItsKeysThenAsksTheLineAtOnce) {
  for (const Visit& v : kVisits) {
    SCOPED_TRACE(v.item);
    Replay r = RunMastery(v.item, v.keys);
    EXPECT_EQ(r.result.end, RunEnd::kFinished);
    Steps s(r.log);
    ASSERT_GT(s.size(), kEntry + v.keys + 2);
    // Straight to the sub-menu line: the unit has no goal screen.
    EXPECT_TRUE(s.Has(2, kLine));
    EXPECT_FALSE(s.Has(2, "めあて"));
    // The frame: the wipe, the heading and the question number in 13 inside its box.
    EXPECT_TRUE(s.WipeFrom(kEntry, 0, 0));
    EXPECT_TRUE(s.Has(kEntry, "学びを身につけよう"));
    auto number = s.Glyphs(kEntry, std::to_string(v.item));
    ASSERT_FALSE(number.empty());
    EXPECT_EQ(number[0].colour, 13);
    EXPECT_GT(number[0].x, 430);
    EXPECT_LT(number[0].x, 478);
    for (int k = kEntry; k < kEntry + v.keys; ++k) {
      EXPECT_TRUE(s.Has(k, kKeyBox)) << k;
      EXPECT_FALSE(s.Has(k, kLine)) << k;
    }
    const int last = kEntry + v.keys;
    EXPECT_TRUE(s.Has(last, kLine));
    EXPECT_FALSE(s.Has(last, kKeyBox));
    // 9 goes back to the main menu, which draws itself once.
    EXPECT_EQ(s.MenuDraws(last + 1, s.size() - 1), 1);
  }
}

TEST(MasteryAnswer1Screen, CurveAloneThenThePointAndTheWorking) {
  Replay r = RunMastery(1, 5);
  Steps s(r.log);
  ExpectAxes(s, kEntry, 930, 60, 450, 120, 720, 1140);
  // Labels at the whole numbers, 26 high (those of x narrowed): x from -3
  // to 3 under the axis (120), -1 and 1, which the parabola crosses there,
  // above it in the plane's two rows there; y from -5 to -2 left of the
  // axis (930), the -1, which the parabola crosses there, right of it.
  std::vector<std::string> below, above, left, right;
  for (const TextCall& t : s.Glyphs(kEntry))
    if (t.b * t.size == 26 && !t.bold && t.x > 700)
      (t.y > 150 ? (t.x < 900 ? left : right) : t.y > 120 ? below : above).push_back(t.text);
  EXPECT_EQ(below, (std::vector<std::string>{"-3", "-2", "2", "3"}));
  EXPECT_EQ(above, (std::vector<std::string>{"-1", "1"}));
  EXPECT_EQ(right, (std::vector<std::string>{"-1"}));
  EXPECT_EQ(left, (std::vector<std::string>{"-5", "-4", "-3", "-2"}));
  // y = -x²/2 traced over x from -7 to 7, kept to the plane's rows: it
  // leaves through the bottom edge at x = ±√11.
  auto curve = Traces(s, kEntry);
  ASSERT_EQ(curve.size(), 1u);
  EXPECT_EQ(curve[0].front().colour, 3);
  EXPECT_NEAR(curve[0].front().x, 930 - 60 * std::sqrt(11.0f), 0.2);
  EXPECT_NEAR(curve[0].back().x, 930 + 60 * std::sqrt(11.0f), 0.2);
  EXPECT_NEAR(curve[0].back().y, 450, 0.6);
  // Neither the curve nor the point has a label.
  for (int k : {kEntry, kEntry + 1})
    for (const TextCall& t : s.Glyphs(k))
      EXPECT_FALSE(t.x > 700 && t.size == 16) << t.text << " in step " << k;
  EXPECT_TRUE(s.Dots(kEntry, 8).empty());
  auto point = s.Dots(kEntry + 1, 8);
  ASSERT_EQ(point.size(), 1u);
  EXPECT_FLOAT_EQ(point[0].x, 1050);
  EXPECT_FLOAT_EQ(point[0].y, 240);
  EXPECT_EQ(point[0].colour, 5);
  EXPECT_EQ(point[0].fill, 1);
  ExpectGlyphs(s, {{5, 40, 90, 3, "("}, {5, 121, 90, 0, "点"}, {8, 40, 290, 3, "("},
                   {9, 40, 440, 5, "y"}});
  ExpectHas(s, 5, {"(1)点(2,2) を通るから", "x=2,y=2を代入して"});
  ExpectHas(s, 6, {"2=a×2"});
  ExpectHas(s, 7, {"a=42=21"});  // a fraction draws its denominator first
  ExpectHas(s, 8, {"(2)y=21x2 に", "x=23を代入して"});
  ExpectHas(s, 9, {"y=21×(23)2=21×49=89"});
  // The results in 5, the working in 0.
  EXPECT_TRUE(GlyphIn(s, 7, "a", 5));
  EXPECT_TRUE(GlyphIn(s, 7, "4", 0));
  EXPECT_FALSE(GlyphIn(s, 7, "4", 5));
  EXPECT_TRUE(GlyphIn(s, 9, "8", 5));
  EXPECT_FALSE(GlyphIn(s, 9, "8", 0));
}

TEST(MasteryAnswer2Screen, FourParabolasLabelledWhereTheyLeaveThePlane) {
  Replay r = RunMastery(2, 8);
  Steps s(r.log);
  ExpectAxes(s, kEntry, 900, 90, 590, 350, 800, 1000);
  struct Curve {
    int colour;
    float a, edge;  // the value of y where the curve leaves the plane
    const char* label;
    float end;  // at the curve's right end (1) or left end (-1)
    float right, down;
  };
  // Each label by one of its own curve's ends, nearer to it than to the
  // others: ① over its left end (the letter y stands by its right one), ②
  // right of its right end, ③ left and ④ right of theirs (about there: the
  // figure leaves each its place).
  const Curve curves[] = {{3, 2, 13, "①", -1, -10, -60}, {5, 1, 13, "②", 1, 12, 0},
                          {7, -1, -12, "③", 1, -44, 0}, {0, -0.5f, -12, "④", 1, 10, 0}};
  auto traces = Traces(s, kEntry);
  ASSERT_EQ(traces.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    const Curve& c = curves[i];
    SCOPED_TRACE(c.label);
    const auto& t = traces[i];
    EXPECT_EQ(t.front().colour, c.colour);
    const float reach = 20 * std::sqrt(c.edge / c.a);
    EXPECT_NEAR(t.front().x, 900 - reach, 0.1);
    // It ends at the edge, behind the labels there; its label is put where
    // it ends.
    EXPECT_LE(t.back().x, 900 + reach + 0.1);
    EXPECT_TRUE(
        s.GlyphNear(kEntry, 900 + c.end * reach + c.right, 350 - 20 * c.edge + c.down, c.colour, c.label));
  }
  // "①" stands alone at first; each description comes with its label.
  ExpectGlyphs(s, {{4, 40, 120, 3, "①"}, {5, 80, 120, 0, "上"}, {7, 40, 230, 3, "②"},
                   {7, 80, 230, 0, "上"}, {9, 40, 340, 3, "③"}, {9, 80, 340, 0, "下"},
                   {11, 40, 450, 3, "④"}, {11, 80, 450, 0, "下"}});
  EXPECT_FALSE(s.Has(4, "上に開き"));
  ExpectHas(s, 5, {"上に開き、②より開き方が小さい"});
  ExpectHas(s, 7, {"上に開き、①より開き方が大きい"});
  ExpectHas(s, 9, {"下に開き、④より開き方が小さい"});
  ExpectHas(s, 11, {"下に開き、③より開き方が大きい"});
  for (auto [k, y, text] : std::vector<std::tuple<int, float, std::string>>{
           {6, 170, "y=2x2"}, {8, 280, "y=x2"}, {10, 390, "y=x2"}, {12, 530, "y=21x2"}}) {
    SCOPED_TRACE(k);
    EXPECT_EQ(s.Text(k).substr(0, text.size()), Canon(text));
    auto first = s.Glyphs(k).front();
    EXPECT_FLOAT_EQ(first.x, 80);
    EXPECT_EQ(first.colour, 5);
  }
}

TEST(MasteryAnswer3And4Screens, WorkingLinesAndTheirColours) {
  {
    Replay r = RunMastery(3, 4);
    Steps s(r.log);
    ExpectGlyphs(s, {{4, 40, 110, 3, "y"}, {6, 80, 290, 0, "だ"}});
    ExpectHas(s, 4, {"y=ax2 とすると"});
    ExpectHas(s, 5, {"x=2 のとき y=a×22=4a", "x=4 のとき y=a×42=16a"});
    EXPECT_TRUE(GlyphIn(s, 5, "1", 3));
    ExpectHas(s, 6, {"だから、変化の割合は", "xの増加量yの増加量"});
    ExpectHas(s, 7, {"=4216a4a=212a=6a"});
    EXPECT_TRUE(GlyphIn(s, 7, "6", 5));
    ExpectHas(s, 8, {"したがって、6a=2", "a=62=31"});
    EXPECT_TRUE(GlyphIn(s, 8, "3", 5));
    EXPECT_TRUE(GlyphIn(s, 8, "6", 0));
    // The quotient's numbers continue its line, right of the general quotient.
    float quotientEnd = 0;
    for (const TextCall& t : s.Glyphs(6))
      if (t.y > 330 && t.y < 600) quotientEnd = std::max(quotientEnd, t.x);
    for (const TextCall& t : s.Glyphs(7)) {
      if (t.text == "=") {
        EXPECT_GT(t.x, quotientEnd);
      }
    }
  }
  {
    Replay r = RunMastery(4, 3);
    Steps s(r.log);
    // The three values stand with the boxes, before any key.
    ExpectHas(s, 4, {"x=3 のとき y=a×(3)2=9a", "x=4 のとき y=a×42=16a", "x=0 のとき y=0"});
    EXPECT_TRUE(GlyphIn(s, 4, "9", 3));
    ExpectHas(s, 5, {"4≦y≦0 だから"});
    EXPECT_TRUE(GlyphIn(s, 5, "≦", 3));
    ExpectGlyphs(s, {{6, 80, 320, 3, "1"}});
    ExpectHas(s, 7, {"a=164=41"});
    EXPECT_TRUE(GlyphIn(s, 7, "1", 0));
    EXPECT_TRUE(GlyphIn(s, 7, "1", 5));
  }
}

TEST(MasteryRateScreen, TheLastWorkingLineAndTheAnswerInFive) {
  Replay r = RunMastery(6, 7);
  Steps s(r.log);
  ExpectGlyphs(s, {{4, 40, 110, 3, "y"}, {6, 80, 290, 0, "だ"}, {8, 40, 440, 3, "y"},
                   {9, 80, 500, 3, "2"}});
  ExpectHas(s, 5, {"x=a のとき y=a2", "x=a2 のとき y=(a2)2=a24a4"});
  ExpectHas(s, 7, {"=a2aa24a4a2=24a4=2a2"});
  ExpectHas(s, 8, {"y=6x1 の変化の割合は6 だから"});
  // "2a=6-2=4" stands 60 after the end of "2a+2=6".
  Bench b;
  Typeset(b, "2a+2=6", 80, 500);
  auto second = s.Glyphs(10);
  ASSERT_FALSE(second.empty());
  EXPECT_FLOAT_EQ(second.front().x, b.L.DSM1 + 60);
  EXPECT_FLOAT_EQ(second.front().y, 500);
  EXPECT_EQ(second.front().colour, 0);
  ExpectHas(s, 11, {"a=2"});
  for (const TextCall& t : s.Glyphs(11)) {
    if (t.y < 600) {
      EXPECT_EQ(t.colour, 5) << t.text;
    }
  }
}

TEST(MasteryStepGraphScreen, EachLevelItsEndsThenItsSegment) {
  Replay r = RunMastery(5, 18);
  Steps s(r.log);
  // The plane's top at 130 (its "y" over it, under the heading box), its
  // origin (320, 460).
  ExpectAxes(s, kEntry, 320, 130, 460, 460, 320, 650);
  EXPECT_TRUE(s.Dots(kEntry, 8).empty());
  struct Level {
    float left, right, y;
  };
  const Level levels[] = {{320, 350, 460}, {350, 410, 400}, {410, 470, 340},
                          {470, 530, 280}, {530, 590, 220}, {590, 620, 160}};
  for (int level = 1; level <= 6; ++level) {
    SCOPED_TRACE(level);
    const Level& l = levels[level - 1];
    const int k = kEntry + 3 * (level - 1) + 1;
    // The end that belongs to the step filled, the other an outline (the
    // last level's right end x = 5 belongs).
    auto left = s.Dots(k, 8), right = s.Dots(k + 1, 8);
    ASSERT_EQ(left.size(), 1u);
    ASSERT_EQ(right.size(), 1u);
    EXPECT_FLOAT_EQ(left[0].x, l.left);
    EXPECT_FLOAT_EQ(left[0].y, l.y);
    EXPECT_EQ(left[0].fill, 1);
    EXPECT_FLOAT_EQ(right[0].x, l.right);
    EXPECT_FLOAT_EQ(right[0].y, l.y);
    EXPECT_EQ(right[0].fillColour, level == 6 ? 3 : 15);
    for (const auto& d : {left[0], right[0]}) EXPECT_EQ(d.colour, 3);
    for (int dotStep : {k, k + 1})
      for (const LineCall& c : LineCalls(s.Lines(dotStep))) EXPECT_NE(c.shape, "line") << dotStep;
    // The segment after both, from the dot's centre to the empty circle's ring.
    std::vector<LineCall> segment;
    for (const LineCall& c : LineCalls(s.Lines(k + 2)))
      if (c.shape == "line") segment.push_back(c);
    ASSERT_EQ(segment.size(), 1u);
    ExpectLevelLine(segment[0], l.left, l.right - (level == 6 ? 0 : 8), l.y, 5);
    EXPECT_EQ(segment[0].colour, 3);
    EXPECT_TRUE(s.Dots(k + 2, 8).empty());
  }
}

TEST(MasteryTriangleScreen, FigureStaysForTheSecondPage) {
  Replay r = RunMastery(7, 14);
  Steps s(r.log);
  ExpectAxes(s, kEntry, 1014, 100, 540, 500, 814, 1214);
  // The parabola leaves through the top at x = ±√20 and is labelled about
  // where its screen puts the label, up and left of its last dot, clear of
  // the curve and inside the screen; the line runs over the whole width.
  auto traces = Traces(s, kEntry);
  ASSERT_EQ(traces.size(), 2u);
  const auto& parabola = traces[0];
  const auto& line = traces[1];
  EXPECT_NEAR(parabola.front().x, 1014 - 40 * std::sqrt(20.0f), 0.1);
  EXPECT_NEAR(parabola.back().x, 1014 + 40 * std::sqrt(20.0f), 0.1);
  EXPECT_NEAR(parabola.back().y, 100, 0.5);
  EXPECT_TRUE(s.GlyphNear(kEntry, parabola.back().x - 120, parabola.back().y - 60, 0, "y"));
  EXPECT_FLOAT_EQ(line.front().x, 814);
  EXPECT_FLOAT_EQ(line.front().y, 540);
  EXPECT_NEAR(line.back().x, 1214, 0.1);
  EXPECT_NEAR(line.back().y, 140, 0.1);
  // A and B with their drops to the x axis and their x values.
  auto points = DotsIn(s, kEntry, 6, 3);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_FLOAT_EQ(points[0].x, 934);
  EXPECT_FLOAT_EQ(points[0].y, 420);
  EXPECT_FLOAT_EQ(points[1].x, 1174);
  EXPECT_FLOAT_EQ(points[1].y, 180);
  auto drops = LineCalls(s.Lines(kEntry));
  int found = 0;
  for (const LineCall& l : drops)
    if (l.shape == "line" && l.colour == 3 && l.x1 == l.x2 && l.y2 == 500 &&
        ((l.x1 == 934 && l.y1 == 420) || (l.x1 == 1174 && l.y1 == 180)))
      ++found;
  EXPECT_EQ(found, 2);
  // A and B moved left of their dots, clear of the parabola and the line.
  ExpectGlyphsNear(s, {{kEntry, 927, 334, 3, "A"}, {kEntry, 1142, 120, 3, "B"},
                       {kEntry, 1158, 500, 3, "4"}});
  EXPECT_TRUE(GlyphIn(s, kEntry, "2", 3));

  // Page 1: the texts, then C with its "4".
  ExpectGlyphs(s, {{5, 40, 90, 3, "("}, {5, 116, 290, 5, "答"}, {6, 40, 350, 3, "("},
                   {8, 80, 580, 3, "b"}});
  ExpectHas(s, 5, {"y=21×(2)2=21×4=2", "答A(2,2),B(4,8)"});
  ExpectHas(s, 7, {"a=4(2)82=426=66=1", "y=xb"});
  EXPECT_TRUE(GlyphIn(s, 7, "a", 3));
  ExpectHas(s, 8, {"にx=4,y=8 を代入して", "8=4b", "b=84=4", "答y=x4"});
  auto c = s.Dots(9, 6);
  ASSERT_EQ(c.size(), 1u);
  EXPECT_FLOAT_EQ(c[0].x, 1014);
  EXPECT_FLOAT_EQ(c[0].y, 340);
  ExpectGlyphsNear(s, {{9, 1020, 246, 3, "C"}, {9, 984, 290, 3, "4"}});

  // Page 2 wipes only left of the plane (814) and draws no figure again.
  const int page2 = kEntry + 6;
  bool narrowWipe = false;
  for (int k = page2; k <= page2 + 8; ++k)
    for (const LineCall& l : LineCalls(s.Lines(k)))
      if (l.shape == "fill" && l.fillColour == 15 && l.x1 == 0 && l.y1 == 0) {
        EXPECT_FLOAT_EQ(l.x2, 792) << k;
        narrowWipe |= k == page2;
      }
  EXPECT_TRUE(narrowWipe);
  EXPECT_TRUE(Traces(s, page2).empty());
  EXPECT_TRUE(s.Dots(page2, 6).empty());
  EXPECT_TRUE(s.Has(page2, "学びを身につけよう"));
  ExpectGlyphs(s, {{page2, 40, 90, 3, "("}});
  // Triangle OAB in 9 at pen 8, then OC in 5 still at pen 8.
  auto outline = PolyCalls(s.Lines(page2));
  ASSERT_EQ(outline.size(), 1u);
  EXPECT_EQ(outline[0].colour, 9);
  EXPECT_EQ(outline[0].width, 8);
  EXPECT_FALSE(outline[0].fill);
  EXPECT_EQ(outline[0].points, (std::vector<std::pair<float, float>>{
                                   {934, 420}, {1174, 180}, {1014, 500}, {934, 420}}));
  bool oc = false;
  for (const LineCall& l : LineCalls(s.Lines(page2 + 1)))
    oc |= l.shape == "line" && l.colour == 5 && l.width == 8 && l.x1 == 1014 && l.y1 == 500 &&
          l.x2 == 1014 && l.y2 == 340;
  EXPECT_TRUE(oc);
  ExpectHas(s, page2 + 1, {"△OAB=△OAC△OBC"});
  ExpectHas(s, page2 + 4, {"△OAC=21×4×2=4"});
  ExpectHas(s, page2 + 7, {"△OBC=21×4×4=8"});

  // The heights: feet of radius 1 on the y axis, then dotted segments at pen 5.
  struct Height {
    int step;
    float footY, vertexX;
    int footColour;
    size_t dots;
  };
  for (const Height& h : {Height{page2 + 3, 420, 934, 5, 16}, Height{page2 + 6, 180, 1174, 0, 23}}) {
    SCOPED_TRACE(h.step);
    auto foot = s.Dots(h.step, 1);
    ASSERT_EQ(foot.size(), 1u);
    EXPECT_FLOAT_EQ(foot[0].x, 1014);
    EXPECT_FLOAT_EQ(foot[0].y, h.footY);
    EXPECT_EQ(foot[0].colour, h.footColour);
    auto dots = DotsIn(s, h.step, 0.5f, 3);
    ASSERT_EQ(dots.size(), h.dots);
    EXPECT_NEAR(dots.front().x, 1014, 0.01);
    for (const auto& d : dots) {
      EXPECT_NEAR(d.y, h.footY, 0.01);
      EXPECT_EQ(d.width, 5);
    }
  }
  // Every 12 degrees the last dot is A itself; every 8 degrees it is at
  // 356 degrees, short of B.
  EXPECT_NEAR(DotsIn(s, page2 + 3, 0.5f, 3).back().x, 934, 0.01);
  const float last = DotsIn(s, page2 + 6, 0.5f, 3).back().x;
  EXPECT_NEAR(last, 1094 + 80 * std::cos(4 * 3.14159265f / 180), 0.01);
  EXPECT_LT(last, 1173.9f);
  EXPECT_TRUE(GlyphIn(s, page2 + 3, "2", 3));
  EXPECT_TRUE(GlyphIn(s, page2 + 6, "4", 3));
  ExpectGlyphs(s, {{page2 + 2, 80, 140, 0, "△"}, {page2 + 4, 80, 210, 3, "△"},
                   {page2 + 5, 80, 280, 0, "△"}, {page2 + 7, 80, 350, 3, "△"},
                   {page2 + 8, 80, 420, 3, "△"}, {page2 + 8, 80, 500, 5, "答"}});
  ExpectHas(s, page2 + 8, {"△OAB=48=12", "答12"});
  EXPECT_TRUE(GlyphIn(s, page2 + 8, "1", 5));
}

TEST(MasteryCarScreen, ParabolaOnItsRangeDotsBeyondThenTheLine) {
  Replay r = RunMastery(8, 6);
  Steps s(r.log);
  // The plane ends at 630, clear of the entry field's wipe from 640 on.
  ExpectAxes(s, kEntry, 874, 60, 630, 570, 784, 1174);
  // The numbers under the x axis (570), and those of the y axis left of it,
  // in the plane's three columns there (-100 on its bottom edge left out).
  std::vector<std::string> under, left;
  for (const TextCall& t : s.Glyphs(kEntry))
    if (t.size == 26 && !t.bold && !t.text.empty() && t.x > 784)
      (t.y > 570 ? under : left).push_back(t.text);
  EXPECT_EQ(under, (std::vector<std::string>{"20", "40"}));
  EXPECT_EQ(left, (std::vector<std::string>{"100", "200", "300", "400", "500", "600", "700", "800"}));
  ExpectGlyphs(s, {{kEntry, 40, 80, 3, "("}, {6, 40, 240, 3, "("}, {7, 80, 290, 3, "y"},
                   {7, 40, 350, 3, "("}, {10, 80, 410, 0, "グ"}});
  EXPECT_TRUE(Traces(s, 5).empty());
  // Key 2: y = 0.5x² on 0 ≦ x ≦ 40 in 3, six dots at x = -10 to 0 and two at 40.5 and 41.
  auto parabola = Traces(s, 6);
  ASSERT_EQ(parabola.size(), 1u);
  EXPECT_EQ(parabola[0].front().colour, 3);
  EXPECT_NEAR(parabola[0].front().x, 874, 0.02);  // x = 0 is traced at 0.002
  EXPECT_NEAR(parabola[0].front().y, 570, 0.01);
  EXPECT_NEAR(parabola[0].back().x, 1114, 0.1);
  EXPECT_NEAR(parabola[0].back().y, 90, 0.5);
  auto dots = s.Dots(6, 3);
  ASSERT_EQ(dots.size(), 8u);
  const float xs[] = {-10, -8, -6, -4, -2, 0, 40.5f, 41};
  for (size_t i = 0; i < 8; ++i) {
    EXPECT_NEAR(dots[i].x, 874 + 6 * xs[i], 0.01) << i;
    EXPECT_NEAR(dots[i].y, 570 - 0.3f * xs[i] * xs[i], 0.01) << i;
    EXPECT_EQ(dots[i].colour, 3);
  }
  EXPECT_NEAR(dots.back().y, 65.7, 0.01);
  ExpectHas(s, 7, {"y=0.5×182=9×18=162(m)"});
  EXPECT_TRUE(GlyphIn(s, 7, "m", 3));
  // Key 5: the line y = 15x in 7, no label.
  auto line = Traces(s, 9);
  ASSERT_EQ(line.size(), 1u);
  EXPECT_EQ(line[0].front().colour, 7);
  EXPECT_NEAR(line[0].front().x, 874, 0.01);
  EXPECT_NEAR(line[0].back().x, 1114, 0.1);
  EXPECT_NEAR(line[0].back().y, 210, 0.1);
  for (const TextCall& t : s.Glyphs(9)) EXPECT_LT(t.y, 1800) << t.text;
  ExpectHas(s, 10, {"グラフから追いぬくことができる。"});
  EXPECT_TRUE(GlyphIn(s, 10, "追", 3));
}

}  // namespace
}  // namespace lessons::testing
