// The script's file and folder dialogs in Quorin.exe: one run picks, one
// cancels, and the folder browser refuses a folder that does not exist.
#include <gtest/gtest.h>

#include "driver.h"

namespace qtest {
namespace {

std::wstring in_quotes(const std::wstring& p) { return L"\"" + p + L"\""; }

// A path as a script string literal.
std::string literal(const std::wstring& p) {
  std::string out = "\"";
  for (char c : utf8(p)) {
    if (c == '\\') out += "\\\\";
    else out += c;
  }
  return out + "\"";
}

struct DialogSearch {
  DWORD pid;
  std::wstring except;
  HWND found = nullptr;
};

BOOL CALLBACK match_dialog(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<DialogSearch*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  if (owner == s->pid && IsWindowVisible(w) && std::wstring(cls) == L"#32770" &&
      (s->except.empty() || window_text(w) != s->except)) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

// A visible dialog (#32770) of the process whose caption is not `except`.
HWND any_dialog(DWORD pid, const std::wstring& except = L"") {
  DialogSearch s{pid, except};
  EnumWindows(match_dialog, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// The folder browser's edit box.
HWND edit_of(HWND dlg) {
  for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t cls[16] = {};
    GetClassNameW(c, cls, 16);
    if (std::wstring(cls) == L"Edit") return c;
  }
  return nullptr;
}

TEST(FileDialogs, OpenPicksAFileAndCancelKeepsThePath) {
  ScriptDir dir;
  std::wstring chosen = dir.write(L"选中 的文件.txt", "data");
  std::wstring script = dir.write(L"open.q", "quorin_config_auto_start()\n"
                                             "string p = \"unchanged\"\n"
                                             "console_println(file_dialog_show_open(\"选择文件\", p, " +
                                                 literal(dir.path()) +
                                                 ", \"文本文件|*.txt|所有文件|*.*\"))\n"
                                                 "console_println(p)\n"
                                                 "console_println(file_dialog_show_save(\"另存为\", p))\n"
                                                 "console_println(p)\n"
                                                 "exit(0)\n");
  QuorinProcess q(in_quotes(script));
  HWND open = q.find_box(L"选择文件", 10s);
  ASSERT_NE(open, nullptr);
  // The file-name box of the dialog, then OK.
  ASSERT_TRUE(SetDlgItemTextW(open, 0x47C, chosen.c_str()) || SetDlgItemTextW(open, 0x480, chosen.c_str()));
  PostMessageW(open, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(q.wait_output(utf8(chosen) + "\r\n"));
  HWND save = q.find_box(L"另存为", 10s);
  ASSERT_NE(save, nullptr);
  PostMessageW(save, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(q.wait_exit());
  EXPECT_EQ(q.output(), "1\r\n" + utf8(chosen) + "\r\n0\r\n" + utf8(chosen) + "\r\n");
}

TEST(FileDialogs, FolderBrowserStartsOnThePathAndCancelKeepsIt) {
  ScriptDir dir;
  // A folder on the system drive: the browser's tree reaches it on every system.
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  std::wstring sub = std::wstring(windows) + L"\\quorin 文件夹 " + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(sub.c_str(), nullptr);
  struct Cleanup {
    std::wstring p;
    ~Cleanup() { RemoveDirectoryW(p.c_str()); }
  } cleanup{sub};
  std::wstring script = dir.write(L"folder.q", "quorin_config_auto_start()\n"
                                               "string p = " + literal(sub) + "\n"
                                               "console_println(folder_dialog_show(\"选一个文件夹\", p, 1))\n"
                                               "console_println(p)\n"
                                               "console_println(folder_dialog_show(\"再选一个\", p))\n"
                                               "console_println(p)\n"
                                               "exit(0)\n");
  QuorinProcess q(in_quotes(script));
  HWND browse = nullptr;
  ASSERT_TRUE(eventually([&] { return (browse = any_dialog(q.pid())) != nullptr; }, 10s));
  // The browser selects the folder it was given and shows its path.
  HWND edit = nullptr;
  ASSERT_TRUE(eventually([&] { return (edit = edit_of(browse)) != nullptr && window_text(edit) == sub; }))
      << utf8(edit ? window_text(edit) : L"");
  PostMessageW(browse, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(q.wait_output(utf8(sub) + "\r\n")) << q.output();
  HWND again = nullptr;
  ASSERT_TRUE(eventually([&] { return (again = any_dialog(q.pid())) != nullptr && again != browse; }, 10s));
  PostMessageW(again, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(q.wait_exit());
  EXPECT_EQ(q.output(), "1\r\n" + utf8(sub) + "\r\n0\r\n" + utf8(sub) + "\r\n");
}

}  // namespace
}  // namespace qtest
