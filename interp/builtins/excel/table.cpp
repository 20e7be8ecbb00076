// Registry entries of the spreadsheet builtins (82 signatures): each one a
// shape of excel_builtins.h with its member and value kind.
#include "builtins/com/unavailable.h"
#include "builtins/excel/excel_builtins.h"
#include "builtins/tables.h"

namespace quorin {
namespace {

using excel::Kind;

#if defined(_WIN32)
#define XL(name, ...) builtin<&excel::__VA_ARGS__>(name)
#else
#define XL(name, ...) com::unavailable<decltype(excel::__VA_ARGS__)>(name)
#endif

// The value builtins of one kind: range and cell, get and set.
#define XL_VALUES(suffix, K)                                                                              \
  XL(u"worksheet_get_range_value_" #suffix, range_get<u"worksheet_get_range_value_" #suffix, u"Value", K>), \
  XL(u"worksheet_set_range_value_" #suffix, range_set<u"worksheet_set_range_value_" #suffix, u"Value", K>), \
  XL(u"worksheet_get_cell_value_" #suffix, cell_get<u"worksheet_get_cell_value_" #suffix, u"Value", K>),    \
  XL(u"worksheet_set_cell_value_" #suffix, cell_set<u"worksheet_set_cell_value_" #suffix, u"Value", K>)

// A font property of a range and of a cell.
#define XL_FONT(what, member, K)                                                                             \
  XL(u"worksheet_set_range_" #what, range_set<u"worksheet_set_range_" #what, u"Font." member, K>),          \
  XL(u"worksheet_set_cell_" #what, cell_set<u"worksheet_set_cell_" #what, u"Font." member, K>)

constexpr BuiltinEntry kEntries[] = {
    // application
    XL(u"excel_get_version", get<u"excel_get_version", u"version", Kind::String>),
    XL(u"excel_display_alert", set<u"excel_display_alert", u"DisplayAlerts", Kind::Boolean>),
    XL(u"excel_show_window", set_flag<u"excel_show_window", u"Visible", 1>),
    XL(u"excel_hide_window", set_flag<u"excel_hide_window", u"Visible", 0>),
    XL(u"excel_get_workbooks", get_object<u"excel_get_workbooks", u"Workbooks">),
    XL(u"excel_get_active_workbook", get_object<u"excel_get_active_workbook", u"ActiveWorkBook">),
    XL(u"excel_get_active_worksheet", get_object<u"excel_get_active_worksheet", u"ActiveSheet">),
    XL(u"excel_quit", call<u"excel_quit", u"Quit">),
    // workbooks
    XL(u"workbooks_get_count", get<u"workbooks_get_count", u"Count", Kind::Int>),
    XL(u"workbooks_get_index", call_object_with<u"workbooks_get_index", u"Item", int32_t>),
    XL(u"workbooks_add", call_object<u"workbooks_add", u"Add">),
    XL(u"workbooks_open", workbooks_open),
    XL(u"workbooks_close", call<u"workbooks_close", u"Close">),
    // workbook
    XL(u"workbook_get_worksheets", get_object<u"workbook_get_worksheets", u"Worksheets">),
    XL(u"workbook_save", call_status<u"workbook_save", u"Save">),
    XL(u"workbook_save_as", save_as_format<u"workbook_save_as">),
    XL(u"workbook_save_as", save_as_by_path<u"workbook_save_as">),
    XL(u"workbook_save_copy_as", call_status_text<u"workbook_save_copy_as", u"SaveCopyAs">),
    XL(u"workbook_close", call<u"workbook_close", u"Close">),
    // worksheets
    XL(u"worksheets_get_count", get<u"worksheets_get_count", u"Count", Kind::Int>),
    XL(u"worksheets_get_index", call_object_with<u"worksheets_get_index", u"Item", int32_t>),
    XL(u"worksheets_get_item", call_object_with<u"worksheets_get_item", u"Item", const Str&>),
    XL(u"worksheets_add", worksheets_add),
    XL(u"worksheets_select_index", select<u"worksheets_select_index", int32_t>),
    XL(u"worksheets_select_item", select<u"worksheets_select_item", const Str&>),
    // worksheet
    XL(u"worksheet_get_name", get<u"worksheet_get_name", u"Name", Kind::String>),
    XL(u"worksheet_set_name", set<u"worksheet_set_name", u"Name", Kind::String>),
    XL(u"worksheet_select", call<u"worksheet_select", u"Select">),
    XL(u"worksheet_delete", call<u"worksheet_delete", u"Delete">),
    XL(u"worksheet_copy", call<u"worksheet_copy", u"Copy">),
    XL(u"worksheet_save_as", save_as_format<u"worksheet_save_as">),
    XL(u"worksheet_save_as", save_as_by_path<u"worksheet_save_as">),
    // values
    XL_VALUES(boolean, Kind::Boolean),
    XL_VALUES(int, Kind::Int),
    XL_VALUES(long, Kind::Long),
    XL_VALUES(double, Kind::Double),
    XL_VALUES(currency, Kind::Currency),
    XL_VALUES(date, Kind::Date),
    XL_VALUES(string, Kind::String),
    XL(u"worksheet_get_range_value_type", range_type<u"worksheet_get_range_value_type">),
    XL(u"worksheet_get_cell_value_type", cell_type<u"worksheet_get_cell_value_type">),
    XL(u"worksheet_get_range_value_type_name", range_type_name<u"worksheet_get_range_value_type_name">),
    XL(u"worksheet_get_cell_value_type_name", cell_type_name<u"worksheet_get_cell_value_type_name">),
    // fonts
    XL_FONT(color, u"Color", Kind::Int),
    XL_FONT(color_index, u"ColorIndex", Kind::Int),
    XL_FONT(font_style, u"FontStyle", Kind::String),
    XL_FONT(font_name, u"Name", Kind::String),
    XL_FONT(font_size, u"Size", Kind::Int),
    // row heights and column widths
    XL(u"worksheet_get_row_height", line_get<u"worksheet_get_row_height", u"RowHeight", true>),
    XL(u"worksheet_set_row_height", line_set<u"worksheet_set_row_height", u"RowHeight", true>),
    XL(u"worksheet_get_column_width", line_get<u"worksheet_get_column_width", u"ColumnWidth", false>),
    XL(u"worksheet_set_column_width", line_set<u"worksheet_set_column_width", u"ColumnWidth", false>),
    XL(u"worksheet_get_range_row_height", range_get<u"worksheet_get_range_row_height", u"RowHeight", Kind::Double>),
    XL(u"worksheet_set_range_row_height", range_set<u"worksheet_set_range_row_height", u"RowHeight", Kind::Double>),
    XL(u"worksheet_get_range_column_width",
       range_get<u"worksheet_get_range_column_width", u"ColumnWidth", Kind::Double>),
    XL(u"worksheet_set_range_column_width",
       range_set<u"worksheet_set_range_column_width", u"ColumnWidth", Kind::Double>),
};
#undef XL_FONT
#undef XL_VALUES
#undef XL

static_assert(std::size(kEntries) == 82);

}  // namespace

BuiltinTable excel_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
