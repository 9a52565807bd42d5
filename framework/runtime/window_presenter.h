// Presenting the canvas in the window. This part owns the window surface as
// the canvas sees it: lending the surface's pixels to the canvas (which then
// draws straight into them), taking the picture out before a size change
// lets SDL free the surface, showing the canvas scaled to a window of
// another size, and sending what changed (the whole picture after an expose
// or a resize).
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "framework/runtime/pixels.h"

namespace lessons {

class Canvas;

// The pixel scale at which the canvas fits a window of w × h.
double FitScale(int w, int h);
bool SameScale(double a, double b);

class WindowPresenter {
 public:
  void SetWindow(SDL_Window* window) { window_ = window; }
  // The window shows white everywhere and nothing of the canvas yet: the
  // first frame sends only the tiles that are not white.
  void ShowsWhite() { showsWhite_ = true; }
  // The window needs the whole picture again.
  void Invalidate() { exposed_ = true; }
  bool Invalid() const { return exposed_; }
  // The window's size changed.
  void Resized() { resized_ = true; }
  // When the last present sent anything (SDL ticks).
  Uint32 LastPresent() const { return lastPresent_; }

  // The window surface's pixels for a canvas of width × height at `scale`,
  // when the surface's pixels allow it and the canvas fits the window at
  // that scale; else none.
  PixelMemory CanvasMemory(int width, int height, double scale);

  // Shows what changed since the last present: only the damaged rectangles
  // are sent; after an expose or a resize the whole window is sent again.
  // True when anything was sent.
  bool Present(Canvas& canvas);

 private:
  PixelMemory Lend(SDL_Surface* screen, int pw, int ph);

  SDL_Window* window_ = nullptr;
  bool exposed_ = true;  // the window needs the whole picture again
  bool showsWhite_ = false;
  Uint32 lastPresent_ = 0;
  SDL_Surface* lastScreen_ = nullptr;  // the window surface of the last present
  int lastW_ = 0, lastH_ = 0;
  // The canvas draws straight into the window surface (lastScreen_), whose
  // pixels are the canvas's format; the window size when it was lent.
  bool lent_ = false;
  int lentWindowW_ = 0, lentWindowH_ = 0;
  bool resized_ = false;  // a size change came since the surface was lent
  std::vector<SDL_Rect> rects_;  // scratch for the rectangles sent
  std::vector<uint32_t> scaledImage_;  // the canvas scaled, for a surface of another format
};

}  // namespace lessons
