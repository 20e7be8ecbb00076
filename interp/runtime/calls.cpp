// Calls of script functions and function pointers, the helpers builtins'
// invokers use for by-reference, array and collection arguments, and the
// `atexit` handler.
#include <new>
#include <stdexcept>

#include "builtins/collections/access.h"
#include "runtime/bmp_object.h"
#include "runtime/native.h"
#include "runtime/routines.h"
#include "runtime/storage.h"
#include "support/format.h"

namespace quorin {

namespace {

[[noreturn]] void fail_not_a_variable(Runtime& rt, const Operand& op) {
  rt.fail_alert(format16(u"函数需要传递的是一个变量本身的地址，可实际传递的参数类型是:%d \n\n请你将本信息反馈给软件官方，谢谢！",
                         static_cast<int>(op.kind)),
                0);
}

Payload default_of(Runtime& rt, TypeCode t) {
  Payload p;
  p.bits = 0;
  if (t == tc::String) {
    p.str = str_empty();
  } else if (t == tc::Bmp) {
    p.obj = bmp_new_empty(rt.objects);
  } else if (is_collection(t)) {
    p.obj = collection_new(rt.objects, t, 0, 0, 0);
  }
  return p;
}

void pop_frame(Runtime& rt) {
  Frame f = rt.frames.back();
  const size_t n = static_cast<size_t>(f.function->frame_size);
  for (size_t i = 0; i < n; ++i) {
    Slot& s = f.base[i];
    // Scalars and by-reference slots hold nothing to let go of.
    const TypeCode t = s.value.type;
    if (s.present && (t == tc::String || t == tc::Array || is_object_type(t))) release_slot(s);
  }
  rt.frames.pop_back();
  rt.frame_base = rt.frames.empty() ? nullptr : rt.frames.back().base;
  rt.stack.pop(f.base, n);
}

struct FrameGuard {
  Runtime& rt;
  bool active = true;
  ~FrameGuard() {
    if (active) pop_frame(rt);
  }
};

}  // namespace

Payload invoke_script_function(Runtime& rt, const CallRecord& c) {
  const ScriptFunction* f = c.function;
  if (static_cast<int>(rt.frames.size()) >= rt.call_depth_limit) [[unlikely]]
    rt.fail(format16(u"函数 '%s()' 的调用层次超过 %d 层 (递归太深)", f->name, rt.call_depth_limit));
  // Evaluate every argument before the new frame exists.  A cell holds the
  // value, the address (by-reference) or the array; the parameter's code
  // says which.
  Payload cells[16];
  const size_t argc = c.args.size();
  const TypeCode* codes = f->signature.args;
  auto drop_cells = [&](size_t count) {
    for (size_t k = 0; k < count; ++k)
      if (!is_by_ref(codes[k]) && !is_int_var_param(codes[k]) && !is_array_param(codes[k]))
        dispose(f->params[k]->type, cells[k]);
  };
  for (size_t i = 0; i < argc; ++i) {
    const Operand& op = *c.args[i];
    const TypeCode code = codes[i];
    if (is_by_ref(code) || is_int_var_param(code)) {
      if (op.kind != OperandKind::Variable) {
        drop_cells(i);
        fail_not_a_variable(rt, op);
      }
      cells[i].ptr = value_address(rt, *op.var, true);
    } else if (is_array_param(code)) {
      if (op.kind != OperandKind::Variable) {
        drop_cells(i);
        fail_not_a_variable(rt, op);
      }
      cells[i].arr = slot_for_read(rt, *op.var)->value.v.arr;
    } else {
      cells[i] = op.eval(rt, op);
    }
  }
  Slot* base = rt.stack.push(static_cast<size_t>(f->frame_size));
  rt.frames.push_back(Frame{f, base});
  rt.frame_base = base;
  FrameGuard guard{rt};
  for (size_t i = 0; i < argc; ++i) {
    Slot& s = base[i];
    const VariableRecord* prm = f->params[i];
    const TypeCode code = codes[i];
    s.record = prm;
    s.present = s.defined = s.assigned = 1;
    if (is_array_param(code)) {
      s.value.type = tc::Array;
      s.borrowed = 1;
      s.value.v.arr = cells[i].arr;
    } else if (is_by_ref(code) || is_int_var_param(code)) {
      s.value.type = code;
      s.value.v.ptr = cells[i].ptr;
    } else {
      s.value.type = prm->type;
      switch (prm->type) {  // the common scalars without the generic store
        case tc::Int:
          s.value.v.i = cells[i].i;
          break;
        case tc::Long:
          s.value.v.l = cells[i].l;
          break;
        case tc::Double:
          s.value.v.d = cells[i].d;
          break;
        default:
          with_type(prm->type, [&]<TypeCode T>() { store<T>(&s.value.v, cells[i]); });
      }
    }
  }
  rt.has_return_value = false;
  run_list(rt, f->node->next);
  Payload result;
  if (rt.has_return_value) {
    result = rt.return_value.v;
    rt.has_return_value = false;
  } else {
    result = default_of(rt, f->signature.ret);
  }
  return result;
}

Flow exec_leave(Runtime&, const StatementNode&) { return Flow::Return; }

Flow exec_leave_value(Runtime& rt, const StatementNode& n) {
  const Operand& v = *n.operands[1];
  Payload p = v.eval(rt, v);
  if (rt.has_return_value) dispose(rt.return_value.type, rt.return_value.v);
  rt.return_value.type = v.type;
  rt.return_value.v = p;
  rt.has_return_value = true;
  return Flow::Return;
}

FuncTarget* function_pointer_target(Runtime& rt, const CallRecord& c) {
  Slot* s = nullptr;
  if (c.pointer->scope == Scope::Global) {
    s = &rt.globals[static_cast<size_t>(c.pointer->slot)];
  } else if (!rt.frames.empty()) {
    s = rt.frame_slots() + c.pointer->slot;
    if (!s->present) s = nullptr;
  }
  FuncTarget* t = s ? s->value.v.fn : nullptr;
  if (!t || !t->invoke) rt.fail(format16(u"函数指针变量 '%s' 没有初始化。", c.name));
  return t;
}

Payload invoke_function_pointer(Runtime& rt, const CallRecord& c) { return function_pointer_target(rt, c)->invoke(rt, c); }

// ---- helpers of the builtin invokers ----

namespace native {

void* storage_address(Runtime& rt, const Operand& op, const Slot** slot) {
  if (op.kind != OperandKind::Variable) fail_not_a_variable(rt, op);
  if (slot) *slot = nullptr;
  return value_address(rt, *op.var, true);
}

ArrayObj* array_argument(Runtime& rt, const Operand& op) {
  if (op.kind != OperandKind::Variable) fail_not_a_variable(rt, op);
  return slot_for_read(rt, *op.var)->value.v.arr;
}

void collection_argument(Runtime& rt, const Operand& op, Value& held) {
  if (op.kind == OperandKind::Variable && op.var->indices.empty()) {
    Slot* s = slot_for_read(rt, *op.var);
    const Value* src = &s->value;
    if (src->type == tc::RefCollection) src = static_cast<const Value*>(src->v.ptr);
    held = *src;
    obj_retain(held.v.obj);
    return;
  }
  held.type = op.type;
  held.elem = op.elem;
  held.key = op.key;
  held.val = op.val;
  held.v = op.eval(rt, op);
}

void drop_value(Value& v) {
  if (is_object_type(v.type)) obj_release(v.v.obj);
  v.v.bits = 0;
}

Payload generic_result(Runtime& rt, const CallRecord& c, Value v) {
  if (v.type == tc::None) return default_of(rt, c.ret);
  return v.v;
}

}  // namespace native

// ---- exit handler and the run context's end ----

void Runtime::run_exit_handlers() {
  if (exit_handlers_ran) return;
  exit_handlers_ran = true;
  int st = state.load();
  if (st != kRunning && st != kPaused) return;
  exiting = true;
  for (const CallRecord* call : atexit_calls) {
    try {
      Payload r = call->invoke(*this, *call);
      dispose(call->ret, r);
    } catch (const ScriptExit&) {
      return;
    } catch (const ScriptHalt&) {
      return;
    } catch (const std::bad_alloc&) {
      report_out_of_memory();
      return;
    } catch (const std::length_error&) {
      report_out_of_memory();
      return;
    }
  }
}

Runtime::~Runtime() {
  while (!frames.empty()) pop_frame(*this);
  if (has_return_value) dispose(return_value.type, return_value.v);
  for (Slot& s : globals) release_slot(s);
}

}  // namespace quorin
