// A run context for calling the string builtins directly.
#pragma once
#include "builtins/strings/string_builtins.h"
#include "interp/builtins/builtin_test_support.h"

namespace quorin::strings_test {

using builtin_test::RecordingUi;

class StringsTest : public builtin_test::BuiltinTest {
 protected:
  StringsTest() : BuiltinTest(7) {}
};

}  // namespace quorin::strings_test
