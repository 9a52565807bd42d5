// ① "P110": the cyclist rides in, sees the danger, coasts and brakes to a
// stop (repeated until the pupil enters 1); then the three positions with
// the free-running, braking and stopping distances; then the chart of a
// car's braking distance against its speed with the points and the curve
// y = 0.006x².
#include "applications/orvenna.h"

namespace lessons {

namespace {
// A chart label through DrawCellText, on its ground.
void CellTextAt(Lesson& L, Num x, Num y, int colour, const std::string& text) {
  L.YMOTO = static_cast<Num>(colour);
  L.DSM1 = x;
  L.DSM2 = y;
  L.KKAI_s = text;
  L.OnGround([&] { L.DrawCellText(); });
}
}  // namespace

void Orvenna::BrakingAnimationScreen() {
  WipeScreen(1760, 1800);
  B1 = 40;
  rt.SetDrawWidth(0, 5);
  RandomDrill([this] { BrakingAnimationPage(); });
  BrakingStillPicture();
  BrakingChartPage();
}

void Orvenna::WipeBelowFigureTop() { FillRect(0, I - 40, 1760, 1800, 15, 15); }

void Orvenna::BrakingAnimationPage() {
  A41 = 44, I = 300;
  InitCyclistTemplate();
  DrawCyclist();
  DrawStretchedLeg();
  WaitAnyKey();
  auto warning = [this] {
    LabelAt(GY5(14), PTY(14), 0, "！");
    rt.Pause(10);
  };
  for (XI1 = 1; XI1 <= 50; XI1++) {
    WipeBelowFigureTop();
    X8 = X8 + 20;
    PlaceCyclistPoints();
    DrawCyclist();
    DrawPedallingPose();
    if (XI1 >= 35) {
      DrawBrakeMarks();
      rt.Pause(20);
    } else {
      rt.Pause(XI1 > 15 ? 20 : 10);
    }
    if (XI1 == 10) warning();
    if (XI1 < 10) {
      // The second half of the pedal stroke.
      WipeBelowFigureTop();
      DrawCyclist();
      DrawStretchedLeg();
      rt.Pause(10);
    }
    if (XI1 == 10) warning();
    if (XI1 == 50) {
      WipeBelowFigureTop();
      DrawCyclist();
      DrawStretchedLeg();
    }
  }
}

void Orvenna::DoubleArrow(Num x1, Num y1, Num x2, Num y2, int colour) {
  ArrowBetween(x1, y1, x2, y2, colour, ArrowHeads::kAtBoth);
}

void Orvenna::BrakingStillPicture() {
  WipeScreen(1760, 1800);
  A41 = 44, I = 50;
  InitCyclistTemplate();
  DrawCyclist();
  DrawPedallingPose();
  LabelAt(GY5(14), PTY(14), 0, "！");
  GY5(21) = X8 + NO * (IB8 - 0.5f);  // the front of the first figure
  PTY(21) = 40;                      // the row of the upper arrows
  PTY(22) = 20 + NO * (GX0 + 2);     // the row of the lower arrow
  WaitAnyKey();
  X8 = X8 + 600;
  PlaceCyclistPoints();
  DrawCyclist();
  DrawPedallingPose();
  DrawBrakeMarks();
  GY5(22) = X8 + 165;
  WaitAnyKey();
  X8 = X8 + 400;
  PlaceCyclistPoints();
  DrawCyclist();
  DrawStretchedLeg();
  GY5(23) = X8 + 165;
  WaitAnyKey();
  rt.SetDrawWidth(0, 10);
  DoubleArrow(GY5(21), PTY(21), GY5(22), PTY(21), 7);
  WaitAnyKey();
  LabelAt(GY5(21) + 44, PTY(21) + 30, 7, "空走距離 ");
  WaitAnyKey();
  DoubleArrow(GY5(22), PTY(21), GY5(23), PTY(21), 3);
  WaitAnyKey();
  // As far under its arrow as "空走距離" under the first.
  LabelAt(GY5(22) + 44, PTY(21) + 30, 5, "制動距離 ");
  WaitAnyKey();
  DoubleArrow(GY5(21), PTY(22), GY5(23), PTY(22), 0);
  TextAt((GY5(21) + GY5(23)) / 2 - 88, PTY(22) + 20, 3, "停止距離 ");
  rt.SetDrawWidth(0, 3);
  TextAt(B1, B2 + 60, 5, "制動距離");
  TextAt(YI1 + 20, B2, 0, "ブレーキがききはじめてから、自動車が停止するまでの距離");
  WaitAnyKey();
}

void Orvenna::BrakingChartPage() {
  // The plane only sets the mapping of the points and the curve: the wipe
  // that follows takes it off the window.
  Plane({.left = 760, .top = 70, .xFrom = 0, .xTo = 90, .yFrom = 0, .yTo = 60, .xStep = 10,
         .yStep = 5, .unit = 40, .grid = false, .numbers = false});
  WipeScreen(1760, 1800);
  A1 = 30, B1 = A1 + 27, B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(B1, B2, 0, "グラフは、ある自動車の速さと制動距離");
  NewLine(0, 50, 0, "の関係を表したものです。");
  // The chart's grid: rows every 10 m, bars every 10 km/h.
  PTY(10) = 550;
  for (int k = 1; k <= 6; ++k) PTY(10 + k) = 550 - 80 * k;
  GY5(10) = 760, GY5(11) = 780;
  for (int k = 2; k <= 10; ++k) GY5(10 + k) = 780 + 40 * (k - 1);
  GY5(21) = GY5(20) + 20;
  rt.DrawLine(0, 0, GY5(10), PTY(10), 0, GY5(21), PTY(16), -1, 3, 1, 3, -1, 7);
  // The distances centred on their lines, their grounds ending short of the
  // frame's line; the "0" up and left of the speeds' "0", clear of the
  // point (0, 0).
  CellTextAt(*this, 726, 535, 3, "0");
  for (int k = 1; k <= 6; ++k) {
    rt.DrawLine(0, 0, GY5(10), PTY(10 + k), 0, GY5(21), PTY(10 + k), -1, 3, 0, 3, -1, 7);
    CellTextAt(*this, 709, PTY(10 + k) - 15, 3, NumberText(static_cast<Num>(10 * k)));
  }
  // The heading over the frame; the typesetter sets a "(" 8 back into the
  // cell before it, so after the last kanji it leaves a half cell's room.
  CellTextAt(*this, 760, 30, 3, "制動距離");
  CellTextAt(*this, DSM1 + 12, 30, 3, "(m)");
  for (int k = 1; k <= 9; ++k) {
    Num v = static_cast<Num>(10 * k);
    rt.DrawLine(0, 0, GY5(10 + k), 550, 1, 40, -0.048f * v * v, -1, 0, 2, 13, 0, 15);
  }
  // The speeds under their bars in two rows, the upper one clear of the
  // frame and the lower one a row's height lower, so that neighbours do not
  // touch at their corners; the "0" between the rows.
  const Num upper = 557, lower = 590;
  CellTextAt(*this, 745, 568, 0, "0");
  for (int k = 1; k <= 9; ++k)
    CellTextAt(*this, GY5(10 + k), k % 2 == 1 ? lower : upper, 0,
               NumberText(static_cast<Num>(10 * k)));
  CellTextAt(*this, 1160, upper, 0, "時速");
  CellTextAt(*this, 1160, lower, 0, "(km)");
  TextAt(A1, B2 + 50, 3, "Q");
  Continue(7, "この自動車の速さと制動距離の関係は？");
  WaitAnyKey();
  for (int k = 0; k <= 9; ++k) {
    const Num v = static_cast<Num>(10 * k);
    Point({.x = v, .y = 0.006f * v * v, .radius = 7, .colour = 5, .xStep = 10, .yStep = 5});
    WaitAnyKey();
  }
  Graph({.a = 0.006f, .colour = 5, .xFrom = 0, .xTo = 90, .xStep = 10, .yStep = 5});
  WaitAnyKey();
  // Level with the "Q", so that its end stands clear of the distance "40".
  TextAt(A1, B2 + 70, 5, "自動車の制動距離は速さの2乗に比例する。");
}

}  // namespace lessons
