// The standard open, save and folder dialogs, owned by the main window.
// When the script names no initial folder the dialogs start where the last
// confirmed one left off (value "file_dlg_script_file" under
// HKEY_CURRENT_USER "SOFTWARE\\Quorin").
#include <windows.h>
#include <commdlg.h>
#include <ole2.h>
#include <shlobj.h>

#include <string>

#include "builtins/files/file_builtins.h"
#include "builtins/files/paths.h"
#include "support/format.h"

namespace quorin::file_builtins {

namespace {

constexpr wchar_t kKey[] = L"SOFTWARE\\Quorin";
constexpr wchar_t kLastFolder[] = L"file_dlg_script_file";

std::wstring wide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
std::u16string u16(std::wstring_view s) { return std::u16string(s.begin(), s.end()); }

HWND owner_of(Runtime& rt) { return reinterpret_cast<HWND>(static_cast<intptr_t>(rt.ui.main_window_handle())); }

std::wstring read_last_folder() {
  wchar_t buf[1024] = {};
  DWORD size = sizeof(buf) - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, kKey, kLastFolder, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS)
    return {};
  DWORD a = GetFileAttributesW(buf);
  if (a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_DIRECTORY)) return {};
  return buf;
}

void write_last_folder(std::u16string_view chosen_file) {
  std::wstring folder = wide(files::folder_of(chosen_file));
  if (folder.empty()) return;
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  RegSetValueExW(key, kLastFolder, 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                 static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

// The initial folder as the dialog takes it: the short form for a long path,
// the remembered folder when the script gives none.
std::wstring initial_folder(std::u16string_view given) {
  if (given.empty()) return read_last_folder();
  if (given.size() >= files::limit::Dialog) {
    std::wstring w = wide(given);
    DWORD n = GetShortPathNameW(w.c_str(), nullptr, 0);
    if (n) {
      std::wstring s(n, L'\0');
      n = GetShortPathNameW(w.c_str(), s.data(), n);
      s.resize(n);
      return s;
    }
  }
  return wide(given);
}

// The variable's text as the initial file name: without trailing "\", and
// not at all when only two or three characters remain (a bare drive).
std::wstring initial_name(const StrRef& path) {
  std::u16string_view p = str_view(*static_cast<StrRep* const*>(path.addr));
  while (!p.empty() && p.back() == u'\\') p.remove_suffix(1);
  if (p.size() == 2 || p.size() == 3) return {};
  return wide(p);
}

struct FileDialog {
  std::wstring title, folder, filter, extension, buffer;
  DWORD flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;

  bool show(Runtime& rt, bool save) {
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner_of(rt);
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size() - 1);
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = flags;
    return save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  }
};

int32_t open_dialog(Runtime& rt, const Str& title, StrRef path, const Str& folder, const Str& filter) {
  FileDialog d;
  d.title = wide(title.view());
  d.folder = initial_folder(folder.view());
  if (!filter.empty()) d.filter = wide(files::dialog_filter(filter.view()));
  d.flags |= OFN_FILEMUSTEXIST;
  d.buffer.assign(32768, L'\0');
  std::wstring name = initial_name(path);
  name.copy(d.buffer.data(), std::min<size_t>(name.size(), 32767));
  if (!d.show(rt, false) || !d.buffer[0]) return 0;
  std::u16string chosen = u16(d.buffer.c_str());
  store_text(path, chosen);
  write_last_folder(chosen);
  return 1;
}

int32_t multi_dialog(Runtime& rt, const Str& title, ListArg list, const Str& folder, const Str& filter) {
  if (!append_texts(list, {})) return 0;  // not a list of string
  FileDialog d;
  d.title = wide(title.view());
  d.folder = initial_folder(folder.view());
  if (!filter.empty()) d.filter = wide(files::dialog_filter(filter.view()));
  d.flags |= OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT;
  d.buffer.assign(8388608, L'\0');
  if (!d.show(rt, false) || !d.buffer[0]) return 0;
  std::vector<std::u16string> chosen = files::split_multi_select(u16(std::wstring_view(d.buffer.data(), d.buffer.size())));
  append_texts(list, chosen);
  if (!chosen.empty()) write_last_folder(chosen.front());
  return 1;
}

int32_t save_dialog(Runtime& rt, const Str& title, StrRef path, const Str& folder, const Str& filter,
                    const Str& extension) {
  FileDialog d;
  d.title = wide(title.view());
  d.folder = initial_folder(folder.view());
  d.filter = wide(files::dialog_filter(filter.empty() ? std::u16string_view(u"所有文件 (*.*)|*.*") : filter.view()));
  std::u16string_view ext = extension.view();
  if (!ext.empty() && ext.front() == u'.') ext.remove_prefix(1);
  d.extension = wide(ext);
  d.flags |= OFN_OVERWRITEPROMPT;
  d.buffer.assign(32768, L'\0');
  std::wstring name = initial_name(path);
  name.copy(d.buffer.data(), std::min<size_t>(name.size(), 32767));
  if (!d.show(rt, true) || !d.buffer[0]) return 0;
  std::u16string chosen = u16(d.buffer.c_str());
  store_text(path, chosen);
  write_last_folder(chosen);
  return 1;
}

// ---- the folder browser ----

// The size Explorer remembers for the browser, adjusted once per process.
struct BrowserSize {
  bool known = false;
  int w = 0, h = 0;
};

BrowserSize remembered_size() {
  static const BrowserSize size = [] {
    BrowserSize s;
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int sw = work.right - work.left, sh = work.bottom - work.top;
    DWORD w = 0, h = 0, len = sizeof(DWORD);
    const wchar_t* key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
    const bool has_w =
        RegGetValueW(HKEY_CURRENT_USER, key, L"Browse For Folder Width", RRF_RT_REG_DWORD, nullptr, &w, &len) ==
        ERROR_SUCCESS;
    len = sizeof(DWORD);
    const bool has_h =
        RegGetValueW(HKEY_CURRENT_USER, key, L"Browse For Folder Height", RRF_RT_REG_DWORD, nullptr, &h, &len) ==
        ERROR_SUCCESS;
    if (has_w && has_h && static_cast<int>(w) < sw * 40 / 100 && static_cast<int>(h) < sh * 55 / 100) {
      s = BrowserSize{true, sw * 40 / 100, sh * 55 / 100};
    } else if (has_w && has_h && static_cast<int>(w) < sw && static_cast<int>(h) < sh) {
      s = BrowserSize{true, static_cast<int>(w), static_cast<int>(h)};
    }
    return s;
  }();
  return size;
}

struct BrowseContext {
  std::wstring start;
  std::wstring selected;  // the path the edit box shows for the selection
  WNDPROC dialog_proc = nullptr;
  ULONG notify = 0;
};

constexpr wchar_t kContextProp[] = L"QuorinBrowseContext";
constexpr UINT kShellChanged = WM_APP + 0x51;

std::wstring path_of(LPCITEMIDLIST pidl) {
  wchar_t buf[MAX_PATH * 4] = {};
  if (!pidl || !SHGetPathFromIDListW(pidl, buf)) return {};
  return buf;
}

// `path` at or below `folder`: the rest after it ("" for the folder itself).
bool below(const std::wstring& path, const std::wstring& folder, std::wstring& rest) {
  std::u16string r;
  if (!files::path_below(u16(path), u16(folder), r)) return false;
  rest = wide(r);
  return true;
}

// The browser's edit box (its control number differs between systems).
// The dialog keeps it showing the selected folder's path.
HWND edit_box(HWND dlg) {
  for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t cls[16] = {};
    GetClassNameW(c, cls, 16);
    if (lstrcmpiW(cls, L"Edit") == 0) return c;
  }
  return nullptr;
}

