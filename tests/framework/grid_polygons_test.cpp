// Graph-paper grids and polygon outlines with vertex labels.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

void SetTriangleGrid(Lesson& L, float colour) {
  L.A41 = 680, L.I = 80, L.IB8 = 15, L.GX0 = 8, L.NO = 40, L.SIZE = colour;
}

TEST(SquareGrid, FrameOnlyWithColourFifteen) {
  Bench b;
  auto& L = b.L;
  b.rt.SetDrawWidth(0, 2);
  L.TKAI2 = 9;
  SetTriangleGrid(L, 15);
  L.DrawSquareGrid();
  EXPECT_TRUE(LineCalls(b).empty());
  EXPECT_EQ(L.TKAI2, 9);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 2);
  EXPECT_EQ(L.GY0, 680);
  EXPECT_EQ(L.ZX, 80);
  EXPECT_EQ(L.GY1, 1280);
  EXPECT_EQ(L.ZY, 400);
  EXPECT_EQ(L.X8, 680);
  EXPECT_EQ(L.R, 400);
  EXPECT_EQ(L.AX, 3.14159f);
}

TEST(SquareGrid, EveryFifthLineFromLeftAndBottomIsHeavy) {
  Bench b;
  auto& L = b.L;
  b.rt.SetDrawWidth(0, 2);
  SetTriangleGrid(L, 0);
  L.DrawSquareGrid();
  auto lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 16u + 9u);
  for (int i = 0; i <= 15; ++i) {
    bool heavy = i % 5 == 0;
    EXPECT_EQ(lines[i].x1, 680 + 40 * i);
    EXPECT_EQ(lines[i].y1, 80);
    EXPECT_EQ(lines[i].y2, 400);
    EXPECT_EQ(lines[i].width, heavy ? 3 : 1) << i;
    EXPECT_EQ(lines[i].colour, heavy ? 14 : 0) << i;
  }
  for (int i = 0; i <= 8; ++i) {
    const auto& l = lines[16 + i];
    EXPECT_EQ(l.y1, 400 - 40 * i);
    EXPECT_EQ(l.x1, 680);
    EXPECT_EQ(l.x2, 1280);
    EXPECT_EQ(l.width, i % 5 == 0 ? 3 : 1) << i;
  }
  EXPECT_EQ(L.TKAI2, 14);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 2);

  // 6 by 5: the right edge thin, the top edge heavy.
  b.ClearLog();
  L.IB8 = 6, L.GX0 = 5, L.SIZE = 0;
  L.DrawSquareGrid();
  lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 7u + 6u);
  EXPECT_EQ(lines[6].width, 1);
  EXPECT_EQ(lines[12].width, 3);
}

void SetTriangle(Lesson& L) {
  L.R1A(1, 1) = 100, L.R1A(1, 2) = 300;
  L.R1A(2, 1) = 300, L.R1A(2, 2) = 300;
  L.R1A(3, 1) = 200, L.R1A(3, 2) = 100;
  L.VERTEXCOUNT = 3, L.SIZE = 1, L.NAGASA = 4, L.XW = 20, L.YMOTO = 0;
}

TEST(Polygon, OutlineAndLettersAtTheVertices) {
  Bench b;
  auto& L = b.L;
  b.rt.SetDrawWidth(0, 2);
  SetTriangle(L);
  L.ZY0_s = "A";
  L.DrawPolygonOutline();
  auto lines = LineCalls(b);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].x1, 100);
  EXPECT_EQ(lines[0].x2, 300);
  EXPECT_EQ(lines[1].x2, 200);
  EXPECT_EQ(lines[2].x1, 200);
  EXPECT_EQ(lines[2].x2, 100);
  EXPECT_EQ(lines[0].width, 4);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 2);

  // One letter per vertex, outside the triangle near its vertex.
  auto texts = VisibleTexts(b);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "A");
  EXPECT_EQ(texts[1].text, "B");
  EXPECT_EQ(texts[2].text, "C");
  EXPECT_LT(texts[0].x, 100);  // left of the bottom-left vertex
  EXPECT_GT(texts[1].x, 300);  // right of the bottom-right vertex
  EXPECT_LT(texts[2].y, 100);  // above the top vertex
  EXPECT_EQ(L.ZY0_s, "");

  // "1": the labels from X$.
  b.ClearLog();
  SetTriangle(L);
  L.X_s(1) = "P", L.X_s(2) = "Q", L.X_s(3) = "R";
  L.ZY0_s = "1";
  L.DrawPolygonOutline();
  std::vector<std::string> labels;
  for (const auto& t : VisibleTexts(b)) labels.push_back(t.text);
  EXPECT_EQ(labels, (std::vector<std::string>{"P", "Q", "R"}));
  EXPECT_EQ(L.KJ1, 4);

  // No selector: the outline only.
  b.ClearLog();
  SetTriangle(L);
  L.ZY0_s = "";
  L.DrawPolygonOutline();
  EXPECT_EQ(LineCalls(b).size(), 3u);
  EXPECT_TRUE(VisibleTexts(b).empty());
}

}  // namespace
}  // namespace lessons::testing
