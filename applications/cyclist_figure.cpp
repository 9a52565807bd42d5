// The cyclist of the braking animation: one template of points in grid units
// (T, F, x right and y up), turned into pixels from the frame's left edge X8
// and the ground line R; the routines draw the bicycle, the rider and the
// two leg poses from those points.
#include "applications/orvenna.h"

namespace lessons {

namespace {
struct TemplatePoint {
  int k;
  Num t, f;
};
// Points 8 to 10 are not part of the figure.
constexpr TemplatePoint kTemplate[] = {
    {1, 1, 1},        // rear wheel hub
    {2, 2.75f, 1},    // pedal crank centre
    {3, 4.5f, 1},     // front wheel hub
    {4, 2.25f, 2.5f}, // saddle
    {5, 3.75f, 2.5f}, // top of the steering tube
    {6, 3.5f, 3},     // top of the fork
    {7, 3.75f, 3.25f},// handlebar grip
    {11, 3, 4},       // shoulder
    {12, 3.25f, 2.25f},  // knee of the bent leg
    {13, 2.75f, 0.5f},   // foot of the stretched leg
    {14, 3.5f, 6},       // where the "！" goes, above the rider
    {15, 6, 0.5f},       // start of the brake marks
};
}  // namespace

void Orvenna::InitCyclistTemplate() {
  IB8 = 6, GX0 = 5, NO = 30, SIZE = 15;
  DrawSquareGrid();  // draws nothing at SIZE 15; sets X8 = A41, R = I + 150
  for (const TemplatePoint& p : kTemplate) {
    T(p.k) = p.t;
    F(p.k) = p.f;
  }
  PlaceCyclistPoints();
}

void Orvenna::PlaceCyclistPoints() {
  for (int k = 1; k <= 15; ++k) {
    GY5(k) = X8 + NO * T(k);
    PTY(k) = R - NO * F(k);
  }
}

void Orvenna::FigureSegment(int a, int b) {
  rt.DrawLine(0, 0, GY5(a), PTY(a), 0, GY5(b), PTY(b), -1, 0, 0, 0, -1, 7);
}

void Orvenna::DrawCyclist() {
  rt.SetDrawWidth(0, 3);
  for (int hub : {1, 3}) {
    rt.DrawCircle(0, 0, GY5(hub), PTY(hub), NO, 0, 1, 0, 0, 0, -1, 0, 0);
    rt.DrawCircle(0, 0, GY5(hub), PTY(hub), NO / 5, 0, 1, 0, 0, 1, -1, 0, 0);
  }
  const int frame[][2] = {{1, 2}, {1, 4}, {5, 2}, {5, 4}, {3, 6}, {2, 4}, {6, 7}};
  for (const auto& s : frame) FigureSegment(s[0], s[1]);
  rt.DrawCircle(0, 0, GY5(11) + 4, PTY(11) - 15, 10, 0, 1, 0, 0, 0, -1, 0, 0);  // head
  rt.SetDrawWidth(0, 5);
  FigureSegment(11, 7);  // arm
  rt.SetDrawWidth(0, 10);
  FigureSegment(11, 4);  // body
  rt.SetDrawWidth(0, 2);
}

void Orvenna::DrawPedallingPose() {
  rt.SetDrawWidth(0, 10);
  FigureSegment(12, 4);
  FigureSegment(12, 2);
  rt.SetDrawWidth(0, 2);
  // Two motion lines behind the rider.
  for (Num dy : {Num{0}, NO / 2})
    rt.DrawLine(0, 0, GY5(11) - NO, PTY(11) + dy, 1, -NO / 2, 0, -1, 0, 0, 0, -1, 7);
  for (int hub : {1, 3}) rt.DrawCircle(0, 0, GY5(hub), PTY(hub), NO / 2, 0, 1, 0, 0, 0, -1, 0, 0);
}

void Orvenna::DrawStretchedLeg() {
  rt.SetDrawWidth(0, 10);
  FigureSegment(13, 4);
  rt.SetDrawWidth(0, 2);
}

void Orvenna::DrawBrakeMarks() {
  rt.SetDrawWidth(0, 4);
  // Two zigzags, each point after the first relative to the one before.
  auto zigzag = [this](Num x, Num y, Num rise1, Num rise3) {
    rt.DrawPolyline(0, {{x, y}, {NO / 4, -rise1, true}, {NO / 8, NO / 6, true}, {NO / 4, -rise3, true}},
                    0, 0, 0);
  };
  zigzag(GY5(15), PTY(15), NO / 3, NO / 4);
  zigzag(GY5(15), PTY(15) - NO / 2, NO / 2, NO / 3);
  rt.SetDrawWidth(0, 2);
}

}  // namespace lessons
