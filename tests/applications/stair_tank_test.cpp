// Orvenna's unit 3: the stair tank screen, its filling animation, table and
// graph, driven by key scripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "applications/orvenna.h"
#include "framework/runtime/canvas.h"
#include "framework/runtime/palette.h"
#include "tests/support/bench.h"
#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

const char kLine[] = "①P115 階段状の水槽　②終了";
const char kKeyPrompt[] = "何かキーを押して下さい。";

Replay RunOrvenna(std::string_view keys) { return RunReplay("orvenna", KeyScript(keys)); }

// One visit: "3", Enter, "1", Enter are keys 0 to 3, so step 4 is the entry
// (the empty tank), step 5 the animation with the rest of the question and
// the table, steps 6 to 9 the table's columns (and in 9 the plane), steps 10
// to 16 the points and segments; step 16 ends with the sub-menu line.
const std::string kVisit = "1\n" + std::string(12, 'x');
constexpr int kEntry = 4, kFilling = 5, kLastStep = 16;

// The lines of a step cut at its pauses: frame f (1-based) is what was drawn
// before the f-th Pause; the element after the last pause is the rest.
std::vector<LogLines> Frames(const LogLines& step) {
  std::vector<LogLines> frames(1);
  for (const std::string& line : step) {
    if (line.rfind("Pause\t", 0) == 0) {
      EXPECT_EQ(line, "Pause\t20");
      frames.emplace_back();
    } else {
      frames.back().push_back(line);
    }
  }
  return frames;
}

// The top of the water box (border and fill 1) a part of the log draws.
std::optional<float> WaterTop(const LogLines& lines) {
  std::optional<float> top;
  for (const LineCall& l : LineCalls(lines))
    if (l.shape == "fill" && l.colour == 1 && l.fillColour == 1) {
      EXPECT_FLOAT_EQ(l.x1, 840);
      EXPECT_FLOAT_EQ(l.x2, 1200);
      EXPECT_FLOAT_EQ(l.y1, 600);
      top = l.y2;
    }
  return top;
}

// The time text inside the tank, its glyphs at y 340 in the order drawn.
std::string Clock(const LogLines& lines) {
  std::string out;
  for (const TextCall& t : VisibleTexts(lines))
    if (t.y == 340 && t.x >= 930) {
      EXPECT_EQ(t.colour, 0);
      out += t.text;
    }
  return out;
}

class StairTankScreenTest : public ::testing::Test {
 protected:
  Replay r = RunOrvenna("3\n" + kVisit + "2\n7\n");
  Steps s{r.log};
};

TEST_F(StairTankScreenTest, TwelveKeyWaitsThenTheSubMenuLineOverTheFinishedScreen) {
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  EXPECT_TRUE(s.WipeFrom(kEntry, 0, 0));
  for (int k = kEntry; k < kLastStep; ++k) {
    EXPECT_TRUE(s.Has(k, kKeyPrompt)) << k;
    EXPECT_FALSE(s.Has(k, kLine)) << k;
  }
  EXPECT_TRUE(s.Has(kLastStep, kLine));
  EXPECT_FALSE(s.Has(kLastStep, kKeyPrompt));
  EXPECT_FALSE(s.WipeFrom(kLastStep, 0, 0));
  EXPECT_FALSE(s.Has(kLastStep, "<めあて>"));
  // Only the animation pauses: 72 frames of 20.
  for (int k = 0; k < s.size(); ++k)
    EXPECT_EQ(s.Lines(k, "Pause\t").size(), k == kFilling ? 72u : 0u) << k;
}

TEST_F(StairTankScreenTest, EntryShowsTheQuestionAndTheEmptyTankAtZero) {
  ExpectGlyphs(s, {{kEntry, 40, 30, 7, "Q"}});
  ExpectHas(s, kEntry, {"底が階段状になっている直方体の水そうに、", "毎分同じ割合", "で水を入れます。"});
  EXPECT_FALSE(s.Has(kEntry, "水を入れ始めてからの時間を"));
  EXPECT_FALSE(WaterTop(s.Lines(kEntry)));
  EXPECT_EQ(Clock(s.Lines(kEntry)), "0分0秒");
  // The scale's values outside the left wall, their grounds off the tank.
  ExpectGlyphs(s,
               {{kEntry, 778, 480, 0, "1"}, {kEntry, 778, 380, 0, "2"}, {kEntry, 778, 280, 0, "3"}});
}

