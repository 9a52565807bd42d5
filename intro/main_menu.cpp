// Palisteo's main menu: seven units, an empty item and the end item.
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::IntroMainMenu() {
  MainMenuLoop(
      {
          {44, 120, 13, "1　関数の振り返り"},
          {44, 180, 15, "2　斜面を転がるボール、落下"},
          {44, 240, 13, "3　比例定数、練習問題"},
          {44, 300, 15, "4　y=x^2のグラフ"},
          {44, 360, 13, "5　a>0のグラフ"},
          {44, 420, 15, "6　a<0のグラフ"},
          {44, 480, 13, "7　グラフのまとめ"},
          {44, 540, 15, "8　"},
          {660, 120, 13, " 9　 終了"},
      },
      {
          [this] { FunctionReviewUnit(); },
          [this] { RollingBallUnit(); },
          [this] { ProportionalConstantUnit(); },
          [this] { SquareGraphUnit(); },
          [this] { PositiveAGraphUnit(); },
          [this] { NegativeAGraphUnit(); },
          [this] { GraphSummaryUnit(); },
          MenuTarget{},  // item 8: the menu again
      });
}

}  // namespace lessons
