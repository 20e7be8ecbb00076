// Reference text of the spreadsheet builtins.
#include "builtins/docs.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"excel_get_version", u"读取电子表格程序 app 的版本号文本。"},
    {u"excel_display_alert", u"设置程序 app 是否显示提示对话框（on 非 0 显示，0 不显示）。"},
    {u"excel_show_window", u"显示程序 app 的窗口。"},
    {u"excel_hide_window", u"隐藏程序 app 的窗口。"},
    {u"excel_get_workbooks", u"取得程序 app 的工作簿集合对象，用完后以 com_object_free 释放。"},
    {u"excel_get_active_workbook", u"取得程序 app 当前活动的工作簿对象；没有打开的工作簿时返回 0。"},
    {u"excel_get_active_worksheet", u"取得程序 app 当前活动的工作表对象；没有时返回 0。"},
    {u"excel_quit", u"退出电子表格程序 app。"},
    {u"workbooks_get_count", u"返回工作簿集合 books 中工作簿的个数。"},
    {u"workbooks_get_index", u"按序号 index（从 1 开始）取得集合 books 中的工作簿对象，失败返回 0。"},
    {u"workbooks_add", u"在集合 books 中新建一个工作簿并返回其对象，失败返回 0。",
     u"int app = com_object_new(\"Excel.Application\")\n"
     u"int books = excel_get_workbooks(app)\n"
     u"int book = workbooks_add(books)\n"
     u"int sheets = workbook_get_worksheets(book)\n"
     u"int sheet = worksheets_get_index(sheets, 1)\n"
     u"worksheet_set_range_value_string(sheet, \"A1\", \"产品\")\n"
     u"worksheet_set_cell_value_int(sheet, 2, 1, 120)\n"
     u"println(workbook_save_as(book, \"C:\\\\数据\\\\销售.csv\"))\n"
     u"com_object_free(sheet)\n"
     u"com_object_free(sheets)\n"
     u"com_object_free(book)\n"
     u"com_object_free(books)\n"
     u"excel_quit(app)\n"
     u"com_object_free(app)\n"},
    {u"workbooks_open", u"在集合 books 中打开路径为 path 的工作簿文件并返回其对象，失败返回 0；过长的路径自动改用短路径。"},
    {u"workbooks_close", u"关闭集合 books 中的所有工作簿。"},
    {u"workbook_get_worksheets", u"取得工作簿 book 的工作表集合对象。"},
    {u"workbook_save", u"保存工作簿 book，成功返回 1，失败返回 0。"},
    {u"workbook_save_as", u"将工作簿 book 另存为路径 path；可给出格式代码 file_format，省略时按扩展名选择（.xls、.csv、.ods 或其他），成功返回 1。",
     u"int app = com_object_new(\"Excel.Application\")\n"
     u"int books = excel_get_workbooks(app)\n"
     u"int book = workbooks_open(books, \"C:\\\\数据\\\\报表.xlsx\")\n"
     u"if workbook_save_as(book, \"C:\\\\数据\\\\报表.csv\") == 1\n"
     u"  println(\"已导出为 CSV\")\n"
     u"endif\n"
     u"workbook_close(book)\n"
     u"com_object_free(book)\n"
     u"com_object_free(books)\n"
     u"excel_quit(app)\n"
     u"com_object_free(app)\n"},
    {u"workbook_save_copy_as", u"将工作簿 book 的副本保存到路径 path，成功返回 1，失败返回 0。"},
    {u"workbook_close", u"关闭工作簿 book。"},
    {u"worksheets_get_count", u"返回工作表集合 sheets 中工作表的个数。"},
    {u"worksheets_get_index", u"按序号 index（从 1 开始）取得集合 sheets 中的工作表对象，失败返回 0。"},
    {u"worksheets_get_item", u"按名称 name 取得集合 sheets 中的工作表对象，失败返回 0。"},
    {u"worksheets_add", u"在集合 sheets 的最后一个工作表之后新建工作表并返回其对象，失败返回 0。"},
    {u"worksheets_select_index", u"按序号 index 选中集合 sheets 中的工作表。"},
    {u"worksheets_select_item", u"按名称 name 选中集合 sheets 中的工作表。"},
    {u"worksheet_get_name", u"读取工作表 sheet 的名称。"},
    {u"worksheet_set_name", u"把工作表 sheet 的名称改为 name。"},
    {u"worksheet_select", u"选中工作表 sheet。"},
    {u"worksheet_delete", u"删除工作表 sheet。"},
    {u"worksheet_copy", u"复制工作表 sheet。"},
    {u"worksheet_save_as", u"将工作表 sheet 另存为路径 path；可给出格式代码 file_format，省略时按扩展名选择，成功返回 1。"},
    {u"worksheet_get_range_value_boolean", u"读取工作表 sheet 中区域 address（如 A1）的值，为真返回 1，否则返回 0。"},
    {u"worksheet_get_range_value_int", u"读取工作表 sheet 中区域 address 的值并转换为 int。"},
    {u"worksheet_get_range_value_long", u"读取工作表 sheet 中区域 address 的值并转换为 long。"},
    {u"worksheet_get_range_value_double", u"读取工作表 sheet 中区域 address 的值并转换为 double。"},
    {u"worksheet_get_range_value_currency", u"读取工作表 sheet 中区域 address 的货币值，转换为 double。"},
    {u"worksheet_get_range_value_date", u"读取工作表 sheet 中区域 address 的日期值（自 1899-12-30 起的天数），不是日期时返回 0。"},
    {u"worksheet_get_range_value_string", u"读取工作表 sheet 中区域 address 的值并转换为文本，空单元格为空文本。",
     u"int app = com_object_new(\"Excel.Application\")\n"
     u"int books = excel_get_workbooks(app)\n"
     u"int book = workbooks_open(books, \"C:\\\\数据\\\\名单.xlsx\")\n"
     u"int sheet = excel_get_active_worksheet(app)\n"
     u"for int row = 1 to 10\n"
     u"  println(worksheet_get_cell_value_string(sheet, row, 1))\n"
     u"next\n"
     u"println(worksheet_get_range_value_string(sheet, \"B2\"))\n"
     u"com_object_free(sheet)\n"
     u"com_object_free(book)\n"
     u"com_object_free(books)\n"
     u"excel_quit(app)\n"
     u"com_object_free(app)\n"},
    {u"worksheet_set_range_value_boolean", u"将工作表 sheet 中区域 address 的值写为布尔值 v（非 0 为真）。"},
    {u"worksheet_set_range_value_int", u"将工作表 sheet 中区域 address 的值写为 int 值 v。"},
    {u"worksheet_set_range_value_long", u"将工作表 sheet 中区域 address 的值写为 long 值 v。"},
    {u"worksheet_set_range_value_double", u"将工作表 sheet 中区域 address 的值写为 double 值 v。"},
    {u"worksheet_set_range_value_currency", u"将工作表 sheet 中区域 address 的值写为货币值 v。"},
    {u"worksheet_set_range_value_date", u"将工作表 sheet 中区域 address 的值写为日期 v（自 1899-12-30 起的天数）。"},
    {u"worksheet_set_range_value_string", u"将工作表 sheet 中区域 address 的值写为文本 v。"},
    {u"worksheet_get_cell_value_boolean", u"读取工作表 sheet 中第 row 行、第 col 列（都从 1 开始）单元格的值，为真返回 1，否则返回 0。"},
    {u"worksheet_get_cell_value_int", u"读取工作表 sheet 中第 row 行、第 col 列单元格的值并转换为 int。"},
    {u"worksheet_get_cell_value_long", u"读取工作表 sheet 中第 row 行、第 col 列单元格的值并转换为 long。"},
    {u"worksheet_get_cell_value_double", u"读取工作表 sheet 中第 row 行、第 col 列单元格的值并转换为 double。"},
    {u"worksheet_get_cell_value_currency", u"读取工作表 sheet 中第 row 行、第 col 列单元格的货币值，转换为 double。"},
    {u"worksheet_get_cell_value_date", u"读取工作表 sheet 中第 row 行、第 col 列单元格的日期值，不是日期时返回 0。"},
    {u"worksheet_get_cell_value_string", u"读取工作表 sheet 中第 row 行、第 col 列单元格的值并转换为文本，空单元格为空文本。"},
    {u"worksheet_set_cell_value_boolean", u"将工作表 sheet 中第 row 行、第 col 列单元格的值写为布尔值 v（非 0 为真）。"},
    {u"worksheet_set_cell_value_int", u"将工作表 sheet 中第 row 行、第 col 列单元格的值写为 int 值 v。"},
    {u"worksheet_set_cell_value_long", u"将工作表 sheet 中第 row 行、第 col 列单元格的值写为 long 值 v。"},
    {u"worksheet_set_cell_value_double", u"将工作表 sheet 中第 row 行、第 col 列单元格的值写为 double 值 v。"},
    {u"worksheet_set_cell_value_currency", u"将工作表 sheet 中第 row 行、第 col 列单元格的值写为货币值 v。"},
    {u"worksheet_set_cell_value_date", u"将工作表 sheet 中第 row 行、第 col 列单元格的值写为日期 v。"},
    {u"worksheet_set_cell_value_string", u"将工作表 sheet 中第 row 行、第 col 列单元格的值写为文本 v。"},
    {u"worksheet_get_range_value_type", u"返回工作表 sheet 中区域 address 的值的类型代码（qrVT_ 常量）。"},
    {u"worksheet_get_cell_value_type", u"返回工作表 sheet 中第 row 行、第 col 列单元格的值的类型代码（qrVT_ 常量）。"},
    {u"worksheet_get_range_value_type_name", u"返回工作表 sheet 中区域 address 的值的类型名称，如 empty、int、double、string。"},
    {u"worksheet_get_cell_value_type_name", u"返回工作表 sheet 中第 row 行、第 col 列单元格的值的类型名称，如 empty、int、double、string。"},
    {u"worksheet_set_range_color", u"把工作表 sheet 中区域 address 的字体颜色设为 RGB 值 color。"},
    {u"worksheet_set_cell_color", u"把工作表 sheet 中第 row 行、第 col 列单元格的字体颜色设为 RGB 值 color。"},
    {u"worksheet_set_range_color_index", u"按调色板序号 index 设置工作表 sheet 中区域 address 的字体颜色。"},
    {u"worksheet_set_cell_color_index", u"按调色板序号 index 设置工作表 sheet 中第 row 行、第 col 列单元格的字体颜色。"},
    {u"worksheet_set_range_font_style", u"把工作表 sheet 中区域 address 的字形设为 style，如“加粗”“倾斜”。"},
    {u"worksheet_set_cell_font_style", u"把工作表 sheet 中第 row 行、第 col 列单元格的字形设为 style，如“加粗”“倾斜”。"},
    {u"worksheet_set_range_font_name", u"把工作表 sheet 中区域 address 的字体设为名为 font 的字体。"},
    {u"worksheet_set_cell_font_name", u"把工作表 sheet 中第 row 行、第 col 列单元格的字体设为名为 font 的字体。"},
    {u"worksheet_set_range_font_size", u"把工作表 sheet 中区域 address 的字号设为 size。"},
    {u"worksheet_set_cell_font_size", u"把工作表 sheet 中第 row 行、第 col 列单元格的字号设为 size。"},
    {u"worksheet_get_row_height", u"读取工作表 sheet 第 row 行的行高。"},
    {u"worksheet_set_row_height", u"把工作表 sheet 第 row 行的行高设为 height。"},
    {u"worksheet_get_column_width", u"读取工作表 sheet 第 col 列的列宽。"},
    {u"worksheet_set_column_width", u"把工作表 sheet 第 col 列的列宽设为 width。"},
    {u"worksheet_get_range_row_height", u"读取工作表 sheet 中区域 address 的行高。"},
    {u"worksheet_set_range_row_height", u"把工作表 sheet 中区域 address 的行高设为 height。"},
    {u"worksheet_get_range_column_width", u"读取工作表 sheet 中区域 address 的列宽。"},
    {u"worksheet_set_range_column_width", u"把工作表 sheet 中区域 address 的列宽设为 width。"},
};

