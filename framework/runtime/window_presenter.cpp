#include "framework/runtime/window_presenter.h"

#include <cairo.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>

#include "framework/runtime/canvas.h"
#include "framework/runtime/palette.h"

namespace lessons {

double FitScale(int w, int h) {
  return std::min(w / static_cast<double>(Canvas::kWidth), h / static_cast<double>(Canvas::kHeight));
}

bool SameScale(double a, double b) { return std::abs(a - b) <= 1e-9; }

namespace {

// Has the kernel give the pages of [at, at + bytes) their memory now, a
// few threads sharing the work, and leaves their contents as they are. A new
// window surface is shared memory whose pages the kernel provides one at a
// time as they are first written: the first picture, which clears all of
// them, would otherwise wait for each in turn. Without kernel support (Linux
// before 5.14) nothing happens here, and the pages come as before.
void ProvidePages(void* at, size_t bytes) {
#ifdef __linux__
#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (!at || bytes == 0 || pageSize <= 0) return;
  const uintptr_t page = static_cast<uintptr_t>(pageSize);
  const uintptr_t from = reinterpret_cast<uintptr_t>(at) & ~(page - 1);
  const uintptr_t to = reinterpret_cast<uintptr_t>(at) + bytes;
  const uintptr_t parts = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  const uintptr_t share = ((to - from) / parts + page - 1) & ~(page - 1);
  auto provide = [to](uintptr_t a, uintptr_t b) {
    b = std::min(b, to);
    if (a < b) madvise(reinterpret_cast<void*>(a), b - a, MADV_POPULATE_WRITE);
  };
  std::vector<std::thread> helpers;
  helpers.reserve(parts);
  for (uintptr_t a = from + share; a < to; a += share) {
    try {
      helpers.emplace_back(provide, a, a + share);
    } catch (...) {
      provide(a, a + share);  // no thread: here
    }
  }
  provide(from, from + share);
  for (std::thread& helper : helpers) helper.join();
#else
  (void)at, (void)bytes;
#endif
}

// Where the canvas lies on a surface: centred.
SDL_Rect CanvasPlace(const SDL_Surface* screen, int pw, int ph) {
  return {(screen->w - pw) / 2, (screen->h - ph) / 2, pw, ph};
}

// The pixels of `screen` are the canvas's format (Cairo's RGB24 is
// 32-bit 0x00RRGGBB).
bool IsCanvasFormat(const SDL_Surface* screen) {
  return screen->format->format == SDL_PIXELFORMAT_RGB888 && !SDL_MUSTLOCK(screen);
}

// The canvas may draw into `screen` when its pixels are the canvas's
// format and the canvas fits, and only on X11, where the surface stays
// what it is until the window's size changes (other video drivers may swap
// it at every update).
bool CanLend(const SDL_Surface* screen, int pw, int ph) {
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver && std::strcmp(driver, "x11") == 0 && IsCanvasFormat(screen) && pw <= screen->w &&
         ph <= screen->h && pw > 0 && ph > 0;
}

// The pixels of the canvas scaled to pw × ph that the canvas's
// rectangle `d` reaches, with a pixel more on each side for the filter.
SDL_Rect ScaledRect(const PixelRect& d, const Canvas& canvas, int pw, int ph) {
  const double kx = pw / static_cast<double>(canvas.PixelWidth());
  const double ky = ph / static_cast<double>(canvas.PixelHeight());
  const int x0 = std::max(0, static_cast<int>(std::floor(d.x0 * kx)) - 1);
  const int y0 = std::max(0, static_cast<int>(std::floor(d.y0 * ky)) - 1);
  const int x1 = std::min(pw, static_cast<int>(std::ceil(d.x1 * kx)) + 1);
  const int y1 = std::min(ph, static_cast<int>(std::ceil(d.y1 * ky)) + 1);
  return {x0, y0, x1 - x0, y1 - y0};
}

// Paints the canvas scaled to pw × ph into `to`, within `r` only.
void PaintScaled(Canvas& canvas, PixelMemory to, int pw, int ph, const SDL_Rect& r) {
  cairo_surface_t* from =
      cairo_image_surface_create_for_data(const_cast<unsigned char*>(canvas.Pixels()), CAIRO_FORMAT_RGB24,
                                          canvas.PixelWidth(), canvas.PixelHeight(), canvas.Stride());
  cairo_surface_t* into = cairo_image_surface_create_for_data(to.data, CAIRO_FORMAT_RGB24, pw, ph, to.stride);
  cairo_t* cr = cairo_create(into);
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  cairo_clip(cr);
  cairo_scale(cr, pw / static_cast<double>(canvas.PixelWidth()), ph / static_cast<double>(canvas.PixelHeight()));
  cairo_set_source_surface(cr, from, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(into);
  cairo_surface_destroy(into);
  cairo_surface_destroy(from);
}

}  // namespace

// Lends the canvas's place on `screen`, white around it.
PixelMemory WindowPresenter::Lend(SDL_Surface* screen, int pw, int ph) {
  ProvidePages(screen->pixels, static_cast<size_t>(screen->pitch) * screen->h);
  SDL_Rect at = CanvasPlace(screen, pw, ph);
  Rgb bg = PaletteColour(kColourWhite);
  Uint32 white = SDL_MapRGB(screen->format, bg.r, bg.g, bg.b);
  SDL_Rect margins[4] = {{0, 0, screen->w, at.y},
                         {0, at.y + ph, screen->w, screen->h - at.y - ph},
                         {0, at.y, at.x, ph},
                         {at.x + pw, at.y, screen->w - at.x - pw, ph}};
  for (const SDL_Rect& m : margins)
    if (m.w > 0 && m.h > 0) SDL_FillRect(screen, &m, white);
  lent_ = true;
  resized_ = false;
  SDL_GetWindowSize(window_, &lentWindowW_, &lentWindowH_);
  lastScreen_ = screen, lastW_ = screen->w, lastH_ = screen->h;
  exposed_ = true;
  return {static_cast<unsigned char*>(screen->pixels) + static_cast<size_t>(at.y) * screen->pitch +
              static_cast<size_t>(at.x) * 4,
          screen->pitch};
}

// Shows what changed since the last present: only the damaged rectangles
// are sent; after an expose or a resize the whole window is sent again.
// When the window surface holds the canvas's pixels, sending is all there
// is to do; otherwise the damage is first converted (or scaled) into
// the surface from the canvas's image. True when anything was sent.
bool WindowPresenter::Present(Canvas& canvas) {
  if (lent_) {
    // A size change makes SDL free the surface at the next
    // SDL_GetWindowSurface: take the picture out of it first.
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    if (resized_ || w != lentWindowW_ || h != lentWindowH_) {
      canvas.Rebind(canvas.Scale(), {});
      lent_ = false;
    } else if (!exposed_ && !canvas.HasDamage()) {
      return false;  // nothing was drawn: nothing to look at
    }
  }
  SDL_Surface* screen = SDL_GetWindowSurface(window_);
  if (!screen) return false;
  if (screen != lastScreen_ || screen->w != lastW_ || screen->h != lastH_) {
    lastScreen_ = screen, lastW_ = screen->w, lastH_ = screen->h;
    exposed_ = true;  // a new surface holds nothing yet
    if (lent_) {
      // SDL replaced the surface the canvas draws into without a size
      // change: its pixels are gone, and the picture with them.
      canvas.Rebind(canvas.Scale(), {}, false);
      lent_ = false;
    }
  }
  // The canvas keeps the scale it was made at, whatever the window's size:
  // a window of another size shows it scaled, and shows the very same
  // pixels once it is as large as before.
  const double fit = FitScale(screen->w, screen->h);
  if (fit > 0 && !lent_ && SameScale(fit, canvas.Scale())) {
    int pw = Canvas::PixelWidthAt(fit), ph = Canvas::PixelHeightAt(fit);
    if (!canvas.InLentMemory() && CanLend(screen, pw, ph)) canvas.Rebind(fit, Lend(screen, pw, ph));
  }
  const bool scaled = fit > 0 && !SameScale(fit, canvas.Scale());
  // After an expose everything is sent; the damage is taken after that,
  // so that comparing the picture (all of it, the first time) does not
  // hold up the first frame. Only a first frame into a window that shows
  // white leaves out what is white.
  std::vector<PixelRect> damage;
  if (exposed_ && lent_ && showsWhite_) {
    exposed_ = false;
    damage = canvas.TakeDamageOver(kColourWhite);
    if (damage.empty()) return false;
  } else if (!exposed_) {
    damage = canvas.TakeDamage();
    if (damage.empty()) return false;
  } else {
    damage = {{0, 0, canvas.PixelWidth(), canvas.PixelHeight()}};
  }
  showsWhite_ = false;
  // Where the pixels sent come from: the window surface holds them (the
  // canvas draws there); or the canvas's image; or, in a window of another
  // size, the canvas scaled, into the surface when its pixels are the
  // canvas's format, else into memory of the host's own.
  const int pw = scaled ? Canvas::PixelWidthAt(fit) : canvas.PixelWidth();
  const int ph = scaled ? Canvas::PixelHeightAt(fit) : canvas.PixelHeight();
  const SDL_Rect place = CanvasPlace(screen, pw, ph);
  SDL_Surface* image = nullptr;
  PixelMemory scaledTo;
  if (scaled && IsCanvasFormat(screen)) {
    scaledTo = {static_cast<unsigned char*>(screen->pixels) + static_cast<size_t>(place.y) * screen->pitch +
                   static_cast<size_t>(place.x) * 4,
               screen->pitch};
  } else if (scaled) {
    scaledImage_.resize(static_cast<size_t>(pw) * ph);
    scaledTo = {reinterpret_cast<unsigned char*>(scaledImage_.data()), pw * 4};
    image = SDL_CreateRGBSurfaceWithFormatFrom(scaledTo.data, pw, ph, 32, scaledTo.stride, SDL_PIXELFORMAT_RGB888);
    if (!image) return false;
  } else if (!lent_) {
    image = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<unsigned char*>(canvas.Pixels()), pw, ph, 32,
                                               canvas.Stride(), SDL_PIXELFORMAT_RGB888);
    if (!image) return false;
  }
  if (exposed_ && !lent_) {
    Rgb bg = PaletteColour(kColourWhite);
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, bg.r, bg.g, bg.b));
  }
  rects_.clear();
  for (const PixelRect& d : damage) {
    SDL_Rect from = scaled ? ScaledRect(d, canvas, pw, ph) : SDL_Rect{d.x0, d.y0, d.x1 - d.x0, d.y1 - d.y0};
    if (from.w <= 0 || from.h <= 0) continue;
    if (scaled) PaintScaled(canvas, scaledTo, pw, ph, from);
    SDL_Rect to{place.x + from.x, place.y + from.y, from.w, from.h};
    if (image) SDL_BlitSurface(image, &from, screen, &to);  // `to` becomes the rectangle drawn
    if (to.w > 0 && to.h > 0) rects_.push_back(to);
  }
  if (exposed_) {
    SDL_UpdateWindowSurface(window_);
    canvas.TakeDamage();
  } else if (!rects_.empty()) {
    SDL_UpdateWindowSurfaceRects(window_, rects_.data(), static_cast<int>(rects_.size()));
  }
  if (image) SDL_FreeSurface(image);
  exposed_ = false;
  lastPresent_ = SDL_GetTicks();
  return true;
}

PixelMemory WindowPresenter::CanvasMemory(int width, int height, double scale) {
  SDL_Surface* screen = SDL_GetWindowSurface(window_);
  if (!screen || !CanLend(screen, width, height) || !SameScale(FitScale(screen->w, screen->h), scale)) return {};
  return Lend(screen, width, height);
}

}  // namespace lessons
