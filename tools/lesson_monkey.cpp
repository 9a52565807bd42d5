// lesson-monkey PROGRAM --keys N --seed S
//
// Hands N random keys to a lesson program on the headless host. Digits and
// Enter come most often, so that menus are entered and left; "-", ".", "/",
// Backspace, code 12, letters, blanks and arrow keys are mixed in. When the
// program ends through its end item, a fresh program takes the rest of the
// keys. Fails (status 1, with the seed and the last 50 keys) when the error
// screen is reached, the program crashes, a sanitizer reports a fault, or
// the program takes no key for a minute; and (status 1) when a run of
// 300,000 keys or more grows its RSS by more than 1 MB after the first
// 100,000 keys (the RSS is printed at the start, at 100,000 keys and at the
// end). The keys are drawn as they are handed over and nothing is kept per
// key or per run, so the monkey's own memory stays flat however long it runs.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "framework/runtime/headless_host.h"
#include "tools/probe_host.h"
#include "tools/program_table.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#define MONKEY_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define MONKEY_SANITIZED 1
#endif
#endif
#ifdef MONKEY_SANITIZED
extern "C" void __sanitizer_set_death_callback(void (*callback)(void));
#endif

namespace {

using namespace lessons;

constexpr int kRemembered = 50;
constexpr unsigned kStallSeconds = 60;

// What a failure report needs, kept where a signal handler can read it.
struct Trail {
  char program[32] = "";
  unsigned long long seed = 0;
  long long keysTotal = 0;
  long long keysHanded = 0;
  int ring[kRemembered] = {};
} trail;

void Remember(int code) {
  trail.ring[trail.keysHanded % kRemembered] = code;
  ++trail.keysHanded;
}

// Writes with write(2) only, so that it may run in a signal handler.
void Put(const char* s) {
  ssize_t ignored = write(STDERR_FILENO, s, std::strlen(s));
  (void)ignored;
}

void PutNumber(unsigned long long v) {
  char buf[24];
  int n = 0;
  do {
    buf[n++] = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v);
  char out[24];
  for (int i = 0; i < n; ++i) out[i] = buf[n - 1 - i];
  out[n] = 0;
  Put(out);
}

void PutKey(int code) {
  switch (code) {
    case 13: Put("\\n"); return;
    case 8: Put("\\b"); return;
    case 12: Put("\\f"); return;
    case '\\': Put("\\\\"); return;
  }
  if (code >= 32 && code < 127) {
    char s[2] = {static_cast<char>(code), 0};
    Put(s);
    return;
  }
  Put("<");
  PutNumber(static_cast<unsigned long long>(code));
  Put(">");
}

void Report(const char* what) {
  Put("lesson-monkey: ");
  Put(trail.program);
  Put(": ");
  Put(what);
  Put("\n  seed ");
  PutNumber(trail.seed);
  Put(", after ");
  PutNumber(static_cast<unsigned long long>(trail.keysHanded));
  Put(" keys\n  last keys: ");
  long long first = trail.keysHanded > kRemembered ? trail.keysHanded - kRemembered : 0;
  for (long long i = first; i < trail.keysHanded; ++i) PutKey(trail.ring[i % kRemembered]);
  Put("\n  again: lesson-monkey ");
  Put(trail.program);
  Put(" --keys ");
  PutNumber(static_cast<unsigned long long>(trail.keysTotal));
  Put(" --seed ");
  PutNumber(trail.seed);
  Put("\n");
}

void OnFatalSignal(int sig) {
  Report(sig == SIGALRM ? "no key taken for a minute (stuck?)" : "crashed");
  if (sig == SIGALRM) _exit(1);
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

#ifdef MONKEY_SANITIZED
void OnSanitizerDeath() { Report("sanitizer report"); }
#endif

// One random key, biased to digits and Enter.
class KeyDice {
 public:
  explicit KeyDice(unsigned long long seed) : gen_(seed) {}
  int Next() {
    int roll = Uniform(100);
    if (roll < 40) return '0' + Digit();
    if (roll < 70) return kKeyEnter;
    if (roll < 75) return kKeyBackspace;
    if (roll < 77) return kKeyClear;
    if (roll < 79) return '-';
    if (roll < 81) return '.';
    if (roll < 83) return '/';
    if (roll < 85) return ' ';
    if (roll < 90) return kKeyRight + Uniform(4);  // arrow keys 28..31
    const char* letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    return letters[Uniform(52)];
  }

 private:
  // Small digits more often: most menus have fewer than ten items, and 1 is
  // the way out of every repeated drill.
  int Digit() {
    int roll = Uniform(20);
    return roll < 10 ? 1 + roll % 5 : roll - 10;
  }
  int Uniform(int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen_); }
  std::mt19937_64 gen_;
};

int Usage() {
  std::fprintf(stderr, "usage: lesson-monkey palisteo|quendral|orvenna --keys N --seed S\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  std::string program = argv[1];
  long long total = 20000;
  unsigned long long seed = 1;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--keys" && i + 1 < argc) {
      total = std::atoll(argv[++i]);
    } else if (a == "--seed" && i + 1 < argc) {
      seed = std::strtoull(argv[++i], nullptr, 10);
    } else {
      return Usage();
    }
  }
  ProgramFactory make = FindProgram(program);
  if (!make || total < 0) return Usage();

