// Temporary plain-UTF-8 reader used until the full loader is in place.
#include "frontend/source_input.h"

#include <cstdio>
#include <filesystem>

#include "support/format.h"

namespace quorin {

SourceInput read_source_input(const std::u16string& path, const std::optional<std::u16string>&, CompileErrors&) {
  SourceInput in;
  std::error_code ec;
  std::filesystem::path p(to_utf8(path));
  auto full = std::filesystem::absolute(p, ec);
  in.full_path = from_utf8(full.string());
  if (!std::filesystem::exists(p, ec)) {
    in.message = u"文件不存在";
    return in;
  }
  FILE* f = std::fopen(p.string().c_str(), "rb");
  if (!f) {
    in.message = u"文件无法打开";
    return in;
  }
  std::string bytes;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
  std::fclose(f);
  if (bytes.empty()) {
    in.message = u"这是一个空白的文件";
    return in;
  }
  in.text = from_utf8(bytes);
  in.charset = u"utf-8";
  in.ok = true;
  return in;
}

}  // namespace quorin
