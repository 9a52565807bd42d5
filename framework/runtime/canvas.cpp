#include "framework/runtime/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "framework/basic.h"
#include "framework/runtime/fonts.h"
#include "framework/runtime/palette.h"

namespace lessons {

namespace {

// Coordinates are kept within this many logical units of the origin before
// they reach Cairo (whose fixed-point coordinates overflow far out); nothing
// beyond it can be visible.
constexpr double kFar = 100000;

bool Finite(double v) { return std::isfinite(v); }

// Clips the segment to the square of half-side kFar; false when nothing of
// it lies inside (Cohen-Sutherland: a clipped end is set exactly onto the
// border, so even ends at 1e30 keep the segment's direction).
bool ClipFar(double& x1, double& y1, double& x2, double& y2) {
  auto code = [](double x, double y) {
    return (x < -kFar) | (x > kFar) << 1 | (y < -kFar) << 2 | (y > kFar) << 3;
  };
  int c1 = code(x1, y1), c2 = code(x2, y2);
  while (c1 | c2) {
    if (c1 & c2) return false;
    int c = c1 ? c1 : c2;
    double x, y;
    if (c & 1) x = -kFar, y = y1 + (y2 - y1) * ((x - x1) / (x2 - x1));
    else if (c & 2) x = kFar, y = y1 + (y2 - y1) * ((x - x1) / (x2 - x1));
    else if (c & 4) y = -kFar, x = x1 + (x2 - x1) * ((y - y1) / (y2 - y1));
    else y = kFar, x = x1 + (x2 - x1) * ((y - y1) / (y2 - y1));
    if (c == c1) x1 = x, y1 = y, c1 = code(x, y);
    else x2 = x, y2 = y, c2 = code(x, y);
  }
  return true;
}

double ClampFar(double v) { return std::clamp(v, -kFar, kFar); }

double PenWidth(double width) { return width >= 1 ? width : 1; }

// A width rounded to whole device pixels (at least one).
double WholePixels(double width, double scale) {
  return static_cast<double>(std::max(1L, std::lround(width * scale))) / scale;
}

}  // namespace

int Canvas::PixelWidthAt(double pixelScale) {
  return static_cast<int>(std::lround(kWidth * (pixelScale > 0 ? pixelScale : 1)));
}
int Canvas::PixelHeightAt(double pixelScale) {
  return static_cast<int>(std::lround(kHeight * (pixelScale > 0 ? pixelScale : 1)));
}

namespace {
cairo_surface_t* MakeSurface(int width, int height, PixelMemory memory) {
  if (memory.data)
    return cairo_image_surface_create_for_data(memory.data, CAIRO_FORMAT_RGB24, width, height,
                                               memory.stride);
  return cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
}
}  // namespace

Canvas::Canvas(double pixelScale, PixelMemory memory)
    : scale_(pixelScale > 0 ? pixelScale : 1),
      pixelWidth_(PixelWidthAt(scale_)),
      pixelHeight_(PixelHeightAt(scale_)),
      lent_(memory.data != nullptr) {
  surface_ = MakeSurface(pixelWidth_, pixelHeight_, memory);
  Setup();
  Clear(kColourWhite);
}

void Canvas::Setup() {
  cr_ = cairo_create(surface_);
  cairo_scale(cr_, scale_, scale_);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr_, options);
  cairo_font_options_destroy(options);
}

