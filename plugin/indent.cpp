// Typing indentation: what happens when the user types a line feed.
#include "plugin/text.h"

#include <array>

namespace quorin::plugin {
namespace {

struct Pair {
  std::string_view word;
  std::string_view partner;
};

// Openers with their closers, in the order they are tested.
constexpr std::array<Pair, 4> kOpeners{{{"if", "endif"}, {"loop", "endloop"}, {"for", "next"}, {"func", "endfunc"}}};
// Middles with their openers ("elseif" before "else").
constexpr std::array<Pair, 2> kMiddles{{{"elseif", "if"}, {"else", "if"}}};
// Closers with their openers, in the order they are tested.
constexpr std::array<Pair, 4> kClosers{{{"next", "for"}, {"endif", "if"}, {"endloop", "loop"}, {"endfunc", "func"}}};

std::string_view closer_of(std::string_view opener) {
  for (const auto& p : kOpeners)
    if (p.word == opener) return p.partner;
  return {};
}

std::size_t leading_blanks(std::string_view line) {
  std::size_t k = 0;
  while (k < line.size() && (line[k] == ' ' || line[k] == '\t')) ++k;
  return k;
}

bool only_blank(std::string_view line) {
  for (char c : line)
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
  return true;
}

// Walks upwards from line `from` and gives `line` the indentation of the
// first line at which the depth becomes 1.
void align_to_opener(EditView& view, long line, long from, int depth, std::string_view opener,
                     std::string_view closer) {
  for (long n = from; n >= 0; --n) {
    std::string text = view.line(n);
    if (starts_with_keyword(text, closer))
      --depth;
    else if (starts_with_keyword(text, opener))
      ++depth;
    else
      continue;
    if (depth == 1) {
      view.set_indentation(line, view.indentation(n));
      return;
    }
  }
}

}  // namespace

bool starts_with_keyword(std::string_view line, std::string_view keyword) {
  std::size_t k = leading_blanks(line);
  if (line.substr(k, keyword.size()) != keyword) return false;
  std::size_t after = k + keyword.size();
  if (after >= line.size()) return true;
  char c = line[after];
  return c == '\t' || c == '\n' || c == '\r' || c == ' ' || c == '(';
}

void indent_after_newline(EditView& view) {
  long l = view.line_from_pos(view.current_pos());
  if (l <= 0) return;
  long p = l - 1;
  std::string prev = view.line(p);
  std::size_t k = leading_blanks(prev);

  for (const auto& op : kOpeners) {
    if (!starts_with_keyword(prev, op.word)) continue;
    view.add_text(std::string(k + 4, ' '));
    if (!only_blank(view.line(l))) return;  // the line was split in its middle
    long openers = 0, closers = 0;
    long count = view.line_count();
    for (long n = 0; n < count; ++n) {
      std::string text = view.line(n);
      if (starts_with_keyword(text, op.word))
        ++openers;
      else if (starts_with_keyword(text, op.partner))
        ++closers;
    }
    if (closers < openers) {
      long caret = view.current_pos();
      view.add_text("\r\n" + std::string(op.partner));
      view.set_indentation(l + 1, view.indentation(p));
      view.goto_pos(caret);
    }
    return;
  }

  for (const auto& mid : kMiddles) {
    if (!starts_with_keyword(prev, mid.word)) continue;
    align_to_opener(view, p, p, 0, mid.partner, closer_of(mid.partner));
    view.add_text(std::string(view.indentation(p) + 4, ' '));
    return;
  }

  for (const auto& cl : kClosers) {
    if (!starts_with_keyword(prev, cl.word)) continue;
    align_to_opener(view, p, p, 1, cl.partner, cl.word);
    view.add_text(std::string(view.indentation(p), ' '));
    return;
  }

  if (k > 0) view.add_text(std::string(k, ' '));
}

}  // namespace quorin::plugin
