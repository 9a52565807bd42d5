#include "framework/runtime/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "framework/basic.h"
#include "framework/runtime/fonts.h"
#include "framework/runtime/palette.h"
#include "framework/runtime/worker.h"

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
  const size_t tiles = static_cast<size_t>(TileColumns()) * TileBands();
  tileSolid_.assign(tiles, -1);
  tileState_.assign(tiles, 0);
  tileFill_.assign(tiles, -1);
  fillsWaiting_ = 0;
  fillArea_ = {};
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
  // Stamps not painted yet and fills not written yet belong to the picture:
  // painted when it moves, dropped with it (once the workers are done with
  // the old memory).
  if (carryPicture) {
    Settle();
  } else {
    cycle_.held = 0;
    pending_.clear();
    ReleaseHeld();
  }
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
  ClearStamps();
  lastSizes_ = {};  // their reach was in pixels of the old scale
}

Canvas::~Canvas() {
  cycle_.held = 0;
  pending_.clear();
  ReleaseHeld();  // the workers are done with the memory
  ClearStamps();
  for (int pass = 0; pass < 2; ++pass) {
    if (maskDrawers_[pass]) cairo_destroy(maskDrawers_[pass]);
    if (maskImages_[pass]) cairo_surface_destroy(maskImages_[pass]);
  }
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
constexpr unsigned char kRefilled = 4;  // ... changed, and holds one known colour
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
  WriteFills({tiles.x0, tiles.y0, tiles.x1 + 1, tiles.y1 + 1});
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
  // The tiles wholly inside the box are to be read as the colour from now
  // on; they are written when anything else comes (WriteFills).
  auto [c0, c1] = WholeTiles(box.x0, box.x1, kTileWidth, pixelWidth_);
  auto [b0, b1] = WholeTiles(box.y0, box.y1, kTileHeight, pixelHeight_);
  if (c0 < c1 && b0 < b1) {
    fillArea_ = fillArea_.Empty() ? PixelRect{c0, b0, c1, b1}
                                  : PixelRect{std::min(fillArea_.x0, c0), std::min(fillArea_.y0, b0),
                                              std::max(fillArea_.x1, c1), std::max(fillArea_.y1, b1)};
  }
  for (int band = b0; band < b1; ++band)
    for (int column = c0; column < c1; ++column) {
      size_t t = static_cast<size_t>(band) * columns + column;
      const signed char fill = tileSolid_[t] == colour ? -1 : static_cast<signed char>(colour);
      if (tileFill_[t] == fill) continue;  // it holds the colour, or is to hold it, already
      fillsWaiting_ += (fill >= 0) - (tileFill_[t] >= 0);
      tileFill_[t] = fill;
      MarkTileDirty(t);
    }
  // The tiles it covers in part, along its edges, are written now.
  auto edge = [&](int column0, int column1, int band0, int band1) {
    if (column0 >= column1 || band0 >= band1) return;
    WriteFills({column0, band0, column1, band1});
    for (int band = band0; band < band1; ++band)
      for (int column = column0; column < column1; ++column) {
        size_t t = static_cast<size_t>(band) * columns + column;
        tileSolid_[t] = -1;
        MarkTileDirty(t);
      }
    FillBlock({std::max(box.x0, column0 * kTileWidth), std::max(box.y0, band0 * kTileHeight),
               std::min(box.x1, column1 * kTileWidth), std::min(box.y1, band1 * kTileHeight)},
              colour);
  };
  const int tx0 = box.x0 / kTileWidth, tx1 = (box.x1 - 1) / kTileWidth + 1;
  const int ty0 = box.y0 / kTileHeight, ty1 = (box.y1 - 1) / kTileHeight + 1;
  if (c0 >= c1 || b0 >= b1) {
    edge(tx0, tx1, ty0, ty1);
  } else {
    edge(tx0, tx1, ty0, b0);
    edge(tx0, tx1, b1, ty1);
    edge(tx0, c0, b0, b1);
    edge(c1, tx1, b0, b1);
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

void Canvas::WriteFills(PixelRect tiles) {
  tiles = {std::max(tiles.x0, fillArea_.x0), std::max(tiles.y0, fillArea_.y0),
           std::min(tiles.x1, fillArea_.x1), std::min(tiles.y1, fillArea_.y1)};
  if (tiles.Empty()) return;
  const int columns = TileColumns();
  for (int band = tiles.y0; band < tiles.y1 && fillsWaiting_ > 0; ++band) {
    const size_t first = static_cast<size_t>(band) * columns;
    signed char* fills = tileFill_.data() + first;
    for (int column = tiles.x0; column < tiles.x1;) {
      // Eight tiles at a time while none of them waits (-1 is the only
      // value with the top bit set).
      uint64_t eight;
      if (column + 8 <= tiles.x1 &&
          (std::memcpy(&eight, fills + column, 8), (eight & 0x8080808080808080ull) == 0x8080808080808080ull)) {
        column += 8;
        continue;
      }
      const signed char colour = fills[column];
      if (colour < 0) {
        ++column;
        continue;
      }
      int end = column + 1;
      while (end < tiles.x1 && fills[end] == colour) ++end;
      FillBlock({column * kTileWidth, band * kTileHeight, std::min(end * kTileWidth, pixelWidth_),
                 std::min((band + 1) * kTileHeight, pixelHeight_)},
                colour);
      std::fill(fills + column, fills + end, -1);
      std::fill(tileSolid_.begin() + static_cast<long>(first) + column,
                tileSolid_.begin() + static_cast<long>(first) + end, colour);
      fillsWaiting_ -= end - column;
      column = end;
    }
  }
  if (fillsWaiting_ == 0) fillArea_ = {};
}

void Canvas::Settle() {
  ReleaseHeld();
  WriteAllFills();
}

// A canvas that holds nothing but this colour already (say, the program's
// first ClearScreen on the new white canvas) is left as it is.
void Canvas::Clear(int colour) {
  int index = PaletteIndex(colour);
  if (uniform_ == index) return;
  BeginFill();
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
  BeginFill();
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
  BeginFill();
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
  BeginFill();
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

namespace {
// Discs up to this many device pixels across are stamped.
constexpr double kStampLimit = 48;
// Their centres are placed to an eighth of a pixel.
constexpr double kStampSteps = 8;
// A round of at most this many stamps that changed nothing is held back
// when it comes again.
constexpr size_t kRoundStamps = 8;
// This many stamps are kept; then the cache starts afresh.
constexpr size_t kStamps = 512;
// When this many stamps wait to be painted, they are painted on the
// canvas's worker threads while the next ones are placed; at most this many
// such batches wait for them (when they fall behind, the drawing waits).
constexpr size_t kHandedStamps = 512;
constexpr long kBatchesAhead = 8;
// Two workers share the painting by bands of rows, 1 << kShareRowsShift
// high, every other band each: a dot covers several, so each worker gets
// about half of every dot.
constexpr int kShareRowsShift = 2;

// std::floor, and std::round of a number at least 0, as integers, for
// values well inside the range of long long (a dot's place), without
// branches: along a curve they go either way at random.
inline long long FloorInt(double v) {
  long long t = static_cast<long long>(v);
  return t - (static_cast<double>(t) > v);
}
inline long long RoundUpInt(double v) {
  long long t = static_cast<long long>(v);
  return t + (v - static_cast<double>(t) >= 0.5);
}

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
// The masks of a stamp from the A8 images of its fill and its outline (both
// `size` pixels a side).
Canvas::StampMasks TakeMasks(cairo_surface_t* fill, cairo_surface_t* outline, int size) {
  Canvas::StampMasks m;
  m.size = size;
  const unsigned char* f = cairo_image_surface_get_data(fill);
  const unsigned char* o = cairo_image_surface_get_data(outline);
  int fs = cairo_image_surface_get_stride(fill), os = cairo_image_surface_get_stride(outline);
  for (int y = 0; y < size; ++y) {
    const unsigned char* fr = f + static_cast<size_t>(y) * fs;
    const unsigned char* orow = o + static_cast<size_t>(y) * os;
    int first = 0, last = size;
    while (first < size && fr[first] == 0 && orow[first] == 0) ++first;
    while (last > first && fr[last - 1] == 0 && orow[last - 1] == 0) --last;
    if (first == last) continue;
    PixelRect& c = m.covered;
    c = c.Empty() ? PixelRect{first, y, last, y + 1}
                  : PixelRect{std::min(c.x0, first), c.y0, std::max(c.x1, last), y + 1};
    Canvas::StampMasks::Row row;
    row.y = static_cast<int16_t>(y);
    row.filled = std::any_of(fr + first, fr + last, [](unsigned char k) { return k != 0; });
    for (int parity = 0; parity < 2; ++parity) {
      // Parity 1: column 0 lies in an odd column, so the pairs start at the
      // stamp's odd columns.
      int from = first - ((first & 1) != parity ? 1 : 0);
      row.from[parity] = static_cast<int16_t>(from);
      row.pairs[parity] = static_cast<int16_t>((last - from + 1) / 2);
      row.at[parity] = static_cast<uint32_t>(m.coverage.size());
      for (const unsigned char* mask : {fr, orow})
        for (int x = from; x < from + 2 * row.pairs[parity]; ++x)
          m.coverage.push_back(x >= first && x < last ? mask[x] : 0);
    }
    m.rows.push_back(row);
  }
  m.rows.shrink_to_fit();
  m.coverage.shrink_to_fit();
  return m;
}

// Two pixels as 16-bit lanes, blue, green, red, unused for each.
using PixelPair = uint16_t __attribute__((vector_size(16)));
using PixelPairBytes = uint8_t __attribute__((vector_size(8)));

// `p` with the colour `c` painted over it through the coverage `k` (the
// unused lanes of `k` are 0, which keeps those of `p`): c * k / 255 + p *
// (255 - k) / 255 lane by lane, each product rounded as pixman rounds it.
inline PixelPair Over(PixelPair p, PixelPair c, PixelPair k) {
  PixelPair s = c * k + 0x80;
  PixelPair d = p * (255 - k) + 0x80;
  return (((s >> 8) + s) >> 8) + (((d >> 8) + d) >> 8);
}

// The coverage of two pixels, `k[0]` and `k[1]`, as the lanes of a pair.
inline PixelPair Coverage(const unsigned char* k) {
  PixelPair out;
#ifdef __SSE2__
  __m128i v = _mm_cvtsi32_si128(k[0] | k[1] << 16);
  v = _mm_unpacklo_epi16(v, v);  // k0 k0 k1 k1
  v = _mm_unpacklo_epi32(v, v);  // k0 k0 k0 k0 k1 k1 k1 k1
  v = _mm_and_si128(v, _mm_set_epi16(0, -1, -1, -1, 0, -1, -1, -1));
  std::memcpy(&out, &v, 16);
#else
  uint64_t lanes = k[0] * 0x010101ull | (k[1] * 0x010101ull) << 32;
  PixelPairBytes bytes;
  std::memcpy(&bytes, &lanes, 8);
  out = __builtin_convertvector(bytes, PixelPair);
#endif
  return out;
}

inline PixelPair ColourPair(Rgb c) {
  return PixelPair{c.b, c.g, c.r, 0, c.b, c.g, c.r, 0};
}

// Two pixels of one colour as they lie in the image, without their unused
// bytes.
constexpr uint64_t kPairColours = 0x00FFFFFF00FFFFFFull;
inline uint64_t SameColourPair(Rgb c) {
  uint64_t one = uint64_t{c.r} << 16 | uint64_t{c.g} << 8 | c.b;
  return one | one << 32;
}
constexpr uint64_t kNoPair = ~0ull;  // never equal to a pair's colours

// Paints the pixel or the two pixels at `at` (`bytes` of them) first in `f`
// through the coverage `kf` (none when null), then in `o` through `ko`. Two
// pixels that are both `settled` (SameColourPair) are left as they are: the
// caller passes it only when painting leaves them so, as painting a colour
// over itself does through any coverage with this rounding.
inline void PaintPair(unsigned char* at, size_t bytes, PixelPair f, const unsigned char* kf,
                      PixelPair o, const unsigned char* ko, uint64_t settled = kNoPair) {
  uint64_t raw = 0;
  std::memcpy(&raw, at, bytes);
  if ((raw & kPairColours) == settled) return;
#ifdef __SSE2__
  // The same, with the bytes widened and narrowed in one instruction each.
  __m128i wide = _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(raw)), _mm_setzero_si128());
  PixelPair p;
  std::memcpy(&p, &wide, 16);
  if (kf) p = Over(p, f, Coverage(kf));
  p = Over(p, o, Coverage(ko));
  std::memcpy(&wide, &p, 16);
  raw = static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_packus_epi16(wide, wide)));
  std::memcpy(at, &raw, bytes);
#else
  PixelPairBytes pixels;
  std::memcpy(&pixels, &raw, 8);
  PixelPair p = __builtin_convertvector(pixels, PixelPair);
  if (kf) p = Over(p, f, Coverage(kf));
  p = Over(p, o, Coverage(ko));
  pixels = __builtin_convertvector(p, PixelPairBytes);
  std::memcpy(at, &pixels, bytes);
#endif
}

