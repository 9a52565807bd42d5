// Orvenna's unit 2: the rental fee screen with the two shops' step graphs,
// and the step-graph piece on its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "applications/orvenna.h"
#include "tests/support/bench.h"
#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

const char kLine[] = "①レンタサイクルの料金　②終了";
const char kKeyPrompt[] = "何かキーを押して下さい。";

// The segments of the step graphs: plain lines at pen width 5 in `colour`.
std::vector<LineCall> Segments(const LogLines& log, int colour) {
  std::vector<LineCall> out;
  for (const LineCall& l : LineCalls(log))
    if (l.shape == "line" && l.colour == colour && l.width == 5) out.push_back(l);
  return out;
}

// An end circle of radius 8 at pen width 5: centre and kind (a filled dot,
// or an empty circle: white inside).
struct End {
  float x, y;
  bool filled;
};
void ExpectEnds(const std::vector<CircleCall>& got, const std::vector<End>& want, int colour) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_FLOAT_EQ(got[i].x, want[i].x);
    EXPECT_FLOAT_EQ(got[i].y, want[i].y);
    EXPECT_EQ(got[i].r, 8);
    EXPECT_EQ(got[i].colour, colour);
    EXPECT_EQ(got[i].fill, 1);
    EXPECT_EQ(got[i].fillColour, want[i].filled ? colour : 15);
    EXPECT_EQ(got[i].width, 5);
  }
}

// Shop A's pieces in pixels: open left end, filled right end, one level.
// The plane's y axis stands at 744, its fees left of it; 40 units an hour.
constexpr float kAxis = 744;
struct Piece {
  float x1, x2, y;
};
const std::vector<Piece> kShopA = {{kAxis, kAxis + 80, 480},       {kAxis + 80, kAxis + 160, 400},
                                   {kAxis + 160, kAxis + 240, 340}, {kAxis + 240, kAxis + 320, 300},
                                   {kAxis + 320, kAxis + 480, 240}};
// A segment starts at the ring of its open left end, 8 right of the centre.
constexpr float kRing = 8;

// Two visits. In each (the first from step 4, the second from 36) the steps
// 0 to 21 are page 1 (22 keys), 22 to 29 page 2 (8 keys), 30 the answer
// lines and the sub-menu line. The second visit steps on digits: they
// advance like any other key.
class RentalFeeTest : public ::testing::Test {
 protected:
  static std::string Visit(char key) { return "1\\n" + std::string(30, key); }
  Replay r = RunReplay("orvenna", "2\\n" + Visit('x') + Visit('1') + "2\\n7\\n");
  Steps s{r.log};
};

TEST_F(RentalFeeTest, ThirtyKeysThenTheSubMenuLineAtOnce) {
  EXPECT_EQ(r.result.end, RunEnd::kFinished);
  for (int first : {4, 36}) {
    SCOPED_TRACE(first);
    EXPECT_TRUE(s.WipeFrom(first, 0, 0));
    EXPECT_TRUE(s.WipeFrom(first + 22, 0, 0));
    ExpectGlyphs(s, {{first, 40, 30, 3, "A"}, {first + 22, 40, 30, 3, "B"}});
    for (int k = first; k < first + 30; ++k) EXPECT_TRUE(s.Has(k, kKeyPrompt) && !s.Has(k, kLine)) << k;
    EXPECT_TRUE(s.Has(first + 30, kLine));
    EXPECT_FALSE(s.Has(first + 30, kKeyPrompt));
  }
  EXPECT_FALSE(s.Has(36, "<めあて>"));
  EXPECT_EQ(s.MenuDraws(0, s.size() - 1), 2);
}

TEST_F(RentalFeeTest, FeeTablesAndQuestionLines) {
  struct Row {
    int step;
    float top, width;
    std::vector<std::string> cells;
  };
  for (const Row& row : std::vector<Row>{
           {4, 30, 200, {"時間", "2時間まで", "4時間まで", "6時間まで", "8時間まで", "12時間まで"}},
           {4, 80, 200, {"料金", "600円", "1000円", "1300円", "1500円", "1800円"}},
           {26, 30, 245, {"時間", "4時間まで", "4時間をこえる"}},
           {26, 80, 245, {"料金", "800円", "1600円"}}}) {
    SCOPED_TRACE(row.cells[1]);
    auto cells = s.Cells(row.step, 50)[row.top];
    ASSERT_EQ(cells.size(), row.cells.size());
    for (size_t i = 0; i < cells.size(); ++i) {
      EXPECT_EQ(cells[i].text, row.cells[i]);
      EXPECT_FLOAT_EQ(cells[i].x, i == 0 ? 160 : 232 + row.width * (i - 1));
    }
  }
  ExpectGlyphs(s, {{4, 40, 80, 3, "料"}, {4, 40, 140, 3, "問"}, {4, 40, 190, 0, "と"},
                   {10, 40, 500, 3, "問"}, {26, 40, 140, 3, "話"},
                   {26, 40, 240, 0, "安"}, {27, 40, 290, 3, "　"}, {33, 40, 360, 0, "グ"}});
  ExpectHas(s, 4, {"問1借りる時間をx時間、料金をy円", "0<x≦2のとき,y=600", "<x≦のとき,y=1000",
                   "6<x≦8のとき,y=", "8<x≦12のとき,y=1800"});
}

