// Reference text of the window builtins.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"window_hide", u"隐藏本程序的主窗口。"},
    {u"window_minimize", u"把本程序的主窗口最小化。"},
    {u"window_show",
     u"按显示命令 cmd（qrSW_SHOW、qrSW_HIDE、qrSW_RESTORE、qrSW_MAXIMIZE 等）显示窗口 hwnd；窗口原先可见时返回非 0，否则返回 0。"},
    {u"window_top", u"on 非 0 时把窗口 hwnd 设为总在最前，为 0 时取消；成功返回非 0。"},
    {u"window_set_size", u"把窗口 hwnd 改为宽 w、高 h，位置不变；成功返回非 0。"},
    {u"window_set_position", u"把窗口 hwnd 的左上角移到屏幕坐标 (x, y)，大小不变；成功返回非 0。",
     uR"(# 把记事本窗口移到 (0, 0)，再改成 800 × 600
int h = window_find("Notepad", "")
if h != 0
  window_set_position(h, 0, 0)
  window_set_size(h, 800, 600)
endif
)"},
    {u"window_set_pos",
     u"一次设置窗口 hwnd 的叠放位置 after（qrHWND_TOPMOST 等或另一窗口句柄）、位置 (x, y)、大小 (w, h) 和选项 flags（qrSWP_ 常量之和）；成功返回非 0。"},
    {u"window_get_window_rect",
     u"把窗口 hwnd 整体（含边框和标题栏）在屏幕上的左、上、右、下坐标写入变量 l、t、r、b；成功返回非 0，失败时变量不变。"},
    {u"window_get_client_rect",
     u"把窗口 hwnd 客户区的矩形写入变量 l、t、r、b（l、t 为 0，r、b 即客户区的宽和高）；成功返回非 0，失败时变量不变。"},
    {u"window_get_size", u"把窗口 hwnd 整体的宽和高写入变量 w 和 h；成功返回非 0。"},
    {u"window_get_position_on_screen", u"把窗口 hwnd 左上角的屏幕坐标写入变量 x 和 y；成功返回非 0。"},
    {u"window_screen_to_client", u"把变量 x、y 中的屏幕坐标就地换算成窗口 hwnd 的客户区坐标；成功返回非 0。"},
    {u"window_client_to_screen", u"把变量 x、y 中窗口 hwnd 的客户区坐标就地换算成屏幕坐标；成功返回非 0。"},
    {u"window_enable", u"on 非 0 时让窗口 hwnd 可以接收鼠标和键盘输入，为 0 时禁用它；窗口原先是禁用的返回非 0。"},
    {u"window_set_active", u"激活窗口 hwnd（最小化的先还原），返回原先的活动窗口句柄。"},
    {u"window_set_foreground", u"把窗口 hwnd 调到前台并激活（最小化的先还原）；成功返回非 0。",
     uR"(# 找到标题为“无标题 - 记事本”的窗口，调到前台后输入文字
int h = window_find("", "无标题 - 记事本")
if h == 0
  alert("没有找到记事本窗口")
  exit()
endif
window_set_foreground(h)
sleep(200)
input("已激活")
)"},
    {u"window_set_focus", u"把键盘焦点交给窗口或控件 hwnd，返回原先拥有焦点的窗口句柄。"},
    {u"window_set_text", u"把窗口 hwnd 的标题或控件的文字设为 text；返回该消息的结果（成功为非 0）。"},
    {u"window_get_desktop", u"返回桌面窗口的句柄。"},
    {u"window_get_active", u"返回与脚本线程相关联的活动窗口句柄（通常为 0；要找用户正在使用的窗口请用 window_get_foreground）。"},
    {u"window_get_foreground", u"返回前台窗口（用户正在使用的窗口）的句柄。"},
    {u"window_get_focus", u"返回前台窗口中拥有键盘焦点的窗口或控件的句柄，没有时返回 0。"},
    {u"window_get_from_point", u"返回屏幕坐标 (x, y) 处的窗口或控件的句柄，没有时返回 0。"},
    {u"window_get",
     u"按 cmd（qrGW_CHILD、qrGW_HWNDNEXT、qrGW_OWNER 等）返回与窗口 hwnd 相关的窗口：第一个子窗口、下一个同级窗口、所有者等；没有时返回 0。"},
    {u"window_get_child_list", u"返回一个新的 ArrayList<int>，按系统枚举的顺序装着窗口 hwnd 的全部子孙窗口的句柄。",
     uR"(# 列出记事本窗口里所有控件的类名和文字
int h = window_find("Notepad", "")
ArrayList<int> children = window_get_child_list(h)
int c
for c in children
  println(window_get_class_name(c) + ": " + window_get_text(c))
next
)"},
    {u"window_get_top_level_list", u"返回一个新的 ArrayList<int>，按系统枚举的顺序装着所有顶层窗口的句柄。"},
    {u"window_redraw",
     u"按 flags（qrRDW_INVALIDATE 等之和）重画窗口 hwnd 中左上 (l, t)、右下 (r, b) 的矩形，四个坐标都为 0 时重画整个窗口；成功返回非 0。"},
    {u"invalidate_rect",
     u"把窗口 hwnd 中左上 (l, t)、右下 (r, b) 的矩形标记为需要重画（四个坐标都为 0 时为整个窗口），erase 非 0 时先擦除背景；成功返回非 0。"},
    {u"window_is_iconic", u"窗口 hwnd 已最小化时返回非 0，否则返回 0。"},
    {u"window_is_zoomed", u"窗口 hwnd 已最大化时返回非 0，否则返回 0。"},
    {u"window_is_visible", u"窗口 hwnd 可见时返回非 0，否则返回 0。"},
    {u"window_is_enabled", u"窗口 hwnd 可以接收输入（未被禁用）时返回非 0，否则返回 0。"},
    {u"window_is_button_checked",
     u"返回复选框或单选按钮 hwnd 的选中状态：qrBST_CHECKED（1）、qrBST_UNCHECKED（0）或 qrBST_INDETERMINATE（2）。"},
    {u"window_set_button_checked", u"把复选框或单选按钮 hwnd 的选中状态设为 state（qrBST_CHECKED、qrBST_UNCHECKED 或 qrBST_INDETERMINATE）。"},
    {u"window_get_combo_box_selected_index", u"返回组合框 hwnd 当前选中项的下标（从 0 开始），没有选中项时返回 -1。"},
    {u"window_set_combo_box_selected_index", u"选中组合框 hwnd 中下标为 index 的项（-1 为清除选择）；返回选中的下标，失败时返回 -1。"},
    {u"window_set_combo_box_selected_text", u"从头查找组合框 hwnd 中以 text 开头（不分大小写）的第一项并选中它；返回该项的下标，找不到时返回 -1。"},
    {u"window_get_parent", u"返回窗口 hwnd 的父窗口（或所有者窗口）的句柄，没有时返回 0。"},
    {u"window_get_id", u"返回控件 hwnd 的标识号（对话框里的控件 ID），不是子窗口时返回 0。"},
    {u"window_get_item", u"返回对话框 hwnd 中标识号为 id 的控件的句柄，没有时返回 0。"},
    {u"window_get_next_group_item",
     u"返回对话框 hwnd 中控件 ctl 所在组里的下一个控件（previous 非 0 时为上一个）的句柄。"},
    {u"window_get_next_tab_item",
     u"返回对话框 hwnd 中按 Tab 顺序排在控件 ctl 之后（previous 非 0 时为之前）的下一个可停留控件的句柄。"},
    {u"window_get_class_name", u"返回窗口 hwnd 的类名，失败时返回空字符串。"},
    {u"window_get_text",
     u"返回窗口 hwnd 的标题或控件的文字；窗口失去响应或读取失败时不会卡住脚本，返回空字符串。",
     uR"(# 显示当前前台窗口的标题和类名
int h = window_get_foreground()
println("标题: " + window_get_text(h))
println("类名: " + window_get_class_name(h))
)"},

    {u"window_key_code",
     u"向窗口 hwnd 投递按键消息：按下再松开虚拟键码 vk 的键，给出 count 时重复 count 次；窗口在后台也能收到，最后等待 30 毫秒。"},
    {u"window_key_press_code", u"向窗口 hwnd 投递一条虚拟键码 vk 的按下消息。"},
    {u"window_key_release_code", u"向窗口 hwnd 投递一条虚拟键码 vk 的松开消息。"},
    {u"window_input",
     u"向窗口 hwnd 逐字投递字符消息，把文字 text 输入到该窗口（可在后台，中文也可）；每个字符后等待 interval 毫秒（省略为 10）。"},
    {u"window_mouse_move_to",
     u"向窗口 hwnd 投递鼠标移动消息，位置为客户区坐标 (x, y)；keys 为同时按住的键（qrMK_ 常量之和，省略为 0）。"},
    {u"window_mouse_left_click",
     u"向窗口 hwnd 投递左键单击（按下和松开）消息，位置为客户区坐标 (x, y)，不移动真正的鼠标；keys 为同时按住的键（qrMK_ 常量之和，省略为 0）。",
     uR"(# 在后台点击窗口客户区的 (50, 40) 处，不移动真正的鼠标
int h = window_find("", "计算器")
if h != 0
  window_mouse_left_click(h, 50, 40)
endif
)"},
    {u"window_mouse_right_click",
     u"向窗口 hwnd 投递右键单击消息，位置为客户区坐标 (x, y)；keys 为同时按住的键（qrMK_ 常量之和，省略为 0）。"},
    {u"window_mouse_middle_click", u"向窗口 hwnd 投递中键单击消息，位置为客户区坐标 (x, y)。"},
    {u"window_mouse_double_click",
     u"向窗口 hwnd 投递左键双击消息，位置为客户区坐标 (x, y)；keys 为同时按住的键（qrMK_ 常量之和，省略为 0）。"},
    {u"window_mouse_left_down", u"向窗口 hwnd 投递左键按下消息，位置为客户区坐标 (x, y)；keys 为同时按住的键（省略为 0）。"},
    {u"window_mouse_left_up", u"向窗口 hwnd 投递左键松开消息，位置为客户区坐标 (x, y)；keys 为同时按住的键（省略为 0）。"},
    {u"window_mouse_right_down", u"向窗口 hwnd 投递右键按下消息，位置为客户区坐标 (x, y)；keys 为同时按住的键（省略为 0）。"},
    {u"window_mouse_right_up", u"向窗口 hwnd 投递右键松开消息，位置为客户区坐标 (x, y)；keys 为同时按住的键（省略为 0）。"},
    {u"window_mouse_wheel_down",
     u"向窗口 hwnd 投递滚轮向下的消息：位置 (x, y)，按住的键 keys、格数 count（省略为 0 和 1）；interval 大于 0 时逐格投递、每格间隔 interval 毫秒；count ≤ 0 时不投递。"},
    {u"window_mouse_wheel_up",
     u"向窗口 hwnd 投递滚轮向上的消息：位置 (x, y)，按住的键 keys、格数 count（省略为 0 和 1）；interval 大于 0 时逐格投递、每格间隔 interval 毫秒；count ≤ 0 时不投递。"},

    {u"window_find",
     u"按类名 class_name 和标题 title 查找顶层窗口，返回第一个匹配的句柄，找不到返回 0；类名为空表示任意类，标题须完全相同（空标题只匹配无标题的窗口）。",
     uR"(# 按标题查找窗口（类名留空表示不限类名）
int h = window_find("", "无标题 - 记事本")
if h == 0
  println("没有找到")
else
  println("句柄: " + h)
endif
)"},
    {u"window_find_ex",
     u"在父窗口 parent 的子窗口中（parent 为 0 时在顶层窗口中）从 after 之后开始，按类名 class_name 和标题 title 查找下一个窗口，返回其句柄，找不到返回 0；类名为空表示任意类。"},
    {u"window_send_message",
     u"向窗口 hwnd 发送消息 msg（附带 wparam、lparam），等窗口处理完后返回处理结果；常用 qrWM_CLOSE、qrWM_COMMAND 等常量。",
     uR"(# 让窗口自己关闭：发送关闭消息
int h = window_find("Notepad", "")
if h != 0
  window_send_message(h, qrWM_CLOSE, 0, 0)
endif
)"},
    {u"window_send_message_timeout",
     u"向窗口 hwnd 发送消息 msg（附带 wparam、lparam），最多等待 timeout 毫秒（flags 为 qrSMTO_ 常量之和）；处理结果写入 result，成功返回非 0，超时或失败返回 0。"},
    {u"window_post_message", u"把消息 msg（附带 wparam、lparam）投递到窗口 hwnd 的消息队列后立即返回，不等待处理；投递成功返回非 0。"},
    {u"make_wparam", u"把 lo 的低 16 位和 hi 的低 16 位拼成一个消息参数：(hi << 16) | (lo & 0xFFFF)。"},
    {u"make_lparam", u"把 lo 的低 16 位和 hi 的低 16 位拼成一个消息参数：(hi << 16) | (lo & 0xFFFF)，常用于打包坐标。"},
    {u"register_window_message", u"按名称 name 注册（或取得已注册的）全系统唯一的消息号并返回，失败返回 0。"},
    {u"make_copy_data",
     u"为 qrWM_COPYDATA 消息分配一个数据记录：附加值 data、数据地址 pointer、字节数 bytes，返回记录的地址，用完须用 free 释放；失败返回 0。"},
    {u"free", u"释放 make_copy_data 分配的记录并把变量 p 置为 0；不是本次运行分配的值不做任何事。"},
    {u"global_alloc_string",
     u"按分配方式 flags（qrGMEM_MOVEABLE、qrGHND 等）分配一块全局内存，放入 text 及结尾的 0，返回其句柄；失败返回 0。"},
    {u"global_alloc_byte_array",
     u"按分配方式 flags 分配 n 字节的全局内存，放入字节数组 bytes 的前 n 个字节（数组不足的部分补 0），返回其句柄；失败返回 0。"},
    {u"global_size", u"返回全局内存块 h 的字节数；不是本次运行分配的句柄返回 0。"},
    {u"global_lock", u"锁定全局内存块 h 并返回其内存地址；不是本次运行分配的句柄返回 0。"},
    {u"global_unlock", u"解除一次对全局内存块 h 的锁定；仍被锁定时返回非 0，已完全解锁或句柄无效时返回 0。"},
    {u"global_free", u"释放全局内存块 h；成功返回 0，失败（包括不是本次运行分配的句柄）返回原句柄。"},
};

