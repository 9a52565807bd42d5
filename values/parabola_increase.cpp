// Screens ③ and ④ of unit 1: how y changes on y = x² and y = -x² while x
// runs from -3 to 3, the answers one key each and the summary for a > 0 or
// a < 0.
#include "values/quendral.h"

namespace lessons {

namespace {
// The answers of the four lines: on the left branch, on the right branch,
// at x = 0, the range; the summary repeats them.
struct ParabolaAnswers {
  const char* left;
  const char* right;
  const char* vertex;
  const char* range;
};
}  // namespace

void Quendral::ConditionAndAnswer(Num y, const std::string& condition, const std::string& answer,
                                  bool keys) {
  TextAt(60, y, 0, condition);
  const Num end = YI1;
  if (keys) WaitAnyKey();
  TextAt(end, y, 3, answer);
  if (keys) WaitAnyKey();
}

void Quendral::ParabolaChangeScreen(Num a) {
  const bool up = a > 0;
  const ParabolaAnswers answers = up ? ParabolaAnswers{"減少", "増加", "最小値 y=0", "y≧0"}
                                     : ParabolaAnswers{"増加", "減少", "最大値 y=0", "y≦0"};
  WipeScreen(1320, 1300);
  rt.SetDrawWidth(0, 5);
  TextAt(30, 30, 0, up ? "課3 関数 y=x^2 で、xが-3から3まで" : "課4 関数 y=-x^2 で、xが-3から3まで");
  TextAt(60, 80, 0, "増加するとき、yの増減をいいなさい。");
  // The curve and the three arrows (along the top, up the left branch to the
  // vertex, down the right one) are named to the plane, so that its numbers
  // and the origin's "0" stand clear of them from the start.
  // Below the plane, y = -x²'s name stands a little right of where the
  // curve leaves it, so that its ground leaves the curve's last dots whole.
  const GraphSetup curve{.a = a, .colour = 3, .label = up ? "y=x^2" : "y=-x^2", .dx = up ? 0.0f : 8.0f};
  const Num top = 9 * a;
  const ArrowOnPlane across{-3, top, 3, top, ArrowHeads::kAtEnd, 6};
  const ArrowOnPlane toVertex{-3, top, 0, 0, ArrowHeads::kAtEnd, 6};
  const ArrowOnPlane fromVertex{0, 0, 3, top, ArrowHeads::kAtEnd, 6};
  Plane({.left = 792, .top = up ? 60.0f : 50.0f, .xFrom = -4, .xTo = 4,
         .yFrom = up ? -1.0f : -12.0f, .yTo = up ? 12.0f : 1.0f, .unit = 40,
         .curves = {curve}, .arrows = {across, toVertex, fromVertex}});
  Graph(curve);
  WaitAnyKey();
  rt.SetDrawWidth(0, 6);
  PlaneArrow(across, 7);
  WaitAnyKey();
  PlaneArrow(toVertex, 5);
  WaitAnyKey();
  PlaneArrow(fromVertex, 5);
  WaitAnyKey();
  TextAt(60, 130, 7, "<解答>");
  WaitAnyKey();
  ConditionAndAnswer(180, "-3≦x<0 のとき ", answers.left, true);
  ConditionAndAnswer(230, "0<x≦3 のとき ", answers.right, true);
  ConditionAndAnswer(280, "x=0 のとき ", answers.vertex, true);
  ConditionAndAnswer(330, "yの変域は ", answers.range, true);
  if (up) {
    TextAt(60, 400, 7, "< y=ax^2 a>0では>");
  } else {
    TextAt(60, 400, 7, "< y=ax^2 a<0では>");
    WaitAnyKey();
    TextAt(60, 450, 0, "P104 自分の考えをまとめよう。");
    WaitAnyKey();
    FillRect(0, 450, 600, 50, 15, 15);
  }
  ConditionAndAnswer(450, "x<0 のとき ", answers.left, false);
  ConditionAndAnswer(500, "x>0 のとき ", answers.right, false);
  ConditionAndAnswer(550, "x=0 のとき ", answers.vertex, false);
  ConditionAndAnswer(600, "yの変域は ", answers.range, false);
  rt.SetDrawWidth(0, 3);
}

void Quendral::ParabolaUpScreen() { ParabolaChangeScreen(1); }

void Quendral::ParabolaDownScreen() { ParabolaChangeScreen(-1); }

}  // namespace lessons
