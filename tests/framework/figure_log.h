// Reading the drawing calls of the figure routines back from the call log.
#pragma once

#include <cstdio>
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

inline float LogFloat(const std::string& s) { return std::strtof(s.c_str(), nullptr); }
inline int LogInt(const std::string& s) { return std::atoi(s.c_str()); }

inline std::vector<LoggedLine> LoggedLines(const Bench& b) {
  std::vector<LoggedLine> out;
  for (const auto& l : b.Calls("DrawLine\t")) {
    auto f = Fields(l);
    out.push_back({LogFloat(f[1]), LogFloat(f[2]), LogFloat(f[3]), LogFloat(f[4]), f[5],
                   LogInt(f[6]), LogInt(f[7]), LogInt(f[8])});
  }
  return out;
}

inline std::vector<LoggedCircle> LoggedCircles(const Bench& b) {
  std::vector<LoggedCircle> out;
  for (const auto& l : b.Calls("DrawCircle\t")) {
    auto f = Fields(l);
    out.push_back({LogFloat(f[1]), LogFloat(f[2]), LogFloat(f[3]), LogInt(f[4]), LogFloat(f[5]),
                   LogFloat(f[6]), LogInt(f[7]), LogInt(f[8]), LogInt(f[9])});
  }
  return out;
}

// Texts drawn in the visible area (measuring typesets below it, at y 1800).
inline std::vector<LoggedText> VisibleTexts(const Bench& b) {
  std::vector<LoggedText> out;
  for (const auto& l : b.Calls("DrawText\t")) {
    auto f = Fields(l);
    LoggedText t{LogFloat(f[1]), LogFloat(f[2]), LogInt(f[3]),   LogInt(f[4]),
                 LogInt(f[5]),   f[6],           LogFloat(f[7]), f.back()};
    if (t.y < 1700) out.push_back(t);
  }
  return out;
}

// "x1 y1 x2 y2" of every line drawn, six significant digits.
inline std::vector<std::string> Strokes(const Bench& b) {
  std::vector<std::string> out;
  for (const auto& l : LoggedLines(b)) {
    char buf[80];
    std::snprintf(buf, sizeof buf, "%g %g %g %g", l.x1, l.y1, l.x2, l.y2);
    out.push_back(buf);
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
