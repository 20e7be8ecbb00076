// The dialogs of the Windows program.  Message boxes run on the script
// thread; the input dialogs run on the GUI thread, which the script thread
// asks with a sent message while it waits.  A run without a main window (the
// command-line interpreter) asks on the console instead.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "builtins/ui/console_dialogs.h"
#include "builtins/ui/dialogs.h"
#include "builtins/ui/input_rules.h"
#include "runtime/win32/window_requests.h"
#include "runtime/runtime.h"
#include "runtime/ui_port_win32.h"
#include "support/format.h"

namespace quorin {

namespace {

std::wstring wide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
std::u16string u16(std::wstring_view s) { return std::u16string(s.begin(), s.end()); }

constexpr int kStoppedState = 4, kEndedState = 5;
bool run_over(const std::atomic<int>* state) {
  if (!state) return false;
  const int st = state->load();
  return st == kStoppedState || st == kEndedState;
}

bool is_dialog_window(HWND w) {
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  return lstrcmpW(cls, L"#32770") == 0;
}

// ---- the console of the command-line interpreter ----

class WindowsConsoleDialogs : public ConsoleDialogs {
 public:
  WindowsConsoleDialogs() : ConsoleDialogs(stdin, stderr) {}

 protected:
  // A real console gives UTF-16 directly; a pipe or file gives UTF-8.
  std::optional<std::u16string> read_line() override {
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(in, &mode)) return ConsoleDialogs::read_line();
    std::wstring line;
    wchar_t c;
    DWORD n = 0;
    while (ReadConsoleW(in, &c, 1, &n, nullptr) && n == 1) {
      if (c == L'\n') return u16(line);
      if (c != L'\r') line.push_back(c);
    }
    if (line.empty()) return std::nullopt;
    return u16(line);
  }
  void set_echo(bool on) override {
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(in, &mode)) return;
    SetConsoleMode(in, on ? (mode | ENABLE_ECHO_INPUT) : (mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT)));
  }
};

// The port of the Windows program, or null for a run without a window.
Win32UiPort* window_port(Runtime& rt) { return dynamic_cast<Win32UiPort*>(&rt.ui); }

// ---- message boxes on the script thread ----

// While a box of this thread is open, a stop ends it: the run must not wait
// for the user to close a box before it halts.
thread_local const std::atomic<int>* t_watched_state = nullptr;

BOOL CALLBACK end_box(HWND w, LPARAM) {
  if (is_dialog_window(w)) EndDialog(w, IDCANCEL);
  return TRUE;
}

void CALLBACK stop_watch_tick(HWND, UINT, UINT_PTR, DWORD) {
  if (run_over(t_watched_state)) EnumThreadWindows(GetCurrentThreadId(), end_box, 0);
}

class StopWatch {
 public:
  explicit StopWatch(const std::atomic<int>& state) : prev_(t_watched_state) {
    t_watched_state = &state;
    timer_ = SetTimer(nullptr, 0, 200, stop_watch_tick);
  }
  ~StopWatch() {
    if (timer_) KillTimer(nullptr, timer_);
    t_watched_state = prev_;
  }
  StopWatch(const StopWatch&) = delete;
  StopWatch& operator=(const StopWatch&) = delete;

 private:
  const std::atomic<int>* prev_;
  UINT_PTR timer_ = 0;
};

// The count-down of `alert(text, seconds)`.  A training hook on the calling
// thread sees the box activated and starts the count-down thread; when the
// box is destroyed the hook stops that thread and waits for it, so it never
// writes to a box that is gone.
struct Countdown {
  int seconds = 0;
  HWND box = nullptr;
  HWND button = nullptr;
  HANDLE cancel = nullptr;  // manual-reset
  HANDLE thread = nullptr;
  bool finished = false;
};

thread_local Countdown* t_countdown = nullptr;

