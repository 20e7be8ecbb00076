ArrayList<int> a = {3, 1, 2}
arraylist_insert(a, 0, 9)
arraylist_insert(a, arraylist_get_size(a), 7)
println(a)
println(arraylist_set(a, 1, 30))
println(arraylist_remove_index(a, 0))
println(arraylist_index_of(a, 2))
println(arraylist_contains(a, 5))
println(arraylist_remove(a, 30))
println(a)
arraylist_clear(a)
println(arraylist_get_size(a))
ArrayList<double> d = {1.5, 2.0}
println(d)
LinkedList<string> l = {"b"}
linkedlist_add_first(l, "a")
linkedlist_add(l, "c")
linkedlist_insert(l, 1, "x")
println(l)
println(linkedlist_get_first(l) + linkedlist_get_last(l))
println(linkedlist_remove_last(l))
string s
for s in l
  print(s)
next
println("")
Iterator<string> back = linkedlist_iterator_reverse(l)
loop (iterator_has_next(back) == qrTrue)
  print(iterator_next(back))
endloop
println("")
ArrayList<char> cs = {'q', 'r'}
println(cs)
