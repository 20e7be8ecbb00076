// Running a compiled program on the calling thread.
#pragma once
#include "runtime/runtime.h"

namespace quorin {

struct RunOutcome {
  int code = 0;
  // The run ended by `exit`, `exit(code)` or a runtime error: the process
  // ends with `code`.  Otherwise the list ran out, or the run was stopped,
  // and the process lives on with its window.
  bool process_exit = false;
};

// Walks the top-level list.  When the list runs out with hotkeys registered,
// the thread stays to run their callbacks one at a time until the run is
// stopped.  Exit handlers run as the process exit would run them.
RunOutcome run_script(Runtime& rt);

// The exit code of run_script: 0 after the end of the list or `exit()`, the
// code of `exit(code)` or of a runtime error.
int run_program(Runtime& rt);

}  // namespace quorin
