#include "tools/probe_host.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

#include "framework/runtime/canvas.h"
#include "framework/runtime/errors.h"
#include "framework/runtime/headless_host.h"

namespace lessons {

PixelMemory ProbeHost::CanvasMemory(int width, int height) {
  return inner_.CanvasMemory(width, height);
}

void ProbeHost::ScriptKeys(std::vector<int> keys) {
  keys_ = std::move(keys);
  next_ = 0;
  innerKeys_ = false;
}

bool ProbeHost::TakeKey(Canvas& canvas, int& code) {
  if (!waiting_) {
    waiting_ = true;
    if (showFrames_) inner_.Pause(canvas, 0);
    ++waits_;
    if (keepRecords_) {
      if (handed_ > 0) {
        auto now = SteadyClock::now();
        if (pausesSinceKey_ == 0)
          steps_.push_back(std::chrono::duration<double>(now - handedAt_).count());
        else
          frameTimes_.push_back(std::chrono::duration<double>(now - frameFrom_).count());
      }
      frames_.push_back(reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)));
    }
    if (showFrames_) Shown();
    if (onWait) onWait();
  }
  if (innerKeys_ || (innerAfterScript_ && next_ >= keys_.size())) {
    if (!inner_.TakeKey(canvas, code)) return false;
    Handed(code);
    return true;
  }
  if (source_) {
    if (!source_(code)) throw WindowClosed{};
  } else {
    if (next_ >= keys_.size()) throw WindowClosed{};
    code = keys_[next_++];
  }
  Handed(code);
  return true;
}

void ProbeHost::Handed(int code) {
  waiting_ = false;
  ++handed_;
  pausesSinceKey_ = 0;
  if (onKey) onKey(code);
  handedAt_ = SteadyClock::now();
  frameFrom_ = handedAt_;
}

void ProbeHost::Shown() {
  if (firstShown_) return;
  firstShown_ = true;
  if (onFirstShown) onFirstShown();
}

void ProbeHost::Idle(Canvas& canvas) {
  inner_.Idle(canvas);
  Shown();
  if (onIdle) onIdle();
}

void ProbeHost::Pause(Canvas& canvas, int n) {
  if (keepRecords_)
    frameTimes_.push_back(std::chrono::duration<double>(SteadyClock::now() - frameFrom_).count());
  inner_.Pause(canvas, n);
  ++pausesSinceKey_;
  frameFrom_ = SteadyClock::now();
}

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  double rank = std::ceil(p / 100.0 * static_cast<double>(values.size()));
  size_t i = rank < 1 ? 0 : static_cast<size_t>(rank) - 1;
  return values[std::min(i, values.size() - 1)];
}

namespace {
// A "Name:   1234 kB" line of /proc/self/status, in MB.
double StatusMegabytes(const char* name) {
  std::ifstream in("/proc/self/status");
  std::string line;
  std::string prefix = std::string(name) + ":";
  while (std::getline(in, line)) {
    if (line.rfind(prefix, 0) == 0) {
      std::istringstream fields(line.substr(prefix.size()));
      double kb = 0;
      fields >> kb;
      return kb / 1024.0;
    }
  }
  return 0;
}
}  // namespace

double ResidentMegabytes() { return StatusMegabytes("VmRSS"); }
double PeakResidentMegabytes() { return StatusMegabytes("VmHWM"); }

double CpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

std::string MemoryGrowthFault(long long keys, double rssAtBase, double rssAtEnd) {
  if (keys < kGrowthRunKeys) return "";
  double growth = rssAtEnd - rssAtBase;
  if (growth <= kGrowthLimitMegabytes) return "";
  char text[200];
  std::snprintf(text, sizeof text,
                "the RSS grew by %.1f MB after the first %lld keys (%.1f MB, then %.1f MB after "
                "%lld keys); at most %.1f MB is allowed",
                growth, kGrowthBaseKeys, rssAtBase, rssAtEnd, keys, kGrowthLimitMegabytes);
  return text;
}

bool ReadKeyFile(const std::string& path, std::vector<int>& keys) {
  std::ifstream in(path);
  if (!in) return false;
  std::string script, line;
  while (std::getline(in, line)) {
    for (char c : line.substr(0, line.find('#')))
      if (c != ' ' && c != '\t' && c != '\r') script += c;
  }
  keys = HeadlessHost::ParseKeyScript(script);
  return true;
}

std::string KeyText(int code) {
  switch (code) {
    case kKeyEnter: return "\\n";
    case kKeyBackspace: return "\\b";
    case kKeyClear: return "\\f";
    case '\\': return "\\\\";
  }
  if (code >= 32 && code < 127) return std::string(1, static_cast<char>(code));
  return "<" + std::to_string(code) + ">";
}

}  // namespace lessons
