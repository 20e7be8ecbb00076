# max and min across the types; the result type shows in what is kept.
byte b = 200
char c = 'a'
short s = 300
short s2 = 5
int i = 3
long l = 5
float f = 2.0
double d = 3.5
println(max(i, d))
println(max(l, f))
println(min(l, f))
println(max(s, s2) + " " + min(s, s2))
println(max(b, s) + " " + min(b, c))
println(max(c, 'b'))
println(max(b, l) + " " + min(s, l))
println(max(i, 2147483647L))
println(min(-2147483647 - 1, i))
int big = 16777217
println(max(big, 1.0f))
long huge = 9007199254740993
println(max(huge, 1.0))
println(max(huge, 1.0f))
println(max(f, l) + " " + min(f, i) + " " + max(d, b))
# Equal values: the second argument's value.
println(max(0.0, -0.0))
println(min(-0.0, 0.0))
println(max(-0.0, 0.0))
# NaN compares false: the second argument again.
double nan = sqrt(-1.0)
println(max(nan, 1.0) + " " + min(nan, 2.5))
