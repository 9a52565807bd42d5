// Quendral's fill-in summary sheets, run directly on a headless bench: the
// numbered blanks, their reveal order and widths, the key waits, the figures
// and the pen width each screen leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/log_reader.h"
#include "tests/support/quendral_bench.h"
#include "values/quendral.h"

namespace lessons::testing {
namespace {

struct Blank {
  float x, y, width;
  std::string label, answer;
  float within = 0;  // how far x may be off: a blank that follows a figure's label
};

// The x just after `text` typeset at x 0 (the end of a row text at x 0).
float TextWidth(const std::string& text) {
  Bench b;
  Typeset(b, text, 0, 90);
  return b.L.DSM1;
}

// A sheet box (outline 3, fill 13, 50 high) with the glyphs drawn in it.
struct SheetBox {
  float x = 0, y = 0, width = 0;
  int pen = 0;
  std::string text;
};

// The sheet boxes of step k in the order they are drawn.
std::vector<SheetBox> SheetBoxes(const Steps& s, int k) {
  std::vector<SheetBox> out;
  bool open = false;
  for (const std::string& line : s.Lines(k)) {
    auto f = Fields(line);
    if (f[0] == "DrawLine" && f[5] == "fill") {
      LineCall l = LineCalls(LogLines{line}).at(0);
      open = l.shape == "fill" && l.colour == 3 && l.fillColour == 13 && l.y2 - l.y1 == 50;
      if (open) out.push_back({l.x1, l.y1, l.x2 - l.x1, l.width, ""});
    } else if (f[0] == "DrawText" && open) {
      TextCall t = TextCalls(LogLines{line}).at(0);
      const SheetBox& b = out.back();
      // Italic letters stand higher than their line; the measuring of a box
      // text goes below the screen; the first text outside ends the box.
      if (t.x >= b.x && t.x < b.x + b.width && t.y >= b.y - 30 && t.y < b.y + 30)
        out.back().text += t.text;
      else if (t.y < 1800)
        open = false;
    }
  }
  return out;
}

// The blanks stand numbered before the first key; key k reveals blank k with
// the same box; the screen ends right after the last reveal.
void ExpectBlanksAndReveals(const ScreenRun& run, const std::vector<Blank>& blanks,
                            const std::vector<std::string>& headings) {
  Steps s(run.log);
  ASSERT_EQ(run.keysTaken, static_cast<int>(blanks.size()));
  ASSERT_EQ(s.size(), static_cast<int>(blanks.size()) + 1);
  EXPECT_TRUE(s.WipeFrom(0, 0, 0));
  EXPECT_EQ(s.Lines(0, "DrawLine\t0\t0\t1320\t1800\tfill\t15\t15").size(), 1u);

  auto first = SheetBoxes(s, 0);
  ASSERT_EQ(first.size(), blanks.size() + 2);
  int heading = 0, blank = 0;
  std::vector<float> blankX;  // as drawn
  for (size_t i = 0; i < first.size(); ++i) {
    if (first[i].width == 490) {
      EXPECT_EQ(Canon(first[i].text), Canon(headings.at(static_cast<size_t>(heading++))));
      continue;
    }
    const Blank& e = blanks.at(static_cast<size_t>(blank++));
    EXPECT_NEAR(first[i].x, e.x, e.within) << e.label;
    blankX.push_back(first[i].x);
    EXPECT_FLOAT_EQ(first[i].y, e.y) << e.label;
    EXPECT_FLOAT_EQ(first[i].width, e.width) << e.label;
    EXPECT_EQ(first[i].text, e.label);
  }
  EXPECT_EQ(heading, 2);
  for (int k = 0; k < static_cast<int>(blanks.size()); ++k)
    EXPECT_TRUE(s.Has(k, "何かキーを押して下さい。")) << k;

  for (size_t k = 1; k <= blanks.size(); ++k) {
    const Blank& e = blanks[k - 1];
    auto boxes = SheetBoxes(s, static_cast<int>(k));
    ASSERT_EQ(boxes.size(), 1u) << k;
    EXPECT_FLOAT_EQ(boxes[0].x, blankX.at(k - 1)) << e.answer;
    EXPECT_FLOAT_EQ(boxes[0].y, e.y) << e.answer;
    EXPECT_FLOAT_EQ(boxes[0].width, e.width) << e.answer;
    EXPECT_EQ(Canon(boxes[0].text), Canon(e.answer));
    // Nothing else is drawn on the sheets: the box, its answer, the key box.
    for (const TextCall& t : VisibleTexts(s.Lines(static_cast<int>(k))))
      if (t.y < 600) {
        EXPECT_TRUE(t.x >= e.x && t.x < e.x + e.width) << t.text;
      }
  }
  // No key wait after the last reveal.
  EXPECT_FALSE(s.Has(static_cast<int>(blanks.size()), "何かキーを押して下さい。"));
}

// The shafts (lines longer than a head stroke) of colour `colour`, tail first.
std::vector<LineCall> Shafts(const LogLines& log, int colour) {
  std::vector<LineCall> out;
  for (const LineCall& l : LineCalls(log))
    if (l.shape == "line" && l.colour == colour && std::hypot(l.x2 - l.x1, l.y2 - l.y1) > 20)
      out.push_back(l);
  return out;
}

TEST(SummarySheets, ShapeSheetBlanksRevealsAndFigure) {
  ScreenRun run("summary-sheets/shape", &Quendral::ShapeSummaryScreen, 4);
  const float form = TextWidth(" グラフの形…");
  const float a = TextWidth("a");
  ExpectBlanksAndReveals(run,
                         {{44 + form, 90, 105, "①", "直線"},
                          {334 + a + 20, 301.5f, 105, "②", "傾き", 16},  // after the rise's "a"
                          {74, 363, 105, "③", "切片"},
                          {700 + form, 90, 140, "①", "放物線"}},
                         {"1次関数 y=ax+b の特徴", "関数 y=ax^2 の特徴"});
  EXPECT_EQ(run.widthLeft, 5);
  Steps s(run.log);
  ExpectGlyphs(s, {{0, 179, 413, 5, "b"}, {0, 944, 430, 5, "1"}});
  // The run's length under the run, 頂点 left of the vertex (900, 430) and
  // under the x axis, clear of the "0".
  ExpectGlyphsNear(s, {{0, 273, 385, 5, "1"}, {0, 804, 446, 5, "頂"}});
  // The slope triangle: run 3 steps, rise 4.5, no value labels.
  auto run7 = Shafts(s.Lines(0), 7);
  ASSERT_GE(run7.size(), 3u);
  EXPECT_FLOAT_EQ(run7[0].x1, 244);
  EXPECT_FLOAT_EQ(run7[0].y1, 385);
  EXPECT_FLOAT_EQ(run7[0].x2, 334);
  // The guide lines to the point (2, 2) of y = 0.5x².
  EXPECT_FLOAT_EQ(run7[1].x1, 900);
  EXPECT_FLOAT_EQ(run7[1].y1, 370);
  EXPECT_FLOAT_EQ(run7[1].x2, 960);
  EXPECT_FLOAT_EQ(run7[2].x1, 960);
  EXPECT_FLOAT_EQ(run7[2].y1, 430);
  EXPECT_FLOAT_EQ(run7[2].y2, 370);
  auto rise = Shafts(s.Lines(0), 3);
  ASSERT_EQ(rise.size(), 1u);
  EXPECT_FLOAT_EQ(rise[0].y1, 385);
  EXPECT_FLOAT_EQ(rise[0].y2, 250);
  // The vertex dot and both graphs in colour 0 inside their planes.
  EXPECT_EQ(s.Dots(0, 7).size(), 1u);
  for (const CircleCall& d : s.Dots(0, 1)) {
    EXPECT_EQ(d.colour, 0);
    EXPECT_TRUE(d.y >= 190 && d.y <= 520) << d.y;
  }
}

TEST(SummarySheets, IncreaseSheetBlanksRevealsAndArrows) {
  // Entered at pen width 2: the left blanks are drawn with it, their answers
  // with the 4 the screen sets, on exactly the same rectangles.
  ScreenRun run("summary-sheets/increase", &Quendral::IncreaseSummaryScreen, 8, 2);
  const float always = TextWidth("a>0のとき…つねに") + 20;
  const float always2 = TextWidth("a<0のとき…つねに") + 20;
  auto row = [](const char* text) { return 630 + TextWidth(text); };
  ExpectBlanksAndReveals(run,
                         {{44 + always, 90, 105, "①", "増加"},
                          {44 + always2, 150, 105, "②", "減少"},
                          {row("①x<0⇒"), 150, 140, "①", "減少"},
                          {row("②x=0⇒"), 210, 175, "②", "最小値0"},
                          {row("③x>0⇒"), 270, 140, "③", "増加"},
                          {row("④x<0⇒"), 400, 140, "④", "増加"},
                          {row("⑤x=0⇒"), 460, 175, "⑤", "最大値0"},
                          {row("⑥x>0⇒"), 520, 140, "⑥", "減少"}},
                         {"y=ax+b での yの増減", "y=ax^2 での yの増減"});
  EXPECT_EQ(run.widthLeft, 4);
  Steps s(run.log);
  auto first = SheetBoxes(s, 0);
  ASSERT_EQ(first.size(), 10u);
  EXPECT_EQ(first[0].pen, 2);  // the left heading
  EXPECT_EQ(first[1].pen, 2);  // left ①
  EXPECT_EQ(first[3].pen, 5);  // after the first run and rise arrows
  for (int k = 1; k <= 8; ++k) {
    auto w = SheetBoxes(s, k);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].pen, 4);
  }
  ExpectGlyphs(s, {{0, 630, 150, 0, "①"}, {0, 630, 520, 0, "⑥"}});
  // "a>0のとき" 60 below the heading, "a<0のとき" 70 below the row above it.
  auto toki = s.Glyphs(0, "と");
  std::vector<float> tokiRight;
  for (const TextCall& t : toki)
    if (t.x > 595 && t.colour == 3) tokiRight.push_back(t.y);
  EXPECT_EQ(tokiRight, (std::vector<float>{90, 340}));

