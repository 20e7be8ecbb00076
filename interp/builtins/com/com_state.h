// What one run of a script holds of COM: the initialisation counter, the
// objects and safe arrays it was handed (handles are checked against these
// before use), its method bindings and the DLL modules it loaded.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "runtime/runtime.h"

namespace quorin::com {

struct ObjectEntry {
  int32_t refs = 0;       // references the script owns
  bool dispatch = true;   // the pointer is an IDispatch
};

// A method bound into a function-pointer variable.
struct Binding {
  void* object = nullptr;  // the IDispatch the member belongs to
  int32_t member = 0;      // its DISPID
  std::u16string name;
  bool owned = false;      // the binding holds its own reference (an intermediate object)
  FuncTarget target;
};

struct ComRunState : FamilyState {
  int32_t init_count = 0;
  std::unordered_map<void*, ObjectEntry> objects;
  std::unordered_set<void*> safe_arrays;
  std::deque<Binding> bindings;  // addresses stay valid while bindings are added
  std::unordered_set<int32_t> modules;
  // Set by the Windows side once a safe array exists; called when the run goes.
  void (*destroy_safe_arrays)(ComRunState&) = nullptr;
  ~ComRunState() override {
    if (destroy_safe_arrays) destroy_safe_arrays(*this);
  }
};

inline ComRunState& run_state(Runtime& rt) {
  if (!rt.com) rt.com = std::make_unique<ComRunState>();
  return static_cast<ComRunState&>(*rt.com);
}

}  // namespace quorin::com
