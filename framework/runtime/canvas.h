// The retained drawing surface of the runtime: one Cairo image of the visible
// logical area (0,0)-(1600,900) at the host's pixel scale, in memory of its
// own or in pixels a host lends it (the window's). All coordinates are
// logical units; whatever lies outside the area is clipped.
#pragma once

#include <cairo.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace lessons {

class Worker;
struct Face;

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

// A rectangle of pixels that all hold one palette colour.
struct FilledRect {
  PixelRect rect;
  int colour = 0;
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

  // A small filled disc as the coverage of its fill and of its outline, in a
  // square of `size` pixels a side: for each row that either covers, the
  // columns from its first covered one to its last, by pairs of pixels as
  // they lie in the canvas's pairs of columns (even and odd), once for a
  // stamp whose column 0 is an even column of the canvas and once for one
  // whose column 0 is odd.
  struct StampMasks {
    // (Small: the canvas keeps hundreds of stamps of twenty-odd rows.)
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
    uint16_t number = 0;  // in the canvas's table of stamps
    PixelRect covered;  // the pixels either covers, within the square
    std::vector<Row> rows;
    std::vector<unsigned char> coverage;
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
  // A rectangle in logical units; empty when x1 <= x0.
  struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool Empty() const { return x1 <= x0 || y1 <= y0; }
  };
  // Where Text would put ink: one box per character, empty for a blank, a
  // control character or a glyph without ink. Draws nothing.
  std::vector<Box> TextInk(double x, double y, std::string_view text, int a, int b,
                           const FontSpec& font);

  // The damage since the last call: rectangles of device pixels that hold
  // every pixel drawn over that now differs from what it was at that call
  // (a figure drawn and erased again between two calls is no damage). The
  // first call, and the first after a Rescale or Rebind, answers the whole
  // canvas. The canvas keeps no copy of the picture for this: it compares a
  // hash of each tile of pixels the damage touches with the tile's hash at
  // the last call, and answers the tiles that changed. A tile known to hold
  // one colour only (after a clear or a wipe) is not read for its hash; and
  // when the tiles to read are many (a new screen's figures), they are
  // answered without being read, as changed.
  std::vector<PixelRect> TakeDamage() { return TakeDamage(nullptr); }
  // TakeDamage for a host that can fill rectangles of the window in one
  // colour itself: the damage known to hold one colour (a clear's, a box's
  // inside) comes in `filled` instead, and the fills that were not written
  // into the pixels yet need not be (the window is filled, not sent them).
  // The pixels of the rectangles answered are up to date; those elsewhere
  // may not be until they are read (Pixels) or drawn over.
  std::vector<PixelRect> TakeDamage(std::vector<FilledRect>* filled);
  // TakeDamage for the first present into a window that shows `colour`
  // everywhere and nothing of the canvas yet: the tiles known to hold that
  // colour are left out.
  std::vector<PixelRect> TakeDamageOver(int colour, std::vector<FilledRect>* filled = nullptr);
  // True when anything was drawn since the last TakeDamage.
  bool HasDamage() const { return !dirty_.empty() || cycle_.held > 0; }
  // True when TakeDamage would answer any rectangle (and takes it).
  bool TakeChanges() { return !TakeDamage().empty(); }

  // Paints whatever was drawn and is not painted yet (small discs wait to
  // be painted together, and large fills until anything else is drawn over
  // them; Pixels, TakeDamage and SavePng do this first). A host that shows
  // the canvas's lent memory without them calls it.
  void Settle();

  // The image: Cairo RGB24 pixels (32 bits each, 0x00RRGGBB native).
  const unsigned char* Pixels();
  int Stride() const;
  bool SavePng(const std::string& path);

