# 窗口：查找窗口，读取标题和类名，移动、改变大小、最小化和还原，发送消息。
# 窗口句柄是一个 int，0 表示没有找到。例子用记事本演示。

run("notepad.exe")

# 在所有顶层窗口里按类名查找（最多等 5 秒）
int notepad = 0
loop 50
  int w
  for w in window_get_top_level_list()
    if window_get_class_name(w) == "Notepad" && window_is_visible(w) == 1
      notepad = w
    endif
  next
  if notepad != 0
    break
  endif
  sleep(100)
endloop
if notepad == 0
  println("没有找到记事本")
  exit()
endif
println("类名: " + window_get_class_name(notepad))

# 改标题，再按完整标题查找：window_find(类名, 标题)，类名为空表示任意类
window_set_text(notepad, "Quorin 窗口示例")
println("标题: " + window_get_text(notepad))
if window_find("", "Quorin 窗口示例") == notepad
  println("按标题找到了同一个窗口")
endif

# 移动到 (50, 60)，外框大小改为 400 × 300，然后读回位置和大小
window_set_position(notepad, 50, 60)
window_set_size(notepad, 400, 300)
int x1, y1, x2, y2
window_get_window_rect(notepad, x1, y1, x2, y2)
println("位置 " + x1 + ", " + y1 + "  大小 " + (x2 - x1) + " × " + (y2 - y1))

# 客户区（不含标题栏和边框）比外框小
int cl, ct, cr, cb
window_get_client_rect(notepad, cl, ct, cr, cb)
if cr - cl < 400 && cb - ct < 300
  println("客户区比外框小")
endif

# 最小化再还原
window_show(notepad, qrSW_MINIMIZE)
sleep(300)
println("最小化: " + window_is_iconic(notepad))
window_show(notepad, qrSW_RESTORE)
sleep(300)
println("还原后最小化: " + window_is_iconic(notepad))

# 子窗口：编辑区的父窗口就是记事本
int edit
for edit in window_get_child_list(notepad)
  if window_get_class_name(edit) == "Edit"
    if window_get_parent(edit) == notepad
      println("编辑区的父窗口是记事本")
    endif
  endif
next

# 发送 WM_CLOSE 关闭窗口
window_send_message(notepad, qrWM_CLOSE, 0, 0)
sleep(300)
println("关闭后仍可见: " + window_is_visible(notepad))
