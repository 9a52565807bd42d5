// Unit 2, screen ④ "表": the table of the ball's distance y m after x
// seconds, revealed cell by cell, and the questions on it.
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::DrawDistanceTable() {
  GY5(1) = GY5(0) + 40;
  for (A1 = 2; A1 <= 7; A1 += 1) GY5(A1) = GY5(A1 - 1) + 90 + 8;
  for (A1 = 1; A1 <= 2; A1 += 1) PTY(A1) = PTY(A1 - 1) + 50;
  const char* xTexts[] = {"0", "0.1", "0.2", "0.3", "0.4", "0.5"};
  for (A1 = 0; A1 <= 5; A1 += 1) X_s(A1) = xTexts[CInt(A1)];

  CellStyle(50, 0, 15, 0);
  DSM1 = GY5(0), DSM2 = PTY(0);
  Cell(40, "x");
  for (A1 = 0; A1 <= 5; A1 += 1) {
    DSM1 = GY5(A1 + 1), DSM2 = PTY(0);
    Cell(GY5(A1 + 2) - GY5(A1 + 1), X_s(A1));
  }
  DSM1 = GY5(0), DSM2 = PTY(1);
  Cell(40, "y");
  for (A1 = 0; A1 <= 5; A1 += 1) {
    DSM1 = GY5(A1 + 1), DSM2 = PTY(1);
    Cell(GY5(A1 + 2) - GY5(A1 + 1), "");
  }
}

void Palisteo::DistanceTableScreen() {
  WipeScreen(1760, 1800);
  B1 = 30, B2 = 20;
  DrawRollingBallPositions();
  TextAt(30, 20, 7, "課1 x秒間にころがる距離をymとする。");
  TextAt(30, 70, 0, "(1)表を完成しなさい。");
  GY5(0) = 30, PTY(0) = 120;
  DrawDistanceTable();

  B1 = GY5(7) + 40, B2 = 20;
  TextAt(B1, B2, 0, "(2)xが2倍、3倍…");
  TextAt(B1 + 88, B2 + 50, 0, "となると、yは？");
  TextAt(B1, 170, 0, "(3)x=0.6のときyは？");
  const Num answer3 = DSM1;  // the answer of (3) follows its question
  TextAt(B1 - 220, 240, 0, "(4)yはxの関数といえる理由は？");
  WaitAnyKey();

  const char* yTexts[] = {"0", "0.02", "0.08", "0.18", "0.32", "0.50"};
  for (A1 = 0; A1 <= 5; A1 += 1) X_s(A1) = yTexts[CInt(A1)];
  for (A1 = 0; A1 <= 5; A1 += 1) {
    CellStyle(50, 0, 15, 3);
    DSM1 = GY5(A1 + 1), DSM2 = PTY(1);
    Cell(GY5(A1 + 2) - GY5(A1 + 1), X_s(A1));
    WaitAnyKey();
  }
  WaitAnyKey();

  TextAt(B1 + 88, 120, 3, "4倍,9倍,16倍,…");
  WaitAnyKey();
  TextAt(answer3, 170, 3, "0.72");
  WaitAnyKey();
  TextAt(566, 290, 3, "xの値を決めると、yの値が");
  TextAt(B1, 340, 3, "ただ1つに決まるから");
}

}  // namespace lessons
