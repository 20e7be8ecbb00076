// The spreadsheet and database builtins against the project's own office
// test server (registered under the spreadsheet application's programmatic
// identifier in this prefix only) and, for connections, Wine's ADO over ODBC
// to a real SQLite database.
#include <windows.h>
#include <objbase.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "interp/win32/com_test_support.h"

namespace quorin {
namespace {

using Outcome = testing::ScriptOutcome;
using testing::run_script;

std::string temp_folder() {
  wchar_t buf[MAX_PATH];
  DWORD n = GetTempPathW(MAX_PATH, buf);
  std::wstring w(buf, n);
  w += L"quorin_office";
  CreateDirectoryW(w.c_str(), nullptr);
  return to_utf8(std::u16string(w.begin(), w.end())) + "\\";
}

std::string slurp(const std::string& path) {
  std::u16string w = from_utf8(path);
  HANDLE f = CreateFileW(std::wstring(w.begin(), w.end()).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return "(missing)";
  std::string out;
  char buf[65536];
  DWORD got = 0;
  while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
  CloseHandle(f);
  return out;
}

// Script text with "$T" replaced by the temporary folder (backslashes doubled).
std::string with_folder(std::string script, const std::string& folder) {
  std::string escaped;
  for (char c : folder) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  for (size_t at = script.find("$T"); at != std::string::npos; at = script.find("$T", at + escaped.size()))
    script.replace(at, 2, escaped);
  return script;
}

// The office server's classes, in this prefix only.  Also run on its own
// (OfficeClasses) before the example scripts that drive the spreadsheet and
// the database through the same classes.
void register_office_classes() {
  const wchar_t* dll = L"quorin_test_office_server.dll";
  testing::register_test_class(L"Excel.Application", L"{3E8B7A10-5C2D-4F61-9A7E-0B1C2D3E4F01}", dll);
  testing::register_test_class(L"Quorin.TestConnection", L"{3E8B7A10-5C2D-4F61-9A7E-0B1C2D3E4F02}", dll);
  testing::register_test_class(L"Quorin.TestRecordset", L"{3E8B7A10-5C2D-4F61-9A7E-0B1C2D3E4F03}", dll);
}

class Office : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { register_office_classes(); }
};

TEST(OfficeClasses, RegisteredUnderTheirProgIds) {
  register_office_classes();
  CLSID clsid;
  EXPECT_EQ(CLSIDFromProgID(L"Excel.Application", &clsid), S_OK);
  EXPECT_EQ(CLSIDFromProgID(L"Quorin.TestConnection", &clsid), S_OK);
}

// ---- the spreadsheet ----

TEST_F(Office, FillReadBackAndSaveAsCsv) {
  const std::string folder = temp_folder();
  Outcome o = run_script(with_folder(R"(int app = com_object_new("Excel.Application")
excel_display_alert(app, 0)
excel_hide_window(app)
println(excel_get_version(app))
int books = excel_get_workbooks(app)
int book = workbooks_add(books)
int sheets = workbook_get_worksheets(book)
int sheet = worksheets_get_index(sheets, 1)
worksheet_set_name(sheet, "销售")
worksheet_set_range_value_string(sheet, "A1", "产品")
worksheet_set_range_value_string(sheet, "B1", "数量")
worksheet_set_range_value_string(sheet, "C1", "单价")
worksheet_set_range_value_string(sheet, "D1", "在售")
worksheet_set_cell_value_string(sheet, 2, 1, "苹果, 红")
worksheet_set_cell_value_int(sheet, 2, 2, 120)
worksheet_set_cell_value_currency(sheet, 2, 3, 3.5)
worksheet_set_cell_value_boolean(sheet, 2, 4, 1)
worksheet_set_cell_value_string(sheet, 3, 1, "梨")
worksheet_set_cell_value_long(sheet, 3, 2, 5000000000)
worksheet_set_cell_value_double(sheet, 3, 3, 2.25)
worksheet_set_cell_value_boolean(sheet, 3, 4, 0)
worksheet_set_range_value_date(sheet, "E2", 45413.5)
println(worksheet_get_name(sheet) + " " + worksheets_get_count(sheets) + " " + workbooks_get_count(books))
println(worksheet_get_cell_value_string(sheet, 2, 1) + "|" + worksheet_get_range_value_int(sheet, "B2") + "|" + worksheet_get_cell_value_currency(sheet, 2, 3) + "|" + worksheet_get_cell_value_string(sheet, 2, 3))
println(worksheet_get_range_value_long(sheet, "B3") + " " + worksheet_get_range_value_double(sheet, "C3") + " " + worksheet_get_cell_value_boolean(sheet, 2, 4) + " " + worksheet_get_cell_value_string(sheet, 3, 4))
println(worksheet_get_range_value_date(sheet, "E2") + " " + worksheet_get_range_value_string(sheet, "E2"))
println(worksheet_get_cell_value_type_name(sheet, 2, 2) + " " + worksheet_get_range_value_type_name(sheet, "C2") + " " + worksheet_get_range_value_type_name(sheet, "B3") + " " + worksheet_get_cell_value_type_name(sheet, 2, 4) + " " + worksheet_get_cell_value_type_name(sheet, 2, 5) + " " + worksheet_get_cell_value_type_name(sheet, 1, 1))
println("[" + worksheet_get_cell_value_string(sheet, 9, 9) + "] " + worksheet_get_cell_value_type_name(sheet, 9, 9) + " " + worksheet_get_cell_value_type(sheet, 9, 9) + " " + worksheet_get_cell_value_int(sheet, 9, 9))
println(workbook_save(book))
println(workbook_save_as(book, "$Tsales.CSV"))
println(workbook_save(book))
println(workbook_save_as(book, "$Tsales.xlsx"))
println(workbook_save_copy_as(book, "$Tcopy.ods"))
println(workbook_save_as(book, "$Tno_such_folder\\x.csv"))
workbook_close(book)
println(workbooks_get_count(books))
int again = workbooks_open(books, "$Tsales.CSV")
int first = excel_get_active_worksheet(app)
println(worksheet_get_name(first) + " " + worksheet_get_cell_value_string(first, 2, 1) + " " + worksheet_get_cell_value_double(first, 3, 2) + " " + worksheet_get_range_value_type_name(first, "D2"))
int missing = workbooks_open(books, "$Tmissing.csv")
int code = get_last_error()
println(missing + " " + code)
com_object_free(first)
com_object_free(again)
com_object_free(sheet)
com_object_free(sheets)
com_object_free(book)
com_object_free(books)
excel_quit(app)
com_object_free(app)
)",
                              folder));
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.out,
            "16.0\n"
            "销售 1 1\n"
            "苹果, 红|120|3.500000|3.50\n"
            "5000000000 2.250000 1 false\n"
            "45413.500000 2024-05-01 12:00:00\n"
            "int currency long boolean date string\n"
            "[] empty 0 0\n"
            "0\n1\n1\n1\n1\n0\n"
            "0\n"
            "sales 苹果, 红 5000000000.000000 boolean\n"
            "0 -2147352567\n");
  const std::string csv = slurp(folder + "sales.CSV");
  EXPECT_EQ(csv,
            "产品,数量,单价,在售,\r\n"
            "\"苹果, 红\",120,3.5,TRUE,2024/5/1 12:00:00\r\n"
            "梨,5000000000,2.25,FALSE,\r\n");
  std::printf("sales.CSV:\n%s", csv.c_str());
  EXPECT_EQ(slurp(folder + "sales.xlsx").substr(0, 40), "QUORIN-TEST-WORKBOOK format=51\r\n[销售]");
  EXPECT_EQ(slurp(folder + "copy.ods").substr(0, 32), "QUORIN-TEST-WORKBOOK format=60\r\n");
}