// Paints a stamp whose top-left corner lies at (left, top), clipped to the
// image: per pixel its fill colour through the fill's coverage, then its
// outline colour through the outline's, with the rounding of Cairo's own
// compositing (pixman's OVER of a solid colour through a mask). Two pixels
// at a time, in the pairs of the image's even and odd columns: the dots of
// a curve overlap, and a pair read where a pair was just written comes
// fastest. Coverage 0 leaves a pixel as it is.
void PaintStamp(unsigned char* data, int stride, int width, int height,
                const Canvas::StampMasks& m, int left, int top, Rgb fill, Rgb outline, int part,
                int parts) {
  const PixelPair f = ColourPair(fill), o = ColourPair(outline);
  // Pixels in the outline's colour already stay so, unless the fill paints
  // them in another colour first. (Along a traced curve most of a dot's
  // pixels were painted in full by the dots before it.)
  const uint64_t settled = SameColourPair(outline);
  const uint64_t settledWhenFilled = SameColourPair(fill) == settled ? settled : kNoPair;
  const int parity = left & 1;
  const bool inside = left >= 0 && top >= 0 && left + m.size + 1 <= width && top + m.size <= height;
  for (const Canvas::StampMasks::Row& row : m.rows) {
    int y = top + row.y;
    if (y < 0 || y >= height || (parts > 1 && ((y >> kShareRowsShift) & 1) != part)) continue;
    int pairs = row.pairs[parity];
    int x = left + row.from[parity];  // even
    unsigned char* line = data + static_cast<size_t>(y) * stride;
    const unsigned char* kf = m.coverage.data() + row.at[parity];
    const unsigned char* ko = kf + 2 * pairs;
    if (inside) {
      unsigned char* at = line + static_cast<size_t>(x) * 4;
      if (row.filled)
        for (int i = 0; i < pairs; ++i)
          PaintPair(at + 8 * i, 8, f, kf + 2 * i, o, ko + 2 * i, settledWhenFilled);
      else
        for (int i = 0; i < pairs; ++i) PaintPair(at + 8 * i, 8, f, nullptr, o, ko + 2 * i, settled);
      continue;
    }
    // At an edge of the image: only the pixels inside it are painted.
    for (int i = 0; i < pairs; ++i, x += 2) {
      if (x + 1 < 0 || x >= width) continue;
      if (x < 0) {  // only the second pixel of the pair
        const unsigned char second[2][2] = {{kf[2 * i + 1], 0}, {ko[2 * i + 1], 0}};
        PaintPair(line, 4, f, second[0], o, second[1]);
      } else {
        PaintPair(line + static_cast<size_t>(x) * 4, x + 1 < width ? 8 : 4, f, kf + 2 * i, o, ko + 2 * i);
      }
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
  StampSize* sized = nullptr;
  for (StampSize& s : lastSizes_)
    if (s.rx == rx && s.ry == ry && s.width == width) sized = &s;
  if (!sized) {
    double reach = (std::max(rx, ry) + width) * scale_ + 2;
    if (2 * reach > kStampLimit) return false;
    sized = &lastSizes_[olderSize_];
    olderSize_ = (olderSize_ + 1) % lastSizes_.size();
    *sized = {};
    sized->rx = rx, sized->ry = ry, sized->width = width;
    sized->reach = reach;
    sized->size = static_cast<int>(std::ceil(2 * reach)) + 2;
    sized->first = FloorInt(reach * kStampSteps);
  }
  const double dx = x * scale_, dy = y * scale_;
  // The mask's corner, and the centre within the mask in eighths of a pixel.
  const long long left = FloorInt(dx - sized->reach), top = FloorInt(dy - sized->reach);
  const long long ex = RoundUpInt((dx - static_cast<double>(left)) * kStampSteps);
  const long long ey = RoundUpInt((dy - static_cast<double>(top)) * kStampSteps);
  const long long ix = ex - sized->first, iy = ey - sized->first;
  // A stamp wholly off the canvas shows nothing; on a canvas too large for
  // a StampOp's place, Cairo draws the disc.
  if (left + sized->size <= 0 || top + sized->size <= 0 || left >= pixelWidth_ || top >= pixelHeight_)
    return true;
  if (left > INT16_MAX || top > INT16_MAX) return false;
  int* slot = nullptr;
  if (ix >= 0 && ix < kStampPlaces && iy >= 0 && iy < kStampPlaces)
    slot = &sized->stamps[static_cast<size_t>(iy) * kStampPlaces + ix];
  int stamp = slot ? *slot - 1 : -1;
  if (stamp < 0)
    stamp = MakeStamp(rx, ry, width, static_cast<double>(ex) / kStampSteps,
                      static_cast<double>(ey) / kStampSteps, sized->size);
  if (slot) *slot = stamp + 1;
  StampOp op{static_cast<uint16_t>(stamp), static_cast<int16_t>(left), static_cast<int16_t>(top),
             static_cast<uint8_t>(PaletteIndex(fillColour)), static_cast<uint8_t>(PaletteIndex(colour))};
  if (cycle_.stampsOnly && cycle_.held == cycle_.ops.size() && cycle_.held < cycle_.idle.size() &&
      cycle_.idle[cycle_.held] == op) {
    cycle_.ops.push_back(op);
    ++cycle_.held;
    return true;
  }
  QueueHeld();
  PaintOp(op);
  // (A run of many stamps, a curve's dots, is no cursor's round.)
  if (cycle_.stampsOnly && cycle_.ops.size() < kRoundStamps) cycle_.ops.push_back(op);
  else cycle_.stampsOnly = false;
  return true;
}

void Canvas::PaintOp(const StampOp& op) {
  const PixelRect& c = stampTable_[op.stamp]->covered;
  PixelRect r{std::max(0, op.left + c.x0), std::max(0, op.top + c.y0),
              std::min(pixelWidth_, op.left + c.x1), std::min(pixelHeight_, op.top + c.y1)};
  if (r.Empty()) return;
  if (stamped_.Empty()) {
    cairo_surface_flush(surface_);
    stamped_ = r;
  } else {
    stamped_ = {std::min(stamped_.x0, r.x0), std::min(stamped_.y0, r.y0), std::max(stamped_.x1, r.x1),
                std::max(stamped_.y1, r.y1)};
  }
  // The fills waiting under it are written first. (A pair of pixels that
  // its first or last column falls in is written back whole.)
  MarkDirtyPixels({std::max(0, r.x0 - 1), r.y0, std::min(pixelWidth_, r.x1 + 1), r.y1});
  pending_.push_back(op);
  if (pending_.size() >= kHandedStamps) HandPending();
}

void Canvas::PaintOps(const std::vector<StampOp>& ops, const StampMasks* const* stamps,
                      unsigned char* data, int stride, int width, int height, int part, int parts) {
  for (const StampOp& op : ops)
    PaintStamp(data, stride, width, height, *stamps[op.stamp], op.left, op.top, PaletteColour(op.fill),
               PaletteColour(op.outline), part, parts);
}

// The stamps waiting are painted on the worker threads, after those handed
// over before them. Each worker paints its own rows of every stamp (so
// every pixel is still painted by the stamps over it in the order they
// came); two halve the time of a curve's dots, whose painting costs about
// twice their placing. Until the workers have finished, this thread draws
// nothing else, and reads no pixel: ReleaseHeld waits for them.
void Canvas::HandPending() {
  if (workers_.empty()) {
    const int parts = std::thread::hardware_concurrency() >= 3 ? 2 : 1;
    for (int i = 0; i < parts; ++i) workers_.push_back(std::make_unique<Worker>());
  }
  auto stamps = std::make_shared<const std::vector<StampOp>>(std::move(pending_));
  const int parts = static_cast<int>(workers_.size());
  for (int part = 0; part < parts; ++part)
    workers_[static_cast<size_t>(part)]->Hand(
        [stamps, table = stampTable_.data(), data = cairo_image_surface_get_data(surface_),
         stride = Stride(), width = pixelWidth_, height = pixelHeight_, part, parts] {
          PaintOps(*stamps, table, data, stride, width, height, part, parts);
        });
  pending_ = {};
  pending_.reserve(kHandedStamps);
  handed_ = true;
  for (auto& worker : workers_) worker->Finish(kBatchesAhead);
}

void Canvas::PaintPending() {
  if (handed_) {
    if (!pending_.empty()) HandPending();
    for (auto& worker : workers_) worker->Finish();
    handed_ = false;
    return;
  }
  PaintOps(pending_, stampTable_.data(), cairo_image_surface_get_data(surface_), Stride(), pixelWidth_,
           pixelHeight_, 0, 1);
  pending_.clear();
}

void Canvas::QueueHeld() {
  size_t held = cycle_.held;
  cycle_.held = 0;
  for (size_t i = 0; i < held; ++i) PaintOp(cycle_.ops[i]);
}

void Canvas::ReleaseHeld() {
  QueueHeld();
  PaintPending();
  if (!stamped_.Empty()) {
    cairo_surface_mark_dirty_rectangle(surface_, stamped_.x0, stamped_.y0, stamped_.x1 - stamped_.x0,
                                       stamped_.y1 - stamped_.y0);
    stamped_ = {};
  }
}

void Canvas::BeginFill() {
  ReleaseHeld();
  cycle_.stampsOnly = false;
}

// The stamp of a disc with its centre at (fx, fy) in a mask of `size`
// pixels a side: from the cache, or rendered.
uint16_t Canvas::MakeStamp(double rx, double ry, double width, double fx, double fy, int size) {
  StampKey key{rx, ry, width, fx, fy};
  auto found = stamps_.find(key);
  if (found == stamps_.end()) {
    if (stamps_.size() >= kStamps) ClearStamps();
    // Both masks are drawn in two scratch images, kept for the next stamp.
    const int side = static_cast<int>(kStampLimit) + 4;  // at least `size`
    for (int pass = 0; pass < 2; ++pass) {
      if (!maskImages_[pass]) {
        maskImages_[pass] = cairo_image_surface_create(CAIRO_FORMAT_A8, side, side);
        maskDrawers_[pass] = cairo_create(maskImages_[pass]);
      }
      cairo_surface_t* mask = maskImages_[pass];
      cairo_t* m = maskDrawers_[pass];
      cairo_surface_flush(mask);
      std::memset(cairo_image_surface_get_data(mask), 0,
                  static_cast<size_t>(cairo_image_surface_get_stride(mask)) * side);
      cairo_surface_mark_dirty(mask);
      // Device pixels as on the canvas, the centre at (fx, fy).
      cairo_identity_matrix(m);
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
      cairo_surface_flush(mask);
    }
    found = stamps_.emplace(key, TakeMasks(maskImages_[0], maskImages_[1], size)).first;
    if (stampTable_.capacity() < kStamps) stampTable_.reserve(kStamps);
    found->second.number = static_cast<uint16_t>(stampTable_.size());
    stampTable_.push_back(&found->second);
  }
  return found->second.number;
}

void Canvas::ClearStamps() {
  ReleaseHeld();
  cycle_ = {};
  cycle_.stampsOnly = false;
  stamps_.clear();
  stampTable_.clear();
  for (StampSize& s : lastSizes_) s.stamps.fill(0);
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
  BeginFill();
  MarkDirty(x - rx, y - ry, x + rx, y + ry, width + 1);
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

std::vector<Canvas::Placed> Canvas::Place(std::string_view text, double cellWidth,
                                          double cellHeight, const FontSpec& font) {
  FaceKind kind = FaceKindOf(font.face);
  const Face& own = GetFace(kind, font.bold, font.italic);
  // Where the baseline of a proportional face lies, as a fraction of b*s
  // below y: at the font's ascent, except for the small italic letters
  // that the typesetters magnify (Times New Roman below size 12), which
  // stand 1.15 b*s below y, on the line of the Gothic text beside them.
  double ownBaseline = kind == FaceKind::kSerif && font.size < 12 ? 1.15 : own.ascent;
  const Face& gothic = GetFace(FaceKind::kGothic, font.bold, font.italic);
  std::vector<Placed> placed;
  const std::vector<std::string> chars = Chars(text);
  placed.reserve(chars.size());
  for (const std::string& ch : chars) {
    uint32_t code = static_cast<uint32_t>(Asc(ch));
    if (kind == FaceKind::kExtra && code == 'l') code = 0x2113;  // the script ell
    Placed p{&own, kind == FaceKind::kGothic, code, 0, ownBaseline};
    if (!own.Has(code)) {
      p.face = &gothic;
      p.cells = true;
    }
    if (p.cells) {
      p.advance = cellWidth * (CharByteLen(ch) == 2 ? 1.0 : 0.5);
      p.baseline = p.face->ascent;
    } else if (code >= 0x20) {
      UseFace(p, cellWidth, cellHeight);
      cairo_text_extents_t e;
      cairo_text_extents(cr_, Chr(static_cast<int>(code)).c_str(), &e);
      p.advance = e.x_advance;
    }
    placed.push_back(p);
  }
  return placed;
}

void Canvas::UseFace(const Placed& p, double cellWidth, double cellHeight) {
  cairo_set_font_face(cr_, p.face->cairo);
  cairo_matrix_t m;
  if (p.cells) cairo_matrix_init_scale(&m, cellWidth, cellHeight);
  else cairo_matrix_init_scale(&m, cellHeight, cellHeight);
  cairo_set_font_matrix(cr_, &m);
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
  BeginFill();
  // Each character's face, and how far it moves the pen: first all of them,
  // so that the fills waiting where the text goes are written before it is
  // drawn; then the characters are drawn.
  const std::vector<Placed> placed = Place(text, cellWidth, cellHeight, font);
  double pen = x;
  for (const Placed& p : placed) pen += p.advance;
  MarkDirty(x, y, pen, y + cellHeight, 0.5 * cellHeight + 2);
  SetColour(colour);
  pen = x;
  for (const Placed& p : placed) {
    if (p.code >= 0x20 && pen < kWidth + cellWidth && pen + p.advance > -cellWidth) {
      UseFace(p, cellWidth, cellHeight);
      cairo_move_to(cr_, pen, y + cellHeight * p.baseline);
      cairo_show_text(cr_, Chr(static_cast<int>(p.code)).c_str());
    }
    pen += p.advance;
  }
  cairo_new_path(cr_);
  return pen;
}

std::vector<Canvas::Box> Canvas::TextInk(double x, double y, std::string_view text, int a, int b,
                                         const FontSpec& font) {
  double cellWidth = a * font.size, cellHeight = b * font.size;
  if (!Finite(x) || !Finite(y) || !(cellWidth > 0 && cellHeight > 0 && cellWidth < kFar &&
                                    cellHeight < kFar))
    return std::vector<Box>(Chars(text).size());
  std::vector<Box> ink;
  double pen = x;
  for (const Placed& p : Place(text, cellWidth, cellHeight, font)) {
    Box box;
    if (p.code > 0x20 && p.code != 0x3000) {  // blanks show no ink (nor an emboldened one)
      UseFace(p, cellWidth, cellHeight);
      cairo_text_extents_t e;
      cairo_text_extents(cr_, Chr(static_cast<int>(p.code)).c_str(), &e);
      double base = y + cellHeight * p.baseline;
      if (e.width > 0 && e.height > 0)
        box = {pen + e.x_bearing, base + e.y_bearing, pen + e.x_bearing + e.width,
               base + e.y_bearing + e.height};
    }
    ink.push_back(box);
    pen += p.advance;
  }
  return ink;
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

std::vector<PixelRect> Canvas::TakeDamage(std::vector<FilledRect>* filled) {
  if (filled) filled->clear();
  // The stamps drawn since the last call were the very ones that changed
  // nothing then, on the same pixels: they change nothing again.
  if (cycle_.stampsOnly && cycle_.held > 0 && cycle_.held == cycle_.idle.size() &&
      cycle_.ops.size() == cycle_.held && dirty_.empty()) {
    cycle_.ops.clear();
    cycle_.held = 0;
    return {};
  }
  if (filled) ReleaseHeld();
  else Settle();
  std::vector<PixelRect> changed = TakeChangedTiles(filled);
  // Only stamps were drawn, and they changed nothing: the next time they
  // come in the same order, they are held back (see StampDisc).
  if (cycle_.stampsOnly && !cycle_.ops.empty() && changed.empty()) cycle_.idle = cycle_.ops;
  else cycle_.idle.clear();
  cycle_.ops.clear();
  cycle_.stampsOnly = true;
  return changed;
}

std::vector<PixelRect> Canvas::TakeDamageOver(int colour, std::vector<FilledRect>* filled) {
  ReleaseHeld();
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
  return TakeDamage(filled);
}

std::vector<PixelRect> Canvas::TakeChangedTiles(std::vector<FilledRect>* filled) {
  cairo_surface_flush(surface_);
  const int columns = TileColumns(), bands = TileBands();
  const size_t tiles = static_cast<size_t>(columns) * bands;
  std::vector<PixelRect> changed;
  if (tileHashes_.size() != tiles) {
    // The first picture: all of it is sent; the tiles known to hold one
    // colour are known from now on, the others are read when next drawn on.
    WriteAllFills();
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
    if (KnownColour(static_cast<size_t>(t)) < 0) ++unknown;
  const bool read = static_cast<long long>(unknown) * kTileWidth * kTileHeight * kUnreadShare <
                    static_cast<long long>(pixelWidth_) * pixelHeight_;
  PixelRect area{columns, bands, -1, -1};  // in tiles: where the changed tiles lie
  PixelRect refilled = area;               // ... and those of them of one colour
  auto widen = [](PixelRect& r, int column, int band) {
    r = {std::min(r.x0, column), std::min(r.y0, band), std::max(r.x1, column + 1), std::max(r.y1, band + 1)};
  };
  for (int i : dirty_) {
    size_t t = static_cast<size_t>(i);
    int column = i % columns, band = i / columns;
    const int known = KnownColour(t);
    uint64_t h = known >= 0 ? SolidTileHash(column, band, known)
                 : read     ? TileHash(column, band)
                            : kUnknown;
    if (h == kUnknown || h != tileHashes_[t]) {
      if (filled && known >= 0) {
        tileState_[t] |= kRefilled;
        widen(refilled, column, band);
      } else {
        tileState_[t] |= kChanged;
        widen(area, column, band);
      }
    }
    tileHashes_[t] = h;
  }
  // The changed tiles as rectangles (see ChangedRects), coarser and coarser
  // until they are few enough: too many cost more to send than the pixels
  // between them. The fills still waiting within them are written now.
  if (!area.Empty()) {
    for (int gap = 1; gap <= 64; gap *= 4) {
      changed = ChangedRects(area, gap);
      if (changed.size() <= kMaxSentRects) break;
    }
    if (changed.size() > kMaxSentRects)
      changed.assign(1, {area.x0 * kTileWidth, area.y0 * kTileHeight,
                         std::min(area.x1 * kTileWidth, pixelWidth_),
                         std::min(area.y1 * kTileHeight, pixelHeight_)});
    for (const PixelRect& r : changed)
      WriteFills({r.x0 / kTileWidth, r.y0 / kTileHeight, (r.x1 + kTileWidth - 1) / kTileWidth,
                  (r.y1 + kTileHeight - 1) / kTileHeight});
  }
  if (filled && !refilled.Empty()) *filled = FilledRects(refilled);
  for (int t : dirty_) tileState_[static_cast<size_t>(t)] = 0;
  dirty_.clear();
  lastMarked_ = {};
  return changed;
}

// In each band, the runs of changed tiles of one colour; a run just below
// one of the band above, as wide and of its colour, extends it.
std::vector<FilledRect> Canvas::FilledRects(PixelRect area) const {
  const int columns = TileColumns();
  std::vector<FilledRect> rects;  // in tiles until the end
  std::vector<size_t> open, next;  // indexes into rects: the runs of the band above, of this one
  for (int band = area.y0; band < area.y1; ++band) {
    next.clear();
    size_t above = 0;
    for (int column = area.x0; column < area.x1;) {
      const size_t t = static_cast<size_t>(band) * columns + column;
      if (!(tileState_[t] & kRefilled)) {
        ++column;
        continue;
      }
      const int colour = KnownColour(t);
      int end = column + 1;
      while (end < area.x1 && (tileState_[t + (end - column)] & kRefilled) &&
             KnownColour(t + (end - column)) == colour)
        ++end;
      while (above < open.size() && rects[open[above]].rect.x0 < column) ++above;
      if (above < open.size() && rects[open[above]].rect.x0 == column &&
          rects[open[above]].rect.x1 == end && rects[open[above]].colour == colour) {
        rects[open[above]].rect.y1 = band + 1;
        next.push_back(open[above]);
      } else {
        rects.push_back({{column, band, end, band + 1}, colour});
        next.push_back(rects.size() - 1);
      }
      column = end;
    }
    open.swap(next);
  }
  for (FilledRect& f : rects)
    f.rect = {f.rect.x0 * kTileWidth, f.rect.y0 * kTileHeight, std::min(f.rect.x1 * kTileWidth, pixelWidth_),
              std::min(f.rect.y1 * kTileHeight, pixelHeight_)};
  return rects;
}

const unsigned char* Canvas::Pixels() {
  Settle();
  cairo_surface_flush(surface_);
  return cairo_image_surface_get_data(surface_);
}

int Canvas::Stride() const { return cairo_image_surface_get_stride(surface_); }

bool Canvas::SavePng(const std::string& path) {
  Settle();
  cairo_surface_flush(surface_);
  return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace lessons
