// The dialogs of Quorin.exe as its user meets them: alert boxes that count
// down and close themselves, confirm boxes, the input dialogs typed into
// with real key events, a stop or a closed window while a dialog is open,
// and `run`.  What the script received comes back on standard output.
#include <gtest/gtest.h>

#include <string>

#include "driver.h"

namespace qtest {
namespace {

std::wstring in_quotes(const std::wstring& p) { return L"\"" + p + L"\""; }

// A path written inside a script's string literal.
std::string script_literal(const std::wstring& path) {
  std::string out;
  for (char c : utf8(path)) {
    if (c == '\\') out.push_back('\\');
    out.push_back(c);
  }
  return out;
}

struct Found {
  DWORD pid;
  const wchar_t* cls;
  std::wstring prefix;
  HWND w;
};

BOOL CALLBACK find_prefixed(HWND w, LPARAM lp) {
  auto* f = reinterpret_cast<Found*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != f->pid || !IsWindowVisible(w)) return TRUE;
  wchar_t cls[64] = {};
  GetClassNameW(w, cls, 64);
  if (lstrcmpW(cls, f->cls) != 0) return TRUE;
  if (window_text(w).compare(0, f->prefix.size(), f->prefix) != 0) return TRUE;
  f->w = w;
  return FALSE;
}

// A visible dialog of the process whose caption starts with `prefix`.
HWND find_dialog(QuorinProcess& q, const std::wstring& prefix, std::chrono::milliseconds timeout = 5s) {
  Found f{q.pid(), L"#32770", prefix, nullptr};
  eventually(
      [&] {
        f.w = nullptr;
        EnumWindows(find_prefixed, reinterpret_cast<LPARAM>(&f));
        return f.w != nullptr;
      },
      timeout);
  return f.w;
}

// Types text as key events (each unit a Unicode key press).
void type_text(const std::wstring& s) {
  for (wchar_t c : s) {
    INPUT in[2]{};
    in[0].type = INPUT_KEYBOARD;
    in[0].ki.wScan = c;
    in[0].ki.dwFlags = KEYEVENTF_UNICODE;
    in[1] = in[0];
    in[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
    Sleep(10);
  }
}

HWND edit_of(HWND dlg) { return FindWindowExW(dlg, nullptr, L"edit", nullptr); }
HWND prompt_of(HWND dlg) { return FindWindowExW(dlg, nullptr, L"static", nullptr); }

SIZE client_size(HWND w) {
  RECT r;
  GetClientRect(w, &r);
  return SIZE{r.right, r.bottom};
}

SIZE window_size(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// Saves a picture of a window when QUORIN_SCREENSHOT_DIR names a folder.
void screenshot(HWND w, const wchar_t* name) {
  wchar_t dir[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"QUORIN_SCREENSHOT_DIR", dir, MAX_PATH)) return;
  Sleep(300);
  EXPECT_TRUE(save_window_bmp(w, std::wstring(dir) + L"\\" + name));
}

// Waits for the end-of-run box, closes it and then the main window.
void finish(QuorinProcess& q) {
  HWND end = q.find_box(L"Quorin");
  ASSERT_NE(end, nullptr);
  EXPECT_EQ(box_text(end), L"已结束！");
  close_box(end);
  HWND main = q.main_window();
  PostMessageW(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(q.wait_exit());
  EXPECT_EQ(q.exit_code(), 0u);
}

TEST(Dialogs, AlertCountDownAndConfirmBoxes) {
  ScriptDir dir;
  std::wstring script = dir.write(L"alerts.q",
                                  "quorin_config_auto_start()\n"
                                  "alert(\"三秒后关闭\", 3)\n"
                                  "console_println(\"auto closed\")\n"
                                  "alert(\"先关掉\", 5)\n"
                                  "console_println(\"closed early\")\n"
                                  "alert(\"普通\", 0)\n"
                                  "console_println(\"plain\")\n"
                                  "console_println(confirm(\"x\", 7))\n"
                                  "console_println(confirm(\"要继续吗\", qrYesNo))\n"
                                  "console_println(confirm(\"三个按钮\", qrYesNoCancel))\n");
  QuorinProcess q(in_quotes(script));

  // The count-down box: its title and button count down, then it closes.
  HWND box = find_dialog(q, L"Quorin - 3秒后自动关闭");
  ASSERT_NE(box, nullptr);
  const auto seen = std::chrono::steady_clock::now();
  EXPECT_EQ(box_text(box), L"三秒后关闭");
  HWND ok = GetDlgItem(box, IDOK);
  const std::wstring first = window_text(ok);
  EXPECT_EQ(first, L"确定(3)");
  ASSERT_TRUE(eventually([&] { return window_text(ok) == L"确定(2)"; }, 2s));
  const std::wstring second = window_text(ok);
  EXPECT_EQ(window_text(box), L"Quorin - 2秒后自动关闭");
  std::printf("count-down texts read: \"%s\" then \"%s\", title \"%s\"\n", utf8(first).c_str(),
              utf8(second).c_str(), utf8(window_text(box)).c_str());
  ASSERT_TRUE(q.wait_output("auto closed\r\n", 5s));
  const auto waited = std::chrono::steady_clock::now() - seen;
  EXPECT_GE(waited, 1500ms) << "closed too early";
  EXPECT_LE(waited, 4000ms);

  // Closed by the user first: nothing of the count-down is left behind.
  box = find_dialog(q, L"Quorin - 5秒后自动关闭");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(window_text(GetDlgItem(box, IDOK)), L"确定(5)");
  press_key(VK_RETURN);
  ASSERT_TRUE(q.wait_output("closed early\r\n", 2s));
  box = q.find_box(L"Quorin");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box_text(box), L"普通");
  Sleep(1300);
  EXPECT_EQ(window_text(box), L"Quorin") << "no count-down on a later box";
  EXPECT_EQ(window_text(GetDlgItem(box, IDOK)), L"确定");
  press_key(VK_RETURN);
  ASSERT_TRUE(q.wait_output("plain\r\n"));

  // An unknown type is OK/Cancel; Esc cancels.
  ASSERT_TRUE(eventually([&] {
    box = q.find_box(L"Quorin");
    return box && box_text(box) == L"x";
  }));
  EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(box, IDCANCEL)));
  EXPECT_FALSE(GetDlgItem(box, IDYES) && IsWindowVisible(GetDlgItem(box, IDYES)));
  press_key(VK_ESCAPE);
  ASSERT_TRUE(q.wait_output("plain\r\n2\r\n"));

