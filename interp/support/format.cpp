#include "support/format.h"

#include <cstdio>

namespace quorin {

std::u16string ascii16(std::string_view s) { return std::u16string(s.begin(), s.end()); }

std::u16string fixed_text(double v, int decimals) {
  char buf[512];
  int n = std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  if (n < 0) return u"";
  if (static_cast<size_t>(n) >= sizeof buf) {
    std::string big(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), "%.*f", decimals, v);
    big.resize(static_cast<size_t>(n));
    return ascii16(big);
  }
  return ascii16(std::string_view(buf, static_cast<size_t>(n)));
}

std::u16string vformat16(std::u16string_view fmt, const FormatArg* args, size_t n) {
  std::u16string out;
  out.reserve(fmt.size() + 16);
  size_t ai = 0;
  auto next = [&]() -> const FormatArg* { return ai < n ? &args[ai++] : nullptr; };
  for (size_t i = 0; i < fmt.size(); ++i) {
    char16_t c = fmt[i];
    if (c != u'%' || i + 1 >= fmt.size()) {
      out.push_back(c);
      continue;
    }
    size_t j = i + 1;
    if (fmt[j] == u'%') {
      out.push_back(u'%');
      i = j;
      continue;
    }
    std::string spec = "%";
    while (j < fmt.size() && (fmt[j] == u'-' || fmt[j] == u'0' || fmt[j] == u'+' || fmt[j] == u' '))
      spec.push_back(static_cast<char>(fmt[j++]));
    int width = -1;
    while (j < fmt.size() && fmt[j] >= u'0' && fmt[j] <= u'9') {
      width = (width < 0 ? 0 : width * 10) + (fmt[j] - u'0');
      spec.push_back(static_cast<char>(fmt[j++]));
    }
    int precision = -1;
    if (j < fmt.size() && fmt[j] == u'.') {
      spec.push_back('.');
      ++j;
      precision = 0;
      while (j < fmt.size() && fmt[j] >= u'0' && fmt[j] <= u'9') {
        precision = precision * 10 + (fmt[j] - u'0');
        spec.push_back(static_cast<char>(fmt[j++]));
      }
    }
    // Length modifiers.
    bool wide64 = false;
    if (fmt.substr(j, 3) == u"I64") {
      wide64 = true;
      j += 3;
    } else if (fmt.substr(j, 2) == u"ll") {
      wide64 = true;
      j += 2;
    } else if (j < fmt.size() && (fmt[j] == u'l' || fmt[j] == u'h')) {
      ++j;
    }
    if (j >= fmt.size()) {
      out.append(fmt.substr(i));
      break;
    }
    char16_t conv = fmt[j];
    const FormatArg* a = next();
    char buf[128];
    switch (conv) {
      case u'd':
      case u'i': {
        if (!a || (a->kind != FormatArg::Int && a->kind != FormatArg::Long && a->kind != FormatArg::UInt &&
                   a->kind != FormatArg::Unit)) {
          out.push_back(u'?');
          break;
        }
        long long v = a->kind == FormatArg::UInt || a->kind == FormatArg::Unit ? static_cast<long long>(a->u) : a->i;
        if (!wide64 && a->kind != FormatArg::Long) v = static_cast<int32_t>(v);
        std::snprintf(buf, sizeof buf, (spec + "lld").c_str(), v);
        out += ascii16(buf);
        break;
      }
      case u'u':
      case u'x':
      case u'X': {
        if (!a || a->kind == FormatArg::Text || a->kind == FormatArg::Double) {
          out.push_back(u'?');
          break;
        }
        unsigned long long v = a->kind == FormatArg::Int || a->kind == FormatArg::Long
                                   ? static_cast<unsigned long long>(a->i)
                                   : a->u;
        if (!wide64) v = static_cast<uint32_t>(v);
        std::snprintf(buf, sizeof buf, (spec + "ll" + static_cast<char>(conv)).c_str(), v);
        out += ascii16(buf);
        break;
      }
      case u'c':
        if (!a || a->kind == FormatArg::Text || a->kind == FormatArg::Double) {
          out.push_back(u'?');
          break;
        }
        out.push_back(static_cast<char16_t>(a->kind == FormatArg::Int || a->kind == FormatArg::Long ? a->i : a->u));
        break;
      case u's': {
        if (!a || a->kind != FormatArg::Text) {
          out.push_back(u'?');
          break;
        }
        std::u16string_view s = a->s;
        if (precision >= 0 && s.size() > static_cast<size_t>(precision)) s = s.substr(0, precision);
        if (width > 0 && s.size() < static_cast<size_t>(width)) out.append(width - s.size(), u' ');
        out.append(s);
        break;
      }
      case u'f':
      case u'F': {
        if (!a || a->kind != FormatArg::Double) {
          out.push_back(u'?');
          break;
        }
        int len = std::snprintf(buf, sizeof buf, (spec + "f").c_str(), a->d);
        if (len >= 0 && static_cast<size_t>(len) < sizeof buf) {
          out += ascii16(buf);
        } else {
          out += fixed_text(a->d, precision < 0 ? 6 : precision);
        }
        break;
      }
      default:
        out.append(fmt.substr(i, j - i + 1));
        --ai;
        break;
    }
    i = j;
  }
  return out;
}

std::string to_utf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size() * 3);
  for (size_t i = 0; i < s.size(); ++i) {
    uint32_t cp = s[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

// UTF-8 → UTF-16.  Overlong forms, surrogates and values beyond U+10FFFF are
// invalid; each maximal invalid subpart becomes one U+FFFD.
std::u16string from_utf8(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  const size_t n = s.size();
  size_t i = 0;
  while (i < n) {
    unsigned b = p[i];
    if (b < 0x80) {
      out.push_back(static_cast<char16_t>(b));
      ++i;
      continue;
    }
    size_t need;
    unsigned lo = 0x80, hi = 0xBF;
    uint32_t cp;
    if (b >= 0xC2 && b <= 0xDF) {
      need = 1;
      cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      need = 2;
      cp = b & 0x0F;
      if (b == 0xE0) lo = 0xA0;
      if (b == 0xED) hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      need = 3;
      cp = b & 0x07;
      if (b == 0xF0) lo = 0x90;
      if (b == 0xF4) hi = 0x8F;
    } else {
      out.push_back(char16_t{0xFFFD});
      ++i;
      continue;
    }
    size_t j = i + 1;
    bool ok = true;
    for (size_t k = 0; k < need; ++k, ++j) {
      unsigned lo_k = k == 0 ? lo : 0x80, hi_k = k == 0 ? hi : 0xBF;
      if (j >= n || p[j] < lo_k || p[j] > hi_k) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (p[j] & 0x3F);
    }
    if (!ok) {
      out.push_back(char16_t{0xFFFD});
      i = j;  // resume at the byte that broke the sequence
      continue;
    }
    i = j;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

}  // namespace quorin
