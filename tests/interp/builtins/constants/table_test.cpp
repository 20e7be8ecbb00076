#include <set>
#include <string>

#include <gtest/gtest.h>

#include "frontend/registry.h"

namespace quorin {
namespace {

int32_t int_constant(std::u16string_view name) {
  const ConstantEntry* c = Registry::get().constant(name);
  EXPECT_NE(c, nullptr) << "missing constant";
  if (!c) return 0;
  EXPECT_EQ(c->type, tc::Int);
  return c->int_value;
}

TEST(ConstantTable, HasEveryConstantOnceWithAQrNameAndAnIntOrStringType) {
  auto table = constant_table();
  ASSERT_EQ(table.size(), 233u);
  std::set<std::u16string> names;
  size_t strings = 0;
  for (const ConstantEntry& c : table) {
    std::u16string name(c.name);
    EXPECT_EQ(name.rfind(u"qr", 0), 0u);
    EXPECT_TRUE(names.insert(name).second) << "duplicate constant";
    EXPECT_TRUE(c.type == tc::Int || c.type == tc::String);
    if (c.type == tc::String) {
      ++strings;
      EXPECT_NE(c.string_value, nullptr);
    }
    // Every name is found through the registry, as a constant.
    EXPECT_EQ(Registry::get().constant(name), &c);
    EXPECT_EQ(Registry::get().reserved(name), NameKind::Constant);
  }
  EXPECT_EQ(strings, 3u);
}

TEST(ConstantTable, SpotValues) {
  EXPECT_EQ(int_constant(u"qrVK_F1"), 112);
  EXPECT_EQ(int_constant(u"qrVK_F12"), 123);
  EXPECT_EQ(int_constant(u"qrVK_Enter"), 13);
  EXPECT_EQ(int_constant(u"qrHWND_TOPMOST"), -1);
  EXPECT_EQ(int_constant(u"qrHWND_NOTOPMOST"), -2);
  EXPECT_EQ(int_constant(u"qrHWND_BROADCAST"), 0xFFFF);
  EXPECT_EQ(int_constant(u"qrJSON_Raw"), 128);
  EXPECT_EQ(int_constant(u"qrMouse_HAND"), 0x1001F);
  EXPECT_EQ(int_constant(u"qrVT_Array"), 0x2000);
  EXPECT_EQ(int_constant(u"qrSRCCOPY"), 0x00CC0020);
  EXPECT_EQ(int_constant(u"qrNOMIRRORBITMAP"), INT32_MIN);
  EXPECT_EQ(int_constant(u"qrYesNo"), 4);
  EXPECT_EQ(int_constant(u"qrYear"), 6);

  const ConstantEntry* crlf = Registry::get().constant(u"qrCrLf");
  ASSERT_NE(crlf, nullptr);
  EXPECT_EQ(crlf->type, tc::String);
  EXPECT_EQ(std::u16string(crlf->string_value), u"\r\n");
  EXPECT_EQ(std::u16string(Registry::get().constant(u"qrCr")->string_value), u"\r");
  EXPECT_EQ(std::u16string(Registry::get().constant(u"qrLf")->string_value), u"\n");
}

TEST(ConstantTable, LookupIsExactAndCaseSensitive) {
  EXPECT_EQ(Registry::get().constant(u"qrtrue"), nullptr);
  EXPECT_EQ(Registry::get().constant(u"QRTrue"), nullptr);
  EXPECT_EQ(Registry::get().constant(u"qrTrue "), nullptr);
  EXPECT_EQ(Registry::get().constant(u""), nullptr);
}

}  // namespace
}  // namespace quorin
