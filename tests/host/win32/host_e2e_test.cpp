// Quorin.exe as its user meets it: check modes on the standard output, the
// main window and its status texts, start/pause/stop keys, the
// announcements, the script's hotkeys and the information panel.
#include <gtest/gtest.h>

#include "driver.h"

namespace qtest {
namespace {

constexpr WORD kF2 = VK_F2, kF6 = VK_F6, kF8 = VK_F8;

std::wstring in_quotes(const std::wstring& p) { return L"\"" + p + L"\""; }

HWND hotkey_line(HWND main) { return FindWindowExW(main, nullptr, L"static", nullptr); }
HWND start_button(HWND main) { return GetDlgItem(main, 36100); }
HWND panel(HWND main) { return GetDlgItem(main, 36101); }

size_t count_of(const std::string& s, const std::string& what) {
  size_t n = 0;
  for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + what.size())) ++n;
  return n;
}

// Closes the main window and expects the process to end with code 0.
void close_main(QuorinProcess& q, HWND main) {
  PostMessageW(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(q.wait_exit());
  EXPECT_EQ(q.exit_code(), 0u);
}

TEST(CommandLine, CheckModesReportOnStandardOutputAndEnd) {
  ScriptDir dir;
  std::wstring ok = dir.write(L"ok.q", "int a = 1\n");
  std::wstring bad = dir.write(L"bad.q", "int a = \n");
  {
    QuorinProcess q(L"-c " + in_quotes(ok));
    ASSERT_TRUE(q.wait_exit());
    EXPECT_EQ(q.exit_code(), 0u);
    EXPECT_EQ(q.output(), "脚本文件: 'ok.q' 语法正确");
  }
  {
    QuorinProcess q(L"-ic " + in_quotes(bad));
    ASSERT_TRUE(q.wait_exit());
    EXPECT_EQ(q.exit_code(), 0u);
    std::string out = q.output();
    EXPECT_NE(out.find("\"status\":\t0"), std::string::npos) << out;
    EXPECT_NE(out.find("\"errorCount\":\t1"), std::string::npos) << out;
  }
  {
    // -icr reports, then runs a correct script with its window.
    QuorinProcess q(L"-icr " + in_quotes(ok));
    ASSERT_TRUE(q.wait_output("\"status\":\t1"));
    HWND main = q.main_window();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(q.running());
    close_main(q, main);
  }
  {
    // -icr with errors reports and never runs.
    QuorinProcess q(L"-icr " + in_quotes(bad));
    ASSERT_TRUE(q.wait_exit());
    EXPECT_EQ(q.exit_code(), 0u);
    EXPECT_NE(q.output().find("\"status\":\t0"), std::string::npos);
  }
}

TEST(CommandLine, UsageLinesAndWordRules) {
  for (const wchar_t* mode : {L"-c", L"-ic", L"-cr", L"-icr"}) {
    QuorinProcess q(mode);
    ASSERT_TRUE(q.wait_exit());
    EXPECT_EQ(q.exit_code(), 0u);
    EXPECT_EQ(q.output(), "正确的命令行格式： quorin.exe " + utf8(mode) + " <脚本文件>");
  }
  ScriptDir dir;
  std::wstring script = dir.write(
      L"B.Q", "quorin_config_auto_start()\nconsole_println(\"ran\")\nconsole_println(get_cmd_argv())\nexit(3)\n");
  {
    // Mode words and extensions ignore case; -CR runs after a silent check.
    // a.txt before the script is ignored; the words after it are the script's.
    QuorinProcess q(L"-CR -dev -charset=utf-8 a.txt " + in_quotes(script) + L" -c x");
    ASSERT_TRUE(q.wait_exit());
    EXPECT_EQ(q.exit_code(), 3u);
    EXPECT_EQ(q.output(), "ran\r\nArrayList{\"-c\", \"x\"}\r\n");
  }
  {
    // A relative script path still names the script after the folder change.
    QuorinProcess q(L"-c B.Q", dir.path());
    ASSERT_TRUE(q.wait_exit());
    EXPECT_EQ(q.output(), "脚本文件: 'B.Q' 语法正确");
  }
}

TEST(MainWindow, StartPauseResumeStopWithTheKeys) {
  ScriptDir dir;
  std::wstring script = dir.write(L"count.q",
                                  "int i = 0\n"
                                  "loop -1\n"
                                  "  i = i + 1\n"
                                  "  console_println(i)\n"
                                  "  sleep(30)\n"
                                  "endloop\n");
  QuorinProcess q(in_quotes(script));
  HWND main = q.main_window();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(window_text(main), L"Quorin - count.q");
  EXPECT_TRUE(eventually([&] { return window_text(hotkey_line(main)) == L"快捷键：F2 (启动)，  F8 (停止)"; }));
  EXPECT_EQ(window_text(start_button(main)), L"启动");
  EXPECT_TRUE(eventually([&] { return IsWindowEnabled(start_button(main)) != 0; }));
  Sleep(200);
  EXPECT_EQ(q.output(), "") << "nothing runs before the start key";

  // F2 with Ctrl held is not the start key.
  press_key(kF2, true);
  Sleep(300);
  EXPECT_EQ(q.output(), "");

  press_key(kF2);
  ASSERT_TRUE(q.wait_output("3\r\n"));
  EXPECT_TRUE(eventually([&] { return window_text(hotkey_line(main)) == L"快捷键：F2 (暂停)，  F8 (停止)"; }));
  EXPECT_EQ(window_text(start_button(main)), L"暂停");

  // Pause: the box opens, the script stops printing.
  press_key(kF2);
  HWND box = q.find_box(L"Quorin");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box_text(box), L"已暂停！");
  EXPECT_TRUE(eventually([&] { return window_text(hotkey_line(main)) == L"快捷键：F2 (继续)，  F8 (停止)"; }));
  EXPECT_EQ(window_text(start_button(main)), L"继续");
  // While the box is open the keys do nothing.
  press_key(kF8);
  Sleep(200);
  EXPECT_EQ(window_text(hotkey_line(main)), L"快捷键：F2 (继续)，  F8 (停止)");
  close_box(box);
  ASSERT_TRUE(q.box_gone(L"Quorin"));
  std::string paused = q.output();
  Sleep(300);
  EXPECT_EQ(q.output(), paused) << "a paused script prints nothing";

  // Resume.
  press_key(kF2);
  EXPECT_TRUE(eventually([&] { return q.output().size() > paused.size(); }));
  EXPECT_EQ(window_text(start_button(main)), L"暂停");

  // Stop: the warning box, the final status, the process lives on.
  press_key(kF8);
  box = q.find_box(L"Quorin");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box_text(box), L"已中止！");
  EXPECT_EQ(window_text(hotkey_line(main)), L"已中止！");
  EXPECT_FALSE(IsWindowEnabled(start_button(main)));
  close_box(box);
  ASSERT_TRUE(q.box_gone(L"Quorin"));
  std::string stopped = q.output();
  press_key(kF2);
  Sleep(300);
  EXPECT_EQ(q.output(), stopped) << "a stopped run never starts again";
  EXPECT_TRUE(q.running());
  close_main(q, main);
}

