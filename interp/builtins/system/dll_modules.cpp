#include "builtins/system/dll_modules.h"

#include <algorithm>
#include <memory>

namespace quorin::sys {

bool DllModules::contains(ModuleHandle h) const {
  return h != 0 && std::find(modules_.begin(), modules_.end(), h) != modules_.end();
}

void DllModules::add(ModuleHandle h) {
  if (h && !contains(h)) modules_.push_back(h);
}

void DllModules::remove(ModuleHandle h) {
  modules_.erase(std::remove(modules_.begin(), modules_.end(), h), modules_.end());
  for (Target& t : targets_) {
    if (t.module == h) {
      t.fn.invoke = nullptr;
      t.fn.native = nullptr;
    }
  }
}

FuncTarget* DllModules::target(ModuleHandle h, void* proc) {
  for (Target& t : targets_)
    if (t.module == h && t.fn.native == proc) return &t.fn;
  Target& t = targets_.emplace_back();
  t.module = h;
  t.fn.invoke = &invoke_dll_function;
  t.fn.native = proc;
  return &t.fn;
}

DllModules& dll_modules(Runtime& rt) {
  if (!rt.dll_modules) rt.dll_modules = std::make_shared<DllModules>();
  return *rt.dll_modules;
}

}  // namespace quorin::sys
