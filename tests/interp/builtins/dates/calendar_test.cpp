// The shared calendar arithmetic: day counts, date-time doubles, file times,
// date_add's units and the date text reader.
#include "builtins/dates/calendar.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/format.h"

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
  EXPECT_TRUE(variant_from_fields(f, &v)) << date_time_text(f).size();
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

TEST(Calendar, ZeroDayAndTheCenturyBoundaries) {
  EXPECT_EQ(variant(make(1899, 12, 30)), 0.0);
  EXPECT_EQ(variant(make(1900, 1, 1)), 2.0);
  EXPECT_EQ(variant(make(1900, 3, 1)), 61.0);  // no 1900-02-29
  EXPECT_EQ(variant(make(100, 1, 1)), -657434.0);
  EXPECT_EQ(variant(make(9999, 12, 31)), 2958465.0);
  EXPECT_EQ(make(1899, 12, 30).weekday, 6);  // Saturday
  EXPECT_EQ(make(2024, 1, 7).weekday, 0);    // Sunday
  double v;
  EXPECT_FALSE(variant_from_fields(make(1900, 2, 29), &v));
  EXPECT_TRUE(variant_from_fields(make(2000, 2, 29), &v));
  EXPECT_FALSE(variant_from_fields(make(10000, 1, 1), &v));
  EXPECT_FALSE(variant_from_fields(make(2024, 1, 1, 24, 0, 0), &v));
  EXPECT_FALSE(variant_from_fields(make(-1, 1, 1), &v));
}

TEST(Calendar, TwoDigitYearsReadAsTheSystemReadsThem) {
  EXPECT_EQ(variant(make(24, 3, 1)), variant(make(2024, 3, 1)));
  EXPECT_EQ(variant(make(0, 2, 29)), variant(make(2000, 2, 29)));
  EXPECT_EQ(variant(make(49, 12, 31)), variant(make(2049, 12, 31)));
  EXPECT_EQ(variant(make(50, 1, 1)), variant(make(1950, 1, 1)));
  EXPECT_EQ(variant(make(99, 1, 1)), variant(make(1999, 1, 1)));
}

