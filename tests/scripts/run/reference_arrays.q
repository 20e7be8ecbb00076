# Arrays of strings hold one reference per element, on 32- and 64-bit builds
string names[5]
names[4] = "last"
string all = ""
for string s in names
  all = all + "[" + s + "]"
next
println(all)
string grid[2][3]
grid[1][2] = "corner"
println(grid[0][0] + "|" + grid[1][1] + "|" + grid[1][2])
