# Requests that succeed, against the loopback test server.
string page
println(http_get("http://127.0.0.1/zh", page, "utf-8") + " " + page)
println(http_get("http://127.0.0.1/zh-gbk", page, "gbk") + " " + page)
println(http_get("http://127.0.0.1/zh-gbk", page, "big5") + " " + page)
println(http_get("http://127.0.0.1/hello", page) + " " + page)
println(http_get("http://127.0.0.1/chunked-hello", page) + " " + page)
println(http_get("http://127.0.0.1/chunked-odd", page, "utf-8") + " " + page)
println(http_get("http://127.0.0.1/close", page, "UTF-8") + " " + page)
println(http_get("http://127.0.0.1/continue", page) + " " + page)
println(http_get("http://127.0.0.1/moved", page) + " " + page)
println(http_get("http://127.0.0.1/redirect/7", page) + " " + page)
println(http_get("//127.0.0.1/hello#part", page) + " " + page)
# What the server saw.
println(http_get("http://127.0.0.1/echo", page, "", "sid=42", "http://example.test/from") + "\n" + page)
println(http_post("http://127.0.0.1/echo", "a=1&b=" + url_encode("x y&z"), page) + "\n" + page)
println(http_post("http://127.0.0.1/echo?q=1", "", page, "utf-8", "c=d") + "\n" + page)
# Keep-alive: the second request arrives on the same connection.
string first
string again
http_get("http://127.0.0.1/conn", first)
http_get("http://127.0.0.1/conn", again)
ArrayList<string> a = split(first, " ")
ArrayList<string> b = split(again, " ")
if arraylist_get(a, 0) == arraylist_get(b, 0)
  println("plain connection reused")
endif
# TLS on port 443, whatever the scheme says.
println(http_get("https://127.0.0.1/zh", page, "utf-8") + " " + page)
println(http_get("http://127.0.0.1:443/chunked-hello", page) + " " + page)
http_get("https://127.0.0.1/conn", first)
http_get("https://127.0.0.1/conn", again)
a = split(first, " ")
b = split(again, " ")
if arraylist_get(a, 0) == arraylist_get(b, 0)
  println("TLS connection reused")
endif
println(http_get("https://127.0.0.1/echo", page) + "\n" + page)
