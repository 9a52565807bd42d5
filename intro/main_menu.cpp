// Palisteo's main menu.
#include "framework/main_menu_page.h"
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::IntroMainMenu() {
  constexpr int kEndItem = 9;
  while (true) {
    DrawMainMenuPage(*this, {
                                {44, 120, 13, "1　関数の振り返り"},
                                {44, 180, 15, "2　斜面を転がるボール、落下"},
                                {44, 240, 13, "3　比例定数、練習問題"},
                                {44, 300, 15, "4　y=x^2のグラフ"},
                                {44, 360, 13, "5　a>0のグラフ"},
                                {44, 420, 15, "6　a<0のグラフ"},
                                {44, 480, 13, "7　グラフのまとめ"},
                                {44, 540, 15, "8　"},
                                {660, 120, 13, " 9　 終了"},
                            });
    const int item = AskMainMenuItem(*this, kEndItem);
    if (item == kEndItem) return;
    switch (item) {
      case 1: case 2: case 3: case 4: case 5: case 6: case 7:  // the units come with their lessons
      case 8:                                                  // the empty item
      default:                                                 // no item: the menu again
        break;
    }
  }
}

}  // namespace lessons
