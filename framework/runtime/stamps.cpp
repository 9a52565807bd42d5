#include "framework/runtime/stamps.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace lessons {

namespace {
// Discs up to this many device pixels across are stamped.
constexpr double kStampLimit = 48;
// Their centres are placed to an eighth of a pixel.
constexpr double kStampSteps = 8;
// This many stamps are kept; then the cache starts afresh.
constexpr size_t kStamps = 512;

// std::floor, and std::round of a number at least 0, as integers, for
// values well inside the range of long long (a dot's place), without
// branches: along a curve they go either way at random.
inline long long FloorInt(double v) {
  long long t = static_cast<long long>(v);
  return t - (static_cast<double>(t) > v);
}
inline long long RoundUpInt(double v) {
  long long t = static_cast<long long>(v);
  return t + (v - static_cast<double>(t) >= 0.5);
}

// The masks of a stamp from the A8 images of its fill and its outline (both
// `size` pixels a side).
DotStamps::Masks TakeMasks(cairo_surface_t* fill, cairo_surface_t* outline, int size) {
  DotStamps::Masks m;
  m.size = size;
  const unsigned char* f = cairo_image_surface_get_data(fill);
  const unsigned char* o = cairo_image_surface_get_data(outline);
  int fs = cairo_image_surface_get_stride(fill), os = cairo_image_surface_get_stride(outline);
  for (int y = 0; y < size; ++y) {
    const unsigned char* fr = f + static_cast<size_t>(y) * fs;
    const unsigned char* orow = o + static_cast<size_t>(y) * os;
    int first = 0, last = size;
    while (first < size && fr[first] == 0 && orow[first] == 0) ++first;
    while (last > first && fr[last - 1] == 0 && orow[last - 1] == 0) --last;
    if (first == last) continue;
    PixelRect& c = m.covered;
    c = c.Empty() ? PixelRect{first, y, last, y + 1}
                  : PixelRect{std::min(c.x0, first), c.y0, std::max(c.x1, last), y + 1};
    DotStamps::Masks::Row row;
    row.y = static_cast<int16_t>(y);
    row.filled = std::any_of(fr + first, fr + last, [](unsigned char k) { return k != 0; });
    for (int parity = 0; parity < 2; ++parity) {
      // Parity 1: column 0 lies in an odd column, so the pairs start at the
      // stamp's odd columns.
      int from = first - ((first & 1) != parity ? 1 : 0);
      row.from[parity] = static_cast<int16_t>(from);
      row.pairs[parity] = static_cast<int16_t>((last - from + 1) / 2);
      row.at[parity] = static_cast<uint32_t>(m.coverage.size());
      for (const unsigned char* mask : {fr, orow})
        for (int x = from; x < from + 2 * row.pairs[parity]; ++x)
          m.coverage.push_back(x >= first && x < last ? mask[x] : 0);
    }
    m.rows.push_back(row);
  }
  m.rows.shrink_to_fit();
  m.coverage.shrink_to_fit();
  return m;
}

// Two pixels as 16-bit lanes, blue, green, red, unused for each.
using PixelPair = uint16_t __attribute__((vector_size(16)));
using PixelPairBytes = uint8_t __attribute__((vector_size(8)));

// `p` with the colour `c` painted over it through the coverage `k` (the
// unused lanes of `k` are 0, which keeps those of `p`): c * k / 255 + p *
// (255 - k) / 255 lane by lane, each product rounded as pixman rounds it.
inline PixelPair Over(PixelPair p, PixelPair c, PixelPair k) {
  PixelPair s = c * k + 0x80;
  PixelPair d = p * (255 - k) + 0x80;
  return (((s >> 8) + s) >> 8) + (((d >> 8) + d) >> 8);
}

// The coverage of two pixels, `k[0]` and `k[1]`, as the lanes of a pair.
inline PixelPair Coverage(const unsigned char* k) {
  PixelPair out;
#ifdef __SSE2__
  __m128i v = _mm_cvtsi32_si128(k[0] | k[1] << 16);
  v = _mm_unpacklo_epi16(v, v);  // k0 k0 k1 k1
  v = _mm_unpacklo_epi32(v, v);  // k0 k0 k0 k0 k1 k1 k1 k1
  v = _mm_and_si128(v, _mm_set_epi16(0, -1, -1, -1, 0, -1, -1, -1));
  std::memcpy(&out, &v, 16);
#else
  uint64_t lanes = k[0] * 0x010101ull | (k[1] * 0x010101ull) << 32;
  PixelPairBytes bytes;
  std::memcpy(&bytes, &lanes, 8);
  out = __builtin_convertvector(bytes, PixelPair);
#endif
  return out;
}

inline PixelPair ColourPair(Rgb c) {
  return PixelPair{c.b, c.g, c.r, 0, c.b, c.g, c.r, 0};
}

// Two pixels of one colour as they lie in the image, without their unused
// bytes.
constexpr uint64_t kPairColours = 0x00FFFFFF00FFFFFFull;
inline uint64_t SameColourPair(Rgb c) {
  uint64_t one = uint64_t{c.r} << 16 | uint64_t{c.g} << 8 | c.b;
  return one | one << 32;
}
constexpr uint64_t kNoPair = ~0ull;  // never equal to a pair's colours

// Paints the pixel or the two pixels at `at` (`bytes` of them) first in `f`
// through the coverage `kf` (none when null), then in `o` through `ko`. Two
// pixels that are both `settled` (SameColourPair) are left as they are: the
// caller passes it only when painting leaves them so, as painting a colour
// over itself does through any coverage with this rounding.
inline void PaintPair(unsigned char* at, size_t bytes, PixelPair f, const unsigned char* kf,
                      PixelPair o, const unsigned char* ko, uint64_t settled = kNoPair) {
  uint64_t raw = 0;
  std::memcpy(&raw, at, bytes);
  if ((raw & kPairColours) == settled) return;
#ifdef __SSE2__
  // The same, with the bytes widened and narrowed in one instruction each.
  __m128i wide = _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(raw)), _mm_setzero_si128());
  PixelPair p;
  std::memcpy(&p, &wide, 16);
  if (kf) p = Over(p, f, Coverage(kf));
  p = Over(p, o, Coverage(ko));
  std::memcpy(&wide, &p, 16);
  raw = static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_packus_epi16(wide, wide)));
  std::memcpy(at, &raw, bytes);
