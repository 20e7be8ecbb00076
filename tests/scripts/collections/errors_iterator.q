LinkedList<int> l
Iterator<int> it = linkedlist_iterator(l)
println(iterator_next(it))
