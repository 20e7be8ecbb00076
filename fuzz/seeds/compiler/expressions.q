# grouping and typing of arithmetic
println(1 + 2 * 3)
println(8 - 3 - 2)
println(-2 * 3)
short s = -1
byte b = 1
println(s + b)
char c = 'A'
println(c + 1)
byte x = 200
byte y = 100
println(x + y)
long big = 2147483647
println(big + 1)
println(2147483647 + 1)
println(1 << 33)
println(1L << 33)
println(7 / 2)
println(-7 / 2)
println(-7 % 2)
println("a" + 1.5)
println('x' + "y")
println(b + "y")
println("n=" + 5L)
float f = 1.5f
println(f + 1)
println(0.1 + 0.2)
println(5 & 3 | 8 ^ 1)
println(~5)
