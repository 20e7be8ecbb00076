# Handles of a freed tree, its nodes included, are dead.
int h = json_parse("{\"list\": [1, 2]}")
int list = json_get_item(h, "list")
println(json_get_array_size(list))
json_free(h)
println(json_get_array_size(list))
