// A small editing buffer with the semantics the plug-in expects of an editing
// view: byte positions, lines ending after their line feed, a caret, and
// line indentation in columns (tabs to multiples of 4).  The native tests
// drive the plug-in's text work with it; the Windows test host puts it behind
// its editing-view windows.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace qtest {

class TextBuffer {
 public:
  static constexpr int kTabWidth = 4;

  const std::string& text() const { return text_; }
  void set_text(std::string t) {
    text_ = std::move(t);
    caret_ = 0;
    first_visible_ = 0;
  }
  long caret() const { return caret_; }
  void set_caret(long pos) { caret_ = std::clamp<long>(pos, 0, static_cast<long>(text_.size())); }
  long first_visible() const { return first_visible_; }
  void set_first_visible(long line) { first_visible_ = std::max(0L, line); }
  long ensured_visible = -1;  // the last line asked to be made visible

  long line_count() const { return static_cast<long>(std::count(text_.begin(), text_.end(), '\n')) + 1; }
  long line_start(long line) const {
    if (line <= 0) return 0;
    long n = 0;
    for (std::size_t i = 0; i < text_.size(); ++i)
      if (text_[i] == '\n' && ++n == line) return static_cast<long>(i) + 1;
    return static_cast<long>(text_.size());
  }
  long line_from_pos(long pos) const {
    pos = std::clamp<long>(pos, 0, static_cast<long>(text_.size()));
    return static_cast<long>(std::count(text_.begin(), text_.begin() + pos, '\n'));
  }
  std::string line(long n) const {
    if (n < 0 || n >= line_count()) return {};
    long b = line_start(n);
    std::size_t e = text_.find('\n', b);
    e = e == std::string::npos ? text_.size() : e + 1;
    return text_.substr(b, e - b);
  }
  // The line without its line end.
  std::string line_text(long n) const {
    std::string s = line(n);
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
    return s;
  }
  void add_text(std::string_view t) {
    text_.insert(caret_, t);
    caret_ += static_cast<long>(t.size());
  }
  int indentation(long n) const {
    std::string s = line(n);
    int col = 0;
    for (char c : s) {
      if (c == ' ')
        ++col;
      else if (c == '\t')
        col = (col / kTabWidth + 1) * kTabWidth;
      else
        break;
    }
    return col;
  }
  void set_indentation(long n, int columns) {
    if (n < 0 || n >= line_count()) return;
    long b = line_start(n);
    long e = b;
    while (e < static_cast<long>(text_.size()) && (text_[e] == ' ' || text_[e] == '\t')) ++e;
    long fresh = std::max(0, columns);
    text_.replace(b, e - b, std::string(fresh, ' '));
    if (caret_ >= e)
      caret_ += fresh - (e - b);
    else if (caret_ > b)
      caret_ = b + fresh;
  }
  void goto_line(long n) {
    n = std::clamp<long>(n, 0, line_count() - 1);
    caret_ = line_start(n);
  }

 private:
  std::string text_;
  long caret_ = 0;
  long first_visible_ = 0;
};

}  // namespace qtest
