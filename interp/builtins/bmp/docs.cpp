// Reference text of the Bmp builtins, the drawing builtins and the colour
// helpers.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"bmp_file_read",
     u"把 24 位 BMP 文件 path 读入 Bmp 变量 bmp（自上而下存放的文件也可）；成功返回 1，打不开返回 0，文件不完整返回 -1，不是 24 位返回 -2。",
     uR"(# 读入一张图片并显示它的大小
Bmp pic
int r = bmp_file_read(get_script_folder_path() + "\\图片.bmp", pic)
if r == 1
  println("宽 " + bmp_get_width(pic) + "，高 " + bmp_get_height(pic))
else
  println("读取失败: " + r)
endif
)"},
    {u"bmp_file_write",
     u"把 Bmp 变量 bmp 写成 24 位 BMP 文件 path（已有的文件被覆盖）；成功返回 1，不能创建文件返回 0，写入不完整返回 -1，空图片返回 -2。",
     uR"(# 截取屏幕一角，存成 BMP，再读回来确认内容相同
string path = get_script_folder_path() + "\\角落.bmp"
Bmp a = screen_get_bmp(0, 0, 64, 64)
Bmp b
if bmp_file_write(path, a) == 1 && bmp_file_read(path, b) == 1
  println("相同: " + bmp_equal(a, b))
endif
)"},
    {u"bmp_read_data",
     u"从字节数组 bytes 的前 n 个字节（完整的 BMP 文件内容，24 或 32 位）读出图片放入 bmp；成功返回 1，数据不足返回 -1，格式不支持返回 -2。"},
    {u"bmp_get_width", u"返回 bmp 的宽度（像素），空图片为 0。"},
    {u"bmp_get_height", u"返回 bmp 的高度（像素），空图片为 0。"},
    {u"bmp_get_bit_count", u"返回 bmp 每个像素的位数（24 或 32），空图片为 0。"},
    {u"bmp_get_len", u"返回 bmp 像素数据的字节数（每行补齐到 4 字节的倍数），空图片为 0。"},
    {u"bmp_get_bytes_len", u"返回把 bmp 存成 BMP 文件内容所需的字节数（54 字节文件头加像素数据），空图片返回 -1。"},
    {u"bmp_get_bytes",
     u"把 bmp 以 BMP 文件内容（文件头加像素数据）写到字节数组 bytes 的开头，成功返回 1，空图片返回 0；n 或数组长度小于 bmp_get_bytes_len 时为运行时错误。"},
    {u"bmp_equal", u"图片 a 和 b 的位数、宽度、数据长度和每个字节都相同时返回 1，否则返回 0。"},
    {u"bmp_clone", u"返回 bmp 的一份独立副本（赋值只是共用同一张图片，修改其一会影响另一个）。"},
    {u"bmp_reset", u"释放 bmp 的像素数据，使它成为宽高都为 0 的空图片。"},

    {u"get_dc", u"取得窗口 hwnd 客户区的绘图设备（hwnd 为 0 时为整个屏幕），返回设备句柄，用完须用 release_dc 归还；失败返回 0。",
     uR"(# 在屏幕上直接画一个红框和一条蓝线（画在屏幕上，窗口重绘后消失）
int dc = get_dc(0)
int pen = create_pen(qrPS_SOLID, 3, rgb(255, 0, 0))
int old = select_object(dc, pen)
int old_brush = select_object(dc, get_stock_object(qrNULL_BRUSH))
rectangle(dc, 100, 100, 300, 200)
select_object(dc, old_brush)
select_object(dc, old)
delete_object(pen)
pen = create_pen(qrPS_SOLID, 2, rgb(0, 0, 255))
old = select_object(dc, pen)
line(dc, 100, 250, 300, 250)
select_object(dc, old)
delete_object(pen)
release_dc(0, dc)
)"},
    {u"release_dc", u"归还用 get_dc 取得的窗口 hwnd 的绘图设备 hdc；成功返回 1。"},
    {u"create_compatible_dc", u"创建一个与设备 hdc 兼容的内存绘图设备，返回其句柄，用完须用 delete_dc 删除；失败返回 0。"},
    {u"delete_dc", u"删除用 create_compatible_dc 创建的绘图设备 hdc；成功返回非 0。"},
    {u"create_compatible_bitmap", u"创建一个与设备 hdc 兼容、宽 w 高 h 的位图，返回其句柄，用完须用 delete_object 删除；失败返回 0。"},
    {u"select_object", u"把画笔、画刷或位图 obj 选入设备 hdc，返回原先选入的同类对象的句柄（以便恢复）；失败返回 0。"},
    {u"delete_object", u"删除画笔、画刷或位图等绘图对象 obj（不能删除仍选在设备中的对象）；成功返回非 0。"},
    {u"create_pen", u"创建一支线型为 style（qrPS_SOLID 等）、宽 width 像素、颜色为 color 的画笔，返回其句柄；失败返回 0。"},
    {u"create_solid_brush", u"创建一把颜色为 color 的实心画刷，返回其句柄；失败返回 0。"},
    {u"get_stock_object", u"返回系统备用的画笔或画刷 which（qrBLACK_BRUSH、qrNULL_BRUSH、qrWHITE_PEN 等）的句柄，这些对象不需要删除。"},
    {u"bit_blt",
     u"把设备 src 中以 (sx, sy) 为左上角的 w × h 区域按光栅操作 rop（qrSRCCOPY 等）复制到设备 dst 的 (x, y) 处；成功返回非 0。"},
    {u"set_pixel", u"把设备 hdc 上 (x, y) 处的像素设为颜色 color，返回实际设置的颜色，失败返回 -1。"},
    {u"set_pixel_v", u"把设备 hdc 上 (x, y) 处的像素设为颜色 color（比 set_pixel 快，不返回实际颜色）；成功返回非 0。"},
    {u"get_pixel", u"返回设备 hdc 上 (x, y) 处像素的颜色，点在可见区域外时返回 -1。"},
    {u"line", u"用设备 hdc 当前的画笔从 (x1, y1) 画直线到 (x2, y2)（不含终点）；成功返回非 0。"},
    {u"rectangle", u"用当前画笔描边、当前画刷填充，在设备 hdc 上画左上 (l, t)、右下 (r, b) 的矩形；成功返回非 0。"},
    {u"fill_rect", u"用画刷 brush 填充设备 hdc 上左上 (l, t)、右下 (r, b) 的矩形（不画边框）；成功返回非 0。"},
    {u"round_rect", u"在设备 hdc 上画左上 (l, t)、右下 (r, b) 的圆角矩形，圆角的宽和高为 w、h；成功返回非 0。"},
    {u"ellipse", u"在设备 hdc 上画外接矩形为左上 (l, t)、右下 (r, b) 的椭圆；成功返回非 0。"},
    {u"arc", u"在设备 hdc 上沿外接矩形 (l, t, r, b) 的椭圆，从射向 (x1, y1) 的方向逆时针画弧到射向 (x2, y2) 的方向；成功返回非 0。"},
    {u"pie", u"在设备 hdc 上画外接矩形 (l, t, r, b) 的椭圆中由 (x1, y1) 和 (x2, y2) 两个方向截出的扇形；成功返回非 0。"},
    {u"chord", u"在设备 hdc 上画外接矩形 (l, t, r, b) 的椭圆中由 (x1, y1) 和 (x2, y2) 两个方向截出的弓形（弦与弧围成）；成功返回非 0。"},
    {u"draw_bmp", u"把图片 bmp 按原大小画到设备 hdc 的 (x, y) 处；成功返回 1，无法生成位图时返回 0。"},

    {u"rgb", u"由红 r、绿 g、蓝 b 三个分量（各 0 至 255）合成颜色值 0x00BBGGRR。",
     uR"(# 合成颜色并拆回分量
int c = rgb(255, 128, 0)
println(color_hex(c))
println(rv(c) + ", " + gv(c) + ", " + bv(c))
)"},
    {u"rv", u"返回颜色 c 的红色分量（最低字节）。"},
    {u"gv", u"返回颜色 c 的绿色分量（第二个字节）。"},
    {u"bv", u"返回颜色 c 右移 16 位的值，即蓝色分量（颜色高字节不为 0 时也保留在结果里）。"},
};

