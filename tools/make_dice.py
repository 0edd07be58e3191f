#!/usr/bin/env python3
"""Draws the sixteen dice colours (faces 1..6 each), the divider bar and the
score marker into resources/bitmap/.  Face f of a colour with base B is written
to (B + f).png.  Deterministic: all randomness uses fixed seeds."""

import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gfx import (Canvas, Circle, Ellipse, RoundRect, Segment, Polyline, Polygon, Union,
                 SmoothUnion, Star, Transform, hexcol, mix, lighten, darken, clamp, smoothstep,
                 ramp, linear, radial, fbm, vnoise, hsv, arc_points)
from glyphs import text_shapes, text_width, GLYPHS, seven_segments, SEVEN

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources', 'bitmap')

WHITE = (1.0, 1.0, 1.0)
BLACK = (0.0, 0.0, 0.0)

# Standard pip layouts on a 3 x 3 grid (-1, 0, 1).
LAYOUT = {
    1: [(0, 0)],
    2: [(1, -1), (-1, 1)],
    3: [(1, -1), (0, 0), (-1, 1)],
    4: [(-1, -1), (1, -1), (-1, 1), (1, 1)],
    5: [(-1, -1), (1, -1), (0, 0), (-1, 1), (1, 1)],
    6: [(-1, -1), (1, -1), (-1, 0), (1, 0), (-1, 1), (1, 1)],
}


def pips(f, cx, cy, dx, dy=None):
    dy = dx if dy is None else dy
    return [(cx + gx * dx, cy + gy * dy) for gx, gy in LAYOUT[f]]


def digit_shape(n, cx, cy, size, stroke):
    """A hand-drawn numeral centred on (cx, cy)."""
    text = str(n)
    w = text_width(text, size, stroke)
    return text_shapes(text, cx - w / 2.0, cy - size / 2.0, size, stroke)


# ---------------------------------------------------------------- common 48x48 body

def body(c, base, size=48, radius=8, rim=None, light=0.28, dark=0.3):
    """A rounded die body with a soft bevel; base: colour or paint function."""
    s = float(size)
    rim = darken(base if not callable(base) else base(s / 2, s / 2), 0.55) if rim is None else rim
    c.fill(RoundRect(0, 0, s, s, radius), rim)
    paint = base if callable(base) else (lambda x, y, b=base: b)

    def bevel(x, y):
        col = paint(x, y)
        t = ((x + y) / (2 * s))  # 0 top-left .. 1 bottom-right
        return mix(lighten(col, light), darken(col, dark), smoothstep(0.0, 1.0, t))
    c.fill(RoundRect(1, 1, s - 1, s - 1, radius - 1), bevel)
    # flat top face, blended softly into the bevel
    c.fill(RoundRect(4, 4, s - 4, s - 4, radius - 2), paint, soft=3.0)


def inset_pip(c, x, y, r, col, body_col, depth=0.45):
    """A pip sunk into the die: shadowed at the top-left, lit at bottom-right."""
    c.fill(Circle(x, y, r + 0.7), darken(body_col, 0.5), opacity=0.35)
    c.fill(Circle(x, y, r), lambda px, py: ramp(
        [(0.0, lighten(col, 0.15)), (0.75, col), (1.0, darken(col, depth))],
        math.hypot(px - x - r * 0.35, py - y - r * 0.35) / (r * 1.3)))
    # a bright lip where light catches the lower right rim of the hole
    c.fill(Circle(x, y, r + 0.2).outline(0.9) & Circle(x + r * 0.6, y + r * 0.6, r), lighten(body_col, 0.5),
           opacity=0.55)


def new48(back):
    return Canvas(48, 48, back, alpha=0.0)


# ---------------------------------------------------------------- the colours

