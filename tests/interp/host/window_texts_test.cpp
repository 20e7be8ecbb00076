// The main window's texts and sizes, computed without a window.
#include <gtest/gtest.h>

#include <string>

#include "host/panel_append.h"
#include "host/status_text.h"
#include "host/window_geometry.h"
#include "runtime/run_control.h"

namespace quorin {
namespace {

TEST(StatusTexts, PerRunState) {
  auto line = [](int state, int pm = 0, int sm = 0) { return status_texts(state, pm, u"F2", sm, u"F8").line; };
  EXPECT_EQ(line(-1), u"快捷键：F2 (启动)，  F8 (停止)");
  EXPECT_EQ(line(0), u"快捷键：F2 (启动)，  F8 (停止)");
  EXPECT_EQ(line(2), u"快捷键：F2 (暂停)，  F8 (停止)");
  EXPECT_EQ(line(3, kModCtrl | kModShift, kModAlt), u"快捷键：Ctrl + F2 (继续)，  Alt + F8 (停止)");
  EXPECT_EQ(line(4), u"已中止！");
  EXPECT_EQ(line(5), u"已结束！");
  EXPECT_EQ(modifier_prefix(kModCtrl | kModAlt | kModShift), u"Ctrl + Alt + ");
  EXPECT_EQ(modifier_prefix(kModCtrl | kModShift), u"Ctrl + ");
  EXPECT_EQ(modifier_prefix(kModShift | kModAlt), u"Shift + ");
  EXPECT_EQ(modifier_prefix(kModAlt), u"Alt + ");

  StatusTexts loading = status_texts(-1, 0, u"F2", 0, u"F8");
  EXPECT_EQ(loading.button, u"启动");
  EXPECT_EQ(loading.button_enabled, false);
  StatusTexts running = status_texts(2, 0, u"F2", 0, u"F8");
  EXPECT_EQ(running.button, u"暂停");
  EXPECT_FALSE(running.button_enabled.has_value());
  StatusTexts paused = status_texts(3, 0, u"F2", 0, u"F8");
  EXPECT_EQ(paused.button, u"继续");
  EXPECT_EQ(paused.button_enabled, true);
  StatusTexts stopped = status_texts(4, 0, u"F2", 0, u"F8");
  EXPECT_FALSE(stopped.button.has_value());
  EXPECT_FALSE(stopped.button_enabled.has_value());
}

TEST(PanelAppend, KeepsTheNewestTextWithinCapacity) {
  const size_t cap = 1048575, keep = 786431;  // floor(cap × 0.75)
  std::u16string small(10, u'x');
  // Room left: plain append (the sum must stay below the capacity).
  PanelAppend a = plan_panel_append(cap - 13, small, true);
  EXPECT_EQ(a.remove_front, 0u);
  a = plan_panel_append(cap - 12, small, true);
  EXPECT_EQ(cap - 12 - a.remove_front + 12, keep) << "after the insertion the panel holds exactly K characters";
  // A piece of K or more characters clears the panel.
  std::u16string big(keep, u'y');
  a = plan_panel_append(1000000, big, false);
  EXPECT_EQ(a.remove_front, 1000000u);
  EXPECT_EQ(a.piece.size(), keep);
  // A piece beyond the capacity keeps only its tail.
  std::u16string huge(cap + 5, u'z');
  huge.back() = u'!';
  a = plan_panel_append(3, huge, false);
  EXPECT_EQ(a.remove_front, 3u);
  EXPECT_EQ(a.piece.size(), keep);
  EXPECT_EQ(a.piece.back(), u'!');
  a = plan_panel_append(3, huge, true);
  EXPECT_EQ(a.piece.size() + 2, keep);
  // A tiny capacity shows the arithmetic plainly.
  a = plan_panel_append(96, std::u16string(5, u'a'), false, 100);
  EXPECT_EQ(a.remove_front, 26u);  // keep 75 - 5 = 70 of the old 96
}

WindowMetrics metrics() {
  WindowMetrics m;
  m.frame_w = 16;
  m.frame_h = 59;
  m.caption_h = 23;
  m.menu_h = 20;
  m.desktop_w = 1280;
  m.desktop_h = 1024;
  return m;
}

TEST(WindowGeometry, MinimumSizesFollowTheFrame) {
  MinimumSizes s = minimum_sizes(metrics());
  EXPECT_EQ(s.client_w, 505 - 90 + 16);
  EXPECT_EQ(s.client_h, 201 - 156 + 59 + 20);
  EXPECT_EQ(s.window_w, 16 + s.client_w);
  EXPECT_EQ(s.window_h, 59 + s.client_h);
}

TEST(WindowGeometry, InitialSizeAndPosition) {
  const WindowMetrics m = metrics();
  const MinimumSizes min = minimum_sizes(m);
  InitialPlacement p = initial_placement(m, false, 0, 0, false, 0, 0);
  EXPECT_EQ(p.client_w, 505);
  EXPECT_EQ(p.client_h, 201);
  EXPECT_TRUE(p.centred);
  // Too small: the minimum.  Zero or negative: ignored.
  p = initial_placement(m, true, 100, 100, false, 0, 0);
  EXPECT_EQ(p.client_w, min.client_w);
  EXPECT_EQ(p.client_h, min.client_h);
  p = initial_placement(m, true, 0, 400, false, 0, 0);
  EXPECT_EQ(p.client_w, 505);
  EXPECT_EQ(p.client_h, 201);
  // Larger than the desktop both ways: maximized with the default size.
  p = initial_placement(m, true, 5000, 5000, false, 0, 0);
  EXPECT_TRUE(p.maximized);
  EXPECT_EQ(p.client_w, 505);
  // Too tall only: the height fits under the caption.
  p = initial_placement(m, true, 600, 5000, false, 0, 0);
  EXPECT_FALSE(p.maximized);
  EXPECT_EQ(p.client_w, 600);
  EXPECT_EQ(p.client_h, 1024 - 59 - 23);
  // Too wide only: the width fills the desktop.
  p = initial_placement(m, true, 5000, 300, false, 0, 0);
  EXPECT_EQ(p.client_w, 1280 - 16);
  EXPECT_EQ(p.client_h, 300);
  // Positions stay on the desktop.
  p = initial_placement(m, false, 0, 0, true, 2000, -40);
  EXPECT_FALSE(p.centred);
  EXPECT_EQ(p.x, 1280 - 505 - 16);
  EXPECT_EQ(p.y, 0);
  p = initial_placement(m, true, 700, 300, true, 100, 900);
  EXPECT_EQ(p.x, 100);
  EXPECT_EQ(p.y, 1024 - 300 - 59 - 23);
}

}  // namespace
}  // namespace quorin
