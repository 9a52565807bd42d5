#include "framework/runtime/window_host.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <cairo.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>
#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xutil.h>
#endif

#include <algorithm>
#include <bitset>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "framework/basic.h"
#include "framework/runtime/canvas.h"
#include "framework/runtime/errors.h"
#include "framework/runtime/fonts.h"
#include "framework/runtime/palette.h"

namespace lessons {

namespace {

// How long an idle poll waits for window events. A key, a close request or
// an expose ends the wait at once, so the wait only bounds how late a change
// that the program draws between two polls is shown: 10 ms at first; once
// the program has polled this many times without drawing anything new,
// 30 ms; and once it has done so for about a second, 500 ms. (Every wake-up
// costs: 33 a second of them alone take about 0.3 % of a core on a virtual
// machine.)
constexpr Uint32 kIdleWaitMs = 10;
constexpr Uint32 kLongIdleWaitMs = 30;
constexpr Uint32 kRestingWaitMs = 500;
constexpr int kPollsBeforeLongWait = 10;
constexpr int kPollsBeforeRest = kPollsBeforeLongWait + 33;
// While a program draws without waiting, the window is shown this often,
// and its events are looked at this often.
constexpr Uint32 kDrawingPresentMs = 100;
constexpr Uint32 kDrawingEventsMs = 10;

// The runtime's messages name the program as its title does ("Palisteo:").
void NameProgram(const std::string& title) {
  static std::string name;
  name = title;
  program_invocation_short_name = name.data();
}

// "a 16-bit screen", "an 8-bit screen".
std::string ScreenOfDepth(int depth) {
  const std::string bits = std::to_string(depth);
  const bool vowel = bits.front() == '8' || depth == 11 || depth == 18;
  return (vowel ? "an " : "a ") + bits + "-bit screen";
}

// What the X libraries write on the standard error while a display is
// opened (a server's refusal, such as "Invalid MIT-MAGIC-COOKIE-1 key") is
// kept aside, for a line of the program's own.
class StandardErrorAside {
 public:
  StandardErrorAside() {
    std::fflush(stderr);
    kept_ = memfd_create("stderr-aside", MFD_CLOEXEC);
    saved_ = kept_ >= 0 ? dup(STDERR_FILENO) : -1;
    if (saved_ < 0 || dup2(kept_, STDERR_FILENO) < 0) Restore();
  }
  ~StandardErrorAside() { Take(); }
  // Puts the standard error back and answers what was written meanwhile.
  std::string Take() {
    std::string said;
    if (saved_ >= 0) {
      std::fflush(stderr);
      dup2(saved_, STDERR_FILENO);
      char part[512];
      for (ssize_t n; (n = pread(kept_, part, sizeof part, static_cast<off_t>(said.size()))) > 0;)
        said.append(part, static_cast<size_t>(n));
    }
    Restore();
    return said;
  }

 private:
  void Restore() {
    if (saved_ >= 0) close(saved_);
    if (kept_ >= 0) close(kept_);
    saved_ = kept_ = -1;
  }
  int kept_ = -1, saved_ = -1;
};

// The text on one line, without blanks at either end.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
  const size_t from = text.find_first_not_of(' '), to = text.find_last_not_of(' ');
  return from == std::string::npos ? std::string() : text.substr(from, to - from + 1);
}

// Opening the keyboard's input method (in SDL_Init) reads the locale's
// table of compose sequences: some 6,000 lines, about a fifth of the
// start-up time. The lessons read digits, letters and a few signs, none of which is
// composed, so the table is an empty one unless the user named one.
void SkipComposeTable() { setenv("XCOMPOSEFILE", "/dev/null", 0); }

double FitScale(int w, int h) {
  return std::min(w / static_cast<double>(Canvas::kWidth), h / static_cast<double>(Canvas::kHeight));
}

bool SameScale(double a, double b) { return std::abs(a - b) <= 1e-9; }

bool IsModifier(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_LSHIFT: case SDLK_RSHIFT: case SDLK_LCTRL: case SDLK_RCTRL:
    case SDLK_LALT: case SDLK_RALT: case SDLK_LGUI: case SDLK_RGUI:
    case SDLK_CAPSLOCK: case SDLK_NUMLOCKCLEAR: case SDLK_SCROLLLOCK: case SDLK_MODE:
    case SDLK_APPLICATION:
      return true;
    default:
      return false;
  }
}

