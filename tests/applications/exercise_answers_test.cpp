// The frame of Orvenna's answer pages: wipe, heading box, question-number box.
#include <gtest/gtest.h>

#include "applications/orvenna.h"
#include "tests/support/bench.h"
#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

TEST(ExerciseAnswersScreen, HeadingAndNumberBoxesSideBySide) {
  Bench b;
  Orvenna o(b.rt);
  o.ExerciseAnswersScreen("学びをたしかめよう", "1", 40, 0, 30, 5);
  Steps s(b.Log());
  EXPECT_TRUE(s.WipeFrom(0, 0, 0));
  std::vector<LineCall> boxes;
  for (const LineCall& l : LineCalls(b.Log()))
    if (l.shape == "fill" && l.fillColour != 15) boxes.push_back(l);
  ASSERT_EQ(boxes.size(), 2u);
  // Heading 360 wide in 3 on 13, then 30 to its right the number box 48 wide in 4 on 3.
  EXPECT_FLOAT_EQ(boxes[0].x1, 40);
  EXPECT_FLOAT_EQ(boxes[0].y1, 30);
  EXPECT_FLOAT_EQ(boxes[0].x2, 400);
  EXPECT_FLOAT_EQ(boxes[0].y2, 78);
  EXPECT_EQ(boxes[0].colour, 3);
  EXPECT_EQ(boxes[0].fillColour, 13);
  EXPECT_FLOAT_EQ(boxes[1].x1, 430);
  EXPECT_FLOAT_EQ(boxes[1].x2, 478);
  EXPECT_EQ(boxes[1].colour, 4);
  EXPECT_EQ(boxes[1].fillColour, 3);
  EXPECT_TRUE(s.Has(0, "学びをたしかめよう"));
  auto digit = s.Glyphs(0, "1");
  ASSERT_EQ(digit.size(), 1u);
  EXPECT_EQ(digit[0].colour, 13);
  EXPECT_GT(digit[0].x, 430);
  // The text cursor after the frame: the column and the number box's edge.
  EXPECT_EQ(o.A1, 40);
  EXPECT_EQ(o.B1, 40);
  EXPECT_EQ(o.B2, 30);
  EXPECT_EQ(o.YI1, 478);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 5);
}

}  // namespace
}  // namespace lessons::testing
