// The builtin registry, predefined constants and reserved names, and the
// overload matcher shared by builtins, script functions and function-pointer
// signatures.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/program_model.h"
#include "support/chain_map.h"

namespace quorin {

// A family's contribution to the registry.
struct BuiltinTable {
  const BuiltinEntry* entries;
  size_t count;
};

struct ConstantEntry {
  const char16_t* name;
  TypeCode type;  // 4 int, 7 double, 8 string
  int32_t int_value;
  double double_value;
  const char16_t* string_value;
};

enum class NameKind : int32_t {
  None = 0,
  Keyword = 1,
  ReservedWord = 2,
  Builtin = 3,
  Function = 4,
  Constant = 5,
};
// The word used in conflict messages ("关键词", "保留关键词", …).
std::u16string_view name_kind_word(NameKind k);

// Every family's table, in registry order.
std::span<const BuiltinTable> builtin_tables();
std::span<const ConstantEntry> constant_table();

// The words the language keeps for itself, as the reserved-name table holds
// them: the type and statement words (kind 1) and the words reserved without
// a meaning (kind 2).  Declarations are tested against exactly these.
std::span<const char16_t* const> keyword_words();
std::span<const char16_t* const> reserved_words();

// Names that more than one table defines, each with the indices of the
// first two tables defining it.  A builtin's overloads all come from one
// family's table; a name in two tables is two families colliding by accident.
struct NameClash {
  std::u16string name;
  size_t first_table, second_table;
};
std::vector<NameClash> builtin_name_clashes(std::span<const BuiltinTable> tables);

class Registry {
 public:
  // Built once per process on first use; read-only afterwards.  A name
  // defined by two families ends the program with a message naming it.
  static const Registry& get();

  // Overloads of a builtin in table order, or null.
  const std::vector<const BuiltinEntry*>* overloads(std::u16string_view name) const;
  // The entry whose invoker is `fn`, or null.
  const BuiltinEntry* by_invoker(InvokeFn fn) const;
  NameKind reserved(std::u16string_view name) const;
  const ConstantEntry* constant(std::u16string_view name) const;
  size_t entry_count() const { return entry_count_; }
  size_t name_count() const { return by_name_.size(); }

 private:
  Registry();
  struct InvokerHash {
    uint32_t operator()(InvokeFn f) const {
      uint64_t v = reinterpret_cast<uintptr_t>(f);
      return static_cast<uint32_t>(v ^ (v >> 32));
    }
  };
  struct InvokerEq {
    bool operator()(InvokeFn a, InvokeFn b) const { return a == b; }
  };
  NameMap<std::vector<const BuiltinEntry*>> by_name_{8192};
  ChainMap<InvokeFn, const BuiltinEntry*, InvokerHash, InvokerEq> by_invoker_{8192};
  NameMap<NameKind> reserved_{8192};
  NameMap<const ConstantEntry*> constants_{8192};
  size_t entry_count_ = 0;
};

// ---- overload resolution ----

// What the matcher needs to know about one compiled argument.
struct ArgInfo {
  TypeCode type = tc::None;  // value type; tc::Array for an array named without indices
  OperandKind kind = OperandKind::None;
  bool is_variable = false;        // a plain variable (kind 15), possibly indexed
  bool indexed = false;            // an indexed array element
  TypeCode declared = tc::None;    // the variable's declared type (tc::Array for arrays)
  TypeCode array_elem = tc::None;  // element type of an array variable
  uint16_t elem = 0, key = 0, val = 0;  // collection element types
  bool is_call = false;
};

ArgInfo describe_argument(const Operand& op);

struct Resolution {
  const BuiltinEntry* entry = nullptr;
  int error = 0;     // 0 ok, 2 count, 3 types
  int arg_no = 0;    // 1-based failing argument for error 3 (0 when overloaded)
};

Resolution resolve_call(std::span<const BuiltinEntry* const> overloads,
                        std::span<const ArgInfo> args);

// The implicit-conversion tables.
bool argument_convertible(TypeCode param, TypeCode arg);  // 50 pairs
bool assignable(TypeCode target, TypeCode source);        // 52 pairs
size_t argument_conversion_pairs();
size_t assignment_pairs();

// Call error texts (the name cut to 200 units).
std::u16string call_error_text(std::u16string_view name, const Resolution& r);
std::u16string generic_argument_error(std::u16string_view name, int arg_no);

// Result typing: substitutes generic return and element codes from the first
// argument's collection.
void type_call_result(const BuiltinEntry& e, std::span<const ArgInfo> args, TypeCode& ret,
                      uint16_t& elem, uint16_t& elem2);

}  // namespace quorin