  // The direction arrows half a step inside the parabolas, the way y goes.
  auto arrows = Shafts(s.Lines(0), 5);
  ASSERT_EQ(arrows.size(), 4u);
  const float ends[4][4] = {{1007.5f, 125, 1082.5f, 312.5f},
                            {1107.5f, 312.5f, 1182.5f, 125},
                            {1007.5f, 525, 1082.5f, 337.5f},  // to the vertex, as the others
                            {1107.5f, 337.5f, 1182.5f, 525}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(arrows[i].x1, ends[i][0]);
    EXPECT_FLOAT_EQ(arrows[i].y1, ends[i][1]);
    EXPECT_FLOAT_EQ(arrows[i].x2, ends[i][2]);
    EXPECT_FLOAT_EQ(arrows[i].y2, ends[i][3]);
    EXPECT_EQ(arrows[i].width, 4);
  }
  // y = -2x + 8 stops at the bottom of its plane; the dots of the lines are
  // in colour 5, the parabolas' in colour 3.
  float lowest = 0;
  int parabolaDots = 0;
  for (const CircleCall& d : s.Dots(0, 1)) {
    if (d.x >= 309 && d.x <= 459) lowest = std::max(lowest, d.y);
    if (d.x >= 995) {
      EXPECT_EQ(d.colour, 3);
      ++parabolaDots;
    } else {
      EXPECT_EQ(d.colour, 5);
    }
  }
  EXPECT_NEAR(lowest, 525, 0.1);
  EXPECT_LE(lowest, 525);
  // x = 0 is stepped over on a parabola: 5000 dots each, every one drawn
  // (a curve no longer gives way to the origin's "0").
  EXPECT_EQ(parabolaDots, 2 * 5000);
  EXPECT_EQ(s.Dots(0, 7).size(), 1u);
}

