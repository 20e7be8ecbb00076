# JSON：解析文本得到一个句柄，再按名字或下标取出各个节点。
# 根句柄用完后用 json_free 释放，从它取出的节点随之失效。
string text = "{\"name\": \"小明\", \"age\": 12, \"scores\": [90, 85.5, 77], \"vip\": true, \"memo\": null}"
int root = json_parse(text)
if root == 0
  println("不是合法的 JSON")
  exit()
endif

println("姓名: " + json_get_value_string(root, "name"))
println("年龄: " + json_get_value_int(root, "age"))
println("会员: " + json_is_true(root, "vip"))
println("备注为空: " + json_is_null(root, "memo"))
println("有地址: " + json_has_item(root, "address"))

# 数组：先取大小，再逐个取元素
int scores = json_get_item(root, "scores")
int n = json_get_array_size(scores)
double total = 0
int i
for i = 0 to n - 1
  total = total + json_get_value_double(json_get_array_item(scores, i))
next
println("平均分: " + dtos(total / n, 2))

# 节点类型用常量比较
if json_get_item_type(root, "scores") == qrJSON_Array
  println("scores 是数组")
endif

# 输出紧凑格式的文本
println(json_print(scores, 0))
json_free(root)