def plain(base_hex, pip_hex):
    base = hexcol(base_hex)
    pipc = hexcol(pip_hex)

    def draw(f, back):
        c = new48(back)
        body(c, base)
        for x, y in pips(f, 24, 24, 12.5):
            inset_pip(c, x, y, 4.7, pipc, base, depth=0.3)
        # gloss on the upper left
        c.fill(Ellipse(16, 12, 16, 8, -30), WHITE, opacity=0.10, soft=6)
        return c
    return draw


def antique(f, back):
    rnd = random.Random(1120 + f)
    seed = 500 + f
    ivory_hi, ivory, ivory_lo = hexcol('#f8efd8'), hexcol('#eadbb6'), hexcol('#c9ae7c')

    def bone(x, y):
        n = fbm(x / 9.0, y / 9.0, 4, seed)
        grain = fbm(x / 1.6, y / 14.0, 2, seed + 7)  # long grain like bone or old ivory
        col = ramp([(0.0, ivory_hi), (0.55, ivory), (1.0, ivory_lo)], 0.25 + 0.7 * n + 0.25 * (grain - 0.5))
        # age: yellowed, darker towards the edges
        e = max(abs(x - 24), abs(y - 24)) / 24.0
        col = mix(col, hexcol('#b8945a'), 0.45 * smoothstep(0.55, 1.0, e))
        return col
    c = new48(back)
    body(c, bone, rim=hexcol('#6e5632'), light=0.18, dark=0.32)
    # faint stains and scratches
    for _ in range(2):
        sx, sy = rnd.uniform(8, 40), rnd.uniform(8, 40)
        c.fill(Ellipse(sx, sy, rnd.uniform(3, 7), rnd.uniform(2, 5), rnd.uniform(0, 180)),
               hexcol('#a8854c'), opacity=0.12, soft=4)
    for _ in range(5):
        x0, y0 = rnd.uniform(5, 43), rnd.uniform(5, 43)
        a = rnd.uniform(0, math.pi)
        ln = rnd.uniform(3, 9)
        c.fill(Segment(x0, y0, x0 + ln * math.cos(a), y0 + ln * math.sin(a), 0.25), hexcol('#7a6040'),
               opacity=0.25)
    pip_col = hexcol('#4a2a12')
    for x, y in pips(f, 24, 24, 12.5):
        r = 4.6
        # engraved pip: dark cup with a warm shadow and a light lower rim
        c.fill(Circle(x + 0.4, y + 0.4, r + 0.9), hexcol('#8a6a3a'), opacity=0.35, soft=1.5)
        c.fill(Circle(x, y, r), lambda px, py, x=x, y=y: ramp(
            [(0.0, hexcol('#6a4424')), (0.6, pip_col), (1.0, hexcol('#2a160a'))],
            math.hypot(px - x - 1.4, py - y - 1.4) / 5.4))
        c.fill(Circle(x, y, r + 0.3).outline(0.9) & Circle(x + 3, y + 3, r), hexcol('#fff6dc'), opacity=0.6)
    c.fill(Ellipse(17, 13, 15, 8, -30), WHITE, opacity=0.12, soft=6)
    return c


PABLO = ['#e4b52c', '#d2462a', '#2f6fb0', '#2a9d8f', '#f2e6c9', '#e07b39', '#6b4c9a', '#9bc53d', '#f0c8a0']