  // Yes/No: the No button.
  ASSERT_TRUE(eventually([&] {
    box = q.find_box(L"Quorin");
    return box && box_text(box) == L"要继续吗";
  }));
  ASSERT_TRUE(IsWindowVisible(GetDlgItem(box, IDYES)));
  PostMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
  ASSERT_TRUE(q.wait_output("2\r\n7\r\n"));

  // Yes/No/Cancel: Enter takes the default, Yes.
  ASSERT_TRUE(eventually([&] {
    box = q.find_box(L"Quorin");
    return box && box_text(box) == L"三个按钮";
  }));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(box, IDCANCEL)));
  press_key(VK_RETURN);
  ASSERT_TRUE(q.wait_output("7\r\n6\r\n"));
  finish(q);
}

TEST(Dialogs, InputDialogsTypedIntoWithKeys) {
  ScriptDir dir;
  std::wstring script = dir.write(L"inputs.q",
                                  "quorin_config_auto_start()\n"
                                  "string v = \"初始\"\n"
                                  "int r = input_box(\"整数输入\", \"请输入一个整数：\", v, qrPrompt_Int)\n"
                                  "console_println(r)\n"
                                  "console_println(v)\n"
                                  "string pw = \"\"\n"
                                  "r = prompt(\"请输入密码：\", pw, qrPrompt_String, 1)\n"
                                  "console_println(r)\n"
                                  "console_println(pw)\n"
                                  "string m = \"原来的文字\"\n"
                                  "r = input_multiline_box(\"多行输入\", \"请输入几行文字：\", m)\n"
                                  "console_println(r)\n"
                                  "console_println(m)\n"
                                  "r = input_box(\"取消\", \"按 Esc\", v)\n"
                                  "console_println(r)\n"
                                  "console_println(v)\n"
                                  "r = input_multiline_box(\"多行取消\", \"按 Esc\", m, 10, 100, 100)\n"
                                  "console_println(r)\n"
                                  "console_println(m)\n");
  QuorinProcess q(in_quotes(script));

  // The int box: layout, then the checks with their warnings.
  HWND dlg = find_dialog(q, L"整数输入");
  ASSERT_NE(dlg, nullptr);
  HWND edit = edit_of(dlg), prompt = prompt_of(dlg);
  ASSERT_NE(edit, nullptr);
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(window_text(prompt), L"请输入一个整数：");
  EXPECT_EQ(window_text(edit), L"初始");
  const SIZE client = client_size(dlg), psize = window_size(prompt);
  EXPECT_EQ(client.cx, 430);
  EXPECT_EQ(psize.cx, 396);
  EXPECT_EQ(client.cy, psize.cy + 121);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 128);
  RECT wr;
  GetWindowRect(dlg, &wr);
  EXPECT_LE(std::abs((wr.left + wr.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1) << "centred";
  EXPECT_FALSE(IsWindowEnabled(q.main_window())) << "the main window waits for the dialog";
  for (const wchar_t* bad : {L"1.5", L"-"}) {
    type_text(bad);  // replaces the selected text
    ASSERT_TRUE(eventually([&] { return window_text(edit) == bad; })) << utf8(window_text(edit));
    press_key(VK_RETURN);
    HWND warn = q.find_box(L"提示");
    ASSERT_NE(warn, nullptr);
    EXPECT_EQ(box_text(warn), L"只可以输入一个整数");
    press_key(VK_RETURN);
    ASSERT_TRUE(q.box_gone(L"提示"));
  }
  type_text(L" 42 ");
  ASSERT_TRUE(eventually([&] { return window_text(edit) == L" 42 "; }));
  screenshot(dlg, L"input_box.bmp");
  press_key(VK_RETURN);
  ASSERT_TRUE(q.wait_output("1\r\n42\r\n"));

  // The password box shows stars.
  dlg = find_dialog(q, L"Quorin");
  ASSERT_NE(dlg, nullptr);
  edit = edit_of(dlg);
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(GetWindowLongW(edit, GWL_STYLE) & ES_PASSWORD);
  EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), L'*');
  type_text(L"s3cret");
  ASSERT_TRUE(eventually([&] { return window_text(edit) == L"s3cret"; }));
  press_key(VK_RETURN);
  ASSERT_TRUE(q.wait_output("42\r\n1\r\ns3cret\r\n"));

  // The multi-line box: resizable, Enter breaks the line, Tab reaches OK.
  dlg = find_dialog(q, L"多行输入");
  ASSERT_NE(dlg, nullptr);
  edit = edit_of(dlg);
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(GetWindowLongW(dlg, GWL_STYLE) & WS_THICKFRAME);
  EXPECT_TRUE(GetWindowLongW(edit, GWL_STYLE) & ES_MULTILINE);
  EXPECT_EQ(client_size(dlg).cx, 430);
  EXPECT_EQ(client_size(dlg).cy, 326);
  EXPECT_EQ(window_text(edit), L"原来的文字");
  type_text(L"第一行");
  press_key(VK_RETURN);
  type_text(L"second line");
  ASSERT_TRUE(eventually([&] { return window_text(edit) == L"第一行\r\nsecond line"; }))
      << utf8(window_text(edit));
  screenshot(dlg, L"input_multiline_box.bmp");
  press_key(VK_TAB);
  press_key(VK_RETURN);
  // The value's own CR LF passes through the text-mode stream as CR CR LF.
  ASSERT_TRUE(q.wait_output("s3cret\r\n1\r\n第一行\r\r\nsecond line\r\n")) << q.output();

  // Esc cancels and leaves the variable alone.
  dlg = find_dialog(q, L"取消");
  ASSERT_NE(dlg, nullptr);
  edit = edit_of(dlg);
  type_text(L"99");
  ASSERT_TRUE(eventually([&] { return window_text(edit_of(dlg)) == L"99"; }));
  press_key(VK_ESCAPE);
  ASSERT_TRUE(q.wait_output("second line\r\n2\r\n42\r\n"));

  // The smallest multi-line box, its limit, and Esc from inside the edit.
  dlg = find_dialog(q, L"多行取消");
  ASSERT_NE(dlg, nullptr);
  EXPECT_EQ(client_size(dlg).cx, 260);
  EXPECT_EQ(client_size(dlg).cy, 200);
  EXPECT_EQ(SendMessageW(edit_of(dlg), EM_GETLIMITTEXT, 0, 0), 10);
  press_key(VK_ESCAPE);
  ASSERT_TRUE(q.wait_output("42\r\n2\r\n第一行\r\r\nsecond line\r\n"));
  finish(q);
}

