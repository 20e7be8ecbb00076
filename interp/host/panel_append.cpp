#include "host/panel_append.h"

namespace quorin {

PanelAppend plan_panel_append(size_t current, std::u16string_view piece, bool line_end, size_t capacity) {
  PanelAppend a;
  a.piece = piece;
  a.line_end = line_end;
  const size_t len = piece.size() + (line_end ? 2 : 0);
  if (current + len < capacity) return a;
  const size_t keep = capacity * 3 / 4;  // floor(capacity × 0.75)
  if (len < keep) {
    // Keep the old text's last (keep - len) characters.
    const size_t tail = keep - len;
    a.remove_front = current > tail ? current - tail : 0;
  } else {
    a.remove_front = current;
    if (len >= capacity) {
      const size_t room = line_end ? keep - 2 : keep;
      a.piece = piece.substr(piece.size() - room);
    }
  }
  return a;
}

}  // namespace quorin
