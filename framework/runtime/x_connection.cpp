#include "framework/runtime/x_connection.h"

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "framework/runtime/palette.h"
#endif

namespace lessons {

namespace {
bool gWindowGone = false;  // another client destroyed the window
}  // namespace

bool WindowGone() { return gWindowGone; }

#if defined(SDL_VIDEO_DRIVER_X11)

namespace {

Window gWindow = 0;
XErrorHandler gOtherErrors = nullptr;

int OnXError(Display* display, XErrorEvent* e) {
  if (e->resourceid == gWindow && (e->error_code == BadWindow || e->error_code == BadDrawable)) {
    gWindowGone = true;
    return 0;
  }
  return gOtherErrors ? gOtherErrors(display, e) : 0;
}

// The display still takes a new connection, tried for half a second (on a
// thread of its own: a server that has stopped answering keeps it waiting).
bool DisplayAnswers(const char* name) {
  struct Answer {
    std::mutex m;
    std::condition_variable done;
    bool given = false, yes = false;
  };
  auto answer = std::make_shared<Answer>();
  try {
    std::thread([answer, name = std::string(name)] {
      Display* d = XOpenDisplay(name.c_str());
      if (d) XCloseDisplay(d);
      std::lock_guard<std::mutex> lock(answer->m);
      answer->given = true, answer->yes = d != nullptr;
      answer->done.notify_one();
    }).detach();
  } catch (...) {
    return false;
  }
  std::unique_lock<std::mutex> lock(answer->m);
  answer->done.wait_for(lock, std::chrono::milliseconds(500), [&] { return answer->given; });
  return answer->yes;
}

// The connection is gone: the X server went away, or it closed this
// connection at another client's request (xkill, a window manager's forced
// close) and is still there.
int OnLostDisplay(Display* display) {
  const char* name = DisplayString(display);
  if (DisplayAnswers(name))
    std::fprintf(stderr, "%s: the connection to the display %s was closed (the X server still runs)\n",
                 program_invocation_short_name, name);
  else
    std::fprintf(stderr, "%s: lost the display %s (the X server went away)\n", program_invocation_short_name, name);
  std::_Exit(1);
}

}  // namespace

void WatchConnection(Window window) {
  gWindow = window;
  if (XErrorHandler other = XSetErrorHandler(OnXError); other != OnXError) gOtherErrors = other;
  XSetIOErrorHandler(OnLostDisplay);
}

bool ShiftsToLevelThree(const XKeyEvent& press) {
  KeySym sym = XkbKeycodeToKeysym(press.display, press.keycode, XkbGroupForCoreState(press.state), 0);
  if (sym == NoSymbol) sym = XLookupKeysym(const_cast<XKeyEvent*>(&press), 0);  // the first group's; or no XKB
  return sym == XK_ISO_Level3_Shift || sym == XK_Mode_switch;
}

bool CanvasWhitePixel(Display* display, Window window, unsigned long& pixel) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(display, window, &a) || !a.visual ||
      (a.visual->c_class != TrueColor && a.visual->c_class != DirectColor))
    return false;
  const Rgb c = PaletteColour(kColourWhite);
  pixel = 0;
  const std::pair<unsigned long, int> parts[3] = {
      {a.visual->red_mask, c.r}, {a.visual->green_mask, c.g}, {a.visual->blue_mask, c.b}};
  for (const auto& [mask, value] : parts) {
    if (mask == 0) return false;
    const int shift = __builtin_ctzl(mask);
    const unsigned long top = mask >> shift;  // all ones
    pixel |= ((static_cast<unsigned long>(value) * top + 127) / 255) << shift;
  }
  return true;
}

VisualID EightBitVisual(int& depth) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 0;
  depth = DefaultDepth(display, DefaultScreen(display));
  XVisualInfo want{};
  want.screen = DefaultScreen(display);
  want.c_class = TrueColor;
  int n = 0;
  XVisualInfo* found = XGetVisualInfo(display, VisualScreenMask | VisualClassMask, &want, &n);
  VisualID id = 0;
  for (int i = 0; i < n; ++i)
    if (found[i].red_mask == 0xFF0000 && found[i].green_mask == 0xFF00 && found[i].blue_mask == 0xFF &&
        (id == 0 || found[i].depth == 24))
      id = found[i].visualid;
  if (found) XFree(found);
  XCloseDisplay(display);
  return id;
}

#endif

}  // namespace lessons
