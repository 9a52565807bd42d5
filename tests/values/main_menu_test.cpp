// Quendral's main menu and the goals and sub-menus of its four units.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

Replay RunQuendral(const std::string& keys) { return RunReplay("quendral", KeyScript(keys)); }

int CountSteps(const Steps& s, const std::string& text) {
  int n = 0;
  for (int k = 0; k < s.size(); ++k) n += s.Has(k, text);
  return n;
}

TEST(QuendralMainMenu, ItemsAndEnd) {
  Replay r = RunQuendral("6\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  for (const char* item : {"＜Ｑｕｅｎｄｒａｌ　メニュー＞", "1　増減,変域", "2　変化の割合", "3　平均の速さ",
                           "4　関数の特徴まとめ", "6　終了", "番号を入力して下さい。"})
    EXPECT_NE(s.Text(0).find(Canon(item)), std::string::npos) << item;
  ExpectGlyphs(s, {{0, 44, 120, 13, "1"}, {0, 44, 180, 15, "2"}, {0, 44, 360, 13, "5"},
                   {0, 44, 420, 15, "6"}});
  // 12/2 has the value 6.
  EXPECT_EQ(RunQuendral("12/2\n").result.end, RunEnd::kFinished);
}

TEST(QuendralMainMenu, EntriesThatNameNoUnitDrawTheMenuAgain) {
  // 5 is the empty item; 10/5, -1/-1 and 5.6 pass the range test by their
  // value but their typed number names no unit.
  const std::vector<std::string> entries = {"5", "0", "7", "-1", "", "1/2", "10/5", "-1/-1", "5.6"};
  std::string keys;
  for (const auto& e : entries) keys += e + "\n";
  Replay r = RunQuendral(keys + "6\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_EQ(s.MenuDraws(0, s.size() - 1), static_cast<int>(entries.size()) + 1);
  EXPECT_EQ(s.Find("<めあて>"), -1);
}

TEST(QuendralMainMenu, EachUnitShowsItsGoalOnceAndItsLastItemReturns) {
  struct Unit {
    std::string key, aim, line, last;
  };
  const std::vector<Unit> units = {
      {"1", "2 xの変域からyの変域を求めよう。", "①～④増減　⑤練習1　⑥変域グラフ　⑦練習２　⑧問1,2　⑨終了", "9"},
      {"2", "2 変化の割合を使って、直線の式を求めよう。",
       "①1次　②2乗比　③変割合　④練習1　⑤問1,2　⑥直線求め　⑦終了", "7"},
      {"3", "平均の速さを求めよう。", "①定義　②例題　③問3　④終了", "4"},
      {"4", "関数y=ax^2とy=ax+b の特徴をまとめよう。", "①形　②増減　③変化の割合　④終了", "4"},
      // A quotient is dispatched by its typed number: 4/2 opens unit 4.
      {"4/2", "関数y=ax^2とy=ax+b の特徴をまとめよう。", "①形　②増減　③変化の割合　④終了", "4"},
  };
  for (const Unit& u : units) {
    SCOPED_TRACE("unit " + u.key);
    // 0, 10 and -1 ask the line again.
    Replay r = RunQuendral(u.key + "\n0\n10\n-1\n" + u.last + "\n" + u.key + "\n" + u.last + "\n6\n");
    EXPECT_EQ(r.result.end, RunEnd::kFinished);
    Steps s(r.log);
    const int entered = static_cast<int>(u.key.size()) + 1;  // the step after Enter
    EXPECT_TRUE(s.WipeFrom(entered, 0, 0));
    EXPECT_EQ(s.Find(u.line), entered);
    EXPECT_EQ(s.Find("<めあて>"), entered);
    EXPECT_TRUE(s.Has(entered, u.aim));
    EXPECT_TRUE(s.GlyphAt(entered, 44, 240, 3, "<"));
    EXPECT_EQ(CountSteps(s, u.line), 5);
    // Entered twice from the menu: the goal twice, never on a repeated line.
    EXPECT_EQ(CountSteps(s, "<めあて>"), 2);
    EXPECT_EQ(s.MenuDraws(0, s.size() - 1), 3);
  }
}

}  // namespace
}  // namespace lessons::testing
