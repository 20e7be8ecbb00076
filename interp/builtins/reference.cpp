// Rendering of the builtin reference.  Everything here is derived from the
// registry tables, the constant table and the families' reference text, so
// the pages cannot drift from the program.
#include "builtins/reference.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "builtins/docs_tables.h"
#include "frontend/registry.h"
#include "frontend/signature_text.h"
#include "frontend/types.h"
#include "support/format.h"

namespace quorin {
namespace {

// One registered name: its family and overloads in table order.
struct NameInfo {
  const FamilyReference* family = nullptr;
  std::vector<const BuiltinEntry*> overloads;
  const BuiltinDoc* doc = nullptr;
  const char16_t* params = nullptr;
};

struct Catalogue {
  std::vector<FamilyReference> families;
  std::map<std::u16string, NameInfo> names;  // sorted by name
  std::vector<std::vector<std::u16string>> family_names;  // per family, table order
};

const Catalogue& catalogue() {
  static const Catalogue c = [] {
    Catalogue r;
    r.families = reference_families();
    r.family_names.resize(r.families.size());
    for (size_t f = 0; f < r.families.size(); ++f) {
      const FamilyReference& fam = r.families[f];
      for (size_t i = 0; i < fam.table.count; ++i) {
        const BuiltinEntry& e = fam.table.entries[i];
        NameInfo& info = r.names[e.name];
        if (info.overloads.empty()) {
          info.family = &fam;
          r.family_names[f].push_back(e.name);
          if (fam.docs) {
            for (const BuiltinDoc& d : fam.docs->entries)
              if (std::u16string_view(d.name) == e.name) info.doc = &d;
            for (const ParamNames& p : fam.docs->params)
              if (std::u16string_view(p.name) == e.name) info.params = p.params;
          }
        }
        info.overloads.push_back(&e);
      }
    }
    return r;
  }();
  return c;
}

std::string u8(std::u16string_view s) { return to_utf8(s); }

// Example and output texts are written with a leading line end for
// readability in the source; the pages start at the first line.
std::string block_text(const char16_t* text) {
  std::string s = u8(text);
  while (!s.empty() && s.front() == '\n') s.erase(0, 1);
  while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
  return s;
}

std::string indent(const std::string& text, const std::string& pad) {
  std::string out;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    out += line.empty() ? "\n" : pad + line + "\n";
    start = end + 1;
  }
  return out;
}

const char* kNoSummary = "（暂无说明）";

std::string summary_of(const NameInfo& info) {
  return info.doc && info.doc->summary && *info.doc->summary ? u8(info.doc->summary) : kNoSummary;
}

std::string family_file(const FamilyReference& f) { return u8(f.family) + ".md"; }

std::string markdown_entry(const std::u16string& name, const NameInfo& info) {
  std::string s = "## " + u8(name) + "\n\n```\n";
  for (const BuiltinEntry* e : info.overloads) s += u8(signature_text(*e, info.params)) + "\n";
  s += "```\n\n" + summary_of(info) + "\n";
  if (info.doc && info.doc->example) s += "\n示例：\n\n```\n" + block_text(info.doc->example) + "\n```\n";
  if (info.doc && info.doc->output) s += "\n输出：\n\n```\n" + block_text(info.doc->output) + "\n```\n";
  return s;
}

size_t overload_count(const FamilyReference& f) { return f.table.count; }

std::string table_cell(std::string s) {
  std::string out;
  for (char c : s) out += c == '|' ? std::string("\\|") : std::string(1, c);
  return out;
}

const char* kGenerated = "<!-- 由 quorin-docgen 从内置函数注册表与常量表生成，请勿手工修改。 -->\n\n";

std::string index_page(const Catalogue& c) {
  size_t overloads = 0;
  for (const auto& f : c.families) overloads += overload_count(f);
  std::string s = kGenerated;
  s += "# Quorin 内置函数参考\n\n";
  s += "共 " + std::to_string(c.names.size()) + " 个内置函数（" + std::to_string(overloads) + " 个重载），" +
       std::to_string(constant_table().size()) + " 个预定义常量（见[常量](constants.md)）。\n\n";
  s += "签名的写法与脚本相同：`int*` 是按引用传递的参数（实参必须是该类型的变量），"
       "`int[]` 是数组参数，`ArrayList<T>`、`LinkedList<T>`、`Iterator<T>` 和 `HashMap<K, V>` "
       "中的 T、K、V 是第一个参数所给集合的元素、键和值类型，`任意类型` 接受任何值，"
       "`函数调用` 要求写成一次调用（如 `atexit(cleanup())`）。整数参数也接受其他数值类型的实参。\n\n";
  s += "在控制台查看某个函数：`quorin --help-builtin 函数名`。\n\n";
  s += "## 分类\n\n| 分类 | 函数数 | 重载数 |\n|---|---|---|\n";
  for (size_t f = 0; f < c.families.size(); ++f) {
    const FamilyReference& fam = c.families[f];
    s += "| [" + u8(fam.title) + "](" + family_file(fam) + ") | " + std::to_string(c.family_names[f].size()) +
         " | " + std::to_string(overload_count(fam)) + " |\n";
  }
  s += "| [预定义常量](constants.md) | " + std::to_string(constant_table().size()) + " 个常量 | |\n";
  s += "\n## 全部函数\n\n";
  for (const auto& [name, info] : c.names)
    s += "- [" + u8(name) + "](" + family_file(*info.family) + "#" + u8(name) + ") — " + summary_of(info) + "\n";
  return s;
}

std::string family_page(const Catalogue& c, size_t f) {
  const FamilyReference& fam = c.families[f];
  std::string s = kGenerated;
  s += "# " + u8(fam.title) + "\n\n";
  s += "[返回索引](index.md) · 本页 " + std::to_string(c.family_names[f].size()) + " 个内置函数，" +
       std::to_string(overload_count(fam)) + " 个重载。\n";
  for (const std::u16string& name : c.family_names[f]) s += "\n" + markdown_entry(name, c.names.at(name));
  return s;
}

std::string escape_text(std::u16string_view v) {
  std::string s = "\"";
  for (char16_t ch : v) {
    switch (ch) {
      case u'\r': s += "\\r"; break;
      case u'\n': s += "\\n"; break;
      case u'\t': s += "\\t"; break;
      case u'\\': s += "\\\\"; break;
      case u'"': s += "\\\""; break;
      default: s += u8(std::u16string_view(&ch, 1));
    }
  }
  return s + "\"";
}

std::string constant_value(const ConstantEntry& k) {
  if (k.type == tc::String) return "`" + escape_text(k.string_value) + "`";
  if (k.type == tc::Double) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", k.double_value);
    return buf;
  }
  std::string s = std::to_string(k.int_value);
  if (k.int_value > 255 || k.int_value < -255) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", static_cast<uint32_t>(k.int_value));
    s += " (" + std::string(buf) + ")";
  }
  return s;
}