TEST(SummarySheets, RateSheetBlanksRevealsAndSteps) {
  ScreenRun run("summary-sheets/rate", &Quendral::RateSummaryScreen, 3);
  const float then = 169 + TextWidth("で、");
  ExpectBlanksAndReveals(run, {{44, 90, 105, "①", "一定"}, {then, 90, 70, "②", "a"}, {595, 90, 105, "①", "一定"}},
                         {"y=ax+b での 変化の割合", "y=ax^2 での 変化の割合"});
  EXPECT_EQ(run.widthLeft, 5);
  Steps s(run.log);
  ExpectGlyphs(s, {{0, 169, 90, 0, "で"}, {0, then + 70 + 20, 90, 0, "に"}, {0, 720, 90, 0, "で"}});

  // Four equal steps on y = 2x + 1, six on y = x² with rises -5, -3, -1, 1, 3, 5.
  auto runs = Shafts(s.Lines(0), 7);
  auto rises = Shafts(s.Lines(0), 3);
  ASSERT_EQ(runs.size(), 10u);
  ASSERT_EQ(rises.size(), 10u);
  const float rise[10] = {2, 2, 2, 2, -5, -3, -1, 1, 3, 5};
  for (int i = 0; i < 10; ++i) {
    EXPECT_FLOAT_EQ(runs[i].x2 - runs[i].x1, 30) << i;
    EXPECT_FLOAT_EQ(runs[i].y1, runs[i].y2) << i;
    EXPECT_FLOAT_EQ(rises[i].x1, runs[i].x2) << i;
    EXPECT_FLOAT_EQ(rises[i].y1 - rises[i].y2, 30 * rise[i]) << i;
    EXPECT_EQ(rises[i].width, 5);
  }
  EXPECT_FLOAT_EQ(runs[0].x1, 162);
  EXPECT_FLOAT_EQ(runs[0].y1, 470);
  EXPECT_FLOAT_EQ(rises[6].x1, 759);  // the third step's rise on the y axis
  EXPECT_FLOAT_EQ(runs[7].y1, 530);   // the fourth step's run on the x axis
  // No value labels by the arrows: the only digits on the sheets are the
  // planes' zeros.
  for (const TextCall& t : VisibleTexts(s.Lines(0)))
    if (t.y > 90 && t.text.find_first_of("123456789") != std::string::npos) ADD_FAILURE() << Where(t);
}

