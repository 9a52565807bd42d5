// The range drills of unit 1: ⑤ (a linear function, then y = x²) and ⑦
// (y = ax² with a > 0, then a < 0). Each exercise repeats with new numbers
// until 1 is entered; only its last problem stays on the screen.
#include <cmath>

#include "values/quendral.h"

namespace lessons {

namespace {
constexpr Num kFirstLine = 30;   // text cursor of exercise ①
constexpr Num kBoxHeight = 60;
}  // namespace

Num Quendral::SignedRandom(int n) {
  Num value = std::floor(rt.Random(1) * static_cast<Num>(n) + 1);
  if (std::floor(rt.Random(1) * 2 + 1) == 2) value = -value;
  return value;
}

void Quendral::DrawDomainEnds() {
  F(1) = SignedRandom(5);
  F(2) = SignedRandom(5);
  if (F(1) == F(2)) F(2) = F(2) + 1;
  if (F(1) > F(2)) {
    const Num p = F(1);
    F(1) = F(2);
    F(2) = p;
  }
}

void Quendral::SquareRangeOverDomain() {
  T(3) = F(1) * F(1) * T(1);
  T(4) = F(2) * F(2) * T(1);
  if (T(4) > T(3)) {
    T(7) = T(3);
    T(8) = T(4);
  } else {
    T(7) = T(4);
    T(8) = T(3);
  }
  T(5) = T(7);
  T(6) = T(8);
  // A domain that holds 0 reaches the vertex value 0.
  if (F(1) * F(2) <= 0) {
    if (T(1) > 0) T(5) = 0;
    else T(6) = 0;
  }
}

void Quendral::CoefficientText() {
  NumbersToTextArrays();
  if (T(1) == 1) A1_s(1) = "";
  else if (T(1) == -1) A1_s(1) = "-";
}

void Quendral::AnswerBox(Num x, Num y, Num width, const std::string& text) {
  TextBoxAround({.x = x, .y = y, .width = width, .height = kBoxHeight, .fill = 13,
                 .textColour = 5, .text = text});
}

void Quendral::RangeProblem(Num top, const std::string& question, Num boxWidth) {
  B1 = 40;
  B2 = top;
  // Exercise ① wipes from its question down; exercise ② from its own top,
  // so exercise ①'s last problem stays above it.
  FillRect(0, top == kFirstLine ? top + 20 : top, 1760, 1800, 15, 15);
  TextAt(B1, B2 + 20, 0, question);
  NewLine(36, 80, 3, TITLE_s(1) + "≦x≦" + TITLE_s(2) + " のとき  ");
  const Num box1 = YI1;
  AnswerBox(box1, B2, boxWidth, "");
  YI1 = DSM1;
  TextAt(YI1 + 20, B2, 3, "≦y≦ ");
  const Num box2 = YI1;
  AnswerBox(box2, B2, boxWidth, "");
  YI1 = DSM1;
  WaitAnyKey();
  AnswerBox(box1, B2, boxWidth, A1_s(5));
  AnswerBox(box2, B2, boxWidth, A1_s(6));
}

// y = ax + b: a, b, p, q drawn in that order; the range runs between the
// values at the two ends.
void Quendral::LinearRangeTurn() {
  T(1) = SignedRandom(5);
  T(2) = SignedRandom(9);
  DrawDomainEnds();
  T(3) = T(1) * F(1) + T(2);
  T(4) = T(1) * F(2) + T(2);
  if (T(3) < T(4)) {
    T(5) = T(3);
    T(6) = T(4);
  } else {
    T(5) = T(4);
    T(6) = T(3);
  }
  CoefficientText();
  if (T(2) > 0) A1_s(2) = "+" + A1_s(2);
  RangeProblem(kFirstLine, "① y=" + A1_s(1) + "x" + A1_s(2) + " について、yの変域をいいなさい。", 132);
}

void Quendral::SquareRangeTurn(const std::string& mark, Num top, Num boxWidth) {
  DrawDomainEnds();
  SquareRangeOverDomain();
  CoefficientText();
  RangeProblem(top, mark + " y=" + A1_s(1) + "x^2 について、yの変域をいいなさい。", boxWidth);
}

void Quendral::RangeDrill1Screen() {
  WipeScreen(1320, 1300);
  RandomDrill([this] { LinearRangeTurn(); });
  const Num below = B2 + 80;
  RandomDrill([this, below] {
    T(1) = 1;
    SquareRangeTurn("②", below, 132);
  });
  TextAt(B1 + 240, B2 + 90, 7, "なぜ？");
}

void Quendral::RangeDrill2Screen() {
  WipeScreen(1320, 1300);
  RandomDrill([this] {
    T(1) = std::floor(rt.Random(1) * 4 + 1);
    SquareRangeTurn("①", kFirstLine, 132);
  });
  const Num below = B2 + 80;
  RandomDrill([this, below] {
    T(1) = -std::floor(rt.Random(1) * 4 + 1);
    SquareRangeTurn("②", below, 176);
  });
  WaitAnyKey();
  TextAt(44, 570, 0, "教科書P105 問1,問2　をしなさい。");
}

}  // namespace lessons