std::string constants_page() {
  std::map<std::u16string_view, const ConstantDoc*> docs;
  for (const ConstantDoc& d : constant_docs()) docs[d.name] = &d;
  std::string s = kGenerated;
  s += "# 预定义常量\n\n[返回索引](index.md) · 共 " + std::to_string(constant_table().size()) +
       " 个常量，名称都以 `qr` 开头，可以用在任何需要该类型值的地方。\n\n";
  s += "| 名称 | 类型 | 值 | 说明 |\n|---|---|---|---|\n";
  for (const ConstantEntry& k : constant_table()) {
    auto it = docs.find(k.name);
    std::string summary = it != docs.end() && it->second->summary ? u8(it->second->summary) : kNoSummary;
    s += "| `" + u8(k.name) + "` | " + u8(type_word(k.type)) + " | " + constant_value(k) + " | " +
         table_cell(summary) + " |\n";
  }
  return s;
}

// A constant looked up where a builtin was asked for: its type, value and text.
std::optional<std::string> constant_help(std::u16string_view name) {
  for (const ConstantEntry& k : constant_table()) {
    if (k.name != name) continue;
    std::string value = k.type == tc::String ? escape_text(k.string_value) : constant_value(k);
    std::string s = u8(name) + "（预定义常量）\n\n    " + u8(type_word(k.type)) + " " + u8(name) + " = " + value + "\n\n";
    std::string summary = kNoSummary;
    for (const ConstantDoc& d : constant_docs())
      if (d.name == name && d.summary) summary = u8(d.summary);
    return s + summary + "\n";
  }
  return std::nullopt;
}

