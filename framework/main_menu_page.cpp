#include "framework/main_menu_page.h"

#include "framework/fill_box.h"
#include "framework/plain_text.h"

namespace lessons {

int AskMainMenuItem(Lesson& L, int lastItem) {
  L.AskMenuNumber();
  L.EraseMenuPrompt();
  if (L.AINP == static_cast<Num>(lastItem)) return lastItem;
  if (L.AINP < 1 || L.AINP > static_cast<Num>(lastItem)) return 0;
  WipeSized(L.rt, 0, 0, 1760, 1800);  // the whole window
  // The range test is made on the entry's value, the choice on the typed
  // number (the part before a "/"); a typed number that is no item (12/2,
  // 8.6 with nine items) shows the menu again.
  const Num typed = Val(L.DS2_s);
  if (typed < 0 || typed > static_cast<Num>(lastItem)) return 0;
  const int item = CInt(typed);
  return item >= 1 && item < lastItem ? item : 0;
}

}  // namespace lessons
