// The ball on the slope and the falling ball: the two animations and the two
// pictures of the ball's positions that the rolling-ball unit's screens show.
//
// The slope runs from (GY5(31), PTY(31)) down to (GY5(32), PTY(32)) at the
// angle B; the fall column has its corners in the same elements and the
// falling ball starts at (GY5(33), PTY(33)).
#include <cmath>

#include "intro/palisteo.h"

namespace lessons {

namespace {
constexpr Num kBallRadius = 25;
constexpr Num kFallRadius = 16;
}  // namespace

// Puts the point at distance d down the slope into (GY5(1), PTY(1)).
void Palisteo::PlaceOnSlope(Num d) {
  GY5(1) = GY5(31) + d * std::cos(B);
  PTY(1) = PTY(31) - d * std::sin(B);
}

// The slope: a block filled with colour 13 under the slope line.
void Palisteo::DrawSlopeBlock(int lineColour) {
  rt.DrawPolyline(0,
                  {{0, PTY(31)}, {GY5(31), PTY(31)}, {GY5(32), PTY(32)}, {0, PTY(32)}, {0, PTY(31)}},
                  lineColour, 1, 13);
}

// Wipes the band in which the slope and its balls are drawn.
void Palisteo::WipeSlopeBand() {
  FillRect(0, PTY(31) - 48 - 5, 1440, 288, 15, 15);
}

// A ball standing on the slope at the contact point (GY5(1), PTY(1)).
void Palisteo::DrawBallOnSlope(int colour) {
  rt.DrawCircle(0, 0, GY5(1), PTY(1) - kBallRadius, kBallRadius, colour, 1, 0, 0, 1, -1, 3, 3);
}

void Palisteo::AnimateRollingBall() {
  for (A1 = 1; A1 <= 110; A1 += 1) {
    WipeSlopeBand();
    DrawSlopeBlock(0);
    Num t = A1 / 20;
    PlaceOnSlope(t * t * 50);
    DrawBallOnSlope(14);
    // The turning mark: a short arc inside the ball, a quarter step on per frame.
    Num s = static_cast<Num>(CInt(A1) % 4) * 0.3f;
    Num e = s + 0.25f;
    if (e > 1) e = e - 1;
    rt.DrawCircle(0, 0, GY5(1), PTY(1) - kBallRadius, 15, 13, 1, s, e, 0, -1, 0, 0);
    rt.Pause(3);
  }
}

void Palisteo::DrawRollingBallPositions() {
  WipeSlopeBand();
  DrawSlopeBlock(15);
  for (A1 = 0; A1 <= 5; A1 += 1) {
    PlaceOnSlope(A1 * A1 * 46);
    DrawBallOnSlope(14);
    Num x = GY5(1), y = PTY(1);
    // Where the two labels go: most stand under the ball, the distance a
    // little apart from the time; the second ball's go lower (it is close to
    // the first), the last one's above the slope.
    Num dx = -22, timeDy = 8, distanceDy = 56;
    if (A1 == 1) {
      dx = -16, timeDy = 100, distanceDy = 150;
    } else if (A1 == 5) {
      dx = -88, timeDy = -100, distanceDy = -10;
    }
    if (A1 == 0) {
      KKAI_s = "0秒";
    } else {
      A_s = Str(A1 / 10);
      StripSpaces();
      KKAI_s = "0" + A_s + "秒";
    }
    YMOTO = 3, DSM1 = x + dx, DSM2 = y + timeDy;
    PrintMathText();
    if (A1 == 0) {
      KKAI_s = "0m";
    } else {
      A_s = Str(2 * A1 * A1 / 100);
      StripSpaces();
      KKAI_s = "0" + A_s + "m";
    }
    YMOTO = 0, DSM1 = x + dx, DSM2 = y + distanceDy;
    PrintMathText();
  }
}

// The fall column: a black box between the corners (GY5(31), PTY(31)) and
// (GY5(32), PTY(32)).
void Palisteo::DrawFallColumn() {
  rt.DrawLine(0, 0, GY5(31), PTY(31), 0, GY5(32), PTY(32), 0, 15, 2, 0, 0, 15);
}

void Palisteo::DrawFallingBallAtRest() {
  rt.DrawCircle(0, 0, GY5(33), PTY(33), kFallRadius, 15, 1, 0, 0, 1, -1, 9, 3);
}

// The falling ball after falling f units from its start.
void Palisteo::DrawFallingBall(Num f) {
  GY5(1) = GY5(33);
  PTY(1) = PTY(33) + f;
  rt.DrawCircle(0, 0, GY5(1), PTY(1) - kFallRadius, kFallRadius, 15, 1, 0, 0, 1, -1, 9, 3);
}

void Palisteo::AnimateFallingBall() {
  DrawFallColumn();
  DrawFallingBallAtRest();
  // 35 steps of 16 units fallen in 30 frames, growing with the square of time.
  for (A1 = 0; A1 <= 30; A1 += 1) {
    DrawFallColumn();
    DrawFallingBall(4.9f * (A1 * A1) * 16 * 35 / (30 * 30 * 4.9f));
    rt.Pause(10);
  }
}

void Palisteo::DrawFallingBallPositions() {
  DrawFallColumn();
  DrawFallingBallAtRest();
  for (A1 = 0; A1 <= 6; A1 += 1) DrawFallingBall(4.9f * (A1 * A1) * 16 * 35 / (6 * 6 * 4.9f));
}

}  // namespace lessons