// A keypad key that types a character while Num Lock is on.
bool IsKeypadCharacter(SDL_Keycode sym) {
  return (sym >= SDLK_KP_1 && sym <= SDLK_KP_0) || sym == SDLK_KP_PERIOD || sym == SDLK_KP_DIVIDE ||
         sym == SDLK_KP_MULTIPLY || sym == SDLK_KP_MINUS || sym == SDLK_KP_PLUS ||
         sym == SDLK_KP_EQUALS || sym == SDLK_KP_COMMA;
}

// The code of a key press that gives no text input: 0 when the key gives
// nothing here (its character arrives as text input, or it is a modifier).
// Any key with Ctrl, left Alt or the system key held is none the lessons
// read (Alt+Enter is not Enter); right Alt is AltGr, which types characters
// on many layouts.
int KeyDownCode(const SDL_Keysym& key) {
  SDL_Keycode sym = key.sym;
  if (IsModifier(sym)) return 0;
  if (key.mod & (KMOD_CTRL | KMOD_LALT | KMOD_GUI)) return kKeyOther;
  switch (sym) {
    case SDLK_RETURN: case SDLK_RETURN2: case SDLK_KP_ENTER: return kKeyEnter;
    case SDLK_BACKSPACE: case SDLK_KP_BACKSPACE: return kKeyBackspace;
    case SDLK_DELETE: return kKeyClear;
    case SDLK_TAB: case SDLK_KP_TAB: return kKeyTab;
    case SDLK_ESCAPE: return kKeyEscape;
    case SDLK_RIGHT: return kKeyRight;
    case SDLK_LEFT: return kKeyLeft;
    case SDLK_UP: return kKeyUp;
    case SDLK_DOWN: return kKeyDown;
    default: break;
  }
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return kKeyFunction1 + (sym - SDLK_F1);
  if (sym >= 0x20 && sym < 0x7F) return 0;
  if (IsKeypadCharacter(sym)) return key.mod & KMOD_NUM ? 0 : kKeyOther;
  if (!(sym & SDLK_SCANCODE_MASK)) return 0;  // a character key of another layout
  return kKeyOther;
}

bool gWindowGone = false;  // another client destroyed the window

// SIGINT and SIGTERM end the program as a close does. SDL's handler notes
// them for its next look at the events, which an idle wait on the display
// connection does not take for seconds: the handler here notes them too
// (before SDL's, which it calls) and wakes the idle wait through a pipe.
volatile sig_atomic_t gEndSignalled = 0;
int gEndSignalPipe[2] = {-1, -1};
struct sigaction gSdlOnInt, gSdlOnTerm;

void OnEndSignal(int sig) {
  const int saved = errno;
  gEndSignalled = 1;
  const struct sigaction& sdl = sig == SIGINT ? gSdlOnInt : gSdlOnTerm;
  sdl.sa_handler(sig);  // it puts itself back in place: this one again
  struct sigaction self {};
  self.sa_handler = OnEndSignal;
  self.sa_flags = SA_RESTART;
  sigemptyset(&self.sa_mask);
  sigaction(sig, &self, nullptr);
  if (gEndSignalPipe[1] >= 0) {
    const char wake = 0;
    [[maybe_unused]] ssize_t n = write(gEndSignalPipe[1], &wake, 1);
  }
  errno = saved;
}

