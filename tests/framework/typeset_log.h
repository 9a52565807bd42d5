// Reading the call log of the typesetting tests.
#pragma once

#include <string>
#include <vector>

#include "tests/support/bench.h"

namespace lessons::testing {
// An inline namespace of its own: draw_log.h has another TextCall, and the
// two must not meet in one program under the same name.
inline namespace typeset_log {

struct TextCall {
  float x = 0, y = 0;
  int a = 0, b = 0, colour = 0;
  std::string face;
  float size = 0;
  bool bold = false, italic = false;
  std::string text;
};

struct LineCall {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::string shape;
  int lineColour = 0, fillColour = 0, width = 0;
};

struct PolyCall {
  int colour = 0, width = 0;
  bool fill = false;
  std::vector<std::pair<float, float>> points;
};

inline TextCall ParseText(const std::string& line) {
  auto f = Fields(line);
  TextCall t;
  t.x = std::stof(f.at(1));
  t.y = std::stof(f.at(2));
  t.a = std::stoi(f.at(3));
  t.b = std::stoi(f.at(4));
  t.colour = std::stoi(f.at(5));
  t.face = f.at(6);
  t.size = std::stof(f.at(7));
  t.bold = f.at(8) == "1";
  t.italic = f.at(9) == "1";
  t.text = f.at(10);
  return t;
}

inline LineCall ParseLine(const std::string& line) {
  auto f = Fields(line);
  LineCall l;
  l.x1 = std::stof(f.at(1));
  l.y1 = std::stof(f.at(2));
  l.x2 = std::stof(f.at(3));
  l.y2 = std::stof(f.at(4));
  l.shape = f.at(5);
  l.lineColour = std::stoi(f.at(6));
  l.fillColour = std::stoi(f.at(7));
  l.width = std::stoi(f.at(8));
  return l;
}

inline PolyCall ParsePoly(const std::string& line) {
  auto f = Fields(line);
  PolyCall p;
  p.colour = std::stoi(f.at(1));
  p.fill = f.at(2) == "1";
  p.width = std::stoi(f.at(4));
  for (size_t i = 5; i < f.size(); ++i) {
    auto comma = f[i].find(',');
    p.points.emplace_back(std::stof(f[i].substr(0, comma)), std::stof(f[i].substr(comma + 1)));
  }
  return p;
}

inline std::vector<TextCall> TextCalls(const Bench& b) {
  std::vector<TextCall> out;
  for (const auto& l : b.Calls("DrawText\t")) out.push_back(ParseText(l));
  return out;
}

inline std::vector<LineCall> LineCalls(const Bench& b) {
  std::vector<LineCall> out;
  for (const auto& l : b.Calls("DrawLine\t")) out.push_back(ParseLine(l));
  return out;
}

inline std::vector<PolyCall> PolyCalls(const Bench& b) {
  std::vector<PolyCall> out;
  for (const auto& l : b.Calls("DrawPolyline\t")) out.push_back(ParsePoly(l));
  return out;
}

// Typesets `text` with PrintMathText at (x, y) on a cleared log.
inline void Typeset(Bench& b, const std::string& text, float x, float y) {
  b.ClearLog();
  b.L.KKAI_s = text;
  b.L.DSM1 = x;
  b.L.DSM2 = y;
  b.L.PrintMathText();
}

}  // namespace typeset_log
}  // namespace lessons::testing