void Canvas::Rebind(double pixelScale, PixelMemory memory, bool carryPicture) {
  if (!(pixelScale > 0)) return;
  if (pixelScale == scale_ && !memory.data && !lent_ && carryPicture) return;
  cairo_surface_t* old = surface_;
  double ratio = pixelScale / scale_;
  scale_ = pixelScale;
  pixelWidth_ = PixelWidthAt(scale_);
  pixelHeight_ = PixelHeightAt(scale_);
  lent_ = memory.data != nullptr;
  surface_ = MakeSurface(pixelWidth_, pixelHeight_, memory);
  cairo_t* copy = cairo_create(surface_);
  cairo_set_operator(copy, CAIRO_OPERATOR_SOURCE);
  if (carryPicture) {
    cairo_surface_flush(old);
    if (ratio != 1) cairo_scale(copy, ratio, ratio);
    cairo_set_source_surface(copy, old, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(copy), ratio == 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(copy), CAIRO_EXTEND_PAD);
  } else {
    Rgb white = PaletteColour(kColourWhite);
    cairo_set_source_rgb(copy, white.r / 255.0, white.g / 255.0, white.b / 255.0);
  }
  cairo_paint(copy);
  cairo_destroy(copy);
  cairo_surface_flush(surface_);
  cairo_destroy(cr_);
  cairo_surface_destroy(old);
  Setup();
  tileHashes_.clear();
  tileState_.clear();
  damage_.clear();
  uniform_ = -1;
  ClearStamps();
}

