# BMP files written by another program: a 5 × 3 picture (15 bytes a row,
# padded to 16) and an 8-bit palette picture.
Bmp m
println(bmp_file_read("magick_5x3.bmp", m))
println(m)
Bmp pal
println(bmp_file_read("magick_palette.bmp", pal))
println(pal)

# The same pixels built here: red 50 × x, green 100 × y, blue 7.
byte img[102]
img[0] = 66
img[1] = 77
img[10] = 54
img[14] = 40
img[18] = 5
img[22] = 3
img[26] = 1
img[28] = 24
int x
int y
int at
for y = 0 to 2
  for x = 0 to 4
    at = 54 + (2 - y) * 16 + x * 3
    img[at] = 7
    img[at + 1] = y * 100
    img[at + 2] = x * 50
  next
next
Bmp own
println(bmp_read_data(own, img, 102))
println(bmp_equal(m, own))
# Written back and read again, it is still the same picture.
println(bmp_file_write("foreign_out.bmp", m))
Bmp again
println(bmp_file_read("foreign_out.bmp", again))
println(bmp_equal(again, own))
int fx
int fy
Bmp part
byte one[58]
one[28] = 24
one[18] = 1
one[22] = 1
one[54] = 7
one[55] = 100
one[56] = 150
println(bmp_read_data(part, one, 58))
println(bmp_find_bmp(m, part, fx, fy) + " " + fx + "," + fy)
