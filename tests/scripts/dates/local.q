# Local time, run with the time zone fixed at UTC+8 without daylight saving
# (local.env): the Unix conversions then agree with each other.
println(get_date_time(unix_time_to_variant_time(0)))
println(get_date_time(unix_time_to_variant_time(1704067200)))
println(get_date_time(unix_time_to_variant_time(951782400)))
println(get_date_time(unix_time_to_variant_time(32535215999)))
println(dtos(unix_time_to_variant_time(32535216000), 7))
long us[7] = {0, 1, 86399, 951782400, 1704067200, 4102444800, 32535215999}
long u
for u in us
  if variant_time_to_unix_time(unix_time_to_variant_time(u)) != u
    println("round trip failed: " + u)
  endif
next

# The clock readings agree with each other (a second may tick in between;
# the date checks allow for midnight passing).
func void check(string label, int good)
  if good == 1
    println(label + " ok")
  else
    println(label + " FAILED")
  endif
endfunc

double now = time()
long secs = time_s()
long diff = variant_time_to_unix_time(now) - secs
int good = 0
if diff >= -2 && diff <= 2
  good = 1
endif
check("time", good)
good = 0
if time_ms() / 1000 - time_s() <= 1
  good = 1
endif
check("time_ms", good)
good = 0
if date() <= now && now - date() < 1.0
  good = 1
endif
check("date", good)
good = 0
if date() == date(year(), month(), day()) || hour() == 0
  good = 1
endif
check("fields", good)
good = 0
if len(get_now()) >= 19 && len(get_date()) >= 10 && len(get_time()) == 8 && len(get_date_time()) >= 19
  good = 1
endif
check("texts", good)
good = 0
if weekday() >= 1 && weekday() <= 7 && hour() < 24 && minute() < 60 && second() < 60 && month() >= 1
  good = 1
endif
check("ranges", good)
good = 0
if weekday() == weekday(date()) || hour() == 0
  good = 1
endif
check("weekday", good)
good = 0
if starts_with(get_date_time(), itos(year())) == 1 || month() == 1
  good = 1
endif
check("year", good)
