// The units of Orvenna: their goal screens and sub-menu lines. Items whose
// screens come later show the line again.
#include "applications/orvenna.h"

namespace lessons {

void Orvenna::BrakingDistanceUnit() {
  UnitGoalScreen({"身の回りの問題を、", "関数y=ax^2 を利用して解決しよう。"});
  UnitSubMenu(" ①P110　②P111　③説明しよう　④ふりこ問３　⑤問４　⑥ひろげよう　⑦問５　⑧終了",
              {
                  [this] { BrakingAnimationScreen(); },
                  [this] { BrakingTableScreen(); },
                  [this] { BrakingExplanationScreen(); },
                  [this] { PendulumScreen(); },
                  [this] { PendulumAnswersScreen(); },
                  [this] { MovingTrianglesScreen(); },
                  [this] { OverlapAreaAnswersScreen(); },
              });
}

void Orvenna::RentalCycleUnit() {
  UnitGoalScreen({"レンタサイクルの問題をグラフで解決しよう。"});
  UnitSubMenu("①レンタサイクルの料金　②終了", {[this] { RentalFeeScreen(); }});
}

void Orvenna::StairTankUnit() {
  StairTankGoalScreen();
  UnitSubMenu("①P115 階段状の水槽　②終了", {[this] { StairTankScreen(); }});
}

// Unlike the other goal screens this one wipes first, and its aim lines
// stand under "<めあて>" without an indent.
void Orvenna::StairTankGoalScreen() {
  WipeScreen(1760, 1800);
  B1 = 44;
  B2 = 240;
  TextAt(B1, B2, 3, "<めあて>");
  NewLine(0, 65, 0, "底が階段状になっている水そうに、");
  NewLine(0, 50, 0, "一定の割合で水を入れるときのグラフをかこう。");
}

void Orvenna::CheckUnderstandingUnit() {
  UnitSubMenu("P116 学びをたしかめよう　①1,2　②３　③４　④５　⑤６　⑥７　⑦終了",
              {
                  [this] { CheckAnswers12Screen(); },
                  [this] { CheckAnswer3Screen(); },
                  [this] { CheckAnswer4Screen(); },
                  [this] { CheckAnswer5Screen(); },
                  [this] { CheckAnswer6Screen(); },
                  [this] { CheckAnswer7Screen(); },
              });
}

void Orvenna::MasteryUnit() {
  UnitSubMenu("P118 学びを身につけよう　①～⑧解答　　⑨終了",
              {
                  [this] { MasteryAnswer1Screen(); },
                  [this] { MasteryAnswer2Screen(); },
                  [this] { MasteryAnswer3Screen(); },
                  [this] { MasteryAnswer4Screen(); },
                  [this] { MasteryStepGraphScreen(); },
                  [this] { MasteryRateScreen(); },
                  [this] { MasteryTriangleScreen(); },
                  [this] { MasteryCarScreen(); },
              });
}

void Orvenna::ExerciseAnswersScreen(const std::string& title, const std::string& number, Num left,
                                    Num indent, Num top, int pen, Num wipeWidth) {
  WipeScreen(wipeWidth, 1800);
  A1 = left;
  B1 = left + indent;
  B2 = top;
  rt.SetDrawWidth(0, pen);
  // The heading box, then the question number's box 30 to its right.
  TextBox({.x = A1, .y = B2, .width = 360, .height = 48, .border = 3, .fill = 13, .text = title});
  TextBox({.x = DSM1 + 30, .y = B2, .width = 48, .height = 48, .border = 4, .fill = 3,
           .textColour = 13, .text = number});
  YI1 = DSM1;
}

}  // namespace lessons
