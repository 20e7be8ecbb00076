// Reference text of the database builtins.
#include "builtins/docs.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"connection_open", u"用连接字符串 connection_string 打开连接对象 conn，失败时以运行时错误结束。",
     u"int conn = com_object_new(\"ADODB.Connection\")\n"
     u"connection_open(conn, \"Provider=MSDASQL;Data Source=销售库\")\n"
     u"int rs = connection_execute(conn, \"INSERT INTO 客户 VALUES (1, '张三')\")\n"
     u"com_object_free(rs)\n"
     u"connection_close(conn)\n"
     u"com_object_free(conn)\n"},
    {u"connection_execute", u"在连接 conn 上执行一条 SQL 语句 sql，返回结果记录集对象，用完后先 recordset_close 再 com_object_free。",
     u"int conn = com_object_new(\"ADODB.Connection\")\n"
     u"connection_open(conn, \"Provider=MSDASQL;Data Source=销售库\")\n"
     u"int rs = connection_execute(conn, \"SELECT 姓名, 金额 FROM 订单\")\n"
     u"for int i = 1 to recordset_get_count(rs)\n"
     u"  println(recordset_get_string(rs, \"姓名\") + \" \" + recordset_get_double(rs, \"金额\"))\n"
     u"  recordset_move_next(rs)\n"
     u"next\n"
     u"recordset_close(rs)\n"
     u"com_object_free(rs)\n"
     u"connection_close(conn)\n"
     u"com_object_free(conn)\n"},
    {u"connection_close", u"关闭数据库连接 conn。"},
    {u"recordset_get_short", u"读取记录集 rs 当前记录中字段 field 的值并转换为 short。"},
    {u"recordset_get_int", u"读取记录集 rs 当前记录中字段 field 的值并转换为 int，NULL 为 0。"},
    {u"recordset_get_boolean", u"读取记录集 rs 当前记录中字段 field 的布尔值，为真返回 1，否则返回 0。"},
    {u"recordset_get_long", u"读取记录集 rs 当前记录中字段 field 的值并转换为 long。"},
    {u"recordset_get_date", u"读取记录集 rs 当前记录中字段 field 的日期值（自 1899-12-30 起的天数），不是日期时返回 0。"},
    {u"recordset_get_float", u"读取记录集 rs 当前记录中字段 field 的值并转换为 float。"},
    {u"recordset_get_double", u"读取记录集 rs 当前记录中字段 field 的值并转换为 double。"},
    {u"recordset_get_string", u"读取记录集 rs 当前记录中字段 field 的值并转换为文本，货币保留两位小数。"},
    {u"recordset_get_type", u"返回记录集 rs 当前记录中字段 field 的值的类型代码（qrVT_ 常量）。"},
    {u"recordset_get_type_name", u"返回记录集 rs 当前记录中字段 field 的值的类型名称，如 null、int、string。"},
    {u"recordset_bof", u"记录集 rs 的当前位置在第一条记录之前时返回 1，否则返回 0。"},
    {u"recordset_eof", u"记录集 rs 的当前位置在最后一条记录之后时返回 1，否则返回 0。"},
    {u"recordset_get_count", u"返回记录集 rs 中的记录条数。"},
    {u"recordset_move_next", u"把记录集 rs 移到下一条记录。"},
    {u"recordset_close", u"关闭记录集 rs。"},
};

constexpr ParamNames kParams[] = {
    {u"connection_open", u"conn, connection_string"},
    {u"connection_execute", u"conn, sql"},
    {u"connection_close", u"conn"},
    {u"recordset_get_short", u"rs, field"},
    {u"recordset_get_int", u"rs, field"},
    {u"recordset_get_boolean", u"rs, field"},
    {u"recordset_get_long", u"rs, field"},
    {u"recordset_get_date", u"rs, field"},
    {u"recordset_get_float", u"rs, field"},
    {u"recordset_get_double", u"rs, field"},
    {u"recordset_get_string", u"rs, field"},
    {u"recordset_get_type", u"rs, field"},
    {u"recordset_get_type_name", u"rs, field"},
    {u"recordset_bof", u"rs"},
    {u"recordset_eof", u"rs"},
    {u"recordset_get_count", u"rs"},
    {u"recordset_move_next", u"rs"},
    {u"recordset_close", u"rs"},
};

}  // namespace

FamilyDocs ado_docs() { return {u"ado", u"ADO 数据库", kDocs, kParams}; }

}  // namespace quorin
