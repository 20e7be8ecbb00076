// Windows conversions: the system's OLE automation date conversions, the
// local clock and the C runtime's local time.
#include <windows.h>
#include <oleauto.h>
#include <time.h>

#include "builtins/dates/system_time.h"

namespace quorin::dates {

namespace {

DateFields from_system_time(const SYSTEMTIME& st) {
  DateFields f;
  f.year = st.wYear;
  f.month = st.wMonth;
  f.day = st.wDay;
  f.hour = st.wHour;
  f.minute = st.wMinute;
  f.second = st.wSecond;
  f.weekday = st.wDayOfWeek;
  return f;
}

}  // namespace

bool system_variant_from_fields(const DateFields& f, double* out) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(f.year);
  st.wMonth = static_cast<WORD>(f.month);
  st.wDay = static_cast<WORD>(f.day);
  st.wHour = static_cast<WORD>(f.hour);
  st.wMinute = static_cast<WORD>(f.minute);
  st.wSecond = static_cast<WORD>(f.second);
  double v = 0;
  if (!SystemTimeToVariantTime(&st, &v)) return false;
  *out = v;
  return true;
}

bool system_fields_from_variant(double t, DateFields* out) {
  SYSTEMTIME st{};
  if (!VariantTimeToSystemTime(t, &st)) return false;
  *out = from_system_time(st);
  return true;
}

DateFields local_now() {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  return from_system_time(st);
}

bool local_fields_from_unix(int64_t secs, DateFields* out) {
  __time64_t t = secs;
  const struct tm* tm = _localtime64(&t);
  if (!tm) return false;
  DateFields f;
  f.year = tm->tm_year + 1900;
  f.month = tm->tm_mon + 1;
  f.day = tm->tm_mday;
  f.hour = tm->tm_hour;
  f.minute = tm->tm_min;
  f.second = tm->tm_sec > 59 ? 59 : tm->tm_sec;
  f.weekday = tm->tm_wday;
  *out = f;
  return true;
}

}  // namespace quorin::dates
