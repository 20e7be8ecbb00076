// Registry entries for builtins that need COM: without it the signatures are
// registered all the same, so that scripts check, and calling one ends the
// run with a runtime error.
#pragma once
#include "builtins/com/variant_text.h"
#include "runtime/native.h"

namespace quorin::com {

inline Payload unavailable_here(Runtime& rt, const CallRecord& c) {
  rt.fail(windows_only_message(c.entry ? c.entry->name : c.name.c_str()));
}

template <class F>
constexpr BuiltinEntry unavailable(const char16_t* name) {
  using Sig = native::Signature<F*>;
  BuiltinEntry e{};
  e.name = name;
  e.invoke = &unavailable_here;
  native::fill_codes(e, static_cast<typename Sig::Params*>(nullptr));
  e.ret = native::Result<typename Sig::Ret>::code;
  return e;
}

}  // namespace quorin::com
