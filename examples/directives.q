# 指令：以 quorin_ 开头，在编译时生效，参数必须是常量。它们决定主窗口的样子
# 和启动、停止快捷键。命令行版本没有窗口，这些设置不起作用，但同样会检查。

# 打开脚本后自动开始运行，不必按启动键
quorin_config_auto_start()

# 启动/暂停键改为 F5，停止键改为 Ctrl+Q（字母不区分大小写）
quorin_hotkey_pause_or_continue_code(qrVK_F5)
quorin_hotkey_stop_ctrl_char('q')

# 主窗口的初始大小、位置和信息面板里的文字
quorin_window_initial_size(520, 260)
quorin_window_initial_position(40, 40)
quorin_window_initial_text("按 F5 暂停或继续，Ctrl+Q 停止\r\n")

println("窗口已按指令设置好")
