# Every element of a string array starts as the empty text, the last ones too.
string t[5]
println("[" + t[0] + t[3] + t[4] + "]")
t[4] = "末"
t[0] = "首"
println(t[0] + t[1] + t[2] + t[3] + t[4])
string g[2][3]
g[1][2] = "角"
println(g[1][2] + g[1][1] + g[0][0] + "|")
