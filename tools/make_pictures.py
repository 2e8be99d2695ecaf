#!/usr/bin/env python3
"""Makes every picture of Велмора XP and writes it under res/.

    python3 tools/make_pictures.py

Outputs:
    res/splash.bmp      405x300 24-bit BMP, the start-up picture
    res/background.jpg  758x457 baseline JPEG, the main window background
    res/product.jpg     121x65 baseline JPEG, the product picture of the About box
    res/velmora.ico     32x32, 16 colours, the program icon
    res/malet.cur       32x32 cursor "Malet" (meat mallet), hot spot 0,0
    res/menu.bmp        400x16 32-bit BMP with alpha, 25 menu pictures
    res/menu_preview.png  the menu strip enlarged x4, for review only

The icon, cursor and menu pictures are pixel art kept below as character
grids and small drawing routines; they are written with plain Python.
The splash, the background and the product picture are SVG kept below; they are rendered with
rsvg-convert and converted with ImageMagick's convert.
Only the Python standard library is needed, plus those two programs.
"""

import math
import os
import struct
import subprocess
import tempfile
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(ROOT, "res")


# ---------------------------------------------------------------------------
# Small helpers
# ---------------------------------------------------------------------------

def hex_rgb(h):
    h = h.lstrip("#")
    return (int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16))


def write_png(path, width, height, rgba):
    """rgba: list of rows, each a list of (r, g, b, a)."""
    raw = bytearray()
    for row in rgba:
        raw.append(0)
        for (r, g, b, a) in row:
            raw += bytes((r, g, b, a))

    def chunk(tag, data):
        c = struct.pack(">I", len(data)) + tag + data
        return c + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def scale_rows(rows, k, backdrop=None):
    """Enlarge pixel rows k times (nearest neighbour); optionally flatten
    transparency onto a checker backdrop so the preview shows the alpha."""
    out = []
    for y, row in enumerate(rows):
        line = []
        for x, px in enumerate(row):
            line.extend([px] * k)
        for sub in range(k):
            yy = y * k + sub
            if backdrop is None:
                out.append(list(line))
            else:
                flat = []
                for xx, (r, g, b, a) in enumerate(line):
                    c = backdrop(xx, yy)
                    flat.append((
                        (r * a + c[0] * (255 - a)) // 255,
                        (g * a + c[1] * (255 - a)) // 255,
                        (b * a + c[2] * (255 - a)) // 255,
                        255))
                out.append(flat)
    return out


def run(cmd):
    subprocess.run(cmd, check=True)


# ---------------------------------------------------------------------------
# Pixel canvas used for the menu pictures, the icon and the cursor
# ---------------------------------------------------------------------------

class Pix:
    """A small grid of palette characters ('.' is transparent)."""

    def __init__(self, w, h, rows=None):
        self.w, self.h = w, h
        self.g = [["."] * w for _ in range(h)]
        if rows is not None:
            lines = [ln for ln in rows.strip("\n").split("\n")]
            assert len(lines) == h, (len(lines), rows)
            for y, ln in enumerate(lines):
                assert len(ln) == w, (y, ln, len(ln))
                self.g[y] = list(ln)

    def get(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.g[y][x]
        return "."

    def set(self, x, y, ch):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.g[y][x] = ch

    def rect(self, x0, y0, x1, y1, ch):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, ch)

    def disc(self, cx, cy, r, ch, r_in=None):
        """Pixels whose centre lies within radius r of (cx, cy)."""
        for y in range(self.h):
            for x in range(self.w):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d <= r and (r_in is None or d > r_in):
                    self.set(x, y, ch)

    def ellipse(self, cx, cy, rx, ry, ch):
        for y in range(self.h):
            for x in range(self.w):
                dx = (x + 0.5 - cx) / rx
                dy = (y + 0.5 - cy) / ry
                if dx * dx + dy * dy <= 1.0:
                    self.set(x, y, ch)

    def line(self, x0, y0, x1, y1, ch, width=1):
        """A line between pixel centres, pixel-aligned (Bresenham-like)."""
        n = int(math.ceil(max(abs(x1 - x0), abs(y1 - y0)) * 2))
        for i in range(n + 1):
            t = i / n if n else 0
            x = int(math.floor(x0 + (x1 - x0) * t))
            y = int(math.floor(y0 + (y1 - y0) * t))
            for dx in range(width):
                for dy in range(width):
                    self.set(x + dx, y + dy, ch)

    def poly(self, pts, ch):
        """Fill a polygon given in pixel-edge coordinates (pixel centres tested)."""
        for y in range(self.h):
            for x in range(self.w):
                px, py = x + 0.5, y + 0.5
                inside = False
                j = len(pts) - 1
                for i in range(len(pts)):
                    xi, yi = pts[i]
                    xj, yj = pts[j]
                    if (yi > py) != (yj > py):
                        xc = xi + (py - yi) * (xj - xi) / (yj - yi)
                        if px < xc:
                            inside = not inside
                    j = i
                if inside:
                    self.set(x, y, ch)

    def put(self, x0, y0, rows):
        """Stamp a small grid; '.' leaves the pixel untouched."""
        for dy, ln in enumerate(rows.strip("\n").split("\n")):
            for dx, ch in enumerate(ln):
                if ch != ".":
                    self.set(x0 + dx, y0 + dy, ch)


# ---------------------------------------------------------------------------
# Menu pictures: 25 pictures of 16x16, one strip of 400x16, 32-bit with alpha
# ---------------------------------------------------------------------------

MENU_COLOURS = {
    "k": "262626", "d": "555555", "G": "808080", "g": "b9b9b9",
    "l": "e4e4e4", "w": "ffffff",
    "r": "e23b2f", "R": "9a1d16", "p": "f59a8e",
    "o": "f28a1c", "O": "a84f0b", "a": "ffc164",
    "y": "ffd430", "Y": "b98400", "h": "fff4ad",
    "n": "d69c5e", "N": "9a5f2c", "m": "5a3313",
    "e": "97d873", "E": "3d9f33", "v": "1d5e1d",
    "b": "a8cff6", "B": "2f6fd6", "u": "183a86", "c": "e4f1ff",
    "i": "f58dc5", "I": "b52f7c", "j": "fcd3ea",
    "s": "e1e6eb", "S": "9ba6b2", "t": "56616c",
    "f": "fffaf0", "F": "eadcb8", "x": "b59c68",
    "q": "9b6fd0", "Q": "5e3a96",
}


def lum(rgb):
    r, g, b = rgb
    return 0.299 * r + 0.587 * g + 0.114 * b


