// lesson-replay PROGRAM [--keys TEXT] [--time hh:mm:ss] [--log FILE] [--png DIR]
//
// Runs a lesson program on the headless host: keys from a script, a fixed
// clock, a call log and PNG snapshots. Exit status 0 when the run ended
// normally (the program's end item, or the key script ran out), 3 when the
// error screen was reached, 2 for a wrong command line.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

#include "framework/program.h"
#include "framework/runtime/headless_host.h"
#include "framework/runtime/runtime.h"
#include "tools/program_table.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: lesson-replay palisteo|quendral|orvenna [--keys TEXT] [--time hh:mm:ss]\n"
               "                     [--log FILE] [--png DIR]\n");
  return 2;
}

bool ValidTime(const std::string& t) {
  if (t.size() != 8 || t[2] != ':' || t[5] != ':') return false;
  for (int i : {0, 1, 3, 4, 6, 7})
    if (t[i] < '0' || t[i] > '9') return false;
  return t.substr(0, 2) < "24" && t[3] < '6' && t[6] < '6';
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lessons;
  if (argc < 2) return Usage();
  std::string program = argv[1];
  ProgramFactory make = FindProgram(program);
  if (!make) return Usage();

  HeadlessOptions options;
  for (int i = 2; i < argc; ++i) {
    std::string option = argv[i];
    if (i + 1 >= argc) return Usage();
    std::string value = argv[++i];
    if (option == "--keys") options.keys = HeadlessHost::ParseKeyScript(value);
    else if (option == "--time" && ValidTime(value)) options.time = value;
    else if (option == "--log") options.logPath = value;
    else if (option == "--png") options.pngDir = value;
    else return Usage();
  }

  try {
    HeadlessHost host(options);
    Runtime runtime(host);
    auto lesson = make(runtime);
    RunResult result = RunProgram(*lesson);
    if (!options.pngDir.empty())
      runtime.SavePng((std::filesystem::path(options.pngDir) / "final.png").string());
    return result.end == RunEnd::kError ? 3 : 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lesson-replay: %s\n", e.what());
    return 1;
  }
}
