import math

def eval_a(i, j):
    return 1.0 / ((i + j) * (i + j + 1) // 2 + i + 1)

def mul_av(n, v, av):
    for i in range(n):
        s = 0.0
        for j in range(n):
            s = s + eval_a(i, j) * v[j]
        av[i] = s

def mul_atv(n, v, atv):
    for i in range(n):
        s = 0.0
        for j in range(n):
            s = s + eval_a(j, i) * v[j]
        atv[i] = s

def mul_atav(n, v, out, tmp):
    mul_av(n, v, tmp)
    mul_atv(n, tmp, out)

n = 300
u = [1.0] * n
v = [0.0] * n
tmp = [0.0] * n
for _ in range(10):
    mul_atav(n, u, v, tmp)
    mul_atav(n, v, u, tmp)
vbv = 0.0
vv = 0.0
for i in range(n):
    vbv = vbv + u[i] * v[i]
    vv = vv + v[i] * v[i]
print(int(math.sqrt(vbv / vv) * 1000000000.0))
