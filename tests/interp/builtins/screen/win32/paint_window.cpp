#include "paint_window.h"

namespace qtest {

namespace {

constexpr UINT kMsgOpen = WM_APP + 40;

struct OpenRequest {
  int x, y;
  const Picture* picture;
  HWND result = nullptr;
  HANDLE done;
};

// Draws the picture with one call (a per-pixel SetPixel is slow on X).
void draw(HWND w, HDC dc) {
  auto* pic = reinterpret_cast<const Picture*>(GetWindowLongPtrW(w, GWLP_USERDATA));
  if (!pic) return;
  std::vector<uint32_t> bgrx(pic->pixels.size());
  for (size_t i = 0; i < bgrx.size(); ++i) {
    const uint32_t c = pic->pixels[i];
    bgrx[i] = (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
  }
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = pic->w;
  bi.bmiHeader.biHeight = -pic->h;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(pic->w), static_cast<DWORD>(pic->h), 0, 0, 0,
                    static_cast<UINT>(pic->h), bgrx.data(), &bi, DIB_RGB_COLORS);
}

LRESULT CALLBACK paint_proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(w, &ps);
      draw(w, dc);
      EndPaint(w, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      draw(w, reinterpret_cast<HDC>(wp));
      return 0;
    case WM_ERASEBKGND:
      return 1;
  }
  return DefWindowProcW(w, msg, wp, lp);
}

}  // namespace

PaintWindows::~PaintWindows() {
  if (thread_.joinable()) {
    PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
    thread_.join();
  }
  if (ready_) CloseHandle(ready_);
}

HWND PaintWindows::open(int x, int y, const Picture& picture) {
  if (!thread_.joinable()) {
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this] { loop(); });
    WaitForSingleObject(ready_, 10000);
  }
  OpenRequest req{x, y, &picture, nullptr, CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  PostThreadMessageW(thread_id_, kMsgOpen, 0, reinterpret_cast<LPARAM>(&req));
  WaitForSingleObject(req.done, 10000);
  CloseHandle(req.done);
  return req.result;
}

void PaintWindows::loop() {
  thread_id_ = GetCurrentThreadId();
  MSG m;
  PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists now
  WNDCLASSW wc{};
  wc.lpfnWndProc = paint_proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"QuorinTestPaint";
  RegisterClassW(&wc);
  SetEvent(ready_);
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    if (!m.hwnd && m.message == kMsgOpen) {
      auto* req = reinterpret_cast<OpenRequest*>(m.lParam);
      HWND w = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"QuorinTestPaint", L"paint", WS_POPUP, req->x, req->y,
                               req->picture->w, req->picture->h, nullptr, nullptr, wc.hInstance, nullptr);
      SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(req->picture));
      ShowWindow(w, SW_SHOWNOACTIVATE);
      UpdateWindow(w);
      req->result = w;
      SetEvent(req->done);
      continue;
    }
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

}  // namespace qtest