// Takes SIGINT and SIGTERM over from SDL's handler. A signal SDL left alone
// (ignored, or with its default action, which ends the program at once)
// stays so.
void WakeOnEndSignals() {
  if (gEndSignalPipe[0] < 0 && pipe2(gEndSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
    gEndSignalPipe[0] = gEndSignalPipe[1] = -1;
  for (int sig : {SIGINT, SIGTERM}) {
    struct sigaction now {};
    if (sigaction(sig, nullptr, &now) != 0 || (now.sa_flags & SA_SIGINFO) || now.sa_handler == SIG_DFL ||
        now.sa_handler == SIG_IGN || now.sa_handler == OnEndSignal)
      continue;
    (sig == SIGINT ? gSdlOnInt : gSdlOnTerm) = now;
    struct sigaction self {};
    self.sa_handler = OnEndSignal;
    self.sa_flags = SA_RESTART;
    sigemptyset(&self.sa_mask);
    sigaction(sig, &self, nullptr);
  }
}

#if defined(SDL_VIDEO_DRIVER_X11)
// The window's pixel value of the canvas's white, made as the canvas's
// pixels are, from the red, green and blue bits, so that it shows as the
// canvas's does. False when the window's pixels are not made so (a visual
// with a palette).
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

// Xlib's reports. A request about the window that fails because another
// client destroyed the window is taken as a close; any other error goes to
// the handler that was there before (Xlib's prints it and ends the program).
// A lost connection ends the program with a line of its own instead of
// Xlib's.
Window gWindow = 0;
XErrorHandler gOtherErrors = nullptr;

int OnXError(Display* display, XErrorEvent* e) {
  if (e->resourceid == gWindow && (e->error_code == BadWindow || e->error_code == BadDrawable)) {
    gWindowGone = true;
    return 0;
  }
  return gOtherErrors ? gOtherErrors(display, e) : 0;
}

// SDL has no window surface for the pixels of a 30-bit screen (the window
// stays white: "Unknown window pixel format"): the window then gets a visual
// of 8-bit red, green and blue, which the X server shows on that screen. The
// id of one on the default screen, 24 bits deep if there is one; 0 when
// none. `depth` is the screen's.
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
#endif

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

}  // namespace

struct WindowHost::Impl {
  SDL_Window* window = nullptr;
  double scale = 1;
  std::deque<int> keys;
  bool closed = false;
  // The text input that follows belongs to a key already handled: one held
  // down, or one handed over as its code (with Ctrl, Alt or the system key).
  bool skipText = false;
  // The key of the last key press was down already: X11 tells (a key pressed
  // again within 2 ms of its release is a repeat to SDL, not to us);
  // elsewhere SDL's repeat flag alone counts.
  bool heldDown = true;
  std::bitset<256> keysDown;  // by X key code
  bool exposed = true;  // the window needs the whole picture again
  Uint32 lastPresent = 0;
  Uint32 lastDrain = 0;  // when a drawing last looked at the events
  Uint32 lastWait = 0;  // when the program last waited (Idle or Pause)
  int emptyPolls = 0;   // Idles in a row that found nothing to show
  SDL_Surface* lastScreen = nullptr;  // the window surface of the last present
  int lastW = 0, lastH = 0;
  // The canvas draws straight into the window surface (lastScreen), whose
  // pixels are the canvas's format; the window size when it was lent.
  bool lent = false;
  int lentWindowW = 0, lentWindowH = 0;
  bool resized = false;  // a size change came since the surface was lent
  std::vector<SDL_Rect> rects;  // scratch for the rectangles sent
  std::vector<uint32_t> scaledImage;  // the canvas scaled down, for a surface of another format

  void Handle(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:
        closed = true;
        break;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) closed = true;
        else if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                 e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                 e.window.event == SDL_WINDOWEVENT_RESIZED ||
                 e.window.event == SDL_WINDOWEVENT_RESTORED ||
                 e.window.event == SDL_WINDOWEVENT_MAXIMIZED)
          exposed = true;
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_RESIZED)
          resized = true;
        break;
      case SDL_KEYDOWN: {
        const bool repeat = e.key.repeat && heldDown;
        const int code = KeyDownCode(e.key.keysym);
        if (code != 0 && !repeat) keys.push_back(code);
        skipText = repeat || code != 0;
        break;
      }
#if defined(SDL_VIDEO_DRIVER_X11)
      case SDL_SYSWMEVENT:
        if (e.syswm.msg->subsystem == SDL_SYSWM_X11) {
          const XEvent& x = e.syswm.msg->msg.x11.event;
          if (x.type == KeyPress) {
            heldDown = keysDown.test(x.xkey.keycode & 0xFF);
            keysDown.set(x.xkey.keycode & 0xFF);
          } else if (x.type == KeyRelease) {
            keysDown.reset(x.xkey.keycode & 0xFF);
          } else if (x.type == DestroyNotify && x.xdestroywindow.window == x11Window) {
            closed = true;
          }
        }
        break;
