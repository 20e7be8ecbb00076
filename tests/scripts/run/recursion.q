func int sum(int n)
  if n == 0
    return 0
  endif
  return n + sum(n - 1)
endfunc
println(sum(3000))
