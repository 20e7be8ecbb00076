// The entry of Quorin.exe: prepares the process, reads the command line,
// compiles the script, and either ends (check modes) or shows the main
// window, starts the script thread and pumps messages until the window is
// closed.
#include <winsock2.h>
#include <windows.h>
#include <commdlg.h>
#include <io.h>
#include <openssl/ssl.h>
#include <process.h>
#include <shellapi.h>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "frontend/compile_driver.h"
#include "frontend/source_files.h"
#include "host/command_line.h"
#include "host/win32/host_port.h"
#include "host/win32/host_state.h"
#include "host/win32/search_workers.h"
#include "runtime/run.h"
#include "support/format.h"

namespace quorin {

HostState& host() {
  static HostState* state = new HostState;  // lives until the process ends
  return *state;
}

void end_process(int code) {
  std::fflush(stdout);
  std::fflush(stderr);
  std::exit(code);
}

namespace {

std::wstring wide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
std::u16string u16(std::wstring_view s) { return std::u16string(s.begin(), s.end()); }

void error_box(const wchar_t* text) { MessageBoxW(nullptr, text, L"Quorin", MB_OK | MB_ICONERROR); }

// Standard output and error reach the parent: a handle the parent passed
// (a pipe or a file) is kept; a stream without one is reopened on the
// console of the parent when there is one.
void attach_parent_console() {
  auto has_handle = [](DWORD which) {
    HANDLE h = GetStdHandle(which);
    return h && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
  };
  const bool out_ok = has_handle(STD_OUTPUT_HANDLE);
  const bool err_ok = has_handle(STD_ERROR_HANDLE);
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (!out_ok || _fileno(stdout) < 0 || _get_osfhandle(_fileno(stdout)) < 0) std::freopen("CONOUT$", "w", stdout);
  if (!err_ok || _fileno(stderr) < 0 || _get_osfhandle(_fileno(stderr)) < 0) std::freopen("CONOUT$", "w", stderr);
}

std::wstring module_folder() {
  wchar_t buf[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) {
    DWORD m = GetCurrentDirectoryW(MAX_PATH, buf);
    return std::wstring(buf, m);
  }
  std::wstring path(buf, n);
  size_t cut = path.rfind(L'\\');
  if (cut == std::wstring::npos) return path;
  if (cut > 0 && path[cut - 1] == L':') return path.substr(0, cut + 1);
  return path.substr(0, cut);
}

bool folder_exists(const std::wstring& f) {
  DWORD a = GetFileAttributesW(f.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring read_dialog_folder(const std::wstring& fallback) {
  wchar_t buf[261] = {};
  DWORD size = sizeof(buf) - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Quorin", L"file_dlg_choose_q_file", RRF_RT_REG_SZ, nullptr, buf,
                   &size) == ERROR_SUCCESS &&
      buf[0] && folder_exists(buf))
    return buf;
  return fallback;
}

bool choose_script(std::wstring& path) {
  HostState& h = host();
  wchar_t file[MAX_PATH] = {};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = h.main_window;
  ofn.lpstrFilter = L"Quorin 脚本文件 (*.q;*.qe)\0*.q;*.qe\0";
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrInitialDir = h.dialog_folder.c_str();
  ofn.lpstrTitle = L"选择一个 Quorin 脚本文件";
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&ofn) || !file[0]) return false;
  path = file;
  size_t cut = path.rfind(L'\\');
  if (cut != std::wstring::npos) h.dialog_folder = path.substr(0, cut);
  return true;
}

void detect_display_scale() {
  HostState& h = host();
  HDC dc = GetDC(nullptr);
  const int phys_w = GetDeviceCaps(dc, DESKTOPHORZRES), phys_h = GetDeviceCaps(dc, DESKTOPVERTRES);
  const int log_w = GetDeviceCaps(dc, HORZRES), log_h = GetDeviceCaps(dc, VERTRES);
  ReleaseDC(nullptr, dc);
  if ((phys_w != log_w || phys_h != log_h) && log_w > 0 && log_h > 0) {
    h.display_scaled = true;
    h.scale_x = static_cast<double>(phys_w) / log_w;
    h.scale_y = static_cast<double>(phys_h) / log_h;
  }
}

WindowMetrics window_metrics(HWND w) {
  RECT wr, cr;
  GetWindowRect(w, &wr);
  GetClientRect(w, &cr);
  WindowMetrics m;
  m.frame_w = (wr.right - wr.left) - (cr.right - cr.left);
  m.frame_h = (wr.bottom - wr.top) - (cr.bottom - cr.top);
  m.caption_h = GetSystemMetrics(SM_CYCAPTION);
  m.menu_h = GetSystemMetrics(SM_CYMENU);
  m.desktop_w = GetSystemMetrics(SM_CXSCREEN);
  m.desktop_h = GetSystemMetrics(SM_CYSCREEN);
  return m;
}