#endif
      case SDL_TEXTINPUT:
        if (skipText) break;
        for (const std::string& ch : Chars(e.text.text)) keys.push_back(Asc(ch));
        break;
      default:
        break;
    }
  }

  // Handles every waiting event; throws WindowClosed once the window was closed.
  void Drain() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) Handle(e);
    if (closed || gWindowGone || gEndSignalled) throw WindowClosed{};
  }

  // Waits up to `ms` for an event and handles it with any others waiting.
  // SDL looks at the display connection as the wait begins and ends, so
  // after a wait that found nothing there is nothing more to look at.
  void WaitEvents(Uint32 ms) {
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, static_cast<int>(ms))) {
      Handle(e);
      Drain();
    }
  }
  bool justWaited = false;  // the last call was an idle wait

  // The idle wait. SDL's own wait reads the display connection a dozen times
  // each round (that alone is most of what a waiting program costs); on X11
  // the wait sleeps on the connection's socket instead, and SDL handles the
  // events only when some came (or waited already in Xlib's or SDL's queue).
  // Now and then SDL looks anyway (it keeps the screen saver off). An end
  // signal wakes the wait.
  void IdleWait(Uint32 ms) {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (x11 && ++quietWaits < kQuietWaitsBeforeLook && QLength(x11) == 0 &&
        SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 0) {
      pollfd p[2] = {{ConnectionNumber(x11), POLLIN, 0}, {gEndSignalPipe[0], POLLIN, 0}};
      if (poll(p, gEndSignalPipe[0] >= 0 ? 2 : 1, static_cast<int>(ms)) > 0 || gEndSignalled) {
        quietWaits = 0;
        Drain();
      }
      return;
    }
    quietWaits = 0;
#endif
    WaitEvents(ms);
  }
  // The window shows white everywhere and nothing of the canvas yet: the
  // first frame sends only the tiles that are not white.
  bool showsWhite = false;
#if defined(SDL_VIDEO_DRIVER_X11)
  Display* x11 = nullptr;  // the display connection, on X11
  Window x11Window = 0;
  static constexpr int kQuietWaitsBeforeLook = 30;
  int quietWaits = 0;
