#include "builtins/collections/builtins.h"
#include "builtins/collections/objects.h"

namespace quorin {

namespace {

HashMapObj& map_of(MapArg a) { return *static_cast<HashMapObj*>(a.obj()); }

// An iterator over a copy of the keys or values, in the map's iteration order.
ObjResult<tc::Iterator> snapshot(Runtime& rt, MapArg a, bool keys) {
  HashMapObj& m = map_of(a);
  const ElemOps& ops = keys ? m.key_ops : m.val_ops;
  std::vector<Payload> items;
  items.reserve(m.size());
  m.table.for_each([&](const HashMapObj::Table::Entry& e) {
    Payload p = keys ? e.key.p : e.value.p;
    ops.retain(p);
    items.push_back(p);
  });
  return {obj_new<IteratorObj>(rt.objects, ops.type, std::move(items))};
}

}  // namespace

void hashmap_reset_capacity_factor(MapArg map, int32_t capacity, float factor) {
  map_of(map).reset_capacity(capacity, factor);
}

Value hashmap_put(Runtime& rt, MapArg map, GenericArg<tc::GenericK> k, GenericArg<tc::GenericV> v) {
  HashMapObj& m = map_of(map);
  Box key = eval_elem(rt, *k.op, m.key_ops);
  Box val = eval_elem(rt, *v.op, m.val_ops);
  Payload old{.bits = 0};
  if (m.put(std::move(key), std::move(val), old)) return hand_out(m.val_ops, old);
  return null_result();
}

Value hashmap_get(Runtime& rt, MapArg map, GenericArg<tc::GenericK> k) {
  HashMapObj& m = map_of(map);
  Box key = eval_elem(rt, *k.op, m.key_ops);
  const Payload* v = m.get(key.get());
  return v ? copy_out(m.val_ops, *v) : null_result();
}

Value hashmap_remove(Runtime& rt, MapArg map, GenericArg<tc::GenericK> k) {
  HashMapObj& m = map_of(map);
  Box key = eval_elem(rt, *k.op, m.key_ops);
  Payload old{.bits = 0};
  if (m.remove(key.get(), old)) return hand_out(m.val_ops, old);
  return null_result();
}

int32_t hashmap_contains_key(Runtime& rt, MapArg map, GenericArg<tc::GenericK> k) {
  HashMapObj& m = map_of(map);
  Box key = eval_elem(rt, *k.op, m.key_ops);
  return m.get(key.get()) ? 1 : 0;
}

int32_t hashmap_contains_value(Runtime& rt, MapArg map, GenericArg<tc::GenericV> v) {
  HashMapObj& m = map_of(map);
  Box val = eval_elem(rt, *v.op, m.val_ops);
  return m.contains_value(val.get()) ? 1 : 0;
}

int32_t hashmap_get_size(MapArg map) { return static_cast<int32_t>(map_of(map).size()); }

void hashmap_clear(MapArg map) { map_of(map).clear(); }

ObjResult<tc::Iterator> hashmap_keys(Runtime& rt, MapArg map) { return snapshot(rt, map, true); }

ObjResult<tc::Iterator> hashmap_values(Runtime& rt, MapArg map) { return snapshot(rt, map, false); }

}  // namespace quorin
