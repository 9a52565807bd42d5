// The step key wait, the area wipes, number arrays as texts and button keys.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

TEST(KeyWaits, AnyKeyRestoresColourAndPen) {
  Bench b("\\n");
  b.L.YMOTO = 5;
  b.rt.SetDrawWidth(0, 5);
  b.ClearLog();
  b.L.WaitAnyKey();
  EXPECT_EQ(b.L.GGY_s, Chr(13));
  EXPECT_EQ(b.L.YMOTO, 5);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 5);
  EXPECT_EQ(b.L.DSM1, 320);
  EXPECT_EQ(b.L.DSM2, 666);
  EXPECT_TRUE(b.L.KKAI_s.empty());
  auto calls = TextCalls(b.Log());
  ASSERT_EQ(calls.size(), 12u);
  EXPECT_EQ(calls[0].text, "何");
  EXPECT_EQ(calls[0].x, 128);
  EXPECT_EQ(calls[0].colour, 9);
  // Box, then a wipe that starts left of it at x 0.
  EXPECT_EQ(FilledBoxes(b.Log()),
            (std::vector<std::string>{"96 657 400 693 13 4 3", "0 657 400 693 15 15 3"}));
  EXPECT_EQ(b.host.KeysHanded(), 1);

  Bench c("a");
  c.L.WaitAnyKey();
  EXPECT_EQ(c.L.GGY_s, "a");
}

TEST(KeyWaits, AreaWipes) {
  Bench b;
  b.L.ClearLessonArea();
  b.L.ClearFooterBand();
  EXPECT_EQ(FilledBoxes(b.Log()),
            (std::vector<std::string>{"0 54 1440 900 15 15 3", "1136 576 2576 666 15 15 3"}));
  EXPECT_EQ(b.L.DSM1, 1136);
  EXPECT_EQ(b.L.DSM2, 576);
}

TEST(KeyWaits, NumbersToTextArrays) {
  Bench b;
  Lesson& L = b.L;
  L.T(1) = 3;
  L.T(2) = -12;
  L.T(3) = 0.5f;
  L.T(80) = 44.1f;
  L.F(1) = -0.5f;
  L.F(40) = 7;
  L.A1_s(4) = "old";
  L.NumbersToTextArrays();
  EXPECT_EQ(L.A1_s(1), "3");
  EXPECT_EQ(L.A1_s(2), "-12");
  EXPECT_EQ(L.A1_s(3), ".5");
  EXPECT_EQ(L.A1_s(4), "0");
  EXPECT_EQ(L.A1_s(80), "44.1");
  EXPECT_EQ(L.TITLE_s(1), "-.5");
  EXPECT_EQ(L.TITLE_s(40), "7");
  EXPECT_EQ(L.HENK, 41);
  EXPECT_EQ(L.A_s, L.TITLE_s(40));
}

TEST(KeyWaits, ButtonKeys) {
  Bench b;
  Lesson& L = b.L;
  const std::string keys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
  for (int i = 0; i < 10; ++i) {
    L.GGY_s = keys[i];
    L.ZX0 = 0;
    L.KeyToButtonIndex();
    EXPECT_EQ(L.ZX0, 1) << keys[i];
    EXPECT_EQ(L.HABA, i + 1) << keys[i];
  }
  for (std::string other : {"q", "1", "QW", ""}) {
    L.GGY_s = other;
    L.HABA = 4;
    L.ZX0 = 1;
    L.KeyToButtonIndex();
    EXPECT_EQ(L.ZX0, 0) << other;
    EXPECT_EQ(L.HABA, 4) << other;
    EXPECT_EQ(L.GGY_s, other);
  }
}

}  // namespace
}  // namespace lessons::testing
