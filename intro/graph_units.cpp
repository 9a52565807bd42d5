// Units 5 to 7: the graphs of y = ax² for a > 0 and a < 0, and their summary.
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::PositiveAGraphUnit() {
  PositiveAGoalScreen();
  UnitSubMenu("①ひろげよう(表点)　②問3　③特徴　④終了",
              {[this] { DoubledGraphScreen(); }, [this] { PositiveAAnswersScreen(); },
               [this] { PositiveAFeaturesScreen(); }});
}

void Palisteo::NegativeAGraphUnit() {
  NegativeAGoalScreen();
  UnitSubMenu("①P98ひろげよう　②特徴　③問4　④終了",
              {[this] { MirroredGraphScreen(); }, [this] { NegativeAFeaturesScreen(); },
               [this] { NegativeAAnswersScreen(); }});
}

void Palisteo::GraphSummaryUnit() {
  GraphSummaryGoalScreen();
  UnitSubMenu("①放物線　②開き方　③説明しよう　④まとめ特徴　⑤終了",
              {[this] { ParabolaTermsScreen(); }, [this] { OpeningWidthScreen(); },
               [this] { IdentifyGraphsScreen(); }, [this] { SummaryFeaturesScreen(); }});
}

void Palisteo::PositiveAGoalScreen() {
  UnitGoalScreen({"①y=x^2とy=2x^2のグラフの関係を調べよう。", "②a>0の場合のグラフをかこう。"});
}

void Palisteo::NegativeAGoalScreen() {
  UnitGoalScreen({"①y=2x^2とy=-2x^2のグラフの関係を調べよう。", "②a<0の場合のグラフをかこう。"});
}

void Palisteo::GraphSummaryGoalScreen() {
  UnitGoalScreen({"y=ax^2のグラフの特徴をまとめよう。"});
}

}  // namespace lessons
