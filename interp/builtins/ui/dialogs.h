// What the `ui` builtins ask of the platform: message boxes, input dialogs,
// starting programs and one beep.  The Windows program shows real boxes and
// dialogs; the command-line interpreters ask on the console
// (console_dialogs.h).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace quorin {

class Runtime;

struct InputRequest {
  std::u16string title;
  std::u16string prompt;
  std::u16string value;  // in: the current value (cut to the buffer); out: the accepted text
  int type = 0;          // normalised input type
  bool password = false;
};

struct MultilineRequest {
  std::u16string title;
  std::u16string prompt;
  std::u16string value;  // in: the current value; out: the whole edited text
  int max_length = 0;    // < 1: no limit
  int width = 0, height = 0;
};

// `alert`: a warning box; with seconds > 0 it counts down and closes itself.
// Without a window it is the run's plain alert (no count-down).
void show_alert(Runtime& rt, std::u16string_view text, int seconds);
// The pressed button (kResultOk, kResultCancel, kResultYes, kResultNo).
int show_confirm(Runtime& rt, std::u16string_view text, int box_type);
// kResultOk with req.value set to the accepted text, or kResultCancel.
int show_input(Runtime& rt, InputRequest& req);
int show_multiline(Runtime& rt, MultilineRequest& req);
// Starts a program or opens a document; the result follows the shell's
// convention (above 32 on success, else an error code).
int start_program(Runtime& rt, std::u16string_view path, std::u16string_view args, std::u16string_view folder,
                  int show);
// One beep of about half a second (1000 Hz); false when it failed.
bool beep_once();
// Tells the user that the beep failed.
void beep_failed();

}  // namespace quorin
