goto skip
int a = 5
skip:
println(a)
