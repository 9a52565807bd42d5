// Units 5 and 6, the worked answers of questions 3 and 4 and the features of
// the graphs of y = ax² for a > 0 and for a < 0.
#include "intro/palisteo.h"

#include <cmath>

namespace lessons {

void Palisteo::PositiveAAnswersScreen() {
  const std::vector<Num> xs = {-3, -2, -1, 0, 1, 2, 3};
  WipeScreen(1320, 1300);
  TextAt(88, 20, 3, "問3 解答");
  Plane({.left = 400, .top = 50, .xFrom = -3.5f, .xTo = 3.5f, .yFrom = -1, .yTo = 9, .xStep = 0.5f,
         .yStep = 0.5f, .unit = 28, .numbers = false, .labelEveryX = 2, .labelEveryY = 2});
  Graph({.a = 1, .colour = 7, .xStep = 0.5f, .yStep = 0.5f});
  TextAt(GY1, ZX, 7, "y=x^2");
  Graph({.a = 2, .label = "y=2x^2", .dy = -50, .xStep = 0.5f, .yStep = 0.5f});
  WaitAnyKey();
  ParabolaPoints(xs, 1, 5, 7, 0.5f, 21, 0);
  ParabolaPoints(xs, 0.5f, 5, 3, 0.5f, 21, -1);
  WaitAnyKey();
  Graph({.a = 0.5f, .colour = 3, .label = "y=ﾀ1/2ﾀx^2", .xFrom = -3.5f, .xTo = 3.5f, .xStep = 0.5f,
         .yStep = 0.5f});
}

void Palisteo::PositiveAFeaturesScreen() {
  WipeScreen(1320, 1300);
  Plane({.left = 660, .top = 50, .xFrom = -7, .xTo = 7, .yFrom = -1, .yTo = 20, .unit = 28,
         .grid = false});
  Graph({.a = 1, .colour = 5});
  TextAt(1052, 50, 5, "y=x^2");
  Graph({.a = 0.5f, .colour = 3});
  TextAt(1052, 138, 3, "y=ﾀ1/2ﾀx^2");
  Graph({.a = 2, .colour = 7});
  TextAt(1052, 226, 7, "y=2x^2");
  FeatureSentences("グラフの特徴", "上側");
}

void Palisteo::NegativeAAnswersScreen() {
  WipeScreen(1320, 1300);
  B1 = 88, B2 = 20;
  TextAt(B1, B2, 3, "問4 解答");
  Plane({.left = 400, .top = 50, .xFrom = -3.5f, .xTo = 3.5f, .yFrom = -5.5f, .yTo = 5.5f,
         .xStep = 0.5f, .yStep = 0.5f, .unit = 25, .numbers = false, .labelEveryX = 2,
         .labelEveryY = 2});
  Graph({.a = 2, .colour = 7, .label = "y=2x^2", .dy = -40, .xStep = 0.5f, .yStep = 0.5f});
  Graph({.a = 0.5f, .colour = 3, .label = "y=ﾀ1/2ﾀx^2", .dy = 40, .xStep = 0.5f, .yStep = 0.5f});
  WaitAnyKey();
  // y = -2x² at the heights of the grid lines, y = -5.5 up to 0.
  for (int k = 11; k >= 0; --k) {
    const Num y = -static_cast<Num>(k) / 2, x = std::sqrt(static_cast<Num>(k) / 4);
    Point({.x = -x, .y = y, .radius = 5, .colour = 7, .xStep = 0.5f, .yStep = 0.5f});
    Point({.x = x, .y = y, .radius = 5, .colour = 7, .xStep = 0.5f, .yStep = 0.5f});
    WaitAnyKey();
  }
  WaitAnyKey();
  Graph({.a = -2, .colour = 7, .label = "y=-2x^2", .xStep = 0.5f, .yStep = 0.5f});
  WaitAnyKey();
  ParabolaPoints({-4, -3, -2, -1, 0, 1, 2, 3, 4}, -0.5f, 5, 3, 0.5f, 21, 1);
  WaitAnyKey();
  // Its label a little higher than the mirror of y = ½x²'s, clear of y = -2x²'s.
  Graph({.a = -0.5f, .colour = 3, .label = "y=-ﾀ1/2ﾀx^2", .dy = -60, .xStep = 0.5f, .yStep = 0.5f});
}

void Palisteo::NegativeAFeaturesScreen() {
  WipeScreen(1320, 1300);
  Plane({.left = 660, .top = 50, .xFrom = -4, .xTo = 4, .yFrom = -10, .yTo = 10, .unit = 28,
         .grid = false});
  Graph({.a = 1, .colour = 3, .label = "y=x^2"});
  Graph({.a = -1, .colour = 5, .label = "y=-x^2"});
  B1 = 44, B2 = 30;
  FeatureSentences("y=-x^2のグラフの特徴", "下側");
  WaitAnyKey();
  TextAt(40, 440, 3, "教科書P99 問4　をしなさい。");
}

}  // namespace lessons
