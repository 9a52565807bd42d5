// Unit 7, screen ② "開き方": ten parabolas y = ax² from a = 1/5 to 5 and from
// -5 to -1/5, and how the opening changes with a.
#include "intro/palisteo.h"

namespace lessons {

namespace {

// Each curve's formula beside the plane's right edge; y = -5x²'s, level with
// the x axis, stands clear of the axis's letter x.
struct WidthGraph {
  Num a;
  int colour;
  const char* formula;
  Num x, y;
};

const WidthGraph kWidthGraphs[] = {
    {0.2f, 0, "y=ﾀ1/5ﾀx^2", 996, 30},    {0.5f, 3, "y=ﾀ1/2ﾀx^2", 1040, 90},
    {1, 5, "y=x^2", 1084, 150},            {2, 7, "y=2x^2", 996, 200},
    {5, 9, "y=5x^2", 996, 250},            {-5, 9, "y=-5x^2", 1024, 300},
    {-2, 7, "y=-2x^2", 996, 350},          {-1, 5, "y=-x^2", 996, 400},
    {-0.5f, 3, "y=-ﾀ1/2ﾀx^2", 996, 455},  {-0.2f, 0, "y=-ﾀ1/5ﾀx^2", 996, 535},
};

}  // namespace

void Palisteo::OpeningWidthScreen() {
  WipeScreen(1320, 1300);
  B1 = 44;
  TextAt(B1, 30, 3, "Q1");
  Continue(0, " aの値が大きくなると");
  NewLine(44, 50, 0, "開き方はどうなりますか。");
  std::vector<GraphSetup> curves;
  for (const WidthGraph& g : kWidthGraphs) curves.push_back({.a = g.a, .colour = g.colour});
  Plane({.left = 660, .top = 50, .xFrom = -6, .xTo = 6, .yFrom = -10, .yTo = 10, .unit = 28,
         .grid = false, .numbers = false, .curves = curves});
  for (const WidthGraph& g : kWidthGraphs) {
    WaitAnyKey();
    Graph({.a = g.a, .colour = g.colour});
    TextAt(g.x, g.y, g.colour, g.formula);
  }
  TextAt(44, 140, 0, "①a>0のとき、");
  WaitAnyKey();
  TextAt(88, 190, 3, " 小さくなる");
  WaitAnyKey();
  TextAt(44, 250, 0, "②a<0のとき、");
  WaitAnyKey();
  TextAt(88, 300, 3, " 大きくなる");
  WaitAnyKey();
  TextAt(44, 370, 5, "aの絶対値が大きいほど、");
  WaitAnyKey();
  TextAt(88, 420, 5, "グラフの開き方は小さい");
}

}  // namespace lessons