TEST_F(Office, MembersArgumentsAndVariantTypesSent) {
  Outcome o = run_script(R"(int app = com_object_new("Excel.Application")
string calls = com_object_get_string(app, "CallLog")
int books = excel_get_workbooks(app)
int book = workbooks_add(books)
int sheets = workbook_get_worksheets(book)
int sheet = worksheets_get_item(sheets, "Sheet1")
calls = com_object_get_string(app, "CallLog")
worksheet_set_cell_value_int(sheet, 3, 7, 1)
println(com_object_get_string(app, "CallLog"))
worksheet_set_range_value_currency(sheet, "B2", 12.5)
worksheet_set_range_value_date(sheet, "B3", 2.5)
worksheet_set_range_value_long(sheet, "B4", 2)
worksheet_set_range_value_boolean(sheet, "B5", 9)
worksheet_set_range_value_double(sheet, "B6", 1)
worksheet_set_range_value_string(sheet, "B7", "x")
println(com_object_get_string(app, "CallLog"))
println(worksheet_get_cell_value_type(sheet, 2, 2) + " " + worksheet_get_range_value_type(sheet, "B3") + " " + worksheet_get_range_value_boolean(sheet, "B5"))
calls = com_object_get_string(app, "CallLog")
worksheet_set_cell_color(sheet, 2, 2, 255)
worksheet_set_range_color_index(sheet, "A1:C3", 3)
worksheet_set_range_font_style(sheet, "A1", "加粗")
worksheet_set_cell_font_name(sheet, 1, 1, "黑体")
worksheet_set_range_font_size(sheet, "A1", 14)
println(com_object_get_string(app, "CallLog"))
int (*range)(string) = com_object_get_function(sheet, "Range")
int b2 = range("B2")
int c3 = range("C3")
println(com_object_get_int(b2, "Font.Color") + " " + com_object_get_int(c3, "Font.ColorIndex") + " " + com_object_get_int(b2, "Font.ColorIndex"))
int a1 = range("A1")
println(com_object_get_string(a1, "Font.FontStyle") + " " + com_object_get_string(a1, "Font.Name") + " " + com_object_get_int(a1, "Font.Size"))
worksheet_set_row_height(sheet, 5, 30.5)
worksheet_set_column_width(sheet, 3, 20)
calls = com_object_get_string(app, "CallLog")
println(worksheet_get_row_height(sheet, 5) + " " + worksheet_get_row_height(sheet, 6) + " " + worksheet_get_column_width(sheet, 3) + " " + worksheet_get_range_row_height(sheet, "A5") + " " + worksheet_get_range_column_width(sheet, "C9"))
println(com_object_get_string(app, "CallLog"))
worksheet_set_range_row_height(sheet, "A7:A8", 9)
worksheet_set_range_column_width(sheet, "D1", 3)
println(worksheet_get_row_height(sheet, 8) + " " + worksheet_get_column_width(sheet, 4))
calls = com_object_get_string(app, "CallLog")
println(workbook_save_as(book, "Z:\\nonexistent_dir\\a.b.XLS") + workbook_save_as(book, "Z:\\nonexistent_dir\\a.ods") + worksheet_save_as(sheet, "Z:\\nonexistent_dir\\a", 6))
println(com_object_get_string(app, "CallLog"))
com_object_free(a1)
com_object_free(c3)
com_object_free(b2)
com_object_free(sheet)
com_object_free(sheets)
com_object_free(book)
com_object_free(books)
println(com_object_get_int(app, "LiveObjects"))
com_object_free(app)
)");
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.out,
            // Cells: row then column in the caller's order (so the column is
            // the first variant passed), both VT_I4; Value put as VT_I4.
            "Cells:3(3:3,3:7) Value:4(=3)\n"
            "Range:3(8) Value:4(=6) Range:3(8) Value:4(=7) Range:3(8) Value:4(=20) Range:3(8) Value:4(=11) "
            "Range:3(8) Value:4(=5) Range:3(8) Value:4(=8)\n"
            "6 7 1\n"
            "Cells:3(3:2,3:2) Font:2() Color:4(=3) Range:3(8) Font:2() ColorIndex:4(=3) Range:3(8) Font:2() "
            "FontStyle:4(=8) Cells:3(3:1,3:1) Font:2() Name:4(=8) Range:3(8) Font:2() Size:4(=3)\n"
            "255 3 3\n"
            "加粗 黑体 14\n"
            "30.500000 13.500000 20.000000 30.500000 20.000000\n"
            "Cells:3(3:5,3:1) RowHeight:2() Cells:3(3:6,3:1) RowHeight:2() Cells:3(3:1,3:3) ColumnWidth:2() Range:3(8) "
            "RowHeight:2() Range:3(8) ColumnWidth:2()\n"
            "9.000000 3.000000\n"
            "0\n"
            "SaveAs:3(8,3:56) SaveAs:3(8,3:60) SaveAs:3(8,3:6)\n"
            "1\n");
}

