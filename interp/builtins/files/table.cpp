// Registry entries of the file and folder builtins, overloads in registry
// order.
#include "builtins/files/file_builtins.h"
#include "builtins/tables.h"

namespace quorin {
namespace {

using namespace file_builtins;

constexpr BuiltinEntry kEntries[] = {
    builtin<&file_read_default>(u"file_read"),
    builtin<&file_read>(u"file_read"),
    builtin<&file_write_default>(u"file_write"),
    builtin<&file_write>(u"file_write"),
    builtin<&file_open>(u"file_open"),
    builtin<&file_close>(u"file_close"),
    builtin<&file_eof>(u"file_eof"),
    builtin<&file_rewind>(u"file_rewind"),
    builtin<&file_error>(u"file_error"),
    builtin<&file_clear_error>(u"file_clear_error"),
    builtin<&file_flush>(u"file_flush"),
    builtin<&file_get_last_error>(u"file_get_last_error"),
    builtin<&file_get_last_error_message>(u"file_get_last_error_message"),
    builtin<&file_get_error_message>(u"file_get_error_message"),
    builtin<&file_read_char>(u"file_read_char"),
    builtin<&file_write_char>(u"file_write_char"),
    builtin<&file_read_line>(u"file_read_line"),
    builtin<&file_write_text>(u"file_write_text"),
    builtin<&file_read_data>(u"file_read_data"),
    builtin<&file_write_data>(u"file_write_data"),
    builtin<&file_exist>(u"file_exist"),
    builtin<&file_len>(u"file_len"),
    builtin<&file_copy>(u"file_copy"),
    builtin<&file_rename>(u"file_rename"),
    builtin<&file_delete>(u"file_delete"),
    builtin<&folder_create>(u"folder_create"),
    builtin<&folder_exist>(u"folder_exist"),
    builtin<&folder_rename>(u"folder_rename"),
    builtin<&folder_delete>(u"folder_delete"),
    builtin<&folder_get_subfolder_list>(u"folder_get_subfolder_list"),
    builtin<&folder_get_subfolder_list_rec>(u"folder_get_subfolder_list"),
    builtin<&folder_get_file_list>(u"folder_get_file_list"),
    builtin<&folder_get_file_list_pattern>(u"folder_get_file_list"),
    builtin<&folder_get_file_list_rec>(u"folder_get_file_list"),
    builtin<&set_current_directory>(u"set_current_directory"),
    builtin<&get_current_directory>(u"get_current_directory"),
    builtin<&get_quorin_folder_path>(u"get_quorin_folder_path"),
    builtin<&get_script_folder_path>(u"get_script_folder_path"),
    builtin<&get_system_folder_path>(u"get_system_folder_path"),
    builtin<&get_short_path>(u"get_short_path"),
    builtin<&get_long_path>(u"get_long_path"),
    builtin<&get_full_path>(u"get_full_path"),
    builtin<&get_last_error>(u"get_last_error"),
    builtin<&get_last_error_message>(u"get_last_error_message"),
    builtin<&get_error_message>(u"get_error_message"),
    builtin<&file_dialog_show_open>(u"file_dialog_show_open"),
    builtin<&file_dialog_show_open_in>(u"file_dialog_show_open"),
    builtin<&file_dialog_show_open_filter>(u"file_dialog_show_open"),
    builtin<&file_dialog_show_open_multi>(u"file_dialog_show_open_multi_select"),
    builtin<&file_dialog_show_open_multi_in>(u"file_dialog_show_open_multi_select"),
    builtin<&file_dialog_show_open_multi_filter>(u"file_dialog_show_open_multi_select"),
    builtin<&file_dialog_show_save>(u"file_dialog_show_save"),
    builtin<&file_dialog_show_save_in>(u"file_dialog_show_save"),
    builtin<&file_dialog_show_save_filter>(u"file_dialog_show_save"),
    builtin<&file_dialog_show_save_ext>(u"file_dialog_show_save"),
    builtin<&folder_dialog_show>(u"folder_dialog_show"),
    builtin<&folder_dialog_show_new>(u"folder_dialog_show"),
};

}  // namespace

BuiltinTable files_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
