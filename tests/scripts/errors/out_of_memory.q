string s = space(65536)
println("before")
string t = replace(s, " ", s)
println("never")
