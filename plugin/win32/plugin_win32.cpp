// Quorin.dll: the editor plug-in.  Runs the current script through the
// interpreter and lists its compile errors in a docked panel, starts the two
// tools, re-formats the document and indents lines while the user types.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <thread>
#include <vector>

#include "plugin/text.h"
#include "plugin/win32/npp_api.h"
#include "plugin/win32/resource.h"

namespace npp = quorin::plugin::npp;
namespace qp = quorin::plugin;

namespace {

constexpr int kCommandCount = 4;

HINSTANCE g_module = nullptr;
wchar_t g_module_name[MAX_PATH] = {};  // file name only
npp::NppData g_npp{};
npp::FuncItem g_funcs[kCommandCount] = {};
npp::ShortcutKey g_f9{false, false, false, VK_F9};

HWND g_panel = nullptr;
HWND g_list = nullptr;
wchar_t g_panel_name[128] = {};
std::wstring g_listed;  // the script whose errors the panel shows
bool g_typing_indent = false;
bool g_filling = false;  // the list is being refilled: selection changes are not clicks

// ---- text helpers ---------------------------------------------------------

std::wstring wide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
std::u16string u16(std::wstring_view s) { return std::u16string(s.begin(), s.end()); }

// Converts bytes in `cp` to UTF-16; false when they are not valid there.
bool to_wide(UINT cp, const std::string& bytes, std::wstring& out) {
  out.clear();
  if (bytes.empty()) return true;
  int n = MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  if (n <= 0) return false;
  out.resize(n);
  MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return true;
}

std::wstring from_utf8(const std::string& s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
  return out;
}

std::string to_bytes(UINT cp, const std::wstring& s) {
  if (s.empty()) return {};
  int n = WideCharToMultiByte(cp, 0, s.data(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(cp, 0, s.data(), static_cast<int>(s.size()), out.data(), n, nullptr, nullptr);
  return out;
}

// ---- the editor -------------------------------------------------------------

LRESULT npp_send(UINT msg, WPARAM w = 0, LPARAM l = 0) { return SendMessageW(g_npp.npp, msg, w, l); }

std::wstring npp_path(UINT msg) {
  wchar_t buf[MAX_PATH] = {};
  npp_send(msg, MAX_PATH, reinterpret_cast<LPARAM>(buf));
  buf[MAX_PATH - 1] = L'\0';
  return buf;
}

HWND current_view() {
  int which = -1;
  npp_send(npp::NPPM_GETCURRENTSCINTILLA, 0, reinterpret_cast<LPARAM>(&which));
  if (which == 0) return g_npp.main_view;
  if (which == 1) return g_npp.second_view;
  return nullptr;
}

bool file_readable(const std::wstring& path) {
  if (path.empty()) return false;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

void warn(const wchar_t* text) { MessageBoxW(g_npp.npp, text, L"提示", MB_OK | MB_ICONWARNING); }
void fail(const wchar_t* text) { MessageBoxW(g_npp.npp, text, L"提示", MB_OK | MB_ICONERROR); }

// The editing view behind the typing indentation.
class ScintillaView : public qp::EditView {
 public:
  explicit ScintillaView(HWND v) : v_(v) {}
  long current_pos() override { return static_cast<long>(send(npp::SCI_GETCURRENTPOS)); }
  long line_from_pos(long pos) override { return static_cast<long>(send(npp::SCI_LINEFROMPOSITION, pos)); }
  std::string line(long n) override {
    LRESULT len = send(npp::SCI_GETLINE, n, 0);
    if (len <= 0) return {};
    std::string buf(static_cast<std::size_t>(len) + 1, '\0');
    LRESULT got = send(npp::SCI_GETLINE, n, reinterpret_cast<LPARAM>(buf.data()));
    buf.resize(got > 0 && got <= len ? static_cast<std::size_t>(got) : static_cast<std::size_t>(len));
    return buf;
  }
  long line_count() override { return static_cast<long>(send(npp::SCI_GETLINECOUNT)); }
  void add_text(std::string_view t) override { send(npp::SCI_ADDTEXT, t.size(), reinterpret_cast<LPARAM>(t.data())); }
  int indentation(long n) override { return static_cast<int>(send(npp::SCI_GETLINEINDENTATION, n)); }
  void set_indentation(long n, int c) override { send(npp::SCI_SETLINEINDENTATION, n, c); }
  void goto_pos(long pos) override { send(npp::SCI_GOTOPOS, pos); }

 private:
  LRESULT send(UINT m, WPARAM w = 0, LPARAM l = 0) { return SendMessageW(v_, m, w, l); }
  HWND v_;
};

// ---- the error panel --------------------------------------------------------

std::wstring cell(int row, int col, int size) {
  std::wstring buf(size, L'\0');
  LVITEMW item{};
  item.iSubItem = col;
  item.pszText = buf.data();
  item.cchTextMax = size;
  SendMessageW(g_list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  buf.resize(wcsnlen(buf.c_str(), size));
  return buf;
}

int row_count() { return g_list ? static_cast<int>(SendMessageW(g_list, LVM_GETITEMCOUNT, 0, 0)) : 0; }
int selected_row() { return g_list ? ListView_GetNextItem(g_list, -1, LVNI_SELECTED) : -1; }

void append_row(const std::wstring& path, const std::wstring& line, const std::wstring& desc) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row_count();
  item.pszText = const_cast<wchar_t*>(path.c_str());
  int at = static_cast<int>(SendMessageW(g_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (at < 0) return;
  item.iItem = at;
  item.iSubItem = 1;
  item.pszText = const_cast<wchar_t*>(line.c_str());
  SendMessageW(g_list, LVM_SETITEMTEXTW, at, reinterpret_cast<LPARAM>(&item));
  item.iSubItem = 2;
  item.pszText = const_cast<wchar_t*>(desc.c_str());
  SendMessageW(g_list, LVM_SETITEMTEXTW, at, reinterpret_cast<LPARAM>(&item));
}

void clear_rows() {
  g_filling = true;
  if (g_list) ListView_DeleteAllItems(g_list);
  g_filling = false;
}

bool panel_visible() { return g_panel && IsWindowVisible(g_panel); }
void show_panel() {
  if (!panel_visible()) npp_send(npp::NPPM_DMMSHOW, 0, reinterpret_cast<LPARAM>(g_panel));
}
void hide_panel() {
  if (panel_visible()) npp_send(npp::NPPM_DMMHIDE, 0, reinterpret_cast<LPARAM>(g_panel));
}

// Opens the file of a row and goes to its line.
void jump_to_row(int row) {
  if (row < 0) return;
  std::wstring path = cell(row, 0, 1024);
  std::wstring line = cell(row, 1, 8);
  if (line.empty()) return;
  wchar_t* end = nullptr;
  long n = std::wcstol(line.c_str(), &end, 10);
  if (end == line.c_str() || *end != L'\0') return;
  if (npp_send(npp::NPPM_DOOPEN, 0, reinterpret_cast<LPARAM>(path.c_str())) != 0) {
    if (HWND v = current_view()) {
      SendMessageW(v, npp::SCI_ENSUREVISIBLE, n - 1, 0);
      SendMessageW(v, npp::SCI_GOTOLINE, n - 1, 0);
    }
  } else {
    std::wstring text = L"文件打开失败:\n\n" + path;
    MessageBoxW(g_npp.npp, text.c_str(), L"错误", MB_OK | MB_ICONERROR);
  }
}

std::wstring row_text(int row) {
  return wide(qp::copy_row(u16(cell(row, 0, 1024)), u16(cell(row, 1, 8)), u16(cell(row, 2, 4096))));
}

void put_on_clipboard(const std::wstring& text) {
  if (!OpenClipboard(g_npp.npp)) return;
  EmptyClipboard();
  std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* p = GlobalLock(mem)) {
      std::memcpy(p, text.c_str(), bytes);
      GlobalUnlock(mem);
      if (!SetClipboardData(CF_UNICODETEXT, mem)) GlobalFree(mem);
    } else {
      GlobalFree(mem);
    }
  }
  CloseClipboard();
}

void copy_rows(bool all) {
  std::wstring text;
  if (all) {
    int n = row_count();
    for (int i = 0; i < n; ++i) {
      if (i) text += L"\r\n";
      text += row_text(i);
    }
    if (n == 0) return;
  } else {
    int row = selected_row();
    if (row < 0) return;
    text = row_text(row);
  }
  put_on_clipboard(text);
}

void context_menu() {
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  AppendMenuW(menu, MF_STRING | (row_count() > 0 ? MF_ENABLED : MF_GRAYED), IDM_COPY_ALL, L"复制所有内容");
  AppendMenuW(menu, MF_STRING | (selected_row() >= 0 ? MF_ENABLED : MF_GRAYED), IDM_COPY_SELECTED, L"复制选中内容");
  POINT pt;
  GetCursorPos(&pt);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, g_panel, nullptr);
  DestroyMenu(menu);
}

// The user closed the panel: forget the list when it belongs to the current
// document.
void panel_closed_by_user() {
  if (row_count() > 0 && npp_path(npp::NPPM_GETFULLCURRENTPATH) == g_listed) {
    g_listed.clear();
    clear_rows();
  }
}

void create_list(HWND dlg) {
  g_list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                           WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0, 980, 200,
                           dlg, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ERROR_LIST)), g_module, nullptr);
  if (!g_list) return;
  ListView_SetExtendedListViewStyle(g_list, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
  ListView_SetTextColor(g_list, RGB(255, 0, 0));
  const wchar_t* headers[] = {L"文件", L"行", L"信息"};
  const int widths[] = {300, 50, 600};
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNW col{};
    col.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.fmt = LVCFMT_LEFT;
    col.cx = widths[i];
    col.pszText = const_cast<wchar_t*>(headers[i]);
    col.iSubItem = i;
    SendMessageW(g_list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&col));
  }
}

