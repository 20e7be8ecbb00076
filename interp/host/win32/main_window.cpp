// The main window: hotkey line, start/pause button, information panel, the
// menu, the about box, resizing and the requests of the script thread.
#include <algorithm>
#include <string>

#include "host/panel_append.h"
#include "host/status_text.h"
#include "host/win32/host_state.h"
#include "host/win32/web_pages.h"
#include "runtime/runtime.h"
#include "support/format.h"

namespace quorin {

namespace {

constexpr wchar_t kClassName[] = L"Quorin";

std::wstring wide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }

std::u16string key_name(int vk) {
  UINT scan = MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC);
  wchar_t buf[64] = {};
  int n = GetKeyNameTextW(static_cast<LONG>(scan << 16), buf, 64);
  return std::u16string(reinterpret_cast<const char16_t*>(buf), static_cast<size_t>(std::max(n, 0)));
}

void create_controls(HWND w) {
  HostState& h = host();
  HINSTANCE inst = h.instance;
  h.hotkey_line = CreateWindowExW(0, L"static", L"快捷键：F2 (启动)，  F8 (停止)", WS_CHILD | WS_VISIBLE, 10, 14, 330, 23,
                                  w, nullptr, inst, nullptr);
  h.start_button = CreateWindowExW(0, L"button", L"启动", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED,
                                   425, 8, 71, 25, w, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdStartButton)),
                                   inst, nullptr);
  h.panel_label = CreateWindowExW(0, L"static", L"信息：", WS_CHILD | WS_VISIBLE, 10, 41, 300, 19, w, nullptr, inst,
                                  nullptr);
  h.panel = CreateWindowExW(WS_EX_CLIENTEDGE, L"edit", L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 10, 61,
                            485, 130, w, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdPanel)), inst, nullptr);
  SendMessageW(h.panel, EM_SETLIMITTEXT, kPanelLimit, 0);
  h.panel_brush = CreateSolidBrush(RGB(255, 255, 255));
}

void panel_append(const PanelRequest& r) {
  HWND p = host().panel;
  if (!p) return;
  const size_t current = static_cast<size_t>(GetWindowTextLengthW(p));
  PanelAppend a = plan_panel_append(current, r.text, r.line_end);
  if (a.remove_front > 0) {
    if (a.remove_front >= current) {
      SetWindowTextW(p, L"");
    } else {
      SendMessageW(p, EM_SETSEL, 0, static_cast<LPARAM>(a.remove_front));
      SendMessageW(p, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    }
  }
  std::wstring text = wide(a.piece);
  if (a.line_end) text += L"\r\n";
  const int end = GetWindowTextLengthW(p);
  SendMessageW(p, EM_SETSEL, end, end);
  SendMessageW(p, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(p, WM_VSCROLL, SB_BOTTOM, 0);
}

void on_size(int width, int height) {
  HostState& h = host();
  if (!h.sized_once) {
    h.sized_once = true;
    if (h.script_sized) {
      h.reference_w = kDefaultClientWidth;
      h.reference_h = kDefaultClientHeight;
    } else {
      h.reference_w = width;
      h.reference_h = height;
    }
    return;
  }
  if (width == 0 && height == 0) return;  // minimised
  MoveWindow(h.panel, 10, 61, width - h.reference_w + 485, height - h.reference_h + 130, TRUE);
  MoveWindow(h.start_button, width - h.reference_w + 425, 8, 71, 25, TRUE);
}

// Keeps the dragged edge from making the window smaller than its minimum.
void on_sizing(WPARAM edge, RECT* r) {
  const HostState& h = host();
  const int min_w = h.minimum.window_w, min_h = h.minimum.window_h;
  if (min_w <= 0 || min_h <= 0) return;
  if (r->right - r->left < min_w) {
    if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT)
      r->left = r->right - min_w;
    else
      r->right = r->left + min_w;
  }
  if (r->bottom - r->top < min_h) {
    if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT)
      r->top = r->bottom - min_h;
    else
      r->bottom = r->top + min_h;
  }
}

void on_start_button() {
  HostState& h = host();
  if (!h.runtime) return;
  EnableWindow(h.start_button, FALSE);
  h.runtime->control.toggle(true);
  int st = h.runtime->state.load();
  if (st != kStopped && st != kEnded) EnableWindow(h.start_button, TRUE);
}

void show_about(HWND w) {
  std::u16string text = format16(
      u"%s 脚本解释器 V%0.1f\n\n\nQuorin 是一款鼠标键盘自动化脚本解释器。通过编写脚本，可以让 Quorin "
      u"代替双手，自动执行一系列鼠标键盘操作。",
      u"Quorin", 10.0);
  std::wstring all = wide(text) + L"\n\n\n" + about_address();
  MessageBoxW(w, all.c_str(), L"关于", MB_OK | MB_ICONINFORMATION);
}