TEST_F(StairTankScreenTest, WaterRisesInThreeStagesWithTheTimeEveryFifteenSeconds) {
  std::vector<LogLines> frames = Frames(s.Lines(kFilling));
  ASSERT_EQ(frames.size(), 73u);
  struct Want {
    int frame;
    float top;
    const char* clock;
  };
  // 10 cm (100 units) in 12, 24 and 36 frames: level with the middle floor
  // at 3 minutes, with the left floor at 9, at 30 cm after 18.
  for (const Want& w : std::vector<Want>{{1, 591.66667f, "0分15秒"},
                                         {2, 583.33333f, "0分30秒"},
                                         {3, 575, "0分45秒"},
                                         {4, 566.66667f, "1分0秒"},
                                         {12, 500, "3分0秒"},
                                         {13, 495.83333f, "3分15秒"},
                                         {36, 400, "9分0秒"},
                                         {37, 397.22222f, "9分15秒"},
                                         {72, 300, "18分0秒"}}) {
    SCOPED_TRACE(w.frame);
    const LogLines& f = frames[static_cast<size_t>(w.frame - 1)];
    ASSERT_TRUE(WaterTop(f));
    EXPECT_NEAR(*WaterTop(f), w.top, 0.0005);
    EXPECT_EQ(Clock(f), w.clock);
  }
  for (size_t f = 0; f < 72; ++f) EXPECT_EQ(PolyCalls(frames[f]).size(), 2u) << f;  // steps, stream
  // After the last frame: the outline again, then the rest of the question.
  EXPECT_FALSE(WaterTop(frames[72]));
  ASSERT_FALSE(LineCalls(frames[72]).empty());
  const LineCall outline = LineCalls(frames[72]).front();
  EXPECT_EQ(outline.shape, "box");
  EXPECT_FLOAT_EQ(outline.x1, 840);
  EXPECT_FLOAT_EQ(outline.y2, 280);
}

TEST_F(StairTankScreenTest, EachFrameRedrawsTheTankAlone) {
  // The tank is (840, 280)-(1200, 600), its scale's values left of its wall
  // from 772 (the top one's ground reaching 4 over the top edge); nothing
  // outside them is drawn again while it fills, so a frame
  // costs only the tank (and the question's further lines come after the
  // last). The first frame follows the wipe of the key box.
  std::vector<LogLines> frames = Frames(s.Lines(kFilling));
  for (size_t f = 1; f < 72; ++f) {
    SCOPED_TRACE(f);
    for (const LineCall& l : LineCalls(frames[f]))
      EXPECT_TRUE(std::min(l.x1, l.x2) >= 772 && std::max(l.x1, l.x2) <= 1200 &&
                  std::min(l.y1, l.y2) >= 276 && std::max(l.y1, l.y2) <= 600);
    for (const PolyCall& p : PolyCalls(frames[f]))
      for (auto [x, y] : p.points) EXPECT_TRUE(x >= 840 && x <= 1200 && y >= 280 && y <= 600);
    for (const TextCall& t : VisibleTexts(frames[f])) EXPECT_TRUE(t.x >= 772 && t.y >= 280 && t.y < 600);
    EXPECT_TRUE(CircleCalls(frames[f]).empty());
  }
}

TEST_F(StairTankScreenTest, QuestionAndTableAppearAfterTheFilling) {
  // The lines after the last frame, as a step of their own.
  LogLines tail = Frames(s.Lines(kFilling)).back();
  tail.insert(tail.begin(), "Key\t0");
  Steps after(tail);
  ExpectGlyphs(after, {{1, 40, 80, 0, "水"}, {1, 40, 130, 0, "グ"}});
  ExpectHas(after, 1, {"水を入れ始めてからの時間を", "x分", "、水面までの高さを", "ycm", "とするときの",
                       "グラフをかきなさい。"});
  EXPECT_EQ(after.Glyphs(1, "分").front().colour, 3);
  auto rows = s.Cells(kFilling, 50);
  ASSERT_EQ(rows.size(), 2u);
  const std::vector<std::pair<float, std::vector<std::string>>> want = {
      {140, {"x", "0", "3", "9", "18"}}, {190, {"y", "", "", "", ""}}};
  for (const auto& [top, texts] : want) {
    SCOPED_TRACE(top);
    const auto& row = rows[top];
    ASSERT_EQ(row.size(), texts.size());
    for (size_t i = 0; i < row.size(); ++i) {
      EXPECT_FLOAT_EQ(row[i].x, i == 0 ? 640 : 694 + 60 * (i - 1));
      EXPECT_FLOAT_EQ(row[i].width, i == 0 ? 54 : 60);
      EXPECT_EQ(row[i].text, texts[i]);
    }
  }
}

