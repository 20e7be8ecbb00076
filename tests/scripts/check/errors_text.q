int a = 1
string s = 5
b = 3
println(a
loop 2.5
endloop
break
int int
