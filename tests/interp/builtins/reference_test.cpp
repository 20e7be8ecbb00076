// The builtin reference: every registered name and constant described once,
// in its own family; the examples compile (and the ones with an expected
// output print it); the rendered signatures, pages and console entries.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "builtins/docs_tables.h"
#include "builtins/reference.h"
#include "frontend/compile_driver.h"
#include "interp/frontend/capture_output.h"
#include "interp/runtime/test_ui_port.h"
#include "runtime/run.h"
#include "support/format.h"

namespace quorin {
namespace {

std::string u8(std::u16string_view s) { return to_utf8(s); }

bool single_line(const char16_t* s) {
  if (!s || !*s) return false;
  for (const char16_t* p = s; *p; ++p)
    if (*p == u'\n' || *p == u'\r') return false;
  return true;
}

// The names each family's table registers, in table order without repeats.
std::vector<std::u16string> registered_names(const BuiltinTable& t) {
  std::vector<std::u16string> names;
  std::set<std::u16string> seen;
  for (size_t i = 0; i < t.count; ++i)
    if (seen.insert(t.entries[i].name).second) names.push_back(t.entries[i].name);
  return names;
}

// Coverage of the registry.  Run alone with
//   ctest --preset native -R reference_coverage
// The failure lists, per family, the builtins that have no description.
TEST(ReferenceCoverage, EveryBuiltinIsDescribedOnceInItsOwnFamily) {
  std::map<std::u16string, std::u16string> family_of;  // registered name -> family
  for (const FamilyReference& f : reference_families())
    for (const auto& n : registered_names(f.table)) family_of[n] = f.family;

  std::string report;
  for (const FamilyReference& f : reference_families()) {
    std::map<std::u16string, int> described;
    if (f.docs)
      for (const BuiltinDoc& d : f.docs->entries) ++described[d.name];
    std::string missing, twice;
    for (const auto& n : registered_names(f.table)) {
      int c = described.count(n) ? described[n] : 0;
      if (c == 0) missing += " " + u8(n);
      if (c > 1) twice += " " + u8(n);
    }
    std::string foreign;
    for (const auto& [n, c] : described) {
      auto it = family_of.find(n);
      if (it == family_of.end())
        foreign += " " + u8(n) + "(未注册)";
      else if (it->second != f.family)
        foreign += " " + u8(n) + "(属于 " + u8(it->second) + ")";
    }
    if (!f.docs) report += u8(f.family) + ": 没有说明表（在 all_docs.cpp 中登记该族的 docs 函数）\n";
    if (!missing.empty()) report += u8(f.family) + " 缺少说明:" + missing + "\n";
    if (!twice.empty()) report += u8(f.family) + " 重复说明:" + twice + "\n";
    if (!foreign.empty()) report += u8(f.family) + " 说明了别的名称:" + foreign + "\n";
  }
  EXPECT_TRUE(report.empty()) << report;
}

TEST(ReferenceCoverage, EveryConstantIsDescribedOnce) {
  std::map<std::u16string, int> described;
  std::string report;
  for (const ConstantDoc& d : constant_docs()) {
    ++described[d.name];
    if (!single_line(d.summary)) report += "说明为空或不止一行: " + u8(d.name) + "\n";
  }
  std::set<std::u16string> known;
  std::string missing;
  for (const ConstantEntry& k : constant_table()) {
    known.insert(k.name);
    int c = described.count(k.name) ? described[k.name] : 0;
    if (c == 0) missing += " " + u8(k.name);
    if (c > 1) report += "重复说明: " + u8(k.name) + "\n";
  }
  for (const auto& [n, c] : described)
    if (!known.count(n)) report += "没有这个常量: " + u8(n) + "\n";
  if (!missing.empty()) report += "缺少说明:" + missing + "\n";
  EXPECT_TRUE(report.empty()) << report;
}

// Every builtin that takes parameters has their names in its family's text.
TEST(ReferenceCoverage, EveryBuiltinWithParametersHasTheirNames) {
  std::string report;
  for (const FamilyReference& f : reference_families()) {
    std::set<std::u16string> named, unnamed;
    if (f.docs)
      for (const ParamNames& p : f.docs->params) named.insert(p.name);
    for (size_t i = 0; i < f.table.count; ++i) {
      const BuiltinEntry& e = f.table.entries[i];
      if (e.argc > 0 && !named.count(e.name)) unnamed.insert(e.name);
    }
    if (unnamed.empty()) continue;
    report += u8(f.family) + " 缺少参数名:";
    for (const auto& n : unnamed) report += " " + u8(n);
    report += "\n";
  }
  EXPECT_TRUE(report.empty()) << report;
}

// ---- the text that is present ----

TEST(ReferenceText, SummariesAreSingleLinesAndFamiliesAreNamedAfterTheirFolders) {
  for (const FamilyReference& f : reference_families()) {
    if (!f.docs) continue;
    EXPECT_EQ(std::u16string_view(f.docs->family), f.family);
    EXPECT_TRUE(single_line(f.docs->title)) << u8(f.family);
    for (const BuiltinDoc& d : f.docs->entries) {
      EXPECT_TRUE(single_line(d.summary)) << u8(d.name);
      // Every line of the reference reads as a sentence.
      EXPECT_TRUE(d.summary && std::u16string_view(d.summary).ends_with(u"。")) << u8(d.name);
      EXPECT_TRUE(!d.output || d.example) << u8(d.name) << ": output without an example";
    }
  }
}

std::u16string normalized(std::u16string s) {
  std::u16string out;
  for (char16_t c : s)
    if (c != u'\r') out += c;
  while (!out.empty() && out.front() == u'\n') out.erase(0, 1);
  while (!out.empty() && out.back() == u'\n') out.pop_back();
  return out;
}

// Every example compiles in the check mode; an example with an expected
// output also runs here and must print exactly that, without a runtime error.
TEST(ReferenceText, ExamplesCompileAndPrintTheirOutput) {
  auto dir = std::filesystem::temp_directory_path() /
             ("quorin-reference-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::create_directories(dir);
  int compiled = 0, ran = 0;
  for (const FamilyDocs& f : builtin_docs()) {
    for (const BuiltinDoc& d : f.entries) {
      if (!d.example) continue;
      SCOPED_TRACE(u8(d.name));
      auto path = dir / (u8(d.name) + ".q");
      std::ofstream(path, std::ios::binary) << u8(d.example);
      testing::CapturedOutput report;
      CompileResult r = compile_script(from_utf8(path.string()), std::nullopt, CheckMode::Check, report);
      EXPECT_NE(r.program, nullptr) << u8(report.console_text);
      ++compiled;
      if (!r.program || !d.output) continue;
      r = compile_script(from_utf8(path.string()), std::nullopt, CheckMode::Run, report);
      ASSERT_NE(r.program, nullptr);
      testing::TestUiPort ui;
      {
        Runtime rt(*r.program, ui);
        rt.state.store(kRunning);
        EXPECT_EQ(run_program(rt), 0);
      }
      EXPECT_TRUE(ui.errors.empty()) << (ui.errors.empty() ? "" : u8(ui.errors[0]));
      EXPECT_EQ(u8(normalized(ui.console + ui.out)), u8(normalized(d.output)));
      ++ran;
    }
  }
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  EXPECT_GT(compiled, 30);
  EXPECT_GT(ran, 20);
}

// ---- rendering ----

const BuiltinEntry& entry(std::u16string_view name, int argc) {
  for (const BuiltinTable& t : builtin_tables())
    for (size_t i = 0; i < t.count; ++i)
      if (t.entries[i].name == name && t.entries[i].argc == argc) return t.entries[i];
  ADD_FAILURE() << "no entry " << u8(name);
  static BuiltinEntry none{};
  return none;
}

TEST(ReferenceRendering, SignaturesAreWrittenAsScriptsWriteTypes) {
  EXPECT_EQ(u8(signature_text(entry(u"prompt", 2))), "int prompt(string, string*)");
  EXPECT_EQ(u8(signature_text(entry(u"string_to_byte_array", 3))), "int string_to_byte_array(string, byte[], int)");
  EXPECT_EQ(u8(signature_text(entry(u"frexp", 2))), "double frexp(double, int*)");
  EXPECT_EQ(u8(signature_text(entry(u"split", 2))), "ArrayList<string> split(string, string)");
  EXPECT_EQ(u8(signature_text(entry(u"arraylist_get", 2))), "T arraylist_get(ArrayList<T>, int)");
  EXPECT_EQ(u8(signature_text(entry(u"hashmap_put", 3))), "V hashmap_put(HashMap<K, V>, K, V)");
  EXPECT_EQ(u8(signature_text(entry(u"hashmap_keys", 1))), "Iterator<K> hashmap_keys(HashMap<K, V>)");
  EXPECT_EQ(u8(signature_text(entry(u"linkedlist_iterator", 1))), "Iterator<T> linkedlist_iterator(LinkedList<T>)");
  EXPECT_EQ(u8(signature_text(entry(u"atexit", 1))), "void atexit(函数调用)");
  EXPECT_EQ(u8(signature_text(entry(u"println", 1))), "void println(任意类型)");
  EXPECT_EQ(u8(signature_text(entry(u"cls", 0))), "void cls()");

  // With names: by-reference as `type* name`, arrays as `type name[]`.
  EXPECT_EQ(u8(signature_text(entry(u"prompt", 3), u"text, value, type, password")),
            "int prompt(string text, string* value, int type)");
  EXPECT_EQ(u8(signature_text(entry(u"string_to_byte_array", 3), u"s, bytes, n, charset")),
            "int string_to_byte_array(string s, byte bytes[], int n)");
  EXPECT_EQ(u8(signature_text(entry(u"json_get_array_item", 2), u"h, index | h, path, index")),
            "int json_get_array_item(int h, int index)");
  EXPECT_EQ(u8(signature_text(entry(u"json_get_array_item", 3), u"h, index | h, path, index")),
            "int json_get_array_item(int h, string path, int index)");
  // Names that fit no overload are left out rather than misplaced.
  EXPECT_EQ(u8(signature_text(entry(u"mid", 3), u"s, start")), "string mid(string, int, int)");
  EXPECT_TRUE(parameter_names(u" a ,b|", 2) == (std::vector<std::u16string>{u"a", u"b"}));
  EXPECT_TRUE(parameter_names(nullptr, 2).empty());
}

// Parameter names belong to a builtin of the family, fit every overload and
// are names a script could give a variable: a letter first, then letters,
// digits, '_', and not a keyword, reserved word, builtin or constant.
TEST(ReferenceText, ParameterNamesFitEveryOverload) {
  for (const FamilyReference& f : reference_families()) {
    if (!f.docs) continue;
    for (const ParamNames& p : f.docs->params) {
      SCOPED_TRACE(u8(p.name));
      size_t overloads = 0;
      for (size_t i = 0; i < f.table.count; ++i) {
        const BuiltinEntry& e = f.table.entries[i];
        if (std::u16string_view(e.name) != p.name) continue;
        ++overloads;
        if (e.argc == 0) continue;
        auto names = parameter_names(p.params, e.argc);
        ASSERT_EQ(names.size(), static_cast<size_t>(e.argc)) << "no form fits " << e.argc << " parameters";
        std::set<std::u16string> unique;
        for (const auto& n : names) {
          ASSERT_FALSE(n.empty());
          EXPECT_TRUE((n[0] >= u'a' && n[0] <= u'z') || (n[0] >= u'A' && n[0] <= u'Z')) << u8(n);
          for (char16_t c : n)
            EXPECT_TRUE((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_')
                << u8(n);
          EXPECT_TRUE(unique.insert(n).second) << "twice: " << u8(n);
          NameKind taken = Registry::get().reserved(n);
          EXPECT_TRUE(taken == NameKind::None) << u8(n) << " is a " << u8(name_kind_word(taken));
        }
      }
      EXPECT_GT(overloads, 0u) << "not a builtin of " << u8(f.family);
    }
  }
}

TEST(ReferenceRendering, PagesListEveryNameUnderItsFamilyAndEveryConstant) {
  auto pages = reference_pages();
  ASSERT_FALSE(pages.empty());
  EXPECT_EQ(pages.front().file, "index.md");
  std::map<std::string, std::string> by_file;
  for (const auto& p : pages) EXPECT_TRUE(by_file.emplace(p.file, p.text).second) << "two pages " << p.file;
  const std::string& index = by_file["index.md"];
  size_t names = 0;
  for (const FamilyReference& f : reference_families()) {
    std::string file = u8(f.family) + ".md";
    ASSERT_TRUE(by_file.count(file)) << file;
    const std::string& page = by_file[file];
    for (const auto& n : registered_names(f.table)) {
      ++names;
      EXPECT_NE(index.find("- [" + u8(n) + "](" + file + "#" + u8(n) + ")"), std::string::npos) << u8(n);
      EXPECT_NE(page.find("\n## " + u8(n) + "\n"), std::string::npos) << u8(n);
    }
    // Every overload's signature is on the page, with its parameter names
    // when the family gives them.
    for (size_t i = 0; i < f.table.count; ++i) {
      const BuiltinEntry& e = f.table.entries[i];
      const char16_t* params = nullptr;
      if (f.docs)
        for (const ParamNames& p : f.docs->params)
          if (std::u16string_view(p.name) == e.name) params = p.params;
      EXPECT_NE(page.find(u8(signature_text(e, params)) + "\n"), std::string::npos) << u8(e.name);
    }
  }
  EXPECT_EQ(names, Registry::get().name_count());
  const std::string& constants = by_file["constants.md"];
  for (const ConstantEntry& k : constant_table())
    EXPECT_NE(constants.find("| `" + u8(k.name) + "` |"), std::string::npos) << u8(k.name);
  EXPECT_NE(constants.find("| `qrCrLf` | string | `\"\\r\\n\"` |"), std::string::npos);
  EXPECT_NE(constants.find("| `qrMouse_HAND` | int | 65567 (0x1001F) |"), std::string::npos);
  EXPECT_NE(constants.find("| `qrHWND_NOTOPMOST` | int | -2 |"), std::string::npos);
}

TEST(ReferenceRendering, ConsoleEntryAndCloseNames) {
  auto mid = builtin_help(u"mid");
  ASSERT_TRUE(mid.has_value());
  EXPECT_EQ(mid->rfind("mid（字符串与转换）\n\n    string mid(string s, int start)\n    string mid(string s, int start, int n)\n", 0), 0u)
      << *mid;
  EXPECT_NE(mid->find("示例：\n\n    string path = \"report-2024.txt\"\n"), std::string::npos) << *mid;
  EXPECT_NE(mid->find("输出：\n\n    2024\n    txt\n"), std::string::npos) << *mid;

  EXPECT_FALSE(builtin_help(u"no_such_builtin").has_value());
  EXPECT_FALSE(builtin_help(u"").has_value());
  EXPECT_FALSE(builtin_help(u"Mid").has_value());  // names are case-sensitive

  // A constant asked for by mistake still gets its entry.
  auto crlf = builtin_help(u"qrCrLf");
  ASSERT_TRUE(crlf.has_value());
  EXPECT_EQ(crlf->rfind("qrCrLf（预定义常量）\n\n    string qrCrLf = \"\\r\\n\"\n\n", 0), 0u) << *crlf;
  auto hide = builtin_help(u"qrMouse_HAND");
  ASSERT_TRUE(hide.has_value());
  EXPECT_NE(hide->find("    int qrMouse_HAND = 65567 (0x1001F)\n"), std::string::npos) << *hide;

  auto close = similar_builtin_names(u"arraylist_ad", 3);
  ASSERT_FALSE(close.empty());
  EXPECT_EQ(u8(close[0]), "arraylist_add");
  close = similar_builtin_names(u"hashmap_contain", 5);
  EXPECT_NE(std::find(close.begin(), close.end(), u"hashmap_contains_key"), close.end());
  EXPECT_TRUE(similar_builtin_names(u"", 5).empty());
  EXPECT_TRUE(similar_builtin_names(u"zzzzzzzzzzzzzzzzzzzzzz", 5).empty());
}

}  // namespace
}  // namespace quorin
