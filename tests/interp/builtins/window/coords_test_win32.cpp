// The window builtins that hand back two numbers through references: they
// write them only when the system call succeeds, and say which it was.
#include <windows.h>

#include "interp/builtins/builtin_test_support.h"
#include "builtins/window/window_builtins.h"
#include "support/script_handle.h"

namespace quorin::window {
namespace {

class WindowCoords : public builtin_test::BuiltinTest {
 protected:
  WindowCoords() : BuiltinTest(1) {}
  void SetUp() override {
    inst = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = inst;
    wc.lpszClassName = L"QuorinWindowCoordsTest";
    RegisterClassW(&wc);
    w = CreateWindowExW(0, wc.lpszClassName, L"坐标", WS_POPUP | WS_VISIBLE, 40, 30, 200, 120, nullptr, nullptr,
                        inst, nullptr);
    ASSERT_NE(w, nullptr);
    h = handle_to_int(w);
  }
  void TearDown() override {
    if (w) DestroyWindow(w);
    UnregisterClassW(L"QuorinWindowCoordsTest", inst);
  }
  HINSTANCE inst = nullptr;
  HWND w = nullptr;
  int32_t h = 0;
};

TEST_F(WindowCoords, SizeAndPositionComeFromTheWindowRectangle) {
  int32_t a = -7, b = -7;
  EXPECT_EQ(window_get_size(rt, h, IntRef{&a}, IntRef{&b}), 1);
  EXPECT_EQ(a, 200);
  EXPECT_EQ(b, 120);
  EXPECT_EQ(window_get_position_on_screen(rt, h, IntRef{&a}, IntRef{&b}), 1);
  EXPECT_EQ(a, 40);
  EXPECT_EQ(b, 30);
}

TEST_F(WindowCoords, PointsTravelBothWaysBetweenScreenAndClient) {
  // A popup without a frame: its client area starts at its top-left corner.
  int32_t x = 45, y = 37;
  EXPECT_EQ(window_screen_to_client(rt, h, IntRef{&x}, IntRef{&y}), 1);
  EXPECT_EQ(x, 5);
  EXPECT_EQ(y, 7);
  EXPECT_EQ(window_client_to_screen(rt, h, IntRef{&x}, IntRef{&y}), 1);
  EXPECT_EQ(x, 45);
  EXPECT_EQ(y, 37);
}

TEST_F(WindowCoords, AGoneWindowLeavesTheReferencesAlone) {
  DestroyWindow(w);
  w = nullptr;
  int32_t a = -7, b = -9;
  EXPECT_EQ(window_get_size(rt, h, IntRef{&a}, IntRef{&b}), 0);
  EXPECT_EQ(window_get_position_on_screen(rt, h, IntRef{&a}, IntRef{&b}), 0);
  EXPECT_EQ(window_screen_to_client(rt, h, IntRef{&a}, IntRef{&b}), 0);
  EXPECT_EQ(window_client_to_screen(rt, h, IntRef{&a}, IntRef{&b}), 0);
  EXPECT_EQ(a, -7);
  EXPECT_EQ(b, -9);
}

}  // namespace
}  // namespace quorin::window
