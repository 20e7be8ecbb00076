// The date and time builtins.
#include "builtins/dates/date_builtins.h"

#include <chrono>

#include "builtins/dates/date_values.h"
#include "builtins/strings/text_ops.h"
#include "support/format.h"

namespace quorin::dates {

namespace {

DateFields fields_of(double t) {
  DateFields f;
  from_variant(t, &f);
  return f;
}

double variant_or_zero(const DateFields& f) {
  double v = 0.0;
  return to_variant(f, &v) ? v : 0.0;
}

// Whole seconds since the Unix epoch; false for a value that is not a
// date-time.
bool unix_seconds(double t, int64_t* out) {
  DateFields f;
  if (!from_variant(t, &f)) return false;
  *out = (file_time_from_fields(f) - kUnixEpochFileTime) / kFileTimeSecond;
  return true;
}

}  // namespace

int64_t time_s() {
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

// Seconds × 1000 + microseconds / 1000 of the time of day.
int64_t time_ms() {
  using namespace std::chrono;
  auto us = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
  return (us / 1000000) * 1000 + (us % 1000000) / 1000;
}

double time_now() { return variant_or_zero(local_now()); }

double date_now() {
  DateFields f = local_now();
  f.hour = f.minute = f.second = 0;
  return variant_or_zero(f);
}

double date_of(int32_t y, int32_t m, int32_t d) {
  DateFields f;
  f.year = y;
  f.month = m;
  f.day = d;
  return variant_or_zero(f);
}

double time_of(int32_t y, int32_t m, int32_t d, int32_t h, int32_t mi, int32_t s) {
  DateFields f;
  f.year = y;
  f.month = m;
  f.day = d;
  f.hour = h;
  f.minute = mi;
  f.second = s;
  return variant_or_zero(f);
}

int32_t year_now() { return local_now().year; }
int32_t year_of(double t) { return fields_of(t).year; }
int32_t month_now() { return local_now().month; }
int32_t month_of(double t) { return fields_of(t).month; }
int32_t day_now() { return local_now().day; }
int32_t day_of(double t) { return fields_of(t).day; }
int32_t hour_now() { return local_now().hour; }
int32_t hour_of(double t) { return fields_of(t).hour; }
int32_t minute_now() { return local_now().minute; }
int32_t minute_of(double t) { return fields_of(t).minute; }
int32_t second_now() { return local_now().second; }
int32_t second_of(double t) { return fields_of(t).second; }
int32_t weekday_now() { return local_now().weekday + 1; }
// 0 for a value that is not a date-time.
int32_t weekday_of_time(double t) {
  DateFields f;
  return from_variant(t, &f) ? f.weekday + 1 : 0;
}

Str get_now() { return Str(date_time_text(local_now())); }
Str get_date_time_now() { return Str(date_time_text(local_now())); }
Str get_date_time(double t) { return Str(date_time_text(fields_of(t))); }
Str get_date_now() { return Str(date_text(local_now())); }
Str get_date(double t) { return Str(date_text(fields_of(t))); }
Str get_time_now() { return Str(time_text(local_now())); }
Str get_time(double t) { return Str(time_text(fields_of(t))); }

int32_t is_date(const Str& s) {
  DateFields f;
  double v;
  return parse_date_text(trim_view(s.view(), true, true), &f) && to_variant(f, &v) ? 1 : 0;
}

double string_to_date(Runtime& rt, const Str& s) {
  DateFields f;
  double v = 0.0;
  if (!parse_date_text(trim_view(s.view(), true, true), &f) || !to_variant(f, &v))
    rt.fail(format16(u"string_to_date(%.32s) 类型不匹配", s.view()));
  return v;
}

double date_add(Runtime& rt, int32_t unit, int32_t n, double t) {
  if (unit < 1 || unit > 6) rt.fail(format16(u"date_add(%d, %d, ...) 中的第1个参数有效值范围：1 至 6", unit, n));
  DateFields f, r;
  if (!from_variant(t, &f) || !add_to_fields(f, unit, n, &r)) return 0.0;
  return variant_or_zero(r);
}

int64_t date_diff_s(double t1, double t2) {
  int64_t s1, s2;
  if (!unix_seconds(t1, &s1) || !unix_seconds(t2, &s2)) return 0;
  return s2 - s1;
}

int64_t variant_time_to_unix_time(double t) {
  int64_t s;
  return unix_seconds(t, &s) ? s - 28800 : 0;
}

double unix_time_to_variant_time(Runtime& rt, int64_t u) {
  if (u < 0) rt.fail(format16(u"unix_time_to_variant_time(%I64d) 参数不能小于 0。", static_cast<long long>(u)));
  DateFields f;
  if (u > kMaxLocalUnixTime || !local_fields_from_unix(u, &f)) return 0.0;
  return variant_or_zero(f);
}

}  // namespace quorin::dates
