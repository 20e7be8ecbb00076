#include "host/win32/search_workers.h"

#include <process.h>

namespace quorin {

namespace {
struct WorkerStart {
  SearchWorkers* self;
  int index;
};
}  // namespace

SearchWorkers& search_workers() {
  static SearchWorkers* workers = new SearchWorkers;  // lives until the process ends
  return *workers;
}

bool SearchWorkers::start(unsigned processors) {
  running_ = CreateEventW(nullptr, TRUE, TRUE, nullptr);
  if (processors < 3) return true;
  const int n = static_cast<int>(processors) - 1;
  InitializeCriticalSection(&job_.lock);
  slots_.assign(static_cast<size_t>(n), SearchJobSlot{});
  // Every event exists before the first worker reads the vector.
  for (int i = 0; i < n; ++i) events_.push_back(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  for (int i = 0; i < n; ++i) {
    auto* start = new WorkerStart{this, i};
    uintptr_t t = _beginthreadex(nullptr, 0, worker_main, start, 0, nullptr);
    if (!t) {
      delete start;
      return false;
    }
    threads_.push_back(reinterpret_cast<HANDLE>(t));
  }
  return true;
}

unsigned __stdcall SearchWorkers::worker_main(void* arg) {
  WorkerStart start = *static_cast<WorkerStart*>(arg);
  delete static_cast<WorkerStart*>(arg);
  start.self->run_worker(start.index);
  return 0;
}

void SearchWorkers::run_worker(int index) {
  for (;;) {
    WaitForSingleObject(events_[static_cast<size_t>(index)], INFINITE);
    checkpoint();
    // The search builtins give the worker its part of the job here.
  }
}

void SearchWorkers::pause() {
  if (running_) ResetEvent(running_);
}

void SearchWorkers::resume() {
  if (running_) SetEvent(running_);
}

void SearchWorkers::checkpoint() {
  if (running_) WaitForSingleObject(running_, INFINITE);
}

}  // namespace quorin
