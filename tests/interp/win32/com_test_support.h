// What the COM-based tests share: running a script and collecting what it
// printed and its runtime error, and registering a class of one of the test
// servers (DLLs beside the test program) in this prefix.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "interp/frontend/compile_fixture.h"
#include "interp/runtime/test_ui_port.h"
#include "runtime/run.h"
#include "support/format.h"

namespace quorin::testing {

struct ScriptOutcome {
  std::string out;    // the information panel, lines ending in "\n"
  std::string error;  // the runtime error box, if any
};

// Compiles and runs `source`; `prepare` sees the run context before the run.
inline ScriptOutcome run_script(const std::string& source, const std::function<void(Runtime&)>& prepare = {}) {
  auto c = compile_text(source, CheckMode::Run);
  EXPECT_EQ(c.errors(), "");
  ScriptOutcome o;
  if (!c.result.program) return o;
  TestUiPort ui;
  Runtime rt(*c.result.program, ui);
  if (prepare) prepare(rt);
  rt.state.store(kRunning);
  run_program(rt);
  // println writes to the information panel, one "\r\n" per line.
  std::u16string text = ui.console;
  for (size_t at = text.find(u"\r\n"); at != std::u16string::npos; at = text.find(u"\r\n", at))
    text.replace(at, 2, u"\n");
  o.out = to_utf8(text);
  if (!ui.errors.empty()) o.error = to_utf8(ui.errors[0]);
  return o;
}

// The test program's folder, with a trailing separator.
inline std::wstring exe_folder() {
  wchar_t buf[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
  std::wstring p(buf, n);
  return p.substr(0, p.find_last_of(L"\\/") + 1);
}

inline void set_machine_key(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY k = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr), 0);
  RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(k);
}

// `prog_id` names class `clsid` of the in-process server `dll` (a file in
// the test program's folder).  Machine-wide: Wine ignores the user's classes.
inline void register_test_class(const wchar_t* prog_id, const wchar_t* clsid, const wchar_t* dll) {
  set_machine_key(std::wstring(L"Software\\Classes\\") + prog_id + L"\\CLSID", nullptr, clsid);
  const std::wstring server = std::wstring(L"Software\\Classes\\CLSID\\") + clsid + L"\\InprocServer32";
  set_machine_key(server, nullptr, exe_folder() + dll);
  set_machine_key(server, L"ThreadingModel", L"Both");
}

}  // namespace quorin::testing
