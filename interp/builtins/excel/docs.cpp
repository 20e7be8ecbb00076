// Reference text of the spreadsheet builtins.
#include "builtins/docs.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"excel_get_version", u"读取电子表格程序的版本号文本"},
    {u"excel_display_alert", u"设置是否显示程序的提示对话框（非 0 显示，0 不显示）"},
    {u"excel_show_window", u"显示电子表格程序的窗口"},
    {u"excel_hide_window", u"隐藏电子表格程序的窗口"},
    {u"excel_get_workbooks", u"取得程序的工作簿集合对象，用完后以 com_object_free 释放"},
    {u"excel_get_active_workbook", u"取得当前活动的工作簿对象；没有打开的工作簿时返回 0"},
    {u"excel_get_active_worksheet", u"取得当前活动的工作表对象；没有时返回 0"},
    {u"excel_quit", u"退出电子表格程序"},
    {u"workbooks_get_count", u"返回工作簿集合中工作簿的个数"},
    {u"workbooks_get_index", u"按序号（从 1 开始）取得工作簿对象，失败返回 0"},
    {u"workbooks_add", u"新建一个工作簿并返回其对象，失败返回 0",
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
    {u"workbooks_open", u"打开指定路径的工作簿文件并返回其对象，失败返回 0；过长的路径自动改用短路径"},
    {u"workbooks_close", u"关闭所有工作簿"},
    {u"workbook_get_worksheets", u"取得工作簿的工作表集合对象"},
    {u"workbook_save", u"保存工作簿，成功返回 1，失败返回 0"},
    {u"workbook_save_as", u"将工作簿另存为指定路径；可给出格式代码，省略时按扩展名选择（.xls、.csv、.ods 或其他），成功返回 1",
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
    {u"workbook_save_copy_as", u"将工作簿的副本保存到指定路径，成功返回 1，失败返回 0"},
    {u"workbook_close", u"关闭工作簿"},
    {u"worksheets_get_count", u"返回工作表集合中工作表的个数"},
    {u"worksheets_get_index", u"按序号（从 1 开始）取得工作表对象，失败返回 0"},
    {u"worksheets_get_item", u"按名称取得工作表对象，失败返回 0"},
    {u"worksheets_add", u"在最后一个工作表之后新建工作表并返回其对象，失败返回 0"},
    {u"worksheets_select_index", u"按序号选中工作表"},
    {u"worksheets_select_item", u"按名称选中工作表"},
    {u"worksheet_get_name", u"读取工作表的名称"},
    {u"worksheet_set_name", u"修改工作表的名称"},
    {u"worksheet_select", u"选中该工作表"},
    {u"worksheet_delete", u"删除该工作表"},
    {u"worksheet_copy", u"复制该工作表"},
    {u"worksheet_save_as", u"将工作表另存为指定路径；可给出格式代码，省略时按扩展名选择，成功返回 1"},
    {u"worksheet_get_range_value_boolean", u"读取区域（如 A1）的值，为真返回 1，否则返回 0"},
    {u"worksheet_get_range_value_int", u"读取区域的值并转换为 int"},
    {u"worksheet_get_range_value_long", u"读取区域的值并转换为 long"},
    {u"worksheet_get_range_value_double", u"读取区域的值并转换为 double"},
    {u"worksheet_get_range_value_currency", u"读取区域的货币值，转换为 double"},
    {u"worksheet_get_range_value_date", u"读取区域的日期值（自 1899-12-30 起的天数），不是日期时返回 0"},
    {u"worksheet_get_range_value_string", u"读取区域的值并转换为文本，空单元格为空文本",
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
    {u"worksheet_set_range_value_boolean", u"将区域的值写为布尔值（非 0 为真）"},
    {u"worksheet_set_range_value_int", u"将区域的值写为 int"},
    {u"worksheet_set_range_value_long", u"将区域的值写为 long"},
    {u"worksheet_set_range_value_double", u"将区域的值写为 double"},
    {u"worksheet_set_range_value_currency", u"将区域的值写为货币值"},
    {u"worksheet_set_range_value_date", u"将区域的值写为日期（自 1899-12-30 起的天数）"},
    {u"worksheet_set_range_value_string", u"将区域的值写为文本"},
    {u"worksheet_get_cell_value_boolean", u"读取单元格（行、列从 1 开始）的值，为真返回 1，否则返回 0"},
    {u"worksheet_get_cell_value_int", u"读取单元格的值并转换为 int"},
    {u"worksheet_get_cell_value_long", u"读取单元格的值并转换为 long"},
    {u"worksheet_get_cell_value_double", u"读取单元格的值并转换为 double"},
    {u"worksheet_get_cell_value_currency", u"读取单元格的货币值，转换为 double"},
    {u"worksheet_get_cell_value_date", u"读取单元格的日期值，不是日期时返回 0"},
    {u"worksheet_get_cell_value_string", u"读取单元格的值并转换为文本，空单元格为空文本"},
    {u"worksheet_set_cell_value_boolean", u"将单元格的值写为布尔值（非 0 为真）"},
    {u"worksheet_set_cell_value_int", u"将单元格的值写为 int"},
    {u"worksheet_set_cell_value_long", u"将单元格的值写为 long"},
    {u"worksheet_set_cell_value_double", u"将单元格的值写为 double"},
    {u"worksheet_set_cell_value_currency", u"将单元格的值写为货币值"},
    {u"worksheet_set_cell_value_date", u"将单元格的值写为日期"},
    {u"worksheet_set_cell_value_string", u"将单元格的值写为文本"},
    {u"worksheet_get_range_value_type", u"返回区域的值的类型代码（qrVT_ 常量）"},
    {u"worksheet_get_cell_value_type", u"返回单元格的值的类型代码（qrVT_ 常量）"},
    {u"worksheet_get_range_value_type_name", u"返回区域的值的类型名称，如 empty、int、double、string"},
    {u"worksheet_get_cell_value_type_name", u"返回单元格的值的类型名称，如 empty、int、double、string"},
    {u"worksheet_set_range_color", u"设置区域的字体颜色（RGB 值）"},
    {u"worksheet_set_cell_color", u"设置单元格的字体颜色（RGB 值）"},
    {u"worksheet_set_range_color_index", u"按调色板序号设置区域的字体颜色"},
    {u"worksheet_set_cell_color_index", u"按调色板序号设置单元格的字体颜色"},
    {u"worksheet_set_range_font_style", u"设置区域的字形，如“加粗”“倾斜”"},
    {u"worksheet_set_cell_font_style", u"设置单元格的字形，如“加粗”“倾斜”"},
    {u"worksheet_set_range_font_name", u"设置区域的字体名称"},
    {u"worksheet_set_cell_font_name", u"设置单元格的字体名称"},
    {u"worksheet_set_range_font_size", u"设置区域的字号"},
    {u"worksheet_set_cell_font_size", u"设置单元格的字号"},
    {u"worksheet_get_row_height", u"读取指定行的行高"},
    {u"worksheet_set_row_height", u"设置指定行的行高"},
    {u"worksheet_get_column_width", u"读取指定列的列宽"},
    {u"worksheet_set_column_width", u"设置指定列的列宽"},
    {u"worksheet_get_range_row_height", u"读取区域的行高"},
    {u"worksheet_set_range_row_height", u"设置区域的行高"},
    {u"worksheet_get_range_column_width", u"读取区域的列宽"},
    {u"worksheet_set_range_column_width", u"设置区域的列宽"},
};

}  // namespace

FamilyDocs excel_docs() { return {u"excel", u"Excel 自动化", kDocs}; }

}  // namespace quorin