INT_PTR CALLBACK panel_proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      create_list(dlg);
      return TRUE;
    case WM_SIZE:
      if (g_list) {
        int w = LOWORD(lp), h = HIWORD(lp);
        MoveWindow(g_list, 0, 0, w, h, TRUE);
        ListView_SetColumnWidth(g_list, 2, w - 380);
      }
      return TRUE;
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      if (hdr->hwndFrom == g_list) {
        if (hdr->code == LVN_ITEMCHANGED && !g_filling) {
          auto* nm = reinterpret_cast<NMLISTVIEW*>(lp);
          if ((nm->uChanged & LVIF_STATE) && (nm->uNewState & LVIS_SELECTED) &&
              ListView_GetSelectedCount(g_list) > 0)
            jump_to_row(nm->iItem);
        } else if (hdr->code == NM_DBLCLK) {
          if (ListView_GetSelectedCount(g_list) > 0) jump_to_row(selected_row());
        } else if (hdr->code == NM_RCLICK) {
          context_menu();
        }
      } else if (LOWORD(hdr->code) == npp::DMN_CLOSE) {
        panel_closed_by_user();
      }
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDM_COPY_ALL) copy_rows(true);
      if (LOWORD(wp) == IDM_COPY_SELECTED) copy_rows(false);
      return TRUE;
    case WM_DESTROY:
      npp_send(npp::NPPM_MODELESSDIALOG, npp::MODELESSDIALOGREMOVE, reinterpret_cast<LPARAM>(dlg));
      if (dlg == g_panel) {
        g_panel = nullptr;
        g_list = nullptr;
      }
      return TRUE;
  }
  return FALSE;
}

