// Every glyph the tours draw stands out from what lies under it: each
// program's tour (tools/tours/*.keys) is replayed on the headless host, and
// for every glyph the ground under its cell's centre is the last filled box,
// disc, sector or polygon drawn before it that covers the centre (colour 15
// after ClearScreen; a disc under a quarter of the cell is a mark). Lesson text (size 16 or more at pair (2, 2) or larger)
// needs a WCAG contrast of 3.0 with its ground, every other glyph 4.5.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/runtime/headless_host.h"
#include "framework/runtime/palette.h"
#include "tests/support/bench.h"
#include "tests/support/log_reader.h"
#include "tools/probe_host.h"
#include "tools/program_table.h"

namespace lessons {
namespace {

using testing::Fields;
using testing::LogLines;

constexpr double kVisibleWidth = 1600, kVisibleHeight = 900;
constexpr double kLargeText = 3.0, kPlainText = 4.5;

double Luminance(int colour) {
  Rgb c = PaletteColour(colour);
  auto channel = [](uint8_t v) {
    double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

double Contrast(int a, int b) {
  double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A filled shape as it lies on the screen.
struct Fill {
  enum Kind { kBox, kDisc, kPolygon } kind = kBox;
  int colour = 15;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;    // box corners; disc centre and radius in x1, y1, x2
  double a0 = 0, a1 = 0;                    // a sector's angles (clockwise, radians); a0 == a1: whole
  std::vector<std::pair<double, double>> points;

  bool Covers(double x, double y) const {
    switch (kind) {
      case kBox:
        return x >= std::min(x1, x2) && x <= std::max(x1, x2) && y >= std::min(y1, y2) &&
               y <= std::max(y1, y2);
      case kDisc: {
        double dx = x - x1, dy = y - y1;
        if (dx * dx + dy * dy > x2 * x2) return false;
        if (a0 == a1) return true;
        double a = std::atan2(dy, dx);
        if (a < 0) a += 2 * M_PI;
        return (a >= a0 && a <= a1) || (a + 2 * M_PI >= a0 && a + 2 * M_PI <= a1);
      }
      case kPolygon: {
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
          auto [xi, yi] = points[i];
          auto [xj, yj] = points[j];
          if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
      }
    }
    return false;
  }
  bool CoversScreen() const {
    return kind == kBox && Covers(0, 0) && Covers(kVisibleWidth, kVisibleHeight);
  }
};

double D(const std::string& s) { return std::strtod(s.c_str(), nullptr); }
int I(const std::string& s) { return std::atoi(s.c_str()); }

// The byte length of the UTF-8 character at text[i], and whether it stands in
// a half-width cell (ASCII and half-width katakana).
size_t CharLength(const std::string& text, size_t i, bool& half) {
  unsigned char c = static_cast<unsigned char>(text[i]);
  size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  half = n == 1;
  if (n == 3 && i + 2 < text.size()) {
    unsigned code = ((c & 0x0F) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3F) << 6) |
                    (static_cast<unsigned char>(text[i + 2]) & 0x3F);
    half = code >= 0xFF61 && code <= 0xFF9F;
  }
  return std::min(n, text.size() - i);
}

std::string Colour(int c) {
  Rgb rgb = PaletteColour(c);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%d (%02X%02X%02X)", PaletteIndex(c), rgb.r, rgb.g, rgb.b);
  return buf;
}

// One line per glyph of `log` that does not stand out from its ground:
// program, key index (keys taken before it), text, corner, size, the two
// colours and their contrast.
std::vector<std::string> IllegibleGlyphs(const LogLines& log, const std::string& program) {
  std::vector<std::string> faults;
  std::vector<Fill> fills;  // since the last wipe of the whole screen
  int key = 0;
  for (const std::string& line : log) {
    std::vector<std::string> f = Fields(line);
    const std::string& call = f[0];
    Fill fill;
    if (call == "Key") {
      ++key;
      continue;
    } else if (call == "ClearScreen") {
      fills.clear();
      continue;
    } else if (call == "DrawLine" && f.size() > 7 && f[5] == "fill") {
      fill.x1 = D(f[1]), fill.y1 = D(f[2]), fill.x2 = D(f[3]), fill.y2 = D(f[4]);
      fill.colour = I(f[7]);
    } else if (call == "DrawCircle" && f.size() > 8 && I(f[7]) == 1) {
      fill.kind = Fill::kDisc;
      fill.x1 = D(f[1]), fill.y1 = D(f[2]), fill.x2 = std::fabs(D(f[3]));
      double start = D(f[5]), end = D(f[6]);
      if (!(start == 0 && end == 0)) {
        fill.a0 = (start - std::floor(start)) * 2 * M_PI;
        fill.a1 = (end - std::floor(end)) * 2 * M_PI;
        if (fill.a1 <= fill.a0) fill.a1 += 2 * M_PI;
      }
      fill.colour = I(f[8]);
    } else if (call == "DrawPolyline" && f.size() > 7 && f[2] == "1") {
      fill.kind = Fill::kPolygon;
      for (size_t i = 5; i < f.size(); ++i)
        fill.points.emplace_back(D(f[i]), D(f[i].substr(f[i].find(',') + 1)));
      fill.colour = I(f[3]);
    } else if (call == "DrawText" && f.size() > 10) {
      double x = D(f[1]), y = D(f[2]), size = D(f[7]);
      int a = I(f[3]), b = I(f[4]), colour = I(f[5]);
      const std::string& text = f.back();
      // Lesson text: size 16 at pair (2, 2) or a cell as large. The math
      // typesetter reaches such cells with size 8 at large pairs (10, 7); its
      // exponents, 24 units high at (6, 3), are still large text (24 units
      // are 18 pt at one unit a pixel).
      bool large = a * size >= 32 && b * size >= 24;
      double need = large ? kLargeText : kPlainText;
      for (size_t i = 0; i < text.size();) {
        bool half = false;
        size_t n = CharLength(text, i, half);
        double w = a * size * (half ? 0.5 : 1.0);
        double cx = x + w / 2, cy = y + b * size / 2;
        std::string glyph = text.substr(i, n);
        i += n;
        x += w;
        if (glyph == " " || glyph == "\xE3\x80\x80") continue;  // blanks show no ink
        if (cx < 0 || cy < 0 || cx > kVisibleWidth || cy > kVisibleHeight) continue;
        int ground = 15;
        // A disc much smaller than the glyph's cell (a curve's dot, a plotted
        // point beside a label) is a mark the glyph crosses, not its ground.
        const double minDisc = std::min(w, b * size) / 4;
        for (auto it = fills.rbegin(); it != fills.rend(); ++it)
          if (!(it->kind == Fill::kDisc && it->x2 < minDisc) && it->Covers(cx, cy)) {
            ground = it->colour;
            break;
          }
        double ratio = Contrast(colour, ground);
        if (ratio + 1e-9 >= need) continue;
        char buf[160];
        std::snprintf(buf, sizeof buf, " at (%g, %g) size %g pair (%d, %d): contrast %.2f < %.1f",
                      cx - w / 2, cy - b * size / 2, size, a, b, ratio, need);
        faults.push_back(program + " key " + std::to_string(key) + ": \"" + glyph + "\" of \"" +
                         text + "\"" + buf + ", text " + Colour(colour) + " on " +
                         Colour(ground));
      }
      continue;
    } else {
      continue;
    }
    if (fill.CoversScreen()) fills.clear();
    fills.push_back(std::move(fill));
  }
  return faults;
}

LogLines TourLog(const std::string& program) {
  std::vector<int> keys;
  EXPECT_TRUE(ReadKeyFile(std::string(LESSONS_TOURS_DIR) + "/" + program + ".keys", keys));
  HeadlessOptions options;
  options.keepLog = true;
  HeadlessHost headless{options};
  ProbeHost host(headless);
  host.ScriptKeys(keys);
  Runtime rt(host);
  auto lesson = FindProgram(program)(rt);
  RunProgram(*lesson);
  return headless.LogLines();
}

TEST(Legibility, EveryGlyphOfEveryTourStandsOutFromItsGround) {
  for (std::string program : {"palisteo", "quendral", "orvenna"}) {
    LogLines log = TourLog(program);
    std::vector<std::string> faults = IllegibleGlyphs(log, program);
    std::string report;
    for (size_t i = 0; i < faults.size() && i < 40; ++i) report += faults[i] + "\n";
    EXPECT_TRUE(faults.empty()) << faults.size() << " glyphs hard to read (first 40):\n" << report;
  }
}

// A planted fault is reported with its program, key, text, corner and both
// colours; the same text on the white ground or after a wipe passes.
TEST(Legibility, ReportsAGlyphOnAFillItCannotBeReadOn) {
  testing::Bench b;
  b.rt.SetFontName(1, "ゴシック");
  b.rt.SetFontSize(1, 16);
  b.rt.DrawLine(1, 0, 100, 100, 0, 300, 160, 0, 13, 2, 13, 0, 0);  // a question box
  b.rt.DrawText(1, 0, 120, 110, "問", 2, 2, 9, 0, 0, 0);           // blue on it
  b.rt.DrawText(1, 0, 400, 110, "問", 2, 2, 0, 0, 0, 0);           // beside it, on white
  std::vector<std::string> faults = IllegibleGlyphs(b.Log(), "test");
  ASSERT_EQ(faults.size(), 1u) << ::testing::PrintToString(faults);
  EXPECT_NE(faults[0].find("test key 0: \"問\""), std::string::npos) << faults[0];
  EXPECT_NE(faults[0].find("at (120, 110)"), std::string::npos) << faults[0];
  EXPECT_NE(faults[0].find("text 9 (1A3CE0) on 13 (DC2A2E)"), std::string::npos) << faults[0];

  // A question box in 13 carries results in 5 as lesson text, not as a prompt.
  b.ClearLog();
  b.rt.DrawLine(1, 0, 100, 100, 0, 300, 160, 0, 13, 2, 13, 0, 0);
  b.rt.DrawText(1, 0, 120, 110, "5", 2, 2, 5, 0, 0, 0);
  b.rt.DrawText(1, 0, 120, 140, "5", 1, 1, 5, 0, 0, 0);
  faults = IllegibleGlyphs(b.Log(), "test");
  ASSERT_EQ(faults.size(), 1u) << ::testing::PrintToString(faults);
  EXPECT_NE(faults[0].find("at (120, 140) size 16 pair (1, 1)"), std::string::npos) << faults[0];
  EXPECT_NE(faults[0].find("< 4.5, text 5 (520008) on 13"), std::string::npos) << faults[0];

  // Plain text (a prompt) needs more than lesson text: light grey on white.
  b.ClearLog();
  b.rt.DrawText(1, 0, 20, 20, "ab", 1, 1, 8, 0, 0, 0);
  EXPECT_EQ(IllegibleGlyphs(b.Log(), "test").size(), 2u);

  // A ClearScreen or a whole-screen wipe takes the fills away; below the
  // visible area nothing is checked.
  b.ClearLog();
  b.rt.DrawLine(1, 0, 100, 100, 0, 300, 160, 0, 14, 2, 14, 0, 0);
  b.rt.ClearScreen(1, 0);
  b.rt.DrawText(1, 0, 120, 110, "問", 2, 2, 0, 0, 0, 0);
  b.rt.DrawLine(1, 0, 100, 100, 0, 300, 160, 0, 0, 2, 0, 0, 0);
  b.rt.DrawLine(1, 0, 0, 0, 0, 1600, 900, 0, 15, 2, 15, 0, 0);
  b.rt.DrawText(1, 0, 120, 110, "問", 2, 2, 0, 0, 0, 0);
  b.rt.DrawText(1, 0, 120, 1800, "問", 1, 1, 15, 0, 0, 0);
  EXPECT_TRUE(IllegibleGlyphs(b.Log(), "test").empty());

  // A disc and a filled polygon are grounds too.
  b.ClearLog();
  b.rt.DrawCircle(1, 0, 500, 500, 40, 0, 1, 0, 0, 1, 0, 0, 1);
  b.rt.DrawText(1, 0, 484, 484, "●", 1, 2, 0, 0, 0, 0);
  b.rt.DrawPolyline(1, {{700, 400, false}, {800, 400, false}, {750, 500, false}}, 0, 1, 0);
  b.rt.DrawText(1, 0, 742, 430, "A", 1, 1, 0, 0, 0, 0);
  EXPECT_EQ(IllegibleGlyphs(b.Log(), "test").size(), 2u);
}

}  // namespace
}  // namespace lessons