DWORD WINAPI countdown_thread(void* arg) {
  Countdown* c = static_cast<Countdown*>(arg);
  wchar_t buf[512] = {};
  GetWindowTextW(c->box, buf, 512);
  const std::u16string title = u16(buf);
  for (int n = c->seconds; n >= 1; --n) {
    if (WaitForSingleObject(c->cancel, 0) == WAIT_OBJECT_0) return 0;
    if (n == c->seconds || IsWindowVisible(c->box)) {
      SetWindowTextW(c->box, wide(title + u" - " + format16(u"%d秒后自动关闭", n)).c_str());
      if (c->button) SetWindowTextW(c->button, wide(format16(u"确定(%d)", n)).c_str());
    }
    if (WaitForSingleObject(c->cancel, 1000) == WAIT_OBJECT_0) return 0;
  }
  // As if its button were pressed.
  if (IsWindowVisible(c->box)) {
    const int id = c->button ? GetDlgCtrlID(c->button) : IDOK;
    PostMessageW(c->box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(c->button));
  }
  return 0;
}

// Stops the count-down thread and waits for it, serving the messages it
// may be sending to the box meanwhile.
void finish_countdown(Countdown& c) {
  c.finished = true;
  if (!c.thread) return;
  SetEvent(c.cancel);
  for (;;) {
    DWORD r = MsgWaitForMultipleObjects(1, &c.thread, FALSE, 50, QS_SENDMESSAGE);
    if (r == WAIT_OBJECT_0 || r == WAIT_FAILED) break;
    MSG m;
    PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  CloseHandle(c.thread);
  c.thread = nullptr;
}

LRESULT CALLBACK countdown_hook(int code, WPARAM wp, LPARAM lp) {
  Countdown* c = t_countdown;
  if (c && !c->finished) {
    HWND w = reinterpret_cast<HWND>(wp);
    if (code == HCBT_ACTIVATE && !c->thread && is_dialog_window(w)) {
      c->box = w;
      // The box's only button: OK on most systems, Cancel on some.
      c->button = GetDlgItem(w, IDOK);
      if (!c->button) c->button = GetDlgItem(w, IDCANCEL);
      c->thread = CreateThread(nullptr, 0, countdown_thread, c, 0, nullptr);
    } else if (code == HCBT_DESTROYWND && w == c->box) {
      finish_countdown(*c);
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

// ---- the input dialogs on the GUI thread ----

struct DialogSpec {
  std::wstring title;
  std::wstring prompt;
  std::wstring value;
  bool multiline = false;
  int type = 0;
  bool password = false;
  int max_length = 0;
  int width = 0, height = 0;
  const std::atomic<int>* state = nullptr;
};

constexpr int kIdPrompt = 1001, kIdEdit = 1002;
constexpr UINT_PTR kStopTimer = 1;
constexpr int kButtonW = 85, kButtonH = 28;

struct DialogRun {
  DialogSpec* spec = nullptr;
  HWND owner = nullptr;
  HWND dlg = nullptr, prompt = nullptr, edit = nullptr, ok = nullptr, cancel = nullptr;
  HFONT font = nullptr;
  int prompt_h = 0;
  POINT min_track{0, 0};
  int result = kResultCancel;
  bool done = false;
};

HFONT dialog_font(HWND owner) {
  HWND panel = owner ? GetDlgItem(owner, kIdPanel) : nullptr;
  HFONT f = panel ? reinterpret_cast<HFONT>(SendMessageW(panel, WM_GETFONT, 0, 0)) : nullptr;
  return f ? f : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The drawn size of a text in the dialog's font; with a width, the text
// wraps at it.
SIZE text_extent(HWND w, HFONT font, const std::wstring& text, int wrap_width) {
  HDC dc = GetDC(w);
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, wrap_width > 0 ? wrap_width : 0, 0};
  UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_EDITCONTROL;
  if (wrap_width > 0) flags |= DT_WORDBREAK;
  DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &r, flags);
  SelectObject(dc, old);
  ReleaseDC(w, dc);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

HWND child(DialogRun& d, const wchar_t* cls, const wchar_t* text, DWORD style, DWORD ex, int id) {
  HWND c = CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, d.dlg,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(d.font), FALSE);
  return c;
}

void layout_single(DialogRun& d) {
  const int ph = d.prompt_h;
  MoveWindow(d.prompt, 17, 15, kPromptWidth, ph, FALSE);
  MoveWindow(d.edit, 17, ph + 27, kPromptWidth, 24, FALSE);
  MoveWindow(d.ok, 430 / 2 - kButtonW - 10, ph + 73, kButtonW, kButtonH, FALSE);
  MoveWindow(d.cancel, 430 / 2 + 10, ph + 73, kButtonW, kButtonH, FALSE);
}

void layout_multi(DialogRun& d, int w, int h) {
  const int ph = d.prompt_h;
  MoveWindow(d.prompt, 16, 12, std::max(w - 32, 10), ph, TRUE);
  const int edit_y = 12 + ph + 8;
  const int buttons_y = h - 14 - kButtonH;
  MoveWindow(d.edit, 16, edit_y, std::max(w - 32, 10), std::max(buttons_y - 12 - edit_y, 20), TRUE);
  MoveWindow(d.ok, w / 2 - kButtonW - 8, buttons_y, kButtonW, kButtonH, TRUE);
  MoveWindow(d.cancel, w / 2 + 8, buttons_y, kButtonW, kButtonH, TRUE);
}

// An edit control shows line breaks only as CR LF.
std::wstring with_crlf(const std::wstring& s) {
  std::wstring out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == L'\n' && (i == 0 || s[i - 1] != L'\r')) out.push_back(L'\r');
    out.push_back(s[i]);
  }
  return out;
}

// Sizes the window for a client size and centres it.
void place(DialogRun& d, Size2 client) {
  RECT r{0, 0, client.w, client.h};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(d.dlg, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(d.dlg, GWL_EXSTYLE)));
  const Size2 win{r.right - r.left, r.bottom - r.top};
  const Point2 at = centred_origin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYMAXIMIZED), win);
  SetWindowPos(d.dlg, nullptr, at.x, at.y, win.w, win.h, SWP_NOZORDER | SWP_NOACTIVATE);
}

