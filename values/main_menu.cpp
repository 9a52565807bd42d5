// Quendral's main menu.
#include "framework/main_menu_page.h"
#include "values/quendral.h"

namespace lessons {

void Quendral::ValuesMainMenu() {
  constexpr int kEndItem = 6;
  while (true) {
    DrawMainMenuPage(*this, {
                                {44, 120, 13, "1　増減,変域"},
                                {44, 180, 15, "2　変化の割合"},
                                {44, 240, 13, "3　平均の速さ"},
                                {44, 300, 15, "4　関数の特徴まとめ"},
                                {44, 360, 13, "5　"},
                                {44, 420, 15, "6　終了"},
                            });
    const int item = AskMainMenuItem(*this, kEndItem);
    if (item == kEndItem) return;
    switch (item) {
      case 1: case 2: case 3: case 4:  // the units come with their lessons
      case 5:                          // the empty item
      default:                         // no item: the menu again
        break;
    }
  }
}

}  // namespace lessons
