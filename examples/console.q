# 输出：print 和 println 写到主窗口的信息面板（命令行版写到控制台），
# println 会换行；console_print 和 console_println 总是写到标准输出。
print("不换行, ")
println("换行")
println(42)
println(3.5)
println('字')

# 集合可以直接打印
ArrayList<string> list = {"甲", "乙"}
println(list)

# 按指定的小数位数输出
print_double(2.0 / 3, 3)
println("")
console_println("写到标准输出")
# cls() 清空信息面板（在窗口中使用）
