// The tank of unit 3 seen from the front: its bottom rises in two steps
// towards the left, a tap pours at the top right, a scale marks 10, 20 and
// 30 cm on the left wall (1 cm is 10 units). The filling shows one frame per
// 15 seconds of pouring: 10 cm in 3 minutes over one floor section, the next
// 10 cm in 6 minutes over two, the last 10 cm in 9 minutes over all three.
// Every line and box is drawn at the pen width in force.
#include "applications/orvenna.h"
#include "framework/figure_util.h"
#include "framework/fill_box.h"

namespace lessons {

namespace {
// The empty part of the tank is white like the page (air), the water and the
// stream blue, the floor steps green. The ticks are black, which shows on all
// three. The scale labels stand outside the left wall, level with their
// marks, where their grounds cover nothing of the tank; the time text is
// black on a white ground just behind its ink, which keeps the water's
// surface off it.
constexpr int kAirColour = kBackground;
constexpr int kWaterColour = 1;
constexpr int kFloorColour = 2;
constexpr int kTickColour = 0;
constexpr int kTextColour = 0;

// A text of the tank with its top-left at (x, y), on its ground.
void TankText(Lesson& L, Num x, Num y, const std::string& text) {
  L.YMOTO = kTextColour;
  L.DSM1 = x;
  L.DSM2 = y;
  L.KKAI_s = text;
  L.OnGround([&L] { L.PrintMathText(); });
}
}  // namespace

void Orvenna::SetStairTankGeometry() {
  GY5(31) = 840;            // left wall
  GY5(32) = GY5(31) + 360;  // right wall
  GY5(34) = GY5(32);        // the tap's stem and handle are measured from here
  GX3(31) = GY5(31);        // left edges of the three floor sections
  GX3(32) = GX3(31) + 120;
  GX3(33) = GX3(32) + 120;
  PTY(31) = 600;            // bottom (the lowest floor)
  PTY(32) = PTY(31) - 320;  // top edge
  PTY(33) = PTY(32) - 16;   // top of the tap's pipe
  GY3(31) = PTY(32) + 120;  // floors from left to right: 20, 10 and 0 cm up
  GY3(32) = GY3(31) + 100;
  GY3(33) = GY3(32) + 100;
}

void Orvenna::DrawTankTap() {
  // The pipe runs left from the right wall's line and turns down into a
  // mouth 8 wide that reaches the top edge; the fill closes it.
  rt.DrawPolyline(0,
                  {{GY5(32), PTY(33)},
                   {-72, 0, true},
                   {0, 16, true},
                   {8, 0, true},
                   {0, -8, true},
                   {64, 0, true}},
                  0, 1, 3);
  FillBox(rt, GY5(34) - 40, PTY(33), GY5(34) - 48, PTY(33) - 8, 0, 14);       // stem
  FillBox(rt, GY5(34) - 32, PTY(33) - 8, GY5(34) - 56, PTY(33) - 12, 0, 14);  // handle
}

void Orvenna::DrawTankStepsAndScale() {
  // The solid part under the two raised floors.
  rt.DrawPolyline(0,
                  {{GX3(31), GY3(31)},
                   {GX3(32), GY3(31)},
                   {GX3(32), GY3(32)},
                   {GX3(33), GY3(32)},
                   {GX3(33), GY3(33)},
                   {GX3(31), GY3(33)},
                   {GX3(31), GY3(31)}},
                  0, 1, kFloorColour);
  TITLE_s(1) = "10 ";
  TITLE_s(2) = "20";
  TITLE_s(3) = "30";
  // A tick every 2 cm, a longer mark and its label every 10 cm.
  for (XI0 = 2; XI0 <= 15; XI0++) {
    const Num y = PTY(31) - 20 * (XI0 - 1);
    PlainLine(rt, GY5(31) + 4, y, GY5(31) + 20, y, kTickColour);
  }
  for (XI0 = 1; XI0 <= 3; XI0++) {
    const Num y = PTY(31) - 100 * XI0;
    PlainLine(rt, GY5(31) + 4, y, GY5(31) + 26, y, 13);
    TankText(*this, GY5(31) - 62, y - 20, TITLE_s(XI0));
  }
}

void Orvenna::DrawWaterStream() {
  // From the tap's mouth at the top edge, widening down to the right floor.
  const Num right = GY5(32), bottom = PTY(31) - 4, top = PTY(32);
  rt.DrawPolyline(0,
                  {{right - 96, bottom},
                   {right - 32, bottom},
                   {right - 64, top},
                   {right - 72, top},
                   {right - 96, bottom}},
                  kWaterColour, 1, kWaterColour);
}

// Not erased here: the next picture of the tank's inside covers it.
void Orvenna::DrawTankClock() {
  TankText(*this, GY5(31) + 90, PTY(31) - 260, A1_s(1) + "分" + A1_s(2) + "秒");
}

void Orvenna::DrawTankOutline() {
  rt.DrawLine(0, 0, GY5(31), PTY(31), 0, GY5(32), PTY(32), -1, 0, 1, 0, -1, 7);
}

// The inside wipes the water, stream and time text of the picture before;
// the floor steps drawn last cover the water where the floor is raised.
void Orvenna::DrawTankPicture(Num waterTop) {
  FillBox(rt, GY5(31), PTY(31), GY5(32), PTY(32), 0, kAirColour);
  if (waterTop < PTY(31))
    FillBox(rt, GY5(31), PTY(31), GY5(32), waterTop, kWaterColour, kWaterColour);
  DrawTankOutline();
  DrawTankStepsAndScale();
}

// The rise of 10 cm (100 units) takes 12, 24 and 36 frames as the water's
// surface is one, two and three floor sections wide.
Num Orvenna::TankWaterTop(Num frame) {
  if (frame <= 12) return PTY(31) - 8.333333f * frame;
  if (frame <= 36) return PTY(31) - 100 - 4.1666665f * (frame - 12);
  return PTY(31) - 200 - 2.7777777f * (frame - 36);
}

void Orvenna::FillStairTank() {
  for (XI1 = 1; XI1 <= 72; XI1++) {
    DrawTankPicture(TankWaterTop(XI1));
    DrawWaterStream();
    T(1) = Int(XI1 / 4);                // whole minutes
    T(2) = static_cast<Num>(CInt(XI1) % 4 * 15);  // seconds: 0, 15, 30 or 45
    NumbersToTextArrays();
    DrawTankClock();
    rt.Pause(20);
  }
  DrawTankOutline();
}

}  // namespace lessons
