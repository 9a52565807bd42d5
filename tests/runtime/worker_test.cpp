// The thread the canvas paints many dots on: jobs run in the order handed,
// away from the thread that hands them, and none is lost at the end.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "framework/runtime/worker.h"

namespace lessons {
namespace {

TEST(Worker, RunsTheJobsInTheirOrderOnItsOwnThreadAndFinishWaitsForThem) {
  Worker worker;
  std::vector<int> order;
  std::vector<std::thread::id> ranOn;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 200; ++i)
      worker.Hand([&, i] {
        if (i % 50 == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
        order.push_back(i);
        ranOn.push_back(std::this_thread::get_id());
      });
    worker.Finish();
    ASSERT_EQ(order.size(), 200u) << round;
    for (int i = 0; i < 200; ++i) ASSERT_EQ(order[i], i) << round;
    for (std::thread::id id : ranOn) EXPECT_NE(id, std::this_thread::get_id());
    order.clear();
    ranOn.clear();
    // After a rest long enough for the thread to sleep, it wakes for more.
    std::this_thread::sleep_for(std::chrono::milliseconds(round * 5));
  }
  worker.Finish();  // with nothing handed over
}

TEST(Worker, FinishCanLeaveAFewJobsRunning) {
  Worker worker;
  std::atomic<int> ran = 0;
  for (int i = 0; i < 20; ++i)
    worker.Hand([&] {
      std::this_thread::sleep_for(std::chrono::microseconds(300));
      ++ran;
    });
  worker.Finish(5);
  EXPECT_GE(ran, 15);
  worker.Finish();
  EXPECT_EQ(ran, 20);
}

TEST(Worker, JobsHandedBeforeItEndsAllRun) {
  int ran = 0;
  {
    Worker worker;
    for (int i = 0; i < 50; ++i)
      worker.Hand([&] {
        std::this_thread::sleep_for(std::chrono::microseconds(100));
        ++ran;
      });
  }
  EXPECT_EQ(ran, 50);
}

}  // namespace
}  // namespace lessons
