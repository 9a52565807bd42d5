// Every glyph the tours draw stands out from what lies under it: each
// program's tour (tools/tours/*.keys) is replayed on the headless host, and
// for every glyph the ground under its cell's centre is the last filled box,
// disc, sector or polygon drawn before it that covers the centre (colour 15
// after ClearScreen; a disc under a quarter of the cell is a mark). Lesson text (size 16 or more at pair (2, 2) or larger)
// needs a WCAG contrast of 3.0 with its ground, every other glyph 4.5.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "framework/figure_util.h"
#include "framework/fill_box.h"
#include "framework/runtime/canvas.h"
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
  int border = 0;  // a box's border width when its line colour differs from its fill
  long seq = 0;    // its line in the log

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

// The filled box, disc, sector or polygon of a log line, if it draws one.
bool ReadFill(const std::vector<std::string>& f, Fill& fill) {
  const std::string& call = f[0];
  if (call == "DrawLine" && f.size() > 8 && f[5] == "fill") {
    fill.x1 = D(f[1]), fill.y1 = D(f[2]), fill.x2 = D(f[3]), fill.y2 = D(f[4]);
    fill.colour = I(f[7]);
    fill.border = I(f[6]) == fill.colour ? 0 : std::max(1, I(f[8]));
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
  } else {
    return false;
  }
  return true;
}

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
    } else if (ReadFill(f, fill)) {
    } else if (call == "DrawText" && f.size() > 10) {
      double x = D(f[1]), y = D(f[2]), size = D(f[7]);
      int a = I(f[3]), b = I(f[4]), colour = I(f[5]);
      const std::string& text = f.back();
      // Lesson text: size 16 at pair (2, 2) or a cell as large. The math
      // typesetter reaches such cells with size 8 at large pairs (10, 7); its
      // exponents, 24 units high at (6, 3), are still large text (24 units
      // are 18 pt at one unit a pixel), and so is a text narrowed to its box
      // (to half the width at most).
      bool large = a * size >= 16 && b * size >= 24;
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

// ---- Every text reads as itself -------------------------------------------
//
// One text is what one typesetting pass puts down. The typesetters draw one
// character a call, and minus signs, fraction bars and radicals as lines. So
// a one-character DrawText continues the text that grew last and is still on
// the screen (a key prompt drawn and wiped meanwhile does not count) when its
// cell comes within half its cell height of that text's last piece, or of a
// line the text took (a line is the text's when it starts that near to its
// last piece), and no fill drawn since comes as near (a cell's box, a
// label's ground). Any other DrawText starts a text.
// Texts measured below the screen do not count. A glyph's box is its ink as
// the canvas measures it. The faults:
// - "runs into": two texts whose ink comes within 2 units of each other, or a
//   letter, digit, minus or point beside another on one line (cells
//   overlapping by half a cell height) nearer than 0.6 of the smaller cell
//   height, which does not read as a space ("-3-2-1", "-10", "14"); texts in
//   two cells (boxes with a border) are kept apart by the border;
// - "crossed by": a line, box outline, polyline, arc or dot (of radius 8 or
//   less) drawn after a glyph's ground and before the glyph is covered,
//   through the middle half of its ink (a plotted point, a dot of radius 4 or
//   more, through its centre: a label may touch its point), and shown so (a
//   key or a pause comes before the glyph is covered); not the lines the text
//   took, nor erasing (drawing in colour 15) or what was erased before the
//   glyph came;
// - "reaches past its cell": a text on a box with a border or a coloured fill
//   (a table cell, a text box) whose ink on the box reaches past its inner
//   left or right edge.
// A glyph in its ground's colour erases the glyphs under it; a glyph drawn
// again on the same spot replaces the first.

using Box = Canvas::Box;
Box Grow(Box b, double d) { return {b.x0 - d, b.y0 - d, b.x1 + d, b.y1 + d}; }
bool Meet(const Box& a, const Box& b) {
  return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}
Box Join(const Box& a, const Box& b) {
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}
Box Bounds(const Fill& f) {
  if (f.kind == Fill::kDisc) return Grow({f.x1, f.y1, f.x1, f.y1}, f.x2);
  Box b{f.x1, f.y1, f.x1, f.y1};
  if (f.kind == Fill::kBox) return Join(b, {f.x2, f.y2, f.x2, f.y2});
  for (auto [x, y] : f.points) b = Join(b, {x, y, x, y});
  return b;
}
bool Numeric(const std::string& ch) {
  return ch.size() == 1 &&
         (std::isalnum(static_cast<unsigned char>(ch[0])) || ch == "-" || ch == ".");
}
std::string At(double x, double y) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "(%g, %g)", x, y);
  return buf;
}