#endif

  // Where the canvas lies on a surface: centred.
  static SDL_Rect CanvasPlace(const SDL_Surface* screen, int pw, int ph) {
    return {(screen->w - pw) / 2, (screen->h - ph) / 2, pw, ph};
  }

  // The pixels of `screen` are the canvas's format (Cairo's RGB24 is
  // 32-bit 0x00RRGGBB).
  static bool IsCanvasFormat(const SDL_Surface* screen) {
    return screen->format->format == SDL_PIXELFORMAT_RGB888 && !SDL_MUSTLOCK(screen);
  }

  // The canvas may draw into `screen` when its pixels are the canvas's
  // format and the canvas fits, and only on X11, where the surface stays
  // what it is until the window's size changes (other video drivers may swap
  // it at every update).
  static bool CanLend(const SDL_Surface* screen, int pw, int ph) {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "x11") == 0 && IsCanvasFormat(screen) && pw <= screen->w &&
           ph <= screen->h && pw > 0 && ph > 0;
  }

  // The pixels of the canvas scaled down to pw × ph that the canvas's
  // rectangle `d` reaches, with a pixel more on each side for the filter.
  static SDL_Rect ScaledRect(const PixelRect& d, const Canvas& canvas, int pw, int ph) {
    const double kx = pw / static_cast<double>(canvas.PixelWidth());
    const double ky = ph / static_cast<double>(canvas.PixelHeight());
    const int x0 = std::max(0, static_cast<int>(std::floor(d.x0 * kx)) - 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(d.y0 * ky)) - 1);
    const int x1 = std::min(pw, static_cast<int>(std::ceil(d.x1 * kx)) + 1);
    const int y1 = std::min(ph, static_cast<int>(std::ceil(d.y1 * ky)) + 1);
    return {x0, y0, x1 - x0, y1 - y0};
  }

  // Paints the canvas scaled down to pw × ph into `to`, within `r` only.
  static void PaintScaled(Canvas& canvas, PixelMemory to, int pw, int ph, const SDL_Rect& r) {
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

  // Lends the canvas's place on `screen`, white around it.
  PixelMemory Lend(SDL_Surface* screen, int pw, int ph) {
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
    lent = true;
    resized = false;
    SDL_GetWindowSize(window, &lentWindowW, &lentWindowH);
    lastScreen = screen, lastW = screen->w, lastH = screen->h;
    exposed = true;
    return {static_cast<unsigned char*>(screen->pixels) + static_cast<size_t>(at.y) * screen->pitch +
                static_cast<size_t>(at.x) * 4,
            screen->pitch};
  }

  // Shows what changed since the last present: only the damaged rectangles
  // are sent; after an expose or a resize the whole window is sent again.
  // When the window surface holds the canvas's pixels, sending is all there
  // is to do; otherwise the damage is first converted (or scaled down) into
  // the surface from the canvas's image. True when anything was sent.
  bool Present(Canvas& canvas) {
    if (lent) {
      // A size change makes SDL free the surface at the next
      // SDL_GetWindowSurface: take the picture out of it first.
      int w = 0, h = 0;
      SDL_GetWindowSize(window, &w, &h);
      if (resized || w != lentWindowW || h != lentWindowH) {
        canvas.Rebind(canvas.Scale(), {});
        lent = false;
      } else if (!exposed && !canvas.HasDamage()) {
        return false;  // nothing was drawn: nothing to look at
      }
    }
    SDL_Surface* screen = SDL_GetWindowSurface(window);
    if (!screen) return false;
    if (screen != lastScreen || screen->w != lastW || screen->h != lastH) {
      lastScreen = screen, lastW = screen->w, lastH = screen->h;
      exposed = true;  // a new surface holds nothing yet
      if (lent) {
        // SDL replaced the surface the canvas draws into without a size
        // change: its pixels are gone, and the picture with them.
        canvas.Rebind(canvas.Scale(), {}, false);
        lent = false;
      }
    }
    // The canvas keeps the largest scale the window has had: a smaller
    // window shows it scaled down, and shows it as before once it is as
    // large again. A window larger than ever resamples the canvas up.
    const double fit = FitScale(screen->w, screen->h);
    if (fit > 0 && !lent && (fit > canvas.Scale() || SameScale(fit, canvas.Scale()))) {
      int pw = Canvas::PixelWidthAt(fit), ph = Canvas::PixelHeightAt(fit);
      if (!canvas.InLentMemory() && CanLend(screen, pw, ph)) {
        canvas.Rebind(fit, Lend(screen, pw, ph));
      } else if (!SameScale(fit, canvas.Scale())) {
        canvas.Rebind(fit, {});
        exposed = true;
      }
    }
    const bool scaled = fit > 0 && !SameScale(fit, canvas.Scale());
    // After an expose everything is sent; the damage is taken after that,
    // so that comparing the picture (all of it, the first time) does not
    // hold up the first frame. Only a first frame into a window that shows
    // white leaves out what is white.
    std::vector<PixelRect> damage;
    if (exposed && lent && showsWhite) {
      exposed = false;
      damage = canvas.TakeDamageOver(kColourWhite);
      if (damage.empty()) return false;
    } else if (!exposed) {
      damage = canvas.TakeDamage();
      if (damage.empty()) return false;
    } else {
      damage = {{0, 0, canvas.PixelWidth(), canvas.PixelHeight()}};
    }
    showsWhite = false;
    // Where the pixels sent come from: the window surface holds them (the
    // canvas draws there); or the canvas's image; or, in a smaller window,
    // the canvas scaled down, into the surface when its pixels are the
    // canvas's format, else into memory of the host's own.
    const int pw = scaled ? Canvas::PixelWidthAt(fit) : canvas.PixelWidth();
    const int ph = scaled ? Canvas::PixelHeightAt(fit) : canvas.PixelHeight();
    const SDL_Rect place = CanvasPlace(screen, pw, ph);
    SDL_Surface* image = nullptr;
    PixelMemory smaller;
    if (scaled && IsCanvasFormat(screen)) {
      smaller = {static_cast<unsigned char*>(screen->pixels) + static_cast<size_t>(place.y) * screen->pitch +
                     static_cast<size_t>(place.x) * 4,
                 screen->pitch};
    } else if (scaled) {
      scaledImage.resize(static_cast<size_t>(pw) * ph);
      smaller = {reinterpret_cast<unsigned char*>(scaledImage.data()), pw * 4};
      image = SDL_CreateRGBSurfaceWithFormatFrom(smaller.data, pw, ph, 32, smaller.stride, SDL_PIXELFORMAT_RGB888);
      if (!image) return false;
    } else if (!lent) {
      image = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<unsigned char*>(canvas.Pixels()), pw, ph, 32,
                                                 canvas.Stride(), SDL_PIXELFORMAT_RGB888);
      if (!image) return false;
    }
    if (exposed && !lent) {
      Rgb bg = PaletteColour(kColourWhite);
      SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, bg.r, bg.g, bg.b));
    }
    rects.clear();
    for (const PixelRect& d : damage) {
      SDL_Rect from = scaled ? ScaledRect(d, canvas, pw, ph) : SDL_Rect{d.x0, d.y0, d.x1 - d.x0, d.y1 - d.y0};
      if (from.w <= 0 || from.h <= 0) continue;
      if (scaled) PaintScaled(canvas, smaller, pw, ph, from);
      SDL_Rect to{place.x + from.x, place.y + from.y, from.w, from.h};
      if (image) SDL_BlitSurface(image, &from, screen, &to);  // `to` becomes the rectangle drawn
      if (to.w > 0 && to.h > 0) rects.push_back(to);
    }
    if (exposed) {
      SDL_UpdateWindowSurface(window);
      canvas.TakeDamage();
    } else if (!rects.empty()) {
      SDL_UpdateWindowSurfaceRects(window, rects.data(), static_cast<int>(rects.size()));
    }
    if (image) SDL_FreeSurface(image);
    exposed = false;
    lastPresent = SDL_GetTicks();
    return true;
  }
};

