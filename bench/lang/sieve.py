n = 3000000
composite = bytearray(n + 1)
count = 0
for i in range(2, n + 1):
    if composite[i] == 0:
        count = count + 1
        j = i * 2
        while j <= n:
            composite[j] = 1
            j = j + i
print(count)