// A segment at pen width w, or a dot of radius w at (x1, y1).
struct Stroke {
  bool dot = false;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0, w = 1;
  long seq = 0, erased = 0;  // its line in the log; the line that drew it again in colour 15
  int key = 0;
  bool white = false, point = false;  // drawn in colour 15; a plotted point (radius 4 or more)
  Box Bounds() const {
    return Grow({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)}, w);
  }
  bool Crosses(Box m) const {  // the segment clipped to m (Liang-Barsky)
    m = Grow(m, dot ? w : w / 2);
    double t0 = 0, t1 = 1, dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy}, q[4] = {x1 - m.x0, m.x1 - x1, y1 - m.y0, m.y1 - y1};
    for (int i = 0; i < 4; ++i) {
      if (p[i] == 0 && q[i] < 0) return false;
      if (p[i] < 0) t0 = std::max(t0, q[i] / p[i]);
      if (p[i] > 0) t1 = std::min(t1, q[i] / p[i]);
    }
    return t0 <= t1;
  }
};

// The strokes of a log line: lines, outlines and borders, open polylines and
// borders, arcs, and dots of radius 8 or less.
std::vector<Stroke> ReadStrokes(const std::vector<std::string>& f) {
  std::vector<Stroke> out;
  auto segment = [&](double x1, double y1, double x2, double y2, double w) {
    out.push_back({false, x1, y1, x2, y2, std::max(1.0, w)});
  };
  auto point = [&](const std::string& p) { return std::pair(D(p), D(p.substr(p.find(',') + 1))); };
  const std::string& call = f[0];
  if (call == "DrawLine" && f.size() > 8) {
    double x1 = D(f[1]), y1 = D(f[2]), x2 = D(f[3]), y2 = D(f[4]), w = D(f[8]);
    if (f[5] == "line") {
      segment(x1, y1, x2, y2, w);
    } else if (f[5] == "box" || f[6] != f[7]) {
      segment(x1, y1, x2, y1, w), segment(x2, y1, x2, y2, w);
      segment(x2, y2, x1, y2, w), segment(x1, y2, x1, y1, w);
    }
  } else if (call == "DrawPolyline" && f.size() > 6 && (f[2] != "1" || f[1] != f[3])) {
    for (size_t i = 6; i < f.size(); ++i) {
      auto [x1, y1] = point(f[i - 1]);
      auto [x2, y2] = point(f[i]);
      segment(x1, y1, x2, y2, D(f[4]));
    }
  } else if (call == "DrawCircle" && f.size() > 9) {
    double x = D(f[1]), y = D(f[2]), r = std::fabs(D(f[3])), start = D(f[5]), end = D(f[6]);
    if (f[7] == "1") {
      if (r <= 8) out.push_back({true, x, y, x, y, r + D(f[9]) / 2});  // its outline at the pen
      if (r >= 4 && r <= 8) out.back().point = true;
      return out;
    }
    if (end <= start) end += 1;
    const int n = std::max(4, static_cast<int>(48 * (end - start)));
    for (int i = 0; i < n; ++i) {
      double a = 2 * M_PI * (start + (end - start) * i / n), b = a + 2 * M_PI * (end - start) / n;
      segment(x + r * std::cos(a), y + r * std::sin(a), x + r * std::cos(b), y + r * std::sin(b),
              D(f[9]));
    }
  }
  return out;
}

