// A run context for calling the system builtins directly.
#pragma once
#include "builtins/system/system_builtins.h"
#include "interp/builtins/builtin_test_support.h"

namespace quorin::sys_test {

using builtin_test::RecordingUi;

class SystemTest : public builtin_test::BuiltinTest {
 protected:
  SystemTest() : BuiltinTest(3) {}
};

}  // namespace quorin::sys_test
