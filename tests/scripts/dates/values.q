# Date-times built from fields and read back, around the zero day, the
# 1900 leap-year boundary and the ends of the range.
func void show(string label, double t)
  println(label + ": " + dtos(t, 7) + " " + get_date_time(t) + " w" + weekday(t))
endfunc

show("zero", 0.0)
show("1899-12-31", date(1899, 12, 31))
show("1900-01-01", date(1900, 1, 1))
show("1900-02-28", date(1900, 2, 28))
show("1900-02-29", date(1900, 2, 29))
show("1900-03-01", date(1900, 3, 1))
show("2024-02-29", date(2024, 2, 29))
show("2023-02-29", date(2023, 2, 29))
show("2000-02-29", date(2000, 2, 29))
show("2024-01-07", date(2024, 1, 7))
show("time", time(2024, 2, 29, 13, 45, 30))
show("first", date(100, 1, 1))
show("last", time(9999, 12, 31, 23, 59, 59))
show("year 10000", date(10000, 1, 1))
show("year 67560", date(67560, 1, 1))
show("two-digit 24", date(24, 3, 1))
show("two-digit 50", date(50, 1, 1))
show("hour 24", time(2024, 1, 1, 24, 0, 0))
show("minute 60", time(2024, 1, 1, 0, 60, 0))
show("second -1", time(2024, 1, 1, 0, 0, -1))
show("month 13", date(2024, 13, 1))
show("day 0", date(2024, 1, 0))

# Before 1899-12-30 the time of day counts away from zero.
show("1899-12-29 06:00", time(1899, 12, 29, 6, 0, 0))
show("-1.25", -1.25)
show("-0.25", -0.25)
show("0.25", 0.25)
show("1800-07-04 18:30", time(1800, 7, 4, 18, 30, 0))
show("1601-01-01", date(1601, 1, 1))

# Reading rounds to the nearest second.
double d = date(2024, 12, 31)
println(get_time(d + 0.4 / 86400) + " " + get_time(d + 0.6 / 86400))
println(get_date_time(time(2024, 12, 31, 23, 59, 59) + 0.7 / 86400))
println(get_date_time(-1.99999999))

# Outside the range: zero fields, weekday 0.
show("too late", 2958466.0)
show("too early", -657435.0)
println(year(99999999999.0) + " " + month(-99999999999.0) + " " + day(sqrt(-1.0)))

# Fields and texts of one value.
double t = time(2008, 8, 8, 20, 8, 9)
println(year(t) + "/" + month(t) + "/" + day(t) + " " + hour(t) + ":" + minute(t) + ":" + second(t) + " w" + weekday(t))
println(get_date(t) + " | " + get_time(t) + " | " + get_date_time(t))
println(get_date(-1.25) + " | " + get_time(-1.25))

# The exact doubles (the same bits on every target).
func void exact(string label, double got, double want)
  if got == want
    println(label + " exact")
  else
    println(label + " differs: " + dtos(got - want, 7))
  endif
endfunc
exact("2024-02-29 13:45:30", time(2024, 2, 29, 13, 45, 30), 45351.57326388889)
exact("1800-07-04 18:30:00", time(1800, 7, 4, 18, 30, 0), -36338.770833333336)
exact("9999-12-31 23:59:59", time(9999, 12, 31, 23, 59, 59), 2958465.999988426)
exact("0100-01-01 00:00:01", time(100, 1, 1, 0, 0, 1), -657434.0000115741)
exact("1899-12-30 23:59:59", time(1899, 12, 30, 23, 59, 59), 0.999988425925926)
exact("string_to_date", string_to_date("1800-07-04 18:30:00"), -36338.770833333336)
exact("date_add", date_add(qrSecond, 1, time(9999, 12, 31, 23, 59, 58)), 2958465.999988426)
# Summed in extended precision and rounded once, as the system does.
exact("2000-08-28 21:57:53", time(2000, 8, 28, 21, 57, 53), 36766.91519675926)
exact("0-08-28 21:57:53", time(0, 8, 28, 21, 57, 53), 36766.91519675926)
