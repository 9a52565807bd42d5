// Steps shared by the screens on the graphs of y = ax²: planes, curves and
// points, table rows revealed cell by cell, segments from the x axis, and the
// fill-in sentences on the graph's features.
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

std::vector<PointSetup> Palisteo::Joined(std::initializer_list<std::vector<PointSetup>> rows) {
  std::vector<PointSetup> points;
  for (const std::vector<PointSetup>& row : rows) points.insert(points.end(), row.begin(), row.end());
  return points;
}

std::vector<PointSetup> Palisteo::ParabolaPointSetups(const std::vector<Num>& xs, Num a,
                                                     Num radius, int colour, Num step) {
  std::vector<PointSetup> points;
  for (Num x : xs)
    points.push_back({.x = x, .y = a * x * x, .radius = radius, .colour = colour, .xStep = step,
                      .yStep = step});
  return points;
}

void Palisteo::ParabolaPoints(const std::vector<Num>& xs, Num a, Num radius, int colour,
                              Num step, int keep, int wait) {
  const std::vector<PointSetup> points = ParabolaPointSetups(xs, a, radius, colour, step);
  for (size_t k = 0; k < points.size(); ++k) {
    if (wait < 0) WaitAnyKey();
    Point(points[k]);
    GX3(keep + static_cast<Num>(k)) = HOUKOU;
    GY3(keep + static_cast<Num>(k)) = N2;
    if (wait > 0) WaitAnyKey();
  }
}

void Palisteo::CurveNameBeyondEdge(Num x, bool top, int colour, const std::string& name) {
  LabelAt(x, top ? ZX - 50 : ZY + 2, colour, name);
}

void Palisteo::KeptPointSegments(int count, int first, int firstColour, int second,
                                 int secondColour, bool fromAxis) {
  for (int i = 0; i < count; ++i) {
    const Num x = GX3(first + i);
    FigureLine(x, R, x, GY3(first + i), firstColour);
    FigureLine(x, fromAxis ? R : GY3(first + i), x, GY3(second + i), secondColour);
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