void show_path(HWND dlg, BrowseContext* ctx, const std::wstring& path) {
  ctx->selected = path;
  SendMessageW(dlg, BFFM_ENABLEOK, 0, path.empty() ? 0 : 1);
  if (HWND edit = edit_box(dlg)) SetWindowTextW(edit, path.c_str());
}

// Changes below the selection reported by the shell: a renamed folder on
// the selected path renames the path shown, a removed one clears it.
void follow_change(HWND dlg, BrowseContext* ctx, WPARAM wp, LPARAM lp) {
  PIDLIST_ABSOLUTE* pidls = nullptr;
  LONG event = 0;
  HANDLE lock = SHChangeNotification_Lock(reinterpret_cast<HANDLE>(wp), static_cast<DWORD>(lp), &pidls, &event);
  if (!lock) return;
  std::wstring rest;
  if (event == SHCNE_RENAMEFOLDER && pidls) {
    std::wstring from = path_of(pidls[0]), to = path_of(pidls[1]);
    if (!to.empty() && below(ctx->selected, from, rest)) show_path(dlg, ctx, to + rest);
  } else if (event == SHCNE_RMDIR && pidls) {
    if (below(ctx->selected, path_of(pidls[0]), rest)) show_path(dlg, ctx, L"");
  }
  SHChangeNotification_Unlock(lock);
}

LRESULT CALLBACK browse_proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* ctx = static_cast<BrowseContext*>(GetPropW(dlg, kContextProp));
  if (!ctx) return DefWindowProcW(dlg, msg, wp, lp);
  const WNDPROC next = ctx->dialog_proc;
  if (msg == kShellChanged) {
    follow_change(dlg, ctx, wp, lp);
    return 0;
  }
  if (msg == WM_DESTROY) {
    if (ctx->notify) SHChangeNotifyDeregister(ctx->notify);
    ctx->notify = 0;
    SetWindowLongPtrW(dlg, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(next));
    RemovePropW(dlg, kContextProp);
  }
  return CallWindowProcW(next, dlg, msg, wp, lp);
}

// Starts following the shell's notifications of folder changes.
void watch_changes(HWND dlg, BrowseContext* ctx) {
  SetPropW(dlg, kContextProp, ctx);
  ctx->dialog_proc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(dlg, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(browse_proc)));
  SHChangeNotifyEntry entry{nullptr, TRUE};  // the desktop and everything below it
  ctx->notify = SHChangeNotifyRegister(dlg, SHCNRF_ShellLevel | SHCNRF_InterruptLevel | SHCNRF_NewDelivery,
                                       SHCNE_RENAMEFOLDER | SHCNE_RMDIR, kShellChanged, 1, &entry);
}

