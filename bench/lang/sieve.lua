local n = 3000000
local composite = {}
for i = 0, n do composite[i] = 0 end
local count = 0
for i = 2, n do
  if composite[i] == 0 then
    count = count + 1
    local j = i * 2
    while j <= n do
      composite[j] = 1
      j = j + i
    end
  end
end
print(count)
