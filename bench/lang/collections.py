nums = []
table = {}
n = 1500000
for i in range(n):
    nums.append(i * 3)
    table[i] = i % 1000 * 7
total = 0
for i in range(n):
    total = total + nums[i] + table[i * 7 % n]
text = "start"
chunk = ""
for k in range(1, 150001):
    chunk = chunk + " w" + str(k * 7919 % 5000)
    if k % 100 == 0:
        text = text + chunk
        chunk = ""
words = text.split(" ")
counts = {}
for w in words:
    if w in counts:
        counts[w] = counts[w] + 1
    else:
        counts[w] = 1
print(str(total) + " " + str(len(words)) + " " + str(len(counts)) + " " + str(counts["w17"]))
