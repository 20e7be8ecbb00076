// Reference text of the mouse and keyboard builtins.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"mouse_move_to", u"把鼠标指针移到屏幕坐标 (x, y)，不按任何键。",
     uR"(# 把鼠标移到屏幕左上角附近，停一秒后移到 (300, 200)
mouse_move_to(10, 10)
sleep(1000)
mouse_move_to(300, 200)
)"},
    {u"mouse_left_down", u"把鼠标移到 (x, y) 后按下左键不松开；与 mouse_left_up 配合可做分段拖动。"},
    {u"mouse_left_up", u"把鼠标移到 (x, y) 后松开左键。"},
    {u"mouse_right_down", u"把鼠标移到 (x, y) 后按下右键不松开。"},
    {u"mouse_right_up", u"把鼠标移到 (x, y) 后松开右键。"},
    {u"mouse_left_click", u"把鼠标移到 (x, y) 并单击左键（按下后约 35 毫秒松开）。",
     uR"(# 单击屏幕上 (200, 150) 处，等界面反应后再点下一个位置
mouse_left_click(200, 150)
sleep(500)
mouse_left_click(260, 150)
)"},
    {u"mouse_right_click", u"把鼠标移到 (x, y) 并单击右键，常用来打开右键菜单。"},
    {u"mouse_middle_click", u"把鼠标移到 (x, y) 并单击中键。"},
    {u"mouse_left_click_ex",
     u"在 (x, y) 处做与 mouse_left_click 相同的左键单击，但经由另一种系统输入接口发送；成功返回 1，系统拒收事件时返回 0。"},
    {u"mouse_double_click", u"把鼠标移到 (x, y) 并双击左键。"},
    {u"mouse_wheel_down",
     u"在 (x, y) 处把滚轮向下滚 count 格（省略为 1 格）；interval 大于 0 时逐格滚动、每格间隔 interval 毫秒，否则一次滚完；count ≤ 0 时什么也不做。"},
    {u"mouse_wheel_up",
     u"在 (x, y) 处把滚轮向上滚 count 格（省略为 1 格）；interval 大于 0 时逐格滚动、每格间隔 interval 毫秒，否则一次滚完；count ≤ 0 时什么也不做。"},
    {u"mouse_get_cursor_style",
     u"返回当前鼠标指针的句柄，可与 qrMouse_ARROW、qrMouse_HAND 等常量比较；给出 (x, y) 时先把鼠标移到该点读取指针形状，再移回原处。"},
    {u"mouse_get_position", u"把鼠标指针当前的屏幕坐标写入 int 变量 x 和 y。"},
    {u"mouse_select_text", u"在 (x1, y1) 按下左键，移到 (x2, y2) 松开：用于拖选文字或把对象拖到另一处。",
     uR"(# 从 (100, 200) 拖到 (400, 200)，选中一行文字后复制
mouse_select_text(100, 200, 400, 200)
key_ctrl_c()
)"},
    {u"mouse_select_object", u"在 (x1, y1) 按下左键，再按住 Shift 移到 (x2, y2) 松开左键，最后松开 Shift：用于扩展选取。"},

    {u"key_code",
     u"按一下虚拟键码 code 对应的键（按下再松开），给出 count 时按 count 次；code 只在 1 至 254 之间有效，可用 qrVK_Enter 等常量。",
     uR"(# 按两次下方向键，再按回车
key_code(qrVK_Down, 2)
key_code(qrVK_Enter)
)"},
    {u"key_press_code", u"按下虚拟键码 code 对应的键不松开（code 须在 1 至 254 之间）。"},
    {u"key_release_code", u"松开虚拟键码 code 对应的键（code 须在 1 至 254 之间）。"},
    {u"key_char",
     u"按一下能打出字符 ch 的键，需要时自动配合 Shift 并顾及大写锁定；给出 count 时按 count 次；键盘打不出的字符什么也不做。"},
    {u"key_press_char", u"按下打出字符 ch 的键不松开（需要 Shift 时先按 Shift，按下该键后随即松开 Shift）。"},
    {u"key_release_char", u"松开字符 ch 对应的键（不处理 Shift）。"},
    {u"key_press_ctrl", u"按下 Ctrl 键不松开。"},
    {u"key_release_ctrl", u"松开 Ctrl 键。"},
    {u"key_press_shift", u"按下 Shift 键不松开。"},
    {u"key_release_shift", u"松开 Shift 键。"},
    {u"key_press_alt", u"按下 Alt 键不松开。"},
    {u"key_release_alt", u"松开 Alt 键。"},
    {u"key_press_win", u"按下左 Win 键不松开。"},
    {u"key_release_win", u"松开左 Win 键。"},
    {u"key_tab", u"按一下 Tab 键；给出 count 时按 count 次。"},
    {u"key_back_space", u"按一下退格键（Backspace）；给出 count 时按 count 次。"},
    {u"key_space", u"按一下空格键；给出 count 时按 count 次。"},
    {u"key_enter", u"按一下回车键；给出 count 时按 count 次。"},
    {u"key_page_down", u"按一下 Page Down 键；给出 count 时按 count 次。"},
    {u"key_page_up", u"按一下 Page Up 键；给出 count 时按 count 次。"},
    {u"key_left", u"按一下左方向键；给出 count 时按 count 次。"},
    {u"key_up", u"按一下上方向键；给出 count 时按 count 次。"},
    {u"key_right", u"按一下右方向键；给出 count 时按 count 次。"},
    {u"key_down", u"按一下下方向键；给出 count 时按 count 次。"},
    {u"key_del", u"按一下 Delete 键。"},
    {u"key_home", u"按一下 Home 键。"},
    {u"key_end", u"按一下 End 键。"},
    {u"key_esc", u"按一下 Esc 键。"},
    {u"key_f5", u"按一下 F5 键。"},
    {u"key_win", u"按一下左 Win 键（打开开始菜单）。"},
    {u"key_ctrl_char", u"按住 Ctrl 再按字符 ch 所在的键（不加 Shift），例如 key_ctrl_char('f') 即 Ctrl+F。"},
    {u"key_shift_char", u"按住 Shift 再按字符 ch 所在的键。"},
    {u"key_alt_char", u"按住 Alt 再按字符 ch 所在的键，常用于菜单的快捷字母。"},
    {u"key_win_char", u"按住左 Win 键再按字符 ch 所在的键，例如 key_win_char('e') 打开资源管理器。"},
    {u"key_ctrl_shift_char", u"按住 Ctrl 和 Shift 再按字符 ch 所在的键。"},
    {u"key_ctrl_alt_char", u"按住 Ctrl 和 Alt 再按字符 ch 所在的键。"},
    {u"key_alt_shift_char", u"按住 Alt 和 Shift 再按字符 ch 所在的键。"},
    {u"key_ctrl_code", u"按住 Ctrl 再按虚拟键码 code 的键；code 不在 1 至 254 之间时只按下并松开 Ctrl。"},
    {u"key_shift_code", u"按住 Shift 再按虚拟键码 code 的键；code 无效时只按下并松开 Shift。"},
    {u"key_alt_code", u"按住 Alt 再按虚拟键码 code 的键，例如 key_alt_code(qrVK_F4) 关闭当前窗口。"},
    {u"key_win_code", u"按住左 Win 键再按虚拟键码 code 的键。"},
    {u"key_ctrl_shift_code", u"按住 Ctrl 和 Shift 再按虚拟键码 code 的键。"},
    {u"key_ctrl_alt_code", u"按住 Ctrl 和 Alt 再按虚拟键码 code 的键。"},
    {u"key_alt_shift_code", u"按住 Alt 和 Shift 再按虚拟键码 code 的键。"},
    {u"key_ctrl_a", u"按 Ctrl+A（全选）。"},
    {u"key_ctrl_c", u"按 Ctrl+C（复制）。"},
    {u"key_ctrl_x", u"按 Ctrl+X（剪切）。"},
    {u"key_ctrl_v", u"按 Ctrl+V（粘贴）。"},
    {u"key_ctrl_z", u"按 Ctrl+Z（撤销）。"},
    {u"key_ctrl_n", u"按 Ctrl+N（新建）。"},
    {u"key_ctrl_o", u"按 Ctrl+O（打开）。"},
    {u"key_ctrl_w", u"按 Ctrl+W（关闭当前标签页或文档）。"},
    {u"key_ctrl_s", u"按 Ctrl+S（保存）。"},
    {u"key_ctrl_f5", u"按 Ctrl+F5（强制刷新）。"},
    {u"key_win_d", u"按 Win+D（显示桌面）。"},

    {u"input",
     u"把文字 text 逐个字符以 Unicode 方式输入到当前有焦点的窗口，中文也可，不受输入法和大写锁定影响；每个字符后等待 interval 毫秒（省略为 10）。",
     uR"(# 在记事本里输入两行文字（先点一下编辑区使其获得焦点）
mouse_left_click(300, 300)
input("你好，Quorin！")
key_enter()
input("每个字之间停 50 毫秒", 50)
)"},
    {u"input_char", u"以 Unicode 方式输入一个字符 ch。"},
    {u"input_int", u"以十进制文字输入整数 n，例如 -12 输入“-12”。"},
    {u"input_double",
     u"输入小数 x：先按 7 位小数取值，再保留 digits 位小数（多余的截去，最多 7 位；digits ≤ 0 时只输入整数部分）。"},
    {u"wait_mouse_left_down",
     u"暂停脚本，直到用户按下鼠标左键；给出 x、y 时把点击的屏幕坐标写入这两个变量；block 非 0 时这次点击被拦下，不传给其他程序。"},
    {u"wait_key_press",
     u"暂停脚本，直到用户按下一个键，返回该键的虚拟键码；block 非 0 时这次按键被拦下，前台程序收不到。",
     uR"(# 等用户按键：回车继续，Esc 结束
println("按回车继续，按 Esc 结束")
int k = wait_key_press()
if k == qrVK_Esc
  exit()
endif
println("继续运行")
)"},
    {u"block_input", u"flag 非 0 时禁止用户的键盘和鼠标输入，为 0 时恢复；成功返回非 0。"},
};

