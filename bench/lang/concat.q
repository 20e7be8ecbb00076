string s = ""
int same = 0
int i
for i = 1 to 30000
  s = s + "ab"
  if s == "abab"
    same = same + 1
  endif
next
console_println(len(s) + " " + same)
