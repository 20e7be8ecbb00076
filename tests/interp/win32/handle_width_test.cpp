// The Windows programs are 32-bit: a pointer fits a script int and comes
// back unchanged, whatever its top bit, and doubles are computed in SSE2
// registers exactly as the native 64-bit build computes them.
#include <windows.h>

#include <cstdint>

#include <gtest/gtest.h>

#include "runtime/value.h"
#include "support/script_handle.h"

namespace {

TEST(HandleWidth, ProgramIs32Bit) {
  EXPECT_EQ(sizeof(void*), 4u);
  EXPECT_EQ(sizeof(HWND), sizeof(int32_t));
#if defined(_M_IX86) || defined(__i386__)
  SUCCEED();
#else
  ADD_FAILURE() << "not an x86 build";
#endif
}

TEST(HandleWidth, PointerRoundTripsThroughAScriptInt) {
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, 64);
  ASSERT_NE(block, nullptr);
  quorin::Payload p = quorin::make_int(quorin::handle_to_int(block));
  EXPECT_EQ(quorin::int_to_handle<void>(p.i), block);
  GlobalFree(block);

  HWND desktop = GetDesktopWindow();
  EXPECT_EQ(quorin::int_to_handle<HWND__>(quorin::handle_to_int(desktop)), desktop);

  // Addresses above 2 GB read as negative ints and convert back.
  auto* high = reinterpret_cast<void*>(uintptr_t{0x80001000u});
  int32_t v = quorin::handle_to_int(high);
  EXPECT_LT(v, 0);
  EXPECT_EQ(quorin::int_to_handle<void>(v), high);
}

TEST(HandleWidth, DoublesMatchTheNativeBuild) {
  // x87 arithmetic keeps 80-bit intermediates; this product rounds
  // differently there and maps the last pixel to 65534.
  volatile int width = 1280;
  volatile int x = 1279;
  double scale = 65535.0 / (width - 1);
  EXPECT_EQ(static_cast<int>(x * scale), 65535);
  volatile double a = 0.1, b = 0.2;
  EXPECT_EQ(a + b, 0.30000000000000004);
}

}  // namespace
