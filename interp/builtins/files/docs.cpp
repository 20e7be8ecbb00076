// Reference text of the file and folder builtins.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"file_read",
     u"把文件 path 的全部内容按字符集 charset（省略或为空时用脚本自身的字符集，可为 \"utf-8\"、\"gbk\"、\"ucs-2\" 等）读入变量 text，成功返回 1；失败返回 0，text 中是出错说明。",
     uR"(# 读入整个文本文件并显示它的行数
string text
string path = get_script_folder_path() + "\\说明.txt"
if file_read(path, text, "utf-8") == 1
  ArrayList<string> lines = split(text, "\n")
  println("共 " + arraylist_get_size(lines) + " 行")
else
  println(text)
endif
)"},
    {u"file_write",
     u"按字符集 charset（省略或为空时用脚本自身的字符集）把 text 写入文件 path：mode 为 \"a\"、\"ab\" 等时追加，其余（包括空）时新建或覆盖；写入完整返回 1，否则返回 0（text 为空时也返回 0）。",
     uR"(# 覆盖写入一行，再追加一行（GBK 编码）
string path = get_script_folder_path() + "\\日志.txt"
file_write(path, "开始: " + get_date_time() + "\r\n", "w", "gbk")
file_write(path, "结束\r\n", "ab", "gbk")
)"},
    {u"file_open",
     u"按打开方式 mode（\"r\" 读、\"w\" 写、\"a\" 追加，加 \"b\" 为二进制，加 \"+\" 为读写）打开文件 path，返回文件句柄，用完须 file_close；失败返回 0。文本方式按系统的 ANSI 编码（中文系统为 GBK）转换文字，mode 后加 \", ccs=UTF-8\" 或 \", ccs=UNICODE\" 则按 UTF-8 或 UTF-16 读写。",
     uR"(# 逐行读取 UTF-8 编码的文本文件，显示带行号的内容
int f = file_open(get_script_folder_path() + "\\名单.txt", "r, ccs=UTF-8")
if f == 0
  alert("打不开文件: " + file_get_last_error_message())
  exit()
endif
string text_line
int n = 0
loop (file_eof(f) == 0)
  if file_read_line(f, text_line) >= 0
    n = n + 1
    println(n + ": " + text_line)
  endif
endloop
file_close(f)
)"},
    {u"file_close", u"关闭文件句柄 f；成功返回 1，句柄无效或关闭失败返回 0。"},
    {u"file_eof", u"文件 f 已读到末尾时返回 1，否则返回 0；句柄无效时也返回 1，读文件的循环因此会结束。"},
    {u"file_rewind", u"把文件 f 的读写位置移回开头，并清除出错和读到末尾的标记。"},
    {u"file_error", u"文件 f 发生过读写错误（或句柄无效）时返回 1，否则返回 0。"},
    {u"file_clear_error", u"清除文件 f 的出错和读到末尾的标记。"},
    {u"file_flush", u"把文件 f 缓冲中尚未写出的内容立即写入磁盘；成功返回 1，否则返回 0。"},
    {u"file_get_last_error", u"返回最近一次文件操作失败的错误号（C 运行库的 errno 编号）。"},
    {u"file_get_last_error_message", u"返回最近一次文件操作失败的错误说明文字。"},
    {u"file_get_error_message", u"返回 C 运行库错误号 n 的说明文字。"},
    {u"file_read_char", u"从文件 f 读出下一个字符并返回其编码，读到末尾或出错时返回 -1。"},
    {u"file_write_char", u"把编码为 ch 的一个字符写入文件 f，成功返回该字符，失败返回 -1。"},
    {u"file_read_line",
     u"从文件 f 读出一行（不含结尾的换行）放入字符串变量 text，返回该行的长度；已在末尾时返回 0 并把 text 置空，读取失败返回 -1 且 text 不变。"},
    {u"file_write_text", u"把文字 text 写入文件 f（不自动加换行）；成功返回 1，否则返回 0。"},
    {u"file_read_data", u"从文件 f 读出最多 n 个字节放入字节数组 bytes（不超过数组长度），返回实际读到的字节数。"},
    {u"file_write_data", u"把字节数组 bytes 的前 n 个字节写入文件 f（不超过数组长度），返回实际写入的字节数。"},
    {u"file_exist", u"文件 path 存在且可以读取时返回 1，否则（包括 path 是文件夹）返回 0。"},
    {u"file_len", u"返回文件 path 的字节数（long），打不开时返回 -1。"},
    {u"file_copy", u"把文件 src 复制为 dst；fail_if_exists 非 0 时 dst 已存在就不复制；成功返回 1，否则返回 0。"},
    {u"file_rename", u"把文件 old_path 改名（或移动）为 new_path；old_path 不存在或失败时返回 0，成功返回 1。"},
    {u"file_delete", u"删除文件 path；成功返回 1，文件不存在或删除失败返回 0。"},
    {u"folder_create", u"创建文件夹 path，缺少的上级文件夹一并创建；新建了文件夹返回 1，已存在或失败返回 0。",
     uR"(# 创建多级文件夹并在里面写一个文件
string dir = get_script_folder_path() + "\\输出\\2024\\一月"
folder_create(dir)
if folder_exist(dir) == 1
  file_write(dir + "\\说明.txt", "自动生成", "w")
endif
)"},
    {u"folder_exist", u"文件夹 path 存在时返回 1，否则返回 0。"},
    {u"folder_rename", u"把文件夹 old_path 改名（或移动）为 new_path；old_path 不存在或失败时返回 0，成功返回 1。"},
    {u"folder_delete", u"删除空文件夹 path；成功返回 1，文件夹不存在、不为空或删除失败返回 0。"},
    {u"folder_get_subfolder_list",
     u"把文件夹 path（须为完整路径）下的子文件夹的完整路径追加到 ArrayList<string> list（名称以 . 开头的跳过），recursive 非 0 时逐层包括更深的子文件夹；成功返回 1，无法列出返回 0。"},
    {u"folder_get_file_list",
     u"把文件夹 path（须为完整路径）下符合通配符 pattern（省略或为空时为 \"*.*\"）的文件的完整路径追加到 ArrayList<string> list，recursive 非 0 时包括各层子文件夹；成功返回 1，无法列出返回 0。",
     uR"(# 列出脚本所在文件夹及其子文件夹里的全部 txt 文件和大小
ArrayList<string> files
if folder_get_file_list(get_script_folder_path(), files, "*.txt", 1) == 1
  string f
  for f in files
    println(f + "  " + file_len(f) + " 字节")
  next
endif
)"},
    {u"set_current_directory", u"把当前目录改为 path；成功返回非 0，否则返回 0。"},
    {u"get_current_directory", u"返回当前目录的完整路径。"},
    {u"get_quorin_folder_path", u"返回解释器程序所在文件夹的路径（结尾不带分隔符，盘符根目录除外）。"},
    {u"get_script_folder_path", u"返回主脚本文件所在文件夹的路径（结尾不带分隔符，盘符根目录除外）。"},
    {u"get_system_folder_path",
     u"返回特殊文件夹 csidl（qrCSIDL_DESKTOP、qrCSIDL_APPDATA、qrCSIDL_MYDOCUMENTS 等）的路径，失败时返回空字符串。"},
    {u"get_short_path", u"返回已存在的路径 path 的短路径形式（8.3 名称），失败时返回空字符串。"},
    {u"get_long_path", u"返回已存在的路径 path 的长路径形式（完整的长名称），失败时返回空字符串。"},
    {u"get_full_path", u"把相对路径 path 按当前目录换算成完整路径并返回（不检查是否存在），失败时返回空字符串。"},
    {u"get_last_error", u"返回系统记录的最近一次操作的错误码。"},
    {u"get_last_error_message", u"返回系统最近一次错误码的说明文字。"},
    {u"get_error_message", u"返回系统错误码 n 的说明文字，没有说明时返回空字符串。"},
    {u"file_dialog_show_open",
     u"显示“打开文件”对话框（标题 title，初始文件夹 folder，过滤器 filter 如 \"文本文件|*.txt|所有文件|*.*\"），用户确定时把所选文件的完整路径放入 path 并返回 1，取消返回 0。",
     uR"(# 让用户选择一个文本文件并读出来
string path
if file_dialog_show_open("选择文本文件", path, "", "文本文件 (*.txt)|*.txt|所有文件|*.*") == 1
  string text
  file_read(path, text)
  println(text)
endif
)"},
    {u"file_dialog_show_open_multi_select",
     u"显示可多选的“打开文件”对话框（标题 title、初始文件夹 folder、过滤器 filter 同 file_dialog_show_open），用户确定时把各个所选文件的完整路径追加到 list 并返回 1，取消返回 0。"},
    {u"file_dialog_show_save",
     u"显示“另存为”对话框（标题 title，初始文件夹 folder，过滤器 filter，默认扩展名 ext），用户确定时把文件的完整路径放入 path 并返回 1，取消返回 0。"},
    {u"folder_dialog_show",
     u"显示选择文件夹的对话框（标题 title，从 path 所指的文件夹开始），allow_new 非 0 时可新建文件夹；用户确定时把所选文件夹放入 path 并返回 1，取消返回 0。"},
};

