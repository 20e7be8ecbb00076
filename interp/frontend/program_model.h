// The compiled program: statement nodes linked into lists, operands that
// evaluate to typed values, expression, comparison and condition trees, call
// records and variable records.  Every routine a node needs (statement
// routine, operator handler, comparison handler, argument reader) is stored
// in it when the script is compiled; the runtime only follows pointers.
#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "frontend/types.h"
#include "runtime/value.h"
#include "support/chain_map.h"

namespace quorin {

class Runtime;
struct Operand;
struct StatementNode;
struct BuiltinEntry;
struct ScriptFunction;

using EvalFn = Payload (*)(Runtime&, const Operand&);

enum class OperandKind : int32_t {
  None = 0,
  // 1..8: constants of that type code
  Expr = 10,       // arithmetic expression tree
  Call = 11,       // call record
  Block = 12,      // nested statement list head, or the loop of break/continue
  Condition = 14,  // logical condition tree
  Variable = 15,   // variable reference (possibly indexed)
  Misc = 21,       // type descriptor, jump target, counter slot, branch list
};

// Generic operator markers, replaced by specialised handlers when typed.
enum class OpCode : uint8_t { Add, Sub, Mul, Div, Mod, And, Or, Xor, Shl, Shr, Neg, Not };
enum class CmpOp : uint8_t { Gt, Ge, Eq, Ne, Lt, Le };
enum class Connective : uint8_t { None, And, Or };

struct ExprNode {
  Operand* left = nullptr;  // unary operators: an int constant placeholder
  Operand* right = nullptr;
  OpCode op = OpCode::Add;
  bool resolved = false;
  TypeCode result = tc::None;
};

struct CompareNode;
using CompareFn = bool (*)(Runtime&, const CompareNode&);
struct CompareNode {
  Operand* left = nullptr;
  Operand* right = nullptr;
  CmpOp op = CmpOp::Eq;
  CompareFn handler = nullptr;
  // Handlers reading their operands: the variables' slots, the constant.
  int32_t left_slot = -1, right_slot = -1;
  Payload k{.bits = 0};
};

struct ConditionNode {
  struct Child {
    int tag = 0;  // 0: comparison, 1: nested condition
    void* ptr = nullptr;
  };
  Child left, right;
  Connective conn = Connective::None;
};

// Signature of anything callable: builtin, script function, function-pointer
// type or COM method.  Builtins live in static tables; the others are built
// by the compiler (or at run time for COM) in the same layout.
using InvokeFn = Payload (*)(Runtime&, const struct CallRecord&);
struct BuiltinEntry {
  const char16_t* name = nullptr;
  InvokeFn invoke = nullptr;  // evaluates the arguments and enters the callee
  int32_t argc = 0;
  TypeCode args[16] = {};
  TypeCode ret = tc::Void;
  uint16_t elem = 0;   // element type of a returned collection / iterator
  uint16_t elem2 = 0;
  uint16_t reserved = 0;
  uint16_t marker = 0;  // 0 builtin, 1 script-declared pointer type, 2 COM method, 3 script function
};

struct CallRecord {
  const BuiltinEntry* entry = nullptr;  // null for a call through a function-pointer variable
  InvokeFn invoke = nullptr;
  std::u16string name;
  std::vector<Operand*> args;
  TypeCode ret = tc::Void;
  uint16_t elem = 0;
  uint16_t elem2 = 0;
  uint16_t reserved = 0;
  uint16_t marker = 0;
  ScriptFunction* function = nullptr;          // script-function calls
  struct VariableRecord* pointer = nullptr;    // calls through a function-pointer variable
};

struct ArrayDesc {
  TypeCode elem = tc::None;
  int dims = 0;
  std::vector<Operand*> sizes;  // evaluated when the declaration runs
};

enum class Scope : uint8_t { Global, Local };

struct VariableRecord {
  TypeCode type = tc::None;  // tc::Array for arrays
  uint16_t elem = 0, key = 0, val = 0;
  ArrayDesc* array = nullptr;        // arrays
  BuiltinEntry* signature = nullptr;  // function pointers
  std::u16string name;
  Scope scope = Scope::Global;
  int32_t slot = -1;  // index in the global table or in the function's frame
  TypeCode param = tc::None;  // parameters: the declared parameter code (by-ref, array)
};

// A variable use: the variable, how it was resolved, and its indices.
struct VarRef {
  VariableRecord* var = nullptr;
  // Set when a local and a global share the name inside one function: the
  // local is read once its declaration has run in the current frame, the
  // global before that.
  VariableRecord* shadowed_global = nullptr;
  std::vector<Operand*> indices;
  bool whole_array() const { return var && var->type == tc::Array && indices.empty(); }
};

struct Operand {
  EvalFn eval = nullptr;
  OperandKind kind = OperandKind::None;
  TypeCode type = tc::None;  // static value type (tc::Array for a whole array)
  uint16_t elem = 0, key = 0, val = 0;
  uint16_t height = 0;      // evaluation nesting below this operand (compile-time limit)
  int32_t slot = -1;        // variable uses: the slot of `var->var`, set with the reader;
                            // operators reading their operands: the left one's slot
  int32_t slot2 = -1;       // operators reading their operands: the right one's slot
  Payload k{.bits = 0};     // constants (a string constant holds one reference)
  ExprNode* expr = nullptr;
  struct CallRecord* call = nullptr;
  VarRef* var = nullptr;
  StatementNode* block = nullptr;
  ConditionNode* cond = nullptr;
  void* misc = nullptr;
  Operand* inner = nullptr;  // conversions: the operand being converted
};

enum class Flow : uint8_t { Next, Break, Continue, Return, Goto };
using ExecFn = Flow (*)(Runtime&, const StatementNode&);

// What the walker must recognise itself.
enum class NodeRole : uint8_t {
  Plain,
  Head,
  Exit,
  Break,
  Continue,
  Leave,
  Goto,
  Label,
  Loop,
  Function,
};

struct StatementNode {
  const std::u16string* file = nullptr;
  int32_t line = 0;
  ExecFn routine = nullptr;
  std::u16string_view kind;  // node kind name, or the callee's name for calls
  std::vector<Operand*> operands;
  TypeCode result = tc::Void;
  uint16_t elem = 0;
  StatementNode* owner = nullptr;
  StatementNode* next = nullptr;
  uint16_t marker = 0;
  NodeRole role = NodeRole::Plain;
  void* extra = nullptr;  // per-kind record (branches, loop data, call record, jump target)
};

struct IfBranch {
  const std::u16string* file = nullptr;
  int32_t line = 0;
  ConditionNode* cond = nullptr;  // null for `else`
  StatementNode* body = nullptr;  // head node
};

struct ScriptFunction {
  std::u16string name;
  BuiltinEntry signature;  // marker 3
  StatementNode* node = nullptr;  // function node; its `next` is the body head
  std::vector<VariableRecord*> params;
  NameMap<VariableRecord*> locals{128};
  NameMap<VariableRecord*> local_callables{128};
  int32_t frame_size = 0;  // slots: parameters first, then locals
  bool compiled = false;   // its body has been compiled
};

// Settings that directives set while the script compiles.
struct HostSettings {
  bool auto_start = false;
  // Hotkeys: modifier flags (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4) and key code.
  int pause_mods = 0, pause_key = 113;  // F2
  int stop_mods = 0, stop_key = 119;    // F8
  bool has_size = false, has_position = false, has_text = false;
  int width = 0, height = 0, x = 0, y = 0;
  std::u16string text;
};

// Owns every record of one compiled program.
class Program {
 public:
  Program() = default;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();

  template <class T, class... A>
  T* make(A&&... args) {
    T* p = new T(static_cast<A&&>(args)...);
    owned_.push_back(Holder{p, [](void* q) { delete static_cast<T*>(q); }});
    return p;
  }
  // A stable copy of a file path, shared by nodes and errors.
  const std::u16string* intern_path(const std::u16string& path);

  StatementNode* root = nullptr;  // head node of the top-level list
  NameMap<VariableRecord*> globals{8192};
  std::vector<VariableRecord*> global_list;  // by slot
  NameMap<ScriptFunction*> functions{1024};
  NameMap<VariableRecord*> global_callables{1024};  // function-pointer variables
  std::u16string main_path;
  std::u16string charset;  // the main script's detected charset name
  HostSettings settings;
  bool includes_used = false;

 private:
  struct Holder {
    void* p;
    void (*del)(void*);
  };
  std::vector<Holder> owned_;
  std::deque<std::u16string> paths_;
};

}  // namespace quorin
