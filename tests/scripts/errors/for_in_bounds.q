int a[2][3]
int v
for v in a[5]
  println(v)
next
