// The bitmap-search workers of Quorin.exe: processors - 1 threads when there
// are at least 3 processors (the environment variable QUORIN_SEARCH_WORKERS
// sets another count, for tests), shared by the search builtins through the
// run context.  Pausing the run does not freeze them at an arbitrary point
// (a frozen thread may hold the heap or the job lock): a paused worker parks
// at its next checkpoint, between jobs or between the rows of a job, until
// the run resumes.
#pragma once
#include <memory>

#include "runtime/search_pool.h"

namespace quorin {

class SearchWorkers {
 public:
  // Creates the workers for `processors`; false when a thread cannot start.
  bool start(unsigned processors);
  int count() const { return pool_ ? pool_->count() : 0; }
  SearchPool* pool() { return pool_.get(); }

  void pause();
  void resume();

 private:
  std::unique_ptr<SearchPool> pool_;
};

SearchWorkers& search_workers();

}  // namespace quorin
