// The system's date conversions and the shared arithmetic that the native
// build uses in their place give the same results, bit for bit.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "builtins/dates/calendar.h"
#include "builtins/dates/system_time.h"

namespace quorin::dates {
namespace {

uint64_t bits(double v) {
  uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

TEST(SystemTime, FieldsToDateTimeAgreeWithTheSystem) {
  std::mt19937 gen(20);
  std::uniform_int_distribution<int> year(0, 9999), month(1, 12), day(1, 31), hour(0, 23), minute(0, 59);
  int checked = 0;
  for (int i = 0; i < 200000; ++i) {
    DateFields f;
    f.year = i < 100 ? i : year(gen);
    f.month = month(gen);
    f.day = day(gen);
    f.hour = hour(gen);
    f.minute = minute(gen);
    f.second = minute(gen);
    if (!is_valid_date(f.year, f.month, f.day)) continue;
    double mine = 0, sys = 0;
    ASSERT_TRUE(variant_from_fields(f, &mine));
    ASSERT_TRUE(system_variant_from_fields(f, &sys)) << f.year << "-" << f.month << "-" << f.day;
    ASSERT_EQ(bits(mine), bits(sys)) << f.year << "-" << f.month << "-" << f.day << " " << f.hour << ":" << f.minute
                                     << ":" << f.second;
    ++checked;
  }
  EXPECT_GT(checked, 100000);
}

void expect_same_reading(double t) {
  DateFields mine, sys;
  const bool ok_mine = fields_from_variant(t, &mine);
  const bool ok_sys = system_fields_from_variant(t, &sys);
  ASSERT_EQ(ok_mine, ok_sys) << t;
  if (!ok_mine) return;
  set_weekday(mine);
  set_weekday(sys);
  ASSERT_EQ(mine, sys) << std::hexfloat << t;
}

TEST(SystemTime, DateTimeToFieldsAgreesWithTheSystem) {
  std::mt19937_64 gen(20);
  std::uniform_real_distribution<double> any(kVariantLow + 1, kVariantHigh - 1), around_zero(-3.0, 3.0);
  for (int i = 0; i < 200000; ++i) {
    expect_same_reading(any(gen));
    expect_same_reading(around_zero(gen));
  }
  // Half seconds, whole seconds and a hair either side of them.
  for (int s = 0; s < 86400; s += 7) {
    for (double base : {45000.0, -45000.0, 0.0}) {
      for (double frac : {0.0, 0.5, 0.49999, 0.50001}) {
        const double t = base + (base < 0 ? -1 : 1) * (s + frac) / 86400.0;
        expect_same_reading(t);
        expect_same_reading(std::nextafter(t, 0.0));
        expect_same_reading(std::nextafter(t, 1e9));
      }
    }
  }
  for (double t : {kVariantLow + 1e-9, kVariantHigh - 1e-9, -657434.0, 2958465.0, 2958465.99999, -0.0, 0.0})
    expect_same_reading(t);
}

}  // namespace
}  // namespace quorin::dates
