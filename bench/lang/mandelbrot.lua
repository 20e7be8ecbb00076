local inside = 0
for y = 0, 399 do
  for x = 0, 399 do
    local cr = x * 3.0 / 400 - 2.0
    local ci = y * 2.0 / 400 - 1.0
    local zr, zi, k = 0.0, 0.0, 0
    while k < 50 and zr * zr + zi * zi <= 4.0 do
      local t = zr * zr - zi * zi + cr
      zi = 2.0 * zr * zi + ci
      zr = t
      k = k + 1
    end
    if k == 50 then inside = inside + 1 end
  end
end
print(inside)
