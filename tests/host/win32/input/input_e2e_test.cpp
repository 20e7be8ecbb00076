// The input and window builtins as a user meets them: scripts run through
// the real interpreters under Wine drive target_window.exe, and the test
// reads back what the target received.  Delays are checked with generous
// lower bounds only.
#include <gtest/gtest.h>

#include <thread>

#include "target.h"

namespace qtest {
namespace {

using Records = std::vector<Record>;
constexpr unsigned kKeyDown = WM_KEYDOWN, kKeyUp = WM_KEYUP, kChar = WM_CHAR;

// "down 0x10", "up 0x41" …: the key messages in order.
std::vector<std::string> keys_of(const Records& rs) {
  std::vector<std::string> out;
  for (const Record& r : rs) out.push_back(std::string(r.message == kKeyDown ? "down " : "up ") + hex(r.wparam));
  return out;
}

std::string line(int h) { return std::to_string(h); }

// Comparison helpers for the scripts (a comparison is not a value there).
const std::string kHelpers =
    "func int same(int a, int b)\n  if a == b\n    return 1\n  endif\n  return 0\nendfunc\n"
    "func int less(long a, long b)\n  if a < b\n    return 1\n  endif\n  return 0\nendfunc\n";

TEST(InputE2E, KeyCharFollowsShiftAndCapsLock) {
  TargetWindow t;
  ASSERT_TRUE(t.ready());
  ScriptDir dir;
  CliResult r = run_cli(dir, "key_char('A')\nkey_code(20)\nkey_char('A')\nkey_code(20)\nkey_char('1')\n");
  ASSERT_TRUE(r.finished);
  Records rs = t.wait_records(12, {kKeyDown, kKeyUp});
  EXPECT_EQ(keys_of(rs), (std::vector<std::string>{"down 0x10", "down 0x41", "up 0x41", "up 0x10",  // Caps Lock off
                                                   "down 0x14", "up 0x14",                          // Caps Lock on
                                                   "down 0x41", "up 0x41",                          // no Shift now
                                                   "down 0x14", "up 0x14", "down 0x31", "up 0x31"}));
  ASSERT_GE(rs.size(), 4u);
  // Press 15 ms, release 50 ms (bounds allow for the clock's coarseness).
  EXPECT_GE(rs[2].tick - rs[1].tick, 10u);
  EXPECT_GE(rs[3].tick - rs[2].tick, 40u);
  // Shift without Caps Lock and Caps Lock without Shift both type a capital.
  Records chars = t.records({kChar});
  std::string typed;
  for (const Record& c : chars) typed += static_cast<char>(c.wparam);
  EXPECT_EQ(typed, "AA1");
}

TEST(InputE2E, CtrlWithAnOutOfRangeCodePressesOnlyCtrl) {
  TargetWindow t;
  ASSERT_TRUE(t.ready());
  ScriptDir dir;
  ASSERT_TRUE(run_cli(dir, "key_ctrl_code(300)\nkey_code(0)\nkey_code(255)\n").finished);
  Sleep(200);
  EXPECT_EQ(keys_of(t.records({kKeyDown, kKeyUp})), (std::vector<std::string>{"down 0x11", "up 0x11"}));
}

TEST(InputE2E, UnicodeTypingArrivesAsCharacters) {
  TargetWindow t;
  ASSERT_TRUE(t.ready());
  ScriptDir dir;
  ASSERT_TRUE(run_cli(dir, "input(\"中文\")\ninput(\"😀\", 30)\n").finished);
  Records chars = t.wait_records(4, {kChar});
  std::vector<std::string> got;
  for (const Record& c : chars) got.push_back(hex(c.wparam));
  EXPECT_EQ(got, (std::vector<std::string>{"0x4e2d", "0x6587", "0xd83d", "0xde00"}));
  ASSERT_EQ(chars.size(), 4u);
  EXPECT_GE(chars[3].tick - chars[2].tick, 20u);  // the 30 ms interval between the halves
  EXPECT_EQ(window_text(reinterpret_cast<HWND>(static_cast<intptr_t>(t.handle("edit")))), L"中文😀");
}

TEST(InputE2E, WheelTurnsOneEventOrSeveral) {
  TargetWindow t;
  ASSERT_TRUE(t.ready());
  RECT rc;
  GetWindowRect(reinterpret_cast<HWND>(static_cast<intptr_t>(t.handle("edit"))), &rc);
  std::string at = std::to_string(rc.left + 20) + ", " + std::to_string(rc.top + 10);
  ScriptDir dir;
  ASSERT_TRUE(run_cli(dir, "mouse_wheel_down(" + at + ", 3)\nmouse_wheel_up(" + at + ", 3, 100)\nmouse_wheel_up(" + at +
                               ", 0)\n")
                  .finished);
  Records wheel = t.wait_records(4, {WM_MOUSEWHEEL});
  Sleep(200);
  wheel = t.records({WM_MOUSEWHEEL});
  ASSERT_EQ(wheel.size(), 4u);
  EXPECT_EQ(static_cast<short>(HIWORD(wheel[0].wparam)), -360);
  for (int i = 1; i < 4; ++i) EXPECT_EQ(static_cast<short>(HIWORD(wheel[i].wparam)), 120);
  EXPECT_GE(wheel[2].tick - wheel[1].tick, 80u);
  EXPECT_GE(wheel[3].tick - wheel[2].tick, 80u);
}

TEST(InputE2E, PostedMouseAndKeysReachTheWindowInTheBackground) {
  TargetWindow t;
  ASSERT_TRUE(t.ready());
  ScriptDir dir;
  std::string edit = line(t.handle("edit"));
  CliResult r = run_cli(dir, "window_mouse_double_click(" + edit + ", 5, 6)\n" + "window_mouse_wheel_up(" + edit +
                                 ", 5, 6, 0, 3)\n" + "window_key_code(" + edit + ", 66, 2)\n" + "window_input(" + edit +
                                 ", \"好😀\")\n");
  ASSERT_TRUE(r.finished);
  Records mouse = t.wait_records(5, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEWHEEL});
  ASSERT_EQ(mouse.size(), 5u);
  const unsigned want[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_MOUSEWHEEL};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(mouse[i].message, want[i]);
    EXPECT_EQ(mouse[i].control, "edit");
    EXPECT_EQ(mouse[i].lparam, 0x60005ul);
  }
  EXPECT_EQ(mouse[4].wparam, 0x1680000ul);  // one message of +360
  Records keys = t.records({kKeyDown, kKeyUp});
  ASSERT_EQ(keys.size(), 4u);
  EXPECT_EQ(keys[1].lparam, 0xC0000000ul);
  Records chars = t.records({kChar});
  ASSERT_GE(chars.size(), 3u);
  EXPECT_EQ(chars[chars.size() - 3].wparam, 0x597Dul);
  EXPECT_EQ(chars[chars.size() - 2].wparam, 0xD83Dul);
  EXPECT_EQ(chars[chars.size() - 1].wparam, 0xDE00ul);
}