 private:
  void Setup();
  // A character of a text as Text draws it: its face, whether it stands in
  // a cell (the em stretched to it), its code, how far it moves the pen and
  // where its baseline lies (a fraction of the cell height below the top).
  struct Placed {
    const Face* face;
    bool cells;
    uint32_t code;
    double advance;
    double baseline;
  };
  std::vector<Placed> Place(std::string_view text, double cellWidth, double cellHeight,
                            const FontSpec& font);
  void UseFace(const Placed& p, double cellWidth, double cellHeight);
  double StrokeWidth(double width, int colour) const;
  void SetColour(int colour);
  // A pixel of the palette colour as Cairo paints it.
  static uint32_t SolidPixel(int colour);
  void FillAndStroke(bool filled, int fillColour, int colour, double width, cairo_line_join_t join);
  // The pixels a figure may touch, of a box in logical units widened by
  // `margin`, clipped to the canvas.
  PixelRect DirtyBox(double x0, double y0, double x1, double y1, double margin) const;
  // Marks the pixels as drawn on: the tiles may hold anything now. Fills not
  // written yet there are written first (a box marks its border before it
  // draws it; other figures write all fills before they draw).
  void MarkDirty(double x0, double y0, double x1, double y1, double margin);
  void MarkDirtyPixels(PixelRect r);
  void MarkTileDirty(size_t tile);
  uint64_t TileHash(int column, int band) const;
  std::vector<PixelRect> ChangedRects(PixelRect area, int gap) const;
  std::vector<PixelRect> TakeChangedTiles(std::vector<FilledRect>* filled);
  // The changed tiles of one colour (see TakeChangedTiles), as rectangles.
  std::vector<FilledRect> FilledRects(PixelRect area) const;
  // The palette colour the tile holds and nothing else, when that is known
  // (written or waiting to be), or -1.
  int KnownColour(size_t tile) const { return tileFill_[tile] >= 0 ? tileFill_[tile] : tileSolid_[tile]; }
  uint64_t SolidTileHash(int column, int band, int colour);
  int TileColumns() const;
  int TileBands() const;
  // Fills the box of pixels in a palette colour. The tiles wholly inside it
  // are written only when another figure comes, or the pixels are read (a
  // screen's clear is mostly covered by its panels before that), and not at
  // all when they hold the colour already.
  void FillPixels(PixelRect box, int colour);
  // Writes the fills waiting in the tiles of the range (columns x0..x1-1,
  // bands y0..y1-1).
  void WriteFills(PixelRect tiles);
  void WriteAllFills() { WriteFills({0, 0, TileColumns(), TileBands()}); }
  // Writes the colour into the pixels of `r` (within the canvas).
  void FillBlock(PixelRect r, int colour);
  // The tiles wholly inside the box hold only the colour now.
  void MarkSolid(PixelRect box, int colour);
  bool StampDisc(double x, double y, double rx, double ry, double width, int colour, int fillColour);
  // A stamp as drawn: its number in stampTable_, where its mask's corner
  // lies (on or near the canvas: it is drawn only when it shows), and its
  // two colours. Eight bytes: the workers read thousands of them a curve,
  // each cache line of them coming from the core that placed them.
  struct StampOp {
    uint16_t stamp = 0;
    int16_t left = 0, top = 0;
    uint8_t fill = 0, outline = 0;
    bool operator==(const StampOp&) const = default;
  };
  // Marks the stamp's pixels as drawn on, and adds it to those waiting to
  // be painted.
  void PaintOp(const StampOp& op);
  // Paints the stamps into the pixels (of the given size), one after another:
  // every row of them, or when `parts` share the work, only the rows of the
  // bands that fall to `part` (see kShareRowsShift).
  static void PaintOps(const std::vector<StampOp>& ops, const StampMasks* const* stamps,
                       unsigned char* data, int stride, int width, int height, int part, int parts);
  void HandPending();
  // Paints the stamps waiting, or waits for the workers to paint them.
  void PaintPending();
  // The stamps held back (see cycle_) wait to be painted like any other.
  void QueueHeld();
  // Paints the stamps held back (see cycle_) and those waiting (pending_),
  // and tells Cairo which pixels the stamps painted since it was last told.
  void ReleaseHeld();
  // Any drawing but a stamp: the held stamps are painted first. The fills
  // not written yet wait: a figure has those under it written (MarkDirty)
  // before it draws, and a clear or a box may cover them.
  void BeginFill();
  // The stamp's number in stampTable_, from the cache or rendered.
  uint16_t MakeStamp(double rx, double ry, double width, double fx, double fy, int size);
  void ClearStamps();

