// The bitmap-search workers: a fixed set of threads that run the parts of one
// search at a time.  The caller hands a job to the first n workers and waits
// on an event until every one of them has finished (no polling).  Pausing the
// run never freezes a worker at an arbitrary point: a paused worker parks at
// its next checkpoint (between jobs, or between the rows of a job) until the
// run resumes.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quorin {

class SearchPool {
 public:
  // Starts `workers` threads (0: none; a search then runs on the caller).
  explicit SearchPool(int workers);
  ~SearchPool();
  SearchPool(const SearchPool&) = delete;
  SearchPool& operator=(const SearchPool&) = delete;

  // The start-up rule: processors - 1 workers when there are at least 3.
  static int workers_for(unsigned processors) { return processors >= 3 ? static_cast<int>(processors) - 1 : 0; }
  // The same, unless the environment variable QUORIN_SEARCH_WORKERS names a
  // count (0..64): tests use it to give a 2-processor machine workers.
  static int configured_workers(unsigned processors);

  int count() const { return static_cast<int>(threads_.size()); }

  // Runs a job in `parts` parts (at most count() + 1): the caller runs
  // body(0) itself and workers run body(1) .. body(parts - 1).  Returns
  // once the caller's part is done and every worker that took a part has
  // finished it; a worker that wakes after that takes none, so the parts
  // must share their work out dynamically.  One job at a time.
  void run(int parts, const std::function<void(int)>& body);

  void pause();
  void resume();
  bool paused() const;
  // Parks the calling worker while paused.
  void checkpoint();
  // Number of workers parked at a checkpoint right now (tests).
  int parked() const;

 private:
  void worker_main(int index);
  void stop();

  std::vector<std::thread> threads_;
  mutable std::mutex m_;
  std::condition_variable wake_;   // workers: a new job, resume, or quit
  std::condition_variable done_;   // caller: the job's last worker finished
  const std::function<void(int)>* body_ = nullptr;
  uint64_t generation_ = 0;  // bumped per job
  int assigned_ = 0;         // worker parts of the current job
  int running_ = 0;          // workers inside a part
  bool closed_ = true;       // the caller is done: no part is taken any more
  bool paused_ = false;
  std::atomic<bool> pause_hint_{false};  // read without the lock by checkpoint
  int parked_ = 0;
  bool quit_ = false;
};

}  // namespace quorin
