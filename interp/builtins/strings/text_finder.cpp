#include "builtins/strings/text_finder.h"

namespace quorin {

namespace {

constexpr size_t kNone = TextFinder::npos;

// Unit access in reading order: forwards from the start, or backwards from
// the end (index 0 is the last unit).
struct Forward {
  const char16_t* p;
  char16_t operator[](size_t i) const { return p[i]; }
};
struct Backward {
  const char16_t* end;
  char16_t operator[](size_t i) const { return *(end - 1 - i); }
};

// t[i]: length of the longest proper prefix of needle[0..i] that is also its suffix.
template <class A>
void build_table(A nd, size_t m, std::vector<uint32_t>& t) {
  t.assign(m, 0);
  uint32_t k = 0;
  for (size_t i = 1; i < m; ++i) {
    while (k > 0 && nd[i] != nd[k]) k = t[k - 1];
    if (nd[i] == nd[k]) ++k;
    t[i] = k;
  }
}

template <class A>
size_t table_search(A hay, size_t n, A nd, size_t m, size_t from, const std::vector<uint32_t>& t) {
  size_t q = 0;
  for (size_t i = from; i < n; ++i) {
    while (q > 0 && hay[i] != nd[q]) q = t[q - 1];
    if (hay[i] == nd[q]) ++q;
    if (q == m) return i + 1 - m;
  }
  return kNone;
}

// The plain scan.  Gives up (leaving `pos` where the table search must go
// on) once the units compared after a first-unit hit outgrow the distance
// travelled; that caps its cost at a small multiple of n + m.
template <class A>
size_t scan_search(A hay, size_t n, A nd, size_t m, size_t& pos, bool& gave_up) {
  const size_t start = pos;
  const char16_t first = nd[0];
  size_t work = 0;
  while (n - pos >= m) {
    if (hay[pos] != first) {
      ++pos;
      continue;
    }
    size_t k = 1;
    while (k < m && hay[pos + k] == nd[k]) ++k;
    if (k == m) return pos;
    work += k;
    ++pos;
    if (work > 2 * (pos - start) + 2 * m + 64) {
      gave_up = true;
      return kNone;
    }
  }
  return kNone;
}

template <class A>
size_t search(A hay, size_t n, A nd, size_t m, size_t from, std::vector<uint32_t>& table, bool& tabled) {
  if (m == 1) {
    const char16_t c = nd[0];
    for (size_t i = from; i < n; ++i)
      if (hay[i] == c) return i;
    return kNone;
  }
  if (!tabled) {
    bool gave_up = false;
    size_t pos = from;
    size_t r = scan_search(hay, n, nd, m, pos, gave_up);
    if (!gave_up) return r;
    build_table(nd, m, table);
    tabled = true;
    from = pos;
  }
  return table_search(hay, n, nd, m, from, table);
}

}  // namespace

size_t TextFinder::find(std::u16string_view hay, size_t from) {
  const size_t n = hay.size(), m = needle_.size();
  if (from > n) return kNone;
  if (m == 0) return from;
  if (n - from < m) return kNone;
  return search(Forward{hay.data()}, n, Forward{needle_.data()}, m, from, fwd_table_, fwd_tabled_);
}

size_t TextFinder::find_last(std::u16string_view hay, size_t end) {
  if (end > hay.size()) end = hay.size();
  const size_t m = needle_.size();
  if (m == 0) return end;
  if (end < m) return kNone;
  size_t r = search(Backward{hay.data() + end}, end, Backward{needle_.data() + m}, m, 0, back_table_,
                    back_tabled_);
  return r == kNone ? kNone : end - r - m;
}

}  // namespace quorin
