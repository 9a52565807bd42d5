// The graphics runtime: the drawing, keyboard, clock, random, window, font
// and pen operations that the lesson framework and the lessons call.
//
// Everything is drawn onto one retained canvas in logical units (the visible
// area is (0,0)-(1600,900)); a Host shows the canvas and supplies keys and the
// clock. docs/runtime.md says what the open choices mean.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/basic.h"

namespace lessons {

class Canvas;
struct PixelMemory;

// One point of DrawPolyline: absolute, or an offset from the point before.
struct PolyPoint {
  Num x = 0, y = 0;
  bool relative = false;
};

// A rectangle of ink; empty when x1 <= x0.
struct InkBox {
  Num x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool Empty() const { return x1 <= x0 || y1 <= y0; }
  // The box around both (an empty one adds nothing).
  InkBox Joined(const InkBox& o) const;
};

// What a measured drawing would put down: the box around its ink, and the
// box around its texts' cells (each character a*s or a*s/2 wide, b*s high,
// as the typesetters advance) and its lines. Both hold every line and
// polyline, widened by half the pen.
struct Measured {
  InkBox ink, cells;
};

// Key codes that ReadKey gives besides printable characters.
enum KeyCode : int {
  kKeyBackspace = 8,
  kKeyTab = 9,
  kKeyClear = 12,  // the Delete key
  kKeyEnter = 13,
  kKeyFunction1 = 14,  // F1..F12 are 14..25
  kKeyEscape = 27,
  kKeyRight = 28,
  kKeyLeft = 29,
  kKeyUp = 30,
  kKeyDown = 31,
  kKeyOther = 127,  // any other key without a character (Home, Page Up, ...)
};

// Where the canvas is shown and keys come from: the SDL window, or the
// headless host of tests and tools.
class Host {
 public:
  virtual ~Host() = default;
  // Pixels per logical unit of the canvas this host shows.
  virtual double PixelScale() const = 0;
  // Pixels of the host's own that the canvas (`width` x `height` pixels at
  // PixelScale) may draw into, so that no second copy of the picture is
  // kept (the window's surface); none by default: the canvas keeps its own.
  virtual PixelMemory CanvasMemory(int width, int height);
  // Takes the next waiting key into `code`; false when none waits. The
  // headless host always hands over its next scripted key. Throws
  // WindowClosed when the window was closed (or the script is exhausted).
  virtual bool TakeKey(Canvas& canvas, int& code) = 0;
  // No key waited: show the canvas and wait a few ms for window events.
  virtual void Idle(Canvas& canvas) = 0;
  // Show the canvas, then wait n units of 10 ms, handling window events.
  virtual void Pause(Canvas& canvas, int n) = 0;
  // Called now and then while a program draws, so that a window that is
  // closed during a long drawing still ends the program.
  virtual void Poll(Canvas& canvas) = 0;
  // The error screen: show the canvas and wait until the window is closed
  // (the headless host returns at once).
  virtual void WaitForClose(Canvas& canvas) = 0;
  // Time of day, "hh:mm:ss", 24-hour.
  virtual std::string Clock() = 0;
  // The call log: true when Log should be called for every runtime call.
  virtual bool Logging() const { return false; }
  virtual void Log(std::string_view line) {}
  // The window title.
  virtual void SetTitle(const std::string& title) {}
};

class Runtime {
 public:
  explicit Runtime(Host& host);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // ---- window, font and pen ----
  void SetMapMode(int window, int mode);
  void MaximizeWindow(int window);
  void SetFontName(int window, const std::string& face);
  void SetFontSize(int window, Num size);
  void SetFontBold(int window, int flag);    // -1 on, 0 off
  void SetFontItalic(int window, int flag);  // -1 on, 0 off
  void SetDrawWidth(int window, int width);
  int GetDrawWidth(int window) const;

  // ---- drawing ----
  // shape 0 line, 1 rectangle outline, 2 filled rectangle; relative 1 makes
  // (x2, y2) an offset from (x1, y1).
  void DrawLine(int window, int unused, Num x1, Num y1, int relative, Num x2, Num y2, int mode,
                int lineColour, int shape, int fillColour, int style, int fillMode);
  // A connected line; fill 1 fills the figure with fillColour.
  void DrawPolyline(int window, const std::vector<PolyPoint>& points, int lineColour, int fill,
                    int fillColour);
  // Angles are fractions of a full turn, clockwise on the screen from +x;
  // 0 and 0 draw the whole circle. fill 1 fills the disc (or sector).
  void DrawCircle(int window, int unused, Num x, Num y, Num radius, int colour, Num aspect,
                  Num start, Num end, int fill, int unused2, int fillColour, int fillMode);
  // Text in the font in force, its top-left corner at (x, y); (a, b) is the
  // size pair (see docs/runtime.md).
  void DrawText(int window, int unused, Num x, Num y, const std::string& text, int a, int b,
                int colour, int unused2 = 0, int unused3 = 0, int unused4 = 1);
  void ClearScreen(int window, int unused);
  // The box around the ink DrawText would put down for the text at (x, y)
  // in the font in force (empty when it has none). Draws and logs nothing.
  InkBox TextInk(Num x, Num y, const std::string& text, int a, int b);
  // Runs `draw` without drawing: its DrawText, DrawLine, DrawPolyline,
  // DrawCircle and ClearScreen change no pixel, log nothing and do not poll
  // the host; what its texts, lines and polylines would put down is answered.
  // The font and pen it sets stay set. A measurement inside one answers its
  // own drawing only; the outer one does not see it. When `draw` throws,
  // drawing is normal again (or the outer measurement goes on).
  Measured Measure(const std::function<void()>& draw);

  // ---- keyboard, time, random ----
  // The next key as a one-character text, or "" when none waits.
  std::string ReadKey(int window);
  void Pause(int count);
  std::string TimeString();
  void Randomize(int32_t seed);
  Num Random(int unused);

  // ---- for the program runner, tests and tools ----
  void SetTitle(const std::string& title);
  void WaitForClose();
  void LogLine(std::string_view line);
  bool SavePng(const std::string& path);
  Canvas& canvas() { return *canvas_; }
  Host& host() { return host_; }

  // Current font and pen state (read by tests).
  const std::string& FontName() const { return fontName_; }
  Num FontSize() const { return fontSize_; }
  bool FontBold() const { return bold_; }
  bool FontItalic() const { return italic_; }

 private:
  void Touch();  // called by each drawing operation: lets the host poll now and then
  // While measuring, adds a stroke's box (x0 <= x1, y0 <= y1) widened by
  // half the pen to both boxes, and answers true: nothing is to be drawn.
  bool MeasuredStroke(Num x0, Num y0, Num x1, Num y1);

  Host& host_;
  std::unique_ptr<Canvas> canvas_;
  std::string fontName_ = "ｺﾞｼｯｸ";
  Num fontSize_ = 16;
  bool bold_ = false, italic_ = false;
  int width_ = 1;
  uint32_t randomState_ = 1;
  unsigned drawCount_ = 0;
  Measured* measured_ = nullptr;  // set while measuring
};

// Shortest text that reads back as the same float (for logs).
std::string FloatText(Num v);

}  // namespace lessons
