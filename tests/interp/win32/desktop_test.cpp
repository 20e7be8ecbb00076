// The Windows test program runs on a real (virtual) desktop: windows can be
// created and found, and message boxes can be seen and answered.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace {

std::wstring window_text(HWND w) {
  wchar_t buf[256] = {};
  GetWindowTextW(w, buf, 256);
  return buf;
}

TEST(Desktop, CreatesAWindowAndReadsItsTitle) {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSW wc = {};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = inst;
  wc.lpszClassName = L"QuorinDesktopTest";
  ASSERT_NE(RegisterClassW(&wc), 0);
  HWND w = CreateWindowExW(0, wc.lpszClassName, L"测试窗口 Quorin", WS_OVERLAPPEDWINDOW, 10, 20, 300, 200,
                           nullptr, nullptr, inst, nullptr);
  ASSERT_NE(w, nullptr);
  ShowWindow(w, SW_SHOW);
  EXPECT_EQ(window_text(w), L"测试窗口 Quorin");
  EXPECT_EQ(FindWindowW(L"QuorinDesktopTest", nullptr), w);
  RECT r = {};
  ASSERT_TRUE(GetWindowRect(w, &r));
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 20);
  EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
  DestroyWindow(w);
  EXPECT_FALSE(IsWindow(w));
  UnregisterClassW(wc.lpszClassName, inst);
}

TEST(Desktop, MessageBoxCanBeFoundReadAndAnswered) {
  const wchar_t* caption = L"Quorin 桌面测试";
  std::atomic<int> answer{-1};
  std::thread shower([&] { answer = MessageBoxW(nullptr, L"你好", caption, MB_OKCANCEL); });
  HWND box = nullptr;
  for (int i = 0; i < 500 && !box; ++i) {
    box = FindWindowW(L"#32770", caption);
    if (!box) Sleep(10);
  }
  ASSERT_NE(box, nullptr);
  wchar_t text[64] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 64);
  EXPECT_STREQ(text, L"你好");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  shower.join();
  EXPECT_EQ(answer.load(), IDOK);
}

// The test runner presents a Simplified Chinese system, as users have.
TEST(Desktop, RunsWithTheChineseAnsiCodePage) {
  EXPECT_EQ(GetACP(), 936u);
  char gbk[] = "\xC4\xE3\xBA\xC3";  // 你好 in GBK
  wchar_t wide[8] = {};
  ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, gbk, -1, wide, 8), 3);
  EXPECT_STREQ(wide, L"你好");
}

}  // namespace
