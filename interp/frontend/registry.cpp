#include "frontend/registry.h"

#include <cstdio>
#include <cstdlib>

#include "support/format.h"

namespace quorin {

std::u16string_view name_kind_word(NameKind k) {
  switch (k) {
    case NameKind::Keyword:
      return u"关键词";
    case NameKind::ReservedWord:
      return u"保留关键词";
    case NameKind::Builtin:
      return u"内置函数名";
    case NameKind::Function:
      return u"函数名";
    case NameKind::Constant:
      return u"常量名";
    default:
      return u"";
  }
}

namespace {
constexpr const char16_t* kKeywords[] = {
    u"byte",  u"char",   u"short", u"int",     u"long",      u"float",      u"double",  u"string",
    u"void",  u"ArrayList", u"LinkedList", u"HashMap", u"Iterator", u"Bmp", u"if",     u"elseif",
    u"else",  u"endif",  u"loop",  u"continue", u"break",    u"endloop",    u"for",     u"to",
    u"step",  u"in",     u"next",  u"func",    u"endfunc",   u"return",     u"goto",    u"include",
};
constexpr const char16_t* kReservedWords[] = {u"bool", u"boolean", u"true", u"false", u"null", u"import", u"new"};
}  // namespace

std::span<const char16_t* const> keyword_words() { return kKeywords; }
std::span<const char16_t* const> reserved_words() { return kReservedWords; }

const Registry& Registry::get() {
  static const Registry instance;
  return instance;
}

std::vector<NameClash> builtin_name_clashes(std::span<const BuiltinTable> tables) {
  NameMap<size_t> owner{8192};
  std::vector<NameClash> clashes;
  for (size_t t = 0; t < tables.size(); ++t) {
    for (size_t i = 0; i < tables[t].count; ++i) {
      const char16_t* name = tables[t].entries[i].name;
      auto [entry, fresh] = owner.insert(name, t);
      if (fresh || entry->value == t) continue;
      bool known = false;
      for (const NameClash& c : clashes) known = known || c.name == name;
      if (!known) clashes.push_back(NameClash{name, entry->value, t});
    }
  }
  return clashes;
}

Registry::Registry() {
  std::vector<NameClash> clashes = builtin_name_clashes(builtin_tables());
  if (!clashes.empty()) {
    // A build error in all but name: no script can be compiled against it.
    for (const NameClash& c : clashes)
      std::fprintf(stderr, "builtin registry: '%s' is defined by two families (tables %zu and %zu)\n",
                   to_utf8(c.name).c_str(), c.first_table, c.second_table);
    std::abort();
  }
  for (const BuiltinTable& t : builtin_tables()) {
    for (size_t i = 0; i < t.count; ++i) {
      const BuiltinEntry* e = &t.entries[i];
      auto [entry, fresh] = by_name_.insert(e->name, {});
      entry->value.push_back(e);
      by_invoker_.insert(e->invoke, e);
      ++entry_count_;
    }
  }
  by_name_.for_each([&](auto& e) { reserved_.insert(e.key, NameKind::Builtin); });
  for (const ConstantEntry& c : constant_table()) {
    constants_.insert(c.name, &c);
    reserved_.insert(c.name, NameKind::Constant);
  }
  for (const char16_t* w : kKeywords) reserved_.insert(w, NameKind::Keyword);
  for (const char16_t* w : kReservedWords) reserved_.insert(w, NameKind::ReservedWord);
}

const std::vector<const BuiltinEntry*>* Registry::overloads(std::u16string_view name) const {
  return by_name_.find(name);
}

const BuiltinEntry* Registry::by_invoker(InvokeFn fn) const {
  auto* p = by_invoker_.find(fn);
  return p ? *p : nullptr;
}

NameKind Registry::reserved(std::u16string_view name) const {
  auto* p = reserved_.find(name);
  return p ? *p : NameKind::None;
}

const ConstantEntry* Registry::constant(std::u16string_view name) const {
  auto* p = constants_.find(name);
  return p ? *p : nullptr;
}

// ---- conversion tables ----

bool argument_convertible(TypeCode param, TypeCode arg) {
  if (is_numeric(param) && is_numeric(arg)) return param != arg;
  return is_int_var_param(param) && arg == tc::Int + tc::RefBase;
}

bool assignable(TypeCode target, TypeCode source) {
  if (is_numeric(target) && is_numeric(source)) return true;
  return target == source && (target == tc::String || target == tc::Bmp || target == tc::FuncPtr);
}

size_t argument_conversion_pairs() {
  size_t n = 0;
  for (TypeCode p = -1; p <= 60; ++p)
    for (TypeCode a = -1; a <= 60; ++a) n += argument_convertible(p, a);
  return n;
}

size_t assignment_pairs() {
  size_t n = 0;
  for (TypeCode t = -1; t <= 60; ++t)
    for (TypeCode s = -1; s <= 60; ++s) n += assignable(t, s);
  return n;
}

// ---- overload resolution ----

ArgInfo describe_argument(const Operand& op) {
  ArgInfo a;
  a.kind = op.kind;
  a.type = op.type;
  a.elem = op.elem;
  a.key = op.key;
  a.val = op.val;
  a.is_call = op.kind == OperandKind::Call;
  if (op.kind == OperandKind::Variable && op.var && op.var->var) {
    const VariableRecord* v = op.var->var;
    a.is_variable = true;
    a.declared = v->type;
    a.indexed = !op.var->indices.empty();
    if (v->type == tc::Array && v->array) a.array_elem = v->array->elem;
  }
  return a;
}

namespace {

TypeCode generic_of(const ArgInfo& first, TypeCode code) {
  switch (code) {
    case tc::GenericT:
      return first.type == tc::HashMap ? tc::None : first.elem;
    case tc::GenericK:
      return first.type == tc::HashMap ? first.key : tc::None;
    case tc::GenericV:
      return first.type == tc::HashMap ? first.val : tc::None;
    default:
      return tc::None;
  }
}

bool argument_fits(TypeCode p, const ArgInfo& a, const ArgInfo& first, bool loose) {
  if (p == tc::None) return is_value_type(a.type) || a.type == tc::Array || a.type == tc::None;
  if (is_by_ref(p)) {
    if (!a.is_variable) return false;
    TypeCode base = p - tc::RefBase;
    if (a.declared == tc::Array) return a.array_elem == base;
    return a.declared == base;
  }
  if (is_array_param(p)) {
    return a.is_variable && a.declared == tc::Array && !a.indexed && a.array_elem == p - tc::ArrayBase;
  }
  if (is_int_var_param(p)) return a.is_variable && !a.indexed && a.declared == tc::Int;
  if (is_generic(p)) {
    if (!is_collection(first.type)) return false;
    if (p != tc::GenericT && !first.is_variable) return false;
    TypeCode want = generic_of(first, p);
    return want != tc::None && a.type == want;
  }
  if (p == tc::CallOperand) return a.is_call;
  if (a.type == tc::Array) return false;
  if (a.type == p) return true;
  return loose && argument_convertible(p, a.type);
}

}  // namespace

Resolution resolve_call(std::span<const BuiltinEntry* const> overloads, std::span<const ArgInfo> args) {
  Resolution r;
  const size_t n = args.size();
  bool any_count = false;
  for (const BuiltinEntry* e : overloads)
    if (static_cast<size_t>(e->argc) == n) any_count = true;
  if (!any_count) {
    r.error = 2;
    return r;
  }
  static const ArgInfo kNone{};
  const ArgInfo& first = n ? args[0] : kNone;
  int failed_at = 0;
  for (int pass = 0; pass < 2; ++pass) {
    for (const BuiltinEntry* e : overloads) {
      if (static_cast<size_t>(e->argc) != n) continue;
      size_t i = 0;
      for (; i < n; ++i)
        if (!argument_fits(e->args[i], args[i], first, pass == 1)) break;
      if (i == n) {
        r.entry = e;
        return r;
      }
      failed_at = static_cast<int>(i) + 1;
    }
  }
  r.error = 3;
  r.arg_no = overloads.size() > 1 ? 0 : failed_at;
  return r;
}

std::u16string call_error_text(std::u16string_view name, const Resolution& r) {
  if (r.error == 2) return format16(u"函数 '%.200s()' 参数数量错误", name);
  if (r.arg_no > 0) return format16(u"函数 '%.200s()' 第%d个参数类型错误", name, r.arg_no);
  return format16(u"函数 '%.200s()' 参数类型错误", name);
}

std::u16string generic_argument_error(std::u16string_view name, int arg_no) {
  return format16(u"函数 '%.200s' 第%d个参数类型错误", name, arg_no);
}

void type_call_result(const BuiltinEntry& e, std::span<const ArgInfo> args, TypeCode& ret, uint16_t& elem,
                      uint16_t& elem2) {
  static const ArgInfo kNone{};
  const ArgInfo& first = args.empty() ? kNone : args[0];
  ret = e.ret;
  elem = e.elem;
  elem2 = e.elem2;
  if (is_generic(ret)) ret = generic_of(first, ret);
  if (is_generic(elem)) elem = static_cast<uint16_t>(generic_of(first, elem));
}

}  // namespace quorin
