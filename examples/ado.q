# ADO 数据库：用连接字符串打开连接，执行 SQL 语句，逐条读取结果记录集。
# 连接字符串里的 Data Source 是在“ODBC 数据源”中配置好的数据源名称。
# 连接对象默认是 ADODB.Connection；第一个脚本参数可以换成别的兼容组件，例如：
#   Quorin.exe ado.q 其他.Connection
string prog_id = "ADODB.Connection"
ArrayList<string> args = get_cmd_argv()
if arraylist_get_size(args) > 0
  prog_id = arraylist_get(args, 0)
endif
int conn = com_object_new(prog_id)
if conn == 0
  println("无法创建连接对象 " + prog_id)
  exit()
endif
# 打不开时以运行时错误结束，错误框里有错误代码
connection_open(conn, "Provider=MSDASQL;Data Source=销售库")

# 不返回记录的语句也给出一个记录集句柄，同样要释放
int done = connection_execute(conn, "UPDATE 订单 SET qty = NULL WHERE qty = 0")
com_object_free(done)

# 查询：从第一条记录开始，读完一条用 recordset_move_next 移到下一条，
# 直到 recordset_eof 为 1。字段按名称读取，并转换为要求的类型
int rs = connection_execute(conn, "SELECT id, name, qty, price, born FROM 订单 ORDER BY id")
println("共 " + recordset_get_count(rs) + " 条记录")
loop (recordset_eof(rs) == 0)
  string row = recordset_get_int(rs, "id") + ". " + recordset_get_string(rs, "name")
  # NULL 读作 0；要区分时先看字段值的类型名
  if recordset_get_type_name(rs, "qty") == "null"
    row = row + "  数量未填"
  else
    row = row + "  数量 " + recordset_get_int(rs, "qty")
  endif
  # 货币值读成文本时保留两位小数；日期读成文本为“年-月-日 时:分:秒”
  row = row + "  单价 " + recordset_get_string(rs, "price") + "  日期 " + left(recordset_get_string(rs, "born"), 10)
  println(row)
  recordset_move_next(rs)
endloop

# 先关闭记录集再释放它，最后关闭连接
recordset_close(rs)
com_object_free(rs)
connection_close(conn)
com_object_free(conn)