Canvas::~Canvas() {
  ClearStamps();
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

// Figures are erased by drawing them again in the background colour: such a
// stroke is one pixel wider on each side so that it also covers the
// antialiased fringe of the figure it erases.
double Canvas::StrokeWidth(double width, int colour) const {
  width = PenWidth(width);
  return PaletteIndex(colour) == kColourWhite ? width + 2 / scale_ : width;
}

void Canvas::SetColour(int colour) {
  Rgb c = PaletteColour(colour);
  cairo_set_source_rgb(cr_, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

// Fills the current path when `filled`, then strokes it (round caps).
void Canvas::FillAndStroke(bool filled, int fillColour, int colour, double width,
                           cairo_line_join_t join) {
  if (filled) {
    SetColour(fillColour);
    cairo_fill_preserve(cr_);
  }
  SetColour(colour);
  cairo_set_line_width(cr_, width);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, join);
  cairo_stroke(cr_);
}

void Canvas::MarkDirty(double x0, double y0, double x1, double y1, double margin) {
  uniform_ = -1;
  if (x0 > x1) std::swap(x0, x1);
  if (y0 > y1) std::swap(y0, y1);
  auto px = [&](double v, int limit) {
    return static_cast<int>(std::clamp(std::floor(v * scale_), 0.0, static_cast<double>(limit)));
  };
  PixelRect r{px(x0 - margin, pixelWidth_), px(y0 - margin, pixelHeight_),
              px(x1 + margin + 1 / scale_, pixelWidth_) + 1, px(y1 + margin + 1 / scale_, pixelHeight_) + 1};
  r.x1 = std::min(r.x1, pixelWidth_);
  r.y1 = std::min(r.y1, pixelHeight_);
  AddDamage(r);
}

namespace {

// Damage rectangles closer than this many pixels are merged: one slightly
// larger rectangle costs less to compare and send than two.
constexpr int kDamageGap = 16;
// More separate rectangles than this become their bounding box.
constexpr size_t kMaxDamageRects = 16;

bool Near(const PixelRect& a, const PixelRect& b) {
  return a.x0 <= b.x1 + kDamageGap && b.x0 <= a.x1 + kDamageGap && a.y0 <= b.y1 + kDamageGap &&
         b.y0 <= a.y1 + kDamageGap;
}

PixelRect Union(const PixelRect& a, const PixelRect& b) {
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

}  // namespace

void Canvas::AddDamage(PixelRect r) {
  if (r.Empty()) return;
  // Merge with every rectangle it comes near; a merged one may now come near
  // others, so go round until none does.
  for (size_t i = 0; i < damage_.size();) {
    if (Near(damage_[i], r)) {
      r = Union(damage_[i], r);
      damage_.erase(damage_.begin() + static_cast<long>(i));
      i = 0;
    } else {
      ++i;
    }
  }
  damage_.push_back(r);
  if (damage_.size() > kMaxDamageRects) {
    PixelRect all = damage_[0];
    for (const PixelRect& d : damage_) all = Union(all, d);
    damage_.assign(1, all);
  }
}

// A canvas that holds nothing but this colour already (say, the program's
// first ClearScreen on the new white canvas) is left as it is.
void Canvas::Clear(int colour) {
  int index = PaletteIndex(colour);
  if (uniform_ == index) return;
  SetColour(colour);
  cairo_paint(cr_);
  MarkDirty(0, 0, kWidth, kHeight, 0);
  uniform_ = index;
}

// Pixel-snapping for horizontal and vertical strokes, so that thin lines
// cover whole pixels instead of blurring over two: moves a logical
// coordinate to the pixel grid (a pixel centre for odd pixel widths).
static double Snap(double v, double width, double scale) {
  long pixels = std::max(1L, std::lround(width * scale));
  double device = v * scale;
  double snapped = (pixels % 2) ? std::floor(device) + 0.5 : std::round(device);
  return snapped / scale;
}

void Canvas::Line(double x1, double y1, double x2, double y2, int colour, double width) {
  if (!Finite(x1) || !Finite(y1) || !Finite(x2) || !Finite(y2)) return;
  if (!ClipFar(x1, y1, x2, y2)) return;
  width = StrokeWidth(width, colour);
  if (x1 == x2 || y1 == y2) width = WholePixels(width, scale_);
  if (x1 == x2) x1 = x2 = Snap(x1, width, scale_);
  if (y1 == y2) y1 = y2 = Snap(y1, width, scale_);
  cairo_new_path(cr_);
  cairo_move_to(cr_, x1, y1);
  cairo_line_to(cr_, x2, y2);
  FillAndStroke(false, 0, colour, width, CAIRO_LINE_JOIN_ROUND);
  MarkDirty(x1, y1, x2, y2, width + 1);
}

void Canvas::Rectangle(double x1, double y1, double x2, double y2, int lineColour, bool filled,
                       int fillColour, double width) {
  if (!Finite(x1) || !Finite(y1) || !Finite(x2) || !Finite(y2)) return;
  x1 = ClampFar(x1), y1 = ClampFar(y1), x2 = ClampFar(x2), y2 = ClampFar(y2);
  // Whole device pixels wide, on pixel edges: a box and the wipe over it
  // cover exactly the same pixels, with no antialiased fringe left behind.
  width = WholePixels(StrokeWidth(width, lineColour), scale_);
  x1 = Snap(x1, width, scale_), x2 = Snap(x2, width, scale_);
  y1 = Snap(y1, width, scale_), y2 = Snap(y2, width, scale_);
  cairo_rectangle(cr_, std::min(x1, x2), std::min(y1, y2), std::fabs(x2 - x1), std::fabs(y2 - y1));
  FillAndStroke(filled, fillColour, lineColour, width, CAIRO_LINE_JOIN_MITER);
  MarkDirty(x1, y1, x2, y2, width + 1);
}

void Canvas::Polyline(const std::vector<Point>& points, int colour, double width, bool filled,
                      int fillColour) {
  if (points.empty()) return;
  for (const auto& p : points)
    if (!Finite(p.x) || !Finite(p.y)) return;
  width = StrokeWidth(width, colour);
  double x0 = points[0].x, y0 = points[0].y, x1 = x0, y1 = y0;
  cairo_new_path(cr_);
  for (const auto& p : points) {
    double x = ClampFar(p.x), y = ClampFar(p.y);
    cairo_line_to(cr_, x, y);
    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
  }
  FillAndStroke(filled, fillColour, colour, width, CAIRO_LINE_JOIN_ROUND);
  MarkDirty(x0, y0, x1, y1, width + 1);
}

namespace {
// Discs up to this many device pixels across are stamped.
constexpr double kStampLimit = 48;
// Their centres are placed to an eighth of a pixel.
constexpr double kStampSteps = 8;
// This many stamps are kept; then the cache starts afresh.
constexpr size_t kStamps = 256;

// The path of a whole ellipse around (x, y).
void EllipsePath(cairo_t* cr, double x, double y, double rx, double ry) {
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  if (rx > 0 && ry > 0) {
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  }
  cairo_restore(cr);
  cairo_close_path(cr);
}

}  // namespace

namespace {
Canvas::Mask TakeMask(cairo_surface_t* surface) {
  Canvas::Mask m;
  m.size = cairo_image_surface_get_width(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  m.coverage.resize(static_cast<size_t>(m.size) * m.size);
  m.spans.resize(static_cast<size_t>(m.size));
  for (int y = 0; y < m.size; ++y) {
    const unsigned char* row = data + static_cast<size_t>(y) * stride;
    std::memcpy(&m.coverage[static_cast<size_t>(y) * m.size], row, static_cast<size_t>(m.size));
    int first = 0, last = m.size;
    while (first < m.size && row[first] == 0) ++first;
    while (last > first && row[last - 1] == 0) --last;
    m.spans[static_cast<size_t>(y)] = {first, last};
  }
  return m;
}
}  // namespace

namespace {
// Paints `rgb` over the pixels by the coverage of an A8 mask whose top-left
// corner lies at (left, top), clipped to the image: the rounding is that of
// Cairo's own compositing (pixman's OVER of a solid colour through a mask).
void PaintThroughMask(unsigned char* data, int stride, int width, int height,
                      const Canvas::Mask& maskOf, int left, int top, Rgb rgb) {
  const unsigned char* mask = maskOf.coverage.data();
  const auto& spans = maskOf.spans;
  int maskStride = maskOf.size;
  int size = maskOf.size;
  int fromX = std::max(0, -left), toX = std::min(size, width - left);
  int fromY = std::max(0, -top), toY = std::min(size, height - top);
  const uint32_t solid = (static_cast<uint32_t>(rgb.r) << 16) | (static_cast<uint32_t>(rgb.g) << 8) | rgb.b;
  auto mul = [](unsigned a, unsigned b) {
    unsigned t = a * b + 0x80;
    return ((t >> 8) + t) >> 8;
  };
  for (int my = fromY; my < toY; ++my) {
    const unsigned char* coverage = mask + static_cast<size_t>(my) * maskStride;
    unsigned char* row = data + static_cast<size_t>(top + my) * stride;
    int spanFrom = std::max(fromX, spans[static_cast<size_t>(my)].first);
    int spanTo = std::min(toX, spans[static_cast<size_t>(my)].second);
    for (int mx = spanFrom; mx < spanTo; ++mx) {
      unsigned m = coverage[mx];
      if (m == 0) continue;
      uint32_t p;
      std::memcpy(&p, row + static_cast<size_t>(left + mx) * 4, 4);
      if (m == 255) {
        p = (p & 0xFF000000u) | solid;
        std::memcpy(row + static_cast<size_t>(left + mx) * 4, &p, 4);
        continue;
      }
      unsigned r = mul(rgb.r, m) + mul((p >> 16) & 0xFF, 255 - m);
      unsigned g = mul(rgb.g, m) + mul((p >> 8) & 0xFF, 255 - m);
      unsigned b = mul(rgb.b, m) + mul(p & 0xFF, 255 - m);
      p = (p & 0xFF000000u) | (r << 16) | (g << 8) | b;
      std::memcpy(row + static_cast<size_t>(left + mx) * 4, &p, 4);
    }
  }
}
}  // namespace

// A whole filled disc, small, as a stamp: its fill and its outline are
// rendered once into two coverage masks for its size and its centre's
// position within the pixel grid (to an eighth of a pixel), then painted in
// their colours through the masks, fill first, as Circle draws them; that
// costs a small part of filling and stroking the path (the dots of a traced
// curve, an entry's cursor dot drawn and erased at every poll). False when
// the disc is too large to stamp.
bool Canvas::StampDisc(double x, double y, double rx, double ry, double width, int colour,
                       int fillColour) {
  double reach = (std::max(rx, ry) + width) * scale_ + 2;
  if (2 * reach > kStampLimit) return false;
  double dx = x * scale_, dy = y * scale_;
  double left = std::floor(dx - reach), top = std::floor(dy - reach);
  // The centre within the mask, to an eighth of a pixel.
  double fx = std::round((dx - left) * kStampSteps) / kStampSteps;
  double fy = std::round((dy - top) * kStampSteps) / kStampSteps;
  int size = static_cast<int>(std::ceil(2 * reach)) + 2;
  StampKey key{rx, ry, width, fx, fy};
  auto found = stamps_.find(key);
  if (found == stamps_.end()) {
    if (stamps_.size() >= kStamps) ClearStamps();
    Stamp made{};
    for (int pass = 0; pass < 2; ++pass) {
      cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, size, size);
      cairo_t* m = cairo_create(mask);
      // Device pixels as on the canvas, the centre at (fx, fy).
      cairo_translate(m, fx, fy);
      cairo_scale(m, scale_, scale_);
      EllipsePath(m, 0, 0, rx, ry);
      cairo_set_source_rgba(m, 0, 0, 0, 1);
      if (pass == 0) {
        cairo_fill(m);
      } else {
        cairo_set_line_width(m, width);
        cairo_set_line_cap(m, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(m, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(m);
      }
      cairo_destroy(m);
      cairo_surface_flush(mask);
      (pass == 0 ? made.fill : made.outline) = TakeMask(mask);
      cairo_surface_destroy(mask);
    }
    found = stamps_.emplace(key, std::move(made)).first;
  }
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  int l = static_cast<int>(left), t = static_cast<int>(top);
  const Stamp& stamp = found->second;
  PaintThroughMask(data, Stride(), pixelWidth_, pixelHeight_, stamp.fill, l, t,
                   PaletteColour(fillColour));
  PaintThroughMask(data, Stride(), pixelWidth_, pixelHeight_, stamp.outline, l, t,
                   PaletteColour(colour));
  int x0 = std::max(0, l), y0 = std::max(0, t);
  int x1 = std::min(pixelWidth_, l + size), y1 = std::min(pixelHeight_, t + size);
  if (x1 > x0 && y1 > y0) cairo_surface_mark_dirty_rectangle(surface_, x0, y0, x1 - x0, y1 - y0);
  return true;
}

void Canvas::ClearStamps() { stamps_.clear(); }

void Canvas::Circle(double x, double y, double radius, double aspect, double start, double end,
                    int colour, double width, bool filled, int fillColour) {
  if (!Finite(x) || !Finite(y) || !Finite(radius) || !Finite(start) || !Finite(end)) return;
  radius = std::fabs(radius);
  if (std::fabs(x) > kFar || std::fabs(y) > kFar || radius > kFar) return;
  double rx = radius, ry = radius;
  if (Finite(aspect) && aspect > 0) {
    if (aspect < 1) ry = radius * aspect;
    else rx = radius / aspect;
  }
  width = StrokeWidth(width, colour);
  bool whole = start == 0 && end == 0;
  if (whole && filled && StampDisc(x, y, rx, ry, width, colour, fillColour)) {
    MarkDirty(x - rx, y - ry, x + rx, y + ry, width + 1);
    return;
  }
  double a0 = 0, a1 = 2 * M_PI;
  if (!whole) {
    a0 = (start - std::floor(start)) * 2 * M_PI;  // clockwise on the screen (y runs down)
    a1 = (end - std::floor(end)) * 2 * M_PI;
    if (a1 <= a0) a1 += 2 * M_PI;  // wraps through 0
  }
  cairo_new_path(cr_);
  if (filled && !whole) cairo_move_to(cr_, x, y);
  cairo_save(cr_);
  cairo_translate(cr_, x, y);
  if (rx > 0 && ry > 0) {
    cairo_scale(cr_, rx, ry);
    cairo_arc(cr_, 0, 0, 1, a0, a1);
  }
  cairo_restore(cr_);
  if (filled) cairo_close_path(cr_);
  FillAndStroke(filled, fillColour, colour, width, CAIRO_LINE_JOIN_ROUND);
  MarkDirty(x - rx, y - ry, x + rx, y + ry, width + 1);
}

double Canvas::Text(double x, double y, std::string_view text, int a, int b, int colour,
                    const FontSpec& font) {
  double s = font.size;
  if (!Finite(x) || !Finite(y) || !Finite(s)) return x;
  double cellWidth = a * s, cellHeight = b * s;  // a double-byte cell; single-byte is half as wide
  bool drawable = cellWidth > 0 && cellHeight > 0 && cellHeight < kFar && cellWidth < kFar;
  // Nothing of a line that lies wholly above or below the visible area shows
  // (the typesetters measure their texts at y 1800).
  if (!drawable || y + 2 * cellHeight < 0 || y - cellHeight > kHeight) return x;

  FaceKind kind = FaceKindOf(font.face);
  const Face& own = GetFace(kind, font.bold, font.italic);
  // Where the baseline of a proportional face lies, as a fraction of b*s
  // below y: at the font's ascent, except for the small italic letters
  // that the typesetters magnify (Times New Roman below size 12), which
  // stand 1.15 b*s below y, on the line of the Gothic text beside them.
  double ownBaseline = kind == FaceKind::kSerif && s < 12 ? 1.15 : own.ascent;
  const Face& gothic = GetFace(FaceKind::kGothic, font.bold, font.italic);
  SetColour(colour);
  double pen = x;
  for (const std::string& ch : Chars(text)) {
    uint32_t code = static_cast<uint32_t>(Asc(ch));
    if (kind == FaceKind::kExtra && code == 'l') code = 0x2113;  // the script ell
    bool cells = kind == FaceKind::kGothic;
    const Face* face = &own;
    if (!own.Has(code)) {
      face = &gothic;
      cells = true;
    }
    double advance = cells ? cellWidth * (CharByteLen(ch) == 2 ? 1.0 : 0.5) : 0;
    if (code >= 0x20) {
      cairo_set_font_face(cr_, face->cairo);
      cairo_matrix_t m;
      if (cells) cairo_matrix_init_scale(&m, cellWidth, cellHeight);
      else cairo_matrix_init_scale(&m, cellHeight, cellHeight);
      cairo_set_font_matrix(cr_, &m);
      std::string glyph = Chr(static_cast<int>(code));
      if (!cells) {
        cairo_text_extents_t e;
        cairo_text_extents(cr_, glyph.c_str(), &e);
        advance = e.x_advance;
      }
      if (pen < kWidth + cellWidth && pen + advance > -cellWidth) {
        cairo_move_to(cr_, pen, y + cellHeight * (cells ? face->ascent : ownBaseline));
        cairo_show_text(cr_, glyph.c_str());
      }
    }
    pen += advance;
  }
  cairo_new_path(cr_);
  MarkDirty(x, y, pen, y + cellHeight, 0.5 * cellHeight + 2);
  return pen;
}

namespace {
// The tiles whose hashes TakeDamage compares: 16 pixels wide, 4 rows high.
constexpr int kTileWidth = 16;
constexpr int kTileHeight = 4;
constexpr unsigned char kVisited = 2;  // this TakeDamage looked at it
constexpr unsigned char kChanged = 4;  // ... and it changed
}  // namespace

// Four lanes of (h + two pixels) * odd, h ^= h >> 29, joined at the end.
// Each step is a bijection of the lane, so a tile whose pixels differ in one
// lane (any single changed pixel) always hashes differently; several
// changed pixels collide with odds of about 2^-64.
uint64_t Canvas::TileHash(int column, int band) const {
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  int stride = Stride();
  int x0 = column * kTileWidth, x1 = std::min(x0 + kTileWidth, pixelWidth_);
  int y0 = band * kTileHeight, y1 = std::min(y0 + kTileHeight, pixelHeight_);
  constexpr uint64_t kOdd = 0x9E3779B97F4A7C15ull;
  constexpr uint64_t kColours = 0x00FFFFFF00FFFFFFull;  // two pixels without their unused bytes
  uint64_t lane[4] = {1, 2, 3, 4};
  for (int y = y0; y < y1; ++y) {
    const unsigned char* row = data + static_cast<size_t>(y) * stride + static_cast<size_t>(x0) * 4;
    int n = x1 - x0, i = 0;
    for (; i + 8 <= n; i += 8) {  // two pixels a lane
      for (int k = 0; k < 4; ++k) {
        uint64_t p;
        std::memcpy(&p, row + (i + 2 * k) * 4, 8);
        lane[k] = (lane[k] + (p & kColours)) * kOdd;
        lane[k] ^= lane[k] >> 29;
      }
    }
    for (; i < n; ++i) {
      uint32_t p;
      std::memcpy(&p, row + i * 4, 4);
      lane[0] = (lane[0] + (p & 0xFFFFFFu)) * kOdd;
      lane[0] ^= lane[0] >> 29;
    }
  }
  return ((lane[0] * kOdd + lane[1]) * kOdd + lane[2]) * kOdd + lane[3];
}

std::vector<PixelRect> Canvas::TakeDamage() {
  cairo_surface_flush(surface_);
  int columns = (pixelWidth_ + kTileWidth - 1) / kTileWidth;
  int bands = (pixelHeight_ + kTileHeight - 1) / kTileHeight;
  size_t tiles = static_cast<size_t>(columns) * bands;
  std::vector<PixelRect> changed;
  if (tileState_.size() != tiles) {
    tileHashes_.resize(tiles);
    tileState_.assign(tiles, 0);
    for (int band = 0; band < bands; ++band)
      for (int column = 0; column < columns; ++column)
        tileHashes_[static_cast<size_t>(band) * columns + column] = TileHash(column, band);
    damage_.clear();
    changed.push_back({0, 0, pixelWidth_, pixelHeight_});
    return changed;
  }
  // First every tile that any damaged rectangle touches is hashed once and
  // marked when it changed; then each rectangle answers its rows in the
  // bands where a tile it covers changed. (A tile can change where two
  // rectangles meet: both answer their part of it.)
  touched_.clear();
  for (const PixelRect& d : damage_) {
    for (int band = d.y0 / kTileHeight; band <= (d.y1 - 1) / kTileHeight; ++band)
      for (int column = d.x0 / kTileWidth; column <= (d.x1 - 1) / kTileWidth; ++column) {
        size_t t = static_cast<size_t>(band) * columns + column;
        if (tileState_[t] & kVisited) continue;
        uint64_t h = TileHash(column, band);
        unsigned char state = kVisited;
        if (h != tileHashes_[t]) state |= kChanged;
        tileHashes_[t] = h;
        tileState_[t] = state;
        touched_.push_back(static_cast<int>(t));
      }
  }
  for (const PixelRect& d : damage_) {
    int first = -1, last = -1;
    for (int band = d.y0 / kTileHeight; band <= (d.y1 - 1) / kTileHeight; ++band)
      for (int column = d.x0 / kTileWidth; column <= (d.x1 - 1) / kTileWidth; ++column)
        if (tileState_[static_cast<size_t>(band) * columns + column] & kChanged) {
          if (first < 0) first = band;
          last = band;
          break;
        }
    if (first >= 0)
      changed.push_back({d.x0, std::max(d.y0, first * kTileHeight), d.x1,
                         std::min(d.y1, (last + 1) * kTileHeight)});
  }
  for (int t : touched_) tileState_[static_cast<size_t>(t)] = 0;
  damage_.clear();
  return changed;
}

const unsigned char* Canvas::Pixels() {
  cairo_surface_flush(surface_);
  return cairo_image_surface_get_data(surface_);
}

int Canvas::Stride() const { return cairo_image_surface_get_stride(surface_); }

bool Canvas::SavePng(const std::string& path) {
  cairo_surface_flush(surface_);
  return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace lessons
