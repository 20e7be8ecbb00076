func string kinds(byte b, char c, short h, int i, long l, float f, double d, string s)
  return b + " " + c + " " + h + " " + i + " " + l + " " + f + " " + d + " " + s
endfunc
println(kinds(300, 66, 70000, 3.7, -2.9, 1.25, 7, "s"))
println(kinds(-1, 65601, -32769, -3.7, 9000000000, 0.1, -0.5, ""))
func void refs(int* i, long* l, double* d, string* s, byte* b)
  i = i + 1
  l = l * 2
  d = d / 4
  s = s + "+"
  b = b + 10
endfunc
int ri = 41
long rl = 4000000000
double rd = 1.0
string rs = "r"
byte rb = 250
refs(ri, rl, rd, rs, rb)
println(ri + " " + rl + " " + rd + " " + rs + " " + rb)
func void forward(int* i, string* s)
  refs2(i, s)
endfunc
func void refs2(int* i, string* s)
  i = i * 10
  s = s + s
endfunc
forward(ri, rs)
println(ri + " " + rs)
int grid[2][3]
int row[4]
func void fill(int g[][], int r[])
  int x
  int y
  for x = 0 to 1
    for y = 0 to 2
      g[x][y] = x * 10 + y
    next
  next
  r[3] = 99
  mark(r)
endfunc
func void mark(int r[])
  r[0] = r[3] + 1
endfunc
fill(grid, row)
println(grid[1][2] + " " + grid[0][1] + " " + row[0] + " " + row[3])
string names[3]
func int label(string n[], double w[])
  int k
  for k = 0 to 2
    n[k] = n[k] + "n" + k
    w[k] = w[k] + k * 0.5
  next
  return len(n[0] + n[1] + n[2])
endfunc
double weights[3]
println(label(names, weights) + " " + label(names, weights) + " " + names[2] + " " + weights[2])
func int count_down(int n, int* calls, string* trail)
  calls = calls + 1
  if n <= 0
    return 0
  endif
  trail = trail + n
  return n + count_down(n - 1, calls, trail)
endfunc
int calls = 0
string trail = ""
println(count_down(6, calls, trail) + " " + calls + " " + trail)
func int many(int a, long b, double c, string d, int e, long f, double g, string h, int* i)
  i = i + a
  return a + b + c + len(d) + e + f + g + len(h) + i
endfunc
int nine = 9
println(many(1, 2, 3.5, "four", 5, 6, 7.25, "eight", nine) + " " + nine)
func long none_long()
endfunc
func double none_double()
endfunc
func string none_string()
endfunc
println(none_long() + " " + none_double() + " [" + none_string() + "]")
func int shadow(int n)
  int v = n * 2
  if n > 0
    v = v + shadow(n - 1)
  endif
  return v
endfunc
println(shadow(4))
