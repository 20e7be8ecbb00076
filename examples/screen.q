# 屏幕：屏幕尺寸、读取某一点的颜色、截图，以及在屏幕上查找颜色和图片。
# 颜色是 0x00BBGGRR 形式的整数，color_hex 把它写成 "#RRGGBB"。

int sw = screen_get_width()
int sh = screen_get_height()
if sw > 0 && sh > 0
  println("屏幕大小已读出")
endif

# 截取左上角 40 × 30 的区域
Bmp shot = screen_get_bmp(0, 0, 40, 30)
println("截图: " + bmp_get_width(shot) + " × " + bmp_get_height(shot))

# 读一点的颜色，再到截图区域里找这个颜色：找到时返回 1，并写出坐标
int color = screen_get_color_at(10, 10)
println("颜色文字的长度: " + len(color_hex(color)))
int fx, fy
if screen_find_color_from_area(0, 0, 40, 30, color, fx, fy) == 1
  println("找到了这个颜色")
endif

# 截图和屏幕上同一位置的内容相同
println("截图与屏幕一致: " + screen_bmp_equal(0, 0, shot))

# 在屏幕的一个区域里找这张截图（相似度 1.0 表示完全相同），找到时写出左上角坐标
int bx, by
if screen_find_bmp_from_area(0, 0, 200, 200, shot, bx, by, 1.0) == 1
  println("在屏幕上找到了截图")
endif
