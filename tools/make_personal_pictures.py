#!/usr/bin/env python3
"""Makes the pictures of the own-recipe windows and writes them under res/, with the drawing
helpers of make_pictures.py.

    python3 tools/make_personal_pictures.py

Outputs:
    res/add_recipe_background.jpg  667x362 baseline JPEG, the add-recipe window's background
    res/my_recipes_background.jpg  762x426 baseline JPEG, the my-recipes window's background
    res/add_recipe_picture.bmp     97x233 8-bit BMP (256 colours), the add-recipe window's picture
    res/add_button.bmp             113x25 24-bit BMP, the add button
    res/add_recipe_menu.bmp        32x16 32-bit BMP: 0 change (pencil), 1 remove
    res/my_recipes_menu.bmp        64x16 32-bit BMP: 0 change, 1 recipe book, 2 remove, 3 add
    res/pen.cur                    32x32 cursor "Pen", hot spot 0,0 at the nib
"""

import math
import os
import tempfile

from make_pictures import (RES, Pix, menu_icons, render_menu_icon, render_svg, run,
                           write_bmp_v5_rgba, write_cursor, CURSOR_COLOURS)

PAPER = "#fbf6ec"


def pencil_icon():
    p = Pix(16, 16, """
...........kk...
..........kppk..
.........kyRppk.
........kyyYRk..
.......kyyyYk...
......kyyyYk....
.....kyyyYk.....
....kyyyYk......
...kyyyYk.......
..knyyYk........
..knnYk.........
..kNnk..........
..kmk...........
..kk............
................
................
""")
    return render_menu_icon(p, outline=False)


def remove_icon():
    p = Pix(16, 16)
    p.line(3, 3, 12, 12, "r", width=3)
    p.line(12, 3, 3, 12, "r", width=3)
    p.line(3, 4, 11, 12, "R")
    p.line(11, 4, 3, 12, "R")
    return render_menu_icon(p)


def strip(icons):
    rows = [[] for _ in range(16)]
    for icon in icons:
        for y in range(16):
            rows[y].extend(icon[y])
    return rows


def make_menus():
    shared = menu_icons()
    book, card_plus = shared[10], shared[20]
    add_menu = [pencil_icon(), remove_icon()]
    write_bmp_v5_rgba(os.path.join(RES, "add_recipe_menu.bmp"), 32, 16, strip(add_menu))
    my_menu = [pencil_icon(), book, remove_icon(), card_plus]
    write_bmp_v5_rgba(os.path.join(RES, "my_recipes_menu.bmp"), 64, 16, strip(my_menu))


