#include "editor_files.h"

#include <algorithm>
#include <map>
#include <vector>

#include "builtins/reference.h"
#include "builtins/tables.h"
#include "frontend/registry.h"
#include "frontend/signature_text.h"
#include "support/format.h"

namespace quorin::editor_files {

namespace {

std::string xml_escape(std::string_view s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\n': out += "&#x0a;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string joined(const std::vector<std::string>& words) {
  std::string out;
  for (const std::string& w : words) out += (out.empty() ? "" : " ") + w;
  return out;
}

// The words that open, continue and close a block: they fold, and they are
// coloured as folding words rather than as keywords.
const std::vector<std::string> kFoldOpen = {"if", "loop", "for", "func"};
const std::vector<std::string> kFoldMiddle = {"elseif", "else"};
const std::vector<std::string> kFoldClose = {"endif", "endloop", "next", "endfunc"};

bool is_fold_word(const std::string& w) {
  for (const auto* list : {&kFoldOpen, &kFoldMiddle, &kFoldClose})
    if (std::find(list->begin(), list->end(), w) != list->end()) return true;
  return false;
}

// Builtin names once each, in registry order.
std::vector<std::string> builtin_names() {
  std::vector<std::string> names;
  const Registry& reg = Registry::get();
  for (const BuiltinTable& t : builtin_tables())
    for (size_t i = 0; i < t.count; ++i) {
      const auto* list = reg.overloads(t.entries[i].name);
      if (list && list->front() == &t.entries[i]) names.push_back(to_utf8(t.entries[i].name));
    }
  return names;
}

struct Style {
  const char* name;
  const char* fg;
  int font_style;  // 0 plain, 1 bold, 2 italic
};

}  // namespace

std::string language_xml() {
  std::vector<std::string> statements, types, reserved, builtins, directives, constants;
  for (const char16_t* w : keyword_words()) {
    std::string word = to_utf8(w);
    if (is_fold_word(word)) continue;
    (type_code_of_word(w) != tc::None ? types : statements).push_back(word);
  }
  for (const char16_t* w : reserved_words()) reserved.push_back(to_utf8(w));
  for (const std::string& n : builtin_names()) (n.rfind("quorin_", 0) == 0 ? directives : builtins).push_back(n);
  for (const ConstantEntry& c : constant_table()) constants.push_back(to_utf8(c.name));

  std::map<std::string, std::string> lists = {
      {"Comments", "00# 01 02 03 04"},
      {"Numbers, prefix1", "0x 0X"},
      {"Numbers, prefix2", ""},
      {"Numbers, extras1", "A B C D E F a b c d e f"},
      {"Numbers, extras2", ""},
      {"Numbers, suffix1", "L l f F"},
      {"Numbers, suffix2", ""},
      {"Numbers, range", ""},
      {"Operators1", "+ - * / % & | ^ ~ < > = ! ( ) [ ] { } , :"},
      {"Operators2", ""},
      {"Folders in code1, open", joined(kFoldOpen)},
      {"Folders in code1, middle", joined(kFoldMiddle)},
      {"Folders in code1, close", joined(kFoldClose)},
      {"Folders in code2, open", ""},
      {"Folders in code2, middle", ""},
      {"Folders in code2, close", ""},
      {"Folders in comment, open", ""},
      {"Folders in comment, middle", ""},
      {"Folders in comment, close", ""},
      {"Keywords1", joined(statements)},
      {"Keywords2", joined(types)},
      {"Keywords3", joined(reserved)},
      {"Keywords4", joined(builtins)},
      {"Keywords5", joined(constants)},
      {"Keywords6", joined(directives)},
      {"Keywords7", ""},
      {"Keywords8", ""},
      // Strings and characters, each with the backslash as escape.
      {"Delimiters", "00\" 01\\ 02\" 03' 04\\ 05' 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23"},
  };
  const char* list_order[] = {"Comments",  "Numbers, prefix1", "Numbers, prefix2", "Numbers, extras1",
                              "Numbers, extras2", "Numbers, suffix1", "Numbers, suffix2", "Numbers, range",
                              "Operators1", "Operators2", "Folders in code1, open", "Folders in code1, middle",
                              "Folders in code1, close", "Folders in code2, open", "Folders in code2, middle",
                              "Folders in code2, close", "Folders in comment, open",
                              "Folders in comment, middle", "Folders in comment, close", "Keywords1",
                              "Keywords2", "Keywords3", "Keywords4", "Keywords5", "Keywords6", "Keywords7",
                              "Keywords8", "Delimiters"};
  const Style styles[] = {
      {"DEFAULT", "000000", 0},          {"COMMENTS", "008000", 0},     {"LINE COMMENTS", "008000", 0},
      {"NUMBERS", "FF8000", 0},          {"KEYWORDS1", "0000FF", 1},    {"KEYWORDS2", "8000FF", 1},
      {"KEYWORDS3", "808080", 0},        {"KEYWORDS4", "0080C0", 0},    {"KEYWORDS5", "800000", 0},
      {"KEYWORDS6", "804000", 1},        {"KEYWORDS7", "000000", 0},    {"KEYWORDS8", "000000", 0},
      {"OPERATORS", "000080", 1},        {"FOLDER IN CODE1", "0000FF", 1}, {"FOLDER IN CODE2", "0000FF", 1},
      {"FOLDER IN COMMENT", "008000", 0}, {"DELIMITERS1", "808080", 0}, {"DELIMITERS2", "808080", 0},
      {"DELIMITERS3", "000000", 0},      {"DELIMITERS4", "000000", 0},  {"DELIMITERS5", "000000", 0},
      {"DELIMITERS6", "000000", 0},      {"DELIMITERS7", "000000", 0},  {"DELIMITERS8", "000000", 0},
  };

  std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<NotepadPlus>\n";
  x += std::string("    <UserLang name=\"") + kLanguageName + "\" ext=\"q\" udlVersion=\"2.1\">\n";
  x += "        <Settings>\n";
  x += "            <Global caseIgnored=\"no\" allowFoldOfComments=\"no\" foldCompact=\"no\" forcePureLC=\"0\" "
       "decimalSeparator=\"0\" />\n";
  x += "            <Prefix Keywords1=\"no\" Keywords2=\"no\" Keywords3=\"no\" Keywords4=\"no\" Keywords5=\"no\" "
       "Keywords6=\"no\" Keywords7=\"no\" Keywords8=\"no\" />\n";
  x += "        </Settings>\n        <KeywordLists>\n";
  for (const char* name : list_order)
    x += std::string("            <Keywords name=\"") + name + "\">" + xml_escape(lists.at(name)) + "</Keywords>\n";
  x += "        </KeywordLists>\n        <Styles>\n";
  for (const Style& s : styles)
    x += std::string("            <WordsStyle name=\"") + s.name + "\" fgColor=\"" + s.fg +
         "\" bgColor=\"FFFFFF\" colorStyle=\"1\" fontName=\"\" fontStyle=\"" + std::to_string(s.font_style) +
         "\" nesting=\"0\" />\n";
  x += "        </Styles>\n    </UserLang>\n</NotepadPlus>\n";
  return x;
}

std::string completion_xml(DescribeFn describe, ParamsFn params) {
  struct Word {
    std::string name;
    std::vector<const BuiltinEntry*> overloads;  // empty for keywords and constants
  };
  std::vector<Word> words;
  for (const char16_t* w : keyword_words()) words.push_back({to_utf8(w), {}});
  for (const char16_t* w : reserved_words()) words.push_back({to_utf8(w), {}});
  for (const ConstantEntry& c : constant_table()) words.push_back({to_utf8(c.name), {}});
  const Registry& reg = Registry::get();
  for (const std::string& n : builtin_names()) {
    const auto* list = reg.overloads(from_utf8(n));
    words.push_back({n, {list->begin(), list->end()}});
  }
  // The editor looks words up by binary search over the names compared as
  // bytes (the language is case-sensitive).
  std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) { return a.name < b.name; });

  std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<NotepadPlus>\n";
  x += std::string("    <AutoComplete language=\"") + kLanguageName + "\">\n";
  x += "        <Environment ignoreCase=\"no\" startFunc=\"(\" stopFunc=\")\" paramSeparator=\",\" "
       "additionalWordChar=\"\" />\n";
  for (const Word& w : words) {
    if (w.overloads.empty()) {
      x += "        <KeyWord name=\"" + w.name + "\" />\n";
      continue;
    }
    std::u16string name16 = from_utf8(w.name);
    std::string descr = describe ? to_utf8(describe(name16)) : std::string();
    const char16_t* names = params ? params(name16) : nullptr;
    // The parameter texts of every overload, named when the reference names
    // them and the named call tip still fits.
    auto param_texts = [&](bool named) {
      std::vector<std::vector<std::string>> texts;
      for (const BuiltinEntry* e : w.overloads) {
        std::vector<std::u16string> n = named ? parameter_names(names, e->argc) : std::vector<std::u16string>();
        texts.emplace_back();
        for (int i = 0; i < e->argc; ++i)
          texts.back().push_back(to_utf8(parameter_text(e->args[i], n.empty() ? std::u16string_view() : n[i])));
      }
      return texts;
    };
    // What the call tip costs without descriptions.
    auto cost_of = [&](const std::vector<std::vector<std::string>>& texts) {
      size_t cost = w.overloads.size() > 1 ? 24 : 0;
      for (size_t o = 0; o < w.overloads.size(); ++o) {
        cost += to_utf8(return_type_text(*w.overloads[o])).size();
        for (const std::string& t : texts[o]) cost += t.size() + 2;
      }
      return cost;
    };
    std::vector<std::vector<std::string>> texts = param_texts(names != nullptr);
    size_t cost = cost_of(texts);
    if (names && cost > kCallTipBudget) {
      texts = param_texts(false);
      cost = cost_of(texts);
    }
    // A description goes on every overload when it fits, else on the first
    // one only, else nowhere.
    size_t described = 0;
    if (!descr.empty()) {
      if (cost + descr.size() * w.overloads.size() <= kCallTipBudget)
        described = w.overloads.size();
      else if (cost + descr.size() <= kCallTipBudget)
        described = 1;
    }
    x += "        <KeyWord name=\"" + w.name + "\" func=\"yes\">\n";
    for (size_t o = 0; o < w.overloads.size(); ++o) {
      const BuiltinEntry& e = *w.overloads[o];
      x += "            <Overload retVal=\"" + xml_escape(to_utf8(return_type_text(e))) + "\"";
      if (o < described) x += " descr=\"" + xml_escape(descr) + "\"";
      x += ">\n";
      for (const std::string& t : texts[o]) x += "                <Param name=\"" + xml_escape(t) + "\" />\n";
      x += "            </Overload>\n";
    }
    x += "        </KeyWord>\n";
  }
  x += "    </AutoComplete>\n</NotepadPlus>\n";
  return x;
}

}  // namespace quorin::editor_files
