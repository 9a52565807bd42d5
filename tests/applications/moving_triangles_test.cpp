// Orvenna's unit 1, ⑥ and ⑦: the triangle figure with its sliding copy and
// overlap, the sliding screen's key loop, and the answer page of question 5.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "applications/orvenna.h"
#include "tests/support/bench.h"
#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

using Points = std::vector<std::pair<float, float>>;

const char kLine[] = " ①P110　②P111　③説明しよう　④ふりこ問３　⑤問４　⑥ひろげよう　⑦問５　⑧終了";

Replay RunOrvenna(std::string_view keys) { return RunReplay("orvenna", KeyScript(keys)); }

// The polylines of a log in one colour (3: the copy and the overlap, 5: the
// right-angle marks).
std::vector<PolyCall> PolysIn(const LogLines& log, int colour) {
  std::vector<PolyCall> out;
  for (const PolyCall& p : PolyCalls(log))
    if (p.colour == colour) out.push_back(p);
  return out;
}

TEST(TriangleFigure, PointTableOnTheFrame) {
  Bench b;
  Orvenna o(b.rt);
  b.ClearLog();
  o.SetUpTriangleFigure();
  EXPECT_TRUE(b.Log().empty());  // the frame is set, nothing drawn
  const Points want = {{760, 140}, {760, 340}, {960, 340},  {1040, 140},
                       {1040, 340}, {1240, 340}, {720, 340}, {1280, 340}};
  for (int k = 1; k <= 8; ++k) {
    SCOPED_TRACE(k);
    EXPECT_FLOAT_EQ(o.GY5(k), want[k - 1].first);
    EXPECT_FLOAT_EQ(o.PTY(k), want[k - 1].second);
  }
  for (int k = 1; k <= 3; ++k) EXPECT_FLOAT_EQ(o.PTY(k + 10), o.PTY(k));
  EXPECT_EQ(o.NO, 40);
  EXPECT_EQ(o.GY0, 680);
  EXPECT_EQ(o.ZX, 80);
  EXPECT_EQ(o.GY1, 1280);
  EXPECT_EQ(o.ZY, 400);
  EXPECT_EQ(o.X8, 680);
  EXPECT_EQ(o.R, 400);
}

// The copy with its R at `r`: the copy (P'Q'R' in colour 3), the overlap (R',
// the point on AB, B, filled in 13) and its right-angle mark at B but for an
// empty overlap.
struct OverlapCase {
  float r;
  float crossY;  // y of point 14, d above B
  bool mark;
};

TEST(TriangleFigure, OverlapIsTheIsoscelesTriangleAtB) {
  for (const OverlapCase& c : std::vector<OverlapCase>{
           {1040, 340, false}, {1080, 300, true}, {1160, 220, true}, {1200, 180, true},
           {1240, 140, true}}) {
    SCOPED_TRACE(c.r);
    Bench b;
    Orvenna o(b.rt);
    o.SetUpTriangleFigure();
    o.DrawTriangles();
    o.GY5(13) = c.r;
    b.ClearLog();
    o.DrawOverlapRegion();
    EXPECT_TRUE(LogIsFinite(b));
    EXPECT_FLOAT_EQ(o.GY5(11), c.r - 200);
    EXPECT_FLOAT_EQ(o.GY5(12), c.r - 200);
    EXPECT_FLOAT_EQ(o.GY5(14), 1040);
    EXPECT_FLOAT_EQ(o.PTY(14), c.crossY);
    EXPECT_FLOAT_EQ(o.GY5(15), 1040);
    EXPECT_FLOAT_EQ(o.PTY(15), 340);
    auto shapes = PolysIn(b.Log(), 3);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_FALSE(shapes[0].fill);
    EXPECT_EQ(shapes[0].points,
              (Points{{c.r - 200, 140}, {c.r - 200, 340}, {c.r, 340}, {c.r - 200, 140}}));
    EXPECT_TRUE(shapes[1].fill);
    EXPECT_EQ(shapes[1].points, (Points{{c.r, 340}, {1040, c.crossY}, {1040, 340}, {c.r, 340}}));
    EXPECT_EQ(b.Log().size(), 3u - (c.mark ? 0u : 1u));
    auto marks = PolysIn(b.Log(), 5);
    if (c.mark) {
      ASSERT_EQ(marks.size(), 1u);
      EXPECT_EQ(marks[0].points, (Points{{1060, 340}, {1060, 320}, {1040, 320}}));
    } else {
      EXPECT_TRUE(marks.empty());
    }
    EXPECT_EQ(b.rt.GetDrawWidth(0), 5);
  }
}

