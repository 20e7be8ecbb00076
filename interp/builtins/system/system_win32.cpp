// The system side of the portable builtins (Windows): GUIDs, whole-file
// reads, loading modules and their entry points.
#include <windows.h>
#include <objbase.h>

#include "builtins/system/dll_modules.h"
#include "builtins/system/platform.h"
#include "builtins/system/win32_paths.h"

namespace quorin::sys {

std::wstring system_path(std::u16string_view path, size_t limit) {
  std::wstring w(path.begin(), path.end());
  if (w.size() < limit || w.rfind(L"\\\\?\\", 0) == 0) return w;
  DWORD n = GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
  if (n) {
    std::wstring full(n, L'\0');
    DWORD got = GetFullPathNameW(w.c_str(), n, full.data(), nullptr);
    if (got && got < n) {
      full.resize(got);
      w = std::move(full);
    }
  }
  if (w.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + w.substr(2);
  return L"\\\\?\\" + w;
}

std::optional<codec::GuidParts> os_new_guid() {
  GUID id;
  if (CoCreateGuid(&id) != S_OK) return std::nullopt;
  codec::GuidParts g;
  g.data1 = id.Data1;
  g.data2 = id.Data2;
  g.data3 = id.Data3;
  for (int i = 0; i < 8; ++i) g.data4[i] = id.Data4[i];
  return g;
}

int os_read_file(std::u16string_view path, std::string& bytes) {
  const std::wstring name = system_path(path, 260);
  DWORD attributes = GetFileAttributesW(name.c_str());
  if (path.empty() || attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return 0;
  HANDLE f = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return -1;
  int result = 1;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(f, &size) || size.QuadPart > 0x7FFFFFFF) {
    result = -2;
  } else if (size.QuadPart > 0) {
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    if (!ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) || got != bytes.size())
      result = -2;
  }
  CloseHandle(f);
  return result;
}

ModuleHandle os_load_library(std::u16string_view path) {
  return reinterpret_cast<ModuleHandle>(LoadLibraryW(system_path(path, 260).c_str()));
}

bool os_free_library(ModuleHandle h) { return FreeLibrary(reinterpret_cast<HMODULE>(h)) != 0; }

void* os_find_function(ModuleHandle h, const std::string& ansi_name) {
  if (ansi_name.empty()) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(h), ansi_name.c_str()));
}

}  // namespace quorin::sys
