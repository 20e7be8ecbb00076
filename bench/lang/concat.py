s = ""
for i in range(20000):
    s = s + "ab"
print(len(s))
