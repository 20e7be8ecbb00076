// Run control: the transitions of the run state (start, pause, resume, stop,
// end), the script's own hotkeys and the queue of their callbacks, the
// pending key wait, and the parking of the script thread for the process's
// exit handler.  The transitions reach the window, the hooks and the search
// workers through the UiPort, so the same code serves the Windows host, the
// native command line and the tests.
#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "runtime/sync.h"

namespace quorin {

class Runtime;
struct CallRecord;
struct ScriptFunction;

// Modifier mask bits of hotkeys (the script's and the directives').
enum HotkeyMods : int { kModAlt = 1, kModCtrl = 2, kModShift = 4 };

struct HotkeyEntry {
  int mods = 0;
  int key = 0;
  const CallRecord* callback = nullptr;
};

class RunControl {
 public:
  explicit RunControl(Runtime& rt);
  ~RunControl();
  RunControl(const RunControl&) = delete;
  RunControl& operator=(const RunControl&) = delete;

  // Set by a host that has a start key or button; without one `pause` has
  // nobody to resume it and does nothing.
  bool interactive = false;

  // ---- transitions (any thread; serialised) ----
  // Start from "not started", pause while running, resume while paused.
  // `show_pause_box` asks for the "已暂停！" box when pausing.
  void toggle(bool show_pause_box);
  // Stop from "not started", running or paused.
  void stop();
  // The top-level list ran out while running and no hotkeys keep it alive.
  void end_of_run();

  // Set while the "已暂停！" box is open; the start/pause and stop keys are
  // ignored meanwhile.
  std::atomic<bool> pause_box_open{false};

  // ---- script hotkeys ----
  // One callback record per function, kept for the whole run.
  const CallRecord* callback_for(const ScriptFunction& f);
  // A pair already registered gets the new callback.
  void register_hotkey(int mods, int key, const CallRecord* callback);
  void unregister_hotkey(int mods, int key);
  const CallRecord* find_hotkey(int mods, int key) const;
  bool has_hotkeys() const;

  // Set when the main list ended with hotkeys registered: the script thread
  // stays to run their callbacks.
  std::atomic<bool> keep_alive{false};
  // Hands a callback to the script thread (GUI thread).
  void queue_callback(const CallRecord* callback);
  // Waits for the next callback (script thread).  Returns null when the run
  // was stopped or the thread is asked to park.
  const CallRecord* next_callback();

  // ---- key wait (`wait_key_press`) ----
  // Armed by the builtin; the keyboard hook completes it with the key.
  std::atomic<bool> key_wait_pending{false};
  std::atomic<bool> key_wait_block{false};
  std::atomic<int> key_wait_key{0};
  AutoResetEvent key_wait_event;

  // ---- click wait (`wait_mouse_left_down`) ----
  // Armed by the builtin; the mouse hook that the main window installs on
  // request completes it with the click point in logical coordinates.
  std::atomic<bool> click_wait_pending{false};
  std::atomic<bool> click_wait_block{false};
  std::atomic<int> click_x{0}, click_y{0};
  AutoResetEvent click_wait_event;

  // ---- sleeping and parking ----
  // Sleeps `ms` milliseconds (nothing when ms <= 0); a park request cuts the
  // sleep short so that the thread reaches its next statement boundary.
  void sleep(int32_t ms);
  // Asks the script thread to park at its next statement boundary (or in its
  // wait for callbacks) and waits up to `timeout` for it.  True when parked.
  bool park(std::chrono::milliseconds timeout);
  bool park_requested() const { return park_requested_.load(std::memory_order_relaxed); }
  // Called by the script thread at a boundary when a park is requested:
  // reports itself parked and never returns.
  [[noreturn]] void park_here();

 private:
  // Workers and window as state `st` wants them.
  void show_state(int st);
  // Repeats show_state for the newest state while transitions happened
  // after generation `seen`.
  void settle(uint64_t seen);

  Runtime& rt_;
  std::recursive_mutex transition_;  // decides transitions; never held while talking to the window
  uint64_t generation_ = 0;          // transitions made (under transition_)

  mutable std::mutex m_;  // hotkeys, queue, sleep, park
  std::condition_variable cv_;
  std::vector<HotkeyEntry> hotkeys_;
  std::deque<CallRecord*> callbacks_;  // records owned here, one per function
  std::deque<const CallRecord*> queue_;
  std::atomic<bool> park_requested_{false};
  bool parked_ = false;
  std::condition_variable parked_cv_;
};

}  // namespace quorin
