// The spreadsheet and database builtins are registered with the exact
// signatures scripts call them by, on both targets; the save format a path
// chooses and the value-type names.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "builtins/docs.h"
#include "builtins/excel/excel_builtins.h"
#include "builtins/tables.h"
#include "interp/frontend/compile_fixture.h"
#include "support/format.h"

namespace quorin {
namespace {

const char* kEveryCall = R"(int app = 0
int books = 0
int book = 0
int sheets = 0
int sheet = 0
int i = 0
long l = 0
double d = 0
string s = ""
s = excel_get_version(app)
excel_display_alert(app, 0)
excel_show_window(app)
excel_hide_window(app)
books = excel_get_workbooks(app)
book = excel_get_active_workbook(app)
sheet = excel_get_active_worksheet(app)
excel_quit(app)
i = workbooks_get_count(books)
book = workbooks_get_index(books, 1)
book = workbooks_add(books)
book = workbooks_open(books, "C:\\a.xlsx")
workbooks_close(books)
sheets = workbook_get_worksheets(book)
i = workbook_save(book)
i = workbook_save_as(book, "C:\\a.csv", 6)
i = workbook_save_as(book, "C:\\a.csv")
i = workbook_save_copy_as(book, "C:\\b.xlsx")
workbook_close(book)
i = worksheets_get_count(sheets)
sheet = worksheets_get_index(sheets, 1)
sheet = worksheets_get_item(sheets, "销售")
sheet = worksheets_add(sheets)
worksheets_select_index(sheets, 2)
worksheets_select_item(sheets, "销售")
s = worksheet_get_name(sheet)
worksheet_set_name(sheet, "汇总")
worksheet_select(sheet)
worksheet_delete(sheet)
worksheet_copy(sheet)
i = worksheet_save_as(sheet, "C:\\a.ods", 60)
i = worksheet_save_as(sheet, "C:\\a.ods")
i = worksheet_get_range_value_boolean(sheet, "A1")
i = worksheet_get_range_value_int(sheet, "A1")
l = worksheet_get_range_value_long(sheet, "A1")
d = worksheet_get_range_value_double(sheet, "A1")
d = worksheet_get_range_value_currency(sheet, "A1")
d = worksheet_get_range_value_date(sheet, "A1")
s = worksheet_get_range_value_string(sheet, "A1")
worksheet_set_range_value_boolean(sheet, "A1", 1)
worksheet_set_range_value_int(sheet, "A1", 1)
worksheet_set_range_value_long(sheet, "A1", l)
worksheet_set_range_value_double(sheet, "A1", 1.5)
worksheet_set_range_value_currency(sheet, "A1", 1.5)
worksheet_set_range_value_date(sheet, "A1", 45000.5)
worksheet_set_range_value_string(sheet, "A1", "文本")
i = worksheet_get_cell_value_boolean(sheet, 1, 2)
i = worksheet_get_cell_value_int(sheet, 1, 2)
l = worksheet_get_cell_value_long(sheet, 1, 2)
d = worksheet_get_cell_value_double(sheet, 1, 2)
d = worksheet_get_cell_value_currency(sheet, 1, 2)
d = worksheet_get_cell_value_date(sheet, 1, 2)
s = worksheet_get_cell_value_string(sheet, 1, 2)
worksheet_set_cell_value_boolean(sheet, 1, 2, 0)
worksheet_set_cell_value_int(sheet, 1, 2, 3)
worksheet_set_cell_value_long(sheet, 1, 2, l)
worksheet_set_cell_value_double(sheet, 1, 2, 2.5)
worksheet_set_cell_value_currency(sheet, 1, 2, 2.5)
worksheet_set_cell_value_date(sheet, 1, 2, 2.5)
worksheet_set_cell_value_string(sheet, 1, 2, "x")
i = worksheet_get_range_value_type(sheet, "A1")
i = worksheet_get_cell_value_type(sheet, 1, 1)
s = worksheet_get_range_value_type_name(sheet, "A1")
s = worksheet_get_cell_value_type_name(sheet, 1, 1)
worksheet_set_range_color(sheet, "A1:B2", 255)
worksheet_set_cell_color(sheet, 1, 1, 255)
worksheet_set_range_color_index(sheet, "A1", 3)
worksheet_set_cell_color_index(sheet, 1, 1, 3)
worksheet_set_range_font_style(sheet, "A1", "加粗")
worksheet_set_cell_font_style(sheet, 1, 1, "加粗")
worksheet_set_range_font_name(sheet, "A1", "宋体")
worksheet_set_cell_font_name(sheet, 1, 1, "宋体")
worksheet_set_range_font_size(sheet, "A1", 12)
worksheet_set_cell_font_size(sheet, 1, 1, 12)
d = worksheet_get_row_height(sheet, 5)
worksheet_set_row_height(sheet, 5, 20.5)
d = worksheet_get_column_width(sheet, 2)
worksheet_set_column_width(sheet, 2, 12)
d = worksheet_get_range_row_height(sheet, "A1")
worksheet_set_range_row_height(sheet, "A1", 20)
d = worksheet_get_range_column_width(sheet, "A1")
worksheet_set_range_column_width(sheet, "A1", 20)
int conn = 0
int rs = 0
connection_open(conn, "Provider=MSDASQL;Data Source=db")
rs = connection_execute(conn, "SELECT 1")
connection_close(conn)
short sh = recordset_get_short(rs, "f")
i = recordset_get_int(rs, "f")
i = recordset_get_boolean(rs, "f")
l = recordset_get_long(rs, "f")
d = recordset_get_date(rs, "f")
float f = recordset_get_float(rs, "f")
d = recordset_get_double(rs, "f")
s = recordset_get_string(rs, "f")
i = recordset_get_type(rs, "f")
s = recordset_get_type_name(rs, "f")
i = recordset_bof(rs)
i = recordset_eof(rs)
i = recordset_get_count(rs)
recordset_move_next(rs)
recordset_close(rs)
)";

TEST(OfficeRegistry, EveryBuiltinWithItsOverloads) {
  BuiltinTable excel = excel_table();
  BuiltinTable ado = ado_table();
  EXPECT_EQ(excel.count, 82u);
  EXPECT_EQ(ado.count, 18u);
  std::set<std::u16string> names;
  int save_as = 0;
  for (size_t i = 0; i < excel.count; ++i) {
    names.insert(excel.entries[i].name);
    save_as += std::u16string_view(excel.entries[i].name).ends_with(u"_save_as");
  }
  EXPECT_EQ(names.size(), 80u);
  EXPECT_EQ(save_as, 4);
  for (size_t i = 0; i < ado.count; ++i) names.insert(ado.entries[i].name);
  EXPECT_EQ(names.size(), 98u);
  auto c = testing::compile_text(kEveryCall);
  EXPECT_EQ(c.errors(), "");
}

TEST(OfficeRegistry, HandlesAreTakenByReference) {
  EXPECT_NE(testing::compile_text("int i = workbooks_get_count(5)\n").errors(), "");
  EXPECT_NE(testing::compile_text("recordset_close(0)\n").errors(), "");
}

TEST(OfficeNames, SaveFormatFollowsTheExtensionInAnyCase) {
  EXPECT_EQ(excel::format_for_path(u"C:\\data\\a.CSV"), 6);
  EXPECT_EQ(excel::format_for_path(u"a.csv"), 6);
  EXPECT_EQ(excel::format_for_path(u"a.Xls"), 56);
  EXPECT_EQ(excel::format_for_path(u"a.ods"), 60);
  EXPECT_EQ(excel::format_for_path(u"a.xlsx"), 51);
  EXPECT_EQ(excel::format_for_path(u"a.csv.bak"), 51);
  EXPECT_EQ(excel::format_for_path(u"csv"), 51);
  EXPECT_EQ(excel::format_for_path(u""), 51);
}

TEST(OfficeNames, ValueTypeNamesDifferFromTheComLayerForSmallIntegers) {
  // Cells hold numbers: every integer width reads as "int", both floating
  // widths as "double".
  EXPECT_EQ(excel::value_type_name(2), u"int");
  EXPECT_EQ(excel::value_type_name(16), u"int");
  EXPECT_EQ(excel::value_type_name(4), u"double");
  EXPECT_EQ(excel::value_type_name(20), u"long");
  EXPECT_EQ(excel::value_type_name(0), u"empty");
  EXPECT_EQ(excel::value_type_name(9), u"未知(vt=9)\n");
  EXPECT_EQ(excel::value_type_name(8204), u"未知(vt=8204)\n");
}

}  // namespace
}  // namespace quorin

namespace quorin {
FamilyDocs excel_docs();
FamilyDocs ado_docs();
namespace {

// One reference entry per builtin name, none for a name not registered; the
// examples compile.
TEST(OfficeDocs, EveryBuiltinNameHasOneEntry) {
  for (auto [table, docs] : {std::pair{excel_table(), excel_docs()}, std::pair{ado_table(), ado_docs()}}) {
    std::set<std::u16string> names, documented;
    for (size_t i = 0; i < table.count; ++i) names.insert(table.entries[i].name);
    for (const BuiltinDoc& d : docs.entries) {
      EXPECT_TRUE(documented.insert(d.name).second) << to_utf8(d.name);
      EXPECT_NE(std::u16string_view(d.summary), u"");
      if (d.example) {
        EXPECT_EQ(testing::compile_text(to_utf8(d.example)).errors(), "") << to_utf8(d.name);
      }
    }
    EXPECT_EQ(documented, names) << to_utf8(docs.family);
  }
}

}  // namespace
}  // namespace quorin
