// The database builtins on Windows: Connection methods, field objects of a
// Recordset and moving through it, with the family's own messages.
#include <windows.h>

#include "builtins/ado/ado_builtins.h"
#include "builtins/com/variant_text.h"
#include "support/format.h"

namespace quorin::ado {

namespace {

constexpr uint16_t kCall = com::kMethod | com::kPropertyGet;

// A connection method: handle 0 does nothing; a failed lookup or call ends
// the run with the error code.
com::CallResult connection_call(Runtime& rt, std::u16string_view builtin, IntRef conn, std::u16string_view member,
                                std::span<const com::CallArg> args) {
  void* d = com::checked_dispatch(rt, builtin, com::handle_of(conn));
  com::CallResult r = com::call_member(d, member, args, kCall);
  if (!r.ok()) rt.fail_system(builtin, static_cast<uint32_t>(r.hr));
  return r;
}

[[noreturn]] void lookup_failed(Runtime& rt, std::u16string_view member, int32_t hr) {
  if (hr == static_cast<int32_t>(DISP_E_UNKNOWNNAME) || hr == static_cast<int32_t>(DISP_E_MEMBERNOTFOUND))
    rt.fail(format16(u"COM组件(Recordset)中函数 '%s()' 不存在", member));
  rt.fail(format16(u"COM组件(Recordset)->GetIDsOfNames('%s()', ...) 发生错误: %ld (0x%lx)", member, hr,
                   static_cast<uint32_t>(hr)));
}

// A recordset method without arguments.
void recordset_call(Runtime& rt, std::u16string_view builtin, IntRef rs, std::u16string_view member) {
  if (com::handle_of(rs) == 0) return;
  void* d = com::checked_dispatch(rt, builtin, com::handle_of(rs));
  // Method and property-get flags together: servers that describe these
  // members as methods refuse a property-get call.
  com::CallResult r = com::call_member(d, member, {}, kCall);
  com::release_object(r.object);
  if (r.ok()) return;
  if (!r.found) lookup_failed(rt, member, r.hr);
  if (r.hr == static_cast<int32_t>(DISP_E_BADPARAMCOUNT))
    rt.fail(format16(u"COM组件(Recordset)中函数 %s() 的参数数量不一致。", member));
  if (r.hr == static_cast<int32_t>(DISP_E_TYPEMISMATCH))
    rt.fail(format16(u"COM组件(Recordset)中函数 %s() 的参数类型不一致。", member));
  rt.fail(format16(u"调用COM组件(Recordset)中的函数 %s() 时发生错误，Invoke()返回值: %ld (0x%lx)", member, r.hr,
                   static_cast<uint32_t>(r.hr)));
}

}  // namespace

void connection_open(Runtime& rt, IntRef conn, const Str& connection_string) {
  if (com::handle_of(conn) == 0) return;
  const com::CallArg a[] = {com::CallArg::of(connection_string.view())};
  com::release_object(connection_call(rt, u"connection_open", conn, u"Open", a).object);
}

int32_t connection_execute(Runtime& rt, IntRef conn, const Str& sql) {
  if (com::handle_of(conn) == 0) return 0;
  const com::CallArg a[] = {com::CallArg::of(sql.view())};
  return com::hand_out_object(rt, connection_call(rt, u"connection_execute", conn, u"Execute", a).object);
}

void connection_close(Runtime& rt, IntRef conn) {
  if (com::handle_of(conn) == 0) return;
  com::release_object(connection_call(rt, u"connection_close", conn, u"Close", {}).object);
}

void recordset_move_next(Runtime& rt, IntRef rs) { recordset_call(rt, u"recordset_move_next", rs, u"MoveNext"); }
void recordset_close(Runtime& rt, IntRef rs) { recordset_call(rt, u"recordset_close", rs, u"Close"); }

void* field_object(Runtime& rt, std::u16string_view getter, IntRef rs, const Str& field) {
  const int32_t handle = com::handle_of(rs);
  if (handle == 0) rt.fail(com::zero_handle_message(getter));
  com::HeldObject fields(rt, com::com_object_get_object(rt, rs, Str(u"Fields")), com::HeldObject::Adopt{});
  if (fields.handle() == 0) return nullptr;
  void* d = com::checked_dispatch(rt, u"com_object_get_object", fields.handle());
  const com::CallArg a[] = {com::CallArg::of(field.view())};
  com::CallResult r = com::call_member(d, u"Item", a, com::kPropertyGet);
  if (!r.ok()) {
    if (!r.found) lookup_failed(rt, u"Item", r.hr);
    if (r.hr == static_cast<int32_t>(DISP_E_BADPARAMCOUNT))
      rt.fail(format16(u"COM组件(Recordset)中函数 %s('%s') 的参数数量不一致。", u"Item", field.view()));
    if (r.hr == static_cast<int32_t>(DISP_E_TYPEMISMATCH))
      rt.fail(format16(u"COM组件(Recordset)中函数 %s('%s') 的参数类型不一致。", u"Item", field.view()));
    rt.fail(format16(u"调用COM组件(Recordset)中的函数 %s('%s') 时发生错误，Invoke()返回值: %ld (0x%lx)", u"Item",
                     field.view(), r.hr, static_cast<uint32_t>(r.hr)));
  }
  if (r.type != com::vt::Dispatch || !r.object) {
    com::release_object(r.object);
    rt.fail(format16(u"COM组件(%d)->Fields->Item() 函数返回值类型不符合预期", handle));
  }
  return r.object;
}

int32_t recordset_get_type(Runtime& rt, IntRef rs, const Str& field) {
  com::HeldObject f(rt, field_object(rt, u"com_object_get_type", rs, field));
  return com::com_object_get_type(rt, f.ref(), Str(u"Value"));
}

Str recordset_get_type_name(Runtime& rt, IntRef rs, const Str& field) {
  com::HeldObject f(rt, field_object(rt, u"com_object_get_type_name", rs, field));
  return com::com_object_get_type_name(rt, f.ref(), Str(u"Value"));
}

}  // namespace quorin::ado
