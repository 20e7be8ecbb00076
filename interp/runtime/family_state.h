// Per-run state of builtin families: handle tables, devices and the like.
// Each family keeps one object of its own type in the run context, created
// on first use and destroyed with the run, so nothing of a run lives in
// globals.
#pragma once
#include <memory>
#include <utility>
#include <vector>

namespace quorin {

class FamilyState {
 public:
  virtual ~FamilyState() = default;
};

class FamilyStates {
 public:
  FamilyStates() = default;
  FamilyStates(const FamilyStates&) = delete;
  FamilyStates& operator=(const FamilyStates&) = delete;
  // Later families go first: they may use earlier ones while they close.
  ~FamilyStates() {
    while (!items_.empty()) items_.pop_back();
  }

  template <class T>
  T* find() {
    for (auto& [tag, p] : items_)
      if (tag == &tag_of<T>) return static_cast<T*>(p.get());
    return nullptr;
  }
  // The family's state, made by `make()` the first time.
  template <class T, class Make>
  T& get(Make make) {
    if (T* t = find<T>()) return *t;
    items_.emplace_back(&tag_of<T>, make());
    return static_cast<T&>(*items_.back().second);
  }
  // Replaces the family's state (tests install recording devices this way).
  template <class T>
  void put(std::unique_ptr<T> state) {
    for (auto& [tag, p] : items_) {
      if (tag == &tag_of<T>) {
        p = std::move(state);
        return;
      }
    }
    items_.emplace_back(&tag_of<T>, std::move(state));
  }

 private:
  template <class T>
  static inline const char tag_of = 0;
  std::vector<std::pair<const void*, std::unique_ptr<FamilyState>>> items_;
};

}  // namespace quorin
