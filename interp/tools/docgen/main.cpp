// quorin-docgen: writes the builtin reference (docs/reference/) from the
// registry, or with --check tells whether the pages there are up to date.
//
//   quorin-docgen FOLDER           write every page into FOLDER
//   quorin-docgen --check FOLDER   exit 1 naming every page that differs
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "builtins/reference.h"

namespace fs = std::filesystem;

namespace {

std::string read_file(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

int check(const fs::path& dir) {
  std::set<std::string> expected;
  int stale = 0;
  for (const auto& page : quorin::reference_pages()) {
    expected.insert(page.file);
    fs::path p = dir / page.file;
    if (!fs::exists(p)) {
      std::fprintf(stderr, "missing: %s\n", p.string().c_str());
      ++stale;
    } else if (read_file(p) != page.text) {
      std::fprintf(stderr, "out of date: %s\n", p.string().c_str());
      ++stale;
    }
  }
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir, ec)) {
    std::string name = entry.path().filename().string();
    if (entry.path().extension() == ".md" && !expected.count(name)) {
      std::fprintf(stderr, "no longer generated: %s\n", entry.path().string().c_str());
      ++stale;
    }
  }
  if (stale) {
    std::fprintf(stderr,
                 "%d reference page(s) differ from the registry; regenerate them with\n"
                 "  cmake --build --preset native --target reference_docs\n"
                 "and commit docs/reference/.\n",
                 stale);
    return 1;
  }
  return 0;
}

int write(const fs::path& dir) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  std::set<std::string> written;
  for (const auto& page : quorin::reference_pages()) {
    std::ofstream f(dir / page.file, std::ios::binary);
    f << page.text;
    if (!f) {
      std::fprintf(stderr, "quorin-docgen: cannot write %s\n", (dir / page.file).string().c_str());
      return 1;
    }
    written.insert(page.file);
  }
  // Pages of families that no longer exist would mislead readers.
  for (const auto& entry : fs::directory_iterator(dir, ec))
    if (entry.path().extension() == ".md" && !written.count(entry.path().filename().string()))
      fs::remove(entry.path(), ec);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--check") return check(argv[2]);
  if (argc == 2 && argv[1][0] != '-') return write(argv[1]);
  std::fputs("usage: quorin-docgen [--check] FOLDER\n", stderr);
  return 2;
}