void write_dialog_folder() {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Quorin", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  const std::wstring& f = host().dialog_folder;
  RegSetValueExW(key, L"file_dlg_choose_q_file", 0, REG_SZ, reinterpret_cast<const BYTE*>(f.c_str()),
                 static_cast<DWORD>((f.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

LRESULT CALLBACK main_proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  HostState& h = host();
  switch (msg) {
    case WM_CREATE:
      if (!h.main_window) h.main_window = w;
      create_controls(w);
      return 0;
    case WM_SIZE:
      on_size(LOWORD(lp), HIWORD(lp));
      return 0;
    case WM_SIZING:
      on_sizing(wp, reinterpret_cast<RECT*>(lp));
      return TRUE;
    case WM_GETMINMAXINFO:
      if (h.min_track.x > 0) {
        auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
        mm->ptMinTrackSize = h.min_track;
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lp) == h.panel) {
        SetBkColor(reinterpret_cast<HDC>(wp), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(h.panel_brush);
      }
      break;
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case kIdStartButton: on_start_button(); return 0;
        case kIdMenuHome: open_web_page(home_address()); return 0;
        case kIdMenuHelp: open_web_page(help_address()); return 0;
        case kIdMenuAbout: show_about(w); return 0;
        default: break;
      }
      break;
    case kMsgInputDialog:
    case kMsgInputDialogEx:
      return lp ? reinterpret_cast<GuiRequest*>(lp)->run(w) : 0;
    case kMsgInstallMouseHook:
      if (!install_mouse_hook()) {
        MessageBoxW(w,
                    L"wait_mouse_left_down() 调用失败！\n\n创建全局鼠标钩子失败, 可能是你没有授权当前软件相应的权限。",
                    L"Quorin", MB_OK | MB_ICONERROR);
        end_process(0);
      }
      return 1;
    case kMsgPanelAppend:
      panel_append(*reinterpret_cast<const PanelRequest*>(lp));
      return 0;
    case kMsgPanelClear:
      SetWindowTextW(h.panel, L"");
      return 0;
    case kMsgStatus:
      refresh_status(static_cast<int>(wp));
      return 0;
    case kMsgRemoveHooks:
      remove_hooks_now();
      return 0;
    case kMsgHotkeyToggle:
      if (h.runtime) h.runtime->control.toggle(true);
      return 0;
    case kMsgHotkeyStop:
      if (h.runtime) h.runtime->control.stop();
      return 0;
    case WM_DESTROY:
      write_dialog_folder();
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(w, msg, wp, lp);
}

BOOL CALLBACK set_font_on_child(HWND child, LPARAM font) {
  SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
  return TRUE;
}

}  // namespace

bool register_main_class(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = main_proc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(101));
  wc.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(102));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  return RegisterClassExW(&wc) != 0;
}

HWND create_main_window(HINSTANCE instance) {
  HMENU menu = CreateMenu();
  AppendMenuW(menu, MF_STRING, kIdMenuHome, L"官网");
  AppendMenuW(menu, MF_STRING, kIdMenuHelp, L"帮助");
  AppendMenuW(menu, MF_STRING, kIdMenuAbout, L"关于");
  const DWORD style = WS_OVERLAPPEDWINDOW;
  RECT r{0, 0, kDefaultClientWidth, kDefaultClientHeight};
  AdjustWindowRectEx(&r, style, TRUE, WS_EX_APPWINDOW);
  return CreateWindowExW(WS_EX_APPWINDOW, kClassName, L"Quorin", style, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                         r.bottom - r.top, nullptr, menu, instance, nullptr);
}

HFONT interface_font() {
  HostState& h = host();
  if (h.font) return h.font;
  LOGFONTW lf{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  lstrcpynW(lf.lfFaceName, L"宋体", LF_FACESIZE);
  lf.lfWeight = FW_NORMAL;
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(nullptr, dc);
  if (dpi > 96) lf.lfHeight = static_cast<LONG>(lf.lfHeight / (1 + (dpi - 96) * 1.041666 / 100));
  h.font = CreateFontIndirectW(&lf);
  return h.font;
}

void apply_interface_font() {
  EnumChildWindows(host().main_window, set_font_on_child, reinterpret_cast<LPARAM>(interface_font()));
}

void refresh_status(int state) {
  HostState& h = host();
  StatusTexts t = status_texts(state, h.keys.pause_mods, key_name(h.keys.pause_key), h.keys.stop_mods,
                               key_name(h.keys.stop_key));
  if (h.hotkey_line) SetWindowTextW(h.hotkey_line, wide(t.line).c_str());
  if (h.start_button) {
    if (t.button) SetWindowTextW(h.start_button, wide(*t.button).c_str());
    if (t.button_enabled) EnableWindow(h.start_button, *t.button_enabled);
  }
  // A minimised window comes back for an announcement.
  if (h.runtime && h.main_window && IsIconic(h.main_window)) {
    const Runtime& rt = *h.runtime;
    if ((state == kPaused && rt.paused_alert) || (state == kStopped && rt.stopped_alert) ||
        (state == kEnded && rt.ended_alert))
      ShowWindow(h.main_window, SW_RESTORE);
  }
}

}  // namespace quorin
