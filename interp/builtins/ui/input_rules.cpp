#include "builtins/ui/input_rules.h"

#include <algorithm>

#include "builtins/strings/text_ops.h"

namespace quorin {

int confirm_box_type(int type) {
  return type == kBoxOkCancel || type == kBoxYesNoCancel || type == kBoxYesNo ? type : kBoxOkCancel;
}

int normalize_input_type(int type) { return type < kInputString || type > kInputNumeric ? kInputString : type; }

std::u16string_view cut_to_buffer(std::u16string_view text) {
  return text.size() < kInputBufferUnits ? text : text.substr(0, kInputBufferUnits - 1);
}

size_t input_edit_limit(int type) {
  switch (normalize_input_type(type)) {
    case kInputChar: return 2;
    case kInputInt:
    case kInputNumeric: return 128;
    default: return kInputBufferUnits - 1;
  }
}

namespace {

// "\r", "\n" and "\t" typed as two characters stand for the control
// characters themselves.
char16_t typed_escape(std::u16string_view t) {
  if (t.size() != 2 || t[0] != u'\\') return 0;
  switch (t[1]) {
    case u'r': return u'\r';
    case u'n': return u'\n';
    case u't': return u'\t';
    default: return 0;
  }
}

InputCheck warn(std::u16string_view text) {
  InputCheck c;
  c.warning = text;
  return c;
}

InputCheck accept(std::u16string_view value) {
  InputCheck c;
  c.ok = true;
  c.value.assign(value);
  return c;
}

}  // namespace

InputCheck check_input(int type, std::u16string_view text) {
  switch (normalize_input_type(type)) {
    case kInputChar: {
      if (char16_t e = typed_escape(text)) return accept(std::u16string(1, e));
      if (text.empty()) return warn(u"请输入一个字符");
      if (text.size() > 1 || text[0] > 127)
        return warn(u"只可以输入一个字符(英文字母, 数字, 标点符号等)，不能输入汉字。");
      return accept(text);
    }
    case kInputInt: {
      std::u16string_view t = trim_view(text, true, true);
      if (t.empty()) return warn(u"请输入一个整数");
      if (!is_int_text(t)) return warn(u"只可以输入一个整数");
      return accept(t);
    }
    case kInputNumeric: {
      std::u16string_view t = trim_view(text, true, true);
      if (t.empty()) return warn(u"请输入一个数");
      if (!is_numeric_text(t)) return warn(u"只可以输入一个数");
      return accept(t);
    }
    default:
      return accept(text);
  }
}

Size2 single_line_client(int prompt_h) { return {430, std::max(prompt_h, 0) + 121}; }

Size2 multi_line_client(int prompt_w, int width_arg, int height_arg) {
  Size2 s;
  s.w = width_arg == 0 ? std::max(prompt_w + 32, 430) : std::max(width_arg, kMultiMinWidth);
  s.h = height_arg == 0 ? 326 : std::max(height_arg, kMultiMinHeight);
  return s;
}

Point2 centred_origin(int screen_w, int maximized_h, Size2 window) {
  return {std::max((screen_w - window.w) / 2, 0), std::max((maximized_h - window.h) / 2, 0)};
}

}  // namespace quorin
