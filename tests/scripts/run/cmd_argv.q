ArrayList<string> words = get_cmd_argv()
println(arraylist_get_size(words))
println(words)
