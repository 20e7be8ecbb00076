// `for … in`: the last dimension of an array, or the elements of a list.
#include "builtins/collections/access.h"
#include "runtime/routines.h"
#include "runtime/storage.h"
#include "support/format.h"

namespace quorin {

namespace {
struct ObjectGuard {
  Object* o;
  ~ObjectGuard() { obj_release(o); }
};

template <TypeCode E>
Flow over_array(Runtime& rt, const ForData& d, ArrayObj* a, size_t base, int32_t count) {
  const size_t width = element_width(E);
  for (int32_t j = 0; j < count; ++j) {
    // The body may rebuild the array: re-check its storage every round.
    if (!a->data || base + static_cast<size_t>(j) >= a->count) return Flow::Next;
    Payload v = load<E>(static_cast<char*>(a->data) + (base + static_cast<size_t>(j)) * width);
    d.store(rt, *d.var, d.from_element(v));
    Flow f = run_list(rt, d.body);
    if (f == Flow::Break) return Flow::Next;
    if (f != Flow::Next && f != Flow::Continue) return f;
  }
  return Flow::Next;
}
}  // namespace

Flow exec_for_in(Runtime& rt, const StatementNode& n) {
  const auto* d = static_cast<const ForData*>(n.extra);
  const Operand* src = d->source;
  if (src->var && src->var->var->type == tc::Array) {
    const VarRef& ref = *src->var;
    Slot* s = slot_for_read(rt, ref);
    ArrayObj* a = s->value.v.arr;
    const std::u16string& name = ref.var->name;
    const size_t lead = ref.indices.size();
    int32_t idx[3] = {0, 0, 0};
    for (size_t i = 0; i < lead; ++i) idx[i] = ref.indices[i]->eval(rt, *ref.indices[i]).i;
    if (!a || !a->data) fail_array_unallocated(rt, name, array_access_text(name, idx, lead));
    if (static_cast<int>(lead) + 1 != a->dims) fail_array_dims(rt, name, static_cast<int>(lead) + 1, a->dims);
    size_t base = 0;
    for (size_t i = 0; i < lead; ++i) {
      if (idx[i] < 0 || idx[i] >= a->size[i]) fail_array_bounds(rt, name, *a, array_access_text(name, idx, lead));
      base = base * static_cast<size_t>(a->size[i]) + static_cast<size_t>(idx[i]);
    }
    int32_t count = a->size[lead];
    base *= static_cast<size_t>(count);
    return with_type(a->elem, [&]<TypeCode E>() -> Flow {
      if constexpr (E == tc::Iterator || E == tc::ArrayList || E == tc::LinkedList || E == tc::HashMap)
        return Flow::Next;
      else
        return over_array<E>(rt, *d, a, base, count);
    });
  }
  if (src->type != tc::ArrayList && src->type != tc::LinkedList) return Flow::Next;
  ObjectGuard list{src->eval(rt, *src).obj};
  for (int32_t i = 0;; ++i) {
    Payload v;
    if (!list_element(list.o, i, v)) return Flow::Next;
    d->store(rt, *d->var, d->from_element(v));
    Flow f = run_list(rt, d->body);
    if (f == Flow::Break) return Flow::Next;
    if (f != Flow::Next && f != Flow::Continue) return f;
  }
}

}  // namespace quorin
