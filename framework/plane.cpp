// The coordinate plane: grid lines, heavy lines with their index numbers,
// the axes and the letters "x", "y" and "0". It leaves the plane's origin,
// edges and label size for the axis labels, points, graphs and lessons.
// Every label stands on a white ground, so that no line runs through it.
#include <algorithm>
#include <cmath>

#include "framework/figure_util.h"
#include "framework/fill_box.h"
#include "framework/lesson.h"

namespace lessons {

namespace {

// Whether the grid index k, taken as an integer, is a multiple of 5.
bool HeavyIndex(Num k) { return CInt(k) % 5 == 0; }
}  // namespace

namespace {

// Measures what a text routine puts down for KKAI$ at (DSM1, DSM2), drawing
// nothing, and leaves the typesetter's state as it was found (also when the
// routine fails).
Measured MeasuredText(Lesson& L, const std::function<void()>& set) {
  const Num x = L.DSM1, y = L.DSM2, x1 = L.X1, raised = L.TBSIYAKX, radical = L.SIZE1;
  const Num over = L.AY, part = L.RTASKAI1, width = L.NASI;
  const std::string text = L.KKAI_s, a = L.A_s;
  auto restore = [&] {
    L.DSM1 = x, L.DSM2 = y, L.X1 = x1, L.TBSIYAKX = raised, L.SIZE1 = radical, L.AY = over;
    L.RTASKAI1 = part, L.NASI = width, L.KKAI_s = text, L.A_s = a;
  };
  Measured m;
  try {
    m = L.rt.Measure(set);
  } catch (...) {
    restore();
    throw;
  }
  restore();
  return m;
}

}  // namespace

InkBox Lesson::InkOf(const std::function<void()>& set) { return MeasuredText(*this, set).ink; }

InkBox Lesson::CellsOf(const std::function<void()>& set) { return MeasuredText(*this, set).cells; }

Measured Lesson::MeasureOf(const std::function<void()>& set) { return MeasuredText(*this, set); }

void Lesson::OnGround(const std::function<void()>& set) {
  const Measured m = MeasuredText(*this, set);
  LabelGround(m.cells, m.ink);
  set();
}

Num Lesson::PlaneX(Num u) const { return figure.drawn ? figure.X(u) : X8 + NO * u / XSTEP; }
Num Lesson::PlaneY(Num v) const { return figure.drawn ? figure.Y(v) : R - NO * v / GGX; }

std::string Lesson::StrippedNumberText(Num v) {
  A_s = Str(v);
  StripSpaces();
  return A_s;
}

void Lesson::DrawCoordinatePlane() {
  YI3 = static_cast<Num>(rt.GetDrawWidth(0));
  const int callerBold = rt.FontBold() ? -1 : 0;  // the numbers keep the caller's weight

  if (XSTEP == 0) XSTEP = 1;
  else if (XSTEP < 0) XSTEP = std::fabs(XSTEP);
  if (GGX == 0) GGX = 1;
  else if (GGX < 0) GGX = std::fabs(GGX);

  // From here on the ranges are grid indices.
  XI2 = XI2 / XSTEP;
  B3 = B3 / XSTEP;
  B4 = B4 / GGX;
  X = X / GGX;

  if (A41 == 0 && I == 0) {
    A41 = 640;
    I = 180;
  }

  X8 = A41 + NO * std::fabs(XI2);
  R = I + NO * X;
  GY0 = A41;
  ZX = I;
  GY1 = X8 + NO * B3;
  ZY = R + NO * std::fabs(B4);

  NAGASA = NO < 40 ? 26 : 30;
  rt.SetFontSize(0, NAGASA);

  BeginFigure();

  // The index number of a heavy line: none at the origin or when N = -1.
  auto indexText = [&](Num k) {
    std::string text = StrippedNumberText(k);
    if (k == 0 || N == -1) text.clear();
    return text;
  };
  std::vector<AxisLabel> xLabels, yLabels;
  if (SIZE != 0) {
    // Thin lines half a unit before every index.
    CountedLoop(XI0, XI2, B3, 1, [&](Num k) {
      rt.SetDrawWidth(0, 1);
      Num x = X8 + NO * k - 0.5f;
      PlainLine(rt, x, ZX, x, ZY, 0);
    });
    CountedLoop(XI0, B4, X, 1, [&](Num k) {
      Num y = R - NO * k - 0.5f;
      PlainLine(rt, GY0, y, GY1, y, 0);
    });

    CountedLoop(XI0, XI2, B3, 1, [&](Num k) {
      if (!HeavyIndex(k)) return;
      rt.SetDrawWidth(0, 3);
      Num x = X8 + NO * k;
      PlainLine(rt, x, ZX, x, ZY, 1);
      std::string text = indexText(k);
      if (text.empty()) return;
      Num L = static_cast<Num>(Len(text));
      xLabels.push_back(AxisText(x - L * NAGASA / 2, R, text, 2, 1));
    });
    CountedLoop(XI0, B4, X, 1, [&](Num k) {
      if (!HeavyIndex(k)) return;
      rt.SetDrawWidth(0, 3);
      Num y = R - NO * k;
      PlainLine(rt, GY0, y, GY1, y, 1);
      std::string text = indexText(k);
      if (text.empty()) return;
      Num L = static_cast<Num>(Len(text));
      yLabels.push_back(AxisText(X8 - NAGASA * L, y - NAGASA / 2, text, 2, 1));
    });
  }

  // The axes.
  rt.SetDrawWidth(0, kAxisWidth);
  PlainLine(rt, X8, ZX, X8, ZY, 0);
  rt.SetDrawWidth(0, kAxisWidth);
  PlainLine(rt, GY0, R, GY1, R, 0);

  // "0" below the origin, left of the y axis, or in another of the cells
  // around the origin where nothing of the figure runs; then the numbers,
  // the "0" in their band.
  YMOTO = 0;
  rt.SetFontBold(0, -1);
  DSM1 = X8 - NAGASA;
  DSM2 = R;
  KKAI_s = "0";
  // (Left out where every place is crossed, as an axis number is.)
  const LabelPlace zero = PlaceLabel(figure, {LabelKind::kOrigin, rt.TextCells(DSM1, DSM2, KKAI_s, 2, 1),
                                              kLoosePart, {}, {}, rt.TextInk(DSM1, DSM2, KKAI_s, 2, 1)});
  figure.zeroGround = {};
  if (!zero.broken) {
    GroundedText(DSM1 + zero.offset.x, DSM2 + zero.offset.y, KKAI_s, 2, 1, CInt(YMOTO));
    figure.zeroGround = figure.grounds.back();
  }
  rt.SetFontBold(0, callerBold);
  PlaceAxisLabels(xLabels, true, figure.zeroGround);
  PlaceAxisLabels(yLabels, false);
  rt.SetFontBold(0, -1);

  // How far the letter "x" moves so that its ground stands a unit clear of
  // the plane's right edge and of the x axis.
  auto clearOf = [&](Num x, Num y, const std::string& text, int a, int b) {
    const InkBox ink = rt.TextInk(x, y, text, a, b).Joined(rt.TextCells(x, y, text, a, b));
    const Num room = 2 + 1 + kLabelMargin;
    ScreenPoint d;
    d.x = std::min(Num(0), GY1 - room - ink.x1);
    d.y = std::min(Num(0), R - room - ink.y1);
    return d;
  };

  // "x" above the right end of the x axis, in italic; when something of the
  // figure runs there, beyond the axis's end, level with it, or below the end.
  rt.SetFontName(0, "Times New Roman");
  rt.SetFontSize(0, 0.8f * NAGASA);
  rt.SetFontItalic(0, -1);
  DSM1 = GY1 - 0.8f * NAGASA;
  DSM2 = R - 1.5f * NAGASA;
  KKAI_s = "x";
  {
    const ScreenPoint d = clearOf(DSM1, DSM2, KKAI_s, 3, 2);
    const InkBox c = Moved(rt.TextCells(DSM1, DSM2, KKAI_s, 3, 2), d.x, d.y);
    const ScreenPoint beyond{GY1 + 2 + 1 + kLabelMargin - c.x0 + d.x, d.y + R - (c.y0 + c.y1) / 2};
    PlacedText(DSM1, DSM2, KKAI_s, 3, 2, LabelKind::kLetter,
               {d, beyond, {d.x, d.y + 2 * R - c.y0 - c.y1}});
  }

  // "y" at the top of the y axis, half a label cell right of it (clear of a
  // label that ends at the axis beside it); where that crosses the plane's
  // edge, as far right above the axis's end, just under the edge, or as far
  // left of it.
  rt.SetFontName(0, "ゴシック");
  rt.SetFontSize(0, NAGASA);
  rt.SetFontItalic(0, 0);
  DSM1 = X8;
  DSM2 = ZX - NAGASA / 2;
  KKAI_s = "y";
  {
    const InkBox c = rt.TextCells(DSM1 + NAGASA / 2, DSM2, KKAI_s, 2, 1);
    const Num clear = 2 + 1 + kLabelMargin, left = 2 * X8 - c.x0 - c.x1;
    const ScreenPoint above{0, ZX - clear - c.y1}, under{0, ZX + clear - c.y0};
    PlacedText(DSM1 + NAGASA / 2, DSM2, KKAI_s, 2, 1, LabelKind::kLetter,
               {{0, 0}, above, under, {left, 0}, {left, under.y}});
  }

  rt.SetFontBold(0, 0);
  rt.SetFontSize(0, 16);
  rt.SetDrawWidth(0, CInt(YI3));
  N = 0;
}

}  // namespace lessons
