func int f(int n)
  return f(n + 1)
endfunc
println(f(0))