// Sizes, places and shows the main window as the script's directives ask.
void place_main_window(HWND w, const HostSettings& s, int show) {
  HostState& h = host();
  WindowMetrics m = window_metrics(w);
  h.script_sized = s.has_size;
  InitialPlacement p = initial_placement(m, s.has_size, s.width, s.height, s.has_position, s.x, s.y);
  // The frame measured after creation already includes the menu bar.
  const int win_w = p.client_w + m.frame_w, win_h = p.client_h + m.frame_h;
  if (p.centred) {
    const int x = (GetSystemMetrics(SM_CXSCREEN) - win_w) / 2;
    const int y = (GetSystemMetrics(SM_CYMAXIMIZED) - win_h) / 2;
    SetWindowPos(w, nullptr, x, y, win_w, win_h, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    SetWindowPos(w, nullptr, 0, 0, win_w, win_h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(w, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (p.maximized)
    ShowWindow(w, SW_SHOWMAXIMIZED);
  else if (!IsZoomed(w))
    ShowWindow(w, show);
  SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  h.min_track.x = m.frame_w + h.minimum.client_w;
  h.min_track.y = m.frame_h + h.minimum.client_h;
  h.minimum.window_w = h.min_track.x;
  h.minimum.window_h = h.min_track.y;
}

// The script thread's stack, and the compiler's: both recurse as deep as
// the script nests.
constexpr unsigned kDeepStack = 64u << 20;

struct CompileJob {
  std::u16string path;
  std::optional<std::u16string> charset;
  CheckMode mode;
  CompileResult result;
};

unsigned __stdcall compile_thread_main(void* arg) {
  auto* job = static_cast<CompileJob*>(arg);
  job->result = compile_script(job->path, job->charset, job->mode);
  return 0;
}

// Compiles on a thread with the script thread's large stack while this (the
// GUI) thread keeps its window answering.
CompileResult compile_with_deep_stack(const std::u16string& path, const std::optional<std::u16string>& charset,
                                      CheckMode mode) {
  CompileJob job{path, charset, mode, {}};
  uintptr_t t = _beginthreadex(nullptr, kDeepStack, compile_thread_main, &job, 0, nullptr);
  if (!t) {
    error_box(L"启动线程失败");
    end_process(-1);
  }
  HANDLE thread = reinterpret_cast<HANDLE>(t);
  bool quit = false;
  int quit_code = 0;
  while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      if (m.message == WM_QUIT) {
        quit = true;
        quit_code = static_cast<int>(m.wParam);
        continue;
      }
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
  }
  CloseHandle(thread);
  if (quit) PostQuitMessage(quit_code);
  return std::move(job.result);
}

unsigned __stdcall script_thread_main(void*) {
  HostState& h = host();
  RunOutcome out = run_script(*h.runtime);
  if (out.process_exit) end_process(out.code);
  return 0;
}

// Runs the script's `atexit` calls when the process ends while the run is
// still running or paused.  On another thread than the script's, the script
// thread is first parked at a statement boundary (never frozen where it
// might hold a lock); if it does not get there in time, the calls are
// skipped rather than run beside it.
void exit_handler() {
  HostState& h = host();
  Runtime* rt = h.runtime;
  if (!rt || rt->exit_handlers_ran) return;
  if (GetCurrentThreadId() == h.script_thread_id) {
    rt->run_exit_handlers();
    return;
  }
  const int st = rt->state.load();
  if (st != kRunning && st != kPaused) return;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  bool parked = false;
  while (!parked && std::chrono::steady_clock::now() < deadline) {
    parked = rt->control.park(std::chrono::milliseconds(20));
    // Serve messages the script thread may be sending to this thread.
    MSG m;
    PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  if (parked) rt->run_exit_handlers();
}

int run_host(HINSTANCE instance, int show) {
  HostState& h = host();
  h.instance = instance;
  // 1-2: locale and console.
  std::setlocale(LC_ALL, "chs");
  attach_parent_console();
  // 3-4: program folder and the file dialog's last folder.
  h.program_folder = module_folder();
  h.dialog_folder = read_dialog_folder(h.program_folder);
  // 5: Winsock 2.2.
  WSADATA wsa;
  if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) {
    error_box(L"WSAStartup() failed!");
    return -1;
  }
  if (wsa.wVersion != MAKEWORD(2, 2)) {
    WSACleanup();
    error_box(L"Invalid WinSock version!");
    return -1;
  }
  // 6: TLS library and the random seed.
  OPENSSL_init_ssl(OPENSSL_INIT_LOAD_SSL_STRINGS | OPENSSL_INIT_LOAD_CRYPTO_STRINGS, nullptr);
  OPENSSL_init_ssl(0, nullptr);
  std::srand(static_cast<unsigned>(GetCurrentThreadId()));
  // 7-8: window class, main window, its minimum size, topmost.
  if (!register_main_class(instance)) return 0;
  HWND w = create_main_window(instance);
  if (!w) return 0;
  h.main_window = w;
  h.minimum = minimum_sizes(window_metrics(w));
  SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  refresh_status(kLoading);

  // 9-10: command line.
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::u16string> words;
  for (int i = 0; i < argc; ++i) words.push_back(u16(argv[i]));
  CommandLine cl = parse_command_line(words);
  std::wstring script = wide(cl.script);
  if (script.empty()) {
    std::u16string usage = usage_line(cl.mode);
    if (!usage.empty()) {
      std::string bytes = to_utf8(usage);
      std::fwrite(bytes.data(), 1, bytes.size(), stdout);
      end_process(0);
    }
    SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (!choose_script(script)) end_process(0);
  }
  // 11: the script's folder becomes the current directory.  The path is
  // made absolute first so that a relative path still names the script.
  {
    wchar_t full[MAX_PATH];
    DWORD n = GetFullPathNameW(script.c_str(), MAX_PATH, full, nullptr);
    if (n > 0 && n < MAX_PATH) script.assign(full, n);
    size_t cut = script.rfind(L'\\');
    if (cut == std::wstring::npos) cut = script.rfind(L'/');
    if (cut != std::wstring::npos) SetCurrentDirectoryW(script.substr(0, cut == 2 ? 3 : cut).c_str());
  }
  // 12-13: compile; the check modes end here.
  const CheckMode mode = parse_check_mode(cl.mode);
  std::optional<std::u16string> charset;
  if (cl.charset && !cl.charset->empty()) charset = cl.charset;
  CompileResult compiled = compile_with_deep_stack(u16(script), charset, mode);
  if (!compiled.program) end_process(0);
  if (mode == CheckMode::Check || mode == CheckMode::IdeCheck) end_process(0);
  h.script_path = script;
  h.program = compiled.program.release();  // lives until the process ends
  const HostSettings& s = h.program->settings;
  h.keys = ControlKeys{s.pause_mods, s.pause_key, s.stop_mods, s.stop_key};

  // 14-16: font, display scaling, size and place.
  apply_interface_font();
  detect_display_scale();
  if (s.has_text) SetWindowTextW(h.panel, wide(s.text).c_str());
  place_main_window(w, s, show);

  // The run's context; its port reaches the window.
  h.port = new HostPort;
  h.port->set_main_window(w);
  h.runtime = new Runtime(*h.program, *h.port);
  h.runtime->control.interactive = true;
  h.runtime->script_args = cl.script_args;

  // 17: search workers.
  SYSTEM_INFO si;
  GetNativeSystemInfo(&si);
  if (!search_workers().start(si.dwNumberOfProcessors)) {
    MessageBoxW(w, L"启动线程失败", L"Quorin", MB_OK | MB_ICONERROR);
    end_process(-1);
  }
  h.runtime->search_pool = search_workers().pool();
  h.runtime->display_scaled = h.display_scaled;
  h.runtime->scale_x = static_cast<float>(h.scale_x);
  h.runtime->scale_y = static_cast<float>(h.scale_y);
  // 18: the keyboard hook.
  if (!install_keyboard_hook())
    MessageBoxW(nullptr,
                L"创建全局键盘钩子失败, 可能是你没有授权当前软件相应的权限。\n\n可以进入官网联系客服。", L"Quorin",
                MB_OK | MB_ICONWARNING);
  // 19: title, run state and the script thread.  Deep script recursion
  // needs a deep stack.
  h.runtime->state.store(kNotStarted);
  std::wstring title = wide(format16(u"%s - %.64s", u"Quorin", std::u16string(name_part(u16(script)))));
  SetWindowTextW(w, title.c_str());
  refresh_status(kNotStarted);
  unsigned tid = 0;
  uintptr_t t = _beginthreadex(nullptr, kDeepStack, script_thread_main, nullptr, 0, &tid);
  if (!t) {
    error_box(L"启动线程失败");
    end_process(-1);
  }
  h.script_thread = reinterpret_cast<HANDLE>(t);
  h.script_thread_id = tid;
  // 20: the exit handler.
  std::atexit(exit_handler);

  // 21: messages; Ctrl+A selects everything in an edit control.
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    if (msg.message == WM_KEYDOWN && msg.wParam == 'A' && (GetKeyState(VK_CONTROL) & 0x8000) &&
        !(GetKeyState(VK_SHIFT) & 0x8000) && !(GetKeyState(VK_MENU) & 0x8000)) {
      wchar_t cls[16] = {};
      GetClassNameW(msg.hwnd, cls, 16);
      if (lstrcmpiW(cls, L"Edit") == 0) SendMessageW(msg.hwnd, EM_SETSEL, 0, -1);
    }
    DispatchMessageW(&msg);
  }
  h.main_window = nullptr;
  h.port->set_main_window(nullptr);
  return static_cast<int>(msg.wParam);
}

}  // namespace
}  // namespace quorin

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  int code = quorin::run_host(instance, show);
  quorin::end_process(code);
}
