// The main menus of the three programs: end item, range test and dispatch.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

// How many times the menu panel was drawn.
int Showings(const Replay& r) { return Count(FilledBoxes(r.log), "22 10 1342 610 15 10 3"); }

struct MenuCase {
  const char* program;
  int endItem;
  const char* emptyItem;
};

const MenuCase kMenus[] = {{"palisteo", 9, "8"}, {"quendral", 6, "5"}, {"orvenna", 7, "6"}};

TEST(MainMenus, EndItemEndsTheProgram) {
  for (const auto& m : kMenus) {
    Replay r = RunReplay(m.program, std::to_string(m.endItem) + "\\n");
    EXPECT_EQ(r.result.end, RunEnd::kFinished) << m.program;
    EXPECT_EQ(Showings(r), 1) << m.program;
    EXPECT_EQ(r.log.back(), "End\tfinished");
    // Wipes first: the lesson area, then the whole window.
    auto boxes = FilledBoxes(r.log);
    ASSERT_GE(boxes.size(), 3u);
    EXPECT_EQ(boxes[0], "0 54 1440 900 15 15 3");
    EXPECT_EQ(boxes[1], "0 0 1760 1800 15 15 3");
    // Heading at (264, 30) in colour 15, the prompt at (816, 648).
    auto calls = TextCalls(r.log);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(Where(calls[0]), "＜ 264 30 15");
    std::string heading;
    for (const auto& c : calls)
      if (c.y == 30) heading += c.text;
    EXPECT_NE(heading.find("メニュー＞"), std::string::npos) << heading;
    int prompts = 0;
    for (const auto& c : calls) prompts += c.text == "番" && c.x == 816 && c.y == 648;
    EXPECT_GE(prompts, 1);
  }
}

TEST(MainMenus, OutOfRangeAndEmptyItemShowTheMenuAgain) {
  for (const auto& m : kMenus) {
    const std::string end = std::to_string(m.endItem);
    const std::string beyond = std::to_string(m.endItem + 1);
    Replay r = RunReplay(m.program, "0\\n-1\\n\\n" + beyond + "\\n" + m.emptyItem + "\\n" + end + "\\n");
    EXPECT_EQ(r.result.end, RunEnd::kFinished) << m.program;
    EXPECT_EQ(Showings(r), 6) << m.program;
  }
}

TEST(MainMenus, TypedNumberThatIsNoItemShowsTheMenuAgain) {
  // In range by value, but the typed number (before "/") is no item, or
  // rounds to the end item: the menu again, never a unit.
  Replay r = RunReplay("palisteo", "12/2\\n10/5\\n8.6\\n9\\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  EXPECT_EQ(Showings(r), 4);
  // Zero denominators are 0: the menu again.
  r = RunReplay("quendral", "3/0\\n3/\\n/\\n0/0\\n6\\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  EXPECT_EQ(Showings(r), 5);
  // The range test is made on the value: 18/2 is 9, the end item.
  r = RunReplay("palisteo", "18/2\\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  EXPECT_EQ(Showings(r), 1);
}

TEST(MainMenus, ClosingTheWindowWhileAsking) {
  Replay r = RunReplay("orvenna", "12");
  EXPECT_EQ(r.result.end, RunEnd::kClosed);
  EXPECT_EQ(r.log.back(), "End\tclosed");
}

}  // namespace
}  // namespace lessons::testing
