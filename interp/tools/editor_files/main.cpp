// quorin-editor-files: writes the editor's language files into a folder laid
// out like the editor's own (userDefineLangs/, autoCompletion/).
//
//   quorin-editor-files OUTPUT_FOLDER
//   quorin-editor-files --list     the registry as the files must show it:
//                                  "B name argc code… [: param…]" per
//                                  overload (the names when the reference
//                                  gives them),
//                                  "C name" per constant, "K word" per
//                                  keyword, "R word" per reserved word
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "builtins/docs_tables.h"
#include "builtins/reference.h"
#include "builtins/tables.h"
#include "editor_files.h"
#include "frontend/registry.h"
#include "support/format.h"

namespace {

bool write_file(const std::filesystem::path& path, const std::string& text) {
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  FILE* f = std::fopen(path.string().c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && ok;
}

const char16_t* params_of(std::u16string_view name);

void list_registry() {
  using namespace quorin;
  for (const BuiltinTable& t : builtin_tables())
    for (size_t i = 0; i < t.count; ++i) {
      const BuiltinEntry& e = t.entries[i];
      std::printf("B %s %d", to_utf8(e.name).c_str(), e.argc);
      for (int a = 0; a < e.argc; ++a) std::printf(" %d", e.args[a]);
      std::vector<std::u16string> names = parameter_names(params_of(e.name), e.argc);
      if (!names.empty()) std::printf(" :");
      for (const std::u16string& n : names) std::printf(" %s", to_utf8(n).c_str());
      std::printf("\n");
    }
  for (const ConstantEntry& c : constant_table()) std::printf("C %s\n", to_utf8(c.name).c_str());
  for (const char16_t* w : keyword_words()) std::printf("K %s\n", to_utf8(w).c_str());
  for (const char16_t* w : reserved_words()) std::printf("R %s\n", to_utf8(w).c_str());
}

// The one-line reference text of a builtin, shown in its call tip.
std::u16string describe(std::u16string_view name) {
  for (const quorin::FamilyDocs& f : quorin::builtin_docs())
    for (const quorin::BuiltinDoc& d : f.entries)
      if (d.name == name && d.summary) return d.summary;
  return {};
}

// The parameter names the reference gives a builtin, shown in its call tip.
const char16_t* params_of(std::u16string_view name) {
  for (const quorin::FamilyDocs& f : quorin::builtin_docs())
    for (const quorin::ParamNames& p : f.params)
      if (p.name == name) return p.params;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  namespace ef = quorin::editor_files;
  if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
    list_registry();
    return 0;
  }
  if (argc != 2) {
    std::fputs("用法: quorin-editor-files 输出文件夹 | --list\n", stderr);
    return 2;
  }
  std::filesystem::path out(argv[1]);
  if (!write_file(out / ef::kLanguagePath, ef::language_xml()) ||
      !write_file(out / ef::kCompletionPath, ef::completion_xml(&describe, &params_of))) {
    std::fprintf(stderr, "quorin-editor-files: 无法写入 %s\n", argv[1]);
    return 1;
  }
  return 0;
}
