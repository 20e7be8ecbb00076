// The shared calendar arithmetic where the script corpus cannot reach:
// whole-range sweeps, file times and extreme date_add counts.
#include "builtins/dates/calendar.h"

#include <gtest/gtest.h>

#include <cmath>


namespace quorin::dates {
namespace {

DateFields make(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
  DateFields f;
  f.year = y;
  f.month = m;
  f.day = d;
  f.hour = h;
  f.minute = mi;
  f.second = s;
  set_weekday(f);
  return f;
}

double variant(const DateFields& f) {
  double v = -12345;
  EXPECT_TRUE(variant_from_fields(f, &v)) << f.year << "-" << f.month << "-" << f.day;
  return v;
}

DateFields fields(double t) {
  DateFields f;
  EXPECT_TRUE(fields_from_variant(t, &f)) << t;
  return f;
}

TEST(Calendar, DayCountsRoundTripOverTheWholeRange) {
  // Every day from 0100-01-01 to 9999-12-31 maps back to itself, one after
  // the other.
  const int64_t first = days_from_civil(100, 1, 1), last = days_from_civil(9999, 12, 31);
  int64_t y;
  int32_t m, d;
  civil_from_days(first, y, m, d);
  ASSERT_EQ(y * 10000 + m * 100 + d, 1000101);
  for (int64_t n = first + 1; n <= last; ++n) {
    int64_t y2;
    int32_t m2, d2;
    civil_from_days(n, y2, m2, d2);
    const bool next_day = (y2 == y && m2 == m && d2 == d + 1) || (y2 == y && m2 == m + 1 && d2 == 1 && d == days_in_month(y, m)) ||
                          (y2 == y + 1 && m2 == 1 && d2 == 1 && m == 12 && d == 31);
    ASSERT_TRUE(next_day) << n;
    ASSERT_EQ(days_from_civil(y2, m2, d2), n);
    y = y2, m = m2, d = d2;
  }
  EXPECT_EQ(y * 10000 + m * 100 + d, 99991231);
}

TEST(Calendar, EverySecondOfADayRoundTrips) {
  for (double base : {0.0, 45000.0, -400000.0, -1.0, 2958465.0, -657434.0}) {
    for (int s = 0; s < 86400; ++s) {
      const DateFields f0 = fields(base);
      DateFields f = f0;
      f.hour = s / 3600, f.minute = s / 60 % 60, f.second = s % 60;
      const DateFields back = fields(variant(f));
      ASSERT_EQ(back, f) << base << " " << s;
    }
  }
}

TEST(Calendar, ValuesOutsideTheRangeAreRejected) {
  DateFields f;
  for (double t : {kVariantLow, kVariantHigh, std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300}) {
    EXPECT_FALSE(fields_from_variant(t, &f)) << t;
    EXPECT_EQ(f, DateFields{});
  }
  EXPECT_TRUE(fields_from_variant(kVariantLow + 0.5, &f));
  EXPECT_EQ(f.year, 100);
  EXPECT_EQ(date_time_text(DateFields{}), u"0-00-00 00:00:00");
}

TEST(Calendar, FileTimes) {
  EXPECT_EQ(file_time_from_fields(make(1601, 1, 1)), 0);
  EXPECT_EQ(file_time_from_fields(make(1970, 1, 1)), kUnixEpochFileTime);
  EXPECT_EQ(file_time_from_fields(make(1600, 12, 31, 23, 59, 59)), -kFileTimeSecond);
  for (const DateFields& f : {make(100, 1, 1), make(1600, 2, 29, 12, 30, 1), make(9999, 12, 31, 23, 59, 59)})
    EXPECT_EQ(fields_from_file_time(file_time_from_fields(f)), f);
}

DateFields added(const DateFields& f, int unit, int64_t n) {
  DateFields r;
  EXPECT_TRUE(add_to_fields(f, unit, n, &r));
  return r;
}

// Units beyond what a script can reach (n is an int there) and results
// outside the range.
TEST(Calendar, AddExtremes) {
  EXPECT_EQ(added(make(9999, 12, 31), 4, -3615899), make(100, 1, 1));
  EXPECT_EQ(added(make(100, 1, 1), 5, 9899 * 12 + 11), make(9999, 12, 1));
  DateFields r;
  for (int unit = 1; unit <= 4; ++unit) {
    EXPECT_FALSE(add_to_fields(make(2024, 1, 1), unit, INT64_MAX, &r)) << unit;
    EXPECT_FALSE(add_to_fields(make(2024, 1, 1), unit, INT64_MIN, &r)) << unit;
  }
  EXPECT_FALSE(add_to_fields(make(2024, 1, 1), 4, 2147483647, &r));
  EXPECT_FALSE(add_to_fields(make(2024, 1, 1), 7, 1, &r));
  EXPECT_FALSE(add_to_fields(make(2024, 1, 1), 6, 8000, &r));
  EXPECT_FALSE(add_to_fields(make(2024, 1, 1), 5, INT64_MIN / 2, &r));
  EXPECT_FALSE(add_to_fields(make(100, 1, 1), 5, -1, &r));
}

}  // namespace
}  // namespace quorin::dates