constexpr ParamNames kParams[] = {
    {u"mouse_move_to", u"x, y"},
    {u"mouse_left_down", u"x, y"},
    {u"mouse_left_up", u"x, y"},
    {u"mouse_right_down", u"x, y"},
    {u"mouse_right_up", u"x, y"},
    {u"mouse_left_click", u"x, y"},
    {u"mouse_right_click", u"x, y"},
    {u"mouse_middle_click", u"x, y"},
    {u"mouse_left_click_ex", u"x, y"},
    {u"mouse_double_click", u"x, y"},
    {u"mouse_wheel_down", u"x, y, count, interval"},
    {u"mouse_wheel_up", u"x, y, count, interval"},
    {u"mouse_get_cursor_style", u"x, y"},
    {u"mouse_get_position", u"x, y"},
    {u"mouse_select_text", u"x1, y1, x2, y2"},
    {u"mouse_select_object", u"x1, y1, x2, y2"},
    {u"key_code", u"code, count"},
    {u"key_press_code", u"code"},
    {u"key_release_code", u"code"},
    {u"key_char", u"ch, count"},
    {u"key_press_char", u"ch"},
    {u"key_release_char", u"ch"},
    {u"key_tab", u"count"},
    {u"key_back_space", u"count"},
    {u"key_space", u"count"},
    {u"key_enter", u"count"},
    {u"key_page_down", u"count"},
    {u"key_page_up", u"count"},
    {u"key_left", u"count"},
    {u"key_up", u"count"},
    {u"key_right", u"count"},
    {u"key_down", u"count"},
    {u"key_ctrl_char", u"ch"},
    {u"key_shift_char", u"ch"},
    {u"key_alt_char", u"ch"},
    {u"key_win_char", u"ch"},
    {u"key_ctrl_shift_char", u"ch"},
    {u"key_ctrl_alt_char", u"ch"},
    {u"key_alt_shift_char", u"ch"},
    {u"key_ctrl_code", u"code"},
    {u"key_shift_code", u"code"},
    {u"key_alt_code", u"code"},
    {u"key_win_code", u"code"},
    {u"key_ctrl_shift_code", u"code"},
    {u"key_ctrl_alt_code", u"code"},
    {u"key_alt_shift_code", u"code"},
    {u"input", u"text, interval"},
    {u"input_char", u"ch"},
    {u"input_int", u"n"},
    {u"input_double", u"x, digits"},
    {u"wait_mouse_left_down", u"x, y, block"},
    {u"wait_key_press", u"block"},
    {u"block_input", u"flag"},
};

}  // namespace

FamilyDocs input_docs() { return {u"input", u"鼠标与键盘", kDocs, kParams}; }

}  // namespace quorin
