#include "assist/actions.h"

#include <cmath>
#include <cstdio>

namespace quorin::assist {

namespace {

// Lead bytes of the Chinese ANSI code page start a two-byte character.
bool is_lead_byte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

std::string format(const char* fmt, long a, long b) {
  char buf[64];
  std::snprintf(buf, sizeof buf, fmt, a, b);
  return buf;
}

}  // namespace

std::string cut_description(const std::string& ansi) {
  size_t chars = 0, i = 0;
  while (i < ansi.size() && chars < kMaxDescription) {
    size_t width = (is_lead_byte(static_cast<unsigned char>(ansi[i])) && i + 1 < ansi.size()) ? 2 : 1;
    i += width;
    ++chars;
  }
  return ansi.substr(0, i);
}

void ActionList::reset() {
  rows_.clear();
  for (size_t i = 0; i < kStartRows; ++i) rows_.push_back(make_row(""));
}

void ActionList::load(std::vector<Action> actions) {
  rows_.clear();
  for (Action& a : actions) {
    a.index_text = std::to_string(rows_.size() + 1);
    a.desc = cut_description(a.desc);
    rows_.push_back(std::move(a));
  }
  size_t pad = rows_.size() >= kStartRows ? kPadRowsWhenFull : kStartRows - rows_.size();
  for (size_t i = 0; i < pad; ++i) rows_.push_back(make_row(""));
}

Action ActionList::make_row(const std::string& desc) const {
  Action a;
  a.index_text = std::to_string(rows_.size() + 1);
  a.desc = cut_description(desc);
  return a;
}

size_t ActionList::append(const std::string& desc) {
  rows_.push_back(make_row(desc));
  return rows_.size() - 1;
}

size_t ActionList::insert(size_t before, const std::string& desc) {
  if (before > rows_.size()) before = rows_.size();
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(before), make_row(desc));
  return before;
}

int ActionList::remove(size_t i) {
  if (i >= rows_.size()) return rows_.empty() ? -1 : static_cast<int>(rows_.size() - 1);
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(i));
  if (rows_.empty()) return -1;
  return static_cast<int>(i < rows_.size() ? i : rows_.size() - 1);
}

bool ActionList::has_actions() const {
  for (const Action& a : rows_)
    if (!a.empty()) return true;
  return false;
}

std::vector<Action> ActionList::nonempty() const {
  std::vector<Action> out;
  for (const Action& a : rows_)
    if (!a.empty()) out.push_back(a);
  return out;
}

RowTexts row_texts(const Action& a, size_t row) {
  RowTexts t;
  t.number = std::to_string(row + 1);
  t.desc = a.desc;
  if (a.has_position()) t.logical = format("%ld, %ld", a.x, a.y);
  if (a.has_color()) {
    t.physical = format("%ld, %ld", a.physical_x, a.physical_y);
    t.color = std::to_string(a.color);
  }
  return t;
}

std::string copy_logical(const Action& a) { return format("%ld, %ld", a.x, a.y); }
std::string copy_physical(const Action& a) { return format("%ld, %ld", a.physical_x, a.physical_y); }
std::string copy_color(const Action& a) { return std::to_string(a.color); }
std::string copy_condition(const Action& a) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "screen_get_color_at(%ld, %ld) == %ld", static_cast<long>(a.physical_x),
                static_cast<long>(a.physical_y), static_cast<long>(a.color));
  return buf;
}

int32_t logical_from_physical(int32_t physical, double scale) {
  if (!(scale > 0) || scale == 1.0) return physical;
  double v = physical / scale;
  double whole = std::trunc(v);
  double frac = v - whole;
  if (std::fabs(frac) > 0.49) whole += v < 0 ? -1 : 1;
  return static_cast<int32_t>(whole);
}

Point magnifier_origin(int32_t x, int32_t y, int32_t screen_w, int32_t screen_h) {
  Point p{x + 16, y + 16};
  if (screen_w < x + 146) p.x = x - 138;
  if (!(y + 146 < screen_h - 16)) p.y = y - 138;
  return p;
}

}  // namespace quorin::assist
