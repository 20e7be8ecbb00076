// Loading and storing values in their storage form.
#pragma once
#include <cstdint>

#include "runtime/object.h"
#include "runtime/runtime.h"
#include "runtime/value.h"

namespace quorin {

// Storage form at `addr` → computed form (strings and objects gain a reference).
template <TypeCode T>
inline Payload load(const void* addr) {
  Payload p;
  p.bits = 0;
  if constexpr (T == tc::Byte) {
    p.i = *static_cast<const uint8_t*>(addr);
  } else if constexpr (T == tc::Char) {
    p.i = *static_cast<const char16_t*>(addr);
  } else if constexpr (T == tc::Short) {
    p.i = *static_cast<const int16_t*>(addr);
  } else if constexpr (T == tc::Int) {
    p.i = *static_cast<const int32_t*>(addr);
  } else if constexpr (T == tc::Long) {
    p.l = *static_cast<const int64_t*>(addr);
  } else if constexpr (T == tc::Float) {
    p.f = *static_cast<const float*>(addr);
  } else if constexpr (T == tc::Double) {
    p.d = *static_cast<const double*>(addr);
  } else if constexpr (T == tc::String) {
    p.str = *static_cast<StrRep* const*>(addr);
    str_retain(p.str);
  } else if constexpr (T == tc::FuncPtr) {
    p.fn = *static_cast<FuncTarget* const*>(addr);
  } else {
    p.obj = *static_cast<Object* const*>(addr);
    obj_retain(p.obj);
  }
  return p;
}

// Computed form → storage form at `addr`, taking over a string or object
// reference and letting go of the old one.
template <TypeCode T>
inline void store(void* addr, Payload v) {
  if constexpr (T == tc::Byte) {
    *static_cast<uint8_t*>(addr) = static_cast<uint8_t>(v.i);
  } else if constexpr (T == tc::Char) {
    *static_cast<char16_t*>(addr) = static_cast<char16_t>(v.i);
  } else if constexpr (T == tc::Short) {
    *static_cast<int16_t*>(addr) = static_cast<int16_t>(v.i);
  } else if constexpr (T == tc::Int) {
    *static_cast<int32_t*>(addr) = v.i;
  } else if constexpr (T == tc::Long) {
    *static_cast<int64_t*>(addr) = v.l;
  } else if constexpr (T == tc::Float) {
    *static_cast<float*>(addr) = v.f;
  } else if constexpr (T == tc::Double) {
    *static_cast<double*>(addr) = v.d;
  } else if constexpr (T == tc::String) {
    StrRep** slot = static_cast<StrRep**>(addr);
    StrRep* old = *slot;
    *slot = v.str;
    str_release(old);
  } else if constexpr (T == tc::FuncPtr) {
    *static_cast<FuncTarget**>(addr) = v.fn;
  } else {
    Object** slot = static_cast<Object**>(addr);
    Object* old = *slot;
    *slot = v.obj;
    obj_release(old);
  }
}

// Lets go of a computed value of type t (string or object reference).
inline void dispose(TypeCode t, Payload v) {
  if (t == tc::String)
    str_release(v.str);
  else if (is_object_type(t))
    obj_release(v.obj);
}

// Calls f.template operator()<T>() with the compile-time type T = t.
template <class F>
decltype(auto) with_type(TypeCode t, F&& f) {
  switch (t) {
    case tc::Byte:
      return f.template operator()<tc::Byte>();
    case tc::Char:
      return f.template operator()<tc::Char>();
    case tc::Short:
      return f.template operator()<tc::Short>();
    case tc::Int:
      return f.template operator()<tc::Int>();
    case tc::Long:
      return f.template operator()<tc::Long>();
    case tc::Float:
      return f.template operator()<tc::Float>();
    case tc::Double:
      return f.template operator()<tc::Double>();
    case tc::String:
      return f.template operator()<tc::String>();
    case tc::FuncPtr:
      return f.template operator()<tc::FuncPtr>();
    case tc::Bmp:
      return f.template operator()<tc::Bmp>();
    case tc::ArrayList:
      return f.template operator()<tc::ArrayList>();
    case tc::LinkedList:
      return f.template operator()<tc::LinkedList>();
    case tc::HashMap:
      return f.template operator()<tc::HashMap>();
    default:
      return f.template operator()<tc::Iterator>();
  }
}

// Slot access for variable uses (see variables.cpp).
Slot* slot_for_read(Runtime& rt, const VarRef& ref);
Slot* slot_for_write(Runtime& rt, const VarRef& ref);
// Address of the element an indexed use names (bounds checked).
void* element_address(Runtime& rt, const VarRef& ref, Slot* slot);
// Address of the storage a variable use names, following by-reference slots.
void* value_address(Runtime& rt, const VarRef& ref, bool for_write);

// The array errors: the access is written as the name and each index
// "[%d]" (`array_access_text`).
std::u16string array_access_text(const std::u16string& name, const int32_t* indices, size_t n);
[[noreturn]] void fail_array_unallocated(Runtime& rt, const std::u16string& name, std::u16string_view access);
[[noreturn]] void fail_array_dims(Runtime& rt, const std::u16string& name, int used, int actual);
[[noreturn]] void fail_array_bounds(Runtime& rt, const std::u16string& name, const ArrayObj& a,
                                    std::u16string_view access);

// Disposes of what a slot holds (end of a frame, end of the run).
void release_slot(Slot& s);

}  // namespace quorin
