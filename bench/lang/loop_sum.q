long total = 0
int i
for i = 1 to 20000000
  total = total + i
next
console_println(total)