void init_dialog(DialogRun& d) {
  DialogSpec& s = *d.spec;
  d.font = dialog_font(d.owner);
  SetWindowTextW(d.dlg, s.title.c_str());
  SendMessageW(d.dlg, WM_SETFONT, reinterpret_cast<WPARAM>(d.font), FALSE);
  d.prompt = child(d, L"static", s.prompt.c_str(), SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, 0, kIdPrompt);
  DWORD edit_style = WS_TABSTOP | ES_LEFT;
  if (s.multiline)
    edit_style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;
  else
    edit_style |= ES_AUTOHSCROLL | (s.password ? ES_PASSWORD : 0);
  d.edit = child(d, L"edit", L"", edit_style, WS_EX_CLIENTEDGE, kIdEdit);
  d.ok = child(d, L"button", L"确定", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, IDOK);
  d.cancel = child(d, L"button", L"取消", WS_TABSTOP | BS_PUSHBUTTON, 0, IDCANCEL);
  SendMessageW(d.dlg, DM_SETDEFID, IDOK, 0);

  // Never taller than the screen can show with the rest of the dialog.
  const int screen_w = GetSystemMetrics(SM_CXSCREEN), screen_h = GetSystemMetrics(SM_CYSCREEN);
  if (s.multiline) {
    SendMessageW(d.edit, EM_SETLIMITTEXT, s.max_length > 0 ? static_cast<WPARAM>(s.max_length) : 0, 0);
    SetWindowTextW(d.edit, with_crlf(s.value).c_str());
    const SIZE natural = text_extent(d.dlg, d.font, s.prompt, 0);
    Size2 client = multi_line_client(static_cast<int>(natural.cx), s.width, s.height);
    client.w = std::min(client.w, std::max(screen_w - 16, kMultiMinWidth));
    client.h = std::min(client.h, std::max(screen_h - 40, kMultiMinHeight));
    d.prompt_h = std::min(static_cast<int>(text_extent(d.dlg, d.font, s.prompt, client.w - 32).cy), client.h / 2);
    place(d, client);
    RECT min{0, 0, kMultiMinWidth, kMultiMinHeight};
    AdjustWindowRectEx(&min, static_cast<DWORD>(GetWindowLongPtrW(d.dlg, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(d.dlg, GWL_EXSTYLE)));
    d.min_track = POINT{min.right - min.left, min.bottom - min.top};
    layout_multi(d, client.w, client.h);
  } else {
    SendMessageW(d.edit, EM_SETLIMITTEXT, input_edit_limit(s.type), 0);
    if (s.password) SendMessageW(d.edit, EM_SETPASSWORDCHAR, L'*', 0);
    SetWindowTextW(d.edit, s.value.c_str());
    d.prompt_h = std::min(static_cast<int>(text_extent(d.dlg, d.font, s.prompt, kPromptWidth).cy),
                          std::max(screen_h - 200, 20));
    place(d, single_line_client(d.prompt_h));
    layout_single(d);
  }
  SetTimer(d.dlg, kStopTimer, 200, nullptr);
}

std::wstring edit_text(HWND edit) {
  const int n = GetWindowTextLengthW(edit);
  std::wstring t(static_cast<size_t>(n) + 1, L'\0');
  t.resize(static_cast<size_t>(GetWindowTextW(edit, t.data(), n + 1)));
  return t;
}

void end_dialog(DialogRun& d, int result) {
  d.result = result;
  d.done = true;
  ShowWindow(d.dlg, SW_HIDE);
}

// Ends the boxes the dialog itself opened (a warning still on screen).
BOOL CALLBACK end_owned_box(HWND w, LPARAM owner) {
  if (GetWindow(w, GW_OWNER) == reinterpret_cast<HWND>(owner) && is_dialog_window(w)) EndDialog(w, IDCANCEL);
  return TRUE;
}

void on_ok(DialogRun& d) {
  DialogSpec& s = *d.spec;
  std::wstring text = edit_text(d.edit);
  if (s.multiline) {
    s.value = std::move(text);
    end_dialog(d, kResultOk);
    return;
  }
  const std::u16string typed = u16(text);
  InputCheck c = check_input(s.type, cut_to_buffer(typed));
  if (c.ok) {
    s.value = wide(c.value);
    end_dialog(d, kResultOk);
    return;
  }
  MessageBoxW(d.dlg, wide(c.warning).c_str(), L"提示", MB_OK | MB_ICONWARNING);
  if (d.done) return;  // the run was stopped meanwhile
  SetFocus(d.edit);
  SendMessageW(d.edit, EM_SETSEL, 0, -1);
}

INT_PTR CALLBACK dialog_proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  auto* d = reinterpret_cast<DialogRun*>(GetWindowLongPtrW(w, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      d = reinterpret_cast<DialogRun*>(lp);
      SetWindowLongPtrW(w, DWLP_USER, lp);
      d->dlg = w;
      init_dialog(*d);
      return FALSE;  // the focus is set when the dialog is shown
    case WM_COMMAND:
      if (!d || d->done) return FALSE;
      if (LOWORD(wp) == IDOK) {
        on_ok(*d);
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        end_dialog(*d, kResultCancel);
        return TRUE;
      }
      return FALSE;
    case WM_SIZE:
      if (d && d->spec->multiline && d->edit && wp != SIZE_MINIMIZED) layout_multi(*d, LOWORD(lp), HIWORD(lp));
      return TRUE;
    case WM_GETMINMAXINFO:
      if (d && d->min_track.x > 0) reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = d->min_track;
      return TRUE;
    case WM_TIMER:
      if (d && wp == kStopTimer && !d->done && run_over(d->spec->state)) {
        end_dialog(*d, kResultCancel);
        EnumThreadWindows(GetCurrentThreadId(), end_owned_box, reinterpret_cast<LPARAM>(w));
      }
      return TRUE;
    default:
      return FALSE;
  }
}

// An empty dialog template: the controls are made in pixels at
// WM_INITDIALOG.
std::vector<WORD> dialog_template(bool resizable) {
  std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
  auto* h = reinterpret_cast<DLGTEMPLATE*>(t.data());
  h->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | (resizable ? WS_THICKFRAME : 0);
  h->dwExtendedStyle = WS_EX_DLGMODALFRAME;
  h->cdit = 0;
  h->cx = 200;
  h->cy = 100;
  return t;  // no menu, the standard class, an empty title
}

// Builds the dialog and runs it in its own loop with the owner disabled.
int run_dialog(DialogSpec& spec, HWND owner) {
  DialogRun d;
  d.spec = &spec;
  d.owner = owner && IsWindow(owner) ? owner : nullptr;
  std::vector<WORD> tmpl = dialog_template(spec.multiline);
  HWND dlg = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(tmpl.data()),
                                        d.owner, dialog_proc, reinterpret_cast<LPARAM>(&d));
  if (!dlg) return kResultCancel;
  if (d.owner) EnableWindow(d.owner, FALSE);
  ShowWindow(dlg, SW_SHOW);
  SetForegroundWindow(dlg);
  SetFocus(d.edit);
  SendMessageW(d.edit, EM_SETSEL, 0, -1);
  MSG m;
  while (!d.done && IsWindow(dlg) && !run_over(spec.state)) {
    const BOOL got = GetMessageW(&m, nullptr, 0, 0);
    if (got == 0) {
      // The process is ending: leave the quit message to the main loop.
      PostQuitMessage(static_cast<int>(m.wParam));
      d.result = kResultCancel;
      break;
    }
    if (got < 0) break;
    if (spec.multiline && m.message == WM_KEYDOWN && m.hwnd == d.edit) {
      if (m.wParam == VK_ESCAPE) {
        end_dialog(d, kResultCancel);
        continue;
      }
      if (m.wParam == VK_TAB && !(GetKeyState(VK_CONTROL) & 0x8000)) {
        SetFocus(d.ok);
        continue;
      }
    }
    if (IsDialogMessageW(dlg, &m)) continue;
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  if (!d.done) d.result = kResultCancel;
  if (d.owner) EnableWindow(d.owner, TRUE);
  if (IsWindow(dlg)) DestroyWindow(dlg);
  return d.result;
}

class DialogRequest : public GuiRequest {
 public:
  explicit DialogRequest(DialogSpec& spec) : spec_(spec) {}
  LRESULT run(HWND owner) override { return run_dialog(spec_, owner); }

 private:
  DialogSpec& spec_;
};

// Runs the dialog on the main window's thread while this thread waits; with
// no main window (or on that thread itself) it runs here.
int show_dialog(Win32UiPort& port, DialogSpec& spec, UINT request) {
  HWND main = port.owner_for_box();
  if (!main || GetWindowThreadProcessId(main, nullptr) == GetCurrentThreadId()) return run_dialog(spec, main);
  DialogRequest r(spec);
  DWORD_PTR result = kResultCancel;
  if (!SendMessageTimeoutW(main, request, 0, reinterpret_cast<LPARAM>(static_cast<GuiRequest*>(&r)), SMTO_NORMAL,
                           INFINITE, &result))
    return kResultCancel;  // the window went away
  return result == kResultOk ? kResultOk : kResultCancel;
}

// An edit dialog for a request with a title, a prompt and a value; `s`
// comes with the value and what only this kind of request sets.  On OK the
// edited text becomes the request's value.
template <class Request>
int edit_dialog(Runtime& rt, Win32UiPort& port, DialogSpec& s, UINT request, Request& req) {
  s.title = wide(req.title);
  s.prompt = wide(req.prompt);
  s.state = &rt.state;
  const int r = show_dialog(port, s, request);
  if (r == kResultOk) req.value = u16(s.value);
  return r;
}

}  // namespace

