// The dialogs of the native command line: questions on the console, programs
// started as detached processes, the beep as the terminal bell.
#include <errno.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "builtins/ui/console_dialogs.h"
#include "builtins/ui/dialogs.h"
#include "runtime/runtime.h"
#include "support/format.h"

namespace quorin {

namespace {

class TerminalDialogs : public ConsoleDialogs {
 public:
  TerminalDialogs() : ConsoleDialogs(stdin, stderr) {}

 protected:
  void set_echo(bool on) override {
    if (!isatty(STDIN_FILENO)) return;
    termios t;
    if (tcgetattr(STDIN_FILENO, &t) != 0) return;
    if (on)
      t.c_lflag |= ECHO;
    else
      t.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &t);
  }
};

// The words of an argument text: separated by blanks, double quotes group.
std::vector<std::string> split_args(const std::string& s) {
  std::vector<std::string> words;
  std::string cur;
  bool quoted = false, any = false;
  for (char c : s) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (any) words.push_back(cur);
      cur.clear();
      any = false;
    } else {
      cur.push_back(c);
      any = true;
    }
  }
  if (any) words.push_back(cur);
  return words;
}

// The shell's error numbers for what exec reports.
int shell_error(int err) {
  switch (err) {
    case ENOENT: return 2;   // file not found
    case ENOTDIR: return 3;  // path not found
    case EACCES:
    case EPERM: return 5;    // access denied
    case ENOMEM: return 8;   // out of memory
    default: return 31;      // no program for it
  }
}

}  // namespace

void show_alert(Runtime& rt, std::u16string_view text, int) { rt.ui.alert(text); }

int show_confirm(Runtime&, std::u16string_view text, int box_type) {
  TerminalDialogs d;
  return d.confirm(text, box_type);
}

int show_input(Runtime&, InputRequest& req) {
  TerminalDialogs d;
  return d.input(req);
}

int show_multiline(Runtime&, MultilineRequest& req) {
  TerminalDialogs d;
  return d.multiline(req);
}

int start_program(Runtime&, std::u16string_view path, std::u16string_view args, std::u16string_view folder, int) {
  const std::string file = to_utf8(path), dir = to_utf8(folder);
  std::vector<std::string> words = split_args(to_utf8(args));
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(file.c_str()));
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  // The program's own process is a grandchild, so nothing is left to reap;
  // a pipe closed on exec carries the error of a failed start back.
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return 8;
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) {
    close(fds[0]);
    close(fds[1]);
    return 8;
  }
  if (child == 0) {
    setsid();
    if (fork() == 0) {
      int err = 0;
      if (!dir.empty() && chdir(dir.c_str()) != 0) err = errno;
      if (!err) {
        execvp(file.c_str(), argv.data());
        err = errno;
      }
      ssize_t ignored = write(fds[1], &err, sizeof err);
      (void)ignored;
      _exit(127);
    }
    _exit(0);
  }
  close(fds[1]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int err = 0;
  ssize_t n;
  while ((n = read(fds[0], &err, sizeof err)) < 0 && errno == EINTR) {
  }
  close(fds[0]);
  return n == static_cast<ssize_t>(sizeof err) ? shell_error(err) : 42;
}

bool beep_once() {
  if (isatty(STDERR_FILENO)) {
    std::fputc('\a', stderr);
    std::fflush(stderr);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  return true;
}

void beep_failed() {
  std::fputs("【提示音】无法播放，请检查电脑声音播放设备是否正常工作。\n", stderr);
}

}  // namespace quorin
