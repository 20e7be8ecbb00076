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

// The caller always runs part 0; each worker part runs at most once, and
// parts that share their work through a counter finish all of it.
TEST(SearchPool, PartsShareAJob) {
  SearchPool pool(3);
  for (int job = 0; job < 200; ++job) {
    const int parts = 1 + job % 4;
    std::atomic<int> next{0}, sum{0}, seen_parts{0};
    std::atomic<int> runs[4] = {0, 0, 0, 0};
    pool.run(parts, [&](int part) {
      runs[part].fetch_add(1);
      for (int i = next.fetch_add(1); i < 1000; i = next.fetch_add(1)) sum.fetch_add(i);
      seen_parts.fetch_or(1 << part);
    });
    EXPECT_EQ(sum.load(), 999 * 1000 / 2);
    EXPECT_EQ(runs[0].load(), 1);
    for (int p = 1; p < 4; ++p) EXPECT_LE(runs[p].load(), p < parts ? 1 : 0);
  }
  SearchPool none(0);
  int ran = 0;
  none.run(3, [&](int part) { ran += 1 + part; });
  EXPECT_EQ(ran, 1);  // the caller's part only
}

// Paused workers park at their next checkpoint and finish the job after
// the run resumes.
TEST(SearchPool, PausedWorkersParkAndResume) {
  SearchPool pool(2);
  std::atomic<int> rows{0}, next{0};
  std::atomic<bool> started{false};
  std::thread caller([&] {
    pool.run(2, [&](int) {
      for (int r = next.fetch_add(1); r < 100; r = next.fetch_add(1)) {
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
  // The two parts park; an idle worker that woke for the job may park too.
  while (pool.parked() < 2 && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  EXPECT_GE(pool.parked(), 2);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  const int frozen = rows.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_EQ(rows.load(), frozen);
  pool.resume();
  caller.join();
  EXPECT_EQ(rows.load(), 100);
}

}  // namespace
}  // namespace quorin
