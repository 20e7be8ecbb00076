func long combine(int a, long b, double c, string s, int* hits, int arr[])
  hits = hits + 1
  arr[a % 10] = arr[a % 10] + 1
  return b + a + dtol(c) + len(s)
endfunc
func int pick(byte b, short h, char c)
  return b + h + c
endfunc
func double scale(double x, float f)
  return x * f
endfunc
int hits = 0
int slots[10]
long total = 0
double acc = 0.0
string tag = "abc"
int i
for i = 0 to 699999
  total = total + combine(i, 5, i * 0.5, tag, hits, slots)
  total = total + pick(i % 200, -3, 65)
  acc = acc + scale(i, 0.5)
next
console_println(total + " " + hits + " " + slots[3] + " " + dtol(acc))
