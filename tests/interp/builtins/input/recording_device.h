// An input device that records the primitives a builtin sends, one readable
// line each, and sleeps for no time.  Installed into a run before the
// script starts.
#pragma once
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "builtins/input/device.h"
#include "runtime/runtime.h"

namespace quorin::testing {

class RecordingDevice : public InputDevice {
 public:
  std::vector<std::string> log;
  AbsoluteScale factors = scale_for_screen(1280, 1024);
  bool caps = false;
  int32_t cursor_x = 10, cursor_y = 20;
  int32_t cursor = 0x10003;
  uint32_t send_result = 1;
  int32_t block_result = 0;

  void key_event(int vk, bool up) override { add("key %d %s", vk, up ? "up" : "down"); }
  void mouse_event(uint32_t flags, int32_t x, int32_t y, int32_t data) override {
    if (data)
      add("mouse %#x %d %d %d", flags, x, y, data);
    else
      add("mouse %#x %d %d", flags, x, y);
  }
  uint32_t send_unicode(char16_t unit, bool up) override {
    add("unicode %#x %s", static_cast<unsigned>(unit), up ? "up" : "down");
    return 1;
  }
  uint32_t send_mouse(uint32_t flags, int32_t dx, int32_t dy) override {
    add("send %#x %d %d", flags, dx, dy);
    return send_result;
  }
  // A US layout for the characters the tests type.
  uint32_t key_scan(char16_t ch) override {
    if (ch >= 'a' && ch <= 'z') return ch - 'a' + 'A';
    if (ch >= 'A' && ch <= 'Z') return 0x100 | ch;
    if (ch >= '0' && ch <= '9') return ch;
    if (ch == '!') return 0x100 | '1';
    return 0xFFFF;
  }
  bool caps_lock_on() override { return caps; }
  bool cursor_position(int32_t& x, int32_t& y) override {
    x = cursor_x;
    y = cursor_y;
    return true;
  }
  int32_t cursor_handle() override {
    add("cursor");
    return cursor;
  }
  int32_t block_input(int32_t flag) override {
    add("block %d", flag);
    return block_result;
  }
  void post(int32_t hwnd, uint32_t msg, uint32_t wparam, int32_t lparam) override {
    add("post %d %#x %#x %#x", hwnd, msg, wparam, static_cast<uint32_t>(lparam));
  }
  void sleep(int32_t ms) override { add("sleep %d", ms); }
  bool halted() override { return false; }
  AbsoluteScale scale() override { return factors; }

  // Takes the log so far.
  std::vector<std::string> take() { return std::exchange(log, {}); }

 private:
  template <class... A>
  void add(const char* fmt, A... a) {
    char buf[128];
    std::snprintf(buf, sizeof buf, fmt, a...);
    log.emplace_back(buf);
  }
};

// Installs a recording device into the run; the run owns it.
inline RecordingDevice& record_input(Runtime& rt) {
  auto d = std::make_unique<RecordingDevice>();
  RecordingDevice& ref = *d;
  rt.families.put<InputDevice>(std::move(d));
  return ref;
}

}  // namespace quorin::testing
