// The range drills of Quendral's unit 1: random draws, the range rule, the
// texts of the function, and the key waits of screens ⑤ and ⑦.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include "framework/runtime/headless_host.h"
#include "tests/support/bench.h"
#include "tests/support/log_reader.h"
#include "tests/support/quendral_bench.h"
#include "values/quendral.h"

namespace lessons::testing {
namespace {

// The extremes of y = a·x² over p ≦ x ≦ q by sampling, the ends
// and 0 included.
std::pair<float, float> SquareExtremes(float a, float p, float q) {
  float lo = INFINITY, hi = -INFINITY;
  for (int k = 0; k <= 1000; ++k) {
    const float x = p + (q - p) * static_cast<float>(k) / 1000;
    lo = std::min(lo, a * x * x);
    hi = std::max(hi, a * x * x);
  }
  if (p <= 0 && q >= 0) lo = std::min(lo, 0.f), hi = std::max(hi, 0.f);
  return {lo, hi};
}

TEST(QuendralRangeDrill, SquareRangeIsTheMinAndMaxOverTheDomain) {
  QuendralState b;
  for (int a = -4; a <= 4; ++a) {
    if (a == 0) continue;
    for (int p = -5; p <= 5; ++p)
      for (int q = p + 1; q <= 6; ++q) {
        SCOPED_TRACE("a " + std::to_string(a) + " on " + std::to_string(p) + ".." + std::to_string(q));
        b.Q.T(1) = static_cast<Num>(a);
        b.Q.F(1) = static_cast<Num>(p);
        b.Q.F(2) = static_cast<Num>(q);
        b.Q.SquareRangeOverDomain();
        const auto [lo, hi] = SquareExtremes(static_cast<float>(a), static_cast<float>(p),
                                             static_cast<float>(q));
        EXPECT_EQ(b.Q.T(5), lo);
        EXPECT_EQ(b.Q.T(6), hi);
        EXPECT_EQ(b.Q.T(7), std::min(b.Q.T(3), b.Q.T(4)));
        EXPECT_EQ(b.Q.T(8), std::max(b.Q.T(3), b.Q.T(4)));
      }
  }
}

// The draws in order: magnitude, then sign, for p and then q; equal ends
// move q up by 1, then the two are put in order.
TEST(QuendralRangeDrill, DomainDrawsFollowTheRandomSequence) {
  bool sawEqualFive = false, sawEqualMinusOne = false;
  for (int seed = 1; seed <= 800; ++seed) {
    QuendralState drawn, twin;
    drawn.rt.Randomize(seed);
    twin.rt.Randomize(seed);
    drawn.Q.DrawDomainEnds();
    auto signedDraw = [&twin] {
      float m = std::floor(twin.rt.Random(1) * 5 + 1);
      return std::floor(twin.rt.Random(1) * 2 + 1) == 2 ? -m : m;
    };
    float p = signedDraw();
    float q = signedDraw();
    if (p == q) {
      sawEqualFive |= p == 5;
      sawEqualMinusOne |= p == -1;
      q += 1;
    }
    if (p > q) std::swap(p, q);
    ASSERT_EQ(drawn.Q.F(1), p) << "seed " << seed;
    ASSERT_EQ(drawn.Q.F(2), q) << "seed " << seed;
    ASSERT_LT(p, q);
    ASSERT_GE(p, -5);
    ASSERT_LE(q, 6);
    // The generator goes on with the same numbers: exactly four draws.
    ASSERT_EQ(drawn.rt.Random(1), twin.rt.Random(1));
  }
  EXPECT_TRUE(sawEqualFive);
  EXPECT_TRUE(sawEqualMinusOne);
}

TEST(QuendralRangeDrill, LinearProblemOverSeveralSeeds) {
  for (int seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    QuendralState b("x");
    b.rt.Randomize(seed);
    b.Q.LinearRangeTurn();
    const Num a = b.Q.T(1), c = b.Q.T(2), p = b.Q.F(1), q = b.Q.F(2);
    EXPECT_TRUE(a != 0 && std::abs(a) <= 5 && a == std::floor(a));
    EXPECT_TRUE(c != 0 && std::abs(c) <= 9 && c == std::floor(c));
    EXPECT_LT(p, q);
    EXPECT_EQ(b.Q.T(5), std::min(a * p + c, a * q + c));
    EXPECT_EQ(b.Q.T(6), std::max(a * p + c, a * q + c));
    const std::string coef = a == 1 ? "" : a == -1 ? "-" : b.Q.NumberText(a);
    const std::string term = (c > 0 ? "+" : "") + b.Q.NumberText(c);
    EXPECT_EQ(b.Q.A1_s(1), coef);
    EXPECT_EQ(b.Q.A1_s(2), term);
    EXPECT_EQ(b.Q.A1_s(5), b.Q.NumberText(b.Q.T(5)));
    EXPECT_EQ(b.Q.A1_s(6), b.Q.NumberText(b.Q.T(6)));
    // The empty boxes, the key, the filled boxes: one key taken.
    EXPECT_EQ(b.host.KeysHanded(), 1);
  }
}

int CountSteps(const Steps& s, const std::string& text) {
  int n = 0;
  for (int k = 0; k < s.size(); ++k) n += s.Has(k, text);
  return n;
}

TEST(QuendralRangeDrill, FirstDrillTurnsEndOnlyAtExactlyOne) {
  // Exercise ①: 2, 1.5 and 3/2 give new problems, 2/2 ends; exercise ②: 0,
  // then 1. "なぜ？" comes with the sub-menu line, without a key of its own.
  Replay r = RunReplay("quendral", KeyScript("1\n5\nx2\nx1.5\nx3/2\nx2/2\nx0\nx1\n9\n6\n"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_EQ(CountSteps(s, "について、yの変域をいいなさい。"), 6);
  EXPECT_EQ(CountSteps(s, "何かキーを押して下さい。"), 6);
  const int why = s.Find("なぜ？");
  ASSERT_GT(why, 0);
  EXPECT_TRUE(s.GlyphAt(why, 280, 400, 7, "な"));
  EXPECT_TRUE(s.Has(why, "①～④増減"));
  EXPECT_EQ(s.Find("<めあて>", why), -1) << "the goal is not shown again";
}

TEST(QuendralRangeDrill, SecondDrillEndsWithAKeyAndTheHint) {
  Replay r = RunReplay("quendral", KeyScript("1\n7\nx1\nx5\nx1\nx9\n6\n"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_EQ(CountSteps(s, "について、yの変域をいいなさい。"), 3);
  const int hint = s.Find("教科書P105");
  ASSERT_GT(hint, 0);
  EXPECT_TRUE(s.GlyphAt(hint, 44, 570, 0, "教"));
  EXPECT_TRUE(s.Has(hint, "①～④増減"));
  EXPECT_FALSE(s.Has(hint - 1, "教科書P105")) << "one key after the last 1";
}

TEST(QuendralRangeDrill, SecondDrillCoefficientsAndBoxes) {
  for (int seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    QuendralState b(KeyScript("x1\nx1\nx"));
    b.rt.Randomize(seed);
    b.Q.RangeDrill2Screen();
    // The last turn of exercise ②: a < 0, answers the extremes.
    const Num a = b.Q.T(1);
    EXPECT_TRUE(a <= -1 && a >= -4 && a == std::floor(a));
    const auto [lo, hi] = SquareExtremes(a, b.Q.F(1), b.Q.F(2));
    EXPECT_EQ(b.Q.T(5), lo);
    EXPECT_EQ(b.Q.T(6), hi);
    // Exercise ①'s boxes are 132 wide at y 122..182, exercise ②'s 176 at 302..362.
    int narrow = 0, wide = 0;
    for (const std::string& box : FilledBoxes(b.host.LogLines())) {
      std::istringstream in(box);
      float x1, y1, x2, y2;
      int line, fill;
      in >> x1 >> y1 >> x2 >> y2 >> line >> fill;
      if (fill != 13 || line != 0) continue;
      narrow += x2 - x1 == 132 && y1 == 122 && y2 == 182;
      wide += x2 - x1 == 176 && y1 == 302 && y2 == 362;
    }
    EXPECT_EQ(narrow, 4);
    EXPECT_EQ(wide, 4);
  }
}

}  // namespace
}  // namespace lessons::testing
