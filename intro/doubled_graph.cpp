// Unit 5, screen ① "ひろげよう(表点)": the table of x, x² and 2x², the points
// of y = x² and y = 2x², each y doubled, ever finer dots of y = 2x² and its
// curve.
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::DoubledGraphScreen() {
  const std::vector<Num> xs = {-2, -1.5f, -1, -0.5f, 0, 0.5f, 1, 1.5f, 2};
  // Each curve's label stands right of the plane, beside where the curve
  // leaves it (y = x² its right edge, y = 2x² its top): in the plane no
  // place near the curves' ends is clear of the other curve, and above it
  // there is no room.
  const GraphSetup square{.a = 1, .colour = 7, .label = "y=x^2", .dx = 8, .dy = -13};
  const GraphSetup twice{.a = 2, .colour = 3, .label = "y=2x^2", .dx = 40, .dy = -10};
  // What the plane carries at each of its three figures: the points of both
  // curves and the segments that double each y; then the points of y = 2x²
  // and its ever finer dots; then only the curves.
  auto points = [&](Num a, Num radius, int colour) {
    std::vector<PointSetup> row;
    for (Num x : xs) row.push_back({.x = x, .y = a * x * x, .radius = radius, .colour = colour});
    return row;
  };
  auto dots = [](int from, int to, int by, Num per, Num radius) {
    std::vector<PointSetup> row;
    for (int k = from; k <= to; k += by) {
      const Num x = static_cast<Num>(k) / per;
      if (2 * x * x <= 11) row.push_back({.x = x, .y = 2 * x * x, .radius = radius, .colour = 3});
    }
    return row;
  };
  const std::vector<PointSetup> tenths = dots(-30, 30, 1, 10, 5),
                                twentieths = dots(-300, 300, 5, 100, 3);
  std::vector<LineOnPlane> segments;
  for (Num x : xs) {
    segments.push_back({.x1 = x, .y1 = 0, .x2 = x, .y2 = x * x});
    segments.push_back({.x1 = x, .y1 = x * x, .x2 = x, .y2 = 2 * x * x});
  }
  // The plane shows y from 0 up: the x axis is its foot, and its -3 and 3,
  // on the plane's edges, stand under it on their ticks.
  auto plane = [&](const std::vector<PointSetup>& carried, const std::vector<LineOnPlane>& lines) {
    Plane({.left = 938, .top = 50, .xFrom = -3, .xTo = 3, .yFrom = 0, .yTo = 11, .unit = 48,
           .numbers = false, .labelEveryX = 1, .labelEveryY = 2, .curves = {square, twice},
           .lines = lines, .points = carried});
    Graph(square);
  };
  auto doubled = [&] { Graph(twice); };
  WipeScreen(1760, 1300);  // as wide as the curves' labels reach
  B1 = 88;
  TextAt(B1 - 44, 30, 3, "y=2x^2 のグラフをかこう。");

  for (int i = 1; i <= 9; ++i) {
    T(i) = xs[static_cast<size_t>(i - 1)];
    T(10 + i) = T(i) * T(i);
    T(20 + i) = 2 * T(10 + i);
  }
  NumbersToTextArrays();
  A1_s(4) = "-0.5", A1_s(14) = "0.25", A1_s(24) = "0.5";
  A1_s(6) = "0.5", A1_s(16) = "0.25", A1_s(26) = "0.5";

  // The rows: x filled in, x² and 2x² empty.
  auto row = [this](Num top, Num height, int colour, const std::string& label, int first) {
    CellStyle(height, 0, 15, colour);
    DSM1 = B1 - 44, DSM2 = top;
    Cell(88, label);
    for (int i = 1; i <= 9; ++i) {
      YMOTO = static_cast<Num>(colour);
      Cell(88, first > 0 ? A1_s(first + i - 1) : "");
    }
  };
  row(100, 70, 0, "x", 1);
  row(170, 70, 7, "x^2", 0);
  row(240, 65, 3, "2x^2", 0);
  plane(Joined({points(1, 9, 5), points(2, 9, 3)}), segments);
  WaitAnyKey();

  std::vector<std::string> squares, doubles;
  for (int i = 1; i <= 9; ++i) squares.push_back(A1_s(10 + i)), doubles.push_back(A1_s(20 + i));
  RevealRowCells(132, 170, 88, 70, 0, 7, squares);
  RevealRowCells(132, 240, 88, 65, 0, 3, doubles);

  // The points one per key, their centres kept: 1..9 on y = x², 11..19 on y = 2x².
  ParabolaPoints(xs, 1, 9, 5, 1, 1, 1);
  ParabolaPoints(xs, 2, 9, 3, 1, 11, 1);
  WaitAnyKey();
  rt.SetDrawWidth(0, 5);
  KeptPointSegments(9, 1, 5, 11, 3, false);
  rt.SetDrawWidth(0, 3);
  TextAt(88, 330, 5, "y座標は2倍になっている。");
  WaitAnyKey();

  FillRect(938, 0, 1320, 1300, 15, 15);
  plane(Joined({points(2, 7, 3), tenths, twentieths}), {});
  ParabolaPoints(xs, 2, 7, 3, 1, 11, 0);
  WaitAnyKey();
  TextAt(88, 380, 3, "y=x^2のy座標を2倍にして点をとればよい。");
  WaitAnyKey();
  // Ever finer dots of y = 2x² inside the plane (y up to 11).
  for (const PointSetup& p : tenths) Point(p);
  WaitAnyKey();
  for (const PointSetup& p : twentieths) Point(p);
  WaitAnyKey();
  doubled();
  WaitAnyKey();
  TextAt(44, 450, 0, "教科書P97に y=2x^2 のグラフをかきなさい。");
  WaitAnyKey();

  FillRect(938, 0, 1320, 1300, 15, 15);
  plane({}, {});
  doubled();
  WaitAnyKey();
  TextAt(44, 570, 3, "教科書P98 問3　をしなさい。");
}

}  // namespace lessons
