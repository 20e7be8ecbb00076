// The modules a run loaded with `dll_load`, in load order and without
// duplicates, and the function-pointer targets made for their entry points.
// The list belongs to the run context (`Runtime::dll_modules`); the COM
// family loads in-process servers through the same list.
//
// A module handle travels through scripts as an int: the 32-bit handle value
// (a handle with the top bit set is a negative int).  Every handle a script
// passes back is checked against this list before the system sees it.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/runtime.h"

namespace quorin::sys {

using ModuleHandle = uintptr_t;

inline int32_t handle_to_int(ModuleHandle h) { return static_cast<int32_t>(static_cast<uint32_t>(h)); }
inline ModuleHandle handle_from_int(int32_t v) { return static_cast<ModuleHandle>(static_cast<uint32_t>(v)); }

class DllModules {
 public:
  // Modules stay loaded when the run ends: a DLL may have left threads,
  // hooks or callbacks behind, and the process's end releases them.
  DllModules() = default;
  DllModules(const DllModules&) = delete;
  DllModules& operator=(const DllModules&) = delete;

  const std::vector<ModuleHandle>& modules() const { return modules_; }
  bool contains(ModuleHandle h) const;
  // Appends h unless it is listed already.
  void add(ModuleHandle h);
  // Drops h from the list; targets made for its entry points become unset,
  // so a later call through them is the "not initialised" error rather than
  // a jump into an unloaded module.
  void remove(ModuleHandle h);

  // The target for entry point `proc` of module `h` (one per entry point;
  // stable for the run).
  FuncTarget* target(ModuleHandle h, void* proc);

 private:
  struct Target {
    FuncTarget fn;
    ModuleHandle module;
  };
  std::vector<ModuleHandle> modules_;
  std::deque<Target> targets_;
};

// The run's module list, made on first use.
DllModules& dll_modules(Runtime& rt);

// ---- the system side (Windows; natively nothing loads) ----
// LoadLibraryW with the long-path rule; 0 on failure.
ModuleHandle os_load_library(std::u16string_view path);
bool os_free_library(ModuleHandle h);
// GetProcAddress of an ANSI name; null when absent.
void* os_find_function(ModuleHandle h, const std::string& ansi_name);

// Calls the DLL entry point a function-pointer variable holds, with the
// variable's signature (the invoker of every DLL target).
Payload invoke_dll_function(Runtime& rt, const CallRecord& c);

}  // namespace quorin::sys
