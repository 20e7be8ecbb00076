// Native conversions: the shared calendar arithmetic computes what the
// Windows conversions compute; local time comes from the C library (TZ).
#include <time.h>

#include "builtins/dates/system_time.h"

namespace quorin::dates {

namespace {

DateFields from_tm(const struct tm& tm) {
  DateFields f;
  f.year = tm.tm_year + 1900;
  f.month = tm.tm_mon + 1;
  f.day = tm.tm_mday;
  f.hour = tm.tm_hour;
  f.minute = tm.tm_min;
  // A leap second reads as the last ordinary one.
  f.second = tm.tm_sec > 59 ? 59 : tm.tm_sec;
  f.weekday = tm.tm_wday;
  return f;
}

}  // namespace

bool system_variant_from_fields(const DateFields& f, double* out) { return variant_from_fields(f, out); }

bool system_fields_from_variant(double t, DateFields* out) { return fields_from_variant(t, out); }

DateFields local_now() {
  struct timespec ts;
  clock_gettime(CLOCK_REALTIME, &ts);
  struct tm tm;
  time_t secs = ts.tv_sec;
  localtime_r(&secs, &tm);
  return from_tm(tm);
}

bool local_fields_from_unix(int64_t secs, DateFields* out) {
  struct tm tm;
  time_t t = static_cast<time_t>(secs);
  if (!localtime_r(&t, &tm)) return false;
  *out = from_tm(tm);
  return true;
}

}  // namespace quorin::dates