bool ensure_panel() {
  if (g_panel) return true;
  HWND dlg = CreateDialogParamW(g_module, MAKEINTRESOURCEW(IDD_ERROR_PANEL), g_npp.npp, panel_proc, 0);
  if (!dlg) {
    DWORD err = GetLastError();
    wchar_t* sys = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, err, 0, reinterpret_cast<wchar_t*>(&sys), 0, nullptr);
    std::wstring text = L"CreateDialogParam() return NULL.\rGetLastError(): ";
    if (sys) text += sys;
    LocalFree(sys);
    MessageBoxW(g_npp.npp, text.c_str(), L"In StaticDialog::create()", MB_OK);
    return false;
  }
  g_panel = dlg;
  npp_send(npp::NPPM_MODELESSDIALOG, npp::MODELESSDIALOGADD, reinterpret_cast<LPARAM>(dlg));
  GetWindowTextW(dlg, g_panel_name, static_cast<int>(std::size(g_panel_name)));
  npp::DockingData data{};
  data.client = dlg;
  data.name = g_panel_name;
  data.dlg_id = IDD_ERROR_PANEL;
  data.mask = npp::DWS_DF_CONT_BOTTOM;
  data.module_name = g_module_name;
  npp_send(npp::NPPM_DMMREGASDCKDLG, 0, reinterpret_cast<LPARAM>(&data));
  return true;
}