WindowHost::WindowHost(const std::string& title) : impl_(std::make_unique<Impl>()) {
  NameProgram(title);
  SkipComposeTable();
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // Only the video drivers that show a window will do: without a display SDL
  // falls back to one that shows nothing, and the program would wait for
  // keys that never come.
  auto env = [](const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
  };
  const char* display = env("DISPLAY");
  const char* wayland = env("WAYLAND_DISPLAY");
  if (!display && !wayland) throw std::runtime_error("cannot open a window: no display (DISPLAY is not set)");
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, wayland ? "x11,wayland" : "x11", SDL_HINT_OVERRIDE);
  StandardErrorAside aside;
  const bool started = SDL_Init(SDL_INIT_VIDEO) == 0;
  const std::string said = aside.Take();
  const std::string where = display ? display : wayland;
  if (!started && !OneLine(said).empty())
    throw std::runtime_error("cannot open a window: the display " + where + " refused the connection (" +
                             OneLine(said) + ")");
  if (!started) throw std::runtime_error("cannot open a window: no display at " + where);
  std::fputs(said.c_str(), stderr);
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_DisplayMode screen;
  if (std::strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0 && SDL_GetDesktopDisplayMode(0, &screen) == 0 &&
      screen.format == SDL_PIXELFORMAT_UNKNOWN) {
    int depth = 0;
    VisualID visual = EightBitVisual(depth);
    if (!visual) {
      SDL_Quit();
      throw std::runtime_error("cannot open a window: SDL cannot show the pixels of " + ScreenOfDepth(depth) +
                               ", which has no visual of 8-bit red, green and blue");
    }
    SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, std::to_string(visual).c_str());
  }
#endif
  // The faces are found and loaded beside the rest of the start (after
  // SDL_Init, which changes the locale for a moment: fontconfig must not see
  // that).
  LoadFacesAhead();
  SDL_Rect usable{0, 0, Canvas::kWidth, Canvas::kHeight};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0)
    usable = {0, 0, Canvas::kWidth, Canvas::kHeight};
  // Without a window manager nobody maximises the window: it is created as
  // large as the display's usable area.
  impl_->window = SDL_CreateWindow(title.c_str(), usable.x, usable.y, usable.w, usable.h,
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
  if (!impl_->window) {
    std::string why = SDL_GetError();
    FinishLoadingFaces();
    SDL_Quit();
    throw std::runtime_error("cannot open a window: " + why);
  }
  // A window manager maximises the window a moment later: give it that
  // moment, so that the canvas starts at the final size.
  Uint32 start = SDL_GetTicks();
  while (!(SDL_GetWindowFlags(impl_->window) & SDL_WINDOW_MAXIMIZED) && SDL_GetTicks() - start < 150) {
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, 10)) impl_->Handle(e);
  }
  SDL_Event e;
  while (SDL_PollEvent(&e)) impl_->Handle(e);
  int w = usable.w, h = usable.h;
  SDL_GetWindowSize(impl_->window, &w, &h);
  impl_->scale = FitScale(w, h);
  SDL_StartTextInput();
  WakeOnEndSignals();
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(impl_->window, &info) && info.subsystem == SDL_SYSWM_X11) {
    Display* display = info.info.x11.display;
    impl_->x11 = display;
    impl_->x11Window = info.info.x11.window;
    gWindow = impl_->x11Window;
    if (XErrorHandler other = XSetErrorHandler(OnXError); other != OnXError) gOtherErrors = other;
    XSetIOErrorHandler(OnLostDisplay);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);  // for DestroyNotify, KeyPress and KeyRelease
    unsigned long white = 0;
    if (CanvasWhitePixel(display, impl_->x11Window, white)) {
      // Until the first frame the window shows white, not what its memory
      // held; the first frame need not send the canvas's white tiles (or
      // the margins around it).
      XSetWindowBackground(display, impl_->x11Window, white);
      XClearWindow(display, impl_->x11Window);
      impl_->showsWhite = true;
    }
  }
