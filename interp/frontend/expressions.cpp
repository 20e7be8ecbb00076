// Arithmetic expressions, comparisons, conditions and call arguments.
#include "frontend/compiler.h"
#include "runtime/operators.h"
#include "runtime/routines.h"
#include "support/format.h"

namespace quorin {

namespace {

struct BinaryOp {
  OpCode op;
  int level;
  int length;
};

// The binary operator at p, if any (`&&`, `||` and comparisons are not).
bool peek_binary(const char16_t* p, BinaryOp& out) {
  switch (p[0]) {
    case u'*':
      out = {OpCode::Mul, 3, 1};
      return true;
    case u'/':
      out = {OpCode::Div, 3, 1};
      return true;
    case u'%':
      out = {OpCode::Mod, 3, 1};
      return true;
    case u'+':
      out = {OpCode::Add, 4, 1};
      return true;
    case u'-':
      out = {OpCode::Sub, 4, 1};
      return true;
    case u'<':
      if (p[1] == u'<') {
        out = {OpCode::Shl, 5, 2};
        return true;
      }
      return false;
    case u'>':
      if (p[1] == u'>') {
        out = {OpCode::Shr, 5, 2};
        return true;
      }
      return false;
    case u'&':
      if (p[1] == u'&') return false;
      out = {OpCode::And, 8, 1};
      return true;
    case u'^':
      out = {OpCode::Xor, 9, 1};
      return true;
    case u'|':
      if (p[1] == u'|') return false;
      out = {OpCode::Or, 10, 1};
      return true;
    default:
      return false;
  }
}

bool word_then_blank(const char16_t* p, std::u16string_view w) {
  for (char16_t c : w)
    if (*p++ != c) return false;
  return *p == u' ' || *p == u'\t';
}

}  // namespace

bool Compiler::at_expression_end() const {
  const char16_t* p = p_;
  switch (*p) {
    case 0:
    case u'\n':
    case u'\r':
    case u',':
    case u')':
    case u']':
    case u'}':
    case u'=':
    case u'!':
      return true;
    case u'<':
    case u'>':
      return p[1] != p[0];  // `<<` and `>>` are shifts
    case u'&':
      return p[1] == u'&';
    case u'|':
      return p[1] == u'|';
    default:
      return word_then_blank(p, u"to") || word_then_blank(p, u"step");
  }
}

Operand* Compiler::make_constant(TypeCode type, Payload value) {
  Operand* op = prog_.make<Operand>();
  op->kind = static_cast<OperandKind>(type);
  op->type = type;
  op->k = value;
  op->eval = eval_constant;
  return op;
}

Operand* Compiler::make_string_constant(std::u16string_view text) {
  Operand* op = make_constant(tc::String, make_str(str_new(text)));
  prog_.make<Str>(Str::adopt(op->k.str));  // the program owns the text
  return op;
}

Operand* Compiler::make_variable(VariableRecord* var, std::vector<Operand*> indices) {
  VarRef* ref = prog_.make<VarRef>();
  ref->var = var;
  ref->indices = std::move(indices);
  if (fn_ && var->scope == Scope::Global) {
    // Reads the function's local of the same name once that exists.
    if (auto* local = fn_->locals.find(std::u16string_view(var->name))) {
      ref->shadowed_global = var;
      ref->var = *local;
    }
  } else if (fn_ && var->scope == Scope::Local) {
    if (auto* global = prog_.globals.find(std::u16string_view(var->name))) ref->shadowed_global = *global;
  }
  Operand* op = prog_.make<Operand>();
  op->kind = OperandKind::Variable;
  op->var = ref;
  const VariableRecord* v = ref->var;
  if (v->type == tc::Array) {
    op->type = ref->indices.empty() ? tc::Array : v->array->elem;
  } else {
    op->type = v->type;
    op->elem = v->elem;
    op->key = v->key;
    op->val = v->val;
  }
  bind_variable_reader(*op);
  if (fn_ && ref->var->scope == Scope::Global) fn_global_uses_.push_back(op);
  for (const Operand* i : ref->indices)
    if (!raise_height(op, i)) return nullptr;
  return op;
}

Compiler::Nesting::Nesting(Compiler& c, bool statements)
    : depth_(statements ? c.statement_nesting_ : c.nesting_), ok_(++depth_ <= kMaxNesting) {
  if (!ok_ && depth_ == kMaxNesting + 1) c.nesting_error(statements);
}

void Compiler::nesting_error(bool statements) {
  if (stopped()) return;
  stop_error(format16(statements ? u"语句嵌套层次太深 (超过 %d 层)" : u"表达式嵌套层次太深 (超过 %d 层)", kMaxNesting));
  skip_line(p_, line_);
}

bool Compiler::raise_height(Operand* op, const Operand* child) {
  if (!child || child->height < op->height) return true;
  if (child->height + 1 > kMaxNesting) {
    nesting_error(false);
    return false;
  }
  op->height = static_cast<uint16_t>(child->height + 1);
  return true;
}

Operand* Compiler::make_binary(OpCode code, Operand* l, Operand* r) {
  Operand* op = prog_.make<Operand>();
  op->kind = OperandKind::Expr;
  ExprNode* node = prog_.make<ExprNode>();
  node->left = l;
  node->right = r;
  node->op = code;
  op->expr = node;
  op->type = tc::None;
  if (is_value_type(l->type) && is_value_type(r->type)) {
    if (const OperatorRow* row = find_operator(code, l->type, r->type)) {
      node->resolved = true;
      node->result = row->result;
      op->type = row->result;
      op->eval = row->handler;
      if (EvalFn direct = direct_operator(*op, fn_ != nullptr)) op->eval = direct;
    }
  }
  if (!raise_height(op, l) || !raise_height(op, r)) return nullptr;
  return op;
}

Operand* Compiler::convert(Operand* op, TypeCode to) {
  if (op->type == to || !is_numeric(op->type) || !is_numeric(to)) return op;
  Operand* c = prog_.make<Operand>();
  c->kind = OperandKind::Expr;
  c->type = to;
  c->inner = op;
  c->eval = numeric_conversion(op->type, to);
  c->height = op->height;  // one level more at most, and never a chain of them
  return c;
}

VariableRecord* Compiler::find_variable(std::u16string_view name) {
  if (fn_)
    if (auto* v = fn_->locals.find(name)) return *v;
  if (auto* v = prog_.globals.find(name)) return *v;
  return nullptr;
}

bool Compiler::is_callable(std::u16string_view name) {
  if (fn_ && fn_->local_callables.find(name)) return true;
  return prog_.global_callables.find(name) || reg_.overloads(name) || prog_.functions.find(name);
}

Operand* Compiler::parse_expression() { return parse_binary(10); }

Operand* Compiler::parse_binary(int max_level) {
  Operand* left = parse_unary();
  if (!left) return nullptr;
  for (;;) {
    skip_blanks(p_);
    if (at_expression_end()) return left;
    BinaryOp bop;
    if (!peek_binary(p_, bop)) {
      stop_error(format16(u"语法错误 '%c'", *p_));
      skip_line(p_, line_);
      return nullptr;
    }
    if (bop.level > max_level) return left;
    p_ += bop.length;
    Operand* right = parse_binary(bop.level - 1);
    if (!right) return nullptr;
    left = make_binary(bop.op, left, right);
    if (!left) return nullptr;
  }
}

Operand* Compiler::parse_unary() {
  Nesting level(*this, false);
  if (!level) return nullptr;
  skip_blanks(p_);
  if (*p_ == u'-' || *p_ == u'~') {
    OpCode code = *p_ == u'-' ? OpCode::Neg : OpCode::Not;
    ++p_;
    Operand* inner = parse_unary();
    if (!inner) return nullptr;
    Payload zero = make_int(0);
    return make_binary(code, make_constant(tc::Int, zero), inner);
  }
  return parse_operand();
}

Operand* Compiler::parse_operand() {
  skip_blanks(p_);
  char16_t c = *p_;
  if (is_digit(c) || c == u'\'' || c == u'"') {
    Literal lit = is_digit(c) ? read_number(p_) : c == u'\'' ? read_char_literal(p_) : read_string_literal(p_);
    if (!lit.error.empty()) {
      stop_error(lit.error);
      skip_line(p_, line_);
      return nullptr;
    }
    if (lit.type == tc::String) return make_string_constant(lit.text);
    return make_constant(lit.type, lit.value);
  }
  if (is_ascii_letter(c)) {
    std::u16string_view name = peek_name(p_);
    p_ += name.size();
    return parse_name_operand(name);
  }
  if (c == u'(') {
    ++p_;
    Operand* inner = parse_expression();
    if (!inner) return nullptr;
    skip_blanks(p_);
    if (*p_ != u')') {
      stop_error(u"语法错误, 缺少 ')'");
      skip_line(p_, line_);
      return nullptr;
    }
    ++p_;
    return inner;
  }
  if (c == 0 || c == u'\n' || c == u'\r') {
    stop_error(u"缺少操作数");
  } else {
    stop_error(format16(u"语法错误 '%c'", c));
  }
  skip_line(p_, line_);
  return nullptr;
}

Operand* Compiler::parse_name_operand(std::u16string_view name) {
  if (is_callable(name)) return parse_call(name);
  NameKind kind = reg_.reserved(name);
  if (kind == NameKind::Constant) {
    const ConstantEntry* c = reg_.constant(name);
    if (c->type == tc::String) return make_string_constant(c->string_value);
    if (c->type == tc::Double) return make_constant(tc::Double, make_double(c->double_value));
    return make_constant(tc::Int, make_int(c->int_value));
  }
  if (kind != NameKind::None) {
    stop_error(format16(u"变量名 '%.200s' 与%s冲突", name, name_kind_word(kind)));
    skip_line(p_, line_);
    return nullptr;
  }
  VariableRecord* var = find_variable(name);
  if (!var) {
    stop_error(format16(u"'%.200s' 未定义", name));
    skip_line(p_, line_);
    return nullptr;
  }
  std::vector<Operand*> indices;
  if (!parse_variable_indices(var, indices, true)) return nullptr;
  return make_variable(var, std::move(indices));
}

bool Compiler::parse_variable_indices(VariableRecord* var, std::vector<Operand*>& out, bool stop) {
  skip_blanks(p_);
  if (*p_ != u'[') return true;
  auto fail = [&](std::u16string text) {
    if (stop)
      stop_error(std::move(text));
    else
      error(std::move(text));
    skip_line(p_, line_);
    return false;
  };
  if (var->type != tc::Array) return fail(format16(u"变量 '%.200s' 不是一个数组", var->name));
  if (!parse_indices(var->name, out, 3)) return false;
  if (static_cast<int>(out.size()) != var->array->dims)
    return fail(format16(u"'%.200s' 数组变量的维数不符合定义", var->name));
  return true;
}

bool Compiler::parse_indices(const std::u16string& name, std::vector<Operand*>& out, int max) {
  for (;;) {
    skip_blanks(p_);
    if (*p_ != u'[') return true;
    if (static_cast<int>(out.size()) == max) {
      stop_error(format16(u"数组变量 '%.200s' 定义的维数大于支持的数组最大维数: 3维", name));
      skip_line(p_, line_);
      return false;
    }
    ++p_;
    Operand* idx = parse_expression();
    if (!idx) return false;
    if (idx->type == tc::Long) {
      stop_error(format16(u"数组变量 '%.200s' 定义的元素数量或索引[...]不支持 long 类型", name));
      skip_line(p_, line_);
      return false;
    }
    if (!is_value_type(idx->type)) {
      stop_error(format16(u"数组变量 '%.200s' 定义中[]的表达式数据类型错误", name));
      skip_line(p_, line_);
      return false;
    }
    if (!is_int_class(idx->type)) {
      stop_error(format16(u"数组变量 '%.200s' 定义的元素数量或索引[...]不是一个整数", name));
      skip_line(p_, line_);
      return false;
    }
    skip_blanks(p_);
    if (*p_ != u']') {
      stop_error(format16(u"数组变量 '%.200s' 缺少 ']'", name));
      skip_line(p_, line_);
      return false;
    }
    ++p_;
    out.push_back(idx);
  }
}

bool Compiler::parse_arguments(std::u16string_view name, std::vector<Operand*>& args) {
  skip_blanks(p_);
  if (*p_ != u'(') {
    error(format16(u"'%.200s' 函数缺少 '('", name));
    skip_line(p_, line_);
    return false;
  }
  ++p_;
  skip_blanks(p_);
  if (*p_ == u')') {
    ++p_;
    return true;
  }
  for (;;) {
    Operand* a = parse_expression();
    if (!a) return false;
    args.push_back(a);
    skip_blanks(p_);
    if (*p_ == u',') {
      ++p_;
      continue;
    }
    if (*p_ == u')') {
      ++p_;
      return true;
    }
    error(format16(u"'%.200s' 函数缺少 ')'", name));
    skip_line(p_, line_);
    return false;
  }
}

CallRecord* Compiler::build_call(std::u16string_view name, std::vector<Operand*> args) {
  std::vector<const BuiltinEntry*> single;
  const std::vector<const BuiltinEntry*>* overloads = nullptr;
  VariableRecord* pointer = nullptr;
  ScriptFunction* function = nullptr;
  if (fn_)
    if (auto* v = fn_->local_callables.find(name)) pointer = *v;
  if (!pointer)
    if (auto* v = prog_.global_callables.find(name)) pointer = *v;
  if (pointer) {
    single.push_back(pointer->signature);
    overloads = &single;
  } else if ((overloads = reg_.overloads(name)) == nullptr) {
    if (auto* f = prog_.functions.find(name)) {
      function = *f;
      single.push_back(&function->signature);
      overloads = &single;
    }
  }
  if (!overloads) return nullptr;
  // An operator without a row for its operand types leaves the argument
  // untyped: the call reports it.
  for (const Operand* a : args)
    if (a->kind == OperandKind::Expr && !a->eval) {
      error(format16(u"'%.200s' 表达式数据类型错误", name));
      return nullptr;
    }
  std::vector<ArgInfo> infos;
  infos.reserve(args.size());
  for (Operand* a : args) infos.push_back(describe_argument(*a));
  Resolution r = resolve_call(*overloads, infos);
  if (!r.entry) {
    error(call_error_text(name, r));
    return nullptr;
  }
  const BuiltinEntry& e = *r.entry;
  CallRecord* call = prog_.make<CallRecord>();
  call->name = std::u16string(name);
  call->entry = pointer ? nullptr : &e;
  call->marker = e.marker;
  call->reserved = e.reserved;
  type_call_result(e, infos, call->ret, call->elem, call->elem2);
  for (size_t i = 0; i < args.size(); ++i) {
    TypeCode p = e.args[i];
    call->args.push_back(is_numeric(p) ? convert(args[i], p) : args[i]);
  }
  if (pointer) {
    call->pointer = pointer;
    call->invoke = invoke_function_pointer;
  } else if (function) {
    call->function = function;
    call->invoke = invoke_script_function;
  } else {
    call->invoke = e.invoke;
  }
  return call;
}

Operand* Compiler::parse_call(std::u16string_view name) {
  call_failed_ = false;
  std::vector<Operand*> args;
  if (!parse_arguments(name, args)) {
    call_failed_ = true;
    return nullptr;
  }
  CallRecord* call = build_call(name, std::move(args));
  if (!call) {
    call_failed_ = true;
    skip_line(p_, line_);
    return nullptr;
  }
  Operand* op = prog_.make<Operand>();
  op->kind = OperandKind::Call;
  op->call = call;
  op->type = call->ret;
  if (call->ret == tc::HashMap) {
    // Builtins never return maps; keep the header consistent all the same.
    op->key = call->elem;
    op->val = call->elem2;
  } else {
    op->elem = call->elem;
  }
  op->eval = eval_call;
  for (const Operand* a : call->args)
    if (!raise_height(op, a)) return nullptr;
  return op;
}

// ---- comparisons and conditions ----

CompareNode* Compiler::parse_comparison() {
  Operand* left = parse_expression();
  if (!left) return nullptr;
  skip_blanks(p_);
  CmpOp op;
  const char16_t* p = p_;
  if (p[0] == u'>' && p[1] == u'=') {
    op = CmpOp::Ge;
    p_ += 2;
  } else if (p[0] == u'<' && p[1] == u'=') {
    op = CmpOp::Le;
    p_ += 2;
  } else if (p[0] == u'=' && p[1] == u'=') {
    op = CmpOp::Eq;
    p_ += 2;
  } else if (p[0] == u'!' && p[1] == u'=') {
    op = CmpOp::Ne;
    p_ += 2;
  } else if (p[0] == u'>') {
    op = CmpOp::Gt;
    ++p_;
  } else if (p[0] == u'<') {
    op = CmpOp::Lt;
    ++p_;
  } else {
    error(u"比较表达式语法错误");
    skip_line(p_, line_);
    return nullptr;
  }
  skip_blanks(p_);
  if (*p_ == 0 || *p_ == u'\n' || *p_ == u'\r') {
    error(u"比较表达式语法错误");
    skip_line(p_, line_);
    return nullptr;
  }
  Operand* right = parse_expression();
  if (!right) return nullptr;
  skip_blanks(p_);
  if (!(*p_ == 0 || *p_ == u'\n' || *p_ == u'&' || *p_ == u'|' || *p_ == u')')) {
    error(u"比较表达式语法错误");
    skip_line(p_, line_);
    return nullptr;
  }
  CompareNode* node = prog_.make<CompareNode>();
  node->left = left;
  node->right = right;
  node->op = op;
  return node;
}

ConditionNode* Compiler::parse_condition() {
  condition_nodes_ = 0;
  ConditionNode* c = parse_condition_or();
  return c;
}

ConditionNode* Compiler::parse_condition_or() {
  ConditionNode* left = parse_condition_and();
  if (!left) return nullptr;
  for (;;) {
    skip_blanks(p_);
    if (!(p_[0] == u'|' && p_[1] == u'|')) return left;
    p_ += 2;
    ConditionNode* right = parse_condition_and();
    if (!right) return nullptr;
    if (++condition_nodes_ > kMaxNesting) {
      nesting_error(false);
      return nullptr;
    }
    ConditionNode* node = prog_.make<ConditionNode>();
    node->left = {1, left};
    node->right = {1, right};
    node->conn = Connective::Or;
    left = node;
  }
}

ConditionNode* Compiler::parse_condition_and() {
  ConditionNode* left = parse_condition_term();
  if (!left) return nullptr;
  for (;;) {
    skip_blanks(p_);
    if (!(p_[0] == u'&' && p_[1] == u'&')) return left;
    p_ += 2;
    ConditionNode* right = parse_condition_term();
    if (!right) return nullptr;
    if (++condition_nodes_ > kMaxNesting) {
      nesting_error(false);
      return nullptr;
    }
    ConditionNode* node = prog_.make<ConditionNode>();
    node->left = {1, left};
    node->right = {1, right};
    node->conn = Connective::And;
    left = node;
  }
}

ConditionNode* Compiler::parse_condition_term() {
  Nesting level(*this, false);
  if (!level) return nullptr;
  skip_blanks(p_);
  ConditionNode* term = nullptr;
  if (*p_ == u'(' && has_comparison_ahead(p_, true)) {
    ++p_;
    term = parse_condition_or();
    if (!term) return nullptr;
    skip_blanks(p_);
    if (*p_ != u')') {
      error(u"语法错误, 缺少 ')'");
      skip_line(p_, line_);
      return nullptr;
    }
    ++p_;
  } else {
    CompareNode* cmp = parse_comparison();
    if (!cmp) return nullptr;
    term = prog_.make<ConditionNode>();
    term->left = {0, cmp};
  }
  skip_blanks(p_);
  char16_t c = *p_;
  if (c == 0 || c == u'\n' || c == u')') return term;
  if ((c == u'&' && p_[1] == u'&') || (c == u'|' && p_[1] == u'|')) return term;
  error(u"逻辑表达式语法错误");
  skip_line(p_, line_);
  return nullptr;
}

bool Compiler::type_condition(ConditionNode* c) {
  auto leaf = [&](ConditionNode::Child& ch) -> bool {
    if (!ch.ptr) return true;
    if (ch.tag == 1) return type_condition(static_cast<ConditionNode*>(ch.ptr));
    auto* cmp = static_cast<CompareNode*>(ch.ptr);
    if (!is_value_type(cmp->left->type) || !is_value_type(cmp->right->type)) return false;
    cmp->handler = find_comparison(cmp->op, cmp->left->type, cmp->right->type);
    if (!cmp->handler) return false;
    if (CompareFn direct = direct_comparison(*cmp, fn_ != nullptr)) cmp->handler = direct;
    return true;
  };
  bool l = leaf(c->left);
  bool r = leaf(c->right);
  return l && r;
}

}  // namespace quorin
