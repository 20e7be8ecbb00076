// The window probe and the code-assist tool as a user drives them: the
// programs beside this test are started, their buttons pressed, and the
// pointer moved and clicked with real input over a window of the test's
// own whose controls and colours are known.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

template <class P>
bool eventually(P pred, std::chrono::milliseconds timeout = 5s) {
  auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (pred()) return true;
    Sleep(20);
  }
  return pred();
}

std::wstring folder_of_test() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p = path;
  return p.substr(0, p.find_last_of(L'\\'));
}

std::wstring text_of(HWND w) {
  wchar_t buf[1024] = {};
  SendMessageW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf));
  return buf;
}

// ---- the target: a window with a button and a painted colour field ------

constexpr COLORREF kPaint = RGB(10, 200, 30);
struct Target {
  HWND window = nullptr, button = nullptr;
  int button_clicks = 0, left_downs = 0, right_downs = 0;
} target;

LRESULT CALLBACK target_proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wp) == 1001 && HIWORD(wp) == BN_CLICKED) ++target.button_clicks;
      return 0;
    case WM_LBUTTONDOWN: ++target.left_downs; return 0;
    case WM_RBUTTONDOWN: ++target.right_downs; return 0;
    case WM_ERASEBKGND: {
      RECT rc;
      GetClientRect(w, &rc);
      HBRUSH b = CreateSolidBrush(kPaint);
      FillRect(reinterpret_cast<HDC>(wp), &rc, b);
      DeleteObject(b);
      return 1;
    }
  }
  return DefWindowProcW(w, msg, wp, lp);
}

void pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

template <class P>
bool pump_until(P pred, std::chrono::milliseconds timeout = 5s) {
  return eventually([&] {
    pump();
    return pred();
  }, timeout);
}

void make_target() {
  if (target.window) return;
  WNDCLASSW wc{};
  wc.lpfnWndProc = target_proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"QuorinToolTarget";
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassW(&wc);
  target.window = CreateWindowExW(0, wc.lpszClassName, L"探针目标", WS_POPUP | WS_VISIBLE | WS_BORDER, 600, 500, 300,
                                  200, nullptr, nullptr, wc.hInstance, nullptr);
  target.button = CreateWindowExW(0, L"BUTTON", L"按钮一", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 30, 100, 30,
                                  target.window, reinterpret_cast<HMENU>(1001), wc.hInstance, nullptr);
  UpdateWindow(target.window);
  pump();
}

// ---- input -------------------------------------------------------------

void move_to(int x, int y) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>(x * 65535.0 / (GetSystemMetrics(SM_CXSCREEN) - 1));
  in.mi.dy = static_cast<LONG>(y * 65535.0 / (GetSystemMetrics(SM_CYSCREEN) - 1));
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

void click(bool right = false) {
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof in[0]);
}

// ---- the programs ------------------------------------------------------

class Program {
 public:
  explicit Program(const std::wstring& exe) {
    std::wstring cmd = L"\"" + folder_of_test() + L"\\" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    started_ = CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_of_test().c_str(),
                              &si, &pi_);
  }
  ~Program() {
    if (!started_) return;
    if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi_.hProcess, 0);
    WaitForSingleObject(pi_.hProcess, 5000);
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
  }
  bool started() const { return started_; }
  bool exits_within(DWORD ms) { return WaitForSingleObject(pi_.hProcess, ms) == WAIT_OBJECT_0; }

 private:
  PROCESS_INFORMATION pi_{};
  bool started_ = false;
};

// A dialog box once it is shown (it can be found while it is still being
// initialised).
HWND find_box(const wchar_t* caption) {
  HWND found = nullptr;
  eventually([&] { return (found = FindWindowW(L"#32770", caption)) != nullptr && IsWindowVisible(found); });
  Sleep(50);
  return found;
}

// Ends instances that an interrupted earlier run may have left behind.
void close_stale(const wchar_t* cls) {
  for (int i = 0; i < 20; ++i) {
    HWND w = FindWindowW(cls, nullptr);
    if (!w) return;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
      TerminateProcess(p, 0);
      WaitForSingleObject(p, 5000);
      CloseHandle(p);
    }
  }
}

