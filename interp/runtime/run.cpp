#include "runtime/run.h"

#include <new>
#include <stdexcept>

#include "runtime/routines.h"
#include "runtime/storage.h"

namespace quorin {

namespace {

// After the main list: serve hotkey callbacks, each a call of a script
// function without arguments, in arrival order.
void serve_callbacks(Runtime& rt) {
  rt.control.keep_alive.store(true);
  while (const CallRecord* call = rt.control.next_callback()) {
    Payload r = call->invoke(rt, *call);
    dispose(call->ret, r);
  }
  if (rt.control.park_requested()) rt.control.park_here();
}

}  // namespace

namespace {
RunOutcome finish(Runtime& rt, RunOutcome out) {
  rt.resources.release_all();
  return out;
}
}  // namespace

RunOutcome run_script(Runtime& rt) {
  RunOutcome out;
  try {
    run_list(rt, rt.program.root);
    if (rt.state.load() == kRunning) {
      // Without a keyboard hook (no interactive host) nothing could fire.
      if (rt.control.interactive && rt.control.has_hotkeys())
        serve_callbacks(rt);
      else
        rt.control.end_of_run();
    }
    return finish(rt, out);
  } catch (const ScriptExit& e) {
    out.code = e.code;
    out.process_exit = true;
  } catch (const ScriptHalt&) {
    return finish(rt, out);
  } catch (const std::bad_alloc&) {
    out.code = rt.report_out_of_memory();
    out.process_exit = true;
  } catch (const std::length_error&) {
    out.code = rt.report_out_of_memory();
    out.process_exit = true;
  }
  rt.run_exit_handlers();
  return finish(rt, out);
}

int run_program(Runtime& rt) { return run_script(rt).code; }

}  // namespace quorin
