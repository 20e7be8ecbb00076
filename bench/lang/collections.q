ArrayList<int> nums
HashMap<int, int> table
int n = 1500000
int i
for i = 0 to n - 1
  arraylist_add(nums, i * 3)
  hashmap_put(table, i, i % 1000 * 7)
next
long total = 0
for i = 0 to n - 1
  total = total + arraylist_get(nums, i) + hashmap_get(table, i * 7 % n)
next
string text = "start"
string chunk = ""
int k
for k = 1 to 150000
  chunk = chunk + " w" + (k * 7919 % 5000)
  if k % 100 == 0
    text = text + chunk
    chunk = ""
  endif
next
ArrayList<string> words = split(text, " ")
HashMap<string, int> counts
string w
for w in words
  if hashmap_contains_key(counts, w) == 1
    hashmap_put(counts, w, hashmap_get(counts, w) + 1)
  else
    hashmap_put(counts, w, 1)
  endif
next
console_println(total + " " + arraylist_get_size(words) + " " + hashmap_get_size(counts) + " " + hashmap_get(counts, "w17"))
