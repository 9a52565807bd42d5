// The retained drawing surface of the runtime: one Cairo image of the visible
// logical area (0,0)-(1600,900) at the host's pixel scale, in memory of its
// own or in pixels a host lends it (the window's). All coordinates are
// logical units; whatever lies outside the area is clipped.
// This part draws: lines, boxes, polylines, circles and text, with Cairo,
// except what its two other parts do: small filled discs are stamped
// (stamps.h), and the fills of one colour and the damage a present sends are
// the tile damage's (tile_damage.h). It owns the image, and Cairo's view of
// it: the pixels the parts write directly are written only after Cairo's
// drawing was flushed, and Cairo draws again only once it was told of them
// (asserted in debug builds). Its text (placing, drawing and measuring it) is
// canvas_text.cpp's; the image and the figures are canvas.cpp's.
#pragma once

#include <cairo.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/runtime/pixels.h"
#include "framework/runtime/stamps.h"
#include "framework/runtime/tile_damage.h"

namespace lessons {

struct Face;

// A font as DrawText uses it.
struct FontSpec {
  std::string face = "ｺﾞｼｯｸ";
  double size = 16;
  bool bold = false;
  bool italic = false;
};

class Canvas {
 public:
  static constexpr int kWidth = 1600;  // the visible logical area
  static constexpr int kHeight = 900;
  // Coordinates are kept within this many logical units of the origin before
  // they reach Cairo (whose fixed-point coordinates overflow far out); nothing
  // beyond it can be visible.
  static constexpr double kFar = 100000;

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
  // A rectangle in logical units; empty when x1 <= x0.
  struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool Empty() const { return x1 <= x0 || y1 <= y0; }
  };
  // Where Text would put ink: one box per character, empty for a blank, a
  // control character or a glyph without ink. Draws nothing.
  std::vector<Box> TextInk(double x, double y, std::string_view text, int a, int b,
                           const FontSpec& font);
  // How far Text would move the pen for the text. Draws nothing.
  double TextAdvance(std::string_view text, int a, int b, const FontSpec& font);

  // The damage since the last call: rectangles of device pixels that hold
  // every pixel drawn over that now differs from what it was at that call
  // (a figure drawn and erased again between two calls is no damage). The
  // first call, and the first after a Rescale or Rebind, answers the whole
  // canvas. See TileDamage::Take.
  std::vector<PixelRect> TakeDamage();
  // TakeDamage for the first present into a window that shows `colour`
  // everywhere and nothing of the canvas yet: the tiles known to hold that
  // colour are left out.
  std::vector<PixelRect> TakeDamageOver(int colour);
  // True when anything was drawn since the last TakeDamage.
  bool HasDamage() const { return damage_.Any(); }
  // True when TakeDamage would answer any rectangle (and takes it).
  bool TakeChanges() { return !TakeDamage().empty(); }

  // The image: Cairo RGB24 pixels (32 bits each, 0x00RRGGBB native).
  const unsigned char* Pixels();
  int Stride() const;
  bool SavePng(const std::string& path);

 private:
  void Setup();
  // A character of a text as Text draws it: its face, whether it stands in
  // a cell (the em stretched to it), its code, how far it moves the pen and
  // where its baseline lies (a fraction of the cell height below the top);
  // an italic letter's origin lies `shift` right of the pen and its em is
  // narrowed by `narrow` (see FitItalic).
  struct Placed {
    const Face* face;
    bool cells;
    uint32_t code;
    double advance;
    double baseline;
    double shift = 0;
    double narrow = 1;
  };
  std::vector<Placed> Place(std::string_view text, double cellWidth, double cellHeight,
                            const FontSpec& font);
  void UseFace(const Placed& p, double cellWidth, double cellHeight);
  double StrokeWidth(double width, int colour) const;
  // Sets Cairo's source colour: every figure Cairo draws starts here.
  void SetColour(int colour);
  void FillAndStroke(bool filled, int fillColour, int colour, double width, cairo_line_join_t join);
  // The pixels a figure may touch, of a box in logical units widened by
  // `margin`, clipped to the canvas.
  PixelRect DirtyBox(double x0, double y0, double x1, double y1, double margin) const;
  // Marks the pixels as drawn on: the tiles may hold anything now.
  void MarkDirty(double x0, double y0, double x1, double y1, double margin);
  void MarkDirtyPixels(PixelRect r);
  // The pixels of `r` are about to be written directly: Cairo's drawing is
  // flushed first, and Cairo is told of them later (TellCairo).
  void BeginWrite(PixelRect r);
  // Tells Cairo which pixels were written directly since it was last told
  // (before Cairo draws, or the pixels are read).
  void TellCairo();
  // Fills the box of pixels in a palette colour (see TileDamage::Fill).
  void FillPixels(PixelRect box, int colour);
  // A small whole filled disc, stamped; false when it is too large to stamp.
  bool StampDisc(double x, double y, double rx, double ry, double width, int colour, int fillColour);

  double scale_;
  int pixelWidth_, pixelHeight_;
  bool lent_ = false;
  int uniform_ = -1;  // the palette index the whole canvas holds, or -1
  cairo_surface_t* surface_;
  cairo_t* cr_;
  DotStamps stamps_;
  TileDamage damage_;
  // The pixels written directly that Cairo was not told of yet (it is told
  // once for a run of stamps, before it draws or the pixels are read), and
  // whether Cairo drew since its drawing was last flushed.
  PixelRect written_;
  bool cairoDrew_ = true;
};

}  // namespace lessons
