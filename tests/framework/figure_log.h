// Reading the drawing calls of the figure routines back from the call log.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/bench.h"

namespace lessons::testing {

struct LoggedLine {
  float x1, y1, x2, y2;
  std::string shape;
  int colour, fillColour, width;
};

struct LoggedCircle {
  float x, y, r;
  int colour;
  float start, end;
  int fill, fillColour, width;
};

struct LoggedText {
  float x, y;
  int a, b, colour;
  std::string face;
  float size;
  std::string text;
};

inline float F(const std::string& s) { return std::strtof(s.c_str(), nullptr); }
inline int I(const std::string& s) { return std::atoi(s.c_str()); }

inline std::vector<LoggedLine> LoggedLines(const Bench& b) {
  std::vector<LoggedLine> out;
  for (const auto& l : b.Calls("DrawLine\t")) {
    auto f = Fields(l);
    out.push_back({F(f[1]), F(f[2]), F(f[3]), F(f[4]), f[5], I(f[6]), I(f[7]), I(f[8])});
  }
  return out;
}

inline std::vector<LoggedCircle> LoggedCircles(const Bench& b) {
  std::vector<LoggedCircle> out;
  for (const auto& l : b.Calls("DrawCircle\t")) {
    auto f = Fields(l);
    out.push_back({F(f[1]), F(f[2]), F(f[3]), I(f[4]), F(f[5]), F(f[6]), I(f[7]), I(f[8]), I(f[9])});
  }
  return out;
}

// Texts drawn in the visible area (measuring typesets below it, at y 1800).
inline std::vector<LoggedText> VisibleTexts(const Bench& b) {
  std::vector<LoggedText> out;
  for (const auto& l : b.Calls("DrawText\t")) {
    auto f = Fields(l);
    LoggedText t{F(f[1]), F(f[2]), I(f[3]), I(f[4]), I(f[5]), f[6], F(f[7]), f.back()};
    if (t.y < 1700) out.push_back(t);
  }
  return out;
}

// True when no logged number is NaN or infinite.
inline bool LogIsFinite(const Bench& b) {
  for (const auto& l : b.Log())
    if (l.find("nan") != std::string::npos || l.find("inf") != std::string::npos) return false;
  return true;
}

}  // namespace lessons::testing
