// What a figure carries, and how far its ink stands from a box.
#include "framework/figure.h"

#include <algorithm>
#include <cmath>

namespace lessons {

namespace {
// A long polyline is kept in pieces of this many points, so that a box far
// from most of a curve passes over most of it at once.
constexpr size_t kPiecePoints = 24;

Num PointBoxDistance(Num x, Num y, const InkBox& b) {
  const Num dx = std::max({b.x0 - x, Num(0), x - b.x1}), dy = std::max({b.y0 - y, Num(0), y - b.y1});
  return std::sqrt(dx * dx + dy * dy);
}

Num PointSegmentDistance(Num x, Num y, ScreenPoint p, ScreenPoint q) {
  const Num dx = q.x - p.x, dy = q.y - p.y, l2 = dx * dx + dy * dy;
  Num t = l2 == 0 ? 0 : ((x - p.x) * dx + (y - p.y) * dy) / l2;
  t = std::clamp(t, Num(0), Num(1));
  const Num ex = p.x + t * dx - x, ey = p.y + t * dy - y;
  return std::sqrt(ex * ex + ey * ey);
}

Num SegmentBoxDistance(ScreenPoint p, ScreenPoint q, const InkBox& b) {
  if (SegmentMeetsBox(p, q, b)) return 0;
  return std::min({PointBoxDistance(p.x, p.y, b), PointBoxDistance(q.x, q.y, b),
                   PointSegmentDistance(b.x0, b.y0, p, q), PointSegmentDistance(b.x1, b.y0, p, q),
                   PointSegmentDistance(b.x0, b.y1, p, q), PointSegmentDistance(b.x1, b.y1, p, q)});
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

Num StrokeBoxDistance(const FigureStroke& s, const InkBox& b, Num limit) {
  if (s.points.size() == 1) return std::min(limit, SegmentBoxDistance(s.points[0], s.points[0], b) - s.half);
  // A segment whose own box stands further off than the nearest so far is
  // passed over.
  Num d = limit + s.half;
  for (size_t i = 1; i < s.points.size() && d > 0; ++i) {
    const ScreenPoint p = s.points[i - 1], q = s.points[i];
    const Num gx = std::max({b.x0 - std::max(p.x, q.x), Num(0), std::min(p.x, q.x) - b.x1});
    const Num gy = std::max({b.y0 - std::max(p.y, q.y), Num(0), std::min(p.y, q.y) - b.y1});
    if (gx >= d || gy >= d) continue;
    d = std::min(d, SegmentBoxDistance(p, q, b));
  }
  return d - s.half;
}

void Figure::Begin() {
  Figure next;
  next.area = area, next.texts = std::move(texts), next.pending = std::move(pending);
  next.xNumbersFrom = xNumbersFrom;
  *this = std::move(next);
  drawn = true;
}

void Figure::Wiped(const InkBox& box) {
  auto inside = [&](const InkBox& b) {
    return b.x0 >= box.x0 && b.x1 <= box.x1 && b.y0 >= box.y0 && b.y1 <= box.y1;
  };
  std::erase_if(texts, inside);
  std::erase_if(grounds, inside);
}

int Figure::NewPart(PartKind kind) {
  parts.push_back(kind);
  curves.resize(parts.size());
  return static_cast<int>(parts.size()) - 1;
}

void Figure::Carry(std::vector<ScreenPoint> points, Num half, int part, bool drawn) {
  if (points.empty()) return;
  for (size_t from = 0;;) {
    const size_t to = std::min(points.size(), from + kPiecePoints);
    FigureStroke s{{points.begin() + static_cast<long>(from), points.begin() + static_cast<long>(to)},
                   half, part, drawn, {}};
    InkBox b{s.points[0].x, s.points[0].y, s.points[0].x, s.points[0].y};
    for (const ScreenPoint& p : s.points)
      b = {std::min(b.x0, p.x), std::min(b.y0, p.y), std::max(b.x1, p.x), std::max(b.y1, p.y)};
    s.reach = Grown(b, half);
    strokes.push_back(std::move(s));
    if (to == points.size()) return;
    from = to - 1;  // the pieces share their ends
  }
}

}  // namespace lessons