TEST(MainWindow, ButtonStartsAndSwitchesSilenceTheBoxes) {
  ScriptDir dir;
  std::wstring script = dir.write(L"quiet.q",
                                  "quorin_hotkey_pause_or_continue_ctrl_char('p')\n"
                                  "quorin_hotkey_stop_code(0x7A)\n"
                                  "config_paused_show_alert(0)\n"
                                  "config_stopped_show_alert(0)\n"
                                  "int i = 0\n"
                                  "loop -1\n"
                                  "  i = i + 1\n"
                                  "  console_println(i)\n"
                                  "  sleep(30)\n"
                                  "endloop\n");
  QuorinProcess q(in_quotes(script));
  HWND main = q.main_window();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(eventually([&] { return window_text(hotkey_line(main)) == L"快捷键：Ctrl + P (启动)，  F11 (停止)"; }))
      << utf8(window_text(hotkey_line(main)));
  // The button starts the run.
  ASSERT_TRUE(eventually([&] { return IsWindowEnabled(start_button(main)) != 0; }));
  PostMessageW(main, WM_COMMAND, MAKEWPARAM(36100, BN_CLICKED), reinterpret_cast<LPARAM>(start_button(main)));
  ASSERT_TRUE(q.wait_output("2\r\n"));
  // Ctrl+P pauses without a box (the switch is off), so the keys stay live.
  press_key('P', true);
  EXPECT_TRUE(eventually([&] { return window_text(start_button(main)) == L"继续"; }));
  EXPECT_EQ(q.find_box(L"Quorin", 300ms), nullptr);
  press_key(VK_F11);
  EXPECT_TRUE(eventually([&] { return window_text(hotkey_line(main)) == L"已中止！"; }));
  EXPECT_EQ(q.find_box(L"Quorin", 300ms), nullptr);
  close_main(q, main);
}

