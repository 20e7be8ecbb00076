// Typed builtins.  A builtin is an ordinary C++ function whose parameter and
// result types say what it takes and gives; `builtin<&f>(name)` derives the
// registry entry (argument and result type codes) from that signature and
// generates the invoker that evaluates the call's arguments straight into
// the parameters.  Argument conversions (3.7 → int 3 …) are compiled into the
// argument operands, so an invoker never tests a type.
//
// Parameter types and the codes they stand for:
//   uint8_t byte(1)  char16_t char(2)  int16_t short(3)  int32_t int(4)
//   int64_t long(5)  float(6)  double(7)  const Str& string(8)  BmpArg Bmp(9)
//   ListArg ArrayList(17)  LinkedArg LinkedList(18)  MapArg HashMap(19)
//   IterArg Iterator(20)  ByRef<25> int& … ByRef<30> Bmp&  ArrayArg<32..40>
//   AnyArg (0)  GenericArg<51|52|53>  CallArg (54)
// A first parameter `Runtime&` receives the run context and is not a script
// parameter.  Results: void, the scalar types, Str, ObjResult<code> for a new
// Bmp/collection/iterator reference, FuncResult for a function pointer, and
// Value for a generic result (code given to `builtin`).
#pragma once
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>

#include "frontend/program_model.h"
#include "runtime/runtime.h"