  double scale_;
  int pixelWidth_, pixelHeight_;
  bool lent_ = false;
  int uniform_ = -1;  // the palette index the whole canvas holds, or -1
  cairo_surface_t* surface_;
  cairo_t* cr_;
  // Per tile (kTileWidth x kTileHeight pixels, row by row): its hash at the
  // last TakeDamage; the palette colour its pixels hold and nothing else,
  // when that is known (after a clear or a wipe), or -1; and whether it was
  // drawn on since the last TakeDamage (and, while one runs, whether it
  // changed).
  std::vector<uint64_t> tileHashes_;
  std::vector<signed char> tileSolid_;
  std::vector<unsigned char> tileState_;
  // Per tile, the palette colour it was filled with and that is not written
  // yet (its pixels are to be read as that colour), or -1; how many are, and
  // where.
  std::vector<signed char> tileFill_;
  long fillsWaiting_ = 0;
  PixelRect fillArea_;  // in tiles: where they lie (or a little more)
  std::vector<int> dirty_;  // the tiles drawn on since the last TakeDamage
  // The tiles (columns x0..x1, bands y0..y1) last marked dirty, all of them
  // still dirty, of no known colour and with no fill waiting: a curve's next
  // dot mostly falls on the same tiles.
  PixelRect lastMarked_;
  std::array<uint64_t, 16> solidHashes_{};  // SolidTileHash of whole tiles, by colour
  // Small filled discs as coverage masks of their fill and their outline,
  // by radii, pen (logical units) and centre within the mask (pixels).
  using StampKey = std::tuple<double, double, double, double, double>;
  std::map<StampKey, StampMasks> stamps_;
  // The same by number, as a StampOp names them (room for all of them is
  // reserved with the first: the workers read it while stamps are added).
  std::vector<const StampMasks*> stampTable_;
  // The stamps of the disc sizes last stamped, by the centre's position in
  // eighths of a pixel: a traced curve stamps one size many times, and an
  // entry's cursor dot two (the dot, and its erasing a little wider).
  static constexpr int kStampPlaces = 10;
  struct StampSize {
    double rx = -1, ry = -1, width = -1;
    double reach = 0;    // from the centre to the mask's corner, pixels
    int size = 0;        // the mask's side
    long long first = 0;  // the first centre position, eighths of a pixel
    std::array<int, kStampPlaces * kStampPlaces> stamps{};  // numbers + 1, or 0
  };
  std::array<StampSize, 2> lastSizes_;
  // An entry's cursor dot is erased and drawn again at every poll, leaving
  // the pixels as they were. The stamps drawn between two TakeDamage calls
  // while nothing else is drawn and they are few (`ops`); the last such run
  // that changed nothing (`idle`). When the same stamps come again in the
  // same order they are held back (the first `held` of `ops`) and painted
  // only if anything else follows before the next TakeDamage, or the pixels
  // are read.
  struct {
    std::vector<StampOp> ops, idle;
    size_t held = 0;
    bool stampsOnly = true;
  } cycle_;
  // Scratch images (and their drawing contexts) a stamp's fill and outline
  // are drawn in.
  cairo_surface_t* maskImages_[2] = {nullptr, nullptr};
  cairo_t* maskDrawers_[2] = {nullptr, nullptr};
  size_t olderSize_ = 0;  // the one to replace next
  // The pixels stamps painted that Cairo was not told of yet (it is told
  // once for a run of stamps, before it draws or the pixels are read).
  PixelRect stamped_;
  // The stamps drawn and not painted yet, in the order they came; the
  // threads that paint many of them (two, each taking every other band of
  // rows, where the machine has a core to spare for each; started when
  // first needed), and whether they were handed any they may not have
  // painted yet.
  std::vector<StampOp> pending_;
  std::vector<std::unique_ptr<Worker>> workers_;
  bool handed_ = false;
};

}  // namespace lessons
