# 字符串与转换：截取、查找、替换、拆分，以及字符串和数字之间的转换。
# 字符串的下标从 0 开始，长度按字符（UTF-16 单元）计算。
string record = "  张三, 28, 北京  "

# 去掉两端空白，再按逗号拆成列表
string text = trim(record)
println("[" + text + "] 长度 " + len(text))
ArrayList<string> parts = split(text, ", ")
println(parts)

# 取出各个字段；stoi 把文字转成整数
string name = arraylist_get(parts, 0)
int age = stoi(arraylist_get(parts, 1))
println(name + " 明年 " + (age + 1) + " 岁")

# 查找与截取
string path = "C:\\工作\\报表\\2024-一月.xlsx"
int slash = last_index_of(path, "\\")
string file = mid(path, slash + 1)
println("文件名: " + file)
println("扩展名: " + right(file, len(file) - index_of(file, ".") - 1))
println("以 C: 开头: " + starts_with(path, "C:"))

# 替换与大小写
println(replace("a-b-c", "-", " / "))
println(ucase("quorin") + " " + lcase("SCRIPT"))

# 检查文字是不是数字，再转换
string inputs[3] = {"42", "3.5", "abc"}
string s
for s in inputs
  if is_int(s) == 1
    println(s + " 是整数")
  elseif is_numeric(s) == 1
    println(s + " 是小数, 保留一位: " + dtos(stod(s), 1))
  else
    println(s + " 不是数字")
  endif
next

# 十六进制与补齐
println("0x" + hex(255) + "|" + space(3) + "|")
