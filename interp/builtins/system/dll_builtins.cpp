// dll_load, dll_free and dll_get_function.
#include "builtins/system/dll_modules.h"
#include "builtins/system/system_builtins.h"
#include "support/format.h"
#include "support/text_codec.h"

namespace quorin::sys {

namespace {

int32_t& int_at(IntRef r) { return *static_cast<int32_t*>(r.addr); }

}  // namespace

int32_t dll_load(Runtime& rt, const Str& path) {
#ifndef _WIN32
  (void)path;
  windows_only(rt, u"dll_load");
#else
  ModuleHandle h = os_load_library(path.view());
  if (!h) return 0;
  dll_modules(rt).add(h);
  return handle_to_int(h);
#endif
}

// Only a handle this run loaded is given back to the system; the variable
// is cleared once the module is freed.
int32_t dll_free(Runtime& rt, IntRef handle) {
  ModuleHandle h = handle_from_int(int_at(handle));
  DllModules& list = dll_modules(rt);
  if (!list.contains(h)) return 0;
  if (!os_free_library(h)) return 0;
  list.remove(h);
  int_at(handle) = 0;
  return 1;
}

FuncResult dll_get_function(Runtime& rt, const Str& name) {
  const std::string ansi = encode_text(name.view(), codepage::Ansi);
  DllModules& list = dll_modules(rt);
  for (ModuleHandle h : list.modules()) {
    if (void* proc = os_find_function(h, ansi)) return FuncResult{list.target(h, proc)};
  }
  rt.fail(format16(u"dll_get_function('%.64s') 函数 '%.64s' 不存在", name.view(), name.view()));
}

FuncResult dll_get_function_in(Runtime& rt, const Str& name, IntRef handle) {
  const int32_t value = int_at(handle);
  const ModuleHandle h = handle_from_int(value);
  DllModules& list = dll_modules(rt);
  if (list.contains(h)) {
    if (void* proc = os_find_function(h, encode_text(name.view(), codepage::Ansi)))
      return FuncResult{list.target(h, proc)};
  }
  rt.fail(format16(u"dll_get_function('%.64s', %d) 函数 '%.64s' 不存在", name.view(), value, name.view()));
}

void windows_only(Runtime& rt, std::u16string_view name) {
  rt.fail(format16(u"%s() 只能在 Windows 系统中使用", name));
}

}  // namespace quorin::sys
