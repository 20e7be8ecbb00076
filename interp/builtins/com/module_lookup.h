// DLL modules a run loaded, as far as COM object creation needs them: a
// module handle from the script is used only when this run loaded the module
// (with `dll_load`, whose list is consulted) and has not freed it.  Tests may
// note a module they loaded themselves.
#pragma once
#include <cstdint>

#include "runtime/runtime.h"

namespace quorin::com {

void note_loaded_module(Runtime& rt, int32_t handle);
void forget_loaded_module(Runtime& rt, int32_t handle);
// The module's address, or null when the run did not load it.
void* loaded_module(Runtime& rt, int32_t handle);

}  // namespace quorin::com