def pablo(f, back):
    rnd = random.Random(1180 + f)
    lines = []
    for _ in range(4):
        a = rnd.uniform(0, math.pi)
        px, py = rnd.uniform(6, 42), rnd.uniform(6, 42)
        lines.append((math.cos(a), math.sin(a), -(math.cos(a) * px + math.sin(a) * py)))
    arcs = [(rnd.uniform(0, 48), rnd.uniform(0, 48), rnd.uniform(10, 22)) for _ in range(1)]
    pal = [hexcol(h) for h in PABLO]
    order = list(range(len(pal)))
    rnd.shuffle(order)

    def region(x, y):
        key = 0
        for i, (a, b, cc) in enumerate(lines):
            if a * x + b * y + cc > 0:
                key |= 1 << i
        for i, (ax, ay, ar) in enumerate(arcs):
            if math.hypot(x - ax, y - ay) < ar:
                key |= 1 << (8 + i)
        return key

    def paint(x, y):
        k = region(x, y)
        h = (k * 2654435761 + f * 97) & 0xFFFFFFFF
        col = pal[order[(h >> 7) % len(pal)]]
        # brushy texture
        n = fbm(x / 3.0, y / 3.0, 3, 31 + f)
        col = mix(col, darken(col, 0.35), 0.5 * n)
        # black drawing lines along the region borders
        d = min(abs(a * x + b * y + cc) for a, b, cc in lines)
        d = min(d, min(abs(math.hypot(x - ax, y - ay) - ar) for ax, ay, ar in arcs))
        return mix(hexcol('#1a1410'), col, smoothstep(0.45, 1.25, d))
    c = new48(back)
    c.fill(RoundRect(0, 0, 48, 48, 7), hexcol('#1a1410'))
    c.fill(RoundRect(1.5, 1.5, 46.5, 46.5, 6), paint)
    for x, y in pips(f, 24, 24, 12.5):
        c.fill(Circle(x + 0.8, y + 0.8, 6.4), BLACK, opacity=0.35, soft=1.5)
        c.fill(Circle(x, y, 6.6), hexcol('#fbf6ea'), opacity=0.9)
        c.fill(Circle(x, y, 5.4), hexcol('#141010'))
        c.fill(Circle(x, y, 4.0), hexcol('#fbf6ea'))
        c.fill(Circle(x - 1.0, y - 1.0, 1.3), hexcol('#ffffff'), opacity=0.9)
    return c


def clocks(f, back):
    c = new48(back)
    wood = hexcol('#5a2d18')
    body(c, lambda x, y: mix(wood, hexcol('#7a4226'), fbm(x / 2.0, y / 12.0, 3, 77)), rim=hexcol('#2a140a'))
    cx = cy = 24.0
    # brass bezel and a cream dial
    c.fill(Circle(cx + 0.8, cy + 1.2, 21.5), BLACK, opacity=0.4, soft=2)
    c.fill(Circle(cx, cy, 21.2), linear(6, 4, 42, 44, [(0, hexcol('#fff1a8')), (0.5, hexcol('#d4a32c')),
                                                        (1, hexcol('#7a5410'))]))
    c.fill(Circle(cx, cy, 18.6), radial(cx - 4, cy - 5, 24, [(0, hexcol('#fffdf4')), (1, hexcol('#e6dcc0'))]))
    c.fill(Circle(cx, cy, 18.6).outline(1.0), hexcol('#8a6a2a'), opacity=0.8)
    for h in range(12):
        a = math.radians(h * 30 - 90)
        big = h % 3 == 0
        r0 = 15.0 if big else 16.3
        c.fill(Segment(cx + r0 * math.cos(a), cy + r0 * math.sin(a),
                       cx + 17.6 * math.cos(a), cy + 17.6 * math.sin(a), 0.8 if big else 0.5), hexcol('#2a2a2a'))
    # the numeral for this face, in red, at its place on the dial
    a = math.radians(f * 30 - 90)
    nx, ny = cx + 11.3 * math.cos(a), cy + 11.3 * math.sin(a)
    c.fill(digit_shape(f, nx, ny, 7.6, 1.7), hexcol('#c0201a'))
    # hands: minute hand on 12, hour hand pointing at the numeral
    c.fill(Segment(cx, cy + 2.5, cx, cy - 15.5, 0.7), hexcol('#1c1c2c'))
    hx, hy = cx + 8.0 * math.cos(a), cy + 8.0 * math.sin(a)
    c.fill(Segment(cx - 2.0 * math.cos(a), cy - 2.0 * math.sin(a), hx, hy, 1.5), hexcol('#1c1c2c'))
    c.fill(Circle(cx, cy, 2.1), hexcol('#c0201a'))
    c.fill(Circle(cx - 0.5, cy - 0.5, 0.7), WHITE, opacity=0.8)
    c.fill(Ellipse(cx - 6, cy - 9, 12, 6, -25), WHITE, opacity=0.18, soft=4)
    return c


