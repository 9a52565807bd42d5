// Start-up state, the random seed from the clock, and the error screen.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

// A headless host whose clock gives a new reading each time it is asked.
class SteppingClockHost : public HeadlessHost {
 public:
  explicit SteppingClockHost(std::vector<std::string> readings)
      : HeadlessHost(HeadlessOptions{}), readings_(std::move(readings)) {}
  std::string Clock() override { return readings_.at(next_++); }

 private:
  std::vector<std::string> readings_;
  size_t next_ = 0;
};

std::vector<Num> Draws(Runtime& rt) {
  std::vector<Num> out;
  for (int i = 0; i < 5; ++i) out.push_back(rt.Random(1));
  return out;
}

TEST(StartUp, StateLeftForTheMainMenu) {
  Bench b;
  Lesson& L = b.L;
  EXPECT_EQ(L.II1_s, "Test");
  EXPECT_EQ(L.Y5, 1056);
  EXPECT_EQ(L.P, 648);
  // Nothing else is set: the text colour, pens and results stay 0 or empty.
  EXPECT_EQ(L.YMOTO, 0);
  EXPECT_EQ(L.DSM1, 0);
  EXPECT_EQ(L.X1, 0);
  EXPECT_EQ(L.AINP, 0);
  EXPECT_TRUE(L.KKAI_s.empty());
  EXPECT_EQ(b.rt.FontName(), "ｺﾞｼｯｸ");
  EXPECT_EQ(b.rt.FontSize(), 16);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 3);
  // Index 0 and the bound of the shared arrays are usable, one past is not.
  L.X_s(0) = "0";
  L.GY5(0) = 1;
  L.t0014(40) = 2;
  L.R1A(10, 2) = 3;
  EXPECT_EQ(L.PTY(40), 2);
  EXPECT_EQ(L.GY5Y(40), 2);
  EXPECT_THROW(L.T(81), RuntimeError);
  EXPECT_THROW(L.TITLE_s(41), RuntimeError);
}

TEST(StartUp, SeedFromThreeClockReadings) {
  EXPECT_EQ(Bench("", "00:00:00").L.ENZAN, 0);
  EXPECT_EQ(Bench("", "23:59:59").L.ENZAN, 141);

  // Same sum, same sequence; the sequence is that of Randomize(sum).
  Bench a("", "10:20:30"), b("", "20:10:30");
  EXPECT_EQ(a.L.ENZAN, 60);
  auto drawsA = Draws(a.rt);
  EXPECT_EQ(drawsA, Draws(b.rt));
  a.rt.Randomize(60);
  EXPECT_EQ(drawsA, Draws(a.rt));

  // A clock that moves between the readings: each field from its own reading.
  SteppingClockHost host({"09:59:59", "10:00:00", "10:00:01"});
  Runtime rt(host);
  TestLesson L(rt);
  L.SeedRandomFromClock();
  EXPECT_EQ(L.ENZAN, 9 + 0 + 1);
}

TEST(ErrorScreen, TextPlaceAndColour) {
  Bench b;
  b.L.KKAI_s = "x";
  b.L.ErrorTrap(6, 250);
  ASSERT_GE(b.Log().size(), 2u);
  EXPECT_EQ(b.Log()[0], "ClearScreen");
  auto calls = TextCalls(b.Log());
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(Where(calls[0]), " 6, 250エラーが発生しました。マウスで×をクリックして下さい。 288 432 13");
  auto f = Fields(b.Log()[1]);  // DrawText x y a b ...
  EXPECT_EQ(f[3] + f[4], "11");
}

TEST(ErrorScreen, ReachedFromAnyRunTimeErrorWithoutReadingKeys) {
  HeadlessOptions o;
  o.keys = HeadlessHost::ParseKeyScript("123\\n");
  o.keepLog = true;
  HeadlessHost host(o);
  Runtime rt(host);
  TestLesson L(rt);
  L.menu = [&] {
    L.KKAI_s = "abc";
    L.DSM1 = 0;
    L.DrawPlainText();
    L.T(81) = 1;  // out of bounds
  };
  RunResult r = RunProgram(L);
  EXPECT_EQ(r.end, RunEnd::kError);
  EXPECT_EQ(r.errorNumber, kErrSubscript);
  EXPECT_EQ(host.KeysHanded(), 0);
  auto calls = TextCalls(host.LogLines());
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().text, " 9, " + std::to_string(r.errorLine) +
                                   "エラーが発生しました。マウスで×をクリックして下さい。");
  EXPECT_EQ(host.LogLines().back(), "End\terror");
}

}  // namespace
}  // namespace lessons::testing
