// The window probe's field texts.
#include <gtest/gtest.h>

#include "probe/probe_fields.h"

namespace quorin::probe {
namespace {

TEST(ProbeFields, PositionIsMeasuredFromTheOuterRectangle) {
  WindowFacts w;
  w.handle = 1234;
  w.control_id = 0;
  w.class_name = "Edit";
  w.title = "标题";
  w.outer = {100, 50, 400, 350};
  w.client = {0, 0, 292, 270};
  WindowTexts t = window_texts(w, 150, 60);
  EXPECT_EQ(t.handle, "1234");
  EXPECT_EQ(t.id, "");  // no control identifier: empty
  EXPECT_EQ(t.pointer, "50, 10");
  EXPECT_EQ(t.client_size, "292 x 270");
  w.control_id = 1001;
  w.handle = -2147000000;  // a handle above 2 GB reads as a negative number
  t = window_texts(w, 150, 60);
  EXPECT_EQ(t.id, "1001");
  EXPECT_EQ(t.handle, "-2147000000");
  EXPECT_EQ(point_text(-5, 7), "-5, 7");
}

TEST(ProbeFields, HandleFieldIsReadAsAtMostFifteenDecimalCharacters) {
  EXPECT_EQ(handle_from_field(""), 0);
  EXPECT_EQ(handle_from_field("abc"), 0);
  EXPECT_EQ(handle_from_field("65552"), 65552);
  EXPECT_EQ(handle_from_field("-2147000000"), -2147000000);
  EXPECT_EQ(handle_from_field("1234567890123456789"), static_cast<int32_t>(static_cast<uint32_t>(123456789012345LL)));
}

}  // namespace
}  // namespace quorin::probe