constexpr ParamNames kParams[] = {
    {u"excel_get_version", u"app"},
    {u"excel_display_alert", u"app, on"},
    {u"excel_show_window", u"app"},
    {u"excel_hide_window", u"app"},
    {u"excel_get_workbooks", u"app"},
    {u"excel_get_active_workbook", u"app"},
    {u"excel_get_active_worksheet", u"app"},
    {u"excel_quit", u"app"},
    {u"workbooks_get_count", u"books"},
    {u"workbooks_get_index", u"books, index"},
    {u"workbooks_add", u"books"},
    {u"workbooks_open", u"books, path"},
    {u"workbooks_close", u"books"},
    {u"workbook_get_worksheets", u"book"},
    {u"workbook_save", u"book"},
    {u"workbook_save_as", u"book, path, file_format"},
    {u"workbook_save_copy_as", u"book, path"},
    {u"workbook_close", u"book"},
    {u"worksheets_get_count", u"sheets"},
    {u"worksheets_get_index", u"sheets, index"},
    {u"worksheets_get_item", u"sheets, name"},
    {u"worksheets_add", u"sheets"},
    {u"worksheets_select_index", u"sheets, index"},
    {u"worksheets_select_item", u"sheets, name"},
    {u"worksheet_get_name", u"sheet"},
    {u"worksheet_set_name", u"sheet, name"},
    {u"worksheet_select", u"sheet"},
    {u"worksheet_delete", u"sheet"},
    {u"worksheet_copy", u"sheet"},
    {u"worksheet_save_as", u"sheet, path, file_format"},
    {u"worksheet_get_range_value_boolean", u"sheet, address"},
    {u"worksheet_set_range_value_boolean", u"sheet, address, v"},
    {u"worksheet_get_cell_value_boolean", u"sheet, row, col"},
    {u"worksheet_set_cell_value_boolean", u"sheet, row, col, v"},
    {u"worksheet_get_range_value_int", u"sheet, address"},
    {u"worksheet_set_range_value_int", u"sheet, address, v"},
    {u"worksheet_get_cell_value_int", u"sheet, row, col"},
    {u"worksheet_set_cell_value_int", u"sheet, row, col, v"},
    {u"worksheet_get_range_value_long", u"sheet, address"},
    {u"worksheet_set_range_value_long", u"sheet, address, v"},
    {u"worksheet_get_cell_value_long", u"sheet, row, col"},
    {u"worksheet_set_cell_value_long", u"sheet, row, col, v"},
    {u"worksheet_get_range_value_double", u"sheet, address"},
    {u"worksheet_set_range_value_double", u"sheet, address, v"},
    {u"worksheet_get_cell_value_double", u"sheet, row, col"},
    {u"worksheet_set_cell_value_double", u"sheet, row, col, v"},
    {u"worksheet_get_range_value_currency", u"sheet, address"},
    {u"worksheet_set_range_value_currency", u"sheet, address, v"},
    {u"worksheet_get_cell_value_currency", u"sheet, row, col"},
    {u"worksheet_set_cell_value_currency", u"sheet, row, col, v"},
    {u"worksheet_get_range_value_date", u"sheet, address"},
    {u"worksheet_set_range_value_date", u"sheet, address, v"},
    {u"worksheet_get_cell_value_date", u"sheet, row, col"},
    {u"worksheet_set_cell_value_date", u"sheet, row, col, v"},
    {u"worksheet_get_range_value_string", u"sheet, address"},
    {u"worksheet_set_range_value_string", u"sheet, address, v"},
    {u"worksheet_get_cell_value_string", u"sheet, row, col"},
    {u"worksheet_set_cell_value_string", u"sheet, row, col, v"},
    {u"worksheet_get_range_value_type", u"sheet, address"},
    {u"worksheet_get_cell_value_type", u"sheet, row, col"},
    {u"worksheet_get_range_value_type_name", u"sheet, address"},
    {u"worksheet_get_cell_value_type_name", u"sheet, row, col"},
    {u"worksheet_set_range_color", u"sheet, address, color"},
    {u"worksheet_set_cell_color", u"sheet, row, col, color"},
    {u"worksheet_set_range_color_index", u"sheet, address, index"},
    {u"worksheet_set_cell_color_index", u"sheet, row, col, index"},
    {u"worksheet_set_range_font_style", u"sheet, address, style"},
    {u"worksheet_set_cell_font_style", u"sheet, row, col, style"},
    {u"worksheet_set_range_font_name", u"sheet, address, font"},
    {u"worksheet_set_cell_font_name", u"sheet, row, col, font"},
    {u"worksheet_set_range_font_size", u"sheet, address, size"},
    {u"worksheet_set_cell_font_size", u"sheet, row, col, size"},
    {u"worksheet_get_row_height", u"sheet, row"},
    {u"worksheet_set_row_height", u"sheet, row, height"},
    {u"worksheet_get_column_width", u"sheet, col"},
    {u"worksheet_set_column_width", u"sheet, col, width"},
    {u"worksheet_get_range_row_height", u"sheet, address"},
    {u"worksheet_set_range_row_height", u"sheet, address, height"},
    {u"worksheet_get_range_column_width", u"sheet, address"},
    {u"worksheet_set_range_column_width", u"sheet, address, width"},
};

}  // namespace

FamilyDocs excel_docs() { return {u"excel", u"Excel 自动化", kDocs, kParams}; }

}  // namespace quorin
