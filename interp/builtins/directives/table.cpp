// The interpreter directives.  The statement compiler carries them out while
// the script compiles (hotkeys, window set-up, include markers); they never
// produce a statement, so their routines are never entered.
#include "builtins/tables.h"
#include "runtime/native.h"

namespace quorin {
namespace {

void directive0() {}
void directive_char(char16_t) {}
void directive_int(int32_t) {}
void directive_int2(int32_t, int32_t) {}
void directive_text(const Str&) {}

constexpr BuiltinEntry kEntries[] = {
    builtin<&directive0>(u"quorin_config_auto_start"),
    builtin<&directive_char>(u"quorin_hotkey_pause_or_continue_ctrl_char"),
    builtin<&directive_char>(u"quorin_hotkey_pause_or_continue_shift_char"),
    builtin<&directive_char>(u"quorin_hotkey_pause_or_continue_alt_char"),
    builtin<&directive_char>(u"quorin_hotkey_pause_or_continue_ctrl_alt_char"),
    builtin<&directive_int>(u"quorin_hotkey_pause_or_continue_code"),
    builtin<&directive_char>(u"quorin_hotkey_stop_ctrl_char"),
    builtin<&directive_char>(u"quorin_hotkey_stop_shift_char"),
    builtin<&directive_char>(u"quorin_hotkey_stop_alt_char"),
    builtin<&directive_char>(u"quorin_hotkey_stop_ctrl_alt_char"),
    builtin<&directive_int>(u"quorin_hotkey_stop_code"),
    builtin<&directive_int2>(u"quorin_window_initial_size"),
    builtin<&directive_int2>(u"quorin_window_initial_position"),
    builtin<&directive_text>(u"quorin_window_initial_text"),
    builtin<&directive_text>(u"quorin_enter_include_file"),
    builtin<&directive0>(u"quorin_leave_include_file"),
};

}  // namespace

BuiltinTable directives_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
