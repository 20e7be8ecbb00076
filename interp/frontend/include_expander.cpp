#include "frontend/include_expander.h"

#include "frontend/source_files.h"
#include "frontend/source_loader.h"
#include "support/format.h"

namespace quorin {

namespace {

bool is_blank(char16_t c) { return c == u' ' || c == u'\t'; }

class Expander {
 public:
  Expander(IncludeSet& included, ErrorSink& errors) : included_(included), errors_(errors) {}

  std::optional<std::u16string> expand(const std::u16string& file, std::u16string_view text) {
    const std::u16string folder(folder_part(file));
    std::u16string out;
    size_t copied = 0;  // text[copied, pos) is still to be copied to `out`
    size_t pos = 0;
    int line = 1;
    const size_t n = text.size();
    while (pos < n) {
      const size_t line_start = pos;
      size_t eol = text.find(u'\n', pos);
      if (eol == std::u16string_view::npos) eol = n;
      size_t p = pos;
      while (p < eol && is_blank(text[p])) ++p;
      size_t word_end = p;
      while (word_end < eol && !is_word_end(text[word_end])) ++word_end;
      if (p < eol && text[p] != u'#' && text.substr(p, word_end - p) == u"include") {
        errors_.includes_used = true;
        // The include line's own line end: its CR (if any) or LF.
        size_t line_end = line_end_of(text, word_end, eol);
        auto body = include_at(file, folder, text.substr(word_end, line_end - word_end), line);
        if (!body) return std::nullopt;
        out.append(text.substr(copied, line_start - copied));
        out += *body;
        copied = line_end;
      }
      pos = eol < n ? eol + 1 : n;
      ++line;
    }
    out.append(text.substr(copied));
    return out;
  }

 private:
  static bool is_word_end(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'[' || c == u'<' || c == u'=' || c == u'\r' || c == u'\n';
  }

  static size_t line_end_of(std::u16string_view text, size_t from, size_t eol) {
    size_t cr = text.substr(from, eol - from).find(u'\r');
    return cr == std::u16string_view::npos ? eol : from + cr;
  }

  void error(const std::u16string& file, int line, std::u16string msg) {
    errors_.add(file, line, std::move(msg));
    errors_.stop();
  }

  // `rest` is the include line after the word, up to its line end.  Returns
  // the spliced replacement of the line, or nullopt after an error.
  std::optional<std::u16string> include_at(const std::u16string& file, const std::u16string& folder,
                                           std::u16string_view rest, int line) {
    size_t p = 0;
    while (p < rest.size() && is_blank(rest[p])) ++p;
    if (p >= rest.size() || rest[p] != u'"') {
      error(file, line, u"语法错误, 缺少 '\"'");
      return std::nullopt;
    }
    size_t close = rest.find(u'"', p + 1);
    // `rest` stops at the first CR, so a CR before the quote ends it too.
    if (close == std::u16string_view::npos) {
      error(file, line, u"语法错误, 缺少 '\"'");
      return std::nullopt;
    }
    std::u16string_view name = rest.substr(p + 1, close - p - 1);
    while (!name.empty() && is_blank(name.back())) name.remove_suffix(1);
    if (name.empty()) {
      error(file, line, u"include 语句缺少 '文件名'");
      return std::nullopt;
    }
    if (!has_extension(name, u".q") && !has_extension(name, u".qe")) {
      error(file, line, u"include 语句支持的文件扩展名为 '.q' 和 '.qe'");
      return std::nullopt;
    }
    const std::u16string written(name);
    const std::u16string target = resolve_in_folder(folder, written);
    if (!path_exists(target)) {
      error(file, line, format16(u"找不到包含文件 '%.200s'", written));
      return std::nullopt;
    }
    size_t q = close + 1;
    while (q < rest.size() && is_blank(rest[q])) ++q;
    if (q < rest.size() && rest[q] != u'#') {
      error(file, line, u"语法错误");
      return std::nullopt;
    }
    if (included_.contains(target)) {
      error(file, line,
            format16(u"循环包含, 文件 '%s' 包含在自身中(可能是间接包含). 请检查包含文件中的其他 include 语句.",
                     name_part(target)));
      return std::nullopt;
    }
    included_.add(target);
    LoadResult loaded = read_source(target, std::nullopt, true);
    if (!loaded.ok) {
      error(file, line, format16(u"无法读取包含文件 '%.200s'", written));
      return std::nullopt;
    }
    auto expanded = expand(target, script_text(loaded.text));
    if (!expanded) return std::nullopt;
    std::u16string spliced = include_enter_line(target);
    spliced += *expanded;
    spliced += u"\r\nquorin_leave_include_file()";
    return spliced;
  }

  IncludeSet& included_;
  ErrorSink& errors_;
};

}  // namespace

bool IncludeSet::contains(std::u16string_view full) const {
  for (const auto& p : paths_)
    if (same_path(p, full)) return true;
  return false;
}

std::u16string include_enter_line(std::u16string_view full_path) {
  std::u16string out = u"quorin_enter_include_file(\"";
  for (char16_t c : full_path) {
    // A backslash is doubled; a double quote (possible only in native
    // paths) is escaped so the string constant stays whole.
    if (c == u'\\' || c == u'"') out += u'\\';
    out += c;
  }
  out += u"\")\r\n";
  return out;
}

std::optional<std::u16string> expand_includes(const std::u16string& path, std::u16string_view text,
                                              IncludeSet& included, ErrorSink& errors) {
  return Expander(included, errors).expand(full_path(path), text);
}

}  // namespace quorin
