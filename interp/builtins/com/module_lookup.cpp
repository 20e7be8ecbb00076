#include "builtins/com/module_lookup.h"

#include "builtins/com/com_state.h"
#include "support/script_handle.h"

namespace quorin::com {

void note_loaded_module(Runtime& rt, int32_t handle) {
  if (handle != 0) run_state(rt).modules.insert(handle);
}

void forget_loaded_module(Runtime& rt, int32_t handle) { run_state(rt).modules.erase(handle); }

void* loaded_module(Runtime& rt, int32_t handle) {
  if (handle == 0 || !run_state(rt).modules.count(handle)) return nullptr;
  return int_to_handle<void>(handle);
}

}  // namespace quorin::com