TEST_F(StairTankScreenTest, TableColumnsOnePerKeyWithTheTankInEachState) {
  struct Want {
    std::optional<float> water;
    const char* clock;
    const char* height;
  };
  const std::vector<Want> want = {
      {std::nullopt, "0分0秒", "0"}, {500, "3分0秒", "10"}, {400, "9分0秒", "20"}, {300, "18分0秒", "30"}};
  for (int k = 1; k <= 4; ++k) {
    SCOPED_TRACE(k);
    const int step = kFilling + k;
    const Want& w = want[static_cast<size_t>(k - 1)];
    EXPECT_EQ(WaterTop(s.Lines(step)), w.water);
    EXPECT_EQ(Clock(s.Lines(step)), w.clock);
    // The floor steps again, no stream.
    EXPECT_EQ(PolyCalls(s.Lines(step)).size(), 1u);
    auto rows = s.Cells(step, 50);
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[190].size(), 1u);
    EXPECT_FLOAT_EQ(rows[190][0].x, 694 + 60 * (k - 1));
    EXPECT_EQ(rows[190][0].text, w.height);
    for (const TextCall& t : VisibleTexts(s.Lines(step))) {
      if (t.x >= 694 && t.y > 190 && t.y < 240) {
        EXPECT_EQ(t.colour, 5) << t.text;
      }
    }
  }
}

TEST_F(StairTankScreenTest, GraphJoinsTheFourPointsOnePerKey) {
  const int plane = kFilling + 4;
  // x 0 to 19 minutes and y 0 to 32 cm, 24 units a step, origin (120, 604);
  // the letter y over the axis's top, right of it, clear of the text above.
  ExpectGlyphsNear(s, {{plane, 133, 191, 0, "y"}});
  for (const char* label : {"3", "6", "9", "12", "15", "18", "10", "20", "30"})
    EXPECT_TRUE(s.Has(plane, label)) << label;
  struct Dot {
    int step;
    float x, y;
  };
  for (const Dot& d : std::vector<Dot>{{10, 120, 604}, {11, 192, 484}, {13, 336, 364}, {15, 552, 244}}) {
    SCOPED_TRACE(d.step);
    auto dots = s.Dots(d.step);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_FLOAT_EQ(dots[0].x, d.x);
    EXPECT_FLOAT_EQ(dots[0].y, d.y);
    EXPECT_FLOAT_EQ(dots[0].r, 8);
    EXPECT_EQ(dots[0].fillColour, 5);
    for (const LineCall& l : LineCalls(s.Lines(d.step))) EXPECT_NE(l.colour, 5);
  }
  // Segments in 5 at pen 5: slopes 10/3, 10/6 and 10/9 cm a minute.
  struct Segment {
    int step;
    float x1, y1, x2, y2;
  };
  for (const Segment& g : std::vector<Segment>{
           {12, 120, 604, 192, 484}, {14, 336, 364, 192, 484}, {16, 336, 364, 552, 244}}) {
    SCOPED_TRACE(g.step);
    std::vector<LineCall> lines;
    for (const LineCall& l : LineCalls(s.Lines(g.step)))
      if (l.shape == "line" && l.colour == 5) lines.push_back(l);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FLOAT_EQ(lines[0].x1, g.x1);
    EXPECT_FLOAT_EQ(lines[0].y1, g.y1);
    EXPECT_FLOAT_EQ(lines[0].x2, g.x2);
    EXPECT_FLOAT_EQ(lines[0].y2, g.y2);
    EXPECT_EQ(lines[0].width, 5);
    EXPECT_TRUE(s.Dots(g.step, 8).empty());
  }
}

