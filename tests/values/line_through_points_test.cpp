// Screen ⑥ of unit 2: the line through A(-1, 1) and B(3, 9) on y = x². The
// figure before the first key, the sixteen steps, the arrows and their
// lengths, the closing notes beside the working, and a second visit.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/log_reader.h"
#include "tests/support/quendral_bench.h"

namespace lessons::testing {
namespace {

TEST(QuendralLineThroughPoints, SixteenKeysAndThePlane) {
  {
    QuendralState b(std::string(15, 'x'));
    EXPECT_THROW(b.Q.LineThroughPointsScreen(), WindowClosed);
  }
  QuendralState b(std::string(16, 'x'));
  b.Q.XSTEP = 0.5f;  // a step an earlier plane left
  b.Q.LineThroughPointsScreen();
  EXPECT_EQ(b.host.KeysHanded(), 16);
  // The plane whatever step an earlier screen left: origin (1040, 560).
  EXPECT_FLOAT_EQ(b.Q.X8, 1040);
  EXPECT_FLOAT_EQ(b.Q.R, 560);
  EXPECT_FLOAT_EQ(b.Q.NAGASA, 30);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 5);
}

bool HasLine(const Steps& s, int k, float x1, float y1, float x2, float y2, int colour) {
  for (const LineCall& l : LineCalls(s.Lines(k)))
    if (l.shape == "line" && l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2 &&
        l.colour == colour && l.width == 5)
      return true;
  return false;
}

// The colour of the last stroke from (x1, y1) to (x2, y2) in step k; -1 if none.
int LastColourOf(const Steps& s, int k, float x1, float y1, float x2, float y2) {
  int colour = -1;
  for (const LineCall& l : LineCalls(s.Lines(k)))
    if (l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2) colour = l.colour;
  return colour;
}

TEST(QuendralLineThroughPoints, FigureStepsArrowsAndNotes) {
  const std::string visit = "6\n" + std::string(16, 'x');
  Replay r = RunReplay("quendral", KeyScript("2\n" + visit + visit + "7\n6\n"));
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  const int start = s.Find("課5 y=x^2 のグラフ上に2点A(-1,1),");
  ASSERT_GT(start, 0);

  // Before the first key: question, plane, both graphs, points, guides, numbers.
  EXPECT_TRUE(s.Has(start, "B(3,9)がある。直線ABの式を求めなさい。"));
  // The point letters and the guides' numbers at the nearest places clear
  // of the figure (which knows its curves, points, guides and arrows): A
  // left of its dot, B above, the x values under their guides, B's y left
  // of the axis. A's y has no place on its tick line (its guide runs along
  // it left of the axis, the run right of it) and is left out.
  ExpectGlyphs(s, {{start, 30, 30, 0, "課"}, {start, 60, 80, 0, "B"}, {start, 1104, 28, 0, "y"}});
  ExpectGlyphsNear(s, {{start, 948, 480, 5, "A"}, {start, 1120, 142, 5, "B"}, {start, 995, 608, 3, "1"},
                       {start, 1144, 572, 3, "3"}, {start, 1006, 176, 3, "9"}});
  const std::vector<TextCall> ones = s.Glyphs(start, "1");
  EXPECT_EQ(std::count_if(ones.begin(), ones.end(), [](const TextCall& t) { return t.colour == 3; }), 1)
      << "the 1 of A's -1 alone";
  // -1's minus: a stroke of 19 in 3 ending just before a "1", at half its height.
  bool minus = false;
  for (const TextCall& one : s.Glyphs(start, "1"))
    for (const LineCall& l : LineCalls(s.Lines(start)))
      minus |= l.shape == "line" && l.colour == 3 && l.y1 == one.y + 20 && l.y2 == l.y1 &&
               l.x2 - l.x1 == 19 && l.x2 <= one.x && one.x - l.x2 < 8;
  EXPECT_TRUE(minus) << "the minus of -1";
  EXPECT_TRUE(HasLine(s, start, 1000, 520, 1000, 560, 3));
  EXPECT_TRUE(HasLine(s, start, 1000, 520, 1040, 520, 3));
  EXPECT_TRUE(HasLine(s, start, 1160, 200, 1160, 560, 3));
  EXPECT_TRUE(HasLine(s, start, 1160, 200, 1040, 200, 3));
  std::vector<CircleCall> points = s.Dots(start, 7);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_TRUE(points[0].x == 1000 && points[0].y == 520 && points[0].colour == 5);
  EXPECT_TRUE(points[1].x == 1160 && points[1].y == 200 && points[1].colour == 5);
  float parabolaLeft = 2000, parabolaRight = 0, lineLeft = 2000, lineRight = 0, lineTop = 2000,
        lineBottom = 0;
  for (const CircleCall& c : s.Dots(start, 1)) {
    ASSERT_TRUE(c.y >= 80 && c.y <= 600);
    if (c.colour == 0) {
      parabolaLeft = std::min(parabolaLeft, c.x);
      parabolaRight = std::max(parabolaRight, c.x);
    } else if (c.colour == 5) {
      lineLeft = std::min(lineLeft, c.x);
      lineRight = std::max(lineRight, c.x);
      lineTop = std::min(lineTop, c.y);
      lineBottom = std::max(lineBottom, c.y);
    }
  }
  EXPECT_NEAR(parabolaLeft, 1040 - 40 * 3.4641f, 0.2);
  EXPECT_NEAR(parabolaRight, 1040 + 40 * 3.4641f, 0.2);
  EXPECT_NEAR(lineLeft, 960, 0.2);
  EXPECT_NEAR(lineRight, 1200, 0.2);
  EXPECT_NEAR(lineTop, 120, 0.2);
  EXPECT_NEAR(lineBottom, 600, 0.5);

  // One text step per key, in order (a fraction as drawn: the denominator
  // first).
  const char* reveals[] = {"<解答>", "求める式を y=ax+b とすると、", "a", "=3-(-1)9-1",
                           "=3+18", "=48", "=2", "(y=x^2の変化の割合)", "y=2x+b",
                           "にx=-1,y=1 を代入して", "1=2×(-1)+b", "1=-2+b", "b=1+2", "=3",
                           "答　y=2x+3", "変化の割合は直線ABの傾き"};
  for (int k = 0; k < 16; ++k) EXPECT_TRUE(s.Has(start + 1 + k, reveals[k])) << reveals[k];
  ExpectGlyphs(s, {{start + 1, 60, 150, 7, "<"}, {start + 2, 60, 200, 0, "求"},
                   {start + 3, 64, 258, 5, "a"}, {start + 9, 60, 350, 0, "y"},
                   {start + 11, 60, 400, 0, "1"}, {start + 12, 60, 450, 0, "1"},
                   {start + 13, 60, 500, 0, "b"}});

  // The arrows come with "a", without lengths; the rise ends in colour 7.
  const int arrows = start + 3;
  EXPECT_TRUE(HasLine(s, arrows, 1000, 520, 1160, 520, 7));
  EXPECT_TRUE(HasLine(s, arrows, 1160, 520, 1160, 200, 3));
  EXPECT_EQ(LastColourOf(s, arrows, 1160, 520, 1160, 200), 7);
  // Their lengths come with 8/4 (none before), the rise again in colour 7:
  // "4" over the run (1000 to 1160 at 520), "8" right of the rise.
  const int lengths = start + 6;
  for (int k = start; k < lengths; ++k)
    EXPECT_FALSE(s.GlyphNear(k, 1110, 464, 7, "4") || s.GlyphNear(k, 1160, 344, 3, "8")) << k;
  ExpectGlyphsNear(s, {{lengths, 1110, 464, 7, "4"}, {lengths, 1160, 344, 3, "8"}});
  EXPECT_EQ(LastColourOf(s, lengths, 1160, 520, 1160, 200), 7);

  // The closing notes: 96 right of the end of "=3", 75 and 25 above its line.
  const int answer = start + 15, note = start + 16;
  float threeX = 0;
  for (const TextCall& t : s.Glyphs(start + 14, "3"))
    if (t.y == 500 && t.colour == 5) threeX = t.x;
  ASSERT_GT(threeX, 60);
  float answerX = 0, noteX = 0;
  for (const TextCall& t : s.Glyphs(answer, "答"))
    if (t.y == 425 && t.colour == 5) answerX = t.x;
  for (const TextCall& t : s.Glyphs(note, "変"))
    if (t.y == 475 && t.colour == 3) noteX = t.x;
  EXPECT_EQ(noteX, answerX);
  EXPECT_GE(answerX - 96 - threeX, 20);
  EXPECT_LE(answerX - 96 - threeX, 34);
  // No key after the note: the sub-menu line comes with it.
  EXPECT_TRUE(s.Has(note, "①1次　②2乗比"));
  EXPECT_FALSE(s.Has(answer, "①1次"));

  // Chosen again, the screen draws the same sixteen steps; only the pen
  // width of the wipe, the one the visit before left, differs.
  const int again = s.Find("課5 y=x^2 のグラフ上に2点A(-1,1),", note);
  ASSERT_EQ(again, note + 2);
  auto fromWipe = [&s](int k) {
    const LogLines& lines = s.Lines(k);
    auto wipe = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
      return l.rfind("DrawLine\t0\t0\t1320\t1300\tfill", 0) == 0;
    });
    return LogLines(wipe == lines.end() ? wipe : wipe + 1, lines.end());
  };
  EXPECT_GT(fromWipe(again).size(), 100u);
  EXPECT_EQ(fromWipe(again), fromWipe(start));
  for (int k = 1; k <= 16; ++k) EXPECT_EQ(s.Lines(again + k), s.Lines(start + k)) << "step " << k;
}

}  // namespace
}  // namespace lessons::testing
