// A figure: the plane that DrawCoordinatePlane drew, its mapping of values to
// the screen, and what it carries (curves, lines, arrows, dots and the
// grounds of its labels). Lines are drawn whole; a label is placed where
// nothing of its figure crosses it or lies under its ground.
#pragma once

#include <vector>

#include "framework/basic.h"
#include "framework/runtime/runtime.h"

namespace lessons {

struct ScreenPoint {
  Num x = 0, y = 0;
};

// A piece of the figure a label must keep clear of: a polyline (a curve's
// run, a line, an arrow's shaft) at its pen's half width, or a dot.
struct FigureStroke {
  std::vector<ScreenPoint> points;
  Num half = 1;     // how far the ink reaches from the polyline
  int curve = -1;   // which curve of the figure it belongs to (-1: none; kFrame, kEdge: the plane's)
  bool drawn = true;  // on the screen already (else declared, to be drawn later)
};

// The curve numbers of the plane's own lines: its axes, and its edges.
inline constexpr int kFrame = -3;
inline constexpr int kEdge = -4;

// The margin of white a label's ground leaves around its text's cells.
inline constexpr Num kLabelMargin = 4;

struct Figure {
  bool drawn = false;  // a plane is on the screen
  // The mapping (X8, R, NO, XSTEP, GGX) and the edges (GY0, ZX, GY1, ZY).
  Num originX = 0, originY = 0, unit = 30, xStep = 1, yStep = 1;
  Num left = 0, top = 0, right = 0, bottom = 0;
  // The values shown.
  Num xFrom = 0, xTo = 0, yFrom = 0, yTo = 0;
  std::vector<FigureStroke> strokes;
  std::vector<InkBox> grounds;
  int curves = 0;  // how many curves (and arrows, numbered with them) the figure holds
  std::vector<bool> arrows;  // which of those numbers are arrows

  Num X(Num u) const { return originX + unit * u / xStep; }
  Num Y(Num v) const { return originY - unit * v / yStep; }

  void Clear() { *this = Figure{}; }
  // How many strokes and grounds (other than `except` curve's) the ground
  // `g` would meet; 0 when it stands clear.
  // An axis's numbers stand on the axis and among the grid (withPlane false).
  int Conflicts(const InkBox& g, int except = -2, bool withGrounds = true,
                bool withPlane = true) const;
  // The distance from the box to the nearest stroke of curve `c`.
  Num DistanceToCurve(const InkBox& g, int c) const;
};

// The box grown by d on every side.
inline InkBox Grown(const InkBox& b, Num d) { return {b.x0 - d, b.y0 - d, b.x1 + d, b.y1 + d}; }
inline InkBox Moved(const InkBox& b, Num dx, Num dy) {
  return {b.x0 + dx, b.y0 + dy, b.x1 + dx, b.y1 + dy};
}
inline bool Overlap(const InkBox& a, const InkBox& b) {
  return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}
// Whether the segment from p to q comes into the box.
bool SegmentMeetsBox(ScreenPoint p, ScreenPoint q, const InkBox& b);

}  // namespace lessons
