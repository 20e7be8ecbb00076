#include "host/win32/search_workers.h"

#include <system_error>

namespace quorin {

SearchWorkers& search_workers() {
  static SearchWorkers* workers = new SearchWorkers;  // lives until the process ends
  return *workers;
}

bool SearchWorkers::start(unsigned processors) {
  try {
    pool_ = std::make_unique<SearchPool>(SearchPool::configured_workers(processors));
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

void SearchWorkers::pause() {
  if (pool_) pool_->pause();
}

void SearchWorkers::resume() {
  if (pool_) pool_->resume();
}

}  // namespace quorin
