// Unit 4: the graph of y = x². Its goal, its sub-menu, the coordinate quiz ①
// and the features screen ④.
#include <vector>

#include "intro/palisteo.h"

namespace lessons {

void Palisteo::SquareGraphUnit() {
  SquareGraphGoalScreen();
  UnitSubMenu("①復習　②P95　③原点付近　④特徴　⑤終了",
              {
                  [this] { CoordinateQuizScreen(); },
                  [this] { SquareGraphPlotScreen(); },
                  [this] { NearOriginScreen(); },
                  [this] { SquareGraphFeaturesScreen(); },
              });
}

void Palisteo::SquareGraphGoalScreen() { UnitGoalScreen({"y=x^2のグラフをかき、特徴を調べよう。"}); }

std::string Palisteo::DecimalText(Num value) {
  std::string text = NumberText(value);
  if (text.rfind("-.", 0) == 0) return "-0" + text.substr(1);
  if (text.rfind(".", 0) == 0) return "0" + text;
  return text;
}

void Palisteo::PickGridPoint() {
  Num xSize = Int(rt.Random(1) * 5 + 1);
  Num ySize = Int(rt.Random(1) * 5 + 1);
  T(1) = xSize;
  T(2) = -xSize;
  F(1) = ySize;
  F(2) = -ySize;
  NumbersToTextArrays();
  Num q = Int(rt.Random(1) * 4 + 1);
  // The same quadrant twice in a row only ever as quadrant 1.
  if (q == AAAY) {
    q = 1;
  } else {
    AAAY = q;
  }
  // x is negative in quadrants 2 and 3, y in quadrants 3 and 4.
  const int xi = (q == 2 || q == 3) ? 2 : 1;
  const int yi = (q == 3 || q == 4) ? 2 : 1;
  GY5(1) = T(xi);
  GY5Y(1) = F(yi);
  XI5_s = "(" + A1_s(xi) + "," + TITLE_s(yi) + ")";
}

void Palisteo::DrawQuizPlane(const std::vector<PointSetup>& points) {
  Plane({.left = 440, .top = 100, .xFrom = -6, .xTo = 6, .yFrom = -6, .yTo = 6, .unit = 44,
         .points = points});
}

// ① "復習": which of A to D is the point, then the coordinates of a point;
// each phase repeats with a new point until 1 is entered.
void Palisteo::CoordinateQuizScreen() {
  RandomDrill([this] {
    PickGridPoint();
    WipeScreen(1760, 1800);
    B1 = 88, B2 = 30;
    TextAt(B1 - 44, B2, 0, "次の点はどれでしょう。");
    TextAt(B1, B2 + 80, 3, XI5_s);
    // The four candidates, each labelled above its dot; under a dot just
    // below the x axis, where the band of the axis's numbers leaves no room
    // above it.
    std::vector<PointSetup> candidates;
    const char* letters[] = {"A", "B", "C", "D"};
    const Num signs[][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (int i = 0; i < 4; ++i) {
      const Num y = signs[i][1] * F(1);
      candidates.push_back({.x = signs[i][0] * T(1), .y = y, .radius = 12, .colour = 3,
                            .label = letters[i], .dx = 8, .dy = y == -1 ? Num(52) : Num(-20)});
    }
    DrawQuizPlane(candidates);
    for (const PointSetup& p : candidates) Point(p);
    WaitAnyKey();
    Point({.x = GY5(1), .y = GY5Y(1), .radius = 15, .colour = 5});
  });
  RandomDrill([this] {
    PickGridPoint();
    WipeScreen(1760, 1800);
    B1 = 88, B2 = 30;
    TextAt(B1 - 44, B2, 0, "次の点の座標をいいなさい。");
    const PointSetup point{.x = GY5(1), .y = GY5Y(1), .radius = 15, .colour = 3};
    DrawQuizPlane({point});
    Point(point);
    WaitAnyKey();
    TextAt(B1, B2 + 80, 5, XI5_s);
  });
}

// ④ "特徴": the graph once more, then three features, each answer on a key.
void Palisteo::SquareGraphFeaturesScreen() {
  WipeScreen(1320, 1300);
  const GraphSetup square{.a = 1, .colour = 3, .label = "y=x^2"};
  std::vector<PointSetup> points;
  for (int k = -3; k <= 3; ++k)
    points.push_back({.x = static_cast<Num>(k), .y = static_cast<Num>(k * k), .radius = 8,
                      .colour = 3});
  // y from 0 up: the x axis is the plane's foot, and its -5 and 5, on the
  // plane's edges, stand under it on their ticks.
  Plane({.left = 880, .top = 100, .xFrom = -5, .xTo = 5, .yFrom = 0, .yTo = 14,
         .curves = {square}, .points = points});
  for (const PointSetup& p : points) Point(p);
  WaitAnyKey();
  Graph(square);

  B1 = 88, B2 = 30;
  TextAt(B1 - 44, B2, 0, "y=x^2のグラフの特徴");
  struct Feature {
    Num step;
    const char* before;
    const char* mark;
    const char* after;
    const char* answer;
  };
  const Feature features[] = {
      {80, "(1)", "①", "を通る。", "原点"},
      {70, "(2)", "②", "を対称の軸として線対称である。", "y軸"},
      {70, "(3)x軸の", "③", "にある。", "上側"},
  };
  auto box = [this](Num x, Num y, int colour, const char* text) {
    TextBoxAround({.x = x, .y = y, .width = 132, .border = 3, .fill = 13, .textColour = colour,
                   .text = text});
  };
  Num corners[3][2];
  for (int i = 0; i < 3; ++i) {
    NewLine(0, features[i].step, 0, features[i].before);
    corners[i][0] = YI1 + 20;
    corners[i][1] = B2;
    box(corners[i][0], corners[i][1], 0, features[i].mark);
    TextAt(DSM1 + 20, B2, 0, features[i].after);
  }
  for (int i = 0; i < 3; ++i) {
    WaitAnyKey();
    box(corners[i][0], corners[i][1], 5, features[i].answer);
  }
}

}  // namespace lessons