  std::snprintf(trail.program, sizeof trail.program, "%s", program.c_str());
  trail.seed = seed;
  trail.keysTotal = total;
  std::signal(SIGALRM, OnFatalSignal);
#ifdef MONKEY_SANITIZED
  // The sanitizers catch crashes themselves and report them with a stack.
  __sanitizer_set_death_callback(OnSanitizerDeath);
#else
  for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) std::signal(sig, OnFatalSignal);
#endif

  // The same keys in the same order as drawing them all first would give.
  KeyDice dice(seed);

  std::printf("lesson-monkey %s --keys %lld --seed %llu\n", program.c_str(), total, seed);
  std::printf("rss at start: %.1f MB\n", ResidentMegabytes());
  std::fflush(stdout);

  long long runs = 0, waits = 0;
  double rssAtBase = -1;
  alarm(kStallSeconds);
  while (trail.keysHanded < total) {
    HeadlessHost headless{HeadlessOptions{}};
    ProbeHost host(headless);
    host.KeepRecords(false);
    host.KeysFrom([&](int& code) {
      if (trail.keysHanded >= total) return false;
      code = dice.Next();
      return true;
    });
    host.onKey = [&](int code) {
      Remember(code);
      alarm(kStallSeconds);
      if (trail.keysHanded == kGrowthBaseKeys) {
        rssAtBase = ResidentMegabytes();
        std::printf("rss at %lld keys: %.1f MB\n", kGrowthBaseKeys, rssAtBase);
        std::fflush(stdout);
      }
    };
    Runtime rt(host);
    auto lesson = make(rt);
    RunResult result = RunProgram(*lesson);
    ++runs;
    waits += host.Waits();
    if (result.end == RunEnd::kError) {
      char what[96];
      std::snprintf(what, sizeof what, "error screen: error %d at line %d", result.errorNumber,
                    result.errorLine);
      Report(what);
      return 1;
    }
    if (result.end == RunEnd::kClosed) break;  // the keys ran out
    if (host.KeysHanded() == 0) {
      Report("the program ended without taking a key");
      return 1;
    }
  }
  alarm(0);

  double rssAtEnd = ResidentMegabytes();
  std::printf("keys: %lld, waits: %lld, program runs: %lld\n", trail.keysHanded, waits, runs);
  std::printf("rss at end: %.1f MB (peak %.1f MB)\n", rssAtEnd, PeakResidentMegabytes());
  std::string growth = MemoryGrowthFault(trail.keysHanded, rssAtBase, rssAtEnd);
  if (!growth.empty()) {
    std::fprintf(stderr, "lesson-monkey: %s: %s\n  again: lesson-monkey %s --keys %lld --seed %llu\n",
                 program.c_str(), growth.c_str(), program.c_str(), total, seed);
    return 1;
  }
  return 0;
}
