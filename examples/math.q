# 数学函数：取整、绝对值、幂和开方、三角函数、最大最小值和随机数。
println(abs(-7))
println(max(3, 9))
println(min(2.5, 1))
println(pow(2, 10))
println(sqrt(2))
println(round(3.14159, 2))
println(floor(2.7))
println(ceil(2.1))

# 角度换算成弧度再求正弦
double pi = acos(-1)
println(round(sin(30 * pi / 180), 4))

# 取余数与拆分整数、小数部分
println(fmod(10, 3))
double whole
double part = modf(5.25, whole)
println(whole)
println(part)

# 随机数：rnd() 返回 0 到 1 之间的小数；randomize() 换一个随机起点
randomize()
int dice = floor(rnd() * 6) + 1
if dice >= 1 && dice <= 6
  println("掷出的点数在 1 到 6 之间")
endif
