# The server does not answer the keep-alive request: after the 10-second
# receive time-out the client asks once more without keep-alive.
string r
long t0 = time_ms()
int code = http_get("http://127.0.0.1/stall", r)
long took = time_ms() - t0
println(code + " " + r)
if took >= 9500
  if took < 20000
    println("gave up after the receive time-out")
  endif
endif
