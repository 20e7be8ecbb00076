// Reference text of the system-service builtins: clipboard, storage,
// digests and Base64, GUIDs, colour texts, hardware and DLL functions.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"clipboard_set_text", u"清空剪贴板并放入文字 text；成功返回 1，剪贴板打不开或失败时返回 0。",
     uR"(# 把一段文字放到剪贴板，再粘贴到当前窗口
clipboard_set_text("要粘贴的内容：你好")
key_ctrl_v()
)"},
    {u"clipboard_get_text", u"返回剪贴板中的文字；剪贴板里没有文字或打不开时返回空字符串。",
     uR"(# 复制当前选中的文字，再从剪贴板取回来
key_ctrl_c()
sleep(200)
string s = clipboard_get_text()
println("复制到的内容: " + s)
)"},
    {u"clipboard_set_bmp", u"清空剪贴板并放入图片 bmp；成功返回 1，图片无法转换或剪贴板打不开时返回 0。"},
    {u"clipboard_get_bmp",
     u"把剪贴板中的图片读入 bmp（24 位）并返回 1；剪贴板里没有图片或打不开时返回 0，bmp 不变。"},
    {u"storage_set_domain",
     u"选择存储区：domain 为空时回到默认存储区，否则使用默认存储区下名为 domain 的分区（其中的 \\ 换成 /，最多 100 个字符）；成功返回 1，否则返回 0。"},
    {u"storage_set",
     u"把文字 value 以名称 name 保存到当前存储区（当前用户的注册表中，脚本结束后仍然保留）；成功返回 1，否则返回 0。",
     uR"(# 记住脚本运行的次数，下次运行时接着累加
string s = storage_get("运行次数")
int n = 0
if s != ""
  n = stoi(s)
endif
n = n + 1
storage_set("运行次数", itos(n))
println("这是第 " + n + " 次运行")
)"},
    {u"storage_get", u"返回当前存储区中名称为 name 的值，没有时返回空字符串。"},
    {u"storage_remove", u"从当前存储区删除名称为 name 的值；成功返回 1，没有这个值或失败返回 0。"},
    {u"storage_clear", u"删除当前存储区中的全部值，返回删除的个数；存储区不存在时返回 0。"},
    {u"md5",
     u"把 text 按字符集 charset（省略或为空时用脚本自身的字符集）编码后计算 MD5 摘要，返回 32 位大写十六进制文字。",
     uR"(# 计算文字的 MD5：同一段文字在不同字符集下结果不同
println(md5("abc"))
println(md5("中文", "utf-8"))
println(md5("中文", "gbk"))
)"},
    {u"base64_encode",
     u"把 text 按字符集 charset（省略或为空时用脚本自身的字符集）编码后转成 Base64 文字（标准字母表，带 = 补齐，不换行）；text 为空时返回空字符串。",
     uR"(# Base64 编码后再解码回来
string code = base64_encode("你好，Quorin", "utf-8")
println(code)
string back
if base64_decode(code, back, "utf-8") == 1
  println(back)
endif
)"},
    {u"base64_encode_data", u"把字节数组 bytes 的前 n 个字节转成 Base64 文字（不超过数组长度）。"},
    {u"base64_encode_file",
     u"把文件 path 的全部内容转成 Base64 文字放入 text，成功返回 1；文件不存在返回 0，打不开返回 -1，读取失败返回 -2。"},
    {u"base64_decoded_size", u"返回 Base64 文字 text 解码后的字节数。"},
    {u"base64_decode",
     u"把 Base64 文字 text 解码，按字符集 charset（省略或为空时用脚本自身的字符集）转成文字放入 result，成功返回 1；text 不是有效的 Base64（含空白或换行也不行）时返回 0 且 result 为空。"},
    {u"base64_decode_to_byte_array",
     u"把 Base64 文字 text 解码到字节数组 bytes；成功返回 1，n 小于解码后的字节数或 text 无效时返回 0。"},
    {u"guid", u"生成一个新的全局唯一标识，返回形如 XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX 的大写文字（不带花括号）。"},
    {u"color_hex", u"把颜色值 c 转成 \"#RRGGBB\" 形式的大写文字，例如 rgb(255, 0, 16) 为 \"#FF0010\"。"},
    {u"color_hex_to_int", u"把 \"#RRGGBB\" 或 \"RRGGBB\" 形式的颜色文字 text（大小写均可）转成颜色值，格式不对时返回 -1。"},
    {u"hardware_get_cpu", u"返回处理器信息文字：架构-修订号-级别-逻辑处理器个数。"},
    {u"hardware_get_cpu_logical_number", u"返回逻辑处理器的个数。"},
    {u"hardware_get_mac", u"返回第一个网卡的物理地址，形如 \"00-1A-2B-3C-4D-5E\"；没有时返回空字符串。"},
    {u"dll_load", u"载入 DLL 文件 path 并返回模块句柄，之后可用 dll_get_function 取其中的函数；失败返回 0。"},
    {u"dll_free", u"卸载 dll_load 载入的模块 h，其中取出的函数不能再调用；成功返回非 0。"},
    {u"dll_get_function",
     u"在已载入的模块中（给出 h 时只在该模块中）按名称 name 查找导出函数，返回可赋给函数指针变量的值；找不到时为运行时错误。"},
};

constexpr ParamNames kParams[] = {
    {u"clipboard_set_text", u"text"},
    {u"clipboard_set_bmp", u"bmp"},
    {u"clipboard_get_bmp", u"bmp"},
    {u"storage_set_domain", u"domain"},
    {u"storage_set", u"name, value"},
    {u"storage_get", u"name"},
    {u"storage_remove", u"name"},
    {u"md5", u"text, charset"},
    {u"base64_encode", u"text, charset"},
    {u"base64_encode_data", u"bytes, n"},
    {u"base64_encode_file", u"path, text"},
    {u"base64_decoded_size", u"text"},
    {u"base64_decode", u"text, result, charset"},
    {u"base64_decode_to_byte_array", u"text, bytes, n"},
    {u"color_hex", u"c"},
    {u"color_hex_to_int", u"text"},
    {u"dll_load", u"path"},
    {u"dll_free", u"h"},
    {u"dll_get_function", u"name, h"},
};

}  // namespace

FamilyDocs system_docs() { return {u"system", u"系统服务", kDocs, kParams}; }

}  // namespace quorin
