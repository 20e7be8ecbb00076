#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interp/builtins/table_signatures.h"

namespace quorin {
namespace {

std::vector<std::string> signatures() { return table_signatures(strings_table(), true); }

TEST(StringsTable, SignaturesInRegistryOrder) {
  const std::vector<std::string> expect = {
      "char_at 2(8,4)", "len 4(8)", "len_byte 4(8)", "len_byte 4(8,8)", "index_of 4(8,8)",
      "index_of 4(8,8,4)", "last_index_of 4(8,8)", "last_index_of 4(8,8,4)", "starts_with 4(8,8)",
      "starts_with 4(8,8,4)", "ends_with 4(8,8)", "mid 8(8,4)", "mid 8(8,4,4)", "left 8(8,4)", "right 8(8,4)",
      "replace 8(8,8,8)", "replace_first 8(8,8,8)", "lcase 8(8)", "ucase 8(8)", "ltrim 8(8)", "rtrim 8(8)",
      "trim 8(8)", "space 8(4)", "split 17(8,8) elem 8", "is_int 4(8)", "is_numeric 4(8)",
      "byte_array_to_string 8(32,4)", "byte_array_to_string 8(32,4,8)", "string_to_byte_array 4(8,32,4)",
      "string_to_byte_array 4(8,32,4,8)", "stoi 4(8)", "stol 5(8)", "stof 6(8)", "stod 7(8)", "itos 8(4)",
      "itof 6(4)", "itol 5(4)", "itod 7(4)", "ltos 8(5)", "ltoi 4(5)", "ltof 6(5)", "ltod 7(5)", "ftoi 4(6)",
      "ftol 5(6)", "ftod 7(6)", "ftos 8(6,4)", "dtoi 4(7)", "dtof 6(7)", "dtol 5(7)", "dtos 8(7,4)",
      "hex 8(4)", "hex 8(5)",
  };
  EXPECT_EQ(signatures(), expect);
}

}  // namespace
}  // namespace quorin
