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
      lent_(memory.data != nullptr),
      stamps_(scale_) {
  surface_ = MakeSurface(pixelWidth_, pixelHeight_, memory);
  Setup();
  Clear(kColourWhite);
}

void Canvas::Setup() {
  const size_t tiles = static_cast<size_t>(TileColumns()) * TileBands();
  tileSolid_.assign(tiles, -1);
  tileState_.assign(tiles, 0);
  tileHashes_.clear();  // the next TakeDamage is the first
  dirty_.clear();
  lastMarked_ = {};
  stamped_ = {};
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
  if (carryPicture) TellStamped();  // Cairo reads the picture
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
  if (!carryPicture) MarkSolid({0, 0, pixelWidth_, pixelHeight_}, kColourWhite);
  uniform_ = -1;
  stamps_.Rescale(scale_);
}

Canvas::~Canvas() {
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

uint32_t Canvas::SolidPixel(int colour) {
  Rgb c = PaletteColour(colour);
  return 0xFF000000u | static_cast<uint32_t>(c.r) << 16 | static_cast<uint32_t>(c.g) << 8 | c.b;
}

void Canvas::SetColour(int colour) {
  Rgb c = PaletteColour(colour);
  cairo_set_source_rgb(cr_, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

namespace {
// The tiles whose hashes TakeDamage compares: 16 pixels wide, 4 rows high.
constexpr int kTileWidth = 16;
constexpr int kTileHeight = 4;
constexpr unsigned char kDirty = 1;    // drawn over since the last TakeDamage
constexpr unsigned char kChanged = 2;  // ... and changed (while TakeDamage runs)
// The hash of a tile whose pixels were not read: no pixels hash to it.
constexpr uint64_t kUnknown = 0;
// When the tiles to read cover at least 1/kUnreadShare of the canvas, they
// are sent unread.
constexpr long long kUnreadShare = 8;
// At most this many rectangles are sent at a time.
constexpr size_t kMaxSentRects = 128;
}  // namespace

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

PixelRect Canvas::DirtyBox(double x0, double y0, double x1, double y1, double margin) const {
  if (x0 > x1) std::swap(x0, x1);
  if (y0 > y1) std::swap(y0, y1);
  auto px = [&](double v, int limit) {
    return static_cast<int>(std::clamp(std::floor(v * scale_), 0.0, static_cast<double>(limit)));
  };
  PixelRect r{px(x0 - margin, pixelWidth_), px(y0 - margin, pixelHeight_),
              px(x1 + margin + 1 / scale_, pixelWidth_) + 1, px(y1 + margin + 1 / scale_, pixelHeight_) + 1};
  r.x1 = std::min(r.x1, pixelWidth_);
  r.y1 = std::min(r.y1, pixelHeight_);
  return r;
}

void Canvas::MarkDirty(double x0, double y0, double x1, double y1, double margin) {
  MarkDirtyPixels(DirtyBox(x0, y0, x1, y1, margin));
}

// The tiles that `r` touches are damaged, and may hold anything now.
void Canvas::MarkDirtyPixels(PixelRect r) {
  uniform_ = -1;
  if (r.Empty()) return;
  const PixelRect tiles{r.x0 / kTileWidth, r.y0 / kTileHeight, (r.x1 - 1) / kTileWidth,
                        (r.y1 - 1) / kTileHeight};
  const PixelRect& last = lastMarked_;
  if (last.x0 <= tiles.x0 && tiles.x1 <= last.x1 && last.y0 <= tiles.y0 && tiles.y1 <= last.y1)
    return;
  lastMarked_ = tiles;
  const int columns = TileColumns();
  for (int band = tiles.y0; band <= tiles.y1; ++band)
    for (int column = tiles.x0; column <= tiles.x1; ++column) {
      size_t t = static_cast<size_t>(band) * columns + column;
      tileSolid_[t] = -1;
      MarkTileDirty(t);
    }
}

void Canvas::MarkTileDirty(size_t tile) {
  if (tileState_[tile] & kDirty) return;
  tileState_[tile] |= kDirty;
  dirty_.push_back(static_cast<int>(tile));
}

int Canvas::TileColumns() const { return (pixelWidth_ + kTileWidth - 1) / kTileWidth; }
int Canvas::TileBands() const { return (pixelHeight_ + kTileHeight - 1) / kTileHeight; }

namespace {
// `n` pixels from `row` on set to `pixel`, sixteen bytes at a time.
void FillRow(uint32_t* row, int n, uint32_t pixel) {
  using Four = uint32_t __attribute__((vector_size(16)));
  const Four four = {pixel, pixel, pixel, pixel};
  int i = 0;
  for (; i + 16 <= n; i += 16) {
    std::memcpy(row + i, &four, 16);
    std::memcpy(row + i + 4, &four, 16);
    std::memcpy(row + i + 8, &four, 16);
    std::memcpy(row + i + 12, &four, 16);
  }
  for (; i + 4 <= n; i += 4) std::memcpy(row + i, &four, 16);
  for (; i < n; ++i) row[i] = pixel;
}

// The columns (or bands) of tiles wholly inside [from, to): [first, last).
std::pair<int, int> WholeTiles(int from, int to, int size, int limit) {
  int first = (from + size - 1) / size;
  int last = to >= limit ? (limit + size - 1) / size : to / size;  // a last, narrower tile
  return {first, std::max(first, last)};
}
}  // namespace

void Canvas::MarkSolid(PixelRect box, int colour) {
  lastMarked_ = {};
  auto [c0, c1] = WholeTiles(box.x0, box.x1, kTileWidth, pixelWidth_);
  auto [b0, b1] = WholeTiles(box.y0, box.y1, kTileHeight, pixelHeight_);
  const int columns = TileColumns();
  for (int band = b0; band < b1; ++band)
    std::fill(tileSolid_.begin() + static_cast<long>(band) * columns + c0,
              tileSolid_.begin() + static_cast<long>(band) * columns + c1,
              static_cast<signed char>(colour));
}

void Canvas::FillPixels(PixelRect box, int colour) {
  box = {std::max(box.x0, 0), std::max(box.y0, 0), std::min(box.x1, pixelWidth_),
         std::min(box.y1, pixelHeight_)};
  if (box.Empty()) return;
  uniform_ = -1;
  lastMarked_ = {};
  const int columns = TileColumns();
  // The tiles wholly inside the box hold the colour from now on; those that
  // held it already are not written again.
  auto [c0, c1] = WholeTiles(box.x0, box.x1, kTileWidth, pixelWidth_);
  auto [b0, b1] = WholeTiles(box.y0, box.y1, kTileHeight, pixelHeight_);
  const int tx0 = box.x0 / kTileWidth, tx1 = (box.x1 - 1) / kTileWidth + 1;
  const int ty0 = box.y0 / kTileHeight, ty1 = (box.y1 - 1) / kTileHeight + 1;
  for (int band = ty0; band < ty1; ++band) {
    const size_t first = static_cast<size_t>(band) * columns;
    const bool wholeBand = band >= b0 && band < b1;
    auto holds = [&](int column) {
      return wholeBand && column >= c0 && column < c1 && tileSolid_[first + column] == colour;
    };
    for (int column = tx0; column < tx1;) {
      if (holds(column)) {
        ++column;
        continue;
      }
      int end = column;
      for (; end < tx1 && !holds(end); ++end) {
        tileSolid_[first + end] = wholeBand && end >= c0 && end < c1 ? static_cast<signed char>(colour) : -1;
        MarkTileDirty(first + end);
      }
      FillBlock({std::max(box.x0, column * kTileWidth), std::max(box.y0, band * kTileHeight),
                 std::min(box.x1, end * kTileWidth), std::min(box.y1, (band + 1) * kTileHeight)},
                colour);
      column = end;
    }
  }
}

void Canvas::FillBlock(PixelRect r, int colour) {
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const size_t stride = static_cast<size_t>(Stride());
  const uint32_t pixel = SolidPixel(colour);
  for (int y = r.y0; y < r.y1; ++y)
    FillRow(reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride) + r.x0, r.x1 - r.x0, pixel);
  cairo_surface_mark_dirty_rectangle(surface_, r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0);
}

// A canvas that holds nothing but this colour already (say, the program's
// first ClearScreen on the new white canvas) is left as it is.
void Canvas::Clear(int colour) {
  int index = PaletteIndex(colour);
  if (uniform_ == index) return;
  TellStamped();
  FillPixels({0, 0, pixelWidth_, pixelHeight_}, index);
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
  TellStamped();
  if (!ClipFar(x1, y1, x2, y2)) return;
  width = StrokeWidth(width, colour);
  if (x1 == x2 || y1 == y2) width = WholePixels(width, scale_);
  if (x1 == x2) x1 = x2 = Snap(x1, width, scale_);
  if (y1 == y2) y1 = y2 = Snap(y1, width, scale_);
  MarkDirty(x1, y1, x2, y2, width + 1);
  cairo_new_path(cr_);
  cairo_move_to(cr_, x1, y1);
  cairo_line_to(cr_, x2, y2);
  FillAndStroke(false, 0, colour, width, CAIRO_LINE_JOIN_ROUND);
}

void Canvas::Rectangle(double x1, double y1, double x2, double y2, int lineColour, bool filled,
                       int fillColour, double width) {
  if (!Finite(x1) || !Finite(y1) || !Finite(x2) || !Finite(y2)) return;
  TellStamped();
  x1 = ClampFar(x1), y1 = ClampFar(y1), x2 = ClampFar(x2), y2 = ClampFar(y2);
  // Whole device pixels wide, on pixel edges: a box and the wipe over it
  // cover exactly the same pixels, with no antialiased fringe left behind.
  width = WholePixels(StrokeWidth(width, lineColour), scale_);
  x1 = Snap(x1, width, scale_), x2 = Snap(x2, width, scale_);
  y1 = Snap(y1, width, scale_), y2 = Snap(y2, width, scale_);
  const double left = std::min(x1, x2), top = std::min(y1, y2);
  const double w = std::fabs(x2 - x1), h = std::fabs(y2 - y1);
  // The pixels the fill covers wholly are filled here (a wipe leaves out
  // what holds its colour already); Cairo fills the rest and strokes.
  PixelRect inside{static_cast<int>(std::ceil(std::max(left * scale_, 0.0))),
                   static_cast<int>(std::ceil(std::max(top * scale_, 0.0))),
                   static_cast<int>(std::floor(std::min((left + w) * scale_, 1.0 * pixelWidth_))),
                   static_cast<int>(std::floor(std::min((top + h) * scale_, 1.0 * pixelHeight_)))};
  const int fill = PaletteIndex(fillColour);
  if (filled && !inside.Empty()) FillPixels(inside, fill);
  // Cairo draws the border, and the fill's fringe outside `inside`: within
  // `reach` pixels of the rectangle's sides.
  const PixelRect outer = DirtyBox(x1, y1, x2, y2, width + 1);
  const int reach = static_cast<int>(std::ceil(width * scale_ / 2)) + 1;
  const PixelRect untouched{inside.x0 + reach, inside.y0 + reach, inside.x1 - reach, inside.y1 - reach};
  if (untouched.Empty()) {
    MarkDirtyPixels(outer);
  } else {
    MarkDirtyPixels({outer.x0, outer.y0, outer.x1, untouched.y0});
    MarkDirtyPixels({outer.x0, untouched.y1, outer.x1, outer.y1});
    MarkDirtyPixels({outer.x0, untouched.y0, untouched.x0, untouched.y1});
    MarkDirtyPixels({untouched.x1, untouched.y0, outer.x1, untouched.y1});
  }
  if (filled && !inside.Empty()) {
    cairo_save(cr_);
    cairo_identity_matrix(cr_);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, 0, 0, pixelWidth_, pixelHeight_);
    cairo_rectangle(cr_, inside.x0, inside.y0, inside.x1 - inside.x0, inside.y1 - inside.y0);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr_);
    cairo_scale(cr_, scale_, scale_);
    cairo_rectangle(cr_, left, top, w, h);
    SetColour(fillColour);
    cairo_fill_preserve(cr_);
    cairo_restore(cr_);
    FillAndStroke(false, 0, lineColour, width, CAIRO_LINE_JOIN_MITER);
  } else {
    cairo_rectangle(cr_, left, top, w, h);
    FillAndStroke(filled, fillColour, lineColour, width, CAIRO_LINE_JOIN_MITER);
  }
}

