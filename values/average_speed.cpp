// The average speed: its definition, the worked example of a cart with
// y = 2x², and the answers of the textbook exercise.
#include "values/quendral.h"

namespace lessons {

// ① "定義": average speed as distance over time; the train from A to B.
void Quendral::AverageSpeedDefinitionScreen() {
  WipeScreen(1320, 1300);
  B1 = 80;
  B2 = 30;
  rt.SetDrawWidth(0, 5);
  LabelAt(760, B2 + 50, 3, "平均の速さ=ﾀ進んだ道のり/かかった時間ﾀ");
  TextAt(B1 - 40, B2, 3, "課1 ");
  Continue(0, "A駅とB駅の距離は、30kmあります。");
  NewLine(0, 60, 0, "A駅から電車に乗り、");
  NewLine(0, 60, 0, "40分でB駅に着きました。");
  NewLine(0, 60, 0, "電車の");
  Continue(3, "平均の速さ");
  Continue(0, "を ");
  Continue(3, "時速");
  Continue(0, "で求めなさい。");
  WaitAnyKey();
  NewLine(0, 70, 7, "<解答>");
  WaitAnyKey();
  NewLine(0, 50, 0, "平均の速さ＝");
  WaitAnyKey();
  Continue(0, "ﾀ30/40ﾀ=");
  WaitAnyKey();
  Continue(3, "ﾀ3/4ﾀ(km／m)");
  WaitAnyKey();
  NewLine(0, 80, 0, "時速になおすと、");
  WaitAnyKey();
  Continue(0, "ﾀ3/4ﾀ×60=");
  WaitAnyKey();
  Continue(3, "45(km／h)");
  WaitAnyKey();
  NewLine(0, 80, 5, "答　時速45km");
}

// ② "例題": the cart with y = 2x² from 2 s to 4 s, worked out and shown as
// the slope of the line through two points of the graph.
void Quendral::AverageSpeedExampleScreen() {
  WipeScreen(1320, 1300);
  B1 = 60;
  B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(30, 30, 7, "例題 ");
  Continue(0, "台車が斜面を下りるとき、時間");
  Continue(3, "x秒");
  Continue(0, "と動いた距離");
  Continue(3, "ym");
  Continue(0, "に");
  TextAt(60, 90, 3, "y=2x^2 ");
  Continue(0, "という関係があるとき、");
  TextAt(60, 150, 0, "2秒後から4秒後までの 平均の速さを求めなさい。");
  WaitAnyKey();
  TextAt(60, 220, 7, "<解答>");
  WaitAnyKey();

  TextAt(60, 270, 0, "x=2 のとき y=2×2^2=");
  WaitAnyKey();
  Continue(0, "2×4=");
  WaitAnyKey();
  Continue(3, "8");
  WaitAnyKey();
  TextAt(60, 330, 0, "x=4 のとき y=2×4^2=");
  WaitAnyKey();
  Continue(0, "2×16=");
  WaitAnyKey();
  Continue(3, "32");
  const Num noteX = YI1;
  WaitAnyKey();
  TextAt(60, 390, 0, "だから、平均の速さは");
  NOTEY = B2;
  TextAt(60, 470, 0, "ﾀ進んだ距離/かかった時間ﾀ");
  WaitAnyKey();
  Continue(0, "=ﾀ32-8/4-2ﾀ=");
  WaitAnyKey();
  Continue(0, "ﾀ24/2ﾀ=");
  WaitAnyKey();
  Continue(5, "12");
  WaitAnyKey();
  NewLine(80, 80, 5, "答　秒速 12m");
  WaitAnyKey();

  // The graph: 0.5 s and 2 m per grid step, axes only, labels 2, 4 and 10,
  // 20, 30; the curves traced from 0 to 5 seconds, the points as dots of
  // radius 7 in colour 5, the run and rise between them with their lengths.
  // The plane knows the curves, the points and the arrows, so that its
  // numbers stand clear of them; and the closing note that comes last,
  // right of the working's "32", level with the line it sums up: the y
  // axis's numbers keep clear of it (beside it, "10" would read as the
  // average speed).
  const GraphSetup cart{.a = 2, .xFrom = 0, .xTo = 5};
  const GraphSetup chord{.form = GraphForm::kLine, .a = 12, .b = -16, .colour = 5, .xFrom = 0,
                         .xTo = 5};
  const PointSetup start{.x = 2, .y = 8, .radius = 7, .colour = 5};
  const PointSetup end{.x = 4, .y = 32, .radius = 7, .colour = 5};
  const ArrowOnPlane run{2, 8, 4, 8}, rise{4, 8, 4, 32};
  struct NoteLine {
    const char* text;
    Num below;  // of the working's line
  };
  const NoteLine note[] = {{"平均の速さは", 0}, {"変化の割合", 50}};
  for (const NoteLine& line : note) {
    YMOTO = 3, DSM1 = noteX, DSM2 = NOTEY + line.below, KKAI_s = line.text;
    KeepClearOfText();
  }
  Plane({.left = 880, .top = 120, .xFrom = -1, .xTo = 5, .yFrom = -4, .yTo = 34, .xStep = 0.5f,
         .yStep = 2, .unit = 23, .grid = false, .numbers = false, .labelEveryX = 4,
         .labelEveryY = 5, .curves = {cart, chord}, .points = {start, end},
         .arrows = {run, rise}});
  Graph(cart);
  LabelAt(GY1 - 96, ZX - 50, 0, "y=2x^2");
  WaitAnyKey();
  Point(start);
  WaitAnyKey();
  Point(end);
  WaitAnyKey();
  const int runPart = PlaneArrow(run, 7);
  WaitAnyKey();
  // The run's length under its middle, the rise's right of its middle.
  YMOTO = 7, DSM1 = (PlaneX(run.x1) + PlaneX(run.x2)) / 2 - 16, DSM2 = PlaneY(run.y1), KKAI_s = "2";
  FigureLabel(runPart);
  WaitAnyKey();
  const int risePart = PlaneArrow(rise, 7);
  WaitAnyKey();
  YMOTO = 7, DSM1 = PlaneX(rise.x1), DSM2 = (PlaneY(rise.y1) + PlaneY(rise.y2)) / 2 - 16;
  KKAI_s = "24";
  FigureLabel(risePart);
  WaitAnyKey();
  Graph(chord);
  WaitAnyKey();
  for (const NoteLine& line : note) LabelAt(noteX, NOTEY + line.below, 3, line.text);
  WaitAnyKey();
  TextAt(440, 580, 7, "教科書P109 問3　をしなさい。");
}

// ③ "問3": the answers of the textbook exercise, drawn at once.
void Quendral::AverageSpeedAnswersScreen() {
  WipeScreen(1320, 1300);
  B1 = 132;
  B2 = 30;
  TextAt(B1, B2, 7, "問3 解答");
  NewLine(-88, 50, 3, "(1)");
  Continue(0, "x=1 のとき y=2×1^2=2×1=");
  Continue(3, "2");
  NewLine(0, 80, 0, "x=2 のとき y=2×2^2=2×4=");
  Continue(3, "8");
  NewLine(0, 60, 0, "だから、平均の速さは");
  NewLine(0, 80, 0, "ﾀ進んだ距離/進んだ時間ﾀ");
  Continue(0, "=ﾀ8-2/2-1ﾀ=");
  Continue(0, "ﾀ6/1ﾀ=");
  Continue(3, "6");
  TextAt(YI1 + 50, B2, 5, "秒速 6m");
  NewLine(-88, 90, 3, "(2)平均の速さは");
  NewLine(0, 70, 0, "2×(5+3)=2×8=");
  Continue(3, "16");
  TextAt(YI1 + 50, B2, 5, "秒速 16m");
}

}  // namespace lessons
