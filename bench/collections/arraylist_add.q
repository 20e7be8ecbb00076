# Adds one million ints to an ArrayList with the default growth settings and
# prints the size and the time taken.
ArrayList<int> a
long start = time_ms()
for int i = 1 to 1000000
  arraylist_add(a, i)
next
long spent = time_ms() - start
console_println("size: " + arraylist_get_size(a))
console_println("ms: " + spent)
