// Reading the call log of the headless host in the framework's tests.
#pragma once

#include <string>
#include <vector>

#include "tests/support/bench.h"

namespace lessons::testing {

struct TextCall {
  float x = 0, y = 0;
  int colour = 0;
  bool bold = false;
  std::string text;
};

// The DrawText calls of a log.
inline std::vector<TextCall> TextCalls(const std::vector<std::string>& log) {
  std::vector<TextCall> out;
  for (const auto& line : log) {
    if (line.rfind("DrawText\t", 0) != 0) continue;
    auto f = Fields(line);  // DrawText x y a b colour face size bold italic text
    out.push_back({std::stof(f[1]), std::stof(f[2]), std::stoi(f[5]), f[8] == "1", f.back()});
  }
  return out;
}

// "text x y colour" of one call, for compact checks.
inline std::string Where(const TextCall& c) {
  auto num = [](float v) {
    std::string t = std::to_string(v);
    t.erase(t.find_last_not_of('0') + 1);
    if (t.back() == '.') t.pop_back();
    return t;
  };
  return c.text + " " + num(c.x) + " " + num(c.y) + " " + std::to_string(c.colour);
}

// The filled rectangles of a log as "x1 y1 x2 y2 line fill width".
inline std::vector<std::string> FilledBoxes(const std::vector<std::string>& log) {
  std::vector<std::string> out;
  for (const auto& line : log) {
    if (line.rfind("DrawLine\t", 0) != 0) continue;
    auto f = Fields(line);  // DrawLine x1 y1 x2 y2 shape line fill width
    if (f[5] != "fill") continue;
    out.push_back(f[1] + " " + f[2] + " " + f[3] + " " + f[4] + " " + f[6] + " " + f[7] + " " + f[8]);
  }
  return out;
}

inline int Count(const std::vector<std::string>& items, const std::string& item) {
  int n = 0;
  for (const auto& i : items) n += i == item;
  return n;
}

}  // namespace lessons::testing
