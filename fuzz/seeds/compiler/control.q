int i
for i = 1 to 3
  print(i)
next
println("")
for int j = 10 to 1 step -3
  print(j)
  print(",")
next
println("")
int n = 0
loop -1
  n = n + 1
  if n == 2
    continue
  elseif n > 4
    break
  endif
  print(n)
endloop
println("")
loop 0
  println("never")
endloop
int k = 0
loop (k < 3)
  k = k + 1
endloop
println(k)
# goto out of two loops to a top-level label
int a = 0
loop 5
  loop 5
    a = a + 1
    if a == 7
      goto done
    endif
  endloop
endloop
done:
println(a)
if (a + 1) > 2 && (a > 1)
  println("yes")
else
  println("no")
endif
if a < 1 && a < 2 || a == 7
  println("or")
endif
