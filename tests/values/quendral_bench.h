// Quendral's state on the headless host with scripted keys and a kept call
// log, for running one screen or routine directly (no start-up, no menu).
#pragma once

#include <string>

#include "framework/runtime/headless_host.h"
#include "values/quendral.h"

namespace lessons::testing {

struct QuendralBench {
  explicit QuendralBench(const std::string& keys = "") : host(Opts(keys)), rt(host), Q(rt) {}
  static HeadlessOptions Opts(const std::string& keys) {
    HeadlessOptions o;
    o.keys = HeadlessHost::ParseKeyScript(keys);
    o.keepLog = true;
    return o;
  }
  HeadlessHost host;
  Runtime rt;
  Quendral Q;
};

}  // namespace lessons::testing
