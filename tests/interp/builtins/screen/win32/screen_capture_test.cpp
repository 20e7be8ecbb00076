// The screen builtins on a real display: the test's own windows paint known
// pixels, and a script run in this process (window captures print the
// window into a device context, which must belong to the same process under
// Wine) reads colours, counts and searches them, captures them into Bmp
// values and writes BMP files that the test reads back.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <filesystem>

#include "interp/runtime/script_run.h"
#include "paint_window.h"
#include "runtime/run.h"
#include "runtime/search_pool.h"

namespace qtest {

template <class P>
bool eventually(P pred) {
  for (int i = 0; i < 250 && !pred(); ++i) Sleep(20);
  return pred();
}
namespace {

// A 24-bit BMP file: width, height (rows top-down after reading) and colours.
struct BmpFile {
  int w = 0, h = 0;
  std::vector<uint32_t> px;  // 0x00BBGGRR, row-major from the top
  uint32_t get(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};
bool read_bmp(const std::wstring& path, BmpFile& b) {
  FILE* f = _wfopen(path.c_str(), L"rb");
  if (!f) return false;
  std::vector<unsigned char> d;
  unsigned char buf[65536];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) d.insert(d.end(), buf, buf + n);
  fclose(f);
  if (d.size() < 54 || d[0] != 'B' || d[1] != 'M' || d[28] != 24) return false;
  auto le = [&](size_t at) { return static_cast<int>(d[at] | d[at + 1] << 8 | d[at + 2] << 16 | d[at + 3] << 24); };
  b.w = le(18);
  b.h = le(22);
  const size_t stride = (static_cast<size_t>(b.w) * 3 + 3) / 4 * 4;
  if (b.w <= 0 || b.h <= 0 || d.size() < 54 + stride * b.h) return false;
  b.px.resize(static_cast<size_t>(b.w) * b.h);
  for (int y = 0; y < b.h; ++y)
    for (int x = 0; x < b.w; ++x) {
      const unsigned char* p = &d[54 + (b.h - 1 - y) * stride + 3 * x];
      b.px[static_cast<size_t>(y) * b.w + x] = p[2] | p[1] << 8 | p[0] << 16;
    }
  return true;
}

constexpr uint32_t kBack = 0xE0D0C0, kMark = 0x563412, kRed = 0x0000FF;

uint32_t pattern_colour(int x, int y) { return static_cast<uint32_t>(x * 30 | (y * 40) << 8 | 200 << 16); }
uint32_t gradient(int x, int y) { return static_cast<uint32_t>(x | y << 8 | 0x80 << 16); }

TEST(Screen, ColoursCountsSearchesAndCaptures) {
  const int X = 300, Y = 200;
  Picture main_pic(240, 160, kBack);
  main_pic.set(30, 100, kMark);
  main_pic.set(150, 40, kMark);
  main_pic.set(200, 40, kMark);
  main_pic.rect(10, 10, 10, 10, kRed);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) main_pic.set(170 + x, 110 + y, pattern_colour(x, y));
  const int sw = GetSystemMetrics(SM_CXSCREEN);
  Picture edge_pic(160, 80, 0);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 160; ++x) edge_pic.set(x, y, gradient(x, y));

  PaintWindows windows;
  HWND main = windows.open(X, Y, main_pic);
  HWND edge = windows.open(sw - 60, 50, edge_pic);  // 100 of its 160 columns lie off screen
  ASSERT_NE(main, nullptr);
  ASSERT_NE(edge, nullptr);
  ASSERT_TRUE(eventually([&] {
    HDC dc = GetDC(nullptr);
    COLORREF c = GetPixel(dc, X + 150, Y + 40);
    ReleaseDC(nullptr, dc);
    return c == kMark;
  }));

