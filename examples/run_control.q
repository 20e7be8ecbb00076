# 运行控制：等待、暂停、结束脚本、退出前的清理、脚本参数和全局热键。
# 在 Quorin.exe 里按 F2 启动/暂停/继续，按 F8 停止。

# 退出时（exit 或执行完毕）调用的函数
atexit(cleanup())

func void cleanup()
  println("清理完成")
endfunc

# 热键的回调函数不能有参数
func void show_time()
  println("热键: " + get_time())
endfunc

if version() > 0
  println("Quorin 在运行")
endif

# 命令行上脚本路径后面的参数
ArrayList<string> args = get_cmd_argv()
println("参数个数: " + arraylist_get_size(args))

# 等待 100 毫秒
long before = time_ms()
sleep(100)
if time_ms() - before >= 100
  println("等待了至少 100 毫秒")
endif

# 不显示暂停、停止、结束时的提示框
config_paused_show_alert(0)
config_ended_show_alert(0)

# pause(0) 暂停脚本，等用户按启动/暂停键继续（命令行版本里不暂停）
pause(0)

# 登记 Ctrl+Shift+F1：脚本执行到末尾后不会退出，而是等待热键，直到按停止键。
# 这里演示完立即取消，所以脚本会正常结束。
register_hotkey(qrMOD_CONTROL + qrMOD_SHIFT, qrVK_F1, "show_time")
unregister_hotkey(qrMOD_CONTROL + qrMOD_SHIFT, qrVK_F1)

exit()
println("exit 之后的语句不会执行")
