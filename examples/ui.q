# 对话框：提示、确认、输入。Quorin.exe 里它们是窗口；命令行版本在控制台上提问，
# 从键盘读取回答（y/n、文字或数字）。

# 确认框返回 qrOk、qrCancel、qrYes、qrNo 之一；第二个参数选择按钮组合
if confirm("要开始处理吗？", qrYesNo) == qrYes
  println("开始处理")
else
  println("已取消")
  exit()
endif

# prompt 把输入写进变量；第三个参数限制输入类型（这里只允许整数）。
# 返回 qrOk 表示用户按了“确定”
string count = "3"
if prompt("处理几份？", count, qrPrompt_Int) == qrOk
  println("份数: " + stoi(count))
endif

# input_box 有标题和提示两行文字
string name
if input_box("登记", "请输入你的名字", name) == qrOk
  println("你好, " + name)
endif

# alert 只显示一条消息；带第二个参数时几秒后自动关闭
alert("处理完成")

# run 用系统关联的程序打开文件或网址，例如：
#   run("notepad.exe")
#   run("https://example.com")
