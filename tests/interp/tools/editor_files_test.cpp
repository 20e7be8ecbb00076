// Call tips of the editor's auto-completion file.
#include <gtest/gtest.h>

#include <string>

#include "tools/editor_files/editor_files.h"

namespace {

namespace ef = quorin::editor_files;

// The call-tip block of one builtin in the completion file.
std::string call_tip(const std::string& xml, const std::string& name) {
  size_t b = xml.find("<KeyWord name=\"" + name + "\" func=\"yes\">");
  if (b == std::string::npos) return {};
  return xml.substr(b, xml.find("</KeyWord>", b) - b);
}

std::u16string summary(std::u16string_view name) { return name == u"window_find_bmp" ? u"找图" : u""; }

const char16_t* some_names(std::u16string_view name) {
  if (name == u"mouse_move_to") return u"x, y";
  if (name == u"prompt") return u"text, value, type, password";
  if (name == u"string_to_byte_array") return u"s, bytes, n, charset";
  if (name == u"window_find_bmp") {
    // Names so long that the five overloads cannot carry them.
    static const std::u16string text = [] {
      std::u16string s;
      for (int i = 0; i < 10; ++i) s += (i ? u", p" : u"p") + std::u16string(250, u'a') + char16_t(u'0' + i);
      return s;
    }();
    return text.c_str();
  }
  return nullptr;
}

size_t count(const std::string& s, const std::string& part) {
  size_t n = 0;
  for (size_t p = s.find(part); p != std::string::npos; p = s.find(part, p + 1)) ++n;
  return n;
}

TEST(EditorCallTips, ParametersAreNamedWhereTheReferenceNamesThem) {
  std::string xml = ef::completion_xml(&summary, &some_names);
  std::string move = call_tip(xml, "mouse_move_to");
  EXPECT_NE(move.find("<Param name=\"int x\" />\n                <Param name=\"int y\" />"), std::string::npos) << move;
  // By-reference and array parameters are written as in the reference.
  std::string prompt = call_tip(xml, "prompt");
  EXPECT_NE(prompt.find("<Param name=\"string* value\" />"), std::string::npos) << prompt;
  EXPECT_EQ(count(prompt, "<Param name=\"string text\" />"), count(prompt, "<Overload "));
  std::string bytes = call_tip(xml, "string_to_byte_array");
  EXPECT_NE(bytes.find("<Param name=\"byte bytes[]\" />"), std::string::npos) << bytes;
  // A builtin without names keeps the bare types.
  EXPECT_NE(call_tip(xml, "mid").find("<Param name=\"int\" />"), std::string::npos);
  // Without a names source the file is as before: types only.
  EXPECT_EQ(call_tip(ef::completion_xml(&summary), "mouse_move_to").find("int x"), std::string::npos);
}

TEST(EditorCallTips, NamesThatOverrunTheBudgetAreLeftOutButTheDescriptionStays) {
  std::string tip = call_tip(ef::completion_xml(&summary, &some_names), "window_find_bmp");
  ASSERT_FALSE(tip.empty());
  EXPECT_EQ(tip.find("aaaa"), std::string::npos);
  EXPECT_NE(tip.find("<Param name=\"Bmp\" />"), std::string::npos);
  EXPECT_NE(tip.find("descr=\"找图\""), std::string::npos);
}

}  // namespace
