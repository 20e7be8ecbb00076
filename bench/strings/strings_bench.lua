-- replace, split and index_of (string.find, plain) on a 10 MB text, for comparison.
local function ms(t0) return (os.clock() - t0) * 1000 end

local s = string.rep("lorem,ipsum,dolor,sit,amet;", 1 << 19):sub(1, 10000000)
print("length: " .. #s)

local t0 = os.clock()
local r = s:gsub(",", "::")
print(string.format("replace: %.0f ms, result %d", ms(t0), #r))

t0 = os.clock()
local parts, from = {}, 1
while true do
  local i = s:find(";", from, true)
  if not i then parts[#parts + 1] = s:sub(from); break end
  parts[#parts + 1] = s:sub(from, i - 1)
  from = i + 1
end
print(string.format("split: %.0f ms, pieces %d", ms(t0), #parts))

t0 = os.clock()
local miss = s:find("lorem,ipsum,dolor,sit,amet;X", 1, true)
local hit = s:find(s:sub(-40), 1, true)
print(string.format("index_of: %.0f ms, %s %s", ms(t0), tostring(miss), tostring(hit and hit - 1)))

local a = string.rep("a", 10000000)
local needle = string.rep("a", 2000) .. "b"
t0 = os.clock()
miss = a:find(needle, 1, true)
print(string.format("index_of (adversarial): %.0f ms, %s", ms(t0), tostring(miss)))
