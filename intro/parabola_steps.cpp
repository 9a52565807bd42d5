// Steps shared by the screens on the graphs of y = ax²: planes, curves and
// points, table rows revealed cell by cell, segments from the x axis, and the
// fill-in sentences on the graph's features.
#include <algorithm>
#include <vector>

#include "intro/palisteo.h"

namespace lessons {

void Palisteo::RevealRowCells(Num left, Num top, Num width, Num height, int lineColour,
                              int colour,
                              const std::vector<std::string>& texts) {
  for (size_t k = 0; k < texts.size(); ++k) {
    CellStyle(height, lineColour, 15, colour);
    DSM1 = left + width * static_cast<Num>(k), DSM2 = top;
    Cell(width, texts[k]);
    WaitAnyKey();
  }
  WaitAnyKey();
}

void Palisteo::ParabolaPoints(const std::vector<Num>& xs, Num a, Num radius, int colour,
                              Num step, int keep, int wait) {
  for (size_t k = 0; k < xs.size(); ++k) {
    if (wait < 0) WaitAnyKey();
    Point({.x = xs[k], .y = a * xs[k] * xs[k], .radius = radius, .colour = colour, .xStep = step,
           .yStep = step});
    GX3(keep + static_cast<Num>(k)) = HOUKOU;
    GY3(keep + static_cast<Num>(k)) = N2;
    if (wait > 0) WaitAnyKey();
  }
}

void Palisteo::KeptPointSegments(int count, int first, int firstColour, int second,
                                 int secondColour, bool fromAxis) {
  // The segments run up or down (both ends share their x); where one runs
  // through a label (not just along the edge of its ground) it passes behind
  // it, as the curves do, stopping a unit short of it.
  auto line = [this](Num x, Num y1, Num y2, int colour) {
    const Num half = static_cast<Num>(rt.GetDrawWidth(0)) / 2, reach = 1 + half;
    std::vector<std::pair<Num, Num>> pieces{{std::min(y1, y2), std::max(y1, y2)}};
    for (const InkBox& g : labelGrounds) {
      if (x < g.x0 + half || x > g.x1 - half) continue;
      std::vector<std::pair<Num, Num>> left;
      for (auto [a, b] : pieces) {
        if (g.y0 - reach > a) left.push_back({a, std::min(b, g.y0 - reach)});
        if (g.y1 + reach < b) left.push_back({std::max(a, g.y1 + reach), b});
      }
      pieces = left;
    }
    if (y1 > y2) std::reverse(pieces.begin(), pieces.end());
    for (auto [a, b] : pieces) {
      if (y1 > y2) std::swap(a, b);
      rt.DrawLine(0, 0, x, a, 0, x, b, -1, colour, 0, colour, -1, 7);
    }
  };
  for (int i = 0; i < count; ++i) {
    const Num x = GX3(first + i);
    line(x, R, GY3(first + i), firstColour);
    line(x, fromAxis ? R : GY3(first + i), GY3(second + i), secondColour);
    WaitAnyKey();
  }
  WaitAnyKey();
}

void Palisteo::FeatureBox(Num x, Num y, const std::string& text) {
  TextBoxAround({.x = x, .y = y, .width = 132, .border = 3, .fill = 13, .textColour = 5,
                 .text = text});
  YI1 = DSM1 + 20;
}

void Palisteo::FeatureSentences(const std::string& title, const std::string& side) {
  B1 = 44;
  TextAt(B1, 90, 3, title);
  Num places[3][2];
  // Sentence k: its opening text, then the box 20 after it, then the rest.
  auto sentence = [&](int k, Num y, const std::string& before, const char* mark,
                      const std::string& after) {
    TextAt(B1, y, 0, before);
    places[k][0] = YI1 + 20, places[k][1] = y;
    FeatureBox(places[k][0], y, mark);
    Continue(0, after);
  };
  sentence(0, 170, "(1)", "①", "を通る。");
  sentence(1, 240, "(2)", "②", "を対称の軸");
  TextAt(B1 + 81, 290, 0, "として線対称である。");
  sentence(2, 360, "(3)x軸の", "③", "にある。");
  const std::string answers[3] = {"原点", "y軸", side};
  for (int k = 0; k < 3; ++k) {
    WaitAnyKey();
    FeatureBox(places[k][0], places[k][1], answers[k]);
  }
}

}  // namespace lessons
