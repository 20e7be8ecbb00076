#include "runtime/search_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace quorin {
namespace {

void set_env(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value ? value : "");
#else
  if (value)
    setenv(name, value, 1);
  else
    unsetenv(name);
#endif
}

TEST(SearchPool, StartUpRuleAndOverride) {
  EXPECT_EQ(SearchPool::workers_for(1), 0);
  EXPECT_EQ(SearchPool::workers_for(2), 0);
  EXPECT_EQ(SearchPool::workers_for(3), 2);
  EXPECT_EQ(SearchPool::workers_for(8), 7);
  set_env("QUORIN_SEARCH_WORKERS", "2");
  EXPECT_EQ(SearchPool::configured_workers(2), 2);
  set_env("QUORIN_SEARCH_WORKERS", "x");
  EXPECT_EQ(SearchPool::configured_workers(2), 0);
  set_env("QUORIN_SEARCH_WORKERS", nullptr);
}

TEST(SearchPool, RunsEachWorkerOncePerJob) {
  SearchPool pool(3);
  for (int job = 0; job < 200; ++job) {
    std::atomic<int> mask{0};
    const int n = 1 + job % 3;
    pool.run(n, [&](int i) { mask.fetch_or(1 << i); });
    EXPECT_EQ(mask.load(), (1 << n) - 1);
  }
  SearchPool none(0);
  bool ran = false;
  none.run(2, [&](int) { ran = true; });
  EXPECT_FALSE(ran);
}

// Paused workers park at their next checkpoint and finish the job after
// the run resumes.
TEST(SearchPool, PausedWorkersParkAndResume) {
  SearchPool pool(2);
  std::atomic<int> rows{0};
  std::atomic<bool> started{false};
  std::thread caller([&] {
    pool.run(2, [&](int) {
      for (int r = 0; r < 50; ++r) {
        started = true;
        pool.checkpoint();
        rows.fetch_add(1);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    });
  });
  while (!started) std::this_thread::yield();
  pool.pause();
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (pool.parked() < 2 && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  ASSERT_EQ(pool.parked(), 2);
  const int frozen = rows.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(rows.load(), frozen);
  pool.resume();
  caller.join();
  EXPECT_EQ(rows.load(), 100);
}

}  // namespace
}  // namespace quorin