constexpr ParamNames kParams[] = {
    {u"file_read", u"path, text, charset"},
    {u"file_write", u"path, text, mode, charset"},
    {u"file_open", u"path, mode"},
    {u"file_close", u"f"},
    {u"file_eof", u"f"},
    {u"file_rewind", u"f"},
    {u"file_error", u"f"},
    {u"file_clear_error", u"f"},
    {u"file_flush", u"f"},
    {u"file_get_error_message", u"n"},
    {u"file_read_char", u"f"},
    {u"file_write_char", u"f, ch"},
    {u"file_read_line", u"f, text"},
    {u"file_write_text", u"f, text"},
    {u"file_read_data", u"f, bytes, n"},
    {u"file_write_data", u"f, bytes, n"},
    {u"file_exist", u"path"},
    {u"file_len", u"path"},
    {u"file_copy", u"src, dst, fail_if_exists"},
    {u"file_rename", u"old_path, new_path"},
    {u"file_delete", u"path"},
    {u"folder_create", u"path"},
    {u"folder_exist", u"path"},
    {u"folder_rename", u"old_path, new_path"},
    {u"folder_delete", u"path"},
    {u"folder_get_subfolder_list", u"path, list, recursive"},
    {u"folder_get_file_list", u"path, list, pattern, recursive"},
    {u"set_current_directory", u"path"},
    {u"get_system_folder_path", u"csidl"},
    {u"get_short_path", u"path"},
    {u"get_long_path", u"path"},
    {u"get_full_path", u"path"},
    {u"get_error_message", u"n"},
    {u"file_dialog_show_open", u"title, path, folder, filter"},
    {u"file_dialog_show_open_multi_select", u"title, list, folder, filter"},
    {u"file_dialog_show_save", u"title, path, folder, filter, ext"},
    {u"folder_dialog_show", u"title, path, allow_new"},
};

}  // namespace

FamilyDocs files_docs() { return {u"files", u"文件与文件夹", kDocs, kParams}; }

}  // namespace quorin
