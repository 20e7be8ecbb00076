// len, index_of, last_index_of, starts_with, ends_with.
#include "builtins/strings/string_builtins.h"
#include "builtins/strings/text_finder.h"

namespace quorin::strings {

namespace {
int32_t position(size_t p) { return p == TextFinder::npos ? -1 : static_cast<int32_t>(p); }
}  // namespace

int32_t len(const Str& s) { return static_cast<int32_t>(s.size()); }

int32_t index_of(const Str& s, const Str& t) { return index_of_from(s, t, 0); }

int32_t index_of_from(const Str& s, const Str& t, int32_t start) {
  const int32_t n = len(s);
  if (start < 0) start = 0;
  if (start >= n) return t.empty() ? n : -1;
  return position(TextFinder(t.view()).find(s.view(), static_cast<size_t>(start)));
}

int32_t last_index_of(const Str& s, const Str& t) {
  if (t.empty()) return len(s);
  return position(TextFinder(t.view()).find_last(s.view(), s.size()));
}

// The occurrence found is the last one that ends by `start` (inclusive).
int32_t last_index_of_from(const Str& s, const Str& t, int32_t start) {
  const int32_t n = len(s);
  if (start < 0) return -1;
  if (start >= n) {
    if (t.empty()) return n;
    start = n - 1;
  }
  if (t.empty()) return start;
  return position(TextFinder(t.view()).find_last(s.view(), static_cast<size_t>(start) + 1));
}

int32_t starts_with(const Str& s, const Str& t) { return starts_with_at(s, t, 0); }

int32_t starts_with_at(const Str& s, const Str& t, int32_t offset) {
  if (offset < 0 || static_cast<int64_t>(s.size()) - offset < static_cast<int64_t>(t.size())) return 0;
  return s.view().substr(static_cast<size_t>(offset), t.size()) == t.view() ? 1 : 0;
}

int32_t ends_with(const Str& s, const Str& t) {
  if (t.size() > s.size()) return 0;
  return s.view().substr(s.size() - t.size()) == t.view() ? 1 : 0;
}

}  // namespace quorin::strings
