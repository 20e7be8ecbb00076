# Folders: creation with missing parents, deep trees, long paths, Chinese
# names with spaces, listings with filters, copy, rename and delete.
string here = get_current_directory()
string sep = "\\"
if starts_with(here, "/") == 1
  sep = "/"
endif
string dir = here + sep + "qr_folders_" + ltos(time_ms())

ArrayList<string> list
func string names(string base)
  string s = ""
  string x
  for x in list
    s = s + "[" + replace(mid(x, len(base) + 1), "\\", "/") + "]"
  next
  return s
endfunc
func int eq(string a, string b)
  if a == b
    return 1
  endif
  return 0
endfunc
func int longer(int a, int b)
  if a >= b
    return 1
  endif
  return 0
endfunc

# Three missing levels with a trailing separator, then again.
println(folder_create(dir + sep + "a" + sep + "b" + sep + "c" + sep))
println(folder_create(dir + sep + "a" + sep + "b" + sep + "c" + sep))
println(folder_create(dir + sep + "a") + " " + folder_exist(dir + sep + "a" + sep + "b"))
println(folder_create(""))

# A tree 20 levels deep, and a path of more than 300 characters.
string deep = dir + sep + "deep"
int i
for i = 1 to 20
  deep = deep + sep + "第" + i + "层 folder"
next
println(folder_create(deep) + " " + folder_exist(deep))
string longdir = dir + sep + "long"
loop (len(longdir) < 300)
  longdir = longdir + sep + "abcdefghijklmnopqrstuvwxyz0123456789"
endloop
println(folder_create(longdir) + " " + folder_exist(longdir) + " " + longer(len(longdir), 300))
string lf = longdir + sep + "长 文件 name.txt"
string back
println(file_write(lf, "long path text", "", "gbk") + " " + file_exist(lf) + " " + file_len(lf))
println(file_read(lf, back, "gbk") + " " + back)
int f = file_open(lf, "rb")
println(longer(f, 1))
file_close(f)
println(file_copy(lf, lf + ".copy", 1) + " " + file_copy(lf, lf + ".copy", 1) + " " + file_copy(lf, lf + ".copy", 0))
println(file_rename(lf + ".copy", lf + ".moved") + " " + file_exist(lf + ".copy") + " " + file_exist(lf + ".moved"))
println(file_delete(lf + ".moved") + " " + file_delete(lf))
# Paths of exactly 259 and 260 characters: the first without the long form, the second with it.
string n259 = dir + sep + "x"
n259 = n259 + space(259 - len(n259) - 4) + ".txt"
string n260 = dir + sep + "xy"
n260 = n260 + space(260 - len(n260) - 4) + ".txt"
println(len(n259) + " " + file_write(n259, "259", "") + " " + file_len(n259) + " " + file_delete(n259))
println(len(n260) + " " + file_write(n260, "260", "") + " " + file_len(n260) + " " + file_delete(n260))
ArrayList<string> found
println(folder_get_subfolder_list(dir + sep + "long", found, 1) + " " + longer(arraylist_get_size(found), 6))

# Names with Chinese characters and spaces; listings with filters.
string d = dir + sep + "数据 文件夹"
println(folder_create(d))
string nm[5] = {"甲 1.txt", "乙 2.TXT", "c.log", "d", "e.txt.bak"}
string x
for x in nm
  file_write(d + sep + x, x, "")
next
folder_create(d + sep + "子 目录")
folder_create(d + sep + ".hidden")
file_write(d + sep + "子 目录" + sep + "深.txt", "1", "")
file_write(d + sep + ".hidden" + sep + "h.txt", "1", "")
println(folder_get_file_list(d, list) + " " + names(d))
arraylist_clear(list)
println(folder_get_file_list(d, list, "*.txt") + " " + names(d))
arraylist_clear(list)
println(folder_get_file_list(d, list, "?.*") + " " + names(d))
println(folder_get_file_list(d, list, "*.none") + " " + arraylist_get_size(list))
println(folder_get_file_list(d, list, "*.txt", 1) + " " + names(d))
arraylist_clear(list)
println(folder_get_subfolder_list(d, list) + " " + names(d))
arraylist_clear(list)
println(folder_get_subfolder_list(d + sep + sep, list, 1) + " " + names(d))
println(folder_get_file_list("relative", list) + " " + folder_get_subfolder_list(dir + sep + "missing", list))
ArrayList<int> ints
println(folder_get_file_list(d, ints) + " " + arraylist_get_size(ints))

# Rename and delete: files only when they exist, folders only when empty.
println(file_rename(d + sep + "c.log", d + sep + "甲 1.txt") + " " + file_exist(d + sep + "c.log"))
println(file_rename(d + sep + "missing", d + sep + "m2") + " " + file_delete(d + sep + "missing"))
println(file_delete(d) + " " + file_exist(d) + " " + file_len(d))
println(folder_rename(d + sep + "子 目录", d + sep + "子目录2") + " " + folder_exist(d + sep + "子目录2"))
println(folder_delete(d + sep + "子目录2") + " " + file_delete(d + sep + "子目录2" + sep + "深.txt") + " " + folder_delete(d + sep + "子目录2"))
println(folder_rename(d + sep + "nothing", d + sep + "x") + " " + folder_delete(d + sep + "nothing"))

# The current directory and full paths.
println(set_current_directory(d) + " " + eq(get_current_directory(), d))
println(eq(get_full_path("d"), d + sep + "d"))
println(eq(get_full_path(".." + sep + "x"), dir + sep + "x"))
println(set_current_directory(here) + " " + set_current_directory(dir + sep + "missing"))
println(eq(get_script_folder_path(), here))
println(longer(len(get_quorin_folder_path()), 1))

# Clean up: everything the test made goes away.
ArrayList<string> fl
ArrayList<string> sub
func void remove_tree(string top)
  string y
  folder_get_file_list(top, fl, "*.*", 1)
  for y in fl
    file_delete(y)
  next
  folder_get_subfolder_list(top, sub, 1)
  int k
  for k = arraylist_get_size(sub) - 1 to 0 step -1
    folder_delete(arraylist_get(sub, k))
  next
  folder_delete(top)
endfunc
file_delete(d + sep + ".hidden" + sep + "h.txt")
folder_delete(d + sep + ".hidden")
remove_tree(dir)
println(folder_exist(dir))
