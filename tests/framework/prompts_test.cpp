// The menu and step prompts: where they draw, what they wipe, what they leave.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

const std::string kPromptBandWipe3 = "0 657 992 720 15 15 3";

TEST(Prompts, MenuNumberAndItsErasure) {
  Bench b("12/2\\n");
  b.L.AskMenuNumber();
  auto calls = TextCalls(b.Log());
  ASSERT_GE(calls.size(), 11u);
  EXPECT_EQ(Where(calls[0]), "番 816 648 0");
  EXPECT_EQ(calls[10].text, "。");
  EXPECT_EQ(calls[10].x, 976);
  EXPECT_EQ(calls[11].text, "入");  // the entry's label right after
  EXPECT_EQ(calls[11].x, 1008);
  EXPECT_EQ(b.L.AINP, 6);
  EXPECT_EQ(b.L.DS2_s, "12/2");
  b.ClearLog();
  b.L.EraseMenuPrompt();
  EXPECT_EQ(FilledBoxes(b.Log()), std::vector<std::string>{"816 640 1872 690 15 15 3"});
}

TEST(Prompts, SubMenuLineStaysUntilErased) {
  Bench b("2\\n");
  b.L.KKAI_s = " ①表式,変化の様子　②グラフ　③終了";
  b.L.AskSubMenuChoice();
  auto calls = TextCalls(b.Log());
  EXPECT_EQ(Where(calls[0]), "① 32 666 0");
  EXPECT_TRUE(b.L.KKAI_s.empty());
  EXPECT_EQ(b.L.AINP, 2);
  // Only the entry field was wiped, right of the band.
  for (const auto& box : FilledBoxes(b.Log())) EXPECT_EQ(box, "1008 640 1248 670 15 15 3");
  b.ClearLog();
  b.L.EraseSubMenuLine();
  EXPECT_EQ(FilledBoxes(b.Log()), std::vector<std::string>{kPromptBandWipe3});
}

TEST(Prompts, InstructionBoxWaitsForAnyKey) {
  Bench b("\\b");
  b.L.YMOTO = 7;
  b.rt.SetDrawWidth(0, 5);
  b.ClearLog();
  b.L.KKAI_s = "";  // the box alone
  b.L.ShowPromptWaitKey();
  EXPECT_EQ(b.L.GGY_s, Chr(8));
  EXPECT_TRUE(TextCalls(b.Log()).empty());
  EXPECT_EQ(FilledBoxes(b.Log()),
            (std::vector<std::string>{"16 657 496 693 13 4 3", kPromptBandWipe3}));
  EXPECT_EQ(b.L.YMOTO, 7);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 5);

  Bench c("1");
  c.L.KKAI_s = "1で次へ:他のキーで動く";
  c.L.ShowPromptWaitKey();
  auto calls = TextCalls(c.Log());
  EXPECT_EQ(Where(calls[0]), "１ 48 666 9");
  EXPECT_EQ(c.L.GGY_s, "1");
}

TEST(Prompts, NextStep) {
  Bench b("2/2\\n");
  b.rt.SetDrawWidth(0, 6);
  b.L.YMOTO = 3;
  b.ClearLog();
  b.L.AskNextStep();
  EXPECT_EQ(b.L.AINP, 1);
  EXPECT_EQ(b.L.DS2_s, "2/2");
  EXPECT_EQ(b.rt.GetDrawWidth(0), 6);
  EXPECT_EQ(b.L.YMOTO, 5);  // left as the entry leaves it
  auto calls = TextCalls(b.Log());
  EXPECT_EQ(Where(calls[0]), "次 128 648 9");
  EXPECT_EQ(FilledBoxes(b.Log()),
            (std::vector<std::string>{"96 639 400 675 13 12 2", "1008 640 1248 670 15 15 2",
                                      "1008 639 1168 666 15 15 2", "96 639 400 675 15 15 2"}));

  Bench c("\\n");
  c.L.AskNextStep();
  EXPECT_EQ(c.L.YMOTO, 0);
  EXPECT_EQ(c.L.AINP, 0);
}

// Only an entry that is exactly 1 ends a drill; anything else, a zero
// denominator included, gives another turn.
TEST(Prompts, RandomDrillEndsOnlyOnExactlyOne) {
  Bench b("0\\n2\\n1.5\\n3/0\\n/\\n4/2\\n2/2\\n");
  int turns = 0;
  b.L.RandomDrill([&] {
    EXPECT_NE(b.L.AINP, 1);
    ++turns;
  });
  EXPECT_EQ(turns, 7);
  EXPECT_EQ(b.L.AINP, 1);

  Bench c("1\\n");
  turns = 0;
  c.L.AINP = 1;  // a value left by an earlier screen does not skip the first turn
  c.L.RandomDrill([&] { ++turns; });
  EXPECT_EQ(turns, 1);
}

}  // namespace
}  // namespace lessons::testing

namespace lessons::testing {
namespace {

// Pages of the prompt boxes, written before each key, to look at.
TEST(Prompts, PagesOfTheBoxes) {
  HeadlessOptions o;
  o.keys = HeadlessHost::ParseKeyScript("x1xx1\\n");
  o.pngDir = TestOutDir("prompts");
  HeadlessHost host(o);
  Runtime rt(host);
  TestLesson L(rt);
  L.InitProgram();
  L.WaitAnyKey();
  L.KKAI_s = "1で次へ:他のキーで動く";
  L.ShowPromptWaitKey();
  L.AskNextStep();
  EXPECT_EQ(L.AINP, 1);
  EXPECT_EQ(host.PngCount(), 6);
}

}  // namespace
}  // namespace lessons::testing
