-- Adds one million ints to a table and prints the size and the time taken.
local start = os.clock()
local a = {}
for i = 1, 1000000 do
  a[#a + 1] = i
end
local spent = (os.clock() - start) * 1000
print("size: " .. #a)
print("ms: " .. math.floor(spent))