size_t edit_distance(std::u16string_view a, std::u16string_view b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diag = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      size_t up = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diag + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diag = up;
    }
  }
  return row[b.size()];
}

}  // namespace

std::u16string signature_text(const BuiltinEntry& e) { return signature_text(e, nullptr); }

std::u16string signature_text(const BuiltinEntry& e, const char16_t* params) {
  std::vector<std::u16string> names = parameter_names(params, e.argc);
  std::u16string s = return_type_text(e) + u" " + e.name + u"(";
  for (int i = 0; i < e.argc; ++i) {
    if (i) s += u", ";
    s += parameter_text(e.args[i], names.empty() ? std::u16string_view() : names[i]);
  }
  return s + u")";
}

std::u16string parameter_text(TypeCode type, std::u16string_view name) {
  if (name.empty()) return param_type_text(type);
  if (is_array_param(type))  // arrays are written as the name followed by []
    return std::u16string(type_word(type - tc::ArrayBase)) + u" " + std::u16string(name) + u"[]";
  return param_type_text(type) + u" " + std::u16string(name);
}

std::vector<std::u16string> parameter_names(const char16_t* params, int argc) {
  if (!params || argc <= 0) return {};
  std::vector<std::vector<std::u16string>> forms(1);
  std::u16string word;
  auto end_word = [&] {
    size_t b = word.find_first_not_of(u' '), e = word.find_last_not_of(u' ');
    forms.back().push_back(b == std::u16string::npos ? std::u16string() : word.substr(b, e - b + 1));
    word.clear();
  };
  for (const char16_t* p = params;; ++p) {
    if (*p == u',' || *p == u'|' || *p == 0) {
      end_word();
      if (*p == 0) break;
      if (*p == u'|') forms.emplace_back();
    } else {
      word += *p;
    }
  }
  for (const auto& f : forms)
    if (f.size() == static_cast<size_t>(argc)) return f;
  for (const auto& f : forms)
    if (f.size() > static_cast<size_t>(argc)) return {f.begin(), f.begin() + argc};
  return {};
}

std::vector<ReferencePage> reference_pages() {
  const Catalogue& c = catalogue();
  std::vector<ReferencePage> pages;
  pages.push_back({"index.md", index_page(c)});
  for (size_t f = 0; f < c.families.size(); ++f) pages.push_back({family_file(c.families[f]), family_page(c, f)});
  pages.push_back({"constants.md", constants_page()});
  return pages;
}

std::optional<std::string> builtin_help(std::u16string_view name) {
  const Catalogue& c = catalogue();
  auto it = c.names.find(std::u16string(name));
  if (it == c.names.end()) return constant_help(name);
  const NameInfo& info = it->second;
  std::string s = u8(name) + "（" + u8(info.family->title) + "）\n\n";
  for (const BuiltinEntry* e : info.overloads) s += "    " + u8(signature_text(*e, info.params)) + "\n";
  s += "\n" + summary_of(info) + "\n";
  if (info.doc && info.doc->example) s += "\n示例：\n\n" + indent(block_text(info.doc->example), "    ");
  if (info.doc && info.doc->output) s += "\n输出：\n\n" + indent(block_text(info.doc->output), "    ");
  return s;
}

std::vector<std::u16string> similar_builtin_names(std::u16string_view name, size_t max) {
  if (name.empty()) return {};
  std::vector<std::pair<size_t, std::u16string>> scored;
  size_t limit = std::max<size_t>(2, name.size() / 3);
  for (const auto& [candidate, info] : catalogue().names) {
    size_t d = edit_distance(name, candidate);
    if (name.size() >= 3 && candidate.find(name) != std::u16string::npos) d = std::min<size_t>(d, 1);
    if (d <= limit) scored.emplace_back(d, candidate);
  }
  std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::u16string> out;
  for (size_t i = 0; i < scored.size() && i < max; ++i) out.push_back(scored[i].second);
  return out;
}

}  // namespace quorin
