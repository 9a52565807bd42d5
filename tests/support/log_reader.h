// Reading the headless host's call log back: the drawing calls as records,
// and a replay cut into steps at the keys taken.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/support/bench.h"

namespace lessons::testing {

using LogLines = std::vector<std::string>;

// DrawText x y a b colour face size bold italic text
struct TextCall {
  float x = 0, y = 0;
  int a = 0, b = 0, colour = 0;
  std::string face;
  float size = 0;
  bool bold = false, italic = false;
  std::string text;
};

// DrawLine x1 y1 x2 y2 shape linecolour fillcolour width
struct LineCall {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::string shape;
  int colour = 0, fillColour = 0, width = 0;
};

// DrawCircle x y r colour start end fill fillcolour width
struct CircleCall {
  float x = 0, y = 0, r = 0;
  int colour = 0;
  float start = 0, end = 0;
  int fill = 0, fillColour = 0, width = 0;
};

// DrawPolyline linecolour fill fillcolour width x,y x,y ...
struct PolyCall {
  int colour = 0, width = 0;
  bool fill = false;
  std::vector<std::pair<float, float>> points;
};

std::vector<TextCall> TextCalls(const LogLines& log);
std::vector<LineCall> LineCalls(const LogLines& log);
std::vector<CircleCall> CircleCalls(const LogLines& log);
std::vector<PolyCall> PolyCalls(const LogLines& log);
inline std::vector<TextCall> TextCalls(const Bench& b) { return TextCalls(b.Log()); }
inline std::vector<LineCall> LineCalls(const Bench& b) { return LineCalls(b.Log()); }
inline std::vector<CircleCall> CircleCalls(const Bench& b) { return CircleCalls(b.Log()); }
inline std::vector<PolyCall> PolyCalls(const Bench& b) { return PolyCalls(b.Log()); }

// Checks a level line from x1 to x2 at height y, drawn at pen width `width`.
void ExpectLevelLine(const LineCall& l, float x1, float x2, float y, int width);

// Texts drawn in the visible area.
std::vector<TextCall> VisibleTexts(const LogLines& log);
inline std::vector<TextCall> VisibleTexts(const Bench& b) { return VisibleTexts(b.Log()); }
// "x1 y1 x2 y2" of every line drawn, six significant digits.
std::vector<std::string> Strokes(const Bench& b);
// The filled rectangles of a log as "x1 y1 x2 y2 line fill width".
std::vector<std::string> FilledBoxes(const LogLines& log);
// "text x y colour" of one call, for compact checks.
std::string Where(const TextCall& c);
// True when no logged number is NaN or infinite.
bool LogIsFinite(const Bench& b);
int Count(const std::vector<std::string>& items, const std::string& item);
// Typesets `text` with PrintMathText at (x, y) on a cleared log.
void Typeset(Bench& b, const std::string& text, float x, float y);

// Runs Palisteo on `keys`, where a line feed stands for Enter.
Replay RunPalisteo(std::string_view keys);
// Runs Palisteo on a key script noting the stack depth at every key taken:
// every key must be taken, the first and the last main-menu entry read at the
// same depth, and the stack never more than 64 KiB deeper than there.
void ExpectStackStaysLevel(const std::string& keyScript);
// The key script of `keys` (a line feed becomes the Enter escape).
std::string KeyScript(std::string_view keys);
// Text as drawn glyph by glyph, made comparable: full-width ASCII becomes
// ASCII; blanks, "+", "-" and "^" (drawn as strokes or not at all) go; "*" is
// the sign ×.
std::string Canon(std::string_view text);

struct TableCell {
  float x = 0, width = 0;
  std::string text;  // the glyphs drawn inside the box
};

// How far a figure label may stand from where a test looks for it: a step
// or two of the ring of places around its own.
inline constexpr float kLabelReach = 30;

// A replay step by step: step k is everything drawn after key k - 1 was taken
// and before key k was taken (step 0 starts at the beginning, the last step
// runs to the end).
class Steps {
 public:
  explicit Steps(const LogLines& log);
  int size() const { return static_cast<int>(steps_.size()); }
  const LogLines& Lines(int k) const { return steps_.at(static_cast<size_t>(k)); }
  // The lines of step k that start with `prefix`.
  LogLines Lines(int k, std::string_view prefix) const;
  // The glyphs drawn in step k (not those measured below the screen), Canon'd.
  std::string Text(int k) const;
  bool Has(int k, std::string_view text) const;
  // The first step at or after `from` whose text holds Canon(text); -1 if none.
  int Find(std::string_view text, int from = 0) const;
  // The last step of the run of steps from `from` on that hold `text`
  // (from - 1 when step `from` does not): e.g. the last of a screen's key waits.
  int LastOfRun(std::string_view text, int from) const;
  // Does step k draw a glyph `glyph` with its corner at (x, y) in `colour`?
  bool GlyphAt(int k, float x, float y, int colour, std::string_view glyph) const;
  // The same, its corner within `within` of (x, y) across and down: for a
  // label that stands at the nearest clear place around its own.
  bool GlyphNear(int k, float x, float y, int colour, std::string_view glyph,
                 float within = kLabelReach) const;
  // The visible glyphs `glyph` drawn in step k (all glyphs when empty).
  std::vector<TextCall> Glyphs(int k, std::string_view glyph = "") const;
  // The circles drawn in step k (of radius r when r > 0).
  std::vector<CircleCall> Dots(int k, float r = 0) const;
  // Filled rectangles of step k with line colour 15 and fill colour 15 whose
  // corner is (x, y): the wipes and erasures.
  bool WipeFrom(int k, float x, float y) const;
  // Table cells drawn in step k: boxes `height` high by their top y.
  std::map<float, std::vector<TableCell>> Cells(int k, float height) const;
  // How many times the main menu's panel is drawn in steps from..to.
  int MenuDraws(int from, int to) const;

 private:
  std::vector<LogLines> steps_;
};

// A glyph expected in a replay step: its step, corner, colour and text.
struct GlyphSpot {
  int step;
  float x, y;
  int colour;
  const char* glyph;
};
// Checks every spot with Steps::GlyphAt, naming the ones missing.
void ExpectGlyphs(const Steps& s, std::initializer_list<GlyphSpot> spots);
// Checks every spot with Steps::GlyphNear.
void ExpectGlyphsNear(const Steps& s, std::initializer_list<GlyphSpot> spots);
// Checks that step k holds each of `texts` (Steps::Has).
void ExpectHas(const Steps& s, int k, std::initializer_list<std::string_view> texts);
// Checks a unit's goal in step k: "<" at (44, 240) in colour 3, the goal's
// first character `first` at (76, 305) in colour 0, "<めあて>" and `goal`,
// then the sub-menu line `line`.
void ExpectGoal(const Steps& s, int k, std::string_view goal, const char* first, std::string_view line);

}  // namespace lessons::testing