void Canvas::Polyline(const std::vector<Point>& points, int colour, double width, bool filled,
                      int fillColour) {
  if (points.empty()) return;
  for (const auto& p : points)
    if (!Finite(p.x) || !Finite(p.y)) return;
  TellStamped();
  width = StrokeWidth(width, colour);
  double x0 = ClampFar(points[0].x), y0 = ClampFar(points[0].y), x1 = x0, y1 = y0;
  for (const auto& p : points) {
    double x = ClampFar(p.x), y = ClampFar(p.y);
    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
  }
  MarkDirty(x0, y0, x1, y1, width + 1);
  cairo_new_path(cr_);
  for (const auto& p : points) cairo_line_to(cr_, ClampFar(p.x), ClampFar(p.y));
  FillAndStroke(filled, fillColour, colour, width, CAIRO_LINE_JOIN_ROUND);
}

// A whole filled disc, small, as a stamp: its fill and its outline are
// rendered once into two coverage masks for its size and its centre's
// position within the pixel grid (to an eighth of a pixel), then painted in
// their colours through the masks, fill first, as Circle draws them; that
// costs a small part of filling and stroking the path (the dots of a traced
// curve, an entry's cursor dot drawn and erased at every poll). False when
// the disc is too large to stamp.
bool Canvas::StampDisc(double x, double y, double rx, double ry, double width, int colour,
                       int fillColour) {
  DotStamps::Placed placed;
  if (!stamps_.Place(x, y, rx, ry, width, pixelWidth_, pixelHeight_, placed)) return false;
  const PixelRect& r = placed.covered;
  if (r.Empty()) return true;
  if (stamped_.Empty()) {
    cairo_surface_flush(surface_);
    stamped_ = r;
  } else {
    stamped_ = {std::min(stamped_.x0, r.x0), std::min(stamped_.y0, r.y0), std::max(stamped_.x1, r.x1),
                std::max(stamped_.y1, r.y1)};
  }
  MarkDirtyPixels(r);
  DotStamps::Paint({cairo_image_surface_get_data(surface_), Stride(), pixelWidth_, pixelHeight_}, placed,
                   PaletteColour(fillColour), PaletteColour(colour));
  return true;
}

