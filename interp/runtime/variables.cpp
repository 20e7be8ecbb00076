// Variable storage: global and local slots, their defined/assigned rules,
// arrays with bounds checks, and the declaration and assignment routines.
#include <cstring>
#include <new>

#include "builtins/collections/access.h"
#include "runtime/bmp_object.h"
#include "runtime/routines.h"
#include "runtime/storage.h"
#include "support/format.h"

namespace quorin {

// ---- slot stack ----

SlotStack::~SlotStack() {
  for (Chunk& c : chunks_) delete[] c.slots;
}

// The current chunk is full: move to the next one, or make one.
Slot* SlotStack::push_chunk(size_t n) {
  if (chunks_.empty()) {
    chunks_.push_back(Chunk{new Slot[kChunk], kChunk, 0});
  } else {
    // Chunks above the current one are empty: use the next, or make one.
    size_t next = current_ + 1;
    if (next == chunks_.size() || chunks_[next].size < n) {
      size_t size = n > kChunk ? n : kChunk;
      chunks_.insert(chunks_.begin() + static_cast<ptrdiff_t>(next), Chunk{new Slot[size], size, 0});
    }
    current_ = next;
  }
  Chunk& c = chunks_[current_];
  if (c.size - c.used < n) return push_chunk(n);
  Slot* base = c.slots + c.used;
  for (size_t i = 0; i < n; ++i) base[i] = Slot{};
  c.used += n;
  return base;
}

void SlotStack::pop_chunks() {
  while (current_ > 0 && chunks_[current_].used == 0) --current_;
}

// ---- errors ----

namespace {

[[noreturn]] void fail_undefined(Runtime& rt, const std::u16string& name) {
  rt.fail(format16(u"变量 '%s' 还没有定义。\n\n提示：脚本中存在逻辑错误，变量 '%s' 定义的位置需要调整。", name, name), -1);
}
[[noreturn]] void fail_uninitialised(Runtime& rt, const std::u16string& name) {
  rt.fail(format16(u"变量 '%s' 的值还没有初始化。\n\n提示：脚本中存在逻辑错误，变量 '%s' 定义的位置需要调整。", name, name),
          -1);
}

inline Slot* read_global(Runtime& rt, const VariableRecord* v) {
  Slot* s = &rt.globals[static_cast<size_t>(v->slot)];
  if (!s->defined) [[unlikely]] {
    if (!s->assigned && rt.frames.empty()) fail_undefined(rt, v->name);
    fail_uninitialised(rt, v->name);
  }
  return s;
}

inline Slot* read_local(Runtime& rt, const VarRef& ref) {
  Slot* s = rt.frame_base ? rt.frame_base + ref.var->slot : nullptr;
  if (!s || !s->present) [[unlikely]] {
    if (ref.shadowed_global) return read_global(rt, ref.shadowed_global);
    fail_undefined(rt, ref.var->name);
  }
  return s;
}

}  // namespace

Slot* slot_for_read(Runtime& rt, const VarRef& ref) {
  return ref.var->scope == Scope::Global ? read_global(rt, ref.var) : read_local(rt, ref);
}

Slot* slot_for_write(Runtime& rt, const VarRef& ref) {
  Slot* s;
  if (ref.var->scope == Scope::Global) {
    s = &rt.globals[static_cast<size_t>(ref.var->slot)];
  } else {
    s = rt.frame_base ? rt.frame_base + ref.var->slot : nullptr;
    if (!s || !s->present) {
      if (!ref.shadowed_global) fail_undefined(rt, ref.var->name);
      s = &rt.globals[static_cast<size_t>(ref.shadowed_global->slot)];
    }
  }
  s->assigned = 1;
  return s;
}

std::u16string array_access_text(const std::u16string& name, const int32_t* indices, size_t n) {
  std::u16string t = name;
  for (size_t i = 0; i < n; ++i) t += format16(u"[%d]", indices[i]);
  return t;
}

void fail_array_unallocated(Runtime& rt, const std::u16string& name, std::u16string_view access) {
  rt.fail_alert(format16(u"行: %d, 数组变量 '%s' 还没有初始化", rt.pos_line, name) + u", 访问位置: " +
                    std::u16string(access) +
                    format16(u"\n\n提示：脚本中存在逻辑错误，数组变量 '%s' 定义的位置需要调整。", name),
                0);
}

void fail_array_dims(Runtime& rt, const std::u16string& name, int used, int actual) {
  rt.fail(format16(u"函数定义中参数 '%s' 是一个 %d 维数组, 调用该函数时实际传递的是一个 %d 维数组", name, used, actual),
          -1);
}

void fail_array_bounds(Runtime& rt, const std::u16string& name, const ArrayObj& a, std::u16string_view access) {
  rt.fail(format16(u"变量 '%s' 数组索引越界, 数组定义: %s", name, array_access_text(name, a.size, a.dims)) +
              u", 越界位置: " + std::u16string(access),
          -1);
}

void* element_address(Runtime& rt, const VarRef& ref, Slot* slot) {
  ArrayObj* a = slot->value.v.arr;
  const std::u16string& name = slot->record ? slot->record->name : ref.var->name;
  const size_t n = ref.indices.size();
  int32_t idx[3] = {0, 0, 0};
  for (size_t i = 0; i < n; ++i) {
    const Operand* op = ref.indices[i];
    idx[i] = op->eval(rt, *op).i;
  }
  if (!a || !a->data) [[unlikely]]
    fail_array_unallocated(rt, name, array_access_text(name, idx, n));
  if (static_cast<int>(n) != a->dims) [[unlikely]]
    fail_array_dims(rt, ref.var->name, static_cast<int>(n), a->dims);
  size_t flat = 0;
  for (size_t i = 0; i < n; ++i) {
    if (idx[i] < 0 || idx[i] >= a->size[i]) [[unlikely]]
      fail_array_bounds(rt, name, *a, array_access_text(name, idx, n));
    flat = flat * static_cast<size_t>(a->size[i]) + static_cast<size_t>(idx[i]);
  }
  return static_cast<char*>(a->data) + flat * element_width(a->elem);
}

void* value_address(Runtime& rt, const VarRef& ref, bool for_write) {
  Slot* s = for_write ? slot_for_write(rt, ref) : slot_for_read(rt, ref);
  if (s->value.type == tc::Array) return ref.indices.empty() ? static_cast<void*>(&s->value.v) : element_address(rt, ref, s);
  if (is_by_ref(s->value.type) || s->value.type == tc::RefCollection) return s->value.v.ptr;
  return &s->value.v;
}

// ---- readers ----

namespace {

template <TypeCode T>
Payload read_plain(Runtime& rt, const Operand& op) {
  Slot* s = slot_for_read(rt, *op.var);
  return load<T>(&s->value.v);
}

// The plain readers take the slot from the operand itself: one load instead
// of a walk through the variable use and its record.
template <TypeCode T>
Payload read_global_fast(Runtime& rt, const Operand& op) {
  const Slot* s = &rt.globals[static_cast<size_t>(op.slot)];
  if (s->defined) [[likely]]
    return load<T>(&s->value.v);
  return load<T>(&read_global(rt, op.var->var)->value.v);
}

template <TypeCode T>
Payload read_local_fast(Runtime& rt, const Operand& op) {
  if (Slot* base = rt.frame_base) [[likely]] {
    const Slot* s = base + op.slot;
    if (s->present) [[likely]]
      return load<T>(&s->value.v);
  }
  return load<T>(&read_local(rt, *op.var)->value.v);
}

template <TypeCode T>
Payload read_through_ref(Runtime& rt, const Operand& op) {
  Slot* s = slot_for_read(rt, *op.var);
  if (s->value.type == tc::Array || !(is_by_ref(s->value.type) || s->value.type == tc::RefCollection))
    return load<T>(&s->value.v);
  return load<T>(s->value.v.ptr);
}

template <TypeCode T>
Payload read_element(Runtime& rt, const Operand& op) {
  Slot* s = slot_for_read(rt, *op.var);
  return load<T>(element_address(rt, *op.var, s));
}

Payload read_whole_array(Runtime& rt, const Operand& op) {
  Slot* s = slot_for_read(rt, *op.var);
  Payload p;
  p.bits = 0;
  p.arr = s->value.v.arr;
  return p;
}

}  // namespace

EvalFn variable_reader(const VarRef& ref) {
  const VariableRecord* v = ref.var;
  if (v->type == tc::Array) {
    if (ref.indices.empty()) return read_whole_array;
    return with_type(v->array->elem, []<TypeCode T>() -> EvalFn { return read_element<T>; });
  }
  if (is_by_ref(v->param))
    return with_type(v->type, []<TypeCode T>() -> EvalFn { return read_through_ref<T>; });
  if (v->scope == Scope::Global)
    return with_type(v->type, []<TypeCode T>() -> EvalFn { return read_global_fast<T>; });
  return with_type(v->type, []<TypeCode T>() -> EvalFn { return read_local_fast<T>; });
}

void bind_variable_reader(Operand& op) {
  op.eval = variable_reader(*op.var);
  op.slot = op.var->var->slot;
}

// ---- stores ----

namespace {

template <TypeCode T>
void store_plain(Runtime& rt, const VarRef& ref, Payload v) {
  Slot* s = slot_for_write(rt, ref);
  store<T>(&s->value.v, v);
}

template <TypeCode T>
void store_any(Runtime& rt, const VarRef& ref, Payload v) {
  void* addr;
  try {
    addr = value_address(rt, ref, true);
  } catch (...) {
    dispose(T, v);
    throw;
  }
  store<T>(addr, v);
}

}  // namespace

StoreFn store_routine(const VarRef& ref, TypeCode type) {
  const VariableRecord* v = ref.var;
  bool simple = v->type != tc::Array && !is_by_ref(v->param);
  if (simple) return with_type(type, []<TypeCode T>() -> StoreFn { return store_plain<T>; });
  return with_type(type, []<TypeCode T>() -> StoreFn { return store_any<T>; });
}

// ---- defaults and disposal ----

void release_slot(Slot& s) {
  TypeCode t = s.value.type;
  if (t == tc::String) {
    str_release(s.value.v.str);
  } else if (is_object_type(t)) {
    obj_release(s.value.v.obj);
  } else if (t == tc::Array) {
    if (!s.borrowed && s.value.v.arr) {
      array_free_storage(*s.value.v.arr);
      delete s.value.v.arr;
    }
  }
  s.value.v.bits = 0;
}

namespace {

// Gives the slot its type header (and, for arrays, an empty descriptor).
void prepare_slot(Slot& s, const VariableRecord* v) {
  s.record = v;
  s.value.type = v->type;
  s.value.elem = v->elem;
  s.value.key = v->key;
  s.value.val = v->val;
  if (v->type == tc::String) {
    s.value.v.str = str_empty();
  } else if (v->type == tc::Array) {
    auto* a = new ArrayObj;
    a->elem = v->array->elem;
    a->dims = v->array->dims;
    s.value.v.arr = a;
  }
}

// Resets a variable to its type's default, releasing what it held.
void reset_to_default(Runtime& rt, Slot& s, const VariableRecord* v) {
  switch (v->type) {
    case tc::String: {
      StrRep* old = s.value.v.str;
      s.value.v.str = str_empty();
      str_release(old);
      break;
    }
    case tc::Bmp: {
      Object* old = s.value.v.obj;
      s.value.v.obj = bmp_new_empty(rt.objects);
      obj_release(old);
      break;
    }
    case tc::ArrayList:
    case tc::LinkedList:
    case tc::HashMap:
    case tc::Iterator: {
      Object* old = s.value.v.obj;
      s.value.v.obj = collection_new(rt.objects, v->type, v->elem, v->key, v->val);
      obj_release(old);
      break;
    }
    case tc::Array: {
      int32_t sizes[3] = {0, 0, 0};
      for (int i = 0; i < v->array->dims; ++i) {
        const Operand* op = v->array->sizes[static_cast<size_t>(i)];
        sizes[i] = op->eval(rt, *op).i;
      }
      ArrayObj* a = s.value.v.arr;
      if (!a) {
        a = new ArrayObj;
        a->elem = v->array->elem;
        s.value.v.arr = a;
      }
      if (!array_build(*a, v->array->dims, sizes))
        rt.fail(format16(u"变量 '%s' 的数组太大, 内存不足, 数组定义: %s", v->name,
                         array_access_text(v->name, sizes, static_cast<size_t>(v->array->dims))),
                -1);
      break;
    }
    default:
      s.value.v.bits = 0;
      break;
  }
}

}  // namespace

void init_globals(Runtime& rt) {
  rt.globals.resize(rt.program.global_list.size());
  for (size_t i = 0; i < rt.globals.size(); ++i) prepare_slot(rt.globals[i], rt.program.global_list[i]);
}

Flow exec_define_local(Runtime& rt, const StatementNode& n) {
  const auto* v = static_cast<const VariableRecord*>(n.extra);
  Slot& s = rt.frame_slots()[v->slot];
  if (s.present) return Flow::Next;
  prepare_slot(s, v);
  s.present = 1;
  return Flow::Next;
}

Flow exec_initialize(Runtime& rt, const StatementNode& n) {
  const auto* v = static_cast<const VariableRecord*>(n.extra);
  VarRef ref;
  ref.var = const_cast<VariableRecord*>(v);
  Slot* s = slot_for_write(rt, ref);
  s->defined = 1;
  reset_to_default(rt, *s, v);
  return Flow::Next;
}

Flow exec_assignment(Runtime& rt, const StatementNode& n) {
  const auto* a = static_cast<const Assignment*>(n.extra);
  Payload v = a->value->eval(rt, *a->value);
  a->store(rt, *a->target, v);
  if (a->declares) slot_for_write(rt, *a->target)->defined = 1;
  return Flow::Next;
}

// The text the variable holds is read first, as the expression would read
// it, and the added text is computed in full before anything is stored.  When
// the variable still holds that text and nothing else does (this statement's
// own reference aside), the text grows in place; otherwise a joined copy is
// stored, so a text shared with another variable, an element or a caller
// never changes under it.
Flow exec_string_append(Runtime& rt, const StatementNode& n) {
  const auto* a = static_cast<const Assignment*>(n.extra);
  Str held = Str::adopt(a->append_from->eval(rt, *a->append_from).str);
  Str tail = Str::adopt(a->append->eval(rt, *a->append).str);
  auto** addr = static_cast<StrRep**>(value_address(rt, *a->target, true));
  StrRep* r = held.rep();
  if (*addr == r && r->rc == 2) {
    held.release();
    r->rc = 1;
    *addr = str_append(r, tail.view());
  } else {
    const size_t total = static_cast<size_t>(r->len) + tail.size();
    if (total > 0xFFFFFFFEu) throw std::bad_alloc();
    StrRep* j = str_alloc(static_cast<uint32_t>(total));
    std::memcpy(j->data, r->data, r->len * sizeof(char16_t));
    std::memcpy(j->data + r->len, tail.c_str(), tail.size() * sizeof(char16_t));
    store<tc::String>(addr, make_str(j));
  }
  if (a->declares) slot_for_write(rt, *a->target)->defined = 1;
  return Flow::Next;
}

namespace {

// Plain targets: the slot straight from the record; anything unusual (a
// local not created yet, a shadowed global, an undefined variable) takes the
// general store.
template <TypeCode T>
Flow exec_assign_global(Runtime& rt, const StatementNode& n) {
  const auto* a = static_cast<const Assignment*>(n.extra);
  Payload v = a->value->eval(rt, *a->value);
  Slot* s = &rt.globals[static_cast<size_t>(a->slot)];
  s->assigned = 1;
  store<T>(&s->value.v, v);
  if (a->declares) s->defined = 1;
  return Flow::Next;
}

template <TypeCode T>
Flow exec_assign_local(Runtime& rt, const StatementNode& n) {
  const auto* a = static_cast<const Assignment*>(n.extra);
  Payload v = a->value->eval(rt, *a->value);
  if (Slot* base = rt.frame_base) [[likely]] {
    Slot* s = base + a->slot;
    if (s->present) [[likely]] {
      s->assigned = 1;
      store<T>(&s->value.v, v);
      if (a->declares) s->defined = 1;
      return Flow::Next;
    }
  }
  a->store(rt, *a->target, v);
  if (a->declares) slot_for_write(rt, *a->target)->defined = 1;
  return Flow::Next;
}

}  // namespace

bool is_plain_use(const VarRef& ref) {
  const VariableRecord* v = ref.var;
  return ref.indices.empty() && v->type != tc::Array && !is_by_ref(v->param) && !is_int_var_param(v->param);
}

ExecFn assignment_routine(Assignment& a) {
  if (a.append) return exec_string_append;
  const VariableRecord* v = a.target->var;
  if (!is_plain_use(*a.target) || a.type != v->type || !(is_numeric(v->type) || v->type == tc::String))
    return exec_assignment;
  a.slot = v->slot;
  if (v->scope == Scope::Global)
    return with_type(v->type, []<TypeCode T>() -> ExecFn { return exec_assign_global<T>; });
  return with_type(v->type, []<TypeCode T>() -> ExecFn { return exec_assign_local<T>; });
}

// ---- collections assigned from braces, variables and calls ----

Flow exec_collection_assign(Runtime& rt, const StatementNode& n) {
  const auto* ca = static_cast<const CollectionAssignment*>(n.extra);
  Slot* s = slot_for_write(rt, *ca->target);
  const VariableRecord* v = ca->target->var;
  Object* fresh = nullptr;
  switch (ca->source) {
    case CollectionSource::Braces: {
      fresh = collection_new(rt.objects, v->type, v->elem, v->key, v->val);
      for (const Operand* e : ca->elements) {
        Payload p = e->eval(rt, *e);
        collection_append(fresh, v->elem, p);
      }
      break;
    }
    case CollectionSource::Variable:
    case CollectionSource::Call:
      fresh = ca->from->eval(rt, *ca->from).obj;
      break;
  }
  Object* old = s->value.v.obj;
  s->value.v.obj = fresh;
  s->defined = 1;
  obj_release(old);
  return Flow::Next;
}

}  // namespace quorin
