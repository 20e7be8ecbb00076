# A file of 100 MB written and read back through a stream in 1 MB pieces:
# the memory used is the two buffers, whatever the size of the file.
string here = get_current_directory()
string sep = "\\"
if starts_with(here, "/") == 1
  sep = "/"
endif
string dir = here + sep + "qr_large_" + ltos(time_ms())
folder_create(dir)
string p = dir + sep + "big.bin"
byte piece[1048576]
byte back[1048576]
string_to_byte_array(space(1048576), piece, 1048576)
int f = file_open(p, "wb")
int i
long total = 0
for i = 1 to 100
  piece[0] = i
  total = total + file_write_data(f, piece, 1048576)
next
println(file_close(f))
println(total)
println(file_len(p))
f = file_open(p, "rb")
long seen = 0
int ok = 1
int n = file_read_data(f, back, 1048576)
loop (n > 0)
  seen = seen + n
  if back[0] != (seen / 1048576) || back[1048575] != 32
    ok = 0
  endif
  n = file_read_data(f, back, 1048576)
endloop
println(seen)
println(ok)
println(file_eof(f))
file_close(f)
# Appending a text keeps the 100 MB in front of it.
println(file_write(p, "tail", "ab"))
println(file_len(p))
println(file_delete(p))
println(folder_delete(dir))
