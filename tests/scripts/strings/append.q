string s = "ab"
string t = s
s = s + "cd"
println(s + " " + t)
t = s
s = s + "ef" + 1 + 'g' + 2.5
println(s + " " + t)
s = s + s
println(s)
s = "x"
s = s + ""
s = s + "y"
println(s)
string parts[3]
parts[1] = "p"
parts[1] = parts[1] + "q"
s = parts[1]
s = s + "r"
println(parts[1] + " " + s)
parts[2] = s
s = s + "!"
println(parts[2] + " " + s)
ArrayList<string> list
arraylist_add(list, s)
s = s + "?"
println(arraylist_get(list, 0) + " " + s)
HashMap<string, string> m
hashmap_put(m, "k", s)
s = s + "+"
println(hashmap_get(m, "k") + " " + s)
func string reset()
  s = "reset"
  return "!"
endfunc
func string grow()
  s = s + "in"
  return "out"
endfunc
s = "old"
s = s + reset()
println(s)
s = "old"
s = s + grow()
println(s)
func void add_ref(string* r)
  r = r + "&"
endfunc
func void add_value(string v)
  v = v + "%"
  println(v)
endfunc
func void add_both(string* r)
  s = s + r
  r = r + "^"
endfunc
s = "base"
t = s
add_ref(s)
println(s + " " + t)
add_value(s)
println(s)
add_both(s)
println(s + " " + t)
func string level(int n)
  string acc = "L" + n
  if n > 0
    acc = acc + level(n - 1)
  endif
  acc = acc + "."
  return acc
endfunc
println(level(3))
func void global_grow(int n)
  int k
  for k = 1 to n
    s = s + k
  next
endfunc
s = ""
global_grow(12)
println(s)
string long_text = ""
int i
for i = 1 to 3000
  long_text = long_text + "abc"
  if i == 1000
    t = long_text
  endif
next
println(len(long_text) + " " + len(t) + " " + mid(long_text, 4497, 6) + " " + right(t, 4))
long_text = long_text + long_text
println(len(long_text) + " " + left(long_text, 5))
