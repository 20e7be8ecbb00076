# 日期和时间：日期时间用 double 表示（整数部分是天，小数部分是一天中的时刻），
# 可以加减、比较，也可以和文字互相转换。
double start = time(2024, 2, 28, 9, 30, 0)
println(get_date_time(start))

# 加上一天、一个月：跨月、闰年都会自动处理
double next_day = date_add(qrDay, 1, start)
println("一天后: " + get_date(next_day))
println("一个月后: " + get_date(date_add(qrMonth, 1, start)))

# 取出各个部分；weekday 返回 1（星期日）到 7（星期六）
println(year(start) + " 年 " + month(start) + " 月 " + day(start) + " 日, 星期序号 " + weekday(start))

# 两个时刻相差的秒数
double finish = string_to_date("2024-03-01 18:00:00")
long seconds = date_diff_s(start, finish)
println("相差 " + seconds + " 秒, 约 " + (seconds / 3600) + " 小时")

# 先检查文字是否是日期，再转换
string texts[2] = {"2024-12-31", "明天"}
string t
for t in texts
  if is_date(t) == 1
    println(t + " 是日期: " + get_date(string_to_date(t)))
  else
    println(t + " 不是日期")
  endif
next

# 当前时间（每次运行都不同，这里只检查格式长度）
string now = get_date_time()
println("当前时间的文字长度: " + len(now))
