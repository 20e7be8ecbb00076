HashMap<string, int> m
hashmap_put(m, "one", 1)
hashmap_put(m, "One", 2)
println(hashmap_put(m, "one", 11))
println(hashmap_get_size(m))
println(hashmap_get(m, "one") + hashmap_get(m, "One"))
println(hashmap_contains_key(m, "two"))
println(hashmap_remove(m, "One"))
println(hashmap_get(m, "One"))
HashMap<int, int> big
int i
for i = 0 to 40
  hashmap_put(big, i * 7, i)
next
Iterator<int> keys = hashmap_keys(big)
int n = 0
long sum = 0
loop (iterator_has_next(keys) == qrTrue)
  sum = sum + iterator_next(keys)
  n = n + 1
endloop
println(n + " " + sum)
HashMap<double, string> z
hashmap_put(z, 0.0, "plus")
hashmap_put(z, -0.0, "minus")
println(hashmap_get_size(z))
HashMap<int, string> small
hashmap_put(small, 3, "c")
hashmap_put(small, 1, "a")
hashmap_put(small, 2, "b")
println(small)
