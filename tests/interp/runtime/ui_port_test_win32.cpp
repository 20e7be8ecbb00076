#include "runtime/ui_port_win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace quorin {
namespace {

// Handles the messages of this thread's windows for a while.
void pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    Sleep(5);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

struct ShownBox {
  std::wstring text;
  HWND owner = nullptr;
  bool found = false;
};

// Waits for the "Quorin" message box, reads its text and owner and presses
// OK.  The waiting thread keeps handling its messages, as the GUI thread of
// the program does while a box is owned by its window.
ShownBox close_quorin_box() {
  ShownBox seen;
  for (int i = 0; i < 500 && !seen.found; ++i) {
    HWND box = FindWindowW(L"#32770", L"Quorin");
    if (!box) {
      pump(10);
      continue;
    }
    seen.owner = GetWindow(box, GW_OWNER);
    wchar_t buf[512] = {};
    GetDlgItemTextW(box, 0xFFFF, buf, 512);
    seen.text = buf;
    seen.found = true;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
  return seen;
}

TEST(Win32UiPort, RuntimeErrorShowsAQuorinBox) {
  Win32UiPort port;
  std::thread script([&] { port.show_runtime_error(u"运行时错误：\n\n行: 7, 除数为 0"); });
  ShownBox box = close_quorin_box();
  script.join();
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.text, L"运行时错误：\n\n行: 7, 除数为 0");
}

TEST(Win32UiPort, AlertShowsAQuorinBox) {
  Win32UiPort port;
  std::thread script([&] { port.alert(u"注意"); });
  ShownBox box = close_quorin_box();
  script.join();
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.text, L"注意");
}

TEST(Win32UiPort, BoxIsOwnedByTheRestoredMainWindow) {
  Win32UiPort port;
  HWND w = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                           nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  ShowWindow(w, SW_SHOWMINIMIZED);
  pump(50);
  ASSERT_TRUE(IsIconic(w));
  port.set_main_window(w);
  std::atomic<bool> done{false};
  std::thread script([&] {
    port.show_runtime_error(u"x");
    done = true;
  });
  ShownBox box = close_quorin_box();
  // Closing an owned box re-enables the owner through this thread.
  for (int i = 0; i < 400 && !done; ++i) pump(5);
  script.join();
  pump(50);
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.owner, w);
  EXPECT_FALSE(IsIconic(w));
  DestroyWindow(w);
}

TEST(Win32UiPort, GoneMainWindowIsNoOwner) {
  Win32UiPort port;
  HWND w = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                           nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  port.set_main_window(w);
  EXPECT_EQ(port.owner_for_box(), w);
  DestroyWindow(w);
  EXPECT_EQ(port.owner_for_box(), nullptr);
}

}  // namespace
}  // namespace quorin
