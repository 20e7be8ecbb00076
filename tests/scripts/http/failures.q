# Requests that fail, and the texts they leave in the response.
string r
println(http_get("http://127.0.0.1/404", r) + " " + r)
println(http_get("http://127.0.0.1/500", r, "utf-8") + " " + r)
println(http_get("http://127.0.0.1/gzip", r) + " " + r)
println(http_get("http://127.0.0.1/big-length", r) + " " + r)
println(http_get("http://127.0.0.1/too-long", r) + " " + r)
println(http_get("http://127.0.0.1/big-header", r) + " " + r)
println(http_get("http://127.0.0.1/short", r) + " " + r)
println(http_get("http://127.0.0.1/chunked-bad", r) + " " + r)
println(http_get("http://127.0.0.1/redirect/8", r) + " " + r)
println(http_get("https://127.0.0.1/404", r) + " " + r)
println(http_get("ftp://127.0.0.1/", r) + " " + r)
println(http_get("http:/127.0.0.1/", r) + " " + r)
println(http_get("http://127.0.0.1:99999/", r) + " " + r)
println(http_post("http://:80/", "x", r) + " " + r)
# Nothing listens on port 1: the connection is refused (the code differs by system).
int code = http_get("http://127.0.0.1:1/", r)
println(code + " " + left(r, 17))
# A failed request leaves later ones unharmed.
println(http_get("http://127.0.0.1/hello", r) + " " + r)
