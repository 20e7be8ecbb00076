// The repeating warning beep of a run (`play_alert_sound`,
// `stop_alert_sound`).  Each call starts a detached thread; all of them share
// one counter of active sounds, and setting it to 0 ends every one of them
// within a round.  The threads hold the shared record, not the run, so a run
// context that goes away first only closes it: its threads then end at their
// next round without touching the run again.
#pragma once
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace quorin {

class AlertSound {
 public:
  // One beep of about half a second; false when the sound device failed.
  using BeepFn = bool (*)();
  // Tells the user that the beep failed (the thread then ends).
  using FailFn = void (*)();

  explicit AlertSound(const std::atomic<int>& run_state);
  ~AlertSound();
  AlertSound(const AlertSound&) = delete;
  AlertSound& operator=(const AlertSound&) = delete;

  // Beeps `count` times, or until stopped when count is -1; other counts
  // below 1 do nothing.  Beeps only while the run is running, stays silent
  // while it is paused, ends once it is stopped or has ended.  The pause
  // between beeps is `gap_ms`.
  void play(int count, BeepFn beep, FailFn failed, int gap_ms = 500);
  // Ends every sound of this run.
  void stop();
  // Sounds currently playing.
  int active() const;

 private:
  struct Shared {
    mutable std::mutex m;
    std::condition_variable cv;
    int active = 0;
    bool closed = false;  // the run context is gone
    const std::atomic<int>* state = nullptr;
  };
  static void sound_loop(std::shared_ptr<Shared> s, int count, BeepFn beep, FailFn failed, int gap_ms);

  std::shared_ptr<Shared> shared_;
};

}  // namespace quorin