TEST_F(RentalFeeTest, AnswerBoxesAreFilledInWhereTheyWereDrawnEmpty) {
  auto boxes = [&](int k) {
    std::vector<LineCall> out;
    for (const LineCall& l : LineCalls(s.Lines(k)))
      if (l.shape == "fill" && l.colour == 3 && l.fillColour == 13) out.push_back(l);
    return out;
  };
  // The question's box, then boxes 1 to 5, around their lines (3 above).
  auto empty = boxes(4);
  ASSERT_EQ(empty.size(), 6u);
  const float tops[] = {190, 290, 290, 340, 340, 390}, widths[] = {40, 60, 60, 60, 60, 116};
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_FLOAT_EQ(empty[i].y1, tops[i] - 3) << i;
    EXPECT_FLOAT_EQ(empty[i].x2 - empty[i].x1, widths[i]) << i;
  }
  EXPECT_FLOAT_EQ(empty[1].x1, 40);
  EXPECT_FLOAT_EQ(empty[3].x1, 40);
  const char* values[] = {"2", "4", "4", "6", "1500"};
  for (size_t k = 1; k <= 5; ++k) {
    SCOPED_TRACE(k);
    auto again = boxes(4 + static_cast<int>(k));
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].x1, empty[k].x1);
    EXPECT_EQ(again[0].y1, empty[k].y1);
    auto glyphs = s.Glyphs(4 + static_cast<int>(k));
    EXPECT_EQ(s.Text(4 + static_cast<int>(k)).rfind(values[k - 1], 0), 0u);
    EXPECT_EQ(glyphs.at(0).colour, 5);
    EXPECT_FLOAT_EQ(glyphs[0].y, tops[k]);
  }
}

TEST_F(RentalFeeTest, ShopAOneElementPerKeyOpenFilledSegment) {
  EXPECT_TRUE(s.Has(10, "問2グラフをかこう。"));
  EXPECT_TRUE(s.Dots(10, 8).empty());
  for (size_t p = 0; p < kShopA.size(); ++p) {
    SCOPED_TRACE(p + 1);
    const Piece& piece = kShopA[p];
    const int open = 11 + 3 * static_cast<int>(p);
    ExpectEnds(s.Dots(open), {{piece.x1, piece.y, false}}, 3);
    ExpectEnds(s.Dots(open + 1), {{piece.x2, piece.y, true}}, 3);
    EXPECT_TRUE(s.Dots(open + 2).empty());
    EXPECT_TRUE(Segments(s.Lines(open), 3).empty() && Segments(s.Lines(open + 1), 3).empty());
    auto seg = Segments(s.Lines(open + 2), 3);
    ASSERT_EQ(seg.size(), 1u);
    ExpectLevelLine(seg[0], piece.x1 + kRing, piece.x2, piece.y, 5);
  }
}

TEST_F(RentalFeeTest, PageTwoRedrawsShopAAtOnceThenShopBStepByStep) {
  // Shop A with the page: each piece's two circles, then its segment.
  std::vector<End> ends;
  for (const Piece& p : kShopA) ends.insert(ends.end(), {{p.x1, p.y, false}, {p.x2, p.y, true}});
  ExpectEnds(s.Dots(26, 8), ends, 3);
  int circles = 0, segments = 0;
  for (const std::string& l : s.Lines(26)) {
    if (l.rfind("DrawCircle", 0) == 0) ++circles;
    if (!Segments(LogLines{l}, 3).empty()) {
      ExpectLevelLine(Segments(LogLines{l}, 3)[0], kShopA[segments].x1 + kRing,
                      kShopA[segments].x2, kShopA[segments].y, 5);
      EXPECT_EQ(circles, 2 * ++segments);
    }
  }
  EXPECT_EQ(segments, 5);
  // Shop B in colour 7, one element per key: open (0, 800 yen), filled
  // (4, 800 yen), segment; open (4, 1600 yen), no circle at the plane's
  // right edge, the segment to it.
  struct Element {
    int step;
    std::vector<End> ends;
    std::vector<Piece> segments;
  };
  for (const Element& e : std::vector<Element>{{27, {}, {}},
                                               {28, {{kAxis, 440, false}}, {}},
                                               {29, {{kAxis + 160, 440, true}}, {}},
                                               {30, {}, {{kAxis + kRing, kAxis + 160, 440}}},
                                               {31, {{kAxis + 160, 280, false}}, {}},
                                               {32, {}, {{kAxis + 160 + kRing, kAxis + 520, 280}}},
                                               {33, {}, {}},
                                               {34, {}, {}}}) {
    SCOPED_TRACE(e.step);
    ExpectEnds(s.Dots(e.step, 8), e.ends, 7);
    auto seg = Segments(s.Lines(e.step), 7);
    ASSERT_EQ(seg.size(), e.segments.size());
    for (size_t i = 0; i < seg.size(); ++i)
      ExpectLevelLine(seg[i], e.segments[i].x1, e.segments[i].x2, e.segments[i].y, 5);
  }
}

