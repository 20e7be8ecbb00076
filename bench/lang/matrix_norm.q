func double eval_a(int i, int j)
  return 1.0 / ((i + j) * (i + j + 1) / 2 + i + 1)
endfunc
func void mul_av(int n, double v[], double av[])
  int i
  int j
  double sum
  for i = 0 to n - 1
    sum = 0.0
    for j = 0 to n - 1
      sum = sum + eval_a(i, j) * v[j]
    next
    av[i] = sum
  next
endfunc
func void mul_atv(int n, double v[], double atv[])
  int i
  int j
  double sum
  for i = 0 to n - 1
    sum = 0.0
    for j = 0 to n - 1
      sum = sum + eval_a(j, i) * v[j]
    next
    atv[i] = sum
  next
endfunc
func void mul_atav(int n, double v[], double out[], double tmp[])
  mul_av(n, v, tmp)
  mul_atv(n, tmp, out)
endfunc
int n = 300
double u[n]
double v[n]
double tmp[n]
int i
for i = 0 to n - 1
  u[i] = 1.0
next
loop 10
  mul_atav(n, u, v, tmp)
  mul_atav(n, v, u, tmp)
endloop
double vbv = 0.0
double vv = 0.0
for i = 0 to n - 1
  vbv = vbv + u[i] * v[i]
  vv = vv + v[i] * v[i]
next
console_println(dtol(sqrt(vbv / vv) * 1000000000.0))
