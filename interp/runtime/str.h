// Script strings: immutable, reference-counted UTF-16 texts.  A script string
// behaves as a value (assignment copies); sharing the immutable buffer gives
// those semantics without copying.  A string belongs to one thread at a time,
// so the count is not atomic; the one text every thread shares, the empty
// text, is immortal: its count is never written.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace quorin {

// The count of a text that is never freed (the shared empty text).
constexpr uint32_t kStrImmortal = 0xFFFFFFFFu;

struct StrRep {
  uint32_t rc;
  uint32_t len;  // UTF-16 units, not counting the terminating NUL
  uint32_t cap;  // units the block holds before the NUL (at least len)
  char16_t data[1];
};

StrRep* str_alloc(uint32_t len);  // rc = 1, data[len] = 0, contents unset
StrRep* str_new(std::u16string_view text);
StrRep* str_empty();  // the shared empty text (immortal; releasing it is harmless)
// Changes the length of a text held by one owner (contents up to the smaller
// length kept); may move it.  Builders use it to grow a text and to give back
// room they did not need.
StrRep* str_resize(StrRep* r, uint32_t len);
void str_free(StrRep* r);
// Appends to a text held by one owner (rc 1, not the empty text), growing its
// block geometrically so that repeated appends copy each unit a bounded
// number of times; may move it.
StrRep* str_append(StrRep* r, std::u16string_view tail);

inline void str_retain(StrRep* r) {
  if (r->rc != kStrImmortal) ++r->rc;
}
inline void str_release(StrRep* r) {
  if (r && r->rc != kStrImmortal && --r->rc == 0) str_free(r);
}
inline std::u16string_view str_view(const StrRep* r) { return {r->data, r->len}; }

// Owning handle to a StrRep (one reference).
class Str {
 public:
  Str() : r_(str_empty()) {}
  explicit Str(std::u16string_view t) : r_(str_new(t)) {}
  Str(const char16_t* t) : r_(str_new(t)) {}
  Str(const std::u16string& t) : r_(str_new(t)) {}
  // Takes over one reference.
  static Str adopt(StrRep* r) { return Str(r, 0); }
  // Adds a reference.
  static Str share(StrRep* r) {
    str_retain(r);
    return Str(r, 0);
  }
  Str(const Str& o) : r_(o.r_) { str_retain(r_); }
  Str(Str&& o) noexcept : r_(std::exchange(o.r_, nullptr)) {}
  Str& operator=(Str o) noexcept {
    std::swap(r_, o.r_);
    return *this;
  }
  ~Str() { str_release(r_); }

  // Gives up the reference to the caller.
  StrRep* release() { return std::exchange(r_, nullptr); }
  StrRep* rep() const { return r_; }
  std::u16string_view view() const { return {r_->data, r_->len}; }
  operator std::u16string_view() const { return view(); }
  const char16_t* c_str() const { return r_->data; }
  size_t size() const { return r_->len; }
  bool empty() const { return r_->len == 0; }
  std::u16string str() const { return std::u16string(view()); }
  bool operator==(const Str& o) const { return view() == o.view(); }
  bool operator==(std::u16string_view o) const { return view() == o; }

 private:
  Str(StrRep* r, int) : r_(r) {}
  StrRep* r_;
};

}  // namespace quorin
