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
#include <map>
#include <optional>
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

LogLines ReplayTour(const std::string& program) {
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

// Each tour is replayed once for all the checks.
const LogLines& TourLog(const std::string& program) {
  static std::map<std::string, LogLines> logs;
  auto it = logs.find(program);
  if (it == logs.end()) it = logs.emplace(program, ReplayTour(program)).first;
  return it->second;
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
//   more in the glyph's colour, through its centre: a label may touch its own
//   point, and shares its colour), and shown so (a
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
  int key = 0, colour = 0;
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
    int colour = 0;
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
             (!s.erased || s.erased > g.born) &&
             s.Crosses(s.point && s.colour == g.colour ? centre : middle) &&
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
        glyphs.push_back({g, y, b * size, chars[i], t, on, seq, colour});
        crowds(glyphs.back());
        live.push_back(glyphs.size() - 1);
        ++text.shown, text.inked = true;
      }
      continue;
    }
    for (Stroke& st : ReadStrokes(f)) {
      if (!Meet(st.Bounds(), {0, 0, kVisibleWidth, kVisibleHeight})) continue;
      st.seq = seq, st.key = key;
      st.colour = I(f[call == "DrawCircle" ? 4 : call == "DrawLine" ? 6 : 1]);
      st.white = st.colour == 15;
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
    const LogLines& log = TourLog(program);
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
    for (const std::string& fault : LabelFaults(TourLog(program), program, canvas)) report += fault + "\n";
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

  // A point may touch its own label (in its colour), not another.
  b.ClearLog();
  text(602, 558, "7"), text(702, 558, "8");
  b.rt.DrawCircle(0, 0, 615, 571, 5, 3, 1, 0, 0, 1, 0, 3, 1);
  b.rt.DrawCircle(0, 0, 715, 571, 5, 0, 1, 0, 0, 1, 0, 0, 1);
  f = faults();
  ASSERT_EQ(f.size(), 1u) << ::testing::PrintToString(f);
  EXPECT_NE(f[0].find("\"7\" at (602, 558) crossed by a dot at (615, 571)"), std::string::npos) << f[0];
}


// A label's ground: a filled box in colour 15, no larger than 400 by 200.
bool IsGround(const Fill* g) {
  return g && g->kind == Fill::kBox && g->colour == 15 && !g->border &&
         std::fabs(g->x2 - g->x1) <= 400 && std::fabs(g->y2 - g->y1) <= 200;
}

// The pixels a ground paints (at scale 1): the canvas wipes it with a pen a
// unit wide, widened by a unit over antialiased fringes, its sides on pixel
// middles, so from the pixel before its first to the pixel after its last.
Box Painted(const Box& b) {
  return {std::floor(b.x0) - 1, std::floor(b.y0) - 1, std::floor(b.x1) + 2, std::floor(b.y1) + 2};
}

