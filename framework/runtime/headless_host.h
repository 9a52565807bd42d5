// The headless host: scripted keys, a fixed clock, a call log and PNG
// snapshots. Tests and tools run the programs on it.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "framework/runtime/runtime.h"

namespace lessons {

struct HeadlessOptions {
  std::vector<int> keys;           // key codes, handed over one per wait
  std::string time = "12:00:00";   // what TimeString answers
  std::string logPath;             // call log file ("" = none)
  bool keepLog = false;            // keep the call log in memory (LogLines)
  std::string pngDir;              // key-NNNN.png before each key ("" = none)
};

class HeadlessHost : public Host {
 public:
  explicit HeadlessHost(HeadlessOptions options);
  ~HeadlessHost() override;

  // A key script: one character per key, with the escapes \n (Enter, 13),
  // \b (Backspace, 8), \f (12) and \\ (a backslash).
  static std::vector<int> ParseKeyScript(std::string_view script);

  const std::vector<std::string>& LogLines() const { return lines_; }
  void ClearLog() { lines_.clear(); }
  int KeysHanded() const { return next_; }
  int PngCount() const { return pngCount_; }

  double PixelScale() const override { return 1.0; }
  bool TakeKey(Canvas& canvas, int& code) override;
  void Idle(Canvas& canvas) override {}
  void Pause(Canvas& canvas, int n) override {}
  void Poll(Canvas& canvas) override {}
  void WaitForClose(Canvas& canvas) override {}
  std::string Clock() override { return options_.time; }
  bool Logging() const override { return options_.keepLog || logFile_ != nullptr; }
  void Log(std::string_view line) override;

 private:
  HeadlessOptions options_;
  std::vector<std::string> lines_;
  std::FILE* logFile_ = nullptr;
  int next_ = 0;
  int pngCount_ = 0;
};

}  // namespace lessons
