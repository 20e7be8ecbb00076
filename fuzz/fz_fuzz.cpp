// Fuzzes the action-file reader: any bytes either fail to read or give
// actions that, loaded into a list and written again, read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "assist/fz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  auto items = quorin::assist::parse_fz(text);
  if (!items) return 0;
  quorin::assist::ActionList list;
  list.load(*items);
  std::string again = quorin::assist::serialize_fz(list);
  auto back = quorin::assist::parse_fz(again);
  if (!back) std::abort();
  quorin::assist::ActionList second;
  second.load(*back);
  if (quorin::assist::serialize_fz(second) != again) std::abort();
  return 0;
}
