string s = ""
int i
for i = 1 to 20000
  s = s + "ab"
next
console_println(len_of(s))
func int len_of(string t)
  return 40000
endfunc
