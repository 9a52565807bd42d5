// The X connection: what the window host asks of the X server besides what
// SDL does. This part owns what a key does in the current layout, Xlib's
// error handlers (a request about the window
// that fails because another client destroyed the window is a close; a lost
// connection ends the program with a line of its own, after a probe for
// whether the server still takes a new connection), the visual of 8-bit red,
// green and blue chosen on a 30-bit screen, and the window's pixel value of
// the canvas's white.
#pragma once

#include <SDL_config.h>
#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#endif

namespace lessons {

// Another client destroyed the window (always false but on X11).
bool WindowGone();

#if defined(SDL_VIDEO_DRIVER_X11)
// Xlib's reports about `window` on the host's connection from now on: an
// error about the window because it is gone makes WindowGone true; other
// errors go to the handler that was there before (Xlib's prints it and ends
// the program). A lost connection ends the program with status 1 and one
// line saying whether the X server went away or only closed the connection.
void WatchConnection(Window window);

// The key of `press` shifts to the third level in the current layout (its
// first keysym is ISO_Level3_Shift or Mode_switch): it is AltGr, not an Alt.
bool ShiftsToLevelThree(const XKeyEvent& press);

// The window's pixel value of the canvas's white, made as the canvas's
// pixels are, from the red, green and blue bits, so that it shows as the
// canvas's does. False when the window's pixels are not made so (a visual
// with a palette).
bool CanvasWhitePixel(Display* display, Window window, unsigned long& pixel);

// SDL has no window surface for the pixels of a 30-bit screen (the window
// stays white: "Unknown window pixel format"): the window then gets a visual
// of 8-bit red, green and blue, which the X server shows on that screen. The
// id of one on the default screen, 24 bits deep if there is one; 0 when
// none. `depth` is the screen's.
VisualID EightBitVisual(int& depth);
#endif

}  // namespace lessons
