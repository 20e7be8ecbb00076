// The script's collection objects: ArrayList, LinkedList, HashMap and
// Iterator.  They hold their elements as boxed payloads of the element type
// (see elem.h) and know nothing about scripts; the builtins in *_builtins.cpp
// translate between script calls and these operations.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "builtins/collections/elem.h"
#include "runtime/object.h"
#include "support/chain_map.h"

namespace quorin {

struct IteratorObj;

// ---- ArrayList ----
// A contiguous array of elements.  A new list has room for 10 and a growth
// step of 10; reset_capacity sets both.  Growing only by the step would make
// n appends cost O(n²), so a full list grows by the larger of its step and its
// current capacity (geometric growth, never less than the step).  The capacity
// is invisible to scripts; the step keeps its meaning as the smallest growth.
struct ArrayListObj : Object {
  explicit ArrayListObj(TypeCode elem);
  ~ArrayListObj() override;

  size_t size() const { return size_; }
  size_t capacity() const { return capacity_; }
  size_t step() const { return step_; }
  Payload at(size_t i) const { return data_[i]; }

  void push_back(Box x);
  void insert(size_t i, Box x);  // 0 <= i <= size
  Payload replace(size_t i, Box x);  // returns the old element (owned)
  Payload take(size_t i);            // removes and returns it (owned)
  void clear();                      // keeps the capacity
  // Step becomes max(step, 10), capacity at least 10; a list holding fewer
  // elements than the capacity is reallocated to exactly that capacity
  // (requests beyond a million elements reserve only a million).
  void reset_capacity(int32_t capacity, int32_t step);

  // First / last index of an element equal to x (list equality), or -1.
  int64_t index_of(Payload x) const;
  int64_t last_index_of(Payload x) const;

  const ElemOps& ops;

 private:
  void reallocate(size_t capacity);
  Payload* data_ = nullptr;
  size_t size_ = 0, capacity_ = 0, step_ = 10;
};

// ---- LinkedList ----
struct LinkedNode {
  Payload v;
  LinkedNode* prev = nullptr;
  LinkedNode* next = nullptr;
};

// A doubly linked list.  Indexed access walks from the nearest of the head,
// the tail and the node found by the previous indexed access, so reading the
// elements by rising index costs O(1) each.
//
// Iterators walk the live list (see IteratorObj).  The list keeps a chain of
// its iterators so that unlinking a node moves every iterator that last
// returned it back to the node before it (in the iterator's direction); no
// iterator ever keeps a pointer to a freed node.
struct LinkedListObj : Object {
  explicit LinkedListObj(TypeCode elem);
  ~LinkedListObj() override;

  size_t size() const { return size_; }
  LinkedNode* head() const { return head_; }
  LinkedNode* tail() const { return tail_; }
  LinkedNode* node_at(size_t i);  // i < size

  void push_back(Box x);
  void push_front(Box x);
  void insert(size_t i, Box x);  // 0 <= i <= size
  Payload take(LinkedNode* n);   // unlinks the node and returns its element (owned)
  void clear();

  int64_t index_of(Payload x) const;
  int64_t last_index_of(Payload x) const;
  LinkedNode* find(Payload x) const;

  void attach(IteratorObj* it);
  void detach(IteratorObj* it);

  const ElemOps& ops;

 private:
  void link_before(LinkedNode* at, LinkedNode* n);  // at == null: append
  void forget_cache() { cache_ = nullptr; }
  LinkedNode* head_ = nullptr;
  LinkedNode* tail_ = nullptr;
  size_t size_ = 0;
  LinkedNode* cache_ = nullptr;
  size_t cache_index_ = 0;
  IteratorObj* iterators_ = nullptr;
};

// ---- HashMap ----
// A stored key or value: an owned element that carries its routines, so the
// table's hash and equality functors stay stateless.
struct MapBox {
  MapBox(Box b) : ops(&b.ops()), p(b.release()) {}
  MapBox(MapBox&& o) noexcept : ops(o.ops), p(o.p) { o.ops = nullptr; }
  MapBox(const MapBox&) = delete;
  MapBox& operator=(const MapBox&) = delete;
  ~MapBox() {
    if (ops) ops->release(p);
  }
  Payload release() {
    ops = nullptr;
    return p;
  }
  const ElemOps* ops;
  Payload p;
};
// A key to look up (not owned).
struct MapProbe {
  const ElemOps* ops;
  Payload p;
};
struct MapKeyHash {
  uint32_t operator()(const MapBox& k) const { return k.ops->hash(k.p); }
  uint32_t operator()(const MapProbe& k) const { return k.ops->hash(k.p); }
};
struct MapKeyEq {
  bool operator()(const MapBox& a, const MapBox& b) const { return a.ops->map_eq(a.p, b.p); }
  bool operator()(const MapBox& a, const MapProbe& b) const { return a.ops->map_eq(a.p, b.p); }
};

// Chained hash map: capacity 16, load factor 0.75, doubling at the threshold;
// iteration order is bucket index, then chain (insertion) order.
struct HashMapObj : Object {
  using Table = ChainMap<MapBox, MapBox, MapKeyHash, MapKeyEq>;
  HashMapObj(TypeCode key, TypeCode val);

  size_t size() const { return table.size(); }
  // Replaces the value of an existing key (keeping the stored key) and
  // returns true with the old value in `old` (owned); otherwise adds the entry.
  bool put(Box k, Box v, Payload& old);
  const Payload* get(Payload k) const;
  bool remove(Payload k, Payload& old);  // old value (owned) when found
  bool contains_value(Payload v) const;
  void clear() { table.clear(); }
  // Load factor changes only when 0 < factor < 1; the table is always rebuilt
  // with the smallest power of two >= max(capacity, size) buckets (a capacity
  // beyond 2^20 counts as 2^20).
  void reset_capacity(int32_t capacity, float factor);

  const ElemOps& key_ops;
  const ElemOps& val_ops;
  Table table{16, 0.75f};
};

// ---- Iterator ----
// Two kinds:
//  - over a linked list (forward or reverse): holds a reference to the list
//    and the node it returned last (null before the first).  The next element
//    is the one after that node in the live list, so elements added ahead of
//    the iterator are seen, and when the last returned node is removed the
//    iterator continues from its former neighbour.  Clearing the list puts
//    the iterator back before the first element of the (now empty) list.
//  - over a snapshot (map keys or values): its own copy of the elements,
//    unaffected by later changes to the map.
// An iterator of neither kind (a declared variable's default) is empty.
struct IteratorObj : Object {
  explicit IteratorObj(TypeCode elem);
  IteratorObj(LinkedListObj* list, bool reverse);  // retains the list
  IteratorObj(TypeCode elem, std::vector<Payload> snapshot);  // takes the references
  ~IteratorObj() override;

  bool has_next() const;
  // The next element (borrowed: still owned by its container); has_next() first.
  Payload next();
  // The elements not yet returned, in order (borrowed), for printing.
  std::vector<Payload> remaining() const;

  const ElemOps& ops;

 private:
  friend struct LinkedListObj;
  LinkedNode* upcoming() const;
  LinkedListObj* list_ = nullptr;
  LinkedNode* last_ = nullptr;
  bool reverse_ = false;
  IteratorObj* chain_prev_ = nullptr;  // in the list's iterator chain
  IteratorObj* chain_next_ = nullptr;
  std::vector<Payload> items_;
  size_t pos_ = 0;
};

}  // namespace quorin
