// Value labels along the axes of the plane just drawn: the value k x step at
// every BB1-th x index and every BB2-th y index, with a "0" before the point
// of values below 1 and the point drawn as a small text of its own.
#include <algorithm>
#include <string>
#include <vector>

#include "framework/figure_util.h"
#include "framework/fill_box.h"
#include "framework/lesson.h"

namespace lessons {

namespace {
// Every how many indices a label stands: 5 unless a whole step of 1 or more
// is given.
void NormaliseLabelStep(Num& step) {
  if (CInt(step) < 1) step = 5;
}

bool LabelledIndex(Num k, Num every) { return k != 0 && CInt(k) % CInt(every) == 0; }
}  // namespace

void Lesson::DrawDecimalAxisLabels() {
  rt.SetFontSize(0, NAGASA);
  YMOTO = 0;

  // A label and its point (4 units lower than the digits), in cells `wide`
  // sixteenths of the usual width and as high as usual: its ink, its cells,
  // and how to draw it moved by (dx, dy).
  struct Drawn {
    InkBox ink, cells;
    AxisLabel label;
  };
  auto label = [&](Num x, Num y, const std::string& text, Num point, int wide) {
    const int a = wide == 16 ? 2 : wide, b = wide == 16 ? 1 : 8;
    const Num size = wide == 16 ? NAGASA : NAGASA / 8, bold = rt.FontBold() ? -1 : 0;
    rt.SetFontSize(0, size);
    const Num px = x + (NAGASA * point - 6) * wide / 16, py = y + 4;
    Drawn d{rt.TextInk(x, y, text, a, b), rt.TextCells(x, y, text, a, b), {}};
    if (point != 0) {
      d.ink = d.ink.Joined(rt.TextInk(px, py, ".", a, b));
      d.cells = d.cells.Joined(rt.TextCells(px, py, ".", a, b));
    }
    d.label = {d.cells, d.ink, [=, this](Num dx, Num dy) {
                 rt.SetFontSize(0, size);
                 rt.SetFontBold(0, static_cast<int>(bold));
                 rt.DrawText(0, 0, x + dx, y + dy, text, a, b, CInt(YMOTO));
                 if (point != 0) rt.DrawText(0, 0, px + dx, py + dy, ".", a, b, CInt(YMOTO));
                 rt.SetFontSize(0, NAGASA);
                 rt.SetFontBold(0, 0);
               }};
    rt.SetFontSize(0, NAGASA);
    return d;
  };
  // DSM1, DSM2 are left where the last label's point went (its usual width).
  auto place = [&](Num x, Num y) {
    DSM1 = x + (H != 0 ? NAGASA * H - 6 : 0);
    DSM2 = y + (H != 0 ? 4 : 0);
  };

  // x axis: centred under the grid line, the top 4 units below the axis.
  // When two of them, or one and the origin's "0", would come nearer to each
  // other than 0.6 of their height, they are narrowed by sixteenths (to half
  // at most) until none do, and the "0" with them, at the axis.
  struct Label {
    Num k;
    std::string text;
    Num point;
  };
  std::vector<Label> xs;
  NormaliseLabelStep(BB1);
  CountedLoop(XI0, XI2, B3, 1, [&](Num k) {
    HHP = k * XSTEP;
    FormatDecimalLabel();
    if (LabelledIndex(k, BB1)) xs.push_back({k, P1_s, H});
  });
  auto at = [&](const Label& l, int wide) {
    return X8 + NO * l.k - static_cast<Num>(Len(l.text)) * NAGASA * wide / 32;
  };
  // The "0" is narrowed with them when the plane put it below the x axis,
  // among them, and placed again: where it would go at each width.
  const InkBox zeroAt = figure.zeroGround;
  const bool zeroBeside = !zeroAt.Empty() && zeroAt.y0 > R;
  auto same = [&](const InkBox& o) {
    return o.x0 == zeroAt.x0 && o.y0 == zeroAt.y0 && o.x1 == zeroAt.x1 && o.y1 == zeroAt.y1;
  };
  if (zeroBeside) std::erase_if(figure.grounds, same);
  auto zero = [&](int wide) {
    rt.SetFontBold(0, -1);
    const Drawn z = label(X8 - NAGASA * wide / 16, R, "0", 0, wide);
    rt.SetFontBold(0, 0);
    return std::pair(z, PlaceLabel(figure, {LabelKind::kOrigin, z.cells, kLoosePart, {}, {}, z.ink}));
  };
  // (0.6 of their height between the inks, and as far apart as placing a
  // label asks of its neighbours in a row: that much less 6 between cells.)
  auto fits = [&](int wide) {
    std::vector<std::pair<InkBox, InkBox>> all;  // cells, ink
    if (zeroBeside) {
      const auto [z, p] = zero(wide);
      if (!p.broken)
        all.push_back({Moved(z.cells, p.offset.x, p.offset.y), Moved(z.ink, p.offset.x, p.offset.y)});
    }
    for (const Label& l : xs) {
      const Drawn d = label(at(l, wide), R + 4, l.text, l.point, wide);
      all.push_back({d.cells, d.ink});
    }
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.first.x0 < b.first.x0; });
    for (size_t i = 1; i < all.size(); ++i)
      if (all[i].second.x0 - all[i - 1].second.x1 < 0.6f * NAGASA ||
          all[i].first.x0 - all[i - 1].first.x1 < 0.6f * NAGASA - 6)
        return false;
    return true;
  };
  int wide = 16;
  while (wide > 8 && !fits(wide)) --wide;
  if (zeroBeside && wide == 16) {
    figure.grounds.push_back(zeroAt);
  } else if (zeroBeside) {
    // The plane's "0" wiped (its cell, short of the axes: what of it lies on
    // the y axis is black on black) and placed again, as narrow as they.
    WipeExactly(rt, zeroAt.x0, zeroAt.y0, zeroAt.x1, zeroAt.y1);
    const auto [z, p] = zero(wide);
    figure.zeroGround = {};
    if (!p.broken) {
      LabelGround(Moved(z.cells, p.offset.x, p.offset.y), Moved(z.ink, p.offset.x, p.offset.y));
      figure.zeroGround = figure.grounds.back();
      z.label.draw(p.offset.x, p.offset.y);
    }
  }
  std::vector<AxisLabel> xLabels;
  for (const Label& l : xs) xLabels.push_back(label(at(l, wide), R + 4, l.text, l.point, wide).label);
  PlaceAxisLabels(xLabels, true, figure.zeroGround);
  if (!xs.empty()) {
    H = xs.back().point;
    place(at(xs.back(), 16), R + 4);
  }

  // y axis: ending at the axis, centred on the grid line.
  NormaliseLabelStep(BB2);
  std::vector<AxisLabel> yLabels;
  CountedLoop(XI0, B4, X, 1, [&](Num k) {
    HHP = k * GGX;
    FormatDecimalLabel();
    if (!LabelledIndex(k, BB2)) return;
    const Num x = X8 - NAGASA * static_cast<Num>(Len(P1_s)), y = R - NO * k - NAGASA / 2;
    yLabels.push_back(label(x, y, P1_s, H, 16).label);
    place(x, y);
  });
  PlaceAxisLabels(yLabels, false);

  rt.SetFontSize(0, 16);
  BB1 = 5;
  BB2 = 5;
}

void Lesson::FormatDecimalLabel() {
  StrippedNumberText(HHP);
  P1_s = A_s;
  int point = InStr(A_s, ".");
  H = static_cast<Num>(point);
  if (point == 0) return;  // a whole value keeps its text

  // Digits before the point (after a minus sign) and after it. A value below
  // 1 has none before the point: a "0" takes their place.
  bool negative = HHP < 0;
  int minus = negative ? InStr(A_s, "-") : 0;
  std::string whole = Mid(A_s, minus + 1, point - minus - 1);
  std::string fraction = Mid(A_s, point + 1);
  std::string before = (negative ? "-" : "") + (whole.empty() ? std::string("0") : whole);
  P1_s = before + fraction;
  H = static_cast<Num>(Len(before));
}

}  // namespace lessons
