// The end signals: SIGINT and SIGTERM end the program as a close of the
// window does. This part owns their handler, the pipe through which the
// handler wakes the window host's idle wait (the host asks whether one came
// at each look at the window's events), and the grace after which a signal
// ends the program even when the host never gets to look (an X server that
// stopped answering holds it in Xlib).
#pragma once

namespace lessons {

// Takes SIGINT and SIGTERM over from SDL's handler (installed by SDL_Init),
// which the handler here still runs. A signal SDL left alone (ignored, or
// with its default action, which ends the program at once) stays so.
void WakeOnEndSignals();

// SIGINT or SIGTERM came.
bool EndSignalled();

// The host has come to its end: a signal's grace is over. Until then, the
// program ends half a second after the first end signal wherever it is
// (with status 0, as after a close).
void EndReached();

// The end of the pipe that becomes readable when an end signal comes, for
// a wait to watch; -1 when there is no pipe.
int EndSignalWakeFd();

}  // namespace lessons
