// Units 5 and 6, the worked answers of questions 3 and 4 and the features of
// the graphs of y = ax² for a > 0 and for a < 0.
#include "intro/palisteo.h"

#include <cmath>

namespace lessons {

void Palisteo::PositiveAAnswersScreen() {
  const std::vector<Num> xs = {-3, -2, -1, 0, 1, 2, 3};
  WipeScreen(1320, 1300);
  TextAt(88, 20, 3, "問3 解答");
  ParabolaPlane(400, 50, -3.5f, 3.5f, -1, 9, 0.5f, 28, 14, -1, 2, 2);
  Parabola(1, 7, "", 0, 0, 0.5f);
  TextAt(GY1, ZX, 7, "y=x^2");
  Parabola(2, 0, "y=2x^2", 0, -50, 0.5f);
  WaitAnyKey();
  ParabolaPoints(xs, 1, 5, 7, 0.5f, 21, 0);
  ParabolaPoints(xs, 0.5f, 5, 3, 0.5f, 21, -1);
  WaitAnyKey();
  XI2 = -3.5f, B3 = 3.5f;
  Parabola(0.5f, 3, "y=ﾀ1/2ﾀx^2", 0, 0, 0.5f);
}

void Palisteo::PositiveAFeaturesScreen() {
  WipeScreen(1320, 1300);
  ParabolaPlane(660, 50, -7, 7, -1, 20, 1, 28, 0, 1);
  Parabola(1, 5);
  TextAt(1052, 50, 5, "y=x^2");
  Parabola(0.5f, 3);
  TextAt(1052, 138, 3, "y=ﾀ1/2ﾀx^2");
  Parabola(2, 7);
  TextAt(1052, 226, 7, "y=2x^2");
  FeatureSentences("グラフの特徴", "上側");
}

void Palisteo::NegativeAAnswersScreen() {
  WipeScreen(1320, 1300);
  B1 = 88, B2 = 20;
  TextAt(B1, B2, 3, "問4 解答");
  ParabolaPlane(400, 50, -3.5f, 3.5f, -5.5f, 5.5f, 0.5f, 25, 14, -1, 2, 2);
  Parabola(2, 7, "y=2x^2", 0, -40, 0.5f);
  Parabola(0.5f, 3, "y=ﾀ1/2ﾀx^2", 0, 40, 0.5f);
  WaitAnyKey();
  // y = -2x² at the heights of the grid lines, y = -5.5 up to 0.
  for (int k = 11; k >= 0; --k) {
    const Num y = -static_cast<Num>(k) / 2, x = std::sqrt(static_cast<Num>(k) / 4);
    ParabolaPoint(-x, y, 5, 7, 0.5f);
    ParabolaPoint(x, y, 5, 7, 0.5f);
    WaitAnyKey();
  }
  WaitAnyKey();
  Parabola(-2, 7, "y=-2x^2", 0, 0, 0.5f);
  WaitAnyKey();
  ParabolaPoints({-4, -3, -2, -1, 0, 1, 2, 3, 4}, -0.5f, 5, 3, 0.5f, 21, 1);
  WaitAnyKey();
  // Its label a little higher than the mirror of y = ½x²'s, clear of y = -2x²'s.
  Parabola(-0.5f, 3, "y=-ﾀ1/2ﾀx^2", 0, -60, 0.5f);
}

void Palisteo::NegativeAFeaturesScreen() {
  WipeScreen(1320, 1300);
  ParabolaPlane(660, 50, -4, 4, -10, 10, 1, 28, 0, 1);
  Parabola(1, 3, "y=x^2");
  Parabola(-1, 5, "y=-x^2");
  B1 = 44, B2 = 30;
  FeatureSentences("y=-x^2のグラフの特徴", "下側");
  WaitAnyKey();
  TextAt(40, 440, 3, "教科書P99 問4　をしなさい。");
}

}  // namespace lessons
