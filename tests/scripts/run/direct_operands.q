int w = 40
func int maybe(int flag)
  if flag == 1
    int w = 7
  endif
  return w + 1
endfunc
println(maybe(1) + " " + maybe(0))
func int later(int flag)
  if flag > 0
    double z = 2.5
  endif
  if z * 2 > 4
    return 1
  endif
  return 0
endfunc
println(later(1))
int big = 2147483647
long lbig = 9223372036854775807
println((big + 1) + " " + (big * 2) + " " + (lbig + 1) + " " + (lbig + big) + " " + (-2147483648 - big))
double half = 0.5
int three = 3
println((three / 2) + " " + (three * half) + " " + (half * three) + " " + (three - 0.25) + " " + (7 / half))
if three < 3.5
  println("int below double")
endif
if lbig > big
  println("long above int")
endif
if half == 0.5 && three != 4 && lbig >= 9223372036854775807
  println("constants on the right")
endif
func long mix(long a, int b, double c)
  long t = a + b
  double u = c * b
  if b <= 0
    return t
  endif
  return t - b + u / 2
endfunc
println(mix(10000000000, 3, 1.5) + " " + mix(-1, -2, 0))
int zero = 0
println(three / zero)
