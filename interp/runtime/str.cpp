#include "runtime/str.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace quorin {

namespace {
// Shared by every thread and never counted.
constinit StrRep g_empty{kStrImmortal, 0, 0, {0}};
}  // namespace

StrRep* str_alloc(uint32_t len) {
  size_t bytes = offsetof(StrRep, data) + (static_cast<size_t>(len) + 1) * sizeof(char16_t);
  auto* r = static_cast<StrRep*>(std::malloc(bytes));
  if (!r) throw std::bad_alloc();
  r->rc = 1;
  r->len = len;
  r->cap = len;
  r->data[len] = 0;
  return r;
}

StrRep* str_new(std::u16string_view text) {
  if (text.empty()) return str_empty();
  StrRep* r = str_alloc(static_cast<uint32_t>(text.size()));
  std::memcpy(r->data, text.data(), text.size() * sizeof(char16_t));
  return r;
}

// Changes the length of a text held by one owner; the shared empty text is
// never resized in place.
StrRep* str_resize(StrRep* r, uint32_t len) {
  if (!r || r == &g_empty) return str_alloc(len);
  size_t bytes = offsetof(StrRep, data) + (static_cast<size_t>(len) + 1) * sizeof(char16_t);
  auto* n = static_cast<StrRep*>(std::realloc(r, bytes));
  if (!n) throw std::bad_alloc();
  n->len = len;
  n->cap = len;
  n->data[len] = 0;
  return n;
}

StrRep* str_append(StrRep* r, std::u16string_view tail) {
  constexpr size_t kMaxUnits = 0xFFFFFFFEu;
  const size_t len = static_cast<size_t>(r->len) + tail.size();
  if (len > kMaxUnits) throw std::bad_alloc();
  if (len > r->cap) {
    size_t cap = static_cast<size_t>(r->cap) * 2;
    if (cap < len) cap = len;
    if (cap > kMaxUnits) cap = kMaxUnits;
    size_t bytes = offsetof(StrRep, data) + (cap + 1) * sizeof(char16_t);
    auto* n = static_cast<StrRep*>(std::realloc(r, bytes));
    if (!n) throw std::bad_alloc();
    r = n;
    r->cap = static_cast<uint32_t>(cap);
  }
  if (!tail.empty()) std::memcpy(r->data + r->len, tail.data(), tail.size() * sizeof(char16_t));
  r->len = static_cast<uint32_t>(len);
  r->data[len] = 0;
  return r;
}

StrRep* str_empty() { return &g_empty; }

void str_free(StrRep* r) {
  if (r == &g_empty) return;
  std::free(r);
}

}  // namespace quorin
