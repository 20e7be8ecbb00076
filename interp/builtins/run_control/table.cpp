// Ending the run and registering exit calls.
#include "builtins/tables.h"
#include "runtime/native.h"

namespace quorin {
namespace {

// `exit()` is recognised by the walker, which ends the run at the statement
// boundary; as an operand it ends the run just the same.
void exit0(Runtime&) { throw ScriptExit{0}; }
void exit_code(Runtime&, int32_t code) { throw ScriptExit{code}; }

void atexit_register(Runtime& rt, CallArg call) { rt.atexit_calls.push_back(call.op->call); }

double version() { return 10.0; }

constexpr BuiltinEntry kEntries[] = {
    builtin<&exit0>(u"exit"),
    builtin<&exit_code>(u"exit"),
    builtin<&atexit_register>(u"atexit"),
    builtin<&version>(u"version"),
};

}  // namespace

InvokeFn exit_statement_routine() { return kEntries[0].invoke; }

BuiltinTable run_control_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
