// Orvenna's main menu: five units, an empty item and the end item.
#include "applications/orvenna.h"

namespace lessons {

void Orvenna::ApplicationsMainMenu() {
  MainMenuLoop(
      {
          {44, 120, 13, "1　制動距離他"},
          {44, 180, 15, "2　レンタサイクルの料金"},
          {44, 240, 13, "3　P115 階段状の水そうのグラフ"},
          {44, 300, 15, "4　P116 学びをたしかめよう"},
          {44, 360, 13, "5　P118 学びを身につけよう"},
          {44, 420, 15, "6　"},
          {44, 480, 13, "7　終了"},
      },
      {
          [this] { BrakingDistanceUnit(); },
          [this] { RentalCycleUnit(); },
          [this] { StairTankUnit(); },
          [this] { CheckUnderstandingUnit(); },
          [this] { MasteryUnit(); },
          MenuTarget{},  // item 6: the menu again
      });
}

}  // namespace lessons
