# date_add with every unit, date_diff_s and the UTC+8 reading of
# variant_time_to_unix_time.
double jan15 = date(2024, 1, 15)
println(get_date(date_add(qrMonth, 1, jan15)))
println(get_date(date_add(qrMonth, -1, jan15)))
println(get_date(date_add(qrMonth, 11, jan15)))
println(get_date(date_add(qrMonth, 12, jan15)))
println(get_date(date_add(qrMonth, 23, jan15)))
println(get_date(date_add(qrMonth, -12, jan15)))
println(get_date(date_add(qrMonth, -13, jan15)))
println(get_date(date_add(qrMonth, 12, date(2024, 12, 15))))

# Days the new month does not have become its last day.
println(get_date(date_add(qrMonth, 1, date(2024, 1, 31))))
println(get_date(date_add(qrMonth, 1, date(2023, 1, 31))))
println(get_date(date_add(qrMonth, -1, date(2024, 3, 31))))
println(get_date(date_add(qrMonth, 1, date(2024, 5, 31))))
println(get_date(date_add(qrYear, 1, date(2024, 2, 29))))
println(get_date(date_add(qrYear, 4, date(2024, 2, 29))))
println(get_date_time(date_add(qrMonth, 1, time(2024, 1, 31, 12, 34, 56))))

# Seconds to days, both directions, across years and the zero day.
println(get_date_time(date_add(qrSecond, 1, time(2024, 12, 31, 23, 59, 59))))
println(get_date_time(date_add(qrMinute, -1, date(2024, 3, 1))))
println(get_date_time(date_add(qrHour, 36, date(2024, 2, 28))))
println(get_date_time(date_add(qrDay, -1, date(1900, 3, 1))))
println(get_date_time(date_add(qrDay, -1, 0.5)))
println(dtos(date_add(qrDay, -1, 0.5), 7))
println(dtos(date_add(qrHour, -30, 0.0), 7))
println(get_date_time(date_add(qrDay, 1, date(1500, 2, 28))))
println(get_date_time(date_add(qrSecond, -2147483647, date(2024, 1, 1))))

# Results beyond the range, and values that are not date-times, give 0.
println(dtos(date_add(qrDay, 2147483647, date(2024, 1, 1)), 7))
println(dtos(date_add(qrYear, 8000, date(2024, 1, 1)), 7))
println(dtos(date_add(qrMonth, -1, date(100, 1, 1)), 7))
println(dtos(date_add(qrDay, 1, 99999999999.0), 7))

println(date_diff_s(date(2024, 1, 1), date(2024, 1, 2)))
println(date_diff_s(date(2024, 1, 2), date(2024, 1, 1)))
println(date_diff_s(-1.25, 0.0))
println(date_diff_s(date(1970, 1, 1), time(1970, 1, 1, 0, 0, 1)))
println(date_diff_s(date(100, 1, 1), time(9999, 12, 31, 23, 59, 59)))
println(date_diff_s(0.0, 99999999999.0))

println(variant_time_to_unix_time(time(1970, 1, 1, 8, 0, 0)))
println(variant_time_to_unix_time(date(1970, 1, 1)))
println(variant_time_to_unix_time(time(2024, 1, 1, 8, 0, 0)))
println(variant_time_to_unix_time(0.0))
