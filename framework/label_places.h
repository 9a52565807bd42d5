// Where a label of a figure stands. A label stands with what it labels, and
// nothing crosses it: of the places its kind allows, those that break none
// of the rules below are kept, and of them the one of least cost is taken.
//
// The rules, for every label:
// - nothing of the figure crosses its text, now or at a later step of the
//   screen (the figure carries what is still to come);
// - its ground (its cells and a margin) covers nothing already drawn, no
//   edge of the plane, no other label's ground and no text or table cell
//   written beside the figure;
// - it stands inside the area its screen's wipe cleared, and out of the
//   band where the prompts are written and wiped;
// and for a figure's label (of a curve, an arrow or a point), it stands
// nearer to its own part than to any other part of that kind.
//
// The places: an axis number's along its own tick line, on either side of
// the axis and outwards from it (never along the axis); the origin's "0" in
// one of the four cells around the origin; an axis letter's as its caller
// lists them; a figure label's within its reach of its own place.
//
// This is a pure function of the figure, the label and the weights.
#pragma once

#include <vector>

#include "framework/figure.h"

namespace lessons {

enum class LabelKind {
  kXNumber,  // a number of the x axis, its cells at its tick
  kYNumber,  // a number of the y axis
  kOrigin,   // the origin's "0", its cells beside the origin
  kLetter,   // a letter of an axis, at one of the places its query lists
  kFigure,   // the label of a curve, an arrow or a point, or a text by the figure
};

// The costs that choose among the places that break no rule.
struct PlaceWeights {
  Num perUnitAway = 0.25f;  // each unit from its own place
  Num underLater = 10;      // its margin under a curve or line drawn at a later step
  Num crowded = 10;         // nearer to another label along its row than a space
  Num acrossAxis = 40;      // on the other side of an axis than its own place
  Num perUnitNarrow = 1;    // each unit of white less than a margin between it and the nearest ink
  Num perPlaceLater = 10;   // a letter or the "0": each place further down its list
  Num numberOtherSide = 5;  // an axis number on the other side of its axis
  Num perUnitOut = 1;       // an axis number: each unit out along its tick line (then on either side)
};

// How far a figure's label may move from its own place.
inline constexpr Num kFigureLabelReach = 60;
// How far an axis number may move out along its tick line beyond the place
// where its margin clears the axis.
inline constexpr Num kNumberReach = 12;

struct LabelQuery {
  LabelKind kind = LabelKind::kFigure;
  InkBox cells;                     // its cells at its own place
  int own = kLoosePart;             // the part it labels (kFigure)
  std::vector<ScreenPoint> places{};  // kLetter: the offsets it may take, in order
  // The grounds of the labels it may stand in one band with (its axis's
  // numbers, the "0"): its ground may meet theirs, its cells not.
  std::vector<InkBox> band{};
  // Its ink there (empty: its cells). What crosses its cells but not its
  // ink only crosses its margin.
  InkBox ink{};
};

struct LabelPlace {
  ScreenPoint offset;  // from its own place
  InkBox ground;       // its ground there
  int broken = 0;      // how many rules it breaks there (0: a clear place)
};

// The ground of a label with these cells and this ink (empty: its cells):
// the cells and a margin, reaching no further than the plane's axes and
// edge lines on the side of its ink.
InkBox GroundAt(const Figure& f, const InkBox& cells, const InkBox& ink = {});

// The place for the label: the clear place of least cost; where there is
// none, the one that breaks fewest rules, then of least cost.
LabelPlace PlaceLabel(const Figure& f, const LabelQuery& q, const PlaceWeights& w = {});

// The band at the foot of the screen where the prompts, the sub-menu line
// and the number entry are written and wiped.
inline const InkBox kPromptBand[] = {
    {0, 657, 992, 720}, {96, 639, 400, 675}, {992, 639, 1232, 670}};

}  // namespace lessons
