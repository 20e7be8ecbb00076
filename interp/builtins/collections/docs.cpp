// Reference text of the collection builtins.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"arraylist_reset_capacity_factor",
     u"把动态数组 list 的容量调为 capacity、每次扩充的步长调为 increment（都至少为 10）；要添加大量元素时先调用它可减少搬移。"},
    {u"arraylist_add", u"在动态数组末尾添加一个元素；元素类型必须与声明的类型完全相同。",
     uR"q(
ArrayList<string> names
arraylist_add(names, "张三")
arraylist_add(names, "李四")
arraylist_insert(names, 0, "王五")
println(names)
println(arraylist_get(names, 1))
println(arraylist_get_size(names))
)q",
     uR"q(
ArrayList{"王五", "张三", "李四"}
张三
3
)q"},
    {u"arraylist_insert", u"在下标 index 处插入元素，后面的元素后移；index 等于元素个数时相当于添加到末尾，超出范围时报运行时错误。"},
    {u"arraylist_index_of", u"返回第一个等于给定值的元素的下标，找不到返回 -1。"},
    {u"arraylist_last_index_of", u"返回最后一个等于给定值的元素的下标，找不到返回 -1。"},
    {u"arraylist_contains", u"动态数组中有等于给定值的元素时返回 1，否则返回 0。"},
    {u"arraylist_remove", u"删除第一个等于给定值的元素，删除了返回 1，没有找到返回 0。",
     uR"q(
ArrayList<int> a = {3, 1, 4, 1}
println(arraylist_remove(a, 1))
println(arraylist_index_of(a, 1))
println(arraylist_remove_index(a, 0))
println(a)
)q",
     uR"q(
1
2
3
ArrayList{4, 1}
)q"},
    {u"arraylist_remove_index", u"删除并返回下标 index 处的元素，后面的元素前移；下标超出范围时报运行时错误。"},
    {u"arraylist_set", u"把下标 index 处的元素替换为新值，返回被替换的旧值；下标超出范围时报运行时错误。"},
    {u"arraylist_get", u"返回下标 index 处元素的副本；下标超出范围时报运行时错误。"},
    {u"arraylist_get_size", u"返回动态数组的元素个数。"},
    {u"arraylist_clear", u"删除动态数组的全部元素（容量保持不变）。"},
    {u"linkedlist_add", u"在链表末尾添加一个元素。",
     uR"q(
LinkedList<int> queue
linkedlist_add(queue, 1)
linkedlist_add(queue, 2)
linkedlist_add_first(queue, 0)
println(queue)
println(linkedlist_remove_first(queue))
println(linkedlist_get_last(queue))
)q",
     uR"q(
LinkedList{0, 1, 2}
0
2
)q"},
    {u"linkedlist_add_first", u"在链表开头插入一个元素。"},
    {u"linkedlist_insert", u"在下标 index 处插入元素；index 等于元素个数时添加到末尾，超出范围时报运行时错误。"},
    {u"linkedlist_index_of", u"返回第一个等于给定值的元素的下标，找不到返回 -1。"},
    {u"linkedlist_last_index_of", u"返回最后一个等于给定值的元素的下标，找不到返回 -1。"},
    {u"linkedlist_contains", u"链表中有等于给定值的元素时返回 1，否则返回 0。"},
    {u"linkedlist_remove", u"删除第一个等于给定值的元素，删除了返回 1，没有找到返回 0。"},
    {u"linkedlist_remove_index", u"删除并返回下标 index 处的元素；下标超出范围时报运行时错误。"},
    {u"linkedlist_remove_first", u"删除并返回第一个元素；链表为空时报运行时错误。"},
    {u"linkedlist_remove_last", u"删除并返回最后一个元素；链表为空时报运行时错误。"},
    {u"linkedlist_set", u"把下标 index 处的元素替换为新值，返回旧值；下标超出范围时报运行时错误。"},
    {u"linkedlist_get", u"返回下标 index 处元素的副本（从表头逐个数过去）；下标超出范围时报运行时错误。"},
    {u"linkedlist_get_first", u"返回第一个元素；链表为空时报运行时错误。"},
    {u"linkedlist_get_last", u"返回最后一个元素；链表为空时报运行时错误。"},
    {u"linkedlist_iterator", u"返回从表头向表尾遍历链表的迭代器。",
     uR"q(
LinkedList<string> steps = {"打开", "填写", "提交"}
Iterator<string> it = linkedlist_iterator_reverse(steps)
loop (iterator_has_next(it) == qrTrue)
  println(iterator_next(it))
endloop
)q",
     uR"q(
