// The conversions the date builtins take from the system: on Windows the
// OLE automation date conversions, the local clock and the C runtime's
// local time; natively the shared calendar arithmetic and the C library.
// Callers go through `to_variant` and `from_variant` (date_values.h), which
// apply the common checks before either target's conversion runs.
#pragma once
#include <cstdint>

#include "builtins/dates/calendar.h"

namespace quorin::dates {

// Fields (already checked as a valid date and time, year ≤ 9999) → date-time.
bool system_variant_from_fields(const DateFields& f, double* out);
// Date-time (already checked to lie in range) → fields, weekday not needed.
bool system_fields_from_variant(double t, DateFields* out);
// The local time now, whole seconds.
DateFields local_now();
// Unix seconds (0 .. kMaxLocalUnixTime) → local time fields.
bool local_fields_from_unix(int64_t secs, DateFields* out);

// 3000-12-31 23:59:59 UTC, the last second the C runtime's local-time
// conversion accepts on Windows; both targets stop there.
constexpr int64_t kMaxLocalUnixTime = 32535215999;

}  // namespace quorin::dates
