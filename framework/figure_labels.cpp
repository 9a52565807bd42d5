// Where a figure's labels stand: each on a white ground of its cells and a
// margin, at the place where least of the figure crosses it (the plane's own
// numbers and letters at the first clear one of a few). The figure knows its curves before its labels are placed (a plane's
// set-up names the curves and lines it will carry), so a label stands where
// it does from its first step.
#include <algorithm>
#include <cmath>

#include "framework/figure_util.h"
#include "framework/fill_box.h"
#include "framework/lesson.h"

namespace lessons {

namespace {
// How near a ground comes to an axis: the axis's half width and two units.
constexpr Num kAxisClearance = 4;
// Dots of a traced curve kept for placing labels (the curve is drawn with more).
constexpr int kPathSteps = 600;

Num SegmentBoxDistance(ScreenPoint p, ScreenPoint q, const InkBox& b) {
  if (SegmentMeetsBox(p, q, b)) return 0;
  auto pointBox = [&](Num x, Num y) {
    const Num dx = std::max({b.x0 - x, Num(0), x - b.x1}), dy = std::max({b.y0 - y, Num(0), y - b.y1});
    return std::sqrt(dx * dx + dy * dy);
  };
  auto pointSegment = [&](Num x, Num y) {
    const Num dx = q.x - p.x, dy = q.y - p.y, l2 = dx * dx + dy * dy;
    Num t = l2 == 0 ? 0 : ((x - p.x) * dx + (y - p.y) * dy) / l2;
    t = std::clamp(t, Num(0), Num(1));
    const Num ex = p.x + t * dx - x, ey = p.y + t * dy - y;
    return std::sqrt(ex * ex + ey * ey);
  };
  return std::min({pointBox(p.x, p.y), pointBox(q.x, q.y), pointSegment(b.x0, b.y0),
                   pointSegment(b.x1, b.y0), pointSegment(b.x0, b.y1), pointSegment(b.x1, b.y1)});
}

Num StrokeBoxDistance(const FigureStroke& s, const InkBox& b) {
  Num d = 1e9f;
  if (s.points.size() == 1) return SegmentBoxDistance(s.points[0], s.points[0], b) - s.half;
  for (size_t i = 1; i < s.points.size(); ++i)
    d = std::min(d, SegmentBoxDistance(s.points[i - 1], s.points[i], b));
  return d - s.half;
}
}  // namespace

bool SegmentMeetsBox(ScreenPoint p, ScreenPoint q, const InkBox& b) {
  Num t0 = 0, t1 = 1;
  const Num dx = q.x - p.x, dy = q.y - p.y;
  const Num ps[4] = {-dx, dx, -dy, dy}, qs[4] = {p.x - b.x0, b.x1 - p.x, p.y - b.y0, b.y1 - p.y};
  for (int i = 0; i < 4; ++i) {
    if (ps[i] == 0) {
      if (qs[i] < 0) return false;
      continue;
    }
    const Num t = qs[i] / ps[i];
    if (ps[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  return true;
}

int Figure::Conflicts(const InkBox& g, int except, bool withGrounds, bool withPlane) const {
  int n = 0;
  for (const FigureStroke& s : strokes)
    if ((s.curve != except || except == -2) && (withPlane || (s.curve != kFrame && s.curve != kEdge)))
      if (StrokeBoxDistance(s, g) < 0) ++n;
  if (withGrounds)
    for (const InkBox& o : grounds)
      if (Overlap(o, g)) ++n;
  return n;
}

Num Figure::DistanceToCurve(const InkBox& g, int c) const {
  Num d = 1e9f;
  for (const FigureStroke& s : strokes)
    if (s.curve == c) d = std::min(d, StrokeBoxDistance(s, g));
  return d;
}

InkBox Lesson::LabelGroundBox(InkBox cells) const {
  InkBox g = Grown(cells, kLabelMargin);
  if (!figure.drawn) return g;
  // A ground that would reach over an axis stops short of it on the label's side.
  const Num c = kAxisClearance, x8 = figure.originX, r = figure.originY;
  const bool left = cells.x0 + cells.x1 < 2 * x8, above = cells.y0 + cells.y1 < 2 * r;
  if (g.x0 < x8 + c && g.x1 > x8 - c && g.y1 > figure.top && g.y0 < figure.bottom) {
    if (left) g.x1 = std::min(g.x1, x8 - c);
    else g.x0 = std::max(g.x0, x8 + c);
  }
  if (g.y0 < r + c && g.y1 > r - c && g.x1 > figure.left && g.x0 < figure.right) {
    if (above) g.y1 = std::min(g.y1, r - c);
    else g.y0 = std::max(g.y0, r + c);
  }
  return g;
}

void Lesson::LabelGround(InkBox cells) {
  if (cells.Empty()) return;
  const InkBox g = LabelGroundBox(cells);
  if (g.Empty()) return;
  WipeExactly(rt, g.x0, g.y0, g.x1, g.y1);
  figure.grounds.push_back(g);
}

void Lesson::GroundedText(Num x, Num y, const std::string& text, int a, int b, int colour) {
  if (text.empty()) return;
  LabelGround(rt.TextCells(x, y, text, a, b));
  rt.DrawText(0, 0, x, y, text, a, b, colour);
}

size_t Lesson::FirstClearPlace(const InkBox& cells, const std::vector<ScreenPoint>& places) const {
  size_t best = 0;
  int fewest = 1 << 30;
  for (size_t i = 0; i < places.size(); ++i) {
    const InkBox at = Moved(cells, places[i].x, places[i].y);
    int n = figure.Conflicts(LabelGroundBox(at), -2, false, false);
    if (n > 0) n += 10 * figure.Conflicts(at, -2, false, false);
    if (n == 0) return i;
    if (n < fewest) fewest = n, best = i;
  }
  return best;
}

size_t Lesson::LeastCostPlace(const InkBox& cells, const std::vector<ScreenPoint>& places,
                              int ownCurve) const {
  // Its text crossed, or its ground over what is drawn, costs most; then
  // lying over another label or across an axis from its own place; then its
  // nearer curve not being its own; then its margin crossed, or standing
  // nearer to another label than a space; and every unit it moves a little,
  // so that it stays by what it labels rather than going far to be clear.
  const InkBox own = Moved(cells, places[0].x, places[0].y);
  auto side = [&](const InkBox& b) {
    return std::pair(b.x0 + b.x1 < 2 * figure.originX, b.y0 + b.y1 < 2 * figure.originY);
  };
  const Num apart = std::max(Num(0), 0.6f * (cells.y1 - cells.y0) - 2 * kLabelMargin);
  // Each stroke's reach, to pass over those nowhere near a place.
  std::vector<InkBox> reach;
  for (const FigureStroke& s : figure.strokes) {
    InkBox b{1e9f, 1e9f, -1e9f, -1e9f};
    for (const ScreenPoint& p : s.points)
      b = {std::min(b.x0, p.x), std::min(b.y0, p.y), std::max(b.x1, p.x), std::max(b.y1, p.y)};
    reach.push_back(Grown(b, s.half + 1));
  }
  size_t best = 0;
  Num least = 1e30f;
  for (size_t i = 0; i < places.size(); ++i) {
    const InkBox at = Moved(cells, places[i].x, places[i].y);
    const InkBox g = Grown(at, kLabelMargin);
    // The cheap costs first: a place that costs more already is passed over.
    Num cost = std::hypot(places[i].x - places[0].x, places[i].y - places[0].y) / 4;
    // Inside the area the screen wiped, so that the next screen's wipe takes it.
    if (!screenArea_.Empty() &&
        (at.x1 > screenArea_.x1 || at.y1 > screenArea_.y1 || at.x0 < 0 || at.y0 < 0))
      cost += 1000;
    if (figure.drawn && i > 0) {
      const auto [l0, a0] = side(own);
      const auto [l1, a1] = side(at);
      if (l0 != l1) cost += 100;
      if (a0 != a1) cost += 100;
    }
    const InkBox wide{g.x0 - apart, g.y0, g.x1 + apart, g.y1};
    for (const InkBox& o : figure.grounds) cost += Overlap(o, g) ? 100 : Overlap(o, wide) ? 10 : 0;
    // A ground over what is drawn already would cut it (more than the edge
    // of its ink); a plane's edge cut reads better than a label far away.
    for (size_t k = 0; k < figure.strokes.size() && cost < least; ++k) {
      const FigureStroke& s = figure.strokes[k];
      if (!Overlap(reach[k], g) || StrokeBoxDistance(s, g) >= 0) continue;
      if (s.drawn && s.curve == kEdge) cost += 100;
      else if (s.drawn) cost += StrokeBoxDistance(s, Grown(at, kLabelMargin - 0.5f)) < 0 ? 1000 : 10;
      else cost += StrokeBoxDistance(s, at) < 0 ? 1000 : 10;  // to be drawn over it
    }
    if (ownCurve >= 0 && cost < least) {
      // Nearer to its own curve (arrow) than to any other curve (arrow).
      auto arrow = [&](int c) { return c < static_cast<int>(figure.arrows.size()) && figure.arrows[c]; };
      const Num mine = figure.DistanceToCurve(g, ownCurve);
      for (int c = 0; c < figure.curves && cost < least; ++c)
        if (c != ownCurve && arrow(c) == arrow(ownCurve) && figure.DistanceToCurve(g, c) < mine)
          cost += 50;
    }
    if (cost < least) least = cost, best = i;
  }
  return best;
}

std::vector<ScreenPoint> Lesson::NearbyPlaces() {
  std::vector<ScreenPoint> places{{0, 0}};
  for (Num r : {6.0f, 12.0f, 18.0f, 26.0f, 36.0f, 48.0f, 64.0f, 80.0f, 100.0f, 128.0f, 160.0f})
    for (ScreenPoint d : {ScreenPoint{1, 0}, {0, 1}, {-1, 0}, {0, -1}, {1, 1}, {-1, 1}, {1, -1},
                          {-1, -1}, {1, 0.5f}, {0.5f, 1}, {-0.5f, 1}, {-1, 0.5f}, {-1, -0.5f},
                          {-0.5f, -1}, {0.5f, -1}, {1, -0.5f}})
      places.push_back({d.x * r, d.y * r});
  return places;
}

namespace {
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
}  // namespace

void Lesson::BeginFigure() {
  figure.Clear();
  carried_.clear();
  figure.drawn = true;
  figure.originX = X8, figure.originY = R, figure.unit = NO;
  figure.xStep = XSTEP, figure.yStep = GGX;
  figure.left = GY0, figure.top = ZX, figure.right = GY1, figure.bottom = ZY;
  figure.xFrom = XI2 * XSTEP, figure.xTo = B3 * XSTEP, figure.yFrom = B4 * GGX, figure.yTo = X * GGX;
  // Its axes, and its edges when it has a grid.
  auto own = [&](Num x1, Num y1, Num x2, Num y2, Num half, int id) {
    figure.strokes.push_back({{{x1, y1}, {x2, y2}}, half, id});
  };
  own(X8, ZX, X8, ZY, 2, kFrame), own(GY0, R, GY1, R, 2, kFrame);
  if (SIZE != 0) {
    own(GY0, ZX, GY1, ZX, 1.5f, kEdge), own(GY0, ZY, GY1, ZY, 1.5f, kEdge);
    own(GY0, ZX, GY0, ZY, 1.5f, kEdge), own(GY1, ZX, GY1, ZY, 1.5f, kEdge);
  }
  // What the figure will carry, so that its labels stand clear of it.
  const size_t frame = figure.strokes.size();
  for (const GraphSetup& c : declaredCurves_) CarryCurve(c);
  for (const LineOnPlane& l : declaredLines_)
    CarryLine(figure.X(l.x1), figure.Y(l.y1), figure.X(l.x2), figure.Y(l.y2), l.width);
  for (size_t i = frame; i < figure.strokes.size(); ++i) figure.strokes[i].drawn = false;
  declaredCurves_.clear();
  declaredLines_.clear();
}

Lesson::AxisLabel Lesson::AxisText(Num x, Num y, const std::string& text, int a, int b) {
  return {rt.TextCells(x, y, text, a, b), [this, x, y, text, a, b](Num dx, Num dy) {
            rt.DrawText(0, 0, x + dx, y + dy, text, a, b, CInt(YMOTO));
          }};
}

void Lesson::PlaceAxisLabels(std::vector<AxisLabel>& labels, bool xAxis, const InkBox& beside) {
  // Each on its own side of the axis, or on the other where something of the
  // figure would cross it there and nothing would on the other.
  std::vector<InkBox> grounds[2];
  std::vector<ScreenPoint> at;
  // A band or a ground drawn out to the axis or an edge stops short of the
  // figure's texts already there (the letter y at the top of the axis).
  const size_t known = figure.grounds.size();
  auto overText = [&](const InkBox& b) {
    for (size_t k = 0; k < known; ++k) {
      const InkBox& o = figure.grounds[k];
      if (!(o.x0 == beside.x0 && o.y0 == beside.y0) && Overlap(o, b)) return true;
    }
    return false;
  };
  for (const AxisLabel& l : labels) {
    // Its ground's margin clear of the axis, then its mirror image in the axis.
    const ScreenPoint off = AwayFromAxes(l.cells, xAxis, !xAxis);
    const InkBox c = Moved(l.cells, off.x, off.y);
    const ScreenPoint other = xAxis ? ScreenPoint{0, 2 * figure.originY - c.y0 - c.y1}
                                    : ScreenPoint{2 * figure.originX - c.x0 - c.x1, 0};
    // Where both sides are crossed, beside its tick on either side of it
    // (clear of the labels before it).
    const Num w = c.x1 - c.x0, h = c.y1 - c.y0;
    // (so far that its ground clears a line of width 4 at the tick)
    const Num sx = xAxis ? w / 2 + kLabelMargin + 3 : 0, sy = xAxis ? 0 : h / 2 + kLabelMargin + 3;
    const ScreenPoint places[] = {{0, 0},        other,           {sx, sy},
                                  {-sx, -sy},    {other.x + sx, other.y + sy},
                                  {other.x - sx, other.y - sy}};
    std::vector<InkBox> before(figure.grounds.begin(), figure.grounds.begin() + known);
    before.insert(before.end(), grounds[0].begin(), grounds[0].end());
    before.insert(before.end(), grounds[1].begin(), grounds[1].end());
    // Away from its own place, as far from the labels there as a space reads
    // (the origin's "0" beside "-1" would read "-10").
    const Num apart = std::max(Num(0), 0.6f * h - 2 * kLabelMargin);
    auto crowds = [&](const InkBox& g) {
      const InkBox wide = xAxis ? InkBox{g.x0 - apart, g.y0, g.x1 + apart, g.y1}
                                : InkBox{g.x0, g.y0 - apart, g.x1, g.y1 + apart};
      return static_cast<int>(std::count_if(before.begin(), before.end(),
                                            [&](const InkBox& o) { return Overlap(o, wide); }));
    };
    const bool crossedOwn = figure.Conflicts(c, -2, false, false) > 0;
    const InkBox mirror = Moved(c, other.x, other.y);
    const bool crossedBoth =
        crossedOwn && (figure.Conflicts(mirror, -2, false, false) > 0 || crowds(LabelGroundBox(mirror)) > 0);
    size_t best = 0;
    int fewest = 1 << 30;
    for (size_t i = 0; i < std::size(places) && fewest > 0; ++i) {
      // Beside its tick only where its text itself would be crossed on both
      // sides (not merely its ground's margin).
      if (i >= 2 && !crossedBoth) break;
      const InkBox g = LabelGroundBox(Moved(c, places[i].x, places[i].y));
      int n = figure.Conflicts(g, -2, false, false);
      if (i >= 1) n += crowds(g);
      if (n < fewest) fewest = n, best = i;
    }
    const ScreenPoint d = places[best];
    const bool mirrored = best == 1 || best >= 4;
    at.push_back({off.x + d.x, off.y + d.y});
    grounds[mirrored].push_back(LabelGroundBox(Moved(l.cells, at.back().x, at.back().y)));
  }
  // The grounds of one side join into a band (the x axis's on each side of
  // the y axis, the y axis's where they stand nearer to each other than a
  // label is high), so no piece of a line stands between two numbers. A
  // label already there (the origin's "0") joins the band too.
  for (auto& side : grounds) {
    std::erase_if(side, [](const InkBox& g) { return g.Empty(); });
    if (beside.Empty() || side.empty() ||
        (xAxis ? (beside.y0 + beside.y1 < 2 * figure.originY) !=
                     (side[0].y0 + side[0].y1 < 2 * figure.originY)
               : (beside.x0 + beside.x1 < 2 * figure.originX) !=
                     (side[0].x0 + side[0].x1 < 2 * figure.originX)))
      ;
    else
      side.push_back(beside);
    std::sort(side.begin(), side.end(), [&](const InkBox& a, const InkBox& b) {
      return xAxis ? a.x0 < b.x0 : a.y0 < b.y0;
    });
    // The band on either side of the y axis reaches up to it.
    if (xAxis && !side.empty()) {
      const Num left = figure.originX - kAxisClearance, right = figure.originX + kAxisClearance;
      auto last = std::find_if(side.rbegin(), side.rend(), [&](const InkBox& g) { return g.x1 <= left; });
      auto first = std::find_if(side.begin(), side.end(), [&](const InkBox& g) { return g.x0 >= right; });
      if (last != side.rend() && !(last->x0 == beside.x0 && last->y0 == beside.y0) &&
          !overText({last->x0, last->y0, left, last->y1}))
        last->x1 = left;
      if (first != side.end() && !(first->x0 == beside.x0 && first->y0 == beside.y0) &&
          !overText({right, first->y0, first->x1, first->y1}))
        first->x0 = right;
    }
    // A piece of grid line between a ground and the plane's edge shorter
    // than half the label would read as a minus: the ground reaches the edge.
    // (On the label's own side of the axis, and not over another label.)
    if (SIZE != 0)
      for (InkBox& g : side) {
        if (&g == &beside || (g.x0 == beside.x0 && g.y0 == beside.y0)) continue;
        const Num across = (xAxis ? g.x1 - g.x0 : g.y1 - g.y0) / 2;  // as long as a minus
        const bool before = xAxis ? g.y0 + g.y1 < 2 * figure.originY : g.x0 + g.x1 < 2 * figure.originX;
        InkBox e = g;
        Num& out = before ? (xAxis ? e.y0 : e.x0) : (xAxis ? e.y1 : e.x1);
        const Num edge = before ? (xAxis ? figure.top : figure.left) + 1
                                : (xAxis ? figure.bottom : figure.right) - 1;
        if (std::fabs(edge - out) >= across || (before ? out <= edge : out >= edge)) continue;
        out = edge;
        if (!overText(e)) g = e;
      }
    for (size_t i = 0; i < side.size(); ++i) {
      const InkBox& g = side[i];
      const bool drawn = &g == &beside || (g.x0 == beside.x0 && g.y0 == beside.y0 &&
                                           g.x1 == beside.x1 && g.y1 == beside.y1);
      if (!drawn) {
        WipeExactly(rt, g.x0, g.y0, g.x1, g.y1);
        figure.grounds.push_back(g);
      }
      if (i == 0) continue;
      const InkBox& p = side[i - 1];
      const InkBox gap = xAxis ? InkBox{p.x1, std::min(p.y0, g.y0), g.x0, std::max(p.y1, g.y1)}
                               : InkBox{std::min(p.x0, g.x0), p.y1, std::max(p.x1, g.x1), g.y0};
      const Num room = xAxis ? std::min(p.x1 - p.x0, g.x1 - g.x0) : std::min(p.y1 - p.y0, g.y1 - g.y0);
      if (gap.Empty() || (!xAxis && gap.y1 - gap.y0 >= room) || overText(gap)) continue;
      WipeExactly(rt, gap.x0, gap.y0, gap.x1, gap.y1);
      if (xAxis && gap.x0 < figure.originX && gap.x1 > figure.originX) {
        // A band across the y axis: the axis is drawn again over it.
        const int width = rt.GetDrawWidth(0);
        rt.SetDrawWidth(0, 4);
        PlainLine(rt, figure.originX, gap.y0, figure.originX, gap.y1, 0);
        rt.SetDrawWidth(0, width);
      }
      figure.grounds.push_back(gap);
    }
  }
  for (size_t i = 0; i < labels.size(); ++i) labels[i].draw(at[i].x, at[i].y);
}

ScreenPoint Lesson::AwayFromAxes(const InkBox& cells, bool xAxis, bool yAxis) const {
  // The axes are 4 wide: a ground's margin stops a unit short of them.
  const Num clear = 2 + 1 + kLabelMargin;
  ScreenPoint d;
  const Num x8 = figure.originX, r = figure.originY;
  if (yAxis) {
    if (cells.x0 + cells.x1 < 2 * x8) d.x = std::min(Num(0), x8 - clear - cells.x1);
    else d.x = std::max(Num(0), x8 + clear - cells.x0);
  }
  if (xAxis) {
    if (cells.y0 + cells.y1 > 2 * r) d.y = std::max(Num(0), r + clear - cells.y0);
    else d.y = std::min(Num(0), r - clear - cells.y1);
  }
  return d;
}

std::vector<ScreenPoint> Lesson::Quadrants(const InkBox& cells) const {
  // The cells moved clear of both axes, then mirrored in either or both.
  const ScreenPoint d = AwayFromAxes(cells, true, true);
  const InkBox c = Moved(cells, d.x, d.y);
  const Num mx = 2 * figure.originX - c.x0 - c.x1, my = 2 * figure.originY - c.y0 - c.y1;
  // Nearest first; then each further out from the origin, for a dot or
  // curves at the origin itself.
  const bool left = c.x0 + c.x1 < 2 * figure.originX, above = c.y0 + c.y1 < 2 * figure.originY;
  std::vector<ScreenPoint> places;
  auto add = [&](Num ox, Num oy) {
    if (left) ox = -ox;
    if (above) oy = -oy;
    places.insert(places.end(), {{d.x + ox, d.y + oy},
                                 {d.x + ox, d.y + my - oy},
                                 {d.x + mx - ox, d.y + oy},
                                 {d.x + mx - ox, d.y + my - oy}});
  };
  for (Num out : {0.0f, 8.0f, 16.0f}) add(out, out);
  return places;
}

size_t Lesson::PlacedText(Num x, Num y, const std::string& text, int a, int b,
                          const std::vector<ScreenPoint>& places) {
  const InkBox cells = rt.TextCells(x, y, text, a, b);
  const size_t i = FirstClearPlace(cells, places);
  GroundedText(x + places[i].x, y + places[i].y, text, a, b, CInt(YMOTO));
  return i;
}

void Lesson::PlaceFigureLabel(int ownCurve) {
  if (KKAI_s.empty()) return;
  const InkBox cells = CellsOf([&] { PrintMathText(); });
  const std::vector<ScreenPoint> places = NearbyPlaces();
  const ScreenPoint d = places[LeastCostPlace(cells, places, ownCurve)];
  DSM1 += d.x, DSM2 += d.y;
}

void Lesson::FigureLabel(int ownCurve) {
  PlaceFigureLabel(ownCurve);
  if (KKAI_s.empty()) PrintMathText();
  else OnGround([&] { PrintMathText(); });
}

int Lesson::CarryCurve(const GraphSetup& s) {
  // A curve the figure already carries keeps its number.
  for (size_t i = 0; i < carried_.size(); ++i) {
    const GraphSetup& c = carried_[i];
    if (c.form == s.form && c.a == s.a && c.b == s.b && c.c == s.c && c.xFrom == s.xFrom &&
        c.xTo == s.xTo) {
      for (FigureStroke& k : figure.strokes)
        if (k.curve == static_cast<int>(i)) k.drawn = true;
      return static_cast<int>(i);
    }
  }
  const int n = figure.curves++;
  carried_.push_back(s);
  const Num half = 1 + static_cast<Num>(std::max(rt.GetDrawWidth(0), 5)) / 2;
  for (auto& run : CurveRuns(figure, s)) figure.strokes.push_back({std::move(run), half, n});
  return n;
}

void Lesson::CarryLine(Num x1, Num y1, Num x2, Num y2, Num width) {
  figure.strokes.push_back({{{x1, y1}, {x2, y2}}, width / 2, lineOwner_});
}

}  // namespace lessons
