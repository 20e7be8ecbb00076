// Calendar arithmetic shared by both targets.
#include "builtins/dates/calendar.h"

#include <algorithm>
#include <cmath>

#include "support/format.h"

namespace quorin::dates {

namespace {

// Day number of 1899-12-30, the zero of date-time doubles, and of
// 1601-01-01, the zero of file times, counted from 1970-01-01.
constexpr int64_t kVariantEpochDays = -25569;
constexpr int64_t kFileTimeEpochDays = -134774;

// Years 0..99 as the system's date conversion reads them.
int64_t full_year(int64_t y) {
  if (y >= 0 && y <= 49) return y + 2000;
  if (y >= 50 && y <= 99) return y + 1900;
  return y;
}

void set_date(DateFields& f, int64_t days) {
  int64_t y;
  civil_from_days(days, y, f.month, f.day);
  f.year = static_cast<int32_t>(y);
  f.weekday = static_cast<int32_t>(((days % 7) + 7 + 4) % 7);  // 1970-01-01 was a Thursday
}

}  // namespace

int32_t days_in_month(int64_t year, int32_t month) {
  static constexpr int8_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && is_leap_year(year) ? 29 : kDays[month - 1];
}

bool is_valid_date(int64_t year, int64_t month, int64_t day) {
  return year >= 0 && month >= 1 && month <= 12 && day >= 1 &&
         day <= days_in_month(year, static_cast<int32_t>(month));
}

bool is_valid_date_time(int64_t year, int64_t month, int64_t day, int64_t hour, int64_t minute, int64_t second) {
  return is_valid_date(year, month, day) && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 &&
         second <= 59;
}

// Counted in 400-year eras from 0000-03-01, so that the leap day closes
// each year of the count.
int64_t days_from_civil(int64_t y, int32_t m, int32_t d) {
  if (m <= 2) --y;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t year_of_era = y - era * 400;
  const int64_t march_month = (m + 9) % 12;
  const int64_t day_of_year = (153 * march_month + 2) / 5 + d - 1;
  const int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

void civil_from_days(int64_t days, int64_t& y, int32_t& m, int32_t& d) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t day_of_era = days - era * 146097;
  const int64_t year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int64_t march_month = (5 * day_of_year + 2) / 153;
  d = static_cast<int32_t>(day_of_year - (153 * march_month + 2) / 5 + 1);
  m = static_cast<int32_t>(march_month < 10 ? march_month + 3 : march_month - 9);
  y = year_of_era + era * 400 + (m <= 2 ? 1 : 0);
}

int32_t weekday_of(int64_t y, int32_t m, int32_t d) {
  const int64_t days = days_from_civil(y, m, d);
  return static_cast<int32_t>(((days % 7) + 7 + 4) % 7);
}

void set_weekday(DateFields& f) { f.weekday = weekday_of(f.year, f.month, f.day); }

bool variant_from_fields(const DateFields& f, double* out) {
  if (!is_valid_date_time(f.year, f.month, f.day, f.hour, f.minute, f.second) || f.year > 9999) return false;
  const int64_t days = days_from_civil(full_year(f.year), f.month, f.day) - kVariantEpochDays;
  // The system's conversion sums in x87 extended precision and rounds to a
  // double once at the end; so does this (long double is that format on
  // both x86 targets), which keeps the last bit the same.
  long double v = static_cast<long double>(days);
  // Before the zero day the time counts away from zero, like the date.
  const long double sign = days < 0 ? -1.0L : 1.0L;
  v += f.hour / 24.0L * sign;
  v += f.minute / 1440.0L * sign;
  v += f.second / 86400.0L * sign;
  *out = static_cast<double>(v);
  return true;
}

bool fields_from_variant(double t, DateFields* out) {
  if (!variant_in_range(t)) {
    *out = DateFields{};
    return false;
  }
  const double whole = t < 0.0 ? std::ceil(t) : std::floor(t);
  // A tiny lift keeps a value computed as n − ε seconds from reading as the
  // second before; it is taken back where it would reach the next day.
  double part = std::fabs(t - whole) + 0.00000000001;
  if (part >= 1.0) part -= 0.00000000001;
  int64_t days = static_cast<int64_t>(whole) + kVariantEpochDays;
  DateFields f;
  part *= 24.0;
  f.hour = static_cast<int32_t>(part);
  part -= f.hour;
  part *= 60.0;
  f.minute = static_cast<int32_t>(part);
  part -= f.minute;
  part *= 60.0;
  f.second = static_cast<int32_t>(part);
  part -= f.second;
  if (part > 0.5) {
    if (++f.second == 60) {
      f.second = 0;
      if (++f.minute == 60) {
        f.minute = 0;
        if (++f.hour == 24) {
          f.hour = 0;
          ++days;
        }
      }
    }
  }
  set_date(f, days);
  *out = f;
  return true;
}

int64_t file_time_from_fields(const DateFields& f) {
  const int64_t days = days_from_civil(f.year, f.month, f.day) - kFileTimeEpochDays;
  const int64_t secs = int64_t{f.hour} * 3600 + int64_t{f.minute} * 60 + f.second;
  return days * kFileTimeDay + secs * kFileTimeSecond;
}

DateFields fields_from_file_time(int64_t ft) {
  int64_t days = ft / kFileTimeDay;
  int64_t rest = ft % kFileTimeDay;
  if (rest < 0) {
    rest += kFileTimeDay;
    --days;
  }
  const int64_t secs = rest / kFileTimeSecond;
  DateFields f;
  f.hour = static_cast<int32_t>(secs / 3600);
  f.minute = static_cast<int32_t>(secs / 60 % 60);
  f.second = static_cast<int32_t>(secs % 60);
  set_date(f, days + kFileTimeEpochDays);
  return f;
}

bool add_to_fields(const DateFields& f, int32_t unit, int64_t n, DateFields* out) {
  // Far beyond the ±10,000 years any result must stay within.
  constexpr int64_t kSpan = int64_t{4000000000} * 1000000000;
  DateFields r = f;
  switch (unit) {
    case 1:
    case 2:
    case 3:
    case 4: {
      static constexpr int64_t kUnit[] = {kFileTimeSecond, 60 * kFileTimeSecond, 3600 * kFileTimeSecond,
                                          kFileTimeDay};
      const int64_t size = kUnit[unit - 1];
      if (n > kSpan / size || n < -kSpan / size) return false;
      r = fields_from_file_time(file_time_from_fields(f) + n * size);
      break;
    }
    case 5: {
      const int64_t m = f.month + n;
      int64_t year = f.year;
      int64_t month;
      if (m >= 1 && m <= 12) {
        month = m;
      } else if (m >= 13) {
        year += m / 12;
        month = m % 12;
        if (month == 0) {  // December of the year before
          month = 12;
          --year;
        }
      } else {
        year += m / 12 - 1;
        month = 12 - (-m % 12);
      }
      if (year < 100 || year > 9999) return false;
      r.year = static_cast<int32_t>(year);
      r.month = static_cast<int32_t>(month);
      break;
    }
    case 6: {
      const int64_t year = f.year + n;
      if (year < 100 || year > 9999) return false;
      r.year = static_cast<int32_t>(year);
      break;
    }
    default:
      return false;
  }
  if (unit >= 5) {
    // The kept day, or the last day of a shorter month.
    r.day = std::min(r.day, days_in_month(r.year, r.month));
    set_weekday(r);
  }
  if (r.year < 100 || r.year > 9999) return false;
  *out = r;
  return true;
}

std::u16string date_time_text(const DateFields& f) {
  return format16(u"%d-%02d-%02d %02d:%02d:%02d", int{static_cast<int16_t>(f.year)}, f.month, f.day, f.hour,
                  f.minute, f.second);
}

std::u16string date_text(const DateFields& f) {
  return format16(u"%d-%02d-%02d", int{static_cast<int16_t>(f.year)}, f.month, f.day);
}

std::u16string time_text(const DateFields& f) { return format16(u"%02d:%02d:%02d", f.hour, f.minute, f.second); }

namespace {

// The little of scanf that the date patterns use.
class Scanner {
 public:
  explicit Scanner(std::u16string_view s) : s_(s) {}

