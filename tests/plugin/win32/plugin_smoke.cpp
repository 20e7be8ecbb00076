// A small editor stand-in for the 64-bit DLL (no test framework is built for
// 64-bit Windows): loads the DLL given on the command line into a 64-bit
// process, checks the exports and the command table, lets it add its toolbar
// buttons, and drives the typing indentation and the re-format command over
// an editing view with real text.  Exit code 0 when everything held.
#include <windows.h>

#include <cstdio>
#include <string>

#include "plugin/win32/npp_api.h"
#include "tests/plugin/text_buffer.h"

namespace npp = quorin::plugin::npp;

namespace {

qtest::TextBuffer g_buffer;
HWND g_main, g_view;
int g_toolbar_buttons = 0;
int g_failures = 0;

void check(bool ok, const char* what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
  if (!ok) ++g_failures;
}

LRESULT CALLBACK main_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case npp::NPPM_GETFULLCURRENTPATH:
    case npp::NPPM_GETFILENAME:
      lstrcpynW(reinterpret_cast<wchar_t*>(lp), L"new 1", static_cast<int>(wp));
      return TRUE;
    case npp::NPPM_GETEXTPART:
      lstrcpynW(reinterpret_cast<wchar_t*>(lp), L"", static_cast<int>(wp));
      return TRUE;
    case npp::NPPM_GETCURRENTSCINTILLA:
      *reinterpret_cast<int*>(lp) = 0;
      return TRUE;
    case npp::NPPM_ADDTOOLBARICON_FORDARKMODE: {
      auto* icons = reinterpret_cast<npp::ToolbarIcons*>(lp);
      if (icons->bitmap && icons->icon && wp == static_cast<WPARAM>(100 + g_toolbar_buttons)) ++g_toolbar_buttons;
      return TRUE;
    }
  }
  return DefWindowProcW(w, m, wp, lp);
}

LRESULT CALLBACK view_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  qtest::TextBuffer& b = g_buffer;
  switch (m) {
    case npp::SCI_GETCURRENTPOS: return b.caret();
    case npp::SCI_LINEFROMPOSITION: return b.line_from_pos(static_cast<long>(wp));
    case npp::SCI_GETLINE: {
      std::string s = b.line(static_cast<long>(wp));
      if (lp) memcpy(reinterpret_cast<char*>(lp), s.data(), s.size());
      return static_cast<LRESULT>(s.size());
    }
    case npp::SCI_GETLINECOUNT: return b.line_count();
    case npp::SCI_ADDTEXT: b.add_text(std::string_view(reinterpret_cast<const char*>(lp), wp)); return 0;
    case npp::SCI_GETLINEINDENTATION: return b.indentation(static_cast<long>(wp));
    case npp::SCI_SETLINEINDENTATION: b.set_indentation(static_cast<long>(wp), static_cast<int>(lp)); return 0;
    case npp::SCI_GOTOPOS: b.set_caret(static_cast<long>(wp)); return 0;
    case npp::SCI_GOTOLINE: b.goto_line(static_cast<long>(wp)); return 0;
    case npp::SCI_GETTEXTLENGTH: return static_cast<LRESULT>(b.text().size());
    case npp::SCI_GETTEXT: {
      size_t n = std::min<size_t>(wp - 1, b.text().size());
      memcpy(reinterpret_cast<char*>(lp), b.text().data(), n);
      reinterpret_cast<char*>(lp)[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case npp::SCI_SETTEXT: b.set_text(reinterpret_cast<const char*>(lp)); return 0;
    case npp::SCI_GETCODEPAGE: return 65001;
    case npp::SCI_GETFIRSTVISIBLELINE: return b.first_visible();
    case npp::SCI_SETFIRSTVISIBLELINE: b.set_first_visible(static_cast<long>(wp)); return 0;
  }
  return DefWindowProcW(w, m, wp, lp);
}

template <class F>
F symbol(HMODULE dll, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  wc.hInstance = inst;
  wc.lpfnWndProc = main_proc;
  wc.lpszClassName = L"QuorinSmokeEditor";
  RegisterClassW(&wc);
  wc.lpfnWndProc = view_proc;
  wc.lpszClassName = L"QuorinSmokeView";
  RegisterClassW(&wc);
  g_main = CreateWindowExW(0, L"QuorinSmokeEditor", L"smoke", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                           inst, nullptr);
  g_view = CreateWindowExW(0, L"QuorinSmokeView", L"", WS_CHILD, 0, 0, 100, 100, g_main, nullptr, inst, nullptr);

  HMODULE dll = LoadLibraryW(argv[1]);
  check(dll != nullptr, "the DLL loads into a 64-bit process");
  if (!dll) return 1;
  auto set_info = symbol<void (*)(npp::NppData)>(dll, "setInfo");
  auto get_name = symbol<const wchar_t* (*)()>(dll, "getName");
  auto get_funcs = symbol<npp::FuncItem* (*)(int*)>(dll, "getFuncsArray");
  auto notify = symbol<void (*)(npp::SCNotification*)>(dll, "beNotified");
  auto message_proc = symbol<LRESULT (*)(UINT, WPARAM, LPARAM)>(dll, "messageProc");
  auto is_unicode = symbol<BOOL (*)()>(dll, "isUnicode");
  check(set_info && get_name && get_funcs && notify && message_proc && is_unicode, "all six exports");
  if (g_failures) return 1;

  set_info({g_main, g_view, nullptr});
  check(lstrcmpW(get_name(), L"Quorin") == 0, "getName");
  check(is_unicode() && message_proc(0, 0, 0), "isUnicode and messageProc");
  int count = 0;
  npp::FuncItem* funcs = get_funcs(&count);
  check(count == 4 && lstrcmpW(funcs[0].name, L"运行脚本") == 0 && lstrcmpW(funcs[3].name, L"代码自动缩进") == 0,
        "command table");
  check(funcs[0].shortcut && funcs[0].shortcut->key == VK_F9 && !funcs[1].shortcut, "F9 on the first command");
  for (int i = 0; i < count; ++i) funcs[i].cmd_id = 100 + i;

  npp::SCNotification n{};
  n.nmhdr.hwndFrom = g_main;
  n.nmhdr.code = npp::NPPN_TBMODIFICATION;
  notify(&n);
  check(g_toolbar_buttons == 4, "four toolbar buttons with bitmap and icon");

  n.nmhdr.code = npp::NPPN_BUFFERACTIVATED;
  notify(&n);
  g_buffer.set_text("if(a)");
  g_buffer.set_caret(5);
  g_buffer.add_text("\n");
  n.nmhdr.hwndFrom = g_view;
  n.nmhdr.code = npp::SCN_CHARADDED;
  n.ch = '\n';
  notify(&n);
  check(g_buffer.text() == "if(a)\n    \r\nendif" && g_buffer.caret() == 10, "typing indentation closes the block");

  g_buffer.set_text("loop(2)\nx=1\nendloop");
  funcs[3].fn();
  check(g_buffer.text() == "loop (2)\r\n    x = 1\r\nendloop", "re-format");
  DestroyWindow(g_main);
  return g_failures ? 1 : 0;
}