// ---- Every plane reads true ------------------------------------------------
//
// A plane is a vertical line of width 4 in colour 0 and, at once after it, a
// level one across it: its axes, whose first drawing gives its extent. Its grid
// is the lines drawn before them across its whole height or width; its tick
// lines are the grid's and the guides drawn later (lines with an end on an
// axis, across it). An axis number is a numeric text alone on a label's ground
// or with other numbers (the typesetter's calls joined: a short level line just
// before it is its minus, digits side by side and a point its own), in the
// axes' colour or a guide's, within two cell heights of an axis and a cell of
// the plane's extent along it: the nearer axis's, or on a plane without a grid
// the one's whose tick line alone runs through its cells; the "0" is neither's.
// A figure's number standing there reads as the axis's and is judged so. The
// faults (numbers judged as last shown):
// - "axis number off its tick": its cells' centre more than 2 units along its
//   axis from origin + value x scale, the scale being the one (of those putting
//   a number on itself or its nearest tick line) that puts the most places on
//   tick lines, then the most numbers on their places (within 2 units), then
//   the least sum of distances: numbers off their ticks or left out do not move
//   it. A number alone stands on its side of the origin, and on a grid line;
// - "axis drawn beyond its plane": an axis drawn again past its extent;
// - "ground over the plane's edge", "ground over a table border": a label's
//   ground over the middle of the plane's outermost grid line or of the border
//   of a box still shown (one it covers whole it wipes);
// - "label in the prompt band": lesson text on a ground whose ink meets the band
//   where the prompts are written and wiped (a screen's lines keep its layout);
// - "text past the wipe": the ink of any text beyond the last wipe from (0, 0)
//   (a white box of half the screen or more), which the next one leaves.
std::vector<std::string> PlaneFaults(const LogLines& log, const std::string& program, Canvas& canvas) {
  const Box bands[] = {{0, 657, 992, 720}, {96, 639, 400, 675}, {992, 639, 1232, 670}};
  auto lo = [](const Box& b, int a) { return a ? b.y0 : b.x0; };
  auto hi = [](const Box& b, int a) { return a ? b.y1 : b.x1; };
  auto mid = [&](const Box& b, int a) { return (lo(b, a) + hi(b, a)) / 2; };
  auto nearest = [](const std::vector<double>& ts, double x) {
    double d = 1e9;
    for (double t : ts) d = std::min(d, std::fabs(t - x));
    return d;
  };
  struct Number {
    std::string s;
    Box cells;                    // from its minus
    double digits = 0, half = 0;  // its digits' left, a half-width cell
    long line = 0, ground = 0;    // its last call's, its ground's
    int key = 0, colour = 0;
    bool minus = false;
  };
  struct Plane {
    Box extent;
    double origin[2] = {0, 0};
    std::vector<double> ticks[2], grid[2];  // across the x axis (their x), across the y axis
    std::vector<Box> edges;                 // the middles of its outermost grid lines
    std::vector<Number> numbers;
    std::set<int> colours{0};
    long seq = 0;
  };
  std::vector<std::string> faults;
  std::set<std::string> said;  // on this screen
  auto report = [&](int key, const std::string& what, const std::string& once) {
    if (said.insert(once).second) faults.push_back(program + " key " + std::to_string(key) + ": " + what);
  };
  std::optional<Plane> plane;
  std::vector<Fill> fills;                    // since the last wipe
  std::vector<Box> boxes;                     // with a border, still shown
  std::vector<std::pair<Box, double>> lines;  // before a plane, and their widths
  std::set<long> worded;                      // grounds with other lesson text on them
  Box area{0, 0, 1e9, 1e9};                   // the last wipe's
  int key = 0;
  long seq = 0, shown = 0;  // the last key or pause
  auto check = [&] {
    std::vector<std::pair<const Number*, double>> on[2];  // each axis's numbers and their values
    for (const Number& n : plane->numbers) {
      char* end = nullptr;
      const double v = std::strtod(n.s.c_str(), &end), h = n.cells.y1 - n.cells.y0;
      double gap[2], through[2];  // across each axis; its tick lines through the cells
      for (int a = 0; a < 2; ++a) {
        const double m = mid(n.cells, a), o = plane->origin[!a];
        gap[a] = m < lo(plane->extent, a) - h || m > hi(plane->extent, a) + h
                     ? 1e9 : std::max({lo(n.cells, !a) - o, o - hi(n.cells, !a), 0.0});
        through[a] = std::count_if(plane->ticks[a].begin(), plane->ticks[a].end(),
                                   [&](double t) { return t > lo(n.cells, a) && t < hi(n.cells, a); });
      }
      const int a = plane->grid[0].empty() && plane->grid[1].empty() && !through[0] != !through[1]
                        ? !through[0] : gap[0] > gap[1];
      if (n.line < shown && !worded.count(n.ground) && plane->colours.count(n.colour) && !*end && v &&
          gap[a] <= 2 * h)
        on[a].push_back({&n, v});
    }
    for (int a = 0; a < 2; ++a) {
      const double o = plane->origin[a], dir = a ? -1 : 1;
      const std::vector<double>& ticks = plane->ticks[a];
      double scale = 0, best = -1, least = 0;
      for (const auto& [n, v] : on[a])
        for (double x : {0.0, 1.0, -1.0}) {
          const double s = (mid(n->cells, a) + x * nearest(ticks, mid(n->cells, a)) - o) / (dir * v);
          double score = 0, sum = 0;
          for (const auto& [m, w] : on[a]) {
            const double off = std::fabs(mid(m->cells, a) - o - dir * w * s);
            score += 1000 * (nearest(ticks, o + dir * w * s) <= 2) + (off <= 2), sum += off;
          }
          if (s > 0 && (score > best || (score == best && sum < least))) scale = s, best = score, least = sum;
        }
      for (const auto& [n, v] : on[a]) {
        const double c = mid(n->cells, a), place = o + dir * v * scale;
        std::string why = std::string("on the wrong side of the ") + "yx"[a] + " axis";
        if (on[a].size() > 1) why = std::fabs(c - place) > 2 ? "its place " + std::to_string(std::lround(place)) : "";
        else if ((c - o) * dir * v > 0)
          why = !plane->grid[a].empty() && nearest(plane->grid[a], c) > 2.5 ? "no grid line within 2" : "";
        if (!why.empty())
          report(n->key, "axis number off its tick: \"" + n->s + "\" " + At(n->cells.x0, n->cells.y0) + " of the " +
                             "xy"[a] + " axis centred at " + std::to_string(std::lround(c)) + ", " + why,
                 n->s + At(n->cells.x0, n->cells.y0));
      }
    }
  };
  auto endPlane = [&] {
    if (plane) check(), plane.reset();
  };
  auto wipe = [&] { endPlane(), fills.clear(), boxes.clear(), lines.clear(), said.clear(); };

  // An arrow's shaft: a line followed at once by the two sides of its head,
  // 16 long along it and 8 to the side (an arrow, not a guide).
  auto shaft = [&](size_t i) {
    const std::vector<std::string> f = Fields(log[i]);
    for (size_t k = i + 1; k <= i + 2; ++k) {
      const std::vector<std::string> h = k < log.size() ? Fields(log[k]) : std::vector<std::string>{};
      if (h.size() < 9 || h[0] != "DrawLine" || h[5] != "line" ||
          std::fabs(std::hypot(D(h[3]) - D(h[1]), D(h[4]) - D(h[2])) - std::hypot(16.0, 8.0)) > 0.5 ||
          std::hypot(D(h[3]) - D(f[3]), D(h[4]) - D(f[4])) > 0.5)
        return false;
    }
    return true;
  };
  for (size_t i = 0; i < log.size(); ++i) {
    ++seq;
    const std::vector<std::string> f = Fields(log[i]), before = Fields(i ? log[i - 1] : "");
    const std::string& call = f[0];
    Fill fill;
    if (call == "Key" || call == "Pause") {
      key += call == "Key", shown = seq;
    } else if (call == "ClearScreen") {
      wipe(), area = {0, 0, 1e9, 1e9};
    } else if (ReadFill(f, fill)) {
      fill.seq = seq;
      const Box b = Bounds(fill), inner = Grow(IsGround(&fill) ? Painted(b) : b, -0.25);
      const std::string at = At(b.x0, b.y0) + "-" + At(b.x1, b.y1);
      auto covers = [&](const Box& o) { return b.x0 <= o.x0 && b.x1 >= o.x1 && b.y0 <= o.y0 && b.y1 >= o.y1; };
      auto under = [&](const Number& n) { return fill.Covers(mid(n.cells, 0), mid(n.cells, 1)); };
      if (fill.CoversScreen() || (fill.kind == Fill::kBox && fill.colour == 15 && !fill.border && b.x0 == 0 &&
                                  b.y0 == 0 && covers({0, 0, kVisibleWidth / 2, kVisibleHeight / 2}))) {
        wipe(), area = b;
      } else if (IsGround(&fill)) {
        for (const Box& e : plane ? plane->edges : std::vector<Box>{})
          if (Meet(inner, e)) {
            report(key, "ground over the plane's edge: " + at + " over the line " + At(e.x0, e.y0) + "-" +
                            At(e.x1, e.y1), at);
            break;
          }
        for (const Box& o : boxes)
          if (!covers(o) && (Meet(inner, {o.x0, o.y0, o.x1, o.y0}) || Meet(inner, {o.x0, o.y1, o.x1, o.y1}) ||
                             Meet(inner, {o.x0, o.y0, o.x0, o.y1}) || Meet(inner, {o.x1, o.y0, o.x1, o.y1})))
            report(key, "ground over a table border: " + at + " over the border of " + At(o.x0, o.y0) + "-" +
                            At(o.x1, o.y1), at + At(o.x0, o.y0));
      }
      std::erase_if(boxes, covers);
      if (plane && covers(plane->extent)) endPlane();
      if (plane && std::any_of(plane->numbers.begin(), plane->numbers.end(), under))
        check(), std::erase_if(plane->numbers, under);
      if (fill.kind == Fill::kBox && fill.border) boxes.push_back(b);
      fills.push_back(fill);
    } else if (call == "DrawLine" && f.size() > 8 && f[6] != "15") {
      const Box s{std::min(D(f[1]), D(f[3])), std::min(D(f[2]), D(f[4])), std::max(D(f[1]), D(f[3])),
                  std::max(D(f[2]), D(f[4]))};
      const bool axis = f[8] == "4" && f[6] == "0";
      if (f[5] == "box") boxes.push_back(s);
      if (f[5] != "line") continue;
      if (axis && s.y0 == s.y1 && before.size() > 8 && before[0] == "DrawLine" && before[8] == "4" &&
          before[1] == before[3] && s.x0 <= D(before[1]) && s.x1 >= D(before[1]) &&
          s.y0 >= std::min(D(before[2]), D(before[4])) && s.y0 <= std::max(D(before[2]), D(before[4]))) {
        endPlane();  // the x axis just after the y axis
        Plane& p = plane.emplace();
        p.origin[0] = D(before[1]), p.origin[1] = s.y0, p.seq = seq;
        p.extent = {s.x0, std::min(D(before[2]), D(before[4])), s.x1, std::max(D(before[2]), D(before[4]))};
        for (int a = 0; a < 2; ++a) {
          double out[2] = {1e9, -1e9};
          for (const auto& [l, w] : lines)
            if (w <= 3 && lo(l, a) == hi(l, a) && lo(l, !a) <= lo(p.extent, !a) && hi(l, !a) >= hi(p.extent, !a))
              p.grid[a].push_back(lo(l, a) + (w == 1 ? 0.5 : 0)),  // a thin line stands half a unit before
                  out[0] = std::min(out[0], lo(l, a)), out[1] = std::max(out[1], lo(l, a));
          p.ticks[a] = p.grid[a];
          for (double e : p.grid[a].empty() ? std::vector<double>{} : std::vector<double>{out[0], out[1]})
            p.edges.push_back(a ? Box{p.extent.x0, e, p.extent.x1, e} : Box{e, p.extent.y0, e, p.extent.y1});
        }
      } else if (!plane) {
        lines.push_back({s, D(f[8])});
      } else {
        for (int a = 0; a < 2; ++a) {
          const double o = plane->origin[!a];
          if (axis && lo(s, !a) == o && hi(s, !a) == o &&
              (lo(s, a) < lo(plane->extent, a) - 0.5 || hi(s, a) > hi(plane->extent, a) + 0.5))
            report(key, "axis drawn beyond its plane: " + At(s.x0, s.y0) + "-" + At(s.x1, s.y1) + ", the plane " +
                            At(plane->extent.x0, plane->extent.y0) + "-" + At(plane->extent.x1, plane->extent.y1),
                   At(s.x0, s.y0) + At(s.x1, s.y1));
          else if (lo(s, a) == hi(s, a) && std::min(std::fabs(lo(s, !a) - o), std::fabs(hi(s, !a) - o)) <= 3 &&
                   !shaft(i))
            plane->ticks[a].push_back(lo(s, a)), plane->colours.insert(I(f[6]));  // a guide
        }
      }
    } else if (call == "DrawText" && f.size() > 10) {
      const double x = D(f[1]), y = D(f[2]), size = D(f[7]), h = I(f[4]) * size, half = I(f[3]) * size / 2;
      const std::string& s = f.back();
      double width = 0;
      for (const std::string& ch : Chars(s)) width += half * CharByteLen(ch);
      const Box cells{x, y, x + width, y + h};
      const Fill* ground = nullptr;
      for (auto it = fills.rbegin(); it != fills.rend() && !ground; ++it)
        if (it->Covers(mid(cells, 0), mid(cells, 1))) ground = &*it;
      const bool lesson = 2 * half >= 16 && h >= 24;  // not a prompt's plain text
      for (const Box& g : canvas.TextInk(x, y, s, I(f[3]), I(f[4]), {f[6], size, f[8] == "1", f[9] == "1"})) {
        if (g.Empty() || !Meet(g, {0, 0, kVisibleWidth, kVisibleHeight})) continue;
        if (g.x1 > area.x1 + 0.5 || g.y1 > area.y1 + 0.5)
          report(key, "text past the wipe " + At(area.x0, area.y0) + "-" + At(area.x1, area.y1) + ": \"" + s +
                          "\" at " + At(x, y), At(x, y));
        if (lesson && IsGround(ground) &&
            std::any_of(std::begin(bands), std::end(bands), [&](const Box& b) { return Meet(g, b); }))
          report(key, "label in the prompt band: \"" + s + "\" at " + At(x, y), At(x, y));
      }
      if (!plane || !IsGround(ground) || ground->seq < plane->seq) continue;
      if (s.empty() || s.find_first_not_of("0123456789-.") != std::string::npos) {
        if (lesson) worded.insert(ground->seq);
        continue;
      }
      Number* last = plane->numbers.empty() ? nullptr : &plane->numbers.back();
      if (last && last->line == seq - 1 && y >= last->cells.y0 - 4 && y + h <= last->cells.y1 + 4 &&
          x >= last->digits && x - last->cells.x1 <= (last->cells.y1 - last->cells.y0) / 4) {  // its next call
        const long at = last->minus + std::lround((x - last->digits) / last->half);
        if (s == ".") last->s.insert(std::min<size_t>(last->s.size(), at), ".");
        else last->s += s;
        last->cells.x1 = std::max(last->cells.x1, x + width), last->line = seq;
        continue;
      }
      Number n{s, cells, x, half, seq, ground->seq, key, I(f[5])};
      // A typesetter's minus: a short level line just before, ending within
      // half a cell left of the digits, at their height.
      const double end = before.size() > 8 ? std::max(D(before[1]), D(before[3])) : -1e9;
      if (before.size() > 8 && before[0] == "DrawLine" && before[5] == "line" && before[2] == before[4] &&
          D(before[2]) >= y && D(before[2]) <= y + h && x >= end && x - end <= h / 2 &&
          std::fabs(D(before[3]) - D(before[1])) <= h)
        n.minus = true, n.s = "-" + s, n.cells.x0 = std::min(D(before[1]), D(before[3])) - D(before[8]) / 2;
      plane->numbers.push_back(n);
    }
  }
  shown = ++seq;
  wipe();
  return faults;
}


