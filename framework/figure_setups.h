// Typed set-ups for the four figures every program draws: a coordinate
// plane, a labelled point, a function graph and a text box. Each struct names
// the program variables its routine reads; the matching Lesson call (Plane,
// Point, Graph, TextBox) sets them and runs the routine, which leaves its
// results in the program variables as before.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/basic.h"
#include "framework/runtime/runtime.h"

namespace lessons {

// A straight line or arrow the figure will carry, in the plane's values.
struct LineOnPlane {
  Num x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Num width = 5;
};

// Where an arrow has its heads.
enum class ArrowHeads { kAtEnd, kAtStart, kAtBoth };

// An arrow the figure will carry, in the plane's values: its shaft from the
// first point to the second, its heads (16 long) as ArrowBetween draws them.
struct ArrowOnPlane {
  Num x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  ArrowHeads heads = ArrowHeads::kAtEnd;
  Num width = 5;
};

// PlotLabelledPoint: a dot at the value (x, y) of the plane in force.
struct PointSetup {
  Num x = 0, y = 0;  // KAKUDAI, SENTAKU
  Num radius = 6;  // DOTRADIUS
  int colour = 0;  // TKAI2: the dot and its label
  std::string label{};  // ZY0$: empty for none
  Num dx = 0, dy = 0;  // JYOU, LABELDY: the label's offsets
  // XSTEP, GGX: unset takes the plane's steps.
  std::optional<Num> xStep{}, yStep{};
};

// DrawFunctionGraph's forms (MUKI).
enum class GraphForm : int {
  kReciprocal = 1,  // y = a / x
  kSquare = 2,      // y = a x²
  kLine = 3,        // y = a x + b
  kEquation = 4,    // a x + b y = c
};

// DrawFunctionGraph on the plane in force.
struct GraphSetup {
  GraphForm form = GraphForm::kSquare;  // MUKI
  Num a = 1;  // AA
  Num b = 0;  // ZX1: set for kLine and kEquation only
  Num c = 0;  // R1B: set for kEquation only
  int colour = 0;  // TKAI2: the curve and its label
  std::string label{};  // ZY0$: empty for none, at the last dot drawn
  Num dx = 0, dy = 0;  // JYOU, LABELDY: the label's offsets
  // XI2, B3: the x values traced; unset, the plane's x values.
  std::optional<Num> xFrom{}, xTo{};
  // B4, X: the y values of a vertical line (kEquation with b = 0); unset,
  // the plane's.
  std::optional<Num> yFrom{}, yTo{};
  // XSTEP, GGX: unset takes the plane's steps. The graph leaves both 1.
  std::optional<Num> xStep{}, yStep{};
};

// DrawCoordinatePlane, then DrawDecimalAxisLabels when value labels are asked for.
struct PlaneSetup {
  Num left = 0, top = 0;  // A41, I: the top left corner; both 0 gives (640, 180)
  Num xFrom = 0, xTo = 0;  // XI2, B3: the x values shown
  Num yFrom = 0, yTo = 0;  // B4, X: the y values shown
  Num xStep = 1, yStep = 1;  // XSTEP, GGX: value per grid step
  Num unit = 30;  // NO: screen units per grid step, on both axes
  bool grid = true;  // SIZE: grid lines (1), or the axes and their letters only (0)
  bool numbers = true;  // N: index numbers on the heavy lines (0), or none (-1)
  // BB1, BB2: DrawDecimalAxisLabels writes a value on every labelEveryX-th x
  // and every labelEveryY-th y grid line; 0 (both) draws no value labels.
  Num labelEveryX = 0, labelEveryY = 0;
  // What the figure will carry at its later steps: its labels keep clear of
  // these from the first step. Each is drawn later by the call that takes
  // the same set-up (Graph, Point, ArrowBetween, a line of the figure).
  std::vector<GraphSetup> curves{};
  std::vector<LineOnPlane> lines{};
  std::vector<PointSetup> points{};
  std::vector<ArrowOnPlane> arrows{};
};

// DrawTextBox and DrawTextBoxAround. The defaults are a table cell's.
struct BoxSetup {
  Num x = 0, y = 0;  // DSM1, DSM2: the box's top left (TextBoxAround: the text line's top)
  Num width = 0;  // TANI
  Num height = 50;  // GX0
  int border = 0;  // SIZE
  int fill = 15;  // TKAI2
  int textColour = 0;  // YMOTO
  std::string text{};  // A$
  Num dx = 0, dy = 0;  // CCC2, CCC3: the text's extra offsets (TextBox only)
};

// Sets the pen width of window 0 for the life of the object and puts the
// width it found back when it goes out of scope.
class ScopedPenWidth {
 public:
  ScopedPenWidth(Runtime& runtime, int width) : rt_(runtime), saved_(runtime.GetDrawWidth(0)) {
    rt_.SetDrawWidth(0, width);
  }
  ~ScopedPenWidth() { rt_.SetDrawWidth(0, saved_); }
  ScopedPenWidth(const ScopedPenWidth&) = delete;
  ScopedPenWidth& operator=(const ScopedPenWidth&) = delete;

 private:
  Runtime& rt_;
  int saved_;
};

}  // namespace lessons
