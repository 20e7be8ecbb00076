ArrayList<int> g = {1, 2, 3}
LinkedList<string> l = {"a"}
HashMap<string, int> m
HashMap<string, int> other
hashmap_put(m, "k", 1)
hashmap_put(other, "n", 2)
func int clobber()
  g = {7, 8, 9}
  return 4
endfunc
func string clobber_list()
  l = {"x", "y"}
  return "z"
endfunc
func int clobber_map()
  m = other
  return 3
endfunc
arraylist_add(g, clobber())
println(g)
arraylist_insert(g, 0, clobber())
println(g)
linkedlist_add(l, clobber_list())
println(l)
println(hashmap_put(m, "q", clobber_map()))
println(m)
