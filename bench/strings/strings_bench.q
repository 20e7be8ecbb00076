# replace, split and index_of on a 10 MB text (about 10 million units).
# Run with the command-line interpreter: quorin -cr strings_bench.q

string s = "lorem,ipsum,dolor,sit,amet;"
loop 19
  s = s + s
endloop
# 28 × 2^19 ≈ 14.7 million units; cut to 10 million.
s = left(s, 10000000)
console_println("length: " + len(s))

long t0 = time_ms()
string r = replace(s, ",", "::")
long t1 = time_ms()
console_println("replace: " + (t1 - t0) + " ms, result " + len(r))

t0 = time_ms()
ArrayList<string> parts = split(s, ";")
t1 = time_ms()
console_println("split: " + (t1 - t0) + " ms, pieces " + arraylist_get_size(parts))

# A needle that is absent, and one at the very end.
t0 = time_ms()
int miss = index_of(s, "lorem,ipsum,dolor,sit,amet;X")
int hit = index_of(s, right(s, 40))
t1 = time_ms()
console_println("index_of: " + (t1 - t0) + " ms, " + miss + " " + hit)

# A needle that keeps almost matching: "aaa…ab" in "aaa…a".
string a = "a"
loop 24
  a = a + a
endloop
a = left(a, 10000000)
string needle = left(a, 2000) + "b"
t0 = time_ms()
miss = index_of(a, needle)
t1 = time_ms()
console_println("index_of (adversarial): " + (t1 - t0) + " ms, " + miss)
