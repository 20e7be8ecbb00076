// Action files: the exact text written, reading back, and files that are
// damaged, hand-edited or hostile.
#include <gtest/gtest.h>

#include "assist/fz_file.h"

namespace quorin::assist {
namespace {

TEST(FzFile, WritesOnlyFilledActionsInTheLibrarysFormattedLayout) {
  ActionList l;
  l.at(2).desc = "\xB5\xE3\xBB\xF7";  // GBK text stays as its bytes
  l.at(2).x = 10;
  l.at(2).y = 20;
  l.at(2).physical_x = 15;
  l.at(2).physical_y = 30;
  l.at(2).color = 255;
  EXPECT_EQ(serialize_fz(l),
            "{\n\t\"recordCount\":\t1,\n\t\"items\":\t[{\n\t\t\t\"desc\":\t\"\xB5\xE3\xBB\xF7\",\n"
            "\t\t\t\"x\":\t10,\n\t\t\t\"y\":\t20,\n\t\t\t\"physicalX\":\t15,\n\t\t\t\"physicalY\":\t30,\n"
            "\t\t\t\"color\":\t255\n\t\t}]\n}");
}

TEST(FzFile, RoundTripPutsTheOnlyActionInRowOneFollowedByNineEmptyRows) {
  ActionList l;
  l.at(2).desc = "third";
  auto back = parse_fz(serialize_fz(l));
  ASSERT_TRUE(back);
  ActionList r;
  r.load(*back);
  ASSERT_EQ(r.size(), 10u);
  EXPECT_EQ(r.at(0).desc, "third");
  EXPECT_EQ(r.at(0).x, -1);
  EXPECT_EQ(r.at(0).color, -1);
  EXPECT_TRUE(r.at(1).empty());
  // Saved again, the text is the same: a reloaded file is not "modified".
  EXPECT_EQ(serialize_fz(r), serialize_fz(l));
}

TEST(FzFile, PhysicalPositionIsOptionalAndRecordCountIsNotTrusted) {
  auto items = parse_fz(R"({"recordCount": 99, "items": [{"desc": "a", "x": 1, "y": 2, "color": -1}]})");
  ASSERT_TRUE(items);
  ASSERT_EQ(items->size(), 1u);
  EXPECT_EQ((*items)[0].physical_x, 0);
  EXPECT_EQ((*items)[0].physical_y, 0);
}

TEST(FzFile, RejectsWhatIsNotAnActionFile) {
  const char* bad[] = {
      "",
      "not json",
      "[]",
      R"({"items": []})",
      R"({"recordCount": 0})",
      R"({"recordCount": 0, "items": {}})",
      R"({"recordCount": 1, "items": [1]})",
      R"({"recordCount": 1, "items": [{"x": 1, "y": 2, "color": 3}]})",
      R"({"recordCount": 1, "items": [{"desc": "a", "y": 2, "color": 3}]})",
      R"({"recordCount": 1, "items": [{"desc": "a", "x": 1, "color": 3}]})",
      R"({"recordCount": 1, "items": [{"desc": "a", "x": 1, "y": 2}]})",
      R"({"recordCount": 1, "items": [{"desc": 5, "x": 1, "y": 2, "color": 3}]})",
      R"({"recordCount": 1, "items": [{"desc": "a", "x": "1", "y": 2, "color": 3}]})",
      "{\"recordCount\": 1, \"items\": [{\"desc\": \"a\", \"x\": 1, \"y\": 2, \"color\": 3}",  // truncated
  };
  for (const char* text : bad) EXPECT_FALSE(parse_fz(text)) << text;
}

TEST(FzFile, HostileValuesAreBoundedNotTrusted) {
  auto items = parse_fz(
      R"({"recordCount": 1, "items": [{"desc": "a", "x": 1e300, "y": -1e300, "color": 3.9, "physicalX": 1e10}]})");
  ASSERT_TRUE(items);
  EXPECT_EQ((*items)[0].x, INT32_MAX);
  EXPECT_EQ((*items)[0].y, INT32_MIN);
  EXPECT_EQ((*items)[0].color, 3);
  EXPECT_EQ((*items)[0].physical_x, INT32_MAX);
  // A long description is cut; deep nesting is refused without recursion
  // trouble.
  std::string long_desc = R"({"recordCount": 1, "items": [{"desc": ")" + std::string(5000, 'x') +
                          R"(", "x": 1, "y": 2, "color": 3}]})";
  items = parse_fz(long_desc);
  ASSERT_TRUE(items);
  EXPECT_EQ((*items)[0].desc.size(), 127u);
  EXPECT_FALSE(parse_fz(std::string(100000, '[')));
  // Nothing is read past the given length.
  std::string whole = R"({"recordCount":0,"items":[]})";
  EXPECT_TRUE(parse_fz(whole));
  EXPECT_FALSE(parse_fz(std::string_view(whole.data(), whole.size() - 2)));
}

}  // namespace
}  // namespace quorin::assist