  void skip_space() {
    while (i_ < s_.size() && is_space(s_[i_])) ++i_;
  }
  bool literal(char16_t c) {
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  // "%Nd" (width 0: unlimited): leading white space, a sign and at most
  // `width` characters in all, at least one digit.  Values beyond any
  // field's range are held at a large bound instead of overflowing.
  bool number(size_t width, int64_t* out) {
    skip_space();
    size_t left = width ? width : s_.size() + 1;
    bool negative = false;
    if (left && i_ < s_.size() && (s_[i_] == u'-' || s_[i_] == u'+')) {
      negative = s_[i_] == u'-';
      ++i_;
      --left;
    }
    int64_t v = 0;
    size_t digits = 0;
    while (left && i_ < s_.size() && s_[i_] >= u'0' && s_[i_] <= u'9') {
      v = std::min<int64_t>(v * 10 + (s_[i_] - u'0'), int64_t{1} << 40);
      ++i_;
      --left;
      ++digits;
    }
    if (digits == 0) return false;
    *out = negative ? -v : v;
    return true;
  }

 private:
  static bool is_space(char16_t c) { return c == u' ' || (c >= 9 && c <= 13); }
  std::u16string_view s_;
  size_t i_ = 0;
};

}  // namespace

bool parse_date_text(std::u16string_view text, DateFields* out) {
  Scanner sc(text);
  int64_t v[6] = {0, 0, 0, 0, 0, 0};
  if (text.size() < 12) {
    if (!(sc.number(4, &v[0]) && sc.literal(u'-') && sc.number(2, &v[1]) && sc.literal(u'-') && sc.number(0, &v[2])))
      return false;
    if (!is_valid_date(v[0], v[1], v[2])) return false;
  } else {
    bool ok = sc.number(4, &v[0]) && sc.literal(u'-') && sc.number(2, &v[1]) && sc.literal(u'-') &&
              sc.number(2, &v[2]);
    if (ok) sc.skip_space();
    ok = ok && sc.number(2, &v[3]) && sc.literal(u':') && sc.number(2, &v[4]) && sc.literal(u':') &&
         sc.number(0, &v[5]);
    if (!ok || !is_valid_date_time(v[0], v[1], v[2], v[3], v[4], v[5])) return false;
  }
  DateFields f;
  f.year = static_cast<int32_t>(v[0]);
  f.month = static_cast<int32_t>(v[1]);
  f.day = static_cast<int32_t>(v[2]);
  f.hour = static_cast<int32_t>(v[3]);
  f.minute = static_cast<int32_t>(v[4]);
  f.second = static_cast<int32_t>(v[5]);
  set_weekday(f);
  *out = f;
  return true;
}

}  // namespace quorin::dates