int CALLBACK browse_callback(HWND dlg, UINT msg, LPARAM lp, LPARAM data) {
  auto* ctx = reinterpret_cast<BrowseContext*>(data);
  switch (msg) {
    case BFFM_INITIALIZED: {
      BrowserSize s = remembered_size();
      if (s.known) {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        SetWindowPos(dlg, nullptr, work.left + (work.right - work.left - s.w) / 2,
                     work.top + (work.bottom - work.top - s.h) / 2, s.w, s.h, SWP_NOZORDER | SWP_NOACTIVATE);
      }
      watch_changes(dlg, ctx);
      if (!ctx->start.empty()) SendMessageW(dlg, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(ctx->start.c_str()));
      break;
    }
    case BFFM_SELCHANGED:
      show_path(dlg, ctx, path_of(reinterpret_cast<LPCITEMIDLIST>(lp)));
      break;
    case BFFM_VALIDATEFAILEDW: {
      std::u16string text = format16(u"文件夹 '%s' 不存在", u16(reinterpret_cast<const wchar_t*>(lp)));
      MessageBoxW(dlg, wide(text).c_str(), L"提示", MB_OK | MB_ICONERROR);
      return 1;  // keep the dialog open
    }
    default:
      break;
  }
  return 0;
}

int32_t folder_dialog(Runtime& rt, const Str& title, StrRef path, bool allow_new_folder) {
  const HRESULT ole = OleInitialize(nullptr);
  BrowseContext ctx;
  ctx.start = initial_folder(str_view(*static_cast<StrRep* const*>(path.addr)));
  std::wstring caption = wide(title.view());
  wchar_t display[MAX_PATH] = {};
  BROWSEINFOW bi{};
  bi.hwndOwner = owner_of(rt);
  bi.pszDisplayName = display;
  bi.lpszTitle = caption.c_str();
  bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;
  if (!allow_new_folder) bi.ulFlags |= BIF_NONEWFOLDERBUTTON;
  bi.lpfn = browse_callback;
  bi.lParam = reinterpret_cast<LPARAM>(&ctx);
  LPITEMIDLIST pidl = SHBrowseForFolderW(&bi);
  int32_t result = 0;
  if (pidl) {
    wchar_t buf[MAX_PATH * 4] = {};
    if (SHGetPathFromIDListW(pidl, buf) && buf[0]) {
      store_text(path, u16(buf));
      result = 1;
    }
    CoTaskMemFree(pidl);
  }
  if (SUCCEEDED(ole)) OleUninitialize();
  return result;
}

}  // namespace

int32_t file_dialog_show_open(Runtime& rt, const Str& title, StrRef path) {
  return open_dialog(rt, title, path, Str(), Str());
}
int32_t file_dialog_show_open_in(Runtime& rt, const Str& title, StrRef path, const Str& folder) {
  return open_dialog(rt, title, path, folder, Str());
}
int32_t file_dialog_show_open_filter(Runtime& rt, const Str& title, StrRef path, const Str& folder,
                                     const Str& filter) {
  return open_dialog(rt, title, path, folder, filter);
}
int32_t file_dialog_show_open_multi(Runtime& rt, const Str& title, ListArg list) {
  return multi_dialog(rt, title, list, Str(), Str());
}
int32_t file_dialog_show_open_multi_in(Runtime& rt, const Str& title, ListArg list, const Str& folder) {
  return multi_dialog(rt, title, list, folder, Str());
}
int32_t file_dialog_show_open_multi_filter(Runtime& rt, const Str& title, ListArg list, const Str& folder,
                                           const Str& filter) {
  return multi_dialog(rt, title, list, folder, filter);
}
int32_t file_dialog_show_save(Runtime& rt, const Str& title, StrRef path) {
  return save_dialog(rt, title, path, Str(), Str(), Str());
}
int32_t file_dialog_show_save_in(Runtime& rt, const Str& title, StrRef path, const Str& folder) {
  return save_dialog(rt, title, path, folder, Str(), Str());
}
int32_t file_dialog_show_save_filter(Runtime& rt, const Str& title, StrRef path, const Str& folder,
                                     const Str& filter) {
  return save_dialog(rt, title, path, folder, filter, Str());
}
int32_t file_dialog_show_save_ext(Runtime& rt, const Str& title, StrRef path, const Str& folder, const Str& filter,
                                  const Str& extension) {
  return save_dialog(rt, title, path, folder, filter, extension);
}
int32_t folder_dialog_show(Runtime& rt, const Str& title, StrRef path) { return folder_dialog(rt, title, path, false); }
int32_t folder_dialog_show_new(Runtime& rt, const Str& title, StrRef path, int32_t allow_new_folder) {
  return folder_dialog(rt, title, path, allow_new_folder != 0);
}

}  // namespace quorin::file_builtins
