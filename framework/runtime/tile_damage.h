// Tile damage: which pixels of the canvas changed since the last present,
// without a copy of the picture. The pixels are cut into tiles of 16 x 4;
// for each this part keeps a 64-bit hash of its pixels at the last present,
// the one palette colour it holds when that is known (it writes the fills of
// one colour itself, and leaves out the tiles that hold their colour
// already), and whether anything was drawn on it since. A present takes the
// changed tiles as a few rectangles.
// What must come before what (asserted in debug builds): pixels written are
// marked (Mark, Fill) before the damage is next taken; a tile is said to
// hold one colour (MarkSolid) only once its pixels do.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/runtime/pixels.h"

namespace lessons {

class TileDamage {
 public:
  // Starts afresh on the pixels of `image`: nothing is known of them, and
  // the next Take answers all of them.
  void Reset(const PixelImage& image);
  // The pixels of `r` were drawn on: their tiles may hold anything now.
  void Mark(PixelRect r);
  // Writes the palette colour into the box of pixels (clipped to the image),
  // leaving out the tiles wholly inside it that hold the colour already;
  // those inside it hold the colour from now on.
  void Fill(PixelRect box, int colour);
  // The tiles wholly inside the box hold only the colour (their pixels do).
  void MarkSolid(PixelRect box, int colour);
  // True when anything was drawn since the last Take.
  bool Any() const { return !dirty_.empty(); }
  // The rectangles that hold every pixel drawn over since the last Take that
  // now differs from what it was then: the tiles drawn on are hashed again
  // (a tile of a known colour without reading it) and compared. The first
  // Take after Reset answers the whole image; when the tiles to read are
  // many (a new screen's figures), they are answered unread, as changed.
  std::vector<PixelRect> Take();
  // Take for a window that shows `colour` everywhere and nothing of the
  // image yet: the tiles known to hold that colour are left out.
  std::vector<PixelRect> TakeOver(int colour);

 private:
  int Columns() const;
  int Bands() const;
  void MarkTile(size_t tile);
  uint64_t TileHash(int column, int band) const;
  // What TileHash answers for the tile when it holds only `colour`.
  uint64_t SolidTileHash(int column, int band, int colour) const;
  std::vector<PixelRect> ChangedRects(PixelRect area, int gap) const;
  // In debug builds: the tiles not drawn on since the last Take hash as
  // they did then, and those of a known colour hold it.
  void CheckMarked() const;

  PixelImage image_;
  // Per tile (row by row): its hash at the last Take; the palette colour its
  // pixels hold and nothing else, when that is known, or -1; and whether it
  // was drawn on since the last Take (and, while one runs, whether it
  // changed).
  std::vector<uint64_t> hashes_;
  std::vector<signed char> solid_;
  std::vector<unsigned char> state_;
  std::vector<int> dirty_;  // the tiles drawn on since the last Take
  // The tiles (columns x0..x1, bands y0..y1) last marked, all of them still
  // marked and of no known colour: a curve's next dot mostly falls on the
  // same tiles.
  PixelRect lastMarked_;
  mutable std::array<uint64_t, 16> solidHashes_{};  // SolidTileHash of whole tiles, by colour
};

}  // namespace lessons
