// Unit 1: review of proportion, inverse proportion and the linear function;
// its graphs screen.
#include "intro/palisteo.h"

namespace lessons {

namespace {

// One graph on the plane DrawReviewGraphs left: y = AA/x (form 1) or
// y = AA·x + ZX1 (form 3), labelled and moved by the label offsets.
void ReviewGraph(Palisteo& L, const std::string& label, Num form, Num a, Num b, int colour,
                 Num dx, Num dy) {
  L.ZY0_s = label;
  L.MUKI = form;
  L.AA = a;
  L.ZX1 = b;
  L.TKAI2 = static_cast<Num>(colour);
  L.JYOU = dx;
  L.LABELDY = dy;
  L.DrawFunctionGraph();
}

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
  ReviewGraph(*this, "y=-3x", 3, -3, 0, 7, -88, 0);
  NewLine(44, 50, 0, "②");
  WaitAnyKey();
  Continue(3, "双曲線 ");
  Continue(0, "a<0のときは図の位置");
  ReviewGraph(*this, "y=-ﾀ6/xﾀ", 1, -6, 0, 3, -88, 30);
  NewLine(44, 60, 0, "③");
  WaitAnyKey();
  Continue(3, "傾き１，切片１の直線");
  NewLine(88, 50, 0, "上がり下がりは比例と同じ");
}

void Palisteo::DrawReviewGraphs() {
  A41 = 800;
  I = 100;
  XI2 = -6;
  B3 = 6;
  B4 = -6;
  X = 6;
  NO = 30;
  XSTEP = 1;
  GGX = 1;
  SIZE = 0;
  DrawCoordinatePlane();
  ReviewGraph(*this, "ア", 1, 6, 0, 3, 0, -40);
  ReviewGraph(*this, "イ", 3, 1, 1, 0, 0, 0);
  ReviewGraph(*this, "ウ", 3, 2, 0, 7, 0, -30);
}

}  // namespace lessons
