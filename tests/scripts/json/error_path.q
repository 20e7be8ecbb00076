int h = json_parse("{\"a\": {\"b\": 1}}")
println(json_get_value_int(h, "a.b"))
println(json_get_value_int(h, "a.c"))
