println(get_date(string_to_date(" 2024-02-29 ")))
double t = string_to_date("  2023-02-29  ")
println("not reached")
