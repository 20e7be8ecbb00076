// Property access for the builtin families built on this one (spreadsheets,
// databases): the same path resolution, checks and messages as the com_*
// builtins, for reads and writes that are not builtins themselves.
// Implemented on Windows only.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "builtins/com/com_builtins.h"
#include "builtins/com/variant_text.h"

namespace quorin::com {

// Reads the property at the end of `path`; errors name `builtin`.
VariantData read_property(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path);
// The currency read: as the double read, except that a date gives 0.
double read_currency(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path);
// Writes a double as VT_CY (the system's double-to-currency conversion).
void write_currency(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path, double value);
// Hands the script an object the caller holds one reference to (given over
// with the call): the handle, registered so that the com_* builtins accept it.
int32_t hand_out_object(Runtime& rt, void* dispatch);

// The IDispatch behind a script handle: 0 and handles this run never handed
// out end the run (the zero-handle and unknown-handle messages, naming
// `builtin`).
void* checked_dispatch(Runtime& rt, std::u16string_view builtin, int32_t handle);

// One argument of a member call.
struct CallArg {
  enum class Kind : uint8_t { Int, Text, Null, Object };
  Kind kind = Kind::Int;
  int32_t i = 0;
  std::u16string_view text;
  void* object = nullptr;  // an IDispatch, passed without an added reference
  static CallArg of(int32_t v) { return {Kind::Int, v, {}, nullptr}; }
  static CallArg of(std::u16string_view t) { return {Kind::Text, 0, t, nullptr}; }
  static CallArg null() { return {Kind::Null, 0, {}, nullptr}; }
  static CallArg of_object(void* d) { return {Kind::Object, 0, {}, d}; }
};

// What a member call gave.  On failure `hr` is the HRESULT (also left as the
// thread's last error) and `found` tells whether the member's name was known.
struct CallResult {
  int32_t hr = 0;
  bool found = true;
  uint16_t type = 0;          // the result's variant type
  int32_t number = 0;         // the result as an int, when it converts
  void* object = nullptr;     // an object result: one reference, the caller's
  bool ok() const { return hr >= 0; }
};

// Flags of IDispatch::Invoke.
inline constexpr uint16_t kMethod = 1, kPropertyGet = 2;

// Looks `member` up (GetIDsOfNames, locale 2048) and invokes it with `flags`
// and `args`, given in the script's order (they are passed last first).
CallResult call_member(void* object, std::u16string_view member, std::span<const CallArg> args, uint16_t flags);
void release_object(void* object);

}  // namespace quorin::com
