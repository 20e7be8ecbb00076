local function eval_a(i, j)
  return 1.0 / ((i + j) * (i + j + 1) // 2 + i + 1)
end
local function mul_av(n, v, av)
  for i = 0, n - 1 do
    local s = 0.0
    for j = 0, n - 1 do s = s + eval_a(i, j) * v[j] end
    av[i] = s
  end
end
local function mul_atv(n, v, atv)
  for i = 0, n - 1 do
    local s = 0.0
    for j = 0, n - 1 do s = s + eval_a(j, i) * v[j] end
    atv[i] = s
  end
end
local function mul_atav(n, v, out, tmp)
  mul_av(n, v, tmp)
  mul_atv(n, tmp, out)
end
local n = 300
local u, v, tmp = {}, {}, {}
for i = 0, n - 1 do u[i] = 1.0; v[i] = 0.0; tmp[i] = 0.0 end
for _ = 1, 10 do
  mul_atav(n, u, v, tmp)
  mul_atav(n, v, u, tmp)
end
local vbv, vv = 0.0, 0.0
for i = 0, n - 1 do
  vbv = vbv + u[i] * v[i]
  vv = vv + v[i] * v[i]
end
print(math.floor(math.sqrt(vbv / vv) * 1000000000.0))
