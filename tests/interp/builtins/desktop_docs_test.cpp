// The reference entries of the input, window, system, screen, bmp, files and
// COM families and of the constants: they cover exactly what the tables
// register, read as one line each, and every example script compiles.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "builtins/docs_tables.h"
#include "builtins/tables.h"
#include "interp/frontend/compile_fixture.h"
#include "support/format.h"

namespace quorin {
namespace {

struct Family {
  const char* folder;
  BuiltinTable (*table)();
  FamilyDocs (*docs)();
};

const Family kFamilies[] = {
    {"input", input_table, input_docs},    {"window", window_table, window_docs},
    {"system", system_table, system_docs}, {"screen", screen_table, screen_docs},
    {"bmp", bmp_table, bmp_docs},          {"files", files_table, files_docs},
    {"com", com_table, com_docs},
};

std::string u8(const char16_t* s) { return s ? to_utf8(std::u16string_view(s)) : std::string(); }

// A one-line Chinese text: not empty, no line break, no blank at either end.
::testing::AssertionResult one_line(const char16_t* s) {
  const std::string t = u8(s);
  if (t.empty()) return ::testing::AssertionFailure() << "empty";
  bool chinese = false;
  for (const char16_t* p = s; *p; ++p) chinese = chinese || (*p >= 0x4E00 && *p <= 0x9FFF);
  if (!chinese) return ::testing::AssertionFailure() << "no Chinese text in: " << t;
  if (t.find_first_of("\r\n") != std::string::npos) return ::testing::AssertionFailure() << "line break in: " << t;
  if (t.front() == ' ' || t.back() == ' ') return ::testing::AssertionFailure() << "blank at an end: " << t;
  return ::testing::AssertionSuccess();
}

TEST(FamilyDocs, EachRegisteredNameHasExactlyOneEntry) {
  for (const Family& f : kFamilies) {
    SCOPED_TRACE(f.folder);
    const FamilyDocs d = f.docs();
    EXPECT_EQ(u8(d.family), f.folder);
    EXPECT_TRUE(one_line(d.title));

    std::set<std::string> registered;
    const BuiltinTable t = f.table();
    for (size_t i = 0; i < t.count; ++i) registered.insert(u8(t.entries[i].name));

    std::map<std::string, int> documented;
    for (const BuiltinDoc& e : d.entries) ++documented[u8(e.name)];
    for (const auto& [name, n] : documented) {
      EXPECT_EQ(n, 1) << name << " is described " << n << " times";
      EXPECT_TRUE(registered.count(name)) << name << " is described but not registered by this family";
    }
    for (const std::string& name : registered) EXPECT_TRUE(documented.count(name)) << name << " has no description";
  }
}

TEST(FamilyDocs, SummariesAreSingleLines) {
  for (const Family& f : kFamilies)
    for (const BuiltinDoc& e : f.docs().entries) EXPECT_TRUE(one_line(e.summary)) << u8(e.name);
}

TEST(FamilyDocs, ExamplesCompileCleanly) {
  int examples = 0;
  for (const Family& f : kFamilies) {
    for (const BuiltinDoc& e : f.docs().entries) {
      if (!e.example) continue;
      ++examples;
      const std::string src = u8(e.example);
      SCOPED_TRACE(u8(e.name));
      EXPECT_FALSE(src.empty());
      EXPECT_EQ(src.back(), '\n');
      // Every example says what it shows in a comment of its own.
      EXPECT_EQ(src.rfind("# ", 0), 0u) << src;
      const auto c = testing::compile_text(src, CheckMode::Check);
      EXPECT_TRUE(c.result.errors.list().empty()) << c.errors() << src;
      // The example calls the builtin it illustrates.
      EXPECT_NE(src.find(u8(e.name) + "("), std::string::npos) << src;
    }
  }
  EXPECT_GE(examples, 20);
}

TEST(ConstantDocs, EveryConstantInTableOrder) {
  const auto table = constant_table();
  const auto docs = constant_docs();
  ASSERT_EQ(docs.size(), table.size());
  for (size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(u8(docs[i].name), u8(table[i].name)) << "entry " << i;
    EXPECT_TRUE(one_line(docs[i].summary)) << u8(docs[i].name);
  }
}

}  // namespace
}  // namespace quorin
