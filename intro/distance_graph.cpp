// Unit 2, screen ⑤ "グラフ": the ball's distances as points on a plane, ever
// denser until they form the curve of y = 2x², and how this function differs
// from those met before.
#include <vector>

#include "intro/palisteo.h"

namespace lessons {

namespace {

// The points of y = 2x² at x = k / perStep for k = 0 to last, unlabelled.
std::vector<PointSetup> SquareRun(int perStep, int last) {
  std::vector<PointSetup> run;
  for (int k = 0; k <= last; ++k) {
    Num x = static_cast<Num>(k) / static_cast<Num>(perStep);
    run.push_back({.x = x, .y = 2 * x * x, .colour = 3, .dx = -15, .xStep = 0.02f, .yStep = 0.02f});
  }
  return run;
}

// The run's points; `waitEach` waits for a key after every point.
void PlotSquareRun(Palisteo& L, const std::vector<PointSetup>& run, bool waitEach) {
  for (const PointSetup& p : run) {
    L.Point(p);
    if (waitEach) L.WaitAnyKey();
  }
}

}  // namespace

void Palisteo::DistanceGraphScreen() {
  WipeScreen(1760, 1800);
  B1 = 30;
  TextAt(30, 20, 7, "点をかき入れてみよう。");

  // The completed table.
  GY5(0) = 30, PTY(0) = 70;
  DrawDistanceTable();
  const char* yTexts[] = {"0", "0.02", "0.08", "0.18", "0.32", "0.50"};
  for (A1 = 0; A1 <= 5; A1 += 1) {
    CellStyle(50, 0, 15, 0);
    DSM1 = GY5(A1 + 1), DSM2 = PTY(1);
    Cell(GY5(A1 + 2) - GY5(A1 + 1), yTexts[CInt(A1)]);
  }
  WaitAnyKey();

  // The plane: 0 to 0.5 on both axes, 25 steps of 20 units, values every
  // 0.1 (the y axis's 0.5 clear of the table's right border); it carries the
  // points of the three runs from the start.
  const std::vector<PointSetup> table = SquareRun(10, 5), fifties = SquareRun(50, 25),
                                hundredths = SquareRun(100, 50);
  Plane({.left = 730, .top = 20 + 70, .xFrom = 0, .xTo = 0.5f, .yFrom = 0, .yTo = 0.5f,
         .xStep = 0.02f, .yStep = 0.02f, .unit = 20, .numbers = false, .labelEveryX = 5,
         .labelEveryY = 5, .points = Joined({table, fifties, hundredths})});
  XI2 = 0, B3 = 0.5f, B4 = 0, X = 0.5f;

  PlotSquareRun(*this, table, true);  // the table's six points
  PlotSquareRun(*this, fifties, false);
  WaitAnyKey();
  PlotSquareRun(*this, hundredths, false);
  WaitAnyKey();

  B1 = 30;
  TextAt(B1, 190, 7, "Q");
  Continue(3, "この関数とこれまでの関数との違いは?");
  WaitAnyKey();
  NewLine(0, 50, 7, "比例・反比例との違い");
  NewLine(0, 50, 0, "xが2倍、3倍…となっても、");
  WaitAnyKey();
  Continue(0, "yは2倍");
  NewLine(0, 60, 0, "3倍…にも、ﾀ1/2ﾀ倍、ﾀ1/3ﾀ倍…にもならない");
  WaitAnyKey();
  NewLine(0, 60, 0, "グラフは、");
  WaitAnyKey();
  Continue(0, "直線でも双曲線でもない");
  WaitAnyKey();
  NewLine(0, 50, 7, "一次関数との違い");
  WaitAnyKey();
  NewLine(0, 50, 0, "変化の割合が");
  WaitAnyKey();
  Continue(0, "一定ではない");
  WaitAnyKey();
  NewLine(0, 50, 0, "グラフは、");
  WaitAnyKey();
  Continue(0, "曲線になっている");
}

}  // namespace lessons
