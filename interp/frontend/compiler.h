// The statement, declaration and expression compilers.  One Compiler turns
// one expanded source text into the statement lists of a Program.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/diagnostics.h"
#include "frontend/lexer.h"
#include "frontend/program_model.h"
#include "frontend/registry.h"

namespace quorin {

struct ForData;

struct Assignment;

class Compiler {
 public:
  Compiler(Program& program, CompileErrors& errors, const std::u16string* main_file);

  // Pre-scans the function headers, then compiles the text into
  // program.root.  Pending top-level gotos are resolved unless compiling
  // stopped.
  void compile(const std::u16string& text);

 private:
  // ---- errors and cursor ----
  void error(std::u16string text);
  void stop_error(std::u16string text);  // records and sets the stop flag
  const std::u16string* file() const { return files_.back(); }
  bool stopped() const { return errors_.stopped(); }

  // ---- statements ----
  enum class Context { Top, If, Elseif, Else, Loop, For, Func };
  // Compiles statements after `tail` until the text ends, compiling stops,
  // or a closing keyword of `ctx` is met; `closer` receives that keyword.
  // Returns the list's last node.
  StatementNode* compile_block(StatementNode* head, Context ctx, std::u16string_view* closer);
  StatementNode* append(StatementNode*& tail, ExecFn routine, std::u16string_view kind, NodeRole role = NodeRole::Plain);
  StatementNode* new_head(StatementNode* owner);
  void compile_call_statement(StatementNode*& tail, std::u16string_view name);
  bool apply_directive(std::u16string_view name, const std::vector<Operand*>& args);
  void compile_label(StatementNode*& tail, std::u16string_view name, Context ctx);
  void compile_goto(StatementNode*& tail);
  void compile_if(StatementNode*& tail);
  void compile_loop(StatementNode*& tail);
  void compile_for(StatementNode*& tail);
  void compile_break_continue(StatementNode*& tail, bool is_break, std::u16string_view word);
  void compile_func(StatementNode*& tail, Context ctx);
  void compile_return(StatementNode*& tail, std::u16string_view word);
  bool closing_word_ok(std::u16string_view word);  // nothing may follow a closing keyword
  bool void_pointer_follows(std::u16string_view word) const;  // `void (*` of a function pointer
  StatementNode* enclosing_loop(StatementNode* tail);
  // Compiles the body of a loop node up to its closing keyword.
  void compile_loop_body(StatementNode* node, StatementNode*& body, Context ctx, std::u16string_view missing);

  // ---- functions ----
  void prescan_functions(const std::u16string& text);
  struct FuncHeader;
  bool parse_func_header(FuncHeader& h, bool report);
  void register_function(FuncHeader& h);
  void resolve_gotos(bool top_level);

  // ---- declarations ----
  void compile_declaration(StatementNode*& tail, TypeCode type);
  void compile_collection_declaration(StatementNode*& tail, TypeCode type);
  void compile_function_pointer(StatementNode*& tail, TypeCode ret);
  bool compile_array_initialiser(StatementNode*& tail, VariableRecord* var);
  void compile_assignment(StatementNode*& tail);
  bool compile_collection_value(StatementNode*& tail, VariableRecord* var, bool declaration);
  VariableRecord* declare_variable(std::u16string_view name, TypeCode type);
  // Reads the comma-separated declarators of one declaration, calling
  // `each(name)` for every new, checked name (false: stop, already reported).
  template <class Each>
  void compile_declarators(std::u16string_view missing_name, Each&& each);
  bool check_new_name(std::u16string_view name);
  // The reserved-name kind of `name`, script functions included.
  NameKind reserved_kind(std::u16string_view name) const;
  void emit_initialise(StatementNode*& tail, VariableRecord* var);
  void emit_assignment(StatementNode*& tail, VarRef* target, Operand* value, TypeCode type);
  // `s = s + a + b …`: the leftmost read of the target and the text added to it.
  void find_string_append(Assignment& a);
  void emit_local_definition(StatementNode*& tail, VariableRecord* var);

  // ---- expressions ----
  Operand* parse_expression();             // null after an error (recorded)
  Operand* parse_binary(int max_level);
  Operand* parse_unary();
  Operand* parse_operand();
  Operand* parse_name_operand(std::u16string_view name);
  Operand* parse_call(std::u16string_view name);
  bool parse_arguments(std::u16string_view name, std::vector<Operand*>& args);
  bool parse_indices(const std::u16string& name, std::vector<Operand*>& out, int max);
  // Indices after a variable name, which must match its declared dimensions.
  bool parse_variable_indices(VariableRecord* var, std::vector<Operand*>& out, bool stop);
  CompareNode* parse_comparison();
  ConditionNode* parse_condition();
  ConditionNode* parse_condition_or();
  ConditionNode* parse_condition_and();
  ConditionNode* parse_condition_term();
  bool type_condition(ConditionNode* c);
  bool at_expression_end() const;

  Operand* make_constant(TypeCode type, Payload value);
  Operand* make_string_constant(std::u16string_view text);
  Operand* make_variable(VariableRecord* var, std::vector<Operand*> indices);
  Operand* make_binary(OpCode op, Operand* l, Operand* r);
  Operand* convert(Operand* op, TypeCode to);  // numeric conversion when types differ
  VariableRecord* find_variable(std::u16string_view name);
  // Callable lookup: function-local pointers, global pointers, builtins, script functions.
  bool is_callable(std::u16string_view name);
  CallRecord* build_call(std::u16string_view name, std::vector<Operand*> args);
  std::u16string expression_text(const char16_t* from) const;

  Program& prog_;
  CompileErrors& errors_;
  const Registry& reg_;
  const char16_t* p_ = nullptr;
  int32_t line_ = 1;
  int32_t stmt_line_ = 1;  // line of the statement being compiled
  std::vector<const std::u16string*> files_;
  std::vector<int32_t> lines_;
  ScriptFunction* fn_ = nullptr;  // function being compiled

  struct PendingGoto {
    const std::u16string* file;
    int32_t line;
    std::u16string label;
    StatementNode* node;
  };
  NameMap<StatementNode*> top_labels_{128};
  NameMap<StatementNode*> fn_labels_{128};
  std::vector<PendingGoto> top_gotos_;
  std::vector<PendingGoto> fn_gotos_;
  bool call_failed_ = false;  // the last parse_call recorded an error
  // Uses of globals inside the function being compiled: rebound at its end
  // when the function declares a local of the same name further down.
  std::vector<Operand*> fn_global_uses_;
  std::vector<StatementNode*> fn_global_stores_;
  std::vector<ForData*> fn_global_loops_;

  // ---- nesting limits ----
  // Parentheses, unary signs, call arguments, conditions and statement
  // blocks nest by recursion in this compiler and expression trees are
  // evaluated by recursion: both are limited far above real scripts.
  static constexpr int kMaxNesting = 1000;
  int nesting_ = 0;             // expression levels being parsed
  int statement_nesting_ = 0;   // blocks being compiled
  // Counts one level for its lifetime; false (error recorded) past the limit.
  class Nesting {
   public:
    Nesting(Compiler& c, bool statements);
    ~Nesting() { --depth_; }
    explicit operator bool() const { return ok_; }

   private:
    int& depth_;
    bool ok_;
  };
  // Raises the height of `op` to one above `child`; false past the limit.
  bool raise_height(Operand* op, const Operand* child);
  int condition_nodes_ = 0;  // connectives in the condition being parsed
  void nesting_error(bool statements);  // a `for` over a global counter
  void rebind_shadowed_globals();
};

}  // namespace quorin