constexpr ParamNames kParams[] = {
    {u"window_show", u"hwnd, cmd"},
    {u"window_top", u"hwnd, on"},
    {u"window_set_size", u"hwnd, w, h"},
    {u"window_set_position", u"hwnd, x, y"},
    {u"window_set_pos", u"hwnd, after, x, y, w, h, flags"},
    {u"window_get_window_rect", u"hwnd, l, t, r, b"},
    {u"window_get_client_rect", u"hwnd, l, t, r, b"},
    {u"window_get_size", u"hwnd, w, h"},
    {u"window_get_position_on_screen", u"hwnd, x, y"},
    {u"window_screen_to_client", u"hwnd, x, y"},
    {u"window_client_to_screen", u"hwnd, x, y"},
    {u"window_enable", u"hwnd, on"},
    {u"window_set_active", u"hwnd"},
    {u"window_set_foreground", u"hwnd"},
    {u"window_set_focus", u"hwnd"},
    {u"window_set_text", u"hwnd, text"},
    {u"window_get_from_point", u"x, y"},
    {u"window_get", u"hwnd, cmd"},
    {u"window_get_child_list", u"hwnd"},
    {u"window_redraw", u"hwnd, l, t, r, b, flags"},
    {u"invalidate_rect", u"hwnd, l, t, r, b, erase"},
    {u"window_is_iconic", u"hwnd"},
    {u"window_is_zoomed", u"hwnd"},
    {u"window_is_visible", u"hwnd"},
    {u"window_is_enabled", u"hwnd"},
    {u"window_is_button_checked", u"hwnd"},
    {u"window_set_button_checked", u"hwnd, state"},
    {u"window_get_combo_box_selected_index", u"hwnd"},
    {u"window_set_combo_box_selected_index", u"hwnd, index"},
    {u"window_set_combo_box_selected_text", u"hwnd, text"},
    {u"window_get_parent", u"hwnd"},
    {u"window_get_id", u"hwnd"},
    {u"window_get_item", u"hwnd, id"},
    {u"window_get_next_group_item", u"hwnd, ctl, previous"},
    {u"window_get_next_tab_item", u"hwnd, ctl, previous"},
    {u"window_get_class_name", u"hwnd"},
    {u"window_get_text", u"hwnd"},
    {u"window_key_code", u"hwnd, vk, count"},
    {u"window_key_press_code", u"hwnd, vk"},
    {u"window_key_release_code", u"hwnd, vk"},
    {u"window_input", u"hwnd, text, interval"},
    {u"window_mouse_move_to", u"hwnd, x, y, keys"},
    {u"window_mouse_left_click", u"hwnd, x, y, keys"},
    {u"window_mouse_right_click", u"hwnd, x, y, keys"},
    {u"window_mouse_middle_click", u"hwnd, x, y"},
    {u"window_mouse_double_click", u"hwnd, x, y, keys"},
    {u"window_mouse_left_down", u"hwnd, x, y, keys"},
    {u"window_mouse_left_up", u"hwnd, x, y, keys"},
    {u"window_mouse_right_down", u"hwnd, x, y, keys"},
    {u"window_mouse_right_up", u"hwnd, x, y, keys"},
    {u"window_mouse_wheel_down", u"hwnd, x, y, keys, count, interval"},
    {u"window_mouse_wheel_up", u"hwnd, x, y, keys, count, interval"},
    {u"window_find", u"class_name, title"},
    {u"window_find_ex", u"parent, after, class_name, title"},
    {u"window_send_message", u"hwnd, msg, wparam, lparam"},
    {u"window_send_message_timeout", u"hwnd, msg, wparam, lparam, flags, timeout, result"},
    {u"window_post_message", u"hwnd, msg, wparam, lparam"},
    {u"make_wparam", u"lo, hi"},
    {u"make_lparam", u"lo, hi"},
    {u"register_window_message", u"name"},
    {u"make_copy_data", u"data, pointer, bytes"},
    {u"free", u"p"},
    {u"global_alloc_string", u"flags, text"},
    {u"global_alloc_byte_array", u"flags, bytes, n"},
    {u"global_size", u"h"},
    {u"global_lock", u"h"},
    {u"global_unlock", u"h"},
    {u"global_free", u"h"},
};

}  // namespace

FamilyDocs window_docs() { return {u"window", u"窗口", kDocs, kParams}; }

}  // namespace quorin
