// Ending, pausing and delaying the run, exit calls, the script's hotkeys and
// the run-control announcement switches.
#include "builtins/strings/string_list.h"
#include "builtins/tables.h"
#include "runtime/native.h"
#include "support/format.h"

namespace quorin {
namespace {

// `exit()` is recognised by the walker, which ends the run at the statement
// boundary; as an operand it ends the run just the same.
void exit0(Runtime&) { throw ScriptExit{0}; }
void exit_code(Runtime&, int32_t code) { throw ScriptExit{code}; }

void atexit_register(Runtime& rt, CallArg call) { rt.atexit_calls.push_back(call.op->call); }

double version() { return 10.0; }

void sleep_ms(Runtime& rt, int32_t ms) { rt.control.sleep(ms); }

// Pauses only a running script; the walker parks after this statement.
void pause_run(Runtime& rt, int32_t show_box) {
  if (!rt.control.interactive || rt.state.load() != kRunning) return;
  rt.control.toggle(show_box != 0);
}

void config_paused_show_alert(Runtime& rt, int32_t flag) { rt.paused_alert = flag; }
void config_stopped_show_alert(Runtime& rt, int32_t flag) { rt.stopped_alert = flag; }
void config_ended_show_alert(Runtime& rt, int32_t flag) { rt.ended_alert = flag; }

int32_t window_get_quorin_handle(Runtime& rt) { return rt.ui.main_window_handle(); }

void register_hotkey(Runtime& rt, int32_t mods, int32_t key, const Str& name) {
  const HostSettings& s = rt.program.settings;
  std::u16string_view fn = name.view();
  if (mods == s.pause_mods && key == s.pause_key)
    rt.fail(format16(u"register_hotkey(%d, %d, \"%.64s\") 与 【启动/暂停】快捷键冲突", mods, key, fn));
  if (mods == s.stop_mods && key == s.stop_key)
    rt.fail(format16(u"register_hotkey(%d, %d, \"%.64s\") 与 【停止】快捷键冲突", mods, key, fn));
  ScriptFunction* const* f = rt.program.functions.find(fn);
  if (!f) rt.fail(format16(u"register_hotkey(..., ..., \"%.64s\") 中的 %.64s 不是子函数名", fn, fn));
  if (!(*f)->params.empty())
    rt.fail(format16(u"register_hotkey(..., ..., \"%.64s\") 调用的子函数的参数个数必须为 0\n\n但是在子函数定义中 %.64s() 有 %d 个参数",
                     fn, fn, static_cast<int>((*f)->params.size())));
  rt.control.register_hotkey(mods, key, rt.control.callback_for(**f));
}

void unregister_hotkey(Runtime& rt, int32_t mods, int32_t key) { rt.control.unregister_hotkey(mods, key); }

// The command-line words after the script path, copied into a new list.
ObjResult<tc::ArrayList> get_cmd_argv(Runtime& rt) {
  std::vector<Str> words;
  words.reserve(rt.script_args.size());
  for (const std::u16string& w : rt.script_args) words.emplace_back(w);
  return make_string_list(rt, std::move(words));
}

constexpr BuiltinEntry kEntries[] = {
    builtin<&exit0>(u"exit"),
    builtin<&exit_code>(u"exit"),
    builtin<&atexit_register>(u"atexit"),
    builtin<&version>(u"version"),
    builtin<&sleep_ms>(u"sleep"),
    builtin<&pause_run>(u"pause"),
    builtin<&config_paused_show_alert>(u"config_paused_show_alert"),
    builtin<&config_stopped_show_alert>(u"config_stopped_show_alert"),
    builtin<&config_ended_show_alert>(u"config_ended_show_alert"),
    builtin<&window_get_quorin_handle>(u"window_get_quorin_handle"),
    builtin<&register_hotkey>(u"register_hotkey"),
    builtin<&unregister_hotkey>(u"unregister_hotkey"),
    builtin<&get_cmd_argv>(u"get_cmd_argv", tc::String),
};

}  // namespace

InvokeFn exit_statement_routine() { return kEntries[0].invoke; }

BuiltinTable run_control_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
