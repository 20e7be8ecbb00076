#include "frontend/program_model.h"

#include "runtime/str.h"

namespace quorin {

Program::~Program() {
  // Destroy in reverse order of creation.
  for (auto it = owned_.rbegin(); it != owned_.rend(); ++it) it->del(it->p);
}

const std::u16string* Program::intern_path(const std::u16string& path) {
  for (const auto& p : paths_)
    if (p == path) return &p;
  paths_.push_back(path);
  return &paths_.back();
}

}  // namespace quorin
