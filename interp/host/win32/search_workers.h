// The bitmap-search workers: processors - 1 threads when there are at least
// 3 processors, each with an auto-reset event and a job slot, sharing one job
// record under one critical section.  Pausing the run does not freeze them
// at an arbitrary point (a frozen thread may hold the heap or the job lock):
// a paused worker parks at its next checkpoint, between jobs or between the
// rows of a job, until the run resumes.
#pragma once
#include <windows.h>

#include <atomic>
#include <vector>

namespace quorin {

struct SearchJobSlot {
  int first = 0;  // the job's part given to this worker
  int count = 0;
};

// Filled by the search builtins; read by the workers under `lock`.
struct SearchJob {
  CRITICAL_SECTION lock;
  void* data = nullptr;
  int remaining = 0;
};

class SearchWorkers {
 public:
  // Creates the workers for `processors`; false when a thread cannot start.
  bool start(unsigned processors);
  int count() const { return static_cast<int>(threads_.size()); }

  void pause();
  void resume();
  // Parks the calling worker while the run is paused.
  void checkpoint();

  SearchJob& job() { return job_; }
  SearchJobSlot& slot(int i) { return slots_[static_cast<size_t>(i)]; }
  HANDLE event(int i) const { return events_[static_cast<size_t>(i)]; }

 private:
  static unsigned __stdcall worker_main(void* arg);
  void run_worker(int index);

  std::vector<HANDLE> threads_;
  std::vector<HANDLE> events_;
  std::vector<SearchJobSlot> slots_;
  SearchJob job_{};
  HANDLE running_ = nullptr;  // manual-reset: set while not paused
};

SearchWorkers& search_workers();

}  // namespace quorin
