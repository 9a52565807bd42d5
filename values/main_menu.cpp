// Quendral's main menu: four units, the empty item 5 (the menu again) and the
// end item.
#include "values/quendral.h"

namespace lessons {

void Quendral::ValuesMainMenu() {
  MainMenuLoop(
      {
          {44, 120, 13, "1　増減,変域"},
          {44, 180, 15, "2　変化の割合"},
          {44, 240, 13, "3　平均の速さ"},
          {44, 300, 15, "4　関数の特徴まとめ"},
          {44, 360, 13, "5　"},
          {44, 420, 15, "6　終了"},
      },
      {[this] { IncreaseAndRangeUnit(); }, [this] { RateOfChangeUnit(); },
       [this] { AverageSpeedUnit(); }, [this] { FeatureSummaryUnit(); }, MenuTarget{}});
}

}  // namespace lessons
