// Number text: how values become the texts that screens show.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

std::string Shown(Lesson& L, Num v) {
  L.A_s = Str(v);
  L.StripSpaces();
  return L.A_s;
}

TEST(NumberText, SignBlankAndDigits) {
  EXPECT_EQ(Str(3), " 3");
  EXPECT_EQ(Str(-12), "-12");
  EXPECT_EQ(Str(0), " 0");
  EXPECT_EQ(Str(-0.0f), " 0");
  EXPECT_EQ(Str(0.5f), " .5");
  EXPECT_EQ(Str(-0.5f), "-.5");
  EXPECT_EQ(Str(250), " 250");
  EXPECT_EQ(Str(16777216.0f), " 16777216");  // whole values keep all their digits
  // Never an exponent: a rounding leftover or a huge value in plain digits.
  EXPECT_EQ(Str(1.49012e-8f), " .0000000149012");
  EXPECT_EQ(Str(-0.00012f), "-.00012");
  EXPECT_EQ(Str(1234567.5f), " 1234568");
}

TEST(NumberText, SingleFloatProductsReadShort) {
  Bench b;
  Lesson& L = b.L;
  EXPECT_EQ(Shown(L, 0.5f), ".5");
  EXPECT_EQ(Shown(L, -0.5f), "-.5");
  EXPECT_EQ(Shown(L, 3 * 0.1f), ".3");
  EXPECT_EQ(Shown(L, 4.9f * 3 * 3), "44.1");
  EXPECT_EQ(Shown(L, 5 * 0.02f), ".1");
  EXPECT_EQ(Shown(L, 0.8f * 0.8f), ".64");
  EXPECT_EQ(Shown(L, -0.0f), "0");
  EXPECT_EQ(Shown(L, 1.5f), "1.5");
  EXPECT_EQ(Shown(L, -2.25f), "-2.25");
  EXPECT_EQ(Shown(L, 1.0f / 3), ".333333");
  EXPECT_EQ(Shown(L, 0.99999994f), "1");
  for (int k = 1; k <= 5; ++k)  // the labels of a 0.02 grid
    EXPECT_EQ(Shown(L, k * 5 * 0.02f), "." + std::to_string(k)) << k;
}

}  // namespace
}  // namespace lessons::testing
