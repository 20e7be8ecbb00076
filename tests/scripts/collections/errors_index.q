ArrayList<int> list
arraylist_add(list, 1)
println(arraylist_get(list, 1))