TEST(InputE2E, WindowTextOfAHungWindowIsEmptyAfterAboutASecond) {
  TargetWindow t(L"目标窗口-文本");
  ASSERT_TRUE(t.ready());
  ScriptDir dir;
  std::string main = line(t.handle("main"));
  CliResult ok = run_cli(dir, "console_println(window_get_text(" + main + "))\n");
  EXPECT_EQ(ok.out, "目标窗口-文本\n");
  PostMessageW(t.main, WM_APP + 1, 2500, 0);  // the target's thread sleeps 2.5 s
  Sleep(100);
  CliResult hung = run_cli(
      dir, "long t = time_ms()\nstring s = window_get_text(" + main +
               ")\nconsole_println(\"[\" + s + \"]\")\nconsole_println(less(time_ms() - t, 1500))\n" + kHelpers);
  EXPECT_EQ(hung.out, "[]\n1\n");
  EXPECT_LT(hung.elapsed_ms, 3500u);
}

TEST(InputE2E, FindingWindowsAndWalkingTheTree) {
  TargetWindow t(L"目标窗口-查找");
  ASSERT_TRUE(t.ready());
  ScriptDir dir;
  std::string main = line(t.handle("main")), dialog = line(t.handle("dialog"));
  CliResult r = run_cli(dir,
                        "console_println(window_find(\"\", \"目标窗口-查找\"))\n"
                        "console_println(window_find(\"QuorinTargetWindow\", \"目标窗口-查找\"))\n"
                        "console_println(window_find(\"QuorinTargetWindow\", \"\"))\n"
                        "console_println(window_find(\"\", \"目标窗口\"))\n"
                        "console_println(window_find_ex(" +
                            main +
                            ", 0, \"Edit\", \"\"))\n"
                            "ArrayList<int> kids = window_get_child_list(" +
                            main +
                            ")\n"
                            "console_println(arraylist_get_size(kids))\n"
                            "console_println(arraylist_contains(kids, " +
                            line(t.handle("dialog_edit")) +
                            "))\n"
                            "ArrayList<int> tops = window_get_top_level_list()\n"
                            "console_println(arraylist_contains(tops, " +
                            main +
                            "))\n"
                            "console_println(arraylist_index_of(tops, " +
                            line(t.handle("edit")) +
                            "))\n"
                            "console_println(window_get_class_name(" +
                            line(t.handle("edit")) +
                            "))\n"
                            "console_println(same(window_get_parent(" +
                            line(t.handle("dialog_button")) + "), " + dialog +
                            "))\n"
                            "console_println(same(window_get_item(" +
                            dialog + ", 201), " + line(t.handle("dialog_button")) +
                            "))\n"
                            "console_println(window_get_id(" +
                            line(t.handle("edit")) +
                            "))\n"
                            "console_println(same(window_get_next_tab_item(" +
                            dialog + ", " + line(t.handle("dialog_button")) + ", 0), " + line(t.handle("dialog_edit")) +
                            "))\n"
                            "console_println(1 - same(window_get(" +
                            main + ", qrGW_CHILD), 0))\n" + kHelpers);
  ASSERT_TRUE(r.finished) << r.out;
  std::string expect = main + "\n" + main + "\n0\n0\n" + line(t.handle("edit")) + "\n";
  // Button, check box, combo box (and its own children), edit, dialog and its two items.
  EXPECT_EQ(r.out.substr(0, expect.size()), expect) << r.out;
  std::string rest = r.out.substr(std::min(expect.size(), r.out.size()));
  size_t nl = rest.find('\n');
  ASSERT_NE(nl, std::string::npos);
  EXPECT_GE(std::stoi(rest.substr(0, nl)), 7);
  EXPECT_EQ(rest.substr(nl + 1), "1\n1\n-1\nEdit\n1\n1\n104\n1\n1\n");
}