void show_report(const qp::Report& report, const std::wstring& script) {
  g_listed = script.substr(0, MAX_PATH - 1);
  if (!ensure_panel()) return;
  if (!panel_visible()) {
    show_panel();
    SetForegroundWindow(g_npp.npp);
  }
  clear_rows();
  if (!report.has_items) return;
  g_filling = true;
  for (const auto& row : report.rows)
    append_row(from_utf8(row.path), from_utf8(qp::line_cell(row.line)), from_utf8(row.desc));
  wchar_t summary[64];
  std::swprintf(summary, std::size(summary), L"=== 共 %d 个错误 ===", static_cast<int>(report.rows.size()));
  append_row(L"", L"", summary);
  g_filling = false;
}

// ---- commands --------------------------------------------------------------

void run_script() {
  std::wstring ext = npp_path(npp::NPPM_GETEXTPART);
  std::wstring name = npp_path(npp::NPPM_GETFILENAME);
  std::wstring path = npp_path(npp::NPPM_GETFULLCURRENTPATH);
  if (name == path || !file_readable(path)) {
    npp_send(npp::NPPM_SAVECURRENTFILE);
    name = npp_path(npp::NPPM_GETFILENAME);
    path = npp_path(npp::NPPM_GETFULLCURRENTPATH);
    if (name == path || !file_readable(path)) return;
    ext = npp_path(npp::NPPM_GETEXTPART);
  }
  if (!qp::is_q_extension(u16(ext))) {
    warn(L"这不是一个 .q 文件");
    return;
  }
  npp_send(npp::NPPM_SAVECURRENTFILE);

  std::wstring exe = wide(qp::interpreter_path(u16(npp_path(npp::NPPM_GETNPPDIRECTORY))));
  if (exe.empty() || !file_readable(exe)) {
    warn(L"未找到文件: Quorin.exe");
    return;
  }

  SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
  HANDLE read_end = nullptr, write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, &sa, 0)) {
    fail(L"CreatePipe Failed!");
    return;
  }
  // Only the write end goes to the interpreter.
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW si{};
  GetStartupInfoW(&si);
  si.cb = sizeof(si);
  si.cbReserved2 = 0;  // never pass the editor's C-runtime handle table on
  si.lpReserved2 = nullptr;
  si.dwFlags |= STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = write_end;
  si.hStdError = write_end;
  si.wShowWindow = SW_SHOW;
  std::wstring cmd = L" -icr \"" + path + L"\"";
  std::vector<wchar_t> cmdline(cmd.begin(), cmd.end());
  cmdline.push_back(L'\0');
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(exe.c_str(), cmdline.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
    CloseHandle(read_end);
    CloseHandle(write_end);
    fail(L"CreateProcess Failed!");
    return;
  }
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  CloseHandle(write_end);

  std::string received;
  std::optional<qp::Report> report;
  char chunk[4095];
  DWORD got = 0;
  while (ReadFile(read_end, chunk, sizeof(chunk), &got, nullptr) && got > 0) {
    received.append(chunk, got);
    if ((report = qp::parse_report(received))) break;
  }
  if (!report || !report->has_status) {
    CloseHandle(read_end);
    return;
  }
  if (report->status == 1) {
    g_listed.clear();
    hide_panel();
    // The script runs on; its further output is drained and dropped.
    std::thread([read_end] {
      char buf[4095];
      DWORD n = 0;
      while (ReadFile(read_end, buf, sizeof(buf), &n, nullptr) && n > 0) {
      }
      CloseHandle(read_end);
    }).detach();
    return;
  }
  show_report(*report, path);
  CloseHandle(read_end);
}