TEST(MainWindow, AutoStartPrintsToPanelAndEndsWithAnnouncement) {
  ScriptDir dir;
  std::wstring script = dir.write(L"end.q",
                                  "quorin_config_auto_start()\n"
                                  "quorin_window_initial_text(\"start\\r\\n\")\n"
                                  "println(\"a\")\n"
                                  "print(12)\n"
                                  "println(\"b\")\n"
                                  "console_println(\"out\")\n");
  QuorinProcess q(in_quotes(script));
  HWND main = q.main_window();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(q.wait_output("out\r\n"));
  HWND box = q.find_box(L"Quorin");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box_text(box), L"已结束！");
  EXPECT_EQ(window_text(hotkey_line(main)), L"已结束！");
  EXPECT_EQ(window_text(panel(main)), L"start\r\na\r\n12b\r\n");
  close_box(box);
  ASSERT_TRUE(q.box_gone(L"Quorin"));
  EXPECT_TRUE(q.running()) << "the window stays after the end";
  close_main(q, main);
}

TEST(MainWindow, ExitCodeAndAtexitWhenTheWindowCloses) {
  ScriptDir dir;
  std::wstring script = dir.write(L"atexit.q",
                                  "func void bye()\n"
                                  "  console_println(\"bye\")\n"
                                  "endfunc\n"
                                  "quorin_config_auto_start()\n"
                                  "atexit(bye())\n"
                                  "console_println(\"loop\")\n"
                                  "loop -1\n"
                                  "  sleep(1000)\n"
                                  "endloop\n");
  QuorinProcess q(in_quotes(script));
  HWND main = q.main_window();
  ASSERT_TRUE(q.wait_output("loop\r\n"));
  // Closing the window while the run goes on runs the exit calls.
  PostMessageW(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(q.wait_exit());
  EXPECT_EQ(q.output(), "loop\r\nbye\r\n");
}

TEST(Hotkeys, CallbackRunsOncePerPressAfterTheMainList) {
  ScriptDir dir;
  std::wstring script = dir.write(L"hk.q",
                                  "int n = 0\n"
                                  "func void cb()\n"
                                  "  n = n + 1\n"
                                  "  console_println(\"cb\")\n"
                                  "  console_println(n)\n"
                                  "endfunc\n"
                                  "quorin_config_auto_start()\n"
                                  "config_ended_show_alert(1)\n"
                                  "register_hotkey(0, 117, \"cb\")\n"
                                  "register_hotkey(2, 118, \"cb\")\n"
                                  "unregister_hotkey(2, 118)\n"
                                  "console_println(\"ready\")\n");
  QuorinProcess q(in_quotes(script));
  HWND main = q.main_window();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(q.wait_output("ready\r\n"));
  // The run goes on: no end box, the status says running.
  EXPECT_EQ(q.find_box(L"Quorin", 300ms), nullptr);
  EXPECT_EQ(window_text(start_button(main)), L"暂停");
  press_key(kF6);
  ASSERT_TRUE(q.wait_output("cb\r\n1\r\n"));
  // Held down (repeated key-downs) it acts once.
  key_down(kF6);
  Sleep(50);
  key_down(kF6);
  Sleep(50);
  key_down(kF6);
  key_up(kF6);
  ASSERT_TRUE(q.wait_output("cb\r\n2\r\n"));
  press_key(kF6);
  ASSERT_TRUE(q.wait_output("cb\r\n3\r\n"));
  Sleep(200);
  EXPECT_EQ(count_of(q.output(), "cb"), 3u);
  // An unregistered pair does nothing.
  press_key(VK_F7, true);
  Sleep(200);
  EXPECT_EQ(count_of(q.output(), "cb"), 3u);
  close_main(q, main);
}

TEST(Hotkeys, ConflictWithTheStartKeyIsARuntimeError) {
  ScriptDir dir;
  std::wstring script = dir.write(L"conflict.q",
                                  "func void cb()\n"
                                  "endfunc\n"
                                  "quorin_config_auto_start()\n"
                                  "register_hotkey(0, 113, \"cb\")\n");
  QuorinProcess q(in_quotes(script));
  HWND box = q.find_box(L"Quorin");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box_text(box), L"运行时错误：\n\n行: 4, register_hotkey(0, 113, \"cb\") 与 【启动/暂停】快捷键冲突");
  close_box(box);
  ASSERT_TRUE(q.wait_exit());
  EXPECT_EQ(q.exit_code(), 0u);
}

