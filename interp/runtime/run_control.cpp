#include "runtime/run_control.h"

#include <algorithm>

#include "runtime/routines.h"
#include "runtime/runtime.h"

namespace quorin {

RunControl::RunControl(Runtime& rt) : rt_(rt) {}

RunControl::~RunControl() {
  for (CallRecord* c : callbacks_) delete c;
}

// ---- transitions ----

// Every transition is decided under `transition_` and its effects on the
// window, the workers and the hooks are made after the lock is released: the
// script thread reaches the window by sent messages, so holding the lock
// meanwhile would deadlock with a GUI thread that is making a transition
// itself.  Effects of transitions made close together on two threads may
// then arrive out of order; `settle` repeats the effects of the newest
// state until no transition happened while they were made.

void RunControl::show_state(int st) {
  if (st == kPaused || st == kStopped)
    rt_.ui.suspend_workers();
  else if (st == kRunning)
    rt_.ui.resume_workers();
  rt_.ui.run_state_changed(st);
}

void RunControl::settle(uint64_t seen) {
  for (;;) {
    int st;
    {
      std::lock_guard<std::recursive_mutex> g(transition_);
      if (generation_ == seen) return;
      seen = generation_;
      st = rt_.state.load();
    }
    show_state(st);
  }
}

void RunControl::toggle(bool show_pause_box) {
  int from;
  uint64_t gen;
  {
    std::lock_guard<std::recursive_mutex> g(transition_);
    from = rt_.state.load();
    if (from == kRunning)
      rt_.state.store(kPaused, std::memory_order_release);
    else if (from == kPaused || from == kNotStarted)
      rt_.state.store(kRunning, std::memory_order_release);
    else
      return;
    gen = ++generation_;
  }
  if (from == kRunning) {
    show_state(kPaused);
    settle(gen);
    if (show_pause_box && rt_.paused_alert && rt_.state.load() == kPaused) rt_.ui.show_pause_box(pause_box_open);
  } else {
    if (from == kPaused) rt_.ui.resume_workers();
    rt_.ui.run_state_changed(kRunning);
    rt_.start_event.set();
    settle(gen);
  }
}

void RunControl::stop() {
  uint64_t gen;
  int st;
  {
    std::lock_guard<std::recursive_mutex> g(transition_);
    st = rt_.state.load();
    if (st != kNotStarted && st != kRunning && st != kPaused) return;
    rt_.state.store(kStopped, std::memory_order_release);
    gen = ++generation_;
  }
  // Wake the script thread wherever it waits so that it halts.  Taking the
  // lock orders the new state before a waiter's check, so the wake-up
  // cannot fall between its check and its wait.
  rt_.start_event.set();
  { std::lock_guard<std::mutex> g(m_); }
  cv_.notify_all();
  if (st == kRunning) rt_.ui.suspend_workers();  // paused: already parked
  rt_.ui.run_state_changed(kStopped);
  settle(gen);
  rt_.ui.remove_hooks();
  rt_.ui.disable_start_button();
  if (rt_.stopped_alert) rt_.ui.announce(u"已中止！", kAnnounceWarning);
  if (!rt_.ui.main_window_visible()) rt_.ui.end_process(0);
}

void RunControl::end_of_run() {
  uint64_t gen;
  {
    std::lock_guard<std::recursive_mutex> g(transition_);
    if (rt_.state.load() != kRunning) return;
    rt_.state.store(kEnded, std::memory_order_release);
    gen = ++generation_;
  }
  rt_.ui.run_state_changed(kEnded);
  settle(gen);
  rt_.ui.remove_hooks();
  if (rt_.ended_alert) rt_.ui.announce(u"已结束！", kAnnounceInfo);
  if (!rt_.ui.main_window_visible()) rt_.ui.end_process(0);
}

// ---- hotkeys ----

const CallRecord* RunControl::callback_for(const ScriptFunction& f) {
  std::lock_guard<std::mutex> g(m_);
  for (CallRecord* c : callbacks_)
    if (c->function == &f) return c;
  auto* c = new CallRecord;
  c->entry = &f.signature;
  c->invoke = invoke_script_function;
  c->name = f.name;
  c->ret = f.signature.ret;
  c->elem = f.signature.elem;
  c->elem2 = f.signature.elem2;
  c->marker = 3;
  c->function = const_cast<ScriptFunction*>(&f);
  callbacks_.push_back(c);
  return c;
}

void RunControl::register_hotkey(int mods, int key, const CallRecord* callback) {
  std::lock_guard<std::mutex> g(m_);
  for (HotkeyEntry& e : hotkeys_) {
    if (e.mods == mods && e.key == key) {
      e.callback = callback;
      return;
    }
  }
  hotkeys_.push_back(HotkeyEntry{mods, key, callback});
}

void RunControl::unregister_hotkey(int mods, int key) {
  std::lock_guard<std::mutex> g(m_);
  std::erase_if(hotkeys_, [&](const HotkeyEntry& e) { return e.mods == mods && e.key == key; });
}

const CallRecord* RunControl::find_hotkey(int mods, int key) const {
  std::lock_guard<std::mutex> g(m_);
  for (const HotkeyEntry& e : hotkeys_)
    if (e.mods == mods && e.key == key) return e.callback;
  return nullptr;
}

bool RunControl::has_hotkeys() const {
  std::lock_guard<std::mutex> g(m_);
  return !hotkeys_.empty();
}

void RunControl::queue_callback(const CallRecord* callback) {
  {
    std::lock_guard<std::mutex> g(m_);
    queue_.push_back(callback);
  }
  cv_.notify_all();
}

const CallRecord* RunControl::next_callback() {
  std::unique_lock<std::mutex> g(m_);
  for (;;) {
    if (park_requested_.load()) return nullptr;
    int st = rt_.state.load();
    if (st == kStopped || st == kEnded) return nullptr;
    if (!queue_.empty()) {
      const CallRecord* c = queue_.front();
      queue_.pop_front();
      return c;
    }
    cv_.wait(g);
  }
}

// ---- sleeping and parking ----

void RunControl::sleep(int32_t ms) {
  if (ms <= 0) return;
  std::unique_lock<std::mutex> g(m_);
  cv_.wait_for(g, std::chrono::milliseconds(ms), [&] { return park_requested_.load(); });
}

bool RunControl::park(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> g(m_);
  park_requested_.store(true);
  cv_.notify_all();
  rt_.start_event.set();
  if (!parked_cv_.wait_for(g, timeout, [&] { return parked_; })) return false;
  // The caller now runs script code itself; its boundaries must not park.
  park_requested_.store(false);
  return true;
}

void RunControl::park_here() {
  std::unique_lock<std::mutex> g(m_);
  parked_ = true;
  parked_cv_.notify_all();
  // Nothing releases a parked thread: the process is ending around it.
  for (;;) cv_.wait(g);
}

}  // namespace quorin
