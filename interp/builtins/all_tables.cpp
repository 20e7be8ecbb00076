// Every builtin family's table, in registry order.
#include "builtins/tables.h"

namespace quorin {

std::span<const BuiltinTable> builtin_tables() {
  static const BuiltinTable tables[] = {
      directives_table(),
      console_table(),
      run_control_table(),
      collections_table(),
      strings_table(),
      dates_table(),
      json_table(),
      http_table(),
      math_table(),
      ui_table(),
      input_table(),
      window_table(),
      system_table(),
      screen_table(),
      bmp_table(),
      files_table(),
      com_table(),
      excel_table(),
      ado_table(),
  };
  return tables;
}

}  // namespace quorin