TEST(InputE2E, ButtonsAndComboBoxes) {
  TargetWindow t;
  ASSERT_TRUE(t.ready());
  ScriptDir dir;
  std::string check = line(t.handle("check")), combo = line(t.handle("combo")), button = line(t.handle("button"));
  CliResult r = run_cli(dir, "console_println(window_is_button_checked(" + check +
                                 "))\n"
                                 "window_set_button_checked(" +
                                 check +
                                 ", qrBST_CHECKED)\n"
                                 "console_println(window_is_button_checked(" +
                                 check +
                                 "))\n"
                                 "console_println(window_get_combo_box_selected_index(" +
                                 combo +
                                 "))\n"
                                 "console_println(window_set_combo_box_selected_index(" +
                                 combo +
                                 ", 1))\n"
                                 "console_println(window_get_text(" +
                                 combo +
                                 "))\n"
                                 "console_println(window_set_combo_box_selected_text(" +
                                 combo +
                                 ", \"丙\"))\n"
                                 "console_println(window_set_combo_box_selected_text(" +
                                 combo +
                                 ", \"丁\"))\n"
                                 "console_println(window_get_combo_box_selected_index(" +
                                 combo +
                                 "))\n"
                                 "console_println(window_get_text(" +
                                 button +
                                 "))\n"
                                 "console_println(window_set_text(" +
                                 button +
                                 ", \"新按钮\"))\n"
                                 "console_println(window_get_text(" +
                                 button +
                                 "))\n"
                                 "console_println(window_enable(" +
                                 button +
                                 ", 0))\n"
                                 "console_println(window_is_enabled(" +
                                 button +
                                 "))\n"
                                 "int w, h\nwindow_get_size(" +
                                 line(t.handle("main")) +
                                 ", w, h)\n"
                                 "console_println(w + \"x\" + h)\n"
                                 "console_println(make_wparam(70000, 1))\n"
                                 "console_println(block_input(1))\nconsole_println(\"还在运行\")\n");
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.out, "0\n1\n-1\n1\n乙\n2\n-1\n2\n按钮\n1\n新按钮\n0\n0\n480x320\n70000\n0\n还在运行\n");
}