def digital(f, back):
    c = new48(back)
    body(c, hexcol('#4a4e56'), rim=hexcol('#1a1c20'), light=0.35, dark=0.35)
    c.fill(RoundRect(6, 5, 42, 43, 3), linear(0, 5, 0, 43, [(0, hexcol('#060a08')), (1, hexcol('#10201a'))]))
    c.fill(RoundRect(6, 5, 42, 43, 3).outline(1.0), hexcol('#000000'), opacity=0.8)
    segs = seven_segments(14.5, 9.5, 18.5, 29, 4.2, slant=3.0, gap=0.55)
    on = SEVEN[f]
    lit = hexcol('#7dffa0')
    for k, sh in segs.items():
        if k not in on:
            c.fill(sh, hexcol('#16352a'), opacity=0.9)
    for k, sh in segs.items():
        if k in on:
            c.fill(sh.grow(2.0), hexcol('#30ff70'), opacity=0.22, soft=4.0)
    for k, sh in segs.items():
        if k in on:
            c.fill(sh, lambda x, y: mix(hexcol('#d8ffe0'), lit, 0.5 + 0.5 * math.sin(x * 0.3)))
    # glass reflection
    c.fill(Polygon([(6, 5), (42, 5), (42, 12), (6, 22)]), WHITE, opacity=0.07)
    return c


def clouds(f, back):
    c = new48(back)
    sky = linear(0, 0, 0, 48, [(0, hexcol('#3d8fe0')), (1, hexcol('#a8dcfa'))])
    body(c, sky, rim=hexcol('#1e4f88'), light=0.2, dark=0.15)
    for i, (x, y) in enumerate(pips(f, 24, 24, 12.6)):
        blobs = [Circle(x - 3.4, y + 1.0, 2.9), Circle(x - 0.6, y - 1.6, 3.6), Circle(x + 2.8, y - 0.2, 3.1),
                 Circle(x + 4.1, y + 1.5, 2.3), Circle(x, y + 1.6, 2.8)]
        cloud = SmoothUnion(blobs, 1.2)
        c.fill(cloud.moved(0.8, 1.4), hexcol('#2a6cb0'), opacity=0.35, soft=2)
        c.fill(cloud, lambda px, py, y=y: mix(WHITE, hexcol('#c7d8ea'), smoothstep(y - 2.5, y + 4.5, py)))
    return c


def marble_paint(seed):
    def paint(x, y):
        n = fbm(x / 10.0, y / 10.0, 5, seed)
        v = math.sin((x * 0.09 + y * 0.16) + 9.0 * n)
        vein = 1.0 - abs(v) ** 0.35
        n2 = fbm(x / 4.0, y / 4.0, 3, seed + 5)
        base = mix(hexcol('#f3f1ec'), hexcol('#d9d6cf'), n2)
        col = mix(base, hexcol('#6f7378'), 0.75 * vein)
        w = 1.0 - abs(math.sin((x * 0.05 - y * 0.11) + 7.0 * fbm(x / 14.0, y / 14.0, 4, seed + 9))) ** 0.12
        return mix(col, hexcol('#b39a6a'), 0.6 * w)
    return paint


