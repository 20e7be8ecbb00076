int a[2][3]
println(a[2][0])
