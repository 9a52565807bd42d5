#include "tests/support/log_reader.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "framework/basic.h"
#include "intro/palisteo.h"

namespace lessons::testing {

namespace {

float F(const std::string& s) { return std::strtof(s.c_str(), nullptr); }
int I(const std::string& s) { return std::atoi(s.c_str()); }

bool Starts(std::string_view line, std::string_view prefix) {
  return line.substr(0, prefix.size()) == prefix;
}

// Glyphs measured below the visible area are not part of the picture.
constexpr float kMeasureY = 1700;

template <typename Call, typename Parse>
std::vector<Call> Parsed(const LogLines& log, std::string_view prefix, Parse parse) {
  std::vector<Call> out;
  for (const auto& l : log)
    if (Starts(l, prefix)) out.push_back(parse(Fields(l)));
  return out;
}

TextCall ParseText(const std::vector<std::string>& f) {
  return {F(f[1]), F(f[2]), I(f[3]), I(f[4]), I(f[5]), f[6], F(f[7]), f[8] == "1", f[9] == "1",
          f.back()};
}

}  // namespace

std::vector<TextCall> TextCalls(const LogLines& log) {
  return Parsed<TextCall>(log, "DrawText\t", ParseText);
}

std::vector<LineCall> LineCalls(const LogLines& log) {
  return Parsed<LineCall>(log, "DrawLine\t", [](const auto& f) {
    return LineCall{F(f[1]), F(f[2]), F(f[3]), F(f[4]), f[5], I(f[6]), I(f[7]), I(f[8])};
  });
}

std::vector<CircleCall> CircleCalls(const LogLines& log) {
  return Parsed<CircleCall>(log, "DrawCircle\t", [](const auto& f) {
    return CircleCall{F(f[1]), F(f[2]), F(f[3]), I(f[4]), F(f[5]),
                      F(f[6]), I(f[7]), I(f[8]), I(f[9])};
  });
}

std::vector<PolyCall> PolyCalls(const LogLines& log) {
  return Parsed<PolyCall>(log, "DrawPolyline\t", [](const auto& f) {
    PolyCall p{I(f[1]), I(f[4]), f[2] == "1", {}};
    for (size_t i = 5; i < f.size(); ++i)
      p.points.emplace_back(F(f[i]), F(f[i].substr(f[i].find(',') + 1)));
    return p;
  });
}

std::vector<TextCall> VisibleTexts(const LogLines& log) {
  std::vector<TextCall> out;
  for (auto& t : TextCalls(log))
    if (t.y < kMeasureY) out.push_back(std::move(t));
  return out;
}

std::vector<std::string> Strokes(const Bench& b) {
  std::vector<std::string> out;
  for (const auto& l : LineCalls(b)) {
    char buf[80];
    std::snprintf(buf, sizeof buf, "%g %g %g %g", l.x1, l.y1, l.x2, l.y2);
    out.push_back(buf);
  }
  return out;
}

std::vector<std::string> FilledBoxes(const LogLines& log) {
  std::vector<std::string> out;
  for (const auto& line : log) {
    if (!Starts(line, "DrawLine\t")) continue;
    auto f = Fields(line);
    if (f[5] == "fill")
      out.push_back(f[1] + " " + f[2] + " " + f[3] + " " + f[4] + " " + f[6] + " " + f[7] + " " + f[8]);
  }
  return out;
}

std::string Where(const TextCall& c) {
  char buf[64];
  std::snprintf(buf, sizeof buf, " %g %g %d", c.x, c.y, c.colour);
  return c.text + buf;
}

bool LogIsFinite(const Bench& b) {
  for (const auto& l : b.Log())
    if (l.find("nan") != std::string::npos || l.find("inf") != std::string::npos) return false;
  return true;
}

int Count(const std::vector<std::string>& items, const std::string& item) {
  int n = 0;
  for (const auto& i : items) n += i == item;
  return n;
}

void Typeset(Bench& b, const std::string& text, float x, float y) {
  b.ClearLog();
  b.L.KKAI_s = text;
  b.L.DSM1 = x;
  b.L.DSM2 = y;
  b.L.PrintMathText();
}

std::string KeyScript(std::string_view keys) {
  std::string out;
  for (char c : keys) out += c == '\n' ? std::string("\\n") : std::string(1, c);
  return out;
}

Replay RunPalisteo(std::string_view keys) { return RunReplay("palisteo", KeyScript(keys)); }

namespace {
// Notes how deep the stack is whenever a key is taken.
class DepthHost : public HeadlessHost {
 public:
  using HeadlessHost::HeadlessHost;
  bool TakeKey(Canvas& canvas, int& code) override {
    depths.push_back(reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)));
    return HeadlessHost::TakeKey(canvas, code);
  }
  std::vector<std::uintptr_t> depths;
};
}  // namespace

