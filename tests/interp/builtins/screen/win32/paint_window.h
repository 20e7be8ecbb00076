// Windows of the test's own that paint known pixels, on a thread of their
// own so that they answer paint and print requests (WM_PRINTCLIENT) from
// another process while the test waits for it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <thread>
#include <vector>

namespace qtest {

// The picture a window shows: colours 0x00BBGGRR, row-major from the top.
struct Picture {
  int w = 0, h = 0;
  std::vector<uint32_t> pixels;
  Picture(int width, int height, uint32_t fill) : w(width), h(height), pixels(static_cast<size_t>(width) * height, fill) {}
  void set(int x, int y, uint32_t c) { pixels[static_cast<size_t>(y) * w + x] = c; }
  uint32_t get(int x, int y) const { return pixels[static_cast<size_t>(y) * w + x]; }
  void rect(int x, int y, int rw, int rh, uint32_t c) {
    for (int r = y; r < y + rh; ++r)
      for (int k = x; k < x + rw; ++k) set(k, r, c);
  }
};

class PaintWindows {
 public:
  PaintWindows() = default;
  ~PaintWindows();
  // Opens a topmost borderless window at (x, y) showing the picture; returns
  // it once it is visible.
  HWND open(int x, int y, const Picture& picture);

 private:
  void loop();
  std::thread thread_;
  DWORD thread_id_ = 0;
  HANDLE ready_ = nullptr;
};

}  // namespace qtest