// One line per fault of `log` (see above): program, key index (keys taken
// before the text), the texts and where.
std::vector<std::string> LabelFaults(const LogLines& log, const std::string& program,
                                     Canvas& canvas) {
  struct Glyph {
    Box ink;
    double top = 0, height = 0;  // its cell's
    std::string ch;
    size_t text = 0;
    long ground = 0, born = 0;  // the lines of its ground and of itself
  };
  struct Text {
    std::string s;
    int key = 0;
    double x = 0, y = 0;
    Box ink, end;                   // its ink on its first glyph's ground; its last piece's cell
    size_t strokes = 0, fills = 0;  // how many there were at its last piece
    std::vector<size_t> lines;      // the strokes it took
    Fill cell;                      // its first glyph's ground
    int shown = 0;                  // of its glyphs, on the screen
    bool inked = false;
  };
  std::vector<std::string> faults;
  std::vector<Fill> fills;
  std::vector<Stroke> strokes;
  std::vector<Glyph> glyphs;
  std::vector<size_t> live;
  std::vector<Text> texts;
  std::set<std::pair<size_t, size_t>> near;  // pairs of texts reported (or drawn again)
  size_t firstText = 0;                      // the first since the last wipe
  std::vector<size_t> grown;                 // the texts since then, the last to grow last
  int key = 0;
  long seq = 0, cleared = 0, shown = 0;  // lines: now, the last wipe, the last key or pause
  auto name = [&](const Text& t) { return "\"" + t.s + "\" at " + At(t.x, t.y); };
  auto report = [&](const Text& t, const std::string& what) {
    faults.push_back(program + " key " + std::to_string(t.key) + ": " + what);
  };
  // Whether text t takes a one-character piece whose cell comes within `reach`.
  auto takes = [&](Text& t, const Box& reach) {
    for (size_t i = t.fills; i < fills.size(); ++i)
      if (Meet(reach, Bounds(fills[i]))) return false;
    const double half = (reach.y1 - reach.y0) / 4;
    std::vector<size_t> lines;
    for (size_t i = t.strokes; i < strokes.size(); ++i)
      if (!strokes[i].dot &&
          Meet(Grow(t.end, half),
               Grow({strokes[i].x1, strokes[i].y1, strokes[i].x1, strokes[i].y1}, 0.5)))
        lines.push_back(i);
    auto meets = [&](const std::vector<size_t>& v) {
      return std::any_of(v.begin(), v.end(),
                         [&](size_t l) { return Meet(reach, strokes[l].Bounds()); });
    };
    if (!Meet(reach, t.end) && !meets(t.lines) && !meets(lines)) return false;
    t.lines.insert(t.lines.end(), lines.begin(), lines.end());
    return true;
  };
  // A glyph taken off the screen: the first stroke that crossed it meanwhile.
  auto gone = [&](const Glyph& g) {
    const Text& t = texts[g.text];
    const Box middle{(3 * g.ink.x0 + g.ink.x1) / 4, (3 * g.ink.y0 + g.ink.y1) / 4,
                     (g.ink.x0 + 3 * g.ink.x1) / 4, (g.ink.y0 + 3 * g.ink.y1) / 4};
    const Box centre = Grow(middle, -std::max(middle.x1 - middle.x0, middle.y1 - middle.y0));
    auto hit = std::find_if(strokes.begin(), strokes.end(), [&](const Stroke& s) {
      return s.seq > g.ground && s.seq < shown && g.born < shown && !s.white &&
             (!s.erased || s.erased > g.born) && s.Crosses(s.point ? centre : middle) &&
             std::find(t.lines.begin(), t.lines.end(), &s - strokes.data()) == t.lines.end();
    });
    if (hit != strokes.end())
      report(t, "\"" + g.ch + "\" " + At(std::round(g.ink.x0), std::round(g.ink.y0)) + " of " +
                    name(t) + " crossed by " +
                    (hit->dot
                         ? "a dot at " + At(hit->x1, hit->y1)
                         : "a line from " + At(hit->x1, hit->y1) + " to " + At(hit->x2, hit->y2)) +
                    " (key " + std::to_string(hit->key) + ")");
  };
  auto takeOff = [&](auto&& covered) {
    std::erase_if(live, [&](size_t i) {
      if (!covered(glyphs[i])) return false;
      gone(glyphs[i]);
      --texts[glyphs[i].text].shown;
      return true;
    });
  };
  auto wipe = [&] {
    for (size_t t = firstText; t < texts.size(); ++t) {
      const Text& text = texts[t];
      const Fill& c = text.cell;
      const Box box = Grow(Bounds(c), -c.border / 2.0);
      if (c.kind == Fill::kBox && (c.border || c.colour != 15) && !text.ink.Empty() &&
          (text.ink.x0 < box.x0 || text.ink.x1 > box.x1))
        report(text, name(text) + " reaches past its cell " + At(c.x1, c.y1) + "-" +
                         At(c.x2, c.y2) + ": ink from x " +
                         std::to_string(std::lround(text.ink.x0)) + " to " +
                         std::to_string(std::lround(text.ink.x1)));
    }
    takeOff([](const Glyph&) { return true; });
    fills.clear();
    strokes.clear();
    cleared = seq;
    firstText = texts.size();
    grown.clear();
  };
  // A glyph put down: the glyphs of other texts it comes too near.
  auto crowds = [&](const Glyph& g) {
    const Text& text = texts[g.text];
    for (size_t hi : live) {
      const Glyph& h = glyphs[hi];
      const Text& other = texts[h.text];
      if (h.text == g.text || near.count({h.text, g.text}) ||
          (text.cell.border && other.cell.border && text.cell.seq != other.cell.seq))
        continue;
      double overlap = std::min(g.top + g.height, h.top + h.height) - std::max(g.top, h.top);
      double need = std::min(g.height, h.height);
      double across = std::max(g.ink.x0 - h.ink.x1, h.ink.x0 - g.ink.x1);
      double down = std::max(g.ink.y0 - h.ink.y1, h.ink.y0 - g.ink.y1);
      bool reads = overlap >= need / 2 && Numeric(g.ch) && Numeric(h.ch);
      if (across < (reads ? 0.6 * need : 2) && down < 2) {
        near.insert({h.text, g.text});
        report(text, name(text) + " runs into " + name(other));
      }
    }
  };

  for (const std::string& line : log) {
    ++seq;
    std::vector<std::string> f = Fields(line);
    const std::string& call = f[0];
    Fill fill;
    if (call == "Key" || call == "Pause") {
      key += call == "Key";
      shown = seq;
    } else if (call == "ClearScreen") {
      wipe();
    } else if (ReadFill(f, fill) && !(fill.kind == Fill::kDisc && fill.x2 <= 8)) {
      fill.seq = seq;
      if (fill.CoversScreen()) wipe();
      takeOff([&](const Glyph& g) {
        return fill.Covers((g.ink.x0 + g.ink.x1) / 2, (g.ink.y0 + g.ink.y1) / 2);
      });
      fills.push_back(fill);
    } else if (call == "DrawText" && f.size() > 10) {
      double x = D(f[1]), y = D(f[2]), size = D(f[7]), width = 0;
      int a = I(f[3]), b = I(f[4]), colour = I(f[5]);
      const std::string& s = f.back();
      if (s.empty() || y > kVisibleHeight || y + b * size < 0) continue;
      const std::vector<std::string> chars = Chars(s);
      for (const std::string& ch : chars) width += a * size * CharByteLen(ch) / 2;
      const Box cells{x, y, x + width, y + b * size}, reach = Grow(cells, b * size / 2);
      size_t t = texts.size();  // a new text unless one takes the piece
      for (auto i = grown.rbegin(); chars.size() == 1 && i != grown.rend(); ++i) {
        if (takes(texts[*i], reach)) t = *i;
        if (t == *i || texts[*i].shown || !texts[*i].inked) break;
      }
      if (t == texts.size()) {
        texts.emplace_back();
        texts.back().key = key, texts.back().x = x, texts.back().y = y;
      }
      std::erase(grown, t);
      grown.push_back(t);
      Text& text = texts[t];
      text.s += s, text.end = cells;
      text.strokes = strokes.size(), text.fills = fills.size();
      std::vector<Box> ink = canvas.TextInk(x, y, s, a, b, {f[6], size, f[8] == "1", f[9] == "1"});
      for (size_t i = 0; i < ink.size(); ++i) {
        const Box& g = ink[i];
        if (g.Empty()) continue;
        auto ground = std::find_if(fills.rbegin(), fills.rend(), [&](const Fill& f) {
          return f.Covers((g.x0 + g.x1) / 2, (g.y0 + g.y1) / 2);
        });
        const bool erases = colour == (ground == fills.rend() ? 15 : ground->colour);
        takeOff([&](const Glyph& h) {
          if (erases) return Meet(Grow(h.ink, -1), g);
          if (h.ch != chars[i] || std::fabs(h.ink.x0 - g.x0) + std::fabs(h.ink.y0 - g.y0) >= 1)
            return false;
          near.insert({h.text, t});  // the text drawn again
          return true;
        });
        if (erases) continue;
        const long on = ground == fills.rend() ? cleared : ground->seq;
        if (text.ink.Empty() && ground != fills.rend()) text.cell = *ground;
        if (on == (text.cell.seq ? text.cell.seq : cleared))
          text.ink = text.ink.Empty() ? g : Join(text.ink, g);
        glyphs.push_back({g, y, b * size, chars[i], t, on, seq});
        crowds(glyphs.back());
        live.push_back(glyphs.size() - 1);
        ++text.shown, text.inked = true;
      }
      continue;
    }
    for (Stroke& st : ReadStrokes(f)) {
      if (!Meet(st.Bounds(), {0, 0, kVisibleWidth, kVisibleHeight})) continue;
      st.seq = seq, st.key = key;
      st.white = I(f[call == "DrawCircle" ? 4 : call == "DrawLine" ? 6 : 1]) == 15;
      if (st.white)
        for (Stroke& o : strokes)
          if (!o.erased && o.dot == st.dot &&
              std::fabs(o.x1 - st.x1) + std::fabs(o.y1 - st.y1) + std::fabs(o.x2 - st.x2) +
                      std::fabs(o.y2 - st.y2) <
                  1)
            o.erased = seq;
      strokes.push_back(st);
    }
  }
  shown = ++seq;
  wipe();
  return faults;
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
  EXPECT_NE(faults[0].find("< 4.5, text 5 (5C0000) on 13"), std::string::npos) << faults[0];

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

TEST(Labels, EveryTextOfEveryTourReadsAsItself) {
  Canvas canvas(1.0);
  for (std::string program : {"palisteo", "quendral", "orvenna"}) {
    std::string report;
    for (const std::string& fault : LabelFaults(TourLog(program), program, canvas))
      report += fault + "\n";
    EXPECT_TRUE(report.empty()) << "texts that do not read as themselves:\n" << report;
  }
}

// Planted faults: a label run into the one before it, a line through a label
// after its ground, a text wider than its cell. A formula as the typesetter
// sets it (minus strokes, a fraction, an exponent) is one text.
TEST(Labels, ReportsTextsRunTogetherStruckOrWiderThanTheirCells) {
  testing::Bench b;
  auto faults = [&] { return LabelFaults(b.Log(), "test", b.rt.canvas()); };
  auto text = [&](Num x, Num y, const std::string& s) { b.rt.DrawText(0, 0, x, y, s, 2, 1, 0); };
  b.rt.SetFontSize(0, 26);
  text(402, 558, "-3"), text(458, 558, "-2"), text(540, 558, "-1");
  std::vector<std::string> f = faults();
  ASSERT_EQ(f.size(), 1u) << ::testing::PrintToString(f);
  EXPECT_EQ(f[0], "test key 0: \"-2\" at (458, 558) runs into \"-3\" at (402, 558)");

  b.ClearLog();
  PlainLine(b.rt, 400, 571, 800, 571, 0);  // under the ground
  FillBox(b.rt, 602, 560, 650, 582, 15, 15);
  text(602, 558, "-1");
  PlainLine(b.rt, 640, 500, 640, 700, 0);  // through the "1"
  f = faults();
  ASSERT_EQ(f.size(), 1u) << ::testing::PrintToString(f);
  EXPECT_NE(f[0].find("of \"-1\" at (602, 558) crossed by a line from (640, 500)"),
            std::string::npos)
      << f[0];

  b.ClearLog();
  b.rt.SetDrawWidth(0, 5);
  FillBox(b.rt, 220, 230, 308, 280, 0, 15);
  b.L.LabelAt(220, 233, 0, "0.02");
  b.L.LabelAt(400, 233, 0, "y=-ﾀ1/2ﾀx^2");
  f = faults();
  ASSERT_EQ(f.size(), 1u) << ::testing::PrintToString(f);
  EXPECT_NE(f[0].find("\"0.02\" at (220, 233) reaches past its cell (220, 230)-(308, 280)"),
            std::string::npos)
      << f[0];
}

}  // namespace
}  // namespace lessons