void ExpectStackStaysLevel(const std::string& keyScript) {
  HeadlessOptions o;
  o.keys = HeadlessHost::ParseKeyScript(keyScript);
  DepthHost host(o);
  Runtime rt(host);
  Palisteo program(rt);
  EXPECT_EQ(RunProgram(program).end, RunEnd::kFinished);
  ASSERT_EQ(host.depths.size(), o.keys.size());
  EXPECT_EQ(host.depths.front(), host.depths[host.depths.size() - 2]);
  const auto lowest = *std::min_element(host.depths.begin(), host.depths.end());
  EXPECT_LT(host.depths.front() - lowest, 64u * 1024) << "the stack grew";
}

std::string Canon(std::string_view text) {
  std::string out;
  for (const std::string& ch : Chars(text)) {
    std::string c = ch;
    // Full-width ASCII U+FF01..U+FF5E is three bytes EF BC/BD xx.
    if (ch.size() == 3 && static_cast<unsigned char>(ch[0]) == 0xEF) {
      unsigned cp = ((static_cast<unsigned char>(ch[0]) & 0x0Fu) << 12) |
                    ((static_cast<unsigned char>(ch[1]) & 0x3Fu) << 6) |
                    (static_cast<unsigned char>(ch[2]) & 0x3Fu);
      if (cp >= 0xFF01 && cp <= 0xFF5E) c = std::string(1, static_cast<char>(cp - 0xFF01 + 0x21));
    }
    if (c == " " || c == "　" || c == "+" || c == "-" || c == "^") continue;
    out += c == "*" ? "×" : c;
  }
  return out;
}

Steps::Steps(const LogLines& log) {
  steps_.emplace_back();
  for (const std::string& line : log) {
    if (Starts(line, "Key\t"))
      steps_.emplace_back();
    else
      steps_.back().push_back(line);
  }
}

LogLines Steps::Lines(int k, std::string_view prefix) const {
  LogLines out;
  for (const std::string& l : Lines(k))
    if (Starts(l, prefix)) out.push_back(l);
  return out;
}

std::string Steps::Text(int k) const {
  std::string out;
  for (const TextCall& t : VisibleTexts(Lines(k))) out += t.text;
  return Canon(out);
}

bool Steps::Has(int k, std::string_view text) const {
  return Text(k).find(Canon(text)) != std::string::npos;
}

int Steps::Find(std::string_view text, int from) const {
  for (int k = from; k < size(); ++k)
    if (Has(k, text)) return k;
  return -1;
}

int Steps::LastOfRun(std::string_view text, int from) const {
  int k = from;
  while (k < size() && Has(k, text)) ++k;
  return k - 1;
}

bool Steps::GlyphAt(int k, float x, float y, int colour, std::string_view glyph) const {
  for (const TextCall& t : TextCalls(Lines(k)))
    if (t.x == x && t.y == y && t.colour == colour && t.text == glyph) return true;
  return false;
}

bool Steps::GlyphNear(int k, float x, float y, int colour, std::string_view glyph, float within) const {
  for (const TextCall& t : VisibleTexts(Lines(k)))
    if (std::fabs(t.x - x) <= within && std::fabs(t.y - y) <= within && t.colour == colour && t.text == glyph)
      return true;
  return false;
}

