# Bmp values: byte-array and file forms, fields, equality, copies, searches.
func void put32(byte b[], int at, int v)
  b[at] = v & 255
  b[at + 1] = (v >> 8) & 255
  b[at + 2] = (v >> 16) & 255
  b[at + 3] = (v >> 24) & 255
endfunc

# A 3 × 2 picture, 24 bits: stride 12, 24 bytes of rows.
byte img[78]
img[0] = 66
img[1] = 77
put32(img, 2, 78)
put32(img, 10, 54)
put32(img, 14, 40)
put32(img, 18, 3)
put32(img, 22, 2)
img[26] = 1
img[28] = 24
int i
for i = 54 to 77
  img[i] = i
next
Bmp a
println(a)
println(bmp_read_data(a, img, 78))
println(a)
println(bmp_get_width(a) + " " + bmp_get_height(a) + " " + bmp_get_bit_count(a) + " " + bmp_get_len(a))
println(bmp_get_bytes_len(a))
println(bmp_read_data(a, img, 77))
println(a)
println(bmp_read_data(a, img, 500))
img[28] = 8
Bmp p
println(bmp_read_data(p, img, 78))
println(p)
img[28] = 24

# Files: write, read back, compare.
println(bmp_read_data(a, img, 78))
println(bmp_file_write("images_out.bmp", a))
Bmp b
println(bmp_file_read("images_out.bmp", b))
println(bmp_equal(a, b))
if a == b
  println("a == b")
endif
println(bmp_file_read("no such file.bmp", b))
println(b)
Bmp e
println(bmp_file_write("images_empty.bmp", e))

# File image into a byte array.
byte out[78]
println(bmp_get_bytes(a, out, 78))
println(out[0] + " " + out[1] + " " + out[2] + " " + out[28] + " " + out[54] + " " + out[77])

# Sharing, clone and reset.
Bmp c = a
Bmp d = bmp_clone(a)
bmp_reset(a)
println(c)
println(d)
println(bmp_equal(c, d))

# Colour parts.
println(rgb(1, 2, 3) + " " + rgb(257, -1, 3))
println(rv(0x123456) + " " + gv(0x123456) + " " + bv(0x123456))
if bv(0xFF123456) == 0xFF12
  println("high byte kept")
endif
