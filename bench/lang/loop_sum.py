total = 0
for i in range(1, 20000001):
    total = total + i
print(total)
