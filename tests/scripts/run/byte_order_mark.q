int a = 2
println("BOM " + a)