// ---- Every figure reads whole ----------------------------------------------
//
// A figure's lines, curves and arrows are drawn whole, and its labels stand
// clear of them. A label is a text on a ground: a filled box in colour 15
// (no larger than 400 by 200) that the centre of the text's ink lies on. A
// curve is a run of consecutive dots of radius 1 in one colour; a line is a
// DrawLine, less the strokes a typesetter draws (a line followed at once by a
// text within half its cell: minus signs, fraction bars) and those drawn on a
// label's ground; what is visible of a line is what no later box covers. The
// faults, each reported once:
// - "curve breaks": two consecutive dots of a curve with more than 3 units of
//   blank between their ink, unless both lie at the plane's top or bottom
//   (the extent of the vertical lines drawn across the curve's width, else of
//   the curve itself; within a twentieth of its height, or twice the step
//   beside): a curve that leaves the plane, a hyperbola's branches;
// - "line broken": a line continuing the one drawn before it (same colour
//   and width, on its line, further on) after a gap; three or more lines of
//   one length with equal gaps are a dashed line;
// - "line ends at": a visible stretch of line ending within 3 units of a
//   label's ink ("runs into the minus" when it lies level at a minus sign's
//   height), at a key, unless it crosses the glyph (Labels reports that);
// - "minus between": a short visible stretch of level line in the gap between
//   two numbers side by side on one row, at their height;
// - "ground over": a label's ground over some of a text still shown or of a
//   curve (one it covers completely is wiped, not crossed);
// - "dot over": a dot of radius 3 to 8 drawn over some of a glyph's ink
//   (through its middle, or for a point in the glyph's colour its centre,
//   Labels reports it);
// - and those of PlaneFaults (above): axis numbers off their ticks, axes drawn
//   beyond their planes, grounds over edges and borders, labels in the prompt
//   band, texts past the wipe.

