// Menus are loops and returns: thousands of trips through the main menu, a
// unit and its sub-menu leave the stack depth and the memory where they were.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/runtime/headless_host.h"
#include "tools/probe_host.h"
#include "tools/program_table.h"

namespace lessons {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;  // its quarantine holds freed memory
#else
constexpr bool kAddressSanitizer = false;
#endif

TEST(MenuRoundTrips, StackDepthAndMemoryStayFlat) {
  // Palisteo: unit 1 from the main menu, then the sub-menu's last item (3)
  // back to the main menu; 9 ends the program.
  const std::string trip = R"(1\n3\n)";
  const int trips = 2000, warmUp = 100;
  std::string script;
  for (int i = 0; i < trips; ++i) script += trip;
  script += R"(9\n)";
  const auto keys = HeadlessHost::ParseKeyScript(script);
  const int keysPerTrip = static_cast<int>(HeadlessHost::ParseKeyScript(trip).size());

  HeadlessHost headless{HeadlessOptions{}};
  ProbeHost host(headless);
  host.ScriptKeys(keys);
  double rssAfterWarmUp = 0;
  host.onKey = [&](int) {
    if (host.KeysHanded() == warmUp * keysPerTrip) rssAfterWarmUp = ResidentMegabytes();
  };
  Runtime rt(host);
  auto program = FindProgram("palisteo")(rt);
  RunResult result = RunProgram(*program);

  ASSERT_EQ(result.end, RunEnd::kFinished) << "error " << result.errorNumber << " at line "
                                           << result.errorLine << " after " << host.KeysHanded()
                                           << " keys";
  ASSERT_EQ(host.KeysHanded(), static_cast<int>(keys.size()));

  // Every wait of a trip happens at the same stack depth on every trip: the
  // spread of the frame addresses at the same key of the trip stays within
  // a few hundred bytes (a nesting menu would sink by a frame per trip).
  const auto& frames = host.WaitFrames();
  ASSERT_GE(frames.size(), static_cast<size_t>(trips * keysPerTrip));
  std::uintptr_t spread = 0;
  for (int k = 0; k < keysPerTrip; ++k) {
    std::uintptr_t lo = UINTPTR_MAX, hi = 0;
    for (int t = 0; t < trips; ++t) {
      std::uintptr_t f = frames[static_cast<size_t>(t * keysPerTrip + k)];
      lo = std::min(lo, f);
      hi = std::max(hi, f);
    }
    spread = std::max(spread, hi - lo);
  }
  EXPECT_LT(spread, 512u) << "the stack grows with every menu round trip";

  // Memory: what the last 1,900 trips added to the resident set.
  double growth = ResidentMegabytes() - rssAfterWarmUp;
  if (!kAddressSanitizer) {
    EXPECT_LT(growth, 2.0) << "MB more after " << trips - warmUp << " trips";
  }
}

}  // namespace
}  // namespace lessons
