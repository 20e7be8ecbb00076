int inside = 0
int y
int x
double cr
double ci
double zr
double zi
double t
int k
for y = 0 to 399
  for x = 0 to 399
    cr = x * 3.0 / 400 - 2.0
    ci = y * 2.0 / 400 - 1.0
    zr = 0.0
    zi = 0.0
    k = 0
    loop (k < 50 && zr * zr + zi * zi <= 4.0)
      t = zr * zr - zi * zi + cr
      zi = 2.0 * zr * zi + ci
      zr = t
      k = k + 1
    endloop
    if k == 50
      inside = inside + 1
    endif
  next
next
console_println(inside)
