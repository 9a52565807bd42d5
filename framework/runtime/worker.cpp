#include "framework/runtime/worker.h"

#include <chrono>
#include <system_error>

namespace lessons {

namespace {
// Waking a sleeping thread takes a tenth of a millisecond or more on some
// machines, a long time beside a job's. So a thread that waits for a job,
// or for the jobs to end, first looks for up to this long without sleeping
// (jobs come in bursts, each a fraction of a millisecond). It yields
// between looks: the other thread may have been started on the same core.
constexpr auto kLookBeforeSleeping = std::chrono::microseconds(300);

// True when `ready` came true within kLookBeforeSleeping.
template <typename Ready>
bool LookFor(Ready ready) {
  const auto until = std::chrono::steady_clock::now() + kLookBeforeSleeping;
  for (;;) {
    for (int i = 0; i < 16; ++i) {
      if (ready()) return true;
      std::this_thread::yield();
    }
    if (std::chrono::steady_clock::now() >= until) return ready();
  }
}
}  // namespace

Worker::~Worker() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void Worker::Hand(std::function<void()> job) {
  // On a single core the thread would only take turns with this one.
  if (!thread_.joinable() && !alone_ && std::thread::hardware_concurrency() == 1) alone_ = true;
  if (!thread_.joinable() && !alone_) {
    try {
      thread_ = std::thread([this] { Serve(); });
    } catch (const std::system_error&) {
      alone_ = true;
    }
  }
  if (alone_) {
    job();
    return;
  }
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
    unfinished_.fetch_add(1, std::memory_order_release);
  }
  wake_.notify_one();
}

void Worker::Finish(long unfinished) {
  auto done = [&] { return unfinished_.load(std::memory_order_acquire) <= unfinished; };
  if (LookFor(done)) return;
  std::unique_lock lock(mutex_);
  done_.wait(lock, done);
}

void Worker::Serve() {
  std::unique_lock lock(mutex_);
  for (;;) {
    if (jobs_.empty() && !stop_) {
      lock.unlock();
      // (All the jobs handed before have run: any unfinished one is new.)
      LookFor([this] { return unfinished_.load(std::memory_order_acquire) > 0; });
      lock.lock();
      wake_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
    }
    if (jobs_.empty()) return;  // stopped, and nothing is left to run
    std::function<void()> job = std::move(jobs_.front());
    jobs_.pop_front();
    lock.unlock();
    job();
    job = nullptr;
    lock.lock();
    unfinished_.fetch_sub(1, std::memory_order_acq_rel);
    done_.notify_all();
  }
}

}  // namespace lessons
