# HTTP：http_get 和 http_post 把服务器的回答写进一个字符串变量，
# 返回 1 表示成功。可以在命令行上给出服务器地址，例如：
#   Quorin.exe http.q http://127.0.0.1
string base = "http://example.com"
ArrayList<string> args = get_cmd_argv()
if arraylist_get_size(args) > 0
  base = arraylist_get(args, 0)
endif

# GET：第三个参数是网页的字符集
string page
if http_get(base + "/zh", page, "utf-8") == 1
  println("网页内容: " + page)
else
  println("请求失败")
endif

# POST：表单里的文字用 url_encode 编码
string answer
string form = "name=" + url_encode("张三", "utf-8") + "&city=" + url_encode("北京 朝阳", "utf-8")
if http_post(base + "/echo", form, answer) == 1
  ArrayList<string> lines = split(answer, "\n")
  string l
  for l in lines
    if starts_with(l, "body=") == 1
      println("服务器收到: " + l)
    endif
  next
endif