TEST(MainWindow, StoppingWithTheWindowHiddenEndsTheProcess) {
  ScriptDir dir;
  std::wstring script = dir.write(L"hidden.q",
                                  "quorin_config_auto_start()\n"
                                  "config_stopped_show_alert(0)\n"
                                  "console_println(\"up\")\n"
                                  "loop -1\n"
                                  "  sleep(20)\n"
                                  "endloop\n");
  QuorinProcess q(in_quotes(script));
  HWND main = q.main_window();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(q.wait_output("up\r\n"));
  ShowWindow(main, SW_HIDE);
  ASSERT_TRUE(eventually([&] { return !IsWindowVisible(main); }));
  press_key(kF8);
  ASSERT_TRUE(q.wait_exit());
  EXPECT_EQ(q.exit_code(), 0u);
}

TEST(MainWindow, ScreenshotAndLayout) {
  ScriptDir dir;
  std::wstring script = dir.write(L"shot.q",
                                  "quorin_window_initial_text(\"信息面板里的第一行\\r\\n\")\n"
                                  "console_println(\"x\")\n");
  QuorinProcess q(in_quotes(script));
  HWND main = q.main_window();
  ASSERT_NE(main, nullptr);
  RECT c, p;
  GetClientRect(main, &c);
  EXPECT_EQ(c.right, 505);
  EXPECT_EQ(c.bottom, 201);
  GetWindowRect(panel(main), &p);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&p), 2);
  EXPECT_EQ(p.left, 10);
  EXPECT_EQ(p.top, 61);
  // The panel grows with the window and keeps its margins.
  RECT w;
  GetWindowRect(main, &w);
  SetWindowPos(main, nullptr, 0, 0, w.right - w.left + 100, w.bottom - w.top + 50, SWP_NOMOVE | SWP_NOZORDER);
  GetWindowRect(panel(main), &p);
  EXPECT_EQ(p.right - p.left, 585);
  EXPECT_EQ(p.bottom - p.top, 180);
  SetWindowPos(main, nullptr, 0, 0, w.right - w.left, w.bottom - w.top, SWP_NOMOVE | SWP_NOZORDER);
  wchar_t shot[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"QUORIN_SCREENSHOT", shot, MAX_PATH)) {
    Sleep(300);
    EXPECT_TRUE(save_window_bmp(main, shot));
  }
  close_main(q, main);
}

}  // namespace
}  // namespace qtest