def pen_picture():
    """A fountain pen going up to the left, its nib in the top-left corner."""
    p = Pix(32, 32)
    x0, y0, x1, y1 = 1.0, 1.0, 25.0, 25.0
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    for y in range(32):
        for x in range(32):
            px, py = x + 0.5 - x0, y + 0.5 - y0
            along = px * ux + py * uy
            across = -px * uy + py * ux
            if along < 0 or along > length:
                continue
            if along < 7:
                width = 0.4 + along * 0.32
                ch = "S" if across < 0 else "s"
                if abs(across) <= 0.6 and 2 < along < 6:
                    ch = "T"
            elif along < 9:
                width, ch = 2.6, "t"
            else:
                width = 2.6
                ch = "M" if across > 1.0 else ("m" if across > -1.0 else "N")
            if abs(across) <= width:
                p.set(x, y, ch)
    edge = []
    for y in range(32):
        for x in range(32):
            if p.get(x, y) != "." and any(p.get(x + dx, y + dy) == "."
                                          for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                edge.append((x, y))
    for (x, y) in edge:
        p.set(x, y, "k")
    p.set(0, 0, "k")
    return p


def make_pen():
    write_cursor(os.path.join(RES, "pen.cur"), pen_picture())


def linen(width, height, frames, extra=""):
    shapes = []
    for (x, y, w, h) in frames:
        shapes.append('<rect x="%.1f" y="%.1f" width="%d" height="%d" rx="2.5" fill="#fffdf7" '
                      'stroke="#d4bd93" stroke-width="1"/>' % (x - 2.5, y - 2.5, w + 5, h + 5))
    return """<svg xmlns="http://www.w3.org/2000/svg" width="%(w)d" height="%(h)d">
<defs>
  <linearGradient id="base" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#fcf8ef"/>
    <stop offset="1" stop-color="#f0e4cc"/>
  </linearGradient>
  <filter id="weave" x="0" y="0" width="100%%" height="100%%">
    <feTurbulence type="fractalNoise" baseFrequency="0.02 0.7" numOctaves="2" seed="5"/>
    <feColorMatrix type="matrix" values="0 0 0 0 0.55  0 0 0 0 0.42  0 0 0 0 0.25  0.5 0 0 0 -0.2"/>
  </filter>
</defs>
<rect width="%(w)d" height="%(h)d" fill="url(#base)"/>
<rect width="%(w)d" height="%(h)d" filter="url(#weave)" opacity="0.5"/>
<rect x="4.5" y="4.5" width="%(iw)d" height="%(ih)d" rx="6" fill="none" stroke="#cfb287"/>
%(extra)s
%(frames)s
</svg>""" % {"w": width, "h": height, "iw": width - 9, "ih": height - 9, "extra": extra,
             "frames": "\n".join(shapes)}


def to_jpeg(png, out):
    run(["convert", png, "-background", PAPER, "-alpha", "remove", "-alpha", "off", "-strip",
         "-colorspace", "sRGB", "-type", "TrueColor", "-interlace", "none",
         "-sampling-factor", "2x2,1x1,1x1", "-quality", "88", "JPEG:" + out])


def to_bmp(png, out, palette=False):
    kind = ["-colors", "256", "-type", "Palette"] if palette else ["-type", "TrueColor"]
    run(["convert", png, "-background", PAPER, "-alpha", "remove", "-alpha", "off"] + kind +
        ["-compress", "none", "BMP3:" + out])


def make_backgrounds(tmp):
    png = os.path.join(tmp, "add.png")
    render_svg(linen(667, 362, [(152, 24, 297, 19), (152, 64, 297, 81), (152, 168, 297, 177),
                                (472, 24, 177, 321)]), png, 667, 362)
    to_jpeg(png, os.path.join(RES, "add_recipe_background.jpg"))
    png = os.path.join(tmp, "my.png")
    render_svg(linen(762, 426, [(24, 40, 313, 353), (376, 40, 361, 137), (376, 208, 361, 185)]),
               png, 762, 426)
    to_jpeg(png, os.path.join(RES, "my_recipes_background.jpg"))


def make_side_picture(tmp):
    """A recipe card with a pot, a whisk and herbs, standing beside the fields."""
    svg = """<svg xmlns="http://www.w3.org/2000/svg" width="97" height="233">
<rect width="97" height="233" fill="#fffaf0"/>
<rect x="3.5" y="3.5" width="90" height="226" rx="4" fill="none" stroke="#c9a46a"/>
<g stroke="#b58a4c" stroke-width="1" opacity="0.7">
  <line x1="12" y1="30" x2="85" y2="30"/><line x1="12" y1="42" x2="85" y2="42"/>
  <line x1="12" y1="54" x2="70" y2="54"/>
</g>
<path d="M20 120 h57 v34 q0 14 -14 14 h-29 q-14 0 -14 -14 z" fill="#d0392b" stroke="#8e1f16" stroke-width="2"/>
<rect x="14" y="114" width="69" height="7" rx="3" fill="#9ba6b2" stroke="#56616c"/>
<circle cx="48.5" cy="110" r="4" fill="#56616c"/>
<path d="M34 100 q-6 -10 0 -20 q6 -10 0 -20" fill="none" stroke="#c9c9c9" stroke-width="2"/>
<path d="M60 100 q-6 -10 0 -20 q6 -10 0 -20" fill="none" stroke="#c9c9c9" stroke-width="2"/>
<g fill="#5f9a3a" stroke="#3d6b22" stroke-width="0.8">
  <ellipse cx="30" cy="196" rx="9" ry="4" transform="rotate(-30 30 196)"/>
  <ellipse cx="48" cy="190" rx="9" ry="4" transform="rotate(10 48 190)"/>
  <ellipse cx="66" cy="198" rx="9" ry="4" transform="rotate(35 66 198)"/>
</g>
<path d="M20 212 q28 -24 58 0" fill="none" stroke="#3d6b22" stroke-width="1.5"/>
</svg>"""
    png = os.path.join(tmp, "side.png")
    render_svg(svg, png, 97, 233)
    to_bmp(png, os.path.join(RES, "add_recipe_picture.bmp"), palette=True)


def make_add_button(tmp):
    svg = """<svg xmlns="http://www.w3.org/2000/svg" width="113" height="25">
<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#f7d58a"/><stop offset="1" stop-color="#d99a2b"/>
</linearGradient></defs>
<rect x="0.5" y="0.5" width="112" height="24" rx="5" fill="url(#g)" stroke="#8a5a12"/>
<circle cx="14" cy="12.5" r="7" fill="#3d9f33" stroke="#1d5e1d"/>
<path d="M14 8.5 v8 M10 12.5 h8" stroke="#ffffff" stroke-width="2"/>
<text x="66" y="17" font-family="DejaVu Sans, sans-serif" font-size="12" font-weight="bold"
      text-anchor="middle" fill="#4a2a10">Добави</text>
</svg>"""
    png = os.path.join(tmp, "button.png")
    render_svg(svg, png, 113, 25)
    to_bmp(png, os.path.join(RES, "add_button.bmp"))


if __name__ == "__main__":
    make_menus()
    make_pen()
    with tempfile.TemporaryDirectory() as tmp:
        make_backgrounds(tmp)
        make_side_picture(tmp)
        make_add_button(tmp)
