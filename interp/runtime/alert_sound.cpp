#include "runtime/alert_sound.h"

#include <chrono>
#include <thread>

namespace quorin {

namespace {
// Run states the sound obeys (see runtime.h).
constexpr int kStateRunning = 2, kStatePaused = 3;
}  // namespace

AlertSound::AlertSound(const std::atomic<int>& run_state) : shared_(std::make_shared<Shared>()) {
  shared_->state = &run_state;
}

AlertSound::~AlertSound() {
  {
    std::lock_guard<std::mutex> g(shared_->m);
    shared_->closed = true;
    shared_->active = 0;
    shared_->state = nullptr;
  }
  shared_->cv.notify_all();
}

void AlertSound::play(int count, BeepFn beep, FailFn failed, int gap_ms) {
  if (count < 1 && count != -1) return;
  {
    std::lock_guard<std::mutex> g(shared_->m);
    ++shared_->active;
  }
  try {
    std::thread(sound_loop, shared_, count, beep, failed, gap_ms).detach();
  } catch (const std::system_error&) {
    std::lock_guard<std::mutex> g(shared_->m);
    if (shared_->active > 0) --shared_->active;
  }
}

void AlertSound::stop() {
  {
    std::lock_guard<std::mutex> g(shared_->m);
    shared_->active = 0;
  }
  shared_->cv.notify_all();
}

int AlertSound::active() const {
  std::lock_guard<std::mutex> g(shared_->m);
  return shared_->active;
}

void AlertSound::sound_loop(std::shared_ptr<Shared> s, int count, BeepFn beep, FailFn failed, int gap_ms) {
  int beeped = 0;
  for (;;) {
    int state;
    {
      std::lock_guard<std::mutex> g(s->m);
      if (s->closed || s->active == 0) break;
      state = s->state->load();
    }
    if (state != kStateRunning && state != kStatePaused) break;  // stopped or ended
    if (state == kStateRunning) {
      if (!beep()) {
        failed();
        break;
      }
      if (count != -1 && ++beeped >= count) break;
    }
    std::unique_lock<std::mutex> g(s->m);
    if (s->cv.wait_for(g, std::chrono::milliseconds(gap_ms), [&] { return s->closed || s->active == 0; })) break;
  }
  std::lock_guard<std::mutex> g(s->m);
  if (s->active > 0) --s->active;
}

}  // namespace quorin
