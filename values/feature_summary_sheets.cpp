// The fill-in summary sheets of the feature summary: ① the graph shapes,
// ② increase and decrease, ③ the rate of change of y = ax + b and y = ax².
// Each draws two sheets side by side with numbered blanks, then reveals the
// blanks one per key press.
#include <vector>

#include "framework/figure_util.h"
#include "values/quendral.h"

namespace lessons {

namespace {

// Run and rise arrows without value labels from figure point k to k + 1.
void RunRise(Quendral& L, int k) {
  L.LT2 = L.GY5(k);
  L.GX4 = L.GY5Y(k);
  L.RP1 = L.GY5(k + 1);
  L.GX5 = L.GY5Y(k + 1);
  L.DX_s = "nn";
  L.DrawRunRiseArrows();
}

// The run and rise of RunRise from (x1, y1) to (x2, y2), in plane values, for
// a plane's set-up.
void AddRunRise(std::vector<LineOnPlane>& lines, Num x1, Num y1, Num x2, Num y2) {
  lines.push_back({x1, y1, x2, y1});
  lines.push_back({x2, y1, x2, y2});
}

// A dot of the given radius at (x, y), for a plane's set-up.
LineOnPlane Dot(Num x, Num y, Num radius) { return {x, y, x, y, 2 * radius}; }

}  // namespace

void Quendral::SummaryHeadingBox(Num x, Num y, const std::string& text) {
  TextBox({.x = x, .y = y, .width = 490, .border = 3, .fill = 13, .text = text});
  YI1 = DSM1;
  B2 = DSM2;
}

void Quendral::FillInBlank(int k, Num x, Num y, Num width, const std::string& label) {
  BLANKX(k) = x;
  BLANKY(k) = y;
  BLANKW(k) = width;
  RevealBlank(k, label);
  YI1 = DSM1;
  B2 = DSM2;
}

void Quendral::RevealBlank(int k, const std::string& answer) {
  TextBox({.x = BLANKX(k), .y = BLANKY(k), .width = BLANKW(k), .border = 3, .fill = 13,
           .textColour = 5, .text = answer});
}

void Quendral::RevealBlanks(const std::vector<std::string>& answers) {
  int k = 1;
  for (const std::string& answer : answers) {
    WaitAnyKey();
    RevealBlank(k++, answer);
  }
}

// ① "形": straight line with slope and intercept; parabola with its vertex.
void Quendral::ShapeSummaryScreen() {
  WipeScreen(1320, 1800);
  B1 = 44;
  B2 = 30;
  rt.SetDrawWidth(0, 5);

  // The left sheet: y = ax + b on the line y = 1.5x + 2.
  SummaryHeadingBox(44, 30, "1次関数 y=ax+b の特徴");
  NewLine(0, 60, 0, " グラフの形…");
  FillInBlank(1, YI1, B2, 105, "①");
  const GraphSetup rising{.form = GraphForm::kLine, .a = 1.5f, .b = 2};
  std::vector<LineOnPlane> runRise;
  AddRunRise(runRise, 1, 3.5f, 4, 8);
  Plane({.left = B1 + 80, .top = B2 + 100, .xFrom = -3, .xTo = 5, .yFrom = -1, .yTo = 10,
         .grid = false, .numbers = false, .curves = {rising}, .lines = runRise});
  Graph(rising);
  GY5(1) = PlaneX(1), GY5Y(1) = PlaneY(3.5f);
  GY5(2) = PlaneX(4), GY5Y(2) = PlaneY(1.5f * 4 + 2);
  GY5(3) = PlaneX(0), GY5Y(3) = PlaneY(2);
  RunRise(*this, 1);
  LabelAt((GY5(1) + GY5(2)) / 2 - 16, GY5Y(1), 5, "1");
  TextAt(GY5(2), (GY5Y(1) + GY5Y(2)) / 2 - 16, 5, "a");
  FillInBlank(2, YI1 + 20, B2, 105, "②");
  TextAt(GY5(3) - 35, GY5Y(3) - 17, 5, "b");
  FillInBlank(3, GY5(3) - 140, B2 - 50, 105, "③");

  // The right sheet: y = ax² on the parabola y = 0.5x².
  B1 = 700;
  B2 = 30;
  SummaryHeadingBox(700, 30, "関数 y=ax^2 の特徴");
  NewLine(0, 60, 0, " グラフの形…");
  FillInBlank(4, YI1, B2, 140, "①");
  const GraphSetup parabola{.a = 0.5f};
  Plane({.left = 780, .top = 190, .xFrom = -4, .xTo = 4, .yFrom = -3, .yTo = 8, .grid = false,
         .numbers = false, .curves = {parabola},
         .lines = {Dot(0, 0, 7), {0, 2, 2, 2}, {2, 0, 2, 2}}});
  Graph(parabola);
  Point({.radius = 7, .colour = 5});  // the vertex
  YMOTO = 5, DSM1 = X8 - 96, DSM2 = R, KKAI_s = "頂点";
  FigureLabel();  // clear of the origin's "0"
  // The point (2, 2) of the parabola, read as x = 1, y = a.
  GY5(5) = PlaneX(0), GY5Y(5) = PlaneY(2);
  GY5(6) = PlaneX(2), GY5Y(6) = PlaneY(2);
  GY5(7) = PlaneX(2), GY5Y(7) = PlaneY(0);
  PlainLine(rt, GY5(5), GY5Y(5), GY5(6), GY5Y(6), 7);
  PlainLine(rt, GY5(7), GY5Y(7), GY5(6), GY5Y(6), 7);
  LabelAt(GY5(7) - 16, GY5Y(7), 5, "1");
  LabelAt(GY5(5) - 35, GY5Y(5) - 22, 5, "a");

  RevealBlanks({"直線", "傾き", "切片", "放物線"});
}

// ② "増減": where y = ax + b and y = ax² increase and decrease.
void Quendral::IncreaseSummaryScreen() {
  WipeScreen(1320, 1800);
  B1 = 44;
  B2 = 30;

  // The left sheet: y = 1.5x + 2 rises, y = -2x + 8 falls.
  SummaryHeadingBox(44, 30, "y=ax+b での yの増減");
  NewLine(0, 60, 0, "a>0のとき…つねに");
  FillInBlank(1, YI1 + 20, B2, 105, "①");
  NewLine(0, 60, 0, "a<0のとき…つねに");
  FillInBlank(2, YI1 + 20, B2, 105, "②");
  const GraphSetup rising{.form = GraphForm::kLine, .a = 1.5f, .b = 2, .colour = 5};
  std::vector<LineOnPlane> up, down;
  AddRunRise(up, 1, 3.5f, 4, 8);
  AddRunRise(down, 0.5f, 7, 3, 2);
  Plane({.left = B1 + 40, .top = B2 + 100, .xFrom = -1, .xTo = 5, .yFrom = -1, .yTo = 10,
         .unit = 25, .grid = false, .numbers = false, .curves = {rising}, .lines = up});
  Graph(rising);
  GY5(1) = PlaneX(1), GY5Y(1) = PlaneY(3.5f);
  GY5(2) = PlaneX(4), GY5Y(2) = PlaneY(1.5f * 4 + 2);
  RunRise(*this, 1);
  const GraphSetup falling{.form = GraphForm::kLine, .a = -2, .b = 8, .colour = 5};
  Plane({.left = B1 + 40 + 225, .top = B2 + 100, .xFrom = -1, .xTo = 5, .yFrom = -1, .yTo = 10,
         .unit = 25, .grid = false, .numbers = false, .curves = {falling}, .lines = down});
  Graph(falling);
  GY5(1) = PlaneX(0.5f), GY5Y(1) = PlaneY(-2 * 0.5f + 8);
  GY5(2) = PlaneX(3), GY5Y(2) = PlaneY(2);
  RunRise(*this, 1);

  // The right sheet: y = 0.5x² and y = -0.5x² with their common vertex.
  B1 = 595;
  B2 = 30;
  SummaryHeadingBox(595, 30, "y=ax^2 での yの増減");
  NewLine(0, 60, 3, "a>0のとき");
  NewLine(35, 60, 0, "①x<0⇒");
  FillInBlank(3, YI1, B2, 140, "①");
  NewLine(35, 60, 0, "②x=0⇒");
  FillInBlank(4, YI1, B2, 175, "②");
  NewLine(35, 60, 0, "③x>0⇒");
  FillInBlank(5, YI1, B2, 140, "③");
  NewLine(0, 70, 3, "a<0のとき");
  NewLine(35, 60, 0, "④x<0⇒");
  FillInBlank(6, YI1, B2, 140, "④");
  NewLine(35, 60, 0, "⑤x=0⇒");
  FillInBlank(7, YI1, B2, 175, "⑤");
  NewLine(35, 60, 0, "⑥x>0⇒");
  FillInBlank(8, YI1, B2, 140, "⑥");
  // Arrows along the branches, half a grid step inside towards the y axis,
  // the way y goes as x increases, each to the end of its branch's run (the
  // four meet at the vertex).
  const GraphSetup opening{.a = 0.5f, .colour = 3}, closing{.a = -0.5f, .colour = 3};
  const LineOnPlane arrows[4] = {{-3.5f, 8, -0.5f, 0.5f, 4},
                                 {0.5f, 0.5f, 3.5f, 8, 4},
                                 {-3.5f, -8, -0.5f, -0.5f, 4},
                                 {0.5f, -0.5f, 3.5f, -8, 4}};
  Plane({.left = B1 + 400, .top = 125, .xFrom = -4, .xTo = 4, .yFrom = -8, .yTo = 8, .unit = 25,
         .grid = false, .numbers = false, .curves = {opening, closing},
         .lines = {Dot(0, 0, 7), arrows[0], arrows[1], arrows[2], arrows[3]}});
  Graph(opening);
  Graph(closing);
  Point({.radius = 7, .colour = 5});  // the vertex
  rt.SetDrawWidth(0, 4);
  for (const LineOnPlane& a : arrows)
    ArrowBetween(PlaneX(a.x1), PlaneY(a.y1), PlaneX(a.x2), PlaneY(a.y2), 5);

  RevealBlanks({"増加", "減少", "減少", "最小値0", "増加", "増加", "最大値0", "減少"});
}

// ③ "変化の割合": constant and equal to a for y = ax + b; not constant for y = ax².
void Quendral::RateSummaryScreen() {
  WipeScreen(1320, 1800);
  B1 = 44;
  B2 = 30;

  // The left sheet: four equal steps on y = 2x + 1.
  SummaryHeadingBox(44, 30, "y=ax+b での 変化の割合");
  FillInBlank(1, B1, B2 + 60, 105, "①");
  TextAt(YI1 + 20, B2, 0, "で、");
  FillInBlank(2, YI1, B2, 70, "②");
  TextAt(YI1 + 20, B2, 0, "に等しい。");
  const GraphSetup line{.form = GraphForm::kLine, .a = 2, .b = 1};
  std::vector<LineOnPlane> steps;
  for (int k = 0; k < 4; ++k) {
    const Num x = static_cast<Num>(k);
    AddRunRise(steps, x, 2 * x + 1, x + 1, 2 * x + 3);
  }
  Plane({.left = B1 + 88, .top = B2 + 80, .xFrom = -1, .xTo = 5, .yFrom = -1, .yTo = 11,
         .grid = false, .curves = {line}, .lines = steps});
  Graph(line);
  for (int k = 1; k <= 5; ++k) {
    const Num x = static_cast<Num>(k - 1);
    GY5(k) = PlaneX(x), GY5Y(k) = PlaneY(2 * x + 1);
  }
  for (int k = 1; k <= 4; ++k) RunRise(*this, k);

  // The right sheet: six steps of run 1 on y = x², from x = -3 to 3.
  B1 = 595;
  B2 = 30;
  SummaryHeadingBox(595, 30, "y=ax^2 での 変化の割合");
  FillInBlank(3, B1, B2 + 60, 105, "①");
  TextAt(YI1 + 20, B2, 0, "ではない。");
  const GraphSetup square{.a = 1};
  steps.clear();
  for (int k = -3; k < 3; ++k) {
    const Num x = static_cast<Num>(k);
    AddRunRise(steps, x, x * x, x + 1, (x + 1) * (x + 1));
  }
  Plane({.left = B1 + 44, .top = B2 + 80, .xFrom = -4, .xTo = 4, .yFrom = -1, .yTo = 12,
         .grid = false, .curves = {square}, .lines = steps});
  Graph(square);
  for (int k = 1; k <= 7; ++k) {
    const Num x = static_cast<Num>(k - 4);
    GY5(k) = PlaneX(x), GY5Y(k) = PlaneY(x * x);
  }
  for (int k = 1; k <= 6; ++k) RunRise(*this, k);

  RevealBlanks({"一定", "a", "一定"});
}

}  // namespace lessons