TEST(TriangleFigure, FixedPictureIsRedrawnOverAWipedFrame) {
  Bench b;
  Orvenna o(b.rt);
  o.SetUpTriangleFigure();
  o.B2 = 330, o.YI1 = 500;
  o.DrawTriangles();
  Steps s(b.Log());
  EXPECT_TRUE(s.WipeFrom(0, 680, 80));
  ExpectGlyphs(s, {{0, 746, 100, 0, "P"}, {0, 746, 344, 0, "Q"}, {0, 946, 344, 0, "R"},
                   {0, 1026, 100, 0, "A"}, {0, 1026, 344, 0, "B"}, {0, 1226, 344, 0, "C"}});
  auto ell = s.Glyphs(0, "l");
  ASSERT_EQ(ell.size(), 1u);
  EXPECT_NEAR(ell[0].x, 706, 8);
  // The "8cm" of PQ inside the frame left of its arc, the one of QR below QR.
  auto eights = s.Glyphs(0, "8");
  ASSERT_EQ(eights.size(), 2u);
  EXPECT_GE(eights[0].x, 676);  // under the wipe's border (pen 5) at 680
  EXPECT_LT(eights[0].x, 700);
  EXPECT_GT(eights[1].y, 340);
  // Both triangles with their marks; the labels leave the text cursor alone.
  EXPECT_EQ(PolysIn(b.Log(), 0).size(), 2u);
  EXPECT_EQ(PolysIn(b.Log(), 5).size(), 2u);
  EXPECT_EQ(o.B2, 330);
  EXPECT_EQ(o.YI1, 500);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 5);
}

// The R of the copy (the filled overlap's first point) drawn in step k, or
// -1 when the step draws no overlap.
float OverlapR(const Steps& s, int k) {
  float r = -1;
  for (const PolyCall& p : PolysIn(s.Lines(k), 3))
    if (p.fill) r = p.points.front().first;
  return r;
}

// Steps of a visit: 4 the problem and the figure, 5 PQR outlined where it
// stands, 6 on the slide loop (R on B first); after the key 1 the answer and
// one more key.
TEST(MovingTrianglesScreen, SlidesOneStepPerKeyRoundFromBToCUntilOne) {
  // Six moves with assorted keys (Enter and other digits move too), then 1.
  Replay r = RunOrvenna("1\n6\nxx" "2\n0a 7" "1" "x" "8\n7\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  ExpectGlyphs(s, {{4, 40, 30, 7, "<"}, {4, 40, 80, 0, "△"}, {4, 40, 130, 0, "三"},
                   {4, 40, 180, 0, "点"}, {4, 40, 230, 0, "△"}, {4, 40, 280, 0, "右"},
                   {4, 40, 330, 0, "重"}});
  ExpectHas(s, 4, {"毎秒2cm", "重なってできる部分はどんな形?"});
  EXPECT_EQ(OverlapR(s, 4), -1);
  // The demonstration: PQR outlined in 3 with its mark, at R and then at B.
  for (auto [k, x] : std::vector<std::pair<int, float>>{{5, 960}, {6, 1040}}) {
    SCOPED_TRACE(k);
    auto copy = PolysIn(s.Lines(k), 3);
    ASSERT_FALSE(copy.empty());
    EXPECT_EQ(copy.front().points,
              (Points{{x - 200, 140}, {x - 200, 340}, {x, 340}, {x - 200, 140}}));
  }
  // One pass per key: R on B, four steps to C, back on B; 1 stops it there.
  const std::vector<float> slide = {1040, 1080, 1120, 1160, 1200, 1240, 1040};
  for (size_t i = 0; i < slide.size(); ++i) {
    int k = 6 + static_cast<int>(i);
    SCOPED_TRACE(k);
    EXPECT_EQ(OverlapR(s, k), slide[i]);
    EXPECT_TRUE(s.Has(k, "1で次へ:他のキーで動く"));
    EXPECT_FALSE(s.Has(k, "何かキーを押して下さい。"));
  }
  // The answer with the copy 4 steps past B, then the pointer to question 5.
  EXPECT_EQ(OverlapR(s, 13), 1200);
  ExpectGlyphs(s, {{13, 80, 390, 3, "直"}, {14, 80, 470, 7, "問"}});
  EXPECT_TRUE(s.Has(13, "何かキーを押して下さい。"));
  EXPECT_TRUE(s.Has(14, kLine));
  EXPECT_FALSE(s.Has(14, "何かキーを押して下さい。"));
  EXPECT_EQ(s.Find("<めあて>", 5), -1);
}

