// Orvenna's unit 4: the six answer screens of page P116, driven by key
// scripts (and one directly on the bench).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "applications/orvenna.h"
#include "tests/support/bench.h"
#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

const char kLine[] = "P116 学びをたしかめよう　①1,2　②３　③４　④５　⑤６　⑥７　⑦終了";
const char kKeyPrompt[] = "何かキーを押して下さい。";
// (Steps::Has reads a stacked fraction as drawn: denominator, then numerator.)

// Item `item` of unit 4 with `keys` key presses, then the sub-menu's and the
// main menu's end items. Step 4 is the screen's entry, step 4 + k follows its
// k-th key.
Replay RunItem(int item, int keys) {
  return RunReplay("orvenna", KeyScript("4\n" + std::to_string(item) + "\n" +
                                        std::string(static_cast<size_t>(keys), 'x') + "7\n7\n"));
}

// The curves of a step: runs of dots of radius 1 in colour 5, each ended by
// the first visible text after it (its label); `label` is that text's corner.
struct Curve {
  std::vector<CircleCall> dots;
  TextCall label;
};
std::vector<Curve> Curves(const LogLines& step) {
  std::vector<Curve> out;
  bool open = false;
  for (const std::string& line : step) {
    auto circles = CircleCalls(LogLines{line});
    if (!circles.empty() && circles[0].r == 1 && circles[0].colour == 5) {
      if (!open) out.emplace_back();
      open = true;
      out.back().dots.push_back(circles[0]);
      continue;
    }
    auto texts = VisibleTexts(LogLines{line});
    if (open && !texts.empty()) {
      out.back().label = texts[0];
      open = false;
    }
  }
  return out;
}

// Checks a curve's first and last dots and that its label's corner is the
// last dot.
void ExpectCurve(const Curve& c, float x1, float y1, float x2, float y2, const char* glyph) {
  ASSERT_FALSE(c.dots.empty());
  EXPECT_NEAR(c.dots.front().x, x1, 0.5);
  EXPECT_NEAR(c.dots.front().y, y1, 0.5);
  EXPECT_NEAR(c.dots.back().x, x2, 0.5);
  EXPECT_NEAR(c.dots.back().y, y2, 0.5);
  EXPECT_EQ(c.label.text, glyph);
  EXPECT_EQ(c.label.colour, 5);
}

// The plane's axes in step k: the level one at y `originY` from x1 to x2 and
// the upright one at x `originX` from y1 to y2, both in pen 4.
void ExpectAxes(const Steps& s, int k, float x1, float y1, float x2, float y2, float originX,
                float originY) {
  bool across = false, upright = false;
  for (const LineCall& l : LineCalls(s.Lines(k))) {
    if (l.width != 4 || l.shape != "line") continue;
    across |= l.x1 == x1 && l.x2 == x2 && l.y1 == originY && l.y2 == originY;
    upright |= l.x1 == originX && l.x2 == originX && l.y1 == y1 && l.y2 == y2;
  }
  EXPECT_TRUE(across) << "x axis in step " << k;
  EXPECT_TRUE(upright) << "y axis in step " << k;
}

struct ScreenKeys {
  int item;
  int keys;
  const char* last;  // a text that only the last step draws
};

TEST(CheckUnderstandingUnit, EveryScreenTakesItsKeysAndReturnsAtOnce) {
  for (const ScreenKeys& c : std::vector<ScreenKeys>{{1, 13, "y=-3x^2"},
                                                     {2, 1, "y=x^2"},
                                                     {3, 8, "小さくなる"},
                                                     {4, 5, "-4≦y≦0"},
                                                     {5, 16, "315=5"},  // ﾀ15/3ﾀ=5
                                                     {6, 26, "答 秒速24m"}}) {
    SCOPED_TRACE(c.item);
    Replay r = RunItem(c.item, c.keys);
    EXPECT_EQ(r.result.end, RunEnd::kFinished);
    Steps s(r.log);
    const int last = 4 + c.keys;
    ASSERT_GT(s.size(), last + 2);
    EXPECT_TRUE(s.WipeFrom(4, 0, 0));
    for (int k = 4; k < last; ++k) {
      EXPECT_TRUE(s.Has(k, kKeyPrompt)) << k;
      EXPECT_FALSE(s.Has(k, c.last)) << k;
    }
    // The last step ends with the sub-menu line over the finished answer.
    EXPECT_TRUE(s.Has(last, c.last));
    EXPECT_TRUE(s.Has(last, kLine));
    EXPECT_FALSE(s.Has(last, kKeyPrompt));
    // Its end item leaves for the main menu, which draws itself once.
    EXPECT_EQ(s.MenuDraws(last, last), 0);
    EXPECT_EQ(s.MenuDraws(last + 1, s.size() - 1), 1);
  }
}

