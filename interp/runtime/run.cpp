#include "runtime/run.h"

#include "runtime/routines.h"

namespace quorin {

int run_program(Runtime& rt) {
  int code = 0;
  try {
    run_list(rt, rt.program.root);
    if (rt.state.load() == kRunning) {
      rt.state.store(kEnded);
      rt.ui.run_state_changed(kEnded);
    }
    return 0;
  } catch (const ScriptExit& e) {
    code = e.code;
  } catch (const ScriptHalt&) {
    return 0;
  }
  rt.run_exit_handlers();
  return code;
}

}  // namespace quorin
