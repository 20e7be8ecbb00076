// Registry entries of the database builtins (18 signatures).
#include "builtins/ado/ado_builtins.h"
#include "builtins/com/unavailable.h"
#include "builtins/tables.h"

namespace quorin {
namespace {

using ado::Kind;

#if defined(_WIN32)
#define DB(name, ...) builtin<&ado::__VA_ARGS__>(name)
#else
#define DB(name, ...) com::unavailable<decltype(ado::__VA_ARGS__)>(name)
#endif

#define DB_FIELD(suffix, K) DB(u"recordset_get_" #suffix, field_get<u"com_object_get_" #suffix, K>)

constexpr BuiltinEntry kEntries[] = {
    DB(u"connection_open", connection_open),
    DB(u"connection_execute", connection_execute),
    DB(u"connection_close", connection_close),
    DB_FIELD(short, Kind::Short),
    DB_FIELD(int, Kind::Int),
    DB_FIELD(boolean, Kind::Boolean),
    DB_FIELD(long, Kind::Long),
    DB_FIELD(date, Kind::Date),
    DB_FIELD(float, Kind::Float),
    DB_FIELD(double, Kind::Double),
    DB_FIELD(string, Kind::String),
    DB(u"recordset_get_type", recordset_get_type),
    DB(u"recordset_get_type_name", recordset_get_type_name),
    DB(u"recordset_bof", get<u"bof", Kind::Boolean>),
    DB(u"recordset_eof", get<u"eof", Kind::Boolean>),
    DB(u"recordset_get_count", get<u"RecordCount", Kind::Int>),
    DB(u"recordset_move_next", recordset_move_next),
    DB(u"recordset_close", recordset_close),
};
#undef DB_FIELD
#undef DB

static_assert(std::size(kEntries) == 18);

}  // namespace

BuiltinTable ado_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