// The probe's fields, by control identifier.
enum ProbeId {
  kPoint = 100, kPick, kHandle, kHide, kShow, kCtlId, kClassName, kTitle, kPointer, kClientSize,
  kParentHandle, kParentHide, kParentShow, kParentClass, kParentTitle,
};

TEST(WindowProbe, ShowsTheControlUnderThePointerAndItsParent) {
  make_target();
  close_stale(L"QuorinWindowProbe");
  Program probe(L"窗口探针.exe");
  ASSERT_TRUE(probe.started());
  HWND w = nullptr;
  ASSERT_TRUE(eventually([&] { return (w = FindWindowW(L"QuorinWindowProbe", L"窗口探针")) != nullptr; }));
  ASSERT_TRUE(eventually([&] { return IsWindowVisible(w) && GetDlgItem(w, kParentTitle); }));
  // Out of the target's way.
  SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client{};
  GetClientRect(w, &client);
  EXPECT_EQ(client.right, 273);
  EXPECT_EQ(client.bottom, 406);
  EXPECT_TRUE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w, kHide)));  // nothing found yet

  SendMessageW(GetDlgItem(w, kPick), BM_CLICK, 0, 0);
  ASSERT_TRUE(eventually([&] { return !IsWindowEnabled(GetDlgItem(w, kPick)); }));
  RECT br{};
  GetWindowRect(target.button, &br);
  const int px = br.left + 7, py = br.top + 5;
  move_to(px, py);
  const std::wstring handle = std::to_wstring(reinterpret_cast<intptr_t>(target.button));
  ASSERT_TRUE(pump_until([&] { return text_of(GetDlgItem(w, kHandle)) == handle; }))
      << "the handle field shows another window; button " << reinterpret_cast<intptr_t>(target.button)
      << ", its parent " << reinterpret_cast<intptr_t>(target.window);
  click();
  ASSERT_TRUE(pump_until([&] { return IsWindowEnabled(GetDlgItem(w, kPick)); }));
  pump_until([] { return false; }, 300ms);
  EXPECT_EQ(target.button_clicks, 0) << "the picking click must not reach the window below";

  EXPECT_EQ(text_of(GetDlgItem(w, kPoint)), std::to_wstring(px) + L", " + std::to_wstring(py));
  EXPECT_EQ(text_of(GetDlgItem(w, kCtlId)), L"1001");
  EXPECT_EQ(text_of(GetDlgItem(w, kClassName)), L"Button");
  EXPECT_EQ(text_of(GetDlgItem(w, kTitle)), L"按钮一");
  EXPECT_EQ(text_of(GetDlgItem(w, kPointer)), L"7, 5");
  EXPECT_EQ(text_of(GetDlgItem(w, kClientSize)), L"100 x 30");
  EXPECT_EQ(text_of(GetDlgItem(w, kParentHandle)), std::to_wstring(reinterpret_cast<intptr_t>(target.window)));
  EXPECT_EQ(text_of(GetDlgItem(w, kParentClass)), L"QuorinToolTarget");
  EXPECT_EQ(text_of(GetDlgItem(w, kParentTitle)), L"探针目标");
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(w, kParentHide)));

  // Hide and show the found control.
  SendMessageW(GetDlgItem(w, kHide), BM_CLICK, 0, 0);
  EXPECT_TRUE(pump_until([] { return !IsWindowVisible(target.button); }));
  SendMessageW(GetDlgItem(w, kShow), BM_CLICK, 0, 0);
  EXPECT_TRUE(pump_until([] { return IsWindowVisible(target.button) != FALSE; }));

  // A second start brings the first forward and ends.
  Program second(L"窗口探针.exe");
  EXPECT_TRUE(second.exits_within(5000));
  EXPECT_EQ(FindWindowW(L"QuorinWindowProbe", L"窗口探针"), w);
  PostMessageW(w, WM_CLOSE, 0, 0);
  EXPECT_TRUE(probe.exits_within(5000));
}

