// Printing to the main window's panel and to standard output.
#include "builtins/console/format_value.h"
#include "builtins/tables.h"
#include "runtime/native.h"

namespace quorin {
namespace {

void print(Runtime& rt, AnyArg v) { write_formatted(rt, *v.op, ConsoleSink::Panel, false); }
void println(Runtime& rt, AnyArg v) { write_formatted(rt, *v.op, ConsoleSink::Panel, true); }
void console_print(Runtime& rt, AnyArg v) { write_formatted(rt, *v.op, ConsoleSink::Stdout, false); }
void console_println(Runtime& rt, AnyArg v) { write_formatted(rt, *v.op, ConsoleSink::Stdout, true); }
void print_double(Runtime& rt, double x, int32_t digits) { rt.ui.console_write(double_text_7(x, digits), false); }
void cls(Runtime& rt) { rt.ui.console_clear(); }

constexpr BuiltinEntry kEntries[] = {
    builtin<&print>(u"print"),
    builtin<&println>(u"println"),
    builtin<&console_print>(u"console_print"),
    builtin<&console_println>(u"console_println"),
    builtin<&print_double>(u"print_double"),
    builtin<&cls>(u"cls"),
};

}  // namespace

BuiltinTable console_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
