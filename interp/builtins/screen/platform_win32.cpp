// Screen metrics and captures through GDI; the hover read moves the mouse
// through mouse_event with absolute positions.
#include <windows.h>

#include <cstring>

#include "builtins/screen/platform.h"
#include "runtime/runtime.h"

namespace quorin::screen {

namespace {

HWND window_of(int32_t h) { return reinterpret_cast<HWND>(static_cast<intptr_t>(h)); }

BITMAPINFO info24(int w, int h) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;  // bottom-up
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}

int desktop_caps(int index) {
  HWND desk = GetDesktopWindow();
  HDC dc = GetDC(desk);
  const int v = GetDeviceCaps(dc, index);
  ReleaseDC(desk, dc);
  return v;
}

}  // namespace

int32_t metric(Runtime&, const char16_t*, Metric m) {
  switch (m) {
    case Metric::Dpi: {
      HDC dc = GetDC(nullptr);
      const int v = GetDeviceCaps(dc, LOGPIXELSX);
      ReleaseDC(nullptr, dc);
      return v;
    }
    case Metric::Width:
      return GetSystemMetrics(SM_CXSCREEN);
    case Metric::Height:
      return GetSystemMetrics(SM_CYSCREEN);
    case Metric::DesktopWidth:
      return GetSystemMetrics(SM_CXFULLSCREEN);
    case Metric::DesktopHeight:
      return GetSystemMetrics(SM_CYFULLSCREEN) + GetSystemMetrics(SM_CYCAPTION);
    case Metric::PhysicalWidth:
      return desktop_caps(DESKTOPHORZRES);
    case Metric::PhysicalHeight:
      return desktop_caps(DESKTOPVERTRES);
    case Metric::LogicalWidth:
      return desktop_caps(HORZRES);
    case Metric::LogicalHeight:
      return desktop_caps(VERTRES);
  }
  return 0;
}

bool grab_screen(Runtime&, const char16_t*, int x, int y, int w, int h, Shot& out) {
  if (w <= 0 || h <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi = info24(w, h);
  void* bits = nullptr;
  HBITMAP dib = mem ? CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
  bool ok = false;
  if (dib && bits && out.make(w, h)) {
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, x, y, SRCCOPY | CAPTUREBLT);
    GdiFlush();
    std::memcpy(out.bytes.data(), bits, out.bytes.size());
    SelectObject(mem, old);
    ok = true;
  }
  if (dib) DeleteObject(dib);
  if (mem) DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return ok;
}

bool client_size(Runtime&, const char16_t*, int32_t hwnd, int& w, int& h) {
  HWND win = window_of(hwnd);
  RECT rc;
  if (!hwnd || !IsWindow(win) || !GetClientRect(win, &rc)) return false;
  w = rc.right - rc.left;
  h = rc.bottom - rc.top;
  return true;
}

bool grab_window(Runtime&, const char16_t*, int32_t hwnd, const Area& a, Shot& out) {
  HWND win = window_of(hwnd);
  RECT rc;
  if (!IsWindow(win) || !GetClientRect(win, &rc) || a.w <= 0 || a.h <= 0) return false;
  const int cw = rc.right - rc.left, ch = rc.bottom - rc.top;
  HDC wdc = GetDC(win);
  if (!wdc) return false;
  HDC full = CreateCompatibleDC(wdc), part = CreateCompatibleDC(wdc);
  HBITMAP fb = CreateCompatibleBitmap(wdc, cw, ch), pb = CreateCompatibleBitmap(wdc, a.w, a.h);
  bool ok = false;
  if (full && part && fb && pb) {
    HGDIOBJ old_full = SelectObject(full, fb);
    if (PrintWindow(win, full, PW_CLIENTONLY)) {
      HGDIOBJ old_part = SelectObject(part, pb);
      BitBlt(part, 0, 0, a.w, a.h, full, a.x, a.y, SRCCOPY);
      SelectObject(part, old_part);
      BITMAPINFO bi = info24(a.w, a.h);
      ok = out.make(a.w, a.h) && GetDIBits(wdc, pb, 0, static_cast<UINT>(a.h), out.bytes.data(), &bi, DIB_RGB_COLORS) == a.h;
    }
    SelectObject(full, old_full);
  }
  if (pb) DeleteObject(pb);
  if (fb) DeleteObject(fb);
  if (part) DeleteDC(part);
  if (full) DeleteDC(full);
  ReleaseDC(win, wdc);
  return ok;
}

void cursor_position(Runtime&, const char16_t*, int& x, int& y) {
  POINT p{0, 0};
  GetCursorPos(&p);
  x = p.x;
  y = p.y;
}

void move_mouse(Runtime&, const char16_t*, int x, int y) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  const double fx = w > 1 ? 65535.0 / (w - 1) : 1.0, fy = h > 1 ? 65535.0 / (h - 1) : 1.0;
  mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, static_cast<DWORD>(static_cast<LONG>(x * fx)),
              static_cast<DWORD>(static_cast<LONG>(y * fy)), 0, 0);
}

}  // namespace quorin::screen
