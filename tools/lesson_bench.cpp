// lesson-bench: speed and memory figures of the lesson programs, one line
// per figure ("program figure value unit").
//
//   lesson-bench [--starts N] [--idle-seconds S] [--tour-runs R] [--window-runs R]
//                [--tours DIR] [PROGRAM...]
//   lesson-bench --idle-test [--idle-seconds S] [--limit PERCENT] [PROGRAM...]
//
// The window figures come from child processes (this executable again) that
// run a program in the real window host on an Xvfb server of our own:
//   startup     process start until the main menu's first frame was shown
//               (median of --starts starts, 9 unless told; the starts of
//               the floor and of the programs take turns)
//   step_*      from a key handed over until the program waits for the next
//               key, over the steps of the program's tour
//               (tools/tours/PROGRAM.keys) that do not animate; median and
//               99th percentile, headless (in this process, --tour-runs
//               times) and in the window (--window-runs runs, 5 unless told,
//               each in a process of its own, their steps pooled)
//   step_p99_window_runs, _median, _min
//               the window step p99 of each window run on its own, and their
//               median and minimum: how far the figure moves from run to run
//   frame_p99_* the 99th percentile of the animation frames' times over the
//               tour, without Pause's frame delays
//   peak_rss_window  highest RSS of a window process over its tour
//   idle_cpu_menu, idle_cpu_submenu, idle_cpu_keywait
//               CPU time while the program waits (at the main menu's entry,
//               at a sub-menu's entry, at a "press any key" prompt), % of
//               one core
// First of all the floor of the stack: lesson-floor (a window opened as the
// window host opens it, one line of Gothic text drawn with Cairo and shown)
// gives "floor startup" and "floor peak_rss_window"; after its own figures
// each program gets startup_vs_floor (its startup / the floor's) and
// rss_over_floor_mb (its peak RSS - the floor's).
// --idle-test checks only the idle figures and fails above --limit (default 1 %).
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/runtime/errors.h"
#include "framework/runtime/headless_host.h"
#include "framework/runtime/window_host.h"
#include "tools/probe_host.h"
#include "tools/program_table.h"

extern char** environ;

namespace {

using namespace lessons;

const std::vector<std::string> kPrograms = {"palisteo", "quendral", "orvenna"};

double NowSeconds() {
  return std::chrono::duration<double>(SteadyClock::now().time_since_epoch()).count();
}

std::string Title(const std::string& program) {
  std::string t = program;
  if (!t.empty()) t[0] = static_cast<char>(t[0] - 'a' + 'A');
  return t;
}

const char* EndName(RunEnd end) {
  switch (end) {
    case RunEnd::kFinished: return "finished";
    case RunEnd::kClosed: return "closed";
    case RunEnd::kError: return "error";
  }
  return "?";
}

// ---- child processes --------------------------------------------------------

struct ChildResult {
  bool ok = false;         // exited with status 0 in time
  std::map<std::string, std::string> values;  // "name value" lines it printed
};

// Starts this executable with `args`, collects its "name value" lines.
// `startedAt` is set just before the process is created.
class Child {
 public:
  // `path` is the executable (this one unless told).
  bool Start(const std::vector<std::string>& args, double& startedAt,
             const char* path = "/proc/self/exe") {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    std::vector<std::string> all = {"lesson-bench"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    startedAt = NowSeconds();
    int rc = posix_spawn(&pid_, path, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
      close(fds[0]);
      return false;
    }
    out_ = fds[0];
    return true;
  }

  ChildResult Finish(double timeoutSeconds) {
    ChildResult r;
    std::string text;
    double deadline = NowSeconds() + timeoutSeconds;
    char buf[4096];
    while (true) {
      int left = static_cast<int>((deadline - NowSeconds()) * 1000);
      pollfd p{out_, POLLIN, 0};
      if (left <= 0 || poll(&p, 1, left) <= 0) {
        kill(pid_, SIGKILL);
        break;
      }
      ssize_t n = read(out_, buf, sizeof buf);
      if (n <= 0) break;
      text.append(buf, static_cast<size_t>(n));
    }
    close(out_);
    int status = 0;
    waitpid(pid_, &status, 0);
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string line = text.substr(start, end - start);
      size_t blank = line.find(' ');
      if (blank != std::string::npos) r.values[line.substr(0, blank)] = line.substr(blank + 1);
      start = end + 1;
    }
    return r;
  }

