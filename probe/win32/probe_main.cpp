// 窗口探针: shows the window under a screen point and its parent, and hides
// or shows them.  An ANSI program; its texts are in the ANSI code page.
#include <windows.h>

#include <cmath>
#include <string>

#include "assist/actions.h"
#include "assist/win32/screen_scale.h"
#include "probe/probe_fields.h"
#include "support/script_handle.h"

namespace {

using quorin::probe::WindowFacts;
using quorin::probe::WindowTexts;

constexpr char kClass[] = "QuorinWindowProbe";
constexpr char kCaption[] = "窗口探针";
constexpr char kNoHooks[] = "无法读取屏幕坐标, 可能是你没有授权软件相应的权限。\n\n可以进入官网联系客服。";

enum Id : int {
  kPoint = 100, kPick,
  kHandle, kHide, kShow, kCtlId, kClassName, kTitle, kPointer, kClientSize,
  kParentHandle, kParentHide, kParentShow, kParentClass, kParentTitle,
};

struct Probe {
  HWND main = nullptr;
  HFONT font = nullptr;
  HBRUSH white = nullptr;
  HHOOK mouse_hook = nullptr, key_hook = nullptr;
  bool picking = false;
  bool have_point = false;
  POINT last{};
  double scale_x = 1.0, scale_y = 1.0;
} g;

HWND item(int id) { return GetDlgItem(g.main, id); }
void set_text(int id, const std::string& s) { SetWindowTextA(item(id), s.c_str()); }

std::string field_text(int id) {
  char buf[64] = {};
  GetWindowTextA(item(id), buf, sizeof buf);
  return buf;
}

WindowFacts facts_of(HWND w) {
  WindowFacts f;
  f.handle = quorin::handle_to_int(w);
  f.control_id = GetDlgCtrlID(w);
  char cls[128] = {};
  GetClassNameA(w, cls, sizeof cls);
  f.class_name = cls;
  char title[1024] = {};
  GetWindowTextA(w, title, sizeof title);
  f.title = title;
  RECT r{};
  GetWindowRect(w, &r);
  f.outer = {r.left, r.top, r.right, r.bottom};
  RECT c{};
  GetClientRect(w, &c);
  f.client = {c.left, c.top, c.right, c.bottom};
  return f;
}

void clear_window_fields() {
  for (int id : {kHandle, kCtlId, kClassName, kTitle, kPointer, kClientSize, kParentHandle, kParentClass,
                 kParentTitle})
    set_text(id, "");
  for (int id : {kHide, kShow, kParentHide, kParentShow}) EnableWindow(item(id), FALSE);
}

void refresh(POINT p) {
  set_text(kPoint, quorin::probe::point_text(p.x, p.y));
  HWND w = WindowFromPoint(p);
  if (!w) {
    for (int id : {kHide, kShow, kParentHide, kParentShow}) EnableWindow(item(id), FALSE);
    return;
  }
  WindowTexts t = quorin::probe::window_texts(facts_of(w), p.x, p.y);
  set_text(kHandle, t.handle);
  set_text(kCtlId, t.id);
  set_text(kClassName, t.class_name);
  set_text(kTitle, t.title);
  set_text(kPointer, t.pointer);
  set_text(kClientSize, t.client_size);
  EnableWindow(item(kHide), TRUE);
  EnableWindow(item(kShow), TRUE);
  HWND parent = GetParent(w);
  if (parent) {
    WindowTexts pt = quorin::probe::window_texts(facts_of(parent), p.x, p.y);
    set_text(kParentHandle, pt.handle);
    set_text(kParentClass, pt.class_name);
    set_text(kParentTitle, pt.title);
  } else {
    set_text(kParentHandle, "");
    set_text(kParentClass, "");
    set_text(kParentTitle, "");
  }
  EnableWindow(item(kParentHide), parent != nullptr);
  EnableWindow(item(kParentShow), parent != nullptr);
}

// The system's arrow, hand and I-beam cursors become the cross while picking.
void replace_cursors() {
  for (DWORD id : {32512u /*arrow*/, 32649u /*hand*/, 32513u /*I-beam*/}) {
    HCURSOR cross = CopyCursor(LoadCursor(nullptr, IDC_CROSS));
    if (cross && !SetSystemCursor(cross, id)) DestroyCursor(cross);
  }
}
void restore_cursors() { SystemParametersInfoA(SPI_SETCURSORS, 0, nullptr, 0); }

void end_pick() {
  if (g.mouse_hook) UnhookWindowsHookEx(g.mouse_hook);
  if (g.key_hook) UnhookWindowsHookEx(g.key_hook);
  g.mouse_hook = g.key_hook = nullptr;
  g.picking = false;
  restore_cursors();
  EnableWindow(item(kPick), TRUE);
}

POINT logical(POINT physical) {
  return {quorin::assist::logical_from_physical(physical.x, g.scale_x),
          quorin::assist::logical_from_physical(physical.y, g.scale_y)};
}

LRESULT CALLBACK mouse_proc(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && g.picking) {
    auto* m = reinterpret_cast<MSLLHOOKSTRUCT*>(lp);
    POINT p = logical(m->pt);
    if (wp == WM_MOUSEMOVE) {
      refresh(p);
    } else if (wp == WM_LBUTTONDOWN || wp == WM_RBUTTONDOWN) {
      g.last = p;
      g.have_point = true;
      refresh(p);
      end_pick();
      return 1;  // the click does not reach the window below
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK key_proc(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && g.picking && (wp == WM_KEYDOWN || wp == WM_SYSKEYDOWN)) {
    auto* k = reinterpret_cast<KBDLLHOOKSTRUCT*>(lp);
    if (k->vkCode == VK_ESCAPE) {
      if (g.have_point) {
        refresh(g.last);
      } else {
        set_text(kPoint, "");
        clear_window_fields();
      }
      end_pick();
      return 1;
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

void start_pick() {
  if (g.picking) return;
  HINSTANCE inst = GetModuleHandleA(nullptr);
  g.mouse_hook = SetWindowsHookExA(WH_MOUSE_LL, mouse_proc, inst, 0);
  g.key_hook = SetWindowsHookExA(WH_KEYBOARD_LL, key_proc, inst, 0);
  if (!g.mouse_hook || !g.key_hook) {
    if (g.mouse_hook) UnhookWindowsHookEx(g.mouse_hook);
    if (g.key_hook) UnhookWindowsHookEx(g.key_hook);
    MessageBoxA(g.main, kNoHooks, "提示", MB_OK | MB_ICONWARNING);
    ExitProcess(0);
  }
  g.picking = true;
  replace_cursors();
  EnableWindow(item(kPick), FALSE);
}

void show_from_field(int field, int how) {
  std::string text = field_text(field);
  if (text.empty()) return;
  HWND w = quorin::int_to_handle<HWND__>(quorin::probe::handle_from_field(text));
  if (w) ShowWindow(w, how);
}

// ---- layout ------------------------------------------------------------

HWND add(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id, DWORD ex = 0) {
  HWND c = CreateWindowExA(ex, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, g.main,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(g.font), FALSE);
  return c;
}
void label(const char* text, int x, int y, int w) { add("STATIC", text, SS_LEFT, x, y + 3, w, 18, -1); }
void field(int id, int x, int y, int w) {
  add("EDIT", "", ES_READONLY | ES_AUTOHSCROLL | WS_BORDER, x, y, w, 22, id);
}

void build(HWND w) {
  g.main = w;
  NONCLIENTMETRICSA ncm{};
  ncm.cbSize = sizeof ncm;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  g.font = CreateFontIndirectA(&ncm.lfMessageFont);
  g.white = CreateSolidBrush(RGB(255, 255, 255));

  label("屏幕坐标(x, y)：", 10, 12, 110);
  field(kPoint, 120, 12, 78);
  HWND pick = add("BUTTON", "定位", BS_PUSHBUTTON, 203, 10, 62, 26, kPick);
  if (HICON icon = LoadIcon(nullptr, IDI_INFORMATION)) {
    SendMessageA(pick, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
  }

  add("BUTTON", "当前窗口", BS_GROUPBOX, 6, 44, 261, 208, -1);
  label("句柄：", 16, 66, 48);
  field(kHandle, 64, 66, 96);
  add("BUTTON", "隐藏", BS_PUSHBUTTON, 164, 65, 48, 24, kHide);
  add("BUTTON", "显示", BS_PUSHBUTTON, 214, 65, 48, 24, kShow);
  label("ID：", 16, 96, 48);
  field(kCtlId, 64, 96, 198);
  label("类名：", 16, 126, 48);
  field(kClassName, 64, 126, 198);
  label("标题：", 16, 156, 48);
  field(kTitle, 64, 156, 198);
  label("客户区内鼠标位置(x, y)：", 16, 186, 150);
  field(kPointer, 166, 186, 96);
  label("客户区大小：", 16, 216, 150);
  field(kClientSize, 166, 216, 96);

  add("BUTTON", "父窗口", BS_GROUPBOX, 6, 262, 261, 136, -1);
  label("句柄：", 16, 284, 48);
  field(kParentHandle, 64, 284, 96);
  add("BUTTON", "隐藏", BS_PUSHBUTTON, 164, 283, 48, 24, kParentHide);
  add("BUTTON", "显示", BS_PUSHBUTTON, 214, 283, 48, 24, kParentShow);
  label("类名：", 16, 318, 48);
  field(kParentClass, 64, 318, 198);
  label("标题：", 16, 352, 48);
  field(kParentTitle, 64, 352, 198);
  clear_window_fields();
}

LRESULT CALLBACK wnd_proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      build(w);
      return 0;
    case WM_CTLCOLORSTATIC: {
      // Read-only fields stay white, so their text reads as selectable.
      char cls[16] = {};
      GetClassNameA(reinterpret_cast<HWND>(lp), cls, sizeof cls);
      if (lstrcmpiA(cls, "EDIT") == 0) {
        SetBkColor(reinterpret_cast<HDC>(wp), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(g.white);
      }
      break;
    }
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) {
        switch (LOWORD(wp)) {
          case kPick: start_pick(); return 0;
          case kHide: show_from_field(kHandle, SW_HIDE); return 0;
          case kShow: show_from_field(kHandle, SW_SHOWNORMAL); return 0;
          case kParentHide: show_from_field(kParentHandle, SW_HIDE); return 0;
          case kParentShow: show_from_field(kParentHandle, SW_SHOWNORMAL); return 0;
        }
      }
      break;
    case WM_DESTROY:
      if (g.picking) end_pick();
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int show) {
  if (HWND other = FindWindowA(kClass, kCaption)) {
    if (IsIconic(other)) ShowWindow(other, SW_RESTORE);
    SetForegroundWindow(other);
    return 0;
  }
  const quorin::assist::ScreenScale scale = quorin::assist::screen_scale();
  g.scale_x = scale.x;
  g.scale_y = scale.y;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = wnd_proc;
  wc.hInstance = inst;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClass;
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  RegisterClassExA(&wc);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT r{0, 0, 273, 406};
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_TOPMOST);
  HWND w = CreateWindowExA(WS_EX_TOPMOST, kClass, kCaption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                           r.right - r.left, r.bottom - r.top, nullptr, nullptr, inst, nullptr);
  if (!w) return 1;
  ShowWindow(w, show);
  UpdateWindow(w);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(w, &m)) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
  }
  return static_cast<int>(m.wParam);
}
