# Without a window every dialog asks on the console; the answers come from
# console_dialogs.in.
alert("开始", 3)
string v = "9"
int r = input_box("标题", "请输入整数", v, qrPrompt_Int)
println(r)
println(v)
string name = ""
r = prompt("名字", name)
println(r)
println(name)
r = confirm("继续吗？", qrYesNo)
println(r)
r = confirm("再来", 7)
println(r)
string m = ""
r = input_multiline_box("多行", "写几行", m)
println(r)
println(m)
println(run(""))
string kept = "保留"
r = input_box("末尾", "输入结束", kept, qrPrompt_Numeric)
println(r)
println(kept)
