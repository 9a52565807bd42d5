// Where a label of a figure stands: the places its kind allows, the rules
// that rule places out, and the costs among the rest (label_places.h).
#include "framework/label_places.h"

#include <algorithm>
#include <cmath>

namespace lessons {

namespace {

// A place and what it costs before the figure is looked at: how far it moves
// and how far down its list it stands.
struct Candidate {
  ScreenPoint offset;
  Num cost = 0;
  bool across = false;  // an axis number on the other side of its axis
};

// How far the cells must move so that their ground's margin clears the axis
// (the x axis, or else the y axis) on their own side: the axes are 4 wide.
Num AwayFromAxis(const Figure& f, const InkBox& c, bool xAxis) {
  const Num clear = 2 + 1 + kLabelMargin;
  if (xAxis) {
    const Num r = f.originY;
    return c.y0 + c.y1 > 2 * r ? std::max(Num(0), r + clear - c.y0) : std::min(Num(0), r - clear - c.y1);
  }
  const Num x8 = f.originX;
  return c.x0 + c.x1 < 2 * x8 ? std::min(Num(0), x8 - clear - c.x1) : std::max(Num(0), x8 + clear - c.x0);
}

// An axis number's places: clear of its axis on its own side, on the other
// side, then further out on either, along its tick line.
void NumberPlaces(const Figure& f, const LabelQuery& q, const PlaceWeights& w,
                  std::vector<Candidate>& out) {
  const bool xAxis = q.kind == LabelKind::kXNumber;
  const Num d = AwayFromAxis(f, q.cells, xAxis);
  const InkBox c = xAxis ? Moved(q.cells, 0, d) : Moved(q.cells, d, 0);
  const Num mirror = xAxis ? 2 * f.originY - c.y0 - c.y1 : 2 * f.originX - c.x0 - c.x1;
  const Num outward = mirror < 0 ? 1 : -1;  // away from the axis on its own side
  auto add = [&](Num along, Num cost, bool across) {
    out.push_back({xAxis ? ScreenPoint{0, along} : ScreenPoint{along, 0}, cost, across});
  };
  for (Num out = 0; out <= kNumberReach; out += 4) {
    const Num beyond = out == 0 ? 0 : w.numberOtherSide + w.perUnitOut * out;
    add(d + outward * out, beyond, false);
    add(d + mirror - outward * out, w.numberOtherSide + beyond, true);
  }
}

// The origin's "0": clear of both axes in its own quadrant, mirrored in the
// x axis, in the y axis and in both; each then out from the origin, while
// its nearer corner stays within a cell of it.
void OriginPlaces(const Figure& f, const LabelQuery& q, const PlaceWeights& w,
                  std::vector<Candidate>& out) {
  const ScreenPoint d{AwayFromAxis(f, q.cells, false), AwayFromAxis(f, q.cells, true)};
  const InkBox c = Moved(q.cells, d.x, d.y);
  const Num mx = 2 * f.originX - c.x0 - c.x1, my = 2 * f.originY - c.y0 - c.y1;
  const Num sx = mx < 0 ? 1 : -1, sy = my < 0 ? 1 : -1;  // outwards in its own quadrant
  const Num furthest = std::max(Num(0), f.unit - (2 + 1 + kLabelMargin));
  // Along the x axis no nearer to its first number than three labels' height.
  const Num furthestX =
      std::clamp(f.xNumbersFrom - 3 * (q.cells.y1 - q.cells.y0), Num(0), furthest);
  const ScreenPoint quadrants[] = {{0, 0}, {0, my}, {mx, 0}, {mx, my}};
  // (From 4 units nearer the x axis, its ground short of it, for a row
  // below or above the axis too low for the "0" and its margin.)
  for (size_t k = 0; k < 4; ++k)
    for (Num ox = 0; ox <= furthestX; ox += 4)
      for (Num oy = -4; oy <= furthest; oy += 4) {
        const Num fx = quadrants[k].x == 0 ? sx : -sx, fy = quadrants[k].y == 0 ? sy : -sy;
        out.push_back({{d.x + quadrants[k].x + fx * ox, d.y + quadrants[k].y + fy * oy},
                       w.perPlaceLater * static_cast<Num>(k) + w.perUnitAway * (std::fabs(ox) + std::fabs(oy))});
      }
}

// A figure label's: its own place, then rings around it out to its reach.
void FigurePlaces(const PlaceWeights& w, std::vector<Candidate>& out) {
  out.push_back({{0, 0}, 0});
  for (Num r : {3.0f, 6.0f, 9.0f, 12.0f, 16.0f, 20.0f, 25.0f, 30.0f, 36.0f, 42.0f, 48.0f, 54.0f,
                kFigureLabelReach})
    for (int k = 0; k < 16; ++k) {
      const Num a = static_cast<Num>(k) * 3.14159265f / 8;
      out.push_back({{r * std::cos(a), r * std::sin(a)}, w.perUnitAway * r});
    }
}

// The gap between two boxes (0 when they meet).
Num BoxGap(const InkBox& a, const InkBox& b) {
  const Num dx = std::max({a.x0 - b.x1, Num(0), b.x0 - a.x1});
  const Num dy = std::max({a.y0 - b.y1, Num(0), b.y0 - a.y1});
  return std::sqrt(dx * dx + dy * dy);
}

// Whether the ground covers more of the stroke than the edge of its ink
// (half a unit), or its middle.
bool Covers(const FigureStroke& s, const InkBox& ground) {
  const Num d = StrokeBoxDistance(s, ground, 0);
  return d < -0.5f || d <= -s.half;
}

bool Inside(const InkBox& b, const InkBox& area) {
  return b.x0 >= area.x0 && b.y0 >= area.y0 && b.x1 <= area.x1 && b.y1 <= area.y1;
}

}  // namespace

InkBox GroundAt(const Figure& f, const InkBox& cells, const InkBox& inkOrEmpty) {
  InkBox g = Grown(cells, kLabelMargin);
  if (!f.drawn) return g;
  const InkBox& ink = inkOrEmpty.Empty() ? cells : inkOrEmpty;
  const Num x8 = f.originX, r = f.originY;
  const bool left = ink.x0 + ink.x1 < 2 * x8, above = ink.y0 + ink.y1 < 2 * r;
  auto clear = [](Num& lo, Num& hi, Num middle, Num width, bool before) {
    const Num end = GroundEndBefore(middle, width), start = GroundStartAfter(middle, width);
    if (lo >= start || hi <= end) return;
    if (before) hi = std::min(hi, end);
    else lo = std::max(lo, start);
  };
  if (g.y1 > f.top && g.y0 < f.bottom) clear(g.x0, g.x1, x8, kAxisWidth, left);
  if (g.x1 > f.left && g.x0 < f.right) clear(g.y0, g.y1, r, kAxisWidth, above);
  // So does one that would reach over an edge of the plane, up to its line
  // (a unit wide, just before the edge): from inside, or from outside where
  // its ink stands clear of the ends of the grid lines there.
  if (f.grid) {
    constexpr Num kClearOfEnds = 5;  // (a heavy grid line ends 1.5 beyond the edge)
    auto clip = [&](Num& lo, Num& hi, Num inkLo, Num inkHi, Num edge, bool insideHigh) {
      const Num end = GroundEndBefore(edge - 0.5f, 1), start = GroundStartAfter(edge - 0.5f, 1);
      if (lo >= start || hi <= end) return;
      if (inkHi <= edge - 1 - (insideHigh ? kClearOfEnds : 0)) hi = std::min(hi, end);
      else if (inkLo >= edge + (insideHigh ? 0 : kClearOfEnds)) lo = std::max(lo, start);
    };
    if (g.x1 > f.left && g.x0 < f.right) {
      clip(g.y0, g.y1, ink.y0, ink.y1, f.top, true);
      clip(g.y0, g.y1, ink.y0, ink.y1, f.bottom, false);
    }
    if (g.y1 > f.top && g.y0 < f.bottom) {
      clip(g.x0, g.x1, ink.x0, ink.x1, f.left, true);
      clip(g.x0, g.x1, ink.x0, ink.x1, f.right, false);
    }
  }
  return g;
}

LabelPlace PlaceLabel(const Figure& f, const LabelQuery& q, const PlaceWeights& w) {
  std::vector<Candidate> places;
  switch (q.kind) {
    case LabelKind::kXNumber:
    case LabelKind::kYNumber: NumberPlaces(f, q, w, places); break;
    case LabelKind::kOrigin: OriginPlaces(f, q, w, places); break;
    case LabelKind::kLetter:
      for (size_t i = 0; i < q.places.size(); ++i)
        places.push_back({q.places[i], w.perPlaceLater * static_cast<Num>(i)});
      break;
    case LabelKind::kFigure: FigurePlaces(w, places); break;
  }
  std::stable_sort(places.begin(), places.end(),
                   [](const Candidate& a, const Candidate& b) { return a.cost < b.cost; });

  const bool number = q.kind == LabelKind::kXNumber || q.kind == LabelKind::kYNumber ||
                      q.kind == LabelKind::kOrigin;
  const Num height = q.cells.y1 - q.cells.y0;
  // Nearer to another label along its row than this reads as a space (0.6
  // of its height between the inks, which stand about 3 units inside their
  // cells).
  const Num apart = std::max(Num(0), 0.6f * height - 2 * kLabelMargin - 6);
  auto side = [&](const InkBox& b) {
    return std::pair(b.x0 + b.x1 < 2 * f.originX, b.y0 + b.y1 < 2 * f.originY);
  };
  const auto ownSide = side(q.cells);
  const int own = q.own;
  const bool owned = own >= 0 && own < static_cast<int>(f.parts.size());

  // What of the figure comes near any of the places, and the parts of the
  // same kind as its own, looked at once rather than at every place.
  const Num around = std::max(2 * kLabelMargin, height);  // (a point beside a number across its axis)
  InkBox region = Grown(q.cells, around);
  for (const Candidate& p : places)
    region = region.Joined(Grown(Moved(q.cells, p.offset.x, p.offset.y), around));
  std::vector<const FigureStroke*> nearby, kin;
  for (const FigureStroke& s : f.strokes) {
    if (Overlap(s.reach, region)) nearby.push_back(&s);
    if (owned && s.part >= 0 && f.parts[static_cast<size_t>(s.part)] == f.parts[static_cast<size_t>(own)])
      kin.push_back(&s);
  }
  auto distance = [&](const InkBox& box, int part, Num within) {
    Num d = within;
    for (const FigureStroke* s : kin)
      if (s->part == part && BoxGap(s->reach, box) < d) d = std::min(d, StrokeBoxDistance(*s, box, d));
    return d;
  };

  LabelPlace best;
  best.broken = 1 << 30;
  Num least = 1e30f;
  for (const Candidate& p : places) {
    // Places come cheapest first: once a clear place is found, none that
    // costs more before the figure is looked at can win.
    if (best.broken == 0 && p.cost >= least) break;
    const InkBox at = Moved(q.cells, p.offset.x, p.offset.y);
    const InkBox atInk = q.ink.Empty() ? at : Moved(q.ink, p.offset.x, p.offset.y);
    const InkBox g = GroundAt(f, at, atInk);
    int broken = 0;
    Num cost = p.cost;
    if ((!f.area.Empty() && !Inside(at, f.area)) ||
        std::any_of(std::begin(kPromptBand), std::end(kPromptBand),
                    [&](const InkBox& band) { return Overlap(band, at); }))
      ++broken;
    if (q.kind == LabelKind::kFigure && f.drawn && side(at) != ownSide) cost += w.acrossAxis;
    // An axis number across its axis beside a point of the figure would read
    // as the point's label.
    if (p.across)
      for (const FigureStroke* s : nearby)
        if (s->part >= 0 && f.parts[static_cast<size_t>(s->part)] == PartKind::kPoint &&
            Overlap(s->reach, Grown(atInk, height))) {
          ++broken;
          break;
        }
    // Beside another label in one row (most of the lower one's height side
    // by side) and nearer than a space.
    auto crowds = [&](const InkBox& o) {
      const InkBox c = Grown(o, -kLabelMargin);
      return Overlap(o, {g.x0 - apart, g.y0, g.x1 + apart, g.y1}) &&
             std::min(c.y1, at.y1) - std::max(c.y0, at.y0) >= std::min(c.y1 - c.y0, height) / 2;
    };
    for (const InkBox& o : f.grounds) {
      const bool mate = std::any_of(q.band.begin(), q.band.end(), [&](const InkBox& b) {
        return b.x0 == o.x0 && b.y0 == o.y0 && b.x1 == o.x1 && b.y1 == o.y1;
      });
      const InkBox other = mate ? Grown(o, -kLabelMargin) : o, mine = mate ? at : g;
      // Nearer to another label along its row than a space reads as one
      // text with it; to a number of its own row, narrowed to keep apart,
      // it only costs.
      if (Overlap(other, mine)) ++broken;
      else if (crowds(o)) mate ? cost += w.crowded : ++broken;
    }
    for (const InkBox& t : f.texts)
      if (Overlap(t, g)) ++broken;
    if (broken > best.broken || (broken == best.broken && cost >= least)) continue;
    // What is drawn, or will be: through its text, under its ground (more
    // than the edge of its ink), beside it.
    Num nearest = 2 * kLabelMargin;
    const InkBox beside = Grown(at, 2 * kLabelMargin);
    for (const FigureStroke* k : nearby) {
      const FigureStroke& s = *k;
      if (!Overlap(s.reach, beside)) continue;
      const bool axis = s.part == kAxesPart;
      const Num d = StrokeBoxDistance(s, atInk, 2 * kLabelMargin);
      if (d < 0) {
        ++broken;  // through its text
      } else if (s.drawn && !axis && Overlap(s.reach, g) && Covers(s, g)) {
        ++broken;  // its ground would cut what is drawn
      } else if (!s.drawn && d < kLabelMargin) {
        cost += w.underLater;
      }
      if (!(number && axis)) nearest = std::min(nearest, d);
    }
    cost += w.perUnitNarrow * (2 * kLabelMargin - std::max(Num(0), nearest));
    if (owned && broken <= best.broken) {
      // Nearer to its own part than to any other of its kind.
      const Num mine = distance(at, own, 1e9f);
      for (int c = 0; c < static_cast<int>(f.parts.size()); ++c)
        if (c != own && f.parts[c] == f.parts[own] && distance(at, c, mine) < mine) {
          ++broken;
          break;
        }
    }
    if (broken < best.broken || (broken == best.broken && cost < least)) {
      best = {p.offset, g, broken};
      least = cost;
    }
  }
  return best;
}

}  // namespace lessons