#endif
}

// The program is ending: the window and the display connection go with the
// process. Tearing SDL down here would send the X server a last few requests,
// and an error reply to any of them (say, for a window the server already
// dropped) makes Xlib end the process with status 1 instead of 0.
WindowHost::~WindowHost() { FinishLoadingFaces(); }

double WindowHost::PixelScale() const { return impl_->scale; }

// The canvas is made at PixelScale, the scale that fits the window: it draws
// straight into the window surface when the surface's pixels allow it.
PixelMemory WindowHost::CanvasMemory(int width, int height) {
  SDL_Surface* screen = SDL_GetWindowSurface(impl_->window);
  if (!screen || !Impl::CanLend(screen, width, height) ||
      !SameScale(FitScale(screen->w, screen->h), impl_->scale))
    return {};
  return impl_->Lend(screen, width, height);
}

bool WindowHost::TakeKey(Canvas& canvas, int& code) {
  // Straight after an idle wait (the program only asks again) the events
  // were just handled: looking at the connection again would find nothing.
  if (!impl_->justWaited) impl_->Drain();
  impl_->justWaited = false;
  if (impl_->closed) throw WindowClosed{};
  if (impl_->keys.empty()) return false;
  code = impl_->keys.front();
  impl_->keys.pop_front();
  impl_->emptyPolls = 0;
  return true;
}

void WindowHost::Idle(Canvas& canvas) {
  if (impl_->Present(canvas)) impl_->emptyPolls = 0;
  else if (impl_->emptyPolls < kPollsBeforeRest) ++impl_->emptyPolls;
  impl_->IdleWait(impl_->emptyPolls >= kPollsBeforeRest       ? kRestingWaitMs
                  : impl_->emptyPolls >= kPollsBeforeLongWait ? kLongIdleWaitMs
                                                              : kIdleWaitMs);
  if (impl_->exposed) impl_->Present(canvas);
  impl_->lastWait = SDL_GetTicks();
  impl_->justWaited = true;
}

void WindowHost::Pause(Canvas& canvas, int n) {
  impl_->emptyPolls = 0;
  impl_->justWaited = false;
  impl_->Present(canvas);
  impl_->Drain();
  if (n <= 0) return;
  Uint64 end = SDL_GetTicks64() + static_cast<Uint64>(n) * 10;
  for (Uint64 now = SDL_GetTicks64(); now < end; now = SDL_GetTicks64()) {
    impl_->WaitEvents(static_cast<Uint32>(end - now));
    if (impl_->exposed) impl_->Present(canvas);
  }
  impl_->lastWait = SDL_GetTicks();
}

// A long drawing (one that does not wait for keys or pause) is shown as it
// goes; a program that waits is shown when it waits, so that what it draws
// between two polls (the entry's cursor dot, erased and drawn again) is
// never shown half done.
void WindowHost::Poll(Canvas& canvas) {
  impl_->justWaited = false;
  Uint32 now = SDL_GetTicks();
  // Looking at the events costs a round on the display connection: a
  // drawing does it at most every kDrawingEventsMs.
  if (now - impl_->lastDrain < kDrawingEventsMs) return;
  impl_->lastDrain = now;
  impl_->Drain();
  if (impl_->exposed || (now - impl_->lastWait >= kDrawingPresentMs &&
                         now - impl_->lastPresent >= kDrawingPresentMs))
    impl_->Present(canvas);
}

void WindowHost::WaitForClose(Canvas& canvas) {
  impl_->keys.clear();
  while (!impl_->closed && !gWindowGone && !gEndSignalled) {
    impl_->Present(canvas);
    SDL_Event e;
    if (SDL_WaitEvent(&e)) impl_->Handle(e);
    while (SDL_PollEvent(&e)) impl_->Handle(e);
  }
}

std::string WindowHost::Clock() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%H:%M:%S", &local);
  return text;
}

void WindowHost::SetTitle(const std::string& title) { SDL_SetWindowTitle(impl_->window, title.c_str()); }

}  // namespace lessons
