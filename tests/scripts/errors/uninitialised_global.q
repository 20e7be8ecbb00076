goto skip
int g = 5
skip:
show()
func void show()
  println(g)
endfunc
