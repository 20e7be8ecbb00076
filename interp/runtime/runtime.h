// The context of one script run: run state, current position, variable
// storage, frames and everything else a running script shares.  Nothing of a
// run lives in globals, so one process can compile and run many scripts.
#pragma once
#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/program_model.h"
#include "runtime/alert_sound.h"
#include "runtime/array.h"
#include "runtime/family_state.h"
#include "runtime/object.h"
#include "runtime/run_control.h"
#include "runtime/run_resources.h"
#include "runtime/sync.h"
#include "runtime/ui_port.h"
#include "runtime/value.h"

namespace quorin {

namespace sys {
class DllModules;
}
class SearchPool;

enum RunState : int {
  kLoading = -1,
  kNotStarted = 0,
  kRunning = 2,
  kPaused = 3,
  kStopped = 4,
  kEnded = 5,
};

// Storage of one variable.  It begins with a Value header so that builtins
// receive collection variables and collection results the same way.
struct Slot {
  Value value;  // type header; payload in storage form
  uint8_t assigned = 0;
  uint8_t defined = 0;
  uint8_t borrowed = 0;  // array parameter: storage belongs to the caller
  uint8_t present = 0;   // locals: created in this frame
  const VariableRecord* record = nullptr;
};

// Thrown to end the run: after a runtime error (already shown) or `exit`.
struct ScriptExit {
  int code = 0;
};
// Thrown at a statement boundary once the run is stopped or has ended: the
// script thread stops walking for good.
struct ScriptHalt {};

struct Frame {
  const ScriptFunction* function = nullptr;
  Slot* base = nullptr;
};

// Slots of the active frames, in chunks so that addresses stay valid while
// deeper calls push frames (by-reference arguments point into them).
class SlotStack {
 public:
  SlotStack() = default;
  SlotStack(const SlotStack&) = delete;
  SlotStack& operator=(const SlotStack&) = delete;
  ~SlotStack();
  // n zeroed slots
  Slot* push(size_t n) {
    if (!chunks_.empty()) [[likely]] {
      Chunk& c = chunks_[current_];
      if (c.size - c.used >= n) [[likely]] {
        Slot* base = c.slots + c.used;
        for (size_t i = 0; i < n; ++i) base[i] = Slot{};
        c.used += n;
        return base;
      }
    }
    return push_chunk(n);
  }
  void pop(Slot*, size_t n) {
    chunks_[current_].used -= n;
    if (chunks_[current_].used == 0 && current_ > 0) pop_chunks();
  }

 private:
  Slot* push_chunk(size_t n);
  void pop_chunks();
  static constexpr size_t kChunk = 1 << 14;
  struct Chunk {
    Slot* slots;
    size_t size;
    size_t used;
  };
  std::vector<Chunk> chunks_;
  size_t current_ = 0;
};

struct FuncTarget {
  const BuiltinEntry* entry = nullptr;  // signature of the target
  InvokeFn invoke = nullptr;
  uint16_t marker = 0;
  void* native = nullptr;  // DLL entry point or COM binding
};

class Runtime {
 public:
  Runtime(const Program& program, UiPort& ui);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  const Program& program;
  UiPort& ui;
  // Transitions, hotkeys, callbacks, key wait, parking.
  RunControl control{*this};

  // ---- run state ----
  std::atomic<int> state{kLoading};
  AutoResetEvent start_event;
  bool auto_start = false;
  const std::u16string* pos_file = nullptr;
  int32_t pos_line = -1;
  std::u16string main_path;
  std::u16string default_charset;
  // Command-line words after the script path (`get_cmd_argv`).
  std::vector<std::u16string> script_args;

  // ---- storage ----
  std::vector<Slot> globals;
  SlotStack stack;  // locals of all active frames
  std::vector<Frame> frames;
  Slot* frame_base = nullptr;  // slots of the innermost frame (null: none)
  Slot* frame_slots() { return frame_base; }
  int call_depth_limit = 4000;

  // Return value of the function being left.
  Value return_value;
  bool has_return_value = false;
  // Target of a `goto` travelling outwards.
  const StatementNode* goto_target = nullptr;

  // `atexit` registrations, in order.
  std::vector<const CallRecord*> atexit_calls;
  bool exit_handlers_ran = false;
  bool exiting = false;  // the exit handlers are running

  // Announcement switches.
  // Set by the script thread, read by whichever thread makes the transition.
  std::atomic<int> paused_alert{1}, stopped_alert{1}, ended_alert{1};
  // Warning beeps of `play_alert_sound`.
  AlertSound alert_sound{state};

  ObjectRegistry objects;
  // Open files and other things the families hand out during the run.
  RunResources resources;

  // Per-run state of builtin families, created on first use and released
  // with the run: the JSON trees handed out, the HTTP connection pools.
  std::shared_ptr<void> json_state;
  std::shared_ptr<void> http_state;
  // State of the script's random generator (`randomize`, `rnd`).
  uint32_t random_state = 1;
  // System services: the modules `dll_load` loaded (made on first use) and
  // the storage key chosen by `storage_set_domain` (empty: the default key).
  std::shared_ptr<sys::DllModules> dll_modules;
  std::u16string storage_key;
  // ---- screen ----
  // The bitmap-search workers (none: searches run on the script thread).
  SearchPool* search_pool = nullptr;
  // Display scaling found at start-up: physical / logical size per axis.
  bool display_scaled = false;
  float scale_x = 1.0f, scale_y = 1.0f;
  // GDI objects and device contexts handed out to the script, as ints
  // (only these may be deleted or released by it).
  std::vector<uint32_t> gdi_handles;
  // COM automation: objects, safe arrays and method bindings of this run.
  std::unique_ptr<FamilyState> com;

  // ---- runtime errors ----
  // Shows "运行时错误：\n\n行: <line>, " + text and ends the run.
  [[noreturn]] void fail(std::u16string_view text, int exit_code = 0);
  // Shows a complete message (the caller composed the prefix) and ends the run.
  [[noreturn]] void fail_text(std::u16string_view text, int exit_code = 0);
  // Shows the message through the `alert` dialog and ends the run.
  [[noreturn]] void fail_alert(std::u16string_view text, int exit_code = 0);
  // "%s(...) 返回的错误代码: 0x%lx(%lu)" with the given system error code.
  [[noreturn]] void fail_system(std::u16string_view builtin, uint32_t code);

  // A script that asked for more memory than there is (a huge text, list or
  // array) ends with a runtime error like any other: shows it and returns
  // the exit code.
  int report_out_of_memory();

  // Composes what the error box shows: the message, plus the file's path when
  // the current statement lies in an included file.
  std::u16string compose_error(std::u16string_view text) const;

  // Runs the `atexit` registrations if the run is running or paused.
  void run_exit_handlers();

  // State of builtin families (devices, handle tables); destroyed first.
  FamilyStates families;
};

}  // namespace quorin
