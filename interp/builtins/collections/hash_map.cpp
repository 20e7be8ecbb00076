#include <algorithm>

#include "builtins/collections/objects.h"

namespace quorin {

namespace {
// A script may ask for any capacity; more buckets than this would only
// exhaust memory (2147483647 rounds up to 2^31 buckets), so larger requests
// get this many and the table doubles from there as entries arrive.
constexpr size_t kMaxRequestedBuckets = size_t{1} << 20;
// Smallest accepted load factor: a handful of buckets per entry at most.
constexpr float kMinLoadFactor = 0.25f;
}  // namespace

HashMapObj::HashMapObj(TypeCode key, TypeCode val)
    : Object(tc::HashMap), key_ops(elem_ops(key)), val_ops(elem_ops(val)) {}

bool HashMapObj::put(Box k, Box v, Payload& old) {
  if (Table::Entry* e = table.find_entry(MapProbe{&key_ops, k.get()})) {
    old = e->value.p;
    e->value.p = v.release();
    return true;
  }
  table.insert(MapBox(std::move(k)), MapBox(std::move(v)));
  return false;
}

const Payload* HashMapObj::get(Payload k) const {
  const MapBox* v = table.find(MapProbe{&key_ops, k});
  return v ? &v->p : nullptr;
}

bool HashMapObj::remove(Payload k, Payload& old) {
  Table::Entry* e = table.unlink(MapProbe{&key_ops, k});
  if (!e) return false;
  old = e->value.release();
  delete e;
  return true;
}

bool HashMapObj::contains_value(Payload v) const {
  bool found = false;
  table.for_each([&](const Table::Entry& e) { found = found || val_ops.map_eq(e.value.p, v); });
  return found;
}

void HashMapObj::reset_capacity(int32_t capacity, float factor) {
  // A factor near 0 would double the table on every insert (a threshold of
  // 0 or 1 entries for any size): accepted factors are clamped from below.
  if (factor > 0.0f && factor < 1.0f) table.set_load_factor(std::max(factor, kMinLoadFactor));
  size_t want = capacity > 0 ? std::min(static_cast<size_t>(capacity), kMaxRequestedBuckets) : 0;
  table.rebuild(std::max(want, table.size()));
}

}  // namespace quorin