提交
填写
打开
)q"},
    {u"linkedlist_iterator_reverse", u"返回从表尾向表头遍历链表的迭代器。"},
    {u"linkedlist_get_size", u"返回链表的元素个数。"},
    {u"linkedlist_clear", u"删除链表的全部元素。"},
    {u"hashmap_reset_capacity_factor",
     u"按给定容量（取不小于它的 2 的幂）重建哈希表，负载因子在 0 与 1 之间时一并更换。"},
    {u"hashmap_put",
     u"放入键值对：键已存在时替换值并返回旧值，否则新增并返回空值（数字为 0、字符串为空）。",
     uR"q(
HashMap<string, int> stock
hashmap_put(stock, "苹果", 12)
hashmap_put(stock, "香蕉", 30)
println(hashmap_put(stock, "苹果", 10))
println(hashmap_get(stock, "苹果"))
println(hashmap_contains_key(stock, "梨"))
println(hashmap_get_size(stock))
)q",
     u"12\n10\n0\n2"},
    {u"hashmap_get", u"返回键对应的值，键不存在时返回空值（数字为 0、字符串为空）。"},
    {u"hashmap_remove", u"删除键并返回它的值，键不存在时返回空值。"},
    {u"hashmap_contains_key", u"哈希表中有该键时返回 1，否则返回 0；字符串键区分大小写。"},
    {u"hashmap_contains_value", u"哈希表中有等于给定值的值时返回 1，否则返回 0。"},
    {u"hashmap_get_size", u"返回哈希表中键值对的个数。"},
    {u"hashmap_clear", u"删除哈希表的全部键值对。"},
    {u"hashmap_keys", u"返回遍历哈希表全部键的迭代器（取调用时的快照）。",
     uR"q(
HashMap<string, double> price
hashmap_put(price, "笔", 2.5)
Iterator<string> keys = hashmap_keys(price)
loop (iterator_has_next(keys) == qrTrue)
  string k = iterator_next(keys)
  println(k + ": " + dtos(hashmap_get(price, k), 2))
endloop
)q",
     u"笔: 2.50"},
    {u"hashmap_values", u"返回遍历哈希表全部值的迭代器（取调用时的快照），顺序与 hashmap_keys 一致。"},
    {u"iterator_has_next", u"迭代器还有元素时返回 1（qrTrue），否则返回 0。"},
    {u"iterator_next", u"返回迭代器的下一个元素；已经没有元素时报运行时错误，应先用 iterator_has_next 判断。"},
};

constexpr ParamNames kParams[] = {
    {u"arraylist_reset_capacity_factor", u"list, capacity, increment"},
    {u"arraylist_add", u"list, x"},
    {u"arraylist_insert", u"list, index, x"},
    {u"arraylist_index_of", u"list, x"},
    {u"arraylist_last_index_of", u"list, x"},
    {u"arraylist_contains", u"list, x"},
    {u"arraylist_remove", u"list, x"},
    {u"arraylist_remove_index", u"list, index"},
    {u"arraylist_set", u"list, index, x"},
    {u"arraylist_get", u"list, index"},
    {u"arraylist_get_size", u"list"},
    {u"arraylist_clear", u"list"},
    {u"linkedlist_add", u"list, x"},
    {u"linkedlist_add_first", u"list, x"},
    {u"linkedlist_insert", u"list, index, x"},
    {u"linkedlist_index_of", u"list, x"},
    {u"linkedlist_last_index_of", u"list, x"},
    {u"linkedlist_contains", u"list, x"},
    {u"linkedlist_remove", u"list, x"},
    {u"linkedlist_remove_index", u"list, index"},
    {u"linkedlist_remove_first", u"list"},
    {u"linkedlist_remove_last", u"list"},
    {u"linkedlist_set", u"list, index, x"},
    {u"linkedlist_get", u"list, index"},
    {u"linkedlist_get_first", u"list"},
    {u"linkedlist_get_last", u"list"},
    {u"linkedlist_iterator", u"list"},
    {u"linkedlist_iterator_reverse", u"list"},
    {u"linkedlist_get_size", u"list"},
    {u"linkedlist_clear", u"list"},
    {u"hashmap_reset_capacity_factor", u"map, capacity, load_factor"},
    {u"hashmap_put", u"map, key, value"},
    {u"hashmap_get", u"map, key"},
    {u"hashmap_remove", u"map, key"},
    {u"hashmap_contains_key", u"map, key"},
    {u"hashmap_contains_value", u"map, value"},
    {u"hashmap_get_size", u"map"},
    {u"hashmap_clear", u"map"},
    {u"hashmap_keys", u"map"},
    {u"hashmap_values", u"map"},
    {u"iterator_has_next", u"it"},
    {u"iterator_next", u"it"},
};

}  // namespace

FamilyDocs collections_docs() { return {u"collections", u"集合", kDocs, kParams}; }

}  // namespace quorin
