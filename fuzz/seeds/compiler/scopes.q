int n = 1
func void f()
  int i
  for i = 1 to 2
    println(n)
    int n = 10 + i
  next
endfunc
f()
println(n)
func int rec(int k)
  int mine = k * 10
  if k > 0
    rec(k - 1)
  endif
  return mine
endfunc
println(rec(3))
string s
loop 2
  string t
  t = t + "x"
  print(t)
endloop
println("")
