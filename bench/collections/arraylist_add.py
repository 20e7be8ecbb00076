# Adds one million ints to a list and prints the size and the time taken.
import time

start = time.perf_counter()
a = []
for i in range(1, 1000001):
    a.append(i)
spent = (time.perf_counter() - start) * 1000
print("size:", len(a))
print("ms:", int(spent))
