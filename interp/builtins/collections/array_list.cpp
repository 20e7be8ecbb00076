#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "builtins/collections/objects.h"

namespace quorin {

namespace {
constexpr size_t kMinCapacity = 10;
constexpr size_t kMinStep = 10;
// Capacity is never visible to a script, so a huge requested capacity or step
// (say 2147483647) reserves at most this many elements in one go instead of
// failing the allocation; the list still grows on demand past it.
constexpr size_t kMaxReserve = size_t{1} << 20;
}  // namespace

ArrayListObj::ArrayListObj(TypeCode elem) : Object(tc::ArrayList), ops(elem_ops(elem)) { reallocate(kMinCapacity); }

ArrayListObj::~ArrayListObj() {
  clear();
  std::free(data_);
}

void ArrayListObj::reallocate(size_t capacity) {
  void* p = std::realloc(data_, capacity * sizeof(Payload));
  if (!p) throw std::bad_alloc();
  data_ = static_cast<Payload*>(p);
  capacity_ = capacity;
}

void ArrayListObj::push_back(Box x) { insert(size_, std::move(x)); }

void ArrayListObj::insert(size_t i, Box x) {
  if (size_ == capacity_) reallocate(capacity_ + std::max(std::min(step_, kMaxReserve), capacity_));
  if (i < size_) std::memmove(data_ + i + 1, data_ + i, (size_ - i) * sizeof(Payload));
  data_[i] = x.release();
  ++size_;
}

Payload ArrayListObj::replace(size_t i, Box x) {
  Payload old = data_[i];
  data_[i] = x.release();
  return old;
}

Payload ArrayListObj::take(size_t i) {
  Payload old = data_[i];
  std::memmove(data_ + i, data_ + i + 1, (size_ - i - 1) * sizeof(Payload));
  --size_;
  return old;
}

void ArrayListObj::clear() {
  size_t n = std::exchange(size_, 0);
  for (size_t i = 0; i < n; ++i) ops.release(data_[i]);
}

void ArrayListObj::reset_capacity(int32_t capacity, int32_t step) {
  step_ = std::max<size_t>(step > 0 ? static_cast<size_t>(step) : 0, kMinStep);
  size_t cap = std::max<size_t>(capacity > 0 ? static_cast<size_t>(capacity) : 0, kMinCapacity);
  if (size_ >= cap) return;
  reallocate(std::min(cap, std::max(kMaxReserve, size_)));
}

int64_t ArrayListObj::index_of(Payload x) const {
  for (size_t i = 0; i < size_; ++i)
    if (ops.list_eq(data_[i], x)) return static_cast<int64_t>(i);
  return -1;
}

int64_t ArrayListObj::last_index_of(Payload x) const {
  for (size_t i = size_; i-- > 0;)
    if (ops.list_eq(data_[i], x)) return static_cast<int64_t>(i);
  return -1;
}

}  // namespace quorin