void Canvas::TellStamped() {
  if (!stamped_.Empty()) {
    cairo_surface_mark_dirty_rectangle(surface_, stamped_.x0, stamped_.y0, stamped_.x1 - stamped_.x0,
                                       stamped_.y1 - stamped_.y0);
    stamped_ = {};
  }
}

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
  if (whole && filled && StampDisc(x, y, rx, ry, width, colour, fillColour)) return;
  TellStamped();
  MarkDirty(x - rx, y - ry, x + rx, y + ry, width + 1);
  if (const double past = whole && filled ? DotStamps::PastCentre(rx, ry, width) : 0; past > 0) {
    // The outline's coverage is made apart, as a stamp's, within the dot's
    // box, then painted in its colour.
    const double reach = std::max(rx, ry) + width / 2 + 2 / scale_;
    cairo_save(cr_);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, x - reach, y - reach, 2 * reach, 2 * reach);
    cairo_clip(cr_);
    DotStamps::EllipsePath(cr_, x, y, rx, ry);
    SetColour(fillColour);
    cairo_fill_preserve(cr_);
    cairo_push_group_with_content(cr_, CAIRO_CONTENT_ALPHA);
    DotStamps::StrokeCoverage(cr_, x, y, past, width);
    cairo_pattern_t* outline = cairo_pop_group(cr_);
    SetColour(colour);
    cairo_mask(cr_, outline);
    cairo_pattern_destroy(outline);
    cairo_restore(cr_);
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
  TellStamped();

  FaceKind kind = FaceKindOf(font.face);
  const Face& own = GetFace(kind, font.bold, font.italic);
  // Where the baseline of a proportional face lies, as a fraction of b*s
  // below y: at the font's ascent, except for the small italic letters
  // that the typesetters magnify (Times New Roman below size 12), which
  // stand 1.15 b*s below y, on the line of the Gothic text beside them.
  double ownBaseline = kind == FaceKind::kSerif && s < 12 ? 1.15 : own.ascent;
  const Face& gothic = GetFace(FaceKind::kGothic, font.bold, font.italic);
  auto useFace = [&](const Face& face, bool cells) {
    cairo_set_font_face(cr_, face.cairo);
    cairo_matrix_t m;
    if (cells) cairo_matrix_init_scale(&m, cellWidth, cellHeight);
    else cairo_matrix_init_scale(&m, cellHeight, cellHeight);
    cairo_set_font_matrix(cr_, &m);
  };
  SetColour(colour);
  double pen = x;
  for (const std::string& ch : Chars(text)) {
    uint32_t code = static_cast<uint32_t>(Asc(ch));
    if (kind == FaceKind::kExtra && code == 'l') code = 0x2113;  // the script ell
    const bool fallback = !own.Has(code);
    const Face& face = fallback ? gothic : own;
    const bool cells = fallback || kind == FaceKind::kGothic;
    double advance = cells ? cellWidth * (CharByteLen(ch) == 2 ? 1.0 : 0.5) : 0;
    if (code >= 0x20) {
      const std::string glyph = Chr(static_cast<int>(code));
      useFace(face, cells);
      if (!cells) {
        cairo_text_extents_t e;
        cairo_text_extents(cr_, glyph.c_str(), &e);
        advance = e.x_advance;
      }
      if (pen < kWidth + cellWidth && pen + advance > -cellWidth) {
        cairo_move_to(cr_, pen, y + cellHeight * (cells ? face.ascent : ownBaseline));
        cairo_show_text(cr_, glyph.c_str());
      }
    }
    pen += advance;
  }
  MarkDirty(x, y, pen, y + cellHeight, 0.5 * cellHeight + 2);
  cairo_new_path(cr_);
  return pen;
}


