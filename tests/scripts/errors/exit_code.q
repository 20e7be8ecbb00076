println("a")
exit(7)
println("b")
