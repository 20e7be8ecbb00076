int n = 3000000
byte composite[3000001]
int count = 0
int i
int j
for i = 2 to n
  if composite[i] == 0
    count = count + 1
    j = i * 2
    loop (j <= n)
      composite[j] = 1
      j = j + i
    endloop
  endif
next
console_println(count)
