// The clipboard: Unicode text and bitmaps.  The clipboard is opened with the
// main window as its owner.  The command-line interpreter has no window: it
// owns the clipboard through a hidden message-only window on a small thread
// of its own that keeps handling messages, so another program emptying the
// clipboard (which sends the owner WM_DESTROYCLIPBOARD) is never left
// waiting on a script thread that is busy.
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <vector>

#include "builtins/system/system_builtins.h"
#include "runtime/bmp_object.h"

namespace quorin::sys {

namespace {

DWORD WINAPI owner_thread(LPVOID param) {
  auto* start = static_cast<std::pair<HANDLE, HWND>*>(param);
  start->second = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  SetEvent(start->first);
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
  return 0;
}

HWND message_only_owner() {
  static const HWND owner = [] {
    std::pair<HANDLE, HWND> start{CreateEventW(nullptr, TRUE, FALSE, nullptr), nullptr};
    HANDLE t = CreateThread(nullptr, 64 * 1024, owner_thread, &start, 0, nullptr);
    if (t) {
      WaitForSingleObject(start.first, INFINITE);
      CloseHandle(t);
    }
    CloseHandle(start.first);
    return start.second;
  }();
  return owner;
}

HWND clipboard_owner(Runtime& rt) {
  if (int32_t w = rt.ui.main_window_handle())
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(static_cast<uint32_t>(w)));
  return message_only_owner();
}

// Another program may hold the clipboard for a moment: try a few times.
class Clipboard {
 public:
  explicit Clipboard(Runtime& rt) {
    HWND owner = clipboard_owner(rt);
    for (int attempt = 0; attempt < 5 && !open_; ++attempt) {
      if (attempt) Sleep(10);
      open_ = OpenClipboard(owner) != 0;
    }
  }
  ~Clipboard() {
    if (open_) CloseClipboard();
  }
  explicit operator bool() const { return open_; }

 private:
  bool open_ = false;
};

int32_t stride_of(int32_t width, int32_t bits) { return ((width * bits + 31) / 32) * 4; }

}  // namespace

int32_t clipboard_set_text(Runtime& rt, const Str& text) {
  Clipboard cb(rt);
  if (!cb) return 0;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!mem) return 0;
  void* p = GlobalLock(mem);
  if (!p) {
    GlobalFree(mem);
    return 0;
  }
  std::memcpy(p, text.c_str(), bytes);
  GlobalUnlock(mem);
  if (!SetClipboardData(CF_UNICODETEXT, mem)) {
    GlobalFree(mem);
    return 0;
  }
  return 1;
}

Str clipboard_get_text(Runtime& rt) {
  Clipboard cb(rt);
  if (!cb) return Str();
  HANDLE mem = GetClipboardData(CF_UNICODETEXT);
  if (!mem) return Str();
  const auto* p = static_cast<const char16_t*>(GlobalLock(mem));
  if (!p) return Str();
  // Never read past the block, even when its text lacks the terminator.
  const size_t room = GlobalSize(mem) / sizeof(char16_t);
  size_t n = 0;
  while (n < room && p[n]) ++n;
  Str result(std::u16string_view(p, n));
  GlobalUnlock(mem);
  return result;
}

// An image whose data is shorter than its size says, or of another bit count
// than 24 or 32, is not put on the clipboard.
int32_t clipboard_set_bmp(Runtime& rt, BmpArg bmp) {
  const BmpObj* b = bmp.bmp;
  if (!b || b->width <= 0 || b->height == 0 || (b->bit_count != 24 && b->bit_count != 32)) return 0;
  const int64_t rows = b->height < 0 ? -static_cast<int64_t>(b->height) : b->height;
  if (static_cast<int64_t>(b->data.size()) < stride_of(b->width, b->bit_count) * rows) return 0;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = b->width;
  info.bmiHeader.biHeight = b->height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(b->bit_count);
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, b->data.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (!bitmap) return 0;
  Clipboard cb(rt);
  if (!cb) {
    DeleteObject(bitmap);
    return 0;
  }
  EmptyClipboard();
  if (!SetClipboardData(CF_BITMAP, bitmap)) {
    DeleteObject(bitmap);
    return 0;
  }
  return 1;
}

int32_t clipboard_get_bmp(Runtime& rt, BmpArg bmp) {
  Clipboard cb(rt);
  if (!cb) return 0;
  HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  if (!bitmap) return 0;
  BITMAP facts{};
  if (!GetObjectW(bitmap, sizeof facts, &facts) || facts.bmWidth <= 0 || facts.bmHeight <= 0) return 1;
  const int32_t width = facts.bmWidth, height = facts.bmHeight;
  std::vector<uint8_t> data(static_cast<size_t>(stride_of(width, 24)) * static_cast<size_t>(height));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), data.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows > 0 && bmp.bmp) {
    bmp.bmp->bit_count = 24;
    bmp.bmp->width = width;
    bmp.bmp->height = height;
    bmp.bmp->data = std::move(data);
  }
  return 1;
}

}  // namespace quorin::sys