// The code-assist tool's controls.
enum AssistId {
  kList = 100, kBtnPosition, kBtnLive, kBtnFrozen, kBtnTestMove, kBtnTestClick, kBtnTestRight,
  kBtnAdd, kBtnInsert, kBtnDelete, kBtnClear,
  kMenuNew = 200, kMenuOpen, kMenuSave, kMenuSaveAs, kMenuHome, kMenuHelp, kMenuAbout,
  kCopyLogical, kCopyPhysical, kCopyColor, kCopyCondition,
};

std::string clipboard_text() {
  std::string out;
  for (int i = 0; i < 50 && !OpenClipboard(nullptr); ++i) Sleep(20);
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(h))) {
      out = p;
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return out;
}

std::string read_file(const std::wstring& path) {
  std::string out;
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return out;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got) out.append(buf, got);
  CloseHandle(f);
  return out;
}

void write_file(const std::wstring& path, const std::string& bytes) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD put = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
  CloseHandle(f);
}

// Answers a file dialog with a full path.
bool answer_file_dialog(const wchar_t* caption, const std::wstring& path) {
  HWND box = find_box(caption);
  if (!box) return false;
  HWND edit = nullptr;
  eventually([&] {
    edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
    if (!edit)
      if (HWND combo = FindWindowExW(box, nullptr, L"ComboBoxEx32", nullptr))
        edit = FindWindowExW(FindWindowExW(combo, nullptr, L"ComboBox", nullptr), nullptr, L"Edit", nullptr);
    return edit != nullptr;
  });
  if (!edit) return false;
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  return eventually([&] { return !IsWindow(box); });
}

