// A page of figures drawn together and saved as a PNG to look at: a plane
// with three graphs, points, run and rise arrows and a length arc; a decimal
// plane; a triangle with its marks.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

void Point(Lesson& L, float x, float y, const char* label) {
  L.KAKUDAI = x, L.SENTAKU = y, L.DOTRADIUS = 6, L.TKAI2 = 1, L.ZY0_s = label;
  L.PlotLabelledPoint();
}

void Graph(Lesson& L, float form, float a, float b, float from, float to, float colour,
           const char* label, float dx, float dy) {
  L.MUKI = form, L.AA = a, L.ZX1 = b, L.XI2 = from, L.B3 = to, L.TKAI2 = colour;
  L.ZY0_s = label, L.JYOU = dx, L.LABELDY = dy;
  L.DrawFunctionGraph();
}

TEST(FigurePage, PlaneGraphsPointsArrowsAndArcs) {
  Bench b;
  auto& L = b.L;
  L.ClearLessonArea();

  // The plane of -6..6 with y = x^2/2, y = 6/x and y = x + 1.
  L.A41 = 440, L.I = 120, L.XI2 = -6, L.B3 = 6, L.B4 = -6, L.X = 6;
  L.XSTEP = 1, L.GGX = 1, L.NO = 44, L.SIZE = 1, L.N = 0;
  L.DrawCoordinatePlane();
  b.rt.SetDrawWidth(0, 4);
  Graph(L, 2, 0.5f, 0, -6, 6, 13, "y=ﾀ1/2ﾀx^2", -130, -50);
  Graph(L, 1, 6, 0, -6, 6, 2, "y=ﾀ6/xﾀ", -110, -70);
  Graph(L, 3, 1, 1, -6, 4, 5, "y=x+1", 12, -10);

  Point(L, 1, 0.5f, "A");
  float ax = L.HOUKOU, ay = L.N2;
  Point(L, 3, 4.5f, "B");
  float bx = L.HOUKOU, by = L.N2;
  Point(L, -2, -3, "C");

  // Run and rise from B back to A (given right to left).
  L.LT2 = bx, L.GX4 = by, L.RP1 = ax, L.GX5 = ay;
  L.NO = 44, L.DX_s = "yy";
  L.DrawRunRiseArrows();

  // A dimension arrow with two heads under the plane, and a length arc
  // below the line y = -1 from x = 0 to x = -4.
  b.rt.SetDrawWidth(0, 3);
  L.SO = 704, L.YOKO = 700, L.II = 968, L.IJ = 700, L.XW = 16, L.SIZE = 0, L.Y = 1, L.HENK1 = 2;
  L.DrawArrow();
  L.SO = L.PlaneX(0), L.YOKO = L.PlaneY(-1), L.AAA = L.PlaneX(-4), L.A21 = L.PlaneY(-1);
  L.XG = -1, L.ARCDEPTH = 2, L.TANI = 5, L.SIZE = 6, L.ZY0_s = "4cm", L.YMOTO = 6;
  L.DrawLengthArc();

  // A decimal plane: x by 0.5 labelled at every line, y by 0.25 at every
  // second.
  b.rt.SetDrawWidth(0, 3);
  L.A41 = 60, L.I = 200, L.XI2 = 0, L.B3 = 3, L.B4 = 0, L.X = 1;
  L.XSTEP = 0.5f, L.GGX = 0.25f, L.NO = 56, L.SIZE = 1, L.N = -1;
  L.DrawCoordinatePlane();
  L.XSTEP = 0.5f, L.GGX = 0.25f, L.BB1 = 1, L.BB2 = 2;
  L.DrawDecimalAxisLabels();
  L.XSTEP = 0.5f, L.GGX = 0.25f;
  L.MUKI = 2, L.AA = 0.1f, L.XI2 = 0, L.B3 = 3, L.TKAI2 = 13, L.ZY0_s = "";
  L.DrawFunctionGraph();

  // A right triangle with its vertex letters, right-angle mark and angle arc.
  b.rt.SetDrawWidth(0, 3);
  L.R1A(1, 1) = 1060, L.R1A(1, 2) = 620;
  L.R1A(2, 1) = 1380, L.R1A(2, 2) = 620;
  L.R1A(3, 1) = 1060, L.R1A(3, 2) = 420;
  L.VERTEXCOUNT = 3, L.SIZE = 0, L.NAGASA = 3, L.XW = 24, L.YMOTO = 0, L.ZY0_s = "A";
  L.DrawPolygonOutline();
  L.SO = 1060, L.YOKO = 620, L.AAA = 1380, L.A21 = 620, L.ZY1 = 1060, L.BAIX = 420;
  L.XW = 24, L.SIZE = 3, L.BAIY = 0;
  L.DrawRightAngleMark();
  L.SO = 1380, L.YOKO = 620, L.AAA = 1060, L.A21 = 420, L.ZY1 = 1060, L.BAIX = 620;
  L.XW = 70, L.XX = 2, L.TKAI2 = 2, L.ZY0_s = "30%", L.YMOTO = 2, L.BAIY = 0;
  L.DrawAngleArcs();
  L.TAKASA = 1060, L.BX = 620, L.YA = 1380, L.CX = 620, L.XW = 8, L.BAIY = -12, L.GX1 = 8;
  L.XX = 2, L.SIZE = 1;
  L.DrawEqualTicksSpaced();
  L.TAKASA = 1060, L.BX = 620, L.YA = 1060, L.CX = 420, L.ENZAN = 1, L.B = 1, L.XW = 12;
  L.XX = 1, L.SIZE = 1;
  L.DrawArrowheadMarks();

  EXPECT_TRUE(LogIsFinite(b));
  std::string path = TestOutDir("figures") + "/figure_page.png";
  EXPECT_TRUE(b.rt.SavePng(path)) << path;
}

}  // namespace
}  // namespace lessons::testing
