// Reference text of the screen builtins: metrics and scaling, pixel colours,
// colour counts and searches, captures and bitmap searches.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"screen_get_dpi", u"返回屏幕水平方向每英寸的逻辑像素数（未缩放时为 96）。"},
    {u"screen_get_physical_width", u"返回主屏幕的物理宽度（实际像素，不受显示缩放影响）。"},
    {u"screen_get_physical_height", u"返回主屏幕的物理高度（实际像素，不受显示缩放影响）。"},
    {u"screen_get_logical_width", u"返回主屏幕的逻辑宽度（显示缩放后脚本所见的像素）。"},
    {u"screen_get_logical_height", u"返回主屏幕的逻辑高度（显示缩放后脚本所见的像素）。"},
    {u"screen_get_resolution_x_scale", u"返回水平方向的显示缩放比例（物理宽度 / 逻辑宽度），未缩放时为 1.0。"},
    {u"screen_get_resolution_y_scale", u"返回垂直方向的显示缩放比例（物理高度 / 逻辑高度），未缩放时为 1.0。"},
    {u"screen_position_physical_to_logical",
     u"把物理坐标 (x, y) 换算成逻辑坐标写入 lx、ly（小数部分大于 0.49 进一，否则舍去）；未缩放时原样写入。"},
    {u"screen_position_logical_to_physical",
     u"把逻辑坐标 (x, y) 换算成物理坐标写入 px、py（小数部分大于 0.49 进一，否则舍去）；未缩放时原样写入。"},
    {u"screen_get_width", u"返回主屏幕的宽度（脚本坐标所用的像素数）。"},
    {u"screen_get_height", u"返回主屏幕的高度（脚本坐标所用的像素数）。"},
    {u"screen_get_desktop_width", u"返回最大化窗口客户区的宽度（屏幕宽度减去任务栏等占用的部分）。"},
    {u"screen_get_desktop_height", u"返回最大化窗口的客户区高度加上标题栏高度（屏幕高度减去任务栏等占用的部分）。"},

    {u"screen_get_color_at", u"返回屏幕坐标 (x, y) 处像素的颜色（0x00BBGGRR，可用 rv、gv、bv 取分量）；坐标在屏幕外时返回 -1。",
     uR"(# 读取 (100, 100) 处的颜色，以 #RRGGBB 形式显示
int c = screen_get_color_at(100, 100)
println("颜色: " + color_hex(c) + "  红 " + rv(c) + " 绿 " + gv(c) + " 蓝 " + bv(c))
if c == rgb(255, 255, 255)
  println("是白色")
endif
)"},
    {u"screen_get_color_for_mouse_over_at",
     u"先把鼠标移到 (x, y) 让悬停效果出现，再读取该点的颜色，最后把鼠标移回原处；返回颜色，坐标在屏幕外时返回 -1。"},
    {u"screen_get_colors",
     u"把以 (x, y) 为左上角、宽 w 高 h 的区域的颜色按列（从左到右，每列从上到下）写入 int 数组 colors，数组放不下的部分不写；w 或 h ≤ 0 时不写。"},
    {u"screen_colors_equal",
     u"把以 (x, y) 为左上角、宽 w 高 h 的区域与 int 数组 colors 中按列排列的颜色逐一比较，全部相同返回 1，否则返回 0。"},
    {u"screen_get_color_count",
     u"统计区域 (x, y, w, h) 中符合颜色描述 spec 的像素个数并返回；spec 如 \"FF0000-101010|00FF00\"，以 ^ 开头表示取反；相似度 sim 在 0 与 1 之间时放宽比较（省略为精确）。",
     uR"(# 统计左上角 200 × 100 区域中接近纯红的像素个数
int n = screen_get_color_count(0, 0, 200, 100, "FF0000-202020")
println("红色像素: " + n)
# 相似度 0.9：每个颜色分量允许相差 25
println("放宽后: " + screen_get_color_count(0, 0, 200, 100, "FF0000", 0.9))
)"},
    {u"screen_found_color_count",
     u"区域 (x, y, w, h) 中符合颜色描述 spec 的像素至少有 n 个时返回 1（n 为 0 时表示一个也没有才返回 1），否则返回 0；相似度 sim 同 screen_get_color_count。"},
    {u"screen_find_color",
     u"在整个屏幕上从上到下、从左到右查找颜色 color 的第一个像素，找到时把坐标写入 x、y 并返回 1，否则返回 0（精确匹配）。",
     uR"(# 在屏幕上找纯红色的点，找到就点击它
int x
int y
if screen_find_color(rgb(255, 0, 0), x, y) == 1
  mouse_left_click(x, y)
else
  println("没有找到")
endif
)"},
    {u"screen_find_color_from_area",
     u"在区域 (x, y, w, h)（w、h ≤ 0 表示到屏幕边缘）中查找颜色 color 的第一个像素，找到时把屏幕坐标写入 fx、fy 并返回 1，否则返回 0。"},
    {u"window_get_color_at",
     u"截取窗口 hwnd 的客户区（窗口被遮挡时也可），返回客户区坐标 (x, y) 处的颜色；坐标在客户区外或截取失败时返回 -1。"},
    {u"window_find_color",
     u"在窗口 hwnd 客户区（可限定为 x, y, w, h 区域）中查找颜色 color 的第一个像素，找到时把客户区坐标写入 fx、fy 并返回 1，否则返回 0。"},

    {u"screen_get_bmp",
     u"截取屏幕上以 (x, y) 为左上角、宽 w 高 h 的区域，返回 24 位 Bmp；w 或 h ≤ 0 时返回空 Bmp。"},
    {u"screen_bmp_equal", u"比较屏幕上以 (x, y) 为左上角、与 bmp 同样大小的区域和 bmp，每个像素都相同返回 1，否则返回 0。"},
    {u"window_get_bmp",
     u"截取窗口 hwnd 的客户区（可限定为 x, y, w, h 区域，窗口被遮挡时也可），返回 24 位 Bmp；截取失败或区域在客户区外时返回空 Bmp。"},
    {u"screen_find_bmp",
     u"在整个屏幕上查找图片 bmp 第一次出现的位置（最上、同行最左），找到时把左上角坐标写入 x、y 并返回 1，否则返回 0；相似度 sim 在 0 与 1 之间时允许色差，threads 为并行查找的线程数。",
     uR"(# 在屏幕上找按钮图片（允许少量色差），找到后点击它的中心
Bmp button
if bmp_file_read(get_script_folder_path() + "\\按钮.bmp", button) != 1
  alert("读不到按钮图片")
  exit()
endif
int x
int y
if screen_find_bmp(button, x, y, 0.9) == 1
  mouse_left_click(x + bmp_get_width(button) / 2, y + bmp_get_height(button) / 2)
endif
)"},
    {u"screen_find_bmp_from_area",
     u"在屏幕区域 (x, y, w, h)（w、h ≤ 0 表示到屏幕边缘）中查找图片 bmp，找到时把屏幕坐标写入 fx、fy 并返回 1，否则返回 0；相似度 sim 和线程数 threads 同 screen_find_bmp。"},
    {u"bmp_find_bmp",
     u"在图片 hay 中查找图片 needle 第一次出现的位置，找到时把它在 hay 中的坐标写入 x、y 并返回 1，否则返回 0；相似度 sim 和线程数 threads 同 screen_find_bmp。",
     uR"(# 先截一次屏，再在截图里反复找几个小图，只截屏一次
Bmp shot = screen_get_bmp(0, 0, screen_get_width(), screen_get_height())
Bmp icon
bmp_file_read(get_script_folder_path() + "\\图标.bmp", icon)
int x
int y
if bmp_find_bmp(shot, icon, x, y, 0.95) == 1
  println("图标在 " + x + ", " + y)
endif
)"},
    {u"bmp_find_bmp_from_area",
     u"在图片 hay 的区域 (x, y, w, h) 中查找图片 needle，找到时把它在 hay 中的坐标写入 fx、fy 并返回 1，否则返回 0；相似度 sim 和线程数 threads 同 screen_find_bmp。"},
    {u"window_find_bmp",
     u"在窗口 hwnd 的客户区（可限定为 x, y, w, h 区域，窗口被遮挡时也可）中查找图片 bmp，找到时把客户区坐标写入 fx、fy 并返回 1，否则返回 0；相似度 sim 和线程数 threads 同 screen_find_bmp。"},
};

