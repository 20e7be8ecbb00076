// The plug-in loaded by a host that does what the editor does: it calls the
// exports, sends the notifications, runs the commands, answers the editor's
// messages (recording them) and provides two editing views over real text.
// F9 runs the real interpreter placed in an installation-like folder tree.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "driver.h"
#include "plugin/win32/npp_api.h"
#include "tests/plugin/text_buffer.h"

namespace npp = quorin::plugin::npp;
using qtest::eventually;
using qtest::utf8;

namespace {

using SetInfoFn = void (*)(npp::NppData);
using GetNameFn = const wchar_t* (*)();
using GetFuncsFn = npp::FuncItem* (*)(int*);
using BeNotifiedFn = void (*)(npp::SCNotification*);
using MessageProcFn = LRESULT (*)(UINT, WPARAM, LPARAM);
using IsUnicodeFn = BOOL (*)();

constexpr int kFirstCmd = 22000;
constexpr int kPanelHeight = 230;

std::wstring exe_dir() {
  wchar_t buf[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
  std::wstring p(buf, n);
  return p.substr(0, p.rfind(L'\\'));
}

std::wstring from_utf8(const std::string& s) {
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

void write_file(const std::wstring& path, const std::string& bytes) {
  FILE* f = _wfopen(path.c_str(), L"wb");
  ASSERT_NE(f, nullptr) << utf8(path);
  fwrite(bytes.data(), 1, bytes.size(), f);
  fclose(f);
}

std::string read_file(const std::wstring& path) {
  std::string out;
  if (FILE* f = _wfopen(path.c_str(), L"rb")) {
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    fclose(f);
  }
  return out;
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Closes every message box this process shows and remembers its caption and
// text: commands run on the test's thread and block in their boxes.
class BoxWatcher {
 public:
  BoxWatcher() : thread_([this] { loop(); }) {}
  ~BoxWatcher() {
    stop_ = true;
    thread_.join();
  }
  std::vector<std::wstring> take() {
    std::lock_guard<std::mutex> lock(m_);
    return std::exchange(boxes_, {});
  }

 private:
  static BOOL CALLBACK each(HWND w, LPARAM lp) {
    auto* self = reinterpret_cast<BoxWatcher*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    wchar_t cls[32] = {};
    GetClassNameW(w, cls, 32);
    if (pid != GetCurrentProcessId() || lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(w)) return TRUE;
    if (!GetDlgItem(w, 0xFFFF)) return TRUE;  // not a message box
    std::wstring seen = qtest::window_text(w) + L"|" + qtest::box_text(w);
    {
      std::lock_guard<std::mutex> lock(self->m_);
      if (self->handled_.count(w) && self->handled_[w] == seen) return TRUE;
      self->handled_[w] = seen;
      self->boxes_.push_back(seen);
    }
    PostMessageW(w, WM_COMMAND, IDOK, 0);
    return TRUE;
  }
  void loop() {
    while (!stop_) {
      EnumWindows(each, reinterpret_cast<LPARAM>(this));
      Sleep(15);
    }
  }
  std::mutex m_;
  std::vector<std::wstring> boxes_;
  std::map<HWND, std::wstring> handled_;
  bool stop_ = false;
  std::thread thread_;
};

const char* message_name(UINT m) {
  switch (m) {
    case npp::NPPM_SAVECURRENTFILE: return "NPPM_SAVECURRENTFILE";
    case npp::NPPM_GETCURRENTSCINTILLA: return "NPPM_GETCURRENTSCINTILLA";
    case npp::NPPM_MODELESSDIALOG: return "NPPM_MODELESSDIALOG";
    case npp::NPPM_DMMSHOW: return "NPPM_DMMSHOW";
    case npp::NPPM_DMMHIDE: return "NPPM_DMMHIDE";
    case npp::NPPM_DMMREGASDCKDLG: return "NPPM_DMMREGASDCKDLG";
    case npp::NPPM_DOOPEN: return "NPPM_DOOPEN";
    case npp::NPPM_ADDTOOLBARICON_FORDARKMODE: return "NPPM_ADDTOOLBARICON_FORDARKMODE";
    case npp::NPPM_GETFULLCURRENTPATH: return "NPPM_GETFULLCURRENTPATH";
    case npp::NPPM_GETFILENAME: return "NPPM_GETFILENAME";
    case npp::NPPM_GETEXTPART: return "NPPM_GETEXTPART";
    case npp::NPPM_GETNPPDIRECTORY: return "NPPM_GETNPPDIRECTORY";
    case npp::SCI_ADDTEXT: return "SCI_ADDTEXT";
    case npp::SCI_GETCURRENTPOS: return "SCI_GETCURRENTPOS";
    case npp::SCI_GOTOLINE: return "SCI_GOTOLINE";
    case npp::SCI_GOTOPOS: return "SCI_GOTOPOS";
    case npp::SCI_SETLINEINDENTATION: return "SCI_SETLINEINDENTATION";
    case npp::SCI_GETLINEINDENTATION: return "SCI_GETLINEINDENTATION";
    case npp::SCI_GETCODEPAGE: return "SCI_GETCODEPAGE";
    case npp::SCI_GETFIRSTVISIBLELINE: return "SCI_GETFIRSTVISIBLELINE";
    case npp::SCI_GETLINE: return "SCI_GETLINE";
    case npp::SCI_GETLINECOUNT: return "SCI_GETLINECOUNT";
    case npp::SCI_LINEFROMPOSITION: return "SCI_LINEFROMPOSITION";
    case npp::SCI_SETTEXT: return "SCI_SETTEXT";
    case npp::SCI_GETTEXT: return "SCI_GETTEXT";
    case npp::SCI_GETTEXTLENGTH: return "SCI_GETTEXTLENGTH";
    case npp::SCI_ENSUREVISIBLE: return "SCI_ENSUREVISIBLE";
    case npp::SCI_SETFIRSTVISIBLELINE: return "SCI_SETFIRSTVISIBLELINE";
  }
  return nullptr;
}

// The editor as the plug-in sees it.
struct Editor {
  HWND main = nullptr;
  HWND views[2] = {};
  qtest::TextBuffer buffers[2];
  int codepage[2] = {65001, 65001};
  int current = 0;  // NPPM_GETCURRENTSCINTILLA's answer
  std::wstring full_path, file_name, ext, npp_dir;
  std::function<void()> on_save;  // what "save" does (a never-saved document asks for a name)
  std::vector<std::string> log;
  npp::DockingData docked{};
  std::wstring docked_name, docked_module;
  HWND panel = nullptr;
  std::vector<std::pair<WPARAM, npp::ToolbarIcons>> toolbar;
  std::vector<HWND> modeless;
  BeNotifiedFn notify = nullptr;

  void set_document(const std::wstring& path, bool saved = true) {
    full_path = path;
    std::size_t slash = path.rfind(L'\\');
    file_name = saved ? path.substr(slash == std::wstring::npos ? 0 : slash + 1) : path;
    std::size_t dot = file_name.rfind(L'.');
    ext = dot == std::wstring::npos ? L"" : file_name.substr(dot);
  }
  // Makes a document current as the editor does: then tells the plug-in.
  void activate(const std::wstring& path, bool saved = true) {
    set_document(path, saved);
    send_notification(npp::NPPN_BUFFERACTIVATED, main);
  }
  void send_notification(UINT code, HWND from, int ch = 0) {
    npp::SCNotification n{};
    n.nmhdr.hwndFrom = from;
    n.nmhdr.code = code;
    n.ch = ch;
    notify(&n);
  }
  // The user types a line feed at the caret of view `v`.
  void type_enter(int v) {
    buffers[v].add_text("\n");
    send_notification(npp::SCN_CHARADDED, views[v], '\n');
  }
  std::string sequence() const {
    std::string s;
    for (const auto& e : log) s += e + "\n";
    return s;
  }

  LRESULT answer(UINT m, WPARAM w, LPARAM l) {
    auto copy_path = [&](const std::wstring& s) {
      if (l && w) lstrcpynW(reinterpret_cast<wchar_t*>(l), s.c_str(), static_cast<int>(w));
      return TRUE;
    };
    switch (m) {
      case npp::NPPM_GETFULLCURRENTPATH: return copy_path(full_path);
      case npp::NPPM_GETFILENAME: return copy_path(file_name);
      case npp::NPPM_GETEXTPART: return copy_path(ext);
      case npp::NPPM_GETNPPDIRECTORY: return copy_path(npp_dir);
      case npp::NPPM_SAVECURRENTFILE:
        if (on_save) on_save();
        return TRUE;
      case npp::NPPM_GETCURRENTSCINTILLA:
        *reinterpret_cast<int*>(l) = current;
        return TRUE;
      case npp::NPPM_DOOPEN: {
        std::wstring path = reinterpret_cast<const wchar_t*>(l);
        std::string text = read_file(path);
        if (!exists(path)) return FALSE;
        buffers[0].set_text(text);
        current = 0;
        activate(path);
        return TRUE;
      }
      case npp::NPPM_MODELESSDIALOG: {
        HWND d = reinterpret_cast<HWND>(l);
        if (w == npp::MODELESSDIALOGADD)
          modeless.push_back(d);
        else
          std::erase(modeless, d);
        return TRUE;
      }
      case npp::NPPM_DMMREGASDCKDLG: {
        docked = *reinterpret_cast<npp::DockingData*>(l);
        docked_name = docked.name ? docked.name : L"";
        docked_module = docked.module_name ? docked.module_name : L"";
        panel = docked.client;
        // Dock it: a child of the main window along its bottom.
        LONG style = GetWindowLongW(panel, GWL_STYLE);
        SetWindowLongW(panel, GWL_STYLE, (style & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU)) | WS_CHILD);
        SetParent(panel, main);
        RECT rc;
        GetClientRect(main, &rc);
        MoveWindow(panel, 0, rc.bottom - kPanelHeight, rc.right, kPanelHeight, TRUE);
        return TRUE;
      }
      case npp::NPPM_DMMSHOW:
        ShowWindow(reinterpret_cast<HWND>(l), SW_SHOW);
        return TRUE;
      case npp::NPPM_DMMHIDE:
        ShowWindow(reinterpret_cast<HWND>(l), SW_HIDE);
        return TRUE;
      case npp::NPPM_ADDTOOLBARICON_FORDARKMODE:
        toolbar.emplace_back(w, *reinterpret_cast<npp::ToolbarIcons*>(l));
        return TRUE;
    }
    return 0;
  }

  LRESULT view_answer(int v, UINT m, WPARAM w, LPARAM l) {
    qtest::TextBuffer& b = buffers[v];
    switch (m) {
      case npp::SCI_GETCURRENTPOS: return b.caret();
      case npp::SCI_LINEFROMPOSITION: return b.line_from_pos(static_cast<long>(w));
      case npp::SCI_GETLINE: {
        std::string s = b.line(static_cast<long>(w));
        if (l) memcpy(reinterpret_cast<char*>(l), s.data(), s.size());
        return static_cast<LRESULT>(s.size());
      }
      case npp::SCI_GETLINECOUNT: return b.line_count();
      case npp::SCI_ADDTEXT: b.add_text(std::string_view(reinterpret_cast<const char*>(l), w)); break;
      case npp::SCI_GETLINEINDENTATION: return b.indentation(static_cast<long>(w));
      case npp::SCI_SETLINEINDENTATION: b.set_indentation(static_cast<long>(w), static_cast<int>(l)); break;
      case npp::SCI_GOTOPOS: b.set_caret(static_cast<long>(w)); break;
      case npp::SCI_GOTOLINE: b.goto_line(static_cast<long>(w)); break;
      case npp::SCI_ENSUREVISIBLE: b.ensured_visible = static_cast<long>(w); break;
      case npp::SCI_GETTEXTLENGTH: return static_cast<LRESULT>(b.text().size());
      case npp::SCI_GETTEXT: {
        if (!l || !w) return static_cast<LRESULT>(b.text().size());
        std::size_t n = std::min<std::size_t>(w - 1, b.text().size());
        memcpy(reinterpret_cast<char*>(l), b.text().data(), n);
        reinterpret_cast<char*>(l)[n] = '\0';
        return static_cast<LRESULT>(n);
      }
      case npp::SCI_SETTEXT: {
        long first = b.first_visible();
        b.set_text(reinterpret_cast<const char*>(l));
        b.set_first_visible(first);
        break;
      }
      case npp::SCI_GETCODEPAGE: return codepage[v];
      case npp::SCI_GETFIRSTVISIBLELINE: return b.first_visible();
      case npp::SCI_SETFIRSTVISIBLELINE: b.set_first_visible(static_cast<long>(w)); break;
      default: return 0;
    }
    InvalidateRect(views[v], nullptr, TRUE);
    return 0;
  }
};

Editor* g_editor = nullptr;

void record(const char* who, UINT m, WPARAM w, LPARAM l) {
  const char* name = message_name(m);
  if (!name) return;
  std::string entry = std::string(who) + name;
  switch (m) {
    case npp::NPPM_DOOPEN:
      entry += "(" + utf8(reinterpret_cast<const wchar_t*>(l)) + ")";
      break;
    case npp::NPPM_DMMREGASDCKDLG:
      entry += "(" + utf8(reinterpret_cast<npp::DockingData*>(l)->name) + ")";
      break;
    case npp::NPPM_MODELESSDIALOG:
    case npp::SCI_GOTOLINE:
    case npp::SCI_ENSUREVISIBLE:
      entry += "(" + std::to_string(m == npp::NPPM_MODELESSDIALOG ? static_cast<long long>(w) : static_cast<long long>(w)) + ")";
      break;
  }
  g_editor->log.push_back(entry);
}

LRESULT CALLBACK main_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (g_editor && w == g_editor->main && message_name(m) && m >= 2028 && m < 5000) {
    record("", m, wp, lp);
    LRESULT r = g_editor->answer(m, wp, lp);
    if (m == npp::NPPM_GETFULLCURRENTPATH || m == npp::NPPM_GETFILENAME || m == npp::NPPM_GETEXTPART ||
        m == npp::NPPM_GETNPPDIRECTORY)
      g_editor->log.back() += " -> " + utf8(reinterpret_cast<const wchar_t*>(lp));
    return r;
  }
  if (m == WM_CLOSE) return 0;
  return DefWindowProcW(w, m, wp, lp);
}

LRESULT CALLBACK view_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (g_editor) {
    int v = w == g_editor->views[0] ? 0 : w == g_editor->views[1] ? 1 : -1;
    if (v >= 0 && m >= 2000 && m < 3000) {
      record(v == 0 ? "view0." : "view1.", m, wp, lp);
      return g_editor->view_answer(v, m, wp, lp);
    }
    if (v >= 0 && m == WM_PAINT) {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(w, &ps);
      RECT rc;
      GetClientRect(w, &rc);
      FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      std::wstring text = from_utf8(g_editor->buffers[v].text());
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, DT_LEFT | DT_TOP | DT_EXPANDTABS);
      EndPaint(w, &ps);
      return 0;
    }
  }
  return DefWindowProcW(w, m, wp, lp);
}

