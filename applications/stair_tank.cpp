// ① "P115 階段状の水槽": water poured at a constant rate into a tank with a
// stepped bottom. The tank fills; the table of time x (minutes) and height
// y (cm) fills one column per key while the tank shows each state; then the
// graph, a broken line through (0, 0), (3, 10), (9, 20) and (18, 30), one
// point or segment per key.
#include "applications/orvenna.h"
#include "framework/figure_util.h"

namespace lessons {

void Orvenna::StairTankScreen() {
  WipeScreen(1600, 1800);
  B1 = 40;
  B2 = 30;
  rt.SetDrawWidth(0, 5);
  SetStairTankGeometry();
  TextAt(B1, B2, 7, "Q ");
  Continue(0, "底が階段状になっている直方体の水そうに、");
  Continue(3, "毎分同じ割合");
  Continue(0, "で水を入れます。");

  // The empty tank at 0 minutes.
  DrawTankTap();
  DrawTankPicture(PTY(31));
  A1_s(1) = "0";
  A1_s(2) = "0";
  DrawTankClock();
  WaitAnyKey();

  FillStairTank();
  NewLine(0, 50, 0, "水を入れ始めてからの時間を");
  Continue(3, "x分");
  Continue(0, "、水面までの高さを");
  Continue(3, "ycm");
  Continue(0, "とするときの");
  NewLine(0, 50, 0, "グラフをかきなさい。");

  // The table: x complete, y empty. The animation rewrote TITLE$, so its
  // texts are set only now; 11 to 14 are the minutes of the table steps.
  GY5(11) = B1 + 600;
  GY5(12) = GY5(11) + 54;
  PTY(11) = B2 + 10;
  PTY(12) = PTY(11) + 50;
  const char* minutes[] = {"0", "3", "9", "18"};
  const char* heights[] = {"0", "10", "20", "30"};
  for (int k = 1; k <= 4; ++k) {
    TITLE_s(k) = minutes[k - 1];
    TITLE_s(k + 10) = minutes[k - 1];
    TITLE_s(k + 20) = heights[k - 1];
  }
  CellStyle(50, 3, 15, 0);
  DSM1 = GY5(11), DSM2 = PTY(11);
  Cell(54, "x");
  for (XI0 = 1; XI0 <= 4; XI0++) Cell(60, TITLE_s(XI0));
  DSM1 = GY5(11), DSM2 = PTY(12);
  Cell(54, "y");
  for (XI0 = 1; XI0 <= 4; XI0++) Cell(60, "");
  GX3(1) = GY5(12);

  // Each column with the tank in its state: empty, then the water level
  // with the middle floor, with the left floor, at 30 cm.
  for (XI1 = 1; XI1 <= 4; XI1++) {
    WaitAnyKey();
    DrawTankPicture(PTY(31) - 100 * (XI1 - 1));
    A1_s(1) = TITLE_s(XI1 + 10);
    A1_s(2) = "0";
    DrawTankClock();
    CellStyle(50, 3, 15, 5);
    DSM1 = GX3(1);
    DSM2 = PTY(12);
    Cell(60, TITLE_s(XI1 + 20));
    GX3(1) = DSM1;
  }

  // The plane: x 0 to 19 minutes, y 0 to 32 cm in steps of 2, 24 units a
  // step, its x axis just above the prompt band; its top 30 below the
  // table's second row, so that the "y" over its axis stands clear of the
  // line of text above. It knows the points and the broken line through
  // them that it will carry.
  const PointSetup points[] = {{.x = 0, .y = 0, .radius = 8, .colour = 5},
                               {.x = 3, .y = 10, .radius = 8, .colour = 5},
                               {.x = 9, .y = 20, .radius = 8, .colour = 5},
                               {.x = 18, .y = 30, .radius = 8, .colour = 5}};
  PlaneSetup plane{.left = 120, .top = PTY(12) + 30, .xFrom = 0, .xTo = 19, .yFrom = 0, .yTo = 32,
                   .yStep = 2, .unit = 24, .numbers = false, .labelEveryX = 3, .labelEveryY = 5,
                   .points = {std::begin(points), std::end(points)}};
  for (int k = 1; k < 4; ++k)
    plane.lines.push_back({points[k - 1].x, points[k - 1].y, points[k].x, points[k].y});
  Plane(plane);

  // The points alternate between the two remembered places (GX3, GY3) 1
  // and 2; each segment joins the last two.
  auto point = [&](int k, int place) {
    WaitAnyKey();
    Point(points[k]);
    GX3(place) = HOUKOU;
    GY3(place) = N2;
  };
  auto segment = [this] {
    WaitAnyKey();
    FigureLine(GX3(1), GY3(1), GX3(2), GY3(2), 5);
  };
  point(0, 1);
  point(1, 2);
  segment();
  point(2, 1);
  segment();
  point(3, 2);
  segment();
}

}  // namespace lessons
