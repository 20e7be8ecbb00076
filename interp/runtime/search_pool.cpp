#include "runtime/search_pool.h"

#include <cstdlib>
#include <system_error>

namespace quorin {

SearchPool::SearchPool(int workers) {
  try {
    for (int i = 0; i < workers; ++i) threads_.emplace_back([this, i] { worker_main(i); });
  } catch (const std::system_error&) {
    stop();
    throw;
  }
}

int SearchPool::configured_workers(unsigned processors) {
  if (const char* v = std::getenv("QUORIN_SEARCH_WORKERS")) {
    char* end = nullptr;
    const long n = std::strtol(v, &end, 10);
    if (end != v && *end == 0 && n >= 0 && n <= 64) return static_cast<int>(n);
  }
  return workers_for(processors);
}

void SearchPool::stop() {
  {
    std::lock_guard<std::mutex> g(m_);
    quit_ = true;
    paused_ = false;
    pause_hint_.store(false);
  }
  wake_.notify_all();
  for (auto& t : threads_) t.join();
  threads_.clear();
}

SearchPool::~SearchPool() { stop(); }

void SearchPool::run(int parts, const std::function<void(int)>& body) {
  if (parts > count() + 1) parts = count() + 1;
  if (parts <= 1) {
    body(0);
    return;
  }
  {
    std::lock_guard<std::mutex> g(m_);
    body_ = &body;
    assigned_ = parts - 1;
    closed_ = false;
    ++generation_;
  }
  wake_.notify_all();
  body(0);
  std::unique_lock<std::mutex> g(m_);
  closed_ = true;
  done_.wait(g, [&] { return running_ == 0; });
  body_ = nullptr;
}

void SearchPool::worker_main(int index) {
  uint64_t seen = 0;
  std::unique_lock<std::mutex> g(m_);
  for (;;) {
    wake_.wait(g, [&] { return quit_ || generation_ != seen; });
    if (quit_) return;
    if (paused_) {
      // A job came while the run is paused: park before looking at it.
      ++parked_;
      wake_.wait(g, [&] { return quit_ || !paused_; });
      --parked_;
      if (quit_) return;
    }
    seen = generation_;
    if (closed_ || index >= assigned_) continue;  // done without this worker
    const std::function<void(int)>* body = body_;
    ++running_;
    g.unlock();
    (*body)(index + 1);
    g.lock();
    if (--running_ == 0) done_.notify_all();
  }
}

void SearchPool::pause() {
  std::lock_guard<std::mutex> g(m_);
  paused_ = true;
  pause_hint_.store(true);
}

void SearchPool::resume() {
  {
    std::lock_guard<std::mutex> g(m_);
    paused_ = false;
    pause_hint_.store(false);
  }
  wake_.notify_all();
}

bool SearchPool::paused() const {
  std::lock_guard<std::mutex> g(m_);
  return paused_;
}

void SearchPool::checkpoint() {
  if (!pause_hint_.load(std::memory_order_relaxed)) return;
  std::unique_lock<std::mutex> g(m_);
  if (!paused_) return;
  ++parked_;
  wake_.wait(g, [&] { return !paused_ || quit_; });
  --parked_;
}

int SearchPool::parked() const {
  std::lock_guard<std::mutex> g(m_);
  return parked_;
}

}  // namespace quorin
