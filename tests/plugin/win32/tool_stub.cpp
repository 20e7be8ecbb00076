// Stands in for the tools and, named Quorin.exe, for an interpreter that
// answers with something that is not a report.  It leaves "<its path>.started"
// with its command line so that the test sees it was started.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string_view>

int wmain() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring_view name = std::wcsrchr(self, L'\\') ? std::wcsrchr(self, L'\\') + 1 : self;
  if (name == L"Quorin.exe") {
    std::fputs("Quorin says: this is not a report {\"status\": ", stdout);
    std::fflush(stdout);
  }
  wchar_t marker[MAX_PATH + 16];
  std::swprintf(marker, MAX_PATH + 16, L"%ls.started", self);
  if (FILE* f = _wfopen(marker, L"wb")) {
    std::fputws(GetCommandLineW(), f);
    std::fclose(f);
  }
  return 0;
}
