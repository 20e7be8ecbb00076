// The date and time builtins as C++ functions (registered by table.cpp).
#pragma once
#include <cstdint>

#include "runtime/native.h"

namespace quorin::dates {

int64_t time_s();
int64_t time_ms();

double time_now();
double date_now();
double date_of(int32_t y, int32_t m, int32_t d);
double time_of(int32_t y, int32_t m, int32_t d, int32_t h, int32_t mi, int32_t s);

int32_t year_now();
int32_t year_of(double t);
int32_t month_now();
int32_t month_of(double t);
int32_t day_now();
int32_t day_of(double t);
int32_t hour_now();
int32_t hour_of(double t);
int32_t minute_now();
int32_t minute_of(double t);
int32_t second_now();
int32_t second_of(double t);
int32_t weekday_now();
int32_t weekday_of_time(double t);

Str get_now();
Str get_date_time_now();
Str get_date_time(double t);
Str get_date_now();
Str get_date(double t);
Str get_time_now();
Str get_time(double t);

int32_t is_date(const Str& s);
double string_to_date(Runtime& rt, const Str& s);

double date_add(Runtime& rt, int32_t unit, int32_t n, double t);
int64_t date_diff_s(double t1, double t2);
int64_t variant_time_to_unix_time(double t);
double unix_time_to_variant_time(Runtime& rt, int64_t u);

}  // namespace quorin::dates
