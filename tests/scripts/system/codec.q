# MD5 (RFC 1321 suite) and Base64 (RFC 4648 vectors), in UTF-8 and UCS-2
println(md5(""))
println(md5("a"))
println(md5("abc"))
println(md5("message digest"))
println(md5("abcdefghijklmnopqrstuvwxyz"))
println(md5("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"))
println(md5("12345678901234567890123456789012345678901234567890123456789012345678901234567890"))
println(md5("中文", "utf-8") + " " + md5("中文", "gbk") + " " + md5("a", "ucs-2"))
println("[" + base64_encode("") + "]")
println(base64_encode("f") + " " + base64_encode("fo") + " " + base64_encode("foo"))
println(base64_encode("foob") + " " + base64_encode("fooba") + " " + base64_encode("foobar"))
println(base64_encode("中文", "utf-8") + " " + base64_encode("中文", "gbk") + " " + base64_encode("ab", "ucs-2"))
println(base64_decoded_size("YQ==") + " " + base64_decoded_size("Zm9vYmFy") + " " + base64_decoded_size("====="))
string s = "old"
println(base64_decode("Zm9vYmE=", s) + " " + s)
println(base64_decode("5Lit5paH", s, "utf-8") + " " + s)
println(base64_decode("YQBiAA==", s, "ucs-2") + " " + s)
println(base64_decode("YQ=", s) + " [" + s + "]")
s = "x"
println(base64_decode("YQ==YQ==", s) + " [" + s + "]")
println(base64_decode("Zm9v YmFy", s) + base64_decode("Zm9v\nYmE=", s) + base64_decode("Zm9*", s) + base64_decode("Y===", s))
println(base64_decode("", s) + " [" + s + "]")
# byte arrays: never past n, never past the array
byte b[4]
println(base64_decode_to_byte_array("AQIDBA==", b, 3) + " " + base64_decode_to_byte_array("AQIDBA==", b, 4))
println(b[0] + " " + b[1] + " " + b[2] + " " + b[3])
println(base64_decode_to_byte_array("AQIDBAU=", b, 100) + " " + b[3])
println(base64_decode_to_byte_array("AQI*", b, 4))
println(base64_encode_data(b, 4) + " " + base64_encode_data(b, 2) + " [" + base64_encode_data(b, 0) + "]")
println(base64_encode_data(b, 99))
# files
string t = "x"
println(base64_encode_file("sample.bin", t) + " " + t)
println(base64_encode_file("empty.bin", t) + " [" + t + "]")
println(base64_encode_file("no such file.bin", t) + " " + t)
# colour text
println(color_hex(255 + 16 * 65536) + " " + color_hex(0) + " " + color_hex(-1))
println(color_hex_to_int("ff0010") + " " + color_hex_to_int("#FF0010") + " " + color_hex_to_int("#FF001"))
println(color_hex_to_int("#GG0010") + " " + color_hex_to_int("") + " " + color_hex_to_int("##FF0010") + " " + color_hex_to_int("FF00100"))
# GUID text form
string g = guid()
println(len(g) + " " + mid(g, 8, 1) + mid(g, 13, 1) + mid(g, 18, 1) + mid(g, 23, 1))
if g == ucase(g)
  println("upper case")
endif
if guid() != guid()
  println("fresh")
endif
