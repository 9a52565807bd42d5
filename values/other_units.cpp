// Units 2 to 4: their goals and sub-menus. An item whose screen is not built
// yet shows the line again.
#include "values/quendral.h"

namespace lessons {

void Quendral::RateOfChangeUnit() {
  UnitGoalScreen({"1 変化の割合を求めよう。", "2 変化の割合を使って、直線の式を求めよう。"});
  UnitSubMenu("①1次　②2乗比　③変割合　④練習1　⑤問1,2　⑥直線求め　⑦終了",
              {[this] { LinearRateScreen(); }, [this] { SquareRateScreen(); },
               [this] { RateOfChangeScreen(); }, [this] { RateDrillScreen(); },
               [this] { RateAnswersScreen(); }, [this] { LineThroughPointsScreen(); }});
}

void Quendral::AverageSpeedUnit() {
  UnitGoalScreen({" 平均の速さを求めよう。"});
  UnitSubMenu("①定義　②例題　③問3　④終了",
              {[this] { AverageSpeedDefinitionScreen(); }, [this] { AverageSpeedExampleScreen(); },
               [this] { AverageSpeedAnswersScreen(); }});
}

void Quendral::FeatureSummaryUnit() {
  UnitGoalScreen({"関数y=ax^2とy=ax+b の特徴をまとめよう。"});
  UnitSubMenu("①形　②増減　③変化の割合　④終了",
              {[this] { ShapeSummaryScreen(); }, [this] { IncreaseSummaryScreen(); },
               [this] { RateSummaryScreen(); }});
}

}  // namespace lessons
