println(1)
