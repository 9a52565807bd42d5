// What a figure carries and where its labels stand: each label on a white
// ground of its cells and a margin, at the place label_places.h chooses. The
// figure knows what its screen will draw at later steps (a plane's set-up
// names its curves, lines, points and arrows), so a label stands where it
// does from its first step; each of them, when drawn, is the one declared.
#include <algorithm>
#include <cmath>

#include "framework/figure_util.h"
#include "framework/fill_box.h"
#include "framework/label_places.h"
#include "framework/lesson.h"

namespace lessons {

namespace {
// Dots of a traced curve kept for placing labels (the curve is drawn with more).
constexpr int kPathSteps = 600;
// The length of an arrow's head.
constexpr Num kHeadLength = 16;

bool Near(ScreenPoint a, ScreenPoint b) { return std::fabs(a.x - b.x) + std::fabs(a.y - b.y) < 1; }

// The screen runs of a curve: the dots the trace would draw, split where the
// curve leaves the plane's top or bottom.
std::vector<std::vector<ScreenPoint>> CurveRuns(const Figure& f, const GraphSetup& s) {
  std::vector<std::vector<ScreenPoint>> runs(1);
  auto add = [&](Num x, Num y) {
    if (y < f.top || y > f.bottom) {
      if (!runs.back().empty()) runs.emplace_back();
      return;
    }
    runs.back().push_back({x, y});
  };
  const Num xs = s.xStep.value_or(f.xStep), ys = s.yStep.value_or(f.yStep);
  auto X = [&](Num u) { return f.originX + f.unit * u / xs; };
  auto Y = [&](Num v) { return f.originY - f.unit * v / ys; };
  if (s.form == GraphForm::kEquation && s.b == 0) {
    if (s.a == 0) return {};
    const Num x = X(s.c / s.a);
    return {{{x, Y(s.yFrom.value_or(f.yFrom))}, {x, Y(s.yTo.value_or(f.yTo))}}};
  }
  Num a = s.a, b = s.b;
  GraphForm form = s.form;
  if (form == GraphForm::kEquation) a = -s.a / s.b, b = s.c / s.b, form = GraphForm::kLine;
  const Num x0 = s.xFrom.value_or(f.xFrom), x1 = s.xTo.value_or(f.xTo);
  for (int i = 0; i <= kPathSteps; ++i) {
    Num x = x0 + (x1 - x0) * static_cast<Num>(i) / kPathSteps;
    if (form != GraphForm::kLine && x == 0) x = 0.002f;
    const Num y = form == GraphForm::kReciprocal ? a / x : form == GraphForm::kSquare ? a * x * x
                                                                                       : a * x + b;
    add(X(x), Y(y));
  }
  std::erase_if(runs, [](const auto& r) { return r.empty(); });
  return runs;
}

bool SameCurve(const GraphSetup& a, const GraphSetup& b) {
  return a.form == b.form && a.a == b.a && a.b == b.b && a.c == b.c && a.xFrom == b.xFrom &&
         a.xTo == b.xTo;
}
}  // namespace

std::vector<std::pair<ScreenPoint, ScreenPoint>> ArrowSegments(ScreenPoint tail, ScreenPoint head,
                                                               Num headLength) {
  std::vector<std::pair<ScreenPoint, ScreenPoint>> out{{tail, head}};
  const Num length = std::hypot(head.x - tail.x, head.y - tail.y);
  if (length == 0) return out;  // no direction: the shaft alone
  const Num dx = (head.x - tail.x) / length, dy = (head.y - tail.y) / length;
  const Num bx = head.x - headLength * dx, by = head.y - headLength * dy, half = headLength / 2;
  out.push_back({{bx + half * -dy, by + half * dx}, head});
  out.push_back({{bx - half * -dy, by - half * dx}, head});
  return out;
}

InkBox Lesson::LabelGroundBox(InkBox cells, InkBox ink) const { return GroundAt(figure, cells, ink); }

void Lesson::LabelGround(InkBox cells, InkBox ink) {
  if (cells.Empty()) return;
  const InkBox g = LabelGroundBox(cells, ink);
  if (g.Empty()) return;
  WipeExactly(rt, g.x0, g.y0, g.x1, g.y1);
  figure.grounds.push_back(g);
}

void Lesson::GroundedText(Num x, Num y, const std::string& text, int a, int b, int colour) {
  if (text.empty()) return;
  LabelGround(rt.TextCells(x, y, text, a, b), rt.TextInk(x, y, text, a, b));
  rt.DrawText(0, 0, x, y, text, a, b, colour);
}

ScreenPoint Lesson::PlacedText(Num x, Num y, const std::string& text, int a, int b, LabelKind kind,
                               const std::vector<ScreenPoint>& places) {
  const LabelPlace p = PlaceLabel(
      figure, {kind, rt.TextCells(x, y, text, a, b), kLoosePart, places, {}, rt.TextInk(x, y, text, a, b)});
  GroundedText(x + p.offset.x, y + p.offset.y, text, a, b, CInt(YMOTO));
  return p.offset;
}

void Lesson::PlaceFigureLabel(int ownPart) {
  if (KKAI_s.empty()) return;
  const Measured m = MeasureOf([&] { PrintMathText(); });
  const ScreenPoint d = PlaceLabel(figure, {LabelKind::kFigure, m.cells, ownPart, {}, {}, m.ink}).offset;
  DSM1 += d.x, DSM2 += d.y;
}

void Lesson::FigureLabel(int ownPart) {
  PlaceFigureLabel(ownPart);
  if (KKAI_s.empty()) PrintMathText();
  else OnGround([&] { PrintMathText(); });
}

void Lesson::BeginFigure() {
  figure.Begin();
  figure.originX = X8, figure.originY = R, figure.unit = NO;
  figure.xStep = XSTEP, figure.yStep = GGX;
  figure.left = GY0, figure.top = ZX, figure.right = GY1, figure.bottom = ZY;
  figure.grid = SIZE != 0;
  figure.xFrom = XI2 * XSTEP, figure.xTo = B3 * XSTEP, figure.yFrom = B4 * GGX, figure.yTo = X * GGX;
  // Its axes, and its edges when it has a grid.
  auto own = [&](Num x1, Num y1, Num x2, Num y2, Num half, int part) {
    figure.Carry({{x1, y1}, {x2, y2}}, half, part, true);
  };
  own(X8, ZX, X8, ZY, 2, kAxesPart), own(GY0, R, GY1, R, 2, kAxesPart);
  if (figure.grid) {  // the outermost grid lines, a unit wide, half a unit before the edges
    const Num top = ZX - 0.5f, bottom = ZY - 0.5f, left = GY0 - 0.5f, right = GY1 - 0.5f;
    own(left, top, right, top, 0.5f, kEdgesPart), own(left, bottom, right, bottom, 0.5f, kEdgesPart);
    own(left, top, left, bottom, 0.5f, kEdgesPart), own(right, top, right, bottom, 0.5f, kEdgesPart);
  }
  // What the figure will carry at later steps.
  const PlaneSetup later = std::move(figure.pending);
  figure.pending = {};
  for (const GraphSetup& c : later.curves) CarryCurve(c, false);
  for (const LineOnPlane& l : later.lines)
    figure.Carry({{figure.X(l.x1), figure.Y(l.y1)}, {figure.X(l.x2), figure.Y(l.y2)}}, l.width / 2,
                 kLoosePart, false);
  for (const PointSetup& p : later.points)
    figure.Carry({{figure.X(p.x), figure.Y(p.y)}}, p.radius,
                 p.radius >= 4 ? figure.NewPart(PartKind::kPoint) : kLoosePart, false);
  for (const ArrowOnPlane& a : later.arrows) {
    const int part = figure.NewPart(PartKind::kArrow);
    ScreenPoint p{figure.X(a.x1), figure.Y(a.y1)}, q{figure.X(a.x2), figure.Y(a.y2)};
    auto heads = [&](ScreenPoint tail, ScreenPoint head) {
      for (auto [s, e] : ArrowSegments(tail, head, kHeadLength))
        figure.Carry({s, e}, a.width / 2, part, false);
    };
    if (a.heads == ArrowHeads::kAtStart) std::swap(p, q);
    heads(p, q);
    if (a.heads == ArrowHeads::kAtBoth) heads(q, p);
  }
}

Lesson::AxisLabel Lesson::AxisText(Num x, Num y, const std::string& text, int a, int b) {
  return {rt.TextCells(x, y, text, a, b), rt.TextInk(x, y, text, a, b), [this, x, y, text, a, b](Num dx, Num dy) {
            rt.DrawText(0, 0, x + dx, y + dy, text, a, b, CInt(YMOTO));
          }};
}

void Lesson::PlaceAxisLabels(std::vector<AxisLabel>& labels, bool xAxis, const InkBox& beside) {
  // Each on its tick, at the place the figure leaves it; one that has none
  // is left out.
  std::vector<InkBox> sides[2];  // its grounds on either side of the axis
  std::vector<std::pair<size_t, ScreenPoint>> placed;
  const size_t known = figure.grounds.size();
  auto before = [&](const InkBox& g) {
    return xAxis ? g.y0 + g.y1 < 2 * figure.originY : g.x0 + g.x1 < 2 * figure.originX;
  };
  std::vector<Num> leftOut;  // where the numbers left out stand along the axis
  // Whether numbers were left out between two places along the axis: the
  // band reaches over the place of one (a line there would read as a minus
  // between its neighbours), not further.
  auto gapAt = [&](Num a, Num b) {
    return std::count_if(leftOut.begin(), leftOut.end(),
                         [&](Num t) { return t > std::min(a, b) && t < std::max(a, b); }) > 1;
  };
  std::vector<InkBox> band;  // the grounds of this axis's numbers, and the "0"'s
  if (!beside.Empty()) band.push_back(beside);
  for (size_t i = 0; i < labels.size(); ++i) {
    const LabelPlace p = PlaceLabel(figure, {xAxis ? LabelKind::kXNumber : LabelKind::kYNumber,
                                             labels[i].cells, kLoosePart, {}, band, labels[i].ink});
    if (p.broken) {
      const InkBox& c = labels[i].cells;
      leftOut.push_back(xAxis ? (c.x0 + c.x1) / 2 : (c.y0 + c.y1) / 2);
      continue;
    }
    placed.push_back({i, p.offset});
    if (p.ground.Empty()) continue;
    WipeExactly(rt, p.ground.x0, p.ground.y0, p.ground.x1, p.ground.y1);
    figure.grounds.push_back(p.ground);
    band.push_back(p.ground);
    sides[before(p.ground)].push_back(p.ground);
  }
  // What a band may not cover: a text already on the figure (the letter y),
  // or what is drawn of it (but the axes).
  auto blocked = [&](const InkBox& b) {
    for (size_t k = 0; k < known; ++k) {
      const InkBox& o = figure.grounds[k];
      if (!(o.x0 == beside.x0 && o.y0 == beside.y0) && Overlap(o, b)) return true;
    }
    for (const InkBox& t : figure.texts)
      if (Overlap(t, b)) return true;
    for (const FigureStroke& s : figure.strokes)
      if (s.drawn && s.part != kAxesPart && Overlap(s.reach, b) && StrokeBoxDistance(s, b, 0) < 0)
        return true;
    return false;
  };
  auto wipe = [&](const InkBox& g) {
    if (g.Empty() || blocked(g)) return false;
    WipeExactly(rt, g.x0, g.y0, g.x1, g.y1);
    figure.grounds.push_back(g);
    return true;
  };
  // The grounds on one side of the axis join into a band where they stand
  // in one row (the x axis's on each side of the y axis, the y axis's where
  // they stand nearer to each other than a label is high), so that no piece
  // of a line stands between two numbers; the origin's "0" joins it.
  for (auto& side : sides) {
    if (side.empty()) continue;
    if (!beside.Empty() && before(beside) == before(side[0])) side.push_back(beside);
    std::sort(side.begin(), side.end(),
              [&](const InkBox& a, const InkBox& b) { return xAxis ? a.x0 < b.x0 : a.y0 < b.y0; });
    if (xAxis) {
      // Up to the y axis on either side of it.
      const Num left = GroundEndBefore(figure.originX, kAxisWidth),
                right = GroundStartAfter(figure.originX, kAxisWidth);
      auto last = std::find_if(side.rbegin(), side.rend(), [&](const InkBox& g) { return g.x1 <= left; });
      auto first = std::find_if(side.begin(), side.end(), [&](const InkBox& g) { return g.x0 >= right; });
      if (last != side.rend() && last->x1 < left && !gapAt(last->x1, left))
        wipe({last->x1, last->y0, left, last->y1});
      if (first != side.end() && first->x0 > right && !gapAt(right, first->x0))
        wipe({right, first->y0, first->x0, first->y1});
    }
    // A piece of grid line between a ground and the plane's edge shorter
    // than half the label would read as a minus: the ground reaches the
    // edge, leaving the edge's line (a unit wide, before the edge; see
    // GroundAt). Out from the axis, and along the row at its ends.
    auto toEdge = [&](const InkBox& g, bool alongRow, bool low) {
      const bool level = xAxis != alongRow;  // the stub runs across the x axis's direction
      const Num across = (alongRow ? (xAxis ? g.x1 - g.x0 : g.y1 - g.y0)
                                   : (xAxis ? g.y1 - g.y0 : g.x1 - g.x0)) / 2;
      const Num lo = level ? figure.top : figure.left, hi = level ? figure.bottom : figure.right;
      const Num out = low ? (level ? g.y0 : g.x0) : (level ? g.y1 : g.x1);
      const Num edge = low ? GroundStartAfter(lo - 0.5f, 1) : GroundEndBefore(hi - 0.5f, 1);
      if (std::fabs(edge - out) >= across || (low ? out <= edge : out >= edge)) return;
      InkBox stub = g;
      (level ? (low ? stub.y1 : stub.y0) : (low ? stub.x1 : stub.x0)) = out;
      (level ? (low ? stub.y0 : stub.y1) : (low ? stub.x0 : stub.x1)) = edge;
      wipe(stub);
    };
    if (figure.grid) {
      for (const InkBox& g : side)
        if (!(g.x0 == beside.x0 && g.y0 == beside.y0)) toEdge(g, false, before(g));
      toEdge(side.front(), true, true);
      toEdge(side.back(), true, false);
    }
    for (size_t i = 1; i < side.size(); ++i) {
      const InkBox &p = side[i - 1], &g = side[i];
      // (In one row: most of the lower one's height side by side.)
      const bool row = xAxis ? std::min(p.y1, g.y1) - std::max(p.y0, g.y0) >
                                   std::min(p.y1 - p.y0, g.y1 - g.y0) / 2
                             : std::fabs(p.x1 - g.x1) < 1;
      // (Along the x axis as high as both, so that it takes no room from
      // what stands above or below the lower one.)
      const InkBox gap = xAxis ? InkBox{p.x1, std::max(p.y0, g.y0), g.x0, std::min(p.y1, g.y1)}
                               : InkBox{std::min(p.x0, g.x0), p.y1, std::max(p.x1, g.x1), g.y0};
      const Num room = xAxis ? std::min(p.x1 - p.x0, g.x1 - g.x0) : std::min(p.y1 - p.y0, g.y1 - g.y0);
      const bool across = xAxis ? gapAt(p.x1, g.x0) : gapAt(p.y1, g.y0);
      if (!row || across || gap.Empty() || (!xAxis && gap.y1 - gap.y0 >= room) || !wipe(gap)) continue;
      if (xAxis && gap.x0 < figure.originX && gap.x1 > figure.originX) {
        // A band across the y axis: the axis is drawn again over it, inside the plane.
        const Num y0 = std::max(gap.y0, figure.top), y1 = std::min(gap.y1, figure.bottom);
        if (y0 >= y1) continue;
        const ScopedPenWidth pen(rt, kAxisWidth);
        PlainLine(rt, figure.originX, y0, figure.originX, y1, 0);
      }
    }
  }
  for (auto [i, d] : placed) labels[i].draw(d.x, d.y);
}

int Lesson::CarryCurve(const GraphSetup& s, bool drawn) {
  // A curve the figure already carries keeps its number.
  for (size_t i = 0; i < figure.parts.size(); ++i)
    if (figure.parts[i] == PartKind::kCurve && SameCurve(figure.curves[i], s)) {
      if (drawn)
        for (FigureStroke& k : figure.strokes)
          if (k.part == static_cast<int>(i)) k.drawn = true;
      return static_cast<int>(i);
    }
  const int n = figure.NewPart(PartKind::kCurve);
  figure.curves[static_cast<size_t>(n)] = s;
  const Num half = 1 + static_cast<Num>(std::max(rt.GetDrawWidth(0), 5)) / 2;
  for (auto& run : CurveRuns(figure, s)) figure.Carry(std::move(run), half, n, drawn);
  return n;
}

void Lesson::CarryLine(Num x1, Num y1, Num x2, Num y2, Num width) {
  // The line declared with the same ends (either way round) is this one.
  const ScreenPoint p{x1, y1}, q{x2, y2};
  for (FigureStroke& s : figure.strokes)
    if (s.points.size() == 2 && s.part != kAxesPart && s.part != kEdgesPart &&
        ((Near(s.points[0], p) && Near(s.points[1], q)) || (Near(s.points[0], q) && Near(s.points[1], p)))) {
      s.drawn = true;
      if (figure.drawingArrow != kLoosePart) s.part = figure.drawingArrow;
      return;
    }
  figure.Carry({p, q}, width / 2, figure.drawingArrow, true);
}

int Lesson::CarryPoint(Num x, Num y, Num radius) {
  for (FigureStroke& s : figure.strokes)
    if (s.points.size() == 1 && !s.drawn && Near(s.points[0], {x, y}) && s.half == radius)
      return s.part;
  const int part = radius >= 4 ? figure.NewPart(PartKind::kPoint) : kLoosePart;
  figure.Carry({{x, y}}, radius, part, false);
  return part;
}

void Lesson::PointDrawn(Num x, Num y, Num radius) {
  for (FigureStroke& s : figure.strokes)
    if (s.points.size() == 1 && !s.drawn && Near(s.points[0], {x, y}) && s.half == radius) {
      s.drawn = true;
      return;
    }
}

int Lesson::ArrowPart(Num x1, Num y1, Num x2, Num y2) {
  const ScreenPoint p{x1, y1}, q{x2, y2};
  for (const FigureStroke& s : figure.strokes)
    if (s.points.size() == 2 && s.part >= 0 && figure.parts[static_cast<size_t>(s.part)] == PartKind::kArrow &&
        ((Near(s.points[0], p) && Near(s.points[1], q)) || (Near(s.points[0], q) && Near(s.points[1], p))))
      return s.part;
  return figure.NewPart(PartKind::kArrow);
}

}  // namespace lessons
