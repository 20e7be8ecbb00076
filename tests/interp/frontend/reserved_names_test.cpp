#include <gtest/gtest.h>

#include "frontend/registry.h"

namespace quorin {
namespace {

TEST(ReservedNames, EachKindIsReportedWithItsWord) {
  const Registry& r = Registry::get();
  EXPECT_EQ(r.reserved(u"qrTrue"), NameKind::Constant);
  EXPECT_EQ(r.reserved(u"null"), NameKind::ReservedWord);
  EXPECT_EQ(r.reserved(u"new"), NameKind::ReservedWord);
  EXPECT_EQ(r.reserved(u"int"), NameKind::Keyword);
  EXPECT_EQ(r.reserved(u"Bmp"), NameKind::Keyword);
  EXPECT_EQ(r.reserved(u"endloop"), NameKind::Keyword);
  EXPECT_EQ(r.reserved(u"print"), NameKind::Builtin);
  EXPECT_EQ(r.reserved(u"quorin_config_auto_start"), NameKind::Builtin);
  EXPECT_EQ(r.reserved(u"my_variable"), NameKind::None);
  // Lookups are case-sensitive: only the exact spelling is reserved.
  EXPECT_EQ(r.reserved(u"Int"), NameKind::None);
  EXPECT_EQ(r.reserved(u"bmp"), NameKind::None);

  EXPECT_EQ(name_kind_word(NameKind::Keyword), u"关键词");
  EXPECT_EQ(name_kind_word(NameKind::ReservedWord), u"保留关键词");
  EXPECT_EQ(name_kind_word(NameKind::Builtin), u"内置函数名");
  EXPECT_EQ(name_kind_word(NameKind::Constant), u"常量名");
}

}  // namespace
}  // namespace quorin
