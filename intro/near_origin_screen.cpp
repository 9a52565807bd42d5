// Unit 4, screen ③ "原点付近": y = x² for x from -1 to 1 in tenths, a plane
// read in tenths, the 21 table points and then the curve in fine dots.
#include <string>
#include <vector>

#include "intro/palisteo.h"

namespace lessons {

namespace {

// A row of the table: its head, then one cell per text.
void NearOriginRow(Palisteo& L, Num top, int headColour, const char* head, int cellColour,
                   const std::vector<std::string>& texts) {
  L.CellStyle(55, 0, 15, headColour);
  L.DSM1 = L.B1, L.DSM2 = top;
  L.Cell(94, head);
  for (const std::string& text : texts) {
    L.CellStyle(55, 0, 15, cellColour);
    L.Cell(94, text);
  }
}

}  // namespace

void Palisteo::NearOriginScreen() {
  WipeScreen(1320, 1300);
  B1 = 30, B2 = 20;
  rt.SetDrawWidth(0, 5);

  // The table: x = -1 to -0.1 and 0 to 1, their y rows empty; first, so
  // that the plane's letters keep clear of it.
  const Num row2 = B2 + 55, row4 = B2 + 165;
  std::vector<std::string> negatives, positives;
  for (int k = -10; k <= -1; ++k) negatives.push_back(DecimalText(static_cast<Num>(k) / 10));
  for (int k = 0; k <= 10; ++k) positives.push_back(DecimalText(static_cast<Num>(k) / 10));
  NearOriginRow(*this, B2, 0, "x", 0, negatives);
  NearOriginRow(*this, row2, 3, "y", 3, std::vector<std::string>(10));
  NearOriginRow(*this, B2 + 110, 0, "x", 0, positives);
  NearOriginRow(*this, row4, 3, "y", 3, std::vector<std::string>(11));

  // The plane: one grid step stands for 0.1 on both axes, y from 0 up, so
  // that the x axis is its foot and the x numbers (48 high) stand under it
  // on their ticks, above the prompt band and the number entry. It carries
  // the table's points and the curve their fine dots trace.
  std::vector<PointSetup> points;
  for (int k = -10; k <= 10; ++k)
    points.push_back({.x = static_cast<Num>(k), .y = static_cast<Num>(k * k) / 10, .radius = 8,
                      .colour = 3});
  Plane({.left = 440, .top = 252, .xFrom = -10, .xTo = 10, .yFrom = 0, .yTo = 11,
         .numbers = false, .curves = {{.a = 0.1f}}, .points = points});
  // The axes' numbers in tenths of a grid value, each centred on its tick:
  // those of x in one band with the "0", those of y beside the y axis.
  YMOTO = 0;
  auto numbers = [&](std::initializer_list<std::pair<Num, const char*>> labels, bool xAxis) {
    std::vector<AxisLabel> axis;
    for (auto [tenths, text] : labels) {
      const InkBox cells = rt.TextCells(0, 0, text, 3, 3);
      axis.push_back(AxisText(xAxis ? PlaneX(tenths) - cells.x1 / 2 : X8 - cells.x1,
                              xAxis ? R : PlaneY(tenths) - cells.y1 / 2, text, 3, 3));
    }
    PlaceAxisLabels(axis, xAxis, xAxis ? OriginLabelGround() : InkBox{});
  };
  numbers({{-10, "-1"}, {-5, "-0.5"}, {5, "0.5"}, {10, "1"}}, true);
  numbers({{5, "0.5"}, {10, "1"}}, false);
  WaitAnyKey();

  // The y values one per key, each cell drawn again with its square.
  YI1 = B1 + 94;
  for (int k = 10; k >= 1; --k) {
    CellStyle(55, 0, 15, 3);
    DSM1 = YI1, DSM2 = row2;
    Cell(94, DecimalText(static_cast<Num>(k * k) / 100));
    YI1 = DSM1;
    WaitAnyKey();
  }
  YI1 = B1 + 94;
  for (int k = 0; k <= 10; ++k) {
    CellStyle(55, 0, 15, 3);
    DSM1 = YI1, DSM2 = row4;
    Cell(94, DecimalText(static_cast<Num>(k * k) / 100));
    YI1 = DSM1;
    WaitAnyKey();
  }
  WaitAnyKey();

  // The table's points at ten times their values, then the curve.
  for (const PointSetup& p : points) {
    Point(p);
    WaitAnyKey();
  }
  WaitAnyKey();
  for (int k = -100; k <= 100; ++k)
    Point({.x = static_cast<Num>(k) / 10, .y = static_cast<Num>(k * k) / 1000, .radius = 1,
           .colour = 3});
}

}  // namespace lessons
