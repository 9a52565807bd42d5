// Unit 2's screens ① to ③: the rate tables of y = 2x + 1 and y = 1/2 x²
// (cells, reveal order, increase arrows and their labels), the rate of
// y = x² from 1 to 3 on its graph, the key waits, the pen width, and the
// return to the sub-menu line.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/log_reader.h"
#include "tests/support/quendral_bench.h"
#include "values/quendral.h"

namespace lessons::testing {
namespace {

const char kKeyBox[] = "何かキーを押して下さい。";
const char kSubMenu[] = "①1次　②2乗比　③変割合　④練習1　⑤問1,2　⑥直線求め　⑦終了";

// A box 50 high (a table cell) with the glyphs drawn inside it.
struct Box {
  float x = 0, y = 0, width = 0;
  int line = 0, fill = 0, pen = 0;
  std::string text;
  int textColour = -1;
};

// The cells drawn in step k, in drawing order.
std::vector<Box> CellsOf(const Steps& s, int k) {
  std::vector<Box> out;
  bool open = false;
  for (const std::string& line : s.Lines(k)) {
    const auto f = Fields(line);
    if (f[0] == "DrawLine" && f[5] == "fill") {
      const LineCall l = LineCalls(LogLines{line}).at(0);
      open = l.y2 - l.y1 == 50;
      if (open) out.push_back({l.x1, l.y1, l.x2 - l.x1, l.colour, l.fillColour, l.width, "", -1});
    } else if (f[0] == "DrawText" && open) {
      const TextCall t = TextCalls(LogLines{line}).at(0);
      Box& b = out.back();
      // The box text is measured below the screen first, then drawn inside.
      if (t.x >= b.x && t.x < b.x + b.width && t.y >= b.y - 30 && t.y < b.y + 50) {
        b.text += t.text;
        b.textColour = t.colour;
      }
    }
  }
  return out;
}

void ExpectCell(const Box& b, float x, float y, float width, int fill, int pen, const std::string& text,
                int textColour) {
  SCOPED_TRACE("cell at " + std::to_string(x) + ", " + std::to_string(y) + " \"" + text + "\"");
  EXPECT_FLOAT_EQ(b.x, x);
  EXPECT_FLOAT_EQ(b.y, y);
  EXPECT_FLOAT_EQ(b.width, width);
  EXPECT_EQ(b.line, 3);
  EXPECT_EQ(b.fill, fill);
  EXPECT_EQ(b.pen, pen);
  EXPECT_EQ(Canon(b.text), Canon(text));
  if (!text.empty()) {
    EXPECT_EQ(b.textColour, textColour);
  }
}

TEST(RateOfChange, KeyWaitsAndThePenWidthLeft) {
  struct Case {
    const char* name;
    void (Quendral::*screen)();
    int keys, entryWidth, widthLeft;
  };
  const Case cases[] = {
      {"linear", &Quendral::LinearRateScreen, 22, 3, 3},
      {"linear-5", &Quendral::LinearRateScreen, 22, 5, 3},
      {"square", &Quendral::SquareRateScreen, 22, 3, 3},
      {"graph", &Quendral::RateOfChangeScreen, 8, 3, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScreenRun run(std::string("rate-of-change/") + c.name, c.screen, c.keys, c.entryWidth);
    EXPECT_EQ(run.keysTaken, c.keys);
    EXPECT_EQ(run.widthLeft, c.widthLeft);
    Steps s(run.log);
    ASSERT_EQ(s.size(), c.keys + 1);
    EXPECT_TRUE(s.WipeFrom(0, 0, 0));
    EXPECT_EQ(s.Lines(0, "DrawLine\t0\t0\t1320\t1300\tfill\t15\t15").size(), 1u);
    for (int k = 0; k <= c.keys; ++k) EXPECT_EQ(s.Has(k, kKeyBox), k < c.keys) << k;
  }
}

struct Pixel {
  float x, y;
};

// What the two table screens show where.
struct TableCase {
  const char* name;
  void (Quendral::*screen)();
  float left, top;                 // the label cells' x, the first row's top
  std::vector<std::string> ys, increments;
  Pixel origin;                    // the plane's: the table's pairs stand
  float unit;                      // at origin + unit (x, -y)
  std::vector<std::string> rises;  // the rise labels
  float margin;                    // x of the texts below the table
  const char *rule, *ruleFirst, *answer;
};

const TableCase kTables[] = {
    {"linear", &Quendral::LinearRateScreen, 60, 150, {"1", "3", "5", "7", "9"}, {"2", "2", "2", "2"},
     {838, 580}, 46, {"2", "2", "2", "2"}, 60,
     "1次関数y=ax+b の変化の割合は", "1", "一定で、aに等しい。"},
    {"square", &Quendral::SquareRateScreen, 30, 160, {"0", "0.5", "2", "4.5", "8"},
     {"0.5", "1.5", "2.5", "3.5"}, {847, 569}, 55,
     {"0.5", "1.5", "2.5", "3.5"}, 57,
     "関数y=ax^2 の変化の割合は", "関", "一定ではない。"},
};

TEST(RateOfChange, TablesRevealOneCellPerKey) {
  for (const TableCase& c : kTables) {
    SCOPED_TRACE(c.name);
    // Entered at pen width 5 (as after screen ③): the skeleton has it, the
    // rates the 3 the screen sets.
    ScreenRun run(std::string("rate-of-change/") + c.name + "-table", c.screen, 22, 5);
    Steps s(run.log);
    ASSERT_EQ(s.size(), 23);
    EXPECT_TRUE(CellsOf(s, 0).empty());

    // The skeleton after the first key: x increments and x values filled in.
    const float value0 = c.left + 160, between0 = c.left + 192;
    const auto skeleton = CellsOf(s, 1);
    ASSERT_EQ(skeleton.size(), 27u);
    size_t i = 0;
    auto row = [&](float top, const char* label, int cells, int fill, int labelColour, int cellColour,
                   const std::vector<std::string>& texts) {
      ExpectCell(skeleton[i++], c.left, top, cells == 5 ? 160.f : 192.f, fill, 5, label, labelColour);
      for (int k = 0; k < cells; ++k)
        ExpectCell(skeleton[i++], (cells == 5 ? value0 : between0) + 64.f * k, top, 64, fill, 5,
                   texts.empty() ? "" : texts[static_cast<size_t>(k)], cellColour);
    };
    row(c.top, "xの増加量", 4, 13, 0, 3, {"1", "1", "1", "1"});
    row(c.top + 50, "x", 5, 15, 0, 0, {"0", "1", "2", "3", "4"});
    row(c.top + 100, "y", 5, 15, 0, 0, {});
    row(c.top + 150, "yの増加量", 4, 13, 0, 3, {});
    row(c.top + 200, "変化の割合", 4, 15, 5, 5, {});

    // Keys 2 to 6: the y values; 7 to 10: the y increments, each cell over
    // the empty one, half a cell right of the values it compares.
    for (int k = 0; k < 5; ++k) {
      const auto cells = CellsOf(s, 2 + k);
      ASSERT_EQ(cells.size(), 1u) << k;
      ExpectCell(cells[0], value0 + 64.f * k, c.top + 100, 64, 15, 5, c.ys[static_cast<size_t>(k)], 0);
    }
    for (int k = 0; k < 4; ++k) {
      const auto cells = CellsOf(s, 7 + k);
      ASSERT_EQ(cells.size(), 1u) << k;
      ExpectCell(cells[0], between0 + 64.f * k, c.top + 150, 64, 13, 5, c.increments[static_cast<size_t>(k)], 3);
    }
    // The arrows (11 to 14), a key between, the definition (16), the rates
    // with pen width 3 (17 to 20), a key between, the conclusion (22).
    for (int k : {11, 12, 13, 14, 15, 16, 21, 22}) EXPECT_TRUE(CellsOf(s, k).empty()) << k;
    EXPECT_EQ(s.Glyphs(15).size(), Chars(kKeyBox).size());
    for (int k = 0; k < 4; ++k) {
      const auto cells = CellsOf(s, 17 + k);
      ASSERT_EQ(cells.size(), 1u) << k;
      ExpectCell(cells[0], between0 + 64.f * k, c.top + 200, 64, 15, 3, c.increments[static_cast<size_t>(k)], 5);
    }
    ExpectHas(s, 16, {"変化の割合=", "yの増加量", "xの増加量"});
    EXPECT_TRUE(s.GlyphAt(16, c.margin, c.top + 150 + 130, 0, "変"));
    EXPECT_TRUE(s.GlyphAt(22, c.margin, c.top + 200 + 150, 0, c.ruleFirst));
    EXPECT_TRUE(s.GlyphAt(22, c.margin, c.top + 200 + 200, 5, "一"));
    ExpectHas(s, 22, {c.rule, c.answer});
  }
}

TEST(RateOfChange, IncreaseArrowsBetweenTheTablePairs) {
  for (const TableCase& c : kTables) {
    SCOPED_TRACE(c.name);
    ScreenRun run(std::string("rate-of-change/") + c.name + "-arrows", c.screen, 22, 3);
    Steps s(run.log);
    ASSERT_EQ(s.size(), 23);
    for (int k = 0; k < 4; ++k) {
      SCOPED_TRACE("arrow pair " + std::to_string(k + 1));
      auto point = [&](int x) {
        return Pixel{c.origin.x + c.unit * static_cast<float>(x),
                     c.origin.y - c.unit * std::stof(c.ys[static_cast<size_t>(x)])};
      };
      const Pixel p = point(k), q = point(k + 1);
      std::vector<LineCall> runs, rises, heads;
      for (const LineCall& l : LineCalls(s.Lines(11 + k))) {
        if (l.shape != "line") continue;
        EXPECT_EQ(l.width, 5);
        if (l.colour == 7 && l.y1 == l.y2) runs.push_back(l);
        else if (l.colour == 3 && l.x1 == l.x2) rises.push_back(l);
        else heads.push_back(l);
      }
      ASSERT_EQ(runs.size(), 1u);
      ASSERT_EQ(rises.size(), 1u);
      EXPECT_EQ(std::vector<float>({runs[0].x1, runs[0].y1, runs[0].x2}), std::vector<float>({p.x, p.y, q.x}));
      EXPECT_EQ(std::vector<float>({rises[0].x1, rises[0].y1, rises[0].y2}), std::vector<float>({q.x, p.y, q.y}));
      // Two head strokes of length 16 back, 8 aside, ending at each tip.
      ASSERT_EQ(heads.size(), 4u);
      for (const LineCall& h : heads) {
        EXPECT_NEAR(std::hypot(h.x2 - h.x1, h.y2 - h.y1), std::hypot(16.f, 8.f), 1e-3);
        const bool runTip = h.colour == 7 && h.x2 == q.x && h.y2 == p.y;
        const bool riseTip = h.colour == 3 && h.x2 == q.x && h.y2 == q.y;
        EXPECT_TRUE(runTip || riseTip) << h.x2 << " " << h.y2;
      }
      // Only the rise is labelled, from the pixels / NO: at the nearest place
      // right of its arrow clear of the figure (which knows all the table's
      // arrows), or, shorter than 40, over its top left of the curve.
      std::string rise;
      std::vector<TextCall> glyphs;
      for (TextCall& t : VisibleTexts(s.Lines(11 + k))) {
        if (t.y > 650) continue;  // the key box
        EXPECT_EQ(t.colour, 3) << Where(t);
        rise += t.text;
        glyphs.push_back(t);
      }
      EXPECT_EQ(rise, c.rises[static_cast<size_t>(k)]);
      ASSERT_FALSE(glyphs.empty());
      const TextCall& first = glyphs[0];
      if (p.y - q.y < 40) {
        EXPECT_TRUE(first.x > q.x - 64 && first.x < q.x && first.y > q.y - 100 && first.y < q.y) << Where(first);
      } else {
        EXPECT_TRUE(first.x > q.x && first.x < q.x + 64 && first.y > q.y - 64 && first.y < p.y) << Where(first);
      }
    }
  }
}

TEST(RateOfChange, GraphScreenWorksTheRateOut) {
  ScreenRun run("rate-of-change/graph", &Quendral::RateOfChangeScreen, 8, 3);
  Steps s(run.log);
  ASSERT_EQ(s.size(), 9);
  ExpectHas(s, 0, {"課3 関数 y=x^2 で、xが1から3まで", "増加するとき、変化の割合を求めなさい。", "y=x^2"});
  ExpectGlyphs(s, {{0, 30, 30, 0, "課"}, {0, 60, 80, 0, "増"}, {2, 60, 150, 3, "<"}, {3, 444, 200, 3, "1"},
                   {4, 444, 250, 3, "9"}, {5, 60, 300, 0, "だ"}, {8, 468, 380, 5, "4"}});
  ExpectHas(s, 3, {"x=1 のとき y=1^2=1"});
  ExpectHas(s, 4, {"x=3 のとき y=3^2=9"});
  ExpectHas(s, 5, {"だから、変化の割合は", "yの増加量", "xの増加量"});
  // (9 - 1) / (3 - 1) and 8 / 2, stacked after the definition.
  ExpectGlyphs(s, {{6, 276, 370, 0, "9"}, {6, 276, 408, 0, "3"}, {7, 404, 370, 0, "8"}, {7, 404, 408, 0, "2"}});
  // The parabola inside the plane (top 120, x axis 560), in colour 3.
  const auto dots = s.Dots(0, 1);
  ASSERT_FALSE(dots.empty());
  for (const CircleCall& d : dots) {
    EXPECT_EQ(d.colour, 3);
    EXPECT_TRUE(d.y >= 120 && d.y <= 560) << d.y;
  }

  // The arrows from (1, 1) to (3, 9) (origin (952, 560), 40 a unit): first
  // without lengths, then again with "2" over the run's middle, between the
  // parabola and the rise, and "8" right of the rise, above its middle (off
  // the heavy line of 5).
  for (int k : {1, 7}) {
    SCOPED_TRACE(k);
    std::vector<LineCall> shafts;
    for (const LineCall& l : LineCalls(s.Lines(k)))
      if (l.shape == "line" && l.x1 > 900 && (l.x1 == l.x2 || l.y1 == l.y2)) shafts.push_back(l);
    ASSERT_EQ(shafts.size(), 2u);
    EXPECT_EQ(std::vector<float>({shafts[0].x1, shafts[0].y1, shafts[0].x2, shafts[0].y2}),
              std::vector<float>({992, 520, 1072, 520}));
    EXPECT_EQ(shafts[0].colour, 7);
    EXPECT_EQ(std::vector<float>({shafts[1].x1, shafts[1].y1, shafts[1].x2, shafts[1].y2}),
              std::vector<float>({1072, 520, 1072, 200}));
    EXPECT_EQ(shafts[1].colour, 3);
    EXPECT_EQ(shafts[1].width, 5);
  }
  for (const TextCall& t : VisibleTexts(s.Lines(1))) EXPECT_GT(t.y, 600) << Where(t);
  ExpectGlyphsNear(s, {{7, 1020, 464, 7, "2"}, {7, 1080, 290, 3, "8"}});
}

TEST(RateOfChange, EachScreenEndsOnTheSubMenuLine) {
  const std::string x22(22, 'x'), x8(8, 'x');
  // ① twice, ③, ②, ③ again: ③ is entered both times at pen width 3.
  Replay r = RunReplay("quendral", KeyScript("2\n1\n" + x22 + "1\n" + x22 + "3\n" + x8 + "2\n" + x22 + "3\n" +
                                             x8 + "7\n6\n"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  const int first = s.Find("一定で、aに等しい。");
  ASSERT_GT(first, 0);
  const int again = s.Find("一定で、aに等しい。", first + 1);
  EXPECT_EQ(again, first + 24);
  // Step 5 of ③, and its end three keys later.
  const int graph = s.Find("だから、変化の割合は", again);
  EXPECT_EQ(graph, again + 7);
  const int square = s.Find("一定ではない。", graph);
  EXPECT_EQ(square, graph + 3 + 24);
  const int graph2 = s.Find("だから、変化の割合は", square);
  EXPECT_EQ(graph2, square + 7);
  for (int end : {first, again, graph + 3, square, graph2 + 3}) {
    EXPECT_TRUE(s.Has(end, kSubMenu)) << end;
    EXPECT_FALSE(s.Has(end, kKeyBox)) << end;
    EXPECT_FALSE(s.Has(end, "<めあて>")) << end;
  }
  EXPECT_TRUE(s.GlyphAt(graph + 3, 468, 380, 5, "4"));
  EXPECT_TRUE(s.GlyphAt(square, 57, 560, 5, "一"));
  // Chosen again, a screen draws the same picture.
  for (int k = 0; k <= 22; ++k) EXPECT_EQ(s.Lines(again - 22 + k), s.Lines(first - 22 + k)) << k;
  for (int k = 0; k <= 8; ++k) EXPECT_EQ(s.Lines(graph2 - 5 + k), s.Lines(graph - 5 + k)) << k;
}

}  // namespace
}  // namespace lessons::testing