TEST_F(Office, SheetsAddedLastSelectedDeletedAndCopied) {
  Outcome o = run_script(R"(int app = com_object_new("Excel.Application")
int books = excel_get_workbooks(app)
println(excel_get_active_workbook(app) + " " + excel_get_active_worksheet(app))
int book = workbooks_add(books)
int sheets = workbook_get_worksheets(book)
int s2 = worksheets_add(sheets)
int s3 = worksheets_add(sheets)
string calls = com_object_get_string(app, "CallLog")
int s4 = worksheets_add(sheets)
println(com_object_get_string(app, "CallLog"))
string names = ""
for int i = 1 to worksheets_get_count(sheets)
  int s = worksheets_get_index(sheets, i)
  names = names + worksheet_get_name(s) + " "
  com_object_free(s)
next
println(names + worksheet_get_name(s4))
worksheets_select_index(sheets, 2)
int active = excel_get_active_worksheet(app)
print(worksheet_get_name(active) + " ")
com_object_free(active)
worksheets_select_item(sheets, "Sheet3")
active = excel_get_active_worksheet(app)
print(worksheet_get_name(active) + " ")
com_object_free(active)
worksheet_select(s4)
active = excel_get_active_worksheet(app)
println(worksheet_get_name(active))
com_object_free(active)
worksheet_delete(s2)
println(worksheets_get_count(sheets))
println(worksheets_get_item(sheets, "Sheet2") + " " + worksheets_get_index(sheets, 9) + " " + workbooks_get_index(books, 5))
worksheet_copy(s3)
println(workbooks_get_count(books))
int copy = excel_get_active_workbook(app)
int copy_sheets = workbook_get_worksheets(copy)
int copied = worksheets_get_index(copy_sheets, 1)
println(worksheet_get_name(copied))
int byindex = workbooks_get_index(books, 1)
int first_sheets = workbook_get_worksheets(byindex)
println(worksheets_get_count(first_sheets))
workbooks_close(books)
println(workbooks_get_count(books))
excel_show_window(app)
println(com_object_get_boolean(app, "Visible"))
excel_quit(app)
)");
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.out,
            "0 0\n"
            "Count:2() Item:3(3:3) Add:3(1,9)\n"
            "Sheet1 Sheet2 Sheet3 Sheet4 Sheet4\n"
            "Sheet2 Sheet3 Sheet4\n"
            "3\n"
            "0 0 0\n"
            "2\n"
            "Sheet3\n"
            "3\n"
            "0\n"
            "1\n");
}

