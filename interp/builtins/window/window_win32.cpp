// The window builtins on Windows.  Every handle a script passes is a plain
// int; the system validates window handles itself.  Memory is different: a
// copy-data record or a global block is released or locked only when this
// run handed it out, so a wrong int can never free or touch foreign memory.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "builtins/collections/access.h"
#include "builtins/collections/objects.h"
#include "builtins/window/window_builtins.h"
#include "runtime/runtime.h"
#include "support/script_handle.h"

namespace quorin::window {

namespace {

HWND hw(int32_t h) { return int_to_handle<HWND__>(h); }
int32_t to_int(const void* p) { return handle_to_int(p); }
void set(IntRef r, int32_t v) { *static_cast<int32_t*>(r.addr) = v; }
int32_t get(IntRef r) { return *static_cast<const int32_t*>(r.addr); }

std::wstring wide(const Str& s) {
  std::u16string_view v = s.view();
  return std::wstring(v.begin(), v.end());
}
Str from_wide(const wchar_t* p, size_t n) { return Str(std::u16string(p, p + n)); }

// What this run allocated for its messages.
struct MemoryBlocks final : FamilyState {
  std::set<COPYDATASTRUCT*> records;
  std::set<HGLOBAL> globals;
  ~MemoryBlocks() override {
    for (COPYDATASTRUCT* c : records) delete c;
    // Global blocks may have been handed to the system (the clipboard takes
    // ownership of what it is given): they are left to the process's end.
  }
};

MemoryBlocks& blocks(Runtime& rt) {
  return rt.families.get<MemoryBlocks>([] { return std::make_unique<MemoryBlocks>(); });
}

HGLOBAL known_global(Runtime& rt, IntRef r) {
  HGLOBAL g = reinterpret_cast<HGLOBAL>(static_cast<intptr_t>(get(r)));
  MemoryBlocks& b = blocks(rt);
  return b.globals.count(g) ? g : nullptr;
}

// Calls `f` with this thread's input attached to `other`'s thread.
template <class F>
auto attached_to(DWORD other, F f) {
  const DWORD self = GetCurrentThreadId();
  const bool attach = other != 0 && other != self && AttachThreadInput(self, other, TRUE);
  auto r = f();
  if (attach) AttachThreadInput(self, other, FALSE);
  return r;
}

DWORD thread_of(HWND w) { return w ? GetWindowThreadProcessId(w, nullptr) : 0; }

void restore_if_minimised(HWND w) {
  if (IsIconic(w)) ShowWindow(w, SW_RESTORE);
}

ObjResult<tc::ArrayList> int_list(Runtime& rt, const std::vector<HWND>& items) {
  Object* list = collection_new(rt.objects, tc::ArrayList, tc::Int);
  auto* a = static_cast<ArrayListObj*>(list);
  a->reset_capacity(static_cast<int32_t>(std::max<size_t>(10, std::min<size_t>(items.size(), 1000000))), 10);
  for (HWND h : items) {
    Payload p;
    p.bits = 0;
    p.i = to_int(h);
    a->push_back(Box(a->ops, p));
  }
  return ObjResult<tc::ArrayList>{list};
}

BOOL CALLBACK collect(HWND h, LPARAM out) {
  if (!h) return FALSE;  // the enumeration ends at a null handle
  reinterpret_cast<std::vector<HWND>*>(out)->push_back(h);
  return TRUE;
}

constexpr UINT kTextFlags = SMTO_ABORTIFHUNG | SMTO_BLOCK;
constexpr UINT kTextTimeout = 500;
constexpr DWORD_PTR kTextLimit = 1u << 24;  // characters read at most

int32_t rect_out(BOOL ok, const RECT& r, IntRef l, IntRef t, IntRef rr, IntRef b) {
  if (ok) {
    set(l, r.left);
    set(t, r.top);
    set(rr, r.right);
    set(b, r.bottom);
  }
  return ok ? 1 : 0;
}

// Two results written only when the call succeeded; 1 or 0 for the script.
int32_t pair_out(BOOL ok, IntRef a, IntRef b, int32_t va, int32_t vb) {
  if (ok) {
    set(a, va);
    set(b, vb);
  }
  return ok ? 1 : 0;
}

// The point in (x, y) turned from one window's coordinates into another's
// by `Convert` (ScreenToClient or ClientToScreen).
template <auto Convert>
int32_t map_point(int32_t h, IntRef x, IntRef y) {
  POINT p{get(x), get(y)};
  const BOOL ok = Convert(hw(h), &p);
  return pair_out(ok, x, y, p.x, p.y);
}

}  // namespace

void window_hide(Runtime& rt) {
  if (HWND m = hw(rt.ui.main_window_handle())) ShowWindow(m, SW_HIDE);
}
void window_minimize(Runtime& rt) {
  if (HWND m = hw(rt.ui.main_window_handle())) ShowWindow(m, SW_MINIMIZE);
}
int32_t window_show(Runtime&, int32_t h, int32_t cmd) { return ShowWindow(hw(h), cmd); }
int32_t window_top(Runtime&, int32_t h, int32_t on) {
  return SetWindowPos(hw(h), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
int32_t window_set_size(Runtime&, int32_t h, int32_t w, int32_t ht) {
  return SetWindowPos(hw(h), nullptr, 0, 0, w, ht, SWP_NOZORDER | SWP_NOMOVE);
}
int32_t window_set_position(Runtime&, int32_t h, int32_t x, int32_t y) {
  return SetWindowPos(hw(h), nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
}
int32_t window_set_pos(Runtime&, int32_t h, int32_t after, int32_t x, int32_t y, int32_t w, int32_t ht, int32_t flags) {
  return SetWindowPos(hw(h), hw(after), x, y, w, ht, static_cast<UINT>(flags));
}
int32_t window_get_window_rect(Runtime&, int32_t h, IntRef l, IntRef t, IntRef r, IntRef b) {
  RECT rc{};
  return rect_out(GetWindowRect(hw(h), &rc), rc, l, t, r, b);
}
int32_t window_get_client_rect(Runtime&, int32_t h, IntRef l, IntRef t, IntRef r, IntRef b) {
  RECT rc{};
  return rect_out(GetClientRect(hw(h), &rc), rc, l, t, r, b);
}
int32_t window_get_size(Runtime&, int32_t h, IntRef w, IntRef ht) {
  RECT rc{};
  const BOOL ok = GetWindowRect(hw(h), &rc);
  return pair_out(ok, w, ht, rc.right - rc.left, rc.bottom - rc.top);
}
int32_t window_get_position_on_screen(Runtime&, int32_t h, IntRef x, IntRef y) {
  RECT rc{};
  const BOOL ok = GetWindowRect(hw(h), &rc);
  return pair_out(ok, x, y, rc.left, rc.top);
}
int32_t window_screen_to_client(Runtime&, int32_t h, IntRef x, IntRef y) {
  return map_point<ScreenToClient>(h, x, y);
}
int32_t window_client_to_screen(Runtime&, int32_t h, IntRef x, IntRef y) {
  return map_point<ClientToScreen>(h, x, y);
}
int32_t window_enable(Runtime&, int32_t h, int32_t on) { return EnableWindow(hw(h), on != 0); }

int32_t window_set_active(Runtime&, int32_t h) {
  HWND w = hw(h);
  restore_if_minimised(w);
  return to_int(attached_to(thread_of(w), [&] { return SetActiveWindow(w); }));
}
int32_t window_set_foreground(Runtime&, int32_t h) {
  HWND w = hw(h);
  restore_if_minimised(w);
  return attached_to(thread_of(GetForegroundWindow()), [&] { return SetForegroundWindow(w); });
}
int32_t window_set_focus(Runtime&, int32_t h) {
  HWND w = hw(h);
  return to_int(attached_to(thread_of(w), [&] { return SetFocus(w); }));
}
int32_t window_set_text(Runtime&, int32_t h, const Str& text) {
  std::wstring t = wide(text);
  return static_cast<int32_t>(SendMessageW(hw(h), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(t.c_str())));
}
int32_t window_get_desktop(Runtime&) { return to_int(GetDesktopWindow()); }
int32_t window_get_active(Runtime&) { return to_int(GetActiveWindow()); }
int32_t window_get_foreground(Runtime&) { return to_int(GetForegroundWindow()); }
int32_t window_get_focus(Runtime&) {
  return to_int(attached_to(thread_of(GetForegroundWindow()), [] { return GetFocus(); }));
}
int32_t window_get_from_point(Runtime&, int32_t x, int32_t y) { return to_int(WindowFromPoint(POINT{x, y})); }
int32_t window_get(Runtime&, int32_t h, int32_t cmd) { return to_int(GetWindow(hw(h), static_cast<UINT>(cmd))); }

ObjResult<tc::ArrayList> window_get_child_list(Runtime& rt, int32_t h) {
  std::vector<HWND> found;
  EnumChildWindows(hw(h), collect, reinterpret_cast<LPARAM>(&found));
  return int_list(rt, found);
}
ObjResult<tc::ArrayList> window_get_top_level_list(Runtime& rt) {
  std::vector<HWND> found;
  EnumWindows(collect, reinterpret_cast<LPARAM>(&found));
  return int_list(rt, found);
}

int32_t window_redraw(Runtime&, int32_t h, int32_t l, int32_t t, int32_t r, int32_t b, int32_t flags) {
  RECT rc{l, t, r, b};
  const bool whole = l == 0 && t == 0 && r == 0 && b == 0;
  return RedrawWindow(hw(h), whole ? nullptr : &rc, nullptr, static_cast<UINT>(flags));
}
int32_t invalidate_rect(Runtime&, int32_t h, int32_t l, int32_t t, int32_t r, int32_t b, int32_t erase) {
  RECT rc{l, t, r, b};
  const bool whole = l == 0 && t == 0 && r == 0 && b == 0;
  return InvalidateRect(hw(h), whole ? nullptr : &rc, erase != 0);
}
int32_t window_is_iconic(Runtime&, int32_t h) { return IsIconic(hw(h)); }
int32_t window_is_zoomed(Runtime&, int32_t h) { return IsZoomed(hw(h)); }
int32_t window_is_visible(Runtime&, int32_t h) { return IsWindowVisible(hw(h)); }
int32_t window_is_enabled(Runtime&, int32_t h) { return IsWindowEnabled(hw(h)); }
int32_t window_is_button_checked(Runtime&, int32_t h) {
  return static_cast<int32_t>(SendMessageW(hw(h), BM_GETCHECK, 0, 0));
}
void window_set_button_checked(Runtime&, int32_t h, int32_t state) {
  SendMessageW(hw(h), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}
int32_t window_get_combo_box_selected_index(Runtime&, int32_t h) {
  return static_cast<int32_t>(SendMessageW(hw(h), CB_GETCURSEL, 0, 0));
}
int32_t window_set_combo_box_selected_index(Runtime&, int32_t h, int32_t index) {
  return static_cast<int32_t>(SendMessageW(hw(h), CB_SETCURSEL, static_cast<WPARAM>(index), 0));
}
int32_t window_set_combo_box_selected_text(Runtime&, int32_t h, const Str& text) {
  std::wstring t = wide(text);
  return static_cast<int32_t>(
      SendMessageW(hw(h), CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(t.c_str())));
}
int32_t window_get_parent(Runtime&, int32_t h) { return to_int(GetParent(hw(h))); }
int32_t window_get_id(Runtime&, int32_t h) { return GetDlgCtrlID(hw(h)); }
int32_t window_get_item(Runtime&, int32_t h, int32_t id) { return to_int(GetDlgItem(hw(h), id)); }
int32_t window_get_next_group_item(Runtime&, int32_t dlg, int32_t ctl, int32_t previous) {
  return to_int(GetNextDlgGroupItem(hw(dlg), hw(ctl), previous != 0));
}
int32_t window_get_next_tab_item(Runtime&, int32_t dlg, int32_t ctl, int32_t previous) {
  return to_int(GetNextDlgTabItem(hw(dlg), hw(ctl), previous != 0));
}

Str window_get_class_name(Runtime&, int32_t h) {
  wchar_t buf[256];
  int n = GetClassNameW(hw(h), buf, 256);
  return n > 0 ? from_wide(buf, static_cast<size_t>(n)) : Str();
}

// Two sends with a time-out each: a window whose thread is blocked yields ""
// instead of holding the script.
Str window_get_text(Runtime&, int32_t h) {
  HWND w = hw(h);
  DWORD_PTR len = 0;
  if (!SendMessageTimeoutW(w, WM_GETTEXTLENGTH, 0, 0, kTextFlags, kTextTimeout, &len)) return Str();
  if (len == 0) return Str();
  if (len > kTextLimit) len = kTextLimit;
  std::vector<wchar_t> buf(len + 1, L'\0');
  DWORD_PTR got = 0;
  if (!SendMessageTimeoutW(w, WM_GETTEXT, static_cast<WPARAM>(len + 1), reinterpret_cast<LPARAM>(buf.data()),
                           kTextFlags, kTextTimeout, &got))
    return Str();
  if (got > len) got = len;
  return from_wide(buf.data(), static_cast<size_t>(got));
}

int32_t window_find(Runtime&, const Str& cls, const Str& title) {
  std::wstring c = wide(cls), t = wide(title);
  return to_int(FindWindowW(c.empty() ? nullptr : c.c_str(), t.c_str()));
}
int32_t window_find_ex(Runtime&, int32_t parent, int32_t after, const Str& cls, const Str& title) {
  std::wstring c = wide(cls), t = wide(title);
  return to_int(FindWindowExW(hw(parent), hw(after), c.empty() ? nullptr : c.c_str(), t.c_str()));
}

int32_t window_send_message(Runtime&, int32_t h, int32_t msg, int32_t wparam, int32_t lparam) {
  return static_cast<int32_t>(SendMessageW(
      hw(h), static_cast<UINT>(msg), static_cast<WPARAM>(static_cast<uint32_t>(wparam)), static_cast<LPARAM>(lparam)));
}
int32_t window_send_message_timeout(Runtime&, int32_t h, int32_t msg, int32_t wparam, int32_t lparam, int32_t flags,
                                    int32_t timeout, IntRef result) {
  DWORD_PTR r = 0;
  LRESULT ok =
      SendMessageTimeoutW(hw(h), static_cast<UINT>(msg), static_cast<WPARAM>(static_cast<uint32_t>(wparam)),
                          static_cast<LPARAM>(lparam), static_cast<UINT>(flags), static_cast<UINT>(timeout), &r);
  set(result, static_cast<int32_t>(r));
  return static_cast<int32_t>(ok);
}
int32_t window_post_message(Runtime&, int32_t h, int32_t msg, int32_t wparam, int32_t lparam) {
  return PostMessageW(hw(h), static_cast<UINT>(msg), static_cast<WPARAM>(static_cast<uint32_t>(wparam)),
                      static_cast<LPARAM>(lparam));
}
int32_t register_window_message(Runtime&, const Str& name) {
  std::wstring n = wide(name);
  return static_cast<int32_t>(RegisterWindowMessageW(n.c_str()));
}

// ---- copy-data records ----
int32_t make_copy_data(Runtime& rt, int32_t data, int32_t pointer, int32_t bytes) {
  auto* c = new (std::nothrow) COPYDATASTRUCT{};
  if (!c) return 0;
  c->dwData = static_cast<ULONG_PTR>(static_cast<uint32_t>(data));
  c->cbData = static_cast<DWORD>(bytes);
  c->lpData = reinterpret_cast<PVOID>(static_cast<intptr_t>(pointer));
  blocks(rt).records.insert(c);
  return to_int(c);
}

// Releases a record that this run made and clears the variable; any other
// value is left alone.
void free_block(Runtime& rt, IntRef p) {
  auto* c = reinterpret_cast<COPYDATASTRUCT*>(static_cast<intptr_t>(get(p)));
  MemoryBlocks& b = blocks(rt);
  auto it = b.records.find(c);
  if (it == b.records.end()) return;
  b.records.erase(it);
  delete c;
  set(p, 0);
}

// ---- global memory ----
namespace {
// A block of `size` bytes starting with the `n` given bytes; the rest is
// zero.
int32_t global_with(Runtime& rt, UINT flags, size_t size, const void* data, size_t n) {
  HGLOBAL g = GlobalAlloc(flags, size);
  if (!g) return 0;
  if (void* p = GlobalLock(g)) {
    if (n) std::memcpy(p, data, n);
    if (size > n) std::memset(static_cast<char*>(p) + n, 0, size - n);
    GlobalUnlock(g);
  } else {
    GlobalFree(g);
    return 0;
  }
  blocks(rt).globals.insert(g);
  return to_int(g);
}
}  // namespace

int32_t global_alloc_string(Runtime& rt, int32_t flags, const Str& text) {
  std::u16string t(text.view());
  const size_t bytes = (t.size() + 1) * sizeof(char16_t);
  return global_with(rt, static_cast<UINT>(flags), bytes, t.c_str(), bytes);
}

// A block of n bytes; only the bytes the array holds are copied (the rest
// of the block is zero), never anything beyond the array.
int32_t global_alloc_byte_array(Runtime& rt, int32_t flags, ByteArray bytes, int32_t n) {
  if (n < 0) return 0;
  size_t have = bytes.array && bytes.array->data ? bytes.array->count : 0;
  size_t k = std::min(static_cast<size_t>(n), have);
  return global_with(rt, static_cast<UINT>(flags), static_cast<size_t>(n), k ? bytes.array->data : nullptr, k);
}

int32_t global_size(Runtime& rt, IntRef h) {
  HGLOBAL g = known_global(rt, h);
  return g ? static_cast<int32_t>(GlobalSize(g)) : 0;
}
int32_t global_lock(Runtime& rt, IntRef h) {
  HGLOBAL g = known_global(rt, h);
  return g ? to_int(GlobalLock(g)) : 0;
}
int32_t global_unlock(Runtime& rt, IntRef h) {
  HGLOBAL g = known_global(rt, h);
  return g ? GlobalUnlock(g) : 0;
}
// Returns 0 when the block was released; a block this run did not hand out
// is not touched and its value comes back, as the system reports a failure.
int32_t global_free(Runtime& rt, IntRef h) {
  HGLOBAL g = known_global(rt, h);
  if (!g) return get(h);
  HGLOBAL r = GlobalFree(g);
  if (!r) blocks(rt).globals.erase(g);
  return to_int(r);
}

}  // namespace quorin::window
