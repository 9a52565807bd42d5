#include "tests/intro/replay_steps.h"

#include <cmath>
#include <cstdlib>

#include "framework/basic.h"

namespace lessons::testing {

namespace {

float F(const std::string& s) { return std::strtof(s.c_str(), nullptr); }

bool Starts(const std::string& line, std::string_view prefix) {
  return line.compare(0, prefix.size(), prefix) == 0;
}

// Glyphs measured below the visible area are not part of the picture.
constexpr float kMeasureY = 1700;

}  // namespace

std::string KeyScript(std::string_view keys) {
  std::string out;
  for (char c : keys) out += c == '\n' ? std::string("\\n") : std::string(1, c);
  return out;
}

Replay RunPalisteo(std::string_view keys) { return RunReplay("palisteo", KeyScript(keys)); }

std::string Canon(std::string_view text) {
  std::string out;
  for (const std::string& ch : Chars(text)) {
    int code = 0;
    // Full-width ASCII U+FF01..U+FF5E is three bytes EF BC/BD xx.
    if (ch.size() == 3 && static_cast<unsigned char>(ch[0]) == 0xEF) {
      unsigned b0 = static_cast<unsigned char>(ch[0]), b1 = static_cast<unsigned char>(ch[1]),
               b2 = static_cast<unsigned char>(ch[2]);
      unsigned cp = ((b0 & 0x0F) << 12) | ((b1 & 0x3F) << 6) | (b2 & 0x3F);
      if (cp >= 0xFF01 && cp <= 0xFF5E) code = static_cast<int>(cp - 0xFF01 + 0x21);
    }
    std::string c = code ? std::string(1, static_cast<char>(code)) : ch;
    if (c == " " || c == "　" || c == "+" || c == "-" || c == "^") continue;
    if (c == "*") c = "×";
    out += c;
  }
  return out;
}

Steps::Steps(const std::vector<std::string>& log) {
  steps_.emplace_back();
  for (const std::string& line : log) {
    if (Starts(line, "Key\t")) {
      steps_.emplace_back();
      continue;
    }
    steps_.back().push_back(line);
  }
}

std::string Steps::Text(int k) const {
  std::string out;
  for (const std::string& line : Lines(k)) {
    if (!Starts(line, "DrawText\t")) continue;
    auto f = Fields(line);
    if (F(f[2]) >= kMeasureY) continue;
    out += f.back();
  }
  return Canon(out);
}

int Steps::Find(std::string_view text, int from) const {
  const std::string want = Canon(text);
  for (int k = from; k < size(); ++k)
    if (Text(k).find(want) != std::string::npos) return k;
  return -1;
}

bool Steps::GlyphAt(int k, float x, float y, int colour, std::string_view glyph) const {
  for (const std::string& line : Lines(k)) {
    if (!Starts(line, "DrawText\t")) continue;
    auto f = Fields(line);
    if (F(f[1]) == x && F(f[2]) == y && std::atoi(f[5].c_str()) == colour && f.back() == glyph)
      return true;
  }
  return false;
}

std::vector<Glyph> Steps::Glyphs(int k, std::string_view glyph) const {
  std::vector<Glyph> out;
  for (const std::string& line : Lines(k)) {
    if (!Starts(line, "DrawText\t")) continue;
    auto f = Fields(line);
    if (F(f[2]) >= kMeasureY || (!glyph.empty() && f.back() != glyph)) continue;
    out.push_back({F(f[1]), F(f[2]), std::atoi(f[5].c_str()), f.back()});
  }
  return out;
}

std::vector<Dot> Steps::Dots(int k) const {
  std::vector<Dot> out;
  for (const std::string& line : Lines(k)) {
    if (!Starts(line, "DrawCircle\t")) continue;
    auto f = Fields(line);
    out.push_back({F(f[1]), F(f[2]), F(f[3]), std::atoi(f[4].c_str())});
  }
  return out;
}

bool Steps::WipeFrom(int k, float x, float y) const {
  for (const std::string& line : Lines(k)) {
    if (!Starts(line, "DrawLine\t")) continue;
    auto f = Fields(line);
    if (f[5] == "fill" && f[6] == "15" && f[7] == "15" && F(f[1]) == x && F(f[2]) == y) return true;
  }
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
    for (const std::string& line : Lines(k))
      if (Starts(line, "DrawLine\t22\t10\t1342\t610\tfill\t15\t10")) ++n;
  return n;
}

}  // namespace lessons::testing
