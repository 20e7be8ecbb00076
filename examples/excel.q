# Excel 自动化：启动电子表格程序，新建工作簿，填一张小表，读回单元格，
# 另存为 CSV 文件后退出。对象按“程序 → 工作簿集合 → 工作簿 → 工作表集合
# → 工作表”逐层取得；每个返回的对象句柄用完都要 com_object_free 释放。
int app = com_object_new("Excel.Application")
if app == 0
  println("无法启动电子表格程序")
  exit()
endif
# 另存时覆盖已有文件，不弹出确认框
excel_display_alert(app, 0)

int books = excel_get_workbooks(app)
int book = workbooks_add(books)
int sheets = workbook_get_worksheets(book)
int sheet = worksheets_get_index(sheets, 1)
worksheet_set_name(sheet, "库存")

# 单元格可以按地址（"A1"）写，也可以按行、列（都从 1 开始）写
worksheet_set_range_value_string(sheet, "A1", "商品")
worksheet_set_range_value_string(sheet, "B1", "数量")
worksheet_set_range_value_string(sheet, "C1", "单价")
worksheet_set_cell_value_string(sheet, 2, 1, "苹果")
worksheet_set_cell_value_int(sheet, 2, 2, 120)
worksheet_set_cell_value_double(sheet, 2, 3, 3.5)
worksheet_set_cell_value_string(sheet, 3, 1, "香蕉")
worksheet_set_cell_value_int(sheet, 3, 2, 80)
worksheet_set_cell_value_double(sheet, 3, 3, 2.25)
worksheet_set_cell_value_string(sheet, 4, 1, "橙子")
worksheet_set_cell_value_int(sheet, 4, 2, 45)
worksheet_set_cell_value_double(sheet, 4, 3, 4)

# 读回：值按要求的类型转换；空单元格读作空文本，类型名为 empty
println("工作表: " + worksheet_get_name(sheet) + "，共 " + worksheets_get_count(sheets) + " 个")
double total = 0
for int row = 2 to 4
  string name = worksheet_get_cell_value_string(sheet, row, 1)
  int qty = worksheet_get_cell_value_int(sheet, row, 2)
  double price = worksheet_get_cell_value_double(sheet, row, 3)
  println(name + " × " + qty + " = " + qty * price)
  total = total + qty * price
next
println("合计: " + total)
println("D2 的类型: " + worksheet_get_range_value_type_name(sheet, "D2"))

# 另存为 CSV：只给路径时按扩展名选择格式（.csv 为 6），成功返回 1
string path = get_full_path("库存.csv")
println("另存为 CSV: " + workbook_save_as(book, path))
# CSV 文件是 UTF-8 文本，每行以 "\r\n" 结束
string text
file_read(path, text, "utf-8")
string csv_row
for csv_row in split(trim(text), "\r\n")
  println("  " + csv_row)
next
# 这只是演示，读完就删掉导出的文件
file_delete(path)

# 关闭工作簿、退出程序，再释放全部句柄（从里到外）
workbook_close(book)
com_object_free(sheet)
com_object_free(sheets)
com_object_free(book)
com_object_free(books)
excel_quit(app)
com_object_free(app)