TEST(SummarySheets, EveryVisitShowsTheNumbersAgain) {
  QuendralBench b(std::string(8, ' '));
  b.L.RateSummaryScreen();
  b.host.ClearLog();
  b.L.RateSummaryScreen();
  Steps s(b.host.LogLines());
  auto boxes = SheetBoxes(s, 0);
  ASSERT_EQ(boxes.size(), 5u);
  EXPECT_EQ(boxes[1].text, "①");
  EXPECT_EQ(boxes[2].text, "②");
}

// ---- the average speed ----

const char kKeyBox[] = "何かキーを押して下さい。";

TEST(AverageSpeed, DefinitionRevealsOneItemPerKey) {
  ScreenRun run("average-speed/definition", &Quendral::AverageSpeedDefinitionScreen, 8);
  EXPECT_EQ(run.keysTaken, 8);
  Steps s(run.log);
  ASSERT_EQ(s.size(), 9);
  EXPECT_TRUE(s.WipeFrom(0, 0, 0));
  ExpectGlyphs(s, {{0, 40, 30, 3, "課"}, {0, 80, 150, 0, "4"}, {0, 80, 210, 0, "電"},
                   {1, 80, 280, 7, "<"}, {2, 80, 330, 0, "平"}, {5, 80, 410, 0, "時"},
                   {8, 80, 490, 5, "答"}});
  ExpectHas(s, 0, {"平均の速さ=", "進んだ道のり", "かかった時間", "A駅とB駅の距離は、30kmあります。",
                   "40分でB駅に着きました。", "電車の平均の速さを時速で求めなさい。"});
  // The definition stands right of the exercise, its top 50 below the first line.
  bool definition = false;
  for (const TextCall& t : s.Glyphs(0, "平"))
    definition |= t.x == 760 && t.colour == 3;
  EXPECT_TRUE(definition);
  const char* items[] = {"<解答>", "平均の速さ＝", "30", "(km／m)", "時速になおすと、", "×60=", "45(km／h)",
                         "答　時速45km"};
  for (int k = 1; k <= 8; ++k) {
    EXPECT_TRUE(s.Has(k, items[k - 1])) << k;
    EXPECT_EQ(s.Has(k, kKeyBox), k < 8) << k;
  }
  // The units' slashes are full-width: no division sign anywhere.
  for (int k = 0; k <= 8; ++k) EXPECT_FALSE(s.Has(k, "÷")) << k;
}

