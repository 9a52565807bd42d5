// A host that stands between a program and a real host (headless or window)
// to measure it: it hands over scripted keys (or the real host's keys),
// times each step from a key handed over until the program waits for the
// next key, and records how deep the stack is at every wait.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/runtime/runtime.h"

namespace lessons {

using SteadyClock = std::chrono::steady_clock;

class ProbeHost : public Host {
 public:
  explicit ProbeHost(Host& inner) : inner_(inner) {}

  // Keys to hand over, one per key the program reads (as the headless host
  // does). When they run out and the program asks for another, the run ends
  // as if the window were closed.
  void ScriptKeys(std::vector<int> keys);
  // Keys come from the inner host instead (the real keyboard of a window).
  void UseInnerKeys() { innerKeys_ = true; }
  // Once the scripted keys are used up, keys come from the inner host (and
  // the run does not end there).
  void InnerKeysAfterScript() { innerAfterScript_ = true; }
  // True once every scripted key was handed over.
  bool ScriptUsedUp() const { return next_ >= keys_.size(); }
  // Keys from `next` instead, one per key the program reads; when it
  // answers false, the run ends as if the window were closed.
  void KeysFrom(std::function<bool(int&)> next) { source_ = std::move(next); }
  // Step times and wait frames are kept for StepSeconds and WaitFrames
  // unless told otherwise (a run of millions of keys keeps only counts).
  void KeepRecords(bool on) { keepRecords_ = on; }
  // At the start of each wait the inner host shows the frame (a Pause of 0),
  // as a person at a window would see it before typing; the step's time
  // includes showing it.
  void ShowFrames(bool on) { showFrames_ = on; }

  // Called when the program starts to wait for a key (it may throw
  // WindowClosed to end the run).
  std::function<void()> onWait;
  // Called after the first frame was shown (by ShowFrames or an Idle).
  std::function<void()> onFirstShown;
  // Called after every Idle (the program polled and no key waited).
  std::function<void()> onIdle;
  // Called with every key handed over.
  std::function<void(int)> onKey;

  // Seconds of each step without Pause: from a key handed over until the
  // program waits for the next one. The wait before the first key is not a
  // step.
  const std::vector<double>& StepSeconds() const { return steps_; }
  // Seconds of each frame of the steps that animate (call Pause): from the
  // key or the end of the last Pause until the next Pause starts or the
  // program waits for a key. Pause's own waits are frame delays, not work.
  const std::vector<double>& FrameSeconds() const { return frameTimes_; }
  // The stack frame address of the host at the start of every wait.
  const std::vector<std::uintptr_t>& WaitFrames() const { return frames_; }
  int KeysHanded() const { return handed_; }
  int Waits() const { return waits_; }

  double PixelScale() const override { return inner_.PixelScale(); }
  PixelMemory CanvasMemory(int width, int height) override;
  bool TakeKey(Canvas& canvas, int& code) override;
  void Idle(Canvas& canvas) override;
  void Pause(Canvas& canvas, int n) override;
  void Poll(Canvas& canvas) override { inner_.Poll(canvas); }
  void WaitForClose(Canvas& canvas) override { inner_.WaitForClose(canvas); }
  std::string Clock() override { return inner_.Clock(); }
  bool Logging() const override { return inner_.Logging(); }
  void Log(std::string_view line) override { inner_.Log(line); }
  void SetTitle(const std::string& title) override { inner_.SetTitle(title); }

 private:
  void Handed(int code);
  void Shown();

  Host& inner_;
  std::vector<int> keys_;
  size_t next_ = 0;
  bool innerKeys_ = false;
  bool innerAfterScript_ = false;
  bool keepRecords_ = true;
  std::function<bool(int&)> source_;
  int waits_ = 0;
  bool showFrames_ = false;
  bool waiting_ = false;
  bool firstShown_ = false;
  int handed_ = 0;
  SteadyClock::time_point handedAt_;
  SteadyClock::time_point frameFrom_;
  int pausesSinceKey_ = 0;
  std::vector<double> steps_;
  std::vector<double> frameTimes_;
  std::vector<std::uintptr_t> frames_;
};

// The p-th percentile (0..100) of the values, nearest rank; 0 for none.
double Percentile(std::vector<double> values, double p);

// Memory and CPU of this process.
double ResidentMegabytes();      // VmRSS now
double PeakResidentMegabytes();  // VmHWM, the highest RSS so far
double CpuSeconds();             // user + system time of all threads

// The monkey's memory rule: once the first kGrowthBaseKeys keys have been
// handed over, what long use may still add to the RSS. It holds for runs of
// kGrowthRunKeys keys or more (shorter ones are too short to tell growth
// from start-up); the RSS at the end may exceed the RSS after the first
// kGrowthBaseKeys keys by at most kGrowthLimitMegabytes.
constexpr long long kGrowthBaseKeys = 100000;
constexpr long long kGrowthRunKeys = 300000;
constexpr double kGrowthLimitMegabytes = 1.0;
// What breaks the rule for a run of `keys` keys, or "" when nothing does.
std::string MemoryGrowthFault(long long keys, double rssAtBase, double rssAtEnd);

// Key scripts in files: "#" starts a comment that runs to the end of the
// line; blanks, tabs and line breaks are dropped (they are for the reader,
// not keys). What remains is a key script of lesson-replay (\n Enter,
// \b Backspace, \f code 12, \\ a backslash). False when the file cannot be read.
bool ReadKeyFile(const std::string& path, std::vector<int>& keys);

// A key as key-script text: \n, \b, \f, \\, a printable character, or
// <code> for any other code (arrow keys are <28> to <31>).
std::string KeyText(int code);

}  // namespace lessons
