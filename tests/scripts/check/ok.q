int a = 1
println(a)
