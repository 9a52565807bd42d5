// The key monkey's memory rule, and the probe's key source that lets the
// monkey draw its keys as it goes.
#include <gtest/gtest.h>

#include "framework/runtime/headless_host.h"
#include "tools/probe_host.h"
#include "tools/program_table.h"

namespace lessons {
namespace {

TEST(MonkeyMemoryRule, HoldsForLongRunsOnly) {
  struct Case {
    long long keys;
    double atBase, atEnd;
    bool fault;
  };
  const Case cases[] = {
      {299999, 20.0, 30.0, false},  // too short to tell
      {300000, 20.0, 21.0, false},  // exactly the limit
      {300000, 20.0, 21.05, true},
      {1000000, 24.1, 26.5, true},
      {1000000, 24.1, 23.0, false},  // shrinking is fine
      {20000, -1, 25.0, false},      // no figure at 100,000 keys
  };
  for (const Case& c : cases) {
    std::string fault = MemoryGrowthFault(c.keys, c.atBase, c.atEnd);
    EXPECT_EQ(!fault.empty(), c.fault) << c.keys << " " << c.atBase << " " << c.atEnd << ": " << fault;
  }
  std::string fault = MemoryGrowthFault(400000, 24.0, 25.5);
  EXPECT_NE(fault.find("1.5 MB"), std::string::npos) << fault;
  EXPECT_NE(fault.find("100000"), std::string::npos) << fault;
}

TEST(ProbeKeySource, HandsKeysUntilItAnswersFalseAndKeepsNoRecords) {
  // Palisteo: unit 1 and back, 50 times, from a source; then it runs dry.
  const auto trip = HeadlessHost::ParseKeyScript(R"(1\n3\n)");
  const size_t total = 50 * trip.size();
  size_t drawn = 0;
  HeadlessHost headless{HeadlessOptions{}};
  ProbeHost host(headless);
  host.KeepRecords(false);
  host.KeysFrom([&](int& code) {
    if (drawn >= total) return false;
    code = trip[drawn++ % trip.size()];
    return true;
  });
  Runtime rt(host);
  auto program = FindProgram("palisteo")(rt);
  EXPECT_EQ(RunProgram(*program).end, RunEnd::kClosed);
  EXPECT_EQ(host.KeysHanded(), static_cast<int>(total));
  EXPECT_EQ(host.Waits(), static_cast<int>(total) + 1);
  EXPECT_TRUE(host.StepSeconds().empty());
  EXPECT_TRUE(host.WaitFrames().empty());
}

TEST(ProbeTimes, StepsThatAnimateCountAsFramesOnly) {
  HeadlessHost headless{HeadlessOptions{}};
  ProbeHost host(headless);
  host.ScriptKeys({'a', 'b', 'c', 'd'});
  Runtime rt(host);
  auto key = [&] { while (rt.ReadKey(0).empty()) {} };
  key();                                    // the wait before the first key: no step
  key();                                    // a plain step
  for (int i = 0; i < 3; ++i) rt.Pause(0);  // three frames, then the rest of the step
  key();
  key();                                    // a plain step again
  EXPECT_EQ(host.StepSeconds().size(), 2u);
  EXPECT_EQ(host.FrameSeconds().size(), 4u);
}

}  // namespace
}  // namespace lessons
