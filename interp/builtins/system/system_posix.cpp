// The native command line: GUIDs from the system's random source, files
// through stdio; clipboard, registry storage, hardware queries and DLLs need
// Windows and end the run with a clear error.
#include <cstdio>
#include <filesystem>
#include <random>

#include "builtins/system/dll_modules.h"
#include "builtins/system/platform.h"
#include "builtins/system/system_builtins.h"
#include "support/format.h"

namespace quorin::sys {

std::optional<codec::GuidParts> os_new_guid() {
  std::random_device rd;
  uint8_t b[16];
  for (int i = 0; i < 16; i += 4) {
    uint32_t v = rd();
    for (int k = 0; k < 4; ++k) b[i + k] = static_cast<uint8_t>(v >> (8 * k));
  }
  b[6] = static_cast<uint8_t>((b[6] & 0x0F) | 0x40);  // version 4
  b[8] = static_cast<uint8_t>((b[8] & 0x3F) | 0x80);  // RFC 4122 variant
  codec::GuidParts g;
  g.data1 = static_cast<uint32_t>(b[0]) << 24 | b[1] << 16 | b[2] << 8 | b[3];
  g.data2 = static_cast<uint16_t>(b[4] << 8 | b[5]);
  g.data3 = static_cast<uint16_t>(b[6] << 8 | b[7]);
  for (int i = 0; i < 8; ++i) g.data4[i] = b[8 + i];
  return g;
}

int os_read_file(std::u16string_view path, std::string& bytes) {
  const std::string name = to_utf8(path);
  std::error_code ec;
  if (name.empty() || !std::filesystem::is_regular_file(name, ec)) return 0;
  std::FILE* f = std::fopen(name.c_str(), "rb");
  if (!f) return -1;
  const auto size = std::filesystem::file_size(name, ec);
  int result = 1;
  if (ec) {
    result = -2;
  } else {
    bytes.resize(static_cast<size_t>(size));
    if (size && std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) result = -2;
  }
  std::fclose(f);
  return result;
}

ModuleHandle os_load_library(std::u16string_view) { return 0; }
bool os_free_library(ModuleHandle) { return false; }
void* os_find_function(ModuleHandle, const std::string&) { return nullptr; }

Payload invoke_dll_function(Runtime& rt, const CallRecord&) { windows_only(rt, u"dll_get_function"); }

int32_t clipboard_set_text(Runtime& rt, const Str&) { windows_only(rt, u"clipboard_set_text"); }
Str clipboard_get_text(Runtime& rt) { windows_only(rt, u"clipboard_get_text"); }
int32_t clipboard_set_bmp(Runtime& rt, BmpArg) { windows_only(rt, u"clipboard_set_bmp"); }
int32_t clipboard_get_bmp(Runtime& rt, BmpArg) { windows_only(rt, u"clipboard_get_bmp"); }

int32_t storage_set_domain(Runtime& rt, const Str&) { windows_only(rt, u"storage_set_domain"); }
int32_t storage_set(Runtime& rt, const Str&, const Str&) { windows_only(rt, u"storage_set"); }
Str storage_get(Runtime& rt, const Str&) { windows_only(rt, u"storage_get"); }
int32_t storage_remove(Runtime& rt, const Str&) { windows_only(rt, u"storage_remove"); }
int32_t storage_clear(Runtime& rt) { windows_only(rt, u"storage_clear"); }

Str hardware_get_cpu(Runtime& rt) { windows_only(rt, u"hardware_get_cpu"); }
int32_t hardware_get_cpu_logical_number(Runtime& rt) { windows_only(rt, u"hardware_get_cpu_logical_number"); }
Str hardware_get_mac(Runtime& rt) { windows_only(rt, u"hardware_get_mac"); }

}  // namespace quorin::sys
