// The statement compiler: dispatch, blocks, labels and goto, if, loop, for,
// break/continue, return and call statements.
#include "frontend/compiler.h"
#include "runtime/routines.h"
#include "support/format.h"

namespace quorin {

InvokeFn exit_statement_routine();

Compiler::Compiler(Program& program, CompileErrors& errors, const std::u16string* main_file)
    : prog_(program), errors_(errors), reg_(Registry::get()) {
  files_.push_back(main_file);
}

void Compiler::error(std::u16string text) { errors_.add(*file(), line_, std::move(text)); }

void Compiler::stop_error(std::u16string text) {
  error(std::move(text));
  errors_.stop();
}

StatementNode* Compiler::new_head(StatementNode* owner) {
  StatementNode* h = prog_.make<StatementNode>();
  h->owner = owner;
  h->role = NodeRole::Head;
  h->routine = exec_nothing;
  return h;
}

StatementNode* Compiler::append(StatementNode*& tail, ExecFn routine, std::u16string_view kind, NodeRole role) {
  StatementNode* n = prog_.make<StatementNode>();
  n->file = file();
  n->line = stmt_line_;
  n->routine = routine;
  n->kind = kind;
  n->role = role;
  n->owner = tail->owner;
  tail->next = n;
  tail = n;
  return n;
}

void Compiler::compile(const std::u16string& text) {
  prescan_functions(text);
  p_ = text.c_str();
  line_ = 1;
  prog_.root = new_head(nullptr);
  compile_block(prog_.root, Context::Top, nullptr);
  if (!stopped()) resolve_gotos(true);
}

namespace {

bool is_closer(std::u16string_view w) {
  return w == u"elseif" || w == u"else" || w == u"endif" || w == u"endloop" || w == u"next" || w == u"endfunc";
}

}  // namespace

// `void` starts a declaration only as the result of a function pointer:
// `void (*name)(…)`.
bool Compiler::void_pointer_follows(std::u16string_view word) const {
  const char16_t* q = p_;
  while (*q == u' ' || *q == u'\t') ++q;
  q += word.size();
  while (*q == u' ' || *q == u'\t') ++q;
  if (*q != u'(') return false;
  ++q;
  while (*q == u' ' || *q == u'\t') ++q;
  return *q == u'*';
}

StatementNode* Compiler::compile_block(StatementNode* head, Context ctx, std::u16string_view* closer) {
  StatementNode* tail = head;
  Nesting level(*this, true);
  if (!level) return tail;
  while (!stopped()) {
    skip_space_and_lines(p_, line_);
    if (*p_ == 0) return tail;
    if (*p_ == u'#') {
      skip_line(p_, line_);
      continue;
    }
    stmt_line_ = line_;
    std::u16string_view word = peek_word(p_);

    if (is_closer(word)) {
      bool ok = false;
      if (word == u"elseif" || word == u"else")
        ok = ctx == Context::If || ctx == Context::Elseif;
      else if (word == u"endif")
        ok = ctx == Context::If || ctx == Context::Elseif || ctx == Context::Else;
      else if (word == u"endloop")
        ok = ctx == Context::Loop;
      else if (word == u"next")
        ok = ctx == Context::For;
      else if (word == u"endfunc")
        ok = ctx == Context::Func;
      if (!ok) {
        stop_error(format16(u"'%.200s' 语法错误", word));
        return tail;
      }
      if (closer) *closer = word;
      return tail;
    }

    // 1. Calls (unless the callable is also a variable being assigned).
    if (is_callable(word)) {
      const char16_t* q = p_;
      while (*q == u' ' || *q == u'\t') ++q;
      q += word.size();
      while (*q == u' ' || *q == u'\t') ++q;
      bool assignment = find_variable(word) && q[0] == u'=' && q[1] != u'=';
      if (!assignment) {
        compile_call_statement(tail, word);
        continue;
      }
      compile_assignment(tail);
      continue;
    }
    // 2. Labels: a name directly followed by a colon.
    if (word.size() > 1 && word.back() == u':') {
      compile_label(tail, word.substr(0, word.size() - 1), ctx);
      continue;
    }
    // 3. Statement keywords.
    if (word == u"if") {
      compile_if(tail);
      continue;
    }
    if (word == u"loop") {
      compile_loop(tail);
      continue;
    }
    if (word == u"for") {
      compile_for(tail);
      continue;
    }
    if (word == u"break" || word == u"continue") {
      compile_break_continue(tail, word == u"break", word);
      continue;
    }
    if (word == u"func") {
      compile_func(tail, ctx);
      continue;
    }
    if (word == u"return") {
      compile_return(tail, word);
      continue;
    }
    if (word == u"goto") {
      compile_goto(tail);
      continue;
    }
    // 4. Declarations.
    TypeCode type = type_code_of_word(word);
    if (type > 0 || (type == tc::Void && void_pointer_follows(word))) {
      compile_declaration(tail, type);
      continue;
    }
    // 5. Assignments.
    compile_assignment(tail);
  }
  return tail;
}

bool Compiler::closing_word_ok(std::u16string_view word) {
  while (*p_ == u' ' || *p_ == u'\t') ++p_;
  p_ += word.size();
  if (!at_statement_end(p_)) {
    stop_error(format16(u"'%.200s' 语法错误", word));
    return false;
  }
  skip_line(p_, line_);
  return true;
}

// ---- call statements and directives ----

void Compiler::compile_call_statement(StatementNode*& tail, std::u16string_view name_view) {
  while (*p_ == u' ' || *p_ == u'\t') ++p_;
  std::u16string name(name_view);
  p_ += name.size();
  std::vector<Operand*> raw;
  if (!parse_arguments(name, raw)) return;
  CallRecord* call = build_call(name, raw);
  if (!call) {
    skip_line(p_, line_);
    return;
  }
  if (!at_statement_end(p_)) {
    error(u"语法错误");
    skip_line(p_, line_);
    return;
  }
  // The line end is consumed before a directive acts (include markers rely on it).
  skip_line(p_, line_);
  if (call->entry && name.starts_with(u"quorin_")) {
    apply_directive(name, raw);
    return;
  }
  bool is_exit = call->invoke == exit_statement_routine();
  StatementNode* n = append(tail, exec_call_statement, call->name, is_exit ? NodeRole::Exit : NodeRole::Plain);
  n->extra = call;
  n->result = call->ret;
  n->elem = call->elem;
  n->marker = call->marker;
  n->operands = call->args;
}

bool Compiler::apply_directive(std::u16string_view name, const std::vector<Operand*>& args) {
  HostSettings& s = prog_.settings;
  auto constant_of = [](const Operand* op, TypeCode t) { return op->kind == static_cast<OperandKind>(t); };
  if (name == u"quorin_config_auto_start") {
    s.auto_start = true;
    return true;
  }
  if (name == u"quorin_enter_include_file") {
    if (!constant_of(args[0], tc::String)) return false;
    lines_.push_back(line_);
    files_.push_back(prog_.intern_path(std::u16string(str_view(args[0]->k.str))));
    line_ = 1;
    prog_.includes_used = true;
    return true;
  }
  if (name == u"quorin_leave_include_file") {
    if (files_.size() > 1) {
      files_.pop_back();
      line_ = lines_.back();
      lines_.pop_back();
    }
    return true;
  }
  // Errors of the remaining directives belong to the directive's own line.
  int32_t saved = line_;
  line_ = stmt_line_;
  auto fail = [&](std::u16string text) {
    error(std::move(text));
    line_ = saved;
    return false;
  };
  if (name == u"quorin_window_initial_size" || name == u"quorin_window_initial_position") {
    if (!constant_of(args[0], tc::Int) || !constant_of(args[1], tc::Int))
      return fail(format16(u"'%.200s()' 参数的值必须是一个整型常量", name));
    if (name == u"quorin_window_initial_size") {
      s.has_size = true;
      s.width = args[0]->k.i;
      s.height = args[1]->k.i;
    } else {
      s.has_position = true;
      s.x = args[0]->k.i;
      s.y = args[1]->k.i;
    }
    line_ = saved;
    return true;
  }
  if (name == u"quorin_window_initial_text") {
    if (!constant_of(args[0], tc::String)) return fail(format16(u"'%.200s()' 参数的值必须是一个字符串常量", name));
    s.has_text = true;
    s.text = std::u16string(str_view(args[0]->k.str));
    line_ = saved;
    return true;
  }
  if (name.starts_with(u"quorin_hotkey_")) {
    bool pause = name.starts_with(u"quorin_hotkey_pause_or_continue_");
    int mods = 0;
    int key = 0;
    if (name.ends_with(u"_code")) {
      if (!constant_of(args[0], tc::Char) && !constant_of(args[0], tc::Int))
        return fail(format16(u"'%.200s()' 参数的值必须是一个字符或整型常量", name));
      key = args[0]->k.i;
      // Only a character is case-folded: the int codes 112..123 are the
      // function keys F1..F12, not the letters p..z.
      if (constant_of(args[0], tc::Char) && key >= u'a' && key <= u'z') key -= 32;
      if (!((key >= 48 && key <= 57) || (key >= 65 && key <= 90) || (key >= 112 && key <= 123)))
        return fail(format16(u"'%.200s()' 参数的值不符合要求", name));
    } else {
      if (!constant_of(args[0], tc::Char)) return fail(format16(u"'%.200s()' 参数的值必须是一个字符常量", name));
      key = args[0]->k.i;
      bool letter = (key >= u'a' && key <= u'z') || (key >= u'A' && key <= u'Z');
      if (!letter && !(key >= u'0' && key <= u'9')) return fail(format16(u"'%.200s()' 参数的值不符合要求", name));
      if (key >= u'a' && key <= u'z') key -= 32;
      if (name.ends_with(u"_ctrl_alt_char"))
        mods = 2 | 1;
      else if (name.ends_with(u"_ctrl_char"))
        mods = 2;
      else if (name.ends_with(u"_shift_char"))
        mods = 4;
      else if (name.ends_with(u"_alt_char"))
        mods = 1;
    }
    if (pause) {
      s.pause_mods = mods;
      s.pause_key = key;
    } else {
      s.stop_mods = mods;
      s.stop_key = key;
    }
    if (s.pause_mods == s.stop_mods && s.pause_key == s.stop_key)
      return fail(format16(u"'%.200s()' 【暂停】与【中止】快捷键冲突", name));
    line_ = saved;
    return true;
  }
  line_ = saved;
  return true;
}

// ---- labels and goto ----

void Compiler::compile_label(StatementNode*& tail, std::u16string_view name, Context ctx) {
  while (*p_ == u' ' || *p_ == u'\t') ++p_;
  const char16_t* after = p_ + name.size() + 1;
  if (!(is_ascii_letter(name[0]) || name[0] == u'_')) {
    stop_error(format16(u"'%c' 标签名必须以字母(a-z A-Z)开头", name[0]));
    return;
  }
  for (char16_t c : name)
    if (!is_name_char(c)) {
      compile_assignment(tail);
      return;
    }
  p_ = after;
  if (!at_statement_end(p_)) {
    stop_error(u"语法错误");
    return;
  }
  if (name.size() > 63) {
    stop_error(format16(u"标签 '%.128s' 长度不能超过 63 个字符", name));
    return;
  }
  NameKind kind = reserved_kind(name);
  if (kind != NameKind::None) {
    stop_error(format16(u"标签 '%.200s' 与%s冲突", name, name_kind_word(kind)));
    return;
  }
  if (ctx != Context::Top && ctx != Context::Func) {
    stop_error(format16(u"标签 '%.64s' 不能定义在结构体内", name));
    return;
  }
  NameMap<StatementNode*>& labels = fn_ ? fn_labels_ : top_labels_;
  if (labels.find(name)) {
    stop_error(format16(u"标签 '%.64s' 重复定义", name));
    return;
  }
  StatementNode* n = append(tail, exec_nothing, u"label_goto", NodeRole::Label);
  n->operands.push_back(make_string_constant(name));
  labels.insert(std::u16string(name), n);
  skip_line(p_, line_);
}

void Compiler::compile_goto(StatementNode*& tail) {
  while (*p_ == u' ' || *p_ == u'\t') ++p_;
  p_ += 4;
  skip_blanks(p_);
  if (*p_ == 0 || *p_ == u'\n') {
    stop_error(u"goto 后面缺少标签名");
    return;
  }
  if (!is_ascii_letter(*p_) && *p_ != u'_') {
    stop_error(format16(u"'%c' 标签名必须以字母(a-z A-Z)开头", *p_));
    return;
  }
  std::u16string_view name = peek_name(p_);
  p_ += name.size();
  if (name.size() > 63) {
    stop_error(format16(u"标签 '%.200s' 长度不能超过 63 个字符", name));
    return;
  }
  NameKind kind = reserved_kind(name);
  if (kind != NameKind::None) {
    stop_error(format16(u"标签名 '%.200s' 与%s冲突", name, name_kind_word(kind)));
    return;
  }
  if (!at_statement_end(p_)) {
    stop_error(u"语法错误");
    return;
  }
  StatementNode* n = append(tail, exec_goto, u"goto_jump", NodeRole::Goto);
  (fn_ ? fn_gotos_ : top_gotos_).push_back(PendingGoto{file(), stmt_line_, std::u16string(name), n});
  skip_line(p_, line_);
}

void Compiler::resolve_gotos(bool top_level) {
  NameMap<StatementNode*>& labels = top_level ? top_labels_ : fn_labels_;
  for (PendingGoto& g : top_level ? top_gotos_ : fn_gotos_) {
    StatementNode** label = labels.find(std::u16string_view(g.label));
    if (!label) {
      errors_.add(*g.file, g.line, format16(u"标签名 '%.200s' 未定义", g.label));
      continue;
    }
    g.node->extra = *label;
    Operand* target = prog_.make<Operand>();
    target->kind = OperandKind::Misc;
    target->misc = *label;
    g.node->operands.push_back(target);
  }
}

// ---- if ----

void Compiler::compile_if(StatementNode*& tail) {
  StatementNode* node = append(tail, exec_if, u"if_condtion");
  auto* branches = prog_.make<std::vector<IfBranch>>();
  node->extra = branches;
  Operand* list = prog_.make<Operand>();
  list->kind = OperandKind::Misc;
  list->misc = branches;
  node->operands.push_back(list);

  std::u16string_view keyword = u"if";
  Context ctx = Context::If;
  while (*p_ == u' ' || *p_ == u'\t') ++p_;
  p_ += 2;
  for (;;) {
    IfBranch br;
    br.file = file();
    br.line = stmt_line_;
    if (ctx != Context::Else) {
      ConditionNode* cond = parse_condition();
      if (cond) {
        if (!type_condition(cond)) {
          error(format16(u"'%.200s' 逻辑表达式错误", keyword));
        } else {
          br.cond = cond;
        }
        if (!at_statement_end(p_)) error(u"逻辑表达式语法错误");
        skip_line(p_, line_);
      }
    }
    br.body = new_head(node);
    branches->push_back(br);
    std::u16string_view closer;
    compile_block(branches->back().body, ctx, &closer);
    if (stopped()) return;
    if (closer.empty()) {
      stop_error(u"'if' 没有找到对应的 'endif'");
      return;
    }
    stmt_line_ = line_;
    if (closer == u"endif") {
      closing_word_ok(closer);
      return;
    }
    if (closer == u"else") {
      if (!closing_word_ok(closer)) return;
      ctx = Context::Else;
      keyword = u"else";
      continue;
    }
    // elseif
    while (*p_ == u' ' || *p_ == u'\t') ++p_;
    p_ += 6;
    ctx = Context::Elseif;
    keyword = u"elseif";
  }
}

// ---- loops ----

StatementNode* Compiler::enclosing_loop(StatementNode* tail) {
  for (StatementNode* o = tail->owner; o; o = o->owner) {
    if (o->role == NodeRole::Loop) return o;
    if (o->role == NodeRole::Function) return nullptr;
  }
  return nullptr;
}

void Compiler::compile_loop(StatementNode*& tail) {
  while (*p_ == u' ' || *p_ == u'\t') ++p_;
  p_ += 4;
  skip_blanks(p_);
  auto* data = prog_.make<LoopData>();
  StatementNode* node;
  if (has_comparison_ahead(p_, false)) {
    node = append(tail, exec_loop_condition, u"loop_condition", NodeRole::Loop);
    ConditionNode* cond = parse_condition();
    if (cond) {
      if (!type_condition(cond))
        error(u"'loop' 表达式语法错误");
      else
        data->cond = cond;
      if (!at_statement_end(p_)) error(u"'loop' 表达式语法错误");
      skip_line(p_, line_);
    }
    Operand* c = prog_.make<Operand>();
    c->kind = OperandKind::Condition;
    c->cond = data->cond;
    node->operands.push_back(c);
  } else {
    node = append(tail, exec_loop_times, u"loop_times", NodeRole::Loop);
    Operand* counter = prog_.make<Operand>();
    counter->kind = OperandKind::Misc;
    node->operands.push_back(counter);
    Operand* count = parse_expression();
    if (count) {
      if (!is_int_class(count->type))
        error(u"'loop' 参数类型错误");
      else
        data->count = count;
      if (!at_statement_end(p_)) error(u"'loop' 参数类型错误");
      skip_line(p_, line_);
      if (data->count) node->operands.push_back(data->count);
    }
  }
  node->extra = data;
  compile_loop_body(node, data->body, Context::Loop, u"'loop' 没有找到对应的 'endloop'");
}

void Compiler::compile_loop_body(StatementNode* node, StatementNode*& body, Context ctx, std::u16string_view missing) {
  body = new_head(node);
  Operand* op = prog_.make<Operand>();
  op->kind = OperandKind::Block;
  op->block = body;
  node->operands.push_back(op);
  std::u16string_view closer;
  compile_block(body, ctx, &closer);
  if (stopped()) return;
  if (closer.empty()) {
    stop_error(std::u16string(missing));
    return;
  }
  closing_word_ok(closer);
}

void Compiler::compile_break_continue(StatementNode*& tail, bool is_break, std::u16string_view word) {
  while (*p_ == u' ' || *p_ == u'\t') ++p_;
  p_ += word.size();
  if (!at_statement_end(p_)) {
    error(format16(u"'%.200s' 语法错误", word));
    skip_line(p_, line_);
    return;
  }
  StatementNode* loop = enclosing_loop(tail);
  if (!loop) {
    error(format16(u"'%.200s' 语法错误", word));
    skip_line(p_, line_);
    return;
  }
  StatementNode* n = is_break ? append(tail, exec_break, u"break_loop", NodeRole::Break)
                              : append(tail, exec_continue, u"", NodeRole::Continue);
  n->extra = loop;
  Operand* target = prog_.make<Operand>();
  target->kind = OperandKind::Block;
  target->block = loop;
  n->operands.push_back(target);
  skip_line(p_, line_);
}

// ---- return ----

void Compiler::compile_return(StatementNode*& tail, std::u16string_view word) {
  while (*p_ == u' ' || *p_ == u'\t') ++p_;
  p_ += word.size();
  if (!fn_) {
    error(format16(u"'%.200s' 语法错误", word));
    skip_line(p_, line_);
    return;
  }
  TypeCode ret = fn_->signature.ret;
  if (at_statement_end(p_)) {
    if (ret != tc::Void) {
      error(format16(u"'%.200s' 缺少返回值", word));
      skip_line(p_, line_);
      return;
    }
    StatementNode* n = append(tail, exec_leave, u"leave_func", NodeRole::Leave);
    n->extra = fn_;
    n->operands.push_back(make_string_constant(fn_->name));
    skip_line(p_, line_);
    return;
  }
  Operand* value = parse_expression();
  if (!value) return;
  if (value->type == tc::Array) {
    error(u"静态数组变量缺少维数 [...]");
  } else if (!is_value_type(value->type)) {
    error(u"表达式数据类型错误");
  } else if (ret == tc::Void || !assignable(ret, value->type)) {
    error(u"返回的数据类型不符合函数定义");
  } else if (!at_statement_end(p_)) {
    error(u"语法错误");
  } else {
    StatementNode* n = append(tail, exec_leave_value, u"leave_func_and_return_value", NodeRole::Leave);
    n->extra = fn_;
    n->operands.push_back(make_string_constant(fn_->name));
    n->operands.push_back(convert(value, ret));
  }
  skip_line(p_, line_);
}

}  // namespace quorin