struct Drawn {  // a line as drawn, and the stretches of it that boxes drawn later cover
  double x1, y1, x2, y2, w;
  int colour, key;
  long seq;
  std::vector<std::pair<double, double>> covered;  // along it, 0..length
  double Length() const { return std::hypot(x2 - x1, y2 - y1); }
  bool Level() const { return std::fabs(y2 - y1) <= 0.2 * std::fabs(x2 - x1); }
  std::pair<double, double> At(double t) const {
    double l = std::max(Length(), 1e-9);
    return {x1 + (x2 - x1) * t / l, y1 + (y2 - y1) * t / l};
  }
  void Cover(const Box& b) {  // the centre line clipped to b (Liang-Barsky)
    double t0 = 0, t1 = 1, dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy}, q[4] = {x1 - b.x0, b.x1 - x1, y1 - b.y0, b.y1 - y1};
    for (int i = 0; i < 4; ++i) {
      if (p[i] == 0 && q[i] < 0) return;
      if (p[i] < 0) t0 = std::max(t0, q[i] / p[i]);
      if (p[i] > 0) t1 = std::min(t1, q[i] / p[i]);
    }
    if (t0 < t1) covered.push_back({t0 * Length(), t1 * Length()});
  }
  std::vector<std::pair<double, double>> Visible() const {
    std::vector<std::pair<double, double>> c = covered, out;
    std::sort(c.begin(), c.end());
    double from = 0;
    for (auto [a, b] : c) {
      if (a > from + 0.5) out.push_back({from, a});
      from = std::max(from, b);
    }
    if (Length() > from + 0.5) out.push_back({from, Length()});
    return out;
  }
};

double Distance(double x, double y, const Box& b) {
  return std::hypot(std::max({b.x0 - x, 0.0, x - b.x1}), std::max({b.y0 - y, 0.0, y - b.y1}));
}

