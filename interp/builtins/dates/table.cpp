// Registry entries of the date and time builtins, overloads in registry
// order.
#include "builtins/dates/date_builtins.h"
#include "builtins/tables.h"

namespace quorin {
namespace {

using namespace dates;

constexpr BuiltinEntry kEntries[] = {
    builtin<&time_now>(u"time"),
    builtin<&time_of>(u"time"),
    builtin<&date_now>(u"date"),
    builtin<&date_of>(u"date"),
    builtin<&time_s>(u"time_s"),
    builtin<&time_ms>(u"time_ms"),
    builtin<&year_now>(u"year"),
    builtin<&year_of>(u"year"),
    builtin<&month_now>(u"month"),
    builtin<&month_of>(u"month"),
    builtin<&day_now>(u"day"),
    builtin<&day_of>(u"day"),
    builtin<&hour_now>(u"hour"),
    builtin<&hour_of>(u"hour"),
    builtin<&minute_now>(u"minute"),
    builtin<&minute_of>(u"minute"),
    builtin<&second_now>(u"second"),
    builtin<&second_of>(u"second"),
    builtin<&weekday_now>(u"weekday"),
    builtin<&weekday_of_time>(u"weekday"),
    builtin<&get_now>(u"get_now"),
    builtin<&get_date_time_now>(u"get_date_time"),
    builtin<&get_date_time>(u"get_date_time"),
    builtin<&get_date_now>(u"get_date"),
    builtin<&get_date>(u"get_date"),
    builtin<&get_time_now>(u"get_time"),
    builtin<&get_time>(u"get_time"),
    builtin<&is_date>(u"is_date"),
    builtin<&string_to_date>(u"string_to_date"),
    builtin<&date_add>(u"date_add"),
    builtin<&date_diff_s>(u"date_diff_s"),
    builtin<&variant_time_to_unix_time>(u"variant_time_to_unix_time"),
    builtin<&unix_time_to_variant_time>(u"unix_time_to_variant_time"),
};

}  // namespace

BuiltinTable dates_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