TEST(Calendar, TimesBeforeTheZeroDayCountAwayFromZero) {
  EXPECT_EQ(variant(make(1899, 12, 29, 6)), -1.25);
  const DateFields f = fields(-1.25);
  EXPECT_EQ(date_time_text(f), u"1899-12-29 06:00:00");
  EXPECT_EQ(date_time_text(fields(-0.25)), u"1899-12-30 06:00:00");
  EXPECT_EQ(date_time_text(fields(0.25)), u"1899-12-30 06:00:00");
  EXPECT_EQ(date_time_text(fields(-2.0)), u"1899-12-28 00:00:00");
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

TEST(Calendar, ReadingRoundsToTheNearestSecond) {
  const double day = variant(make(2024, 12, 31));
  EXPECT_EQ(time_text(fields(day + 0.4 / 86400)), u"00:00:00");
  EXPECT_EQ(time_text(fields(day + 0.6 / 86400)), u"00:00:01");
  const double last = variant(make(2024, 12, 31, 23, 59, 59));
  EXPECT_EQ(date_time_text(fields(last + 0.7 / 86400)), u"2025-01-01 00:00:00");
  // Before the zero day the carry still moves toward the next calendar day.
  EXPECT_EQ(date_time_text(fields(-1.99999999)), u"1899-12-30 00:00:00");
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

TEST(Calendar, AddMonthsAndYears) {
  const DateFields jan15 = make(2024, 1, 15, 10, 20, 30);
  EXPECT_EQ(added(jan15, 5, 1), make(2024, 2, 15, 10, 20, 30));
  EXPECT_EQ(added(jan15, 5, -1), make(2023, 12, 15, 10, 20, 30));
  EXPECT_EQ(added(jan15, 5, 11), make(2024, 12, 15, 10, 20, 30));
  EXPECT_EQ(added(jan15, 5, 12), make(2025, 1, 15, 10, 20, 30));
  EXPECT_EQ(added(jan15, 5, 23), make(2025, 12, 15, 10, 20, 30));
  EXPECT_EQ(added(jan15, 5, -12), make(2023, 1, 15, 10, 20, 30));
  EXPECT_EQ(added(jan15, 5, -13), make(2022, 12, 15, 10, 20, 30));
  EXPECT_EQ(added(make(2024, 12, 15), 5, 12), make(2025, 12, 15));
  // A day the new month does not have becomes its last day.
  EXPECT_EQ(added(make(2024, 1, 31), 5, 1), make(2024, 2, 29));
  EXPECT_EQ(added(make(2023, 1, 31), 5, 1), make(2023, 2, 28));
  EXPECT_EQ(added(make(2024, 3, 31), 5, -1), make(2024, 2, 29));
  EXPECT_EQ(added(make(2024, 5, 31), 5, 1), make(2024, 6, 30));
  EXPECT_EQ(added(make(2024, 2, 29), 6, 1), make(2025, 2, 28));
  EXPECT_EQ(added(make(2024, 2, 29), 6, 4), make(2028, 2, 29));
  DateFields r;
  EXPECT_FALSE(add_to_fields(make(2024, 1, 1), 6, 8000, &r));
  EXPECT_FALSE(add_to_fields(make(2024, 1, 1), 5, -2147483647LL * 2, &r));
  EXPECT_FALSE(add_to_fields(make(100, 1, 1), 5, -1, &r));
}

TEST(Calendar, AddSecondsToDays) {
  EXPECT_EQ(added(make(2024, 12, 31, 23, 59, 59), 1, 1), make(2025, 1, 1));
  EXPECT_EQ(added(make(2024, 3, 1), 2, -1), make(2024, 2, 29, 23, 59, 0));
  EXPECT_EQ(added(make(1900, 3, 1), 4, -1), make(1900, 2, 28));
  EXPECT_EQ(added(make(1500, 2, 28), 4, 1), make(1500, 3, 1));  // before file times begin
  EXPECT_EQ(added(make(2024, 1, 1), 3, -24 * 365), make(2023, 1, 1));
  DateFields r;
  for (int unit = 1; unit <= 4; ++unit) {
    EXPECT_FALSE(add_to_fields(make(2024, 1, 1), unit, INT64_MAX, &r)) << unit;
    EXPECT_FALSE(add_to_fields(make(2024, 1, 1), unit, INT64_MIN, &r)) << unit;
  }
  EXPECT_FALSE(add_to_fields(make(2024, 1, 1), 4, 2147483647, &r));
  EXPECT_FALSE(add_to_fields(make(2024, 1, 1), 7, 1, &r));
}

bool parses(const char* s, DateFields* f = nullptr) {
  DateFields tmp;
  return parse_date_text(from_utf8(s), f ? f : &tmp);
}

TEST(Calendar, DateTexts) {
  EXPECT_TRUE(parses("2024-02-29"));
  EXPECT_FALSE(parses("2023-02-29"));
  EXPECT_FALSE(parses("1900-02-29"));
  EXPECT_TRUE(parses("2000-02-29"));
  EXPECT_TRUE(parses("2024-1-5"));
  EXPECT_TRUE(parses("2024-1-5xyz"));  // the short form stops after the day
  EXPECT_FALSE(parses("2024-01-05 24:00:00"));
  EXPECT_FALSE(parses("2024-01-05 23:60:00"));
  EXPECT_TRUE(parses("2024-01-05 23:59:59"));
  EXPECT_TRUE(parses("2024-01-0523:59:59"));
  EXPECT_TRUE(parses("2024- 1- 5"));
  EXPECT_FALSE(parses("2024 -1-5"));
  EXPECT_FALSE(parses("20240-1-5"));
  EXPECT_FALSE(parses("-2024-1-5"));
  EXPECT_FALSE(parses("2024/01/05"));
  EXPECT_FALSE(parses(""));
  EXPECT_FALSE(parses("2024-01-05 12:00"));
  EXPECT_FALSE(parses("2024-1-99999999999999999999"));
  DateFields f;
  ASSERT_TRUE(parses("0024-03-01 01:02:3", &f));
  EXPECT_EQ(f, make(24, 3, 1, 1, 2, 3));
}

}  // namespace
}  // namespace quorin::dates
