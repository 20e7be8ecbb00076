// Picking a position (and the colour there) from the live screen or a
// frozen screenshot, with the magnifier following the pointer; the test
// moves and clicks; the global pick hotkey.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "assist/win32/app.h"

namespace quorin::assist {

namespace {

constexpr char kNoHooks[] = "无法读取屏幕坐标, 可能是你没有授权软件相应的权限。\n\n可以进入官网联系客服。";
constexpr int kMagW = 122, kMagH = 139, kMagStrip = 17;
constexpr int kZoom = 4;  // each screen pixel becomes a 4 x 4 block

POINT g_physical{};  // the pointer's last physical position
int32_t g_color = -1;

// Where picked pixels come from: the frozen screenshot while one is shown,
// else the screen itself.
class PickSource {
 public:
  explicit PickSource(HDC screen) : dc_(screen) {
    if (app().frozen_pick && app().frozen_bitmap) {
      frozen_ = CreateCompatibleDC(screen);
      frozen_old_ = SelectObject(frozen_, app().frozen_bitmap);
      dc_ = frozen_;
    }
  }
  ~PickSource() {
    if (frozen_) {
      SelectObject(frozen_, frozen_old_);
      DeleteDC(frozen_);
    }
  }
  PickSource(const PickSource&) = delete;
  PickSource& operator=(const PickSource&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HDC frozen_ = nullptr;
  HGDIOBJ frozen_old_ = nullptr;
};

int32_t pixel_color(int x, int y) {
  // One pixel copied into a 24-bit DIB and read back as a colour value.
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = 1;
  bi.bmiHeader.biHeight = 1;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  int32_t color = -1;
  if (dib && bits) {
    HGDIOBJ old = SelectObject(mem, dib);
    {
      PickSource source(screen);
      BitBlt(mem, 0, 0, 1, 1, source.dc(), x, y, SRCCOPY);
      GdiFlush();
      const auto* p = static_cast<const unsigned char*>(bits);
      color = p[2] | (p[1] << 8) | (p[0] << 16);
    }
    SelectObject(mem, old);
  }
  if (dib) DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return color;
}

POINT logical(POINT physical) {
  return {logical_from_physical(physical.x, app().scale_x), logical_from_physical(physical.y, app().scale_y)};
}

void replace_cursors() {
  for (DWORD id : {32512u, 32649u, 32513u}) {  // arrow, hand, I-beam
    HCURSOR cross = CopyCursor(LoadCursor(nullptr, IDC_CROSS));
    if (cross && !SetSystemCursor(cross, id)) DestroyCursor(cross);
  }
}

void show_live(POINT physical) {
  App& a = app();
  POINT p = logical(physical);
  g_physical = physical;
  if (a.pick_row < 0 || static_cast<size_t>(a.pick_row) >= a.actions.size()) return;
  Action shown = a.actions.at(static_cast<size_t>(a.pick_row));
  shown.x = p.x;
  shown.y = p.y;
  if (a.pick == PickMode::PositionColor) {
    g_color = pixel_color(physical.x, physical.y);
    shown.physical_x = physical.x;
    shown.physical_y = physical.y;
    shown.color = g_color;
    if (a.magnifier) {
      Point o = magnifier_origin(p.x, p.y, a.screen_w, a.screen_h);
      SetWindowPos(a.magnifier, HWND_TOPMOST, o.x, o.y, kMagW, kMagH, SWP_NOACTIVATE | SWP_SHOWWINDOW);
      InvalidateRect(a.magnifier, nullptr, FALSE);
    }
  } else {
    shown.color = -1;
  }
  RowTexts t = row_texts(shown, static_cast<size_t>(a.pick_row));
  LVITEMA it{};
  const std::string* cells[] = {&t.logical, &t.physical, &t.color};
  for (int c = 0; c < 3; ++c) {
    it.iSubItem = c + 2;
    it.pszText = const_cast<char*>(cells[c]->c_str());
    SendMessageA(a.list, LVM_SETITEMTEXTA, a.pick_row, reinterpret_cast<LPARAM>(&it));
  }
}

void finish_pick(bool store, POINT physical) {
  App& a = app();
  if (store && a.pick_row >= 0 && static_cast<size_t>(a.pick_row) < a.actions.size()) {
    Action& act = a.actions.at(static_cast<size_t>(a.pick_row));
    POINT p = logical(physical);
    act.x = p.x;
    act.y = p.y;
    if (a.pick == PickMode::PositionColor) {
      act.physical_x = physical.x;
      act.physical_y = physical.y;
      act.color = pixel_color(physical.x, physical.y);
    } else {
      act.color = -1;
    }
  }
  cancel_pick();
}

LRESULT CALLBACK mouse_proc(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && app().pick != PickMode::None) {
    auto* m = reinterpret_cast<MSLLHOOKSTRUCT*>(lp);
    if (wp == WM_MOUSEMOVE) {
      show_live(m->pt);
    } else if (wp == WM_LBUTTONDOWN || wp == WM_RBUTTONDOWN) {
      finish_pick(true, m->pt);
      return 1;  // swallowed: the click does not reach the window below
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK key_proc(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && app().pick != PickMode::None && (wp == WM_KEYDOWN || wp == WM_SYSKEYDOWN) &&
      reinterpret_cast<KBDLLHOOKSTRUCT*>(lp)->vkCode == VK_ESCAPE) {
    cancel_pick();
    return 1;
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

HBITMAP capture_screen() {
  App& a = app();
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, a.screen_w, a.screen_h);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, a.screen_w, a.screen_h, screen, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return bmp;
}

}  // namespace

void start_pick(PickMode mode, bool frozen) {
  App& a = app();
  if (a.pick != PickMode::None) return;
  int row = selected_row();
  if (row < 0) return;
  if (frozen) {
    ShowWindow(a.main, SW_HIDE);
    Sleep(200);
    a.frozen_bitmap = capture_screen();
    a.frozen = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "QuorinCodeAssistFrozen", "", WS_POPUP, 0, 0,
                               a.screen_w, a.screen_h, nullptr, nullptr, a.inst, nullptr);
    ShowWindow(a.frozen, SW_SHOW);
    UpdateWindow(a.frozen);
  }
  a.mouse_hook = SetWindowsHookExA(WH_MOUSE_LL, mouse_proc, a.inst, 0);
  a.key_hook = SetWindowsHookExA(WH_KEYBOARD_LL, key_proc, a.inst, 0);
  if (!a.mouse_hook || !a.key_hook) {
    MessageBoxA(a.main, kNoHooks, "提示", MB_OK | MB_ICONWARNING);
    ExitProcess(0);
  }
  a.pick = mode;
  a.frozen_pick = frozen;
  a.pick_row = row;
  replace_cursors();
  if (mode == PickMode::PositionColor) {
    a.magnifier = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "QuorinCodeAssistMagnifier", "",
                                  WS_POPUP | WS_BORDER, 0, 0, kMagW, kMagH, a.main, nullptr, a.inst, nullptr);
  }
  update_controls();
}

void cancel_pick() {
  App& a = app();
  if (a.mouse_hook) UnhookWindowsHookEx(a.mouse_hook);
  if (a.key_hook) UnhookWindowsHookEx(a.key_hook);
  a.mouse_hook = a.key_hook = nullptr;
  SystemParametersInfoA(SPI_SETCURSORS, 0, nullptr, 0);
  if (a.magnifier) DestroyWindow(a.magnifier);
  a.magnifier = nullptr;
  if (a.frozen) DestroyWindow(a.frozen);
  a.frozen = nullptr;
  if (a.frozen_bitmap) DeleteObject(a.frozen_bitmap);
  a.frozen_bitmap = nullptr;
  bool was_frozen = a.frozen_pick;
  a.frozen_pick = false;
  a.pick = PickMode::None;
  int row = a.pick_row;
  a.pick_row = -1;
  refresh_row(row);  // the stored values again
  if (was_frozen) {
    ShowWindow(a.main, SW_SHOW);
    SetForegroundWindow(a.main);
  }
  update_controls();
}

void register_pick_hotkey() {
  App& a = app();
  for (char c : {'h', 'j', 'g'}) {
    if (RegisterHotKey(a.main, 1, MOD_CONTROL | MOD_ALT, static_cast<UINT>(c - 'a' + 'A'))) {
      a.hotkey_letter = c;
      return;
    }
  }
}

LRESULT CALLBACK magnifier_proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    RECT rc;
    GetClientRect(w, &rc);
    const int view_h = rc.bottom - kMagStrip;
    const int src_w = rc.right / kZoom, src_h = view_h / kZoom;
    HDC screen = GetDC(nullptr);
    {
      PickSource source(screen);
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, 0, 0, src_w * kZoom, src_h * kZoom, source.dc(), g_physical.x - src_w / 2,
                 g_physical.y - src_h / 2, src_w, src_h, SRCCOPY);
    }
    ReleaseDC(nullptr, screen);
    // Cross-hair on the centre pixel.
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    int cx = (src_w / 2) * kZoom, cy = (src_h / 2) * kZoom;
    Rectangle(dc, cx - 1, cy - 1, cx + kZoom + 1, cy + kZoom + 1);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
    // Caption strip: physical x, y and the colour, white on black.
    RECT strip{0, view_h, rc.right, rc.bottom};
    FillRect(dc, &strip, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d:%ld", static_cast<int>(g_physical.x), static_cast<int>(g_physical.y),
                  static_cast<long>(g_color));
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old_font = SelectObject(dc, app().font);
    DrawTextA(dc, text, -1, &strip, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old_font);
    EndPaint(w, &ps);
    return 0;
  }
  if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefWindowProcA(w, msg, wp, lp);
}

LRESULT CALLBACK frozen_proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    if (app().frozen_bitmap) {
      HDC mem = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(mem, app().frozen_bitmap);
      BitBlt(dc, 0, 0, app().screen_w, app().screen_h, mem, 0, 0, SRCCOPY);
      SelectObject(mem, old);
      DeleteDC(mem);
    }
    EndPaint(w, &ps);
    return 0;
  }
  if (msg == WM_ERASEBKGND) return 1;
  return DefWindowProcA(w, msg, wp, lp);
}

void test_move(const Action& act, bool click, bool right) {
  App& a = app();
  if (!act.has_position()) return;
  DWORD ax = static_cast<DWORD>(static_cast<int>(act.x * a.abs_x));
  DWORD ay = static_cast<DWORD>(static_cast<int>(act.y * a.abs_y));
  mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, ax, ay, 0, 0);
  if (!click) return;
  mouse_event(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  mouse_event(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

}  // namespace quorin::assist