// An installation: the editor's folder, the interpreter beside it, the tools
// inside it.
struct Install {
  std::wstring root, editor;
  Install(const std::wstring& base, const std::wstring& quorin_exe, bool tools) {
    root = base;
    editor = root + L"\\编辑器";
    CreateDirectoryW(root.c_str(), nullptr);
    CreateDirectoryW(editor.c_str(), nullptr);
    if (!quorin_exe.empty()) {
      CreateDirectoryW((root + L"\\Quorin").c_str(), nullptr);
      CopyFileW(quorin_exe.c_str(), (root + L"\\Quorin\\Quorin.exe").c_str(), FALSE);
    }
    if (tools) {
      std::wstring dir = editor + L"\\Quorin 代码辅助工具";
      CreateDirectoryW(dir.c_str(), nullptr);
      std::wstring stub = exe_dir() + L"\\quorin_plugin_tool_stub.exe";
      CopyFileW(stub.c_str(), (dir + L"\\Quorin 代码辅助工具.exe").c_str(), FALSE);
      CopyFileW(stub.c_str(), (dir + L"\\窗口探针.exe").c_str(), FALSE);
    }
  }
};

class PluginHost : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    base_ = std::wstring(tmp) + L"qplugin-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(base_.c_str(), nullptr);
    scripts_ = base_ + L"\\脚本";
    CreateDirectoryW(scripts_.c_str(), nullptr);
    real_ = new Install(base_ + L"\\real", exe_dir() + L"\\Quorin.exe", true);
    bare_ = new Install(base_ + L"\\bare", L"", false);
    garbage_ = new Install(base_ + L"\\garbage", exe_dir() + L"\\quorin_plugin_tool_stub.exe", false);

    boxes_ = new BoxWatcher;
    ed_ = new Editor;
    g_editor = ed_;
    HINSTANCE inst = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = main_proc;
    wc.hInstance = inst;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"QuorinTestEditor";
    RegisterClassW(&wc);
    wc.lpfnWndProc = view_proc;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"QuorinTestView";
    RegisterClassW(&wc);
    ed_->main = CreateWindowExW(0, L"QuorinTestEditor", L"编辑器 - 插件测试", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                1000, 620, nullptr, nullptr, inst, nullptr);
    RECT rc;
    GetClientRect(ed_->main, &rc);
    int h = rc.bottom - kPanelHeight - 4;
    for (int v = 0; v < 2; ++v)
      ed_->views[v] = CreateWindowExW(WS_EX_CLIENTEDGE, L"QuorinTestView", L"", WS_CHILD | WS_VISIBLE,
                                      v * rc.right / 2, 0, rc.right / 2, h, ed_->main, nullptr, inst, nullptr);
    ed_->npp_dir = real_->editor;

    dll_ = LoadLibraryW((exe_dir() + L"\\plugins\\x86\\Quorin.dll").c_str());
    ASSERT_NE(dll_, nullptr);
    auto sym = [](const char* n) { return reinterpret_cast<void*>(GetProcAddress(dll_, n)); };
    set_info_ = reinterpret_cast<SetInfoFn>(sym("setInfo"));
    get_name_ = reinterpret_cast<GetNameFn>(sym("getName"));
    get_funcs_ = reinterpret_cast<GetFuncsFn>(sym("getFuncsArray"));
    ed_->notify = reinterpret_cast<BeNotifiedFn>(sym("beNotified"));
    message_proc_ = reinterpret_cast<MessageProcFn>(sym("messageProc"));
    is_unicode_ = reinterpret_cast<IsUnicodeFn>(sym("isUnicode"));
    ASSERT_TRUE(set_info_ && get_name_ && get_funcs_ && ed_->notify && message_proc_ && is_unicode_);
    set_info_({ed_->main, ed_->views[0], ed_->views[1]});
    funcs_ = get_funcs_(&count_);
    for (int i = 0; i < count_; ++i) funcs_[i].cmd_id = kFirstCmd + i;  // the editor numbers the commands
    ed_->send_notification(npp::NPPN_TBMODIFICATION, ed_->main);
  }
  static void TearDownTestSuite() {
    delete boxes_;
    if (!::testing::UnitTest::GetInstance()->Failed()) remove_tree(base_);  // kept for a look when failed
  }
  static void remove_tree(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        std::wstring path = dir + L"\\" + name;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          remove_tree(path);
        else
          DeleteFileW(path.c_str());
      } while (FindNextFileW(h, &fd));
      FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
  }
  void SetUp() override {
    // Whatever an earlier test left behind.
    ed_->npp_dir = real_->editor;
    ed_->current = 0;
    DeleteFileW((garbage_->root + L"\\Quorin\\report.json").c_str());
    ed_->log.clear();
    ed_->on_save = nullptr;
    boxes_->take();
  }
  void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // Waits for the message boxes a command showed.
  std::vector<std::wstring> boxes(std::size_t expected) {
    std::vector<std::wstring> all;
    eventually([&] {
      auto more = boxes_->take();
      all.insert(all.end(), more.begin(), more.end());
      return all.size() >= expected;
    }, std::chrono::milliseconds(3000));
    return all;
  }
  std::wstring script(const std::wstring& name, const std::string& utf8_text) {
    std::wstring path = scripts_ + L"\\" + name;
    write_file(path, utf8_text);
    return path;
  }
  void run(int cmd) { funcs_[cmd].fn(); pump(); }

  HWND list() { return ed_->panel ? GetDlgItem(ed_->panel, 36100) : nullptr; }
  std::vector<std::vector<std::wstring>> rows() {
    std::vector<std::vector<std::wstring>> out;
    HWND l = list();
    if (!l) return out;
    int n = ListView_GetItemCount(l);
    for (int i = 0; i < n; ++i) {
      std::vector<std::wstring> row;
      for (int c = 0; c < 3; ++c) {
        wchar_t buf[1024] = {};
        ListView_GetItemText(l, i, c, buf, 1024);
        row.push_back(buf);
      }
      out.push_back(row);
    }
    return out;
  }
  bool panel_shown() { return ed_->panel && IsWindowVisible(ed_->panel); }
  // Right-clicks the list and reads which copy commands its menu enables.
  std::string menu_states() {
    std::string states = "no menu";
    HWND panel = ed_->panel;
    std::thread watcher([&] {
      HWND menu_window = nullptr;
      eventually([&] { return (menu_window = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu_window); },
                 std::chrono::milliseconds(3000));
      if (!menu_window) return;
      auto menu = reinterpret_cast<HMENU>(SendMessageW(menu_window, 0x01E1 /* MN_GETHMENU */, 0, 0));
      auto enabled = [&](UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0; };
      wchar_t first[32] = {};
      GetMenuStringW(menu, 0, first, 32, MF_BYPOSITION);
      if (menu && lstrcmpW(first, L"复制所有内容") == 0)
        states = std::string("all=") + (enabled(35701) ? "1" : "0") + " selected=" + (enabled(35702) ? "1" : "0");
      PostMessageW(panel, WM_CANCELMODE, 0, 0);
      PostMessageW(menu_window, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    NMHDR hdr{list(), 36100, static_cast<UINT>(NM_RCLICK)};
    SendMessageW(panel, WM_NOTIFY, 36100, reinterpret_cast<LPARAM>(&hdr));
    watcher.join();
    return states;
  }

  static inline std::wstring base_, scripts_;
  static inline Install *real_, *bare_, *garbage_;
  static inline BoxWatcher* boxes_;
  static inline Editor* ed_;
  static inline HMODULE dll_;
  static inline SetInfoFn set_info_;
  static inline GetNameFn get_name_;
  static inline GetFuncsFn get_funcs_;
  static inline MessageProcFn message_proc_;
  static inline IsUnicodeFn is_unicode_;
  static inline npp::FuncItem* funcs_;
  static inline int count_ = 0;
};

constexpr const char* kTwoErrors =
    "int a = 1\r\n"
    "no_such_builtin(a)\r\n"
    "a = a + 1\r\n"
    "another_missing_call()\r\n";

TEST_F(PluginHost, ExportsCommandsAndToolbar) {
  EXPECT_STREQ(get_name_(), L"Quorin");
  EXPECT_TRUE(is_unicode_());
  EXPECT_TRUE(message_proc_(WM_USER, 0, 0));
  ASSERT_EQ(count_, 4);
  const wchar_t* labels[] = {L"运行脚本", L"代码辅助工具", L"窗口探针工具", L"代码自动缩进"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_STREQ(funcs_[i].name, labels[i]);
    EXPECT_NE(funcs_[i].fn, nullptr);
    EXPECT_FALSE(funcs_[i].init_checked);
  }
  ASSERT_NE(funcs_[0].shortcut, nullptr);
  EXPECT_EQ(funcs_[0].shortcut->key, VK_F9);
  EXPECT_FALSE(funcs_[0].shortcut->ctrl || funcs_[0].shortcut->alt || funcs_[0].shortcut->shift);
  for (int i = 1; i < 4; ++i) EXPECT_EQ(funcs_[i].shortcut, nullptr);

  // The version block.
  wchar_t dll_path[MAX_PATH];
  GetModuleFileNameW(dll_, dll_path, MAX_PATH);
  DWORD handle = 0;
  std::vector<char> info(GetFileVersionInfoSizeW(dll_path, &handle));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoW(dll_path, 0, static_cast<DWORD>(info.size()), info.data()));
  auto version_string = [&](const wchar_t* key) {
    wchar_t* value = nullptr;
    UINT len = 0;
    std::wstring q = std::wstring(L"\\StringFileInfo\\080404b0\\") + key;
    if (!VerQueryValueW(info.data(), q.c_str(), reinterpret_cast<void**>(&value), &len) || !value) return std::wstring();
    return std::wstring(value);
  };
  EXPECT_EQ(version_string(L"ProductName"), L"Quorin 语言插件");
  EXPECT_EQ(version_string(L"FileDescription"), L"Notepad++ 的 Quorin 语言插件");
  EXPECT_EQ(version_string(L"FileVersion"), L"1.5");

  ASSERT_EQ(ed_->toolbar.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(ed_->toolbar[i].first, static_cast<WPARAM>(kFirstCmd + i));
    BITMAP bm{};
    ASSERT_TRUE(GetObjectW(ed_->toolbar[i].second.bitmap, sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, GetSystemMetrics(SM_CXSMICON));
    EXPECT_NE(ed_->toolbar[i].second.icon, nullptr);
    EXPECT_EQ(ed_->toolbar[i].second.icon, ed_->toolbar[i].second.icon_dark);
  }
}

TEST_F(PluginHost, F9ListsErrorsJumpsAndCopies) {
  std::wstring two = script(L"两个错误.q", kTwoErrors);
  ed_->activate(two);
  ed_->buffers[0].set_text(kTwoErrors);
  ed_->log.clear();
  run(0);
  std::printf("--- recorded messages for F9 on a script with two errors ---\n%s---\n", ed_->sequence().c_str());
  EXPECT_TRUE(boxes(0).empty());
  ASSERT_NE(ed_->panel, nullptr);
  EXPECT_EQ(ed_->docked_name, L"Quorin 语法分析");
  EXPECT_EQ(ed_->docked.dlg_id, 2500);
  EXPECT_EQ(ed_->docked.mask, 0x30000000u);
  EXPECT_EQ(ed_->docked_module, L"Quorin.dll");
  EXPECT_EQ(ed_->modeless.size(), 1u);
  EXPECT_TRUE(panel_shown());
  RECT panel_rc;
  GetClientRect(ed_->panel, &panel_rc);
  EXPECT_EQ(ListView_GetColumnWidth(list(), 0), 300);
  EXPECT_EQ(ListView_GetColumnWidth(list(), 1), 50);
  EXPECT_EQ(ListView_GetColumnWidth(list(), 2), panel_rc.right - 380);
  EXPECT_EQ(ListView_GetTextColor(list()), RGB(255, 0, 0));
  auto r = rows();
  ASSERT_EQ(r.size(), 3u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(r[i][0], two);
    EXPECT_FALSE(r[i][2].empty());
  }
  EXPECT_EQ(r[0][1], L"2");
  EXPECT_EQ(r[1][1], L"4");
  EXPECT_EQ(r[2][0], L"");
  EXPECT_EQ(r[2][1], L"");
  EXPECT_EQ(r[2][2], L"=== 共 2 个错误 ===");
  // The sequence: ask, save, locate, register and show the panel.
  std::string seq = ed_->sequence();
  EXPECT_NE(seq.find("NPPM_SAVECURRENTFILE"), std::string::npos);
  EXPECT_NE(seq.find("NPPM_GETNPPDIRECTORY"), std::string::npos);
  EXPECT_LT(seq.find("NPPM_DMMREGASDCKDLG"), seq.find("NPPM_DMMSHOW"));

  RedrawWindow(ed_->main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  pump();
  Sleep(200);
  pump();
  qtest::save_window_bmp(ed_->main, exe_dir() + L"\\plugin_host_panel.bmp");

  // Copy everything and the selected row.
  SendMessageW(ed_->panel, WM_COMMAND, 35701, 0);
  ASSERT_TRUE(OpenClipboard(nullptr));
  std::wstring clip = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
  GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
  CloseClipboard();
  EXPECT_EQ(clip, two + L"|2|" + r[0][2] + L"\r\n" + two + L"|4|" + r[1][2] + L"\r\n=== 共 2 个错误 ===");

  // The context menu: both copies enabled with rows and a selection, only
  // "copy all" without a selection.
  EXPECT_EQ(menu_states(), "all=1 selected=0");
  ListView_SetItemState(list(), 0, LVIS_SELECTED, LVIS_SELECTED);
  pump();
  EXPECT_EQ(menu_states(), "all=1 selected=1");
  ListView_SetItemState(list(), -1, 0, LVIS_SELECTED);
  ed_->activate(two);

  // Clicking the second error opens the file and goes to its line.
  ed_->activate(scripts_ + L"\\其他.txt");
  ed_->buffers[0].set_text("");
  ed_->log.clear();
  ListView_SetItemState(list(), 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  pump();
  EXPECT_NE(ed_->sequence().find("NPPM_DOOPEN(" + utf8(two) + ")"), std::string::npos) << ed_->sequence();
  EXPECT_EQ(ed_->full_path, two);
  EXPECT_EQ(ed_->buffers[0].text(), kTwoErrors);
  EXPECT_EQ(ed_->buffers[0].ensured_visible, 3);
  EXPECT_EQ(ed_->buffers[0].line_from_pos(ed_->buffers[0].caret()), 3);
  EXPECT_TRUE(panel_shown());

  SendMessageW(ed_->panel, WM_COMMAND, 35702, 0);
  ASSERT_TRUE(OpenClipboard(nullptr));
  clip = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
  GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
  CloseClipboard();
  EXPECT_EQ(clip, two + L"|4|" + r[1][2]);

  // The summary row does nothing; a row whose file is gone says so.
  ed_->log.clear();
  ListView_SetItemState(list(), 2, LVIS_SELECTED, LVIS_SELECTED);
  pump();
  EXPECT_EQ(ed_->sequence().find("NPPM_DOOPEN"), std::string::npos);
  std::wstring gone = scripts_ + L"\\不存在.q";
  ListView_SetItemText(list(), 0, 0, const_cast<wchar_t*>(gone.c_str()));
  ListView_SetItemState(list(), 0, LVIS_SELECTED, LVIS_SELECTED);
  pump();
  auto b = boxes(1);
  ASSERT_EQ(b.size(), 1u);
  EXPECT_EQ(b[0], L"错误|文件打开失败:\n\n" + gone);

  // An interpreter that answers garbage leaves the panel as it was.
  ed_->npp_dir = garbage_->editor;
  ed_->activate(two);
  run(0);
  ed_->npp_dir = real_->editor;
  EXPECT_TRUE(exists(garbage_->root + L"\\Quorin\\Quorin.exe.started"));
  EXPECT_TRUE(boxes(0).empty());
  EXPECT_EQ(rows().size(), 3u);
  EXPECT_TRUE(panel_shown());

  // Another document hides the panel; the listed one shows it again.
  ed_->activate(scripts_ + L"\\其他.txt");
  EXPECT_FALSE(panel_shown());
  ed_->activate(two);
  EXPECT_TRUE(panel_shown());
  // Closing the listed document forgets it.
  ed_->send_notification(npp::NPPN_FILEBEFORECLOSE, ed_->main);
  EXPECT_FALSE(panel_shown());
  ed_->activate(two);
  EXPECT_FALSE(panel_shown());
}

// Reports the real interpreter does not give on demand, from a stand-in.
TEST_F(PluginHost, ReportsOfEveryShape) {
  std::wstring target = script(L"报告.q", "x\r\n");
  std::wstring report = garbage_->root + L"\\Quorin\\report.json";
  ed_->npp_dir = garbage_->editor;
  ed_->activate(target);

  // Large: many chunks before it parses; a row without members shows empty
  // cells and a line of 0 shows none.
  std::string big = "{\"status\": 0, \"errorCount\": 61, \"errorItems\": [";
  for (int i = 1; i <= 60; ++i)
    big += "{\"filePath\": \"C:\\\\s\\\\b.q\", \"line\": " + std::to_string(i) + ", \"desc\": \"" +
           std::string(200, 'x') + "\"},";
  big += "{\"line\": 0}]}\n";
  ASSERT_GT(big.size(), 3 * 4095u);
  write_file(report, big);
  run(0);
  auto r = rows();
  ASSERT_EQ(r.size(), 62u);
  EXPECT_EQ(r[59][0], L"C:\\s\\b.q");
  EXPECT_EQ(r[59][1], L"60");
  EXPECT_EQ(r[60][0] + r[60][1] + r[60][2], L"");
  EXPECT_EQ(r[61][2], L"=== 共 61 个错误 ===");

  // Empty error list: the summary row alone.
  write_file(report, "{\"status\": 0, \"errorCount\": 0, \"errorItems\": []}");
  run(0);
  r = rows();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0][2], L"=== 共 0 个错误 ===");

  // No error list: no rows at all, and nothing to copy.
  write_file(report, "{\"status\": 0}");
  run(0);
  EXPECT_TRUE(rows().empty());
  EXPECT_TRUE(panel_shown());
  EXPECT_EQ(menu_states(), "all=0 selected=0");

  // No status: the panel stays as it was.
  write_file(report, "{\"status\": 0, \"errorItems\": []}");
  run(0);
  write_file(report, "{\"errorItems\": [{\"filePath\": \"a\", \"line\": 1, \"desc\": \"d\"}]}");
  run(0);
  EXPECT_EQ(rows().size(), 1u);
  EXPECT_TRUE(boxes(0).empty());

  DeleteFileW(report.c_str());
  ed_->npp_dir = real_->editor;
}

TEST_F(PluginHost, UserClosingThePanelForgetsTheList) {
  std::wstring two = script(L"再来.q", kTwoErrors);
  ed_->activate(two);
  run(0);
  ASSERT_EQ(rows().size(), 3u);
  NMHDR hdr{ed_->main, 0, npp::DMN_CLOSE};
  SendMessageW(ed_->panel, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hdr));
  EXPECT_TRUE(rows().empty());
  ed_->activate(two);
  EXPECT_FALSE(panel_shown());
}

TEST_F(PluginHost, CleanScriptRunsAndHidesThePanel) {
  std::wstring two = script(L"又错.q", kTwoErrors);
  ed_->activate(two);
  run(0);
  ASSERT_TRUE(panel_shown());
  // The user mends the script and runs it again.
  script(L"又错.q", "int a = 1\r\na = a + 1\r\n");
  ed_->log.clear();
  run(0);
  EXPECT_TRUE(boxes(0).empty());
  EXPECT_NE(ed_->sequence().find("NPPM_DMMHIDE"), std::string::npos);
  EXPECT_FALSE(panel_shown());
  // The interpreter runs on with its window; close it.
  HWND w = nullptr;
  EXPECT_TRUE(eventually([&] { return (w = FindWindowW(L"Quorin", nullptr)) != nullptr; }, std::chrono::seconds(10)));
  if (w) {
    PostMessageW(w, WM_CLOSE, 0, 0);
    EXPECT_TRUE(eventually([&] { return !IsWindow(w); }, std::chrono::seconds(10)));
  }
}

TEST_F(PluginHost, RefusalsAndMissingPrograms) {
  std::wstring txt = script(L"说明.txt", "if(a)\nb\nendif\n");
  ed_->activate(txt);
  run(0);
  run(3);
  auto b = boxes(2);
  ASSERT_EQ(b.size(), 2u);
  EXPECT_EQ(b[0], L"提示|这不是一个 .q 文件");
  EXPECT_EQ(b[1], L"提示|这不是一个 .q 文件");

  // A never-saved document whose save is cancelled: nothing happens.
  ed_->activate(L"new 1", false);
  ed_->log.clear();
  run(0);
  EXPECT_NE(ed_->sequence().find("NPPM_SAVECURRENTFILE"), std::string::npos);
  EXPECT_TRUE(boxes(0).empty());
  // Saved under a name when asked: it goes on with that file.
  std::wstring saved = script(L"新脚本.q", kTwoErrors);
  ed_->on_save = [&] { ed_->set_document(saved); };
  run(0);
  EXPECT_TRUE(boxes(0).empty());
  EXPECT_EQ(rows().size(), 3u);

  ed_->activate(saved);
  ed_->npp_dir = bare_->editor;
  run(0);
  run(1);
  run(2);
  ed_->npp_dir = L"";
  run(0);
  run(2);
  ed_->npp_dir = real_->editor;
  b = boxes(5);
  ASSERT_EQ(b.size(), 5u);
  EXPECT_EQ(b[0], L"提示|未找到文件: Quorin.exe");
  EXPECT_EQ(b[1], L"提示|未找到文件: Quorin 代码辅助工具.exe");
  EXPECT_EQ(b[2], L"提示|未找到文件: 窗口探针.exe");
  EXPECT_EQ(b[3], L"提示|未找到文件: Quorin.exe");
  EXPECT_EQ(b[4], L"提示|未找到文件: 窗口探针.exe");

  // An interpreter that is not a program cannot be started.
  Install broken(base_ + L"\\broken", L"", false);
  CreateDirectoryW((broken.root + L"\\Quorin").c_str(), nullptr);
  write_file(broken.root + L"\\Quorin\\Quorin.exe", "not a program");
  ed_->npp_dir = broken.editor;
  run(0);
  ed_->npp_dir = real_->editor;
  b = boxes(1);
  ASSERT_EQ(b.size(), 1u);
  EXPECT_EQ(b[0], L"提示|CreateProcess Failed!");

  // Present tools are started.
  run(1);
  run(2);
  std::wstring dir = real_->editor + L"\\Quorin 代码辅助工具\\";
  EXPECT_TRUE(eventually([&] { return exists(dir + L"Quorin 代码辅助工具.exe.started"); }));
  EXPECT_TRUE(eventually([&] { return exists(dir + L"窗口探针.exe.started"); }));
  EXPECT_TRUE(boxes(0).empty());
}

TEST_F(PluginHost, TypingIndentation) {
  ed_->activate(scripts_ + L"\\typing.q");
  ed_->current = 1;
  qtest::TextBuffer& b = ed_->buffers[1];
  b.set_text("    if(a > 1)");
  b.set_caret(static_cast<long>(b.text().size()));
  ed_->type_enter(1);
  EXPECT_EQ(b.text(), "    if(a > 1)\n        \r\n    endif");
  EXPECT_EQ(b.caret(), 22);
  b.add_text("x = 1");
  ed_->type_enter(1);
  EXPECT_EQ(b.text(), "    if(a > 1)\n        x = 1\n        \r\n    endif");
  b.add_text("else");
  ed_->type_enter(1);
  EXPECT_EQ(b.text(), "    if(a > 1)\n        x = 1\n    else\n        \r\n    endif");

  // No current view: nothing happens.
  ed_->current = -1;
  b.add_text("if(b)");
  ed_->type_enter(1);
  EXPECT_EQ(b.text(), "    if(a > 1)\n        x = 1\n    else\n        if(b)\n\r\n    endif");
  ed_->current = 1;

  // Typing in a document that is not a script does nothing.
  ed_->activate(scripts_ + L"\\notes.txt");
  b.set_text("if(a)");
  b.set_caret(5);
  ed_->type_enter(1);
  EXPECT_EQ(b.text(), "if(a)\n");
  // A never-saved document is a script.
  ed_->activate(L"new 2", false);
  b.set_text("loop(3)");
  b.set_caret(7);
  ed_->type_enter(1);
  EXPECT_EQ(b.text(), "loop(3)\n    \r\nendloop");
  ed_->current = 0;
}

TEST_F(PluginHost, ReformatsADocument) {
  const std::string before =
      "# 整理前的脚本\r\n"
      "int count=0\r\n"
      "string name=\"甲乙\"\r\n"
      "ArrayList < int > list=arraylist_create()\r\n"
      "func int add(int a,int b)\r\n"
      "return a+b\r\n"
      "endfunc\r\n"
      "\r\n"
      "func void show(string s)\r\n"
      "  if(s==\"\")\r\n"
      "return\r\n"
      "   endif\r\n"
      "message_box(s,\"提示\")\r\n"
      "endfunc\r\n"
      "\r\n"
      "for i=1 to 10 step 2\r\n"
      "if(i>=5)\r\n"
      "        count=count+add(i,-1)\r\n"
      "elseif(i==3)\r\n"
      "count=count-1 # 三\r\n"
      "else\r\n"
      "loop(2)\r\n"
      "   count=count*2\r\n"
      "      endloop\r\n"
      "endif\r\n"
      "next\r\n"
      "\r\n"
      "loop(3)\r\n"
      "if(count>100&&count<200)\r\n"
      "for j=1 to 3\r\n"
      "count=count-j\r\n"
      "next\r\n"
      "endif\r\n"
      "endloop\r\n"
      "\r\n"
      "int arr[3]={1,2,3}\r\n"
      "arr[0]=-arr[1]\r\n"
      "string bad=\"未结束\r\n"
      "show(name)\r\n"
      "message_box(\"完成\",\"Quorin\")\r\n";
  const std::string after =
      "# 整理前的脚本\r\n"
      "int count = 0\r\n"
      "string name = \"甲乙\"\r\n"
      "ArrayList<int> list = arraylist_create()\r\n"
      "func int add(int a, int b)\r\n"
      "    return a + b\r\n"
      "endfunc\r\n"
      "\r\n"
      "func void show(string s)\r\n"
      "    if (s == \"\")\r\n"
      "        return\r\n"
      "    endif\r\n"
      "    message_box(s, \"提示\")\r\n"
      "endfunc\r\n"
      "\r\n"
      "for i = 1 to 10 step 2\r\n"
      "    if (i >= 5)\r\n"
      "        count = count + add(i, -1)\r\n"
      "    elseif (i == 3)\r\n"
      "        count = count - 1 # 三\r\n"
      "    else\r\n"
      "        loop (2)\r\n"
      "            count = count * 2\r\n"
      "        endloop\r\n"
      "    endif\r\n"
      "next\r\n"
      "\r\n"
      "loop (3)\r\n"
      "    if (count > 100 && count < 200)\r\n"
      "        for j = 1 to 3\r\n"
      "            count = count - j\r\n"
      "        next\r\n"
      "    endif\r\n"
      "endloop\r\n"
      "\r\n"
      "int arr[3] = {1, 2, 3}\r\n"
      "arr[0] = -arr[1]\r\n"
      "string bad=\"未结束\r\n"
      "show(name)\r\n"
      "message_box(\"完成\", \"Quorin\")\r\n";
  ed_->activate(L"new 3", false);
  qtest::TextBuffer& b = ed_->buffers[0];
  b.set_text(before);
  b.goto_line(20);
  b.set_first_visible(12);
  run(3);
  std::printf("--- before (%ld lines) ---\n%s--- after ---\n%s---\n", b.line_count() - 1, before.c_str(),
              b.text().c_str());
  EXPECT_EQ(b.text(), after);
  EXPECT_EQ(b.line_from_pos(b.caret()), 20);
  EXPECT_EQ(b.first_visible(), 12);
  EXPECT_EQ(b.ensured_visible, 20);

  // Canonical text: nothing is replaced and the caret stays.
  b.set_caret(7);
  ed_->log.clear();
  run(3);
  EXPECT_EQ(ed_->sequence().find("SCI_SETTEXT"), std::string::npos);
  EXPECT_EQ(b.caret(), 7);

  // A view in the Chinese code page is read and written in it.
  ed_->codepage[0] = 936;
  b.set_text("if(a==\"\xC4\xE3\xBA\xC3\")\nb=1\nendif");  // "你好" in GBK
  run(3);
  EXPECT_EQ(b.text(), "if (a == \"\xC4\xE3\xBA\xC3\")\r\n    b = 1\r\nendif");
  ed_->codepage[0] = 65001;
  // Bytes that are not UTF-8 are never rewritten.
  b.set_text("if(a)\n\xFF\xFE\nendif");
  run(3);
  EXPECT_EQ(b.text(), "if(a)\n\xFF\xFE\nendif");
  EXPECT_EQ(boxes(1).size(), 1u);
}

}  // namespace
