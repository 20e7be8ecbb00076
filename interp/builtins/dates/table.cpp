// Dates and times.  So far the Unix clock readings; the date-time values and
// their parts, parsing and arithmetic join this table with the rest of the
// family.
#include <chrono>

#include "builtins/tables.h"
#include "runtime/native.h"

namespace quorin {
namespace {

int64_t time_s() {
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

// Seconds × 1000 + microseconds / 1000 of the time of day.
int64_t time_ms() {
  using namespace std::chrono;
  auto us = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
  return (us / 1000000) * 1000 + (us % 1000000) / 1000;
}

constexpr BuiltinEntry kEntries[] = {
    builtin<&time_s>(u"time_s"),
    builtin<&time_ms>(u"time_ms"),
};

}  // namespace

BuiltinTable dates_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
