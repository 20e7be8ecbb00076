// The database builtins: a Connection object opened with a connection
// string, statements executed on it, and the Recordset they give read field
// by field while moving forward.  Field reads go through the Recordset's
// "Fields" collection and its "Item" member, then read the field's "Value"
// with the COM builtins' typed getters.  The helpers are implemented on
// Windows (ado_win32.cpp); elsewhere the table registers the same signatures
// with an invoker that ends the run with a runtime error.
#pragma once
#include <cstdint>
#include <string_view>

#include "builtins/com/typed_access.h"

namespace quorin::ado {

using com::GetT;
using com::IntRef;
using com::Kind;
using com::Name;

// The field object `field` of a recordset, with one reference; null when the
// recordset has no "Fields" object.  `getter` is the COM builtin the value
// read goes through (its zero-handle message covers handle 0).
void* field_object(Runtime& rt, std::u16string_view getter, IntRef rs, const Str& field);

void connection_open(Runtime& rt, IntRef conn, const Str& connection_string);
int32_t connection_execute(Runtime& rt, IntRef conn, const Str& sql);
void connection_close(Runtime& rt, IntRef conn);
void recordset_move_next(Runtime& rt, IntRef rs);
void recordset_close(Runtime& rt, IntRef rs);

// ---- entry shapes ----

template <Name Getter, Kind K>
GetT<K> field_get(Runtime& rt, IntRef rs, const Str& field) {
  com::HeldObject f(rt, field_object(rt, Getter.view(), rs, field));
  return com::get_as<K>(rt, Getter.view(), f.ref(), Str(u"Value"));
}

int32_t recordset_get_type(Runtime& rt, IntRef rs, const Str& field);
Str recordset_get_type_name(Runtime& rt, IntRef rs, const Str& field);

template <Name M, Kind K>
GetT<K> get(Runtime& rt, IntRef rs) {
  return com::get_as<K>(rt, M.view(), rs, Str(M.view()));
}

}  // namespace quorin::ado
