println(get_date_time(unix_time_to_variant_time(0)))
long u = -1
double t = unix_time_to_variant_time(u)
