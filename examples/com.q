# COM 自动化：创建 COM 对象，读写属性，通过函数指针调用方法。
# 这里用 Windows 自带的 Scripting.Dictionary（一个键值表）演示；
# Excel、数据库等程序的对象用法相同。
int dict = com_object_new("Scripting.Dictionary")
if dict == 0
  println("无法创建 Scripting.Dictionary")
  exit()
endif

# 方法通过函数指针调用，声明时写出参数和返回值的类型
void (*add)(string, string) = com_object_get_function(dict, "Add")
short (*exists)(string) = com_object_get_function(dict, "Exists")
string (*item)(string) = com_object_get_function(dict, "Item")
add("北京", "首都")
add("上海", "直辖市")

# 属性按名字读写；COM 的“真”是 -1，“假”是 0
println("条目数: " + com_object_get_int(dict, "Count"))
println("有北京: " + exists("北京") + ", 有广州: " + exists("广州"))
println("上海 = " + item("上海"))

# 用完释放，释放后句柄变为 0
com_object_free(dict)
println("释放后的句柄: " + dict)
