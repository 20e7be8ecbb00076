// Reference text of the interpreter directives.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"quorin_config_auto_start",
     u"编译时生效的指令：脚本启动后不再等待启动按钮或快捷键，自动开始运行。",
     uR"q(
quorin_config_auto_start()
println("脚本已自动开始运行")
)q"},
    {u"quorin_hotkey_pause_or_continue_ctrl_char",
     u"编译时生效的指令：把【启动/暂停】快捷键设为 Ctrl 加该字符所在的键，参数必须是字母或数字的字符常量（字母不分大小写）。",
     uR"q(
quorin_hotkey_pause_or_continue_ctrl_char('p')
quorin_hotkey_stop_ctrl_char('q')
println("按 Ctrl+P 启动或暂停，按 Ctrl+Q 中止")
)q"},
    {u"quorin_hotkey_pause_or_continue_shift_char",
     u"编译时生效的指令：把【启动/暂停】快捷键设为 Shift 加该字符所在的键，参数必须是字母或数字的字符常量。"},
    {u"quorin_hotkey_pause_or_continue_alt_char",
     u"编译时生效的指令：把【启动/暂停】快捷键设为 Alt 加该字符所在的键，参数必须是字母或数字的字符常量。"},
    {u"quorin_hotkey_pause_or_continue_ctrl_alt_char",
     u"编译时生效的指令：把【启动/暂停】快捷键设为 Ctrl+Alt 加该字符所在的键，参数必须是字母或数字的字符常量。"},
    {u"quorin_hotkey_pause_or_continue_code",
     u"编译时生效的指令：把【启动/暂停】快捷键设为不带修饰键的虚拟键码，参数为字符或整型常量，只接受数字键、字母键和 F1～F12，其他值报编译错误。",
     uR"q(
quorin_hotkey_pause_or_continue_code(qrVK_F6)
quorin_hotkey_stop_code(qrVK_F7)
println("按 F6 启动或暂停，按 F7 中止")
)q"},
    {u"quorin_hotkey_stop_ctrl_char",
     u"编译时生效的指令：把【中止】快捷键设为 Ctrl 加该字符所在的键，参数必须是字母或数字的字符常量；与【启动/暂停】键相同时报编译错误。"},
    {u"quorin_hotkey_stop_shift_char",
     u"编译时生效的指令：把【中止】快捷键设为 Shift 加该字符所在的键，参数必须是字母或数字的字符常量。"},
    {u"quorin_hotkey_stop_alt_char",
     u"编译时生效的指令：把【中止】快捷键设为 Alt 加该字符所在的键，参数必须是字母或数字的字符常量。"},
    {u"quorin_hotkey_stop_ctrl_alt_char",
     u"编译时生效的指令：把【中止】快捷键设为 Ctrl+Alt 加该字符所在的键，参数必须是字母或数字的字符常量。"},
    {u"quorin_hotkey_stop_code",
     u"编译时生效的指令：把【中止】快捷键设为不带修饰键的虚拟键码，参数为字符或整型常量，只接受数字键、字母键和 F1～F12，其他值报编译错误。"},
    {u"quorin_window_initial_size",
     u"编译时生效的指令：设定主窗口初始的客户区宽度和高度（像素），两个参数都必须是整型常量。",
     uR"q(
quorin_window_initial_size(480, 320)
quorin_window_initial_position(100, 100)
quorin_window_initial_text("正在整理报表……")
println("窗口已按指令设置")
)q"},
    {u"quorin_window_initial_position",
     u"编译时生效的指令：设定主窗口初始的屏幕位置（左上角 x、y），两个参数都必须是整型常量。"},
    {u"quorin_window_initial_text",
     u"编译时生效的指令：设定主窗口信息面板的初始文字，参数必须是字符串常量。"},
    {u"quorin_enter_include_file",
     u"由 include 展开时自动插入，标记被包含文件的开始，使错误信息指向该文件的行号；脚本中不需要自己书写。"},
    {u"quorin_leave_include_file",
     u"由 include 展开时自动插入，标记被包含文件的结束，行号回到包含它的文件；脚本中不需要自己书写。"},
};

constexpr ParamNames kParams[] = {
    {u"quorin_hotkey_pause_or_continue_ctrl_char", u"key"},
    {u"quorin_hotkey_pause_or_continue_shift_char", u"key"},
    {u"quorin_hotkey_pause_or_continue_alt_char", u"key"},
    {u"quorin_hotkey_pause_or_continue_ctrl_alt_char", u"key"},
    {u"quorin_hotkey_pause_or_continue_code", u"code"},
    {u"quorin_hotkey_stop_ctrl_char", u"key"},
    {u"quorin_hotkey_stop_shift_char", u"key"},
    {u"quorin_hotkey_stop_alt_char", u"key"},
    {u"quorin_hotkey_stop_ctrl_alt_char", u"key"},
    {u"quorin_hotkey_stop_code", u"code"},
    {u"quorin_window_initial_size", u"width, height"},
    {u"quorin_window_initial_position", u"x, y"},
    {u"quorin_window_initial_text", u"text"},
    {u"quorin_enter_include_file", u"path"},
};

}  // namespace

FamilyDocs directives_docs() { return {u"directives", u"解释器指令", kDocs, kParams}; }

}  // namespace quorin
