#include "builtins/console/format_value.h"

#include "support/format.h"

namespace quorin {

std::u16string trimmed_float_text(double v) {
  std::u16string t = fixed_text(v, 6);
  if (t.find(u'.') != std::u16string::npos) {
    while (!t.empty() && t.back() == u'0') t.pop_back();
    if (!t.empty() && t.back() == u'.') t.pop_back();
  }
  return t;
}

std::u16string double_text_7(double v, int32_t digits) {
  std::u16string t = fixed_text(v, 7);
  size_t dot = t.find(u'.');
  if (dot == std::u16string::npos) return t;
  if (digits <= 0) return t.substr(0, dot);
  if (digits < 7) t.resize(dot + 1 + static_cast<size_t>(digits));
  return t;
}

namespace {

std::u16string scalar_text(TypeCode t, Payload p) {
  switch (t) {
    case tc::Byte:
    case tc::Short:
    case tc::Int:
      return format16(u"%d", p.i);
    case tc::Char:
      return std::u16string(1, static_cast<char16_t>(p.i));
    case tc::Long:
      return format16(u"%I64d", static_cast<long long>(p.l));
    case tc::Float:
      return trimmed_float_text(p.f);
    case tc::Double:
      return trimmed_float_text(p.d);
    default:
      return {};
  }
}

void emit(Runtime& rt, ConsoleSink sink, std::u16string_view piece, bool line_end) {
  if (sink == ConsoleSink::Panel)
    rt.ui.console_write(piece, line_end);
  else
    rt.ui.stdout_write(piece, line_end);
}

}  // namespace

void write_formatted(Runtime& rt, const Operand& op, ConsoleSink sink, bool line_end) {
  if (is_numeric(op.type)) {
    emit(rt, sink, scalar_text(op.type, op.eval(rt, op)), line_end);
    return;
  }
  if (op.type == tc::String) {
    Str s = Str::adopt(op.eval(rt, op).str);
    emit(rt, sink, s.view(), line_end);
    return;
  }
  emit(rt, sink, u"", line_end);
}

}  // namespace quorin