constexpr ParamNames kParams[] = {
    {u"screen_position_physical_to_logical", u"x, y, lx, ly"},
    {u"screen_position_logical_to_physical", u"x, y, px, py"},
    {u"screen_get_color_at", u"x, y"},
    {u"screen_get_color_for_mouse_over_at", u"x, y"},
    {u"screen_get_colors", u"x, y, w, h, colors"},
    {u"screen_colors_equal", u"x, y, w, h, colors"},
    {u"screen_get_color_count", u"x, y, w, h, spec, sim"},
    {u"screen_found_color_count", u"x, y, w, h, spec, n, sim"},
    {u"screen_find_color", u"color, x, y"},
    {u"screen_find_color_from_area", u"x, y, w, h, color, fx, fy"},
    {u"window_get_color_at", u"hwnd, x, y"},
    {u"window_find_color", u"hwnd, color, fx, fy, x, y, w, h"},
    {u"screen_get_bmp", u"x, y, w, h"},
    {u"screen_bmp_equal", u"x, y, bmp"},
    {u"window_get_bmp", u"hwnd, x, y, w, h"},
    {u"screen_find_bmp", u"bmp, x, y, sim, threads"},
    {u"screen_find_bmp_from_area", u"x, y, w, h, bmp, fx, fy, sim, threads"},
    {u"bmp_find_bmp", u"hay, needle, x, y, sim, threads"},
    {u"bmp_find_bmp_from_area", u"hay, x, y, w, h, needle, fx, fy, sim, threads"},
    {u"window_find_bmp", u"hwnd, bmp, fx, fy, sim, threads, x, y, w, h"},
};

}  // namespace

FamilyDocs screen_docs() { return {u"screen", u"屏幕、取色与找图", kDocs, kParams}; }

}  // namespace quorin
