// Reference text of the dialog, alert-sound and program-start builtins.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"alert",
     u"弹出带警告图标、标题为 Quorin 的消息框并等待用户点“确定”；给出秒数（大于 0）时按钮显示倒计时，到时自动关闭。",
     uR"q(
alert("备份已完成")
alert("本窗口 5 秒后自动关闭", 5)
)q"},
    {u"confirm",
     u"弹出带问号图标的询问框，返回用户按下的按钮（qrOk、qrCancel、qrYes、qrNo）；类型可选 qrOkCancel、qrYesNo、qrYesNoCancel，其他值按“确定/取消”处理。",
     uR"q(
int answer = confirm("要删除临时文件吗？", qrYesNo)
if answer == qrYes
  println("开始删除")
else
  println("已取消")
endif
)q"},
    {u"prompt",
     u"弹出标题为 Quorin 的输入框，text 下方的输入栏预先填入 value 的值；按“确定”时把输入写回 value 并返回 qrOk，取消返回 qrCancel 且 value 不变。type 可限定为 qrPrompt_String、qrPrompt_Char、qrPrompt_Int、qrPrompt_Numeric，password 非 0 时以 * 显示输入。",
     uR"q(
string count = "10"
if prompt("要处理多少条记录？", count, qrPrompt_Int) == qrOk
  int n = stoi(count)
  println("将处理 " + n + " 条")
endif
)q"},
    {u"input_box",
     u"与 prompt 相同，但可以自己指定对话框标题：参数依次为标题、提示文字、接收输入的字符串变量、可选的输入类型和密码显示开关；返回 qrOk 或 qrCancel。",
     uR"q(
string user = ""
string password = ""
if input_box("登录", "用户名：", user) == qrOk
  if input_box("登录", "密码：", password, qrPrompt_String, 1) == qrOk
    println(user + " 已输入密码")
  endif
endif
)q"},
    {u"input_multiline_box",
     u"弹出可调整大小的多行输入框：参数为标题、提示文字、接收文字的变量，可选最大长度（小于 1 不限）和客户区宽、高；按“确定”返回 qrOk 并写回全部文字，否则返回 qrCancel。",
     uR"q(
string note = "第一行" + qrCrLf + "第二行"
if input_multiline_box("备注", "请填写备注：", note, 500) == qrOk
  println("备注共 " + len(note) + " 个字符")
endif
)q"},
    {u"play_alert_sound",
     u"在后台以 1000 Hz 蜂鸣提示指定次数（-1 表示一直响到 stop_alert_sound），脚本暂停时静音、中止时停止；立即返回。",
     uR"q(
play_alert_sound(-1)
alert("任务完成，点确定停止提示音")
stop_alert_sound()
)q"},
    {u"stop_alert_sound", u"停止所有由 play_alert_sound 发出的提示音（50 毫秒内生效）。"},
    {u"run",
     u"用系统关联的程序打开文件、网址或运行程序，可选参数为命令行参数、工作文件夹和显示方式（默认 qrSW_SHOW）；返回值大于 32 表示成功，路径为空时返回 2。",
     uR"q(
int r = run("C:\\temp\\说明.txt")
if r <= 32
  alert("无法打开说明文件，错误码: " + r)
endif
run("cmd.exe", "/c copy a.txt b.txt", "C:\\temp", qrSW_HIDE)
)q"},
};

constexpr ParamNames kParams[] = {
    {u"alert", u"text, seconds"},
    {u"confirm", u"text, type"},
    {u"prompt", u"text, value, type, password"},
    {u"input_box", u"title, text, value, type, password"},
    {u"input_multiline_box", u"title, text, value, max_length, width, height"},
    {u"play_alert_sound", u"count"},
    {u"run", u"path, args, folder, show"},
};

}  // namespace

FamilyDocs ui_docs() { return {u"ui", u"对话框与提示", kDocs, kParams}; }

}  // namespace quorin