TEST(InputE2E, CursorProbeMovesBackAndClickThroughSendInput) {
  TargetWindow t;
  ASSERT_TRUE(t.ready());
  RECT edit, button;
  GetWindowRect(reinterpret_cast<HWND>(static_cast<intptr_t>(t.handle("edit"))), &edit);
  GetWindowRect(reinterpret_cast<HWND>(static_cast<intptr_t>(t.handle("button"))), &button);
  auto pt = [](int x, int y) { return std::to_string(x) + ", " + std::to_string(y); };
  const std::string home = pt(edit.right + 40, edit.bottom + 2);  // the main window's own background
  ScriptDir dir;
  CliResult r = run_cli(dir, "mouse_move_to(" + home + ")\nsleep(100)\nint plain = mouse_get_cursor_style()\n" +
                                 "int probe = mouse_get_cursor_style(" + pt(edit.left + 20, edit.top + 8) + ")\n" +
                                 "int x, y\nmouse_get_position(x, y)\nconsole_println(x + \", \" + y)\n" +
                                 "console_println(same(plain, probe) + same(probe, 0))\n" +
                                 // The probe's two pointer warps reach the X server after it returns; one
                                 // that arrives after the click's move would put the cursor back home.
                                 "sleep(150)\n" +
                                 "console_println(mouse_left_click_ex(" + pt(button.left + 10, button.top + 10) +
                                 "))\n" + kHelpers);
  ASSERT_TRUE(r.finished);
  // Back where it was; over the edit control the probe saw another cursor
  // (the text cursor) than over the window's background.
  EXPECT_EQ(r.out, home + "\n0\n1\n");
  Records down = t.wait_records(1, {WM_LBUTTONDOWN});
  ASSERT_EQ(down.size(), 1u);
  EXPECT_EQ(down[0].control, "button");
}

TEST(InputE2E, MessageMemoryIsCheckedAgainstWhatTheRunHandedOut) {
  ScriptDir dir;
  CliResult r = run_cli(dir,
                        "int p = make_copy_data(7, 0, 0)\nint q = p\n"
                        "free(p)\nconsole_println(p)\n"
                        "free(q)\nconsole_println(1 - same(q, 0))\n"  // released already: ignored
                        "int bad = 12345\nfree(bad)\nconsole_println(bad)\n"
                        "int g = global_alloc_string(qrGHND, \"文本\")\n"
                        "console_println(global_size(g))\n"
                        "console_println(1 - same(global_lock(g), 0))\n"
                        "console_println(global_free(g))\n"
                        "console_println(global_size(g))\n"
                        "console_println(same(global_free(bad), bad))\n"
                        "byte b[4]\nint m = global_alloc_byte_array(qrGMEM_FIXED, b, 99)\n"
                        "console_println(global_size(m))\n" +
                            kHelpers);
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.code, 0u);
  EXPECT_EQ(r.out, "0\n1\n12345\n6\n1\n0\n0\n1\n99\n");
}

}  // namespace
}  // namespace qtest

