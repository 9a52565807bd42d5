// Unit 1: increase and decrease of y, domain and range. Its goal and its
// sub-menu of eight screens.
#include "values/quendral.h"

namespace lessons {

void Quendral::IncreaseAndRangeGoalScreen() {
  UnitGoalScreen({"1 y=ax^2でのyの増減を調べよう。", "2 xの変域からyの変域を求めよう。"});
}

void Quendral::IncreaseAndRangeUnit() {
  IncreaseAndRangeGoalScreen();
  UnitSubMenu("①～④増減　⑤練習1　⑥変域グラフ　⑦練習２　⑧問1,2　⑨終了",
              {
                  [this] { LinearIncreaseScreen(); },
                  [this] { LinearDecreaseScreen(); },
                  [this] { ParabolaUpScreen(); },
                  [this] { ParabolaDownScreen(); },
                  [this] { RangeDrill1Screen(); },
                  [this] { RangeGraphScreen(); },
                  [this] { RangeDrill2Screen(); },
                  [this] { RangeAnswersScreen(); },
              });
}

}  // namespace lessons
