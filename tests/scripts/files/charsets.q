# Whole-file reading and writing in every charset, in a folder of its own.
func int eq(string a, string b)
  if a == b
    return 1
  endif
  return 0
endfunc
string here = get_current_directory()
string sep = "\\"
if starts_with(here, "/") == 1
  sep = "/"
endif
string dir = here + sep + "qr_charsets_" + ltos(time_ms())
println(folder_create(dir))
string p = dir + sep + "文本 文件.txt"
string text = "中文 a\r\nline2\nend"
string back
string cs[4] = {"utf-8", "gbk", "gb2312", "ucs-2"}
string c
for c in cs
  println(c + ": " + file_write(p, text, "", c) + " " + file_len(p) + " " + file_read(p, back, c) + " " + eq(back, text))
next
# The default charset is the script's (UTF-8).
println(file_write(p, "中", "w"))
println(file_len(p))
println(file_read(p, back) + " " + back)
# A byte-order mark stays in the text.
byte bom[6] = {239, 187, 191, 97, 98, 99}
int f = file_open(p, "wb")
println(file_write_data(f, bom, 6))
println(file_close(f))
println(file_read(p, back, "utf-8") + " " + len(back) + " " + eq(mid(back, 1), "abc") + " " + itos(char_at(back, 0)))
byte le[6] = {255, 254, 45, 78, 98, 0}
f = file_open(p, "wb")
file_write_data(f, le, 6)
file_close(f)
println(file_read(p, back, "ucs-2") + " " + len(back) + " " + itos(char_at(back, 0)) + " " + mid(back, 1))
# GBK bytes read as GBK, and as UTF-8 they do not come back.
file_write(p, "汉字", "", "gbk")
println(file_len(p))
println(file_read(p, back, "gbk") + " " + back)
file_read(p, back, "utf-8")
println(eq(back, "汉字"))
# Modes: append in any case, "a" in text mode writes CR LF, unknown modes overwrite.
println(file_write(p, "x", "wb"))
println(file_write(p, "y\n", "A"))
println(file_len(p))
println(file_write(p, "z", " ab+ "))
println(file_read(p, back) + " " + len(back) + " " + replace(replace(back, "\r", "<CR>"), "\n", "<LF>"))
println(file_write(p, "new", "r"))
println(file_read(p, back) + " " + back)
# Text-mode appends of UTF-16 end lines with CR LF units and keep every character whole.
println(file_write(p, "上\n", "wb", "ucs-2") + " " + file_write(p, "下\n", "a", "ucs-2") + " " + file_len(p))
println(file_read(p, back, "ucs-2") + " " + replace(replace(back, "\r", "<CR>"), "\n", "<LF>"))
# An empty text empties the file and reports 0.
println(file_write(p, "", ""))
println(file_len(p))
println(file_read(p, back) + " [" + back + "]")
# An unknown charset writes nothing.
println(file_write(p, "abc", "", "klingon"))
println(file_len(p))
# A missing file names itself in the text.
println(file_read("no such file.txt", back) + " " + back)
println(file_get_last_error() + " " + file_get_last_error_message())
println(file_delete(p))
println(folder_delete(dir))
println(folder_exist(dir))
