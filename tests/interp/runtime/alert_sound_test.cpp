// The warning beep: counts, the shared counter, the run states it obeys, and
// a run context that goes away while sounds still play.
#include "runtime/alert_sound.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace quorin {
namespace {

using namespace std::chrono_literals;

std::atomic<int> g_beeps{0};
std::atomic<int> g_failures{0};
bool counting_beep() {
  ++g_beeps;
  return true;
}
bool broken_beep() { return false; }
void count_failure() { ++g_failures; }

template <class P>
bool eventually(P pred) {
  for (int i = 0; i < 400 && !pred(); ++i) std::this_thread::sleep_for(5ms);
  return pred();
}

class AlertSoundTest : public ::testing::Test {
 protected:
  AlertSoundTest() {
    g_beeps = 0;
    g_failures = 0;
  }
  std::atomic<int> state{2};  // running
};

TEST_F(AlertSoundTest, BeepsTheCountAndLowersTheCounter) {
  AlertSound s(state);
  s.play(3, counting_beep, count_failure, 1);
  s.play(2, counting_beep, count_failure, 1);
  ASSERT_TRUE(eventually([&] { return s.active() == 0; }));
  EXPECT_EQ(g_beeps.load(), 5);
  EXPECT_EQ(g_failures.load(), 0);
  // Counts that are neither positive nor -1 start nothing.
  s.play(0, counting_beep, count_failure, 1);
  s.play(-2, counting_beep, count_failure, 1);
  EXPECT_EQ(s.active(), 0);
  EXPECT_EQ(g_beeps.load(), 5);
}

TEST_F(AlertSoundTest, EndlessSoundsEndWhenStopped) {
  AlertSound s(state);
  s.play(-1, counting_beep, count_failure, 5);
  s.play(-1, counting_beep, count_failure, 5);
  ASSERT_TRUE(eventually([&] { return g_beeps.load() >= 6; }));
  EXPECT_EQ(s.active(), 2);
  s.stop();
  EXPECT_EQ(s.active(), 0);
  std::this_thread::sleep_for(30ms);
  const int after = g_beeps.load();
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(g_beeps.load(), after);
  EXPECT_EQ(s.active(), 0) << "an ending thread never takes the counter below 0";
  // A new sound starts counting afresh.
  s.play(1, counting_beep, count_failure, 1);
  ASSERT_TRUE(eventually([&] { return s.active() == 0; }));
}

TEST_F(AlertSoundTest, SilentWhilePausedAndEndsOnceTheRunStops) {
  AlertSound s(state);
  state = 3;  // paused
  s.play(2, counting_beep, count_failure, 5);
  std::this_thread::sleep_for(60ms);
  EXPECT_EQ(g_beeps.load(), 0);
  EXPECT_EQ(s.active(), 1);
  state = 2;
  ASSERT_TRUE(eventually([&] { return s.active() == 0; }));
  EXPECT_EQ(g_beeps.load(), 2);
  s.play(-1, counting_beep, count_failure, 5);
  ASSERT_TRUE(eventually([&] { return g_beeps.load() >= 3; }));
  state = 4;  // stopped
  ASSERT_TRUE(eventually([&] { return s.active() == 0; }));
}

TEST_F(AlertSoundTest, AFailingBeepIsReportedOnceAndEndsItsSound) {
  AlertSound s(state);
  s.play(-1, broken_beep, count_failure, 1);
  ASSERT_TRUE(eventually([&] { return s.active() == 0; }));
  EXPECT_EQ(g_failures.load(), 1);
}

TEST_F(AlertSoundTest, SoundsOutliveTheirRunContextSafely) {
  auto run_state = std::make_unique<std::atomic<int>>(2);
  auto s = std::make_unique<AlertSound>(*run_state);
  s->play(-1, counting_beep, count_failure, 5);
  ASSERT_TRUE(eventually([&] { return g_beeps.load() >= 1; }));
  s.reset();
  run_state.reset();  // the thread must not read it any more
  std::this_thread::sleep_for(40ms);
  const int after = g_beeps.load();
  std::this_thread::sleep_for(40ms);
  EXPECT_EQ(g_beeps.load(), after);
}

}  // namespace
}  // namespace quorin
