// The input builtins as a script calls them, against a recording device:
// the exact event sequences, their delays, and the rules of the absolute
// positions, the character keys, the wheel and typing.
#include <gtest/gtest.h>

#include "builtins/input/sequences.h"
#include "interp/builtins/input/recording_device.h"
#include "interp/runtime/script_run.h"

namespace quorin {
namespace {

using testing::compile_text;
using testing::RecordingDevice;
using testing::RunPort;
using Log = std::vector<std::string>;

// Runs the script with a recording device and returns what it sent.
struct Recorded {
  Log log;
  std::u16string out;
  std::vector<std::u16string> errors;
};
Recorded run_recorded(const std::string& source, bool caps = false, uint32_t send_result = 1) {
  Recorded r;
  auto program = compile_text(source);
  if (!program) return r;
  RunPort port;
  Runtime rt(*program, port);
  RecordingDevice& d = testing::record_input(rt);
  d.caps = caps;
  d.send_result = send_result;
  rt.state.store(kRunning);
  run_script(rt);
  r.log = d.log;
  r.out = port.stdout_text();
  r.errors = port.errors;
  return r;
}

TEST(InputScale, FactorsTruncateAndCoverTheScreen) {
  AbsoluteScale s = scale_for_screen(1280, 1024);
  EXPECT_DOUBLE_EQ(s.x, 65535.0 / 1279);
  EXPECT_DOUBLE_EQ(s.y, 65535.0 / 1023);
  EXPECT_EQ(to_absolute(0, s.x), 0);
  EXPECT_EQ(to_absolute(1279, s.x), 65535);
  EXPECT_EQ(to_absolute(1023, s.y), 65535);
  // 3 × 51.239… = 153.7…: truncated, not rounded.
  EXPECT_EQ(to_absolute(3, s.x), 153);
  EXPECT_EQ(to_absolute(-1, s.x), -51);
  // Degenerate screens keep the factor 1; far-off points stay in range.
  AbsoluteScale one = scale_for_screen(1, 0);
  EXPECT_EQ(one.x, 1.0);
  EXPECT_EQ(one.y, 1.0);
  EXPECT_EQ(to_absolute(2147483647, s.x), 2147483647);
  EXPECT_EQ(to_absolute(-2147483647 - 1, s.x), -2147483647 - 1);
}

TEST(InputScale, ClickPointsBackToLogicalPixels) {
  EXPECT_EQ(physical_to_logical(300, 1.0), 300);
  // 150 % scaling: 301 / 1.5 = 200.67 rounds up, 300.7 / 1.5 stays.
  EXPECT_EQ(physical_to_logical(301, 1.5), 201);
  EXPECT_EQ(physical_to_logical(300, 1.5), 200);
  EXPECT_EQ(physical_to_logical(613, 1.25), 490);  // 490.4
  // The threshold is 0.49, not a half: 2099 / 200 = 10.495 goes up.
  EXPECT_EQ(physical_to_logical(2099, 200.0), 11);
  EXPECT_EQ(physical_to_logical(2097, 200.0), 10);  // 10.485 stays
}

TEST(InputKeys, CharacterKeyShiftBitAndCapsLockRule) {
  using input::char_key;
  auto k = char_key(0x141, u'A', false);  // 'A' needs Shift
  EXPECT_TRUE(k.typed);
  EXPECT_EQ(k.vk, 'A');
  EXPECT_TRUE(k.shift);
  EXPECT_FALSE(char_key(0x141, u'A', true).shift);  // Caps Lock inverts it for letters
  EXPECT_TRUE(char_key(0x41, u'a', true).shift);
  EXPECT_TRUE(char_key(0x131, u'!', true).shift);  // not a letter: unchanged
  EXPECT_FALSE(char_key(0x31, u'1', true).shift);
  EXPECT_FALSE(char_key(0x1C0, u'@', true).shift == false);  // '@' & ~0x20 is '@', not a letter
  EXPECT_TRUE(char_key(0x1DB, u'{', true).shift);            // '{' & ~0x20 is '[': no letter either
  EXPECT_FALSE(char_key(0xFFFF, u'中', false).typed);
  EXPECT_FALSE(char_key(0xFFFFFFFF, u'中', false).typed);
}

TEST(InputKeys, KeyCharWithAndWithoutCapsLock) {
  const Log shifted = {"key 16 down", "sleep 15", "key 65 down", "sleep 15",
                       "key 65 up",   "sleep 50", "key 16 up",   "sleep 50"};
  const Log plain = {"key 65 down", "sleep 15", "key 65 up", "sleep 50"};
  EXPECT_EQ(run_recorded("key_char('A')\n").log, shifted);
  EXPECT_EQ(run_recorded("key_char('A')\n", true).log, plain);
  EXPECT_EQ(run_recorded("key_char('a')\n", true).log, shifted);
  // The Shift bit of a digit's symbol is kept under Caps Lock.
  Log bang = run_recorded("key_char('!')\n", true).log;
  ASSERT_FALSE(bang.empty());
  EXPECT_EQ(bang.front(), "key 16 down");
  // Counts; a character without a key sends nothing.
  EXPECT_EQ(run_recorded("key_char('b', 2)\n").log.size(), 8u);
  EXPECT_TRUE(run_recorded("key_char('b', 0)\nkey_char('中')\nkey_press_char('中')\n").log.empty());
}

TEST(InputKeys, PressAndReleaseCharacter) {
  // Shift goes down and up around the key, which stays down.
  EXPECT_EQ(run_recorded("key_press_char('Q')\n").log,
            (Log{"key 16 down", "sleep 15", "key 81 down", "sleep 15", "key 16 up", "sleep 50"}));
  // Caps Lock turns that into a plain press; the release never uses Shift.
  EXPECT_EQ(run_recorded("key_press_char('Q')\nkey_release_char('Q')\n", true).log,
            (Log{"key 81 down", "sleep 15", "key 81 up", "sleep 50"}));
}

TEST(InputKeys, CodesAndCombinations) {
  EXPECT_TRUE(run_recorded("key_code(0)\nkey_code(255)\nkey_code(65, 0)\nkey_press_code(-1)\n").log.empty());
  EXPECT_EQ(run_recorded("key_code(13, 2)\n").log.size(), 8u);
  // An out-of-range key still presses and releases the modifier.
  EXPECT_EQ(run_recorded("key_ctrl_code(300)\n").log, (Log{"key 17 down", "sleep 15", "key 17 up", "sleep 50"}));
  EXPECT_EQ(run_recorded("key_ctrl_shift_char('a')\n", true).log,
            (Log{"key 17 down", "sleep 15", "key 16 down", "sleep 15", "key 65 down", "sleep 15", "key 65 up",
                 "sleep 50", "key 16 up", "sleep 50", "key 17 up", "sleep 50"}));
  // The combinations ignore the character's Shift bit.
  EXPECT_EQ(run_recorded("key_alt_char('A')\n").log, (Log{"key 18 down", "sleep 15", "key 65 down", "sleep 15",
                                                          "key 65 up", "sleep 50", "key 18 up", "sleep 50"}));
  Log win_d = run_recorded("key_win_d()\n").log;
  ASSERT_EQ(win_d.size(), 8u);
  EXPECT_EQ(win_d[0], "key 91 down");
  EXPECT_EQ(win_d[2], "key 68 down");
  Log fixed = run_recorded("key_ctrl_f5()\nkey_del()\nkey_left(3)\nkey_press_win()\nkey_release_alt()\n").log;
  ASSERT_EQ(fixed.size(), 8u + 4u + 12u + 2u + 2u);
  EXPECT_EQ(fixed[2], "key 116 down");
  EXPECT_EQ(fixed[8], "key 46 down");
  EXPECT_EQ(fixed[12], "key 37 down");
  EXPECT_EQ(fixed[24], "key 91 down");
  EXPECT_EQ(fixed[26], "key 18 up");
}

TEST(InputMouse, ClicksMovesAndDrags) {
  // (1279, 1023) is the bottom-right pixel of the recording screen.
  EXPECT_EQ(run_recorded("mouse_move_to(0, 0)\nmouse_move_to(1279, 1023)\n").log,
            (Log{"mouse 0x8001 0 0", "mouse 0x8001 65535 65535"}));
  EXPECT_EQ(run_recorded("mouse_right_click(1279, 0)\n").log,
            (Log{"mouse 0x8001 65535 0", "mouse 0x8008 65535 0", "sleep 35", "mouse 0x8010 65535 0"}));
  EXPECT_EQ(run_recorded("mouse_double_click(0, 0)\n").log,
            (Log{"mouse 0x8001 0 0", "mouse 0x8002 0 0", "sleep 15", "mouse 0x8004 0 0", "sleep 35", "mouse 0x8002 0 0",
                 "sleep 15", "mouse 0x8004 0 0"}));
  EXPECT_EQ(run_recorded("mouse_left_up(0, 1023)\n").log, (Log{"mouse 0x8001 0 65535", "mouse 0x8004 0 65535"}));
  EXPECT_EQ(run_recorded("mouse_select_text(0, 0, 1279, 1023)\n").log,
            (Log{"mouse 0x8001 0 0", "mouse 0x8002 0 0", "mouse 0x8001 65535 65535", "mouse 0x8004 65535 65535"}));
  EXPECT_EQ(run_recorded("mouse_select_object(0, 0, 1279, 1023)\n").log,
            (Log{"mouse 0x8001 0 0", "mouse 0x8002 0 0", "key 16 down", "sleep 15", "mouse 0x8001 65535 65535",
                 "mouse 0x8004 65535 65535", "key 16 up", "sleep 50"}));
}

TEST(InputMouse, ClickThroughSendInput) {
  Recorded ok = run_recorded("console_println(mouse_left_click_ex(1279, 1023))\n");
  EXPECT_EQ(ok.log, (Log{"send 0x8001 65535 65535", "send 0x2 0 0", "sleep 35", "send 0x4 0 0"}));
  EXPECT_EQ(ok.out, u"1\n");
  // The first input that is not inserted ends the click with 0.
  Recorded refused = run_recorded("console_println(mouse_left_click_ex(5, 5))\n", false, 0);
  EXPECT_EQ(refused.log.size(), 1u);
  EXPECT_EQ(refused.out, u"0\n");
}

TEST(InputMouse, WheelRules) {
  EXPECT_EQ(run_recorded("mouse_wheel_down(0, 0, 3)\n").log, (Log{"mouse 0x8001 0 0", "mouse 0x8800 0 0 -360"}));
  EXPECT_EQ(run_recorded("mouse_wheel_down(0, 0, 3, 100)\n").log,
            (Log{"mouse 0x8001 0 0", "mouse 0x8800 0 0 -120", "sleep 100", "mouse 0x8800 0 0 -120", "sleep 100",
                 "mouse 0x8800 0 0 -120"}));
  EXPECT_TRUE(run_recorded("mouse_wheel_up(0, 0, 0)\nmouse_wheel_up(0, 0, -2, 50)\n").log.empty());
  EXPECT_EQ(run_recorded("mouse_wheel_up(0, 0)\nmouse_wheel_up(0, 0, 1, 100)\n").log,
            (Log{"mouse 0x8001 0 0", "mouse 0x8800 0 0 120", "mouse 0x8001 0 0", "mouse 0x8800 0 0 120"}));
}

TEST(InputMouse, CursorQueriesAndTheProbe) {
  // The recording cursor sits at (10, 20).
  Recorded r = run_recorded(
      "int x, y\nmouse_get_position(x, y)\nconsole_println(x + \",\" + y)\n"
      "console_println(mouse_get_cursor_style(10, 20) - qrMouse_ARROW)\n"
      "console_println(mouse_get_cursor_style(0, 0))\n");
  EXPECT_EQ(r.out, u"10,20\n0\n65539\n");
  // Probing the cursor's own place moves nothing; elsewhere it moves there
  // and back.
  EXPECT_EQ(r.log, (Log{"sleep 30", "cursor", "mouse 0x8001 0 0", "sleep 30", "cursor", "mouse 0x8001 512 1281"}));
}

TEST(InputTyping, UnicodeUnitsOneByOne) {
  // A CJK character and a surrogate pair: every unit down and up, 10 ms after each.
  EXPECT_EQ(run_recorded("input(\"中😀\")\n").log.size(), 0u + 3 * 3);
  Log pair = run_recorded("input(\"😀\", 0)\n").log;
  EXPECT_EQ(pair, (Log{"unicode 0xd83d down", "unicode 0xd83d up", "unicode 0xde00 down", "unicode 0xde00 up"}));
  EXPECT_TRUE(run_recorded("input(\"\")\n").log.empty());
  EXPECT_EQ(run_recorded("input(\"ab\", 25)\n").log, (Log{"unicode 0x61 down", "unicode 0x61 up", "sleep 25",
                                                          "unicode 0x62 down", "unicode 0x62 up", "sleep 25"}));
  EXPECT_EQ(run_recorded("input_int(-42)\n").log.size(), 9u);
}

TEST(InputTyping, DoubleDigitsAreCutNotRounded) {
  using input::double_digits_text;
  EXPECT_EQ(double_digits_text(1.5, 0), u"1");
  EXPECT_EQ(double_digits_text(1.5, -1), u"1");
  EXPECT_EQ(double_digits_text(1.25, 9), u"1.2500000");
  EXPECT_EQ(double_digits_text(2.99999999, 0), u"3");
  EXPECT_EQ(double_digits_text(1.23456789, 3), u"1.234");
  EXPECT_EQ(double_digits_text(-0.5, 1), u"-0.5");
  Log typed = run_recorded("input_double(1.5, 0)\n").log;
  EXPECT_EQ(typed, (Log{"unicode 0x31 down", "unicode 0x31 up", "sleep 10"}));
}

TEST(InputWindowPosts, KeysCharactersAndClicks) {
  EXPECT_EQ(run_recorded("window_key_code(7, 65, 2)\n").log,
            (Log{"post 7 0x100 0x41 0", "post 7 0x101 0x41 0xc0000000", "post 7 0x100 0x41 0",
                 "post 7 0x101 0x41 0xc0000000", "sleep 30"}));
  EXPECT_EQ(run_recorded("window_input(7, \"😀\")\n").log,
            (Log{"post 7 0x102 0xd83d 0", "sleep 10", "post 7 0x102 0xde00 0", "sleep 10"}));
  // Client points pack as (y << 16) | (x & 0xFFFF).
  EXPECT_EQ(run_recorded("window_mouse_double_click(7, 3, 4, qrMK_CONTROL)\n").log,
            (Log{"post 7 0x201 0x8 0x40003", "sleep 5", "post 7 0x202 0x8 0x40003", "sleep 10",
                 "post 7 0x203 0x8 0x40003", "sleep 5", "post 7 0x202 0x8 0x40003"}));
  EXPECT_EQ(
      run_recorded("window_mouse_right_click(7, -1, 2)\nwindow_mouse_middle_click(7, 1, 1)\n").log,
      (Log{"post 7 0x204 0 0x2ffff", "post 7 0x205 0 0x2ffff", "post 7 0x207 0 0x10001", "post 7 0x208 0 0x10001"}));
}

TEST(InputWindowPosts, WheelPacking) {
  EXPECT_EQ(run_recorded("window_mouse_wheel_up(7, 1, 2, 0, 3)\n").log, (Log{"post 7 0x20a 0x1680000 0x20001"}));
  EXPECT_EQ(run_recorded("window_mouse_wheel_up(7, 1, 2, 0, 3, 50)\n").log,
            (Log{"post 7 0x20a 0x780000 0x20001", "sleep 50", "post 7 0x20a 0x780000 0x20001", "sleep 50",
                 "post 7 0x20a 0x780000 0x20001"}));
  EXPECT_EQ(run_recorded("window_mouse_wheel_down(7, 1, 2, qrMK_SHIFT)\n").log,
            (Log{"post 7 0x20a 0xff880004 0x20001"}));
  EXPECT_TRUE(run_recorded("window_mouse_wheel_down(7, 1, 2, 0, 0, 10)\n").log.empty());
}

TEST(InputWindowPosts, MessageArgumentPairs) {
  Recorded r = run_recorded(
      "console_println(make_wparam(70000, 1))\nconsole_println(make_lparam(-1, -1))\n"
      "console_println(make_lparam(5, 0x7FFF))\n");
  EXPECT_EQ(r.out, u"70000\n-1\n2147418117\n");
}

TEST(InputBlock, BlockInputReturnsTheSystemsResult) {
  Recorded r = run_recorded("console_println(block_input(1))\n");
  EXPECT_EQ(r.log, (Log{"block 1"}));
  EXPECT_EQ(r.out, u"0\n");
  EXPECT_TRUE(r.errors.empty());
}

}  // namespace
}  // namespace quorin
