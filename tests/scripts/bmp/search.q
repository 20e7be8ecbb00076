# Bitmap in bitmap: exact and with tolerance, areas, 24- and 32-bit needles.
func void put32(byte b[], int at, int v)
  b[at] = v & 255
  b[at + 1] = (v >> 8) & 255
  b[at + 2] = (v >> 16) & 255
  b[at + 3] = (v >> 24) & 255
endfunc

func void header(byte b[], int w, int h, int bits)
  b[0] = 66
  b[1] = 77
  put32(b, 10, 54)
  put32(b, 14, 40)
  put32(b, 18, w)
  put32(b, 22, h)
  b[26] = 1
  b[28] = bits
endfunc

# Haystack 10 × 8, 24 bits, stride 32; a grey field with two marks.
byte hay[310]
header(hay, 10, 8, 24)
int x
int y
int at
for y = 0 to 7
  for x = 0 to 9
    at = 54 + (7 - y) * 32 + x * 3
    hay[at] = 200
    hay[at + 1] = 200
    hay[at + 2] = 200
  next
next
# Marks: a dark pixel at (6, 2) and at (2, 5), each with a red pixel right of it.
func void mark(byte b[], int x, int y, int dark)
  int at = 54 + (7 - y) * 32 + x * 3
  b[at] = dark
  b[at + 1] = dark
  b[at + 2] = dark
  b[at + 3] = 0
  b[at + 4] = 0
  b[at + 5] = 255
endfunc
mark(hay, 6, 2, 10)
mark(hay, 2, 5, 20)
Bmp h
println(bmp_read_data(h, hay, 310))

# Needle 3 × 2, 32 bits: grey above, dark, red, grey below... cut as the mark at (2, 5).
byte nd[78]
header(nd, 3, 2, 32)
int r
int c
for r = 0 to 1
  for c = 0 to 2
    at = 54 + (1 - r) * 12 + c * 4
    nd[at] = 200
    nd[at + 1] = 200
    nd[at + 2] = 200
    nd[at + 3] = 99
  next
next
# row 1 (bottom row of the needle) holds dark, red, grey
at = 54 + 0 * 12
nd[at] = 20
nd[at + 1] = 20
nd[at + 2] = 20
nd[at + 4] = 0
nd[at + 5] = 0
nd[at + 6] = 255
Bmp n
println(bmp_read_data(n, nd, 78))
int fx = -1
int fy = -1
println(bmp_find_bmp(h, n, fx, fy) + " " + fx + "," + fy)
# With tolerance the darker mark above matches first.
println(bmp_find_bmp(h, n, fx, fy, 0.9) + " " + fx + "," + fy)
println(bmp_find_bmp(h, n, fx, fy, 0.9, 4) + " " + fx + "," + fy)
# Areas: the mark at (6, 2) lies outside; negative origins and sizes clip.
println(bmp_find_bmp_from_area(h, 0, 3, -1, -1, n, fx, fy, 0.9) + " " + fx + "," + fy)
println(bmp_find_bmp_from_area(h, -5, -5, 0, 0, n, fx, fy) + " " + fx + "," + fy)
fx = -1
println(bmp_find_bmp_from_area(h, 3, 0, -1, -1, n, fx, fy) + " " + fx)
println(bmp_find_bmp_from_area(h, 10, 0, -1, -1, n, fx, fy))
println(bmp_find_bmp_from_area(h, 0, 0, 2, 8, n, fx, fy))
Bmp empty
println(bmp_find_bmp(h, empty, fx, fy) + " " + bmp_find_bmp(empty, n, fx, fy))
# The haystack finds itself at the origin; a 1 × 1 needle of its bottom-right pixel.
println(bmp_find_bmp(h, h, fx, fy) + " " + fx + "," + fy)
byte one[58]
header(one, 1, 1, 24)
one[54] = 200
one[55] = 200
one[56] = 200
Bmp p
bmp_read_data(p, one, 58)
println(bmp_find_bmp_from_area(h, 9, 7, 1, 1, p, fx, fy, 1.0, 2) + " " + fx + "," + fy)
