int (*fp)(int)
println("x")
println(fp(1))
