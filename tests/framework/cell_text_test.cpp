// The cell typesetter: advances per kind of character and the font it leaves.
#include <gtest/gtest.h>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

void Cell(Bench& b, const std::string& text, float x, float y) {
  b.ClearLog();
  b.L.KKAI_s = text;
  b.L.DSM1 = x;
  b.L.DSM2 = y;
  b.L.DrawCellText();
}

TEST(CellText, AdvancesAndPlacement) {
  Bench b;
  Cell(b, "制動距離(m)", 100, 50);
  auto t = TextCalls(b);
  ASSERT_EQ(t.size(), 7u);
  const float xs[] = {100, 130, 160, 190, 212, 232, 252};
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_FLOAT_EQ(t[i].x, xs[i]);
    EXPECT_FLOAT_EQ(t[i].y, 50);
    EXPECT_FLOAT_EQ(t[i].size, 15);
    EXPECT_TRUE(t[i].bold);
    EXPECT_EQ(t[i].b, 2);
    EXPECT_EQ(t[i].a, i < 4 ? 2 : 3);
  }
  EXPECT_FLOAT_EQ(b.L.DSM1, 260);
  EXPECT_FLOAT_EQ(b.L.DSM2, 50);
  EXPECT_TRUE(b.L.KKAI_s.empty());
  EXPECT_EQ(b.L.A_s, ")");

  // Italic variable letters in Times New Roman, then the Gothic face again.
  b.rt.SetFontName(0, "ｺﾞｼｯｸ");
  Cell(b, "8cm", 0, 50);
  t = TextCalls(b);
  ASSERT_EQ(t.size(), 3u);
  EXPECT_FLOAT_EQ(t[1].x, 24);
  EXPECT_FLOAT_EQ(t[1].y, 38);
  EXPECT_EQ(t[1].face, "Times New Roman");
  EXPECT_FLOAT_EQ(t[1].size, 8);
  EXPECT_TRUE(t[1].italic);
  EXPECT_TRUE(t[1].bold);
  EXPECT_EQ(t[1].a, 7);
  EXPECT_EQ(t[1].b, 4);
  EXPECT_FLOAT_EQ(t[2].x, 40);
  EXPECT_FALSE(t[2].italic);
  EXPECT_FLOAT_EQ(b.L.DSM1, 60);
  EXPECT_EQ(b.rt.FontName(), "ゴシック");

  // "y" is raised 6; the line stays.
  Cell(b, "y", 0, 50);
  EXPECT_FLOAT_EQ(TextCalls(b).at(0).y, 44);
  EXPECT_FLOAT_EQ(b.L.DSM1, 20);
  EXPECT_FLOAT_EQ(b.L.DSM2, 50);

  // Blanks, commas and full-width characters.
  Cell(b, "1,5 　2", 0, 50);
  t = TextCalls(b);
  ASSERT_EQ(t.size(), 5u);
  EXPECT_FLOAT_EQ(t[1].x, 20);
  EXPECT_FLOAT_EQ(t[2].x, 28);
  EXPECT_EQ(t[3].text, "　");
  EXPECT_FLOAT_EQ(t[3].x, 68);
  EXPECT_FLOAT_EQ(t[4].x, 98);
  EXPECT_FLOAT_EQ(b.L.DSM1, 118);
  // No markup: marks are plain characters.
  Cell(b, "ﾀ^!", 0, 50);
  EXPECT_EQ(TextCalls(b).size(), 3u);
  EXPECT_FLOAT_EQ(b.L.DSM1, 60);
  EXPECT_EQ(b.L.X1, 0);

  EXPECT_FALSE(b.rt.FontBold());
  EXPECT_FLOAT_EQ(b.rt.FontSize(), 16);
  EXPECT_FALSE(b.rt.FontItalic());
}

TEST(CellText, EmptyTextResetsFont) {
  Bench b;
  b.rt.SetFontBold(0, -1);
  b.rt.SetFontSize(0, 11);
  b.rt.SetDrawWidth(0, 4);
  Cell(b, "", 10, 20);
  EXPECT_TRUE(TextCalls(b).empty());
  EXPECT_FLOAT_EQ(b.L.DSM1, 10);
  EXPECT_FLOAT_EQ(b.L.DSM2, 20);
  EXPECT_FALSE(b.rt.FontBold());
  EXPECT_FLOAT_EQ(b.rt.FontSize(), 16);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 4);
}

}  // namespace
}  // namespace lessons::testing
