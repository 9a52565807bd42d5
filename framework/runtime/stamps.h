// The dot stamps: the canvas's small filled discs (a curve's dots, an
// entry's cursor dot) painted from coverage masks of their fill and outline
// instead of filled and stroked by Cairo, which costs many times more (a
// traced curve has thousands of dots). This part owns the masks, rendered
// once for each disc size and centre position within the pixel grid (to an
// eighth of a pixel) and kept in a cache, and painting them with Cairo's
// rounding. It knows nothing of tiles or of Cairo's view of the pixels: the
// canvas marks what a stamp covers, and flushes and tells Cairo around it.
#pragma once

#include <cairo.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

#include "framework/runtime/palette.h"
#include "framework/runtime/pixels.h"

namespace lessons {

class DotStamps {
 public:
  // A small filled disc as the coverage of its fill and of its outline, in a
  // square of `size` pixels a side: for each row that either covers, the
  // columns from its first covered one to its last, by pairs of pixels as
  // they lie in the image's pairs of columns (even and odd), once for a
  // stamp whose column 0 is an even column of the image and once for one
  // whose column 0 is odd.
  struct Masks {
    // (Small: the cache keeps hundreds of stamps of twenty-odd rows.)
    struct Row {
      int16_t y = 0;
      int16_t from[2] = {0, 0};   // the first column of its first pair, by parity
      int16_t pairs[2] = {0, 0};  // how many pairs
      bool filled = false;        // the fill covers any of its pixels
      // Where they start in `coverage`: the fill's coverage of each pixel,
      // then the outline's.
      uint32_t at[2] = {0, 0};
    };
    int size = 0;
    PixelRect covered;  // the pixels either covers, within the square
    std::vector<Row> rows;
    std::vector<unsigned char> coverage;
  };

  // A disc placed on an image: its masks, where their corner lies, and the
  // pixels of the image it covers (none when it lies outside).
  struct Placed {
    const Masks* masks = nullptr;
    int left = 0, top = 0;
    PixelRect covered;
  };

  explicit DotStamps(double pixelScale) : scale_(pixelScale) {}
  ~DotStamps();
  DotStamps(const DotStamps&) = delete;
  DotStamps& operator=(const DotStamps&) = delete;

  // Forgets every mask: they were made for the old scale.
  void Rescale(double pixelScale);

  // Places the filled disc about (x, y) with radii rx, ry and pen `width`
  // (logical units) on an image of the given size; false when it is too
  // large to stamp.
  bool Place(double x, double y, double rx, double ry, double width, int imageWidth, int imageHeight,
             Placed& placed);
  // Paints a placed disc: its fill colour through the fill's coverage, then
  // its outline colour through the outline's, as Cairo composites them.
  static void Paint(const PixelImage& image, const Placed& placed, Rgb fill, Rgb outline);

  // How far the pen of a whole ellipse's outline reaches past its centre, or
  // 0. Cairo's stroke of so small a closed ellipse (a filled dot's outline)
  // leaves a hole about the centre; the disc of this radius, within the pen's
  // reach of every point of the ellipse, fills it.
  static double PastCentre(double rx, double ry, double width);
  // Strokes the current path, a whole ellipse about (x, y), into coverage (an
  // A8 image or group); where the pen reaches `past` the centre, the disc
  // about it adds its coverage: the dot comes out solid.
  static void StrokeCoverage(cairo_t* cr, double x, double y, double past, double width);
  // The path of a whole ellipse about (x, y).
  static void EllipsePath(cairo_t* cr, double x, double y, double rx, double ry);

 private:
  // The masks of a disc with its centre at (fx, fy) in a square of `size`
  // pixels a side: from the cache, or rendered.
  const Masks* Make(double rx, double ry, double width, double fx, double fy, int size);
  void Clear();

  double scale_;
  // The masks by radii, pen (logical units) and centre within the square
  // (pixels).
  using Key = std::tuple<double, double, double, double, double>;
  std::map<Key, Masks> cache_;
  // The masks of the disc sizes last stamped, by the centre's position in
  // eighths of a pixel: a traced curve stamps one size many times, and an
  // entry's cursor dot two (the dot, and its erasing a little wider).
  static constexpr int kPlaces = 10;
  struct Size {
    double rx = -1, ry = -1, width = -1;
    double reach = 0;     // from the centre to the square's corner, pixels
    int size = 0;         // the square's side
    long long first = 0;  // the first centre position, eighths of a pixel
    std::array<const Masks*, kPlaces * kPlaces> masks{};
  };
  std::array<Size, 2> lastSizes_;
  size_t olderSize_ = 0;  // the one to replace next
  // Scratch images (and their drawing contexts) a disc's fill and outline
  // are rendered in.
  cairo_surface_t* scratch_[2] = {nullptr, nullptr};
  cairo_t* scratchDrawers_[2] = {nullptr, nullptr};
};

}  // namespace lessons
