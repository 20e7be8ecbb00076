// Substring search in linear time.  A finder starts with the plain scan
// (first unit, then the rest), which is the fastest on ordinary text, and
// keeps count of the units it compares; when the count shows the needle is
// defeating the scan (long partial matches, as in "aaa…ab"), it switches to
// the prefix-table search for the rest of its life, so no text costs more
// than a few passes over the haystack plus the needle.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quorin {

class TextFinder {
 public:
  static constexpr size_t npos = static_cast<size_t>(-1);

  // The needle must outlive the finder.  A finder searches one direction.
  explicit TextFinder(std::u16string_view needle) : needle_(needle) {}

  // Position of the first occurrence starting at or after `from`, or npos.
  // An empty needle is found at `from` (npos past the end).
  size_t find(std::u16string_view hay, size_t from);
  // Position of the last occurrence lying wholly inside hay[0, end), or npos.
  size_t find_last(std::u16string_view hay, size_t end);

 private:
  std::u16string_view needle_;
  std::vector<uint32_t> fwd_table_, back_table_;  // built on first need
  bool fwd_tabled_ = false, back_tabled_ = false;
};

}  // namespace quorin
