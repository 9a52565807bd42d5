// The fill-in summary sheets of the feature summary: ① the graph shapes,
// ② increase and decrease, ③ the rate of change of y = ax + b and y = ax².
// Each draws two sheets side by side with numbered blanks, then reveals the
// blanks one per key press.
#include <vector>

#include "values/quendral.h"

namespace lessons {

namespace {

// The run and rise from (x1, y1) to (x2, y2), in plane values, for a plane's
// set-up.
void AddRunRise(std::vector<ArrowOnPlane>& arrows, Num x1, Num y1, Num x2, Num y2) {
  arrows.push_back({x1, y1, x2, y1});
  arrows.push_back({x2, y1, x2, y2});
}

// The run and rise that arrows[k] and arrows[k + 1] declare (AddRunRise),
// drawn without value labels.
void RunRise(Quendral& L, const std::vector<ArrowOnPlane>& arrows, size_t k) {
  L.LT2 = L.PlaneX(arrows[k].x1);
  L.GX4 = L.PlaneY(arrows[k].y1);
  L.RP1 = L.PlaneX(arrows[k + 1].x2);
  L.GX5 = L.PlaneY(arrows[k + 1].y2);
  L.DX_s = "nn";
  L.DrawRunRiseArrows();
}

// The vertex of a parabola as a dot of radius 7 in colour 5.
const PointSetup kVertex{.radius = 7, .colour = 5};

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
  // The run of 1 and its rise a, the blank for the slope right of the rise;
  // b at the intercept, the blank for it above and left of it.
  const GraphSetup rising{.form = GraphForm::kLine, .a = 1.5f, .b = 2};
  std::vector<ArrowOnPlane> runRise;
  AddRunRise(runRise, 1, 3.5f, 4, 8);
  Plane({.left = B1 + 80, .top = B2 + 100, .xFrom = -3, .xTo = 5, .yFrom = -1, .yTo = 10,
         .grid = false, .numbers = false, .curves = {rising}, .arrows = runRise});
  Graph(rising);
  RunRise(*this, runRise, 0);
  YMOTO = 5, DSM1 = (LT2 + RP1) / 2 - 16, DSM2 = GX4, KKAI_s = "1";
  FigureLabel(figure.runArrow);
  YMOTO = 5, DSM1 = RP1, DSM2 = (GX4 + GX5) / 2 - 16, KKAI_s = "a";
  FigureLabel(figure.riseArrow);
  FillInBlank(2, DSM1 + 20, DSM2, 105, "②");
  const Num interceptX = PlaneX(0), interceptY = PlaneY(2);
  TextAt(interceptX - 35, interceptY - 17, 5, "b");
  FillInBlank(3, interceptX - 140, B2 - 50, 105, "③");

  // The right sheet: y = ax² on the parabola y = 0.5x².
  B1 = 700;
  B2 = 30;
  SummaryHeadingBox(700, 30, "関数 y=ax^2 の特徴");
  NewLine(0, 60, 0, " グラフの形…");
  FillInBlank(4, YI1, B2, 140, "①");
  // The vertex, and the point (2, 2) of the parabola with its guides to the
  // axes, read as x = 1, y = a.
  const GraphSetup parabola{.a = 0.5f};
  const LineOnPlane toY{2, 2, 0, 2}, toX{2, 2, 2, 0};
  Plane({.left = 780, .top = 190, .xFrom = -4, .xTo = 4, .yFrom = -3, .yTo = 8, .grid = false,
         .numbers = false, .curves = {parabola}, .lines = {toY, toX}, .points = {kVertex}});
  Graph(parabola);
  const int vertex = Point(kVertex);
  YMOTO = 5, DSM1 = X8 - 96, DSM2 = R, KKAI_s = "頂点";
  FigureLabel(vertex);  // clear of the origin's "0"
  for (const LineOnPlane& g : {toY, toX})
    FigureLine(PlaneX(g.x2), PlaneY(g.y2), PlaneX(g.x1), PlaneY(g.y1), 7);
  LabelAt(PlaneX(toX.x2) - 16, PlaneY(toX.y2), 5, "1");
  LabelAt(PlaneX(toY.x2) - 35, PlaneY(toY.y2) - 22, 5, "a");

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
  std::vector<ArrowOnPlane> up, down;
  AddRunRise(up, 1, 3.5f, 4, 8);
  AddRunRise(down, 0.5f, 7, 3, 2);
  Plane({.left = B1 + 40, .top = B2 + 100, .xFrom = -1, .xTo = 5, .yFrom = -1, .yTo = 10,
         .unit = 25, .grid = false, .numbers = false, .curves = {rising}, .arrows = up});
  Graph(rising);
  RunRise(*this, up, 0);
  const GraphSetup falling{.form = GraphForm::kLine, .a = -2, .b = 8, .colour = 5};
  Plane({.left = B1 + 40 + 225, .top = B2 + 100, .xFrom = -1, .xTo = 5, .yFrom = -1, .yTo = 10,
         .unit = 25, .grid = false, .numbers = false, .curves = {falling}, .arrows = down});
  Graph(falling);
  RunRise(*this, down, 0);

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
  const std::vector<ArrowOnPlane> arrows = {{-3.5f, 8, -0.5f, 0.5f, ArrowHeads::kAtEnd, 4},
                                            {0.5f, 0.5f, 3.5f, 8, ArrowHeads::kAtEnd, 4},
                                            {-3.5f, -8, -0.5f, -0.5f, ArrowHeads::kAtEnd, 4},
                                            {0.5f, -0.5f, 3.5f, -8, ArrowHeads::kAtEnd, 4}};
  Plane({.left = B1 + 400, .top = 125, .xFrom = -4, .xTo = 4, .yFrom = -8, .yTo = 8, .unit = 25,
         .grid = false, .numbers = false, .curves = {opening, closing}, .points = {kVertex},
         .arrows = arrows});
  Graph(opening);
  Graph(closing);
  Point(kVertex);
  rt.SetDrawWidth(0, 4);
  for (const ArrowOnPlane& a : arrows) PlaneArrow(a, 5);

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
  std::vector<ArrowOnPlane> steps;
  for (int k = 0; k < 4; ++k) {
    const Num x = static_cast<Num>(k);
    AddRunRise(steps, x, 2 * x + 1, x + 1, 2 * x + 3);
  }
  Plane({.left = B1 + 88, .top = B2 + 80, .xFrom = -1, .xTo = 5, .yFrom = -1, .yTo = 11,
         .grid = false, .curves = {line}, .arrows = steps});
  Graph(line);
  for (size_t k = 0; k < steps.size(); k += 2) RunRise(*this, steps, k);

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
         .grid = false, .curves = {square}, .arrows = steps});
  Graph(square);
  for (size_t k = 0; k < steps.size(); k += 2) RunRise(*this, steps, k);

  RevealBlanks({"一定", "a", "一定"});
}

}  // namespace lessons