TEST(Dialogs, StopKeyEndsAnOpenDialogOrBox) {
  ScriptDir dir;
  const std::string tail =
      "console_println(\"after\")\n"
      "loop -1\n"
      "  sleep(20)\n"
      "endloop\n";
  {
    // The input dialog runs on the window's thread.
    std::wstring script = dir.write(L"stop_input.q",
                                    "quorin_config_auto_start()\n"
                                    "string v = \"x\"\n"
                                    "console_println(\"asking\")\n"
                                    "int r = input_box(\"停止\", \"按 F8\", v)\n" +
                                        tail);
    QuorinProcess q(in_quotes(script));
    ASSERT_NE(find_dialog(q, L"停止"), nullptr);
    press_key(VK_F8);
    HWND stopped = q.find_box(L"Quorin");
    ASSERT_NE(stopped, nullptr);
    EXPECT_EQ(box_text(stopped), L"已中止！");
    EXPECT_TRUE(eventually([&] { return find_dialog(q, L"停止", 0ms) == nullptr; }, 2s))
        << "the dialog went away with the run";
    close_box(stopped);
    Sleep(300);
    EXPECT_EQ(q.output(), "asking\r\n") << "nothing after the dialog runs";
    HWND main = q.main_window();
    EXPECT_TRUE(IsWindowEnabled(main));
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(q.wait_exit());
    EXPECT_EQ(q.exit_code(), 0u);
  }
  {
    // A confirm box runs on the script's thread.
    std::wstring script = dir.write(L"stop_box.q",
                                    "quorin_config_auto_start()\n"
                                    "config_stopped_show_alert(0)\n"
                                    "int r = confirm(\"停下吗\", qrYesNo)\n" +
                                        tail);
    QuorinProcess q(in_quotes(script));
    ASSERT_TRUE(eventually([&] {
      HWND b = q.find_box(L"Quorin");
      return b && box_text(b) == L"停下吗";
    }));
    press_key(VK_F8);
    ASSERT_TRUE(q.box_gone(L"Quorin"));
    Sleep(300);
    EXPECT_EQ(q.output(), "");
    HWND main = q.main_window();
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(q.wait_exit());
  }
  {
    // Closing the window while a dialog is open ends the process.
    std::wstring script = dir.write(L"close_input.q",
                                    "quorin_config_auto_start()\n"
                                    "string v = \"x\"\n"
                                    "int r = input_multiline_box(\"关闭\", \"窗口将关闭\", v)\n" +
                                        tail);
    QuorinProcess q(in_quotes(script));
    ASSERT_NE(find_dialog(q, L"关闭"), nullptr);
    PostMessageW(q.main_window(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(q.wait_exit());
    EXPECT_EQ(q.exit_code(), 0u);
  }
}

TEST(Dialogs, RunStartsProgramsAndBeepsStop) {
  ScriptDir dir;
  std::wstring made = dir.path() + L"\\made_by_run";
  std::wstring script = dir.write(L"run.q",
                                  "quorin_config_auto_start()\n"
                                  "config_ended_show_alert(0)\n"
                                  "console_println(run(\"\"))\n"
                                  "int r = run(\"cmd.exe\", \"/c mkdir made_by_run\", \"" +
                                      script_literal(dir.path()) +
                                      "\", qrSW_HIDE)\n"
                                      "if r > 32\n"
                                      "  console_println(\"started\")\n"
                                      "endif\n"
                                      "console_println(run(\"no_such_program_here.exe\"))\n"
                                      "play_alert_sound(-1)\n"
                                      "play_alert_sound(2)\n"
                                      "sleep(700)\n"
                                      "stop_alert_sound()\n"
                                      "console_println(\"quiet\")\n");
  QuorinProcess q(in_quotes(script));
  ASSERT_TRUE(q.wait_output("2\r\nstarted\r\n"));
  EXPECT_TRUE(eventually([&] {
    DWORD a = GetFileAttributesW(made.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
  }));
  RemoveDirectoryW(made.c_str());
  ASSERT_TRUE(q.wait_output("started\r\n2\r\nquiet\r\n"));
  EXPECT_EQ(q.find_box(L"Quorin", 300ms), nullptr) << "the beeps played without a warning";
  PostMessageW(q.main_window(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(q.wait_exit());
}

}  // namespace
}  // namespace qtest
