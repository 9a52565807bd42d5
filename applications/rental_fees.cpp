// ① "レンタサイクルの料金": shop A's fee table, the ends of its intervals
// filled in, its fees as a step graph; then shop B's table, its graph over
// shop A's, and the times for which shop A is the cheaper one.
#include <string>
#include <vector>

#include "applications/orvenna.h"

namespace lessons {

namespace {
// The graph's levels are counted in grid steps of 200 yen.
constexpr Num kYenPerStep = 200;
using Step = Orvenna::StepPiece;
using End = Orvenna::StepEnd;
// Shop A: its five fees (600, 1000, 1300, 1500 and 1800 yen) up to 2, 4, 6,
// 8 and 12 hours, each with its open left end and filled right end.
const std::vector<Step> kShopA = {{0, 2, 3, End::kOutline, End::kFilled},
                                  {2, 4, 5, End::kOutline, End::kFilled},
                                  {4, 6, 6.5f, End::kOutline, End::kFilled},
                                  {6, 8, 7.5f, End::kOutline, End::kFilled},
                                  {8, 12, 9, End::kOutline, End::kFilled}};
// Shop B: 800 yen up to 4 hours, then 1600 yen on past the plane's right
// edge at 13 hours.
const std::vector<Step> kShopB = {{0, 4, 4, End::kOutline, End::kFilled},
                                  {4, 13, 8, End::kOutline, End::kNone}};
// The plane of 0 to 13 hours and 0 to 2000 yen, corner (744, 200), with the
// steps it will carry. It writes the hours on every other line and the fees
// on every row as its y axis's numbers, each on its line, at the place the
// figure leaves it there (clear of the open circles that sit on the axis at
// 0 hours).
PlaneSetup FeePlane(const std::vector<Step>& steps) {
  PlaneSetup plane{.left = 744, .top = 200, .xFrom = 0, .xTo = 13, .yFrom = 0, .yTo = 2000,
                   .yStep = kYenPerStep, .unit = 40, .numbers = false, .labelEveryX = 2,
                   .labelEveryY = 1};
  Orvenna::CarrySteps(plane, steps);
  return plane;
}
}  // namespace

void Orvenna::RentalFeeTable(int columns, Num width) {
  GY5(11) = B1 + 120;
  PTY(11) = 30;
  PTY(12) = PTY(11) + 50;
  PTY(13) = PTY(12) + 60;
  auto row = [&](Num top, const std::string& header, int fill, int first) {
    CellStyle(50, 9, fill, 0);
    DSM1 = GY5(11), DSM2 = top;
    Cell(72, header);
    for (XI0 = 0; XI0 < columns; ++XI0) {
      GX3(1) = DSM1;
      Cell(width, A1_s(first + XI0));
    }
  };
  row(PTY(11), "時間", 15, 1);
  row(PTY(12), "料金", 13, 6);
  B2 = PTY(13);
}

void Orvenna::ShopAFeeGraph(bool keyEach) {
  TKAI2 = 3;
  for (XI1 = 1; XI1 <= 5; ++XI1) DrawStepPiece(kShopA[static_cast<size_t>(XI1) - 1], keyEach);
}

void Orvenna::RentalFeeScreen() {
  // An answer box of question 1 around the line at y: empty at first, drawn
  // again with its value later.
  auto answerBox = [this](Num x, Num y, Num width, const std::string& value) {
    TextBoxAround(
        {.x = x, .y = y, .width = width, .border = 3, .fill = 13, .textColour = 5, .text = value});
    YI1 = DSM1;
  };
  // Box k of question 1, empty; its place is kept in T(k), F(k).
  auto blank = [&](int k, Num x, Num width) {
    T(k) = x, F(k) = B2;
    answerBox(x, B2, width, "");
  };

  // Page 1: shop A.
  WipeScreen(1320, 1300);
  A1 = 40, B1 = 40, B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(A1, B2, 3, "A店の");
  NewLine(0, 50, 3, "料金表");
  for (int k = 1; k <= 5; ++k) {
    const Step& step = kShopA[static_cast<size_t>(k) - 1];
    A1_s(k) = NumberText(step.x2) + "時間まで";
    A1_s(k + 5) = NumberText(step.level * kYenPerStep) + "円";
  }
  RentalFeeTable(5, 200);
  TextAt(A1, B2, 3, "問1");
  Continue(0, "借りる時間を");
  Continue(3, "x時間");
  Continue(0, "、料金を");
  Continue(3, "y円");
  NewLine(0, 50, 0, "とするとき、次の");
  answerBox(YI1 + 10, B2, 40, "");
  TextAt(YI1 + 10, B2, 0, "は？");
  NewLine(0, 50, 0, " 0<x≦2  のとき,y=600");
  B2 += 50;
  blank(1, A1, 60);
  Continue(0, "<x≦");
  blank(2, YI1, 60);
  Continue(0, " のとき,y=1000");
  B2 += 50;
  blank(3, A1, 60);
  Continue(0, "<x≦");
  blank(4, YI1, 60);
  Continue(0, " のとき,y=1300");
  NewLine(0, 50, 0, " 6<x≦8  のとき,y=");
  blank(5, YI1, 116);
  NewLine(0, 50, 0, " 8<x≦12 のとき,y=1800");
  WaitAnyKey();
  const char* values[] = {"2", "4", "4", "6", "1500"};
  for (int k = 1; k <= 5; ++k) {
    answerBox(T(k), F(k), k == 5 ? 116 : 60, values[k - 1]);
    WaitAnyKey();
  }
  Plane(FeePlane(kShopA));
  NewLine(0, 60, 3, "問2");
  Continue(0, "グラフをかこう。");
  ShopAFeeGraph(true);
  WaitAnyKey();

  // Page 2: shop B against shop A.
  WipeScreen(1320, 1300);
  A1 = 40, B1 = 40, B2 = 30;
  rt.SetDrawWidth(0, 5);
  A1_s(1) = "4時間まで";
  A1_s(2) = "4時間をこえる";
  A1_s(6) = "800円";
  A1_s(7) = "1600円";
  TextAt(A1, B2, 3, "B店の");
  NewLine(0, 50, 3, "料金表");
  RentalFeeTable(2, 245);
  std::vector<Step> both = kShopA;
  both.insert(both.end(), kShopB.begin(), kShopB.end());
  Plane(FeePlane(both));
  ShopAFeeGraph(false);
  TextAt(A1, B2, 3, "話しあおう");
  NewLine(0, 50, 0, "A店で自転車を借りた方が");
  NewLine(0, 50, 0, "安くすむのは？");
  WaitAnyKey();
  NewLine(0, 50, 3, "　グラフをかくと");
  TKAI2 = 7;
  for (const Step& step : kShopB) DrawStepPiece(step, true);
  WaitAnyKey();
  NewLine(0, 70, 0, "グラフが下にある方が安いから、");
  WaitAnyKey();
  NewLine(0, 50, 5, "0時間をこえ2時間までの場合と");
  NewLine(0, 50, 5, "4時間をこえ8時間までの場合");
}

}  // namespace lessons
