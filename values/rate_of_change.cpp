// Screens ① to ③ of unit 2: the rate of change of y = 2x + 1 and of
// y = 1/2 x² in a table of values and increments, and the rate of y = x²
// from x = 1 to 3 worked out on its graph.
#include <cmath>
#include <string>
#include <vector>

#include "values/quendral.h"

namespace lessons {

namespace {

// One row of the rate table: a label cell, then cells 64 wide. The value
// rows (x, y) have a label 160 wide and five cells; the rows of increments
// and rates a label half a cell wider and four cells, so that each of their
// cells stands between the two values it compares.
struct RateRow {
  const char* label;
  int cells;
  int fill, labelColour, cellColour;
};
constexpr RateRow kXIncrements{"xの増加量", 4, 13, 0, 3};
constexpr RateRow kXValues{"x", 5, 15, 0, 0};
constexpr RateRow kYValues{"y", 5, 15, 0, 0};
constexpr RateRow kYIncrements{"yの増加量", 4, 13, 0, 3};
constexpr RateRow kRates{"変化の割合", 4, 15, 5, 5};
constexpr Num kRateCellWidth = 64;
constexpr Num kRateRowHeight = 50;

// Where a row's first cell starts: the screen comes back here to fill it.
struct RowAnchor {
  Num x, y;
};

// A cell of the table at the text cursor (YI1, B2), outline 3; the cursor
// moves on to its right edge.
void RateCell(Quendral& L, Num width, int fill, int textColour, const std::string& text) {
  L.DSM1 = L.YI1;
  L.DSM2 = L.B2;
  L.CellStyle(kRateRowHeight, 3, fill, textColour);
  L.Cell(width, text);
  L.YI1 = L.DSM1;
  L.B2 = L.DSM2;
}

// The label of `row` at (left, top); gives the anchor of its first cell.
RowAnchor RowLabel(Quendral& L, const RateRow& row, Num left, Num top) {
  L.YI1 = left;
  L.B2 = top;
  RateCell(L, row.cells == 5 ? 160 : 192, row.fill, row.labelColour, row.label);
  return {L.YI1, L.B2};
}

// The row's cells from its anchor on, with `text(k)` in cell k (k from 1);
// with `keys`, a key wait after each.
template <typename Text>
void RowCells(Quendral& L, const RateRow& row, RowAnchor at, Text text, bool keys) {
  L.YI1 = at.x;
  L.B2 = at.y;
  for (int k = 1; k <= row.cells; ++k) {
    RateCell(L, kRateCellWidth, row.fill, row.cellColour, text(k));
    if (keys) L.WaitAnyKey();
  }
}

std::string Empty(int) { return ""; }

// A value below 1 is shown with its "0" (".5" becomes "0.5").
void LeadingZero(std::string& text) {
  if (text.rfind(".", 0) == 0) text = "0" + text;
}

// The run and rise arrows from figure point k to k + 1, labelled by `flags`.
void RunRiseBetween(Quendral& L, int k, const char* flags) {
  L.LT2 = L.GY5(k);
  L.GX4 = L.GY5Y(k);
  L.RP1 = L.GY5(k + 1);
  L.GX5 = L.GY5Y(k + 1);
  L.DX_s = flags;
  L.DrawRunRiseArrows();
}

// What a screen with a rate table shows of its function.
struct RateTableLesson {
  Num margin, top;  // B1 and the top of the first line
  Num tableLeft;    // x of the label cells
  const char* question;
  Num questionStep;  // from the first line to the second
  const char* question2;
  GraphForm form;  // the function: y = aa x² or y = aa x + b
  Num aa, b;
  const char* formula;
  const char* rule;    // the conclusion in colour 0
  const char* answer;  // and its end in colour 5
  // The plane's highest y value and its unit (it shows x from -1 to 6 and y
  // from 0, its corner at (792, 74)).
  Num yTo, unit;
};

// The function for x = 0 to 4 in T(1..5), F(1..5), the y increments in
// F(11..14), and their texts.
void StoreRateTable(Quendral& L, const RateTableLesson& p) {
  for (int k = 1; k <= 5; ++k) {
    const Num x = static_cast<Num>(k - 1);
    L.T(k) = x;
    L.F(k) = p.form == GraphForm::kSquare ? p.aa * (x * x) : p.aa * x + p.b;
  }
  for (int k = 1; k <= 4; ++k) L.F(10 + k) = L.F(k + 1) - L.F(k);
  L.NumbersToTextArrays();
  for (int k = 1; k <= 5; ++k) LeadingZero(L.TITLE_s(k));
  for (int k = 11; k <= 14; ++k) LeadingZero(L.TITLE_s(k));
}

// The question, the graph, the table of x, y and their increments revealed
// one cell per key, the increase arrows between the points, the rate as the
// quotient of the increments, the rates, the conclusion (22 keys).
void RateTableScreen(Quendral& L, const RateTableLesson& p) {
  L.WipeScreen(1320, 1300);
  L.B1 = p.margin;
  L.B2 = p.top;
  L.TextAt(L.B1 - 30, L.B2, 0, p.question);
  L.NewLine(0, p.questionStep, 0, p.question2);
  // The plane knows the curve and the run and rise arrows between x = 0, 1,
  // ..., 4 that the table's steps draw, so that its numbers stand clear.
  const GraphSetup curve{.form = p.form, .a = p.aa, .b = p.b, .colour = 3};
  auto f = [&](Num x) { return p.form == GraphForm::kSquare ? p.aa * x * x : p.aa * x + p.b; };
  std::vector<ArrowOnPlane> arrows;
  for (int k = 0; k < 4; ++k) {
    const Num x = static_cast<Num>(k);
    arrows.push_back({x, f(x), x + 1, f(x)});
    arrows.push_back({x + 1, f(x), x + 1, f(x + 1)});
  }
  L.Plane({.left = 792, .top = 74, .xFrom = -1, .xTo = 6, .yFrom = 0, .yTo = p.yTo, .unit = p.unit,
           .curves = {curve}, .arrows = arrows});
  L.Graph(curve);
  // The formula above the plane, right of where the curve leaves its top.
  const Num exitX = p.form == GraphForm::kSquare ? std::sqrt(p.yTo / p.aa) : (p.yTo - p.b) / p.aa;
  L.LabelAt(L.PlaneX(exitX) + 12, L.ZX - 63, 0, p.formula);
  L.WaitAnyKey();

  // The skeleton, in the pen width the screen was entered with.
  const Num top = L.B2 + 70;
  const RowAnchor dx = RowLabel(L, kXIncrements, p.tableLeft, top);
  RowCells(L, kXIncrements, dx, [](int) { return std::string("1"); }, false);
  const RowAnchor x = RowLabel(L, kXValues, p.tableLeft, top + kRateRowHeight);
  StoreRateTable(L, p);
  RowCells(L, kXValues, x, [&](int k) { return L.A1_s(k); }, false);
  const RowAnchor y = RowLabel(L, kYValues, p.tableLeft, top + 2 * kRateRowHeight);
  RowCells(L, kYValues, y, Empty, false);
  const RowAnchor dy = RowLabel(L, kYIncrements, p.tableLeft, top + 3 * kRateRowHeight);
  RowCells(L, kYIncrements, dy, Empty, false);
  const RowAnchor rate = RowLabel(L, kRates, p.tableLeft, top + 4 * kRateRowHeight);
  RowCells(L, kRates, rate, Empty, false);
  L.WaitAnyKey();

  auto increment = [&](int k) { return L.TITLE_s(10 + k); };
  RowCells(L, kYValues, y, [&](int k) { return L.TITLE_s(k); }, true);
  RowCells(L, kYIncrements, dy, increment, true);
  for (int k = 1; k <= 5; ++k) L.GY5(k) = L.PlaneX(L.T(k)), L.GY5Y(k) = L.PlaneY(L.F(k));
  for (int k = 1; k <= 4; ++k) {
    if (L.F(k + 1) - L.F(k) < 1) {
      // A rise under one unit leaves its label no room beside it: the next
      // run and the x axis pass right of it, and under the plane or the axis
      // it would read as an x value. The label stands over its top, left of
      // the curve, nearer to it than to the next rise.
      RunRiseBetween(L, k, "nn");
      L.YMOTO = 3;
      L.DSM1 = L.RP1 - 50;
      L.DSM2 = L.GX5 - 86;
      L.KKAI_s = L.RISETEXT_s;
      L.FigureLabel(L.figure.riseArrow);
    } else {
      RunRiseBetween(L, k, "ny");
    }
    L.WaitAnyKey();
  }
  L.WaitAnyKey();
  L.NewLine(0, 130, 0, "変化の割合=ﾀyの増加量/xの増加量ﾀ");
  L.WaitAnyKey();
  L.rt.SetDrawWidth(0, 3);
  RowCells(L, kRates, rate, increment, true);
  L.WaitAnyKey();
  L.NewLine(0, 150, 0, p.rule);
  L.NewLine(0, 50, 5, p.answer);
}

}  // namespace

// ① "1次": y = 2x + 1, the rate 2 in every column; its plane 46 a unit up
// to y = 11, the x axis's 5 and the origin's 0 under it.
void Quendral::LinearRateScreen() {
  RateTableScreen(*this, {60, 30, 60, "課1 1次関数 y=2x+1 で、xが0から", 50,
                          "1ずつ増加するとき、yはどうなりますか。", GraphForm::kLine, 2, 1, "y=2x+1",
                          "1次関数y=ax+b の変化の割合は", "一定で、aに等しい。", 11, 46});
}

// ② "2乗比": y = 1/2 x², the rates 0.5, 1.5, 2.5, 3.5; its plane 55 a unit
// up to y = 9, so that each rise's length stands beside its rise inside the
// plane, well left of the letter x.
void Quendral::SquareRateScreen() {
  RateTableScreen(*this, {57, 20, 30, "課2 関数 y=ﾀ1/2ﾀx^2 で、xが0から", 70,
                          "1ずつ増加するとき、yはどうなりますか。", GraphForm::kSquare, 0.5f, 0,
                          "y=ﾀ1/2ﾀx^2",
                          "関数y=ax^2 の変化の割合は", "一定ではない。", 9, 55});
}

// ③ "変割合": y = x² from x = 1 to 3, the increases on the graph and the
// rate 8/2 = 4 (8 keys).
void Quendral::RateOfChangeScreen() {
  WipeScreen(1320, 1300);
  B1 = 60;
  B2 = 30;
  TextAt(B1 - 30, B2, 0, "課3 関数 y=x^2 で、xが1から3まで");
  NewLine(0, 50, 0, "増加するとき、変化の割合を求めなさい。");
  const GraphSetup curve{.a = 1, .colour = 3};
  Plane({.left = 792, .top = 120, .xFrom = -4, .xTo = 5, .yFrom = 0, .yTo = 11, .unit = 40,
         .curves = {curve}, .arrows = {{1, 1, 3, 1}, {3, 1, 3, 9}}});
  Graph(curve);
  LabelAt(PlaneX(std::sqrt(11.0f)) + 12, ZX - 63, 0, "y=x^2");
  WaitAnyKey();
  GY5(1) = PlaneX(1), GY5Y(1) = PlaneY(1 * 1);
  GY5(2) = PlaneX(3), GY5Y(2) = PlaneY(3 * 3);
  RunRiseBetween(*this, 1, "nn");
  WaitAnyKey();
  NewLine(0, 70, 3, "<解答>");
  WaitAnyKey();
  NewLine(0, 50, 0, "x=1 のとき y=1^2=");
  Continue(3, "1");
  WaitAnyKey();
  NewLine(0, 50, 0, "x=3 のとき y=3^2=");
  Continue(3, "9");
  WaitAnyKey();
  NewLine(0, 50, 0, "だから、変化の割合は");
  NewLine(0, 80, 0, "ﾀyの増加量/xの増加量ﾀ");
  WaitAnyKey();
  Continue(0, "=ﾀ9-1/3-1ﾀ=");
  WaitAnyKey();
  // The arrows again over themselves, now with their lengths 2 and 8. On
  // the plane of 40 a unit the "2" stands over the run's middle, between the
  // curve and the rise (under the plane it would read as an x value). The
  // rise's "8" stands above the middle of its arrow: at the middle it would
  // sit on the heavy line of 5, which would join it to the y axis's "5".
  RunRiseBetween(*this, 1, "nn");
  YMOTO = 7;
  DSM1 = (LT2 + RP1) / 2 - 12;
  DSM2 = GX4 - 56;
  KKAI_s = RUNTEXT_s;
  FigureLabel(figure.runArrow);
  YMOTO = 3;
  DSM1 = RP1;
  DSM2 = PlaneY(6.5f) - 16;
  KKAI_s = RISETEXT_s;
  FigureLabel(figure.riseArrow);
  Continue(0, "ﾀ8/2ﾀ=");
  WaitAnyKey();
  Continue(5, "4");
}

}  // namespace lessons
