println(twice(21))
func int twice(int x)
  return x * 2
endfunc
func int trunc(double d)
  return d
endfunc
println(trunc(2.9))
println(trunc(-2.9))
func void swap(int* a, int* b)
  int t = a
  a = b
  b = t
endfunc
int p = 1
int q = 2
swap(p, q)
println(p + "," + q)
func void touch(string s)
  s = "changed"
endfunc
func void touch_ref(string* s)
  s = "changed"
endfunc
string t = "orig"
touch(t)
println(t)
touch_ref(t)
println(t)
func int depth(int n)
  int local = n
  if n > 0
    depth(n - 1)
  endif
  return local
endfunc
println(depth(5))
func string nothing()
endfunc
println("[" + nothing() + "]")
func int nested()
  int i
  for i = 1 to 10
    loop 10
      if i == 3
        return i * 100
      endif
    endloop
  next
  return -1
endfunc
println(nested())
func int sum(int arr[])
  int total = 0
  int v
  for v in arr
    total = total + v
  next
  return total
endfunc
int nums[4] = {1, 2, 3, 4}
println(sum(nums))
println(abs_value(-3.7))
func int abs_value(int v)
  if v < 0
    return -v
  endif
  return v
endfunc
println(version())
