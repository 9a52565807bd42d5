#include "tests/support/bench.h"

#include <filesystem>

#include "tools/program_table.h"

namespace lessons::testing {

namespace {
HeadlessOptions Options(const std::string& keyScript, const std::string& time) {
  HeadlessOptions o;
  o.keys = HeadlessHost::ParseKeyScript(keyScript);
  o.time = time;
  o.keepLog = true;
  return o;
}
}  // namespace

Bench::Bench(const std::string& keyScript, const std::string& time)
    : host(Options(keyScript, time)), rt(host), L(rt) {
  L.InitProgram();
  host.ClearLog();
}

std::vector<std::string> Bench::Calls(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& l : Log())
    if (l.rfind(prefix, 0) == 0) out.push_back(l);
  return out;
}

std::vector<std::string> Bench::Texts() const {
  std::vector<std::string> out;
  for (const auto& l : Calls("DrawText\t")) out.push_back(Fields(l).back());
  return out;
}

void SetSixPlane(Lesson& L) {
  L.A41 = 440, L.I = 100, L.XI2 = -6, L.B3 = 6, L.B4 = -6, L.X = 6;
  L.XSTEP = 1, L.GGX = 1, L.NO = 44, L.SIZE = 1, L.N = 0;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> out;
  size_t start = 0;
  while (true) {
    size_t tab = line.find('\t', start);
    out.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return out;
}

Replay RunReplay(const std::string& program, const std::string& keyScript,
                 const std::string& time, const std::string& pngDir) {
  HeadlessOptions o = Options(keyScript, time);
  o.pngDir = pngDir;
  HeadlessHost host(o);
  Runtime rt(host);
  auto make = FindProgram(program);
  auto lesson = make(rt);
  Replay r;
  r.result = RunProgram(*lesson);
  r.log = host.LogLines();
  r.keysHanded = host.KeysHanded();
  return r;
}

std::string TestOutDir(const std::string& sub) {
  std::filesystem::path p = std::filesystem::path(LESSONS_TEST_OUT) / sub;
  std::filesystem::create_directories(p);
  return p.string();
}

}  // namespace lessons::testing
