func int fib(int n)
  if n < 2
    return n
  endif
  return fib(n - 1) + fib(n - 2)
endfunc
console_println(fib(32))
