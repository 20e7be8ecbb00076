# The generator: the same sequence from seed 1 on every target, values in
# [0, 1] with 1 itself reachable.
int k
for k = 1 to 5
  println(dtos(rnd(), 7))
next
int n = 5
int ones = 0
int first_one = 0
int bad = 0
double r
for k = 1 to 60000
  r = rnd()
  n = n + 1
  if r < 0.0 || r > 1.0
    bad = bad + 1
  endif
  if r == 1.0
    ones = ones + 1
    if first_one == 0
      first_one = n
    endif
  endif
next
println(bad + " " + first_one + " " + ones)
randomize()
bad = 0
double lo = 1.0
double hi = 0.0
for k = 1 to 20000
  r = rnd()
  if r < 0.0 || r > 1.0
    bad = bad + 1
  endif
  lo = min(lo, r)
  hi = max(hi, r)
next
int spread = 0
if lo < 0.01 && hi > 0.99
  spread = 1
endif
println(bad + " " + spread)
