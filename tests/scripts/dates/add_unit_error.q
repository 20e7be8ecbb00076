println(get_date(date_add(qrYear, -1, date(2024, 1, 1))))
double t = date_add(7, 1, date(2024, 1, 1))