namespace {
// The hash of a block of pixels `w` wide and `h` high: four lanes of
// (lane + two pixels) * odd, lane ^= lane >> 29, joined at the end. Each step
// is a bijection of the lane, so blocks whose pixels differ in one lane (any
// single changed pixel) always hash differently; several changed pixels
// collide with odds of about 2^-64. The unused bytes do not count.
uint64_t HashPixels(const unsigned char* data, size_t stride, int w, int h) {
  constexpr uint64_t kOdd = 0x9E3779B97F4A7C15ull;
  constexpr uint64_t kColours = 0x00FFFFFF00FFFFFFull;  // two pixels without their unused bytes
  uint64_t lane[4] = {1, 2, 3, 4};
  for (int y = 0; y < h; ++y) {
    const unsigned char* row = data + static_cast<size_t>(y) * stride;
    int i = 0;
    for (; i + 8 <= w; i += 8) {  // two pixels a lane
      for (int k = 0; k < 4; ++k) {
        uint64_t p;
        std::memcpy(&p, row + (i + 2 * k) * 4, 8);
        lane[k] = (lane[k] + (p & kColours)) * kOdd;
        lane[k] ^= lane[k] >> 29;
      }
    }
    for (; i < w; ++i) {
      uint32_t p;
      std::memcpy(&p, row + i * 4, 4);
      lane[0] = (lane[0] + (p & 0xFFFFFFu)) * kOdd;
      lane[0] ^= lane[0] >> 29;
    }
  }
  uint64_t hash = ((lane[0] * kOdd + lane[1]) * kOdd + lane[2]) * kOdd + lane[3];
  return hash == kUnknown ? 1 : hash;
}
}  // namespace