  const std::filesystem::path dir_path = std::filesystem::temp_directory_path() / "quorin-screen-test";
  std::filesystem::create_directories(dir_path);
  const std::wstring dir = dir_path.wstring();
  std::string slash_dir = dir_path.generic_string();
  std::ostringstream s;
  const intptr_t hm = reinterpret_cast<intptr_t>(main), he = reinterpret_cast<intptr_t>(edge);
  s << "int X = " << X << "\nint Y = " << Y << "\nint H = " << hm << "\nint E = " << he << "\n"
    << "int fx\nint fy\n"
    << "console_println(screen_get_color_at(X + 150, Y + 40))\n"
    << "console_println(screen_get_color_at(-1, 0) + \" \" + screen_get_color_at(0, screen_get_physical_height()))\n"
    << "console_println(screen_find_color(" << kMark << ", fx, fy) + \" \" + fx + \",\" + fy)\n"
    << "console_println(screen_find_color_from_area(X + 151, Y, 100, 100, " << kMark << ", fx, fy) + \" \" + fx + \",\" + fy)\n"
    << "console_println(screen_get_color_count(X, Y, 240, 160, \"FF0000\"))\n"
    << "console_println(screen_get_color_count(X, Y, 240, 160, \"^ FF0000\"))\n"
    << "console_println(screen_get_color_count(X, Y, 240, 160, \"FF0000|#123456\", 0.9))\n"
    << "console_println(screen_found_color_count(X, Y, 240, 160, \"FF0000\", 100) + \" \" + "
       "screen_found_color_count(X, Y, 240, 160, \"FF0000\", 101) + \" \" + "
       "screen_found_color_count(X + 100, Y, 50, 50, \"FF0000\", 0))\n"
    << "int cs[4]\nscreen_get_colors(X + 9, Y + 9, 2, 2, cs)\n"
    << "console_println(cs[0] + \" \" + cs[1] + \" \" + cs[2] + \" \" + cs[3])\n"
    << "console_println(screen_colors_equal(X + 9, Y + 9, 2, 2, cs))\n"
    << "console_println(window_get_color_at(H, 150, 40) + \" \" + window_get_color_at(H, 240, 0))\n"
    << "console_println(window_find_color(H, " << kMark << ", fx, fy) + \" \" + fx + \",\" + fy)\n"
    << "console_println(window_find_color(H, " << kMark << ", fx, fy, 160, 0) + \" \" + fx + \",\" + fy)\n"
    << "Bmp pat = screen_get_bmp(X + 170, Y + 110, 8, 6)\nconsole_println(pat)\n"
    << "console_println(screen_bmp_equal(X + 170, Y + 110, pat) + \" \" + screen_bmp_equal(X + 171, Y + 110, pat))\n"
    << "console_println(screen_find_bmp(pat, fx, fy) + \" \" + fx + \",\" + fy)\n"
    << "console_println(screen_find_bmp(pat, fx, fy, 0.9, 2) + \" \" + fx + \",\" + fy)\n"
    << "console_println(screen_find_bmp_from_area(X + 171, Y, -1, -1, pat, fx, fy))\n"
    << "console_println(window_find_bmp(H, pat, fx, fy) + \" \" + fx + \",\" + fy)\n"
    << "console_println(window_find_bmp(H, pat, fx, fy, 1.0, 2, 100, 100, 100, 50) + \" \" + fx + \",\" + fy)\n"
    << "Bmp whole = screen_get_bmp(X, Y, 240, 160)\n"
    << "console_println(bmp_file_write(\"" << slash_dir << "/capture.bmp\", whole))\n"
    << "console_println(bmp_find_bmp(whole, pat, fx, fy) + \" \" + fx + \",\" + fy)\n"
    << "Bmp w = window_get_bmp(H)\nconsole_println(bmp_equal(w, whole))\n"
    << "Bmp off = window_get_bmp(E)\nconsole_println(off)\n"
    << "console_println(bmp_file_write(\"" << slash_dir << "/offscreen.bmp\", off))\n"
    << "console_println(window_get_bmp(E, 100, 40, 500, 500))\n"
    << "console_println(window_get_bmp(E, 160, 0))\n"
    << "console_println(screen_get_bmp(0, 0, 0, 10))\n"
    << "int dc = get_dc(H)\n"
    << "console_println(set_pixel_v(dc, 5, 5, 255) + \" \" + get_pixel(dc, 5, 5))\n"
    << "console_println(release_dc(H, dc) + \" \" + release_dc(H, dc) + \" \" + delete_object(12345))\n"
    << "if screen_get_width() == screen_get_physical_width()\n  console_println(1)\nendif\n"
    << "console_println(screen_get_resolution_x_scale())\n";
  auto program = quorin::testing::compile_text(s.str());
  ASSERT_TRUE(program);
  quorin::testing::RunPort port;
  quorin::SearchPool workers(2);
  std::string out;
  {
    quorin::Runtime rt(*program, port);
    rt.search_pool = &workers;
    rt.state.store(quorin::kRunning);
    EXPECT_EQ(quorin::run_program(rt), 0);
    EXPECT_TRUE(port.errors.empty()) << (port.errors.empty() ? "" : quorin::to_utf8(port.errors[0]));
    out = quorin::to_utf8(port.stdout_text());
  }
  std::string clean;
  for (char c : out)
    if (c != '\r') clean += c;
  out = clean;
  std::ostringstream want;
  want << kMark << "\n"
       << "-1 -1\n"
       << "1 " << X + 150 << "," << Y + 40 << "\n"
       << "1 " << X + 200 << "," << Y + 40 << "\n"
       << "100\n"
       << 240 * 160 - 100 << "\n"
       << 103 << "\n"
       << "1 0 1\n"
       << kBack << " " << kBack << " " << kBack << " " << kRed << "\n"
       << "1\n"
       << kMark << " -1\n"
       << "1 150,40\n"
       << "1 200,40\n"
       << "Bmp@bitCount:24, width:8, height:6, len:144\n"
       << "1 0\n"
       << "1 " << X + 170 << "," << Y + 110 << "\n"
       << "1 " << X + 170 << "," << Y + 110 << "\n"
       << "0\n"
       << "1 170,110\n"
       << "1 170,110\n"
       << "1\n"
       << "1 170,110\n"
       << "1\n"
       << "Bmp@bitCount:24, width:160, height:80, len:38400\n"
       << "1\n"
       << "Bmp@bitCount:24, width:60, height:40, len:7200\n"
       << "Bmp@bitCount:0, width:0, height:0, len:0\n"
       << "Bmp@bitCount:0, width:0, height:0, len:0\n"
       << "1 255\n"
       << "1 0 0\n"
       << "1\n"
       << "1\n";
  EXPECT_EQ(out, want.str());

  BmpFile cap;
  ASSERT_TRUE(read_bmp(dir + L"\\capture.bmp", cap));
  EXPECT_EQ(cap.w, 240);
  EXPECT_EQ(cap.h, 160);
  for (int y = 0; y < 160; y += 7)
    for (int x = 0; x < 240; x += 5) ASSERT_EQ(cap.get(x, y), main_pic.get(x, y)) << x << "," << y;
  BmpFile off;
  ASSERT_TRUE(read_bmp(dir + L"\\offscreen.bmp", off));
  ASSERT_EQ(off.w, 160);
  ASSERT_EQ(off.h, 80);
  // The part beyond the screen's right edge comes from the window's own
  // printing.
  EXPECT_EQ(off.get(150, 70), gradient(150, 70));
  EXPECT_EQ(off.get(0, 0), gradient(0, 0));
  if (const wchar_t* keep = _wgetenv(L"QUORIN_KEEP_CAPTURE")) {
    CopyFileW((dir + L"\\capture.bmp").c_str(), keep, FALSE);
  }
}

}  // namespace
}  // namespace qtest
