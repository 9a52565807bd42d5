#include "framework/runtime/window_host.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <bitset>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <memory>
#include <stdexcept>

#include "framework/basic.h"
#include "framework/runtime/canvas.h"
#include "framework/runtime/end_signals.h"
#include "framework/runtime/errors.h"
#include "framework/runtime/fonts.h"
#include "framework/runtime/key_codes.h"
#include "framework/runtime/window_presenter.h"
#include "framework/runtime/x_connection.h"

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
  std::bitset<256> levelThreeDown;  // the keys held that are AltGr, by X key code
  WindowPresenter screen;
  Uint32 lastDrain = 0;  // when a drawing last looked at the events
  Uint32 lastWait = 0;  // when the program last waited (Idle or Pause)
  int emptyPolls = 0;   // Idles in a row that found nothing to show

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
          screen.Invalidate();
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_RESIZED)
          screen.Resized();
        break;
      case SDL_KEYDOWN: {
        const bool repeat = e.key.repeat && heldDown;
        const int code = KeyDownCode(e.key.keysym, RightAltIsAltGr());
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
            levelThreeDown.set(x.xkey.keycode & 0xFF, ShiftsToLevelThree(x.xkey));
          } else if (x.type == KeyRelease) {
            keysDown.reset(x.xkey.keycode & 0xFF);
            levelThreeDown.reset(x.xkey.keycode & 0xFF);
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

  // The right Alt key held is AltGr: on X11 it is when a key held shifts to
  // the third level in the current layout (on the us and jp layouts right
  // Alt is an Alt); elsewhere it is taken as AltGr.
  bool RightAltIsAltGr() const {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (x11) return levelThreeDown.any();
#endif
    return true;
  }

  // Handles every waiting event; throws WindowClosed once the window was closed.
  void Drain() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) Handle(e);
    if (closed || WindowGone() || EndSignalled()) throw WindowClosed{};
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
      const int signalled = EndSignalWakeFd();
      pollfd p[2] = {{ConnectionNumber(x11), POLLIN, 0}, {signalled, POLLIN, 0}};
      if (poll(p, signalled >= 0 ? 2 : 1, static_cast<int>(ms)) > 0 || EndSignalled()) {
        quietWaits = 0;
        Drain();
      }
      return;
    }
    quietWaits = 0;
#endif
    WaitEvents(ms);
  }
#if defined(SDL_VIDEO_DRIVER_X11)
  Display* x11 = nullptr;  // the display connection, on X11
  Window x11Window = 0;
  static constexpr int kQuietWaitsBeforeLook = 30;
  int quietWaits = 0;
#endif
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
  impl_->screen.SetWindow(impl_->window);
  // A window manager maximises the window a moment later: give it that
  // moment, so that the canvas starts at the final size.
  Uint32 start = SDL_GetTicks();
  while (!(SDL_GetWindowFlags(impl_->window) & SDL_WINDOW_MAXIMIZED) && SDL_GetTicks() - start < 150) {
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, 10)) impl_->Handle(e);
  }
  SDL_Event e;
  while (SDL_PollEvent(&e)) impl_->Handle(e);
  // The canvas is made once, for the maximised window: the usable area, or
  // the window when it is larger. It is never resampled (the picture would
  // stay softer for the rest of the run): a window of another size, such as
  // one un-maximised to the whole screen, shows it scaled, and the window
  // maximised again shows the very same pixels.
  int w = usable.w, h = usable.h;
  SDL_GetWindowSize(impl_->window, &w, &h);
  impl_->scale = std::max(FitScale(w, h), FitScale(usable.w, usable.h));
  SDL_StartTextInput();
  WakeOnEndSignals();
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(impl_->window, &info) && info.subsystem == SDL_SYSWM_X11) {
    Display* display = info.info.x11.display;
    impl_->x11 = display;
    impl_->x11Window = info.info.x11.window;
    WatchConnection(impl_->x11Window);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);  // for DestroyNotify, KeyPress and KeyRelease
    unsigned long white = 0;
    if (CanvasWhitePixel(display, impl_->x11Window, white)) {
      // Until the first frame the window shows white, not what its memory
      // held; the first frame need not send the canvas's white tiles (or
      // the margins around it).
      XSetWindowBackground(display, impl_->x11Window, white);
      XClearWindow(display, impl_->x11Window);
      impl_->screen.ShowsWhite();
    }
  }
#endif
}

// The program is ending: the window and the display connection go with the
// process. Tearing SDL down here would send the X server a last few requests,
// and an error reply to any of them (say, for a window the server already
// dropped) makes Xlib end the process with status 1 instead of 0. What is
// left after the faces' thread touches no X server: an end signal's grace
// stops there.
WindowHost::~WindowHost() {
  FinishLoadingFaces();
  EndReached();
}

double WindowHost::PixelScale() const { return impl_->scale; }

// The canvas is made at PixelScale, the scale that fits the window: it draws
// straight into the window surface when the surface's pixels allow it.
PixelMemory WindowHost::CanvasMemory(int width, int height) {
  return impl_->screen.CanvasMemory(width, height, impl_->scale);
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
  if (impl_->screen.Present(canvas)) impl_->emptyPolls = 0;
  else if (impl_->emptyPolls < kPollsBeforeRest) ++impl_->emptyPolls;
  impl_->IdleWait(impl_->emptyPolls >= kPollsBeforeRest       ? kRestingWaitMs
                  : impl_->emptyPolls >= kPollsBeforeLongWait ? kLongIdleWaitMs
                                                              : kIdleWaitMs);
  if (impl_->screen.Invalid()) impl_->screen.Present(canvas);
  impl_->lastWait = SDL_GetTicks();
  impl_->justWaited = true;
}

void WindowHost::Pause(Canvas& canvas, int n) {
  impl_->emptyPolls = 0;
  impl_->justWaited = false;
  impl_->screen.Present(canvas);
  impl_->Drain();
  if (n <= 0) return;
  Uint64 end = SDL_GetTicks64() + static_cast<Uint64>(n) * 10;
  for (Uint64 now = SDL_GetTicks64(); now < end; now = SDL_GetTicks64()) {
    impl_->WaitEvents(static_cast<Uint32>(end - now));
    if (impl_->screen.Invalid()) impl_->screen.Present(canvas);
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
  if (impl_->screen.Invalid() || (now - impl_->lastWait >= kDrawingPresentMs &&
                                 now - impl_->screen.LastPresent() >= kDrawingPresentMs))
    impl_->screen.Present(canvas);
}

void WindowHost::WaitForClose(Canvas& canvas) {
  impl_->keys.clear();
  while (!impl_->closed && !WindowGone() && !EndSignalled()) {
    impl_->screen.Present(canvas);
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
