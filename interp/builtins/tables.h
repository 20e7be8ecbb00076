// Registry tables of the builtin families (one function per family folder).
#pragma once
#include "frontend/registry.h"

namespace quorin {

BuiltinTable directives_table();
BuiltinTable console_table();
BuiltinTable run_control_table();
BuiltinTable collections_table();
BuiltinTable strings_table();
BuiltinTable dates_table();
BuiltinTable com_table();

}  // namespace quorin
