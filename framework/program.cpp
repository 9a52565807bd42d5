#include "framework/program.h"

#include <cstdio>
#include <new>

#include "framework/runtime/window_host.h"

namespace lessons {

namespace {
const char* EndReason(RunEnd end) {
  switch (end) {
    case RunEnd::kFinished: return "finished";
    case RunEnd::kClosed: return "closed";
    case RunEnd::kError: return "error";
  }
  return "?";
}
}  // namespace

RunResult RunProgram(Lesson& program) {
  RunResult result;
  int number = 0, line = 0;
  try {
    program.InitProgram();
    result.end = RunEnd::kFinished;
  } catch (const WindowClosed&) {
    result.end = RunEnd::kClosed;
  } catch (const RuntimeError& e) {
    number = e.number();
    line = e.line();
    result.end = RunEnd::kError;
  } catch (const std::bad_alloc&) {
    number = kErrOutOfMemory;
    result.end = RunEnd::kError;
  } catch (const std::exception&) {
    number = kErrRuntimeFailure;
    result.end = RunEnd::kError;
  }
  if (result.end == RunEnd::kError) {
    result.errorNumber = number;
    result.errorLine = line;
    program.rt.LogLine("Error\t" + std::to_string(number) + "\t" + std::to_string(line));
    try {
      program.ErrorTrap(number, line);
    } catch (...) {
      // An error inside the error screen (or the window closing) ends it.
    }
  }
  program.rt.LogLine(std::string("End\t") + EndReason(result.end));
  return result;
}

int RunInWindow(const std::string& title, const ProgramFactory& make) {
  try {
    WindowHost host(title);
    Runtime runtime(host);
    auto program = make(runtime);
    RunProgram(*program);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), e.what());
    return 1;
  }
  return 0;
}

}  // namespace lessons
