// Test support: a lesson program state on the headless host, and replays of
// the real programs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/lesson.h"
#include "framework/program.h"
#include "framework/runtime/headless_host.h"
#include "framework/runtime/runtime.h"

namespace lessons::testing {

// A lesson whose main menu is whatever the test gives it.
class TestLesson : public Lesson {
 public:
  explicit TestLesson(Runtime& rt) : Lesson(rt, "Test") {}
  std::function<void()> menu;

 protected:
  void MainMenu() override {
    if (menu) menu();
  }
};

// Host, runtime and lesson state together. The constructor runs start-up
// (with an empty main menu) so the state is what a program's menu finds.
struct Bench {
  explicit Bench(const std::string& keyScript = "", const std::string& time = "12:00:00");
  HeadlessHost host;
  Runtime rt;
  TestLesson L;

  // The call log since the last ClearLog (one line per runtime call).
  const std::vector<std::string>& Log() const { return host.LogLines(); }
  void ClearLog() { host.ClearLog(); }
  // Log lines that start with `prefix` (e.g. "DrawText\t").
  std::vector<std::string> Calls(const std::string& prefix) const;
  // The texts of the DrawText calls, in order.
  std::vector<std::string> Texts() const;
};

// Sets the plane of x and y from -6 to 6, one unit per step, 44 units per
// step, corner (440, 100), grid and numbers on: DrawCoordinatePlane then puts
// the origin at (704, 364), the top at 100 and the bottom at 628.
void SetSixPlane(Lesson& L);

// Splits a log line at its tabs.
std::vector<std::string> Fields(const std::string& line);

struct Replay {
  RunResult result;
  std::vector<std::string> log;
  int keysHanded = 0;
};

// Runs a whole program ("palisteo", "quendral", "orvenna") on a key script.
Replay RunReplay(const std::string& program, const std::string& keyScript,
                 const std::string& time = "12:00:00", const std::string& pngDir = "");

// Where tests may write files (PNG pages to look at).
std::string TestOutDir(const std::string& sub);

}  // namespace lessons::testing