TEST_F(Office, OpenTakesTheShortFormOfALongPath) {
  // A folder chain longer than 259 characters, a CSV file at its end.
  std::wstring dir;
  {
    wchar_t buf[MAX_PATH];
    DWORD n = GetTempPathW(MAX_PATH, buf);
    dir.assign(buf, n);
  }
  dir += L"quorin_office";
  CreateDirectoryW(dir.c_str(), nullptr);
  for (int i = 0; i < 6; ++i) {
    dir += L"\\a_rather_long_folder_name_for_the_path_rule_" + std::to_wstring(i);
    CreateDirectoryW((L"\\\\?\\" + dir).c_str(), nullptr);
  }
  const std::wstring file = dir + L"\\long_named_sheet.csv";
  ASSERT_GT(file.size(), 259u);
  HANDLE f = CreateFileW((L"\\\\?\\" + file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  DWORD done = 0;
  WriteFile(f, "7,eight\r\n", 9, &done, nullptr);
  CloseHandle(f);
  std::string path = to_utf8(std::u16string(file.begin(), file.end()));
  Outcome o = run_script(with_folder(R"(int app = com_object_new("Excel.Application")
int books = excel_get_workbooks(app)
int book = workbooks_open(books, "$T")
string full = com_object_get_string(book, "FullName")
if len(full) < 260
  println("short")
endif
if index_of(full, "~") > 0
  println("8.3")
endif
int sheet = excel_get_active_worksheet(app)
println(worksheet_get_cell_value_int(sheet, 1, 1) + worksheet_get_cell_value_string(sheet, 1, 2))
)",
                              path));
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.out, "short\n8.3\n7eight\n");
}