#else
  PixelPairBytes pixels;
  std::memcpy(&pixels, &raw, 8);
  PixelPair p = __builtin_convertvector(pixels, PixelPair);
  if (kf) p = Over(p, f, Coverage(kf));
  p = Over(p, o, Coverage(ko));
  pixels = __builtin_convertvector(p, PixelPairBytes);
  std::memcpy(at, &pixels, bytes);
#endif
}

// Paints a stamp whose top-left corner lies at (left, top), clipped to the
// image: per pixel its fill colour through the fill's coverage, then its
// outline colour through the outline's, with the rounding of Cairo's own
// compositing (pixman's OVER of a solid colour through a mask). Two pixels
// at a time, in the pairs of the image's even and odd columns: the dots of
// a curve overlap, and a pair read where a pair was just written comes
// fastest. Coverage 0 leaves a pixel as it is.
void PaintStamp(unsigned char* data, int stride, int width, int height, const DotStamps::Masks& m,
                int left, int top, Rgb fill, Rgb outline) {
  const PixelPair f = ColourPair(fill), o = ColourPair(outline);
  // Pixels in the outline's colour already stay so, unless the fill paints
  // them in another colour first. (Along a traced curve most of a dot's
  // pixels were painted in full by the dots before it.)
  const uint64_t settled = SameColourPair(outline);
  const uint64_t settledWhenFilled = SameColourPair(fill) == settled ? settled : kNoPair;
  const int parity = left & 1;
  const bool inside = left >= 0 && top >= 0 && left + m.size + 1 <= width && top + m.size <= height;
  for (const DotStamps::Masks::Row& row : m.rows) {
    int y = top + row.y;
    if (y < 0 || y >= height) continue;
    int pairs = row.pairs[parity];
    int x = left + row.from[parity];  // even
    unsigned char* line = data + static_cast<size_t>(y) * stride;
    const unsigned char* kf = m.coverage.data() + row.at[parity];
    const unsigned char* ko = kf + 2 * pairs;
    if (inside) {
      unsigned char* at = line + static_cast<size_t>(x) * 4;
      if (row.filled)
        for (int i = 0; i < pairs; ++i)
          PaintPair(at + 8 * i, 8, f, kf + 2 * i, o, ko + 2 * i, settledWhenFilled);
      else
        for (int i = 0; i < pairs; ++i) PaintPair(at + 8 * i, 8, f, nullptr, o, ko + 2 * i, settled);
      continue;
    }
    // At an edge of the image: only the pixels inside it are painted.
    for (int i = 0; i < pairs; ++i, x += 2) {
      if (x + 1 < 0 || x >= width) continue;
      if (x < 0) {  // only the second pixel of the pair
        const unsigned char second[2][2] = {{kf[2 * i + 1], 0}, {ko[2 * i + 1], 0}};
        PaintPair(line, 4, f, second[0], o, second[1]);
      } else {
        PaintPair(line + static_cast<size_t>(x) * 4, x + 1 < width ? 8 : 4, f, kf + 2 * i, o, ko + 2 * i);
      }
    }
  }
}
}  // namespace

DotStamps::~DotStamps() {
  for (int pass = 0; pass < 2; ++pass) {
    if (scratchDrawers_[pass]) cairo_destroy(scratchDrawers_[pass]);
    if (scratch_[pass]) cairo_surface_destroy(scratch_[pass]);
  }
}

void DotStamps::Rescale(double pixelScale) {
  scale_ = pixelScale;
  Clear();
  lastSizes_ = {};  // their reach was in pixels of the old scale
}

