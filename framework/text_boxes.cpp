// Text boxes: a filled, bordered rectangle with a markup text centred in it.
// Every box text is typeset twice: below the visible area to measure it, and
// in place.
#include <algorithm>
#include <string>

#include "framework/figure.h"
#include "framework/lesson.h"

namespace lessons {

namespace {

// Height a line of text counts for: more when it holds a stacked fraction
// (any "ﾀ", searched by characters).
Num LineHeight(const std::string& text) { return InStr(text, "ﾀ") > 0 ? 50 : 44; }

// The filled box, border in SIZE, inside in TKAI2, with the pen in force.
void DrawBox(Lesson& L, Num x0, Num y0) {
  L.rt.DrawLine(0, 0, x0, y0, 0, x0 + L.TANI, y0 + L.GX0, -1, CInt(L.SIZE), 2, CInt(L.TKAI2), 0, 15);
  // A figure's labels keep clear of the box and its border.
  const Num pen = static_cast<Num>(L.rt.GetDrawWidth(0)) / 2;
  L.figure.texts.push_back(Grown({x0, y0, x0 + L.TANI, y0 + L.GX0}, pen));
}

// Measures A$ and gives the x offset that centres it in a box TANI wide. A
// text wider than the box less its border and 3 units each side is narrowed
// to that, to half at most (textSqueeze, for the next Typeset).
Num CentreOffset(Lesson& L) {
  L.MeasureMathText();
  const Num room = L.TANI - static_cast<Num>(L.rt.GetDrawWidth(0)) - 6;
  if (L.NASI > room) L.textSqueeze = std::max(0.5f, room / L.NASI);
  const Num dx = (L.TANI - L.NASI * L.textSqueeze) / 2;
  return dx < 0 ? 0 : dx;
}

// Typesets `text` with its left end at (x, y), narrowed as CentreOffset said.
void Typeset(Lesson& L, Num x, Num y, const std::string& text) {
  L.DSM1 = x;
  L.DSM2 = y;
  L.KKAI_s = text;
  L.PrintMathText();
  L.textSqueeze = 1;
}

}  // namespace

void Lesson::DrawTextBox() {
  const Num x0 = DSM1, y0 = DSM2;
  const std::string text = A_s;
  const Num dx = CentreOffset(*this);
  const Num width = NASI;
  const Num dy = Int((GX0 - LineHeight(text)) / 2);
  DrawBox(*this, x0, y0);
  Typeset(*this, x0 + dx + CCC2, y0 + dy + CCC3, text);
  NASI = width;  // the parts of a fraction were measured again meanwhile
  CCC2 = 0;
  CCC3 = 0;
  DSM1 = x0 + TANI;
  DSM2 = y0;
}

void Lesson::DrawTextBoxAround() {
  // DSM2 is the top of the text line; the box is placed around it.
  const Num x0 = DSM1, y = DSM2;
  const std::string text = A_s;
  const Num dx = CentreOffset(*this);
  const Num width = NASI;
  const Num dy = Int((GX0 - 44) / 2);
  DrawBox(*this, x0, y - dy);
  Typeset(*this, x0 + dx, y, text);
  NASI = width;
  DSM1 = x0 + TANI;
  DSM2 = y;
}

void Lesson::DrawTwoLineTextBox() {
  const Num x0 = DSM1, y0 = DSM2;
  const std::string first = YY_s, second = T_s;

  A_s = first;
  const Num h1 = LineHeight(first);
  const Num dx1 = CentreOffset(*this);
  const Num dy1 = Int((GX0 / 2 - h1) / 2);
  DrawBox(*this, x0, y0);
  Typeset(*this, x0 + dx1, second.empty() ? y0 + dy1 + 25 : y0 + dy1, first);

  A_s = second;
  const Num h2 = LineHeight(second);
  const Num dx2 = CentreOffset(*this);
  const Num width2 = NASI;
  Typeset(*this, x0 + dx2, y0 + h2 + Int((GX0 / 2 - h2) / 2), second);
  NASI = width2;

  DSM1 = x0 + TANI;
  DSM2 = y0;
}

}  // namespace lessons
