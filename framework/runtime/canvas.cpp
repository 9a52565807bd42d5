// The canvas's image and its figures: making the image and binding it to
// memory (its own or a host's), Cairo's view of it, lines, boxes, polylines
// and circles (small filled discs stamped), the fills of one colour, and the
// damage and pixels a host takes. Text is canvas_text.cpp's.
#include "framework/runtime/canvas.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "framework/runtime/palette.h"

namespace lessons {

namespace {

// The clipping helpers below keep coordinates within Canvas::kFar.
constexpr double kFar = Canvas::kFar;

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
  damage_.Reset({cairo_image_surface_get_data(surface_), Stride(), pixelWidth_, pixelHeight_});
  written_ = {};
  cairoDrew_ = true;
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
  if (carryPicture) TellCairo();  // Cairo reads the picture
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
  if (!carryPicture) damage_.MarkSolid({0, 0, pixelWidth_, pixelHeight_}, kColourWhite);
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

void Canvas::SetColour(int colour) {
  assert(written_.Empty() && "Cairo draws only once it was told of the pixels written beside it");
  cairoDrew_ = true;
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

void Canvas::MarkDirtyPixels(PixelRect r) {
  uniform_ = -1;
  damage_.Mark(r);
}

void Canvas::BeginWrite(PixelRect r) {
  r = {std::max(r.x0, 0), std::max(r.y0, 0), std::min(r.x1, pixelWidth_), std::min(r.y1, pixelHeight_)};
  if (r.Empty()) return;
  if (cairoDrew_) cairo_surface_flush(surface_);
  cairoDrew_ = false;
  written_ = written_.Empty() ? r
                              : PixelRect{std::min(written_.x0, r.x0), std::min(written_.y0, r.y0),
                                          std::max(written_.x1, r.x1), std::max(written_.y1, r.y1)};
}

void Canvas::TellCairo() {
  if (written_.Empty()) return;
  cairo_surface_mark_dirty_rectangle(surface_, written_.x0, written_.y0, written_.x1 - written_.x0,
                                     written_.y1 - written_.y0);
  written_ = {};
}

void Canvas::FillPixels(PixelRect box, int colour) {
  uniform_ = -1;
  BeginWrite(box);
  damage_.Fill(box, colour);
  TellCairo();
}

// A canvas that holds nothing but this colour already (say, the program's
// first ClearScreen on the new white canvas) is left as it is.
void Canvas::Clear(int colour) {
  int index = PaletteIndex(colour);
  if (uniform_ == index) return;
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
  TellCairo();
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
  TellCairo();
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
  TellCairo();
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
  BeginWrite(r);
  MarkDirtyPixels(r);
  DotStamps::Paint({cairo_image_surface_get_data(surface_), Stride(), pixelWidth_, pixelHeight_}, placed,
                   PaletteColour(fillColour), PaletteColour(colour));
  return true;
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
  TellCairo();
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

std::vector<PixelRect> Canvas::TakeDamage() {
  TellCairo();
  cairo_surface_flush(surface_);
  return damage_.Take();
}

std::vector<PixelRect> Canvas::TakeDamageOver(int colour) {
  TellCairo();
  cairo_surface_flush(surface_);
  return damage_.TakeOver(colour);
}

const unsigned char* Canvas::Pixels() {
  TellCairo();
  cairo_surface_flush(surface_);
  return cairo_image_surface_get_data(surface_);
}

int Canvas::Stride() const { return cairo_image_surface_get_stride(surface_); }

bool Canvas::SavePng(const std::string& path) {
  TellCairo();
  cairo_surface_flush(surface_);
  return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace lessons
