// The two `for` forms: counting (`for v = a to b step s`) and iteration
// (`for v in source`).
#include "frontend/compiler.h"
#include "runtime/routines.h"
#include "support/format.h"

namespace quorin {

namespace {
bool word_here(const char16_t* p, std::u16string_view w) {
  for (char16_t c : w)
    if (*p++ != c) return false;
  return *p == u' ' || *p == u'\t';
}
// True when the rest of the line holds the word `w` (outside literals).
bool line_has_word(const char16_t* p, std::u16string_view w) {
  for (; *p && *p != u'\n'; ++p) {
    if (*p == u'"' || *p == u'\'') {
      char16_t q = *p++;
      while (*p && *p != u'\n' && *p != q) ++p;
      if (*p != q) return false;
      continue;
    }
    if ((p[-1] == u' ' || p[-1] == u'\t') && word_here(p, w)) return true;
  }
  return false;
}
}  // namespace

void Compiler::compile_for(StatementNode*& tail) {
  while (*p_ == u' ' || *p_ == u'\t') ++p_;
  p_ += 3;
  skip_blanks(p_);
  if (*p_ == 0 || *p_ == u'\n') {
    stop_error(u"for 循环缺少变量名");
    return;
  }
  std::u16string_view first = peek_name(p_);
  TypeCode new_type = type_code_of_word(first);
  VariableRecord* var = nullptr;
  std::vector<Operand*> indices;
  bool declares = false;
  if (new_type > 0 && new_type != tc::Void) {
    p_ += first.size();
    skip_blanks(p_);
    if (*p_ == 0 || *p_ == u'\n') {
      stop_error(format16(u"'%.200s' 后面缺少一个变量名", first));
      return;
    }
    std::u16string_view name = peek_name(p_);
    if (name.empty() || !is_ascii_letter(name[0])) {
      std::u16string_view shown(p_, 1);
      stop_error(format16(u"变量名 '%.200s' 不符合规范", name.empty() ? shown : name));
      return;
    }
    p_ += name.size();
    if (!check_new_name(name)) return;
    skip_blanks(p_);
    if (*p_ == u'[') {
      stop_error(format16(u"在 for 关键词后面不能定义新的数组变量 '%.200s'", name));
      return;
    }
    if (is_collection(new_type)) {
      stop_error(format16(u"for '%.200s' 变量类型错误", name));
      return;
    }
    var = declare_variable(name, new_type);
    declares = true;
  } else {
    std::u16string_view name = peek_name(p_);
    if (name.empty() || !is_ascii_letter(name[0])) {
      std::u16string_view shown(p_, 1);
      stop_error(format16(u"变量名 '%.200s' 不符合规范", name.empty() ? shown : name));
      return;
    }
    p_ += name.size();
    var = find_variable(name);
    if (!var) {
      stop_error(format16(u"变量名 '%.200s' 未定义", name));
      return;
    }
    if (!parse_variable_indices(var, indices, true)) return;
  }
  const std::u16string& vname = var->name;
  TypeCode vtype = var->type == tc::Array ? var->array->elem : var->type;
  if (var->type == tc::Array && indices.empty()) vtype = tc::None;
  VarRef* ref = prog_.make<VarRef>();
  ref->var = var;
  ref->indices = indices;
  if (fn_ && var->scope == Scope::Local)
    if (auto* g = prog_.globals.find(std::u16string_view(var->name))) ref->shadowed_global = *g;

  auto* data = prog_.make<ForData>();
  data->var = ref;
  data->var_type = vtype;
  if (is_value_type(vtype)) {
    Operand* read = prog_.make<Operand>();
    read->kind = OperandKind::Variable;
    read->var = ref;
    read->type = vtype;
    bind_variable_reader(*read);
    data->read = read;
    data->store = store_routine(*ref, vtype);
  }
  if (fn_ && var->scope == Scope::Global) fn_global_loops_.push_back(data);
  skip_blanks(p_);
  StatementNode* node = nullptr;
  if (*p_ == u'=' && p_[1] != u'=') {
    // Counting form.
    if (!is_numeric(vtype)) {
      stop_error(format16(u"for '%.200s' 变量类型错误", vname));
      return;
    }
    ++p_;
    Operand* start = parse_expression();
    if (!start) return;
    if (!is_value_type(start->type)) {
      stop_error(format16(u"'%.200s' 表达式数据类型错误", vname));
      return;
    }
    if (!assignable(vtype, start->type)) {
      stop_error(format16(u"变量 '%.200s' 赋值类型错误", vname));
      return;
    }
    skip_blanks(p_);
    if (!word_here(p_, u"to")) {
      stop_error(u"for 循环语法错误");
      return;
    }
    p_ += 2;
    auto bound = [&](std::u16string_view word, bool to) -> Operand* {
      skip_blanks(p_);
      if (*p_ == 0 || *p_ == u'\n') {
        stop_error(format16(u"for 循环 '%s' 后面缺少参数", word));
        return nullptr;
      }
      Operand* e = parse_expression();
      if (!e) return nullptr;
      if (e->type == tc::Array) {
        stop_error(format16(u"for 循环 '%s' 后面的静态数组变量缺少维数 [...]", word));
        return nullptr;
      }
      if (!is_value_type(e->type)) {
        stop_error(format16(u"for 循环 '%s' 参数的表达式错误", word));
        return nullptr;
      }
      if (!assignable(tc::Int, e->type)) {
        stop_error(to ? std::u16string(u"for 循环 to 参数的类型错误") : std::u16string(u"for 循环 'step' 参数的类型错误"));
        return nullptr;
      }
      return e;
    };
    data->end = bound(u"to", true);
    if (!data->end) return;
    skip_blanks(p_);
    if (word_here(p_, u"step")) {
      p_ += 4;
      data->step = bound(u"step", false);
      if (!data->step) return;
      if (!at_statement_end(p_)) {
        stop_error(u"for 循环 'step' 后面存在语法错误");
        return;
      }
    } else if (!at_statement_end(p_)) {
      stop_error(u"for 循环 'to' 后面存在语法错误");
      return;
    }
    if (declares) emit_local_definition(tail, var);
    emit_assignment(tail, ref, start, vtype);
    if (declares) static_cast<Assignment*>(tail->extra)->declares = true;
    node = append(tail, exec_for_condition, u"for_condition", NodeRole::Loop);
    Operand* d = prog_.make<Operand>();
    d->kind = OperandKind::Misc;
    d->misc = ref;
    node->operands.push_back(d);
    Operand* e = prog_.make<Operand>();
    e->kind = OperandKind::Misc;
    e->misc = data->end;
    node->operands.push_back(e);
    Operand* s = prog_.make<Operand>();
    s->kind = OperandKind::Misc;
    s->misc = data->step;
    node->operands.push_back(s);
    node->operands.push_back(make_constant(tc::Int, make_int(0)));
  } else if (word_here(p_, u"in")) {
    p_ += 2;
    skip_blanks(p_);
    if (*p_ == 0 || *p_ == u'\n') {
      stop_error(u"for 循环 'in' 后面缺少参数");
      return;
    }
    std::u16string_view src = peek_name(p_);
    VariableRecord* arr = src.empty() || is_callable(src) ? nullptr : find_variable(src);
    Operand* source = nullptr;
    TypeCode elem = tc::None;
    if (arr && arr->type == tc::Array) {
      p_ += src.size();
      std::vector<Operand*> idx;
      if (!parse_indices(arr->name, idx, 3)) return;
      if (static_cast<int>(idx.size()) != arr->array->dims - 1) {
        stop_error(format16(u"'%.200s' 数组变量当前使用的维数不符合 for ... in ... 循环语法要求", arr->name));
        return;
      }
      source = make_variable(arr, {});
      source->var->indices = std::move(idx);
      elem = arr->array->elem;
    } else {
      source = parse_expression();
      if (!source) return;
      if (source->type != tc::ArrayList && source->type != tc::LinkedList) {
        stop_error(u"for 循环 'in' 后面的参数类型错误");
        return;
      }
      elem = source->elem;
    }
    if (!at_statement_end(p_)) {
      stop_error(u"for 循环 'in' 后面的参数类型错误");
      return;
    }
    if (vtype == tc::None || !assignable(vtype, elem)) {
      stop_error(u"for 循环 'in' 前面的变量类型错误");
      return;
    }
    if (declares) {
      emit_local_definition(tail, var);
      emit_initialise(tail, var);
    }
    data->source = source;
    data->elem = elem;
    data->from_element = payload_conversion(elem, vtype);
    node = append(tail, exec_for_in, u"for_in", NodeRole::Loop);
    Operand* d = prog_.make<Operand>();
    d->kind = OperandKind::Misc;
    d->misc = ref;
    node->operands.push_back(d);
    Operand* s = prog_.make<Operand>();
    s->kind = OperandKind::Misc;
    s->misc = source;
    node->operands.push_back(s);
  } else if (line_has_word(p_ - 1, u"to")) {
    stop_error(format16(u"变量 '%.200s' 后面需要紧跟着一个 '='", vname));
    return;
  } else {
    stop_error(u"for 循环语法错误");
    return;
  }
  node->extra = data;
  skip_line(p_, line_);
  compile_loop_body(node, data->body, Context::For, u"'for' 没有找到对应的 'next'");
}

}  // namespace quorin
