// The number entry: its key loop, what it draws and leaves, and the reading
// of the typed text.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

const std::string kClearWipe = "1056 640 1248 670 15 15 3";
const std::string kFinalWipe = "1008 640 1248 670 15 15 3";

std::string Echo(const std::vector<TextCall>& calls) {
  std::string s;
  for (const auto& c : calls)
    if (c.colour == 5) s += c.text;
  return s;
}

TEST(NumberEntry, LabelEchoDotAndWipes) {
  Bench b("6/4\\n");
  b.L.ReadNumberEntry();
  auto calls = TextCalls(b.Log());
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls[0].text + calls[1].text, "入力");
  EXPECT_EQ(calls[0].x, 1008);
  EXPECT_EQ(calls[0].y, 648);
  EXPECT_EQ(calls[0].colour, 0);
  EXPECT_EQ(Echo(calls), "６÷４");
  EXPECT_EQ(calls[2].x, 1056);
  EXPECT_EQ(calls[3].x, 1072);
  EXPECT_EQ(calls[4].x, 1088);
  EXPECT_EQ(calls[4].y, 648);
  // The first dot sits in the middle of the first cell.
  auto dots = b.Calls("DrawCircle\t");
  ASSERT_FALSE(dots.empty());
  auto f = Fields(dots[0]);  // DrawCircle x y r colour ...
  EXPECT_EQ(f[1] + " " + f[2] + " " + f[3] + " " + f[4], "1064 656 4 5");
  // The field is wiped last: label, echo and dot go.
  EXPECT_EQ(FilledBoxes(b.Log()).back(), kFinalWipe);
  EXPECT_EQ(b.L.DS2_s, "6/4");
  EXPECT_EQ(b.L.GGY_s, Chr(13));
  EXPECT_EQ(b.L.YMOTO, 5);
  EXPECT_EQ(b.L.DSM1, 1088);
  EXPECT_EQ(b.L.DSM2, 648);
  EXPECT_TRUE(b.L.KKAI_s.empty());
  b.L.ParseAnswer();
  EXPECT_EQ(b.L.AINP, 1.5f);
}

TEST(NumberEntry, EmptyEntry) {
  Bench b("\\n");
  b.L.AINP = 7;
  b.L.ReadNumberEntry();
  EXPECT_EQ(b.L.DS2_s, "");
  EXPECT_EQ(b.L.AINP, 7);  // the entry itself leaves AINP alone
  b.L.ParseAnswer();
  EXPECT_EQ(b.L.AINP, 0);
  EXPECT_EQ(b.L.YMOTO, 0);
  EXPECT_EQ(b.L.DSM1, 1056 - 16);
}

TEST(NumberEntry, ClearKeysEmptyTheField) {
  for (std::string clear : {"\\b", "\\f"}) {
    Bench b("123" + clear + "4\\n");
    b.L.ReadNumberEntry();
    EXPECT_EQ(b.L.DS2_s, "4") << clear;
    EXPECT_EQ(Count(FilledBoxes(b.Log()), kClearWipe), 1) << clear;
    auto calls = TextCalls(b.Log());
    EXPECT_EQ(calls.back().text, "４");
    EXPECT_EQ(calls.back().x, 1056);  // the pen went back to the anchor
    // The label is not drawn again.
    EXPECT_EQ(calls.size(), 2u + 4u);
  }
  // Echoed and cleared: the colour stays the echo's.
  Bench b("1\\b\\n");
  b.L.ReadNumberEntry();
  EXPECT_EQ(b.L.DS2_s, "");
  EXPECT_EQ(b.L.YMOTO, 5);
}

TEST(NumberEntry, TenthCharacterOnlyClears) {
  {
    Bench b("123456789\\n");
    b.L.ReadNumberEntry();
    EXPECT_EQ(b.L.DS2_s, "123456789");
  }
  {
    // Ten characters: Enter clears instead of ending; the entry goes on.
    Bench b("1234567890\\n7\\n");
    b.L.ReadNumberEntry();
    EXPECT_EQ(b.L.DS2_s, "7");
    EXPECT_EQ(b.host.KeysHanded(), 13);
    EXPECT_EQ(Count(FilledBoxes(b.Log()), kClearWipe), 1);
  }
  {
    // With ten characters a key that is otherwise ignored clears too.
    Bench b("1234567890a5\\n");
    b.L.ReadNumberEntry();
    EXPECT_EQ(b.L.DS2_s, "5");
  }
}

TEST(NumberEntry, OtherKeysAreIgnored) {
  Bench b("1 a+Z2\\n");
  b.L.ReadNumberEntry();
  EXPECT_EQ(b.L.DS2_s, "12");
  EXPECT_EQ(Echo(TextCalls(b.Log())), "１２");
  EXPECT_EQ(Count(FilledBoxes(b.Log()), kClearWipe), 0);
}

TEST(NumberEntry, ParseAnswer) {
  Bench b;
  const std::vector<std::pair<std::string, float>> cases = {
      {"", 0},     {"7", 7},         {"1.5", 1.5f}, {"-2.5", -2.5f}, {"3/4", 0.75f},
      {"6/4", 1.5f}, {"-6/-2", 3},   {"1/2/4", 0.5f}, {"/4", 0},      {"2.5.1", 2.5f},
      {"1-2", 1},  {"-", 0},         {"01", 1},     {"2/2", 1},      {"3/3", 1},
      // A zero denominator gives 0, not a fault.
      {"3/0", 0},  {"3/", 0},        {"/", 0},      {"0/0", 0},      {"-/.", 0}};
  for (const auto& [typed, value] : cases) {
    b.L.DS2_s = typed;
    b.L.AINP = 99;
    ASSERT_NO_THROW(b.L.ParseAnswer()) << typed;
    EXPECT_EQ(b.L.AINP, value) << typed;
    EXPECT_EQ(b.L.DS2_s, typed);
  }
}

}  // namespace
}  // namespace lessons::testing
