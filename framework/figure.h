// A figure: the plane that DrawCoordinatePlane drew, its mapping of values to
// the screen, and what it carries (curves, lines, arrows, dots and the
// grounds of its labels), those its screen will draw at later steps
// included. Lines are drawn whole; a label is placed where nothing of its
// figure crosses it (label_places.h).
#pragma once

#include <cmath>
#include <utility>
#include <vector>

#include "framework/basic.h"
#include "framework/figure_setups.h"
#include "framework/runtime/runtime.h"

namespace lessons {

struct ScreenPoint {
  Num x = 0, y = 0;
};

// The numbers of a figure's parts. Its curves, arrows and points are
// numbered from 0 in the order the figure first carries them; these name
// the rest.
inline constexpr int kLoosePart = -1;  // a line or dot that no label belongs to
inline constexpr int kAxesPart = -2;   // the plane's axes
inline constexpr int kEdgesPart = -3;  // the plane's outermost grid lines

enum class PartKind { kCurve, kArrow, kPoint };

// The margin of white a label's ground leaves around its text's cells.
inline constexpr Num kLabelMargin = 4;
// The width of the axes.
inline constexpr Num kAxisWidth = 4;
// How near a ground comes to a line `width` wide along `middle`, as the
// canvas lays both on pixels at scale 1: an odd width has its middle pixel
// at `middle`, an even one its middle between pixels. A ground is wiped
// with a pen a unit wide that the canvas widens by a unit over antialiased
// fringes, so it paints from the pixel before its first unit to the pixel
// after its last. The last unit a ground may reach before the line, and
// the first after it:
inline Num GroundEndBefore(Num middle, Num width) {
  const Num first = static_cast<int>(width) % 2 ? std::floor(middle) - (width - 1) / 2
                                                : std::round(middle) - width / 2;
  return first - 2;
}
inline Num GroundStartAfter(Num middle, Num width) {
  const Num last = static_cast<int>(width) % 2 ? std::floor(middle) + (width - 1) / 2
                                               : std::round(middle) + width / 2 - 1;
  return last + 2;
}

// A piece of the figure a label must keep clear of: a polyline (a run of a
// curve, a line, an arrow's shaft or a side of its head) at its pen's half
// width, or a dot. A long run is kept in pieces, each with its own reach.
struct FigureStroke {
  std::vector<ScreenPoint> points;
  Num half = 1;             // how far the ink reaches from the polyline
  int part = kLoosePart;    // the part it belongs to
  bool drawn = true;        // on the screen already (else to be drawn at a later step)
  InkBox reach;             // the box its ink lies in
};

struct Figure {
  bool drawn = false;  // a plane is on the screen
  // The mapping (X8, R, NO, XSTEP, GGX) and the edges (GY0, ZX, GY1, ZY).
  Num originX = 0, originY = 0, unit = 30, xStep = 1, yStep = 1;
  Num left = 0, top = 0, right = 0, bottom = 0;
  bool grid = false;  // it has grid lines (and so edges)
  // The values shown.
  Num xFrom = 0, xTo = 0, yFrom = 0, yTo = 0;
  std::vector<FigureStroke> strokes;
  std::vector<InkBox> grounds;     // its labels' grounds
  std::vector<PartKind> parts;     // by part number
  std::vector<GraphSetup> curves;  // the set-up of each curve part (others: unused)

  // Of the screen, kept from one plane to the next until the screen is
  // wiped: the area its wipe cleared (labels stay inside it) and the texts
  // and table cells written on it (labels keep clear of them).
  InkBox area;
  std::vector<InkBox> texts;

  // What the next plane will carry (its set-up's curves, lines, points and
  // arrows), taken when it is drawn.
  PlaneSetup pending;
  // The ground of the origin's "0"; how far from the origin the plane's
  // first x number stands.
  InkBox zeroGround;
  Num xNumbersFrom = 0;
  // The part a routine is drawing: the curve of DrawFunctionGraph, the arrow
  // of DrawArrow (kLoosePart: none), the point PlotLabelledPoint plotted
  // last; the run and rise of the last pair.
  int drawingCurve = kLoosePart, drawingArrow = kLoosePart, drawingPoint = kLoosePart;
  int runArrow = kLoosePart, riseArrow = kLoosePart;

  Num X(Num u) const { return originX + unit * u / xStep; }
  Num Y(Num v) const { return originY - unit * v / yStep; }

  // A new plane on the same screen.
  void Begin();
  // The screen wiped: nothing of it is kept.
  void Clear() { *this = Figure{}; }
  // A rectangle wiped: the texts and grounds inside it go.
  void Wiped(const InkBox& box);
  // A new part of this kind: its number.
  int NewPart(PartKind kind);
  // Carries a stroke (a long polyline in pieces).
  void Carry(std::vector<ScreenPoint> points, Num half, int part, bool drawn);
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
// How far the stroke's ink stands from the box (0 or less: it meets it), or
// `limit` when it stands no nearer than that.
Num StrokeBoxDistance(const FigureStroke& s, const InkBox& b, Num limit = 1e9f);
// The segments of an arrow from tail to head: its shaft, and the two sides
// of its open head (none when the ends are one point).
std::vector<std::pair<ScreenPoint, ScreenPoint>> ArrowSegments(ScreenPoint tail, ScreenPoint head,
                                                               Num headLength);

}  // namespace lessons