def marbles(f, back):
    c = new48(back)
    paint = marble_paint(1540 + f)
    body(c, paint, rim=hexcol('#55585c'), light=0.25, dark=0.22)
    for x, y in pips(f, 24, 24, 12.5):
        c.fill(Circle(x, y, 5.3), hexcol('#8a8a8a'), opacity=0.45)
        c.fill(Circle(x, y, 4.7), lambda px, py, x=x, y=y: ramp(
            [(0.0, hexcol('#3a4048')), (0.7, hexcol('#121418')), (1.0, hexcol('#050607'))],
            math.hypot(px - x + 1.6, py - y + 1.6) / 6.0))
        c.fill(Ellipse(x - 1.5, y - 1.8, 1.6, 0.9, -35), WHITE, opacity=0.8)
    c.fill(Ellipse(16, 12, 16, 8, -30), WHITE, opacity=0.12, soft=6)
    return c


def bubbles(f, back):
    c = new48(back)
    water = linear(0, 0, 48, 48, [(0, hexcol('#27b3c9')), (1, hexcol('#0d4f8a'))])
    body(c, water, rim=hexcol('#0a2e55'), light=0.2, dark=0.25)
    # soft light rays through the water
    c.fill(Polygon([(10, 0), (18, 0), (30, 48), (20, 48)]), WHITE, opacity=0.06, soft=3)
    c.fill(Polygon([(26, 0), (30, 0), (40, 48), (35, 48)]), WHITE, opacity=0.05, soft=3)
    for x, y in pips(f, 24, 24, 12.5):
        r = 5.7
        c.fill(Circle(x, y, r), WHITE, opacity=0.22)
        c.fill(Circle(x, y, r).outline(1.5),
               lambda px, py, x=x, y=y: hsv(0.5 + math.atan2(py - y, px - x) / (2 * math.pi) * 0.6, 0.35, 1.0),
               opacity=0.95)
        c.fill(Ellipse(x - 2.0, y - 2.2, 1.9, 1.1, -40), WHITE, opacity=0.95)
        c.fill(Circle(x + 2.4, y + 2.3, 0.8), WHITE, opacity=0.7)
    return c


def patriot(f, back):
    c = new48(back)
    red, blue = hexcol('#c8102e'), hexcol('#1f2f78')
    c.fill(RoundRect(0, 0, 48, 48, 8), hexcol('#5a0814'))
    # red and white striped border
    c.fill(RoundRect(1, 1, 47, 47, 7), lambda x, y: red if int(((x + y) / 3.0)) % 2 == 0 else hexcol('#fbfbfb'))
    c.fill(RoundRect(4.5, 4.5, 43.5, 43.5, 4), WHITE)
    c.fill(RoundRect(5.5, 5.5, 42.5, 42.5, 3.5), linear(5, 5, 43, 43, [(0, hexcol('#3149a8')), (1, blue)]))
    for x, y in pips(f, 24, 24, 11.6):
        star = Star(x, y + 0.3, 5.9, 2.45)
        c.fill(star.moved(0.7, 0.9), hexcol('#0a1030'), opacity=0.5, soft=1.5)
        c.fill(star, lambda px, py, y=y: mix(WHITE, hexcol('#dfe3f0'), smoothstep(y - 4, y + 5, py)))
    c.fill(Ellipse(16, 12, 16, 8, -30), WHITE, opacity=0.08, soft=6)
    return c