constexpr ParamNames kParams[] = {
    {u"bmp_file_read", u"path, bmp"},
    {u"bmp_file_write", u"path, bmp"},
    {u"bmp_read_data", u"bmp, bytes, n"},
    {u"bmp_get_width", u"bmp"},
    {u"bmp_get_height", u"bmp"},
    {u"bmp_get_bit_count", u"bmp"},
    {u"bmp_get_len", u"bmp"},
    {u"bmp_get_bytes_len", u"bmp"},
    {u"bmp_get_bytes", u"bmp, bytes, n"},
    {u"bmp_equal", u"a, b"},
    {u"bmp_clone", u"bmp"},
    {u"bmp_reset", u"bmp"},
    {u"get_dc", u"hwnd"},
    {u"release_dc", u"hwnd, hdc"},
    {u"create_compatible_dc", u"hdc"},
    {u"delete_dc", u"hdc"},
    {u"create_compatible_bitmap", u"hdc, w, h"},
    {u"select_object", u"hdc, obj"},
    {u"delete_object", u"obj"},
    {u"create_pen", u"style, width, color"},
    {u"create_solid_brush", u"color"},
    {u"get_stock_object", u"which"},
    {u"bit_blt", u"dst, x, y, w, h, src, sx, sy, rop"},
    {u"set_pixel", u"hdc, x, y, color"},
    {u"set_pixel_v", u"hdc, x, y, color"},
    {u"get_pixel", u"hdc, x, y"},
    {u"line", u"hdc, x1, y1, x2, y2"},
    {u"rectangle", u"hdc, l, t, r, b"},
    {u"fill_rect", u"hdc, l, t, r, b, brush"},
    {u"round_rect", u"hdc, l, t, r, b, w, h"},
    {u"ellipse", u"hdc, l, t, r, b"},
    {u"arc", u"hdc, l, t, r, b, x1, y1, x2, y2"},
    {u"pie", u"hdc, l, t, r, b, x1, y1, x2, y2"},
    {u"chord", u"hdc, l, t, r, b, x1, y1, x2, y2"},
    {u"draw_bmp", u"hdc, x, y, bmp"},
    {u"rgb", u"r, g, b"},
    {u"rv", u"c"},
    {u"gv", u"c"},
    {u"bv", u"c"},
};

}  // namespace

FamilyDocs bmp_docs() { return {u"bmp", u"Bmp 位图与绘图", kDocs, kParams}; }

}  // namespace quorin
