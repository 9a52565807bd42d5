// lesson-floor: the floor under the lesson programs' start-up time and memory,
// for lesson-bench. It opens a maximised window the way the window host does,
// draws one line of Gothic text with Cairo straight into the window's pixels,
// shows it and ends: what no program on this stack (SDL, Cairo, fontconfig,
// FreeType, an X server) can do with less.
//
// Prints "shown SECONDS" (steady clock, when the frame was shown) and
// "peak_rss MB" (VmHWM after showing it).
#include <SDL.h>
#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

double PeakResidentMegabytes() {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
  return 0;
}

// The Gothic face, looked up as the runtime looks it up.
cairo_font_face_t* GothicFace() {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("BIZ UDGothic"));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  FcChar8* file = nullptr;
  int index = 0;
  FT_Library library = nullptr;
  FT_Face ft = nullptr;
  if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
      FT_Init_FreeType(&library) == 0) {
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    if (FT_New_Face(library, reinterpret_cast<const char*>(file), index, &ft) != 0) ft = nullptr;
  }
  if (match) FcPatternDestroy(match);
  if (!ft) return cairo_toy_font_face_create("sans-serif", CAIRO_FONT_SLANT_NORMAL,
                                             CAIRO_FONT_WEIGHT_NORMAL);
  return cairo_ft_font_face_create_for_ft_face(ft, FT_LOAD_NO_BITMAP);
}

}  // namespace

int main() {
  // As the window host does: no table of compose sequences for the input method.
  setenv("XCOMPOSEFILE", "/dev/null", 0);
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "lesson-floor: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Rect usable{0, 0, 1600, 900};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0)
    usable = {0, 0, 1600, 900};
  SDL_Window* window = SDL_CreateWindow("lesson-floor", usable.x, usable.y, usable.w, usable.h,
                                        SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
  if (!window) {
    std::fprintf(stderr, "lesson-floor: %s\n", SDL_GetError());
    return 1;
  }
  Uint32 start = SDL_GetTicks();
  SDL_Event e;
  while (!(SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED) && SDL_GetTicks() - start < 150)
    SDL_WaitEventTimeout(&e, 10);
  while (SDL_PollEvent(&e)) {
  }

  SDL_Surface* screen = SDL_GetWindowSurface(window);
  if (!screen) {
    std::fprintf(stderr, "lesson-floor: %s\n", SDL_GetError());
    return 1;
  }
  // Cairo's RGB24 is the X server's usual 32-bit pixel; any other format
  // gets an image of its own that is blitted.
  bool direct = screen->format->format == SDL_PIXELFORMAT_RGB888;
  cairo_surface_t* image =
      direct ? cairo_image_surface_create_for_data(static_cast<unsigned char*>(screen->pixels),
                                                   CAIRO_FORMAT_RGB24, screen->w, screen->h,
                                                   screen->pitch)
             : cairo_image_surface_create(CAIRO_FORMAT_RGB24, screen->w, screen->h);
  cairo_t* cr = cairo_create(image);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_font_face(cr, GothicFace());
  cairo_set_font_size(cr, 19.2);
  cairo_move_to(cr, 96, 96);
  cairo_show_text(cr, "関数の復習　１次関数と２次関数");
  cairo_surface_flush(image);
  if (!direct) {
    SDL_Surface* from = SDL_CreateRGBSurfaceWithFormatFrom(
        cairo_image_surface_get_data(image), screen->w, screen->h, 32,
        cairo_image_surface_get_stride(image), SDL_PIXELFORMAT_RGB888);
    SDL_BlitSurface(from, nullptr, screen, nullptr);
    SDL_FreeSurface(from);
  }
  SDL_UpdateWindowSurface(window);
  double now =
      std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  std::printf("shown %.9f\npeak_rss %.3f\n", now, PeakResidentMegabytes());
  std::fflush(stdout);
  // Like the window host, leave the window and the display connection to the
  // end of the process.
  return 0;
}
