// Units 5 and 6, the worked answers of questions 3 and 4 and the features of
// the graphs of y = ax² for a > 0 and for a < 0.
#include "intro/palisteo.h"

#include <cmath>

namespace lessons {

void Palisteo::PositiveAAnswersScreen() {
  const std::vector<Num> xs = {-3, -2, -1, 0, 1, 2, 3};
  // As wide as the formula of y = 2x² on screen ① reaches.
  WipeScreen(1760, 1300);
  TextAt(88, 20, 3, "問3 解答");
  const GraphSetup square{.a = 1, .colour = 7}, doubled{.a = 2},
      half{.a = 0.5f, .colour = 3, .label = "y=ﾀ1/2ﾀx^2", .xFrom = -3.5f, .xTo = 3.5f};
  // y from 0 to 9.5 at 30 a half step: the x numbers under the axis, the
  // 9 under the top edge, and the y axis's 1 left of the axis, clear of
  // y = 2x² there (at 28 a step it stood right of the axis, beside (1, 1)).
  Plane({.left = 400, .top = 50, .xFrom = -3.5f, .xTo = 3.5f, .yFrom = 0, .yTo = 9.5f, .xStep = 0.5f,
         .yStep = 0.5f, .unit = 30, .numbers = false, .labelEveryX = 2, .labelEveryY = 2,
         .curves = {square, doubled, half},
         .points = Joined({ParabolaPointSetups(xs, 1, 5, 7, 0.5f),
                           ParabolaPointSetups(xs, 0.5f, 5, 3, 0.5f)})});
  Graph(square);
  TextAt(GY1, ZX, 7, "y=x^2");
  Graph(doubled);
  CurveNameBeyondEdge(PlaneX(std::sqrt(4.5f)), true, 0, "y=2x^2");
  WaitAnyKey();
  ParabolaPoints(xs, 1, 5, 7, 0.5f, 21, 0);
  ParabolaPoints(xs, 0.5f, 5, 3, 0.5f, 21, -1);
  WaitAnyKey();
  Graph(half);
}

void Palisteo::PositiveAFeaturesScreen() {
  WipeScreen(1760, 1300);  // as screen ② does
  const GraphSetup square{.a = 1, .colour = 5}, half{.a = 0.5f, .colour = 3},
      doubled{.a = 2, .colour = 7};
  Plane({.left = 660, .top = 50, .xFrom = -7, .xTo = 7, .yFrom = -1, .yTo = 20, .unit = 28,
         .grid = false, .curves = {square, half, doubled}});
  Graph(square);
  TextAt(1052, 50, 5, "y=x^2");
  Graph(half);
  TextAt(1052, 138, 3, "y=ﾀ1/2ﾀx^2");
  Graph(doubled);
  TextAt(1052, 226, 7, "y=2x^2");
  FeatureSentences("グラフの特徴", "上側");
}

void Palisteo::NegativeAAnswersScreen() {
  WipeScreen(1320, 1300);
  B1 = 88, B2 = 20;
  TextAt(B1, B2, 3, "問4 解答");
  const GraphSetup doubled{.a = 2, .colour = 7}, down{.a = -2, .colour = 7},
      half{.a = 0.5f, .colour = 3, .label = "y=ﾀ1/2ﾀx^2", .dy = 40},
      halfDown{.a = -0.5f, .colour = 3, .label = "y=-ﾀ1/2ﾀx^2", .dy = -40};
  // The plane carries the points of y = -2x² at the heights of its grid
  // lines (y = -5.5 up to 0), a pair a key, and those of y = -½x².
  const std::vector<Num> xs = {-4, -3, -2, -1, 0, 1, 2, 3, 4};
  std::vector<PointSetup> pairs;
  for (int k = 11; k >= 0; --k) {
    const Num y = -static_cast<Num>(k) / 2, x = std::sqrt(static_cast<Num>(k) / 4);
    pairs.push_back({.x = -x, .y = y, .radius = 5, .colour = 7});
    pairs.push_back({.x = x, .y = y, .radius = 5, .colour = 7});
  }
  Plane({.left = 400, .top = 50, .xFrom = -3.5f, .xTo = 3.5f, .yFrom = -5.5f, .yTo = 5.5f,
         .xStep = 0.5f, .yStep = 0.5f, .unit = 25, .numbers = false, .labelEveryX = 2,
         .labelEveryY = 2, .curves = {doubled, half, down, halfDown},
         .points = Joined({pairs, ParabolaPointSetups(xs, -0.5f, 5, 3, 0.5f)})});
  // The names of y = ±2x² stand beyond the plane's edges over and under
  // their right ends (right of the letter y), short of where y = ±½x² leave
  // the plane.
  Graph(doubled);
  CurveNameBeyondEdge(PlaneX(1.1f), true, 7, "y=2x^2");
  Graph(half);
  WaitAnyKey();
  for (size_t k = 0; k < pairs.size(); k += 2) {
    Point(pairs[k]);
    Point(pairs[k + 1]);
    WaitAnyKey();
  }
  WaitAnyKey();
  Graph(down);
  CurveNameBeyondEdge(PlaneX(-0.1f), false, 7, "y=-2x^2");
  WaitAnyKey();
  ParabolaPoints(xs, -0.5f, 5, 3, 0.5f, 21, 1);
  WaitAnyKey();
  Graph(halfDown);
}

void Palisteo::NegativeAFeaturesScreen() {
  WipeScreen(1320, 1300);
  const GraphSetup up{.a = 1, .colour = 3, .label = "y=x^2"},
      down{.a = -1, .colour = 5, .label = "y=-x^2"};
  Plane({.left = 660, .top = 50, .xFrom = -4, .xTo = 4, .yFrom = -10, .yTo = 10, .unit = 28,
         .grid = false, .curves = {up, down}});
  Graph(up);
  Graph(down);
  B1 = 44, B2 = 30;
  FeatureSentences("y=-x^2のグラフの特徴", "下側");
  WaitAnyKey();
  TextAt(40, 440, 3, "教科書P99 問4　をしなさい。");
}

}  // namespace lessons
