console_println("你好, Quorin")
