// Signatures of real registry entries, printed as scripts write the types.
#include <gtest/gtest.h>

#include "frontend/registry.h"
#include "builtins/reference.h"
#include "frontend/signature_text.h"
#include "support/format.h"

namespace quorin {
namespace {

std::string first_signature(std::u16string_view name, size_t overload = 0) {
  const auto* list = Registry::get().overloads(name);
  if (!list || overload >= list->size()) return "(missing)";
  return to_utf8(signature_text(*(*list)[overload]));
}

TEST(SignatureText, CollectionsShowTheirElementTypes) {
  // Generic results take the letter of the first argument's collection.
  EXPECT_EQ(first_signature(u"arraylist_get"), "T arraylist_get(ArrayList<T>, int)");
  EXPECT_EQ(first_signature(u"hashmap_keys"), "Iterator<K> hashmap_keys(HashMap<K, V>)");
  EXPECT_EQ(first_signature(u"hashmap_values"), "Iterator<V> hashmap_values(HashMap<K, V>)");
  EXPECT_EQ(first_signature(u"linkedlist_iterator"), "Iterator<T> linkedlist_iterator(LinkedList<T>)");
  // A concrete element type is printed as its word.
  EXPECT_EQ(first_signature(u"split"), "ArrayList<string> split(string, string)");
}

TEST(SignatureText, ReferenceArrayAndSpecialParameters) {
  EXPECT_EQ(first_signature(u"http_get"), "int http_get(string, string*)");
  EXPECT_EQ(first_signature(u"byte_array_to_string"), "string byte_array_to_string(byte[], int)");
  EXPECT_EQ(first_signature(u"dll_get_function", 1), "函数指针 dll_get_function(string, int*)");
  EXPECT_EQ(first_signature(u"print"), "void print(任意类型)");
  EXPECT_EQ(first_signature(u"atexit"), "void atexit(函数调用)");
}

TEST(SignatureText, EveryRegisteredSlotHasAText) {
  // A code the formatter does not know would print as "?" in the editor's
  // call tips and in the reference.
  for (const BuiltinTable& t : builtin_tables())
    for (size_t i = 0; i < t.count; ++i) {
      std::string s = to_utf8(signature_text(t.entries[i]));
      EXPECT_EQ(s.find('?'), std::string::npos) << s;
    }
  EXPECT_EQ(to_utf8(param_type_text(41 + 3)), "int 变量");
  EXPECT_EQ(to_utf8(param_type_text(30)), "Bmp*");
}

}  // namespace
}  // namespace quorin
