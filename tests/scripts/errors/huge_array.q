println("before")
int a[1073741824][1073741824][16]
a[0][0][1] = 1
println("never")
