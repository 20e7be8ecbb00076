// Starting Quorin.exe for a test and talking to it: its standard output on a
// pipe, its main window and message boxes, and key presses that reach the
// global keyboard hook.
#pragma once
#include <windows.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>

namespace qtest {

using namespace std::chrono_literals;

// A scratch folder with script files, removed at the end.
class ScriptDir {
 public:
  ScriptDir();
  ~ScriptDir();
  // Writes a UTF-8 script and returns its full path.
  std::wstring write(const std::wstring& name, const std::string& utf8);
  const std::wstring& path() const { return dir_; }

 private:
  std::wstring dir_;
};

class QuorinProcess {
 public:
  // Starts Quorin.exe (next to the test program) with the arguments.
  explicit QuorinProcess(const std::wstring& args, const std::wstring& cwd = L"");
  ~QuorinProcess();

  // Standard output so far (UTF-8).
  std::string output();
  // Waits until the output contains `text`.
  bool wait_output(const std::string& text, std::chrono::milliseconds timeout = 10s);
  // Waits for the process to end and for its output to be read; false on
  // timeout.
  bool wait_exit(std::chrono::milliseconds timeout = 10s);
  DWORD exit_code();
  bool running();

  // The main window (class "Quorin") of this process once it is visible.
  HWND main_window(std::chrono::milliseconds timeout = 10s);
  // A dialog box (class #32770) of this process with the given caption.
  HWND find_box(const std::wstring& caption, std::chrono::milliseconds timeout = 5s);
  bool box_gone(const std::wstring& caption, std::chrono::milliseconds timeout = 5s);
  DWORD pid() const { return pi_.dwProcessId; }

 private:
  void read_loop();

  PROCESS_INFORMATION pi_{};
  HANDLE out_read_ = nullptr;
  std::thread reader_;
  std::mutex m_;
  std::string out_;
};

// The folder of the test program (the programs under test lie beside it).
std::wstring exe_folder();
std::wstring window_text(HWND w);
std::wstring box_text(HWND box);  // the message of a message box
void close_box(HWND box);         // presses OK
// Presses and releases a key (optionally with modifiers held), as input.
void press_key(WORD vk, bool ctrl = false);
void key_down(WORD vk);
void key_up(WORD vk);
// Polls `pred` until it holds.
template <class P>
bool eventually(P pred, std::chrono::milliseconds timeout = 5s) {
  auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (pred()) return true;
    Sleep(20);
  }
  return pred();
}
std::string utf8(const std::wstring& w);
// Saves the screen area of a window as a 24-bit BMP file.
bool save_window_bmp(HWND w, const std::wstring& file);

}  // namespace qtest
