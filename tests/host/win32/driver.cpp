#include "driver.h"

#include <cstdio>
#include <vector>

namespace qtest {

std::wstring exe_folder() {
  wchar_t buf[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
  std::wstring p(buf, n);
  return p.substr(0, p.rfind(L'\\'));
}

namespace {

struct FindData {
  DWORD pid;
  const wchar_t* cls;
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK find_proc(HWND w, LPARAM lp) {
  auto* d = reinterpret_cast<FindData*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != d->pid || !IsWindowVisible(w)) return TRUE;
  wchar_t cls[64] = {};
  GetClassNameW(w, cls, 64);
  if (lstrcmpW(cls, d->cls) != 0) return TRUE;
  if (d->caption && window_text(w) != d->caption) return TRUE;
  d->found = w;
  return FALSE;
}

HWND find_window(DWORD pid, const wchar_t* cls, const wchar_t* caption) {
  FindData d{pid, cls, caption, nullptr};
  EnumWindows(find_proc, reinterpret_cast<LPARAM>(&d));
  return d.found;
}

void send_key(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}

}  // namespace

std::string utf8(const std::wstring& w) {
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

ScriptDir::ScriptDir() {
  wchar_t tmp[MAX_PATH];
  GetTempPathW(MAX_PATH, tmp);
  dir_ = std::wstring(tmp) + L"quorin-host-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(GetTickCount());
  CreateDirectoryW(dir_.c_str(), nullptr);
}

ScriptDir::~ScriptDir() {
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((dir_ + L"\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((dir_ + L"\\" + fd.cFileName).c_str());
    } while (FindNextFileW(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryW(dir_.c_str());
}

std::wstring ScriptDir::write(const std::wstring& name, const std::string& text) {
  std::wstring path = dir_ + L"\\" + name;
  FILE* f = _wfopen(path.c_str(), L"wb");
  fwrite(text.data(), 1, text.size(), f);
  fclose(f);
  return path;
}

QuorinProcess::QuorinProcess(const std::wstring& args, const std::wstring& cwd) {
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  HANDLE out_write = nullptr;
  CreatePipe(&out_read_, &out_write, &sa, 0);
  SetHandleInformation(out_read_, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = out_write;
  si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  std::wstring cmd = L"\"" + exe_folder() + L"\\Quorin.exe\" " + args;
  std::vector<wchar_t> line(cmd.begin(), cmd.end());
  line.push_back(0);
  CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, cwd.empty() ? nullptr : cwd.c_str(), &si,
                 &pi_);
  CloseHandle(out_write);
  reader_ = std::thread([this] { read_loop(); });
}

QuorinProcess::~QuorinProcess() {
  if (pi_.hProcess) {
    if (running()) {
      TerminateProcess(pi_.hProcess, 99);
      WaitForSingleObject(pi_.hProcess, 5000);
    }
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
  }
  if (reader_.joinable()) reader_.join();
  CloseHandle(out_read_);
}

void QuorinProcess::read_loop() {
  char buf[4096];
  DWORD n = 0;
  while (ReadFile(out_read_, buf, sizeof buf, &n, nullptr) && n > 0) {
    std::lock_guard<std::mutex> g(m_);
    out_.append(buf, n);
  }
}

std::string QuorinProcess::output() {
  std::lock_guard<std::mutex> g(m_);
  return out_;
}

bool QuorinProcess::wait_output(const std::string& text, std::chrono::milliseconds timeout) {
  return eventually([&] { return output().find(text) != std::string::npos; }, timeout);
}

bool QuorinProcess::wait_exit(std::chrono::milliseconds timeout) {
  if (WaitForSingleObject(pi_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return false;
  // Everything the process wrote is read once the pipe reports its end.
  if (reader_.joinable()) reader_.join();
  return true;
}

DWORD QuorinProcess::exit_code() {
  DWORD code = 0;
  GetExitCodeProcess(pi_.hProcess, &code);
  return code;
}

bool QuorinProcess::running() { return WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

HWND QuorinProcess::main_window(std::chrono::milliseconds timeout) {
  HWND w = nullptr;
  eventually([&] { return (w = find_window(pid(), L"Quorin", nullptr)) != nullptr; }, timeout);
  return w;
}

HWND QuorinProcess::find_box(const std::wstring& caption, std::chrono::milliseconds timeout) {
  HWND w = nullptr;
  eventually([&] { return (w = find_window(pid(), L"#32770", caption.c_str())) != nullptr; }, timeout);
  return w;
}

bool QuorinProcess::box_gone(const std::wstring& caption, std::chrono::milliseconds timeout) {
  return eventually([&] { return find_window(pid(), L"#32770", caption.c_str()) == nullptr; }, timeout);
}

std::wstring window_text(HWND w) {
  wchar_t buf[1024] = {};
  DWORD_PTR n = 0;
  SendMessageTimeoutW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 2000, &n);
  return std::wstring(buf, static_cast<size_t>(n));
}

std::wstring box_text(HWND box) { return window_text(GetDlgItem(box, 0xFFFF)); }

void close_box(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

void key_down(WORD vk) { send_key(vk, false); }
void key_up(WORD vk) { send_key(vk, true); }

void press_key(WORD vk, bool ctrl) {
  if (ctrl) send_key(VK_CONTROL, false);
  send_key(vk, false);
  Sleep(30);
  send_key(vk, true);
  if (ctrl) send_key(VK_CONTROL, true);
  Sleep(30);
}

bool save_window_bmp(HWND w, const std::wstring& file) {
  RECT r;
  GetWindowRect(w, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD size = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
  fh.bfSize = fh.bfOffBits + size;
  bool ok = false;
  if (FILE* f = _wfopen(file.c_str(), L"wb")) {
    fwrite(&fh, sizeof fh, 1, f);
    fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
    fwrite(bits, 1, size, f);
    fclose(f);
    ok = true;
  }
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return ok;
}

}  // namespace qtest
