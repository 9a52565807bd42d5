// The retained drawing surface of the runtime: one Cairo image of the visible
// logical area (0,0)-(1600,900) at the host's pixel scale, in memory of its
// own or in pixels a host lends it (the window's). All coordinates are
// logical units; whatever lies outside the area is clipped.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace lessons {

// A font as DrawText uses it.
struct FontSpec {
  std::string face = "ｺﾞｼｯｸ";
  double size = 16;
  bool bold = false;
  bool italic = false;
};

// A rectangle of pixels, x0/y0 inclusive, x1/y1 exclusive.
struct PixelRect {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool Empty() const { return x1 <= x0 || y1 <= y0; }
};

// Pixels a host lends the canvas to draw into (32 bits each, 0x00RRGGBB
// native, `stride` bytes a row, as many rows as the canvas has); null data
// means none: the canvas keeps an image of its own.
struct PixelMemory {
  unsigned char* data = nullptr;
  int stride = 0;
};

class Canvas {
 public:
  static constexpr int kWidth = 1600;  // the visible logical area
  static constexpr int kHeight = 900;

  // A square coverage mask of `size` pixels a side, row by row, with the
  // columns of each row between its first and its last covered pixel.
  struct Mask {
    int size = 0;
    std::vector<unsigned char> coverage;
    std::vector<std::pair<int, int>> spans;
  };

  // The size in pixels of the canvas at a pixel scale.
  static int PixelWidthAt(double pixelScale);
  static int PixelHeightAt(double pixelScale);

  // A white canvas, in `memory` when given (it must stay valid until the
  // canvas is rebound or destroyed).
  explicit Canvas(double pixelScale, PixelMemory memory = {});
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  double Scale() const { return scale_; }
  // Changes the pixel scale, keeping the picture (resampled), in memory of
  // the canvas's own.
  void Rescale(double pixelScale) { Rebind(pixelScale, {}); }
  // Moves the picture (resampled to the scale) into `memory`, or into memory
  // of the canvas's own when it holds no data, and draws there from now on.
  // The memory it used before is not touched again (nor read, without
  // `carryPicture`: the canvas starts white).
  void Rebind(double pixelScale, PixelMemory memory, bool carryPicture = true);
  bool InLentMemory() const { return lent_; }
  int PixelWidth() const { return pixelWidth_; }
  int PixelHeight() const { return pixelHeight_; }

  // Fills the whole canvas.
  void Clear(int colour);
  void Line(double x1, double y1, double x2, double y2, int colour, double width);
  // A rectangle between two opposite corners: its border in lineColour, and
  // when `filled` its inside in fillColour.
  void Rectangle(double x1, double y1, double x2, double y2, int lineColour, bool filled,
                 int fillColour, double width);
  struct Point {
    double x, y;
  };
  void Polyline(const std::vector<Point>& points, int colour, double width, bool filled,
                int fillColour);
  // Angles are fractions of a full turn, clockwise on the screen from +x;
  // start > end wraps through 0; 0 and 0 give the whole circle. `filled`
  // fills the disc or sector.
  void Circle(double x, double y, double radius, double aspect, double start, double end,
              int colour, double width, bool filled, int fillColour);
  // Text with the top-left corner of its first character cell at (x, y); (a,
  // b) is the size pair (see docs/runtime.md). Returns the pen x after it.
  double Text(double x, double y, std::string_view text, int a, int b, int colour,
              const FontSpec& font);

  // The damage since the last call: the rectangles of device pixels that
  // were drawn over and now differ from what they were at that call (a figure
  // drawn and erased again between two calls is no damage). The first call,
  // and the first after a Rescale or Rebind, answers the whole canvas.
  // The canvas keeps no copy of the picture for this: it compares a hash of
  // each tile of pixels the damage touches with the tile's hash at the last
  // call, and answers the damaged rows of the tiles that changed.
  std::vector<PixelRect> TakeDamage();
  // True when anything was drawn since the last TakeDamage.
  bool HasDamage() const { return !damage_.empty(); }
  // True when TakeDamage would answer any rectangle (and takes it).
  bool TakeChanges() { return !TakeDamage().empty(); }

  // The image: Cairo RGB24 pixels (32 bits each, 0x00RRGGBB native).
  const unsigned char* Pixels();
  int Stride() const;
  bool SavePng(const std::string& path);

 private:
  void Setup();
  double StrokeWidth(double width, int colour) const;
  void SetColour(int colour);
  void FillAndStroke(bool filled, int fillColour, int colour, double width, cairo_line_join_t join);
  void MarkDirty(double x0, double y0, double x1, double y1, double margin);
  void AddDamage(PixelRect r);
  uint64_t TileHash(int column, int band) const;
  bool StampDisc(double x, double y, double rx, double ry, double width, int colour, int fillColour);
  void ClearStamps();

  double scale_;
  int pixelWidth_, pixelHeight_;
  bool lent_ = false;
  int uniform_ = -1;  // the palette index the whole canvas holds, or -1
  cairo_surface_t* surface_;
  cairo_t* cr_;
  std::vector<PixelRect> damage_;  // drawn over since the last TakeDamage
  // Per tile (kTileWidth x kTileHeight pixels, row by row): its hash at the
  // last TakeDamage, and (while one runs) whether it looked at the tile and
  // found it changed.
  std::vector<uint64_t> tileHashes_;
  std::vector<unsigned char> tileState_;
  std::vector<int> touched_;  // scratch: the tiles one TakeDamage looks at
  // Small filled discs as coverage masks of their fill and their outline,
  // by radii, pen (logical units) and centre within the mask (pixels).
  using StampKey = std::tuple<double, double, double, double, double>;
  struct Stamp {
    Mask fill, outline;
  };
  std::map<StampKey, Stamp> stamps_;
};

}  // namespace lessons
