// Units 5 to 7: the graphs of y = ax². Their sub-menus are in place; a screen
// not built yet shows the sub-menu again.
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::PositiveAGraphUnit() {
  UnitSubMenu("①ひろげよう(表点)　②問3　③特徴　④終了", {MenuTarget{}, MenuTarget{}, MenuTarget{}});
}

void Palisteo::NegativeAGraphUnit() {
  UnitSubMenu("①P98ひろげよう　②特徴　③問4　④終了", {MenuTarget{}, MenuTarget{}, MenuTarget{}});
}

void Palisteo::GraphSummaryUnit() {
  UnitSubMenu("①放物線　②開き方　③説明しよう　④まとめ特徴　⑤終了",
              {MenuTarget{}, MenuTarget{}, MenuTarget{}, MenuTarget{}});
}

}  // namespace lessons
