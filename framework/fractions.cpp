// Stacked fractions: numerator over a bar over the denominator, both centred
// on the wider part, at the smaller fraction-part metrics.
#include <string>

#include "framework/lesson.h"

namespace lessons {

void Lesson::DrawStackedFraction() {
  // Everything needed after the measuring is kept in locals: the measuring
  // runs the typesetter again, which overwrites the shared variables.
  const Num x = DSM1, y = DSM2;
  const std::string content = A_s;
  const int colour = CInt(YMOTO);
  DS4 = x;

  const bool hasRadical = InStr(content, "!") > 0 || InStr(content, "√") > 0;

  // Split at the first "/". A content without one is all numerator.
  const int slash = InStr(content, "/");
  const std::string numerator = slash > 0 ? Left(content, slash - 1) : content;
  const std::string denominator = slash > 0 ? Mid(content, slash + 1) : std::string();
  ZX3_s = numerator;
  TII_s = denominator;

  // Each part is measured and drawn from the typesetter state found here, so
  // that both passes advance alike and nothing a measurement leaves (an
  // overline start at y 1800) reaches the visible pass. An exponent or small
  // raised mark pending before the fraction waits for the glyph after it.
  const Num pendingX1 = X1, pendingRaised = TBSIYAKX, radicalState = SIZE1, overlineStart = AY;
  auto startPart = [&] {
    X1 = 0;
    TBSIYAKX = 0;
    SIZE1 = radicalState;
    AY = overlineStart;
  };

  auto measure = [&](const std::string& part) {
    startPart();
    DSM1 = x;
    DSM2 = y;
    A_s = part;
    RTASKAI1 = 1;
    MeasureMathText();
    return NASI;
  };
  const Num numWidth = measure(numerator);
  const Num denWidth = measure(denominator);
  RTASKAI1 = 0;
  KAKKO = numWidth;
  KJ3 = denWidth;

  const Num width = numWidth >= denWidth ? numWidth : denWidth;
  const Num numIndent = (width - numWidth) / 2;
  const Num denIndent = (width - denWidth) / 2;
  ITI1 = width;
  BUN = numIndent;
  BY = denIndent;

  // The bar; the measuring left the caller's pen width in YI3.
  rt.SetDrawWidth(0, 4);
  rt.DrawLine(0, 0, x, y + 25, 1, width, 0, -1, colour, 0, colour, -1, 7);
  rt.SetDrawWidth(0, CInt(YI3));
  if (radicalState == 22) {
    // The stretch of an open "#" radicand's overline that spans the fraction.
    rt.SetDrawWidth(0, 3);
    rt.DrawLine(0, 0, x, y - 14, 1, width, 0, -1, colour, 0, colour, -1, 7);
    rt.SetDrawWidth(0, CInt(YI3));
  }

  Num denTop = y + 28;
  if (InStr(denominator, "√") > 0 || InStr(denominator, "^") > 0) denTop = y + 36;
  if (hasRadical) denTop += 8;

  startPart();
  DSM1 = x + denIndent;
  DSM2 = denTop;
  RTASKAI1 = 1;
  A_s = denominator;
  DrawMathGlyphs();

  startPart();
  DSM1 = x + numIndent;
  DSM2 = y - 10;
  RTASKAI1 = 1;
  A_s = numerator;
  DrawMathGlyphs();

  RTASKAI1 = 0;
  X1 = pendingX1;
  TBSIYAKX = pendingRaised;
  DSM1 = x + width;
  DSM2 = y;
}

}  // namespace lessons
