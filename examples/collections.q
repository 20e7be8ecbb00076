# 集合：ArrayList（动态数组）、LinkedList（链表）、HashMap（键值表）和 Iterator（迭代器）。
# 集合只接受声明时写明的元素类型，整数列表里不能放小数。

# ArrayList：按下标存取，适合保存一组结果
ArrayList<int> scores = {88, 95, 70}
arraylist_add(scores, 60)
arraylist_insert(scores, 0, 100)
println(scores)
println("第 2 个: " + arraylist_get(scores, 1) + ", 共 " + arraylist_get_size(scores) + " 个")
arraylist_remove(scores, 70)
println("70 的位置: " + arraylist_index_of(scores, 70))

# 用 for ... in 遍历并求平均值
int total = 0
int s
for s in scores
  total = total + s
next
println("平均分: " + dtos(itod(total) / arraylist_get_size(scores), 1))

# LinkedList：两端增删都很快，适合做队列
LinkedList<string> queue
linkedlist_add(queue, "任务一")
linkedlist_add(queue, "任务二")
linkedlist_add_first(queue, "紧急任务")
loop (linkedlist_get_size(queue) > 0)
  println("处理 " + linkedlist_remove_first(queue))
endloop

# HashMap：按名字查数量
HashMap<string, int> stock
hashmap_put(stock, "苹果", 12)
hashmap_put(stock, "香蕉", 30)
hashmap_put(stock, "苹果", 15)
println("苹果: " + hashmap_get(stock, "苹果"))
if hashmap_contains_key(stock, "梨") == 0
  println("没有梨")
endif

# Iterator：逐个取出键（顺序由表决定，这里排序后再打印）
ArrayList<string> names
Iterator<string> keys = hashmap_keys(stock)
loop (iterator_has_next(keys) == 1)
  arraylist_add(names, iterator_next(keys))
endloop
println("共有 " + arraylist_get_size(names) + " 种水果")
