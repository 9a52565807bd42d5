// The canvas's text: placing each character of a text in its face (or in a
// Gothic cell when the face lacks it), and with that drawing the text,
// measuring how far it moves the pen and where its ink lies.
#include "framework/runtime/canvas.h"

#include <algorithm>
#include <cmath>

#include "framework/basic.h"
#include "framework/runtime/fonts.h"

namespace lessons {

namespace {
bool Finite(double v) { return std::isfinite(v); }
}  // namespace

std::vector<Canvas::Placed> Canvas::Place(std::string_view text, double cellWidth,
                                          double cellHeight, const FontSpec& font) {
  FaceKind kind = FaceKindOf(font.face);
  const Face& own = GetFace(kind, font.bold, font.italic);
  // Where the baseline of a proportional face lies, as a fraction of b*s
  // below y: at the font's ascent, except for the small italic letters
  // that the typesetters magnify (Times New Roman below size 12), which
  // stand 1.15 b*s below y, on the line of the Gothic text beside them.
  const bool magnified = kind == FaceKind::kSerif && font.size < 12;
  double ownBaseline = magnified ? 1.15 : own.ascent;
  const Face& gothic = GetFace(FaceKind::kGothic, font.bold, font.italic);
  std::vector<Placed> placed;
  const std::vector<std::string> chars = Chars(text);
  placed.reserve(chars.size());
  for (const std::string& ch : chars) {
    uint32_t code = static_cast<uint32_t>(Asc(ch));
    if (kind == FaceKind::kExtra && code == 'l') code = 0x2113;  // the script ell
    Placed p{&own, kind == FaceKind::kGothic, code, 0, ownBaseline};
    if (!own.Has(code)) {
      p.face = &gothic;
      p.cells = true;
    }
    if (p.cells) {
      p.advance = cellWidth * (CharByteLen(ch) == 2 ? 1.0 : 0.5);
      p.baseline = p.face->ascent;
    } else if (code >= 0x20) {
      UseFace(p, cellWidth, cellHeight);
      cairo_text_extents_t e;
      cairo_text_extents(cr_, Chr(static_cast<int>(code)).c_str(), &e);
      p.advance = e.x_advance;
      // An italic letter leans out of its advance, its top to the right,
      // into the next character. Its ink is centred in the room it has,
      // narrowed when wider than the room less a 4 % margin on either side.
      // The room is its advance; the magnified letters have the room that
      // the typesetters leave them: a third of a*s, from a twentieth of a*s
      // before x (27 units from 4 before x for (10, 7) at size 8).
      if (font.italic && e.width > 0) {
        const double from = magnified ? -cellWidth / 20 : 0;
        const double room = magnified ? cellWidth / 3 : p.advance;
        p.narrow = std::min(1.0, 0.92 * room / e.width);
        p.shift = from + room / 2 - p.narrow * (e.x_bearing + e.width / 2);
      }
    }
    placed.push_back(p);
  }
  return placed;
}

void Canvas::UseFace(const Placed& p, double cellWidth, double cellHeight) {
  cairo_set_font_face(cr_, p.face->cairo);
  cairo_matrix_t m;
  if (p.cells) cairo_matrix_init_scale(&m, cellWidth, cellHeight);
  else cairo_matrix_init_scale(&m, cellHeight * p.narrow, cellHeight);
  cairo_set_font_matrix(cr_, &m);
}

double Canvas::Text(double x, double y, std::string_view text, int a, int b, int colour,
                    const FontSpec& font) {
  double s = font.size;
  if (!Finite(x) || !Finite(y) || !Finite(s)) return x;
  double cellWidth = a * s, cellHeight = b * s;  // a double-byte cell; single-byte is half as wide
  bool drawable = cellWidth > 0 && cellHeight > 0 && cellHeight < kFar && cellWidth < kFar;
  // Nothing of a line that lies wholly above or below the visible area shows.
  if (!drawable || y + 2 * cellHeight < 0 || y - cellHeight > kHeight) return x;
  TellCairo();
  SetColour(colour);
  double pen = x;
  for (const Placed& p : Place(text, cellWidth, cellHeight, font)) {
    if (p.code >= 0x20 && pen < kWidth + cellWidth && pen + p.advance > -cellWidth) {
      UseFace(p, cellWidth, cellHeight);
      cairo_move_to(cr_, pen + p.shift, y + cellHeight * p.baseline);
      cairo_show_text(cr_, Chr(static_cast<int>(p.code)).c_str());
    }
    pen += p.advance;
  }
  MarkDirty(x, y, pen, y + cellHeight, 0.5 * cellHeight + 2);
  cairo_new_path(cr_);
  return pen;
}

std::vector<Canvas::Box> Canvas::TextInk(double x, double y, std::string_view text, int a, int b,
                                         const FontSpec& font) {
  double cellWidth = a * font.size, cellHeight = b * font.size;
  if (!Finite(x) || !Finite(y) || !(cellWidth > 0 && cellHeight > 0 && cellWidth < kFar &&
                                    cellHeight < kFar))
    return std::vector<Box>(Chars(text).size());
  std::vector<Box> ink;
  double pen = x;
  for (const Placed& p : Place(text, cellWidth, cellHeight, font)) {
    Box box;
    if (p.code > 0x20 && p.code != 0x3000) {  // blanks show no ink (nor an emboldened one)
      UseFace(p, cellWidth, cellHeight);
      cairo_text_extents_t e;
      cairo_text_extents(cr_, Chr(static_cast<int>(p.code)).c_str(), &e);
      double left = pen + p.shift + e.x_bearing, base = y + cellHeight * p.baseline;
      if (e.width > 0 && e.height > 0)
        box = {left, base + e.y_bearing, left + e.width, base + e.y_bearing + e.height};
    }
    ink.push_back(box);
    pen += p.advance;
  }
  return ink;
}

double Canvas::TextAdvance(std::string_view text, int a, int b, const FontSpec& font) {
  double cellWidth = a * font.size, cellHeight = b * font.size, pen = 0;
  if (!(cellWidth > 0 && cellHeight > 0 && cellWidth < kFar && cellHeight < kFar)) return 0;
  for (const Placed& p : Place(text, cellWidth, cellHeight, font)) pen += p.advance;
  return pen;
}

}  // namespace lessons
