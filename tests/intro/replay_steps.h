// Reading a replay of Palisteo step by step: step k is everything drawn
// after key k - 1 was taken and before key k was taken (step 0 starts at the
// beginning, the last step runs to the end).
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/bench.h"

namespace lessons::testing {

// Runs Palisteo on `keys`, where a line feed stands for Enter.
Replay RunPalisteo(std::string_view keys);
// The key script of `keys` (a line feed becomes the Enter escape).
std::string KeyScript(std::string_view keys);

// Text as drawn glyph by glyph, made comparable: full-width ASCII becomes
// ASCII; blanks, "+", "-" and "^" (drawn as strokes or not at all) go; "*" is
// the sign ×.
std::string Canon(std::string_view text);

struct Glyph {
  float x = 0, y = 0;
  int colour = 0;
  std::string text;
};

struct Dot {
  float x = 0, y = 0, radius = 0;
  int colour = 0;
};

struct TableCell {
  float x = 0, width = 0;
  std::string text;  // the glyphs drawn inside the box
};

class Steps {
 public:
  explicit Steps(const std::vector<std::string>& log);
  int size() const { return static_cast<int>(steps_.size()); }
  const std::vector<std::string>& Lines(int k) const { return steps_.at(static_cast<size_t>(k)); }
  // The glyphs drawn in step k (not those measured below the screen), Canon'd.
  std::string Text(int k) const;
  // The first step at or after `from` whose text holds Canon(text); -1 if none.
  int Find(std::string_view text, int from = 0) const;
  // Does step k draw a glyph `glyph` with its corner at (x, y) in `colour`?
  bool GlyphAt(int k, float x, float y, int colour, std::string_view glyph) const;
  // The glyphs `glyph` drawn in step k (all glyphs when empty).
  std::vector<Glyph> Glyphs(int k, std::string_view glyph = "") const;
  // The circles drawn in step k.
  std::vector<Dot> Dots(int k) const;
  // Filled rectangles of step k with line colour 15 and fill colour 15 whose
  // corner is (x, y): the wipes and erasures.
  bool WipeFrom(int k, float x, float y) const;
  // Table cells drawn in step k: boxes `width` x `height` by their top y.
  std::map<float, std::vector<TableCell>> Cells(int k, float height) const;
  // How many times the main menu's panel is drawn in steps from..to.
  int MenuDraws(int from, int to) const;

 private:
  std::vector<std::vector<std::string>> steps_;
};

}  // namespace lessons::testing
