// Calendar arithmetic of the date builtins, shared by both targets: the
// proleptic Gregorian calendar, date-time doubles (days since 1899-12-30,
// the fraction being the time of day), 64-bit file times (100 ns units since
// 1601-01-01, negative before it) and the text forms.  No clock, no time
// zone and no system call here.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace quorin::dates {

// The fields of a date-time, whole seconds.  `weekday` is 0 for Sunday to 6
// for Saturday; a rejected conversion leaves every field 0.
struct DateFields {
  int32_t year = 0, month = 0, day = 0;
  int32_t hour = 0, minute = 0, second = 0;
  int32_t weekday = 0;
  bool operator==(const DateFields&) const = default;
};

// Range of date-times the conversions accept: 0100-01-01 to 9999-12-31
// (strictly inside these bounds).
constexpr double kVariantLow = -657435.0;
constexpr double kVariantHigh = 2958466.0;

constexpr bool is_leap_year(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int32_t days_in_month(int64_t year, int32_t month);
// Valid calendar date: year ≥ 0, month 1..12, day within the month.
bool is_valid_date(int64_t year, int64_t month, int64_t day);
// Valid date and a time of day (hour 0..23, minute and second 0..59).
bool is_valid_date_time(int64_t year, int64_t month, int64_t day, int64_t hour, int64_t minute, int64_t second);

// Days from 1970-01-01 to the date (negative before it) and back.
int64_t days_from_civil(int64_t y, int32_t m, int32_t d);
void civil_from_days(int64_t days, int64_t& y, int32_t& m, int32_t& d);
// 0 Sunday … 6 Saturday.
int32_t weekday_of(int64_t y, int32_t m, int32_t d);

// Fields → date-time as the system's conversion computes it: years 0..49
// are read as 2000..2049 and 50..99 as 1950..1999; the time is added hours,
// minutes, seconds in that order, away from zero before 1899-12-30.
// False (and *out untouched) when the fields are not a valid date and time
// or the year is beyond 9999.
bool variant_from_fields(const DateFields& f, double* out);
// Date-time → fields, rounded to the nearest second (a half second and more
// goes up, carrying into the next day).  The date is the whole part read
// toward zero, the time the distance from it, so -1.25 is 1899-12-29 06:00.
// False for NaN and values outside (kVariantLow, kVariantHigh).
bool fields_from_variant(double t, DateFields* out);
// Whether a value lies in the accepted range (NaN does not).
constexpr bool variant_in_range(double t) { return t > kVariantLow && t < kVariantHigh; }
// Fills the weekday from the date fields.
void set_weekday(DateFields& f);

// File times.
constexpr int64_t kFileTimeSecond = 10000000;
constexpr int64_t kFileTimeDay = 864000000000;
constexpr int64_t kUnixEpochFileTime = 116444736000000000;
int64_t file_time_from_fields(const DateFields& f);
DateFields fields_from_file_time(int64_t ft);

// date_add: unit 1..6 (second … year); n may be negative.  Months and years
// keep the day of the month, or the month's last day when the kept day does
// not exist in the new month.  False when the result would fall outside the
// years 100..9999.
bool add_to_fields(const DateFields& f, int32_t unit, int64_t n, DateFields* out);

// Text forms: "Y-MM-DD HH:MM:SS", "Y-MM-DD", "HH:MM:SS" (the year unpadded).
std::u16string date_time_text(const DateFields& f);
std::u16string date_text(const DateFields& f);
std::u16string time_text(const DateFields& f);

// Reading a date text: the trimmed text, when shorter than 12 units, as
// "%4d-%2d-%d" (a date at 00:00:00), otherwise as "%4d-%2d-%2d %2d:%2d:%d";
// every field must be read and form a valid date and time.
bool parse_date_text(std::u16string_view text, DateFields* out);

}  // namespace quorin::dates
