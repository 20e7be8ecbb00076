// The spreadsheet builtins: thin walks through the spreadsheet application's
// automation objects (Application, Workbooks, Workbook, Worksheets,
// Worksheet, Range, Font).  Each table entry is one of the shapes below,
// parametrised on the builtin's name, the member it acts on and the value
// kind; the shapes rest on the COM builtins' property access and member
// calls.  The helpers they call are implemented on Windows (excel_win32.cpp);
// elsewhere the table registers the same signatures with an invoker that
// ends the run with a runtime error.
#pragma once
#include <cstdint>
#include <string_view>

#include "builtins/com/typed_access.h"

namespace quorin::excel {

using com::CallArg;
using com::GetT;
using com::IntRef;
using com::Kind;
using com::Name;
using com::SetT;

// ---- helpers (Windows) ----

// The object behind the first argument; 0 ends the run naming `builtin`.
void* object_of(Runtime& rt, std::u16string_view builtin, IntRef obj);
// "Range"(address) / "Cells"(row, column) of a worksheet: the range object
// with one reference, or null when the call gave none.  A failed call ends
// the run with the error code message.
void* range_object(Runtime& rt, std::u16string_view builtin, IntRef sheet, const Str& address);
void* cell_object(Runtime& rt, std::u16string_view builtin, IntRef sheet, int32_t row, int32_t col);
// The same, for the value-type builtins: no object ends the run too.
void* range_object_required(Runtime& rt, std::u16string_view builtin, IntRef sheet, const Str& address);
void* cell_object_required(Runtime& rt, std::u16string_view builtin, IntRef sheet, int32_t row, int32_t col);
// The variant type of the range's "Value" (read messages name `builtin`).
int32_t value_type(Runtime& rt, std::u16string_view builtin, IntRef range);
// "empty", "int", "double", … of a value type.
std::u16string value_type_name(int32_t code);

// Member calls that never end the run: failures give 0 (or nothing) and
// leave the HRESULT as the thread's last error.
int32_t call_for_object(Runtime& rt, std::u16string_view builtin, IntRef obj, std::u16string_view member,
                        std::span<const CallArg> args);
int32_t call_for_status(Runtime& rt, std::u16string_view builtin, IntRef obj, std::u16string_view member,
                        std::span<const CallArg> args);
int32_t select_item(Runtime& rt, std::u16string_view builtin, IntRef obj, const CallArg& which);
int32_t save_as(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path, int32_t format);
// The save format a path's extension chooses.
int32_t format_for_path(std::u16string_view path);

// ---- entry shapes ----

inline int32_t arg_view(int32_t v) { return v; }
inline std::u16string_view arg_view(const Str& s) { return s.view(); }

template <Name B, Name M, Kind K>
GetT<K> get(Runtime& rt, IntRef obj) {
  object_of(rt, B.view(), obj);
  return com::get_as<K>(rt, B.view(), obj, Str(M.view()));
}

template <Name B, Name M, Kind K>
void set(Runtime& rt, IntRef obj, SetT<K> v) {
  object_of(rt, B.view(), obj);
  com::set_as<K>(rt, B.view(), obj, Str(M.view()), v);
}

// A boolean property written with a fixed value.
template <Name B, Name M, int32_t V>
void set_flag(Runtime& rt, IntRef obj) {
  object_of(rt, B.view(), obj);
  com::com_object_set_boolean(rt, obj, Str(M.view()), V);
}

template <Name B, Name M>
int32_t get_object(Runtime& rt, IntRef obj) {
  object_of(rt, B.view(), obj);
  return com::com_object_get_object(rt, obj, Str(M.view()));
}

template <Name B, Name M>
int32_t call_object(Runtime& rt, IntRef obj) {
  return call_for_object(rt, B.view(), obj, M.view(), {});
}

template <Name B, Name M, class A>
int32_t call_object_with(Runtime& rt, IntRef obj, A arg) {
  const CallArg a[] = {CallArg::of(arg_view(arg))};
  return call_for_object(rt, B.view(), obj, M.view(), a);
}

template <Name B, Name M>
void call(Runtime& rt, IntRef obj) {
  call_for_status(rt, B.view(), obj, M.view(), {});
}

template <Name B, Name M>
int32_t call_status(Runtime& rt, IntRef obj) {
  return call_for_status(rt, B.view(), obj, M.view(), {});
}

template <Name B, Name M>
int32_t call_status_text(Runtime& rt, IntRef obj, const Str& text) {
  const CallArg a[] = {CallArg::of(text.view())};
  return call_for_status(rt, B.view(), obj, M.view(), a);
}

template <Name B, class A>
void select(Runtime& rt, IntRef obj, A which) {
  select_item(rt, B.view(), obj, CallArg::of(arg_view(which)));
}

template <Name B>
int32_t save_as_format(Runtime& rt, IntRef obj, const Str& path, int32_t format) {
  return save_as(rt, B.view(), obj, path, format);
}

template <Name B>
int32_t save_as_by_path(Runtime& rt, IntRef obj, const Str& path) {
  return save_as(rt, B.view(), obj, path, format_for_path(path.view()));
}

// Range and cell shapes: get the range object, act on its member, release it.
template <Name B, Name M, Kind K>
GetT<K> range_get(Runtime& rt, IntRef sheet, const Str& address) {
  com::HeldObject r(rt, range_object(rt, B.view(), sheet, address));
  return com::get_as<K>(rt, B.view(), r.ref(), Str(M.view()));
}

template <Name B, Name M, Kind K>
void range_set(Runtime& rt, IntRef sheet, const Str& address, SetT<K> v) {
  com::HeldObject r(rt, range_object(rt, B.view(), sheet, address));
  com::set_as<K>(rt, B.view(), r.ref(), Str(M.view()), v);
}

template <Name B, Name M, Kind K>
GetT<K> cell_get(Runtime& rt, IntRef sheet, int32_t row, int32_t col) {
  com::HeldObject r(rt, cell_object(rt, B.view(), sheet, row, col));
  return com::get_as<K>(rt, B.view(), r.ref(), Str(M.view()));
}

template <Name B, Name M, Kind K>
void cell_set(Runtime& rt, IntRef sheet, int32_t row, int32_t col, SetT<K> v) {
  com::HeldObject r(rt, cell_object(rt, B.view(), sheet, row, col));
  com::set_as<K>(rt, B.view(), r.ref(), Str(M.view()), v);
}

// Row heights through the row's first cell, column widths through the
// column's first cell.
template <Name B, Name M, bool Row>
double line_get(Runtime& rt, IntRef sheet, int32_t index) {
  com::HeldObject r(rt, Row ? cell_object(rt, B.view(), sheet, index, 1) : cell_object(rt, B.view(), sheet, 1, index));
  return com::com_object_get_double(rt, r.ref(), Str(M.view()));
}

template <Name B, Name M, bool Row>
void line_set(Runtime& rt, IntRef sheet, int32_t index, double v) {
  com::HeldObject r(rt, Row ? cell_object(rt, B.view(), sheet, index, 1) : cell_object(rt, B.view(), sheet, 1, index));
  com::com_object_set_double(rt, r.ref(), Str(M.view()), v);
}

template <Name B>
int32_t range_type(Runtime& rt, IntRef sheet, const Str& address) {
  com::HeldObject r(rt, range_object_required(rt, B.view(), sheet, address));
  return value_type(rt, B.view(), r.ref());
}

template <Name B>
Str range_type_name(Runtime& rt, IntRef sheet, const Str& address) {
  return Str(value_type_name(range_type<B>(rt, sheet, address)));
}

template <Name B>
int32_t cell_type(Runtime& rt, IntRef sheet, int32_t row, int32_t col) {
  com::HeldObject r(rt, cell_object_required(rt, B.view(), sheet, row, col));
  return value_type(rt, B.view(), r.ref());
}

template <Name B>
Str cell_type_name(Runtime& rt, IntRef sheet, int32_t row, int32_t col) {
  return Str(value_type_name(cell_type<B>(rt, sheet, row, col)));
}

int32_t workbooks_open(Runtime& rt, IntRef books, const Str& path);
int32_t worksheets_add(Runtime& rt, IntRef sheets);

}  // namespace quorin::excel
