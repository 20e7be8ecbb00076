int n
int i
for i = 2147483640 to 2147483647 step 3
  print(i + " ")
  n = n + 1
  if n == 5
    break
  endif
next
println("")
n = 0
for i = -2147483640 to -2147483648 step -5
  print(i + " ")
  n = n + 1
  if n == 4
    break
  endif
next
println("")
long big
n = 0
for big = 9223372036854775800 to 9223372036854775807 step 5
  print(big + " ")
  n = n + 1
  if n == 4
    break
  endif
next
println("")
n = 0
for big = -9223372036854775800 to -9223372036854775807 step -7
  print(big + " ")
  n = n + 1
  if n == 3
    break
  endif
next
println("")
n = 0
long far = 5000000000
for i = 1 to far step 1000000000
  print(i + " ")
  n = n + 1
  if n == 5
    break
  endif
next
println("")
n = 0
for big = 1 to 3 step 2147483647
  print(big + " ")
next
println(big)
byte b
n = 0
for b = 250 to 255 step 2
  print(b + " ")
  n = n + 1
  if n == 5
    break
  endif
next
println("")
short h
n = 0
for h = 32765 to -32768 step -20000
  print(h + " ")
  n = n + 1
  if n == 5
    break
  endif
next
println(h)
char c
for c = 65 to 70 step 2
  print(c)
next
println(" " + c)
n = 0
for i = 1 to 3 step 0.5
  print(i + " ")
  n = n + 1
  if n == 3
    break
  endif
next
println("")
for i = 1 to 3.5
  print(i + " ")
next
println(i)
double d
for d = 0 to 1 step 0.25
  print(d + " ")
next
println(d)
float f
n = 0
for f = 0 to 1 step 0.1
  n = n + 1
next
println(n + " " + f)
for i = 1 to 10
  print(i + " ")
  i = i + 2
next
println(i)
int last = 3
for i = 1 to last
  last = 100
  print(i + " ")
next
println(i)
int stride = -3
for i = 10 to 1 step stride
  stride = 1
  print(i + " ")
next
println(i)
for i = 1 to 1000000
next
println(i)
for i = 5 to 1
next
println(i)
n = 0
for i = 7 to 7 step 0
  n = n + 1
  if n == 4
    break
  endif
next
println(n + " " + i)
int cell[3]
for cell[1] = 1 to 3
  print(cell[1] + " ")
next
println(cell[1])
int g = 0
func long tally(int lo, int hi)
  long t = 0
  int k
  for k = lo to hi
    t = t + k
  next
  for g = 1 to 2
  next
  return t
endfunc
println(tally(-5, 5) + " " + tally(2147483600, 2147483646) + " " + g)
