#include "builtins/console/format_value.h"

#include "builtins/collections/format.h"
#include "runtime/bmp_object.h"
#include "runtime/storage.h"
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
    case tc::Char:  // "%c" of a zero character prints nothing
      return p.i ? std::u16string(1, static_cast<char16_t>(p.i)) : std::u16string();
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

BmpFacts facts_of(const Object* o) {
  BmpFacts f;
  if (const auto* b = static_cast<const BmpObj*>(o)) {
    f.bit_count = b->bit_count;
    f.width = b->width;
    f.height = b->height;
    f.len = b->byte_length();
  }
  return f;
}

// One array element as printed inside brackets.
std::u16string element_text(TypeCode t, const void* addr) {
  switch (t) {
    case tc::Char: {
      char16_t c = *static_cast<const char16_t*>(addr);
      return c ? std::u16string(u"'") + c + u"'" : std::u16string(u"''");
    }
    case tc::String:
      return u"\"" + std::u16string(str_view(*static_cast<StrRep* const*>(addr))) + u"\"";
    case tc::Bmp:
      return bmp_print_text(facts_of(*static_cast<Object* const*>(addr)));
    default:
      return with_type(t, [&]<TypeCode T>() -> std::u16string {
        if constexpr (is_numeric(T))
          return scalar_text(T, load<T>(addr));
        else
          return {};
      });
  }
}

// Rows of the last dimension, one bracket level per dimension; the innermost
// rows of a multi-dimensional array each start on a new line.
void array_text(const ArrayObj& a, int dim, size_t& flat, std::u16string& out) {
  const size_t width = element_width(a.elem);
  out += u"[";
  if (dim == a.dims - 1) {
    const bool bmp = a.elem == tc::Bmp;
    if (bmp && a.size[dim] > 0) out += u"\r\n";
    for (int32_t i = 0; i < a.size[dim]; ++i, ++flat) {
      if (i) out += bmp ? u",\r\n" : u", ";
      out += element_text(a.elem, static_cast<const char*>(a.data) + flat * width);
    }
    if (bmp && a.size[dim] > 0) out += u"\r\n";
  } else {
    for (int32_t i = 0; i < a.size[dim]; ++i) {
      if (i) out += u", ";
      if (dim + 1 == a.dims - 1) out += u"\r\n";
      array_text(a, dim + 1, flat, out);
    }
  }
  out += u"]";
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
  if (op.type == tc::Array) {
    const ArrayObj* a = op.eval(rt, op).arr;
    std::u16string text;
    if (a && a->data) {
      size_t flat = 0;
      array_text(*a, 0, flat, text);
    } else {
      text = u"[]";
    }
    emit(rt, sink, text, line_end);
    return;
  }
  if (op.type == tc::Bmp) {
    Object* o = op.eval(rt, op).obj;
    std::u16string text = bmp_print_text(facts_of(o));
    obj_release(o);
    emit(rt, sink, text, line_end);
    return;
  }
  if (is_collection(op.type)) {
    Object* o = op.eval(rt, op).obj;
    std::u16string text;
    try {
      text = format_collection(o, facts_of);
    } catch (...) {
      obj_release(o);
      throw;
    }
    obj_release(o);
    emit(rt, sink, text, line_end);
    return;
  }
  emit(rt, sink, u"", line_end);
}

}  // namespace quorin