std::vector<std::string> FigureFaults(const LogLines& log, const std::string& program,
                                      Canvas& canvas) {
  struct Glyph {
    Box ink;
    std::string ch;
    long call = 0, ground = 0;  // its DrawText's line; its label's ground's (0: not a label)
    int colour = 0;
  };
  struct Dot {
    double x, y, r;
  };
  struct Label {
    Box ink;
    std::string s;
  };
  std::vector<std::string> faults;
  std::set<std::string> said;  // on this screen: a figure drawn again is reported once
  auto report = [&](int key, const std::string& what) {
    if (said.insert(what).second)
      faults.push_back(program + " key " + std::to_string(key) + ": " + what);
  };
  std::vector<Fill> fills;
  std::vector<Drawn> lines, chain;  // since the last wipe; the line drawn broken so far
  std::vector<Glyph> glyphs;         // on the screen
  std::vector<std::vector<Dot>> curves;
  std::set<std::pair<long, std::string>> near;  // lines and glyphs reported
  int key = 0, dotColour = -1;
  long seq = 0;
  std::vector<std::string> f;
  auto fields = [&](size_t i) { return i < log.size() ? Fields(log[i]) : std::vector<std::string>{}; };

  auto endChain = [&] {
    bool dashed = chain.size() >= 3;
    std::vector<double> gaps;
    for (size_t i = 1; i < chain.size(); ++i) {
      const Drawn &a = chain[i - 1], &b = chain[i];
      gaps.push_back(std::hypot(b.x1 - a.x2, b.y1 - a.y2));
      dashed = dashed && std::fabs(gaps.back() - gaps[0]) <= 1 &&
               (i + 1 == chain.size() || std::fabs(b.Length() - chain[0].Length()) <= 1);
    }
    for (size_t i = 1; i < chain.size() && !dashed; ++i)
      report(chain[i].key, "line broken: " + At(chain[i - 1].x1, chain[i - 1].y1) + "-" +
                               At(chain[i - 1].x2, chain[i - 1].y2) + " and " +
                               At(chain[i].x1, chain[i].y1) + "-" + At(chain[i].x2, chain[i].y2) +
                               " in colour " + std::to_string(chain[i].colour) + ", a gap of " +
                               std::to_string(std::lround(gaps[i - 1])));
    chain.clear();
  };
  auto endCurve = [&] {
    if (curves.empty() || curves.back().size() < 2) return;
    const std::vector<Dot>& c = curves.back();
    double x0 = 1e9, x1 = -1e9, top = 1e9, bottom = -1e9;
    for (const Dot& d : c) x0 = std::min(x0, d.x), x1 = std::max(x1, d.x);
    for (const Drawn& p : lines)
      if (p.x1 == p.x2 && p.x1 >= x0 - 1 && p.x1 <= x1 + 1)
        top = std::min({top, p.y1, p.y2}), bottom = std::max({bottom, p.y1, p.y2});
    if (top > bottom)
      for (const Dot& d : c) top = std::min(top, d.y), bottom = std::max(bottom, d.y);
    auto edge = [&](size_t i, size_t j) {  // dot i, its neighbour on its own side j
      double reach = std::max(3 + 2 * std::fabs(c[i].y - c[j].y), (bottom - top) / 20);
      return std::fabs(c[i].y - top) <= reach || std::fabs(c[i].y - bottom) <= reach;
    };
    for (size_t i = 1; i < c.size(); ++i) {
      const Dot &a = c[i - 1], &b = c[i];
      double blank = std::hypot(b.x - a.x, b.y - a.y) - a.r - b.r;
      if (blank <= 3 || (edge(i - 1, i >= 2 ? i - 2 : i - 1) &&
                         edge(i, i + 1 < c.size() ? i + 1 : i)))
        continue;
      report(key, "curve breaks from " + At(std::round(a.x), std::round(a.y)) + " to " +
                      At(std::round(b.x), std::round(b.y)) + " (" +
                      std::to_string(std::lround(blank)) + " units blank)");
    }
  };
  auto wipe = [&] {
    endChain();
    fills.clear(), lines.clear(), glyphs.clear(), curves.clear(), said.clear();
  };
  auto groundOf = [&](double x, double y) -> const Fill* {
    for (auto it = fills.rbegin(); it != fills.rend(); ++it)
      if (it->Covers(x, y)) return &*it;
    return nullptr;
  };
  auto centre = [](const Box& b) { return std::pair((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2); };
  // What a pupil sees at a key: visible lines of lines against the labels.
  auto look = [&] {
    std::map<long, Label> labels;
    for (const Glyph& g : glyphs)
      if (g.ground) {
        Label& l = labels[g.ground];
        l.ink = l.s.empty() ? g.ink : Join(l.ink, g.ink);
        l.s += g.ch;
      }
    auto numeric = [](const std::string& s) {
      return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.' || c == ' ';
      });
    };
    for (const Drawn& p : lines) {
      for (auto [t0, t1] : p.Visible()) {
        auto [ax, ay] = p.At(t0);
        auto [bx, by] = p.At(t1);
        const Box span = {std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
        const std::string where = "line " + At(std::round(ax), std::round(ay)) + "-" +
                                  At(std::round(bx), std::round(by));
        bool between = false;
        for (const auto& [ga, a] : labels)
          for (const auto& [gb, b] : labels) {
            double top = std::max(a.ink.y0, b.ink.y0), low = std::min(a.ink.y1, b.ink.y1);
            auto nearer = [&](const auto& c) {  // a number between a and b on their row
              return numeric(c.second.s) && c.second.ink.x0 >= a.ink.x1 &&
                     c.second.ink.x0 < b.ink.x0 && c.second.ink.y0 < low && c.second.ink.y1 > top;
            };
            if (ga == gb || !numeric(a.s) || !numeric(b.s) || !p.Level() || low <= top ||
                std::any_of(labels.begin(), labels.end(), nearer) ||
                b.ink.x0 <= a.ink.x1 || b.ink.x0 - a.ink.x1 > 3 * (low - top + 20) ||
                span.x0 < a.ink.x1 - 1 || span.x1 > b.ink.x0 + 1 ||
                (span.y0 + span.y1) / 2 < top - p.w / 2 || (span.y0 + span.y1) / 2 > low + p.w / 2)
              continue;
            between = true;
            if (near.insert({p.seq, "between" + std::to_string(ga)}).second)
              report(key, "minus between \"" + a.s + "\" and \"" + b.s + "\": visible " + where);
          }
        if (between) continue;
        for (const Glyph& g : glyphs) {
          if (!g.ground) continue;
          const Box middle{(3 * g.ink.x0 + g.ink.x1) / 4, (3 * g.ink.y0 + g.ink.y1) / 4,
                           (g.ink.x0 + 3 * g.ink.x1) / 4, (g.ink.y0 + 3 * g.ink.y1) / 4};
          Stroke s{false, ax, ay, bx, by, p.w};
          if (s.Crosses(middle)) continue;
          // A line's own end is round, half its width beyond it; an end cut
          // by a ground is square. An end on another line, or within a unit
          // of it (the grid line at an axis, an edge at the plane's corner),
          // is a joint, not an end.
          auto joint = [&](double x, double y) {
            return std::any_of(lines.begin(), lines.end(), [&](const Drawn& o) {
              return &o != &p && o.w >= p.w && !o.Level() == p.Level() &&
                     Stroke{false, o.x1, o.y1, o.x2, o.y2, o.w + 2}.Crosses({x, y, x, y});
            });
          };
          double d = std::min(
              joint(ax, ay) ? 1e9 : Distance(ax, ay, g.ink) - (t0 > 0 ? 0 : p.w / 2),
              joint(bx, by) ? 1e9 : Distance(bx, by, g.ink) - (t1 < p.Length() ? 0 : p.w / 2));
          if (d >= 3 || !near.insert({p.seq, std::to_string(g.ground)}).second) continue;
          bool minus = g.ch == "-" && p.Level() && (ay + by) / 2 >= g.ink.y0 - p.w / 2 &&
                       (ay + by) / 2 <= g.ink.y1 + p.w / 2;
          report(key, std::string(minus ? "line runs into the minus of \"" : "line ends at \"") +
                          labels[g.ground].s + "\" " +
                          At(std::round(labels[g.ground].ink.x0), std::round(labels[g.ground].ink.y0)) +
                          ": visible " + where + ", " + std::to_string(std::lround(std::max(0.0, d))) +
                          " from its ink");
        }
      }
    }
  };

  for (size_t n = 0; n < log.size(); ++n) {
    ++seq;
    f = Fields(log[n]);
    const std::string& call = f[0];
    const bool dot = call == "DrawCircle" && f.size() > 9 && f[7] == "1";
    if (!(dot && D(f[3]) == 1 && I(f[8]) == dotColour) && call != "Pause" && dotColour >= 0) {
      endCurve();
      dotColour = -1;
    }
    if (!(call == "DrawLine" && f.size() > 5 && f[5] == "line") && call != "Pause") endChain();
    Fill fill;
    if (call == "Key") {
      look();
      ++key;
    } else if (call == "ClearScreen") {
      wipe();
    } else if (dot && D(f[3]) == 1) {
      if (dotColour < 0) curves.emplace_back();
      dotColour = I(f[8]);
      curves.back().push_back({D(f[1]), D(f[2]), 1 + D(f[9]) / 2});
    } else if (dot && D(f[3]) >= 3 && D(f[3]) <= 8 && I(f[8]) != 15) {
      const double x = D(f[1]), y = D(f[2]), r = D(f[3]) + D(f[9]) / 2;
      for (const Glyph& g : glyphs) {
        const Box middle{(3 * g.ink.x0 + g.ink.x1) / 4, (3 * g.ink.y0 + g.ink.y1) / 4,
                         (g.ink.x0 + 3 * g.ink.x1) / 4, (g.ink.y0 + 3 * g.ink.y1) / 4};
        auto [cx, cy] = centre(g.ink);
        bool labels = D(f[3]) >= 4 && I(f[8]) == g.colour ? std::hypot(cx - x, cy - y) <= r
                                                          : Distance(x, y, middle) < r;
        // A glyph's corners are mostly blank: the dot must reach its inner two thirds.
        const double ix = (g.ink.x1 - g.ink.x0) / 6, iy = (g.ink.y1 - g.ink.y0) / 6;
        if (!labels && Distance(x, y, {g.ink.x0 + ix, g.ink.y0 + iy, g.ink.x1 - ix, g.ink.y1 - iy}) < r)
          report(key, "dot over \"" + g.ch + "\" " + At(std::round(g.ink.x0), std::round(g.ink.y0)) +
                          ": the dot at " + At(x, y) + " radius " + f[3]);
      }
    } else if (ReadFill(f, fill) && !(fill.kind == Fill::kDisc && fill.x2 <= 8)) {
      fill.seq = seq;
      if (fill.CoversScreen()) wipe();
      const Box b = Bounds(fill);
      if (fill.kind == Fill::kBox)
        for (Drawn& p : lines) p.Cover(b);
      // A ground: the next text drawn stands on it.
      std::vector<std::string> next;
      for (size_t m = n + 1; m < log.size() && next.empty(); ++m)
        if (log[m].rfind("DrawText", 0) == 0) next = fields(m);
      if (IsGround(&fill) && next.size() > 10) {
        std::vector<Box> ink = canvas.TextInk(D(next[1]), D(next[2]), next.back(), I(next[3]),
                                              I(next[4]), {next[6], D(next[7]), next[8] == "1", next[9] == "1"});
        auto first = std::find_if(ink.begin(), ink.end(), [](const Box& i) { return !i.Empty(); });
        if (first != ink.end() && fill.Covers(centre(*first).first, centre(*first).second)) {
          const Box inner = Grow(b, -0.5);
          std::map<long, std::pair<int, int>> under;  // a text's glyphs: met, not inside
          for (const Glyph& g : glyphs) {
            auto& [met, out] = under[g.call];
            met += Meet(inner, g.ink);
            const Box outer = Grow(b, 1.5);
            out += !(g.ink.x0 >= outer.x0 && g.ink.x1 <= outer.x1 && g.ink.y0 >= outer.y0 &&
                     g.ink.y1 <= outer.y1);
          }
          for (const Glyph& g : glyphs)
            if (under[g.call].first && under[g.call].second && Meet(inner, g.ink))
              report(key, "ground " + At(b.x0, b.y0) + "-" + At(b.x1, b.y1) + " of \"" +
                              next.back() + "\" over \"" + g.ch + "\" " +
                              At(std::round(g.ink.x0), std::round(g.ink.y0)));
          for (const std::vector<Dot>& c : curves) {
            size_t in = std::count_if(c.begin(), c.end(), [&](const Dot& d) {
              return Distance(d.x, d.y, b) < d.r - 0.5;
            });
            if (in && in < c.size())
              report(key, "ground " + At(b.x0, b.y0) + "-" + At(b.x1, b.y1) + " of \"" +
                              next.back() + "\" over " + std::to_string(in) + " dots of the curve from " +
                              At(std::round(c.front().x), std::round(c.front().y)));
          }
        }
      }
      std::erase_if(glyphs, [&](const Glyph& g) {
        auto [x, y] = centre(g.ink);
        return fill.Covers(x, y);
      });
      for (std::vector<Dot>& c : curves)
        std::erase_if(c, [&](const Dot& d) { return fill.Covers(d.x, d.y); });
      fills.push_back(fill);
    } else if (call == "DrawText" && f.size() > 10) {
      double x = D(f[1]), y = D(f[2]), size = D(f[7]);
      int a = I(f[3]), b = I(f[4]), colour = I(f[5]);
      if (y > kVisibleHeight || y + b * size < 0) continue;
      std::vector<std::string> chars = Chars(f.back());
      std::vector<Box> ink = canvas.TextInk(x, y, f.back(), a, b, {f[6], size, f[8] == "1", f[9] == "1"});
      for (size_t i = 0; i < ink.size() && i < chars.size(); ++i) {
        if (ink[i].Empty()) continue;
        auto [cx, cy] = centre(ink[i]);
        const Fill* g = groundOf(cx, cy);
        if (colour == (g ? g->colour : 15)) {
          std::erase_if(glyphs, [&](const Glyph& h) { return Meet(Grow(h.ink, -1), ink[i]); });
          continue;
        }
        glyphs.push_back({ink[i], chars[i], seq, IsGround(g) ? g->seq : 0, colour});
      }
    } else if (call == "DrawLine" && f.size() > 8 && f[5] == "line" && I(f[6]) != 15) {
      Drawn p{D(f[1]), D(f[2]), D(f[3]), D(f[4]), std::max(1.0, D(f[8])), I(f[6]), key, seq, {}};
      const Box bounds = Grow({std::min(p.x1, p.x2), std::min(p.y1, p.y2), std::max(p.x1, p.x2),
                               std::max(p.y1, p.y2)}, p.w / 2);
      if (!Meet(bounds, {0, 0, kVisibleWidth, kVisibleHeight}) || p.Length() < 1) continue;
      // A typesetter's stroke: a text follows at once within half its cell.
      std::vector<std::string> t = fields(n + 1);
      if (t.size() > 10 && t[0] == "DrawText") {
        double h = I(t[4]) * D(t[7]);
        if (Meet(Grow(bounds, h / 2), {D(t[1]), D(t[2]), D(t[1]) + h, D(t[2]) + h})) continue;
      }
      const Fill* on = groundOf((p.x1 + p.x2) / 2, (p.y1 + p.y2) / 2);
      if (IsGround(on) && on->Covers(p.x1, p.y1) && on->Covers(p.x2, p.y2)) continue;
      if (!chain.empty()) {
        const Drawn& q = chain.back();
        const double l = q.Length(), ux = (q.x2 - q.x1) / l, uy = (q.y2 - q.y1) / l;
        auto off = [&](double x, double y) { return std::fabs((x - q.x1) * uy - (y - q.y1) * ux); };
        auto along = [&](double x, double y) { return (x - q.x1) * ux + (y - q.y1) * uy; };
        const double gap = along(p.x1, p.y1) - l;
        if (!(q.colour == p.colour && q.w == p.w && off(p.x1, p.y1) < 0.75 &&
              off(p.x2, p.y2) < 0.75 && along(p.x2, p.y2) > along(p.x1, p.y1) &&
              gap > 1 && gap < 150))
          endChain();
      }
      chain.push_back(p);
      lines.push_back(p);
    }
  }
  if (dotColour >= 0) endCurve();
  look();
  wipe();
  for (std::string& fault : PlaneFaults(log, program, canvas)) faults.push_back(std::move(fault));
  return faults;
}