void start_tool(std::u16string (*locate)(std::u16string_view), const wchar_t* missing) {
  std::wstring dir = npp_path(npp::NPPM_GETNPPDIRECTORY);
  std::wstring exe = wide(locate(u16(dir)));
  if (dir.empty() || !file_readable(exe)) {
    warn(missing);
    return;
  }
  ShellExecuteW(nullptr, L"open", exe.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void start_assist() { start_tool(&qp::assist_tool_path, L"未找到文件: Quorin 代码辅助工具.exe"); }
void start_probe() { start_tool(&qp::probe_tool_path, L"未找到文件: 窗口探针.exe"); }

void reformat_document() {
  std::wstring ext = npp_path(npp::NPPM_GETEXTPART);
  std::wstring name = npp_path(npp::NPPM_GETFILENAME);
  std::wstring path = npp_path(npp::NPPM_GETFULLCURRENTPATH);
  if (name != path && file_readable(path) && !qp::is_q_extension(u16(ext))) {
    warn(L"这不是一个 .q 文件");
    return;
  }
  HWND v = current_view();
  if (!v) return;
  auto send = [v](UINT m, WPARAM w = 0, LPARAM l = 0) { return SendMessageW(v, m, w, l); };
  LRESULT caret_line = send(npp::SCI_LINEFROMPOSITION, send(npp::SCI_GETCURRENTPOS));
  LRESULT first_visible = send(npp::SCI_GETFIRSTVISIBLELINE);
  LRESULT length = send(npp::SCI_GETTEXTLENGTH);
  if (length < 0) return;
  std::string bytes(static_cast<std::size_t>(length) + 1, '\0');
  send(npp::SCI_GETTEXT, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()));
  bytes.resize(static_cast<std::size_t>(length));
  UINT cp = send(npp::SCI_GETCODEPAGE) == 936 ? CP_ACP : CP_UTF8;
  std::wstring text;
  if (!to_wide(cp, bytes, text)) {
    // Converting would replace the undecodable bytes: leave the text alone.
    warn(L"文档中有无法识别的字符，未做缩进");
    return;
  }
  std::string result = to_bytes(cp, wide(qp::reformat(u16(text))));
  if (result == bytes) return;
  send(npp::SCI_SETTEXT, 0, reinterpret_cast<LPARAM>(result.c_str()));
  if (caret_line > 0) {
    send(npp::SCI_ENSUREVISIBLE, caret_line);
    send(npp::SCI_GOTOLINE, caret_line);
    send(npp::SCI_SETFIRSTVISIBLELINE, first_visible);
  }
}

// ---- notifications -----------------------------------------------------------

void add_toolbar_buttons() {
  int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  for (int i = 0; i < kCommandCount; ++i) {
    npp::ToolbarIcons icons{};
    icons.bitmap = static_cast<HBITMAP>(
        LoadImageW(g_module, MAKEINTRESOURCEW(IDB_RUN + i), IMAGE_BITMAP, cx, cy, LR_LOADMAP3DCOLORS));
    icons.icon = static_cast<HICON>(LoadImageW(g_module, MAKEINTRESOURCEW(IDI_RUN + i), IMAGE_ICON, cx, cy, 0));
    icons.icon_dark = icons.icon;
    npp_send(npp::NPPM_ADDTOOLBARICON_FORDARKMODE, g_funcs[i].cmd_id, reinterpret_cast<LPARAM>(&icons));
  }
}

void buffer_activated() {
  std::wstring name = npp_path(npp::NPPM_GETFILENAME);
  std::wstring path = npp_path(npp::NPPM_GETFULLCURRENTPATH);
  g_typing_indent = name == path || qp::is_q_extension(u16(npp_path(npp::NPPM_GETEXTPART)));
  bool listed = false;
  if (!g_listed.empty()) {
    listed = g_listed == path;
    for (int i = 0, n = row_count(); !listed && i < n; ++i)
      listed = lstrcmpiW(cell(i, 0, 1024).c_str(), path.c_str()) == 0;
  }
  if (listed && g_panel) {
    if (!panel_visible()) {
      show_panel();
      SetForegroundWindow(g_npp.npp);
    }
  } else {
    hide_panel();
  }
}

void set_command(int i, const wchar_t* label, npp::CommandFn fn, npp::ShortcutKey* key) {
  lstrcpynW(g_funcs[i].name, label, 64);
  g_funcs[i].fn = fn;
  g_funcs[i].init_checked = false;
  g_funcs[i].shortcut = key;
}

}  // namespace

