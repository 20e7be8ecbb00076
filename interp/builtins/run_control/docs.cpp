// Reference text of the run-control builtins.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"exit",
     u"立即结束脚本进程：不带参数时退出码为 0 并在语句边界结束，带参数时以该退出码立即结束；用 atexit 登记的函数会先执行。",
     uR"q(
func void cleanup()
  println("清理完毕")
endfunc

atexit(cleanup())
println("工作完成")
exit()
)q"},
    {u"atexit",
     u"登记一个在脚本调用 exit 结束时执行的函数调用（写成调用形式，如 atexit(cleanup())），按登记顺序执行；用户中止时不执行。"},
    {u"version", u"返回解释器的版本号（double），当前为 10.0。"},
    {u"sleep",
     u"让脚本暂停运行指定的毫秒数，参数小于等于 0 时立即返回；期间按下暂停键要等它返回后才生效。",
     uR"q(
println("3 秒后继续")
sleep(3000)
println("继续运行")
)q"},
    {u"pause",
     u"像按下【启动/暂停】键一样暂停正在运行的脚本，参数非 0 时弹出“已暂停！”提示框；用户再次按键后从下一条语句继续。"},
    {u"config_paused_show_alert", u"设置暂停时是否弹出“已暂停！”提示框：0 不弹出，非 0 弹出（默认）。"},
    {u"config_stopped_show_alert", u"设置用户中止脚本时是否弹出“已中止！”提示框：0 不弹出，非 0 弹出（默认）。"},
    {u"config_ended_show_alert", u"设置脚本运行结束时是否弹出“已结束！”提示框：0 不弹出，非 0 弹出（默认）。"},
    {u"window_get_quorin_handle", u"返回解释器主窗口的窗口句柄（int），可交给窗口函数隐藏或移动主窗口。"},
    {u"register_hotkey",
     u"登记一个全局快捷键：修饰键掩码（qrMOD_ALT、qrMOD_CONTROL、qrMOD_SHIFT 的组合）、虚拟键码和无参数子函数的名字；主程序结束后脚本继续等待，每按一次运行一次该函数。",
     uR"q(
func void say_hello()
  println("你按下了 Ctrl+H")
endfunc

register_hotkey(qrMOD_CONTROL, 'H', "say_hello")
println("主程序结束后，按 Ctrl+H 运行 say_hello")
)q"},
    {u"unregister_hotkey", u"取消用 register_hotkey 登记的、修饰键掩码和键码都相同的快捷键；没有登记过时什么也不做。"},
    {u"get_cmd_argv",
     u"返回命令行中脚本路径之后的全部参数，按顺序放在一个新的 ArrayList<string> 中，没有参数时为空列表。",
     uR"q(
ArrayList<string> args = get_cmd_argv()
println("参数个数: " + arraylist_get_size(args))
string a
for a in args
  println(a)
next
)q",
     u"参数个数: 0"},
};

constexpr ParamNames kParams[] = {
    {u"exit", u"code"},
    {u"atexit", u"call"},
    {u"sleep", u"ms"},
    {u"pause", u"show_box"},
    {u"config_paused_show_alert", u"flag"},
    {u"config_stopped_show_alert", u"flag"},
    {u"config_ended_show_alert", u"flag"},
    {u"register_hotkey", u"modifiers, key, function_name"},
    {u"unregister_hotkey", u"modifiers, key"},
};

}  // namespace

FamilyDocs run_control_docs() { return {u"run_control", u"运行控制", kDocs, kParams}; }

}  // namespace quorin
