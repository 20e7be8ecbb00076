#include "host/status_text.h"

#include "runtime/run_control.h"
#include "support/format.h"

namespace quorin {

std::u16string modifier_prefix(int mods) {
  const bool ctrl = mods & kModCtrl, alt = mods & kModAlt, shift = mods & kModShift;
  if (ctrl && alt) return u"Ctrl + Alt + ";
  if (ctrl) return u"Ctrl + ";
  if (shift) return u"Shift + ";
  if (alt) return u"Alt + ";
  return u"";
}

StatusTexts status_texts(int state, int pause_mods, std::u16string_view pause_name, int stop_mods,
                         std::u16string_view stop_name) {
  StatusTexts t;
  auto line = [&](std::u16string_view fmt) {
    return format16(fmt, modifier_prefix(pause_mods), pause_name, modifier_prefix(stop_mods), stop_name);
  };
  switch (state) {
    case -1:
      t.line = line(u"快捷键：%s%s (启动)，  %s%s (停止)");
      t.button = u"启动";
      t.button_enabled = false;
      break;
    case 0:
      t.line = line(u"快捷键：%s%s (启动)，  %s%s (停止)");
      t.button = u"启动";
      t.button_enabled = true;
      break;
    case 2:
      t.line = line(u"快捷键：%s%s (暂停)，  %s%s (停止)");
      t.button = u"暂停";
      break;
    case 3:
      t.line = line(u"快捷键：%s%s (继续)，  %s%s (停止)");
      t.button = u"继续";
      t.button_enabled = true;
      break;
    case 4:
      t.line = u"已中止！";
      break;
    case 5:
      t.line = u"已结束！";
      break;
    default:
      break;
  }
  return t;
}

}  // namespace quorin
