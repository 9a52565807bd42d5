// Unit 5, page P118 "学びを身につけよう", answers 1 to 6: the parabola through
// (2, -2), the four parabolas matched by how they open, the constant a from a
// rate of change and from a range, the step graph of the nearest whole
// number, and a from two equal rates of change.
#include <vector>

#include "applications/orvenna.h"

namespace lessons {

void Orvenna::MasteryFrame(const std::string& number, Num indent, Num wipeWidth) {
  ExerciseAnswersScreen("学びを身につけよう", number, 40, indent, 30, 5, wipeWidth);
}

void Orvenna::RateOfChangeQuotient() {
  NewLine(0, 70, 0, "だから、変化の割合は");
  NewLine(0, 70, 0, "ﾀyの増加量/xの増加量ﾀ");
}

// ① y = ax² through (2, -2): a = -1/2, and y at x = 3/2.
void Orvenna::MasteryAnswer1Screen() {
  MasteryFrame("1", 0);
  // The plane knows its parabola and the point (2, -2), so that its "0" and
  // numbers stand clear of them. It reaches two rows above the x axis: the
  // parabola runs under the numbers 1 and -1, which stand above the axis,
  // inside the plane.
  const GraphSetup parabola{.a = -0.5f, .colour = 3};
  const PointSetup given{.x = 2, .y = -2, .radius = 8, .colour = 5};
  Plane({.left = 720, .top = 60, .xFrom = -3.5f, .xTo = 3.5f, .yFrom = -5.5f, .yTo = 1,
         .xStep = 0.5f, .yStep = 0.5f, .numbers = false, .labelEveryX = 2, .labelEveryY = 2,
         .curves = {parabola}, .points = {given}});
  Graph(parabola);
  WaitAnyKey();
  Point(given);
  TextAt(A1, B2 + 60, 3, "(1)");
  Continue(0, "点(2,-2) を通るから");
  TextAt(A1, B2 + 50, 3, "x=2,y=-2");
  Continue(0, "を代入して");
  WaitAnyKey();
  TextAt(A1, B2 + 70, 0, "-2=a*2^2=4a  ");
  WaitAnyKey();
  Continue(5, "a=");
  Continue(0, "ﾀ-2/4ﾀ=");
  Continue(5, "-ﾀ1/2ﾀ");
  WaitAnyKey();
  TextAt(A1, B2 + 80, 3, "(2)");
  Continue(0, "y=-ﾀ1/2ﾀx^2 に");
  TextAt(A1, B2 + 70, 3, "x=ﾀ3/2ﾀ");
  Continue(0, "を代入して");
  WaitAnyKey();
  TextAt(A1, B2 + 80, 5, "y=");
  Continue(0, "-ﾀ1/2ﾀ*(ﾀ3/2ﾀ)\\2=-ﾀ1/2ﾀ*ﾀ9/4ﾀ=");
  Continue(5, "-ﾀ9/8ﾀ");
}

void Orvenna::MatchedParabolaAnswer(const std::string& label, const std::string& description,
                                    Num gap, const std::string& equation) {
  WaitAnyKey();
  TextAt(A1, B2 + 60, 3, label);
  TextAt(B1, B2, 0, description);
  WaitAnyKey();
  NewLine(0, gap, 5, equation);
}

// ② The parabolas ① to ④ and their equations.
void Orvenna::MasteryAnswer2Screen() {
  MasteryFrame("2", 40);
  // Each label at an end of its own curve, nearer to it than to the others:
  // ① over its left end (the letter y stands over the axis beside its right
  // one), ② right of its right end; ③ below and left of its end, ④ right of
  // its own. (A curve's label is given its place from its right end.)
  const GraphSetup curves[] = {{.a = 2, .colour = 3, .label = "①", .dx = -118, .dy = -60},
                               {.a = 1, .colour = 5, .label = "②"},
                               {.a = -1, .colour = 7, .label = "③", .dx = -44},
                               {.a = -0.5f, .label = "④", .dx = 10}};
  // 20 units a unit, in steps of 2: the plane has no grid, and its "0" may
  // stand up to a step from the origin, where the four parabolas leave it
  // room above the x axis.
  Plane({.left = 800, .top = 90, .xFrom = -5, .xTo = 5, .yFrom = -12, .yTo = 13, .xStep = 2,
         .yStep = 2, .unit = 40, .grid = false, .numbers = false,
         .curves = {std::begin(curves), std::end(curves)}});
  for (const GraphSetup& c : curves) Graph(c);
  TextAt(A1, B2 + 90, 3, "①");
  WaitAnyKey();
  TextAt(B1, B2, 0, "上に開き、②より開き方が小さい");
  WaitAnyKey();
  NewLine(0, 50, 5, "y=2x^2");
  MatchedParabolaAnswer("②", "上に開き、①より開き方が大きい", 50, "y=x^2");
  MatchedParabolaAnswer("③", "下に開き、④より開き方が小さい", 50, "y=-x^2");
  MatchedParabolaAnswer("④", "下に開き、③より開き方が大きい", 80, "y=-ﾀ1/2ﾀx^2");
}

// ③ The rate of change 2 from x = 2 to 4: a = 1/3.
void Orvenna::MasteryAnswer3Screen() {
  MasteryFrame("3", 40);
  XSTEP = 1, GGX = 1;
  TextAt(A1, B2 + 80, 3, "y=ax^2 とすると");
  WaitAnyKey();
  NewLine(0, 50, 0, "x=2 のとき y=a*2^2=");
  Continue(3, "4a");
  NewLine(0, 60, 0, "x=4 のとき y=a*4^2=");
  Continue(3, "16a");
  WaitAnyKey();
  RateOfChangeQuotient();
  WaitAnyKey();
  Continue(0, "=ﾀ16a-4a/4-2ﾀ=ﾀ12a/2ﾀ=");
  Continue(5, "6a");
  WaitAnyKey();
  NewLine(0, 80, 0, "したがって、6a=2");
  NewLine(0, 70, 5, "a=");
  Continue(0, "ﾀ2/6ﾀ=");
  Continue(5, "ﾀ1/3ﾀ");
}

// ④ The range -4 ≦ y ≦ 0 for -3 ≦ x ≦ 4: a = -1/4.
void Orvenna::MasteryAnswer4Screen() {
  MasteryFrame("4", 40);
  XSTEP = 1, GGX = 1;
  NewLine(0, 50, 0, "x=-3 のとき y=a*(-3)^2=");
  Continue(3, "9a");
  NewLine(0, 60, 0, "x=4 のとき y=a*4^2=");
  Continue(3, "16a");
  NewLine(0, 60, 0, "x=0 のとき y=");
  Continue(3, "0");
  WaitAnyKey();
  NewLine(0, 60, 3, "-4≦y≦0");
  Continue(0, " だから ");
  WaitAnyKey();
  NewLine(0, 60, 3, "16a=-4");
  WaitAnyKey();
  NewLine(0, 80, 5, "a=");
  Continue(0, "ﾀ-4/16ﾀ=");
  Continue(5, "-ﾀ1/4ﾀ");
}

// ⑤ The step graph of the whole number nearest to x on 0 ≦ x ≦ 5, one end
// or segment per key.
void Orvenna::MasteryStepGraphScreen() {
  MasteryFrame("5", 40);
  // The levels' x ends in grid steps of 0.5; each level is filled at its
  // left end and open at its right, the last filled at both.
  const Num ends[] = {0, 1, 3, 5, 7, 9, 10};
  std::vector<StepPiece> steps;
  for (int k = 0; k < 6; ++k)
    steps.push_back({ends[k], ends[k + 1], static_cast<Num>(2 * k), StepEnd::kFilled,
                     k == 5 ? StepEnd::kFilled : StepEnd::kOutline});
  // The plane knows the six levels and their end circles; its top 130 leaves
  // the "y" room over its axis's end under the heading box.
  PlaneSetup plane{.left = 320, .top = 130, .xFrom = 0, .xTo = 5.5f, .yFrom = 0, .yTo = 5.5f,
                   .xStep = 0.5f, .yStep = 0.5f, .numbers = false, .labelEveryX = 2,
                   .labelEveryY = 2};
  CarrySteps(plane, steps);
  Plane(plane);
  TKAI2 = 3;
  for (XI1 = 1; XI1 <= 6; XI1 = XI1 + 1) DrawStepPiece(steps[static_cast<size_t>(XI1) - 1], true);
}

// ⑥ The rate of change of y = x² from a to a + 2 equals that of y = 6x - 1.
void Orvenna::MasteryRateScreen() {
  MasteryFrame("6", 40);
  XSTEP = 1, GGX = 1;
  TextAt(A1, B2 + 80, 3, "y=x^2 において");
  WaitAnyKey();
  NewLine(0, 50, 0, "x=a のとき y=");
  Continue(3, "a^2");
  NewLine(0, 60, 0, "x=a+2 のとき y=(a+2)^2=");
  Continue(3, "a^2+4a+4");
  WaitAnyKey();
  RateOfChangeQuotient();
  WaitAnyKey();
  Continue(0, "=ﾀa^2+4a+4-a^2/a+2-aﾀ=ﾀ4a+4/2ﾀ=");
  Continue(3, "2a+2");
  WaitAnyKey();
  TextAt(A1, B2 + 80, 3, "y=6x-1 ");
  Continue(0, "の変化の割合は");
  Continue(3, "6 ");
  Continue(0, "だから");
  WaitAnyKey();
  NewLine(0, 60, 3, "2a+2=6");
  WaitAnyKey();
  TextAt(YI1 + 60, B2, 0, "2a=6-2=4");
  WaitAnyKey();
  NewLine(0, 70, 5, "a=");
  Continue(5, "2");
}

}  // namespace lessons
