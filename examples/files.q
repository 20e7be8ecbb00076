# 文件和文件夹：一次读写整个文本文件、逐行读取、列出文件夹里的文件。
# 相对路径以当前目录为准；get_script_folder_path() 返回脚本所在的文件夹。
string folder = get_full_path("示例数据")
if folder_exist(folder) == 0
  folder_create(folder)
endif

# 一次写入整个文件（第三个参数是字符集，"utf-8" 或 "gbk" 等）
string path = folder + "/名单.txt"
file_write(path, "张三\r\n李四\r\n王五\r\n", "utf-8")
println("文件大小: " + file_len(path) + " 字节")

# 一次读出整个文件
string all
file_read(path, all, "utf-8")
println("共 " + arraylist_get_size(split(trim(all), "\r\n")) + " 行")

# 逐行读取：file_open 的模式与 C 语言相同，", ccs=UTF-8" 表示按 UTF-8 读写文字；
# 它返回文件句柄，用完要 file_close。file_read_line 返回这一行的长度，读完时返回 -1
int f = file_open(path, "r, ccs=UTF-8")
string row
int n = 0
loop (file_read_line(f, row) > 0)
  n = n + 1
  println(n + ": " + row)
endloop
file_close(f)

# 追加内容
int g = file_open(path, "a, ccs=UTF-8")
file_write_text(g, "赵六\r\n")
file_close(g)

# 复制、列出文件夹里的 .txt 文件
file_copy(path, folder + "/备份.txt", 1)
ArrayList<string> files
folder_get_file_list(folder, files, "*.txt")
println("txt 文件数: " + arraylist_get_size(files))

# 清理
file_delete(folder + "/备份.txt")
file_delete(path)
folder_delete(folder)
println("文件夹还在: " + folder_exist(folder))