std::vector<TextCall> Steps::Glyphs(int k, std::string_view glyph) const {
  std::vector<TextCall> out;
  for (auto& t : VisibleTexts(Lines(k)))
    if (glyph.empty() || t.text == glyph) out.push_back(std::move(t));
  return out;
}

std::vector<CircleCall> Steps::Dots(int k, float r) const {
  std::vector<CircleCall> out;
  for (const CircleCall& c : CircleCalls(Lines(k)))
    if (r <= 0 || c.r == r) out.push_back(c);
  return out;
}

bool Steps::WipeFrom(int k, float x, float y) const {
  for (const LineCall& l : LineCalls(Lines(k)))
    if (l.shape == "fill" && l.colour == 15 && l.fillColour == 15 && l.x1 == x && l.y1 == y)
      return true;
  return false;
}

std::map<float, std::vector<TableCell>> Steps::Cells(int k, float height) const {
  std::map<float, std::vector<TableCell>> rows;
  TableCell* open = nullptr;  // the box drawn last, when it is a cell
  float openTop = 0;
  for (const std::string& line : Lines(k)) {
    auto f = Fields(line);
    if (f[0] == "DrawLine" && f[5] == "fill") {
      open = nullptr;
      float x1 = F(f[1]), y1 = F(f[2]), x2 = F(f[3]), y2 = F(f[4]);
      if (std::fabs(y2 - y1 - height) < 0.01f) {
        rows[y1].push_back({x1, x2 - x1, ""});
        open = &rows[y1].back();
        openTop = y1;
      }
    } else if (f[0] == "DrawText" && open) {
      // The box's own text is drawn inside it (its measuring goes below the
      // screen); italic letters stand a little higher than their line.
      float x = F(f[1]), y = F(f[2]);
      if (x >= open->x && x < open->x + open->width && y >= openTop - 30 && y < openTop + height)
        open->text += f.back();
    }
  }
  return rows;
}

int Steps::MenuDraws(int from, int to) const {
  int n = 0;
  for (int k = from; k <= to && k < size(); ++k)
    n += static_cast<int>(Lines(k, "DrawLine\t22\t10\t1342\t610\tfill\t15\t10").size());
  return n;
}

void ExpectLevelLine(const LineCall& l, float x1, float x2, float y, int width) {
  EXPECT_FLOAT_EQ(l.x1, x1);
  EXPECT_FLOAT_EQ(l.x2, x2);
  EXPECT_FLOAT_EQ(l.y1, y);
  EXPECT_FLOAT_EQ(l.y2, y);
  EXPECT_EQ(l.width, width);
}

void ExpectGlyphs(const Steps& s, std::initializer_list<GlyphSpot> spots) {
  for (const GlyphSpot& g : spots)
    EXPECT_TRUE(s.GlyphAt(g.step, g.x, g.y, g.colour, g.glyph))
        << g.glyph << " in step " << g.step << " at " << g.x << "," << g.y << " colour " << g.colour;
}

void ExpectGlyphsNear(const Steps& s, std::initializer_list<GlyphSpot> spots) {
  for (const GlyphSpot& g : spots)
    EXPECT_TRUE(s.GlyphNear(g.step, g.x, g.y, g.colour, g.glyph))
        << g.glyph << " in step " << g.step << " near " << g.x << "," << g.y << " colour " << g.colour;
}

void ExpectHas(const Steps& s, int k, std::initializer_list<std::string_view> texts) {
  for (std::string_view t : texts) EXPECT_TRUE(s.Has(k, t)) << t << " in step " << k;
}

void ExpectGoal(const Steps& s, int k, std::string_view goal, const char* first, std::string_view line) {
  ExpectGlyphs(s, {{k, 44, 240, 3, "<"}, {k, 76, 305, 0, first}});
  ExpectHas(s, k, {"<めあて>" + std::string(goal), line});
}

}  // namespace lessons::testing
