// Unit 7, screens ①, ③ and ④: the parabola, its axis and its vertex; which
// formula belongs to which graph; the features of the graph of y = ax².
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::ParabolaTermsScreen() {
  WipeScreen(1320, 1300);
  rt.SetDrawWidth(0, 4);
  // An invisible plane: the mapping of DrawCoordinatePlane without drawing it.
  A41 = 800, I = 100;
  XI2 = -3, B3 = 3, B4 = -1, X = 8;
  XSTEP = 1, GGX = 1, NO = 40;
  X8 = A41 + NO * 3, R = I + NO * X, ZX = I, ZY = R + NO * 1;

  TextAt(44, 30, 3, "  放物線、放物線の軸、放物線の頂点");
  WaitAnyKey();
  TextAt(44, 90, 7, "1 放物線");
  WaitAnyKey();
  TextAt(132, 140, 0, "y=ax^2のグラフで表される曲線");
  Graph({.a = 1});
  TextAt(X8 - 220, R - 200, 3, "放物線");
  WaitAnyKey();
  TextAt(44, 200, 7, "2 放物線の軸");
  WaitAnyKey();
  TextAt(132, 250, 0, "放物線の対称の軸");
  TextAt(X8 + 4, R - 320, 3, "軸");
  rt.SetDrawWidth(0, 4);
  rt.DrawLine(0, 0, X8, ZX, 1, 0, 360, -1, 0, 0, 0, -1, 7);
  rt.SetDrawWidth(0, 3);
  WaitAnyKey();
  TextAt(44, 310, 7, "3 放物線の頂点");
  WaitAnyKey();
  TextAt(132, 360, 0, "軸と放物線の交点");
  TextAt(X8 + 12, R, 3, "頂点");
  Point({.x = 0, .y = 0, .radius = 8, .colour = 7});
}

void Palisteo::IdentifyGraphsScreen() {
  WipeScreen(1320, 1800);
  rt.SetDrawWidth(0, 5);
  TextAt(30, 30, 3, "Q");
  Continue(0, " 次の①～③のグラフは、どの関数の");
  TextAt(66, 80, 0, "グラフですか。理由も説明しよう。");
  TextAt(66, 160, 0, "y=ﾀ1/4ﾀx^2,y=3x^2,y=-x^2");
  const GraphSetup first{.a = 3, .colour = 3, .label = "①"},
      second{.a = 0.25f, .colour = 5, .label = "②"}, third{.a = -1, .colour = 7, .label = "③", .dy = -50};
  Plane({.left = 748, .top = 50, .xFrom = -5, .xTo = 5, .yFrom = -10, .yTo = 10, .unit = 28,
         .grid = false, .curves = {first, second, third}});
  Graph(first);
  Graph(second);
  Graph(third);
  WaitAnyKey();
  TextAt(66, 250, 7, "<解答>");
  WaitAnyKey();
  TextAt(30, 300, 3, "①y=3x^2");
  WaitAnyKey();
  Continue(3, "　②y=ﾀ1/4ﾀx^2");
  WaitAnyKey();
  Continue(3, "  ③y=-x^2");
  WaitAnyKey();
  TextAt(30, 360, 3, "③");
  Continue(0, "は下に開いているから　a<0");
  WaitAnyKey();
  TextAt(30, 420, 3, "①,②");
  Continue(0, "は上に開いているから　a>0");
  WaitAnyKey();
  TextAt(66, 470, 0, "aの絶対値が大きいほど、開き方は小さくなる");
}

void Palisteo::SummaryFeaturesScreen() {
  WipeScreen(1320, 1300);
  rt.SetDrawWidth(0, 4);
  const GraphSetup up{.a = 0.5f, .colour = 3}, down{.a = -0.5f, .colour = 7};
  Plane({.left = 748, .top = 150, .xFrom = -3, .xTo = 3, .yFrom = -5, .yTo = 5, .unit = 40,
         .grid = false, .numbers = false, .curves = {up, down}});
  Graph(up);
  Graph(down);
  TextAt(44, 60, 3, "y=ax^2のグラフ");
  WaitAnyKey();
  TextAt(44, 140, 0, "(1)");
  Continue(5, "原点");
  TextAt(YI1 + 20, B2, 0, "を通る");
  WaitAnyKey();
  TextAt(44, 210, 0, "(2)");
  Continue(5, "y軸");
  TextAt(YI1 + 20, B2, 0, "について対称な放物線");
  WaitAnyKey();
  TextAt(44, 280, 0, "(3)a>0⇒");
  Continue(5, "上に開く");
  TextAt(132, 330, 0, "a<0⇒");
  Continue(5, "下に開く");
  TextAt(X8 - 176, ZX - 40, 5, "a>0");
  TextAt(X8 - 176, ZY - 18, 5, "a<0");
  WaitAnyKey();
  TextAt(44, 400, 0, "(4)aの絶対値が大きいほど、");
  TextAt(132, 450, 5, "グラフの開き方は小さい");
}

}  // namespace lessons
