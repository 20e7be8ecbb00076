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

TEST(FileDialogs, FolderBrowserTakesATypedFolderAndRefusesAMissingOne) {
  ScriptDir dir;
  std::wstring sub = dir.path() + L"\\子 文件夹";
  CreateDirectoryW(sub.c_str(), nullptr);
  std::wstring script = dir.write(L"folder.q", "quorin_config_auto_start()\n"
                                               "string p = " + literal(dir.path()) + "\n"
                                               "console_println(folder_dialog_show(\"选一个文件夹\", p, 1))\n"
                                               "console_println(p)\n"
                                               "console_println(folder_dialog_show(\"再选一个\", p))\n"
                                               "console_println(p)\n"
                                               "exit(0)\n");
  QuorinProcess q(in_quotes(script));
  HWND browse = nullptr;
  ASSERT_TRUE(eventually([&] { return (browse = any_dialog(q.pid())) != nullptr; }, 10s));
  ASSERT_TRUE(SetDlgItemTextW(browse, 0x3744, sub.c_str()));
  PostMessageW(browse, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(q.wait_output(utf8(sub) + "\r\n"));
  // The second browser: a folder that does not exist is refused with a box.
  HWND again = nullptr;
  ASSERT_TRUE(eventually([&] { return (again = any_dialog(q.pid())) != nullptr && again != browse; }, 10s));
  std::wstring missing = dir.path() + L"\\没有";
  ASSERT_TRUE(SetDlgItemTextW(again, 0x3744, missing.c_str()));
  PostMessageW(again, WM_COMMAND, IDOK, 0);
  HWND box = q.find_box(L"提示", 5s);
  ASSERT_NE(box, nullptr);
  EXPECT_NE(box_text(box).find(L"不存在"), std::wstring::npos);
  close_box(box);
  ASSERT_TRUE(q.box_gone(L"提示"));
  PostMessageW(again, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(q.wait_exit());
  EXPECT_EQ(q.output(), "1\r\n" + utf8(sub) + "\r\n0\r\n" + utf8(sub) + "\r\n");
}

}  // namespace
}  // namespace qtest
