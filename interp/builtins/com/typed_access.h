// Typed property reads and writes for the families built on the COM
// builtins (spreadsheets, databases): one value kind picks the com_object_get_*
// or com_object_set_* builtin, so their messages name that builtin.  Also the
// compile-time name type those families' table entries are parametrised on.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "builtins/com/com_access.h"
#include "builtins/com/com_builtins.h"

namespace quorin::com {

// A text usable as a template argument: a builtin's or a member's name.
template <size_t N>
struct Name {
  char16_t s[N]{};
  constexpr Name(const char16_t (&text)[N]) { std::copy(text, text + N, s); }
  constexpr std::u16string_view view() const { return {s, N - 1}; }
};

enum class Kind : uint8_t { Short, Boolean, Int, Long, Float, Double, Currency, Date, String };

template <Kind K>
struct KindType;
template <> struct KindType<Kind::Short> { using Get = int16_t; using Set = int16_t; };
template <> struct KindType<Kind::Boolean> { using Get = int32_t; using Set = int32_t; };
template <> struct KindType<Kind::Int> { using Get = int32_t; using Set = int32_t; };
template <> struct KindType<Kind::Long> { using Get = int64_t; using Set = int64_t; };
template <> struct KindType<Kind::Float> { using Get = float; using Set = float; };
template <> struct KindType<Kind::Double> { using Get = double; using Set = double; };
template <> struct KindType<Kind::Currency> { using Get = double; using Set = double; };
template <> struct KindType<Kind::Date> { using Get = double; using Set = double; };
template <> struct KindType<Kind::String> { using Get = Str; using Set = const Str&; };

template <Kind K>
using GetT = typename KindType<K>::Get;
template <Kind K>
using SetT = typename KindType<K>::Set;

// Reads the property at `path` as K.  `owner` names the builtin a currency
// read reports as (currency has no com_object_* builtin of its own).
template <Kind K>
GetT<K> get_as(Runtime& rt, std::u16string_view owner, IntRef obj, const Str& path) {
  if constexpr (K == Kind::Short) return com_object_get_short(rt, obj, path);
  else if constexpr (K == Kind::Boolean) return com_object_get_boolean(rt, obj, path);
  else if constexpr (K == Kind::Int) return com_object_get_int(rt, obj, path);
  else if constexpr (K == Kind::Long) return com_object_get_long(rt, obj, path);
  else if constexpr (K == Kind::Float) return com_object_get_float(rt, obj, path);
  else if constexpr (K == Kind::Double) return com_object_get_double(rt, obj, path);
  else if constexpr (K == Kind::Currency) return read_currency(rt, owner, obj, path);
  else if constexpr (K == Kind::Date) return com_object_get_date(rt, obj, path);
  else return com_object_get_string(rt, obj, path);
}

template <Kind K>
void set_as(Runtime& rt, std::u16string_view owner, IntRef obj, const Str& path, SetT<K> v) {
  if constexpr (K == Kind::Short) com_object_set_short(rt, obj, path, v);
  else if constexpr (K == Kind::Boolean) com_object_set_boolean(rt, obj, path, v);
  else if constexpr (K == Kind::Int) com_object_set_int(rt, obj, path, v);
  else if constexpr (K == Kind::Long) com_object_set_long(rt, obj, path, v);
  else if constexpr (K == Kind::Float) com_object_set_float(rt, obj, path, v);
  else if constexpr (K == Kind::Double) com_object_set_double(rt, obj, path, v);
  else if constexpr (K == Kind::Currency) write_currency(rt, owner, obj, path, v);
  else if constexpr (K == Kind::Date) com_object_set_date(rt, obj, path, v);
  else com_object_set_string(rt, obj, path, v);
}

// An object handed to the script for the length of one builtin's work (so
// that the com_object_* builtins accept it), released when it goes.
class HeldObject {
 public:
  HeldObject(Runtime& rt, void* object) : rt_(rt), handle_(hand_out_object(rt, object)) {}
  // Takes over a handle already handed out (by com_object_get_object).
  struct Adopt {};
  HeldObject(Runtime& rt, int32_t handle, Adopt) : rt_(rt), handle_(handle) {}
  ~HeldObject() { com_object_free(rt_, ref()); }
  HeldObject(const HeldObject&) = delete;
  HeldObject& operator=(const HeldObject&) = delete;
  IntRef ref() { return IntRef{&handle_}; }
  int32_t handle() const { return handle_; }

 private:
  Runtime& rt_;
  int32_t handle_;
};

inline int32_t handle_of(IntRef obj) { return *static_cast<int32_t*>(obj.addr); }

}  // namespace quorin::com
