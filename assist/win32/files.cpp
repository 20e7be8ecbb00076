// Action files, the settings folder in the registry, the clipboard and the
// web pages of the code-assist tool.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <string>

#include "assist/fz_file.h"
#include "assist/win32/app.h"

namespace quorin::assist {

namespace {

constexpr char kSettingsKey[] = "SOFTWARE\\Quorin";
constexpr char kSettingsValue[] = "file_dlg_choose_fz_file";
constexpr char kFilter[] = "Quorin 代码辅助文件 (*.fz)\0*.fz\0";

bool folder_exists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

enum class ReadResult { Ok, CannotOpen, ReadFailed };

ReadResult read_whole(const std::string& path, std::string& out) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return ReadResult::CannotOpen;
  LARGE_INTEGER size{};
  // Action files are small; anything beyond 64 MB is not one.
  if (!GetFileSizeEx(f, &size) || size.QuadPart > (64 << 20)) {
    CloseHandle(f);
    return ReadResult::ReadFailed;
  }
  out.assign(static_cast<size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  bool ok = out.empty() || (ReadFile(f, out.data(), static_cast<DWORD>(out.size()), &got, nullptr) &&
                            got == out.size());
  CloseHandle(f);
  return ok ? ReadResult::Ok : ReadResult::ReadFailed;
}

enum class WriteResult { Ok, CannotOpen, WriteFailed };

// Writes through a temporary file beside the target and then replaces the
// target, so a failure half-way leaves the user's file as it was.
WriteResult write_replacing(const std::string& path, const std::string& text) {
  std::string temp = path + ".tmp~";
  HANDLE f = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return WriteResult::CannotOpen;
  DWORD put = 0;
  bool ok = text.empty() ||
            (WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &put, nullptr) && put == text.size());
  ok = FlushFileBuffers(f) && ok;
  CloseHandle(f);
  if (ok) ok = MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) {
    DeleteFileA(temp.c_str());
    return WriteResult::WriteFailed;
  }
  return WriteResult::Ok;
}

bool choose_file(bool save, const char* title, std::string& out) {
  App& a = app();
  char name[MAX_PATH] = {};
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = a.main;
  ofn.lpstrFilter = kFilter;
  ofn.lpstrFile = name;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = title;
  ofn.lpstrInitialDir = a.settings_folder.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  if (save) ofn.lpstrDefExt = "fz";
  if (!(save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn))) return false;
  out = name;
  if (save && (out.size() < 3 || lstrcmpiA(out.c_str() + out.size() - 3, ".fz") != 0)) out += ".fz";
  size_t cut = out.find_last_of('\\');
  if (cut != std::string::npos) a.settings_folder = out.substr(0, cut);
  return true;
}

bool write_to(const std::string& path) {
  WriteResult r = write_replacing(path, serialize_fz(app().actions));
  if (r == WriteResult::CannotOpen) {
    MessageBoxA(app().main, "写入文件时出错，文件句柄打开出错", "错误", MB_OK | MB_ICONERROR);
    return false;
  }
  if (r == WriteResult::WriteFailed) {
    MessageBoxA(app().main, "写入文件时出错", "错误", MB_OK | MB_ICONERROR);
    return false;
  }
  return true;
}

}  // namespace

bool is_modified() {
  App& a = app();
  if (a.file.empty()) return a.actions.has_actions();
  std::string content;
  if (read_whole(a.file, content) != ReadResult::Ok) return a.actions.has_actions();
  return content != serialize_fz(a.actions);
}

bool save_if_modified(bool with_cancel) {
  if (!is_modified()) return true;
  int r = MessageBoxA(app().main, "内容已更改，是否保存更改？", "询问",
                      (with_cancel ? MB_YESNOCANCEL : MB_YESNO) | MB_ICONQUESTION);
  if (r == IDCANCEL) return false;
  if (r == IDYES) return save_document(false) || !with_cancel;
  return true;
}

void new_document() {
  if (!save_if_modified(true)) return;
  App& a = app();
  a.actions.reset();
  a.file.clear();
  refresh_list();
  select_row(0);
  set_caption();
}

void open_document() {
  App& a = app();
  save_if_modified(false);
  std::string path;
  if (!choose_file(false, "打开", path)) return;
  // The list is cleared before reading; after a failure it stays empty.
  a.actions.reset();
  a.file.clear();
  refresh_list();
  select_row(0);
  set_caption();
  std::string content;
  ReadResult r = read_whole(path, content);
  if (r == ReadResult::CannotOpen) {
    MessageBoxA(a.main, "读取文件时出错, 无法打开文件句柄", "提示", MB_OK | MB_ICONERROR);
    return;
  }
  if (r == ReadResult::ReadFailed) {
    MessageBoxA(a.main, "读取文件时出错", "提示", MB_OK | MB_ICONERROR);
    return;
  }
  auto items = parse_fz(content);
  if (!items) {
    MessageBoxA(a.main, "文件格式不对！", "提示", MB_OK | MB_ICONERROR);
    return;
  }
  a.actions.load(std::move(*items));
  a.file = path;
  refresh_list();
  select_row(0);
  set_caption();
}

bool save_document(bool save_as) {
  App& a = app();
  std::string path = a.file;
  if (save_as || path.empty()) {
    if (!choose_file(true, save_as ? "另存为" : "保存到", path)) return false;
  }
  if (!write_to(path)) return false;
  a.file = path;
  set_caption();
  update_controls();
  return true;
}

void load_settings() {
  App& a = app();
  std::string fallback = a.program_folder + "\\辅助文件";
  CreateDirectoryA(fallback.c_str(), nullptr);
  a.settings_folder = fallback;
  char value[MAX_PATH] = {};
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, kSettingsValue, RRF_RT_REG_SZ, nullptr, value, &size) ==
          ERROR_SUCCESS &&
      value[0] && folder_exists(value))
    a.settings_folder = value;
}

void store_settings() {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  const std::string& v = app().settings_folder;
  RegSetValueExA(key, kSettingsValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(v.c_str()),
                 static_cast<DWORD>(v.size() + 1));
  RegCloseKey(key);
}

void copy_text(const std::string& ansi) {
  // Another program may hold the clipboard for a moment.
  bool open = false;
  for (int i = 0; i < 50 && !(open = OpenClipboard(app().main)); ++i) Sleep(20);
  if (!open) return;
  EmptyClipboard();
  if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, ansi.size() + 1)) {
    if (void* p = GlobalLock(mem)) {
      memcpy(p, ansi.c_str(), ansi.size() + 1);
      GlobalUnlock(mem);
      if (!SetClipboardData(CF_TEXT, mem)) GlobalFree(mem);
    } else {
      GlobalFree(mem);
    }
  }
  CloseClipboard();
}

// The pages are the README shipped beside the program; the browser is the
// program registered for local HTML files, found through an empty
// temp.html, with the shell as the fallback.
void open_web_page(const char* section) {
  App& a = app();
  std::string folder = a.program_folder;
  std::string url = "file:///";
  for (char c : folder) url += c == '\\' ? '/' : c;
  url += "/README.md";
  if (section) url += section;
  std::string probe = folder + "\\temp.html";
  HANDLE f = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
  char exe[MAX_PATH] = {};
  if (reinterpret_cast<INT_PTR>(FindExecutableA(probe.c_str(), folder.c_str(), exe)) > 32 && exe[0] &&
      reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", exe, url.c_str(), nullptr, SW_SHOWNORMAL)) > 32)
    return;
  ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace quorin::assist
