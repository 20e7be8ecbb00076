// Script functions: the header pre-scan, function bodies and their gotos.
#include "frontend/compiler.h"
#include "runtime/routines.h"
#include "support/format.h"

namespace quorin {

struct Compiler::FuncHeader {
  std::u16string name;
  TypeCode ret = tc::Void;
  struct Param {
    TypeCode code = tc::None;  // scalar, by-reference (22..30) or array (32..40)
    TypeCode base = tc::None;
    int dims = 0;
    std::u16string name;
  };
  std::vector<Param> params;
};

bool Compiler::parse_func_header(FuncHeader& h, bool report) {
  auto fail = [&](std::u16string text) {
    if (report) stop_error(std::move(text));
    return false;
  };
  while (*p_ == u' ' || *p_ == u'\t') ++p_;
  p_ += 4;  // func
  skip_blanks(p_);
  std::u16string_view ret_word = peek_name(p_);
  if (ret_word.empty()) return fail(u"函数定义存在语法错误");
  TypeCode ret = type_code_of_word(ret_word);
  if (!(ret == tc::Void || (ret >= tc::Byte && ret <= tc::Bmp)))
    return fail(format16(u"不支持的函数返回值类型 '%.200s'", ret_word));
  p_ += ret_word.size();
  h.ret = ret;
  skip_blanks(p_);
  if (*p_ == 0 || *p_ == u'\n') return fail(u"函数定义存在语法错误");
  if (!is_ascii_letter(*p_)) return fail(format16(u"'%c' 函数名必须以字母(a-z A-Z)开头", *p_));
  std::u16string_view name = peek_name(p_);
  p_ += name.size();
  h.name = std::u16string(name);
  if (name.size() > 63) return fail(format16(u"函数名 '%.200s' 长度不能超过 63 个字符", name));
  NameKind kind = reg_.reserved(name);
  if (kind != NameKind::None) return fail(format16(u"函数名 '%.200s' 与%s冲突", name, name_kind_word(kind)));
  skip_blanks(p_);
  if (*p_ != u'(') return fail(u"语法错误, 缺少 '('");
  ++p_;
  skip_blanks(p_);
  if (*p_ == u')') {
    ++p_;
  } else {
    for (;;) {
      skip_blanks(p_);
      std::u16string_view tw = peek_name(p_);
      TypeCode t = type_code_of_word(tw);
      if (!(t >= tc::Byte && t <= tc::Bmp)) {
        if (tw.empty()) return fail(format16(u"函数 '%.200s' 定义存在语法错误", h.name));
        return fail(format16(u"不支持的参数类型 '%.200s'", tw));
      }
      p_ += tw.size();
      FuncHeader::Param prm;
      prm.base = t;
      prm.code = t;
      skip_blanks(p_);
      if (*p_ == u'*') {
        prm.code = t + tc::RefBase;
        ++p_;
        skip_blanks(p_);
      }
      if (!is_ascii_letter(*p_)) {
        if (*p_ == 0 || *p_ == u'\n' || *p_ == u')' || *p_ == u',')
          return fail(format16(u"函数 '%.200s' 定义存在语法错误", h.name));
        return fail(format16(u"'%c' 参数名必须以字母(a-z A-Z)开头", *p_));
      }
      std::u16string_view pn = peek_name(p_);
      p_ += pn.size();
      if (pn.size() > 63) return fail(format16(u"参数名 '%.200s' 长度不能超过 63 个字符", pn));
      NameKind pk = reserved_kind(pn);
      if (pk == NameKind::None && pn == name) pk = NameKind::Function;
      if (pk != NameKind::None) return fail(format16(u"参数名 '%.200s' 与%s冲突", pn, name_kind_word(pk)));
      for (const auto& other : h.params)
        if (other.name == pn) return fail(format16(u"参数名 '%.200s' 在函数中重复定义", pn));
      prm.name = std::u16string(pn);
      skip_blanks(p_);
      while (*p_ == u'[') {
        ++p_;
        skip_blanks(p_);
        if (*p_ != u']') return fail(u"语法错误, 缺少 ']'");
        ++p_;
        if (++prm.dims > 3) return fail(format16(u"数组变量 '%.200s' 定义的维数大于支持的数组最大维数: 3维", pn));
        skip_blanks(p_);
      }
      if (prm.dims > 0) prm.code = t + tc::ArrayBase;
      h.params.push_back(prm);
      if (h.params.size() > 9) return fail(u"函数的参数不能超过9个");
      skip_blanks(p_);
      if (*p_ == u',') {
        ++p_;
        continue;
      }
      if (*p_ == u')') {
        ++p_;
        break;
      }
      return fail(format16(u"函数 '%.200s' 定义存在语法错误", h.name));
    }
  }
  if (!at_statement_end(p_)) return fail(format16(u"函数 '%.200s' 定义存在语法错误", h.name));
  return true;
}

void Compiler::register_function(FuncHeader& h) {
  ScriptFunction* f = prog_.make<ScriptFunction>();
  f->name = h.name;
  f->signature.name = f->name.c_str();
  f->signature.invoke = invoke_script_function;
  f->signature.argc = static_cast<int32_t>(h.params.size());
  f->signature.ret = h.ret;
  f->signature.marker = 3;
  for (size_t i = 0; i < h.params.size(); ++i) {
    const auto& prm = h.params[i];
    f->signature.args[i] = prm.code;
    VariableRecord* v = prog_.make<VariableRecord>();
    v->name = prm.name;
    v->scope = Scope::Local;
    v->slot = static_cast<int32_t>(i);
    v->param = prm.code;
    if (prm.dims > 0) {
      v->type = tc::Array;
      v->array = prog_.make<ArrayDesc>();
      v->array->elem = prm.base;
      v->array->dims = prm.dims;
    } else {
      v->type = prm.base;
    }
    f->params.push_back(v);
    f->locals.insert(v->name, v);
  }
  f->frame_size = static_cast<int32_t>(h.params.size());
  StatementNode* node = prog_.make<StatementNode>();
  node->routine = exec_nothing;
  node->kind = f->name;
  node->result = h.ret;
  node->role = NodeRole::Function;
  node->extra = f;
  node->next = new_head(node);
  f->node = node;
  prog_.functions.insert(f->name, f);
}

void Compiler::prescan_functions(const std::u16string& text) {
  const char16_t* saved_p = p_;
  int32_t saved_line = line_;
  p_ = text.c_str();
  line_ = 1;
  while (*p_) {
    skip_blanks(p_);
    std::u16string_view w = peek_word(p_);
    if (w == u"func") {
      FuncHeader h;
      if (parse_func_header(h, false) && !prog_.functions.find(std::u16string_view(h.name))) register_function(h);
    }
    skip_line(p_, line_);
  }
  p_ = saved_p;
  line_ = saved_line;
}

void Compiler::compile_func(StatementNode*& tail, Context ctx) {
  (void)tail;
  if (ctx != Context::Top) {
    stop_error(u"'func' 语法错误");
    return;
  }
  FuncHeader h;
  if (!parse_func_header(h, true)) return;
  ScriptFunction** found = prog_.functions.find(std::u16string_view(h.name));
  if (found && (*found)->compiled) {
    stop_error(format16(u"函数 '%.200s' 重复定义", h.name));
    return;
  }
  if (!found) {
    register_function(h);
    found = prog_.functions.find(std::u16string_view(h.name));
  }
  ScriptFunction* f = *found;
  f->compiled = true;
  skip_line(p_, line_);
  fn_ = f;
  fn_labels_.clear();
  fn_gotos_.clear();
  fn_global_uses_.clear();
  fn_global_stores_.clear();
  fn_global_loops_.clear();
  std::u16string_view closer;
  StatementNode* body_tail = compile_block(f->node->next, Context::Func, &closer);
  if (!stopped() && closer.empty()) stop_error(u"'func' 没有找到对应的 'endfunc'");
  if (stopped()) {
    fn_ = nullptr;
    return;
  }
  stmt_line_ = line_;
  if (closing_word_ok(closer)) {
    StatementNode* leave = append(body_tail, exec_leave, u"leave_func", NodeRole::Leave);
    leave->line = stmt_line_;
    leave->extra = f;
    leave->operands.push_back(make_string_constant(f->name));
    resolve_gotos(false);
    rebind_shadowed_globals();
  }
  fn_ = nullptr;
}

void Compiler::rebind_shadowed_globals() {
  // First point every reference to the local; references are shared (a `for`
  // counter's reference serves its reader, its store and its first
  // assignment), so a routine is derived afresh for every user whose
  // reference now names the local, not just for the first one seen.
  auto rebind = [&](VarRef* ref) {
    if (!ref || ref->var->scope != Scope::Global || ref->shadowed_global) return;
    VariableRecord** local = fn_->locals.find(std::u16string_view(ref->var->name));
    if (!local || (*local)->type != ref->var->type || (*local)->elem != ref->var->elem ||
        (*local)->key != ref->var->key || (*local)->val != ref->var->val)
      return;
    if (ref->var->type == tc::Array &&
        ((*local)->array->elem != ref->var->array->elem || (*local)->array->dims != ref->var->array->dims))
      return;
    ref->shadowed_global = ref->var;
    ref->var = *local;
  };
  auto rebound = [](const VarRef* ref) { return ref && ref->shadowed_global && ref->var->scope == Scope::Local; };
  for (Operand* op : fn_global_uses_) rebind(op->var);
  for (StatementNode* n : fn_global_stores_) rebind(static_cast<Assignment*>(n->extra)->target);
  for (ForData* d : fn_global_loops_) rebind(d->var);

  for (Operand* op : fn_global_uses_)
    if (rebound(op->var)) bind_variable_reader(*op);
  for (StatementNode* n : fn_global_stores_) {
    auto* a = static_cast<Assignment*>(n->extra);
    if (rebound(a->target)) {
      a->store = store_routine(*a->target, a->type);
      n->routine = assignment_routine(*a);
    }
  }
  for (ForData* d : fn_global_loops_) {
    if (!rebound(d->var)) continue;
    if (d->read) bind_variable_reader(*d->read);
    if (d->store) d->store = store_routine(*d->var, d->var_type);
  }
}

}  // namespace quorin
