// What the canvas draws: palette contrast, text cells, circle angles,
// clipping, and the change tracking that lets the window skip presenting.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "framework/runtime/canvas.h"
#include "framework/runtime/fonts.h"
#include "framework/runtime/palette.h"

namespace lessons {
namespace {

double Luminance(Rgb c) {
  auto channel = [](uint8_t v) {
    double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

double Contrast(int text, int ground) {
  double a = Luminance(PaletteColour(text)), b = Luminance(PaletteColour(ground));
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The bounding box of the pixels in `area` that differ from white (or, with
// `dark`, whose blue channel is below it).
struct Ink {
  int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
  int count = 0;
};

Ink InkIn(Canvas& c, int ax0 = 0, int ay0 = 0, int ax1 = -1, int ay1 = -1, int dark = 256) {
  if (ax1 < 0) ax1 = c.PixelWidth();
  if (ay1 < 0) ay1 = c.PixelHeight();
  Ink ink;
  const unsigned char* p = c.Pixels();
  for (int y = ay0; y < ay1; ++y)
    for (int x = ax0; x < ax1; ++x) {
      uint32_t v = *reinterpret_cast<const uint32_t*>(p + y * c.Stride() + x * 4) & 0xFFFFFF;
      if (v == 0xFFFFFF || static_cast<int>(v & 0xFF) >= dark) continue;
      ++ink.count;
      ink.x0 = std::min(ink.x0, x), ink.y0 = std::min(ink.y0, y);
      ink.x1 = std::max(ink.x1, x), ink.y1 = std::max(ink.y1, y);
    }
  return ink;
}

FontSpec Font(const std::string& face, double size, bool bold = false, bool italic = false) {
  return FontSpec{face, size, bold, italic};
}

// CIE L*a*b* (D65) of a palette colour.
std::array<double, 3> Lab(int colour) {
  Rgb c = PaletteColour(colour);
  auto lin = [](uint8_t v) {
    double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  double r = lin(c.r), g = lin(c.g), b = lin(c.b);
  double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
  double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
  double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
  auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double DeltaE(int a, int b) {
  auto p = Lab(a), q = Lab(b);
  return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

// The text colours carry the lessons' roles (0 running text, 3 terms, 5
// results, 7 headings and figure labels, 13 question numbers; 9 and 11 as
// well): each reads as plain text on the white ground, and no two are
// confused with each other.
TEST(Palette, TextColoursReadOnWhiteAndStayApart) {
  EXPECT_EQ(Luminance(PaletteColour(15)), 1.0);
  EXPECT_EQ(Luminance(PaletteColour(0)), 0.0);
  const int texts[] = {0, 3, 5, 7, 9, 11, 13};
  for (int text : texts) EXPECT_GE(Contrast(text, 15), 4.5) << text << " on 15";
  for (int a : texts)
    for (int b : texts)
      if (a < b) { EXPECT_GE(DeltaE(a, b), 40) << a << " and " << b; }
}

// Each fill that carries text suits every text colour drawn on it (lesson
// text, 3.0; the key box and the next-step box hold prompts, 4.5).
TEST(Palette, FillsCarryTheirTexts) {
  EXPECT_GE(Contrast(9, 4), 4.5) << "key box";
  EXPECT_GE(Contrast(9, 12), 4.5) << "next-step box";
  for (int text : {15, 13}) EXPECT_GE(Contrast(text, 10), 3) << text << " on the menu panel";
  EXPECT_GE(Contrast(15, 10), 4.5);
  for (int text : {15, 13, 11}) EXPECT_GE(Contrast(text, 6), 3) << text << " on the definition panel";
  EXPECT_GE(Contrast(15, 6), 4.5);
  for (int text : {0, 3, 5}) EXPECT_GE(Contrast(text, 13), 3) << text << " on 13";
  EXPECT_GE(Contrast(15, 13), 4.5);
  EXPECT_GE(Contrast(13, 3), 3);
  // 13 is dark enough to read on white, so the mid-tone text colours cannot
  // stand on it (docs/runtime.md).
  for (int text : {7, 9, 11}) EXPECT_LT(Contrast(text, 13), 3) << text << " on 13";
  // Colour numbers outside 0..15 wrap around instead of failing.
  EXPECT_EQ(Luminance(PaletteColour(31)), 1.0);
  EXPECT_EQ(Luminance(PaletteColour(-16)), 0.0);
}

TEST(CanvasText, CharactersFillTheirCells) {
  for (bool bold : {false, true}) {
    Canvas c(1.0);
    // A full-width character at (1,1) size 16 lies inside its 16x16 cell and
    // fills most of it; the pen moves on by 16. (Synthetic bold may add a
    // faint pixel at the right.)
    EXPECT_EQ(c.Text(100, 100, "漢", 1, 1, 0, Font("ゴシック", 16, bold)), 116);
    Ink k = InkIn(c, 0, 0, -1, -1, bold ? 128 : 256);
    EXPECT_GE(k.x0, 100);
    EXPECT_LE(k.x1, 115);
    EXPECT_GE(k.y0, 100);
    EXPECT_LE(k.y1, 115);
    EXPECT_GE(k.x1 - k.x0, 11);
    EXPECT_GE(k.y1 - k.y0, 11);
  }
  {
    // Single-byte characters (ASCII, half-width katakana) take half a cell.
    Canvas c(1.0);
    EXPECT_EQ(c.Text(100, 100, "Aﾀ漢", 1, 1, 0, Font("ｺﾞｼｯｸ", 16)), 132);
    Ink first = InkIn(c, 0, 0, 108, 900);
    EXPECT_GE(first.x0, 100);
    EXPECT_LE(first.x1, 107);
  }
  {
    // (3,3): a digit 24 wide and 48 high; (2,3): a double-byte one 32 x 48.
    Canvas c(1.0);
    EXPECT_EQ(c.Text(200, 300, "3", 3, 3, 0, Font("ゴシック", 16, true)), 224);
    Ink k = InkIn(c);
    EXPECT_GE(k.x0, 200);
    EXPECT_LE(k.x1, 224);
    EXPECT_GE(k.y0, 300);
    EXPECT_LE(k.y1, 348);
    EXPECT_GE(k.y1 - k.y0, 30);
    EXPECT_EQ(c.Text(200, 400, "＋", 2, 3, 0, Font("ゴシック", 16)), 232);
  }
  {
    // Proportional faces keep their natural width and take the height b*s.
    // The small magnified italic letters stand on the line of the Gothic text
    // beside them: "x" at (+4, -22) with (10, 7) at size 8 ends where the
    // digit "3" drawn at (0, 0) with (3, 3) at size 16 ends.
    Canvas c(1.0);
    double end = c.Text(104, 78, "x", 10, 7, 0, Font("Times New Roman", 8, true, true));
    EXPECT_GT(end, 115);
    Ink letter = InkIn(c);
    EXPECT_GE(letter.x0, 100);  // within the typesetter's advance of 27
    EXPECT_LE(letter.x1, 100 + 27);
    c.Clear(15);
    c.Text(200, 100, "3", 3, 3, 0, Font("ゴシック", 16, true));
    Ink digit = InkIn(c);
    EXPECT_NEAR(letter.y1, digit.y1, 3);
    EXPECT_LT(digit.y0, letter.y0);  // the letter is lower than the digit is high
    // At larger sizes (the plane's axis letter) the glyph lies within its
    // b*s height.
    Canvas d(1.0);
    d.Text(100, 100, "x", 3, 2, 0, Font("Times New Roman", 20.8, true, true));
    Ink axis = InkIn(d);
    EXPECT_GE(axis.y0, 100);
    EXPECT_LE(axis.y1, 142);
  }
  {
    // A double-scale canvas draws the same picture twice as large.
    Canvas c(2.0);
    c.Text(100, 100, "漢", 1, 1, 0, Font("ゴシック", 16));
    Ink k = InkIn(c);
    EXPECT_GE(k.x0, 200);
    EXPECT_LE(k.x1, 231);
  }
}

TEST(Fonts, FacesLoadedAheadAreTheFacesUsed) {
  LoadFacesAhead();
  const Face& gothic = GetFace(FaceKind::kGothic, true, false);  // waits for the thread
  ASSERT_NE(gothic.cairo, nullptr);
  EXPECT_TRUE(gothic.Has(0x95A2));  // 関
  EXPECT_EQ(&GetFace(FaceKind::kGothic, true, false), &gothic);
  EXPECT_EQ(&GetFace(FaceKind::kExtra, false, true), &GetFace(FaceKind::kSerif, false, true));
  LoadFacesAhead();  // again: nothing new to load
  FinishLoadingFaces();
  EXPECT_EQ(&GetFace(FaceKind::kGothic, true, false), &gothic);
}

TEST(CanvasText, FacesAndFallbacks) {
  auto picture = [](const std::string& face, const std::string& text) {
    Canvas c(1.0);
    c.Text(100, 100, text, 6, 3, 0, Font(face, 16));
    std::vector<uint32_t> px;
    const unsigned char* p = c.Pixels();
    for (int y = 80; y < 200; ++y)
      for (int x = 80; x < 250; ++x) px.push_back(*reinterpret_cast<const uint32_t*>(p + y * c.Stride() + x * 4));
    return px;
  };
  // "MT Extra" shows "l" as the script ell.
  EXPECT_EQ(picture("MT Extra", "l"), picture("MT Extra", "ℓ"));
  EXPECT_NE(picture("MT Extra", "l"), picture("Times New Roman", "l"));
  // A face without the character falls back to the Gothic face, in cells.
  Canvas c(1.0);
  EXPECT_EQ(c.Text(100, 100, "あ", 1, 1, 0, Font("Times New Roman", 16)), 116);
  EXPECT_GT(InkIn(c).count, 20);
  // Control characters draw nothing.
  Canvas d(1.0);
  d.Text(100, 100, "\r", 1, 1, 0, Font("ゴシック", 16));
  EXPECT_EQ(InkIn(d).count, 0);
}

// The typesetters draw an italic letter 4 right of where its advance starts,
// with these pairs at size 8; its slanted ink stays within the advance.
TEST(CanvasText, ItalicLettersStayWithinTheTypesettersAdvance) {
  Canvas c(1.0);
  for (auto [a, b, advance] : {std::array{10, 7, 27}, {12, 5, 32}, {7, 4, 20}})
    for (const char* letter : {"a", "x", "c"})
      for (bool bold : {false, true}) {
        Canvas::Box ink = c.TextInk(104, 100, letter, a, b, Font("Times New Roman", 8, bold, true))[0];
        EXPECT_GE(ink.x0, 100) << letter << " " << a << "," << b << " bold " << bold;
        EXPECT_LE(ink.x1, 100 + advance) << letter << " " << a << "," << b << " bold " << bold;
      }
}

TEST(CanvasCircle, AnglesRunClockwiseOnTheScreenFromPlusX) {
  {
    Canvas c(1.0);
    c.Circle(400, 400, 100, 1, 0, 0.25, 0, 3, false, 0);  // a quarter arc
    Ink k = InkIn(c);
    EXPECT_GE(k.x0, 396);  // right of the centre
    EXPECT_GE(k.y0, 396);  // below it
    EXPECT_GE(k.x1, 498);
    EXPECT_GE(k.y1, 498);
  }
  {
    Canvas c(1.0);
    c.Circle(400, 400, 100, 1, 0.75, 0.25, 0, 3, false, 0);  // wraps through 0: the right half
    Ink k = InkIn(c);
    EXPECT_GE(k.x0, 396);
    EXPECT_LE(k.y0, 302);
    EXPECT_GE(k.y1, 498);
  }
  {
    Canvas c(1.0);
    c.Circle(400, 400, 100, 1, 0, 0, 0, 3, true, 9);  // 0 and 0: the whole disc
    Ink k = InkIn(c);
    EXPECT_LE(k.x0, 302);
    EXPECT_GE(k.x1, 498);
    EXPECT_GT(k.count, 30000);
  }
}

// A dot whose pen reaches past its centre (a dotted arc's: radius 0.5, pen
// 5) is a solid disc in its line colour: stamped, or drawn as a path when
// too large to stamp or not filled.
TEST(CanvasCircle, ADotWhosePenReachesPastItsCentreIsSolid) {
  for (double scale : {1.2, 6.0}) {
    Canvas c(scale);
    c.Circle(100, 100, 0.5, 1, 0, 0, 7, 5, true, 12);
    c.Circle(200, 100, 0.5, 1, 0, 0, 3, 5, false, 3);
    const unsigned char* p = c.Pixels();
    for (auto [x, colour] : {std::pair{100, 7}, {200, 3}}) {
      const Rgb want = PaletteColour(colour);
      const double cx = x * scale, cy = 100 * scale, inside = 3 * scale - 1.5;
      int wrong = 0;
      for (int py = static_cast<int>(cy - inside); py <= cy + inside; ++py)
        for (int px = static_cast<int>(cx - inside); px <= cx + inside; ++px) {
          const unsigned char* at = p + static_cast<size_t>(py) * c.Stride() + static_cast<size_t>(px) * 4;
          if (std::hypot(px + 0.5 - cx, py + 0.5 - cy) <= inside &&
              !(at[2] == want.r && at[1] == want.g && at[0] == want.b))
            ++wrong;
        }
      EXPECT_EQ(wrong, 0) << scale << " " << x;
    }
  }
}

TEST(CanvasClipping, FarOutsideOrInvalidDrawsNothingAndDoesNotFault) {
  Canvas c(1.0);
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  c.Rectangle(1600, 900, 2576, 1800, 0, true, 0, 3);
  c.Text(100, 1800, "測定ABC", 3, 3, 0, Font("ゴシック", 16));
  c.Text(2000, 100, "遠い", 1, 1, 0, Font("ゴシック", 16));
  c.Line(-1e30, 5000, 1e30, 5000, 0, 3);
  c.Line(nan, 0, 10, 10, 0, 3);
  c.Circle(1e9, 1e9, 1e12, 1, 0, 0, 0, 3, true, 0);
  c.Polyline({{0, inf}, {10, 10}, {20, 20}}, 0, 3, true, 0);
  c.Text(0, 0, "a", 0, 1, 0, Font("ゴシック", 16));
  c.Text(0, 0, "a", 1, 1, 0, Font("ゴシック", nan));
  EXPECT_EQ(InkIn(c, 0, 0, 1598, 898).count, 0);
  // A line that runs from far outside through the area is still drawn.
  c.Line(-1e30, 450, 1e30, 450, 0, 2);
  EXPECT_GT(InkIn(c).count, 3000);
  // The canvas still works after all of that.
  c.Clear(15);
  c.Text(10, 10, "あ", 1, 1, 0, Font("ゴシック", 16));
  EXPECT_GT(InkIn(c).count, 20);
}

// A copy of a canvas's picture in a Cairo image of its own, in which the
// same discs are drawn as paths: filled, then stroked, as Circle draws them.
class DiscsAsPaths {
 public:
  explicit DiscsAsPaths(Canvas& c) : c_(c) {
    ref_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, c.PixelWidth(), c.PixelHeight());
    EXPECT_EQ(cairo_image_surface_get_stride(ref_), c.Stride());
    std::copy(c.Pixels(), c.Pixels() + static_cast<size_t>(c.Stride()) * c.PixelHeight(),
              cairo_image_surface_get_data(ref_));
    cairo_surface_mark_dirty(ref_);
    cr_ = cairo_create(ref_);
    cairo_scale(cr_, c.Scale(), c.Scale());
  }
  ~DiscsAsPaths() {
    cairo_destroy(cr_);
    cairo_surface_destroy(ref_);
  }
  // The disc on the canvas and, as paths, in the copy.
  void Disc(double x, double y, double r, int colour, double width, int fillColour) {
    c_.Circle(x, y, r, 1, 0, 0, colour, width, true, fillColour);
    const Rgb line = PaletteColour(colour), fill = PaletteColour(fillColour);
    cairo_new_path(cr_);
    cairo_arc(cr_, x, y, r, 0, 2 * M_PI);
    cairo_close_path(cr_);
    cairo_set_source_rgb(cr_, fill.r / 255.0, fill.g / 255.0, fill.b / 255.0);
    cairo_fill_preserve(cr_);
    cairo_set_source_rgb(cr_, line.r / 255.0, line.g / 255.0, line.b / 255.0);
    cairo_set_line_width(cr_, width);
    cairo_stroke(cr_);
  }
  struct Comparison {
    int worst = 0;               // the largest difference in a colour channel
    int inked = 0, inkedRef = 0;  // pixels that are not white
  };
  Comparison Compare() {
    cairo_surface_flush(ref_);
    const unsigned char* a = c_.Pixels();
    const unsigned char* b = cairo_image_surface_get_data(ref_);
    Comparison r;
    for (int y = 0; y < c_.PixelHeight(); ++y)
      for (int x = 0; x < c_.PixelWidth(); ++x) {
        size_t at = static_cast<size_t>(y) * c_.Stride() + static_cast<size_t>(x) * 4;
        for (int k = 0; k < 3; ++k) r.worst = std::max(r.worst, std::abs(a[at + k] - b[at + k]));
        if (a[at] != 0xFF || a[at + 1] != 0xFF || a[at + 2] != 0xFF) ++r.inked;
        if (b[at] != 0xFF || b[at + 1] != 0xFF || b[at + 2] != 0xFF) ++r.inkedRef;
      }
    return r;
  }

 private:
  Canvas& c_;
  cairo_surface_t* ref_ = nullptr;
  cairo_t* cr_ = nullptr;
};

// Small filled discs (curve dots, the entry's cursor dot) are stamped from
// cached masks, their centres placed to an eighth of a device pixel: centred
// on that grid they must come out as the disc drawn as a path does (to one
// level in 255), over white and over a coloured box, in two colours; anywhere
// else they may be off by at most 1/16 pixel.
TEST(CanvasStamps, StampedDiscsAreTheDrawnDiscs) {
  // (At 0.6755 the canvas is an odd number of pixels wide.)
  for (auto [scale, onGrid] : {std::pair{1.0, true}, {1.2, true}, {0.675, true}, {0.6755, true}, {1.2, false}}) {
    Canvas c(scale);
    c.Rectangle(400, 150, 900, 400, 13, true, 4, 1);
    DiscsAsPaths ref(c);
    // Along a diagonal, then across the four edges (at even and odd columns).
    std::vector<std::pair<double, double>> at;
    for (int i = 0; i < 40; ++i) at.push_back({(120 + i * 40.125) / scale, (240 + i * 8.625) / scale});
    const double w = c.PixelWidth(), h = c.PixelHeight();  // device pixels, on the grid
    for (double edge : {0.0, 1.0, 2.5}) {
      for (auto [x, y] : {std::pair{edge, 300.0}, {w - edge, 500.0}, {700.0, edge},
                          {900 + edge, h - edge}, {w - edge - 1, h - edge}})
        at.push_back({x / scale, y / scale});
    }
    for (size_t i = 0; i < at.size(); ++i) {
      double x = at[i].first, y = at[i].second, r = 2 + i % 6;
      if (!onGrid) x += 0.0371, y += 0.0229;
      ref.Disc(x, y, r, 5, 3, 11);
    }
    DiscsAsPaths::Comparison got = ref.Compare();
    EXPECT_LE(got.worst, onGrid ? 1 : 40) << scale;  // an edge moved by 1/16 pixel
    EXPECT_NEAR(got.inked, got.inkedRef, got.inkedRef / 200) << scale;
    EXPECT_GT(got.inked, 1000) << scale;
  }
}

// A curve's dots overlap: most of each dot lies on pixels the dots before
// it painted in full. They must come out as the same discs drawn as paths,
// one over the other; and a dot whose fill has another colour than its
// outline must fill pixels that hold its outline's colour already.
TEST(CanvasStamps, OverlappingDotsAreTheDrawnDots) {
  Canvas c(1.2);
  c.Rectangle(600, 300, 900, 500, 5, true, 5, 1);
  DiscsAsPaths ref(c);
  // A parabola's dots, 1/10 unit apart, their centres on the stamps' grid
  // of an eighth of a pixel, across white and across the box.
  for (int i = 0; i <= 3000; ++i) {
    double x = 500 + i / 10.0;
    double y = 200 + (x - 650) * (x - 650) / 60.0;
    ref.Disc(std::round(x * 9.6) / 9.6, std::round(y * 9.6) / 9.6, 1, 0, 1, 0);
  }
  // Dots filled in colour 11 on the box of their outline's colour 5.
  for (int i = 0; i < 5; ++i) ref.Disc(700 + 30 * i, 450, 4 + i, 5, 1, 11);
  EXPECT_LE(ref.Compare().worst, 1);
  const unsigned char* a = c.Pixels();
  const Rgb fill = PaletteColour(11);
  for (int i = 0; i < 5; ++i) {
    size_t at = static_cast<size_t>(std::lround(450 * 1.2)) * c.Stride() +
                static_cast<size_t>(std::lround((700 + 30 * i) * 1.2)) * 4;
    EXPECT_TRUE(a[at + 2] == fill.r && a[at + 1] == fill.g && a[at] == fill.b) << i;
  }
}

TEST(CanvasChanges, OnlyVisibleChangesCount) {
  Canvas c(1.2);
  EXPECT_TRUE(c.TakeChanges());  // the first picture
  EXPECT_FALSE(c.TakeChanges());
  // A cursor dot drawn, erased in the background colour, drawn again.
  c.Circle(500, 500, 4, 1, 0, 0, 5, 3, true, 5);
  EXPECT_TRUE(c.TakeChanges());
  // (The erase reaches a little further than the dot: the first time, the
  // tiles there were never read and count as changed.)
  c.Circle(500, 500, 4, 1, 0, 0, 15, 3, true, 15);
  c.Circle(500, 500, 4, 1, 0, 0, 5, 3, true, 5);
  c.TakeChanges();
  c.Circle(500, 500, 4, 1, 0, 0, 15, 3, true, 15);
  c.Circle(500, 500, 4, 1, 0, 0, 5, 3, true, 5);
  EXPECT_FALSE(c.TakeChanges());
  // Erasing in colour 15 leaves no antialiased ring behind.
  c.Circle(500, 500, 4, 1, 0, 0, 15, 3, true, 15);
  c.Line(10, 10, 300, 97, 5, 3);
  c.Line(10, 10, 300, 97, 15, 3);
  // The key box and the wipe over it at a window's scale: no fringe stays.
  c.Rectangle(96, 657, 400, 693, 13, true, 4, 3);
  c.Rectangle(0, 657, 400, 693, 15, true, 15, 3);
  c.Line(100, 300, 700, 300, 13, 3);
  c.Line(100, 300, 700, 300, 15, 3);
  EXPECT_EQ(InkIn(c).count, 0);
  EXPECT_TRUE(c.TakeChanges());
  c.Text(100, 1800, "見えない", 1, 1, 0, Font("ゴシック", 16));
  EXPECT_FALSE(c.TakeChanges());
}

// A window's copy of the canvas that is only ever sent the damaged
// rectangles: after every present it must equal the canvas, pixel for pixel.
class DamageMirror {
 public:
  explicit DamageMirror(Canvas& c) : c_(c) {}
  // Applies the damage; returns how many pixels were sent.
  long Present() {
    if (mirror_.size() != static_cast<size_t>(c_.Stride()) * c_.PixelHeight())
      mirror_.assign(static_cast<size_t>(c_.Stride()) * c_.PixelHeight(), 0);
    return Apply(c_.TakeDamage());
  }
  long Apply(std::vector<PixelRect> damage) {
    long sent = 0;
    last_ = std::move(damage);
    const unsigned char* p = c_.Pixels();
    for (const PixelRect& r : last_) {
      EXPECT_FALSE(r.Empty());
      EXPECT_TRUE(r.x0 >= 0 && r.y0 >= 0 && r.x1 <= c_.PixelWidth() && r.y1 <= c_.PixelHeight());
      for (int y = r.y0; y < r.y1; ++y) {
        size_t at = static_cast<size_t>(y) * c_.Stride() + r.x0 * 4;
        std::copy(p + at, p + at + (r.x1 - r.x0) * 4, mirror_.begin() + static_cast<long>(at));
      }
      sent += static_cast<long>(r.x1 - r.x0) * (r.y1 - r.y0);
    }
    return sent;
  }
  // The first present into a window that shows white everywhere.
  long PresentOverWhite() {
    mirror_.assign(static_cast<size_t>(c_.Stride()) * c_.PixelHeight(), 0xFF);
    return Apply(c_.TakeDamageOver(15));
  }
  // The first pixel where the copy differs, as "x,y", or "" when none does.
  std::string Stale() const {
    const unsigned char* p = c_.Pixels();
    for (int y = 0; y < c_.PixelHeight(); ++y)
      for (int x = 0; x < c_.PixelWidth(); ++x) {
        size_t at = static_cast<size_t>(y) * c_.Stride() + x * 4;
        if ((*reinterpret_cast<const uint32_t*>(p + at) & 0xFFFFFF) !=
            (*reinterpret_cast<const uint32_t*>(&mirror_[at]) & 0xFFFFFF))
          return std::to_string(x) + "," + std::to_string(y);
      }
    return "";
  }
  const std::vector<PixelRect>& Last() const { return last_; }

 private:
  Canvas& c_;
  std::vector<unsigned char> mirror_;
  std::vector<PixelRect> last_;
};

// A clear or a box leaves out the tiles that hold its colour already.
// Whatever order clears, boxes, wipes and figures come in, presenting only
// the damage must leave nothing stale.
TEST(CanvasFills, FillsOverFillsLeaveNoStalePixels) {
  for (double scale : {1.2, 0.675}) {
    Canvas canvas(scale);
    DamageMirror mirror(canvas);
    mirror.Present();
    auto draw = [&](auto figures) { figures(canvas); };
    for (int round = 0; round < 3; ++round) {
      const int ground = round == 1 ? 10 : 15;
      draw([&](Canvas& c) {
        c.Rectangle(0, 54, 1440, 900, 15, true, 15, 1);  // a wipe under the menu line
        c.Clear(15);
        c.Rectangle(21.7, 10.3, 1341.1, 610.6, 0, true, ground, 3);  // a screen's box
        c.Text(60, 80, "ｙ＝ａｘ２ のグラフ", 2, 2, 0, Font("ゴシック", 16));
        c.Rectangle(300, 300, 700, 500, 5, false, 0, 2);  // a frame over the box
        c.Line(40, 400, 1300, 400, 9, 1);
        c.Rectangle(1000, 650, 1200, 800, 15, true, 12, 1);
        c.Rectangle(1000.4, 650.4, 1100.2, 730.9, 15, true, 15, 1);  // a wipe inside it
      });
      for (int i = 0; i < 1500; ++i)
        draw([&](Canvas& c) { c.Circle(100 + i * 0.8, 590 - 0.0004 * (i - 750) * (i - 750), 1, 1, 0, 0, 3, 1, true, 3); });
      draw([&](Canvas& c) {
        c.Rectangle(100, 100, 400, 300, 15, true, 15, 1);  // fills that cover each other
        c.Rectangle(150, 120, 350, 260, 14, true, 6, 2);
        c.Rectangle(100, 100, 400, 300, 15, true, 15, 1);
        c.Rectangle(1590, 890, 1700, 1000, 13, true, 4, 1);  // over the edge
      });
      if (round == 1) draw([&](Canvas& c) { c.Rescale(scale == 1.2 ? 1.35 : 1.0); });
      mirror.Present();
      EXPECT_EQ(mirror.Stale(), "") << scale << " " << round;
    }
    // A clear with nothing else after it is seen too.
    draw([](Canvas& c) { c.Clear(4); });
    mirror.Present();
    EXPECT_EQ(mirror.Stale(), "") << scale;
  }
}

TEST(CanvasDamage, PresentingOnlyTheDamageLeavesNoStalePixels) {
  for (double scale : {1.0, 1.2, 0.675}) {
    Canvas c(scale);
    DamageMirror m(c);
    EXPECT_EQ(m.Present(), static_cast<long>(c.PixelWidth()) * c.PixelHeight());  // the first frame
    EXPECT_EQ(m.Present(), 0);
    // Figures of every kind, at the edges too, one present after each group.
    c.Text(100, 100, "あいう abc", 1, 1, 0, Font("ゴシック", 16));
    c.Text(1590, 890, "端", 2, 2, 13, Font("ゴシック", 16, true));
    c.Text(300, 200, "x", 1, 1, 3, Font("Times New Roman", 10, false, true));
    EXPECT_GT(m.Present(), 0);
    EXPECT_EQ(m.Stale(), "") << scale;
    c.Line(-1e30, 450, 1e30, 460, 5, 7);
    c.Circle(800, 450, 120, 0.5, 0.1, 0.7, 9, 9, true, 12);
    c.Circle(0, 0, 30, 1, 0, 0, 13, 3, true, 4);
    c.Rectangle(1500, 800, 1700, 1000, 13, true, 4, 5);
    c.Polyline({{10, 800}, {90, 700}, {150, 880}}, 11, 4, true, 14);
    m.Present();
    EXPECT_EQ(m.Stale(), "") << scale;
    // Erasing in the background colour is damage too.
    c.Circle(800, 450, 120, 0.5, 0.1, 0.7, 15, 9, true, 15);
    c.Rectangle(0, 657, 400, 693, 15, true, 15, 3);
    c.Text(100, 100, "あいう abc", 1, 1, 15, Font("ゴシック", 16));
    m.Present();
    EXPECT_EQ(m.Stale(), "") << scale;
    c.Clear(15);
    c.Text(10, 10, "新", 1, 1, 0, Font("ゴシック", 16));
    m.Present();
    EXPECT_EQ(m.Stale(), "") << scale;
    // A curve's dots fall on the same tiles again and again. Its last dot
    // drawn again after a wipe over it, and again after a present, is
    // damage each time.
    auto dot = [&](int i, int colour) {
      c.Circle(400 + i * 0.3, 300 + 0.0005 * i * i, 1, 1, 0, 0, colour, 5, true, colour);
    };
    for (int i = 0; i < 600; ++i) dot(i, 5);
    m.Present();
    EXPECT_EQ(m.Stale(), "") << scale;
    for (int i = 0; i < 600; ++i) dot(i, 3);
    c.Rectangle(560, 440, 600, 500, 15, true, 15, 1);
    dot(599, 3);
    m.Present();
    EXPECT_EQ(m.Stale(), "") << scale;
    // ... and the same wipe again takes it away.
    c.Rectangle(560, 440, 600, 500, 15, true, 15, 1);
    m.Present();
    const auto* row = c.Pixels() + static_cast<size_t>(479.4 * c.Scale()) * c.Stride();
    uint32_t centre;
    std::memcpy(&centre, row + static_cast<size_t>(579.7 * c.Scale()) * 4, 4);
    EXPECT_EQ(centre & 0xFFFFFF, 0xFFFFFFu) << scale;
    dot(599, 9);
    m.Present();
    EXPECT_EQ(m.Stale(), "") << scale;
  }
}

TEST(CanvasDamage, TheFirstFrameOverAWhiteWindowSendsOnlyWhatIsNotWhite) {
  for (double scale : {1.0, 1.2, 0.675}) {
    Canvas c(scale);
    DamageMirror m(c);
    const long all = static_cast<long>(c.PixelWidth()) * c.PixelHeight();
    c.Clear(15);
    c.Rectangle(20, 20, 900, 400, 0, true, 1, 3);  // a dark panel, text on it
    c.Text(40, 40, "関数のグラフ", 2, 2, 15, Font("ゴシック", 16));
    c.Text(1000, 600, "入力", 1, 1, 0, Font("ゴシック", 16));
    c.Circle(1300, 620, 4, 1, 0, 0, 5, 3, true, 5);
    long sent = m.PresentOverWhite();
    EXPECT_GT(sent, 0) << scale;
    EXPECT_LT(sent, all / 3) << scale;
    EXPECT_EQ(m.Stale(), "") << scale;
    // From then on the damage is taken against what was sent.
    EXPECT_EQ(m.Present(), 0) << scale;
    c.Rectangle(20, 20, 600, 300, 15, true, 15, 1);
    c.Text(1000, 600, "入力", 1, 1, 15, Font("ゴシック", 16));
    EXPECT_GT(m.Present(), 0) << scale;
    EXPECT_EQ(m.Stale(), "") << scale;
  }
  // A white picture: nothing to send.
  Canvas c(1.2);
  DamageMirror m(c);
  c.Clear(15);
  EXPECT_EQ(m.PresentOverWhite(), 0);
  EXPECT_EQ(m.Stale(), "");
}

TEST(CanvasDamage, SmallFiguresApartAreSentApartAndUnchangedOnesNotAtAll) {
  Canvas c(1.2);
  DamageMirror m(c);
  m.Present();
  // The cursor dot: a few pixels, not a frame.
  c.Circle(500, 500, 4, 1, 0, 0, 5, 3, true, 5);
  long dot = m.Present();
  EXPECT_GT(dot, 0);
  EXPECT_LT(dot, 40 * 40);
  // Drawn and erased between two presents: nothing to send (once the tiles
  // the erase reaches were read).
  c.Circle(500, 500, 4, 1, 0, 0, 15, 3, true, 15);
  c.Circle(500, 500, 4, 1, 0, 0, 5, 3, true, 5);
  EXPECT_LT(m.Present(), 40 * 40);
  c.Circle(500, 500, 4, 1, 0, 0, 15, 3, true, 15);
  c.Circle(500, 500, 4, 1, 0, 0, 5, 3, true, 5);
  EXPECT_EQ(m.Present(), 0);
  // Two dots at opposite corners are two small rectangles, not their bounding box.
  c.Circle(50, 50, 4, 1, 0, 0, 5, 3, true, 5);
  c.Circle(1550, 850, 4, 1, 0, 0, 5, 3, true, 5);
  EXPECT_LT(m.Present(), 2 * 40 * 40);
  EXPECT_EQ(m.Last().size(), 2u);
  // Many figures still come out right when their rectangles are merged.
  for (int i = 0; i < 60; ++i) c.Circle(20 + 26 * i, 20 + 14 * i, 5, 1, 0, 0, i % 14, 2, true, 3);
  EXPECT_LT(m.Present(), static_cast<long>(c.PixelWidth()) * c.PixelHeight() / 20);
  EXPECT_EQ(m.Stale(), "");
  // ... and when they are too many to send one by one.
  for (int i = 0; i < 400; ++i) c.Circle(20 + (i % 40) * 39, 20 + (i / 40) * 87, 3, 1, 0, 0, 9, 2, true, 9);
  m.Present();
  EXPECT_LE(m.Last().size(), 128u);
  EXPECT_EQ(m.Stale(), "");
  // A wipe of most of the canvas sends only what it changed; the same wipe
  // again, nothing at all (tiles known to hold its colour are not read).
  c.Rectangle(0, 54, 1440, 900, 15, true, 15, 1);
  long wiped = m.Present();
  EXPECT_GT(wiped, 0);
  EXPECT_LT(wiped, static_cast<long>(c.PixelWidth()) * c.PixelHeight() / 2);
  EXPECT_EQ(m.Stale(), "");
  c.Rectangle(0, 54, 1440, 900, 15, true, 15, 1);
  EXPECT_EQ(m.Present(), 0);
  c.Clear(15);  // what lay above the wipe
  EXPECT_GT(m.Present(), 0);
  EXPECT_EQ(m.Stale(), "");
  c.Rectangle(0, 0, 1600, 900, 15, true, 15, 3);
  EXPECT_EQ(m.Present(), 0);
  // The dots of a new screen's curves are sent without being read; what is
  // drawn there afterwards is sent the first time even when it changes
  // nothing.
  for (int i = 0; i < 3000; ++i) c.Circle(60 + i * 0.45, 100 + (i % 700) * 1.1, 1, 1, 0, 0, 3, 5, true, 3);
  EXPECT_GT(m.Present(), 0);
  EXPECT_EQ(m.Stale(), "");
  c.Text(100, 300, "新", 1, 1, 0, Font("ゴシック", 16));
  long text = m.Present();
  EXPECT_GT(text, 0);
  EXPECT_LT(text, 60 * 60);
  EXPECT_EQ(m.Stale(), "");
  for (int round = 0; round < 3; ++round) {
    c.Circle(600, 500, 4, 1, 0, 0, 15, 3, true, 15);
    c.Circle(600, 500, 4, 1, 0, 0, 5, 3, true, 5);
    if (round == 0) EXPECT_GT(m.Present(), 0);  // the tiles were not read yet
    else EXPECT_EQ(m.Present(), 0);
    EXPECT_EQ(m.Stale(), "");
  }
  // After a rescale the whole picture is damage.
  c.Rescale(1.0);
  EXPECT_EQ(m.Present(), static_cast<long>(c.PixelWidth()) * c.PixelHeight());
  EXPECT_EQ(m.Stale(), "");
}

}  // namespace
}  // namespace lessons
