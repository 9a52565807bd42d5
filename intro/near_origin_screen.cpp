// Unit 4, screen ③ "原点付近": y = x² for x from -1 to 1 in tenths, a plane
// read in tenths, the 21 table points and then the curve in fine dots.
#include <string>
#include <vector>

#include "intro/palisteo.h"

namespace lessons {

namespace {

// A row of the table: its head, then one cell per text.
void NearOriginRow(Palisteo& L, Num top, int headColour, const char* head, int cellColour,
                   const std::vector<std::string>& texts) {
  L.CellStyle(55, 0, 15, headColour);
  L.DSM1 = L.B1, L.DSM2 = top;
  L.Cell(94, head);
  for (const std::string& text : texts) {
    L.CellStyle(55, 0, 15, cellColour);
    L.Cell(94, text);
  }
}

void NearOriginDot(Palisteo& L, Num x, Num y, Num radius) {
  L.KAKUDAI = x;
  L.SENTAKU = y;
  L.DOTRADIUS = radius, L.TKAI2 = 3;
  L.ZY0_s = "";
  L.JYOU = 0, L.LABELDY = 0;
  L.PlotLabelledPoint();
}

}  // namespace

void Palisteo::NearOriginScreen() {
  WipeScreen(1320, 1300);
  B1 = 30, B2 = 20;
  rt.SetDrawWidth(0, 5);
  XSTEP = 1, GGX = 1;

  // The plane: one grid step stands for 0.1 on both axes.
  A41 = 440, I = 260;
  XI2 = -10, B3 = 10, B4 = -1, X = 11;
  NO = 30, SIZE = 14, N = -1;
  DrawCoordinatePlane();
  struct Label {
    Num x, y;
    const char* text;
  };
  // Each on its ground: the x labels under the axis, the ends' just outside
  // the plane's edges; the y labels left of the axis, on their lines.
  const Label labels[] = {
      {GY0 - NO - 15, R, "-1"},  {GY0 + 3 * NO, R, "-0.5"},         {X8 + 4 * NO, R, "0.5"},
      {GY1 + 2, R, "1"},         {X8 - 2.8f * NO, ZX + 5.2f * NO, "0.5"}, {X8 - NO, ZX + 10, "1"},
  };
  for (const Label& l : labels) {
    YMOTO = 0;
    GroundedText(l.x, l.y, l.text, 3, 3, CInt(YMOTO));
  }

  // The table: x = -1 to -0.1 and 0 to 1, their y rows empty.
  const Num row2 = B2 + 55, row4 = B2 + 165;
  std::vector<std::string> negatives, positives;
  for (int k = -10; k <= -1; ++k) negatives.push_back(DecimalText(static_cast<Num>(k) / 10));
  for (int k = 0; k <= 10; ++k) positives.push_back(DecimalText(static_cast<Num>(k) / 10));
  NearOriginRow(*this, B2, 0, "x", 0, negatives);
  NearOriginRow(*this, row2, 3, "y", 3, std::vector<std::string>(10));
  NearOriginRow(*this, B2 + 110, 0, "x", 0, positives);
  NearOriginRow(*this, row4, 3, "y", 3, std::vector<std::string>(11));
  WaitAnyKey();

  // The y values one per key, each cell drawn again with its square.
  YI1 = B1 + 94;
  for (int k = 10; k >= 1; --k) {
    CellStyle(55, 0, 15, 3);
    DSM1 = YI1, DSM2 = row2;
    Cell(94, DecimalText(static_cast<Num>(k * k) / 100));
    YI1 = DSM1;
    WaitAnyKey();
  }
  YI1 = B1 + 94;
  for (int k = 0; k <= 10; ++k) {
    CellStyle(55, 0, 15, 3);
    DSM1 = YI1, DSM2 = row4;
    Cell(94, DecimalText(static_cast<Num>(k * k) / 100));
    YI1 = DSM1;
    WaitAnyKey();
  }
  WaitAnyKey();

  // The table's points at ten times their values, then the curve.
  for (int k = -10; k <= 10; ++k) {
    NearOriginDot(*this, static_cast<Num>(k), static_cast<Num>(k * k) / 10, 8);
    WaitAnyKey();
  }
  WaitAnyKey();
  for (int k = -100; k <= 100; ++k)
    NearOriginDot(*this, static_cast<Num>(k) / 10, static_cast<Num>(k * k) / 1000, 1);
}

}  // namespace lessons