void show_alert(Runtime& rt, std::u16string_view text, int seconds) {
  Win32UiPort* port = window_port(rt);
  if (!port) {
    rt.ui.alert(text);
    return;
  }
  HWND owner = port->owner_for_box();
  if (seconds <= 0) {
    StopWatch watch(rt.state);
    quorin_message_box(owner, text, MB_ICONWARNING);
    return;
  }
  Countdown c;
  c.seconds = seconds;
  c.cancel = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  Countdown* outer = t_countdown;
  t_countdown = &c;
  HHOOK hook = c.cancel ? SetWindowsHookExW(WH_CBT, countdown_hook, nullptr, GetCurrentThreadId()) : nullptr;
  {
    StopWatch watch(rt.state);
    quorin_message_box(owner, text, MB_ICONWARNING);
  }
  if (hook) UnhookWindowsHookEx(hook);
  finish_countdown(c);
  t_countdown = outer;
  if (c.cancel) CloseHandle(c.cancel);
}

int show_confirm(Runtime& rt, std::u16string_view text, int box_type) {
  Win32UiPort* port = window_port(rt);
  if (!port) {
    WindowsConsoleDialogs d;
    return d.confirm(text, box_type);
  }
  HWND owner = port->owner_for_box();
  StopWatch watch(rt.state);
  const int r = quorin_message_box(owner, text, static_cast<UINT>(confirm_box_type(box_type)) | MB_ICONQUESTION);
  return r == 0 ? kResultCancel : r;
}

