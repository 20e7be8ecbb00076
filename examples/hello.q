# A first Quorin script: variables, a function, a loop, a list and a map.
console_println("你好, Quorin")

func int square(int n)
  return n * n
endfunc

ArrayList<int> squares
int i
for i = 1 to 5
  arraylist_add(squares, square(i))
next
console_println(squares)

HashMap<string, double> prices
hashmap_put(prices, "苹果", 4.5)
hashmap_put(prices, "香蕉", 3.25)
console_println("苹果: " + hashmap_get(prices, "苹果"))

func void note(string text)
  console_println("- " + text)
endfunc

string words[3] = {"编译", "运行", "结束"}
string w
for w in words
  note(w)
next
