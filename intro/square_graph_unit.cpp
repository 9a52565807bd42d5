// Unit 4: the graph of y = x². Its goal, its sub-menu, the coordinate quiz ①
// and the features screen ④.
#include <algorithm>

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

void Palisteo::DrawQuizPlane() {
  A41 = 440, I = 100;
  XI2 = -6, B3 = 6, B4 = -6, X = 6;
  XSTEP = 1, GGX = 1;
  NO = 44, SIZE = 1, N = 0;
  DrawCoordinatePlane();
}

namespace {

// Whether a label at LABELDY comes near a label already on the plane (an
// index number, a letter of the axes, another point's label): nearer than
// 0.6 of the index numbers' height beside it, or 4 units above or below it.
bool CrowdsPlaneLabel(Palisteo& L) {
  L.DSM1 = L.PlaneX(L.KAKUDAI) - 20 + L.JYOU;
  L.DSM2 = L.PlaneY(L.SENTAKU) - 40 + L.LABELDY;
  L.KKAI_s = L.ZY0_s;
  L.YMOTO = L.TKAI2;
  const InkBox ink = L.InkOf([&] { L.PrintMathText(); });
  return std::any_of(L.labelGrounds.begin(), L.labelGrounds.end(), [&](const InkBox& g) {
    return std::max(g.x0 - ink.x1, ink.x0 - g.x1) < 0.6f * L.NAGASA &&
           std::max(g.y0 - ink.y1, ink.y0 - g.y1) < 4;
  });
}

// A candidate's label stands above its dot, or as far under it where above
// it would crowd a label of the plane.
void QuizDot(Palisteo& L, Num x, Num y, Num radius, int colour, const std::string& label) {
  L.KAKUDAI = x;
  L.SENTAKU = y;
  L.DOTRADIUS = radius;
  L.TKAI2 = static_cast<Num>(colour);
  L.ZY0_s = label;
  L.JYOU = label.empty() ? 0 : 8;
  L.LABELDY = label.empty() ? 0 : -20;
  if (!label.empty() && CrowdsPlaneLabel(L)) L.LABELDY = 52;
  L.PlotLabelledPoint();
}

}  // namespace

// ① "復習": which of A to D is the point, then the coordinates of a point;
// each phase repeats with a new point until 1 is entered.
void Palisteo::CoordinateQuizScreen() {
  RandomDrill([this] {
    PickGridPoint();
    WipeScreen(1760, 1800);
    B1 = 88, B2 = 30;
    TextAt(B1 - 44, B2, 0, "次の点はどれでしょう。");
    TextAt(B1, B2 + 80, 3, XI5_s);
    DrawQuizPlane();
    QuizDot(*this, T(1), F(1), 12, 3, "A");
    QuizDot(*this, -T(1), F(1), 12, 3, "B");
    QuizDot(*this, -T(1), -F(1), 12, 3, "C");
    QuizDot(*this, T(1), -F(1), 12, 3, "D");
    WaitAnyKey();
    QuizDot(*this, GY5(1), GY5Y(1), 15, 5, "");
  });
  RandomDrill([this] {
    PickGridPoint();
    WipeScreen(1760, 1800);
    B1 = 88, B2 = 30;
    TextAt(B1 - 44, B2, 0, "次の点の座標をいいなさい。");
    DrawQuizPlane();
    QuizDot(*this, GY5(1), GY5Y(1), 15, 3, "");
    WaitAnyKey();
    TextAt(B1, B2 + 80, 5, XI5_s);
  });
}

// ④ "特徴": the graph once more, then three features, each answer on a key.
void Palisteo::SquareGraphFeaturesScreen() {
  WipeScreen(1320, 1300);
  A41 = 880, I = 100;
  XI2 = -5, B3 = 5, B4 = -1, X = 14;
  XSTEP = 1, GGX = 1;
  NO = 30, SIZE = 14;
  DrawCoordinatePlane();
  for (int k = -3; k <= 3; ++k) {
    KAKUDAI = static_cast<Num>(k);
    SENTAKU = static_cast<Num>(k * k);
    DOTRADIUS = 8, TKAI2 = 3;
    ZY0_s = "";
    JYOU = 0, LABELDY = 0;
    PlotLabelledPoint();
  }
  WaitAnyKey();
  MUKI = 2, AA = 1, TKAI2 = 3;
  ZY0_s = "y=x^2";
  DrawFunctionGraph();

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
    DSM1 = x, DSM2 = y;
    TANI = 132, GX0 = 50, TKAI2 = 13, SIZE = 3;
    YMOTO = static_cast<Num>(colour);
    A_s = text;
    DrawTextBoxAround();
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
