# Stream handles: lines, characters, bytes, and handles a script got wrong.
func int eq(string a, string b)
  if a == b
    return 1
  endif
  return 0
endfunc
func int differ(int a, int b)
  if a != b
    return 1
  endif
  return 0
endfunc
string here = get_current_directory()
string sep = "\\"
if starts_with(here, "/") == 1
  sep = "/"
endif
string dir = here + sep + "qr_streams_" + ltos(time_ms())
folder_create(dir)
string p = dir + sep + "lines.txt"
string text_line
int n
int f

func void show_lines(string path, string mode)
  int h = file_open(path, mode)
  string l = "?"
  int r = file_read_line(h, l)
  loop (r != -1)
    if r == 0 && file_eof(h) == 1
      break
    endif
    print("[" + replace(l, "\r", "<CR>") + "]" + r + " ")
    r = file_read_line(h, l)
  endloop
  println("end " + r + " [" + l + "]")
  file_close(h)
endfunc

# a LF b: the end is reached while reading b; a LF b LF: the next read fails.
file_write(p, "a\nb", "wb")
show_lines(p, "r")
file_write(p, "a\nb\n", "wb")
show_lines(p, "r")
# CR LF lines: text mode folds CR LF into LF; an empty line has length 0.
file_write(p, "one\r\ntwo\r\n\r\nlast", "wb", "")
show_lines(p, "r")
show_lines(p, "rt")
# Wide characters in binary mode are UTF-16 units, and the CR stays.
file_write(p, "one\r\ntwo\r\n\r\nlast", "wb", "ucs-2")
show_lines(p, "rb")
# Read in binary mode, single bytes pair up into units.
file_write(p, "a\nb", "wb")
show_lines(p, "rb")
# A long line comes back whole.
string longline = space(10000) + "end"
file_write(p, longline + "\n" + longline, "wb", "gbk")
f = file_open(p, "r")
println(file_read_line(f, text_line) + " " + eq(text_line, longline))
println(file_read_line(f, text_line) + " " + eq(text_line, longline))
println(file_eof(f))
println(file_read_line(f, text_line) + " [" + text_line + "]")
println(file_close(f))

# Characters through text mode: ANSI (GBK) multibyte characters.
f = file_open(p, "w")
println(file_write_char(f, '汉'))
println(file_write_char(f, 10))
println(file_write_text(f, "字\n"))
println(file_close(f))
println(file_len(p))
f = file_open(p, "r")
n = file_read_char(f)
loop (n != -1)
  print(itos(n) + " ")
  n = file_read_char(f)
endloop
println(file_eof(f))
file_rewind(f)
println(file_eof(f) + " " + file_read_char(f))
file_close(f)
# UTF-8 text streams with ccs skip and write the byte-order mark.
f = file_open(p, "w, ccs=UTF-8")
file_write_text(f, "中\n")
file_close(f)
println(file_len(p))
f = file_open(p, "r, ccs=UTF-8")
println(file_read_line(f, text_line) + " " + text_line)
file_close(f)

# Bytes.
byte out[4] = {0, 13, 10, 255}
byte got[8]
f = file_open(p, "w+b")
println(file_write_data(f, out, 4))
println(file_write_data(f, out, 100))
file_rewind(f)
println(file_read_data(f, got, 8))
println(got)
println(file_read_data(f, got, 8))
println(file_eof(f))
file_close(f)
# Text mode turns LF into CR LF and back.
f = file_open(p, "w")
file_write_data(f, out, 4)
file_close(f)
println(file_len(p))
f = file_open(p, "rt")
println(file_read_data(f, got, 8))
file_close(f)

# Two handles on one file: what one writes the other reads at once.
int w = file_open(p, "wb")
int r = file_open(p, "rb")
println(differ(w, r))
file_write_text(w, "ab")
println(file_read_char(r))
file_close(w)
file_close(r)

# Wrong use: writing a read stream, a closed, a never-opened and a made-up handle.
f = file_open(p, "rb")
println(file_write_text(f, "x") + " " + file_error(f) + " " + file_get_last_error())
file_clear_error(f)
println(file_error(f))
int closed = f
println(file_close(f))
println(file_close(closed) + " " + file_get_last_error())
int never
int madeup = 123456
println(file_read_char(never) + " " + file_read_line(madeup, text_line) + " " + file_eof(madeup) + " " + file_error(madeup))
println(file_write_char(madeup, 65) + " " + file_write_text(madeup, "x") + " " + file_flush(madeup))
println(file_read_data(madeup, got, 8) + " " + file_write_data(madeup, got, 8))
file_rewind(madeup)
file_clear_error(madeup)
println(file_get_last_error_message())
# Bad modes and missing files give 0.
println(file_open(p, "q") + " " + file_open(p, "rr") + " " + file_open(p, "") + " " + file_get_last_error())
println(file_open(dir + sep + "missing.txt", "r") + " " + file_get_last_error())
println(file_delete(p))
println(folder_delete(dir))
# The runtime's texts for its error numbers.
int codes[7] = {2, 9, 13, 17, 22, 38, 41}
int code
for code in codes
  println(code + " " + file_get_error_message(code))
next