TEST_F(Office, FailuresEndTheRunWithTheirMessages) {
  struct Case {
    const char* script;
    const char* error;
  };
#define kSheet                                                                                              \
  "int app = com_object_new(\"Excel.Application\")\nint books = excel_get_workbooks(app)\nint book = "        \
  "workbooks_add(books)\nint sheets = workbook_get_worksheets(book)\nint sheet = worksheets_add(sheets)\n"
  const Case cases[] = {
      {"int s = 0\nworksheet_set_cell_value_int(s, 1, 1, 2)\n",
       "运行时错误：\n\n行: 2, worksheet_set_cell_value_int(ComObjectHandle, ...)\n\n参数: ComObjectHandle 的值不能为 0"},
      {"int app = 0\nprintln(excel_get_version(app))\n",
       "运行时错误：\n\n行: 2, excel_get_version(ComObjectHandle, ...)\n\n参数: ComObjectHandle 的值不能为 0"},
      {"int b = 0\nprintln(workbooks_add(b))\n",
       "运行时错误：\n\n行: 2, workbooks_add(ComObjectHandle, ...)\n\n参数: ComObjectHandle 的值不能为 0"},
      {"int s = 0\nprintln(worksheet_get_range_value_int(s, \"A1\"))\n",
       "运行时错误：\n\n行: 2, worksheet_get_range_value_int(ComObjectHandle, ...)\n\n参数: ComObjectHandle 的值不能为 0"},
      {kSheet "println(worksheet_get_range_value_int(sheet, \"A0\"))\n",
       "运行时错误：\n\n行: 6, worksheet_get_range_value_int(...) 返回的错误代码: 0x80020009(2147614729)"},
      {kSheet "println(worksheet_get_range_value_type(sheet, \"#none\"))\n",
       "运行时错误：\n\n行: 6, worksheet_get_range_value_type(..., #none) -> getRangeObject() 返回 NULL"},
      {kSheet "println(worksheet_get_cell_value_type_name(sheet, 0, 0))\n",
       "运行时错误：\n\n行: 6, worksheet_get_cell_value_type_name(..., 0,0) -> getCellObject() 返回 NULL"},
      {kSheet "println(worksheet_get_cell_value_string(sheet, 0, 0))\n",
       "运行时错误：\n\n行: 6, com_object_get_string(ComObjectHandle, ...)\n\n参数: ComObjectHandle 的值不能为 0"},
      {kSheet "worksheet_set_cell_value_currency(sheet, 2, 2, 100000000000000000000.0)\n",
       "运行时错误：\n\n行: 6, worksheet_set_cell_value_currency(%d, 'Value', ...) 发生错误: 属性值溢出"},
  };
  for (const Case& c : cases) {
    Outcome o = run_script(c.script);
    std::string expected = c.error;
    size_t at = expected.find("%d");
    if (at != std::string::npos) {
      // The range object's handle is not known in advance.
      ASSERT_EQ(o.error.substr(0, at), expected.substr(0, at)) << c.script;
      EXPECT_NE(o.error.find(expected.substr(at + 2)), std::string::npos) << o.error;
      continue;
    }
    EXPECT_EQ(o.error, expected) << c.script;
    EXPECT_EQ(o.out, "") << c.script;
  }
  // A handle never handed out, and a write the server refuses.
  Outcome o = run_script("int s = 12345\nprintln(worksheet_get_name(s))\n");
  EXPECT_NE(o.error.find("worksheet_get_name"), std::string::npos) << o.error;
  o = run_script(kSheet "worksheet_set_row_height(sheet, 2, 500)\n");
  EXPECT_NE(o.error.find("com_object_set_double("), std::string::npos) << o.error;
  EXPECT_NE(o.error.find("'RowHeight', 500.000000) 发生错误。\n\nInvoke() 返回值: -2147352567 (0x80020009)"),
            std::string::npos)
      << o.error;
#undef kSheet
}

// ---- the database: recordset double ----