// The answer names the hours for which shop A's graph lies below shop B's
// (larger pixel y), read off page 2's segments at every half hour to 12.
TEST_F(RentalFeeTest, AnswerLinesNameTheHoursWhereShopAIsBelow) {
  LogLines page;
  for (int k = 26; k <= 34; ++k) page.insert(page.end(), s.Lines(k).begin(), s.Lines(k).end());
  auto levelAt = [&](int colour, float x) {
    for (const LineCall& l : Segments(page, colour))
      if (l.x1 <= x && x <= l.x2) return l.y1;
    return -1.0f;
  };
  std::string cheaper;
  for (int half = 1; half <= 24; ++half) {
    const float x = kAxis + 20 * half;
    cheaper += levelAt(3, x) > levelAt(7, x) ? 'A' : 'B';
  }
  EXPECT_EQ(cheaper, "AAAABBBBAAAAAAAABBBBBBBB");  // 0 < x ≦ 2 and 4 < x ≦ 8
  ExpectGlyphs(s, {{34, 40, 410, 5, "0"}, {34, 40, 460, 5, "4"}});
  ExpectHas(s, 34, {"0時間をこえ2時間までの場合と", "4時間をこえ8時間までの場合"});
}

// The piece on another plane: the ends' kinds, the key waits, the segment
// last (it stops at an empty circle's ring, never entering the circle), and
// the centres left for the caller.
TEST(StepPiece, EndsKeysSegmentAndCentres) {
  using Kind = Orvenna::StepEnd;
  struct Case {
    Kind left, right;
    bool keyEach;
    std::vector<End> ends;
    size_t keys;
    float x1, x2;  // the segment's ends
  };
  const std::vector<Case> cases = {
      {Kind::kFilled, Kind::kOutline, true, {{350, 360, true}, {410, 360, false}}, 3, 350, 402},
      {Kind::kFilled, Kind::kFilled, false, {{350, 360, true}, {410, 360, true}}, 0, 350, 410},
      {Kind::kOutline, Kind::kNone, true, {{350, 360, false}}, 2, 358, 410},
      {Kind::kOutline, Kind::kOutline, false, {{350, 360, false}, {410, 360, false}}, 0, 358, 402},
      {Kind::kNone, Kind::kNone, false, {}, 0, 350, 410},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.left) * 10 + static_cast<int>(c.right));
    Bench b("xxx");
    Orvenna o(b.rt);
    b.rt.SetDrawWidth(0, 5);
    o.X8 = 320, o.R = 420, o.NO = 30, o.TKAI2 = 9;
    b.ClearLog();
    o.DrawStepPiece({1, 3, 2, c.left, c.right}, c.keyEach);
    ExpectEnds(CircleCalls(b), c.ends, 9);
    EXPECT_EQ(b.Calls("Key\t").size(), c.keys);
    ASSERT_FALSE(b.Log().empty());
    auto last = Segments(LogLines{b.Log().back()}, 9);
    ASSERT_EQ(last.size(), 1u);
    ExpectLevelLine(last[0], c.x1, c.x2, 360, 5);
    for (const CircleCall& e : CircleCalls(b)) {
      if (e.fillColour != 15) continue;
      EXPECT_TRUE(last[0].x2 <= e.x - e.r || last[0].x1 >= e.x + e.r) << e.x;
    }
    EXPECT_EQ(std::vector<Num>({o.GX3(1), o.GY3(1), o.GX3(2), o.GY3(2)}),
              std::vector<Num>({350, 360, 410, 360}));
  }
}

}  // namespace
}  // namespace lessons::testing
