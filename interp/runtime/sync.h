// Portable synchronisation primitives used by the run state.
#pragma once
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace quorin {

// An auto-reset event: one `set` releases one `wait`.
class AutoResetEvent {
 public:
  void set() {
    {
      std::lock_guard<std::mutex> g(m_);
      signalled_ = true;
    }
    cv_.notify_one();
  }
  void wait() {
    std::unique_lock<std::mutex> g(m_);
    cv_.wait(g, [&] { return signalled_; });
    signalled_ = false;
  }
  bool wait_for(std::chrono::milliseconds ms) {
    std::unique_lock<std::mutex> g(m_);
    if (!cv_.wait_for(g, ms, [&] { return signalled_; })) return false;
    signalled_ = false;
    return true;
  }

 private:
  std::mutex m_;
  std::condition_variable cv_;
  bool signalled_ = false;
};

}  // namespace quorin
