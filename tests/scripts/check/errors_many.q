int a = 1
b = 3
println(a
loop 2.5
endloop
break
x = 1
y = 2
