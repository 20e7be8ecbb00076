int a[2][3] = {{1, 2, 3}, {4, 5, 6}}
println(a[1][2])
byte small = 300
println(small)
int neg = -1.9
println(neg)
string names[3] = {"x", "y", "z"}
string w
for w in names
  print(w)
next
println("")
int row
for row in a[1]
  print(row)
next
println("")
double d[2]
println(d[1])
char cs[2] = {'a', 'b'}
println(cs[0] + cs[1])
