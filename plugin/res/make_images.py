#!/usr/bin/env python3
"""Draws the plug-in's four toolbar images as 24-bit bitmaps (16 px, on the
3-D face grey that the loader maps to the toolbar colour) and icons (16 and
32 px, 32-bit with alpha).  Run it from this folder after changing a shape."""
import math
import struct

FACE = (192, 192, 192)


def inside_poly(x, y, pts):
    c = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            c = not c
        j = i
    return c


def rect(x, y, x0, y0, x1, y1):
    return x0 <= x <= x1 and y0 <= y <= y1


# Every shape is drawn on a unit square (0..1); it returns a colour or None.
def run(x, y):
    if inside_poly(x, y, [(0.22, 0.12), (0.22, 0.88), (0.88, 0.5)]):
        return (34, 160, 60)
    return None


def assist(x, y):
    d = math.hypot(x - 0.5, y - 0.5)
    if 0.28 <= d <= 0.40:
        return (30, 100, 200)
    if (abs(x - 0.5) <= 0.06 and (y < 0.3 or y > 0.7)) or (abs(y - 0.5) <= 0.06 and (x < 0.3 or x > 0.7)):
        return (30, 100, 200)
    if d <= 0.09:
        return (220, 50, 50)
    return None


def probe(x, y):
    if inside_poly(x, y, [(0.5, 0.45), (0.5, 0.98), (0.63, 0.84), (0.75, 0.98), (0.83, 0.92), (0.72, 0.78), (0.9, 0.75)]):
        return (20, 20, 20)
    if rect(x, y, 0.06, 0.08, 0.86, 0.26):
        return (30, 100, 200)
    if rect(x, y, 0.06, 0.08, 0.86, 0.72) and not rect(x, y, 0.13, 0.3, 0.79, 0.65):
        return (30, 100, 200)
    return None


def reformat(x, y):
    rows = [(0.08, 0.10, 0.62), (0.28, 0.34, 0.92), (0.28, 0.58, 0.80), (0.08, 0.82, 0.50)]
    for x0, y0, x1 in rows:
        if rect(x, y, x0, y0, x1, y0 + 0.1):
            return (30, 100, 200)
    if inside_poly(x, y, [(0.06, 0.36), (0.06, 0.68), (0.2, 0.52)]):
        return (34, 160, 60)
    return None


def render(shape, size):
    """Rows top-down of (r, g, b, alpha 0..255), 4x4 supersampled."""
    out = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0]
            n = 0
            for sy in range(4):
                for sx in range(4):
                    c = shape((px + (sx + 0.5) / 4) / size, (py + (sy + 0.5) / 4) / size)
                    if c:
                        n += 1
                        for k in range(3):
                            acc[k] += c[k]
            if n:
                row.append((acc[0] // n, acc[1] // n, acc[2] // n, n * 255 // 16))
            else:
                row.append((0, 0, 0, 0))
        out.append(row)
    return out


def bmp24(pixels):
    size = len(pixels)
    stride = (size * 3 + 3) & ~3
    data = b""
    for row in reversed(pixels):
        line = b""
        for r, g, b, a in row:
            mix = [round((c * a + f * (255 - a)) / 255) for c, f in zip((r, g, b), FACE)]
            line += bytes((mix[2], mix[1], mix[0]))
        data += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + 40 + len(data), 0, 0, 54) + header + data


def icon_image(pixels):
    size = len(pixels)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for r, g, b, a in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(pixels):
        bits = 0
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def ico(images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for pixels in images:
        blob = icon_image(pixels)
        size = len(pixels)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


for name, shape in (("run", run), ("assist", assist), ("probe", probe), ("reformat", reformat)):
    with open(name + ".bmp", "wb") as f:
        f.write(bmp24(render(shape, 16)))
    with open(name + ".ico", "wb") as f:
        f.write(ico([render(shape, 16), render(shape, 32)]))