 private:
  pid_t pid_ = 0;
  int out_ = -1;
};

// ---- an Xvfb server of our own ---------------------------------------------

class Xvfb {
 public:
  ~Xvfb() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }

  // Tries display numbers from a start that depends on our process id, so
  // that parallel runs rarely meet (the window tests keep to 300-399);
  // Xvfb reports the number when ready.
  bool Start() {
    int base = 400 + static_cast<int>(getpid() % 200);
    for (int d = base; d < base + 40; ++d)
      if (TryDisplay(d)) return true;
    return false;
  }
  const std::string& display() const { return display_; }

 private:
  bool TryDisplay(int number) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return false;
    std::string name = ":" + std::to_string(number);
    pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {  // the server goes when we go
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      dup2(fds[1], 3);
      int null = open("/dev/null", O_WRONLY);
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
      execlp("Xvfb", "Xvfb", name.c_str(), "-displayfd", "3", "-screen", "0", "1920x1080x24",
             "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string reply;
    char buf[32];
    pollfd p{fds[0], POLLIN, 0};
    while (reply.find('\n') == std::string::npos && poll(&p, 1, 10000) > 0) {
      ssize_t n = read(fds[0], buf, sizeof buf);
      if (n <= 0) break;
      reply.append(buf, static_cast<size_t>(n));
    }
    close(fds[0]);
    if (reply.find('\n') == std::string::npos) {  // busy display: Xvfb gave up
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
      return false;
    }
    pid_ = pid;
    display_ = ":" + std::to_string(std::atoi(reply.c_str()));
    return true;
  }

  pid_t pid_ = 0;
  std::string display_;
};

// ---- what the children do ---------------------------------------------------

// Runs `program` on `inner` (a headless or window host) through a probe that
// `arm` sets up; `done` reads the probe after the run.
RunResult RunProbed(const std::string& program, Host& inner,
                    const std::function<void(ProbeHost&)>& arm,
                    const std::function<void(ProbeHost&)>& done = {}) {
  ProbeHost host(inner);
  arm(host);
  Runtime rt(host);
  auto lesson = FindProgram(program)(rt);
  RunResult result = RunProgram(*lesson);
  if (done) done(host);
  return result;
}

// Prints the time at which the main menu's first frame was shown, then ends.
int ChildStartup(const std::string& program) {
  WindowHost window(Title(program));
  RunProbed(program, window, [](ProbeHost& host) {
    host.UseInnerKeys();
    host.ShowFrames(true);
    host.onFirstShown = [] {
      std::printf("shown %.9f\n", NowSeconds());
      std::fflush(stdout);
      throw WindowClosed{};
    };
  });
  return 0;
}

// The waits whose idle CPU is measured: the keys that lead there from the
// start (the same in every program: unit 1's sub-menu, then its first screen,
// which starts with a "press any key" prompt).
struct IdleWait {
  const char* name;
  const char* keys;  // a lesson-replay key script
};
const IdleWait kIdleWaits[] = {
    {"idle_cpu_menu", ""},
    {"idle_cpu_submenu", "1\\n"},
    {"idle_cpu_keywait", "1\\n1\\n"},
};

// Prints the CPU time used while the program waits `seconds` after the keys
// of `script`, as % of one core. The clock starts at the first poll after
// the last key, once the frame was shown.
int ChildIdle(const std::string& program, double seconds, const std::string& script) {
  WindowHost window(Title(program));
  std::vector<int> keys = HeadlessHost::ParseKeyScript(script);
  double cpu0 = 0, t0 = 0;
  bool started = false;
  RunProbed(program, window, [&](ProbeHost& host) {
    host.ScriptKeys(keys);
    host.InnerKeysAfterScript();
    host.ShowFrames(true);
    host.onIdle = [&] {
      if (!host.ScriptUsedUp()) return;
      double t = NowSeconds();
      if (!started) {
        started = true;
        cpu0 = CpuSeconds();
        t0 = t;
        return;
      }
      if (t - t0 < seconds) return;
      std::printf("idle_cpu %.4f\n", 100.0 * (CpuSeconds() - cpu0) / (t - t0));
      std::fflush(stdout);
      throw WindowClosed{};
    };
    // A real key would spoil the figure.
    host.onKey = [&](int) {
      if (host.KeysHanded() > static_cast<int>(keys.size())) throw WindowClosed{};
    };
  });
  return 0;
}

struct TourFigures {
  std::vector<double> steps;   // steps without Pause
  std::vector<double> frames;  // the frames of the steps that animate
  RunEnd end = RunEnd::kClosed;
  int keysHanded = 0;
};

// One run of a tour on `inner`; the figures are added to `f`.
void RunTour(const std::string& program, Host& inner, const std::vector<int>& keys,
             bool showFrames, TourFigures& f) {
  RunResult r = RunProbed(
      program, inner,
      [&](ProbeHost& host) {
        host.ScriptKeys(keys);
        host.ShowFrames(showFrames);
      },
      [&](ProbeHost& host) {
        f.steps.insert(f.steps.end(), host.StepSeconds().begin(), host.StepSeconds().end());
        f.frames.insert(f.frames.end(), host.FrameSeconds().begin(), host.FrameSeconds().end());
        f.keysHanded = host.KeysHanded();
      });
  f.end = r.end;
}

void PrintTour(const TourFigures& f) {
  std::printf("end %s\nhanded %d\n", EndName(f.end), f.keysHanded);
  for (const auto& [name, times] : {std::pair{"step_times", &f.steps}, {"frame_times", &f.frames}}) {
    std::printf("%s", name);
    for (double t : *times) std::printf(" %.7f", t);
    std::printf("\n");
  }
}

// The seconds a child printed on one line ("name t1 t2 ..."), added to `to`.
void AddTimes(const ChildResult& r, const std::string& name, std::vector<double>& to) {
  auto it = r.values.find(name);
  if (it == r.values.end()) return;
  const char* at = it->second.c_str();
  char* end = nullptr;
  for (double t = std::strtod(at, &end); end != at; t = std::strtod(at, &end)) {
    to.push_back(t);
    at = end;
  }
}

// Runs the tour in the window host; prints its step and frame times and peak RSS.
int ChildTour(const std::string& program, const std::string& tourFile) {
  std::vector<int> keys;
  if (!ReadKeyFile(tourFile, keys)) return 2;
  TourFigures f;
  {
    WindowHost window(Title(program));
    RunTour(program, window, keys, true, f);
  }
  PrintTour(f);
  std::printf("peak_rss %.3f\n", PeakResidentMegabytes());
  return 0;
}

int RunChild(int argc, char** argv) {
  // lesson-bench --child startup|idle|tour PROGRAM [SECONDS [KEYS]|TOURFILE]
  if (argc < 4 || !FindProgram(argv[3])) return 2;
  std::string mode = argv[2], program = argv[3];
  try {
    if (mode == "startup") return ChildStartup(program);
    if (mode == "idle" && argc > 4)
      return ChildIdle(program, std::atof(argv[4]), argc > 5 ? argv[5] : "");
    if (mode == "tour" && argc > 4) return ChildTour(program, argv[4]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lesson-bench: %s: %s\n", program.c_str(), e.what());
    return 1;
  }
  return 2;
}

// ---- the figures ------------------------------------------------------------

struct Options {
  std::vector<std::string> programs;
  int starts = 9;
  double idleSeconds = 5;
  int tourRuns = 3;
  int windowRuns = 5;
  std::string tours = LESSONS_TOURS_DIR;
  bool idleTest = false;
  double limit = 1;
};

void Figure(const std::string& program, const char* name, double value, const char* unit) {
  std::printf("%s %s %.3g %s\n", program.c_str(), name, value, unit);
  std::fflush(stdout);
}

void Warn(const std::string& program, const std::string& what) {
  std::fprintf(stderr, "lesson-bench: %s: %s\n", program.c_str(), what.c_str());
}

double Number(const ChildResult& r, const std::string& name) {
  auto it = r.values.find(name);
  return it == r.values.end() ? -1 : std::atof(it->second.c_str());
}

ChildResult RunChildProcess(const std::vector<std::string>& args, double timeout,
                            double* startedAt = nullptr) {
  Child child;
  double t = 0;
  if (!child.Start(args, t)) return {};
  if (startedAt) *startedAt = t;
  return child.Finish(timeout);
}

void CheckTourEnd(const std::string& program, const std::string& end, int handed, size_t keys) {
  if (end != "finished" || handed != static_cast<int>(keys))
    Warn(program, "the tour ended '" + end + "' after " + std::to_string(handed) + " of " +
                      std::to_string(keys) + " keys; it no longer matches the program's menus");
}

// lesson-floor, next to this executable.
std::string FloorPath() {
  char self[4096];
  ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return "lesson-floor";
  std::string path(self, static_cast<size_t>(n));
  return path.substr(0, path.rfind('/') + 1) + "lesson-floor";
}

// Start-up times (seconds, median) and the floor's peak RSS. The starts of
// the floor and of every program take turns, so that a change in the
// machine's load while they run weighs on all of them alike.
struct StartFigures {
  double floor = 0;
  double floorPeakRss = 0;  // MB
  std::map<std::string, double> programs;
};

// One start of a child: seconds from process start until it printed
// "shown"; 0 when it failed. `peakRss` gets any "peak_rss" it printed.
double OneStart(const std::vector<std::string>& args, const char* path, double* peakRss = nullptr) {
  Child child;
  double startedAt = 0;
  if (!child.Start(args, startedAt, path)) return 0;
  ChildResult r = child.Finish(60);
  double shown = Number(r, "shown");
  if (peakRss) *peakRss = std::max(*peakRss, Number(r, "peak_rss"));
  return r.ok && shown > 0 ? shown - startedAt : 0;
}

StartFigures MeasureStarts(const Options& o) {
  std::string floorPath = FloorPath();
  std::vector<double> floor;
  std::map<std::string, std::vector<double>> programs;
  StartFigures f;
  for (int i = 0; i < o.starts; ++i) {
    double t = OneStart({}, floorPath.c_str(), &f.floorPeakRss);
    if (t > 0) floor.push_back(t);
    for (const auto& program : o.programs) {
      t = OneStart({"--child", "startup", program}, "/proc/self/exe");
      if (t > 0) programs[program].push_back(t);
    }
  }
  if (!floor.empty()) f.floor = Percentile(floor, 50);
  for (const auto& [program, times] : programs) f.programs[program] = Percentile(times, 50);
  if (f.floor > 0) {
    Figure("floor", "startup", 1000 * f.floor, "ms");
    Figure("floor", "peak_rss_window", f.floorPeakRss, "MB");
  } else {
    Warn("floor", "lesson-floor did not run (" + floorPath + ")");
  }
  return f;
}

void BenchProgram(const std::string& program, const Options& o, const StartFigures& starts) {
  std::string tourFile = o.tours + "/" + program + ".keys";
  std::vector<int> keys;
  if (!ReadKeyFile(tourFile, keys)) Warn(program, "no tour " + tourFile);

  auto measured = starts.programs.find(program);
  double startup = measured == starts.programs.end() ? 0 : measured->second;
  if (startup <= 0)
    Warn(program, "the window never showed the main menu");
  else
    Figure(program, "startup", 1000 * startup, "ms");
  double peakRss = 0;

  // Steps over the tour, headless in this process.
  if (!keys.empty()) {
    TourFigures f;
    for (int i = 0; i < o.tourRuns; ++i) {
      HeadlessHost headless{HeadlessOptions{}};
      RunTour(program, headless, keys, false, f);
    }
    CheckTourEnd(program, EndName(f.end), f.keysHanded, keys.size());
    Figure(program, "tour_steps", static_cast<double>(keys.size()), "keys");
    Figure(program, "step_median_headless", 1000 * Percentile(f.steps, 50), "ms");
    Figure(program, "step_p99_headless", 1000 * Percentile(f.steps, 99), "ms");
    Figure(program, "frame_p99_headless", 1000 * Percentile(f.frames, 99), "ms");

    // ... and in the window host, each run in a process of its own (for its
    // peak RSS, and as a pupil's start): the steps of all runs pooled, so
    // that a moment's slowness of the machine weighs as one step among
    // many.
    TourFigures w;
    std::vector<double> runP99s;  // ms
    int ran = 0;
    for (int i = 0; i < o.windowRuns; ++i) {
      ChildResult r = RunChildProcess({"--child", "tour", program, tourFile}, 600);
      if (!r.ok) {
        Warn(program, "the window tour failed");
        continue;
      }
      ++ran;
      CheckTourEnd(program, r.values["end"], static_cast<int>(Number(r, "handed")), keys.size());
      std::vector<double> steps;
      AddTimes(r, "step_times", steps);
      runP99s.push_back(1000 * Percentile(steps, 99));
      w.steps.insert(w.steps.end(), steps.begin(), steps.end());
      AddTimes(r, "frame_times", w.frames);
      peakRss = std::max(peakRss, Number(r, "peak_rss"));
    }
    if (ran > 0) {
      Figure(program, "step_median_window", 1000 * Percentile(w.steps, 50), "ms");
      Figure(program, "step_p99_window", 1000 * Percentile(w.steps, 99), "ms");
      std::printf("%s step_p99_window_runs", program.c_str());
      for (double p : runP99s) std::printf(" %.3g", p);
      std::printf(" ms\n");
      Figure(program, "step_p99_window_median", Percentile(runP99s, 50), "ms");
      Figure(program, "step_p99_window_min", *std::min_element(runP99s.begin(), runP99s.end()), "ms");
      Figure(program, "frame_p99_window", 1000 * Percentile(w.frames, 99), "ms");
      Figure(program, "peak_rss_window", peakRss, "MB");
    }
  }

  // Idle CPU in each of the waits, one after the other.
  for (const IdleWait& wait : kIdleWaits) {
    ChildResult r = RunChildProcess(
        {"--child", "idle", program, std::to_string(o.idleSeconds), wait.keys}, o.idleSeconds + 60);
    if (r.ok && Number(r, "idle_cpu") >= 0)
      Figure(program, wait.name, Number(r, "idle_cpu"), "%");
    else
      Warn(program, std::string("the measurement ") + wait.name + " failed");
  }

  if (starts.floor > 0 && startup > 0) Figure(program, "startup_vs_floor", startup / starts.floor, "x");
  if (starts.floorPeakRss > 0 && peakRss > 0)
    Figure(program, "rss_over_floor_mb", peakRss - starts.floorPeakRss, "MB");
}

// The idle test: every program waits in each of the waits, all at the same
// time; each must use less than `limit` % of one core.
int IdleTest(const Options& o) {
  struct Run {
    std::string program;
    const IdleWait* wait;
    Child child;
  };
  std::vector<Run> runs;
  for (const auto& program : o.programs)
    for (const IdleWait& wait : kIdleWaits) runs.push_back({program, &wait, Child{}});
  for (Run& run : runs) {
    double t = 0;
    if (!run.child.Start({"--child", "idle", run.program, std::to_string(o.idleSeconds), run.wait->keys}, t)) {
      Warn(run.program, "cannot start");
      return 1;
    }
  }
  int failures = 0;
  for (Run& run : runs) {
    ChildResult r = run.child.Finish(o.idleSeconds + 60);
    double cpu = Number(r, "idle_cpu");
    if (!r.ok || cpu < 0) {
      Warn(run.program, std::string("did not reach the wait of ") + run.wait->name + " in the window");
      ++failures;
      continue;
    }
    bool ok = cpu < o.limit;
    std::printf("%s %s %.3g %% (limit %g %%) %s\n", run.program.c_str(), run.wait->name, cpu, o.limit,
                ok ? "ok" : "TOO HIGH");
    if (!ok) ++failures;
  }
  return failures == 0 ? 0 : 1;
}

int Usage() {
  std::fprintf(stderr,
               "usage: lesson-bench [--starts N] [--idle-seconds S] [--tour-runs R] [--window-runs R] "
               "[--tours DIR] "
               "[PROGRAM...]\n"
               "       lesson-bench --idle-test [--idle-seconds S] [--limit PERCENT] [PROGRAM...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--child") return RunChild(argc, argv);

  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    bool hasValue = i + 1 < argc;
    if (a == "--starts" && hasValue) {
      o.starts = std::max(1, std::atoi(argv[++i]));
    } else if (a == "--idle-seconds" && hasValue) {
      o.idleSeconds = std::max(0.5, std::atof(argv[++i]));
    } else if (a == "--tour-runs" && hasValue) {
      o.tourRuns = std::max(1, std::atoi(argv[++i]));
    } else if (a == "--window-runs" && hasValue) {
      o.windowRuns = std::max(1, std::atoi(argv[++i]));
    } else if (a == "--tours" && hasValue) {
      o.tours = argv[++i];
    } else if (a == "--limit" && hasValue) {
      o.limit = std::atof(argv[++i]);
    } else if (a == "--idle-test") {
      o.idleTest = true;
    } else if (FindProgram(a)) {
      o.programs.push_back(a);
    } else {
      return Usage();
    }
  }
  if (o.programs.empty()) o.programs = kPrograms;

  Xvfb xvfb;
  if (!xvfb.Start()) {
    std::fprintf(stderr, "lesson-bench: cannot start Xvfb\n");
    return 1;
  }
  setenv("DISPLAY", xvfb.display().c_str(), 1);

  if (o.idleTest) return IdleTest(o);
  StartFigures starts = MeasureStarts(o);
  for (const auto& program : o.programs) BenchProgram(program, o, starts);
  return 0;
}