TEST_F(Office, RecordsetFieldsOfEveryType) {
  Outcome o = run_script(R"(int conn = com_object_new("Quorin.TestConnection")
connection_open(conn, "Data Source=any")
int rs = connection_execute(conn, "SELECT * FROM t")
println(recordset_get_count(rs) + " " + recordset_bof(rs) + " " + recordset_eof(rs))
for int k = 1 to recordset_get_count(rs)
  print(recordset_get_int(rs, "id") + " " + recordset_get_int(rs, "qty") + " " + recordset_get_type_name(rs, "qty") + " " + recordset_get_type(rs, "qty"))
  print(" | " + recordset_get_string(rs, "price") + " " + recordset_get_double(rs, "price") + " " + recordset_get_int(rs, "price") + " " + recordset_get_type_name(rs, "price"))
  print(" | " + recordset_get_string(rs, "born") + " " + recordset_get_date(rs, "born") + " " + recordset_get_int(rs, "born"))
  print(" | " + recordset_get_string(rs, "name") + " " + recordset_get_boolean(rs, "active") + " " + recordset_get_long(rs, "big") + " " + recordset_get_float(rs, "ratio") + " " + recordset_get_short(rs, "small"))
  string note = recordset_get_string(rs, "note")
  println(" | " + len(note) + " " + right(note, 4))
  recordset_move_next(rs)
next
println(recordset_eof(rs))
recordset_close(rs)
com_object_free(rs)
connection_close(conn)
int none = 0
connection_open(none, "x")
println(connection_execute(none, "x"))
connection_close(none)
recordset_move_next(none)
recordset_close(none)
com_object_free(conn)
)");
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.out,
            "3 0 0\n"
            "1 10 int 3 | 12.50 12.500000 12 currency | 2024-05-01 12:00:00 45413.500000 0 | 张三 1 9000000000 "
            "0.250000 -7 | 303 本end\n"
            "2 0 null 1 | 13.50 13.500000 13 currency | 2024-05-02 12:00:00 45414.500000 0 | 李四 0 9000000001 "
            "0.500000 -14 | 303 本end\n"
            "3 30 int 3 | 14.50 14.500000 14 currency | 2024-05-03 12:00:00 45415.500000 0 | O'Brien 0 9000000002 "
            "0.750000 -21 | 303 本end\n"
            "1\n"
            "0\n");
}

TEST_F(Office, RecordsetFailures) {
  const std::string open = R"(int conn = com_object_new("Quorin.TestConnection")
connection_open(conn, "Data Source=any")
int rs = connection_execute(conn, "SELECT 1")
)";
  struct Case {
    std::string script;
    std::string error;
  };
  const Case cases[] = {
      {open + "println(recordset_get_int(rs, \"nope\"))\n",
       "运行时错误：\n\n行: 4, 调用COM组件(Recordset)中的函数 Item('nope') 时发生错误，Invoke()返回值: -2147352567 "
       "(0x80020009)"},
      {open + "println(recordset_get_string(rs, \"#number\"))\n",
       "运行时错误：\n\n行: 4, COM组件(" },
      {open + "recordset_close(rs)\nprintln(recordset_get_int(rs, \"id\"))\n",
       "运行时错误：\n\n行: 5, com_object_get_int(ComObjectHandle, ...)\n\n参数: ComObjectHandle 的值不能为 0"},
      {open + "recordset_close(rs)\nprintln(recordset_eof(rs))\n",
       "运行时错误：\n\n行: 5, com_object_get_boolean("},
      {open + "recordset_move_next(rs)\nrecordset_move_next(rs)\nrecordset_move_next(rs)\nrecordset_move_next(rs)\n",
       "运行时错误：\n\n行: 7, 调用COM组件(Recordset)中的函数 MoveNext() 时发生错误，Invoke()返回值: -2147352567 "
       "(0x80020009)"},
      {"int rs = 0\nprintln(recordset_get_double(rs, \"id\"))\n",
       "运行时错误：\n\n行: 2, com_object_get_double(ComObjectHandle, ...)\n\n参数: ComObjectHandle 的值不能为 0"},
      {"int rs = 0\nprintln(recordset_get_type_name(rs, \"id\"))\n",
       "运行时错误：\n\n行: 2, com_object_get_type_name(ComObjectHandle, ...)\n\n参数: ComObjectHandle 的值不能为 0"},
      {"int rs = 0\nprintln(recordset_get_count(rs))\n",
       "运行时错误：\n\n行: 2, com_object_get_int(ComObjectHandle, ...)\n\n参数: ComObjectHandle 的值不能为 0"},
      {"int conn = com_object_new(\"Quorin.TestConnection\")\nconnection_open(conn, \"DSN=none\")\n",
       "运行时错误：\n\n行: 2, connection_open(...) 返回的错误代码: 0x80004005(2147500037)"},
      {"int conn = com_object_new(\"Quorin.TestConnection\")\nprintln(connection_execute(conn, \"x\"))\n",
       "运行时错误：\n\n行: 2, connection_execute(...) 返回的错误代码: 0x80020009(2147614729)"},
      {"int rs = com_object_new(\"Quorin.TestConnection\")\nrecordset_move_next(rs)\n",
       "运行时错误：\n\n行: 2, COM组件(Recordset)中函数 'MoveNext()' 不存在"},
  };
  for (const Case& c : cases) {
    Outcome o = run_script(c.script);
    EXPECT_EQ(o.error.substr(0, c.error.size()), c.error) << c.script << "\n" << o.error;
  }
  Outcome o = run_script(cases[1].script);
  EXPECT_NE(o.error.find(")->Fields->Item() 函数返回值类型不符合预期"), std::string::npos) << o.error;
}

