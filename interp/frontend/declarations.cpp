// Declarations of variables, arrays, collections and function pointers, and
// assignment statements.
#include "frontend/compiler.h"
#include "runtime/routines.h"
#include "support/format.h"

namespace quorin {

NameKind Compiler::reserved_kind(std::u16string_view name) const {
  NameKind kind = reg_.reserved(name);
  if (kind == NameKind::None && prog_.functions.find(name)) kind = NameKind::Function;
  return kind;
}

bool Compiler::check_new_name(std::u16string_view name) {
  if (name.size() > 63) {
    stop_error(format16(u"变量名 '%.200s' 长度不能超过 63 个字符", name));
    return false;
  }
  NameKind kind = reserved_kind(name);
  if (kind != NameKind::None) {
    stop_error(format16(u"变量名 '%.200s' 与%s冲突", name, name_kind_word(kind)));
    return false;
  }
  bool duplicate = fn_ ? fn_->locals.find(name) != nullptr : prog_.globals.find(name) != nullptr;
  if (duplicate) {
    stop_error(format16(u"变量 '%.200s' 重复定义", name));
    return false;
  }
  return true;
}

VariableRecord* Compiler::declare_variable(std::u16string_view name, TypeCode type) {
  VariableRecord* v = prog_.make<VariableRecord>();
  v->name = std::u16string(name);
  v->type = type;
  if (fn_) {
    v->scope = Scope::Local;
    v->slot = fn_->frame_size++;
    fn_->locals.insert(v->name, v);
  } else {
    v->scope = Scope::Global;
    v->slot = static_cast<int32_t>(prog_.global_list.size());
    prog_.global_list.push_back(v);
    prog_.globals.insert(v->name, v);
  }
  return v;
}

void Compiler::emit_local_definition(StatementNode*& tail, VariableRecord* var) {
  if (var->scope != Scope::Local) return;
  StatementNode* n = append(tail, exec_define_local, u"funcStackVariableDefinition");
  n->extra = var;
  n->operands.push_back(make_constant(tc::Int, make_int(var->type)));
  Operand* desc = prog_.make<Operand>();
  desc->kind = OperandKind::Misc;
  desc->misc = var;
  n->operands.push_back(desc);
  n->operands.push_back(make_string_constant(var->name));
}

void Compiler::emit_initialise(StatementNode*& tail, VariableRecord* var) {
  StatementNode* n = append(tail, exec_initialize, u"variableInitializeValue");
  n->extra = var;
  n->operands.push_back(make_string_constant(var->name));
}

void Compiler::find_string_append(Assignment& a) {
  if (!a.target->indices.empty() || a.target->var->type == tc::Array) return;
  std::vector<Operand*> pieces;
  Operand* op = a.value;
  while (op->kind == OperandKind::Expr && op->expr && op->expr->resolved && op->expr->op == OpCode::Add &&
         op->type == tc::String && op->expr->left->type == tc::String) {
    pieces.push_back(op->expr->right);
    op = op->expr->left;
  }
  if (pieces.empty() || op->kind != OperandKind::Variable || op->var->var != a.target->var ||
      !op->var->indices.empty())
    return;
  // The pieces joined on their own give the same text as joined one by one
  // onto the target's.
  Operand* tail = pieces.back();
  if (tail->type != tc::String) tail = make_binary(OpCode::Add, make_constant(tc::String, make_str(str_empty())), tail);
  for (size_t i = pieces.size() - 1; tail && i-- > 0;) tail = make_binary(OpCode::Add, tail, pieces[i]);
  if (!tail || tail->type != tc::String) return;
  a.append_from = op;
  a.append = tail;
}

void Compiler::emit_assignment(StatementNode*& tail, VarRef* target, Operand* value, TypeCode type) {
  auto* a = prog_.make<Assignment>();
  a->target = target;
  a->type = type;
  a->value = convert(value, type);
  a->store = store_routine(*target, type);
  if (type == tc::String) find_string_append(*a);
  StatementNode* n = append(tail, nullptr, u"variable_assignment");
  n->extra = a;
  n->routine = assignment_routine(*a);
  n->operands.push_back(make_string_constant(target->var->name));
  Operand* idx = prog_.make<Operand>();
  idx->kind = OperandKind::Misc;
  idx->misc = target->indices.empty() ? nullptr : &target->indices;
  n->operands.push_back(idx);
  Operand* val = prog_.make<Operand>();
  val->kind = OperandKind::Misc;
  val->misc = a->value;
  n->operands.push_back(val);
  if (fn_ && target->var->scope == Scope::Global) fn_global_stores_.push_back(n);
}

namespace {
VarRef* plain_ref(Program& prog, VariableRecord* v, std::vector<Operand*> indices = {}) {
  VarRef* r = prog.make<VarRef>();
  r->var = v;
  r->indices = std::move(indices);
  return r;
}
}  // namespace

template <class Each>
void Compiler::compile_declarators(std::u16string_view missing_name, Each&& each) {
  int declared = 0;
  for (;;) {
    skip_blanks(p_);
    if (*p_ == 0 || *p_ == u'\n') {
      if (declared == 0) stop_error(std::u16string(missing_name));
      break;
    }
    if (!is_ascii_letter(*p_)) {
      stop_error(format16(u"'%c' 变量名必须以字母(a-z A-Z)开头", *p_));
      return;
    }
    std::u16string name(peek_name(p_));
    p_ += name.size();
    if (!check_new_name(name) || !each(name)) return;
    ++declared;
    skip_blanks(p_);
    if (*p_ == u',') {
      ++p_;
      continue;
    }
    if (*p_ == 0 || *p_ == u'\n') break;
    stop_error(format16(u"变量 '%.200s' 定义存在语法错误", name));
    return;
  }
  skip_line(p_, line_);
}

// ---- plain and array declarations ----

void Compiler::compile_declaration(StatementNode*& tail, TypeCode type) {
  if (is_collection(type)) {
    compile_collection_declaration(tail, type);
    return;
  }
  while (*p_ == u' ' || *p_ == u'\t') ++p_;
  std::u16string_view type_word_text = peek_name(p_);
  p_ += type_word_text.size();
  skip_blanks(p_);
  if (*p_ == u'(') {
    compile_function_pointer(tail, type);
    return;
  }
  compile_declarators(u"变量定义存在语法错误", [&](const std::u16string& name) {
    std::vector<Operand*> sizes;
    skip_blanks(p_);
    if (*p_ == u'[' && !parse_indices(name, sizes, 3)) return false;
    skip_blanks(p_);
    const bool is_array = !sizes.empty();
    Operand* value = nullptr;
    bool braces = false;
    if (*p_ == u'=' && p_[1] != u'=') {
      ++p_;
      skip_blanks(p_);
      if (is_array) {
        braces = true;
      } else {
        value = parse_expression();
        if (!value) return false;
        if (!is_value_type(value->type)) {
          stop_error(format16(u"'%.200s' 表达式数据类型错误", name));
          return false;
        }
        if (!assignable(type, value->type)) {
          stop_error(format16(u"变量 '%.200s' 赋值类型错误", name));
          return false;
        }
      }
    }
    VariableRecord* var = declare_variable(name, is_array ? tc::Array : type);
    if (is_array) {
      var->array = prog_.make<ArrayDesc>();
      var->array->elem = type;
      var->array->dims = static_cast<int>(sizes.size());
      var->array->sizes = std::move(sizes);
    }
    emit_local_definition(tail, var);
    if (braces) {
      emit_initialise(tail, var);
      return compile_array_initialiser(tail, var);
    }
    if (value) {
      emit_assignment(tail, plain_ref(prog_, var), value, type);
      static_cast<Assignment*>(tail->extra)->declares = true;
    } else {
      emit_initialise(tail, var);
    }
    return true;
  });
}

bool Compiler::compile_array_initialiser(StatementNode*& tail, VariableRecord* var) {
  const std::u16string& name = var->name;
  const TypeCode elem_type = var->array->elem;
  struct Element {
    std::vector<int32_t> pos;
    Operand* value;
  };
  std::vector<Element> elements;
  std::vector<int32_t> pos;
  bool failed = false;
  auto fail = [&](std::u16string text) {
    stop_error(std::move(text));
    failed = true;
    return -1;
  };
  // Returns the depth of the group at p_ (p_ on '{'), or -1 after an error.
  auto group = [&](auto&& self) -> int {
    ++p_;  // '{'
    skip_blanks(p_);
    if (*p_ == u'}') {
      ++p_;
      return 1;
    }
    int child_depth = 0;  // 0: not known yet; depth of nested groups
    bool leaf = false;
    for (int32_t i = 0;; ++i) {
      skip_blanks(p_);
      pos.push_back(i);
      if (*p_ == u'{') {
        if (leaf) return fail(format16(u"数组变量 '%.200s' 赋值语法错误, 多余的 '{'", name));
        int d = self(self);
        if (d < 0) return -1;
        if (child_depth && d != child_depth)
          return fail(format16(u"数组变量 '%.200s' 赋值语法错误, 元素分布的层次不一致", name));
        child_depth = d;
      } else if (*p_ == 0 || *p_ == u'\n') {
        return fail(format16(u"数组变量 '%.200s' 赋值语法错误, 缺少 '}'", name));
      } else {
        if (child_depth) return fail(format16(u"数组变量 '%.200s' 赋值语法错误, 元素分布的层次不一致", name));
        leaf = true;
        Operand* v = parse_expression();
        if (!v) {
          failed = true;
          return -1;
        }
        if (v->type == tc::Array)
          return fail(format16(
              u"数组变量 '%.200s' 赋值类型错误, 大括号 {...} 中存在【静态数组】变量没有填写具体的维数: [...]", name));
        if (!is_value_type(v->type)) return fail(format16(u"'%.200s' 数组常量中的表达式数据类型错误", name));
        if (!assignable(elem_type, v->type)) return fail(format16(u"数组变量 '%.200s' 赋值类型错误", name));
        elements.push_back(Element{pos, v});
      }
      pos.pop_back();
      skip_blanks(p_);
      if (*p_ == u',') {
        ++p_;
        continue;
      }
      if (*p_ == u'}') {
        ++p_;
        return leaf ? 1 : child_depth + 1;
      }
      if (*p_ == 0 || *p_ == u'\n') return fail(format16(u"数组变量 '%.200s' 赋值语法错误, 缺少 '}'", name));
      std::u16string_view shown(p_, 1);
      return fail(format16(u"数组变量 '%.200s' 赋值语法错误 '%.1s'", name, shown));
    }
  };
  if (*p_ != u'{') {
    stop_error(format16(u"数组变量 '%.200s' 赋值语法错误, 缺少 '{'", name));
    return false;
  }
  int depth = group(group);
  if (depth < 0 || failed) return false;
  if (depth != var->array->dims) {
    stop_error(format16(u"数组变量 '%.200s' 赋值时的元素维数与数组定义的维数不一致", name));
    return false;
  }
  for (Element& e : elements) {
    std::vector<Operand*> idx;
    for (int32_t i : e.pos) idx.push_back(make_constant(tc::Int, make_int(i)));
    emit_assignment(tail, plain_ref(prog_, var, std::move(idx)), e.value, elem_type);
  }
  return true;
}

// ---- function pointers ----

void Compiler::compile_function_pointer(StatementNode*& tail, TypeCode ret) {
  ++p_;  // '('
  skip_blanks(p_);
  if (*p_ != u'*') {
    stop_error(u"语法错误, 缺少 '*'");
    return;
  }
  ++p_;
  skip_blanks(p_);
  if (!is_ascii_letter(*p_)) {
    if (*p_ == 0 || *p_ == u'\n' || *p_ == u')') {
      stop_error(u"变量定义存在语法错误");
    } else {
      stop_error(format16(u"'%c' 变量名必须以字母(a-z A-Z)开头", *p_));
    }
    return;
  }
  std::u16string name(peek_name(p_));
  p_ += name.size();
  if (!check_new_name(name)) return;
  skip_blanks(p_);
  if (*p_ != u')') {
    stop_error(u"语法错误, 缺少 ')'");
    return;
  }
  ++p_;
  skip_blanks(p_);
  if (*p_ != u'(') {
    stop_error(u"语法错误, 缺少 '('");
    return;
  }
  ++p_;
  BuiltinEntry* sig = prog_.make<BuiltinEntry>();
  sig->ret = ret;
  sig->marker = 1;
  sig->invoke = invoke_function_pointer;
  skip_blanks(p_);
  if (*p_ == u')') {
    ++p_;
  } else {
    for (;;) {
      skip_blanks(p_);
      std::u16string_view tw = peek_name(p_);
      TypeCode t = type_code_of_word(tw);
      if (!(t >= tc::Byte && t <= tc::String)) {
        stop_error(format16(u"不支持的函数指针参数类型 '%.200s'", tw.empty() ? std::u16string_view(p_, *p_ ? 1 : 0) : tw));
        return;
      }
      p_ += tw.size();
      skip_blanks(p_);
      TypeCode code = t;
      if (*p_ == u'*') {
        ++p_;
        code = t + tc::RefBase;
        if (*p_ == u'!') {
          ++p_;
          code = t + tc::IntVarBase;
        }
      } else if (*p_ == u'!') {
        stop_error(u"函数指针变量定义存在语法错误");
        return;
      }
      if (sig->argc == 9) {
        stop_error(u"函数指针变量的参数不能超过9个");
        return;
      }
      sig->args[sig->argc++] = code;
      skip_blanks(p_);
      if (*p_ == u',') {
        ++p_;
        continue;
      }
      if (*p_ == u')') {
        ++p_;
        break;
      }
      stop_error(u"语法错误, 缺少 ')'");
      return;
    }
  }
  VariableRecord* var = declare_variable(name, tc::FuncPtr);
  var->signature = sig;
  sig->name = var->name.c_str();
  (fn_ ? fn_->local_callables : prog_.global_callables).insert(var->name, var);
  emit_local_definition(tail, var);
  emit_initialise(tail, var);
  skip_blanks(p_);
  if (*p_ == u'=' && p_[1] != u'=') {
    ++p_;
    Operand* value = parse_expression();
    if (!value) return;
    if (value->type != tc::FuncPtr) {
      stop_error(format16(u"变量 '%.200s' 赋值类型错误", name));
      return;
    }
    emit_assignment(tail, plain_ref(prog_, var), value, tc::FuncPtr);
  }
  if (!at_statement_end(p_)) {
    stop_error(format16(u"变量 '%.200s' 定义存在语法错误", name));
    return;
  }
  skip_line(p_, line_);
}

// ---- collections ----

void Compiler::compile_collection_declaration(StatementNode*& tail, TypeCode type) {
  while (*p_ == u' ' || *p_ == u'\t') ++p_;
  std::u16string_view word = peek_name(p_);
  p_ += word.size();
  skip_blanks(p_);
  if (*p_ != u'<') {
    stop_error(format16(u"'%.200s' 定义缺少 '<'", word));
    return;
  }
  ++p_;
  auto read_type = [&]() -> std::u16string_view {
    skip_blanks(p_);
    const char16_t* s = p_;
    while (*p_ && *p_ != u',' && *p_ != u'>' && *p_ != u' ' && *p_ != u'\t' && *p_ != u'\r' && *p_ != u'\n') ++p_;
    return {s, static_cast<size_t>(p_ - s)};
  };
  // One element type word; 0 after an error (`missing` when it is empty).
  auto element_type = [&](std::u16string_view missing) -> uint16_t {
    std::u16string_view w = read_type();
    if (w.empty()) {
      stop_error(format16(missing, word));
      return 0;
    }
    TypeCode t = type_code_of_word(w);
    if (!(t >= tc::Byte && t <= tc::Bmp)) {
      stop_error(format16(u"%s 未知的数据类型: '<%.200s>'", word, w));
      return 0;
    }
    return static_cast<uint16_t>(t);
  };
  uint16_t elem = 0, key = 0, val = 0;
  if (type == tc::HashMap) {
    if (!(key = element_type(u"%s<K, V> 缺少键(K)类型定义: '<K>'"))) return;
    skip_blanks(p_);
    if (*p_ != u',') {
      stop_error(format16(u"'%.200s' 定义缺少 ','", word));
      return;
    }
    ++p_;
    if (!(val = element_type(u"%s<K, V> 缺少值(V)类型定义: '<V>'"))) return;
  } else if (!(elem = element_type(u"%s 定义缺少数据类型: '<T>'"))) {
    return;
  }
  skip_blanks(p_);
  if (*p_ != u'>') {
    stop_error(format16(u"'%.200s' 定义缺少 '>'", word));
    return;
  }
  ++p_;
  compile_declarators(u"变量定义存在语法错误: 缺少变量名", [&](const std::u16string& name) {
    VariableRecord* var = declare_variable(name, type);
    var->elem = elem;
    var->key = key;
    var->val = val;
    emit_local_definition(tail, var);
    emit_initialise(tail, var);
    skip_blanks(p_);
    if (*p_ == u'=' && p_[1] != u'=') {
      ++p_;
      return compile_collection_value(tail, var, true);
    }
    return true;
  });
}

bool Compiler::compile_collection_value(StatementNode*& tail, VariableRecord* var, bool declaration) {
  auto fail = [&](std::u16string text) {
    if (declaration)
      stop_error(std::move(text));
    else
      error(std::move(text));
    return false;
  };
  const std::u16string& name = var->name;
  skip_blanks(p_);
  auto same_types = [&](const Operand* op) {
    return op->type == var->type && op->elem == var->elem && op->key == var->key && op->val == var->val;
  };
  auto node_kind = [&](std::u16string_view form) -> std::u16string_view {
    static const char16_t* const kinds[4][3] = {
        {u"variable_arraylist_assignment_from_DaKuoHao", u"variable_arraylist_assignment_from_other_variable",
         u"variable_arraylist_assignment_from_return_function"},
        {u"variable_linkedlist_assignment_from_DaKuoHao", u"variable_linkedlist_assignment_from_other_variable",
         u"variable_linkedlist_assignment_from_return_function"},
        {nullptr, u"variable_hashmap_assignment_from_other_variable", nullptr},
        {nullptr, u"variable_iterator_assignment_from_other_variable",
         u"variable_iterator_assignment_from_return_function"},
    };
    int row = var->type - tc::ArrayList;
    int col = form == u"braces" ? 0 : form == u"variable" ? 1 : 2;
    const char16_t* k = kinds[row][col];
    return k ? std::u16string_view(k) : std::u16string_view();
  };
  auto emit = [&](CollectionSource src, std::u16string_view kind, std::vector<Operand*> elements, Operand* from) {
    auto* ca = prog_.make<CollectionAssignment>();
    ca->target = plain_ref(prog_, var);
    ca->source = src;
    ca->elements = std::move(elements);
    ca->from = from;
    StatementNode* n = append(tail, exec_collection_assign, kind);
    n->extra = ca;
    Operand* target = prog_.make<Operand>();
    target->kind = OperandKind::Misc;
    target->misc = ca->target;
    n->operands.push_back(target);
    if (from) n->operands.push_back(from);
    for (Operand* e : ca->elements) n->operands.push_back(e);
  };

  if (*p_ == u'{') {
    if (var->type != tc::ArrayList && var->type != tc::LinkedList) return fail(u"语法错误");
    ++p_;
    std::vector<Operand*> elements;
    skip_blanks(p_);
    if (*p_ == u'}') {
      ++p_;
    } else {
      for (;;) {
        Operand* e = parse_expression();
        if (!e) return false;
        if (e->type == tc::Array)
          return fail(format16(
              u"变量 '%.200s' 赋值类型错误, 大括号 {...} 中存在【静态数组】变量没有填写具体的维数: [...]", name));
        if (!is_value_type(e->type)) return fail(u"常量数据类型错误");
        if (e->type != var->elem) return fail(format16(u"变量 '%.200s' 赋值类型错误", name));
        elements.push_back(e);
        skip_blanks(p_);
        if (*p_ == u',') {
          ++p_;
          continue;
        }
        if (*p_ == u'}') {
          ++p_;
          break;
        }
        return fail(format16(u"变量 '%.200s' 赋值语法错误, 缺少 '}'", name));
      }
    }
    if (declaration) {
      std::u16string_view adder = var->type == tc::ArrayList ? u"arraylist_add" : u"linkedlist_add";
      for (Operand* e : elements) {
        CallRecord* call = build_call(adder, {make_variable(var, {}), e});
        if (!call) return false;
        StatementNode* n = append(tail, exec_call_statement, call->name);
        n->extra = call;
        n->operands = call->args;
      }
    } else {
      emit(CollectionSource::Braces, node_kind(u"braces"), std::move(elements), nullptr);
    }
    return true;
  }
  if (!is_ascii_letter(*p_)) return fail(u"语法错误");
  std::u16string_view src = peek_name(p_);
  if (is_callable(src)) {
    p_ += src.size();
    Operand* call = parse_call(src);
    if (!call) return false;
    if (var->type == tc::HashMap || !same_types(call))
      return fail(format16(u"函数 '%.64s()' 返回值类型与变量 '%.64s' 类型不一致", src, name));
    emit(CollectionSource::Call, node_kind(u"call"), {}, call);
    return true;
  }
  NameKind kind = reg_.reserved(src);
  if (kind == NameKind::Constant) return fail(format16(u"变量 '%.64s' 与 常量 %.64s 类型不一致", name, src));
  if (kind != NameKind::None)
    return fail(format16(u"变量 '%.200s' 赋值语法错误, '%s' 与%s冲突", name, src, name_kind_word(kind)));
  VariableRecord* other = find_variable(src);
  if (!other) return fail(format16(u"变量 '%.200s' 未定义", src));
  p_ += src.size();
  Operand* from = make_variable(other, {});
  if (!same_types(from)) return fail(format16(u"变量 '%.64s' 与 '%.64s' 类型不一致", name, src));
  emit(CollectionSource::Variable, node_kind(u"variable"), {}, from);
  return true;
}

// ---- assignments ----

void Compiler::compile_assignment(StatementNode*& tail) {
  while (*p_ == u' ' || *p_ == u'\t') ++p_;
  if (!is_ascii_letter(*p_)) {
    error(u"语法错误");
    skip_line(p_, line_);
    return;
  }
  std::u16string name(peek_name(p_));
  p_ += name.size();
  VariableRecord* var = find_variable(name);
  if (!var) {
    skip_blanks(p_);
    if (*p_ == u'(')
      error(format16(u"函数 '%.200s' 未定义", name));
    else if (*p_ == u'=' || *p_ == u'[')
      error(format16(u"变量 '%.200s' 未定义", name));
    else
      error(u"语法错误");
    skip_line(p_, line_);
    return;
  }
  std::vector<Operand*> indices;
  if (!parse_variable_indices(var, indices, false)) return;
  skip_blanks(p_);
  if (*p_ != u'=' || p_[1] == u'=' || (var->type == tc::Array && indices.empty())) {
    error(format16(u"'%.200s' 语法错误", name));
    skip_line(p_, line_);
    return;
  }
  ++p_;
  if (is_collection(var->type)) {
    if (compile_collection_value(tail, var, false)) {
      if (!at_statement_end(p_)) error(format16(u"'%.200s' 变量赋值语法错误", name));
    }
    skip_line(p_, line_);
    return;
  }
  Operand* value = parse_expression();
  if (!value) return;
  TypeCode target_type = var->type == tc::Array ? var->array->elem : var->type;
  if (!is_value_type(value->type)) {
    error(format16(u"'%.200s' 表达式数据类型错误", name));
  } else if (!assignable(target_type, value->type)) {
    error(format16(u"变量 '%.200s' 赋值类型错误", name));
  } else if (!at_statement_end(p_)) {
    error(format16(u"'%.200s' 变量赋值语法错误", name));
  } else {
    VarRef* ref = prog_.make<VarRef>();
    ref->var = var;
    ref->indices = std::move(indices);
    if (fn_ && var->scope == Scope::Local)
      if (auto* g = prog_.globals.find(std::u16string_view(var->name))) ref->shadowed_global = *g;
    emit_assignment(tail, ref, value, target_type);
  }
  skip_line(p_, line_);
}

}  // namespace quorin