TEST(CheckUnderstandingUnit, NumbersOutsideTheItemsKeepTheAnswerAndAskAgain) {
  // Item 2 (one key), then 8, 0 and Enter alone, then 6/2, which is item 3.
  Replay r = RunReplay("orvenna", KeyScript("4\n2\nx8\n0\n\n6/2\n" + std::string(8, 'x') + "7\n7\n"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  const int done = 5;  // the parabolas and the line
  ASSERT_TRUE(s.Has(done, kLine));
  // After each rejected entry (its Enter is keys 6, 8 and 9) the line alone.
  for (int k : {7, 9, 10}) {
    SCOPED_TRACE(k);
    EXPECT_TRUE(s.Has(k, kLine));
    EXPECT_FALSE(s.WipeFrom(k, 0, 0));
    EXPECT_TRUE(Curves(s.Lines(k)).empty());
  }
  const int third = 14;  // after the Enter of "6/2"
  EXPECT_TRUE(s.WipeFrom(third, 0, 0));
  EXPECT_TRUE(s.Has(third, "①"));
  EXPECT_EQ(s.Glyphs(third, "4").front().colour, 13);
}

TEST(CheckUnderstandingUnit, FramesShowTheirQuestionNumbers) {
  // Item, question number, left x and top of the heading box.
  struct Frame {
    int item;
    const char* number;
    float left, top;
  };
  for (const Frame& f : std::vector<Frame>{{1, "1", 40, 30}, {2, "3", 40, 30}, {3, "4", 30, 20},
                                           {4, "5", 40, 30}, {5, "6", 40, 30}, {6, "7", 40, 30}}) {
    SCOPED_TRACE(f.item);
    Steps s(RunItem(f.item, 0).log);
    std::vector<std::string> boxes = FilledBoxes(s.Lines(4));
    auto box = [](float x1, float y1, float x2, float y2, int line, int fill) {
      char buf[96];
      std::snprintf(buf, sizeof buf, "%g %g %g %g %d %d", x1, y1, x2, y2, line, fill);
      return std::string(buf);
    };
    auto has = [&](const std::string& want) {
      for (const std::string& b : boxes)
        if (b.rfind(want + " ", 0) == 0) return true;
      return false;
    };
    EXPECT_TRUE(has(box(f.left, f.top, f.left + 360, f.top + 48, 3, 13)));
    EXPECT_TRUE(has(box(f.left + 390, f.top, f.left + 438, f.top + 48, 4, 3)));
    auto digit = s.Glyphs(4, f.number);
    ASSERT_FALSE(digit.empty());
    EXPECT_EQ(digit.back().colour, 13);
    EXPECT_GT(digit.back().x, f.left + 390);
    EXPECT_LT(digit.back().x, f.left + 438);
  }
}

TEST(CheckAnswers12Screen, TwoColumnsOneLineAKey) {
  Steps s(RunItem(1, 13).log);
  // The first answer level with the number box's edge; question 2's box in
  // the flow, "(1)" 10 to its right; part (2) level with that box.
  ExpectGlyphs(s, {{4, 40, 90, 0, "y"},    {4, 478, 90, 5, "y"},    {5, 40, 140, 0, "1"},
                   {5, 40, 190, 3, "表"},  {6, 98, 250, 3, "("},    {6, 40, 310, 0, "求"},
                   {8, 40, 410, 0, "8"},   {10, 44, 488, 0, "a"},   {12, 681, 250, 3, "("},
                   {12, 681, 310, 0, "求"}, {14, 708, 410, 0, "2"}, {16, 685, 488, 0, "a"}});
  bool box = false;
  for (const LineCall& l : LineCalls(s.Lines(6)))
    box |= l.shape == "fill" && l.x1 == 40 && l.y1 == 250 && l.x2 == 88 && l.y2 == 298 &&
           l.colour == 4 && l.fillColour == 3;
  EXPECT_TRUE(box);
  auto two = s.Glyphs(6, "2");
  ASSERT_FALSE(two.empty());
  EXPECT_EQ(two.front().colour, 13);
  // The formulas in colour 5 on the last lines of their columns.
  for (auto [k, x] : std::vector<std::pair<int, float>>{{11, 40}, {17, 681}}) {
    auto ys = s.Glyphs(k, "y");
    ASSERT_EQ(ys.size(), 1u) << k;
    EXPECT_EQ(ys[0].y, 560);
    EXPECT_EQ(ys[0].colour, 5);
    EXPECT_GT(ys[0].x, x);
  }
  ExpectHas(s, 11, {"y=2x^2"});
  ExpectHas(s, 17, {"y=-3x^2"});
  EXPECT_FALSE(s.Has(11, "(2)"));
}

TEST(CheckAnswer3Screen, TwoParabolasCutOffAtThePlanesTopAndBottom) {
  Steps s(RunItem(2, 1).log);
  EXPECT_TRUE(Curves(s.Lines(4)).empty());
  ExpectAxes(s, 5, 480, 60, 960, 540, 720, 300);
  auto curves = Curves(s.Lines(5));
  ASSERT_EQ(curves.size(), 2u);
  // y = x² over |x| ≦ 2√2, y = -½x² over |x| ≦ 4; each labelled where it
  // leaves the plane on the right.
  const float r = 30 * std::sqrt(8.0f);
  ExpectCurve(curves[0], 720 - r, 60, 720 + r, 60, "y");
  ExpectCurve(curves[1], 600, 540, 840, 540, "y");
  for (const Curve& c : curves)
    for (const CircleCall& d : c.dots) ASSERT_TRUE(d.y >= 60 && d.y <= 540) << d.x << "," << d.y;
  EXPECT_TRUE(s.Has(5, "y=x^2"));
  EXPECT_TRUE(s.Has(5, "y=21x^2"));
}

TEST(CheckAnswer3Screen, PlaneInUnitStepsWhateverStepsWereLeft) {
  Bench b("x");
  Orvenna o(b.rt);
  o.XSTEP = 0.5f, o.GGX = 50, o.A41 = 0, o.I = 0;
  o.CheckAnswer3Screen();
  EXPECT_EQ(o.X8, 720);
  EXPECT_EQ(o.R, 300);
  EXPECT_EQ(o.GY0, 480);
  EXPECT_EQ(o.GY1, 960);
  EXPECT_EQ(o.ZX, 60);
  EXPECT_EQ(o.ZY, 540);
}

TEST(CheckAnswer4Screen, EachAnswerCoversItsBlankExactly) {
  Replay r = RunItem(3, 8);
  Steps s(r.log);
  // The blanks: boxes 50 high around their lines, outline 3 and fill 13
  // (the heading box, at the top, has those colours too).
  auto blanks = [&](int k) {
    std::vector<LineCall> out;
    for (const LineCall& l : LineCalls(s.Lines(k)))
      if (l.shape == "fill" && l.colour == 3 && l.fillColour == 13 && l.y1 > 20) out.push_back(l);
    return out;
  };
  const std::vector<LineCall> empty = blanks(4);
  ASSERT_EQ(empty.size(), 8u);
  struct Want {
    float width, top;
    const char* mark;
    const char* answer;
  };
  const Want want[] = {{120, 77, "①", "放物線"}, {80, 77, "②", "y軸"},  {80, 137, "③", "原点"},
                       {80, 197, "④", "上側"},   {40, 257, "⑤", "上"},   {80, 317, "⑥", "下側"},
                       {40, 317, "⑦", "下"},     {216, 437, "⑧", "小さくなる"}};
  for (int k = 1; k <= 8; ++k) {
    SCOPED_TRACE(k);
    const Want& w = want[k - 1];
    const LineCall& e = empty[static_cast<size_t>(k - 1)];
    EXPECT_FLOAT_EQ(e.x2 - e.x1, w.width);
    EXPECT_FLOAT_EQ(e.y1, w.top);
    EXPECT_FLOAT_EQ(e.y2, w.top + 50);
    auto mark = s.Glyphs(4, w.mark);
    ASSERT_EQ(mark.size(), 1u);
    EXPECT_EQ(mark[0].colour, 5);
    // Key k fills blank k alone, with the same box and its answer in 5.
    auto filled = blanks(4 + k);
    ASSERT_EQ(filled.size(), 1u);
    EXPECT_EQ(filled[0].x1, e.x1);
    EXPECT_EQ(filled[0].y1, e.y1);
    EXPECT_EQ(filled[0].x2, e.x2);
    EXPECT_EQ(filled[0].y2, e.y2);
    EXPECT_TRUE(s.Has(4 + k, w.answer));
    for (const TextCall& g : s.Glyphs(4 + k)) {
      if (g.y != w.top + 3) continue;  // the key box
      EXPECT_EQ(g.colour, 5) << g.text;
      EXPECT_GE(g.x, e.x1) << g.text;
      EXPECT_LT(g.x, e.x2) << g.text;
    }
  }
  // Blanks ③, ⑤ and ⑧ stand 10 after "頂点は", "にあり、" and
  // "大きいほど開き方が" (34 units a character) from x 111.
  EXPECT_FLOAT_EQ(empty[2].x1, 111 + 3 * 34 + 10);
  EXPECT_FLOAT_EQ(empty[4].x1, 111 + 4 * 34 + 10);
  EXPECT_FLOAT_EQ(empty[7].x1, 111 + 9 * 34 + 10);
  // Blanks ②, ③, ⑤, ⑦, ⑧ stand 10 after their text, and so do the texts
  // after a blank; ①, ④, ⑥ follow their text directly.
  ExpectGlyphs(s, {{4, 30, 80, 3, "("},   {4, 111, 140, 0, "頂"}, {4, 30, 200, 3, "("},
                   {4, 111, 260, 0, "に"}, {4, 30, 380, 3, "("},  {4, 111, 440, 0, "大"},
                   {4, empty[0].x2 + 10, 80, 0, "で"}, {4, empty[2].x2 + 10, 140, 0, "で"},
                   {4, empty[4].x2 + 10, 260, 0, "に"}, {4, empty[5].x2 + 10, 320, 0, "に"},
                   {4, empty[7].x2 + 10, 440, 0, "。"}});
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
}

TEST(CheckAnswer5Screen, ArcsOverTheDomainsOnTwoPages) {
  Steps s(RunItem(4, 5).log);
  struct Page {
    int entry;            // the step of the page's frame
    const char* label;
    float originY;
    float x1, y1, x2, y2;  // the arc's ends
    const char* range;
  };
  for (const Page& p : {Page{4, "(1)", 530, 720, 370, 960, 490, "0≦y≦2"},
                        Page{7, "(2)", 170, 800, 250, 1040, 490, "-4≦y≦0"}}) {
    SCOPED_TRACE(p.label);
    EXPECT_TRUE(s.WipeFrom(p.entry, 0, 0));
    EXPECT_TRUE(s.GlyphAt(p.entry, 478, 30, 3, "("));
    EXPECT_TRUE(s.Has(p.entry, p.label));
    EXPECT_TRUE(Curves(s.Lines(p.entry)).empty());
    ExpectAxes(s, p.entry + 1, 600, 90, 1160, 610, 880, p.originY);
    auto curves = Curves(s.Lines(p.entry + 1));
    ASSERT_EQ(curves.size(), 1u);
    ExpectCurve(curves[0], p.x1, p.y1, p.x2, p.y2, "y");
    // Its label at the nearest place by the arc's right end where nothing of
    // the figure crosses its ground.
    EXPECT_NEAR(curves[0].label.x, p.x2, 64);
    EXPECT_NEAR(curves[0].label.y, p.y2, 96);
    // Every whole value but 0 on both axes.
    for (const char* v : {"-3", "-2", "-1", "1", "2", "3"}) EXPECT_TRUE(s.Has(p.entry + 1, v)) << v;
    // The working: the ends and 0 from x 40, the range in 5 after "したがって、".
    ExpectGlyphs(s, {{p.entry + 2, 40, 280, 0, "し"}});
    EXPECT_TRUE(s.Has(p.entry + 2, p.range));
    for (const TextCall& g : s.Glyphs(p.entry + 2, "≦")) EXPECT_EQ(g.colour, 5);
    EXPECT_EQ(s.Glyphs(p.entry + 2, "≦").size(), 2u);
    // (An italic variable stands 4 right of and 22 above its cell.)
    ExpectGlyphs(s, {{p.entry + 2, 44, 68, 0, "x"}, {p.entry + 2, 44, 138, 0, "x"},
                     {p.entry + 2, 44, 198, 0, "x"}});
  }
  EXPECT_TRUE(s.Has(6, "x=-2 のとき y=2"));
  EXPECT_TRUE(s.Has(9, "x=2 のとき y=-4"));
}

TEST(CheckAnswer6And7Screens, RowsOfBothColumns) {
  Steps six(RunItem(5, 16).log);
  ExpectGlyphs(six, {{4, 40, 80, 3, "＜"},   {5, 40, 140, 0, "y"},  {6, 40, 190, 0, "y"},
                     {7, 40, 240, 0, "y"},   {8, 40, 290, 0, "y"},  {10, 40, 340, 0, "変"},
                     {12, 44, 490, 0, "="},  {12, 600, 80, 3, "＜"}, {13, 600, 130, 0, "y"},
                     {14, 600, 180, 0, "y"}, {17, 600, 330, 0, "変"}});
  EXPECT_FALSE(six.Has(11, "(2)解答"));
  // Results in 5: -4 with its formula, -16 on a key of its own, -6 with the
  // simplification; in part (2) both values with their formulas.
  for (auto [k, y, text] : std::vector<std::tuple<int, float, const char*>>{
           {6, 190, "4"}, {9, 290, "6"}, {12, 490, "6"}, {14, 180, "6"}, {16, 280, "1"}, {20, 400, "5"}}) {
    bool found = false;
    for (const TextCall& g : six.Glyphs(k, text)) found |= g.y == y && g.colour == 5;
    EXPECT_TRUE(found) << k << " " << text;
  }
  // The fraction of part (1) alone on its line, 70 lower; in part (2) the
  // simplifications continue the fraction's line.
  EXPECT_TRUE(six.Has(11, "4-2-16-(-4)"));
  for (int k : {18, 19, 20}) {
    auto equals = six.Glyphs(k, "=");
    ASSERT_FALSE(equals.empty()) << k;
    EXPECT_EQ(equals.back().y, 400) << k;
  }

  Steps seven(RunItem(6, 26).log);
  ExpectGlyphs(seven, {{4, 40, 80, 3, "＜"},    {5, 40, 140, 0, "y"},   {6, 40, 190, 0, "y"},
                       {9, 40, 240, 0, "y"},    {13, 40, 340, 0, "変"}, {17, 40, 480, 5, "答"},
                       {17, 600, 80, 3, "＜"},  {18, 600, 130, 0, "y"}, {22, 600, 230, 0, "y"},
                       {26, 600, 330, 0, "変"}, {30, 600, 470, 5, "答"}});
  ExpectHas(seven, 17, {"答 秒速12m"});
  ExpectHas(seven, 30, {"答 秒速24m"});
  // Part (2) works out the value at x = 3 again.
  ExpectHas(seven, 20, {"3×9="});
  ExpectHas(seven, 21, {"27"});
}

}  // namespace
}  // namespace lessons::testing
