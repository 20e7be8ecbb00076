int h = json_parse("not json")
println(h)
println(json_is_object(h))
println(json_has_item(h, "a"))
