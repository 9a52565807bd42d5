// Unit 1: review of proportion, inverse proportion and the linear function;
// its graphs screen.
#include "intro/palisteo.h"

namespace lessons {

namespace {
// The graphs for a < 0, drawn on the review plane at the features.
const GraphSetup kFalling{.form = GraphForm::kLine, .a = -3, .colour = 7, .label = "y=-3x",
                          .dx = -88};
const GraphSetup kFallingHyperbola{.form = GraphForm::kReciprocal, .a = -6, .colour = 3,
                                   .label = "y=-ﾀ6/xﾀ", .dx = -88, .dy = 30};
}  // namespace

void Palisteo::FunctionReviewUnit() {
  UnitGoalScreen({"比例、反比例、1次関数の復習をしよう。"});
  UnitSubMenu(" ①表式,変化の様子　②グラフ　③終了",
              {[this] { ReviewTablesScreen(); }, [this] { ReviewGraphsScreen(); }});
}

void Palisteo::ReviewGraphsScreen() {
  WipeScreen(1760, 1800);
  B1 = 44;
  B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(B1, B2, 7, "課2 ");
  Continue(0, "①y=2x ②y=ﾀ6/xﾀ ③y=x+1");
  DrawReviewGraphs();

  NewLine(0, 80, 0, "(1)①～③の関数のグラフは？");
  NewLine(44, 50, 0, " ①");
  WaitAnyKey();
  Continue(3, "ウ ");
  Continue(0, " ②");
  WaitAnyKey();
  Continue(3, "ア");
  Continue(0, "  ③");
  WaitAnyKey();
  Continue(3, "イ ");
  WaitAnyKey();

  NewLine(0, 70, 0, "(2)グラフの特徴は？");
  NewLine(44, 50, 0, "①");
  WaitAnyKey();
  Continue(3, "原点を通る直線");
  NewLine(88, 50, 0, "a>0のとき右上がり");
  WaitAnyKey();
  NewLine(88, 50, 0, "a<0のとき右下がり");
  Graph(kFalling);
  NewLine(44, 50, 0, "②");
  WaitAnyKey();
  Continue(3, "双曲線 ");
  Continue(0, "a<0のときは図の位置");
  Graph(kFallingHyperbola);
  NewLine(44, 60, 0, "③");
  WaitAnyKey();
  Continue(3, "傾き１，切片１の直線");
  NewLine(88, 50, 0, "上がり下がりは比例と同じ");
}

void Palisteo::DrawReviewGraphs() {
  const GraphSetup hyperbola{.form = GraphForm::kReciprocal, .a = 6, .colour = 3, .label = "ア",
                             .dy = -40};
  const GraphSetup line{.form = GraphForm::kLine, .a = 1, .b = 1, .label = "イ"};
  const GraphSetup proportion{.form = GraphForm::kLine, .a = 2, .colour = 7, .label = "ウ",
                              .dy = -30};
  // The plane's letters keep clear of the graphs drawn later on it too.
  Plane({.left = 800, .top = 100, .xFrom = -6, .xTo = 6, .yFrom = -6, .yTo = 6, .grid = false,
         .curves = {hyperbola, line, proportion, kFalling, kFallingHyperbola}});
  Graph(hyperbola);
  Graph(line);
  Graph(proportion);
}

}  // namespace lessons
