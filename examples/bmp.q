# 位图：Bmp 值保存一张图片（位数、宽、高和像素）。这里在内存里拼出一张
# 2×1 的 24 位 BMP 文件，读成 Bmp，存盘、读回并比较；颜色用 rgb/rv/gv/bv 处理。
# 截屏得到 Bmp 的例子见 screen.q；get_dc、line、fill_rect 等绘图函数需要 Windows 桌面。

# BMP 文件：14 字节文件头 + 40 字节信息头 + 一行像素（蓝、绿、红顺序，补齐到 4 字节）
byte data[62] = {66, 77, 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0}
Bmp img
if bmp_read_data(img, data, 62) != 1
  println("不是有效的 BMP 数据")
  exit()
endif
println("宽 " + bmp_get_width(img) + ", 高 " + bmp_get_height(img) + ", " + bmp_get_bit_count(img) + " 位")

# 写成文件再读回来，内容应当完全相同
bmp_file_write("小图.bmp", img)
Bmp again
bmp_file_read("小图.bmp", again)
println("读回后相同: " + bmp_equal(img, again))
file_delete("小图.bmp")

# 复制一份，清空原图后两者不再相同
Bmp copy = bmp_clone(img)
bmp_reset(img)
println("清空后相同: " + bmp_equal(img, copy))

# 颜色是 0x00BBGGRR 形式的整数：红色在最低字节
int orange = rgb(255, 128, 0)
println("橙色 = " + orange + " = " + color_hex(orange))
println("红 " + rv(orange) + ", 绿 " + gv(orange) + ", 蓝 " + bv(orange))
