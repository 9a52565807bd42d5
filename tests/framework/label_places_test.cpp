// The placing unit on figures built by hand: one row per rule and per cost.
#include "framework/label_places.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace lessons {
namespace {

// A plane with its origin at (500, 300), 40 a unit, x and y from -5 to 5,
// its axes and (with a grid) its edges; the screen's area 1320 by 1300.
Figure PlaneFigure(bool grid = false) {
  Figure f;
  f.drawn = true, f.grid = grid;
  f.originX = 500, f.originY = 300, f.unit = 40;
  f.left = 300, f.top = 100, f.right = 700, f.bottom = 500;
  f.area = {0, 0, 1320, 1300};
  f.Carry({{500, 100}, {500, 500}}, 2, kAxesPart, true);
  f.Carry({{300, 300}, {700, 300}}, 2, kAxesPart, true);
  if (grid)
    for (auto [a, b] : {std::pair<ScreenPoint, ScreenPoint>{{300, 100}, {700, 100}},
                        {{300, 500}, {700, 500}}, {{300, 100}, {300, 500}}, {{700, 100}, {700, 500}}})
      f.Carry({a, b}, 1.5f, kEdgesPart, true);
  return f;
}

void Line(Figure& f, ScreenPoint a, ScreenPoint b, bool drawn = true, int part = kLoosePart) {
  f.Carry({a, b}, 2.5f, part, drawn);
}

// A label 30 by 26 whose own place is at (x, y).
InkBox Cells(Num x, Num y) { return {x, y, x + 30, y + 26}; }

struct Row {
  const char* rule;
  std::function<void(Figure&, LabelQuery&)> scene;
  std::function<bool(const LabelPlace&)> expect;
};

bool Stays(const LabelPlace& p) { return p.broken == 0 && p.offset.x == 0 && p.offset.y == 0; }
bool Moves(const LabelPlace& p) {
  return p.broken == 0 && std::hypot(p.offset.x, p.offset.y) > 0 &&
         std::hypot(p.offset.x, p.offset.y) <= kFigureLabelReach;
}

const Row kRows[] = {
    {"a clear place is kept", [](Figure&, LabelQuery&) {}, Stays},
    {"a line drawn later through its text",
     [](Figure& f, LabelQuery&) { Line(f, {560, 150}, {640, 150}, false); }, Moves},
    {"its ground over a line drawn already",
     [](Figure& f, LabelQuery&) { Line(f, {560, 145}, {640, 145}); }, Moves},
    {"its ground over the plane's edge",
     [](Figure& f, LabelQuery& q) {
       f = PlaneFigure(true);
       q.cells = Cells(600, 104);
     },
     [](const LabelPlace& p) { return p.broken == 0 && p.offset.y > 0; }},
    {"over another label's ground",
     [](Figure& f, LabelQuery&) { f.grounds.push_back({590, 150, 640, 180}); }, Moves},
    {"over a text or table cell of the screen",
     [](Figure& f, LabelQuery&) { f.texts.push_back({560, 100, 700, 150}); }, Moves},
    {"outside the screen's wiped area",
     [](Figure& f, LabelQuery&) { f.area = {0, 0, 620, 1300}; },
     [](const LabelPlace& p) { return Moves(p) && p.offset.x <= -10; }},
    {"in the prompt band",
     [](Figure&, LabelQuery& q) { q.cells = Cells(600, 650); },
     [](const LabelPlace& p) { return Moves(p) && p.offset.y <= -19; }},
    {"nearer another curve than its own",
     [](Figure& f, LabelQuery& q) {
       q.own = f.NewPart(PartKind::kCurve);
       Line(f, {560, 230}, {700, 230}, true, q.own);
       Line(f, {560, 140}, {700, 140}, true, f.NewPart(PartKind::kCurve));
     },
     [](const LabelPlace& p) { return Moves(p) && p.offset.y > 0; }},
    {"nearer another arrow than its own",
     [](Figure& f, LabelQuery& q) {
       q.own = f.NewPart(PartKind::kArrow);
       Line(f, {560, 260}, {700, 260}, true, q.own);
       Line(f, {640, 130}, {640, 280}, true, f.NewPart(PartKind::kArrow));
     },
     [](const LabelPlace& p) { return Moves(p) && p.offset.y > 0; }},
    {"no clear place within reach: the one that breaks least",
     [](Figure& f, LabelQuery&) { f.texts.push_back({400, 40, 800, 280}); },
     [](const LabelPlace& p) { return p.broken > 0; }},
    // Costs: what is still clear is chosen by them.
    {"its margin under a line drawn later: a little away",
     [](Figure& f, LabelQuery&) { Line(f, {560, 178}, {700, 178}, false); },
     [](const LabelPlace& p) { return Moves(p) && p.offset.y <= -3 && p.offset.y >= -12; }},
    {"nearer another label along its row than a space: a little away",
     [](Figure& f, LabelQuery&) { f.grounds.push_back({635, 146, 680, 180}); },
     [](const LabelPlace& p) { return Moves(p) && p.offset.x < 0; }},
    {"a line drawn close beside it: away, for the widest margin",
     [](Figure& f, LabelQuery&) { Line(f, {560, 184}, {700, 184}); },
     [](const LabelPlace& p) { return Moves(p) && p.offset.y < 0; }},
    {"across an axis from its own place costs more than moving further on its side",
     [](Figure& f, LabelQuery& q) {
       q.cells = Cells(505, 150);
       f.texts.push_back({503, 100, 700, 190});
     },
     [](const LabelPlace& p) { return Moves(p) && p.offset.y >= 44 && p.offset.x > -5; }},
};

TEST(LabelPlaces, EachRuleMovesALabelAndEachCostChoosesAmongTheRest) {
  for (const Row& row : kRows) {
    Figure f = PlaneFigure();
    LabelQuery q{LabelKind::kFigure, Cells(600, 150)};
    row.scene(f, q);
    const LabelPlace p = PlaceLabel(f, q);
    EXPECT_TRUE(row.expect(p)) << row.rule << ": offset (" << p.offset.x << ", " << p.offset.y
                               << "), broken " << p.broken;
  }
}

// An axis number stays on its tick: on its own side, on the other, then out
// along its tick line; left out (broken) where none is clear.
TEST(LabelPlaces, AxisNumbersMoveOnlyAlongTheirTickLines) {
  struct NumberRow {
    const char* what;
    LabelKind kind;
    InkBox cells;  // its own place
    std::vector<std::pair<ScreenPoint, ScreenPoint>> later;
    Num dx, dy;  // the offset expected (NAN: any, but on the tick line)
    bool leftOut;
  } rows[] = {
      {"x number clear below", LabelKind::kXNumber, {572, 304, 588, 330}, {}, 0, 3, false},
      {"x number crossed below: above", LabelKind::kXNumber, {572, 304, 588, 330},
       {{{560, 320}, {600, 320}}}, 0, -37, false},
      {"x number crossed on both sides: further out", LabelKind::kXNumber, {572, 304, 588, 330},
       {{{560, 309}, {600, 309}}, {{560, 290}, {600, 290}}}, 0, NAN, false},
      {"x number crossed along its whole tick line: left out", LabelKind::kXNumber,
       {572, 304, 588, 330}, {{{580, 200}, {580, 400}}}, 0, NAN, true},
      {"y number crossed left: right", LabelKind::kYNumber, {474, 247, 490, 273},
       {{{480, 240}, {480, 280}}}, 36, 0, false},
  };
  for (const NumberRow& r : rows) {
    Figure f = PlaneFigure();
    for (auto [a, b] : r.later) Line(f, a, b, false);
    const LabelPlace p = PlaceLabel(f, {r.kind, r.cells});
    EXPECT_EQ(p.broken > 0, r.leftOut) << r.what;
    if (r.leftOut) continue;
    const Num along = r.kind == LabelKind::kXNumber ? p.offset.x : p.offset.y;
    const Num across = r.kind == LabelKind::kXNumber ? p.offset.y : p.offset.x;
    EXPECT_EQ(along, 0) << r.what;
    if (!std::isnan(r.dx + r.dy)) EXPECT_EQ(across, r.kind == LabelKind::kXNumber ? r.dy : r.dx) << r.what;
    else EXPECT_TRUE(across > 3 || across < -37) << r.what << ": " << across;
  }
}

// The "0" in the first clear one of the four cells around the origin; a
// letter at the first clear one of its places.
TEST(LabelPlaces, OriginAndLettersTakeTheirFirstClearPlace) {
  Figure f = PlaneFigure();
  const InkBox zero{474, 300, 500, 326};  // below left of the origin
  EXPECT_EQ(PlaceLabel(f, {LabelKind::kOrigin, zero}).offset.x, -7);  // its margin clear of the y axis
  Line(f, {460, 310}, {495, 340}, false);  // a curve through its cell
  const LabelPlace p = PlaceLabel(f, {LabelKind::kOrigin, zero});
  EXPECT_EQ(p.broken, 0);
  EXPECT_TRUE(p.offset.y < 0 || p.offset.x > 0) << p.offset.x << ", " << p.offset.y;
  EXPECT_LE(std::fabs(p.offset.x), 2 * f.unit);
  EXPECT_LE(std::fabs(p.offset.y), 2 * f.unit);

  LabelQuery letter{LabelKind::kLetter, Cells(660, 250), kLoosePart, {{0, 0}, {50, 30}, {0, 60}}};
  Line(f, {650, 260}, {700, 260}, false);
  EXPECT_EQ(PlaceLabel(f, letter).offset.x, 50);
}

}  // namespace
}  // namespace lessons
