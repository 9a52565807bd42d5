// The runtime's operations on the headless host: the call log, key scripts,
// the random generator, measuring, the end of a key script, and the replay tool.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "framework/runtime/canvas.h"
#include "framework/runtime/errors.h"
#include "framework/runtime/headless_host.h"
#include "framework/runtime/runtime.h"
#include "tests/support/bench.h"

namespace lessons {
namespace {

HeadlessOptions Logged(const std::string& keys = "") {
  HeadlessOptions o;
  o.keys = HeadlessHost::ParseKeyScript(keys);
  o.keepLog = true;
  return o;
}

TEST(CallLog, LineFormats) {
  EXPECT_EQ(FloatText(0.1f), "0.1");
  EXPECT_EQ(FloatText(1.0f / 3), "0.33333334");
  EXPECT_EQ(FloatText(-0.0f), "0");
  EXPECT_EQ(FloatText(1056), "1056");
  EXPECT_EQ(FloatText(-2.5f), "-2.5");

  HeadlessHost host(Logged("a"));
  Runtime rt(host);
  rt.SetDrawWidth(0, 3);
  rt.DrawLine(0, 0, 10.5f, 20, 1, 100, 50, -1, 0, 0, 0, -1, 0);  // relative corner added
  rt.DrawLine(0, 0, 0, 657, 0, 992, 720, -1, 15, 2, 15, 0, 15);
  rt.DrawLine(0, 0, 5, 5, 0, 9, 9, -1, 4, 2, 12, 0, 7);  // fill mode 7: fill = line colour
  rt.SetDrawWidth(0, 1);
  rt.DrawLine(0, 0, 1, 2, 0, 3, 4, -1, 13, 1, 0, -1, 15);
  rt.DrawPolyline(0, {{4, 36}, {4, -12, true}, {8, 16, true}, {100, 0}}, 9, 0, 0);
  rt.DrawCircle(0, 0, 1064, 656, 4, 5, 1, 0, 0, 1, -1, 0, 1);  // fill mode 1: fill = colour
  rt.DrawCircle(0, 0, 10, 20, 30, 2, 1, 0.75f, 0.25f, 0, -1, 7, 3);
  rt.SetFontName(0, "Times New Roman");
  rt.SetFontSize(0, 20.8f);
  rt.SetFontItalic(0, -1);
  rt.DrawText(0, 0, 288, 432, "x", 10, 7, 13);
  rt.SetFontName(0, "ゴシック");
  rt.SetFontSize(0, 16);
  rt.SetFontBold(0, -1);
  rt.SetFontItalic(0, 0);
  rt.DrawText(0, 0, 1, 2, "エラー", 1, 1, 0);
  rt.ClearScreen(0, 0);
  rt.Pause(3);
  EXPECT_EQ(rt.ReadKey(0), "a");
  std::vector<std::string> expected = {
      "DrawLine\t10.5\t20\t110.5\t70\tline\t0\t0\t3",
      "DrawLine\t0\t657\t992\t720\tfill\t15\t15\t3",
      "DrawLine\t5\t5\t9\t9\tfill\t4\t4\t3",
      "DrawLine\t1\t2\t3\t4\tbox\t13\t0\t1",
      "DrawPolyline\t9\t0\t0\t1\t4,36\t8,24\t16,40\t100,0",
      "DrawCircle\t1064\t656\t4\t5\t0\t0\t1\t5\t1",
      "DrawCircle\t10\t20\t30\t2\t0.75\t0.25\t0\t7\t1",
      "DrawText\t288\t432\t10\t7\t13\tTimes New Roman\t20.8\t0\t1\tx",
      "DrawText\t1\t2\t1\t1\t0\tゴシック\t16\t1\t0\tエラー",
      "ClearScreen",
      "Pause\t3",
      "Key\t97",
  };
  EXPECT_EQ(host.LogLines(), expected);
}

TEST(KeyScript, CharactersAndEscapes) {
  using V = std::vector<int>;
  EXPECT_EQ(HeadlessHost::ParseKeyScript(""), V{});
  EXPECT_EQ(HeadlessHost::ParseKeyScript("12\\n"), (V{'1', '2', 13}));
  EXPECT_EQ(HeadlessHost::ParseKeyScript("\\b\\f\\\\"), (V{8, 12, '\\'}));
  // Other characters after a backslash, and a backslash at the end, are keys of their own.
  EXPECT_EQ(HeadlessHost::ParseKeyScript("\\q\\"), (V{'\\', 'q', '\\'}));
  EXPECT_EQ(HeadlessHost::ParseKeyScript("\\\\n"), (V{'\\', 'n'}));
  // One key per character, not per byte.
  EXPECT_EQ(HeadlessHost::ParseKeyScript("あ-ﾀ"), (V{0x3042, '-', 0xFF80}));
}

TEST(RandomNumbers, BelowOneAndRepeatablePerSeed) {
  HeadlessHost host(HeadlessOptions{});
  Runtime rt(host);
  auto draws = [&](int32_t seed) {
    rt.Randomize(seed);
    std::vector<Num> v;
    for (int i = 0; i < 2000; ++i) v.push_back(rt.Random(1));
    return v;
  };
  for (int32_t seed : {0, 1, 60, 141, -5, INT32_MAX}) {
    auto v = draws(seed);
    EXPECT_EQ(v, draws(seed)) << seed;
    Num lo = 1, hi = 0;
    for (Num x : v) {
      ASSERT_GE(x, 0.0f);
      ASSERT_LT(x, 1.0f);
      lo = std::min(lo, x), hi = std::max(hi, x);
    }
    EXPECT_LT(lo, 0.01f);  // the whole interval is covered
    EXPECT_GT(hi, 0.99f);
  }
  EXPECT_NE(draws(60), draws(61));
  // floor(value * 6 + 1) gives each of 1..6.
  rt.Randomize(7);
  std::vector<int> seen(7);
  for (int i = 0; i < 600; ++i) ++seen[static_cast<int>(rt.Random(1) * 6 + 1)];
  for (int k = 1; k <= 6; ++k) EXPECT_GT(seen[k], 50) << k;
}

TEST(HeadlessHost, ScriptedKeysClockSnapshotsAndTheEndOfTheScript) {
  std::string dir = testing::TestOutDir("runtime/headless");
  std::filesystem::remove_all(dir);
  HeadlessOptions o = Logged("1\\n");
  o.pngDir = dir;
  o.time = "23:59:59";
  HeadlessHost host(o);
  Runtime rt(host);
  EXPECT_EQ(rt.TimeString(), "23:59:59");
  EXPECT_EQ(rt.ReadKey(0), "1");
  rt.DrawLine(0, 0, 0, 0, 1, 50, 50, -1, 0, 2, 9, 0, 15);
  EXPECT_EQ(rt.ReadKey(0), "\r");
  EXPECT_EQ(host.KeysHanded(), 2);
  // Out of keys: the run ends as if the window were closed.
  EXPECT_THROW(rt.ReadKey(0), WindowClosed);
  EXPECT_THROW(rt.ReadKey(0), WindowClosed);
  EXPECT_EQ(host.PngCount(), 2);
  EXPECT_TRUE(std::filesystem::exists(dir + "/key-0000.png"));
  EXPECT_TRUE(std::filesystem::exists(dir + "/key-0001.png"));
  EXPECT_FALSE(std::filesystem::exists(dir + "/key-0002.png"));
  // The second snapshot shows the box drawn before the second key; the first does not.
  EXPECT_LT(std::filesystem::file_size(dir + "/key-0000.png"),
            std::filesystem::file_size(dir + "/key-0001.png"));
  // Waiting for the window to close returns at once on the headless host.
  rt.WaitForClose();
}

// A headless host that counts how often drawing lets it poll.
struct PollCountingHost : HeadlessHost {
  using HeadlessHost::HeadlessHost;
  void Poll(Canvas&) override { ++polls; }
  int polls = 0;
};

std::vector<Num> Corners(const InkBox& b) { return {b.x0, b.y0, b.x1, b.y1}; }

TEST(Measuring, DrawsLogsAndPollsNothingAndAnswersTextsAndStrokes) {
  PollCountingHost host(Logged());
  Runtime rt(host);
  rt.canvas().TakeDamage();
  rt.SetDrawWidth(0, 4);
  const Measured m = rt.Measure([&] {
    rt.ClearScreen(0, 0);
    for (int i = 0; i < 100; ++i) rt.DrawCircle(0, 0, 300, 300, 20, 0, 1, 0, 0, 1, 0, 0, 1);
    rt.DrawText(0, 0, 100, 200, "x=あ", 2, 3, 0);  // cells 16 + 16 + 32 wide, 48 high
    rt.DrawLine(0, 0, 90, 300, 1, 20, 0, -1, 0, 0, 0, -1, 0);
    rt.DrawPolyline(0, {{50, 260}, {10, 5, true}}, 0, 0, 0);
  });
  EXPECT_TRUE(host.LogLines().empty());
  EXPECT_EQ(host.polls, 0);
  EXPECT_FALSE(rt.canvas().HasDamage());
  // The strokes reach half the pen past their ends, into both boxes.
  EXPECT_EQ(Corners(m.cells), (std::vector<Num>{48, 200, 164, 302}));
  const InkBox text = rt.TextInk(100, 200, "x=あ", 2, 3);
  EXPECT_EQ(Corners(m.ink), (std::vector<Num>{48, text.y0, text.x1, 302}));
}

TEST(Measuring, AnErrorInsideEndsOnlyItsOwnMeasurement) {
  HeadlessHost host(Logged());
  Runtime rt(host);
  auto line = [&](Num x) { rt.DrawLine(0, 0, x, 10, 0, x + 10, 10, -1, 0, 0, 0, -1, 0); };
  const Measured outer = rt.Measure([&] {
    EXPECT_THROW(rt.Measure([&] {
      line(0);
      Div(1, 0);
    }), RuntimeError);
    line(100);  // still measured, by the outer measurement alone
  });
  EXPECT_EQ(Corners(outer.ink), (std::vector<Num>{99.5f, 9.5f, 110.5f, 10.5f}));
  EXPECT_THROW(rt.Measure([&] { Div(1, 0); }), RuntimeError);
  EXPECT_TRUE(host.LogLines().empty());
  line(200);  // drawn again
  EXPECT_EQ(host.LogLines().size(), 1u);
  EXPECT_TRUE(rt.canvas().HasDamage());
}

// Runs the lesson-replay tool; returns its exit status.
int Replay(const std::string& args) {
  std::string command = std::string(LESSONS_BIN_DIR) + "/lesson-replay " + args + " 2>/dev/null";
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(LessonReplay, OptionsLogPngsAndExitStatus) {
  std::string dir = testing::TestOutDir("runtime/replay");
  std::filesystem::remove_all(dir);
  // The end item: a normal end.
  EXPECT_EQ(Replay("quendral --keys '6\\n' --time 10:20:30 --log " + dir + "/end.log --png " + dir + "/end"), 0);
  auto log = ReadLines(dir + "/end.log");
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "End\tfinished");
  EXPECT_NE(std::find(log.begin(), log.end(), "Key\t54"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), "Key\t13"), log.end());
  EXPECT_TRUE(std::filesystem::exists(dir + "/end/key-0000.png"));
  EXPECT_TRUE(std::filesystem::exists(dir + "/end/key-0001.png"));
  EXPECT_TRUE(std::filesystem::exists(dir + "/end/final.png"));
  // The script runs out at the menu: also a normal end.
  EXPECT_EQ(Replay("orvenna --log " + dir + "/out.log"), 0);
  EXPECT_EQ(ReadLines(dir + "/out.log").back(), "End\tclosed");
  // A wrong command line.
  EXPECT_EQ(Replay("nosuchprogram"), 2);
  EXPECT_EQ(Replay("palisteo --time 25:00:00"), 2);
  EXPECT_EQ(Replay("palisteo --keys"), 2);
}

}  // namespace
}  // namespace lessons