// ---- exports -------------------------------------------------------------------

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    wchar_t full[MAX_PATH] = {};
    GetModuleFileNameW(instance, full, MAX_PATH);
    const wchar_t* slash = std::wcsrchr(full, L'\\');
    lstrcpynW(g_module_name, slash ? slash + 1 : full, MAX_PATH);
  }
  return TRUE;
}

__declspec(dllexport) void setInfo(npp::NppData data) {
  g_npp = data;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  set_command(0, L"运行脚本", &run_script, &g_f9);
  set_command(1, L"代码辅助工具", &start_assist, nullptr);
  set_command(2, L"窗口探针工具", &start_probe, nullptr);
  set_command(3, L"代码自动缩进", &reformat_document, nullptr);
}

__declspec(dllexport) const wchar_t* getName() { return L"Quorin"; }

__declspec(dllexport) npp::FuncItem* getFuncsArray(int* count) {
  if (count) *count = kCommandCount;
  return g_funcs;
}

__declspec(dllexport) void beNotified(npp::SCNotification* n) {
  if (!n) return;
  switch (n->nmhdr.code) {
    case npp::NPPN_TBMODIFICATION:
      if (n->nmhdr.hwndFrom == g_npp.npp) add_toolbar_buttons();
      break;
    case npp::NPPN_FILEBEFORECLOSE:
      if (n->nmhdr.hwndFrom == g_npp.npp && !g_listed.empty() &&
          g_listed == npp_path(npp::NPPM_GETFULLCURRENTPATH)) {
        g_listed.clear();
        hide_panel();
      }
      break;
    case npp::NPPN_BUFFERACTIVATED:
      if (n->nmhdr.hwndFrom == g_npp.npp) buffer_activated();
      break;
    case npp::SCN_CHARADDED:
      if (g_typing_indent && n->ch == '\n' &&
          (n->nmhdr.hwndFrom == g_npp.main_view || n->nmhdr.hwndFrom == g_npp.second_view)) {
        if (HWND v = current_view()) {
          ScintillaView view(v);
          qp::indent_after_newline(view);
        }
      }
      break;
    default:
      break;
  }
}

__declspec(dllexport) LRESULT messageProc(UINT, WPARAM, LPARAM) { return TRUE; }

__declspec(dllexport) BOOL isUnicode() { return TRUE; }

}  // extern "C"
