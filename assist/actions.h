// The code-assist tool's action list: one row per planned action, each with
// a description, a picked screen position and optionally the colour of the
// pixel there.  Pure data and text rules; the window code sits in win32/.
// Descriptions are kept as ANSI bytes (the tool is an ANSI program).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace quorin::assist {

constexpr size_t kMaxDescription = 127;   // characters kept of a description
constexpr size_t kStartRows = 10;         // rows of a new or emptied list
constexpr size_t kPadRowsWhenFull = 3;    // empty rows after a long file

struct Action {
  std::string index_text;  // 1-based row number when the row was created
  std::string desc;        // ANSI bytes, at most kMaxDescription characters
  int32_t x = -1, y = -1;  // logical position; x == -1: none
  int32_t physical_x = 0, physical_y = 0;
  int32_t color = -1;      // 0x00BBGGRR; -1: none
  int32_t reserved[2] = {-1, -1};

  bool has_position() const { return x != -1; }
  bool has_color() const { return color != -1; }
  bool empty() const { return desc.empty() && x == -1 && color == -1; }
};

// Cuts a description to kMaxDescription characters of the ANSI code page
// (a double-byte character counts once and is never split).
std::string cut_description(const std::string& ansi);

class ActionList {
 public:
  ActionList() { reset(); }

  const std::vector<Action>& rows() const { return rows_; }
  size_t size() const { return rows_.size(); }
  Action& at(size_t i) { return rows_.at(i); }
  const Action& at(size_t i) const { return rows_.at(i); }

  // The list of a new document: kStartRows empty rows.
  void reset();
  // Replaces the rows with loaded actions, padded with empty rows up to
  // kStartRows in all, or kPadRowsWhenFull when the file filled that many.
  void load(std::vector<Action> actions);
  // A new empty row at the end or before `before`; returns its index.
  size_t append(const std::string& desc);
  size_t insert(size_t before, const std::string& desc);
  // Removes a row; returns the row to select afterwards (-1: none left).
  int remove(size_t i);

  // True when some row is not empty ("holds actions").
  bool has_actions() const;
  // Rows that are written to a file, in list order.
  std::vector<Action> nonempty() const;

 private:
  Action make_row(const std::string& desc) const;
  std::vector<Action> rows_;
};

// Texts of a list row's columns.
struct RowTexts {
  std::string number, desc, logical, physical, color;
};
RowTexts row_texts(const Action& a, size_t row);

// Clipboard texts of the list's context menu.
std::string copy_logical(const Action& a);
std::string copy_physical(const Action& a);
std::string copy_color(const Action& a);
std::string copy_condition(const Action& a);

// Physical (device) to logical coordinate along one axis: divided by the
// scale, the integer part, plus 1 when the fraction exceeds 0.49.
int32_t logical_from_physical(int32_t physical, double scale);

// Top-left corner of the magnifier for a pointer at logical (x, y).
struct Point { int32_t x, y; };
Point magnifier_origin(int32_t x, int32_t y, int32_t screen_w, int32_t screen_h);

}  // namespace quorin::assist
