// The lesson program Quendral: its main menu, units and screens.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/lesson.h"

namespace lessons {

class Quendral : public Lesson {
 public:
  explicit Quendral(Runtime& runtime) : Lesson(runtime, "Quendral") {}

  void ValuesMainMenu();

  // ---- summary sheets and average speed ----
  // The three fill-in summary sheets of the feature summary: two sheets side
  // by side, numbered blanks revealed one per key; no key wait after the last.
  void ShapeSummaryScreen();
  void IncreaseSummaryScreen();
  void RateSummaryScreen();
  // A heading box of a sheet at (x, y): 490 by 50, outline 3, fill 13, text
  // colour 0; leaves YI1 = its right edge, B2 = its top.
  void SummaryHeadingBox(Num x, Num y, const std::string& text);
  // Blank k of a sheet: a box 50 high and `width` wide at (x, y), outline 3,
  // fill 13, with its number `label` in colour 5; the position and width are
  // kept in BLANKX, BLANKY, BLANKW(k). Leaves YI1 = its right edge, B2 = its top.
  void FillInBlank(int k, Num x, Num y, Num width, const std::string& label);
  // The same box drawn again at the kept place with the answer: it covers the
  // number exactly, whatever pen width is in force.
  void RevealBlank(int k, const std::string& answer);
  // For each answer in turn: a key wait, then the reveal of blanks 1, 2, ...
  void RevealBlanks(const std::vector<std::string>& answers);
  NumArray BLANKX{8}, BLANKY{8}, BLANKW{8};
  // The average speed: its definition with the train exercise (8 keys), the
  // cart example y = 2x² from 2 s to 4 s with its graph (22 keys), and the
  // answers of the textbook exercise (no key wait).
  void AverageSpeedDefinitionScreen();
  void AverageSpeedExampleScreen();
  void AverageSpeedAnswersScreen();
  // The height of the example's closing note: that of the line it sums up.
  Num NOTEY = 0;

  // ---- increase and range unit ----
  void IncreaseAndRangeUnit();
  void IncreaseAndRangeGoalScreen();
  void LinearIncreaseScreen();
  void LinearDecreaseScreen();
  // y = slope·x + 2 on -3 ≦ x ≦ 3: the question, the line on its plane, the
  // run and rise arrows, the answer and the rule, one key each.
  void LinearChangeScreen(Num slope, const std::string& formula, const std::string& answer,
                          const std::string& rule);
  void ParabolaUpScreen();
  void ParabolaDownScreen();
  // y = a·x² (a = 1 or -1) on -3 ≦ x ≦ 3: the parabola, the arrows along its
  // branches, the four answers and the summary.
  void ParabolaChangeScreen(Num a);
  // A condition in colour 0 at (60, y), then its answer in colour 3 where
  // the condition ended; with `keys`, a key after each.
  void ConditionAndAnswer(Num y, const std::string& condition, const std::string& answer,
                          bool keys);
  void RangeGraphScreen();
  // Dots of y = AA·x² over the plane's x values, 0.1 apart where y > 1.2
  // and 0.2 apart elsewhere, only those within the plane's height.
  void DottedParabola();
  // On the plane just drawn: the dotted parabola, y = x² over DOMX1..DOMX2,
  // guides from its ends to both axes, their numbers, and the range of y as
  // an arrow with two heads on the y axis.
  void MarkDomainAndRange();
  void GuideLine(Num x1, Num y1, Num x2, Num y2);
  void RangeAnswersScreen();
  void RangeDrill1Screen();
  void RangeDrill2Screen();

  // ---- the other units ----
  void RateOfChangeUnit();
  // Unit 2's screens ① to ③: the rate tables of y = 2x + 1 and y = 1/2 x²
  // (22 keys each), the rate of y = x² from x = 1 to 3 on its graph (8 keys).
  void LinearRateScreen();
  void SquareRateScreen();
  void RateOfChangeScreen();
  void AverageSpeedUnit();
  void FeatureSummaryUnit();

  // ---- figure arrows ----
  // The arrow `a` of the plane in force, one its set-up declares, in
  // `colour` and the pen width in force; its part number.
  int PlaneArrow(const ArrowOnPlane& a, int colour);
  // The value of a guide drawn from a point to an axis, as a number of that
  // axis, in `colour`: its cells centred on its tick at pixel `at` along the
  // axis, `away` from the axis on the side `before` (above the x axis, left
  // of the y axis), or on the other side, or further out along its tick
  // line, where the figure leaves it room (label_places.h). Where none does,
  // it is left out, as an axis number is: false.
  bool GuideValue(Num value, bool xAxis, Num at, int colour, bool before, Num away);

  // ---- drills ----
  // A whole number 1..n with a random sign: the magnitude draw, then the sign
  // draw (2 negates).
  Num SignedRandom(int n);
  // The domain ends p < q in F(1), F(2): drawn in that order, equal ends
  // moved apart (q + 1), then put in order.
  void DrawDomainEnds();
  // The range of y = T(1)·x² over F(1) ≦ x ≦ F(2) into T(5), T(6) (T(3),
  // T(4) at the ends, T(7), T(8) the smaller and larger of them).
  void SquareRangeOverDomain();
  // The texts of T and F (NumbersToTextArrays), the coefficient T(1) shown
  // as "" for 1 and "-" for -1 in A1$(1).
  void CoefficientText();
  // An answer box at pen position (x, y), 60 high, filled in colour 13,
  // outlined in 0, its text in 5.
  void AnswerBox(Num x, Num y, Num width, const std::string& text);
  // One problem below text line `top`: the wipe, the question, the domain
  // line in colour 3 with two empty boxes, a key, then the boxes with
  // A1$(5) and A1$(6). Leaves B2 at the answer line.
  void RangeProblem(Num top, const std::string& question, Num boxWidth);
  void LinearRangeTurn();
  // y = T(1)·x² on a drawn domain; T(1) is set by the caller.
  void SquareRangeTurn(const std::string& mark, Num top, Num boxWidth);

  // ---- rate of change: drills ④, answers of P107 ⑤, line through two points ⑥ ----
  // Turns on y = x², then on y = ax², until 1; each exercise then shows its
  // worked example (3 and 4 keys), and the screen ends with the hint.
  void RateDrillScreen();
  // The rate of change of y = T(1)·x² while x increases from F(1) to F(2),
  // into T(3): T(1)·(F(1) + F(2)).
  void SquareRateOverInterval();
  // One turn on y = T(1)·x² (T(1) set by the caller): the interval drawn, the
  // wipe from `top`, the question at (40, questionY), the interval line with
  // an empty box, a key, the box with the rate. Leaves B2 at the interval line.
  void SquareRateTurn(const std::string& mark, Num top, Num questionY);
  // Exercises 1 and 2, a page each: part (1), a key, part (2); 3 keys.
  void RateAnswersScreen();
  // The line AB through A(-1, 1) and B(3, 9) on y = x², worked out beside
  // the figure; 16 keys.
  void LineThroughPointsScreen();

  // ---- variables of Quendral's own ----
  Num DOMX1 = 0, DOMX2 = 0;  // the domain MarkDomainAndRange marks

 protected:
  void MainMenu() override { ValuesMainMenu(); }
};

std::unique_ptr<Lesson> MakeQuendral(Runtime& runtime);

}  // namespace lessons
