# A number that is no handle of this run is refused, never dereferenced.
int h = json_parse("[1, 2, 3]")
println(json_get_array_size(h))
println(json_get_array_size(12345))
