// The action list's row rules, texts and coordinate conversions.
#include <gtest/gtest.h>

#include "assist/actions.h"

namespace quorin::assist {
namespace {

TEST(ActionList, StartsWithTenEmptyRowsAndCountsOnlyFilledOnes) {
  ActionList l;
  EXPECT_EQ(l.size(), 10u);
  EXPECT_FALSE(l.has_actions());
  l.at(2).x = 5;
  l.at(2).y = 6;
  EXPECT_TRUE(l.has_actions());
  ASSERT_EQ(l.nonempty().size(), 1u);
  EXPECT_EQ(l.nonempty()[0].x, 5);
}

TEST(ActionList, LoadPadsToTenOrByThree) {
  ActionList l;
  l.load(std::vector<Action>(1));
  EXPECT_EQ(l.size(), 10u);
  l.load(std::vector<Action>(10));
  EXPECT_EQ(l.size(), 13u);
  l.load(std::vector<Action>(12));
  EXPECT_EQ(l.size(), 15u);
  l.load({});
  EXPECT_EQ(l.size(), 10u);
}

TEST(ActionList, InsertAppendRemoveAndTheRowSelectedAfterwards) {
  ActionList l;
  EXPECT_EQ(l.append("末尾"), 10u);
  EXPECT_EQ(l.insert(0, "开头"), 0u);
  EXPECT_EQ(l.at(0).desc, "开头");
  EXPECT_EQ(l.size(), 12u);
  EXPECT_EQ(l.remove(0), 0);             // the row that takes its place
  EXPECT_EQ(l.remove(l.size() - 1), 9);  // the new last row
  while (l.size() > 1) l.remove(0);
  EXPECT_EQ(l.remove(0), -1);
  EXPECT_EQ(l.remove(5), -1);  // nothing to remove, nothing left
}

TEST(ActionList, DescriptionsAreCutTo127CharactersNeverInsideADoubleByteCharacter) {
  EXPECT_EQ(cut_description(std::string(200, 'a')).size(), 127u);
  // 126 single bytes, then a two-byte character: both bytes stay.
  std::string s(126, 'a');
  s += "\xB2\xE2\xCA\xD4";  // two GBK characters
  EXPECT_EQ(cut_description(s), std::string(126, 'a') + "\xB2\xE2");
  // A lone lead byte at the end is one character.
  EXPECT_EQ(cut_description("ab\xB2"), "ab\xB2");
}

TEST(ActionRow, TextsShowPositionAndColourOnlyWhenPresent) {
  Action a;
  RowTexts t = row_texts(a, 0);
  EXPECT_EQ(t.number, "1");
  EXPECT_EQ(t.logical, "");
  EXPECT_EQ(t.physical, "");
  EXPECT_EQ(t.color, "");
  a.x = 3;
  a.y = -4;
  a.physical_x = 10;
  a.physical_y = 20;
  t = row_texts(a, 4);
  EXPECT_EQ(t.number, "5");
  EXPECT_EQ(t.logical, "3, -4");
  EXPECT_EQ(t.physical, "");  // no colour, no physical position shown
  a.color = 255;
  t = row_texts(a, 4);
  EXPECT_EQ(t.physical, "10, 20");
  EXPECT_EQ(t.color, "255");
}

TEST(ActionRow, ClipboardTexts) {
  Action a;
  a.x = 7;
  a.y = 8;
  a.physical_x = 10;
  a.physical_y = 20;
  a.color = 255;
  EXPECT_EQ(copy_logical(a), "7, 8");
  EXPECT_EQ(copy_physical(a), "10, 20");
  EXPECT_EQ(copy_color(a), "255");
  EXPECT_EQ(copy_condition(a), "screen_get_color_at(10, 20) == 255");
}

TEST(Geometry, LogicalFromPhysicalRoundsUpAbove049) {
  EXPECT_EQ(logical_from_physical(301, 1.5), 201);  // 200.67
  EXPECT_EQ(logical_from_physical(150, 1.5), 100);
  EXPECT_EQ(logical_from_physical(500, 1.25), 400);
  EXPECT_EQ(logical_from_physical(250, 1.25), 200);
  EXPECT_EQ(logical_from_physical(149, 2.0), 75);  // 74.5
  EXPECT_EQ(logical_from_physical(1249, 1.25), 999);  // 999.2
  EXPECT_EQ(logical_from_physical(77, 1.0), 77);
}

TEST(Geometry, MagnifierStaysOnScreen) {
  EXPECT_EQ(magnifier_origin(100, 100, 1280, 1024).x, 116);
  EXPECT_EQ(magnifier_origin(100, 100, 1280, 1024).y, 116);
  // 100 pixels from the right edge: to the left of the pointer.
  EXPECT_EQ(magnifier_origin(1180, 100, 1280, 1024).x, 1042);
  // Near the bottom: above the pointer.
  EXPECT_EQ(magnifier_origin(100, 862, 1280, 1024).y, 724);
  EXPECT_EQ(magnifier_origin(100, 861, 1280, 1024).y, 877);
}

}  // namespace
}  // namespace quorin::assist
