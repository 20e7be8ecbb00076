// qenc: writes encoded scripts (.qe) that the interpreter reads back.
//
//   qenc [-f <format byte>] [-k <inner key length>] input.q [output.qe]
//
// The inner key is drawn at random (no zero bytes); without an output name
// the input's extension is replaced by ".qe".
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "frontend/encoded_script.h"
#include "frontend/source_files.h"
#include "support/format.h"

namespace {

using quorin::ReadStatus;

void usage() { std::fputs("用法: qenc [-f 格式字节] [-k 内部密钥长度] 输入.q [输出.qe]\n", stderr); }

bool write_file(const std::u16string& path, const std::string& bytes) {
#ifdef _WIN32
  FILE* f = _wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), L"wb");
#else
  FILE* f = std::fopen(quorin::to_utf8(path).c_str(), "wb");
#endif
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

std::u16string default_output(const std::u16string& input) {
  std::u16string_view name = quorin::name_part(input);
  size_t dot = name.rfind(u'.');
  if (dot == std::u16string_view::npos) return input + u".qe";
  return input.substr(0, input.size() - (name.size() - dot)) + u".qe";
}

bool parse_number(const std::u16string& s, int lo, int hi, int& out) {
  if (s.empty() || s.size() > 4) return false;
  int v = 0;
  for (char16_t c : s) {
    if (c < u'0' || c > u'9') return false;
    v = v * 10 + (c - u'0');
  }
  if (v < lo || v > hi) return false;
  out = v;
  return true;
}

int run(const std::vector<std::u16string>& args) {
  int format = 1, key_length = 16;
  std::vector<std::u16string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == u"-f" || args[i] == u"-k") && i + 1 < args.size()) {
      bool ok = args[i] == u"-f" ? parse_number(args[i + 1], 0, 255, format)
                                 : parse_number(args[i + 1], 1, 255, key_length);
      if (!ok) {
        usage();
        return 2;
      }
      ++i;
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.empty() || files.size() > 2) {
    usage();
    return 2;
  }
  const std::u16string& input = files[0];
  const std::u16string output = files.size() == 2 ? files[1] : default_output(input);
  std::string plain;
  if (quorin::read_file_bytes(input, plain) != ReadStatus::Ok) {
    std::fprintf(stderr, "qenc: 无法读取 %s\n", quorin::to_utf8(input).c_str());
    return 1;
  }
  std::random_device rd;
  std::uniform_int_distribution<int> byte(1, 255);
  std::string key(static_cast<size_t>(key_length), '\0');
  for (auto& c : key) c = static_cast<char>(byte(rd));
  const std::string encoded = quorin::encode_qe(plain, key, static_cast<uint8_t>(format));
  if (!write_file(output, encoded)) {
    std::fprintf(stderr, "qenc: 无法写入 %s\n", quorin::to_utf8(output).c_str());
    return 1;
  }
  return 0;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
  return run(args);
}
#else
int main(int argc, char** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.push_back(quorin::from_utf8(argv[i]));
  return run(args);
}
#endif
