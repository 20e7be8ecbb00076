// Opening the documentation pages in the user's browser.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "host/win32/host_state.h"
#include "host/win32/web_pages.h"

namespace quorin {

namespace {

std::wstring readme_url(const wchar_t* section) {
  std::wstring folder = host().program_folder;
  for (wchar_t& c : folder)
    if (c == L'\\') c = L'/';
  std::wstring url = L"file:///" + folder + L"/README.md";
  if (section) url += section;
  return url;
}

std::wstring file_name_of(const std::wstring& path) {
  size_t cut = path.find_last_of(L"\\/");
  return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

bool opened(HINSTANCE r) { return reinterpret_cast<INT_PTR>(r) > 32; }

}  // namespace

std::wstring home_address() { return readme_url(nullptr); }
std::wstring help_address() { return readme_url(L"#使用帮助"); }
std::wstring about_address() { return readme_url(nullptr); }

void open_web_page(const std::wstring& address) {
  const std::wstring folder = host().program_folder;
  const std::wstring probe = folder + L"\\temp.html";
  if (FILE* f = _wfopen(probe.c_str(), L"a")) fclose(f);
  wchar_t exe[MAX_PATH] = {};
  if (opened(FindExecutableW(probe.c_str(), folder.c_str(), exe)) && exe[0] &&
      lstrcmpiW(file_name_of(exe).c_str(), L"OpenWith.exe") != 0) {
    if (opened(ShellExecuteW(nullptr, L"open", exe, address.c_str(), nullptr, SW_SHOWNORMAL))) return;
    if (lstrcmpiW(file_name_of(exe).c_str(), L"iexplore.exe") == 0)
      ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return;
  }
  if (opened(ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL))) return;
  ShellExecuteW(nullptr, L"open", L"iexplore.exe", address.c_str(), nullptr, SW_SHOWNORMAL);
}

}  // namespace quorin
