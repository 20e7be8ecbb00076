// Things a builtin family hands out during one run (open files, loaded
// modules, memory blocks …) that must be given back when the run ends.  Each
// family keeps one state object here, created on first use; the run context
// releases them all when the run is over and destroys them with itself.
#pragma once
#include <memory>
#include <utility>
#include <vector>

namespace quorin {

class RunResource {
 public:
  virtual ~RunResource() = default;
  // Gives back everything still held (called once the run is over; may be
  // called again later).
  virtual void release_all() = 0;
};

class RunResources {
 public:
  RunResources() = default;
  RunResources(const RunResources&) = delete;
  RunResources& operator=(const RunResources&) = delete;
  ~RunResources() { release_all(); }

  // The family state of type T (derived from RunResource), created on first use.
  template <class T>
  T& get() {
    const void* key = &kKey<T>;
    for (auto& [k, r] : items_)
      if (k == key) return static_cast<T&>(*r);
    items_.emplace_back(key, std::make_unique<T>());
    return static_cast<T&>(*items_.back().second);
  }
  // The state if it exists.
  template <class T>
  T* find() {
    for (auto& [k, r] : items_)
      if (k == &kKey<T>) return static_cast<T*>(r.get());
    return nullptr;
  }
  void release_all() {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) it->second->release_all();
  }

 private:
  template <class T>
  static inline const char kKey = 0;
  std::vector<std::pair<const void*, std::unique_ptr<RunResource>>> items_;
};

}  // namespace quorin
