// Quendral's state after start-up on the headless host, without its main
// menu: for running one screen directly.
#pragma once

#include <string>
#include <vector>

#include "framework/runtime/headless_host.h"
#include "tests/support/bench.h"
#include "values/quendral.h"

namespace lessons::testing {

class BareQuendral : public Quendral {
 public:
  using Quendral::Quendral;

 protected:
  void MainMenu() override {}
};

struct QuendralBench {
  explicit QuendralBench(const std::string& keyScript, const std::string& pngDir = "")
      : host(Options(keyScript, pngDir)), rt(host), L(rt) {
    L.InitProgram();
    host.ClearLog();
  }
  static HeadlessOptions Options(const std::string& keyScript, const std::string& pngDir) {
    HeadlessOptions o;
    o.keys = HeadlessHost::ParseKeyScript(keyScript);
    o.keepLog = true;
    o.pngDir = pngDir;
    return o;
  }
  HeadlessHost host;
  Runtime rt;
  BareQuendral L;
};

// Quendral's state as constructed, without start-up: for running one routine
// or screen on variables the test sets itself.
struct QuendralState {
  explicit QuendralState(const std::string& keys = "")
      : host(QuendralBench::Options(keys, "")), rt(host), Q(rt) {}
  HeadlessHost host;
  Runtime rt;
  Quendral Q;
};

// Runs `screen` directly with the pen width `entryWidth` in force and two
// keys more than it needs, writing its pages to build/test-out/<outDir>;
// keeps the keys it took, the pen width it left and its log, then waits once
// more for the page of the finished screen.
struct ScreenRun {
  ScreenRun(const std::string& outDir, void (Quendral::*screen)(), int keys, int entryWidth = 3)
      : b(std::string(static_cast<size_t>(keys) + 2, ' '), TestOutDir(outDir)) {
    b.rt.SetDrawWidth(0, entryWidth);
    b.host.ClearLog();
    (b.L.*screen)();
    keysTaken = b.host.KeysHanded();
    widthLeft = b.rt.GetDrawWidth(0);
    log = b.host.LogLines();
    b.L.WaitAnyKey();
  }
  QuendralBench b;
  int keysTaken = 0, widthLeft = 0;
  std::vector<std::string> log;
};

}  // namespace lessons::testing
