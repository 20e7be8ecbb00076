// Stands in for the tools and, named Quorin.exe, for an interpreter that
// answers with something that is not a report.  It leaves "<its path>.started"
// with its command line so that the test sees it was started.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <string_view>

int wmain() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring_view name = std::wcsrchr(self, L'\\') ? std::wcsrchr(self, L'\\') + 1 : self;
  if (name == L"Quorin.exe") {
    // The report to give is in report.json beside the program (written in
    // pieces, as a slow pipe delivers it); without one, something else.
    std::wstring report(self, name.data() - self);
    report += L"report.json";
    if (FILE* f = _wfopen(report.c_str(), L"rb")) {
      char buf[1000];
      size_t n;
      while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        std::fwrite(buf, 1, n, stdout);
        std::fflush(stdout);
        Sleep(5);
      }
      std::fclose(f);
    } else {
      std::fputs("Quorin says: this is not a report {\"status\": ", stdout);
      std::fflush(stdout);
    }
  }
  wchar_t marker[MAX_PATH + 16];
  std::swprintf(marker, MAX_PATH + 16, L"%ls.started", self);
  if (FILE* f = _wfopen(marker, L"wb")) {
    std::fputws(GetCommandLineW(), f);
    std::fclose(f);
  }
  return 0;
}
