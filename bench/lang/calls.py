def combine(a, b, c, s, hits, arr):
    hits[0] = hits[0] + 1
    arr[a % 10] = arr[a % 10] + 1
    return b + a + int(c) + len(s)

def pick(b, h, c):
    return b + h + c

def scale(x, f):
    return x * f

hits = [0]
slots = [0] * 10
total = 0
acc = 0.0
tag = "abc"
for i in range(700000):
    total = total + combine(i, 5, i * 0.5, tag, hits, slots)
    total = total + pick(i % 200, -3, 65)
    acc = acc + scale(i, 0.5)
print(str(total) + " " + str(hits[0]) + " " + str(slots[3]) + " " + str(int(acc)))
