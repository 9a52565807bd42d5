// The fill-in summary sheets of the feature summary: ① the graph shapes,
// ② increase and decrease, ③ the rate of change of y = ax + b and y = ax².
// Each draws two sheets side by side with numbered blanks, then reveals the
// blanks one per key press.
#include "framework/figure_util.h"
#include "values/quendral.h"

namespace lessons {

namespace {

// A schematic plane: axes with x, y and 0 only (no grid, no numbers), one
// value unit per grid step, `no` pixels per step.
void SheetPlane(Quendral& L, Num a41, Num i, Num xFrom, Num xTo, Num yFrom, Num yTo, Num no,
                Num n) {
  L.A41 = a41;
  L.I = i;
  L.XI2 = xFrom;
  L.B3 = xTo;
  L.B4 = yFrom;
  L.X = yTo;
  L.NO = no;
  L.SIZE = 0;
  L.N = n;
  L.DrawCoordinatePlane();
}

// Run and rise arrows without value labels from figure point k to k + 1.
void RunRise(Quendral& L, int k) {
  L.LT2 = L.GY5(k);
  L.GX4 = L.GY5Y(k);
  L.RP1 = L.GY5(k + 1);
  L.GX5 = L.GY5Y(k + 1);
  L.DX_s = "nn";
  L.DrawRunRiseArrows();
}

// The vertex dot of radius 7 in colour 5 at the origin, no label.
void VertexDot(Quendral& L) {
  L.KAKUDAI = 0;
  L.SENTAKU = 0;
  L.DOTRADIUS = 7;
  L.TKAI2 = 5;
  L.ZY0_s.clear();
  L.JYOU = 0;
  L.LABELDY = 0;
  L.PlotLabelledPoint();
}

}  // namespace

void Quendral::PlaneGraph(Num muki, Num aa, Num b, int colour) {
  MUKI = muki;
  AA = aa;
  ZX1 = b;
  TKAI2 = static_cast<Num>(colour);
  ZY0_s.clear();
  DrawFunctionGraph();
}

void Quendral::SummaryHeadingBox(Num x, Num y, const std::string& text) {
  DSM1 = x;
  DSM2 = y;
  TANI = 490;
  GX0 = 50;
  SIZE = 3;
  TKAI2 = 13;
  YMOTO = 0;
  A_s = text;
  DrawTextBox();
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
  DSM1 = BLANKX(k);
  DSM2 = BLANKY(k);
  TANI = BLANKW(k);
  GX0 = 50;
  SIZE = 3;
  TKAI2 = 13;
  YMOTO = 5;
  A_s = answer;
  DrawTextBox();
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
  SheetPlane(*this, B1 + 80, B2 + 100, -3, 5, -1, 10, 30, -1);
  PlaneGraph(3, 1.5f, 2, 0);
  SetFigurePoint(1, 1, 3.5f);
  SetFigurePoint(2, 4, 1.5f * 4 + 2);
  SetFigurePoint(3, 0, 2);
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
  SheetPlane(*this, 780, 190, -4, 4, -3, 8, 30, -1);
  PlaneGraph(2, 0.5f, 0, 0);
  VertexDot(*this);
  LabelAt(X8 - 96, R, 5, "頂点");
  // The point (2, 2) of the parabola, read as x = 1, y = a.
  SetFigurePoint(5, 0, 2);
  SetFigurePoint(6, 2, 2);
  SetFigurePoint(7, 2, 0);
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
  SheetPlane(*this, B1 + 40, B2 + 100, -1, 5, -1, 10, 25, -1);
  PlaneGraph(3, 1.5f, 2, 5);
  SetFigurePoint(1, 1, 3.5f);
  SetFigurePoint(2, 4, 1.5f * 4 + 2);
  RunRise(*this, 1);
  SheetPlane(*this, B1 + 40 + 225, B2 + 100, -1, 5, -1, 10, 25, -1);
  PlaneGraph(3, -2, 8, 5);
  SetFigurePoint(1, 0.5f, -2 * 0.5f + 8);
  SetFigurePoint(2, 3, 2);
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
  SheetPlane(*this, B1 + 400, 125, -4, 4, -8, 8, 25, -1);
  PlaneGraph(2, 0.5f, 0, 3);
  PlaneGraph(2, -0.5f, 0, 3);
  VertexDot(*this);
  const Num xs[4] = {-4, -1, 1, 4};
  for (int k = 1; k <= 4; ++k) {
    SetFigurePoint(k, xs[k - 1], xs[k - 1] * xs[k - 1] / 2);
    SetFigurePoint(k + 4, xs[k - 1], -(xs[k - 1] * xs[k - 1]) / 2);
  }
  // Arrows along the branches, half a grid step inside towards the y axis,
  // the way y goes as x increases. The one up the lower left branch ends at
  // nine tenths of its way, short of the origin's "0".
  rt.SetDrawWidth(0, 4);
  for (int k = 1; k <= 7; k += 2) {
    const Num inward = (k == 1 || k == 5) ? NO / 2 : -NO / 2;
    const Num reach = k == 5 ? 0.9f : 1;
    SO = GY5(k) + inward;
    YOKO = GY5Y(k);
    II = SO + reach * (GY5(k + 1) + inward - SO);
    IJ = YOKO + reach * (GY5Y(k + 1) - YOKO);
    Y = 1;
    SIZE = 5;
    XW = 16;
    DrawArrow();
  }

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
  SheetPlane(*this, B1 + 88, B2 + 80, -1, 5, -1, 11, 30, 1);
  PlaneGraph(3, 2, 1, 0);
  for (int k = 1; k <= 5; ++k) SetFigurePoint(k, static_cast<Num>(k - 1), 2.0f * (k - 1) + 1);
  for (int k = 1; k <= 4; ++k) RunRise(*this, k);

  // The right sheet: six steps of run 1 on y = x², from x = -3 to 3.
  B1 = 595;
  B2 = 30;
  SummaryHeadingBox(595, 30, "y=ax^2 での 変化の割合");
  FillInBlank(3, B1, B2 + 60, 105, "①");
  TextAt(YI1 + 20, B2, 0, "ではない。");
  SheetPlane(*this, B1 + 44, B2 + 80, -4, 4, -1, 12, 30, 1);
  PlaneGraph(2, 1, 0, 0);
  for (int k = 1; k <= 7; ++k) SetFigurePoint(k, static_cast<Num>(k - 4), static_cast<Num>((k - 4) * (k - 4)));
  for (int k = 1; k <= 6; ++k) RunRise(*this, k);

  RevealBlanks({"一定", "a", "一定"});
}

}  // namespace lessons