def computer(f, back):
    rnd = random.Random(1840 + f)
    c = new48(back)
    pcb = hexcol('#136b34')
    body(c, lambda x, y: mix(pcb, hexcol('#0d5228'), fbm(x / 6.0, y / 6.0, 2, 5)), rim=hexcol('#06301a'))
    copper = hexcol('#d6ad4a')
    # circuit traces: horizontal/vertical runs with 45 degree bends and round pads
    for _ in range(6):
        x, y = rnd.choice([4, 8, 12, 18, 24, 30, 36, 40, 44]), rnd.choice([4, 9, 16, 24, 32, 39, 44])
        pts = [(x, y)]
        for _ in range(3):
            d = rnd.choice([(1, 0), (0, 1), (-1, 0), (0, -1), (1, 1), (-1, 1)])
            ln = rnd.uniform(5, 14)
            x = min(44, max(4, x + d[0] * ln))
            y = min(44, max(4, y + d[1] * ln))
            pts.append((x, y))
        c.fill(Polyline(pts, 0.55), copper, opacity=0.55)
        for px, py in (pts[0], pts[-1]):
            c.fill(Circle(px, py, 1.5), copper)
            c.fill(Circle(px, py, 0.6), hexcol('#062010'))
    for x, y in pips(f, 24, 24, 12.5):
        # a tiny chip with silver legs as the pip
        for k in (-3.0, -1.0, 1.0, 3.0):
            c.fill(Segment(x - 5.9, y + k, x + 5.9, y + k, 0.5), hexcol('#e2e6ea'))
        c.fill(RoundRect(x - 4.6 + 0.6, y - 4.9 + 0.8, x + 4.6 + 0.6, y + 4.9 + 0.8, 0.8), BLACK, opacity=0.45)
        c.fill(RoundRect(x - 4.6, y - 4.9, x + 4.6, y + 4.9, 0.8),
               linear(x - 4, y - 4, x + 4, y + 4, [(0, hexcol('#44484f')), (1, hexcol('#0c0d10'))]))
        c.fill(Circle(x - 2.5, y - 2.7, 0.8), hexcol('#9aa0a8'))
    return c


# ---------------------------------------------------------------- small sizes

PALETTE16 = [hexcol(h) for h in ('#000000', '#800000', '#008000', '#808000', '#000080', '#800080', '#008080',
                                  '#c0c0c0', '#808080', '#ff0000', '#00ff00', '#ffff00', '#0000ff', '#ff00ff',
                                  '#00ffff', '#ffffff')]


def quantize16(c):
    def nearest(x, y, col):
        return min(PALETTE16, key=lambda p: sum((a - b) ** 2 for a, b in zip(p, col)))
    c.map(nearest)


def green(f, back):
    c = Canvas(29, 31, back, alpha=0.0)
    c.fill(RoundRect(0, 0, 29, 31, 4), hexcol('#000000'), hard=True)
    c.fill(RoundRect(1, 1, 28, 30, 3), hexcol('#00ff00'), hard=True)     # lit top-left edge
    c.fill(RoundRect(2, 2, 28, 30, 3), hexcol('#000000'), hard=True)     # shade
    c.fill(RoundRect(2, 2, 27, 29, 2.5), hexcol('#008000'), hard=True)   # face
    for x, y in pips(f, 14.5, 15.5, 7, 7):
        c.fill(Circle(x + 1, y + 1, 2.6), hexcol('#000000'), hard=True)
        c.fill(Circle(x, y, 2.6), hexcol('#ffffff'), hard=True)
    quantize16(c)
    return c


def digi1(f, back):
    c = Canvas(29, 31, back, alpha=0.0)
    c.fill(RoundRect(0, 0, 29, 31, 2), hexcol('#000000'), hard=True)
    c.fill(RoundRect(1, 1, 28, 30, 1), hexcol('#ffffff'), hard=True)
    c.fill(RoundRect(2, 2, 28, 30, 1), hexcol('#808080'), hard=True)
    c.fill(RoundRect(2, 2, 27, 29, 0), hexcol('#c0c0c0'), hard=True)
    c.fill(RoundRect(4, 4, 25, 27, 0), hexcol('#808080'), hard=True)
    c.fill(RoundRect(5, 5, 25, 27, 0), hexcol('#ffffff'), hard=True)
    c.fill(RoundRect(5, 5, 24, 26, 0), hexcol('#000000'), hard=True)
    segs = seven_segments(8, 6.5, 13, 18, 3.0, gap=0.3)
    for k, sh in segs.items():
        if k in SEVEN[f]:
            c.fill(sh, hexcol('#ff0000'), hard=True)
    quantize16(c)
    return c


