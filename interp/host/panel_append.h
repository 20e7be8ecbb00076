// How a piece of text joins the information panel without passing its
// capacity (the edit control's limit minus one): either it is simply
// appended, or the old text is first cut to its tail or cleared, and a piece
// that alone exceeds the capacity keeps only its own tail.
#pragma once
#include <cstddef>
#include <string_view>

namespace quorin {

constexpr size_t kPanelLimit = 1048576;  // the edit control's text limit

struct PanelAppend {
  size_t remove_front = 0;       // characters to delete at the start of the old text
  std::u16string_view piece;     // what to insert at the end (before the line break)
  bool line_end = false;         // insert "\r\n" after the piece
};

// `current` is the panel's text length now.
PanelAppend plan_panel_append(size_t current, std::u16string_view piece, bool line_end,
                              size_t capacity = kPanelLimit - 1);

}  // namespace quorin