TEST(Figures, EveryFigureOfEveryTourReadsWhole) {
  Canvas canvas(1.0);
  for (std::string program : {"palisteo", "quendral", "orvenna"}) {
    std::vector<std::string> faults = FigureFaults(TourLog(program), program, canvas);
    std::map<std::string, int> kinds;
    std::string report;
    for (const std::string& fault : faults)
      for (const char* kind : {"curve breaks", "line broken", "line ends at", "line runs into",
                               "minus between", "ground over the plane", "ground over a table",
                               "ground", "dot over", "axis number", "axis drawn", "label in the prompt",
                               "text past"})
        if (fault.find(std::string(": ") + kind) != std::string::npos) {
          if (++kinds[kind] <= 40) report += fault + "\n";
          break;
        }
    std::string counts;
    for (const auto& [kind, n] : kinds) counts += " " + std::to_string(n) + " " + kind + ";";
    EXPECT_TRUE(faults.empty()) << program << ":" << counts << " (first 40 of each):\n" << report;
  }
}

// One planted fault of each kind is reported; a whole curve, a dashed line
// and a label on a ground with a margin, clear of the lines, are not.
TEST(Figures, ReportsFiguresDrawnBrokenOrCrowdingTheirLabels) {
  Canvas canvas(1.0);
  const std::string grid = "DrawLine\t500\t100\t500\t500\tline\t0\t0\t1\n";  // the plane's frame
  auto curve = [](double x0, double x1, const std::string& skip = "") {
    std::string s;
    for (double x = x0; x <= x1; x += 2)
      if (skip.empty() || x < 440 || x > 470)
        s += "DrawCircle\t" + std::to_string(x) + "\t" + std::to_string(300 + (x - 400) * 0.2) +
             "\t1\t3\t0\t0\t1\t3\t1\n";
    return s;
  };
  auto label = [](double x, double y, const std::string& text, double margin) {
    double w = 30 * Chars(text).size();
    return "DrawLine\t" + std::to_string(x - margin) + "\t" + std::to_string(y - margin) + "\t" +
           std::to_string(x + w + margin) + "\t" + std::to_string(y + 30 + margin) +
           "\tfill\t15\t15\t1\nDrawText\t" + std::to_string(x) + "\t" + std::to_string(y) +
           "\t2\t1\t0\tゴシック\t30\t0\t0\t" + text + "\n";
  };
  // A plane with a grid every 50 units over (300, 100)-(500, 300), its origin at (400, 200), and
  // its numbers -1 and 1 on its axes (x's 1 given): at the key each is judged.
  std::string plane;
  for (int k = 300; k <= 500; k += 50)
    plane += "DrawLine\t" + std::to_string(k) + "\t100\t" + std::to_string(k) + "\t300\tline\t1\t1\t3\n" +
             "DrawLine\t300\t" + std::to_string(k - 200) + "\t500\t" + std::to_string(k - 200) +
             "\tline\t1\t1\t3\n";
  plane += "DrawLine\t400\t100\t400\t300\tline\t0\t0\t4\nDrawLine\t300\t200\t500\t200\tline\t0\t0\t4\n";
  auto numbers = [&](double x, const std::string& more = "") {
    return plane + label(320, 206, "-1", 3) + label(364, 135, "1", 3) + label(x, 206, "1", 3) + more +
           "Key\t13\n";
  };
  // A rise arrow up from the x axis and its length in its colour, off the
  // ticks: an arrow is not a guide, so its colour is not an axis number's.
  std::string rise = "DrawLine\t430\t200\t430\t160\tline\t3\t3\t5\nDrawLine\t422\t176\t430\t160\tline\t3\t3\t5\n"
                     "DrawLine\t438\t176\t430\t160\tline\t3\t3\t5\n" + label(440, 150, "2", 3);
  rise.replace(rise.find("\t0\tゴシック"), 2, "\t3");
  struct Case {
    std::string scene, expected;  // the fault's start; empty: none
  } cases[] = {
      {grid + curve(400, 600), ""},
      {grid + curve(400, 600, "gap"), "test key 0: curve breaks from (438, 308) to (472, 314)"},
      {"DrawLine\t100\t300\t200\t300\tline\t5\t5\t3\nDrawLine\t240\t300\t400\t300\tline\t5\t5\t3\n",
       "test key 0: line broken: (100, 300)-(200, 300) and (240, 300)-(400, 300)"},
      {"DrawLine\t100\t300\t110\t300\tline\t5\t5\t3\nDrawLine\t120\t300\t130\t300\tline\t5\t5\t3\n"
       "DrawLine\t140\t300\t150\t300\tline\t5\t5\t3\n",
       ""},
      {"DrawLine\t100\t315\t400\t315\tline\t0\t0\t3\n" + label(200, 300, "7", -1) + "Key\t13\n",
       "test key 0: line ends at \"7\""},
      {"DrawLine\t100\t315\t400\t315\tline\t0\t0\t3\n" + label(200, 300, "-5", 0.5) + "Key\t13\n",
       "test key 0: line runs into the minus of \"-5\""},
      // A grid line that ends on an axis beside a label ends at the axis.
      {"DrawLine\t212\t200\t212\t300\tline\t0\t0\t1\nDrawLine\t100\t299\t400\t299\tline\t0\t0\t4\n" +
           label(200, 300, "7", 0) + "Key\t13\n",
       ""},
      {"DrawLine\t100\t315\t400\t315\tline\t0\t0\t3\n" + label(150, 300, "7", 6) +
           label(210, 300, "8", 6) + "Key\t13\n",
       "test key 0: minus between \"7\" and \"8\": visible line (186, 315)-(204, 315)"},
      {"DrawLine\t100\t200\t400\t200\tline\t0\t0\t3\n" + label(200, 300, "-5", 6) + "Key\t13\n", ""},
      {label(200, 300, "7", 6) + label(215, 300, "8", 6),
       "test key 0: ground (209, 294)-(251, 336) of \"8\" over \"7\""},
      {grid + curve(400, 600) + label(450, 290, "A", 6),
       "test key 0: ground (444, 284)-(486, 326) of \"A\" over"},
      {label(200, 300, "A", 6) + "DrawCircle\t219\t318\t4\t0\t0\t0\t1\t0\t1\n",
       "test key 0: dot over \"A\""},
      {numbers(435), ""},
      {numbers(445), "test key 0: axis number off its tick: \"1\" (445, 206) of the x axis centred at 460, its place 450"},
      {numbers(435, rise), ""},
      {numbers(435) + "DrawLine\t400\t290\t400\t320\tline\t0\t0\t4\n", "test key 1: axis drawn beyond its plane"},
      {plane + label(420, 85, "A", 4), "test key 0: ground over the plane's edge: (416, 81)-(454, 119)"},
      // Clear of the line by a unit, but its wiping pen paints over it.
      {plane + label(420, 65, "A", 4), "test key 0: ground over the plane's edge: (416, 61)-(454, 99)"},
      {"DrawLine\t100\t100\t200\t150\tfill\t9\t15\t5\n" + label(190, 110, "A", 4),
       "test key 0: ground over a table border: (186, 106)-(224, 144) over the border of (100, 100)"},
      {label(200, 630, "A", 4), "test key 0: label in the prompt band: \"A\""},
      {"DrawLine\t0\t0\t1000\t1000\tfill\t15\t15\t1\n" + label(990, 100, "A", 4), "test key 0: text past the wipe"},
  };
  for (const Case& c : cases) {
    LogLines log;
    for (size_t at = 0, end; (end = c.scene.find('\n', at)) != std::string::npos; at = end + 1)
      log.push_back(c.scene.substr(at, end - at));
    std::vector<std::string> faults = FigureFaults(log, "test", canvas);
    if (c.expected.empty()) {
      EXPECT_TRUE(faults.empty()) << c.scene << ::testing::PrintToString(faults);
    } else {
      ASSERT_EQ(faults.size(), 1u) << c.scene << ::testing::PrintToString(faults);
      EXPECT_EQ(faults[0].rfind(c.expected, 0), 0u) << faults[0];
    }
  }
}

}  // namespace
}  // namespace lessons
