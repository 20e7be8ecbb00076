// Reference text of the date and time builtins.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"time",
     u"不带参数时返回当前本地时间的日期时间值（double，自 1899-12-30 起的天数）；带年 y、月 mo、日 d、时 h、分 mi、秒 s 时返回该时刻，字段无效时返回 0.0。",
     uR"q(
double t = time(2024, 1, 7, 8, 30, 0)
println(get_date_time(t))
println(weekday(t))
)q",
     u"2024-01-07 08:30:00\n1"},
    {u"date", u"不带参数时返回今天 0 点的日期时间值；带年 y、月 mo、日 d 时返回该日 0 点，日期无效时返回 0.0。"},
    {u"time_s", u"返回当前的 Unix 时间（自 1970-01-01 UTC 起的秒数，long）。"},
    {u"time_ms", u"返回当前的 Unix 时间（毫秒，long），可用来计算耗时。",
     uR"q(
long start = time_ms()
sleep(200)
println("耗时 " + (time_ms() - start) + " 毫秒")
)q"},
    {u"year", u"返回当前（或给定日期时间值）的年份。"},
    {u"month", u"返回当前（或给定日期时间值）的月份，1～12。"},
    {u"day", u"返回当前（或给定日期时间值）是当月的第几天。"},
    {u"hour", u"返回当前（或给定日期时间值）的小时，0～23。"},
    {u"minute", u"返回当前（或给定日期时间值）的分钟，0～59。"},
    {u"second", u"返回当前（或给定日期时间值）的秒，0～59。"},
    {u"weekday", u"返回当前（或给定日期时间值）是星期几：星期日为 1，星期六为 7。"},
    {u"get_now", u"返回当前本地时间的文本，格式为“年-月-日 时:分:秒”，如 2024-06-01 08:05:09。"},
    {u"get_date_time", u"返回当前（或给定日期时间值）的“年-月-日 时:分:秒”文本。"},
    {u"get_date", u"返回当前（或给定日期时间值）的“年-月-日”文本。"},
    {u"get_time", u"返回当前（或给定日期时间值）的“时:分:秒”文本。"},
    {u"is_date",
     u"文本（两端空白会被去掉）是有效的“年-月-日”或“年-月-日 时:分:秒”时返回 1，否则返回 0；会检查闰年。",
     uR"q(
println(is_date("2024-02-29"))
println(is_date("2023-02-29"))
println(is_date("2024-01-05 24:00:00"))
)q",
     u"1\n0\n0"},
    {u"string_to_date",
     u"把“年-月-日”或“年-月-日 时:分:秒”文本转换为日期时间值；不是有效日期时报运行时错误。"},
    {u"date_add",
     u"给日期时间值 t 加上 n 个 unit（qrSecond、qrMinute、qrHour、qrDay、qrMonth、qrYear，n 可为负）并返回结果；按月、年相加时保留日；单位无效时报运行时错误。",
     uR"q(
double d = string_to_date("2024-01-15")
println(get_date(date_add(qrMonth, -1, d)))
println(get_date(date_add(qrDay, 20, d)))
)q",
     u"2023-12-15\n2024-02-04"},
    {u"date_diff_s", u"返回 t2 减去 t1 的秒数（long）。",
     uR"q(
double a = string_to_date("2024-01-01 08:00:00")
double b = string_to_date("2024-01-01 09:30:00")
println(date_diff_s(a, b))
)q",
     u"5400"},
    {u"variant_time_to_unix_time", u"把日期时间值按东八区时间换算成 Unix 秒数（long）。"},
    {u"unix_time_to_variant_time", u"把 Unix 秒数换算成本机本地时间的日期时间值；参数小于 0 时报运行时错误。"},
};

constexpr ParamNames kParams[] = {
    {u"time", u"y, mo, d, h, mi, s"},
    {u"date", u"y, mo, d"},
    {u"year", u"t"},
    {u"month", u"t"},
    {u"day", u"t"},
    {u"hour", u"t"},
    {u"minute", u"t"},
    {u"second", u"t"},
    {u"weekday", u"t"},
    {u"get_date_time", u"t"},
    {u"get_date", u"t"},
    {u"get_time", u"t"},
    {u"is_date", u"text"},
    {u"string_to_date", u"text"},
    {u"date_add", u"unit, n, t"},
    {u"date_diff_s", u"t1, t2"},
    {u"variant_time_to_unix_time", u"t"},
    {u"unix_time_to_variant_time", u"seconds"},
};

}  // namespace

FamilyDocs dates_docs() { return {u"dates", u"日期与时间", kDocs, kParams}; }

}  // namespace quorin
