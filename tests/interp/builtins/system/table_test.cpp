#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interp/builtins/table_signatures.h"

namespace quorin {
namespace {

// "name ret(args)" for every entry, in table order: 25 builtins, 29 overloads.
TEST(SystemTable, SignaturesInRegistryOrder) {
  const std::vector<std::string> got = table_signatures(system_table());
  const std::vector<std::string> expect = {
      "clipboard_set_text 4(8)", "clipboard_get_text 8()", "clipboard_set_bmp 4(9)", "clipboard_get_bmp 4(9)",
      "storage_set_domain 4(8)", "storage_set 4(8,8)", "storage_get 8(8)", "storage_remove 4(8)",
      "storage_clear 4()", "md5 8(8)", "md5 8(8,8)", "base64_encode 8(8)", "base64_encode 8(8,8)",
      "base64_encode_data 8(32,4)", "base64_encode_file 4(8,29)", "base64_decoded_size 4(8)",
      "base64_decode 4(8,29)", "base64_decode 4(8,29,8)", "base64_decode_to_byte_array 4(8,32,4)", "guid 8()",
      "color_hex 8(4)", "color_hex_to_int 4(8)", "hardware_get_cpu 8()", "hardware_get_cpu_logical_number 4()",
      "hardware_get_mac 8()", "dll_load 4(8)", "dll_free 4(25)", "dll_get_function 31(8)",
      "dll_get_function 31(8,25)",
  };
  EXPECT_EQ(got, expect);
}

}  // namespace
}  // namespace quorin
