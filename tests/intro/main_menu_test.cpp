// Palisteo's main menu and the sub-menus of its units, driven by key scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

int CountSteps(const Steps& s, const std::string& text) {
  int n = 0;
  for (int k = 0; k < s.size(); ++k)
    n += s.Has(k, text);
  return n;
}

TEST(PalisteoMainMenu, PictureHeadingItemsAndPrompt) {
  Replay r = RunPalisteo("9\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  EXPECT_EQ(r.keysHanded, 2);
  Steps s(r.log);
  EXPECT_EQ(s.MenuDraws(0, 0), 1);
  EXPECT_TRUE(s.WipeFrom(0, 0, 0));
  ExpectGlyphs(s, {{0, 264, 30, 15, "＜"}});
  for (const char* item : {"＜Ｐａｌｉｓｔｅｏ　メニュー＞", "1　関数の振り返り", "2　斜面を転がるボール、落下",
                           "3　比例定数、練習問題", "4　y=x^2のグラフ", "5　a>0のグラフ",
                           "6　a<0のグラフ", "7　グラフのまとめ", "8　", " 9　 終了",
                           "番号を入力して下さい。"})
    EXPECT_NE(s.Text(0).find(Canon(item)), std::string::npos) << item;
  // Odd items in colour 13, even ones in 15; item 9 heads the second column.
  ExpectGlyphs(s, {{0, 44, 120, 13, "1"}, {0, 44, 180, 15, "2"}, {0, 44, 480, 13, "7"},
                   {0, 44, 540, 15, "8"}, {0, 687, 120, 13, "9"}});
}

TEST(PalisteoMainMenu, NumbersThatNameNoUnitDrawTheMenuAgain) {
  // 8 is the empty item; 0, -1, 10 and an empty entry are out of range;
  // 12/2, 10/5 and 8.6 pass the range test by their value but their typed
  // number names no unit; 5/0 has the value 0.
  const std::vector<std::string> entries = {"8", "0", "-1", "10", "", "12/2", "10/5", "8.6", "5/0"};
  std::string keys;
  for (const auto& e : entries) keys += e + "\n";
  Replay r = RunPalisteo(keys + "9\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_EQ(s.MenuDraws(0, s.size() - 1), static_cast<int>(entries.size()) + 1);
  EXPECT_EQ(s.Find("<めあて>"), -1);
  EXPECT_EQ(s.Find("①"), -1) << "no sub-menu line was asked";
  // 18/2 has the value 9: the program ends.
  EXPECT_EQ(RunPalisteo("18/2\n").result.end, RunEnd::kFinished);
}

TEST(PalisteoMainMenu, EachUnitAsksItsLineAndItsLastItemReturns) {
  struct Unit {
    std::string key, line, last;
    bool goal;
  };
  const std::vector<Unit> units = {
      {"1", "①表式,変化の様子　②グラフ　③終了", "3", true},
      {"3", "①ひろげ　②問２　③例題１　④問３　⑤練習問題１　⑥２　⑦３　⑧終了", "8", true},
      {"4", "①復習　②P95　③原点付近　④特徴　⑤終了", "5", true},
      {"5", "①ひろげよう(表点)　②問3　③特徴　④終了", "4", true},
      {"6", "①P98ひろげよう　②特徴　③問4　④終了", "4", true},
      {"7", "①放物線　②開き方　③説明しよう　④まとめ特徴　⑤終了", "5", true},
  };
  for (const Unit& u : units) {
    SCOPED_TRACE("unit " + u.key);
    // Out-of-range choices ask the line again; the last item returns.
    Replay r = RunPalisteo(u.key + "\n0\n9\n-2\n" + u.last + "\n9\n");
    EXPECT_EQ(r.result.end, RunEnd::kFinished);
    Steps s(r.log);
    EXPECT_TRUE(s.WipeFrom(2, 0, 0)) << "the menu wipes the window before the unit";
    EXPECT_EQ(CountSteps(s, u.line), 4);
    EXPECT_EQ(s.Find(u.line), 2);
    EXPECT_EQ(s.Find("<めあて>") == 2, u.goal);
    EXPECT_EQ(CountSteps(s, "<めあて>"), u.goal ? 1 : 0);
    EXPECT_EQ(s.MenuDraws(0, s.size() - 1), 2);
  }
}

TEST(PalisteoMainMenu, DispatchReadsTheTypedNumber) {
  // 6/2 has the value 3 but the typed number 6: unit 6. 1.4 is unit 1.
  Replay r = RunPalisteo("6/2\n4\n1.4\n3\n9\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_EQ(s.Find("①P98ひろげよう"), 4);
  EXPECT_EQ(s.Find("①表式,変化の様子"), 10);
}

TEST(PalisteoMainMenu, NumbersOutOfRangeAskTheLineAgain) {
  // Unit 3's numbers out of range ask the line again.
  Replay r = RunPalisteo("3\n0\n9\n9\n9\n9\n9\n8\n9\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_EQ(CountSteps(s, "⑤練習問題１　⑥２　⑦３　⑧終了"), 7);
  EXPECT_EQ(CountSteps(s, "<めあて>"), 1);
  EXPECT_EQ(s.MenuDraws(0, s.size() - 1), 2);
}

TEST(PalisteoMainMenu, RoundTripsLeaveTheStackAsItWas) {
  // A thousand visits: every unit's menu, its out-of-range and empty items,
  // the main menu's empty item, and now and then a screen.
  const std::vector<std::string> trips = {"1\n0\n3\n", "3\n2\nxxx8\n", "4\n1\n 1\n 1\n5\n", "5\n4\n",
                                          "6\n4\n",    "7\n5\n",    "8\n",       "12/2\n"};
  std::string keys;
  int visits = 0;
  for (int i = 0; visits < 1000; ++i, ++visits) {
    keys += trips[static_cast<size_t>(i) % trips.size()];
    if (i % 250 == 0) keys += "1\n1\n" + std::string(24, ' ') + "3\n";  // the tables screen
  }
  ExpectStackStaysLevel(KeyScript(keys + "9\n"));
}

}  // namespace
}  // namespace lessons::testing