TEST(MovingTrianglesScreen, OneAtTheFirstPromptGoesStraightToTheAnswer) {
  Replay r = RunOrvenna("1\n6\nxx1x8\n7\n");
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  Steps s(r.log);
  EXPECT_EQ(OverlapR(s, 6), 1040);
  EXPECT_TRUE(s.Has(6, "1で次へ:他のキーで動く"));
  EXPECT_EQ(OverlapR(s, 7), 1200);
  ExpectGlyphs(s, {{7, 80, 390, 3, "直"}, {8, 80, 470, 7, "問"}});
  EXPECT_TRUE(s.Has(8, kLine));
}

// Steps of a visit: 4 the entry, 4 + k after key k; 21 the last answer and
// the sub-menu line.
class OverlapAreaAnswersTest : public ::testing::Test {
 protected:
  Replay r = RunOrvenna("1\n7\n" + std::string(17, 'x') + "8\n7\n");
  Steps s{r.log};
};

TEST_F(OverlapAreaAnswersTest, SeventeenKeysThenTheSubMenuLine) {
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  EXPECT_TRUE(s.WipeFrom(4, 0, 0));
  for (int k = 4; k <= 20; ++k) EXPECT_TRUE(s.Has(k, "何かキーを押して下さい。")) << k;
  EXPECT_TRUE(s.Has(21, kLine));
  EXPECT_FALSE(s.Has(21, "何かキーを押して下さい。"));
}

TEST_F(OverlapAreaAnswersTest, TextsStandOnTheirLines) {
  ExpectGlyphs(s, {{4, 40, 30, 7, "<"}, {4, 40, 80, 3, "("}, {4, 1044, 267, 5, "y"},
                   // key 3 continues the line of "(1)", not the area's label
                   {7, 121, 80, 0, "重"}, {7, 80, 140, 0, "だ"},
                   {10, 107, 200, 0, "の"}, {12, 80, 250, 5, "答"},
                   {13, 40, 300, 3, "("}, {15, 40, 370, 3, "("},
                   {16, 80, 440, 3, "y"}, {17, 80, 490, 0, "1"}, {21, 107, 550, 0, ">"}});
  ExpectHas(s, 4, {"x秒後に、重なった部分の面積をycm2とする。"});
  ExpectHas(s, 7, {"重なる三角形の底辺と高さは2xcm"});
  ExpectHas(s, 9, {"2x2"});
  ExpectHas(s, 12, {"答y=2x2(0≦x≦4)"});
  ExpectHas(s, 15, {"△ABC=", "8×8=32だから"});
  ExpectHas(s, 20, {"±2"});
  ExpectHas(s, 21, {"答2", "秒後"});
  // The copy 4 steps past B at entry; the area's label 70 below the crossing.
  EXPECT_EQ(OverlapR(s, 4), 1200);
}

