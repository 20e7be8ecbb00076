// Re-formatting a whole script: one statement per line, canonical spacing
// inside each line, four spaces of indentation per block level.
#include <algorithm>
#include <array>

#include "plugin/text.h"

namespace quorin::plugin {
namespace {

using Sv = std::u16string_view;

constexpr std::u16string_view kOperators = u"+-*/%&^|~<>=!{}[](),";
constexpr std::array<Sv, 10> kTypeNames{u"byte", u"char",   u"short", u"int", u"long",
                                        u"float", u"double", u"string", u"Bmp", u"void"};
constexpr std::array<Sv, 6> kControlWords{u"if", u"elseif", u"loop", u"for", u"to", u"step"};
constexpr std::array<Sv, 4> kCollections{u"ArrayList", u"LinkedList", u"HashMap", u"Iterator"};
constexpr std::array<Sv, 4> kOpeners{u"if", u"loop", u"for", u"func"};
constexpr std::array<Sv, 2> kMiddles{u"elseif", u"else"};
constexpr std::array<Sv, 4> kClosers{u"next", u"endif", u"endloop", u"endfunc"};

template <std::size_t N>
bool one_of(Sv s, const std::array<Sv, N>& words) {
  return std::find(words.begin(), words.end(), s) != words.end();
}
bool is_operator(char16_t c) { return kOperators.find(c) != Sv::npos; }
bool single(Sv s, Sv chars) { return s.size() == 1 && chars.find(s[0]) != Sv::npos; }
bool begins_with_one_of(Sv s, Sv chars) { return !s.empty() && chars.find(s[0]) != Sv::npos; }

enum class Kind { Word, Operator, Literal, Comment };
struct Token {
  std::u16string text;
  Kind kind;
};

// Cuts a run of text between literals into words and operator characters.
void split_plain(Sv text, std::vector<Token>& out) {
  std::u16string word;
  auto flush = [&] {
    if (!word.empty()) out.push_back({std::move(word), Kind::Word});
    word.clear();
  };
  for (char16_t c : text) {
    if (c == u' ') {
      flush();
    } else if (is_operator(c)) {
      flush();
      out.push_back({std::u16string(1, c), Kind::Operator});
    } else {
      word += c;
    }
  }
  flush();
}

std::optional<std::vector<Token>> tokenize(Sv line) {
  std::vector<Token> out;
  std::size_t start = 0, i = 0;
  while (i < line.size()) {
    char16_t c = line[i];
    if (c != u'"' && c != u'\'' && c != u'#') {
      ++i;
      continue;
    }
    split_plain(line.substr(start, i - start), out);
    if (c == u'#') {
      out.push_back({std::u16string(line.substr(i)), Kind::Comment});
      return out;
    }
    std::size_t j = i + 1;
    if (c == u'"') {
      while (j < line.size() && line[j] != u'"') j += line[j] == u'\\' ? 2 : 1;
      if (j >= line.size()) return std::nullopt;  // unterminated
    } else {
      if (j < line.size() && line[j] == u'\\') ++j;
      ++j;  // the character itself
      if (j >= line.size() || line[j] != u'\'' || line[i + 1] == u'\'') return std::nullopt;
    }
    out.push_back({std::u16string(line.substr(i, j + 1 - i)), Kind::Literal});
    i = start = j + 1;
  }
  split_plain(line.substr(start), out);
  return out;
}

// Whether one space goes before operator token `t`.
bool space_before_operator(char16_t t, Sv prev) {
  switch (t) {
    case u'%': case u'/': case u'^': case u'~':
      return true;
    case u')': case u',': case u'[': case u']': case u'}':
      return false;
    case u'(':
      return begins_with_one_of(prev, u"+-*/%&^|~<>=!,") || one_of(prev, kControlWords) ||
             one_of(prev, kTypeNames);
    case u'*':
      return prev != u"(";
    case u'+': case u'-':
      return !begins_with_one_of(prev, u"({");
    case u'&':
      return prev != u"&";
    case u'|':
      return prev != u"|";
    case u'=':
      return !single(prev, u"<=>!");
    case u'{':
      return prev != u"{";
    case u'<':
      if (one_of(prev, kCollections)) return false;
      break;
    case u'>':
      if (one_of(prev, kTypeNames)) return false;
      if (prev == u"]" || prev == u")") return true;
      break;
    case u'!':
      if (prev == u"*") return false;
      break;
  }
  return !single(prev, u"&|<>=!");
}

// Whether one space goes before a word, number or literal.
bool space_before_word(Sv t, Sv prev, const Sv* prev2) {
  if (prev.size() > 1) return true;
  if (single(prev, u"{[(")) return false;
  if (single(prev, u"+-")) {
    if (!prev2) return true;
    return !(begins_with_one_of(*prev2, u"{[(+-*/^%&^|~>=<,") || one_of(*prev2, kControlWords));
  }
  if (prev == u"<" && one_of(t, kTypeNames)) return false;
  if (prev == u"*" && prev2) return !(*prev2 == u"(" || one_of(*prev2, kTypeNames));
  return true;
}

bool starts_block_word(Sv line, Sv word) {
  if (line.substr(0, word.size()) != word) return false;
  if (line.size() == word.size()) return true;
  char16_t c = line[word.size()];
  return c == u' ' || c == u'#' || c == u'(';
}

template <std::size_t N>
bool starts_one_of(Sv line, const std::array<Sv, N>& words) {
  for (Sv w : words)
    if (starts_block_word(line, w)) return true;
  return false;
}

Sv trim(Sv s) {
  std::size_t b = 0;
  while (b < s.size() && (s[b] == u' ' || s[b] == u'\t')) ++b;
  std::size_t e = s.size();
  while (e > b && (s[e - 1] == u'\r' || s[e - 1] == u'\t' || s[e - 1] == u' ')) --e;
  return s.substr(b, e - b);
}

}  // namespace

std::optional<std::u16string> respace_line(Sv line) {
  if (line.empty() || line[0] == u'#') return std::nullopt;
  auto tokens = tokenize(line);
  if (!tokens || tokens->empty()) return std::nullopt;
  std::u16string out;
  for (std::size_t i = 0; i < tokens->size(); ++i) {
    const Token& t = (*tokens)[i];
    if (t.kind == Kind::Comment) {
      out += u' ';
      out += t.text;
      break;
    }
    if (i == 0) {
      if (t.kind == Kind::Operator) return std::nullopt;
      out += t.text;
      continue;
    }
    Sv prev = (*tokens)[i - 1].text;
    Sv prev2_text = i >= 2 ? Sv((*tokens)[i - 2].text) : Sv();
    bool space = t.kind == Kind::Operator ? space_before_operator(t.text[0], prev)
                                          : space_before_word(t.text, prev, i >= 2 ? &prev2_text : nullptr);
    if (space) out += u' ';
    out += t.text;
  }
  return out;
}

std::u16string reformat(Sv text) {
  // Lines: cut at every line feed; empty pieces between two line feeds go.
  std::vector<Sv> lines;
  bool ends_with_lf = !text.empty() && text.back() == u'\n';
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\n') continue;
    if (!(i == start && i > 0)) lines.push_back(text.substr(start, i - start));
    start = i + 1;
  }
  if (!ends_with_lf) lines.push_back(text.substr(start));

  std::u16string out;
  int level = 0;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    bool last = n + 1 == lines.size();
    std::u16string line(trim(lines[n]));
    if (!line.empty()) {
      if (auto spaced = respace_line(line)) line = std::move(*spaced);
    }
    int indent;
    if (starts_one_of(line, kOpeners)) {
      ++level;
      indent = level - 1;
    } else if (starts_one_of(line, kMiddles)) {
      indent = level - 1;
    } else {
      if (level >= 1 && starts_one_of(line, kClosers)) --level;
      indent = level;
    }
    // Blank lines carry no indentation; a middle keyword outside any block
    // stays at the margin.
    if (!line.empty()) out.append(4 * static_cast<std::size_t>(std::max(indent, 0)), u' ');
    out += line;
    if (!last) out += u"\r\n";
  }
  if (ends_with_lf) out += u"\r\n";
  return out;
}

}  // namespace quorin::plugin
