// Orvenna's main menu.
#include "applications/orvenna.h"
#include "framework/main_menu_page.h"

namespace lessons {

void Orvenna::ApplicationsMainMenu() {
  constexpr int kEndItem = 7;
  while (true) {
    DrawMainMenuPage(*this, {
                                {44, 120, 13, "1　制動距離他"},
                                {44, 180, 15, "2　レンタサイクルの料金"},
                                {44, 240, 13, "3　P115 階段状の水そうのグラフ"},
                                {44, 300, 15, "4　P116 学びをたしかめよう"},
                                {44, 360, 13, "5　P118 学びを身につけよう"},
                                {44, 420, 15, "6　"},
                                {44, 480, 13, "7　終了"},
                            });
    const int item = AskMainMenuItem(*this, kEndItem);
    if (item == kEndItem) return;
    switch (item) {
      case 1: case 2: case 3: case 4: case 5:  // the units come with their lessons
      case 6:                                  // the empty item
      default:                                 // no item: the menu again
        break;
    }
  }
}

}  // namespace lessons
