#include "target.h"

#include <cstdio>
#include <sstream>
#include <thread>

namespace qtest {

namespace {

std::string read_all(const std::wstring& file) {
  std::string s;
  FILE* f = _wfopen(file.c_str(), L"rb");
  if (!f) return s;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
  fclose(f);
  return s;
}

}  // namespace

std::string hex(unsigned long v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%lx", v);
  return buf;
}

TargetWindow::TargetWindow(const std::wstring& title) {
  wchar_t tmp[MAX_PATH];
  GetTempPathW(MAX_PATH, tmp);
  file_ = std::wstring(tmp) + L"quorin-target-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(GetTickCount()) + L".txt";
  std::wstring cmd = L"\"" + exe_folder() + L"\\target_window.exe\" \"" + file_ + L"\" \"" + title + L"\"";
  std::vector<wchar_t> line(cmd.begin(), cmd.end());
  line.push_back(0);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) return;
  eventually([&] { return read_all(file_).find('\n') != std::string::npos; }, std::chrono::seconds(10));
  std::istringstream first(read_all(file_));
  std::string word;
  first >> word;
  if (word != "ready") return;
  while (first >> word) {
    size_t eq = word.find('=');
    if (eq == std::string::npos) break;
    handles[word.substr(0, eq)] = static_cast<int>(std::stoul(word.substr(eq + 1)));
  }
  main = reinterpret_cast<HWND>(static_cast<intptr_t>(handle("main")));
  // Let the window settle in the foreground with the focus in its edit control.
  eventually([&] { return GetForegroundWindow() == main; }, std::chrono::seconds(2));
}

TargetWindow::~TargetWindow() {
  if (pi_.hProcess) {
    if (main) PostMessageW(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi_.hProcess, 3000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
  }
  DeleteFileW(file_.c_str());
}

int TargetWindow::handle(const std::string& name) const {
  auto it = handles.find(name);
  return it == handles.end() ? 0 : it->second;
}

std::vector<Record> TargetWindow::records(std::vector<unsigned> only) {
  std::vector<Record> out;
  std::istringstream in(read_all(file_));
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("msg ", 0) != 0) continue;
    Record r;
    char name[32] = {};
    if (std::sscanf(line.c_str(), "msg %31s 0x%x 0x%lx 0x%lx %lu %lu", name, &r.message, &r.wparam, &r.lparam, &r.time,
                    &r.tick) != 6)
      continue;
    r.control = name;
    bool wanted = only.empty();
    for (unsigned m : only) wanted = wanted || m == r.message;
    if (wanted) out.push_back(r);
  }
  return out;
}

std::vector<Record> TargetWindow::wait_records(size_t n, std::vector<unsigned> only,
                                               std::chrono::milliseconds timeout) {
  std::vector<Record> r;
  eventually([&] { return (r = records(only)).size() >= n; }, timeout);
  return r;
}

CliResult run_cli(ScriptDir& dir, const std::string& script, DWORD timeout_ms) {
  static int counter = 0;
  std::wstring path = dir.write(L"s" + std::to_wstring(++counter) + L".q", script);
  CliResult result;
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  HANDLE rd = nullptr, wr = nullptr;
  CreatePipe(&rd, &wr, &sa, 0);
  SetHandleInformation(rd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = wr;
  si.hStdError = wr;
  std::wstring cmd = L"\"" + exe_folder() + L"\\quorin-cli.exe\" \"" + path + L"\"";
  std::vector<wchar_t> line(cmd.begin(), cmd.end());
  line.push_back(0);
  PROCESS_INFORMATION pi{};
  DWORD start = GetTickCount();
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
    CloseHandle(rd);
    CloseHandle(wr);
    return result;
  }
  CloseHandle(wr);
  std::thread reader([&] {
    char buf[4096];
    DWORD n = 0;
    while (ReadFile(rd, buf, sizeof buf, &n, nullptr) && n > 0) result.out.append(buf, n);
  });
  result.finished = WaitForSingleObject(pi.hProcess, timeout_ms) == WAIT_OBJECT_0;
  result.elapsed_ms = GetTickCount() - start;
  if (!result.finished) TerminateProcess(pi.hProcess, 99);
  WaitForSingleObject(pi.hProcess, 5000);
  GetExitCodeProcess(pi.hProcess, &result.code);
  reader.join();
  CloseHandle(rd);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  // Line ends as written by the console layer.
  std::string clean;
  for (char c : result.out)
    if (c != '\r') clean += c;
  result.out = clean;
  return result;
}

bool run_unix(const std::string& command_line) {
  // Wine starts a Unix program given by its Unix path; it inherits the
  // environment, DISPLAY included.
  std::wstring cmd(command_line.begin(), command_line.end());
  std::vector<wchar_t> line(cmd.begin(), cmd.end());
  line.push_back(0);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  if (!pi.hProcess) {
    // Wine hands back no handle for a Unix process: give it time to act.
    Sleep(500);
    return true;
  }
  bool done = WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0;
  DWORD code = 1;
  if (done) GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return done && code == 0;
}

}  // namespace qtest