// ---- the database: Wine's ADO over ODBC to SQLite ----

// Wine's ADO type library registered as version 1.0 (late binding asks for
// that version): copied out of the provider DLL with its version field set.
// Returns what went wrong, or nothing.
std::string register_ado_type_library() {
  // The provider DLL is loaded by creating a connection (the prefix may
  // hold no file of that name for a plain LoadLibrary).
  CoInitialize(nullptr);
  CLSID clsid;
  IUnknown* conn = nullptr;
  if (FAILED(CLSIDFromProgID(L"ADODB.Connection", &clsid)) ||
      FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&conn))))
    return "no ADODB.Connection";
  HMODULE dll = GetModuleHandleW(L"msado15.dll");
  conn->Release();
  if (!dll) return "msado15.dll is not loaded";
  HRSRC res = FindResourceW(dll, MAKEINTRESOURCEW(1), L"TYPELIB");
  if (!res) return "no type library resource: " + std::to_string(GetLastError());
  const char* data = static_cast<const char*>(LockResource(LoadResource(dll, res)));
  std::string bytes(data, SizeofResource(dll, res));
  size_t at = bytes.find(std::string("MSFT\x02\x00\x01\x00", 8));
  if (at == std::string::npos) return "no type library signature";
  bytes = bytes.substr(at);
  const uint32_t one = 1;
  std::memcpy(&bytes[24], &one, 4);
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  const std::wstring path = std::wstring(windows) + L"\\adodb10.tlb";
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return "cannot write the type library";
  DWORD done = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
  CloseHandle(f);
  testing::set_machine_key(L"Software\\Classes\\Typelib\\{2A75196C-D9EB-4129-B803-931327F72D5C}\\1.0\\0\\win32",
                           nullptr, path);
  return "";
}

TEST(AdoOdbc, ConnectionOpenExecuteCloseOnSqlite) {
  const char* db = std::getenv("QUORIN_ODBC_DATABASE");
  if (!db || !std::getenv("ODBCSYSINI")) GTEST_SKIP() << "no ODBC data source set up for this run";
  ASSERT_EQ(register_ado_type_library(), "");
  Outcome o = run_script(R"q(int conn = com_object_new("ADODB.Connection")
if conn != 0
  println("created")
endif
connection_open(conn, "Provider=MSDASQL;Data Source=quorin_test")
println(com_object_get_int(conn, "State"))
int rs = connection_execute(conn, "DROP TABLE IF EXISTS goods")
com_object_free(rs)
rs = connection_execute(conn, "CREATE TABLE goods (id INTEGER, name TEXT, price REAL)")
com_object_free(rs)
rs = connection_execute(conn, "INSERT INTO goods VALUES (1, '青苹果', 3.5)")
com_object_free(rs)
rs = connection_execute(conn, "INSERT INTO goods VALUES (2, 'pear', 2.25)")
com_object_free(rs)
rs = connection_execute(conn, "SELECT name FROM goods ORDER BY id")
if rs != 0
  println("recordset")
endif
println(recordset_eof(rs))
recordset_close(rs)
com_object_free(rs)
connection_close(conn)
println(com_object_get_int(conn, "State"))
com_object_free(conn)
)q");
  EXPECT_EQ(o.error, "");
  // Wine's provider fetches no rows: the SELECT's recordset is at its end.
  EXPECT_EQ(o.out, "created\n1\nrecordset\n1\n0\n");
  // The rows are in the database file (SQLite keeps text as UTF-8).
  std::string file = slurp(std::string("Z:") + db);
  EXPECT_NE(file.find("青苹果"), std::string::npos);
  EXPECT_NE(file.find("pear"), std::string::npos);

  o = run_script(R"(int conn = com_object_new("ADODB.Connection")
connection_open(conn, "Provider=MSDASQL;Data Source=quorin_test")
int rs = connection_execute(conn, "SELECT FROM nowhere")
)");
  EXPECT_EQ(o.error.substr(0, o.error.find("0x")), "运行时错误：\n\n行: 3, connection_execute(...) 返回的错误代码: ");
}

}  // namespace
}  // namespace quorin
