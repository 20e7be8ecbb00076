local s = ""
local same = 0
for i = 1, 30000 do
  s = s .. "ab"
  if s == "abab" then same = same + 1 end
end
print(#s .. " " .. same)
