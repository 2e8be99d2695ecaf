#!/usr/bin/env python3
"""Makes an icon or a cursor in the sizes scaled screens ask for, from the one drawn at 32x32.

    python3 tools/make_icon_sizes.py res/velmora.ico OUT.ico
    python3 tools/make_icon_sizes.py res/malet.cur OUT.cur

The drawn picture is 32x32: the icon in 16 colours, a cursor in 32 bits, each with an AND mask. An
icon comes out at 16, 20, 24, 32 and 48 pixels (the small and large icons of 96, 120, 144 and 192
dpi), a cursor at 32, 40, 48 and 64 with its hot spot scaled along, all as 32-bit images with alpha
(and an AND mask for older readers): 32 is the drawing itself, the others are resampled with a smoothing filter (an area average going down, bilinear going up)
on premultiplied alpha, so that edges blend instead of turning into steps. Run by the build.
Only the Python standard library is needed.
"""

import struct
import sys

ICON, CURSOR = 1, 2
SIZES = {ICON: (16, 20, 24, 32, 48), CURSOR: (32, 40, 48, 64)}


def read_ico(path):
    """The kind of file, the hot spot (a cursor's; 0, 0 for an icon) and its first image as rows of
    (r, g, b, a), top row first."""
    data = open(path, "rb").read()
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    if kind not in SIZES or count < 1:
        raise SystemExit(f"{path}: not an icon or cursor file")
    _, _, _, _, hot_x, hot_y, _, offset = struct.unpack_from("<BBBBHHII", data, 6)
    if kind == ICON:
        hot_x = hot_y = 0
    header_size, width, double_height, _, bits, compression, _, _, _, used, _ = struct.unpack_from(
        "<IiiHHIIiiII", data, offset)
    height = double_height // 2
    if compression != 0 or bits not in (4, 8, 32):
        raise SystemExit(f"{path}: an icon of {bits} bits per pixel is not read here")
    colours = used or (1 << bits if bits <= 8 else 0)
    palette_at = offset + header_size
    palette = [struct.unpack_from("<BBBB", data, palette_at + 4 * i) for i in range(colours)]
    pixels_at = palette_at + 4 * colours
    stride = (width * bits + 31) // 32 * 4
    mask_at = pixels_at + stride * height
    mask_stride = (width + 31) // 32 * 4
    rows = []
    for y in range(height):
        source = height - 1 - y  # bottom-up
        row = []
        for x in range(width):
            transparent = data[mask_at + source * mask_stride + x // 8] >> (7 - x % 8) & 1
            if bits == 32:
                b, g, r, a = struct.unpack_from("<BBBB", data, pixels_at + source * stride + 4 * x)
            else:
                byte = data[pixels_at + source * stride + x * bits // 8]
                index = byte >> (4 * (1 - x % 2)) & 0xF if bits == 4 else byte
                b, g, r, _ = palette[index]
                a = 255
            row.append((r, g, b, 0 if transparent else a))
        rows.append(row)
    return kind, (hot_x, hot_y), rows


def premultiplied(rows):
    return [[(r * a / 255, g * a / 255, b * a / 255, a) for r, g, b, a in row] for row in rows]


def straight(pixel):
    r, g, b, a = pixel
    if a <= 0:
        return (0, 0, 0, 0)
    return tuple(min(255, max(0, round(v * 255 / a))) for v in (r, g, b)) + (min(255, round(a)),)


def area_average(rows, size):
    """Each target pixel is the mean of the source area it covers, partial pixels weighted."""
    n = len(rows)
    scale = n / size
    out = []
    for ty in range(size):
        y0, y1 = ty * scale, (ty + 1) * scale
        row = []
        for tx in range(size):
            x0, x1 = tx * scale, (tx + 1) * scale
            total = [0.0] * 4
            weight = 0.0
            for sy in range(int(y0), min(n, int(y1 + 0.999999))):
                wy = min(y1, sy + 1) - max(y0, sy)
                for sx in range(int(x0), min(n, int(x1 + 0.999999))):
                    w = wy * (min(x1, sx + 1) - max(x0, sx))
                    if w > 0:
                        weight += w
                        for c in range(4):
                            total[c] += rows[sy][sx][c] * w
            row.append(tuple(v / weight for v in total))
        out.append(row)
    return out


def bilinear(rows, size):
    n = len(rows)
    scale = n / size
    out = []
    for ty in range(size):
        fy = min(max((ty + 0.5) * scale - 0.5, 0), n - 1)
        y0 = int(fy)
        y1 = min(y0 + 1, n - 1)
        dy = fy - y0
        row = []
        for tx in range(size):
            fx = min(max((tx + 0.5) * scale - 0.5, 0), n - 1)
            x0 = int(fx)
            x1 = min(x0 + 1, n - 1)
            dx = fx - x0
            row.append(tuple(
                rows[y0][x0][c] * (1 - dx) * (1 - dy) + rows[y0][x1][c] * dx * (1 - dy)
                + rows[y1][x0][c] * (1 - dx) * dy + rows[y1][x1][c] * dx * dy for c in range(4)))
        out.append(row)
    return out


def resized(rows, size):
    if size == len(rows):
        return rows
    smooth = area_average if size < len(rows) else bilinear
    return [[straight(p) for p in row] for row in smooth(premultiplied(rows), size)]


def icon_image(rows):
    """A 32-bit icon image: BITMAPINFOHEADER, bottom-up BGRA, then the AND mask."""
    size = len(rows)
    mask_stride = (size + 31) // 32 * 4
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (r, g, b, a) in enumerate(row):
            pixels += bytes((b, g, r, a))
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def write_ico(path, kind, images):
    """An icon file's entries give planes and bits; a cursor file's give the hot spot there."""
    directory = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, (hot_x, hot_y), image in images:
        fields = (1, 32) if kind == ICON else (hot_x, hot_y)
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, *fields, len(image), offset)
        offset += len(image)
    with open(path, "wb") as out:
        out.write(directory + entries + b"".join(image for _, _, image in images))


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    kind, (hot_x, hot_y), drawn = read_ico(sys.argv[1])
    n = len(drawn)
    write_ico(sys.argv[2], kind, [(size, (hot_x * size // n, hot_y * size // n), icon_image(resized(drawn, size)))
                                  for size in SIZES[kind]])


if __name__ == "__main__":
    main()
