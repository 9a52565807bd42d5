// A thread of its own that runs the jobs handed to it one after another, in
// the order they came, while the thread that handed them goes on: the
// canvas paints a curve's dots on it while the next dots are placed.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace lessons {

class Worker {
 public:
  Worker() = default;
  // Waits for the jobs handed over, then ends the thread.
  ~Worker();
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;

  // Hands a job over. The thread starts with the first; when it cannot be
  // started (or the machine has one core), every job runs at once on the
  // calling thread.
  void Hand(std::function<void()> job);
  // Returns when every job handed over has run, but `unfinished` at most.
  void Finish(long unfinished = 0);

 private:
  void Serve();

  std::thread thread_;
  bool alone_ = false;  // no thread could be started
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  std::deque<std::function<void()>> jobs_;
  // Handed over and not run yet, the job running among them (read without
  // the lock while waiting).
  std::atomic<long> unfinished_{0};
  bool stop_ = false;
};

}  // namespace lessons
