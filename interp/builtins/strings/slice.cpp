// char_at, mid, left, right, space.
#include <algorithm>

#include "builtins/strings/string_builtins.h"
#include "support/format.h"

namespace quorin::strings {

namespace {

Str piece(const Str& s, int64_t start, int64_t n) {
  if (start == 0 && n == static_cast<int64_t>(s.size())) return s;
  return Str(s.view().substr(static_cast<size_t>(start), static_cast<size_t>(n)));
}

void check_mid_start(Runtime& rt, const Str& s, int32_t start) {
  if (start < 0 || start > len(s))
    rt.fail(format16(u"mid('%.32s ...', %d) 字符串索引超出界限.\n\n字符串长度: %d, 索引位置: %d", s.view(), start,
                     len(s), start));
}

}  // namespace

char16_t char_at(Runtime& rt, const Str& s, int32_t i) {
  if (i < 0 || i >= len(s))
    rt.fail(format16(u"char_at('%.32s ...', %d) 字符串索引超出界限.\n\n字符串长度: %d, 索引位置: %d", s.view(), i,
                     len(s), i));
  return s.view()[static_cast<size_t>(i)];
}

Str mid_rest(Runtime& rt, const Str& s, int32_t start) {
  check_mid_start(rt, s, start);
  return piece(s, start, len(s) - start);
}

Str mid(Runtime& rt, const Str& s, int32_t start, int32_t n) {
  check_mid_start(rt, s, start);
  if (n < 0) rt.fail(format16(u"mid('%.32s ...', %d, %d) 第3个参数不能小于0", s.view(), start, n));
  return piece(s, start, std::min<int64_t>(n, len(s) - start));
}

Str left(Runtime& rt, const Str& s, int32_t n) {
  if (n < 0) rt.fail(format16(u"left('%.16s ...', %d) 函数的第2个参数不能小于 0", s.view(), n));
  return piece(s, 0, std::min(n, len(s)));
}

Str right(Runtime& rt, const Str& s, int32_t n) {
  if (n < 0) rt.fail(format16(u"right('%.16s ...', %d) 函数的第2个参数不能小于 0", s.view(), n));
  const int32_t k = std::min(n, len(s));
  return piece(s, len(s) - k, k);
}

Str space(int32_t n) {
  if (n < 1) return Str();
  StrRep* r = str_alloc(static_cast<uint32_t>(n));
  std::fill(r->data, r->data + n, u' ');
  return Str::adopt(r);
}

}  // namespace quorin::strings
