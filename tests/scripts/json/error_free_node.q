# Only a root can be freed: a node inside a tree is refused.
int h = json_parse("{\"list\": [1, 2]}")
json_free(json_get_item(h, "list"))
println("not reached")
