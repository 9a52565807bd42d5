// Rectangles of device pixels and the memory they lie in: what the canvas
// and its parts (dot stamps, tile damage) and the hosts pass each other.
#pragma once

namespace lessons {

// A rectangle of pixels, x0/y0 inclusive, x1/y1 exclusive.
struct PixelRect {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool Empty() const { return x1 <= x0 || y1 <= y0; }
};

// Pixels a host lends the canvas to draw into (32 bits each, 0x00RRGGBB
// native, `stride` bytes a row, as many rows as the canvas has); null data
// means none: the canvas keeps an image of its own.
struct PixelMemory {
  unsigned char* data = nullptr;
  int stride = 0;
};

// The canvas's pixels as its parts write and read them directly.
struct PixelImage {
  unsigned char* data = nullptr;
  int stride = 0, width = 0, height = 0;
};

}  // namespace lessons
