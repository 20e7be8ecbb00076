# 系统服务：剪贴板、保存在注册表里的数据、MD5、Base64、GUID 和硬件信息。

# 剪贴板里的文字
clipboard_set_text("复制的文字")
println("剪贴板: " + clipboard_get_text())

# storage_ 函数把字符串保存在当前用户的注册表里，下次运行脚本还能读到；
# 先用 storage_set_domain 选一个自己的名字，免得和别的脚本混在一起
storage_set_domain("Quorin 示例")
storage_set("上次运行", "2024-01-01")
println("读出: " + storage_get("上次运行"))
storage_remove("上次运行")
println("删除后: [" + storage_get("上次运行") + "]")

# MD5 和 Base64（第二个参数是计算前把文字转成的字符集）
println("MD5: " + md5("abc"))
string b64 = base64_encode("你好", "utf-8")
println("Base64: " + b64)
string back
base64_decode(b64, back, "utf-8")
println("解码: " + back)

# GUID 每次都不同，形如 xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx，共 36 个字符
println("GUID 长度: " + len(guid()))

# 逻辑处理器个数
if hardware_get_cpu_logical_number() > 0
  println("读到了处理器个数")
endif