def render_menu_icon(pix, outline=True, keep=""):
    """Turn a 16x16 grid into RGBA rows: outer edges get a darker shade of
    their own colour, and everything gets a soft light-from-top-left shading."""
    rows = []
    for y in range(pix.h):
        row = []
        for x in range(pix.w):
            ch = pix.g[y][x]
            if ch == ".":
                row.append((0, 0, 0, 0))
                continue
            rgb = hex_rgb(MENU_COLOURS[ch])
            edge = any(pix.get(x + dx, y + dy) == "."
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if outline and edge and ch not in keep and lum(rgb) > 100:
                rgb = tuple(int(c * 0.56) for c in rgb)
            f = 1.10 - 0.20 * (x + y) / 30.0
            rgb = tuple(max(0, min(255, int(round(c * f)))) for c in rgb)
            row.append(rgb + (255,))
        rows.append(row)
    return rows


def chef_hat(p, ox, oy, k):
    """Three puffs over a pleated band; (ox, oy) shift, k scale."""
    def X(v):
        return ox + v * k

    def Y(v):
        return oy + v * k
    p.disc(X(4.4), Y(5.6), 3.3 * k, "w")
    p.disc(X(11.6), Y(5.6), 3.3 * k, "w")
    p.disc(X(8.0), Y(4.3), 3.8 * k, "w")
    x0, x1 = int(round(X(4.5))), int(round(X(11.5))) - 1
    p.rect(x0, int(round(Y(7))), x1, int(round(Y(15))) - 1, "w")
    # creases between the puffs and the pleats of the band
    for (x, y) in ((5.5, 3.5), (5.5, 4.5), (10.5, 3.5), (10.5, 4.5)):
        p.set(int(X(x)), int(Y(y)), "l")
    by = int(round(Y(10)))
    for x in range(x0, x1 + 1):
        p.set(x, by, "l")
    for px_ in (6.5, 9.5):
        for y in range(by + 2, int(round(Y(15))) - 1):
            p.set(int(X(px_)), y, "l")


def menu_icons():
    icons = []

    # 0 autumn leaf
    p = Pix(16, 16, """
................
.......o........
......ooo.......
..o..ooOoo..o...
..oo.ooOoo.oo...
..ooooaOaoooo...
o.oOoooOoooOo.o.
oooaOooOooOaooo.
.ooooOoOoOoooo..
..ooooOOOoooo...
.ooooooOoooooo..
..ooo..O..ooo...
.......m........
.......m........
......m.........
................
""")
    icons.append(render_menu_icon(p))

    # 1 cooking pot
    p = Pix(16, 16, """
................
................
................
......SSSS......
......SSSS......
...ssssssssss...
..sswwssssssss..
.ssssssssssssss.
..RRRRRRRRRRRR..
SSrprrrrrrrrrrSS
SSrprrrrrrrrrrSS
..rprrrrrrrrrr..
..rprrrrrrrrrr..
..rrrrrrrrrrrr..
...rrrrrrrrrr...
................
""")
    icons.append(render_menu_icon(p))

    # 2 paint palette
    p = Pix(16, 16, """
................
....nnnnnn......
..nnnnnnnnnnn...
.nnrrnnnBBnnnn..
.nnrrnnnBBnnnnn.
nnnnnnnnnnnyynnn
nEEnnnn..nnyynnn
nEEnnnn..nnnnnn.
nnnnnnnnnnnnn...
nnqqnnnnnnnn....
nnqqnnnnnnnn....
.nnnnnnnnnnnnn..
..nnnnnnnnnnnnn.
...nnnnnnnnnnn..
.....nnnnnnnn...
................
""")
    icons.append(render_menu_icon(p))

    # 3 mortar and pestle
    p = Pix(16, 16, """
................
............nn..
...........nnn..
..........nnn...
.........nnn....
........nnn.....
.......nnn......
.ggggggnngggggg.
.gddddddddddddg.
.gggggggggggggg.
..gwgggggggggg..
..gwgggggggggg..
...gwgggggggg...
....gggggggg....
...gggggggggg...
................
""")
    icons.append(render_menu_icon(p))

    # 4 light bulb
    p = Pix(16, 16, """
................
......yyyy......
....yyhhyyyy....
...yhhyyyyyyy...
..yhhyyyyyyyyy..
..yhyyyyyyyyyy..
..yyyyyyyyyyyy..
..yyyyyyyyyyyy..
...yyyyyyyyyy...
....yyyyyyyy....
.....yyyyyy.....
.....ssssss.....
.....SSSSSS.....
.....ssssss.....
......SSSS......
................
""")
    icons.append(render_menu_icon(p))

    # 5 fork and knife
    p = Pix(16, 16, """
................
..s.s.s....ss...
..s.s.s...sss...
..s.s.s...sss...
..s.s.s...sss...
..sssss...sss...
..sssss...sss...
...sss....sss...
....s.....sss...
....s.....NNN...
...nnn....nnn...
...nnn....nnn...
...nnn....nnn...
...nnn....nnn...
...nnn....nnn...
................
""")
    icons.append(render_menu_icon(p))

    # 6 chef's hat
    p = Pix(16, 16)
    chef_hat(p, 0, 0, 1.0)
    icons.append(render_menu_icon(p))

    # 7 plate
    p = Pix(16, 16)
    p.disc(8, 8, 7.6, "l")
    p.disc(8, 8, 5.4, "b")
    p.disc(8, 8, 4.6, "w")
    p.put(5, 4, "ww\nw.")
    icons.append(render_menu_icon(p))

    # 8 exit: door with arrow
    p = Pix(16, 16, """
................
..mmmmmmmm......
..mnnnnnnm......
..mnNNNNnm......
..mnNnnNnm..E...
..mnnnnvvvvvEE..
..mnnnvEEEEEEEE.
..mnnnvEEEEEEEEE
..mnnnvEEEEEEEEE
..mnnnvEEEEEEEE.
..mnnnnvvvvvEE..
..mnNNNNnm..E...
..mnNnnNnm......
..mnNNNNnm......
..mmmmmmmm......
................
""")
    icons.append(render_menu_icon(p))

    # 9 sun
    p = Pix(16, 16, """
................
.......oo.......
.......oo.......
..o.........o...
...o..yyyy.o....
.....yyyyyy.....
....yhhyyyyy....
.oo.yhyyyyyy.oo.
.oo.yyyyyyyy.oo.
....yyyyyyyy....
.....yyyyyy.....
...o..yyyy..o...
..o.........o...
.......oo.......
.......oo.......
................
""")
    icons.append(render_menu_icon(p, keep="o"))

    # 10 open recipe book
    p = Pix(16, 16, """
................
................
..fff......fff..
.ffffff..ffffff.
.fggggfFFfggggf.
.ffffffFFffffff.
.fgggffFFfgggff.
.ffffffFFffffff.
.fggggfFFfggggf.
.ffffffFFffffff.
.fgggffFFfgggff.
.ffffffFFffffff.
rffffffFFffffffr
rrrrrrrRRrrrrrrr
.......RR.......
................
""")
    icons.append(render_menu_icon(p))

    # 11 star
    p = Pix(16, 16)
    pts = []
    for k in range(10):
        ang = -math.pi / 2 + k * math.pi / 5
        rr = 7.9 if k % 2 == 0 else 3.4
        pts.append((8 + rr * math.cos(ang), 8.6 + rr * math.sin(ang)))
    p.poly(pts, "y")
    p.put(7, 4, "h\nh")
    p.put(6, 6, "hh")
    icons.append(render_menu_icon(p))

    # 12 reference book with bookmark
    p = Pix(16, 16, """
................
..uBBBBBBBBBB...
..uBBBBBBBBBBf..
..uBBccccccBBf..
..uBBcggggcBBf..
..uBBccccccBBf..
..uBBBBBBBBBBf..
..uBBBBBBBBBBf..
..uBBBBBBBBBBf..
..uBBBBBBBBBBf..
..uBBBBBBBBBBf..
..uBBBBBBBBBBf..
..uBBBBBBrrBBf..
...ffffffrrfff..
.........rr.....
.........r.r....
""")
    icons.append(render_menu_icon(p, keep="r"))

    # 13 chef's hat with spoon
    p = Pix(16, 16)
    chef_hat(p, -1.9, 1.6, 0.8)
    p.rect(12, 7, 13, 15, "N")
    p.ellipse(13.0, 4.0, 2.6, 3.6, "n")
    p.put(12, 2, "a\na")
    icons.append(render_menu_icon(p))

    # 14 flower
    p = Pix(16, 16)
    p.rect(7, 9, 8, 15, "E")
    p.ellipse(4.2, 12.2, 3.2, 1.6, "e")
    p.ellipse(11.8, 11.2, 3.0, 1.5, "e")
    for k in range(5):
        ang = -math.pi / 2 + k * 2 * math.pi / 5
        p.disc(8 + 3.2 * math.cos(ang), 6 + 3.2 * math.sin(ang), 2.6, "i")
    p.disc(8, 6, 1.9, "y")
    icons.append(render_menu_icon(p))

    # 15 information
    p = Pix(16, 16)
    p.disc(8, 8, 7.8, "B")
    p.put(5, 2, "bb\nb")
    p.rect(7, 3, 8, 4, "w")
    p.rect(7, 6, 8, 11, "w")
    p.rect(6, 6, 6, 6, "w")
    p.rect(6, 12, 9, 12, "w")
    icons.append(render_menu_icon(p))

    # 16 magnifying glass
    p = Pix(16, 16)
    p.line(9, 9, 14, 14, "m", width=2)
    p.disc(6.5, 6.5, 6.0, "S")
    p.disc(6.5, 6.5, 4.4, "b")
    p.put(4, 3, "ccc\ncc\nc")
    icons.append(render_menu_icon(p))

    # 17 text document
    p = Pix(16, 16, """
..wwwwwwwww.....
..wwwwwwwwwl....
..wwwwwwwwwwl...
..wwwwwwwwllll..
..wwgggggwwwww..
..wwwwwwwwwwww..
..wwggggggggww..
..wwwwwwwwwwww..
..wwggggggggww..
..wwwwwwwwwwww..
..wwggggggggww..
..wwwwwwwwwwww..
..wwggggggwwww..
..wwwwwwwwwwww..
..wwwwwwwwwwww..
................
""")
    icons.append(render_menu_icon(p))

    # 18 gear
    p = Pix(16, 16)
    p.disc(8, 8, 5.6, "S")
    p.rect(6, 0, 9, 2, "S")
    p.rect(6, 13, 9, 15, "S")
    p.rect(0, 6, 2, 9, "S")
    p.rect(13, 6, 15, 9, "S")
    for (x, y) in ((2, 2), (11, 11)):
        p.put(x, y, "SS.\nSSS\n.SS")
    for (x, y) in ((11, 2), (2, 11)):
        p.put(x, y, ".SS\nSSS\nSS.")
    p.disc(8, 8, 4.2, "s", r_in=2.6)
    p.disc(8, 8, 2.4, ".")
    icons.append(render_menu_icon(p))

    # 19 snowflake
    p = Pix(16, 16)
    for k in range(6):
        ang = math.pi / 2 + k * math.pi / 3
        ex, ey = 7.5 + 7 * math.cos(ang), 7.5 + 7 * math.sin(ang)
        p.line(7.5, 7.5, ex, ey, "B")
        for t in (4.2,):
            bx, by = 7.5 + t * math.cos(ang), 7.5 + t * math.sin(ang)
            for s in (-1, 1):
                b2 = ang + s * math.pi / 3
                p.line(bx, by, bx + 2.2 * math.cos(b2), by + 2.2 * math.sin(b2), "B")
    p.rect(7, 7, 8, 8, "b")
    icons.append(render_menu_icon(p, outline=False))

    # 20 add recipe: green plus over a card
    p = Pix(16, 16, """
................
.ffffffffffff...
.fFFFFFFFFFFf...
.ffffffffffff...
.fggggggggggf...
.ffffffffffff...
.fggggggggfff...
.ffffffffffff...
.fgggggg.EEE....
.ffffff..EEE....
.fgggg.EEEEEEE..
.fffff.EEEEEEE..
.fffff.EEEEEEE..
.ffffff..EEE....
.........EEE....
................
""")
    icons.append(render_menu_icon(p))

    # 21 window restore
    p = Pix(16, 16)
    for (x0, y0) in ((5, 1), (1, 6)):
        p.rect(x0, y0, x0 + 9, y0 + 8, "u")
        p.rect(x0 + 1, y0 + 1, x0 + 8, y0 + 2, "B")
        p.rect(x0 + 1, y0 + 3, x0 + 8, y0 + 7, "w")
        p.set(x0 + 2, y0 + 1, "b")
    icons.append(render_menu_icon(p))

    # 22 minimize: a window with a bar at the bottom
    p = Pix(16, 16)
    p.rect(1, 1, 14, 14, "u")
    p.rect(2, 2, 13, 4, "B")
    p.rect(2, 5, 13, 13, "w")
    p.set(3, 2, "b")
    p.rect(4, 10, 9, 11, "k")
    icons.append(render_menu_icon(p))

    # 23 help
    p = Pix(16, 16)
    p.disc(8, 8, 7.8, "B")
    p.put(5, 2, "bb\nb")
    p.put(5, 3, """
.wwww.
ww..ww
....ww
...ww.
..ww..
..ww..
......
..ww..
..ww..
""")
    icons.append(render_menu_icon(p))

    # 24 checklist
    p = Pix(16, 16, """
....ggggggg.....
..wwgGGGGGgww...
..wwwwwwwwwww...
..wwwwwwwwwww...
..wwwwwE.wwww...
..wEwwEEwgggw...
..wEEEEwwwwww...
..wwEEwwwwwww...
..wwwwwwwwwww...
..wwwwwwwE.ww...
..wEwwwwEEggw...
..wEEwwEEwwww...
..wwEEEEwwwww...
..wwwEEwwwwww...
..wwwwwwwwwww...
................
""")
    icons.append(render_menu_icon(p, keep="E"))

    assert len(icons) == 25
    return icons


def write_bmp_v5_rgba(path, width, height, rows):
    """32-bit BMP, BI_BITFIELDS with an alpha mask, BITMAPV5HEADER, bottom-up,
    straight (not premultiplied) alpha."""
    pixels = bytearray()
    for row in reversed(rows):
        for (r, g, b, a) in row:
            pixels += bytes((b, g, r, a))
    hdr_size = 124
    off = 14 + hdr_size
    file_hdr = struct.pack("<2sIHHI", b"BM", off + len(pixels), 0, 0, off)
    v5 = struct.pack(
        "<IiiHHIIiiII",
        hdr_size, width, height, 1, 32, 3,  # BI_BITFIELDS
        len(pixels), 2835, 2835, 0, 0)
    v5 += struct.pack("<IIII", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
    v5 += b"BGRs"                       # LCS_sRGB, stored little-endian
    v5 += b"\0" * 36                    # CIEXYZTRIPLE endpoints
    v5 += struct.pack("<III", 0, 0, 0)  # gamma
    v5 += struct.pack("<IIII", 4, 0, 0, 0)  # LCS_GM_IMAGES, profile, reserved
    assert len(v5) == hdr_size
    with open(path, "wb") as f:
        f.write(file_hdr + v5 + pixels)


def make_menu():
    icons = menu_icons()
    strip = [[] for _ in range(16)]
    for ic in icons:
        for y in range(16):
            strip[y].extend(ic[y])
    write_bmp_v5_rgba(os.path.join(RES, "menu.bmp"), 400, 16, strip)

    def backdrop(x, y):
        # the menu colour of classic XP, with faint cell boundaries
        if (x // 64) % 2:
            return (236, 233, 216)
        return (246, 244, 236)
    write_png(os.path.join(RES, "menu_preview.png"), 1600, 64,
              scale_rows(strip, 4, backdrop))


# ---------------------------------------------------------------------------
# Program icon: one 32x32 image, 16 colours, with AND mask (766 bytes)
# ---------------------------------------------------------------------------

ICON_PALETTE = [
    (".", "000000"),  # 0  transparent pixels (AND mask set)
    ("k", "2b1d14"),  # 1  outline
    ("R", "8e1f16"),  # 2  dark red
    ("r", "d0392b"),  # 3  red
    ("p", "f28a72"),  # 4  light red
    ("t", "4b5561"),  # 5  dark steel
    ("S", "8d98a4"),  # 6  steel
    ("s", "c9d1d9"),  # 7  light steel
    ("w", "ffffff"),  # 8  white
    ("c", "e6eef6"),  # 9  steam
    ("C", "9fb3c6"),  # 10 steam shade
    ("y", "e8aa30"),  # 11 gold
    ("Y", "8f6414"),  # 12 dark gold
    ("o", "f6d38a"),  # 13 pale gold
    ("h", "fbd3c6"),  # 14 pale highlight
    ("M", "ae2a1f"),  # 15 deep red
]


def icon_picture():
    p = Pix(32, 32)
    # steam: three soft wisps
    wisp = """
..cC
.cC.
cC..
cC..
.cC.
..cC
..cC
.cC.
"""
    p.put(7, 0, wisp)
    p.put(14, 0, "\n".join(wisp.strip("\n").split("\n")[2:7]))
    p.put(21, 0, wisp)
    # handles
    p.rect(1, 18, 5, 20, "t")
    p.rect(26, 18, 30, 20, "t")
    p.rect(2, 18, 4, 18, "S")
    p.rect(27, 18, 29, 18, "S")
    # body with a rounded bottom
    p.rect(5, 16, 26, 26, "r")
    p.ellipse(16, 26, 11, 3.4, "r")
    for y in range(16, 32):
        for x in range(32):
            if p.get(x, y) != "r":
                continue
            if x in (7, 8):
                p.set(x, y, "p")
            elif x == 9:
                p.set(x, y, "h" if y < 24 else "p")
            elif x >= 23 or y >= 27:
                p.set(x, y, "M")
    # rim
    p.rect(4, 15, 27, 16, "R")
    p.rect(5, 15, 26, 15, "M")
    # lid: the upper half of an ellipse
    for y in range(8, 15):
        for x in range(32):
            dx = (x + 0.5 - 16) / 12.5
            dy = (y + 0.5 - 15) / 5.6
            if dx * dx + dy * dy <= 1.0:
                p.set(x, y, "s" if x < 20 else "S")
    p.rect(6, 13, 25, 14, "S")
    p.put(8, 11, "ww\n.ww")
    p.put(7, 12, "w")
    # knob
    p.rect(13, 7, 18, 9, "y")
    p.rect(14, 6, 17, 6, "y")
    p.rect(14, 7, 15, 7, "o")
    p.rect(13, 9, 18, 9, "Y")
    # dark outline on every outer edge (steam keeps its own shade)
    edge = []
    for y in range(32):
        for x in range(32):
            ch = p.get(x, y)
            if ch in ".cC":
                continue
            if any(p.get(x + dx, y + dy) in ".cC"
                   for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                edge.append((x, y))
    for (x, y) in edge:
        p.set(x, y, "k")
    # a dark line between the lid and the rim, and under the knob
    p.rect(5, 14, 26, 14, "t")
    return p


def write_icon(path, p):
    index = {ch: i for i, (ch, _) in enumerate(ICON_PALETTE)}
    w = h = 32
    palette = b"".join(bytes((b, g, r, 0)) for (_, hx) in ICON_PALETTE
                       for (r, g, b) in [hex_rgb(hx)])
    xor = bytearray()
    andm = bytearray()
    for y in reversed(range(h)):
        for x in range(0, w, 2):
            hi = index[p.g[y][x]]
            lo = index[p.g[y][x + 1]]
            xor.append((hi << 4) | lo)
        bits = 0
        for x in range(w):
            bits = (bits << 1) | (1 if p.g[y][x] == "." else 0)
        andm += struct.pack(">I", bits)
    assert len(xor) == 512 and len(andm) == 128
    bih = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 4, 0,
                      len(xor) + len(andm), 0, 0, 16, 0)
    image = bih + palette + bytes(xor) + bytes(andm)
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w, h, 16, 0, 1, 4, len(image), 6 + 16)
    data = header + entry + image
    assert len(data) == 766, len(data)
    with open(path, "wb") as f:
        f.write(data)


def make_icon():
    p = icon_picture()
    write_icon(os.path.join(RES, "velmora.ico"), p)
    colours = {ch: hex_rgb(hx) for ch, hx in ICON_PALETTE}
    rows = [[colours[ch] + ((0,) if ch == "." else (255,)) for ch in row]
            for row in p.g]
    return rows


# ---------------------------------------------------------------------------
# Cursor "Malet": a meat mallet, the toothed face's corner is the hot spot
# ---------------------------------------------------------------------------

CURSOR_COLOURS = {
    "k": "1e1a17",
    "w": "ffffff", "s": "dfe4ea", "S": "a3adb8", "t": "6b7682", "T": "46505b",
    "n": "e0a868", "N": "a9692f", "m": "6b3d17", "M": "4a2a10",
}


def cursor_picture():
    p = Pix(32, 32)
    # handle: a wooden bar going down and to the right, with a darker end
    hx0, hy0, hx1, hy1 = 8.0, 11.0, 26.5, 29.5
    L = math.hypot(hx1 - hx0, hy1 - hy0)
    ux, uy = (hx1 - hx0) / L, (hy1 - hy0) / L
    for y in range(32):
        for x in range(32):
            px, py = x + 0.5 - hx0, y + 0.5 - hy0
            along = px * ux + py * uy
            across = -px * uy + py * ux
            if 0 <= along <= L and abs(across) <= 2.2:
                if along > L - 3.2:
                    ch = "m"
                elif across < -0.9:
                    ch = "n"
                elif across > 1.0:
                    ch = "N"
                else:
                    ch = "n" if across < 0 else "N"
                p.set(x, y, ch)
    # the mallet head seen a little from the corner: toothed face in front,
    # the side and the bottom of the block behind it
    p.poly([(10, 0), (14, 4), (14, 14), (10, 10)], "t")
    p.poly([(0, 10), (10, 10), (14, 14), (4, 14)], "T")
    p.rect(0, 0, 9, 9, "S")
    for j in range(4):
        for i in range(4):
            x, y = 1 + 2 * i, 1 + 2 * j
            p.put(x, y, "ws\nsS")
    # outline
    edge = []
    for y in range(32):
        for x in range(32):
            if p.get(x, y) == ".":
                continue
            if any(p.get(x + dx, y + dy) == "."
                   for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                edge.append((x, y))
    for (x, y) in edge:
        p.set(x, y, "k")
    # the edges of the block
    p.line(10, 0, 13, 3, "k")
    p.line(10, 10, 13, 13, "k")
    p.rect(0, 0, 9, 0, "k")
    p.rect(0, 0, 0, 9, "k")
    p.rect(9, 0, 9, 9, "T")
    p.rect(0, 9, 9, 9, "T")
    p.set(0, 0, "k")
    return p


def write_cursor(path, p, hot=(0, 0)):
    """A .cur file with one 32x32 32-bit BGRA image and an AND mask."""
    w = h = 32
    colours = {ch: hex_rgb(hx) for ch, hx in CURSOR_COLOURS.items()}
    xor = bytearray()
    andm = bytearray()
    for y in reversed(range(h)):
        bits = 0
        for x in range(w):
            ch = p.g[y][x]
            if ch == ".":
                xor += b"\0\0\0\0"
                bits = (bits << 1) | 1
            else:
                r, g, b = colours[ch]
                xor += bytes((b, g, r, 255))
                bits = bits << 1
        andm += struct.pack(">I", bits)
    bih = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0,
                      len(xor) + len(andm), 0, 0, 0, 0)
    image = bih + bytes(xor) + bytes(andm)
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", w, h, 0, 0, hot[0], hot[1], len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(header + entry + image)


def make_cursor():
    p = cursor_picture()
    write_cursor(os.path.join(RES, "malet.cur"), p)
    colours = {ch: hex_rgb(hx) for ch, hx in CURSOR_COLOURS.items()}
    return [[(0, 0, 0, 0) if ch == "." else colours[ch] + (255,) for ch in row]
            for row in p.g]


# ---------------------------------------------------------------------------
# Splash picture: 405x300, 24-bit BMP
# ---------------------------------------------------------------------------

def herb_sprig(x0, y0, x1, y1, bend, n, size, flip=False):
    """A stem from (x0, y0) to (x1, y1) with pairs of leaves along it."""
    cx, cy = (x0 + x1) / 2 + bend, (y0 + y1) / 2
    out = ['<path d="M%.1f,%.1f Q%.1f,%.1f %.1f,%.1f" fill="none" '
           'stroke="#557a2c" stroke-width="2.2" stroke-linecap="round"/>'
           % (x0, y0, cx, cy, x1, y1)]
    for i in range(n):
        t = 0.18 + 0.8 * i / max(1, n - 1)
        # point and direction on the quadratic curve
        px = (1 - t) ** 2 * x0 + 2 * (1 - t) * t * cx + t * t * x1
        py = (1 - t) ** 2 * y0 + 2 * (1 - t) * t * cy + t * t * y1
        dx = 2 * (1 - t) * (cx - x0) + 2 * t * (x1 - cx)
        dy = 2 * (1 - t) * (cy - y0) + 2 * t * (y1 - cy)
        ang = math.degrees(math.atan2(dy, dx))
        sz = size * (1.0 - 0.45 * t)
        for side in ((-1, 1) if i < n - 1 else (0,)):
            rot = ang + side * 48
            fill = "#6f9f3c" if (i + (side > 0)) % 2 else "#5d8c31"
            out.append(
                '<g transform="translate(%.1f,%.1f) rotate(%.1f)">'
                '<path d="M0,0 C%.1f,%.1f %.1f,%.1f %.1f,0 C%.1f,%.1f %.1f,%.1f 0,0 Z" '
                'fill="%s" stroke="#3f6220" stroke-width="0.8"/>'
                '<path d="M1,0 L%.1f,0" stroke="#a9c97a" stroke-width="0.7" opacity="0.8"/>'
                '</g>' % (px, py, rot,
                          sz * 0.3, -sz * 0.42, sz * 0.8, -sz * 0.36, sz,
                          sz * 0.8, sz * 0.36, sz * 0.3, sz * 0.42,
                          fill, sz * 0.8))
    return "\n".join(out)


def splash_svg():
    folk = "".join(
        '<path d="M%.1f,203 l4,-4 l4,4 l-4,4 Z" fill="#fff4e0" opacity="0.9"/>'
        '<circle cx="%.1f" cy="203" r="1.4" fill="#fff4e0" opacity="0.9"/>'
        % (x - 4, x + 9) for x in range(160, 250, 18))
    herbs = (herb_sprig(40, 262, 42, 176, -8, 5, 17)
             + herb_sprig(82, 262, 120, 172, 12, 5, 19)
             + herb_sprig(60, 262, 82, 140, -16, 6, 22))
    return """<svg xmlns="http://www.w3.org/2000/svg" width="405" height="300" viewBox="0 0 405 300">
<defs>
  <radialGradient id="bg" cx="50%%" cy="32%%" r="78%%">
    <stop offset="0" stop-color="#fffaf0"/>
    <stop offset="0.55" stop-color="#faeacd"/>
    <stop offset="1" stop-color="#edca96"/>
  </radialGradient>
  <pattern id="gingham" width="16" height="16" patternUnits="userSpaceOnUse">
    <rect width="16" height="16" fill="#fbf3e6"/>
    <rect width="8" height="16" fill="#c4513b" fill-opacity="0.33"/>
    <rect width="16" height="8" fill="#c4513b" fill-opacity="0.33"/>
  </pattern>
  <linearGradient id="cloth" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#7a3b1c" stop-opacity="0.18"/>
    <stop offset="0.3" stop-color="#7a3b1c" stop-opacity="0"/>
  </linearGradient>
  <linearGradient id="body" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#ee7656"/>
    <stop offset="0.28" stop-color="#d9452f"/>
    <stop offset="0.75" stop-color="#b5311f"/>
    <stop offset="1" stop-color="#86200f"/>
  </linearGradient>
  <linearGradient id="lid" x1="0" y1="0" x2="1" y2="0.4">
    <stop offset="0" stop-color="#f5f7f9"/>
    <stop offset="0.45" stop-color="#c9d0d8"/>
    <stop offset="1" stop-color="#8b96a2"/>
  </linearGradient>
  <linearGradient id="wood" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#e8bd84"/>
    <stop offset="1" stop-color="#b57a3f"/>
  </linearGradient>
  <radialGradient id="tomato" cx="38%%" cy="35%%" r="70%%">
    <stop offset="0" stop-color="#ff8f6b"/>
    <stop offset="0.55" stop-color="#e0442a"/>
    <stop offset="1" stop-color="#a8261a"/>
  </radialGradient>
  <linearGradient id="title" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#8a3a16"/>
    <stop offset="1" stop-color="#5a220c"/>
  </linearGradient>
</defs>

<rect width="405" height="300" fill="url(#bg)"/>

<!-- tablecloth -->
<rect x="0" y="256" width="405" height="44" fill="url(#gingham)"/>
<rect x="0" y="256" width="405" height="44" fill="url(#cloth)"/>
<line x1="0" y1="256.5" x2="405" y2="256.5" stroke="#9c4a30" stroke-opacity="0.45"/>

<!-- herbs on the left -->
%(herbs)s

<!-- wooden spoon behind the tomato -->
<g transform="translate(374,150) rotate(9)">
  <rect x="-3.5" y="18" width="7" height="84" rx="3.5" fill="url(#wood)" stroke="#7b4a1e" stroke-width="1"/>
  <ellipse cx="0" cy="2" rx="11" ry="18" fill="url(#wood)" stroke="#7b4a1e" stroke-width="1"/>
  <ellipse cx="-1" cy="0" rx="6.5" ry="12" fill="#c58a4e" opacity="0.55"/>
</g>

<!-- pot -->
<ellipse cx="204" cy="256" rx="78" ry="6" fill="#5a2a10" opacity="0.2"/>
<rect x="116" y="180" width="30" height="11" rx="5.5" fill="#5c6570" stroke="#343b43"/>
<rect x="262" y="180" width="30" height="11" rx="5.5" fill="#5c6570" stroke="#343b43"/>
<path d="M144,172 L264,172 L260,234 Q258,254 238,254 L170,254 Q150,254 148,234 Z"
      fill="url(#body)" stroke="#6a180c" stroke-width="1.4"/>
<rect x="155" y="180" width="8" height="58" rx="4" fill="#ffffff" opacity="0.32"/>
<rect x="167" y="182" width="3" height="50" rx="1.5" fill="#ffffff" opacity="0.18"/>
<path d="M147,196 L261,196 L260.5,210 L147.6,210 Z" fill="#8e1f12" opacity="0.35"/>
%(folk)s
<rect x="138" y="165" width="132" height="10" rx="5" fill="#a52a1a" stroke="#6a180c"/>
<path d="M140,166 Q204,120 268,166 Z" fill="url(#lid)" stroke="#5b6570" stroke-width="1.3"/>
<path d="M156,158 Q180,138 204,134" fill="none" stroke="#ffffff" stroke-width="3" stroke-linecap="round" opacity="0.8"/>
<ellipse cx="204" cy="138" rx="12" ry="6.5" fill="#d49a3a" stroke="#7a5214" stroke-width="1.2"/>
<ellipse cx="200" cy="136" rx="5" ry="2.2" fill="#f6d690" opacity="0.9"/>

<!-- steam -->
<g fill="none" stroke-linecap="round">
  <g stroke="#c9a57a" stroke-width="5" opacity="0.25">
    <path d="M186,128 c-10,-8 8,-13 -1,-22"/>
    <path d="M206,126 c-10,-7 9,-12 0,-21"/>
    <path d="M226,128 c-10,-8 8,-13 -1,-22"/>
  </g>
  <g stroke="#ffffff" stroke-width="3" opacity="0.95">
    <path d="M186,128 c-10,-8 8,-13 -1,-22"/>
    <path d="M206,126 c-10,-7 9,-12 0,-21"/>
    <path d="M226,128 c-10,-8 8,-13 -1,-22"/>
  </g>
</g>

<!-- tomato -->
<ellipse cx="330" cy="256" rx="26" ry="4" fill="#5a2a10" opacity="0.2"/>
<ellipse cx="330" cy="236" rx="24" ry="20" fill="url(#tomato)" stroke="#8a1f12" stroke-width="1"/>
<path d="M330,218 l-9,-3 l6,5 l-8,4 l10,-2 l1,7 l2,-7 l10,2 l-8,-4 l6,-5 Z" fill="#4f7d2c" stroke="#2f5114" stroke-width="0.8"/>
<path d="M330,217 q1,-6 5,-8" fill="none" stroke="#4f7d2c" stroke-width="2.2" stroke-linecap="round"/>
<ellipse cx="321" cy="230" rx="6" ry="4" fill="#ffffff" opacity="0.35" transform="rotate(-30 321 230)"/>

<!-- title -->
<g font-family="DejaVu Serif" text-anchor="middle">
  <text x="204" y="72" font-size="47" font-weight="bold" fill="#ffffff" opacity="0.7">Велмора <tspan fill="#ffffff">XP</tspan></text>
  <text x="202.5" y="70.5" font-size="47" font-weight="bold" fill="url(#title)">Велмора <tspan fill="#d3641f">XP</tspan></text>
  <text x="203" y="100" font-size="19" font-style="italic" fill="#7a4a2a">Готварска книга</text>
</g>
<g stroke="#b98a5a" stroke-width="1" fill="none" opacity="0.8">
  <line x1="104" y1="83" x2="186" y2="83"/>
  <line x1="220" y1="83" x2="302" y2="83"/>
</g>
<path d="M203,78 l5,5 l-5,5 l-5,-5 Z" fill="#c76a2e" opacity="0.85"/>

<!-- version -->
<rect x="316" y="279" width="82" height="16" rx="3" fill="#fffaf0" opacity="0.9" stroke="#b98a5a" stroke-width="0.8"/>
<text x="357" y="291" font-family="DejaVu Sans" font-size="10.5" text-anchor="middle" fill="#5a3218">Версия 1.02</text>

<!-- frame -->
<rect x="0.5" y="0.5" width="404" height="299" fill="none" stroke="#7a4526" stroke-width="1"/>
<rect x="3.5" y="3.5" width="398" height="293" fill="none" stroke="#ffffff" stroke-opacity="0.5" stroke-width="1"/>
</svg>
""" % {"herbs": herbs, "folk": folk}


def render_svg(svg, png, width, height):
    with tempfile.NamedTemporaryFile("w", suffix=".svg", delete=False,
                                     encoding="utf-8") as f:
        f.write(svg)
        name = f.name
    try:
        run(["rsvg-convert", "-w", str(width), "-h", str(height),
             "-o", png, name])
    finally:
        os.unlink(name)


def make_splash(tmp):
    png = os.path.join(tmp, "splash.png")
    render_svg(splash_svg(), png, 405, 300)
    out = os.path.join(RES, "splash.bmp")
    run(["convert", png, "-background", "#fff8ea", "-alpha", "remove",
         "-alpha", "off", "-type", "TrueColor", "-define", "bmp:format=bmp3",
         "-compress", "none", "BMP3:" + out])
    return png


# ---------------------------------------------------------------------------
# Main window background: 758x457 baseline JPEG
# ---------------------------------------------------------------------------

# Where the window puts its controls (x, y, w, h); the picture frames them.
CONTROLS = [(24, 40, 313, 393), (360, 40, 377, 161), (360, 224, 377, 209)]


def utensils_svg(x0, y_rail):
    """Kitchen tools hanging from a rail, drawn as faint lines."""
    parts = ['<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (x0, y_rail, x0 + 232, y_rail),
             '<circle cx="%d" cy="%d" r="2"/>' % (x0, y_rail),
             '<circle cx="%d" cy="%d" r="2"/>' % (x0 + 232, y_rail)]
    y = y_rail

    def hook(x):
        return '<path d="M%d,%d v3"/><circle cx="%d" cy="%d" r="2"/>' % (x, y, x, y + 5)

    x = x0 + 22   # ladle
    parts += [hook(x), '<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (x, y + 7, x, y + 21),
              '<path d="M%d,%d a6,6 0 0 0 12,0 Z"/>' % (x - 6, y + 21)]
    x = x0 + 62   # whisk
    parts += [hook(x), '<rect x="%d" y="%d" width="4" height="9" rx="2"/>' % (x - 2, y + 7),
              '<path d="M%d,%d c-6,6 -5,12 0,13 c5,-1 6,-7 0,-13"/>' % (x, y + 16),
              '<path d="M%d,%d c-2,6 -2,12 0,13 c2,-1 2,-7 0,-13"/>' % (x, y + 16)]
    x = x0 + 102  # spatula
    parts += [hook(x), '<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (x, y + 7, x, y + 18),
              '<rect x="%d" y="%d" width="10" height="10" rx="2"/>' % (x - 5, y + 18),
              '<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (x - 2, y + 21, x - 2, y + 25),
              '<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (x + 2, y + 21, x + 2, y + 25)]
    x = x0 + 142  # wooden spoon
    parts += [hook(x), '<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (x, y + 7, x, y + 19),
              '<ellipse cx="%d" cy="%d" rx="4" ry="6"/>' % (x, y + 24)]
    x = x0 + 182  # skimmer
    parts += [hook(x), '<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (x, y + 7, x, y + 19),
              '<circle cx="%d" cy="%d" r="6"/>' % (x, y + 25),
              '<circle cx="%d" cy="%d" r="0.8"/>' % (x - 2, y + 24),
              '<circle cx="%d" cy="%d" r="0.8"/>' % (x + 2, y + 24),
              '<circle cx="%d" cy="%d" r="0.8"/>' % (x, y + 27)]
    x = x0 + 212  # fork
    parts += [hook(x), '<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (x, y + 7, x, y + 22),
              '<path d="M%d,%d v-5 M%d,%d v-6 M%d,%d v-5 M%d,%d q3,3 6,0"/>'
              % (x - 3, y + 27, x, y + 28, x + 3, y + 27, x - 3, y + 22)]
    return ('<g transform="translate(%d,%d) scale(0.68) translate(%d,%d)">\n%s\n</g>'
            % (x0, y_rail, -x0, -y_rail, "\n".join(parts)))


def folk_band(x0, x1, y):
    """A row of small embroidery-like crosses and diamonds."""
    parts = []
    x = x0
    i = 0
    while x <= x1:
        if i % 2 == 0:
            parts.append('<path d="M%.1f,%.1f l4,-4 l4,4 l-4,4 Z" fill="none"/>' % (x - 4, y))
            parts.append('<circle cx="%.1f" cy="%.1f" r="1" stroke="none"/>' % (x, y))
        else:
            parts.append('<path d="M%.1f,%.1f h4 M%.1f,%.1f v4" />' % (x - 2, y, x, y - 2))
        x += 12
        i += 1
    return "\n".join(parts)


def herb_line(x, y0, y1):
    """A faint upright sprig for the narrow gap between the panels."""
    parts = ['<path d="M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f" fill="none"/>'
             % (x, y1, x - 2, (2 * y1 + y0) / 3, x + 2, (y1 + 2 * y0) / 3, x, y0)]
    n = int((y1 - y0) / 16)
    for i in range(n):
        yy = y1 - 12 - i * 16
        sz = 7 - 3.0 * i / max(1, n - 1)
        for side in (-1, 1):
            parts.append(
                '<path d="M%.1f,%.1f q%.1f,%.1f %.1f,%.1f q%.1f,%.1f %.1f,%.1f" />'
                % (x, yy, side * sz * 0.9, -sz * 0.1, side * sz, -sz,
                   -side * sz * 0.9, sz * 0.2, -side * sz, sz))
    return "\n".join(parts)


def background_svg():
    frames = []
    for (x, y, w, h) in CONTROLS:
        frames.append('<rect x="%.1f" y="%.1f" width="%d" height="%d" rx="3" '
                      'fill="#7a5a30" opacity="0.10"/>' % (x - 1, y + 1, w + 4, h + 3))
        frames.append('<rect x="%.1f" y="%.1f" width="%d" height="%d" rx="2.5" '
                      'fill="#fffdf7" stroke="#d4bd93" stroke-width="1"/>'
                      % (x - 2.5, y - 2.5, w + 5, h + 5))
    return """<svg xmlns="http://www.w3.org/2000/svg" width="758" height="457" viewBox="0 0 758 457">
<defs>
  <linearGradient id="base" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#fcf8ef"/>
    <stop offset="1" stop-color="#f3e9d6"/>
  </linearGradient>
  <radialGradient id="vignette" cx="50%%" cy="45%%" r="72%%">
    <stop offset="0.65" stop-color="#c9a46a" stop-opacity="0"/>
    <stop offset="1" stop-color="#c9a46a" stop-opacity="0.22"/>
  </radialGradient>
  <filter id="weft" x="0" y="0" width="100%%" height="100%%">
    <feTurbulence type="fractalNoise" baseFrequency="0.012 0.75" numOctaves="2" seed="11"/>
    <feColorMatrix type="matrix"
      values="0 0 0 0 0.55  0 0 0 0 0.42  0 0 0 0 0.25  0.55 0 0 0 -0.2"/>
  </filter>
  <filter id="warp" x="0" y="0" width="100%%" height="100%%">
    <feTurbulence type="fractalNoise" baseFrequency="0.75 0.012" numOctaves="2" seed="23"/>
    <feColorMatrix type="matrix"
      values="0 0 0 0 0.55  0 0 0 0 0.42  0 0 0 0 0.25  0.55 0 0 0 -0.2"/>
  </filter>
</defs>

<rect width="758" height="457" fill="url(#base)"/>
<rect width="758" height="457" filter="url(#weft)" opacity="0.55"/>
<rect width="758" height="457" filter="url(#warp)" opacity="0.55"/>
<rect width="758" height="457" fill="url(#vignette)"/>

<!-- a gentle double border -->
<rect x="5.5" y="5.5" width="747" height="446" rx="7" fill="none" stroke="#cfb287" stroke-width="1"/>
<rect x="8.5" y="8.5" width="741" height="440" rx="5" fill="none" stroke="#cfb287" stroke-width="0.6" stroke-opacity="0.6"/>

<!-- kitchen tools above the products panel -->
<g fill="none" stroke="#b4946a" stroke-width="1.6" stroke-linecap="round" stroke-linejoin="round" opacity="0.6">
%(utensils)s
</g>

<!-- embroidery along the bottom -->
<g stroke="#c07a5c" stroke-width="1" fill="#c07a5c" opacity="0.45">
%(band)s
</g>

<!-- a sprig in the gap between the panels -->
<g fill="none" stroke="#8fa46a" stroke-width="1" stroke-linecap="round" opacity="0.55">
%(sprig)s
</g>

<!-- soft frames around the panels -->
%(frames)s
</svg>
""" % {"utensils": utensils_svg(566, 12),
       "band": folk_band(30, 730, 444.5),
       "sprig": herb_line(348.5, 300, 424),
       "frames": "\n".join(frames)}


def make_background(tmp):
    png = os.path.join(tmp, "background.png")
    render_svg(background_svg(), png, 758, 457)
    out = os.path.join(RES, "background.jpg")
    run(["convert", png, "-background", "#fbf6ec", "-alpha", "remove",
         "-alpha", "off", "-strip", "-colorspace", "sRGB", "-type", "TrueColor",
         "-interlace", "none", "-sampling-factor", "2x2,1x1,1x1",
         "-quality", "88", "JPEG:" + out])
    return png


# ---------------------------------------------------------------------------
# About box product picture: 121x65 baseline JPEG
# ---------------------------------------------------------------------------

def product_svg():
    steam = "".join(
        '<path d="M%d,24 c-5,-5 5,-9 0,-15" fill="none" stroke="#ffffff" '
        'stroke-width="2.2" stroke-linecap="round" opacity="0.85"/>' % x
        for x in (34, 44, 54))
    return """<svg xmlns="http://www.w3.org/2000/svg" width="242" height="130" viewBox="0 0 121 65">
<defs>
  <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#f6c98c"/>
    <stop offset="1" stop-color="#d9843f"/>
  </linearGradient>
  <pattern id="gingham" width="8" height="8" patternUnits="userSpaceOnUse">
    <rect width="8" height="8" fill="#fbf3e6"/>
    <rect width="4" height="8" fill="#c4513b" fill-opacity="0.4"/>
    <rect width="8" height="4" fill="#c4513b" fill-opacity="0.4"/>
  </pattern>
  <linearGradient id="pot" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#ee7656"/>
    <stop offset="0.4" stop-color="#d9452f"/>
    <stop offset="1" stop-color="#86200f"/>
  </linearGradient>
</defs>
<rect width="121" height="65" fill="url(#sky)"/>
<rect y="50" width="121" height="15" fill="url(#gingham)"/>
%(steam)s
<rect x="16" y="26" width="56" height="5" rx="2" fill="#8b96a2"/>
<path d="M20,31 h48 v14 q0,8 -8,8 h-32 q-8,0 -8,-8 Z" fill="url(#pot)"/>
<rect x="10" y="33" width="10" height="4" rx="2" fill="#86200f"/>
<rect x="68" y="33" width="10" height="4" rx="2" fill="#86200f"/>
<circle cx="44" cy="41" r="5" fill="#fff4e0" opacity="0.9"/>
<path d="M41,41 l3,-3 l3,3 l-3,3 Z" fill="#c4513b"/>
<text x="98" y="30" font-family="DejaVu Serif, serif" font-size="15" font-weight="bold"
      fill="#7a2a12" text-anchor="middle">XP</text>
<text x="98" y="43" font-family="DejaVu Sans, sans-serif" font-size="7"
      fill="#5a2410" text-anchor="middle">1.02</text>
</svg>""" % {"steam": steam}


def make_product(tmp):
    png = os.path.join(tmp, "product.png")
    render_svg(product_svg(), png, 121, 65)
    out = os.path.join(RES, "product.jpg")
    run(["convert", png, "-background", "#f6c98c", "-alpha", "remove",
         "-alpha", "off", "-strip", "-colorspace", "sRGB", "-type", "TrueColor",
         "-interlace", "none", "-sampling-factor", "2x2,1x1,1x1",
         "-quality", "92", "JPEG:" + out])
    return png


if __name__ == "__main__":
    os.makedirs(RES, exist_ok=True)
    make_menu()
    make_icon()
    make_cursor()
    with tempfile.TemporaryDirectory() as tmp:
        make_splash(tmp)
        make_background(tmp)
        make_product(tmp)