int show_input(Runtime& rt, InputRequest& req) {
  Win32UiPort* port = window_port(rt);
  if (!port) {
    WindowsConsoleDialogs d;
    return d.input(req);
  }
  DialogSpec s;
  s.value = wide(cut_to_buffer(req.value));
  s.type = req.type;
  s.password = req.password;
  return edit_dialog(rt, *port, s, kMsgInputDialog, req);
}

int show_multiline(Runtime& rt, MultilineRequest& req) {
  Win32UiPort* port = window_port(rt);
  if (!port) {
    WindowsConsoleDialogs d;
    return d.multiline(req);
  }
  DialogSpec s;
  s.value = wide(req.value);
  s.multiline = true;
  s.max_length = req.max_length;
  s.width = req.width;
  s.height = req.height;
  return edit_dialog(rt, *port, s, kMsgInputDialogEx, req);
}

int start_program(Runtime&, std::u16string_view path, std::u16string_view args, std::u16string_view folder,
                  int show) {
  std::wstring file = wide(path);
  // Long paths go by their short form when the file system has one.
  if (file.size() > 247) {
    const DWORD n = GetShortPathNameW(file.c_str(), nullptr, 0);
    if (n > 0) {
      std::wstring shorter(n, L'\0');
      const DWORD m = GetShortPathNameW(file.c_str(), shorter.data(), n);
      if (m > 0 && m < n) file.assign(shorter.c_str(), m);
    }
  }
  const std::wstring a = wide(args), f = wide(folder);
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  HINSTANCE r = ShellExecuteW(nullptr, L"open", file.c_str(), a.empty() ? nullptr : a.c_str(),
                              f.empty() ? nullptr : f.c_str(), show);
  if (SUCCEEDED(com)) CoUninitialize();
  return static_cast<int>(reinterpret_cast<INT_PTR>(r));
}

bool beep_once() { return Beep(1000, 500) != 0; }

void beep_failed() {
  MessageBoxW(nullptr, L"【提示音】无法播放，请检查电脑声音播放设备是否正常工作。", L"Quorin",
              MB_OK | MB_ICONWARNING);
}

}  // namespace quorin
