// Date-time values as the builtins read and build them: the common checks,
// then the target's conversion.
#pragma once
#include "builtins/dates/calendar.h"
#include "builtins/dates/system_time.h"

namespace quorin::dates {

// Fields → date-time; false for fields that are not a valid date and time
// or lie beyond the year 9999.
inline bool to_variant(const DateFields& f, double* out) {
  if (!is_valid_date_time(f.year, f.month, f.day, f.hour, f.minute, f.second) || f.year > 9999) return false;
  return system_variant_from_fields(f, out);
}

// Date-time → fields with the weekday; a value outside the accepted range
// (NaN included) gives false and all-zero fields.
inline bool from_variant(double t, DateFields* out) {
  *out = DateFields{};
  if (!variant_in_range(t)) return false;
  if (!system_fields_from_variant(t, out)) {
    *out = DateFields{};
    return false;
  }
  set_weekday(*out);
  return true;
}

}  // namespace quorin::dates