namespace quorin {

struct BmpObj;

// ---- parameter wrappers ----
struct BmpArg {
  BmpObj* bmp;  // borrowed for the duration of the call
};
template <TypeCode Code>
struct CollArg {
  // The argument's type header and object.  The invoker holds its own counted
  // reference to the object for the whole call, so evaluating a later
  // argument (which may reassign the variable) never frees it under the
  // builtin.
  Value* v;
  std::u16string_view name;    // the variable's name (empty for a call result)
  Object* obj() const { return v->v.obj; }
};
using ListArg = CollArg<tc::ArrayList>;
using LinkedArg = CollArg<tc::LinkedList>;
using MapArg = CollArg<tc::HashMap>;
using IterArg = CollArg<tc::Iterator>;

template <TypeCode Code>
struct ByRef {
  void* addr;  // storage form of type Code - 21
  const Slot* slot = nullptr;  // the variable, when it is one
};
template <TypeCode Code>
struct ArrayArg {
  ArrayObj* array;
  std::u16string_view name;
};
struct AnyArg {
  const Operand* op;
};
template <TypeCode Code>
struct GenericArg {
  const Operand* op;
};
struct CallArg {
  const Operand* op;
};

template <TypeCode Code>
struct ObjResult {
  Object* obj;  // one reference handed to the caller
};
struct FuncResult {
  FuncTarget* fn;
};

namespace native {

// Evaluates an operand of a value type into its computed form.
inline Payload eval(Runtime& rt, const Operand& op) { return op.eval(rt, op); }

// Address of a variable operand's storage (by-reference and array arguments).
void* storage_address(Runtime& rt, const Operand& op, const Slot** slot);
ArrayObj* array_argument(Runtime& rt, const Operand& op);
// Fills `held` with the argument's header and one counted reference to its
// object (a variable's object is retained; a call result is adopted).
void collection_argument(Runtime& rt, const Operand& op, Value& held);
// Releases the object reference an invoker holds.
void drop_value(Value& v);
// Generic results: an absent value reads as the type's default.
Payload generic_result(Runtime& rt, const CallRecord& c, Value v);

template <class T>
struct Param;

#define QUORIN_SCALAR_PARAM(T, CODE, EXPR)                                      \
  template <>                                                                   \
  struct Param<T> {                                                             \
    static constexpr TypeCode code = CODE;                                      \
    using Holder = T;                                                           \
    static Holder fetch(Runtime& rt, const Operand& op) {                       \
      Payload p = eval(rt, op);                                                 \
      return EXPR;                                                              \
    }                                                                           \
    static T get(Holder& h) { return h; }                                       \
  };
QUORIN_SCALAR_PARAM(uint8_t, tc::Byte, static_cast<uint8_t>(p.i))
QUORIN_SCALAR_PARAM(char16_t, tc::Char, static_cast<char16_t>(p.i))
QUORIN_SCALAR_PARAM(int16_t, tc::Short, static_cast<int16_t>(p.i))
QUORIN_SCALAR_PARAM(int32_t, tc::Int, p.i)
QUORIN_SCALAR_PARAM(int64_t, tc::Long, p.l)
QUORIN_SCALAR_PARAM(float, tc::Float, p.f)
QUORIN_SCALAR_PARAM(double, tc::Double, p.d)
#undef QUORIN_SCALAR_PARAM

template <>
struct Param<const Str&> {
  static constexpr TypeCode code = tc::String;
  using Holder = Str;
  static Holder fetch(Runtime& rt, const Operand& op) { return Str::adopt(eval(rt, op).str); }
  static const Str& get(Holder& h) { return h; }
};

struct ObjHolder {
  Object* o = nullptr;
  ObjHolder(Object* p) : o(p) {}
  ObjHolder(ObjHolder&& x) noexcept : o(std::exchange(x.o, nullptr)) {}
  ~ObjHolder() { obj_release(o); }
};
template <>
struct Param<BmpArg> {
  static constexpr TypeCode code = tc::Bmp;
  using Holder = ObjHolder;
  static Holder fetch(Runtime& rt, const Operand& op) { return ObjHolder(eval(rt, op).obj); }
  static BmpArg get(Holder& h) { return BmpArg{reinterpret_cast<BmpObj*>(h.o)}; }
};

template <TypeCode Code>
struct CollHolder {
  Value held;  // owns one reference to held.v.obj
  std::u16string_view name;
  CollHolder() = default;
  CollHolder(CollHolder&& o) noexcept : held(o.held), name(o.name) { o.held = Value{}; }
  CollHolder(const CollHolder&) = delete;
  ~CollHolder() { drop_value(held); }
};
template <TypeCode Code>
struct Param<CollArg<Code>> {
  static constexpr TypeCode code = Code;
  using Holder = CollHolder<Code>;
  static Holder fetch(Runtime& rt, const Operand& op) {
    Holder h;
    collection_argument(rt, op, h.held);
    if (op.var) h.name = op.var->var->name;
    return h;
  }
  static CollArg<Code> get(Holder& h) { return CollArg<Code>{&h.held, h.name}; }
};

template <TypeCode Code>
struct Param<ByRef<Code>> {
  static constexpr TypeCode code = Code;
  using Holder = ByRef<Code>;
  static Holder fetch(Runtime& rt, const Operand& op) {
    Holder h{nullptr, nullptr};
    h.addr = storage_address(rt, op, &h.slot);
    return h;
  }
  static ByRef<Code> get(Holder& h) { return h; }
};

template <TypeCode Code>
struct Param<ArrayArg<Code>> {
  static constexpr TypeCode code = Code;
  using Holder = ArrayArg<Code>;
  static Holder fetch(Runtime& rt, const Operand& op) {
    return Holder{array_argument(rt, op), op.var ? std::u16string_view(op.var->var->name) : std::u16string_view()};
  }
  static ArrayArg<Code> get(Holder& h) { return h; }
};

template <>
struct Param<AnyArg> {
  static constexpr TypeCode code = tc::None;
  using Holder = AnyArg;
  static Holder fetch(Runtime&, const Operand& op) { return AnyArg{&op}; }
  static AnyArg get(Holder& h) { return h; }
};
template <TypeCode Code>
struct Param<GenericArg<Code>> {
  static constexpr TypeCode code = Code;
  using Holder = GenericArg<Code>;
  static Holder fetch(Runtime&, const Operand& op) { return Holder{&op}; }
  static GenericArg<Code> get(Holder& h) { return h; }
};
template <>
struct Param<CallArg> {
  static constexpr TypeCode code = tc::CallOperand;
  using Holder = CallArg;
  static Holder fetch(Runtime&, const Operand& op) { return CallArg{&op}; }
  static CallArg get(Holder& h) { return h; }
};

// ---- results ----
template <class R>
struct Result;
template <>
struct Result<void> {
  static constexpr TypeCode code = tc::Void;
};
#define QUORIN_SCALAR_RESULT(T, CODE, SET) \
  template <>                              \
  struct Result<T> {                       \
    static constexpr TypeCode code = CODE; \
    static Payload put(T v) {              \
      Payload p;                           \
      p.bits = 0;                          \
      SET;                                 \
      return p;                            \
    }                                      \
  };
QUORIN_SCALAR_RESULT(uint8_t, tc::Byte, p.i = v)
QUORIN_SCALAR_RESULT(char16_t, tc::Char, p.i = v)
QUORIN_SCALAR_RESULT(int16_t, tc::Short, p.i = v)
QUORIN_SCALAR_RESULT(int32_t, tc::Int, p.i = v)
QUORIN_SCALAR_RESULT(int64_t, tc::Long, p.l = v)
QUORIN_SCALAR_RESULT(float, tc::Float, p.f = v)
QUORIN_SCALAR_RESULT(double, tc::Double, p.d = v)
#undef QUORIN_SCALAR_RESULT
template <>
struct Result<Str> {
  static constexpr TypeCode code = tc::String;
  static Payload put(Str v) { return make_str(v.release()); }
};
template <TypeCode Code>
struct Result<ObjResult<Code>> {
  static constexpr TypeCode code = Code;
  static Payload put(ObjResult<Code> v) { return make_obj(v.obj); }
};
template <>
struct Result<FuncResult> {
  static constexpr TypeCode code = tc::FuncPtr;
  static Payload put(FuncResult v) {
    Payload p;
    p.bits = 0;
    p.fn = v.fn;
    return p;
  }
};
template <>
struct Result<Value> {
  static constexpr TypeCode code = tc::GenericT;  // the entry states 51 or 53
};

template <class F>
struct Signature;
template <class R, class... P>
struct Signature<R (*)(P...)> {
  using Ret = R;
  static constexpr bool takes_runtime = false;
  using Params = std::tuple<P...>;
};
template <class R, class... P>
struct Signature<R (*)(Runtime&, P...)> {
  using Ret = R;
  static constexpr bool takes_runtime = true;
  using Params = std::tuple<P...>;
};

template <auto F, class Ret, class... P, size_t... I>
Payload call_impl(Runtime& rt, const CallRecord& c, std::tuple<P...>*, std::index_sequence<I...>) {
  using Sig = Signature<decltype(F)>;
  // Braced initialisation evaluates the arguments left to right.
  std::tuple<typename Param<P>::Holder...> held{Param<P>::fetch(rt, *c.args[I])...};
  auto invoke_f = [&]() -> decltype(auto) {
    if constexpr (Sig::takes_runtime)
      return F(rt, Param<P>::get(std::get<I>(held))...);
    else
      return F(Param<P>::get(std::get<I>(held))...);
  };
  if constexpr (std::is_void_v<Ret>) {
    invoke_f();
    Payload p;
    p.bits = 0;
    return p;
  } else if constexpr (std::is_same_v<Ret, Value>) {
    return generic_result(rt, c, invoke_f());
  } else {
    return Result<Ret>::put(invoke_f());
  }
}

template <auto F>
Payload invoke(Runtime& rt, const CallRecord& c) {
  using Sig = Signature<decltype(F)>;
  using Params = typename Sig::Params;
  return call_impl<F, typename Sig::Ret>(rt, c, static_cast<Params*>(nullptr),
                                         std::make_index_sequence<std::tuple_size_v<Params>>{});
}

template <class... P>
constexpr void fill_codes(BuiltinEntry& e, std::tuple<P...>*) {
  TypeCode codes[] = {Param<P>::code..., 0};
  e.argc = static_cast<int32_t>(sizeof...(P));
  for (size_t i = 0; i < sizeof...(P); ++i) e.args[i] = codes[i];
}

}  // namespace native

// The registry entry of builtin F.  `elem` is the element type of a returned
// collection or iterator; `generic_ret` the code (51 or 53) of a builtin whose
// C++ result is Value.
template <auto F>
constexpr BuiltinEntry builtin(const char16_t* name, uint16_t elem = 0, TypeCode generic_ret = 0) {
  using Sig = native::Signature<decltype(F)>;
  BuiltinEntry e{};
  e.name = name;
  e.invoke = &native::invoke<F>;
  native::fill_codes(e, static_cast<typename Sig::Params*>(nullptr));
  if constexpr (std::is_same_v<typename Sig::Ret, Value>)
    e.ret = generic_ret;
  else
    e.ret = native::Result<typename Sig::Ret>::code;
  e.elem = elem;
  return e;
}

}  // namespace quorin
