// Running a compiled program on the calling thread.
#pragma once
#include "runtime/runtime.h"

namespace quorin {

// Walks the top-level list.  Returns the exit code of the run: 0 after the
// end of the list or `exit()`, the code of `exit(code)` or of a runtime
// error.  Exit handlers run as the process exit would run them.
int run_program(Runtime& rt);

}  // namespace quorin