// The masks are found by the disc's size and its centre's position within
// the pixel grid, to an eighth of a pixel.
bool DotStamps::Place(double x, double y, double rx, double ry, double width, int imageWidth,
                      int imageHeight, Placed& placed) {
  Size* sized = nullptr;
  for (Size& s : lastSizes_)
    if (s.rx == rx && s.ry == ry && s.width == width) sized = &s;
  if (!sized) {
    double reach = (std::max(rx, ry) + width) * scale_ + 2;
    if (2 * reach > kStampLimit) return false;
    sized = &lastSizes_[olderSize_];
    olderSize_ = (olderSize_ + 1) % lastSizes_.size();
    *sized = {};
    sized->rx = rx, sized->ry = ry, sized->width = width;
    sized->reach = reach;
    sized->size = static_cast<int>(std::ceil(2 * reach)) + 2;
    sized->first = FloorInt(reach * kStampSteps);
  }
  placed = {};
  const double dx = x * scale_, dy = y * scale_;
  // The square's corner, and the centre within it in eighths of a pixel.
  const long long left = FloorInt(dx - sized->reach), top = FloorInt(dy - sized->reach);
  // A disc wholly off the image shows nothing.
  if (left + sized->size <= 0 || top + sized->size <= 0 || left >= imageWidth || top >= imageHeight)
    return true;
  const long long ex = RoundUpInt((dx - static_cast<double>(left)) * kStampSteps);
  const long long ey = RoundUpInt((dy - static_cast<double>(top)) * kStampSteps);
  const long long ix = ex - sized->first, iy = ey - sized->first;
  const Masks** slot = nullptr;
  if (ix >= 0 && ix < kPlaces && iy >= 0 && iy < kPlaces)
    slot = &sized->masks[static_cast<size_t>(iy) * kPlaces + ix];
  const Masks* masks = slot ? *slot : nullptr;
  if (!masks)
    masks = Make(rx, ry, width, static_cast<double>(ex) / kStampSteps, static_cast<double>(ey) / kStampSteps,
                 sized->size);
  if (slot) *slot = masks;
  placed.masks = masks;
  placed.left = static_cast<int>(left);
  placed.top = static_cast<int>(top);
  const PixelRect& c = masks->covered;
  placed.covered = {std::max(0, placed.left + c.x0), std::max(0, placed.top + c.y0),
                    std::min(imageWidth, placed.left + c.x1), std::min(imageHeight, placed.top + c.y1)};
  return true;
}

void DotStamps::Paint(const PixelImage& image, const Placed& placed, Rgb fill, Rgb outline) {
  PaintStamp(image.data, image.stride, image.width, image.height, *placed.masks, placed.left, placed.top,
             fill, outline);
}

const DotStamps::Masks* DotStamps::Make(double rx, double ry, double width, double fx, double fy,
                                        int size) {
  Key key{rx, ry, width, fx, fy};
  auto found = cache_.find(key);
  if (found != cache_.end()) return &found->second;
  if (cache_.size() >= kStamps) Clear();
  // Both masks are drawn in two scratch images, kept for the next disc.
  const int side = static_cast<int>(kStampLimit) + 4;  // at least `size`
  for (int pass = 0; pass < 2; ++pass) {
    if (!scratch_[pass]) {
      scratch_[pass] = cairo_image_surface_create(CAIRO_FORMAT_A8, side, side);
      scratchDrawers_[pass] = cairo_create(scratch_[pass]);
    }
    cairo_surface_t* mask = scratch_[pass];
    cairo_t* m = scratchDrawers_[pass];
    cairo_surface_flush(mask);
    std::memset(cairo_image_surface_get_data(mask), 0, static_cast<size_t>(cairo_image_surface_get_stride(mask)) * side);
    cairo_surface_mark_dirty(mask);
    // Device pixels as on the canvas, the centre at (fx, fy).
    cairo_identity_matrix(m);
    cairo_translate(m, fx, fy);
    cairo_scale(m, scale_, scale_);
    EllipsePath(m, 0, 0, rx, ry);
    cairo_set_source_rgba(m, 0, 0, 0, 1);
    if (pass == 0) cairo_fill(m);
    else StrokeCoverage(m, 0, 0, PastCentre(rx, ry, width), width);
    cairo_surface_flush(mask);
  }
  return &cache_.emplace(key, TakeMasks(scratch_[0], scratch_[1], size)).first->second;
}

void DotStamps::Clear() {
  cache_.clear();
  for (Size& s : lastSizes_) s.masks.fill(nullptr);
}

double DotStamps::PastCentre(double rx, double ry, double width) {
  return std::max(0.0, width / 2 - std::max(rx, ry));
}

void DotStamps::StrokeCoverage(cairo_t* cr, double x, double y, double past, double width) {
  cairo_set_source_rgba(cr, 0, 0, 0, 1);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  if (past <= 0) return;
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_arc(cr, x, y, past, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void DotStamps::EllipsePath(cairo_t* cr, double x, double y, double rx, double ry) {
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  if (rx > 0 && ry > 0) {
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  }
  cairo_restore(cr);
  cairo_close_path(cr);
}

}  // namespace lessons
