# 键盘和鼠标：移动、点击鼠标，模拟按键，输入文字。
# 例子打开记事本，点击它的编辑区，输入两行文字，再把文字读回来检查。
# 模拟的输入发给当前处于前台的窗口，运行时不要动鼠标和键盘。

# 等记事本的窗口出现（最多 5 秒），返回它的句柄，找不到时返回 0
func int wait_notepad()
  loop 50
    ArrayList<int> windows = window_get_top_level_list()
    int w
    for w in windows
      if window_get_class_name(w) == "Notepad" && window_is_visible(w) == 1
        return w
      endif
    next
    sleep(100)
  endloop
  return 0
endfunc

run("notepad.exe")
int notepad = wait_notepad()
if notepad == 0
  println("没有找到记事本")
  exit()
endif
window_set_foreground(notepad)

# 编辑区是记事本的子窗口，类名为 Edit
int edit = 0
int child
for child in window_get_child_list(notepad)
  if window_get_class_name(child) == "Edit"
    edit = child
  endif
next

# 把鼠标移到编辑区中间并点击，让它得到键盘焦点
int x, y, w, h
window_get_position_on_screen(edit, x, y)
window_get_size(edit, w, h)
mouse_move_to(x + w / 2, y + h / 2)
int mx, my
mouse_get_position(mx, my)
if mx >= x && mx < x + w && my >= y && my < y + h
  println("鼠标在编辑区里")
endif
mouse_left_click(x + w / 2, y + h / 2)
sleep(200)

# 输入文字、按回车、输入数字；input 的第二个参数是每个字符之间的间隔（毫秒）
input("你好, Quorin", 20)
key_code(qrVK_Enter)
input_int(2024)
sleep(300)
println("记事本里的文字: " + replace(window_get_text(edit), "\r\n", " / "))

# 组合键：按住 Ctrl 再按 A 全选，然后按 Delete 删除
key_press_ctrl()
key_code('A')
key_release_ctrl()
key_code(qrVK_Delete)
sleep(300)
println("删除后剩下 " + len(window_get_text(edit)) + " 个字符")

# 关闭记事本（内容已清空，不会询问是否保存）
window_send_message(notepad, qrWM_CLOSE, 0, 0)