namespace qtest {
namespace {

const char* const kXdotool = "Z:\\usr\\bin\\xdotool";

bool xdotool(const std::string& args) { return run_unix(std::string(kXdotool) + " " + args); }

std::wstring edit_text(TargetWindow& t) {
  HWND edit = reinterpret_cast<HWND>(static_cast<intptr_t>(t.handle("edit")));
  return window_text(edit);
}

// The script marks the edit control before each wait; the test waits for
// the mark before it acts.
std::string mark(TargetWindow& t, const char* text) {
  return "window_set_text(" + line(t.handle("edit")) + ", \"" + text + "\")\n";
}

size_t count(const Records& rs, unsigned msg, unsigned long wparam) {
  size_t n = 0;
  for (const Record& r : rs) n += r.message == msg && r.wparam == wparam;
  return n;
}

TEST(InputWaitsE2E, CommandLineKeyWaitSwallowsWithBlock) {
  TargetWindow t;
  ASSERT_TRUE(t.ready());
  ScriptDir dir;
  CliResult r;
  std::thread run([&] {
    r = run_cli(dir, mark(t, "键1") + "int a = wait_key_press(1)\n" + mark(t, "键2") +
                         "int b = wait_key_press()\nconsole_println(a + \",\" + b)\n");
  });
  ASSERT_TRUE(eventually([&] { return edit_text(t) == L"键1"; }));
  Sleep(300);
  EXPECT_TRUE(xdotool("key b"));
  ASSERT_TRUE(eventually([&] { return edit_text(t) == L"键2"; }));
  Sleep(300);
  EXPECT_TRUE(xdotool("key c"));
  run.join();
  EXPECT_EQ(r.out, "66,67\n");
  Records keys = t.wait_records(1, {kKeyDown});
  EXPECT_EQ(count(keys, kKeyDown, 0x42), 0u);  // swallowed
  EXPECT_EQ(count(keys, kKeyDown, 0x43), 1u);  // passed on
}

TEST(InputWaitsE2E, CommandLineClickWaitSwallowsWithBlock) {
  TargetWindow t;
  ASSERT_TRUE(t.ready());
  RECT rc;
  GetWindowRect(reinterpret_cast<HWND>(static_cast<intptr_t>(t.handle("edit"))), &rc);
  const int x = rc.left + 30, y = rc.top + 8;
  ScriptDir dir;
  CliResult r;
  std::thread run([&] {
    r = run_cli(dir, mark(t, "点1") + "int x, y\nwait_mouse_left_down(x, y, 1)\nconsole_println(x + \",\" + y)\n" +
                         mark(t, "点2") + "wait_mouse_left_down(x, y)\nconsole_println(x + \",\" + y)\n");
  });
  ASSERT_TRUE(eventually([&] { return edit_text(t) == L"点1"; }));
  Sleep(300);
  EXPECT_TRUE(xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1"));
  ASSERT_TRUE(eventually([&] { return edit_text(t) == L"点2"; }));
  EXPECT_EQ(count(t.records({WM_LBUTTONDOWN}), WM_LBUTTONDOWN, MK_LBUTTON), 0u);  // swallowed
  Sleep(300);
  EXPECT_TRUE(xdotool("click 1"));
  run.join();
  std::string at = std::to_string(x) + "," + std::to_string(y) + "\n";
  EXPECT_EQ(r.out, at + at);
  EXPECT_EQ(t.wait_records(1, {WM_LBUTTONDOWN}).size(), 1u);  // the second click passed on
}

TEST(InputWaitsE2E, HostClickWaitGoesOnWhilePaused) {
  TargetWindow t;
  ASSERT_TRUE(t.ready());
  RECT rc;
  GetWindowRect(reinterpret_cast<HWND>(static_cast<intptr_t>(t.handle("edit"))), &rc);
  const std::string at = std::to_string(rc.left + 30) + " " + std::to_string(rc.top + 8);
  ScriptDir dir;
  std::wstring script = dir.write(L"paused.q", "quorin_config_auto_start()\nconfig_ended_show_alert(0)\n"
                                               "config_paused_show_alert(0)\n" +
                                                   mark(t, "暂停1") +
                                                   "wait_mouse_left_down()\nconsole_println(\"点击\")\n");
  QuorinProcess q(L"\"" + script + L"\"");
  ASSERT_TRUE(eventually([&] { return edit_text(t) == L"暂停1"; }, std::chrono::seconds(10)));
  Sleep(300);
  EXPECT_TRUE(xdotool("key F2"));  // pause
  EXPECT_TRUE(xdotool("mousemove " + at + " click 1"));
  // The click reached the target and the script still waits.
  EXPECT_EQ(t.wait_records(1, {WM_LBUTTONDOWN}).size(), 1u);
  EXPECT_EQ(q.output().find("点击"), std::string::npos);
  EXPECT_TRUE(xdotool("key F2"));  // resume
  EXPECT_TRUE(xdotool("click 1"));
  EXPECT_TRUE(q.wait_output("点击"));
  PostMessageW(q.main_window(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(q.wait_exit());
}

TEST(InputWaitsE2E, HostWaitsThroughItsHooksAndAStopEndsAWait) {
  TargetWindow t;
  ASSERT_TRUE(t.ready());
  RECT rc;
  GetWindowRect(reinterpret_cast<HWND>(static_cast<intptr_t>(t.handle("edit"))), &rc);
  const int x = rc.left + 30, y = rc.top + 8;
  ScriptDir dir;
  std::wstring script = dir.write(
      L"waits.q", "quorin_config_auto_start()\nconfig_ended_show_alert(0)\nconfig_stopped_show_alert(0)\n" +
                      mark(t, "宿主1") + "console_println(wait_key_press(1))\n" + mark(t, "宿主2") +
                      "int x, y\nwait_mouse_left_down(x, y, 1)\nconsole_println(x + \",\" + y)\n" + mark(t, "宿主3") +
                      "window_hide()\nwait_mouse_left_down()\nconsole_println(\"不应到这里\")\n");
  QuorinProcess q(L"\"" + script + L"\"");
  ASSERT_TRUE(eventually([&] { return edit_text(t) == L"宿主1"; }, std::chrono::seconds(10)));
  // The target takes the keys again from the interpreter's window.
  SetForegroundWindow(t.main);
  Sleep(300);
  EXPECT_TRUE(xdotool("key d"));
  ASSERT_TRUE(q.wait_output("68"));
  ASSERT_TRUE(eventually([&] { return edit_text(t) == L"宿主2"; }));
  Sleep(300);
  EXPECT_TRUE(xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1"));
  ASSERT_TRUE(q.wait_output(std::to_string(x) + "," + std::to_string(y)));
  ASSERT_TRUE(eventually([&] { return edit_text(t) == L"宿主3"; }));
  Sleep(300);
  // F8 stops the run while it waits; with the window hidden the process ends.
  EXPECT_TRUE(xdotool("key F8"));
  ASSERT_TRUE(q.wait_exit(std::chrono::seconds(10)));
  EXPECT_EQ(q.exit_code(), 0u);
  EXPECT_EQ(q.output().find("不应到这里"), std::string::npos);
  Records rs = t.records({kKeyDown, WM_LBUTTONDOWN});
  EXPECT_EQ(count(rs, kKeyDown, 0x44), 0u);
  EXPECT_EQ(count(rs, WM_LBUTTONDOWN, MK_LBUTTON), 0u);
}

}  // namespace
}  // namespace qtest
