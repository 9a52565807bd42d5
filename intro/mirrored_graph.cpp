// Unit 6, screen ① "P98ひろげよう": the points of y = -x² beside the graph of
// y = x², the two mirrored in the x axis, then y = -x² from mirrored points,
// denser dots and its curve.
#include "intro/palisteo.h"

#include <cmath>

namespace lessons {

void Palisteo::MirroredGraphScreen() {
  const std::vector<Num> xs = {-2, -1, 0, 1, 2};
  // Each curve's label stands right of the plane, level with where the
  // curve leaves it: above the plane there is no room, below it the prompts
  // are written, and inside it no place near the curve's end is clear.
  const GraphSetup up{.a = 1, .colour = 7, .label = "y=x^2", .dx = 64, .dy = -13};
  const GraphSetup down{.a = -1, .colour = 3, .label = "y=-x^2", .dx = 64, .dy = -13};
  // What the plane carries at each of its three figures: the points of both
  // curves and the segments from the x axis to them; the points again and
  // the dots of y = -x², evenly in y, then evenly in x; then only the curves.
  auto points = [&](Num a) {
    std::vector<PointSetup> row;
    for (Num x : xs)
      row.push_back({.x = x, .y = a * x * x, .colour = 3, .xStep = 0.5f, .yStep = 0.5f});
    return row;
  };
  std::vector<PointSetup> evenInY, evenInX;
  for (int k = 11; k >= 0; --k) {
    const Num y = -static_cast<Num>(k) / 2, x = std::sqrt(static_cast<Num>(k) / 2);
    evenInY.push_back({.x = -x, .y = y, .radius = 5, .colour = 3});
    evenInY.push_back({.x = x, .y = y, .radius = 5, .colour = 3});
  }
  for (int k = -20; k <= 20; ++k) {
    const Num x = static_cast<Num>(k) / 10;
    evenInX.push_back({.x = x, .y = -x * x, .radius = 5, .colour = 3});
  }
  const std::vector<PointSetup> both = Joined({points(-1), points(1)});
  std::vector<LineOnPlane> segments;
  for (Num x : xs) {
    segments.push_back({.x1 = x, .y1 = 0, .x2 = x, .y2 = -x * x, .width = 4});
    segments.push_back({.x1 = x, .y1 = 0, .x2 = x, .y2 = x * x, .width = 4});
  }
  auto plane = [&](const std::vector<PointSetup>& carried, const std::vector<LineOnPlane>& lines) {
    Plane({.left = 680, .top = 50, .xFrom = -3.5f, .xTo = 3.5f, .yFrom = -5.5f, .yTo = 5.5f,
           .xStep = 0.5f, .yStep = 0.5f, .unit = 25, .numbers = false, .labelEveryX = 2,
           .labelEveryY = 2, .curves = {up, down}, .lines = lines, .points = carried});
    Graph(up);
  };
  auto mirrored = [&] { Graph(down); };
  WipeScreen(1320, 1300);
  B1 = 40, B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(B1, B2, 3, "y=-x^2 のグラフをかこう。");

  // The rows x, x² and -x² (its values empty), "…" at both ends.
  std::vector<std::string> negatives;
  auto row = [&](Num top, const std::string& label, int colour, int sign) {
    CellStyle(50, 9, 15, colour);
    DSM1 = B1, DSM2 = top;
    Cell(90, label);
    YMOTO = 0;
    Cell(40, "…");
    for (int x = -3; x <= 3; ++x) {
      const Num v = sign == 0 ? static_cast<Num>(x) : static_cast<Num>(sign * x * x);
      if (sign < 0) negatives.push_back(NumberText(v));
      YMOTO = static_cast<Num>(colour);
      Cell(60, sign < 0 ? "" : NumberText(v));
    }
    YMOTO = 0;
    Cell(40, "…");
  };
  row(90, "x", 0, 0);
  row(140, "x^2", 3, 1);
  row(190, "-x^2", 5, -1);
  B2 = 190;
  plane(both, segments);
  WaitAnyKey();

  RevealRowCells(B1 + 130, 190, 60, 50, 9, 5, negatives);
  ParabolaPoints(xs, -1, 6, 3, 0.5f, 1, 1);  // centres kept as 1..5
  WaitAnyKey();
  mirrored();
  WaitAnyKey();
  NewLine(0, 60, 7, "Q 2つのグラフの関係は?");
  WaitAnyKey();
  ParabolaPoints(xs, 1, 6, 3, 0.5f, 11, 0);  // centres kept as 11..15
  WaitAnyKey();
  WaitAnyKey();
  rt.SetDrawWidth(0, 4);
  KeptPointSegments(5, 1, 3, 11, 7, true);
  NewLine(0, 50, 3, "y座標は絶対値が等しく、符号が反対");
  WaitAnyKey();
  NewLine(0, 60, 5, "x軸について対称");
  WaitAnyKey();

  FillRect(680, 0, 1320, 1300, 15, 15);
  plane(Joined({both, evenInY, evenInX}), {});
  NewLine(0, 60, 7, "Q 点のとりかたは?");
  WaitAnyKey();
  NewLine(0, 50, 3, "y=x^2の点とx軸について");
  NewLine(0, 50, 3, "対称な点をとればよい。");
  ParabolaPoints(xs, 1, 6, 3, 0.5f, 11, 0);
  WaitAnyKey();
  ParabolaPoints(xs, -1, 6, 3, 0.5f, 1, -1);
  WaitAnyKey();
  // Dots evenly in y (y = -5.5 up to 0), then evenly in x.
  for (const PointSetup& p : evenInY) Point(p);
  WaitAnyKey();
  for (const PointSetup& p : evenInX) Point(p);
  WaitAnyKey();
  mirrored();
  WaitAnyKey();

  FillRect(680, 0, 1320, 1300, 15, 15);
  plane({}, {});
  mirrored();
}

}  // namespace lessons
