// The typed figure set-ups with their defaults draw what the hand-written
// assignments of those defaults draw, and leave the variables they do not
// name alone.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "tests/support/bench.h"

namespace lessons::testing {
namespace {

struct Case {
  const char* name;
  std::function<void(Lesson&)> typed, byHand;
};

TEST(FigureSetups, DefaultsAreTheDocumentedAssignments) {
  const std::vector<Case> cases = {
      {"plane", [](Lesson& L) { L.Plane({.xFrom = -4, .xTo = 4, .yFrom = -3, .yTo = 5}); },
       [](Lesson& L) {
         L.A41 = 0, L.I = 0, L.XI2 = -4, L.B3 = 4, L.B4 = -3, L.X = 5;
         L.XSTEP = 1, L.GGX = 1, L.NO = 30, L.SIZE = 1, L.N = 0;
         L.DrawCoordinatePlane();
       }},
      {"point", [](Lesson& L) { L.Point({.x = 1, .y = 2}); },
       [](Lesson& L) {
         L.KAKUDAI = 1, L.SENTAKU = 2, L.DOTRADIUS = 6, L.TKAI2 = 0, L.ZY0_s = "";
         L.JYOU = 0, L.LABELDY = 0, L.XSTEP = L.figure.xStep, L.GGX = L.figure.yStep;
         L.PlotLabelledPoint();
       }},
      {"graph", [](Lesson& L) { L.Graph({}); },
       [](Lesson& L) {
         L.MUKI = 2, L.AA = 1, L.TKAI2 = 0, L.ZY0_s = "", L.JYOU = 0, L.LABELDY = 0;
         L.XI2 = L.figure.xFrom, L.B3 = L.figure.xTo, L.B4 = L.figure.yFrom, L.X = L.figure.yTo;
         L.XSTEP = L.figure.xStep, L.GGX = L.figure.yStep;
         L.DrawFunctionGraph();
       }},
      {"box", [](Lesson& L) { L.TextBox({.width = 60, .text = "3"}); },
       [](Lesson& L) {
         L.DSM1 = 0, L.DSM2 = 0, L.TANI = 60, L.GX0 = 50, L.SIZE = 0, L.TKAI2 = 15;
         L.YMOTO = 0, L.A_s = "3", L.CCC2 = 0, L.CCC3 = 0;
         L.DrawTextBox();
       }},
  };
  // A plane in force, steps of a half set since (the typed calls take the
  // plane's steps and values instead), and values the defaults must not touch.
  auto run = [](const std::function<void(Lesson&)>& draw) {
    auto b = std::make_unique<Bench>();
    SetSixPlane(b->L);
    b->L.DrawCoordinatePlane();
    b->L.XSTEP = 0.5f, b->L.GGX = 0.5f, b->L.ZX1 = 7, b->L.R1B = 9;
    b->ClearLog();
    draw(b->L);
    return b;
  };
  for (const Case& c : cases) {
    auto typed = run(c.typed), byHand = run(c.byHand);
    EXPECT_EQ(typed->Log(), byHand->Log()) << c.name;
    EXPECT_EQ(typed->L.ZX1, 7) << c.name;
    EXPECT_EQ(typed->L.R1B, 9) << c.name;
    EXPECT_EQ(typed->L.XSTEP, byHand->L.XSTEP) << c.name;
    EXPECT_EQ(typed->L.XI2, byHand->L.XI2) << c.name;
  }
}

}  // namespace
}  // namespace lessons::testing
