local function combine(a, b, c, s, hits, arr)
  hits[1] = hits[1] + 1
  arr[a % 10] = arr[a % 10] + 1
  return b + a + math.floor(c) + #s
end
local function pick(b, h, c)
  return b + h + c
end
local function scale(x, f)
  return x * f
end
local hits, slots = {0}, {}
for k = 0, 9 do slots[k] = 0 end
local total, acc, tag = 0, 0.0, "abc"
for i = 0, 699999 do
  total = total + combine(i, 5, i * 0.5, tag, hits, slots)
  total = total + pick(i % 200, -3, 65)
  acc = acc + scale(i, 0.5)
end
print(total .. " " .. hits[1] .. " " .. slots[3] .. " " .. math.floor(acc))