TEST(AverageSpeed, ExampleWorksOutAndDrawsTheSlope) {
  ScreenRun run("average-speed/example", &Quendral::AverageSpeedExampleScreen, 22);
  EXPECT_EQ(run.keysTaken, 22);
  Steps s(run.log);
  ASSERT_EQ(s.size(), 23);
  ExpectHas(s, 0, {"例題", "台車が斜面を下りるとき、時間", "2秒後から4秒後までの平均の速さを求めなさい。"});
  EXPECT_FALSE(s.Has(0, "<解答>"));
  const char* items[] = {"<解答>", "x=2のときy=2×22=", "2×4=", "8", "x=4のときy=2×42=", "2×16=", "32",
                         "だから、平均の速さは", "=", "=", "12", "答　秒速12m"};
  for (int k = 1; k <= 12; ++k) EXPECT_TRUE(s.Has(k, items[k - 1])) << k;
  ExpectGlyphs(s, {{1, 60, 220, 7, "<"}, {8, 60, 390, 0, "だ"}, {12, 140, 550, 5, "答"},
                   {13, 1060, 70, 0, "y"}, {22, 440, 580, 7, "教"}});
  // The run's length under the run, the rise's right of the rise.
  ExpectGlyphsNear(s, {{17, 1048, 419, 7, "2"}, {19, 1110, 265, 7, "2"}});
  // The plane's only numbers: 2, 4 on the x axis, 10, 20, 30 on the y axis (and its 0).
  std::vector<std::string> numbers;
  for (const TextCall& t : VisibleTexts(s.Lines(13)))
    if (t.text.find_first_of("0123456789") != std::string::npos && t.y > 100) numbers.push_back(t.text);
  EXPECT_EQ(Count(numbers, "2"), 1);
  EXPECT_EQ(Count(numbers, "4"), 1);
  EXPECT_EQ(Count(numbers, "10"), 1);
  EXPECT_EQ(Count(numbers, "20"), 1);
  EXPECT_EQ(Count(numbers, "30"), 1);
  // y = 2x² only for x >= 0, inside the plane.
  for (const CircleCall& d : s.Dots(13, 1)) {
    EXPECT_GE(d.x, 926);
    EXPECT_TRUE(d.y >= 120 && d.y <= 557);
  }
  // Points A (2, 8) and B (4, 32); the increase arrows in colour 7.
  auto a = s.Dots(14, 7), b = s.Dots(15, 7);
  ASSERT_EQ(a.size(), 1u);
  ASSERT_EQ(b.size(), 1u);
  EXPECT_FLOAT_EQ(a[0].x, 1018);
  EXPECT_FLOAT_EQ(a[0].y, 419);
  EXPECT_FLOAT_EQ(b[0].x, 1110);
  EXPECT_FLOAT_EQ(b[0].y, 143);
  auto xArrow = Shafts(s.Lines(16), 7), yArrow = Shafts(s.Lines(18), 7);
  ASSERT_EQ(xArrow.size(), 1u);
  ASSERT_EQ(yArrow.size(), 1u);
  EXPECT_EQ(std::vector<float>({xArrow[0].x1, xArrow[0].y1, xArrow[0].x2, xArrow[0].y2}),
            std::vector<float>({1018, 419, 1110, 419}));
  EXPECT_EQ(std::vector<float>({yArrow[0].x1, yArrow[0].y1, yArrow[0].x2, yArrow[0].y2}),
            std::vector<float>({1110, 419, 1110, 143}));
  // The line y = 12x - 16 in colour 5 through both points, clipped to the plane.
  auto line = s.Dots(20, 1);
  ASSERT_FALSE(line.empty());
  for (const CircleCall& d : line) {
    EXPECT_EQ(d.colour, 5);
    EXPECT_TRUE(d.y >= 120 && d.y <= 557);
  }
  EXPECT_NEAR(line.front().x, 926 + 46, 0.1);  // from x = 1 on
  // The closing note after "32", on the line of "だから".
  int notes = 0;
  for (const TextCall& t : s.Glyphs(21))
    if (t.colour == 3 && t.x > 400 && (t.y == 390 || t.y == 440)) ++notes;
  EXPECT_EQ(notes, Len("平均の速さは") + Len("変化の割合"));
  EXPECT_FALSE(s.Has(22, kKeyBox));
}

TEST(AverageSpeed, AnswersAtOnceWithTheirResults) {
  QuendralBench b(" ", TestOutDir("average-speed/answers"));
  b.L.AverageSpeedAnswersScreen();
  EXPECT_EQ(b.host.KeysHanded(), 0);
  const LogLines log = b.host.LogLines();
  b.L.WaitAnyKey();  // the page
  Steps s(log);
  ASSERT_EQ(s.size(), 1);
  ExpectHas(s, 0, {"問3解答", "(1)", "だから、平均の速さは", "秒速6m", "(2)平均の速さは", "2×(5+3)=2×8=", "秒速16m"});
  ExpectGlyphs(s, {{0, 132, 30, 7, "問"}, {0, 44, 80, 3, "("}, {0, 44, 390, 3, "("},
                   {0, 132, 220, 0, "だ"}});
  // "秒速" 50 right of the end of the result before it.
  const float six = TextWidth("6"), sixteen = TextWidth("16");
  std::vector<TextCall> results, sec;
  for (const TextCall& t : VisibleTexts(log)) {
    if (t.colour == 3 && (t.text == "6" || t.text == "16" || t.text == "1")) results.push_back(t);
    if (t.text == "秒") sec.push_back(t);
  }
  ASSERT_EQ(sec.size(), 2u);
  EXPECT_FLOAT_EQ(sec[0].y, 300);
  EXPECT_FLOAT_EQ(sec[1].y, 460);
  bool sixEnd = false, sixteenEnd = false;
  for (const TextCall& t : results) {
    sixEnd |= t.text == "6" && t.y == 300 && t.x + six + 50 == sec[0].x;
    sixteenEnd |= t.y == 460 && (t.x + sixteen + 50 == sec[1].x || t.x + six + 50 == sec[1].x);
  }
  EXPECT_TRUE(sixEnd);
  EXPECT_TRUE(sixteenEnd);
}

}  // namespace
}  // namespace lessons::testing
