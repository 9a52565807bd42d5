// Graph paper with a heavy line every fifth cell (or only its frame), and
// closed polygons from the vertex table with labels at their vertices.
#include "framework/figure_util.h"
#include "framework/lesson.h"

namespace lessons {

void Lesson::DrawSquareGrid() {
  YI3 = static_cast<Num>(rt.GetDrawWidth(0));
  AX = 3.14159f;
  GY0 = A41;
  ZX = I;
  GY1 = GY0 + NO * IB8;
  ZY = ZX + NO * GX0;
  X8 = GY0;
  R = ZY;

  if (SIZE != 15) {
    TKAI2 = 14;
    // Every fifth line, counted from the left and from the bottom, is heavy.
    auto pen = [&](Num i) {
      bool heavy = CInt(i) % 5 == 0;
      rt.SetDrawWidth(0, heavy ? 3 : 1);
      return heavy ? CInt(TKAI2) : CInt(SIZE);
    };
    CountedLoop(XI0, 0, IB8, 1, [&](Num i) {
      int colour = pen(i);
      Num x = GY0 + NO * i;
      PlainLine(rt, x, ZX, x, ZY, colour);
    });
    CountedLoop(XI0, 0, GX0, 1, [&](Num i) {
      int colour = pen(i);
      Num y = ZY - NO * i;
      PlainLine(rt, GY0, y, GY1, y, colour);
    });
  }
  rt.SetDrawWidth(0, CInt(YI3));
}

void Lesson::DrawPolygonOutline() {
  int savedWidth = rt.GetDrawWidth(0);
  CountedLoop(XI0, 1, VERTEXCOUNT, 1, [&](Num k) {
    TA1 = k == VERTEXCOUNT ? 1 : k + 1;
    rt.SetDrawWidth(0, CInt(NAGASA));
    PlainLine(rt, R1A(k, 1), R1A(k, 2), R1A(TA1, 1), R1A(TA1, 2), CInt(SIZE));
  });
  N3 = XW;
  if (ZY0_s == "1") LabelPolygonVertexTexts();
  else if (!ZY0_s.empty()) LabelPolygonVertices();
  ZY0_s.clear();
  rt.SetDrawWidth(0, savedWidth);
}

namespace {
// The vertex after k, wrapping round the polygon.
Num Wrap(Num v, Num count) { return v > count ? v - count : v; }
}  // namespace

void Lesson::SetPolygonVertexAngle(Num k) {
  TA1 = Wrap(k + 1, VERTEXCOUNT);
  TA2 = Wrap(k + 2, VERTEXCOUNT);
  SO = R1A(k, 1);
  YOKO = R1A(k, 2);
  AAA = R1A(TA1, 1);
  A21 = R1A(TA1, 2);
  ZY1 = R1A(TA2, 1);
  BAIX = R1A(TA2, 2);
  BAIY = -1;
  XW = N3;
}

void Lesson::LabelPolygonVertices() {
  TA3 = static_cast<Num>(Asc(ZY0_s));
  CountedLoop(XI0, 1, VERTEXCOUNT, 1, [&](Num k) {
    SetPolygonVertexAngle(k);
    ZY0_s = Chr(CInt(TA3 + k - 1));
    PlaceAngleLabel();
  });
}

void Lesson::LabelPolygonVertexTexts() {
  CountedLoop(KJ1, 1, VERTEXCOUNT, 1, [&](Num k) {
    SetPolygonVertexAngle(k);
    ZY0_s = X_s(k);
    PlaceAngleLabel();
  });
}

}  // namespace lessons