TEST_F(OverlapAreaAnswersTest, ArcsLabelTheOverlapsBaseAndHeight) {
  // Key 1: below the base B-R' (1040 to 1200 on y 340); key 2: left of the
  // height B-(1040, 180).
  auto base = s.Dots(5, 0.5f);
  ASSERT_FALSE(base.empty());
  for (const CircleCall& d : base) {
    EXPECT_GE(d.y, 340 - 0.01);
    EXPECT_EQ(d.colour, 5);
  }
  EXPECT_NEAR(base.front().x, 1040, 0.01);
  EXPECT_NEAR(base.back().x, 1200, 0.01);
  auto height = s.Dots(6, 0.5f);
  ASSERT_FALSE(height.empty());
  float top = 1000, bottom = 0;
  for (const CircleCall& d : height) {
    EXPECT_LE(d.x, 1040 + 0.01);
    top = std::min(top, d.y);
    bottom = std::max(bottom, d.y);
  }
  EXPECT_NEAR(top, 180, 0.01);
  EXPECT_NEAR(bottom, 340, 0.01);
  for (int k : {5, 6}) {
    auto two = s.Glyphs(k, "2");
    ASSERT_EQ(two.size(), 1u) << k;
    EXPECT_EQ(two[0].colour, 5);
  }
  // The height's label level with the arc's upper half (180 to 260), left
  // of the copy's side (x 1000), on a ground that leaves the side whole
  // (lines are drawn whole; the label stands clear of them).
  auto m = s.Glyphs(6, "m");
  ASSERT_EQ(m.size(), 1u);
  EXPECT_LT(m[0].x + 24, 1000);
  EXPECT_LT(m[0].y, 260);
  EXPECT_GT(m[0].y + 48, 180);
  bool ground = false;
  for (const LineCall& l : LineCalls(s.Lines(6)))
    ground |= l.shape == "fill" && l.fillColour == 15 && l.x1 < 1000 && l.x2 > 1000;
  EXPECT_FALSE(ground);
}

TEST_F(OverlapAreaAnswersTest, PlaneInPlaceOfTheFigureThenCurveAndDots) {
  // Key 9 wipes exactly the figure's frame and draws the plane there.
  EXPECT_TRUE(s.WipeFrom(13, 680, 80));
  bool frame = false;
  for (const LineCall& l : LineCalls(s.Lines(13)))
    frame |= l.shape == "fill" && l.x1 == 680 && l.y1 == 80 && l.x2 == 1280 && l.y2 == 400;
  EXPECT_TRUE(frame);
  // Value labels at every whole x and every 10 of y but the 40 on the
  // plane's top edge.
  for (const char* label : {"-2", "-1", "1", "2", "3", "4", "5", "10", "20", "30"}) {
    int n = 0;
    for (const TextCall& t : s.Glyphs(13, label)) n += t.x > 780;  // not "(2)"
    EXPECT_EQ(n, 1) << label;
  }
  EXPECT_TRUE(s.Glyphs(13, "0.5").empty());
  EXPECT_TRUE(s.Glyphs(13, "40").empty());
  // Key 10: y = 2x² from x 0 to 4, 48 units per x and 12 per y from (914, 584).
  auto curve = s.Dots(14, 1);
  ASSERT_GE(curve.size(), 5000u);
  for (const CircleCall& d : curve) {
    float x = (d.x - 914) / 48;
    EXPECT_GE(x, 0);
    EXPECT_LE(x, 4.002);  // the 5000 steps summed in single precision
    EXPECT_NEAR(d.y, 584 - 24 * x * x, 0.05);
    EXPECT_EQ(d.colour, 3);
  }
  EXPECT_NEAR(curve.back().x, 1106, 0.1);
  EXPECT_NEAR(curve.back().y, 200, 0.5);
  // The 14 dots outside the domain: x -2 to 0 by 0.25, 4 to 4.4 by 0.1.
  auto dots = s.Dots(14, 3);
  std::vector<float> xs;
  for (int k = -8; k <= 0; ++k) xs.push_back(k / 4.0f);
  for (int k = 40; k <= 44; ++k) xs.push_back(k / 10.0f);
  ASSERT_EQ(dots.size(), xs.size());
  for (size_t i = 0; i < xs.size(); ++i) {
    SCOPED_TRACE(xs[i]);
    EXPECT_NEAR(dots[i].x, 914 + 48 * xs[i], 0.01);
    EXPECT_NEAR(dots[i].y, 584 - 24 * xs[i] * xs[i], 0.05);
    EXPECT_GE(dots[i].y, 104);  // inside the plane's top (y 40)
    EXPECT_EQ(dots[i].fillColour, 3);
  }
}

}  // namespace
}  // namespace lessons::testing
