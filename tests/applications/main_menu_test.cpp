// Orvenna's main menu and the sub-menus of its units, driven by key scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/bench.h"
#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

Replay RunOrvenna(std::string_view keys) { return RunReplay("orvenna", KeyScript(keys)); }

TEST(OrvennaMainMenu, ItemsAndTheEntriesThatDrawTheMenuAgain) {
  // 6 is the empty item; 0, 8 and an empty entry are out of range; 12/2 and
  // 6.6 pass the range test by their value but name no item.
  const std::vector<std::string> entries = {"6", "0", "8", "", "12/2", "6.6", "1/2"};
  std::string keys;
  for (const auto& e : entries) keys += e + "\n";
  Replay r = RunOrvenna(keys + "7\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  for (const char* item : {"＜Ｏｒｖｅｎｎａ　メニュー＞", "1　制動距離他", "2　レンタサイクルの料金",
                           "3　P115 階段状の水そうのグラフ", "4　P116 学びをたしかめよう",
                           "5　P118 学びを身につけよう", "6　", "7　終了"})
    EXPECT_NE(s.Text(0).find(Canon(item)), std::string::npos) << item;
  ExpectGlyphs(s, {{0, 44, 120, 13, "1"}, {0, 44, 180, 15, "2"}, {0, 44, 480, 13, "7"}});
  EXPECT_EQ(s.MenuDraws(0, s.size() - 1), static_cast<int>(entries.size()) + 1);
  EXPECT_EQ(s.Find("<めあて>"), -1);
  // 14/2 has the value 7: the program ends.
  Replay end = RunOrvenna("14/2\n");
  EXPECT_EQ(end.result.end, RunEnd::kFinished);
  EXPECT_EQ(Steps(end.log).MenuDraws(0, 10), 1);
}

TEST(OrvennaMainMenu, EachUnitAsksItsLineUntilItsLastItem) {
  struct Unit {
    std::string key, line, last, goal;
  };
  const std::vector<Unit> units = {
      {"1", " ①P110　②P111　③説明しよう　④ふりこ問３　⑤問４　⑥ひろげよう　⑦問５　⑧終了", "8",
       "関数y=ax^2 を利用して解決しよう。"},
      {"2", "①レンタサイクルの料金　②終了", "2", "レンタサイクルの問題をグラフで解決しよう。"},
      {"3", "①P115 階段状の水槽　②終了", "2", "一定の割合で水を入れるときのグラフをかこう。"},
      {"4", "P116 学びをたしかめよう　①1,2　②３　③４　④５　⑤６　⑥７　⑦終了", "7", ""},
      {"5", "P118 学びを身につけよう　①～⑧解答　　⑨終了", "9", ""},
  };
  for (const Unit& u : units) {
    SCOPED_TRACE(u.key);
    // Out of range twice (0 and one past the end), then the last item; the
    // unit again shows its goal again.
    const std::string past = std::to_string(std::stoi(u.last) + 1);
    Replay r = RunOrvenna(u.key + "\n0\n" + past + "\n" + u.last + "\n" + u.key + "\n" + u.last + "\n7\n");
    EXPECT_EQ(r.result.end, RunEnd::kFinished);
    Steps s(r.log);
    const int first = 1 + static_cast<int>(u.key.size());  // after the menu's Enter
    EXPECT_TRUE(s.Has(first, u.line));
    EXPECT_EQ(s.Has(first, "<めあて>"), !u.goal.empty());
    if (!u.goal.empty()) { EXPECT_TRUE(s.Has(first, u.goal)); }
    int goals = 0, menus = s.MenuDraws(0, s.size() - 1);
    for (int k = 0; k < s.size(); ++k) goals += s.Has(k, "<めあて>");
    EXPECT_EQ(goals, u.goal.empty() ? 0 : 2);
    EXPECT_EQ(menus, 3);
  }
}

TEST(OrvennaMainMenu, StairTankGoalWipesAndDoesNotIndent) {
  Steps s(RunOrvenna("3\n2\n7\n").log);
  EXPECT_TRUE(s.WipeFrom(2, 0, 0));
  ExpectGlyphs(s, {{2, 44, 240, 3, "<"}, {2, 44, 305, 0, "底"}, {2, 44, 355, 0, "一"}});
}

}  // namespace
}  // namespace lessons::testing
