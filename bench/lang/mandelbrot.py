inside = 0
for y in range(400):
    for x in range(400):
        cr = x * 3.0 / 400 - 2.0
        ci = y * 2.0 / 400 - 1.0
        zr = 0.0
        zi = 0.0
        k = 0
        while k < 50 and zr * zr + zi * zi <= 4.0:
            t = zr * zr - zi * zi + cr
            zi = 2.0 * zr * zi + ci
            zr = t
            k = k + 1
        if k == 50:
            inside = inside + 1
print(inside)
