// The spreadsheet builtins' helpers on Windows: range and cell objects,
// member calls that report failure through the last error, saving, opening
// long paths and adding sheets at the end.
#include <windows.h>

#include <string>

#include "builtins/com/variant_text.h"
#include "builtins/excel/excel_builtins.h"
#include "support/format.h"

namespace quorin::excel {

namespace {

constexpr uint16_t kCall = com::kMethod | com::kPropertyGet;

// Every builtin of the family starts with the zero-handle check.
void* target(Runtime& rt, std::u16string_view builtin, IntRef obj) { return object_of(rt, builtin, obj); }

void* range_call(Runtime& rt, std::u16string_view builtin, IntRef sheet, std::u16string_view member,
                 std::span<const CallArg> args) {
  void* d = target(rt, builtin, sheet);
  com::CallResult r = com::call_member(d, member, args, kCall);
  if (!r.ok()) rt.fail_system(builtin, static_cast<uint32_t>(r.hr));
  return r.object;
}

// The short (8.3) form of a path too long to open directly; unchanged when
// the system has none.
std::u16string openable_path(std::u16string_view path) {
  if (path.size() <= 259) return std::u16string(path);
  std::wstring asked(path.begin(), path.end());
  if (path.size() > 247) asked = L"\\\\?\\" + asked;
  DWORD n = GetShortPathNameW(asked.c_str(), nullptr, 0);
  if (n == 0) return std::u16string(path);
  std::wstring out(n, L'\0');
  n = GetShortPathNameW(asked.c_str(), out.data(), n);
  if (n == 0 || n >= out.size()) return std::u16string(path);
  out.resize(n);
  if (out.rfind(L"\\\\?\\", 0) == 0) out.erase(0, 4);
  return std::u16string(out.begin(), out.end());
}

}  // namespace

void* object_of(Runtime& rt, std::u16string_view builtin, IntRef obj) {
  return com::checked_dispatch(rt, builtin, com::handle_of(obj));
}

void* range_object(Runtime& rt, std::u16string_view builtin, IntRef sheet, const Str& address) {
  const CallArg a[] = {CallArg::of(address.view())};
  return range_call(rt, builtin, sheet, u"Range", a);
}

void* cell_object(Runtime& rt, std::u16string_view builtin, IntRef sheet, int32_t row, int32_t col) {
  const CallArg a[] = {CallArg::of(row), CallArg::of(col)};
  return range_call(rt, builtin, sheet, u"Cells", a);
}

void* range_object_required(Runtime& rt, std::u16string_view builtin, IntRef sheet, const Str& address) {
  void* r = range_object(rt, builtin, sheet, address);
  if (!r) rt.fail(format16(u"%s(..., %s) -> getRangeObject() 返回 NULL", builtin, address.view()));
  return r;
}

void* cell_object_required(Runtime& rt, std::u16string_view builtin, IntRef sheet, int32_t row, int32_t col) {
  void* r = cell_object(rt, builtin, sheet, row, col);
  if (!r) rt.fail(format16(u"%s(..., %d,%d) -> getCellObject() 返回 NULL", builtin, row, col));
  return r;
}

int32_t value_type(Runtime& rt, std::u16string_view builtin, IntRef range) {
  return com::read_property(rt, builtin, range, Str(u"Value")).type;
}

int32_t call_for_object(Runtime& rt, std::u16string_view builtin, IntRef obj, std::u16string_view member,
                        std::span<const CallArg> args) {
  void* d = target(rt, builtin, obj);
  com::CallResult r = com::call_member(d, member, args, kCall);
  if (!r.ok()) return 0;
  return com::hand_out_object(rt, r.object);
}

int32_t call_for_status(Runtime& rt, std::u16string_view builtin, IntRef obj, std::u16string_view member,
                        std::span<const CallArg> args) {
  void* d = target(rt, builtin, obj);
  com::CallResult r = com::call_member(d, member, args, kCall);
  com::release_object(r.object);
  return r.ok() ? 1 : 0;
}

int32_t select_item(Runtime& rt, std::u16string_view builtin, IntRef obj, const CallArg& which) {
  void* d = target(rt, builtin, obj);
  com::CallResult item = com::call_member(d, u"Item", {&which, 1}, kCall);
  if (!item.ok() || !item.object) return 0;
  com::CallResult r = com::call_member(item.object, u"Select", {}, kCall);
  com::release_object(r.object);
  com::release_object(item.object);
  return r.ok() ? 1 : 0;
}

int32_t workbooks_open(Runtime& rt, IntRef books, const Str& path) {
  constexpr std::u16string_view kName = u"workbooks_open";
  void* d = target(rt, kName, books);
  const std::u16string p = openable_path(path.view());
  const CallArg a[] = {CallArg::of(std::u16string_view(p))};
  com::CallResult r = com::call_member(d, u"Open", a, kCall);
  if (!r.ok()) return 0;
  return com::hand_out_object(rt, r.object);
}

int32_t worksheets_add(Runtime& rt, IntRef sheets) {
  constexpr std::u16string_view kName = u"worksheets_add";
  void* d = target(rt, kName, sheets);
  com::CallResult count = com::call_member(d, u"Count", {}, com::kPropertyGet);
  if (!count.ok()) return 0;
  if (count.number < 1) {
    com::CallResult r = com::call_member(d, u"Add", {}, kCall);
    return r.ok() ? com::hand_out_object(rt, r.object) : 0;
  }
  const CallArg which[] = {CallArg::of(count.number)};
  com::CallResult last = com::call_member(d, u"Item", which, kCall);
  if (!last.ok()) return 0;
  // Before: none; After: the last sheet.
  const CallArg a[] = {CallArg::null(), CallArg::of_object(last.object)};
  com::CallResult r = com::call_member(d, u"Add", a, kCall);
  com::release_object(last.object);
  return r.ok() ? com::hand_out_object(rt, r.object) : 0;
}

int32_t save_as(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path, int32_t format) {
  const CallArg a[] = {CallArg::of(path.view()), CallArg::of(format)};
  return call_for_status(rt, builtin, obj, u"SaveAs", a);
}

}  // namespace quorin::excel
