// The runtime routines the compiler stores in the program: operand readers,
// conversions, statement routines and call invokers.
#pragma once
#include "frontend/program_model.h"

namespace quorin {

// ---- operand readers ----
Payload eval_constant(Runtime&, const Operand&);
Payload eval_call(Runtime&, const Operand&);
// Reader of a variable use, chosen by scope, type, indices and parameter kind.
EvalFn variable_reader(const VarRef& ref);
// Gives a variable operand its reader and the slot the reader uses.
void bind_variable_reader(Operand& op);
// Converts op.inner from `from` to `to` (numeric types).
EvalFn numeric_conversion(TypeCode from, TypeCode to);

// ---- statement routines ----
Flow exec_nothing(Runtime&, const StatementNode&);
Flow exec_call_statement(Runtime&, const StatementNode&);        // extra = CallRecord
Flow exec_assignment(Runtime&, const StatementNode&);            // extra = Assignment
Flow exec_string_append(Runtime&, const StatementNode&);         // extra = Assignment with `append`
Flow exec_define_local(Runtime&, const StatementNode&);          // extra = VariableRecord
Flow exec_initialize(Runtime&, const StatementNode&);            // extra = VariableRecord
Flow exec_if(Runtime&, const StatementNode&);                    // extra = std::vector<IfBranch>
Flow exec_loop_times(Runtime&, const StatementNode&);            // extra = LoopData
Flow exec_loop_condition(Runtime&, const StatementNode&);        // extra = LoopData
Flow exec_for_condition(Runtime&, const StatementNode&);         // extra = ForData
Flow exec_for_in(Runtime&, const StatementNode&);                // extra = ForData
Flow exec_break(Runtime&, const StatementNode&);
Flow exec_continue(Runtime&, const StatementNode&);
Flow exec_goto(Runtime&, const StatementNode&);                  // extra = target label node
Flow exec_leave(Runtime&, const StatementNode&);                 // extra = ScriptFunction
Flow exec_leave_value(Runtime&, const StatementNode&);           // extra = ScriptFunction, operands[0] = value
Flow exec_collection_assign(Runtime&, const StatementNode&);     // extra = CollectionAssignment

// ---- calls ----
Payload invoke_script_function(Runtime&, const CallRecord&);
Payload invoke_function_pointer(Runtime&, const CallRecord&);
// The target of a call through a function-pointer variable (the run ends
// with the "not initialised" error when there is none).
FuncTarget* function_pointer_target(Runtime&, const CallRecord&);

// Stores a computed-form value into a variable or element (taking over a
// string or object reference).
using StoreFn = void (*)(Runtime&, const VarRef&, Payload);
StoreFn store_routine(const VarRef& ref, TypeCode type);
// Converts a computed-form payload between numeric types.
using ConvertFn = Payload (*)(Payload);
ConvertFn payload_conversion(TypeCode from, TypeCode to);

// Runs a statement list from the node after `head`.
Flow run_list(Runtime& rt, const StatementNode* head);
// Waits at a statement boundary until the run state is running; throws
// ScriptHalt once the run is stopped or ended.
void wait_until_running(Runtime& rt);

// Per-node records.
struct Assignment {
  VarRef* target = nullptr;
  Operand* value = nullptr;  // already converted to the target's type
  TypeCode type = tc::None;   // the stored type (element type for arrays)
  bool declares = false;      // a declaration's initialiser: marks the variable defined
  StoreFn store = nullptr;
  // `s = s + …` on a string variable: the read of `s` on the left and the
  // text that is added (null: an ordinary assignment).
  Operand* append_from = nullptr;
  Operand* append = nullptr;
  int32_t slot = -1;  // plain targets: the variable's slot
};

struct LoopData {
  ConditionNode* cond = nullptr;  // loop_condition
  Operand* count = nullptr;       // loop_times (int)
  StatementNode* body = nullptr;  // head node
};

struct ForData {
  VarRef* var = nullptr;       // loop variable
  TypeCode var_type = tc::None;
  Operand* read = nullptr;     // reads the loop variable
  StoreFn store = nullptr;     // stores into it
  ConvertFn from_element = nullptr;  // for … in: element type → variable type
  TypeCode elem = tc::None;
  Operand* end = nullptr;      // counting form (read as extended precision)
  Operand* step = nullptr;     // null: 1
  Operand* source = nullptr;   // iteration form: array (all but last index) or list
  StatementNode* body = nullptr;
};

enum class CollectionSource : uint8_t { Braces, Variable, Call };
struct CollectionAssignment {
  VarRef* target = nullptr;
  CollectionSource source = CollectionSource::Braces;
  std::vector<Operand*> elements;  // braces
  Operand* from = nullptr;         // variable or call
};

// The assignment routine specialised for the target's scope and type (it
// records the target's slot in `a` for the routine).
ExecFn assignment_routine(Assignment& a);
// A variable use that names the variable's own slot: no index, not an array,
// not a by-reference parameter.
bool is_plain_use(const VarRef& ref);

// The handler of an operator or comparison that reads a constant or
// plain-variable operand itself (runtime/operand_forms.h), or null when the
// table's handler is as good; it records the slots and the constant it
// reads in the node.  `in_function`: the node is compiled inside a function.
EvalFn direct_operator(Operand& self, bool in_function);
CompareFn direct_comparison(CompareNode& node, bool in_function);

// Condition evaluation (short-circuit).
bool eval_condition(Runtime&, const ConditionNode&);

}  // namespace quorin
