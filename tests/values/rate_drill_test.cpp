// Screen ④ of unit 2, the rate-of-change drills: the rate against the
// increase of y over the increase of x, the random draws over many seeds, the
// exit on exactly 1 (a zero denominator gives a new turn), the key waits and
// where the questions, boxes and worked examples stand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/log_reader.h"
#include "tests/support/quendral_bench.h"

namespace lessons::testing {
namespace {

// (a q² - a p²) / (q - p), worked out in double precision.
double RateByDefinition(double a, double p, double q) { return (a * q * q - a * p * p) / (q - p); }

// The intervals the draws give: both ends from ±1..±5, or equal draws of 5
// or -1 moved apart.
bool Reachable(int p, int q) {
  return (p != 0 && q != 0 && q <= 5) || (p == 5 && q == 6) || (p == -1 && q == 0);
}

TEST(QuendralRateDrill, RateIsTheIncreaseOfYOverTheIncreaseOfX) {
  QuendralState b;
  float lowest = 0, highest = 0, lowestForOne = 0, highestForOne = 0;
  for (int a = -4; a <= 4; ++a) {
    if (a == 0) continue;
    for (int p = -5; p <= 5; ++p)
      for (int q = p + 1; q <= 6; ++q) {
        b.Q.T(1) = static_cast<Num>(a);
        b.Q.F(1) = static_cast<Num>(p);
        b.Q.F(2) = static_cast<Num>(q);
        b.Q.SquareRateOverInterval();
        ASSERT_EQ(b.Q.T(3), RateByDefinition(a, p, q)) << "a " << a << " on " << p << ".." << q;
        if (Reachable(p, q)) {
          lowest = std::min(lowest, b.Q.T(3));
          highest = std::max(highest, b.Q.T(3));
          if (a == 1) {
            lowestForOne = std::min(lowestForOne, b.Q.T(3));
            highestForOne = std::max(highestForOne, b.Q.T(3));
          }
        }
      }
  }
  EXPECT_EQ(lowest, -44);
  EXPECT_EQ(highest, 44);
  EXPECT_EQ(lowestForOne, -9);
  EXPECT_EQ(highestForOne, 11);
}

// The draws of one turn on a twin generator: exercise ② a (magnitude, sign)
// first, then p and q each by magnitude and sign; equal ends move q up by 1,
// then the two are put in order.
struct Draws {
  float a = 1, p = 0, q = 0;
};

Draws TwinTurn(Runtime& twin, bool withCoefficient) {
  auto signedDraw = [&twin](float n) {
    float m = std::floor(twin.Random(1) * n + 1);
    return std::floor(twin.Random(1) * 2 + 1) == 2 ? -m : m;
  };
  Draws d;
  if (withCoefficient) d.a = signedDraw(4);
  d.p = signedDraw(5);
  d.q = signedDraw(5);
  if (d.p == d.q) d.q += 1;
  if (d.q < d.p) std::swap(d.p, d.q);
  return d;
}

std::string CoefficientFor(QuendralState& b, float a) {
  return a == 1 ? "" : a == -1 ? "-" : b.Q.NumberText(a);
}

void ExpectTurn(QuendralState& b, const Draws& d) {
  EXPECT_EQ(b.Q.T(1), d.a);
  EXPECT_EQ(b.Q.F(1), d.p);
  EXPECT_EQ(b.Q.F(2), d.q);
  EXPECT_EQ(b.Q.T(3), RateByDefinition(d.a, d.p, d.q));
  EXPECT_EQ(b.Q.TITLE_s(1), b.Q.NumberText(d.p));
  EXPECT_EQ(b.Q.TITLE_s(2), b.Q.NumberText(d.q));
  EXPECT_EQ(b.Q.A1_s(3), b.Q.NumberText(b.Q.T(3)));
}

TEST(QuendralRateDrill, DrawsAndAnswersOverManySeeds) {
  bool sawFiveToSix = false, sawMinusOneToZero = false, sawMinusOne = false;
  for (int seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    // Exercise ① alone: the run stops at the first key of its worked example.
    QuendralState first(KeyScript("x1\n"));
    first.rt.Randomize(seed);
    EXPECT_THROW(first.Q.RateDrillScreen(), WindowClosed);
    QuendralState twinBench;
    Runtime& twin = twinBench.rt;
    twin.Randomize(seed);
    const Draws one = TwinTurn(twin, false);
    ExpectTurn(first, one);
    EXPECT_GE(one.p, -5);
    EXPECT_LE(one.q, 6);
    sawFiveToSix |= one.p == 5 && one.q == 6 && first.Q.T(3) == 11;
    sawMinusOneToZero |= one.p == -1 && one.q == 0 && first.Q.T(3) == -1 &&
                         first.Q.TITLE_s(2) == "0";

    // The whole screen, one turn each: exercise ②'s draws follow exercise ①'s.
    QuendralState whole(KeyScript("x1\nxxxx1\nxxxx"));
    whole.rt.Randomize(seed);
    whole.Q.RateDrillScreen();
    EXPECT_EQ(whole.host.KeysHanded(), 13);
    const Draws two = TwinTurn(twin, true);
    ExpectTurn(whole, two);
    EXPECT_TRUE(two.a != 0 && std::abs(two.a) <= 4);
    EXPECT_EQ(whole.Q.A1_s(1), CoefficientFor(whole, two.a));
    sawMinusOne |= two.a == -1;
    // Four draws in exercise ①, six in exercise ②, none besides.
    EXPECT_EQ(whole.rt.Random(1), twin.Random(1));
  }
  EXPECT_TRUE(sawFiveToSix);
  EXPECT_TRUE(sawMinusOneToZero);
  EXPECT_TRUE(sawMinusOne);
}

// How many of steps from..to - 1 (all by default) draw `text`.
int StepsWith(const Steps& s, const std::string& text, int from = 0, int to = -1) {
  int n = 0;
  for (int k = from; k < (to < 0 ? s.size() : to); ++k) n += s.Has(k, text);
  return n;
}

TEST(QuendralRateDrill, OnlyExactlyOneEndsAnExerciseZeroDenominatorsGiveNewTurns) {
  // Exercise ①: 2, 1.5, 3/0, 1/0, /0 and 0 give new problems, 2/2 ends;
  // exercise ②: 1/0 again, then 3/3.
  Replay r = RunReplay("quendral", KeyScript("2\n4\nx2\nx1.5\nx3/0\nx1/0\nx/0\nx0\nx2/2\nxxx"
                                             "x1/0\nx3/3\nxxxx7\n6\n"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  for (const std::string& line : r.log) {
    ASSERT_EQ(line.rfind("Error", 0), std::string::npos) << line;
    ASSERT_EQ(line.find("nan"), std::string::npos) << line;
    ASSERT_EQ(line.find("inf"), std::string::npos) << line;
  }
  Steps s(r.log);
  EXPECT_EQ(StepsWith(s, "① y=x^2 について、変化の割合を求めなさい。"), 7);
  EXPECT_EQ(StepsWith(s, "について、変化の割合を求めなさい。"), 9);
  EXPECT_EQ(StepsWith(s, "何かキーを押して下さい。"), 9 + 3 + 4);
}

TEST(QuendralRateDrill, KeyWaitsPositionsAndTheReturn) {
  Replay r = RunReplay("quendral", KeyScript("2\n4\nx1\nxxxx1\nxxxx7\n6\n"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  // Exercise ①: the wipe below y 30, the question, the empty box.
  const int one = s.Find("① y=x^2 について");
  ASSERT_GT(one, 0);
  EXPECT_TRUE(s.WipeFrom(one, 0, 30));
  EXPECT_TRUE(s.GlyphAt(one, 40, 30, 0, "①"));
  EXPECT_TRUE(s.GlyphAt(one, 103, 110, 3, "が"));
  // Its answer box: 176 wide, y 102..162, drawn empty and again with the rate.
  auto boxes = [&s](int k, float top) {
    std::vector<float> lefts;
    for (const std::string& box : FilledBoxes(s.Lines(k))) {
      std::istringstream in(box);
      float x1, y1, x2, y2;
      int line, fill;
      in >> x1 >> y1 >> x2 >> y2 >> line >> fill;
      if (line == 0 && fill == 13 && y1 == top && y2 == top + 60 && x2 - x1 == 176)
        lefts.push_back(x1);
    }
    return lefts;
  };
  const std::vector<float> empty = boxes(one, 102);
  ASSERT_EQ(empty.size(), 1u);
  const std::vector<float> filled = boxes(one + 1, 102);
  ASSERT_EQ(filled.size(), 1u);
  EXPECT_EQ(filled[0], empty[0]);
  const std::vector<TextCall> answer = s.Glyphs(one + 1);
  ASSERT_FALSE(answer.empty());
  EXPECT_EQ(answer.front().colour, 5);
  EXPECT_GT(answer.front().x, empty[0]);
  EXPECT_LT(answer.front().x, empty[0] + 176);
  EXPECT_EQ(answer.front().y, 110);

  // After 1: the worked example of ① at once, 40 right of the box, 3 keys.
  const int example = s.Find("y=x^2の3から5では、");
  ASSERT_EQ(example, one + 3);
  EXPECT_TRUE(s.GlyphAt(example, empty[0] + 176 + 40, 110, 7, "y"));
  EXPECT_FALSE(s.Has(example, "5+3=8"));
  EXPECT_TRUE(s.Has(example + 2, "5+3=8"));

  // Exercise ② below y 290; ① and its example stay.
  const int two = s.Find("について、変化の割合を求めなさい。", example + 3);
  ASSERT_EQ(two, example + 3);
  EXPECT_TRUE(s.WipeFrom(two, 0, 290));
  EXPECT_FALSE(s.WipeFrom(two, 0, 30));
  EXPECT_FALSE(s.WipeFrom(two, 0, 0));
  EXPECT_TRUE(s.GlyphAt(two, 40, 310, 0, "②"));
  EXPECT_TRUE(s.GlyphAt(two, 103, 390, 3, "が"));
  EXPECT_EQ(boxes(two, 382).size(), 1u);
  EXPECT_EQ(boxes(two + 1, 382).size(), 1u);

  // Its worked example: 4 keys, the third line at the left margin; the hint
  // comes with the sub-menu line.
  const int example2 = s.Find("y=2x^2の3から5では、");
  ASSERT_EQ(example2, two + 3);
  EXPECT_TRUE(s.GlyphAt(example2 + 2, 44, 560, 0, "="));
  EXPECT_TRUE(s.Has(example2 + 3, "=2(5+3)=2*8=16"));
  EXPECT_FALSE(s.Has(example2 + 3, "教科書P107"));
  EXPECT_TRUE(s.GlyphAt(example2 + 4, 410, 612, 7, "教"));
  EXPECT_TRUE(s.Has(example2 + 4, "①1次　②2乗比"));
  EXPECT_EQ(s.Find("<めあて>", example2), -1) << "the goal is not shown again";
}

TEST(QuendralRateDrill, SubMenuTakesAQuotientAndShowsTheLineForAZeroDenominator) {
  // 3/0 and 1/0 read as 0: the line again; 10/2 starts item 5.
  Replay r = RunReplay("quendral", KeyScript("2\n3/0\n1/0\n10/2\nxxx7\n6\n"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  const int answers = s.Find("問1 解答");
  ASSERT_GT(answers, 0);
  const int goal = s.Find("<めあて>");
  ASSERT_GT(goal, 0);
  EXPECT_EQ(s.Find("<めあて>", goal + 1), -1);
  EXPECT_EQ(StepsWith(s, "①1次　②2乗比", 0, answers), 3);
}

}  // namespace
}  // namespace lessons::testing
