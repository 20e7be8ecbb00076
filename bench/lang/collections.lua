local nums, table_, n = {}, {}, 1500000
for i = 0, n - 1 do
  nums[#nums + 1] = i * 3
  table_[i] = i % 1000 * 7
end
local total = 0
for i = 0, n - 1 do
  total = total + nums[i + 1] + table_[i * 7 % n]
end
local text, chunk = "start", ""
for k = 1, 150000 do
  chunk = chunk .. " w" .. (k * 7919 % 5000)
  if k % 100 == 0 then
    text = text .. chunk
    chunk = ""
  end
end
local words = {}
for w in text:gmatch("[^ ]+") do words[#words + 1] = w end
local counts, distinct = {}, 0
for _, w in ipairs(words) do
  local c = counts[w]
  if c then counts[w] = c + 1 else counts[w] = 1; distinct = distinct + 1 end
end
print(total .. " " .. #words .. " " .. distinct .. " " .. counts["w17"])
