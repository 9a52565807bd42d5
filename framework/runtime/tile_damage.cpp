#include "framework/runtime/tile_damage.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>

#include "framework/runtime/palette.h"

namespace lessons {

namespace {
// The tiles whose hashes TakeDamage compares: 16 pixels wide, 4 rows high.
constexpr int kTileWidth = 16;
constexpr int kTileHeight = 4;
constexpr unsigned char kDirty = 1;    // drawn over since the last TakeDamage
constexpr unsigned char kChanged = 2;  // ... and changed (while TakeDamage runs)
// The hash of a tile whose pixels were not read: no pixels hash to it.
constexpr uint64_t kUnknown = 0;
// When the tiles to read cover at least 1/kUnreadShare of the canvas, they
// are sent unread.
constexpr long long kUnreadShare = 8;
// At most this many rectangles are sent at a time.
constexpr size_t kMaxSentRects = 128;

// `n` pixels from `row` on set to `pixel`, sixteen bytes at a time.
void FillRow(uint32_t* row, int n, uint32_t pixel) {
  using Four = uint32_t __attribute__((vector_size(16)));
  const Four four = {pixel, pixel, pixel, pixel};
  int i = 0;
  for (; i + 16 <= n; i += 16) {
    std::memcpy(row + i, &four, 16);
    std::memcpy(row + i + 4, &four, 16);
    std::memcpy(row + i + 8, &four, 16);
    std::memcpy(row + i + 12, &four, 16);
  }
  for (; i + 4 <= n; i += 4) std::memcpy(row + i, &four, 16);
  for (; i < n; ++i) row[i] = pixel;
}

// The columns (or bands) of tiles wholly inside [from, to): [first, last).
std::pair<int, int> WholeTiles(int from, int to, int size, int limit) {
  int first = (from + size - 1) / size;
  int last = to >= limit ? (limit + size - 1) / size : to / size;  // a last, narrower tile
  return {first, std::max(first, last)};
}

// The hash of a block of pixels `w` wide and `h` high: four lanes of
// (lane + two pixels) * odd, lane ^= lane >> 29, joined at the end. Each step
// is a bijection of the lane, so blocks whose pixels differ in one lane (any
// single changed pixel) always hash differently; several changed pixels
// collide with odds of about 2^-64. The unused bytes do not count.
uint64_t HashPixels(const unsigned char* data, size_t stride, int w, int h) {
  constexpr uint64_t kOdd = 0x9E3779B97F4A7C15ull;
  constexpr uint64_t kColours = 0x00FFFFFF00FFFFFFull;  // two pixels without their unused bytes
  uint64_t lane[4] = {1, 2, 3, 4};
  for (int y = 0; y < h; ++y) {
    const unsigned char* row = data + static_cast<size_t>(y) * stride;
    int i = 0;
    for (; i + 8 <= w; i += 8) {  // two pixels a lane
      for (int k = 0; k < 4; ++k) {
        uint64_t p;
        std::memcpy(&p, row + (i + 2 * k) * 4, 8);
        lane[k] = (lane[k] + (p & kColours)) * kOdd;
        lane[k] ^= lane[k] >> 29;
      }
    }
    for (; i < w; ++i) {
      uint32_t p;
      std::memcpy(&p, row + i * 4, 4);
      lane[0] = (lane[0] + (p & 0xFFFFFFu)) * kOdd;
      lane[0] ^= lane[0] >> 29;
    }
  }
  uint64_t hash = ((lane[0] * kOdd + lane[1]) * kOdd + lane[2]) * kOdd + lane[3];
  return hash == kUnknown ? 1 : hash;
}

// A pixel of the palette colour as Cairo paints it.
uint32_t SolidPixel(int colour) {
  Rgb c = PaletteColour(colour);
  return 0xFF000000u | static_cast<uint32_t>(c.r) << 16 | static_cast<uint32_t>(c.g) << 8 | c.b;
}
}  // namespace

void TileDamage::Reset(const PixelImage& image) {
  image_ = image;
  const size_t tiles = static_cast<size_t>(Columns()) * Bands();
  solid_.assign(tiles, -1);
  state_.assign(tiles, 0);
  hashes_.clear();  // the next Take is the first
  dirty_.clear();
  lastMarked_ = {};
}

int TileDamage::Columns() const { return (image_.width + kTileWidth - 1) / kTileWidth; }
int TileDamage::Bands() const { return (image_.height + kTileHeight - 1) / kTileHeight; }

void TileDamage::Mark(PixelRect r) {
  if (r.Empty()) return;
  const PixelRect tiles{r.x0 / kTileWidth, r.y0 / kTileHeight, (r.x1 - 1) / kTileWidth,
                        (r.y1 - 1) / kTileHeight};
  const PixelRect& last = lastMarked_;
  const int columns = Columns();
  if (last.x0 <= tiles.x0 && tiles.x1 <= last.x1 && last.y0 <= tiles.y0 && tiles.y1 <= last.y1) {
#ifndef NDEBUG
    for (int band = last.y0; band <= last.y1; ++band)
      for (int column = last.x0; column <= last.x1; ++column) {
        const size_t t = static_cast<size_t>(band) * columns + column;
        assert((state_[t] & kDirty) && solid_[t] < 0 && "lastMarked_ is forgotten when its tiles change");
      }
#endif
    return;
  }
  lastMarked_ = tiles;
  for (int band = tiles.y0; band <= tiles.y1; ++band)
    for (int column = tiles.x0; column <= tiles.x1; ++column) {
      size_t t = static_cast<size_t>(band) * columns + column;
      solid_[t] = -1;
      MarkTile(t);
    }
}

void TileDamage::MarkTile(size_t tile) {
  if (state_[tile] & kDirty) return;
  state_[tile] |= kDirty;
  dirty_.push_back(static_cast<int>(tile));
}

void TileDamage::MarkSolid(PixelRect box, int colour) {
  lastMarked_ = {};
  auto [c0, c1] = WholeTiles(box.x0, box.x1, kTileWidth, image_.width);
  auto [b0, b1] = WholeTiles(box.y0, box.y1, kTileHeight, image_.height);
  const int columns = Columns();
  for (int band = b0; band < b1; ++band)
    for (int column = c0; column < c1; ++column) {
      assert(TileHash(column, band) == SolidTileHash(column, band, colour) &&
             "a tile is said to hold one colour only once its pixels do");
      solid_[static_cast<size_t>(band) * columns + column] = static_cast<signed char>(colour);
    }
}

void TileDamage::Fill(PixelRect box, int colour) {
  box = {std::max(box.x0, 0), std::max(box.y0, 0), std::min(box.x1, image_.width),
         std::min(box.y1, image_.height)};
  if (box.Empty()) return;
  lastMarked_ = {};
  const size_t stride = static_cast<size_t>(image_.stride);
  const uint32_t pixel = SolidPixel(colour);
  const int columns = Columns();
  // The tiles wholly inside the box hold the colour from now on; those that
  // held it already are not written again.
  auto [c0, c1] = WholeTiles(box.x0, box.x1, kTileWidth, image_.width);
  auto [b0, b1] = WholeTiles(box.y0, box.y1, kTileHeight, image_.height);
  const int tx0 = box.x0 / kTileWidth, tx1 = (box.x1 - 1) / kTileWidth + 1;
  const int ty0 = box.y0 / kTileHeight, ty1 = (box.y1 - 1) / kTileHeight + 1;
  for (int band = ty0; band < ty1; ++band) {
    const size_t first = static_cast<size_t>(band) * columns;
    const bool wholeBand = band >= b0 && band < b1;
    auto holds = [&](int column) {
      return wholeBand && column >= c0 && column < c1 && solid_[first + column] == colour;
    };
    for (int column = tx0; column < tx1;) {
      if (holds(column)) {
        ++column;
        continue;
      }
      int end = column;
      for (; end < tx1 && !holds(end); ++end) {
        solid_[first + end] = wholeBand && end >= c0 && end < c1 ? static_cast<signed char>(colour) : -1;
        MarkTile(first + end);
      }
      const int x0 = std::max(box.x0, column * kTileWidth), x1 = std::min(box.x1, end * kTileWidth);
      const int y1 = std::min(box.y1, (band + 1) * kTileHeight);
      for (int y = std::max(box.y0, band * kTileHeight); y < y1; ++y)
        FillRow(reinterpret_cast<uint32_t*>(image_.data + static_cast<size_t>(y) * stride) + x0, x1 - x0, pixel);
      column = end;
    }
  }
}

uint64_t TileDamage::TileHash(int column, int band) const {
  int x0 = column * kTileWidth, x1 = std::min(x0 + kTileWidth, image_.width);
  int y0 = band * kTileHeight, y1 = std::min(y0 + kTileHeight, image_.height);
  const size_t stride = static_cast<size_t>(image_.stride);
  return HashPixels(image_.data + y0 * stride + static_cast<size_t>(x0) * 4, stride, x1 - x0, y1 - y0);
}

// What TileHash answers for the tile when it holds only `colour`, without
// reading it.
uint64_t TileDamage::SolidTileHash(int column, int band, int colour) const {
  int w = std::min(kTileWidth, image_.width - column * kTileWidth);
  int h = std::min(kTileHeight, image_.height - band * kTileHeight);
  bool whole = w == kTileWidth && h == kTileHeight;
  if (whole && solidHashes_[static_cast<size_t>(colour)] != kUnknown)
    return solidHashes_[static_cast<size_t>(colour)];
  uint32_t block[kTileWidth * kTileHeight];
  std::fill_n(block, kTileWidth * kTileHeight, SolidPixel(colour));
  uint64_t hash = HashPixels(reinterpret_cast<const unsigned char*>(block), kTileWidth * 4, w, h);
  if (whole) solidHashes_[static_cast<size_t>(colour)] = hash;
  return hash;
}

// The tiles marked changed within `area` (in tiles) as rectangles of
// pixels: in each band, the runs of changed tiles (runs fewer than `gap`
// tiles apart are one); a run that starts and ends within 2 * `gap` tiles
// of a rectangle of the band above extends it.
std::vector<PixelRect> TileDamage::ChangedRects(PixelRect area, int gap) const {
  const int columns = Columns();
  std::vector<PixelRect> rects, open, next;  // open, next: in tiles
  auto close = [&](const PixelRect& r) {
    rects.push_back({r.x0 * kTileWidth, r.y0 * kTileHeight, std::min(r.x1 * kTileWidth, image_.width),
                     std::min(r.y1 * kTileHeight, image_.height)});
  };
  for (int band = area.y0; band <= area.y1; ++band) {
    next.clear();
    for (int column = area.x0; band < area.y1 && column < area.x1; ++column) {
      if (!(state_[static_cast<size_t>(band) * columns + column] & kChanged)) continue;
      if (!next.empty() && next.back().x1 + gap >= column) next.back().x1 = column + 1;
      else next.push_back({column, band, column + 1, band + 1});
    }
    for (PixelRect& run : next) {
      auto above = std::find_if(open.begin(), open.end(), [&](const PixelRect& r) {
        return !r.Empty() && std::abs(r.x0 - run.x0) <= 2 * gap && std::abs(r.x1 - run.x1) <= 2 * gap;
      });
      if (above == open.end()) continue;
      run = {std::min(run.x0, above->x0), above->y0, std::max(run.x1, above->x1), band + 1};
      above->x1 = above->x0;  // taken over
    }
    for (const PixelRect& r : open)
      if (!r.Empty()) close(r);
    open.swap(next);
  }
  return rects;
}

std::vector<PixelRect> TileDamage::TakeOver(int colour) {
  const int columns = Columns(), bands = Bands();
  const int shown = PaletteIndex(colour);
  hashes_.resize(static_cast<size_t>(columns) * bands);
  for (int band = 0; band < bands; ++band) {
    for (int column = 0; column < columns; ++column) {
      size_t t = static_cast<size_t>(band) * columns + column;
      hashes_[t] = SolidTileHash(column, band, shown);
      MarkTile(t);
    }
  }
  return Take();
}

std::vector<PixelRect> TileDamage::Take() {
  CheckMarked();
  const int columns = Columns(), bands = Bands();
  const size_t tiles = static_cast<size_t>(columns) * bands;
  std::vector<PixelRect> changed;
  if (hashes_.size() != tiles) {
    // The first picture: all of it is sent; the tiles known to hold one
    // colour are known from now on, the others are read when next drawn on.
    hashes_.assign(tiles, kUnknown);
    for (int band = 0; band < bands; ++band)
      for (int column = 0; column < columns; ++column) {
        size_t t = static_cast<size_t>(band) * columns + column;
        if (solid_[t] >= 0) hashes_[t] = SolidTileHash(column, band, solid_[t]);
      }
    for (int t : dirty_) state_[static_cast<size_t>(t)] = 0;
    dirty_.clear();
    lastMarked_ = {};
    changed.push_back({0, 0, image_.width, image_.height});
    return changed;
  }
  // A tile known to hold one colour is compared without reading it. The
  // others are read, unless there are so many that reading them costs about
  // what sending them does (a new screen's figures, nearly all changed):
  // then they count as changed, and as unread until they are drawn on again.
  size_t unknown = 0;
  for (int t : dirty_)
    if (solid_[static_cast<size_t>(t)] < 0) ++unknown;
  const bool read = static_cast<long long>(unknown) * kTileWidth * kTileHeight * kUnreadShare <
                    static_cast<long long>(image_.width) * image_.height;
  PixelRect area{columns, bands, -1, -1};  // in tiles: where the changed tiles lie
  for (int i : dirty_) {
    size_t t = static_cast<size_t>(i);
    int column = i % columns, band = i / columns;
    const int known = solid_[t];
    uint64_t h = known >= 0 ? SolidTileHash(column, band, known)
                 : read     ? TileHash(column, band)
                            : kUnknown;
    if (h == kUnknown || h != hashes_[t]) {
      state_[t] |= kChanged;
      area = {std::min(area.x0, column), std::min(area.y0, band), std::max(area.x1, column + 1),
              std::max(area.y1, band + 1)};
    }
    hashes_[t] = h;
  }
  // The changed tiles as rectangles (see ChangedRects), coarser and coarser
  // until they are few enough: too many cost more to send than the pixels
  // between them.
  if (!area.Empty()) {
    for (int gap = 1; gap <= 64; gap *= 4) {
      changed = ChangedRects(area, gap);
      if (changed.size() <= kMaxSentRects) break;
    }
    if (changed.size() > kMaxSentRects)
      changed.assign(1, {area.x0 * kTileWidth, area.y0 * kTileHeight,
                         std::min(area.x1 * kTileWidth, image_.width),
                         std::min(area.y1 * kTileHeight, image_.height)});
  }
  for (int t : dirty_) state_[static_cast<size_t>(t)] = 0;
  dirty_.clear();
  lastMarked_ = {};
  return changed;
}

void TileDamage::CheckMarked() const {
#ifndef NDEBUG
  if (hashes_.size() != solid_.size()) return;  // the first Take after Reset reads nothing
  const int columns = Columns(), bands = Bands();
  for (int band = 0; band < bands; ++band)
    for (int column = 0; column < columns; ++column) {
      const size_t t = static_cast<size_t>(band) * columns + column;
      const uint64_t h = TileHash(column, band);
      assert((solid_[t] < 0 || h == SolidTileHash(column, band, solid_[t])) &&
             "a tile of a known colour holds it");
      assert(((state_[t] & kDirty) || hashes_[t] == kUnknown || h == hashes_[t]) &&
             "pixels written are marked before the damage is taken");
    }
#endif
}

}  // namespace lessons
