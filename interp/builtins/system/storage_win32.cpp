// The script's key-value storage: REG_SZ values of one key under
// HKEY_CURRENT_USER, by default "SOFTWARE\Quorin\Storage"; a domain selects
// one sub-key of that key for the rest of the run.
#include <windows.h>

#include "builtins/system/system_builtins.h"
#include "support/format.h"

namespace quorin::sys {

namespace {

constexpr std::u16string_view kBaseKey = u"SOFTWARE\\Quorin\\Storage";
constexpr size_t kKeyChars = 127;
constexpr size_t kNameChars = 255;
constexpr size_t kValueChars = 8192;

std::wstring wide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }

std::wstring current_key(const Runtime& rt) { return wide(rt.storage_key.empty() ? kBaseKey : rt.storage_key); }

std::wstring value_name(const Str& name) { return wide(name.view().substr(0, kNameChars)); }

struct Key {
  HKEY h = nullptr;
  ~Key() {
    if (h) RegCloseKey(h);
  }
};

bool create_key(const std::wstring& path, Key& k) {
  return RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE | KEY_QUERY_VALUE, nullptr, &k.h,
                         nullptr) == ERROR_SUCCESS;
}

bool open_key(const std::wstring& path, REGSAM access, Key& k) {
  return RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, &k.h) == ERROR_SUCCESS;
}

}  // namespace

int32_t storage_set_domain(Runtime& rt, const Str& domain) {
  if (domain.empty()) {
    rt.storage_key.clear();
    return 1;
  }
  std::u16string level = domain.str();
  for (char16_t& ch : level)
    if (ch == u'\\') ch = u'/';
  std::u16string path = format16(u"%s\\%-.100s", kBaseKey, level);
  Key k;
  if (!create_key(wide(path), k)) return 0;
  if (path.size() > kKeyChars) path.resize(kKeyChars);
  rt.storage_key = path;
  return 1;
}

int32_t storage_set(Runtime& rt, const Str& name, const Str& value) {
  Key k;
  if (!create_key(current_key(rt), k)) return 0;
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(k.h, value_name(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        bytes) == ERROR_SUCCESS;
}

// Texts longer than 8192 characters are cut there; a value that is not a
// string reads as "".
Str storage_get(Runtime& rt, const Str& name) {
  Key k;
  if (!open_key(current_key(rt), KEY_QUERY_VALUE, k)) return Str();
  const std::wstring n = value_name(name);
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(k.h, n.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return Str();
  if (type != REG_SZ && type != REG_EXPAND_SZ) return Str();
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegQueryValueExW(k.h, n.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
      ERROR_SUCCESS)
    return Str();
  text.resize(std::min<size_t>(size / sizeof(wchar_t), text.size()));
  size_t end = text.find(L'\0');
  if (end != std::wstring::npos) text.resize(end);
  if (text.size() > kValueChars) text.resize(kValueChars);
  return Str(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

int32_t storage_remove(Runtime& rt, const Str& name) {
  Key k;
  if (!open_key(current_key(rt), KEY_SET_VALUE, k)) return 0;
  return RegDeleteValueW(k.h, value_name(name).c_str()) == ERROR_SUCCESS;
}

// Deletes every value of the key (its sub-keys stay); a value that cannot be
// deleted is stepped over.
int32_t storage_clear(Runtime& rt) {
  Key k;
  if (!open_key(current_key(rt), KEY_QUERY_VALUE | KEY_SET_VALUE, k)) return 0;
  int32_t deleted = 0;
  DWORD index = 0;
  std::wstring name(16384, L'\0');
  for (;;) {
    DWORD len = static_cast<DWORD>(name.size());
    LONG r = RegEnumValueW(k.h, index, name.data(), &len, nullptr, nullptr, nullptr, nullptr);
    if (r != ERROR_SUCCESS) break;
    if (RegDeleteValueW(k.h, std::wstring(name.data(), len).c_str()) == ERROR_SUCCESS)
      ++deleted;
    else
      ++index;
  }
  return deleted;
}

}  // namespace quorin::sys