def keys(f, back):
    c = Canvas(32, 32, back, alpha=0.0)
    c.fill(RoundRect(0, 0, 32, 32, 4), hexcol('#55524c'))
    c.fill(RoundRect(1, 1, 31, 31, 3.5), linear(0, 0, 32, 32, [(0, hexcol('#c9c4b8')), (1, hexcol('#8d887c'))]))
    # the top of the key, narrower than its base, slightly dished
    c.fill(RoundRect(4, 2.5, 28, 25.5, 3), hexcol('#b6b1a4'), soft=1.5)
    c.fill(RoundRect(4.6, 3, 27.4, 25, 2.6),
           radial(16, 18, 17, [(0, hexcol('#f4f1ea')), (1, hexcol('#dcd7cb'))]))
    c.fill(Segment(6, 3.6, 26, 3.6, 0.5), WHITE, opacity=0.8)
    c.fill(digit_shape(f, 16, 14, 12.5, 2.2), hexcol('#2c2a28'))
    return c


BALL = {1: '#f6c21c', 2: '#1e4fc8', 3: '#d8231f', 4: '#5d2a8c', 5: '#f0741a', 6: '#14823e'}


def billiards(f, back):
    c = Canvas(29, 32, back, alpha=0.0)  # the ball lies on the tray's own felt
    cx, cy, r = 14.5, 15.6, 13.9
    c.fill(Ellipse(cx + 1.5, cy + 2.5, r, r * 0.9), hexcol('#07301a'), opacity=0.55, soft=2.5)
    col = hexcol(BALL[f])
    c.fill(Circle(cx, cy, r), lambda x, y: ramp([(0, lighten(col, 0.45)), (0.45, col), (1.0, darken(col, 0.6))],
                                                 math.hypot(x - cx + 4.5, y - cy + 5) / (r * 1.55)))
    c.fill(Circle(cx, cy - 0.3, 6.3), lambda x, y: mix(WHITE, hexcol('#d6d6cc'), smoothstep(cy - 6, cy + 7, y)))
    c.fill(digit_shape(f, cx + 0.1, cy - 0.3, 7.4, 1.65), hexcol('#111111'))
    c.fill(Ellipse(cx - 5.5, cy - 7.5, 3.2, 1.8, -35), WHITE, opacity=0.85, soft=1.3)
    return c


def roman_shapes(n, cx, cy, h):
    """Serif Roman numeral I..VI centred at (cx, cy), letter height h."""
    letters = {1: 'I', 2: 'II', 3: 'III', 4: 'IV', 5: 'V', 6: 'VI'}[n]
    thick, thin, serif = h * 0.17, h * 0.07, h * 0.07
    widths = {'I': h * 0.22, 'V': h * 0.64}
    gap = h * 0.08
    total = sum(widths[ch] for ch in letters) + gap * (len(letters) - 1)
    x = cx - total / 2.0
    top, bot = cy - h / 2.0, cy + h / 2.0
    shapes = []
    for ch in letters:
        w = widths[ch]
        if ch == 'I':
            m = x + w / 2.0
            shapes.append(RoundRect(m - thick / 2, top, m + thick / 2, bot, 0))
            shapes.append(RoundRect(x - h * 0.04, top, x + w + h * 0.04, top + serif, 0))
            shapes.append(RoundRect(x - h * 0.04, bot - serif, x + w + h * 0.04, bot, 0))
        else:
            m = x + w / 2.0
            shapes.append(Polygon([(x + w * 0.06, top), (x + w * 0.06 + thick * 1.1, top), (m + thick * 0.25, bot),
                                   (m - thick * 0.3, bot)]))
            shapes.append(Polygon([(x + w - w * 0.08 - thin, top), (x + w - w * 0.08, top), (m + thick * 0.25, bot),
                                   (m, bot)]))
            shapes.append(RoundRect(x - h * 0.04, top, x + w * 0.46, top + serif, 0))
            shapes.append(RoundRect(x + w * 0.66, top, x + w + h * 0.04, top + serif, 0))
        x += w + gap
    return Union(shapes)


