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
BuiltinTable json_table();
BuiltinTable http_table();
BuiltinTable math_table();
BuiltinTable ui_table();
BuiltinTable input_table();
BuiltinTable window_table();
BuiltinTable system_table();
BuiltinTable screen_table();
BuiltinTable bmp_table();
BuiltinTable files_table();
BuiltinTable com_table();
BuiltinTable excel_table();
BuiltinTable ado_table();

}  // namespace quorin
