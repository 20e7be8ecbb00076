// The statement walker and the control-flow statements.
#include <chrono>
#include <cmath>

#include "runtime/routines.h"
#include "runtime/storage.h"

namespace quorin {

void wait_until_running(Runtime& rt) {
  // The exit handlers walk their functions whatever the run state is.
  if (rt.exiting) return;
  for (;;) {
    if (rt.control.park_requested()) [[unlikely]]
      rt.control.park_here();
    int st = rt.state.load(std::memory_order_acquire);
    if (st == kRunning) return;
    if (st == kStopped || st == kEnded) throw ScriptHalt{};
    rt.ui.enable_start_button();
    if (st == kNotStarted && rt.auto_start) {
      rt.ui.request_start(rt.state);
      if (rt.state.load() == kRunning) return;
    }
    rt.start_event.wait_for(std::chrono::milliseconds(200));
  }
}

Flow run_list(Runtime& rt, const StatementNode* head) {
  const StatementNode* n = head->next;
  while (n) {
    if (n->line > 0) {
      rt.pos_file = n->file;
      rt.pos_line = n->line;
    }
    if (rt.state.load(std::memory_order_relaxed) != kRunning || rt.control.park_requested()) [[unlikely]]
      wait_until_running(rt);
    if (n->role == NodeRole::Exit) [[unlikely]]
      throw ScriptExit{0};
    Flow f = n->routine(rt, *n);
    if (rt.state.load(std::memory_order_relaxed) == kPaused) [[unlikely]]
      wait_until_running(rt);
    if (f != Flow::Next) [[unlikely]] {
      if (f == Flow::Goto && rt.goto_target->owner == head->owner) {
        n = rt.goto_target;
        rt.goto_target = nullptr;
        continue;
      }
      return f;
    }
    n = n->next;
  }
  return Flow::Next;
}

Flow exec_nothing(Runtime&, const StatementNode&) { return Flow::Next; }
Flow exec_break(Runtime&, const StatementNode&) { return Flow::Break; }
Flow exec_continue(Runtime&, const StatementNode&) { return Flow::Continue; }

Flow exec_goto(Runtime& rt, const StatementNode& n) {
  rt.goto_target = static_cast<const StatementNode*>(n.extra);
  return Flow::Goto;
}

Flow exec_call_statement(Runtime& rt, const StatementNode& n) {
  const auto* call = static_cast<const CallRecord*>(n.extra);
  Payload r = call->invoke(rt, *call);
  dispose(call->ret, r);
  return Flow::Next;
}

// ---- conditions ----

namespace {
inline bool eval_child(Runtime& rt, const ConditionNode::Child& c) {
  if (c.tag == 0) {
    const auto* cmp = static_cast<const CompareNode*>(c.ptr);
    return cmp->handler(rt, *cmp);
  }
  return eval_condition(rt, *static_cast<const ConditionNode*>(c.ptr));
}
}  // namespace

bool eval_condition(Runtime& rt, const ConditionNode& c) {
  switch (c.conn) {
    case Connective::And:
      return eval_child(rt, c.left) && eval_child(rt, c.right);
    case Connective::Or:
      return eval_child(rt, c.left) || eval_child(rt, c.right);
    default:
      return eval_child(rt, c.left);
  }
}

// ---- if and loops ----

Flow exec_if(Runtime& rt, const StatementNode& n) {
  const auto* branches = static_cast<const std::vector<IfBranch>*>(n.extra);
  for (const IfBranch& b : *branches) {
    rt.pos_file = b.file;
    rt.pos_line = b.line;
    if (b.cond && !eval_condition(rt, *b.cond)) continue;
    return run_list(rt, b.body);
  }
  return Flow::Next;
}

namespace {
// What a loop does with its body's flow: true to leave the loop.
inline bool leaves_loop(Flow f, Flow& out) {
  switch (f) {
    case Flow::Next:
    case Flow::Continue:
      return false;
    case Flow::Break:
      out = Flow::Next;
      return true;
    default:
      out = f;
      return true;
  }
}

// An endless loop with nothing in it: the thread sleeps until the run is
// stopped or ended.
[[noreturn]] void idle_forever(Runtime& rt) {
  for (;;) {
    int st = rt.state.load();
    if (st == kStopped || st == kEnded) throw ScriptHalt{};
    rt.start_event.wait_for(std::chrono::milliseconds(500));
  }
}
}  // namespace

Flow exec_loop_times(Runtime& rt, const StatementNode& n) {
  const auto* d = static_cast<const LoopData*>(n.extra);
  int32_t count = d->count->eval(rt, *d->count).i;
  const bool empty = d->body->next == nullptr;
  Flow out = Flow::Next;
  if (count == -1) {
    if (empty) idle_forever(rt);
    for (;;)
      if (leaves_loop(run_list(rt, d->body), out)) return out;
  }
  if (empty) return Flow::Next;
  for (int32_t i = 0; i < count; ++i)
    if (leaves_loop(run_list(rt, d->body), out)) return out;
  return Flow::Next;
}

Flow exec_loop_condition(Runtime& rt, const StatementNode& n) {
  const auto* d = static_cast<const LoopData*>(n.extra);
  Flow out = Flow::Next;
  while (eval_condition(rt, *d->cond))
    if (leaves_loop(run_list(rt, d->body), out)) return out;
  return Flow::Next;
}

namespace {
using Wide = long double;  // holds every long and every double exactly

Wide wide_of(TypeCode t, Payload p) {
  switch (t) {
    case tc::Long:
      return static_cast<Wide>(p.l);
    case tc::Float:
      return static_cast<Wide>(p.f);
    case tc::Double:
      return static_cast<Wide>(p.d);
    default:
      return static_cast<Wide>(p.i);
  }
}

Payload narrow_to(TypeCode t, Wide w) {
  Payload p;
  p.bits = 0;
  auto to_i32 = [](Wide x) -> int32_t {
    if (!(x > -2147483649.0L && x < 2147483648.0L)) return INT32_MIN;
    return static_cast<int32_t>(x);
  };
  switch (t) {
    case tc::Byte:
      p.i = static_cast<uint8_t>(to_i32(w));
      break;
    case tc::Char:
      p.i = static_cast<char16_t>(to_i32(w));
      break;
    case tc::Short:
      p.i = static_cast<int16_t>(to_i32(w));
      break;
    case tc::Int:
      p.i = to_i32(w);
      break;
    case tc::Long:
      p.l = (w >= -9223372036854775808.0L && w < 9223372036854775808.0L) ? static_cast<int64_t>(w) : INT64_MIN;
      break;
    case tc::Float:
      p.f = static_cast<float>(w);
      break;
    default:
      p.d = static_cast<double>(w);
      break;
  }
  return p;
}
}  // namespace

namespace {

constexpr bool is_integer_code(TypeCode t) { return is_int_class(t) || t == tc::Long; }

inline int64_t integer_of(TypeCode t, Payload p) { return t == tc::Long ? p.l : static_cast<int64_t>(p.i); }

// narrow_to for an exact integer sum: the same results without the extended
// arithmetic.
inline Payload narrow_integer(TypeCode t, int64_t x) {
  if (t == tc::Long) return make_long(x);
  const int32_t v = (x >= INT32_MIN && x <= INT32_MAX) ? static_cast<int32_t>(x) : INT32_MIN;
  switch (t) {
    case tc::Byte:
      return make_int(static_cast<uint8_t>(v));
    case tc::Char:
      return make_int(static_cast<char16_t>(v));
    case tc::Short:
      return make_int(static_cast<int16_t>(v));
    default:
      return make_int(v);
  }
}

// The counting loop when the variable, the end and the step are all
// integers.  Every value involved fits in 64 bits and every sum that does
// not overflow them is exact, so comparing and adding in int64_t gives what
// the extended-precision loop gives; a sum that would overflow takes the
// extended arithmetic for that one step.
//
// An int or long variable that names its own slot is read and written there
// directly; whenever that slot is not usable (a local not created yet, an
// undefined global) the variable's reader and store routine take over with
// their checks and messages.
template <TypeCode T>
Flow for_integers(Runtime& rt, const ForData* d) {
  const int64_t end = integer_of(d->end->type, d->end->eval(rt, *d->end));
  const int64_t step = d->step ? integer_of(d->step->type, d->step->eval(rt, *d->step)) : 1;
  const TypeCode t = d->var_type;
  constexpr bool direct = T == tc::Int || T == tc::Long;
  const bool global = d->var->var->scope == Scope::Global;
  const size_t slot = static_cast<size_t>(d->read->slot);
  auto own_slot = [&]() -> Slot* {
    if (global) {
      Slot* s = &rt.globals[slot];
      return s->defined ? s : nullptr;
    }
    Slot* base = rt.frame_base;
    if (!base || !base[slot].present) return nullptr;
    return base + slot;
  };
  const bool empty = d->body->next == nullptr;
  Flow out = Flow::Next;
  int64_t v = integer_of(t, d->read->eval(rt, *d->read));
  for (;;) {
    if (step >= 0 ? v > end : v < end) return Flow::Next;
    Slot* s = nullptr;
    if (!empty) {
      if (leaves_loop(run_list(rt, d->body), out)) return out;
      if constexpr (direct) s = own_slot();
      if (!s)
        v = integer_of(t, d->read->eval(rt, *d->read));
      else if constexpr (T == tc::Long)
        v = s->value.v.l;
      else
        v = s->value.v.i;
    } else if constexpr (direct) {
      s = own_slot();
    }
    int64_t sum;
    Payload next = __builtin_add_overflow(v, step, &sum)
                       ? narrow_to(t, static_cast<Wide>(v) + static_cast<Wide>(step))
                       : narrow_integer(t, sum);
    if (s) {
      s->assigned = 1;
      if constexpr (T == tc::Long)
        s->value.v.l = next.l;
      else
        s->value.v.i = next.i;
    } else {
      d->store(rt, *d->var, next);
    }
    v = integer_of(t, next);
  }
}

}  // namespace

Flow exec_for_condition(Runtime& rt, const StatementNode& n) {
  const auto* d = static_cast<const ForData*>(n.extra);
  if (is_integer_code(d->var_type) && is_integer_code(d->end->type) && (!d->step || is_integer_code(d->step->type))) {
    if (d->var_type == tc::Int && is_plain_use(*d->var)) return for_integers<tc::Int>(rt, d);
    if (d->var_type == tc::Long && is_plain_use(*d->var)) return for_integers<tc::Long>(rt, d);
    return for_integers<tc::None>(rt, d);
  }
  const Wide end = wide_of(d->end->type, d->end->eval(rt, *d->end));
  const Wide step = d->step ? wide_of(d->step->type, d->step->eval(rt, *d->step)) : 1.0L;
  const bool ascending = step >= 0;
  const bool empty = d->body->next == nullptr;
  Flow out = Flow::Next;
  Wide v = wide_of(d->var_type, d->read->eval(rt, *d->read));
  for (;;) {
    if (ascending ? !(v <= end) : !(v >= end)) return Flow::Next;
    if (!empty) {
      if (leaves_loop(run_list(rt, d->body), out)) return out;
      v = wide_of(d->var_type, d->read->eval(rt, *d->read));
    }
    Payload next = narrow_to(d->var_type, v + step);
    d->store(rt, *d->var, next);
    v = wide_of(d->var_type, next);
  }
}

}  // namespace quorin
