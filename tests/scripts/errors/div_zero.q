int a = 1
int b = 0
println("before")
println(a / b)
println("after")
