#include "framework/runtime/runtime.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "framework/runtime/canvas.h"

namespace lessons {

std::string FloatText(Num v) {
  if (v == 0) return "0";  // also -0
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

namespace {

// Builds a tab-separated log line.
class LogLineBuilder {
 public:
  explicit LogLineBuilder(const char* name) : line_(name) {}
  LogLineBuilder& operator<<(Num v) { return Field(FloatText(v)); }
  LogLineBuilder& operator<<(int v) { return Field(std::to_string(v)); }
  LogLineBuilder& operator<<(const std::string& s) { return Field(s); }
  LogLineBuilder& operator<<(const char* s) { return Field(s); }
  const std::string& str() const { return line_; }

 private:
  LogLineBuilder& Field(const std::string& s) {
    line_ += '\t';
    line_ += s;
    return *this;
  }
  std::string line_;
};

// How often drawing lets the host look at its window events.
constexpr unsigned kDrawsPerPoll = 64;

}  // namespace

PixelMemory Host::CanvasMemory(int width, int height) { return {}; }

Runtime::Runtime(Host& host) : host_(host) {
  double scale = host.PixelScale();
  canvas_ = std::make_unique<Canvas>(
      scale, host.CanvasMemory(Canvas::PixelWidthAt(scale), Canvas::PixelHeightAt(scale)));
}

Runtime::~Runtime() = default;

// ---- window, font and pen --------------------------------------------------

void Runtime::SetMapMode(int window, int mode) {}
void Runtime::MaximizeWindow(int window) {}
void Runtime::SetFontName(int window, const std::string& face) { fontName_ = face; }
void Runtime::SetFontSize(int window, Num size) { fontSize_ = size; }
void Runtime::SetFontBold(int window, int flag) { bold_ = flag != 0; }
void Runtime::SetFontItalic(int window, int flag) { italic_ = flag != 0; }
void Runtime::SetDrawWidth(int window, int width) { width_ = width; }
int Runtime::GetDrawWidth(int window) const { return width_; }

// ---- drawing ---------------------------------------------------------------

void Runtime::Touch() {
  if (++drawCount_ % kDrawsPerPoll == 0) host_.Poll(*canvas_);
}

Measured Runtime::Measure(const std::function<void()>& draw) {
  Measured m;
  // Restores the outer state however `draw` ends.
  struct Restore {
    Measured*& at;
    Measured* outer;
    ~Restore() { at = outer; }
  } restore{measured_, std::exchange(measured_, &m)};
  draw();
  return m;
}

bool Runtime::MeasuredStroke(Num x0, Num y0, Num x1, Num y1) {
  if (!measured_) return false;
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
    return true;
  const Num half = static_cast<Num>(std::max(width_, 1)) / 2;
  const InkBox box{x0 - half, y0 - half, x1 + half, y1 + half};
  measured_->ink = measured_->ink.Joined(box);
  measured_->cells = measured_->cells.Joined(box);
  return true;
}

void Runtime::DrawLine(int window, int unused, Num x1, Num y1, int relative, Num x2, Num y2,
                       int mode, int lineColour, int shape, int fillColour, int style,
                       int fillMode) {
  if (relative == 1) {
    x2 += x1;
    y2 += y1;
  }
  if (MeasuredStroke(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)))
    return;
  if (fillMode == 7) fillColour = lineColour;
  if (host_.Logging()) {
    const char* name = shape == 1 ? "box" : shape == 2 ? "fill" : "line";
    LogLine((LogLineBuilder("DrawLine") << x1 << y1 << x2 << y2 << name << lineColour << fillColour
                                        << width_).str());
  }
  if (shape == 1 || shape == 2)
    canvas_->Rectangle(x1, y1, x2, y2, lineColour, shape == 2, fillColour, width_);
  else
    canvas_->Line(x1, y1, x2, y2, lineColour, width_);
  Touch();
}

void Runtime::DrawPolyline(int window, const std::vector<PolyPoint>& points, int lineColour,
                           int fill, int fillColour) {
  std::vector<Canvas::Point> absolute;
  absolute.reserve(points.size());
  for (const auto& p : points) {
    if (p.relative && !absolute.empty())
      absolute.push_back({absolute.back().x + p.x, absolute.back().y + p.y});
    else
      absolute.push_back({p.x, p.y});
  }
  if (measured_) {
    if (absolute.empty()) return;
    Canvas::Point lo = absolute[0], hi = absolute[0];
    for (const auto& p : absolute) {
      lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
      hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
    }
    MeasuredStroke(static_cast<Num>(lo.x), static_cast<Num>(lo.y), static_cast<Num>(hi.x),
                   static_cast<Num>(hi.y));
    return;
  }
  if (host_.Logging()) {
    LogLineBuilder line("DrawPolyline");
    line << lineColour << fill << fillColour << width_;
    for (const auto& p : absolute)
      line << FloatText(static_cast<Num>(p.x)) + "," + FloatText(static_cast<Num>(p.y));
    LogLine(line.str());
  }
  canvas_->Polyline(absolute, lineColour, width_, fill == 1, fillColour);
  Touch();
}

void Runtime::DrawCircle(int window, int unused, Num x, Num y, Num radius, int colour, Num aspect,
                         Num start, Num end, int fill, int unused2, int fillColour, int fillMode) {
  if (measured_) return;
  if (fillMode == 1) fillColour = colour;
  if (host_.Logging())
    LogLine((LogLineBuilder("DrawCircle") << x << y << radius << colour << start << end << fill
                                          << fillColour << width_).str());
  canvas_->Circle(x, y, radius, aspect, start, end, colour, width_, fill == 1, fillColour);
  Touch();
}

void Runtime::DrawText(int window, int unused, Num x, Num y, const std::string& text, int a, int b,
                       int colour, int unused2, int unused3, int unused4) {
  if (measured_) {
    // The cells the typesetters advance by: a*s per double-byte character.
    const Num cellHeight = b * fontSize_, width = a * fontSize_ * ByteLen(text) / 2;
    measured_->ink = measured_->ink.Joined(TextInk(x, y, text, a, b));
    if (std::isfinite(x) && std::isfinite(y))
      measured_->cells = measured_->cells.Joined({x, y, x + width, y + cellHeight});
    return;
  }
  if (host_.Logging())
    LogLine((LogLineBuilder("DrawText") << x << y << a << b << colour << fontName_ << fontSize_
                                        << (bold_ ? 1 : 0) << (italic_ ? 1 : 0) << text).str());
  FontSpec font{fontName_, fontSize_, bold_, italic_};
  canvas_->Text(x, y, text, a, b, colour, font);
  Touch();
}

InkBox InkBox::Joined(const InkBox& o) const {
  if (o.Empty()) return *this;
  if (Empty()) return o;
  return {std::min(x0, o.x0), std::min(y0, o.y0), std::max(x1, o.x1), std::max(y1, o.y1)};
}

InkBox Runtime::TextInk(Num x, Num y, const std::string& text, int a, int b) {
  InkBox all;
  for (const Canvas::Box& g :
       canvas_->TextInk(x, y, text, a, b, {fontName_, fontSize_, bold_, italic_}))
    all = all.Joined({static_cast<Num>(g.x0), static_cast<Num>(g.y0), static_cast<Num>(g.x1),
                      static_cast<Num>(g.y1)});
  return all;
}

void Runtime::ClearScreen(int window, int unused) {
  if (measured_) return;
  LogLine("ClearScreen");
  canvas_->Clear(15);
  Touch();
}

// ---- keyboard, time, random ------------------------------------------------

std::string Runtime::ReadKey(int window) {
  int code = 0;
  if (host_.TakeKey(*canvas_, code)) {
    LogLine("Key\t" + std::to_string(code));
    return Chr(code);
  }
  host_.Idle(*canvas_);
  return "";
}

void Runtime::Pause(int count) {
  LogLine("Pause\t" + std::to_string(count));
  host_.Pause(*canvas_, count);
}

std::string Runtime::TimeString() { return host_.Clock(); }

// The generator: xorshift32, its state derived from the seed by one round of
// a 32-bit integer hash (so that nearby seeds start far apart; never 0).
void Runtime::Randomize(int32_t seed) {
  uint32_t z = static_cast<uint32_t>(seed) + 0x9E3779B9u;
  z = (z ^ (z >> 16)) * 0x85EBCA6Bu;
  z = (z ^ (z >> 13)) * 0xC2B2AE35u;
  z ^= z >> 16;
  randomState_ = z ? z : 0x6D2B79F5u;
}

Num Runtime::Random(int unused) {
  uint32_t x = randomState_;
  x ^= x << 13;
  x ^= x >> 17;
  x ^= x << 5;
  randomState_ = x;
  // The top 24 bits: exactly representable as a float, at most 1 - 2^-24.
  return static_cast<Num>(x >> 8) / 16777216.0f;
}

// ---- for the program runner, tests and tools --------------------------------

void Runtime::SetTitle(const std::string& title) { host_.SetTitle(title); }

void Runtime::WaitForClose() { host_.WaitForClose(*canvas_); }

void Runtime::LogLine(std::string_view line) {
  if (host_.Logging()) host_.Log(line);
}

bool Runtime::SavePng(const std::string& path) { return canvas_->SavePng(path); }

}  // namespace lessons
