int i = 5
func void counts()
  for i = 1 to 2
    print(i)
  next
  int i = 100
  println(" " + i)
endfunc
func void walks()
  ArrayList<int> xs = {7, 8}
  for i in xs
    print(i)
  next
  int i
  println(" " + i)
endfunc
counts()
walks()
println(i)