def roman(f, back):
    c = Canvas(29, 31, back, alpha=0.0)
    c.fill(RoundRect(0, 0, 29, 31, 4), hexcol('#6b5630'))
    c.fill(RoundRect(1, 1, 28, 30, 3.3), linear(0, 0, 29, 31, [(0, hexcol('#fff6d8')), (1, hexcol('#cdb27a'))]))
    c.fill(RoundRect(3, 3, 26, 28, 2), lambda x, y: mix(hexcol('#f7ecd0'), hexcol('#e6d4a6'),
                                                        fbm(x / 4.0, y / 4.0, 3, 1900 + f)), soft=1.5)
    c.fill(RoundRect(3.5, 3.5, 25.5, 27.5, 1.8).outline(0.8), hexcol('#a0823e'), opacity=0.8)
    sh = roman_shapes(f, 14.5, 15.5, 14.5)
    c.fill(sh.moved(0.6, 0.6), hexcol('#fffaf0'), opacity=0.9)
    c.fill(sh, hexcol('#6e1414'))
    return c


# ---------------------------------------------------------------- divider and marker

def divider():
    c = Canvas(5, 52, BLACK)
    cols = [hexcol('#6a6a6a'), hexcol('#f4f4f4'), hexcol('#ffffff'), hexcol('#d4d4d4'), hexcol('#505050')]
    for y in range(52):
        for x in range(5):
            k = 1.0 - 0.12 * abs(y - 26) / 26.0
            col = cols[x] if x in (0, 4) else tuple(v * k for v in cols[x])
            if y in (0, 51) and x not in (0, 4):
                col = hexcol('#8a8a8a')
            c.put(x, y, col)
    return c


def marker():
    c = Canvas(14, 9, (0.0, 0.0, 0.0), alpha=0.0)
    tri = Polygon([(0.8, 0.8), (13.2, 0.8), (7.0, 8.4)])
    c.fill(tri, hexcol('#7a4a00'))
    c.fill(Polygon([(2.4, 1.7), (11.6, 1.7), (7.0, 7.0)]),
           linear(0, 1, 0, 7, [(0, hexcol('#fff3a0')), (0.5, hexcol('#ffd02a')), (1, hexcol('#e09a00'))]))
    return c


# Base, painter and the tray colour the style is drawn for (the back colour the colour list
# previews). The corners outside the rounded die are left transparent, so that whatever tray
# the die lies on shows there and no square edge does.
COLOURS = [
    (100, plain('#2058c8', '#ffffff'), (0, 128, 0)),
    (106, plain('#c81e1e', '#ffffff'), (0, 128, 0)),
    (112, antique, (166, 2, 2)),
    (118, pablo, (0, 0, 128)),
    (124, clocks, (28, 246, 164)),
    (130, green, (0, 0, 0)),
    (136, digi1, (0, 0, 0)),
    (142, digital, (0, 0, 0)),
    (148, clouds, (0, 0, 255)),
    (154, marbles, (128, 128, 255)),
    (160, keys, (0, 0, 255)),
    (166, billiards, (0, 128, 0)),
    (172, bubbles, (0, 128, 255)),
    (178, patriot, (0, 0, 128)),
    (184, computer, (0, 0, 0)),
    (190, roman, (0, 0, 0)),
]


def main():
    os.makedirs(OUT, exist_ok=True)
    only = set(int(a) for a in sys.argv[1:])
    for base, fn, tray in COLOURS:
        if only and base not in only:
            continue
        back = tuple(v / 255.0 for v in tray)
        for f in range(1, 7):
            fn(f, back).save_png(os.path.join(OUT, '%d.png' % (base + f)), alpha=True)
    if not only:
        divider().save_png(os.path.join(OUT, '198.png'))
        marker().save_png(os.path.join(OUT, '199.png'), alpha=True)


if __name__ == '__main__':
    main()
