#include "builtins/com/module_lookup.h"

#include "builtins/com/com_state.h"
#include "builtins/system/dll_modules.h"
#include "support/script_handle.h"

namespace quorin::com {

void note_loaded_module(Runtime& rt, int32_t handle) {
  if (handle != 0) run_state(rt).modules.insert(handle);
}

void forget_loaded_module(Runtime& rt, int32_t handle) { run_state(rt).modules.erase(handle); }

// A module counts when `dll_load` loaded it in this run (and `dll_free` has
// not freed it), or when it was noted here.
void* loaded_module(Runtime& rt, int32_t handle) {
  if (handle == 0) return nullptr;
  if (!sys::dll_modules(rt).contains(sys::handle_from_int(handle)) && !run_state(rt).modules.count(handle))
    return nullptr;
  return int_to_handle<void>(handle);
}

}  // namespace quorin::com