TEST(StairTankScreen, SecondVisitDrawsEverythingAgainFromTheWipe) {
  // Step 18 is the second entry (after "1" and Enter at the sub-menu).
  Replay r = RunOrvenna("3\n" + kVisit + kVisit + "2\n7\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  const int again = kLastStep + 2;
  EXPECT_TRUE(s.WipeFrom(again, 0, 0));
  EXPECT_EQ(s.Lines(again + 1), s.Lines(kFilling));
  for (int k = 1; k <= 11; ++k) EXPECT_EQ(s.Lines(again + 1 + k), s.Lines(kFilling + k)) << k;
  EXPECT_TRUE(s.Has(again + 12, kLine));
  EXPECT_EQ(s.Find("<めあて>", 3), -1);
}

TEST(StairTankScreen, SubMenuRunsTheScreenForValuesThatRoundToOne) {
  struct Entry {
    const char* typed;
    bool runs;
  };
  for (const Entry& e : std::vector<Entry>{
           {"1.2", true}, {"6/5", true}, {"2.4", false}, {"0.6", false}, {"-1", false}, {"", false}, {"3", false}}) {
    SCOPED_TRACE(e.typed);
    // "3", Enter, the entry and Enter; then the step after the entry.
    const std::string keys = std::string("3\n") + e.typed + "\n";
    Replay r = RunOrvenna(keys + (e.runs ? std::string(12, 'x') : "") + "2\n7\n");
    EXPECT_EQ(r.result.end, RunEnd::kFinished);
    Steps s(r.log);
    const int after = static_cast<int>(Len(keys));
    EXPECT_EQ(s.WipeFrom(after, 0, 0), e.runs);
    EXPECT_EQ(s.Has(after, kKeyPrompt), e.runs);
    EXPECT_EQ(s.Has(after, kLine), !e.runs);
    int goals = 0;
    for (int k = 0; k < s.size(); ++k) goals += s.Has(k, "<めあて>");
    EXPECT_EQ(goals, 1);
  }
}

// A host that hands the headless host's keys over and looks at the canvas at
// every Pause.
class FrameHost : public Host {
 public:
  explicit FrameHost(HeadlessHost& inner) : inner_(inner) {}
  std::function<void(Canvas&, int)> onFrame;
  int frames = 0;

  double PixelScale() const override { return inner_.PixelScale(); }
  bool TakeKey(Canvas& canvas, int& code) override { return inner_.TakeKey(canvas, code); }
  void Idle(Canvas& canvas) override {}
  void Pause(Canvas& canvas, int n) override {
    ++frames;
    if (onFrame) onFrame(canvas, frames);
  }
  void Poll(Canvas& canvas) override {}
  void WaitForClose(Canvas& canvas) override {}
  std::string Clock() override { return inner_.Clock(); }

 private:
  HeadlessHost& inner_;
};

uint32_t PixelAt(Canvas& c, int x, int y) {
  const unsigned char* row = c.Pixels() + static_cast<size_t>(y) * static_cast<size_t>(c.Stride());
  return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFFu;
}

uint32_t Rgb24(int colour) {
  Rgb c = PaletteColour(colour);
  return (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b;
}

TEST(StairTankScreen, RaisedFloorsHoldTheWaterBackUntilItReachesThem) {
  HeadlessOptions options;
  options.keys = HeadlessHost::ParseKeyScript(KeyScript("3\n1\nx"));
  HeadlessHost headless(options);
  FrameHost host(headless);
  Runtime rt(host);
  auto orvenna = MakeOrvenna(rt);
  const std::string dir = TestOutDir("orvenna-stair-tank");
  // Points of the right, middle and left floor sections, just above or below
  // the water's top of the frame (left of the stream, clear of the texts).
  struct Probe {
    int x, y, colour;
  };
  const uint32_t inside = Rgb24(15), water = Rgb24(1), floor = Rgb24(2);
  std::map<int, std::vector<Probe>> probes = {
      {1, {{1190, 594, 3}, {1190, 585, 1}, {1020, 594, 2}, {900, 594, 2}}},
      {12, {{1190, 505, 3}, {1020, 495, 1}, {1020, 505, 2}}},
      {13, {{1020, 494, 3}, {1020, 489, 1}}},
      {36, {{1190, 405, 3}, {1020, 405, 3}, {945, 395, 1}, {945, 410, 2}}},
      {37, {{945, 395, 3}}},
      {72, {{945, 310, 3}, {1020, 290, 1}, {900, 590, 2}}},
  };
  std::vector<std::string> misses;
  host.onFrame = [&](Canvas& c, int frame) {
    if (frame == 1 || frame == 36 || frame == 72)
      c.SavePng(dir + "/frame-" + std::to_string(frame) + ".png");
    for (const Probe& p : probes[frame]) {
      const uint32_t want = p.colour == 1 ? inside : p.colour == 3 ? water : floor;
      if (PixelAt(c, p.x, p.y) != want)
        misses.push_back("frame " + std::to_string(frame) + " (" + std::to_string(p.x) + ", " +
                         std::to_string(p.y) + ") is not colour " + std::to_string(p.colour));
    }
  };
  RunProgram(*orvenna);
  EXPECT_EQ(host.frames, 72);
  EXPECT_TRUE(misses.empty()) << ::testing::PrintToString(misses);
}

}  // namespace
}  // namespace lessons::testing