TEST(CodeAssist, PicksAColourAddsActionsSavesReopensAndTests) {
  make_target();
  close_stale(L"QuorinCodeAssist");
  Program tool(L"Quorin 代码辅助工具.exe");
  ASSERT_TRUE(tool.started());
  HWND w = nullptr;
  ASSERT_TRUE(eventually([&] { return (w = FindWindowW(L"QuorinCodeAssist", L"Quorin 代码辅助工具")) != nullptr; }));
  // The window is found while it is still being built: wait until it shows.
  ASSERT_TRUE(eventually([&] { return IsWindowVisible(w) && GetDlgItem(w, kBtnClear); }));
  SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  HWND list = GetDlgItem(w, kList);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 10);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w, kBtnClear)));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w, kBtnTestClick)));

  // Pick position and colour of a painted pixel in the first row.
  RECT tr{};
  GetWindowRect(target.window, &tr);
  const int px = tr.left + 200, py = tr.top + 120;
  PostMessageW(w, WM_COMMAND, kBtnLive, 0);
  ASSERT_TRUE(eventually([&] { return !IsWindowEnabled(GetDlgItem(w, kBtnLive)); }));
  move_to(px - 3, py - 3);
  pump_until([] { return false; }, 100ms);
  move_to(px, py);
  pump_until([] { return false; }, 200ms);
  click();
  ASSERT_TRUE(pump_until([&] { return IsWindowEnabled(GetDlgItem(w, kBtnLive)); }));
  pump_until([] { return false; }, 200ms);
  EXPECT_EQ(target.left_downs, 0) << "the picking click must not reach the window below";
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(w, kBtnTestClick)));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(w, kBtnClear)));

  PostMessageW(w, WM_COMMAND, kCopyCondition, 0);
  char expected[96];
  std::snprintf(expected, sizeof expected, "screen_get_color_at(%d, %d) == %d", px, py, static_cast<int>(kPaint));
  EXPECT_TRUE(eventually([&] { return clipboard_text() == expected; })) << clipboard_text();
  PostMessageW(w, WM_COMMAND, kCopyLogical, 0);
  EXPECT_TRUE(eventually([&] { return clipboard_text() == std::to_string(px) + ", " + std::to_string(py); }));

  // Add an action with a Chinese description.
  PostMessageW(w, WM_COMMAND, kBtnAdd, 0);
  HWND ask = find_box(L"添加动作");
  ASSERT_NE(ask, nullptr);
  SendMessageW(GetDlgItem(ask, 300), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"点击确定按钮"));
  PostMessageW(ask, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(eventually([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 11; }));

  // Save: no file is open, so the save dialog asks for one.
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring file = std::wstring(temp) + L"动作测试";
  DeleteFileW((file + L".fz").c_str());
  PostMessageW(w, WM_COMMAND, kMenuSave, 0);
  ASSERT_TRUE(answer_file_dialog(L"保存到", file));
  file += L".fz";
  ASSERT_TRUE(eventually([&] { return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES; }));
  ASSERT_TRUE(eventually([&] {
    wchar_t caption[256] = {};
    GetWindowTextW(w, caption, 256);
    return std::wstring(caption) == L"Quorin 代码辅助工具 - 动作测试.fz";
  }));
  const std::string saved = read_file(file);
  char first[256];
  std::snprintf(first, sizeof first,
                "{\n\t\"recordCount\":\t2,\n\t\"items\":\t[{\n\t\t\t\"desc\":\t\"\",\n\t\t\t\"x\":\t%d,\n"
                "\t\t\t\"y\":\t%d,\n\t\t\t\"physicalX\":\t%d,\n\t\t\t\"physicalY\":\t%d,\n\t\t\t\"color\":\t%d\n\t\t}, {\n",
                px, py, px, py, static_cast<int>(kPaint));
  EXPECT_EQ(saved.substr(0, strlen(first)), first);
  // The description is written in the ANSI code page (GBK here).
  EXPECT_NE(saved.find("\"desc\":\t\"\xB5\xE3\xBB\xF7\xC8\xB7\xB6\xA8\xB0\xB4\xC5\xA5\""), std::string::npos);
  EXPECT_NE(saved.find("\"x\":\t-1"), std::string::npos);

  // Select the first row with a real click, then test-click its action:
  // the target receives the click.
  RECT lr{}, hr{};
  GetWindowRect(list, &lr);
  GetWindowRect(GetWindow(list, GW_CHILD), &hr);
  move_to(lr.left + 20, hr.bottom + 13);
  click();
  // The list scrolled to the added row: Home goes to the first one.
  keybd_event(VK_HOME, 0, 0, 0);
  keybd_event(VK_HOME, 0, KEYEVENTF_KEYUP, 0);
  ASSERT_TRUE(eventually([&] { return IsWindowEnabled(GetDlgItem(w, kBtnTestClick)) != FALSE; }));
  PostMessageW(w, WM_COMMAND, kBtnTestClick, 0);
  EXPECT_TRUE(pump_until([] { return target.left_downs == 1; }));

  // New, then open the saved file again.
  PostMessageW(w, WM_COMMAND, kMenuNew, 0);
  ASSERT_TRUE(eventually([&] {
    wchar_t caption[256] = {};
    GetWindowTextW(w, caption, 256);
    return std::wstring(caption) == L"Quorin 代码辅助工具";
  }));
  PostMessageW(w, WM_COMMAND, kMenuOpen, 0);
  ASSERT_TRUE(answer_file_dialog(L"打开", file));
  ASSERT_TRUE(eventually([&] {
    wchar_t caption[256] = {};
    GetWindowTextW(w, caption, 256);
    return std::wstring(caption) == L"Quorin 代码辅助工具 - 动作测试.fz";
  }));
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 10);  // 2 actions and 8 empty rows

  // A damaged file: the format message, and the list left empty.
  std::wstring damaged = std::wstring(temp) + L"损坏.fz";
  write_file(damaged, "{\"items\": [");
  PostMessageW(w, WM_COMMAND, kMenuOpen, 0);
  ASSERT_TRUE(answer_file_dialog(L"打开", damaged));
  HWND bad = find_box(L"提示");
  ASSERT_NE(bad, nullptr);
  EXPECT_EQ(text_of(GetDlgItem(bad, 0xFFFF)), L"文件格式不对！");
  PostMessageW(bad, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(eventually([&] { return !IsWindow(bad); }));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w, kBtnClear)));  // nothing in the list
  DeleteFileW(file.c_str());
  DeleteFileW(damaged.c_str());

  PostMessageW(w, WM_CLOSE, 0, 0);
  EXPECT_TRUE(tool.exits_within(5000));
}

}  // namespace