uint64_t Canvas::TileHash(int column, int band) const {
  int x0 = column * kTileWidth, x1 = std::min(x0 + kTileWidth, pixelWidth_);
  int y0 = band * kTileHeight, y1 = std::min(y0 + kTileHeight, pixelHeight_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  size_t stride = static_cast<size_t>(Stride());
  return HashPixels(data + y0 * stride + static_cast<size_t>(x0) * 4, stride, x1 - x0, y1 - y0);
}

// What TileHash answers for the tile when it holds only `colour`, without
// reading it.
uint64_t Canvas::SolidTileHash(int column, int band, int colour) {
  int w = std::min(kTileWidth, pixelWidth_ - column * kTileWidth);
  int h = std::min(kTileHeight, pixelHeight_ - band * kTileHeight);
  bool whole = w == kTileWidth && h == kTileHeight;
  if (whole && solidHashes_[static_cast<size_t>(colour)] != kUnknown)
    return solidHashes_[static_cast<size_t>(colour)];
  uint32_t block[kTileWidth * kTileHeight];
  std::fill_n(block, kTileWidth * kTileHeight, SolidPixel(colour));
  uint64_t hash = HashPixels(reinterpret_cast<const unsigned char*>(block), kTileWidth * 4, w, h);
  if (whole) solidHashes_[static_cast<size_t>(colour)] = hash;
  return hash;
}

// The tiles marked changed within `area` (in tiles) as rectangles of
// pixels: in each band, the runs of changed tiles (runs fewer than `gap`
// tiles apart are one); a run that starts and ends within 2 * `gap` tiles
// of a rectangle of the band above extends it.
std::vector<PixelRect> Canvas::ChangedRects(PixelRect area, int gap) const {
  const int columns = TileColumns();
  std::vector<PixelRect> rects, open, next;  // open, next: in tiles
  auto close = [&](const PixelRect& r) {
    rects.push_back({r.x0 * kTileWidth, r.y0 * kTileHeight, std::min(r.x1 * kTileWidth, pixelWidth_),
                     std::min(r.y1 * kTileHeight, pixelHeight_)});
  };
  for (int band = area.y0; band <= area.y1; ++band) {
    next.clear();
    for (int column = area.x0; band < area.y1 && column < area.x1; ++column) {
      if (!(tileState_[static_cast<size_t>(band) * columns + column] & kChanged)) continue;
      if (!next.empty() && next.back().x1 + gap >= column) next.back().x1 = column + 1;
      else next.push_back({column, band, column + 1, band + 1});
    }
    for (PixelRect& run : next) {
      auto above = std::find_if(open.begin(), open.end(), [&](const PixelRect& r) {
        return !r.Empty() && std::abs(r.x0 - run.x0) <= 2 * gap && std::abs(r.x1 - run.x1) <= 2 * gap;
      });
      if (above == open.end()) continue;
      run = {std::min(run.x0, above->x0), above->y0, std::max(run.x1, above->x1), band + 1};
      above->x1 = above->x0;  // taken over
    }
    for (const PixelRect& r : open)
      if (!r.Empty()) close(r);
    open.swap(next);
  }
  return rects;
}

std::vector<PixelRect> Canvas::TakeDamage() {
  TellStamped();
  return TakeChangedTiles();
}

std::vector<PixelRect> Canvas::TakeDamageOver(int colour) {
  const int columns = TileColumns(), bands = TileBands();
  const int shown = PaletteIndex(colour);
  tileHashes_.resize(static_cast<size_t>(columns) * bands);
  for (int band = 0; band < bands; ++band) {
    for (int column = 0; column < columns; ++column) {
      size_t t = static_cast<size_t>(band) * columns + column;
      tileHashes_[t] = SolidTileHash(column, band, shown);
      MarkTileDirty(t);
    }
  }
  return TakeDamage();
}

std::vector<PixelRect> Canvas::TakeChangedTiles() {
  cairo_surface_flush(surface_);
  const int columns = TileColumns(), bands = TileBands();
  const size_t tiles = static_cast<size_t>(columns) * bands;
  std::vector<PixelRect> changed;
  if (tileHashes_.size() != tiles) {
    // The first picture: all of it is sent; the tiles known to hold one
    // colour are known from now on, the others are read when next drawn on.
    tileHashes_.assign(tiles, kUnknown);
    for (int band = 0; band < bands; ++band)
      for (int column = 0; column < columns; ++column) {
        size_t t = static_cast<size_t>(band) * columns + column;
        if (tileSolid_[t] >= 0) tileHashes_[t] = SolidTileHash(column, band, tileSolid_[t]);
      }
    for (int t : dirty_) tileState_[static_cast<size_t>(t)] = 0;
    dirty_.clear();
    lastMarked_ = {};
    changed.push_back({0, 0, pixelWidth_, pixelHeight_});
    return changed;
  }
  // A tile known to hold one colour is compared without reading it. The
  // others are read, unless there are so many that reading them costs about
  // what sending them does (a new screen's figures, nearly all changed):
  // then they count as changed, and as unread until they are drawn on again.
  size_t unknown = 0;
  for (int t : dirty_)
    if (tileSolid_[static_cast<size_t>(t)] < 0) ++unknown;
  const bool read = static_cast<long long>(unknown) * kTileWidth * kTileHeight * kUnreadShare <
                    static_cast<long long>(pixelWidth_) * pixelHeight_;
  PixelRect area{columns, bands, -1, -1};  // in tiles: where the changed tiles lie
  for (int i : dirty_) {
    size_t t = static_cast<size_t>(i);
    int column = i % columns, band = i / columns;
    const int known = tileSolid_[t];
    uint64_t h = known >= 0 ? SolidTileHash(column, band, known)
                 : read     ? TileHash(column, band)
                            : kUnknown;
    if (h == kUnknown || h != tileHashes_[t]) {
      tileState_[t] |= kChanged;
      area = {std::min(area.x0, column), std::min(area.y0, band), std::max(area.x1, column + 1),
              std::max(area.y1, band + 1)};
    }
    tileHashes_[t] = h;
  }
  // The changed tiles as rectangles (see ChangedRects), coarser and coarser
  // until they are few enough: too many cost more to send than the pixels
  // between them.
  if (!area.Empty()) {
    for (int gap = 1; gap <= 64; gap *= 4) {
      changed = ChangedRects(area, gap);
      if (changed.size() <= kMaxSentRects) break;
    }
    if (changed.size() > kMaxSentRects)
      changed.assign(1, {area.x0 * kTileWidth, area.y0 * kTileHeight,
                         std::min(area.x1 * kTileWidth, pixelWidth_),
                         std::min(area.y1 * kTileHeight, pixelHeight_)});
  }
  for (int t : dirty_) tileState_[static_cast<size_t>(t)] = 0;
  dirty_.clear();
  lastMarked_ = {};
  return changed;
}

const unsigned char* Canvas::Pixels() {
  TellStamped();
  cairo_surface_flush(surface_);
  return cairo_image_surface_get_data(surface_);
}

int Canvas::Stride() const { return cairo_image_surface_get_stride(surface_); }

bool Canvas::SavePng(const std::string& path) {
  TellStamped();
  cairo_surface_flush(surface_);
  return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace lessons
