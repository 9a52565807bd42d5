#include "framework/runtime/end_signals.h"

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <initializer_list>

namespace lessons {

namespace {

// SDL's handler notes the signals for its next look at the events, which an
// idle wait on the display connection does not take for seconds: the
// handler here notes them too (before SDL's, which it calls) and wakes the
// idle wait through a pipe.
volatile sig_atomic_t gEndSignalled = 0;
int gEndSignalPipe[2] = {-1, -1};
struct sigaction gSdlOnInt, gSdlOnTerm;

// A present waits for the X server's reply (SDL's XSync): a server that has
// stopped answering keeps the program there, and the signal noted never
// ends it. The first signal starts a timer; when the host has not reached
// its end (EndReached) by the time it runs out, the program ends at once.
// SIGALRM is taken only then.
constexpr long kGraceNs = 500'000'000;
timer_t gGrace;
bool gHaveGrace = false;

void OnGraceOver(int) { _exit(0); }

void StartGrace() {
  if (!gHaveGrace) return;
  struct sigaction over {};
  over.sa_handler = OnGraceOver;
  sigemptyset(&over.sa_mask);
  sigaction(SIGALRM, &over, nullptr);
  const itimerspec once{{0, 0}, {0, kGraceNs}};
  timer_settime(gGrace, 0, &once, nullptr);
}

void OnEndSignal(int sig) {
  const int saved = errno;
  if (!gEndSignalled) StartGrace();
  gEndSignalled = 1;
  const struct sigaction& sdl = sig == SIGINT ? gSdlOnInt : gSdlOnTerm;
  sdl.sa_handler(sig);  // it puts itself back in place: this one again
  struct sigaction self {};
  self.sa_handler = OnEndSignal;
  self.sa_flags = SA_RESTART;
  sigemptyset(&self.sa_mask);
  sigaction(sig, &self, nullptr);
  if (gEndSignalPipe[1] >= 0) {
    const char wake = 0;
    [[maybe_unused]] ssize_t n = write(gEndSignalPipe[1], &wake, 1);
  }
  errno = saved;
}

}  // namespace

void WakeOnEndSignals() {
  if (gEndSignalPipe[0] < 0 && pipe2(gEndSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
    gEndSignalPipe[0] = gEndSignalPipe[1] = -1;
  if (!gHaveGrace) {
    sigevent alarm{};
    alarm.sigev_notify = SIGEV_SIGNAL;
    alarm.sigev_signo = SIGALRM;
    gHaveGrace = timer_create(CLOCK_MONOTONIC, &alarm, &gGrace) == 0;
  }
  for (int sig : {SIGINT, SIGTERM}) {
    struct sigaction now {};
    if (sigaction(sig, nullptr, &now) != 0 || (now.sa_flags & SA_SIGINFO) || now.sa_handler == SIG_DFL ||
        now.sa_handler == SIG_IGN || now.sa_handler == OnEndSignal)
      continue;
    (sig == SIGINT ? gSdlOnInt : gSdlOnTerm) = now;
    struct sigaction self {};
    self.sa_handler = OnEndSignal;
    self.sa_flags = SA_RESTART;
    sigemptyset(&self.sa_mask);
    sigaction(sig, &self, nullptr);
  }
}

bool EndSignalled() { return gEndSignalled != 0; }

int EndSignalWakeFd() { return gEndSignalPipe[0]; }

void EndReached() {
  if (!gHaveGrace) return;
  const itimerspec off{};
  timer_settime(gGrace, 0, &off, nullptr);
}

}  // namespace lessons
