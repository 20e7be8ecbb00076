int h = json_parse("{\"n\": 5, \"s\": \"x\", \"z\": null}")
println("[" + json_get_value_string(h, "z") + "]")
println(json_get_value_string(h, "n"))
