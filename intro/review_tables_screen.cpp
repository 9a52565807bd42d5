// Unit 1, screen ①: the tables of y = 2x, y = 6/x and y = x + 1 and the
// questions on their formulas and how y changes.
#include "intro/palisteo.h"

namespace lessons {

namespace {

// Start of a table row 50 below the current line, at the left margin: the
// head cell and "…". The value cells follow; RowEnd closes the row.
void RowStart(Palisteo& L, const std::string& head) {
  L.DSM1 = L.B1;
  L.DSM2 = L.B2 + 50;
  L.CellStyle(50, 0, 15, 3);
  L.Cell(44, head);
  L.Cell(44, "…");
}

void RowEnd(Palisteo& L) {
  L.Cell(44, "…");
  L.YI1 = L.DSM1;
  L.B2 = L.DSM2;
}

// The x row of a table: x = 0 to 3.
void XRow(Palisteo& L) {
  RowStart(L, "x");
  for (L.A1 = 0; L.A1 <= 3; L.A1++) L.Cell(44, L.NumberText(L.A1));
  RowEnd(L);
}

}  // namespace

void Palisteo::ReviewTablesScreen() {
  WipeScreen(1760, 1800);
  B1 = 44;
  B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(B1, B2, 7, "課1 ");

  // The three tables.
  B1 = 44;
  NewLine(0, 70, 0, "①比例");
  XRow(*this);
  GY5(1) = DSM1;
  RowStart(*this, "y");
  for (A1 = 0; A1 <= 3; A1++) Cell(44, NumberText(2 * A1));
  RowEnd(*this);

  NewLine(0, 70, 0, "②反比例");
  XRow(*this);
  RowStart(*this, "y");
  Cell(44, "*");
  for (A1 = 1; A1 <= 3; A1++) Cell(44, NumberText(6 / A1));
  RowEnd(*this);

  NewLine(0, 70, 0, "③1次関数");
  XRow(*this);
  RowStart(*this, "y");
  for (A1 = 0; A1 <= 3; A1++) Cell(44, NumberText(A1 + 1));
  RowEnd(*this);

  // (1) the formulas.
  B1 = GY5(1) + 44;
  B2 = 30;
  TextAt(B1, B2, 0, "(1)関数の式は？ ");
  XI2 = YI1 + 44;
  B3 = DSM2;
  WaitAnyKey();
  NewLine(0, 90, 0, "①y=ax にx=1,y=2を代入して");
  WaitAnyKey();
  NewLine(0, 60, 0, "　2=a*1");
  WaitAnyKey();
  Continue(0, "　a=2");
  WaitAnyKey();
  Continue(3, "　y=2x");
  WaitAnyKey();
  NewLine(0, 90, 0, "②y=ﾀa/xﾀ にx=1,y=6を代入して");
  WaitAnyKey();
  NewLine(0, 110, 0, "　6=ﾀa/1ﾀ");
  WaitAnyKey();
  Continue(0, "　a=6");
  WaitAnyKey();
  Continue(3, "　y=ﾀ6/xﾀ");
  WaitAnyKey();
  TextAt(XI2, B3, 0, "①");
  Continue(3, "y=2x");
  Continue(0, " ②");
  Continue(3, "y=ﾀ6/xﾀ");
  WaitAnyKey();
  FillRect(GY5(1) + 44, B3 + 80, 1760, 1800, 15, 15);

  TextAt(B1, B3 + 180, 0, "③y=ax+b のaとbを求める。");
  WaitAnyKey();
  NewLine(0, 90, 0, "a=変化の割合=ﾀyの増加量/xの増加量ﾀ=ﾀ2-1/1-0ﾀ=ﾀ1/1ﾀ=1");
  WaitAnyKey();
  NewLine(0, 90, 0, "式は y=x+b と表せるから、");
  WaitAnyKey();
  NewLine(0, 60, 0, "y=x+b にx=0,y=1を代入して");
  WaitAnyKey();
  NewLine(0, 60, 0, "　1=0+b b=1");
  WaitAnyKey();
  NewLine(0, 60, 3, "　y=x+1");
  WaitAnyKey();
  B1 = GY5(1) + 44;
  B2 = B3;
  TextAt(B1 + 264, B3 + 50, 0, "③");
  Continue(3, "y=x+1");
  WaitAnyKey();
  FillRect(GY5(1) + 44, B2 + 60, 1760, 1800, 15, 15);

  // (2) y when x grows by 1.
  NewLine(0, 70, 0, "(2)xが1ずつ増加するとyは？");
  NewLine(44, 50, 0, "①");
  WaitAnyKey();
  Continue(3, "2ずつ増加する ");
  NewLine(44, 50, 0, "②");
  WaitAnyKey();
  Continue(3, "減少のしかたが一定ではない");
  NewLine(44, 50, 0, "③");
  WaitAnyKey();
  Continue(3, "1ずつ増加する ");
  WaitAnyKey();

  // (3) y when x becomes 2 times, 3 times.
  NewLine(0, 70, 0, "(3)xが２倍、３倍…となると、yは？");
  NewLine(44, 50, 0, "①");
  WaitAnyKey();
  Continue(3, "２倍、３倍…となる");
  NewLine(44, 80, 0, "②");
  WaitAnyKey();
  Continue(3, "ﾀ1/2ﾀ倍、ﾀ1/3ﾀ倍…となる");
  NewLine(44, 80, 0, "③");
  WaitAnyKey();
  Continue(3, "一定ではない");
}

}  // namespace lessons
