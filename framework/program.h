// Runs a lesson program from start-up to its end, on any host.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/lesson.h"
#include "framework/runtime/runtime.h"

namespace lessons {

enum class RunEnd {
  kFinished,  // the main menu's end item
  kClosed,    // the window was closed (or a key script ran out)
  kError,     // the error screen was shown, then the window closed
};

struct RunResult {
  RunEnd end = RunEnd::kFinished;
  int errorNumber = 0;
  int errorLine = 0;
};

using ProgramFactory = std::function<std::unique_ptr<Lesson>(Runtime&)>;

// Starts the program (InitProgram) and runs it to its end. A run-time error
// anywhere is shown by the error screen, which waits until the window is
// closed. Logs "Error number line" and "End reason" lines.
RunResult RunProgram(Lesson& program);

// main() of a lesson program: the real window.
int RunInWindow(const std::string& title, const ProgramFactory& make);

}  // namespace lessons
