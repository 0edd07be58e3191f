#!/usr/bin/env python3
"""Paints the eleven background pictures into resources/custom/201..211.jpg.
Pictures are drawn with our own procedural kit (gfx.py), then encoded with
ImageMagick: JPEG for all except 204, which is GIF data kept under the name
204.jpg.  Deterministic: fixed random seeds."""

import math
import os
import random
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gfx import (Canvas, Circle, Ellipse, RoundRect, Segment, Polyline, Polygon, Union, SmoothUnion,
                 Star, Transform, hexcol, mix, lighten, darken, clamp, smoothstep, ramp, linear, radial,
                 fbm, vnoise, hsv, bezier, arc_points, Shape)
from glyphs import text_shapes, text_width, catmull

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources', 'custom')
WHITE = (1.0, 1.0, 1.0)
BLACK = (0.0, 0.0, 0.0)


# ---------------------------------------------------------------- helpers

class Fuzzy(Shape):
    """A shape whose edge is roughened by noise (fur, fluff, foliage)."""

    def __init__(self, a, amp, freq, seed=0):
        self.a, self.amp, self.freq, self.seed = a, amp, freq, seed
        b = a.bbox
        self.bbox = (b[0] - amp, b[1] - amp, b[2] + amp, b[3] + amp)

    def sdf(self, x, y):
        d = self.a.sdf(x, y)
        if d > self.amp * 1.5 + 2:
            return d
        return d + self.amp * (vnoise(x * self.freq, y * self.freq, self.seed) - 0.5) * 2


def grain(c, amount, seed, size=1.0):
    def fn(x, y, col):
        k = 1.0 + amount * (vnoise(x / size, y / size, seed) - 0.5)
        return tuple(clamp(v * k) for v in col)
    c.map(fn)


def vignette(c, amount):
    cx, cy = c.w / 2.0, c.h / 2.0
    m = math.hypot(cx, cy)

    def fn(x, y, col):
        k = 1.0 - amount * smoothstep(0.45, 1.0, math.hypot(x - cx, y - cy) / m)
        return tuple(v * k for v in col)
    c.map(fn)


def layer(c):
    return Canvas(c.w, c.h, (0.0, 0.0, 0.0), alpha=0.0)


def shrink(c, k):
    """The layer scaled down by k (< 1), each pixel the average of a grid of samples."""
    w, h = int(math.ceil(c.w * k)), int(math.ceil(c.h * k))
    out = Canvas(w, h, (0.0, 0.0, 0.0), alpha=0.0)
    n = int(math.ceil(1.0 / k)) + 1
    for y in range(h):
        for x in range(w):
            sr = sg = sb = sa = 0.0
            for j in range(n):
                v = int((y + (j + 0.5) / n) / k)
                if v >= c.h:
                    continue
                for i in range(n):
                    u = int((x + (i + 0.5) / n) / k)
                    if u >= c.w:
                        continue
                    p = v * c.w + u
                    a = c.a[p]
                    sr += c.r[p] * a
                    sg += c.g[p] * a
                    sb += c.b[p] * a
                    sa += a
            o = y * w + x
            if sa > 0:
                out.r[o], out.g[o], out.b[o] = sr / sa, sg / sa, sb / sa
            out.a[o] = sa / (n * n)
    return out


def dashed(c, x0, y0, x1, y1, r, col, dash=6.0, gap=3.0, opacity=1.0):
    ln = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / ln, (y1 - y0) / ln
    t = 0.0
    while t < ln:
        t2 = min(ln, t + dash)
        c.fill(Segment(x0 + ux * t, y0 + uy * t, x0 + ux * t2, y0 + uy * t2, r), col, opacity=opacity)
        t = t2 + gap


def arrow_head(c, x, y, ux, uy, size, col):
    px, py = -uy, ux
    c.fill(Polygon([(x, y), (x - ux * size + px * size * 0.35, y - uy * size + py * size * 0.35),
                    (x - ux * size - px * size * 0.35, y - uy * size - py * size * 0.35)]), col)


def encode(canvas, path, fmt='jpg', limit=60000):
    tool = shutil.which('magick') or shutil.which('convert')
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, 'pic.ppm')
        canvas.save_ppm(src)
        if fmt == 'gif':
            subprocess.check_call([tool, src, '-strip', '-dither', 'FloydSteinberg', '-colors', '256',
                                   'gif:' + path])
            return
        for q in (90, 87, 84, 80, 76, 72, 68, 64, 60):
            subprocess.check_call([tool, src, '-strip', '-sampling-factor', '2x2', '-quality', str(q),
                                   'jpg:' + path])
            if os.path.getsize(path) <= limit - 2000:
                return


# ---------------------------------------------------------------- label bands

# The main window stretches a picture over its 391 x 513 pixel game area, keeping the
# proportions, centred, the overhang cut off.  Its labels stand in two strips of that area:
# the menus, "Current Player:" and "Score this Turn:" rows at the top, and the status and
# last-roll lines between the two dice trays.  The strips are generous: a label that grows
# by a few dozen pixels stays inside.
GAME_W, GAME_H = 391, 513
LABEL_STRIPS = [(4, -20, 387, 128), (4, 170, 387, 250)]


def to_picture(w, h, x, y):
    s = max(GAME_W / float(w), GAME_H / float(h))
    return ((x - (GAME_W - w * s) / 2.0) / s, (y - (GAME_H - h * s) / 2.0) / s)


def _lin(v):
    return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4


def _srgb(v):
    v = clamp(v)
    return v * 12.92 if v <= 0.0031308 else 1.055 * v ** (1 / 2.4) - 0.055


def _lum(lin):
    return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]


def label_bands(c, lo, hi, tint, tint_amount=0.3, blur=1):
    """A calm band behind the label strips: the picture softened and tinted, its relative
    luminance squeezed into [lo, hi], hues kept.  The range is one the paired text colour
    stands out from; a dark band stays bright enough for navy too, the colour a label that
    was empty when the colours were applied keeps (the player's name after a start)."""
    calm = c.copy()
    calm.blur(blur)
    bands = []
    for x0, y0, x1, y1 in LABEL_STRIPS:
        px0, py0 = to_picture(c.w, c.h, x0, y0)
        px1, py1 = to_picture(c.w, c.h, x1, y1)
        bands.append(RoundRect(px0, py0, px1, py1, 5))
    shape = Union(bands)
    soft = 3.0
    cover, source = {}, {}
    for y in range(c.h):
        for x in range(c.w):
            a = clamp(0.5 - shape.sdf(x + 0.5, y + 0.5) / soft)
            if a > 0.0:
                i = y * c.w + x
                cover[i] = a
                source[i] = [_lin(v) for v in mix((calm.r[i], calm.g[i], calm.b[i]), tint, tint_amount)]
    lums = sorted(_lum(v) for v in source.values())
    p_lo, p_hi = lums[len(lums) // 200], lums[-1 - len(lums) // 200]
    k = min(1.0, (hi - lo) / max(1e-6, p_hi - p_lo))
    for i, a in cover.items():
        lin = source[i]
        lum = _lum(lin)
        want = clamp((lo + hi) / 2.0 + k * (lum - (p_lo + p_hi) / 2.0), lo, hi)
        if want < lum:  # darker: the same hue, dimmed
            lin = [v * want / lum for v in lin]
        else:           # lighter: as through frosted glass, a grey veil added
            lin = [min(1.0, v + want - lum) for v in lin]
        out = tuple(_srgb(v) for v in lin)
        col = (c.r[i], c.g[i], c.b[i])
        c.r[i], c.g[i], c.b[i] = mix(col, out, a)


# ---------------------------------------------------------------- 201 Autumn

def maple_leaf(cx, cy, size, angle):
    pts = []
    n = 90
    for i in range(n):
        t = 2 * math.pi * i / n  # 0 = up
        lobe = (0.5 + 0.5 * math.cos(5 * t)) ** 0.8
        r = 0.55 + 0.45 * lobe
        r *= 1.0 - 0.32 * (min(t, 2 * math.pi - t) / math.pi) ** 2
        r += 0.05 * abs(math.sin(15 * t))
        a = t - math.pi / 2 + math.radians(angle)
        pts.append((cx + size * r * math.cos(a), cy + size * r * math.sin(a)))
    return Polygon(pts)


def oval_leaf(cx, cy, size, angle, width=0.42):
    pts = []
    n = 40
    for i in range(n + 1):
        t = math.pi * i / n
        pts.append((width * math.sin(t) ** 1.2, -math.cos(t)))
    pts += [(-x, y) for x, y in reversed(pts[1:-1])]
    a = math.radians(angle)
    ca, sa = math.cos(a), math.sin(a)
    return Polygon([(cx + size * (x * ca - y * sa), cy + size * (x * sa + y * ca)) for x, y in pts])


def draw_leaf(c, rnd, x, y, size, angle, col, kind, depth=1.0):
    shape = maple_leaf(x, y, size, angle) if kind == 0 else oval_leaf(x, y, size, angle)
    c.fill(shape.moved(size * 0.12, size * 0.18), darken(col, 0.6), opacity=0.25 * depth, soft=size * 0.15 + 1)
    seed = rnd.randrange(1000)
    c.fill(shape, lambda px, py: mix(lighten(col, 0.2), darken(col, 0.3),
                                     fbm(px / (size * 0.5), py / (size * 0.5), 3, seed)))
    a = math.radians(angle) - math.pi / 2
    ux, uy = math.cos(a), math.sin(a)
    vein = darken(col, 0.35)
    # main vein and stem
    c.fill(Segment(x - ux * size * 1.25, y - uy * size * 1.25, x + ux * size * 0.8, y + uy * size * 0.8,
                   max(0.4, size * 0.03)), vein, opacity=0.8)
    if kind == 0:
        for da in (-72, 72, -140, 140):
            b = a + math.radians(da)
            c.fill(Segment(x, y, x + math.cos(b) * size * 0.75, y + math.sin(b) * size * 0.75,
                           max(0.3, size * 0.022)), vein, opacity=0.6)
    else:
        for k in (-0.5, -0.15, 0.2, 0.5):
            bx, by = x + ux * size * k, y + uy * size * k
            for s in (-1, 1):
                b = a + s * math.radians(55)
                c.fill(Segment(bx, by, bx + math.cos(b) * size * 0.3, by + math.sin(b) * size * 0.3,
                               max(0.3, size * 0.018)), vein, opacity=0.5)


def autumn():
    W, H = 260, 310
    rnd = random.Random(201)
    c = Canvas(W, H)
    c.fill_all(linear(0, 0, 60, H, [(0, hexcol('#fbe6b4')), (0.5, hexcol('#f3b866')), (1, hexcol('#c9662a'))]))
    # warm out-of-focus light
    for _ in range(14):
        c.fill(Circle(rnd.uniform(0, W), rnd.uniform(0, H * 0.7), rnd.uniform(10, 30)),
               hexcol('#fff3d0'), opacity=rnd.uniform(0.1, 0.25), soft=6)
    palette = [hexcol(h) for h in ('#c0392b', '#e67e22', '#f1c40f', '#8e4a1f', '#d35400', '#b03a1a', '#e6a020')]
    # far leaves, small and soft
    far = layer(c)
    for _ in range(18):
        draw_leaf(far, rnd, rnd.uniform(0, W), rnd.uniform(0, H), rnd.uniform(6, 10), rnd.uniform(0, 360),
                  lighten(rnd.choice(palette), 0.25), rnd.randrange(2), 0.5)
    far.blur(1)
    c.paste(far, 0, 0, 0.8)
    # a branch across the top with a few leaves still on it
    branch = catmull([(-10, 30), (50, 42), (110, 34), (170, 48), (215, 40)], n=8)
    c.fill(Polyline(branch, 3.2), hexcol('#4a2c18'))
    c.fill(Polyline([(p[0], p[1] - 1.2) for p in branch], 1.0), hexcol('#7a5234'), opacity=0.7)
    c.fill(Polyline(catmull([(110, 34), (130, 20), (150, 12)], n=6), 1.8), hexcol('#4a2c18'))
    for (x, y, s, a, k) in [(62, 58, 16, 170, 0), (128, 55, 13, 200, 1), (186, 66, 17, 160, 0),
                            (150, 30, 11, 120, 1)]:
        draw_leaf(c, rnd, x, y, s, a, rnd.choice(palette), k)
    # a carpet of leaves on the ground
    for _ in range(40):
        x = rnd.uniform(-10, W + 10)
        y = H - rnd.uniform(0, 26) ** 1.0
        draw_leaf(c, rnd, x, y, rnd.uniform(9, 16), rnd.uniform(0, 360), rnd.choice(palette), rnd.randrange(2))
    # falling leaves
    placed = []
    while len(placed) < 16:
        x, y = rnd.uniform(15, W - 15), rnd.uniform(85, H - 60)
        if all(math.hypot(x - px, y - py) > 42 for px, py in placed):
            placed.append((x, y))
    for x, y in placed:
        draw_leaf(c, rnd, x, y, rnd.uniform(11, 22), rnd.uniform(-60, 60) + rnd.choice([0, 180]),
                  rnd.choice(palette), rnd.randrange(2))
    vignette(c, 0.25)
    grain(c, 0.05, 2011, 0.7)
    return c


# ---------------------------------------------------------------- 202 Blonde Chick

def chick():
    W, H = 258, 310
    rnd = random.Random(202)
    c = Canvas(W, H)
    c.fill_all(linear(0, 0, 0, 200, [(0, hexcol('#8fd0f5')), (1, hexcol('#e8f6ff'))]))
    # soft clouds
    for cx, cy, k in ((50, 45, 1.0), (200, 70, 0.8)):
        cl = SmoothUnion([Circle(cx - 22 * k, cy + 4, 14 * k), Circle(cx, cy - 6, 20 * k),
                          Circle(cx + 24 * k, cy + 3, 15 * k), Circle(cx, cy + 8, 14 * k)], 8)
        c.fill(cl, WHITE, opacity=0.9, soft=3)
    # grassy hill
    hill = Ellipse(W / 2, 420, 260, 215)
    c.fill(hill, lambda x, y: mix(hexcol('#9ad46a'), hexcol('#4f9a34'), smoothstep(205, 310, y)))
    for _ in range(520):
        x = rnd.uniform(-5, W + 5)
        y0 = 212 + rnd.uniform(0, 110) ** 1.0
        if hill.sdf(x, y0) > -3:
            continue
        h = rnd.uniform(6, 15)
        lean = rnd.uniform(-4, 4)
        col = mix(hexcol('#3e8a2a'), hexcol('#b5e27c'), rnd.random())
        c.fill(Polyline(bezier((x, y0), (x + lean * 0.3, y0 - h * 0.6), (x + lean, y0 - h), n=4), 0.7), col,
               opacity=0.9)
    # daisies
    for x, y in ((30, 250), (226, 236), (210, 290), (46, 296), (240, 270)):
        for k in range(8):
            a = math.radians(k * 45 + x)
            c.fill(Ellipse(x + 4.5 * math.cos(a), y + 4.5 * math.sin(a), 3.5, 1.6, math.degrees(a)), WHITE)
        c.fill(Circle(x, y, 2.4), hexcol('#f5c211'))
    # the chick and its shell, drawn on their own layer and set down small in the grass,
    # where the table leaves the picture free below the dice trays
    bird = layer(c)
    cx = W / 2
    bird.fill(Ellipse(cx, 282, 62, 10), hexcol('#2f6a1e'), opacity=0.35, soft=8)
    yellow = lambda x, y: ramp([(0, hexcol('#fff3a0')), (0.5, hexcol('#ffd93a')), (1, hexcol('#f0a818'))],
                               math.hypot(x - cx + 25, y - 150) / 150.0)
    body = Fuzzy(Ellipse(cx, 214, 66, 62), 3.5, 0.45, 5)
    head = Fuzzy(Circle(cx, 128, 46), 3.0, 0.5, 6)
    # feet
    for fx in (cx - 24, cx + 24):
        for dx in (-8, 0, 8):
            bird.fill(Segment(fx, 268, fx + dx, 282, 2.2), hexcol('#f08a1c'))
        bird.fill(Segment(fx, 258, fx, 270, 2.6), hexcol('#f08a1c'))
    bird.fill(body, yellow, soft=2.0)
    bird.fill(head, yellow, soft=2.0)
    # tuft on the head
    for dx, a in ((-6, -25), (0, 0), (6, 25)):
        pts = bezier((cx + dx, 86), (cx + dx + a * 0.2, 72), (cx + dx + a * 0.5, 70), n=6)
        bird.fill(Polyline(pts, 2.3), hexcol('#ffd93a'))
    # wings
    for s in (-1, 1):
        wing = Fuzzy(Ellipse(cx + s * 52, 210, 18, 34, s * -25), 2.0, 0.6, 9)
        bird.fill(wing.moved(s * 1.5, 2), hexcol('#d08a10'), opacity=0.35, soft=3)
        bird.fill(wing, lambda x, y: mix(hexcol('#ffe066'), hexcol('#f2b01e'), smoothstep(185, 245, y)), soft=1.5)
    # belly highlight
    bird.fill(Ellipse(cx - 6, 205, 30, 34), hexcol('#fff8c8'), opacity=0.35, soft=14)
    # face
    for s in (-1, 1):
        ex, ey = cx + s * 17, 122
        bird.fill(Ellipse(ex, ey, 6.5, 8), hexcol('#1a1208'))
        bird.fill(Circle(ex - 2, ey - 3, 2.3), WHITE)
        bird.fill(Circle(ex + 2, ey + 3, 1.0), WHITE, opacity=0.8)
        bird.fill(Ellipse(cx + s * 29, 140, 7, 4.5), hexcol('#ff8a8a'), opacity=0.55, soft=3)
    bird.fill(Polygon([(cx - 10, 138), (cx + 10, 138), (cx, 128)]), hexcol('#ff9d2a'))
    bird.fill(Polygon([(cx - 10, 138), (cx + 10, 138), (cx, 151)]), hexcol('#e4741a'))
    bird.fill(Segment(cx - 9, 138.3, cx + 9, 138.3, 0.6), hexcol('#a04a10'), opacity=0.8)
    # egg shell beside the chick
    shell = Polygon([(196, 300), (188, 272), (194, 277), (199, 266), (205, 276), (212, 264), (218, 276),
                     (225, 268), (229, 279), (236, 272), (232, 300)])
    shell = shell & Ellipse(212, 286, 24, 26)
    bird.fill(shell.moved(3, 3), hexcol('#2f6a1e'), opacity=0.35, soft=4)
    bird.fill(shell.grow(0.8), hexcol('#a89e88'))
    bird.fill(shell, lambda x, y: mix(hexcol('#fffdf6'), hexcol('#d8cdb4'), smoothstep(205, 232, x + (y - 270) * 0.3)))
    bird.fill(Ellipse(207, 282, 3, 5), hexcol('#e8c890'), opacity=0.6)
    small = shrink(bird, 0.3)
    c.paste(small, int(cx - cx * 0.3), int(284 - 282 * 0.3))
    vignette(c, 0.18)
    return c


# ---------------------------------------------------------------- 203 Blueprints

def blueprints():
    W, H = 260, 338
    rnd = random.Random(203)
    c = Canvas(W, H)
    c.fill_all(lambda x, y: mix(hexcol('#2a64b0'), hexcol('#173f7c'),
                                0.6 * fbm(x / 60, y / 60, 3, 203) + 0.4 * y / H))
    line = hexcol('#dff0ff')
    for x in range(0, W + 1, 10):
        c.fill(Segment(x + 0.5, 0, x + 0.5, H, 0.3 if x % 50 else 0.5), line, opacity=0.14 if x % 50 else 0.3)
    for y in range(0, H + 1, 10):
        c.fill(Segment(0, y + 0.5, W, y + 0.5, 0.3 if y % 50 else 0.5), line, opacity=0.14 if y % 50 else 0.3)
    c.fill(RoundRect(8, 8, W - 8, H - 8).outline(1.4), line, opacity=0.9)
    c.fill(RoundRect(12, 12, W - 12, H - 12).outline(0.6), line, opacity=0.7)

    # an isometric die
    ox, oy, s = 95, 105, 48
    cos30, sin30 = math.cos(math.radians(30)), 0.5
    top = [(ox, oy - s), (ox + s * cos30, oy - s * sin30), (ox, oy), (ox - s * cos30, oy - s * sin30)]
    left = [(ox - s * cos30, oy - s * sin30), (ox, oy), (ox, oy + s), (ox - s * cos30, oy + s - s * sin30)]
    right = [(ox, oy), (ox + s * cos30, oy - s * sin30), (ox + s * cos30, oy + s - s * sin30), (ox, oy + s)]
    for face in (top, left, right):
        c.fill(Polyline(face, 0.8, closed=True), line)

    def face_point(face, u, v):
        (ax, ay), (bx, by), (cx_, cy_), (dx, dy) = face
        return (ax + (bx - ax) * u + (dx - ax) * v, ay + (by - ay) * u + (dy - ay) * v)
    for face, n in ((top, 1), (left, 2), (right, 3)):
        for gx, gy in {1: [(0.5, 0.5)], 2: [(0.25, 0.25), (0.75, 0.75)],
                       3: [(0.25, 0.25), (0.5, 0.5), (0.75, 0.75)]}[n]:
            px, py = face_point(face, gx, gy)
            pts = []
            for k in range(24):
                a = 2 * math.pi * k / 24
                pts.append(face_point(face, gx + 0.09 * math.cos(a), gy + 0.09 * math.sin(a)))
            c.fill(Polyline(pts, 0.55, closed=True), line)
    # dimension line under the die
    y = oy + s + 18
    x0, x1 = ox - s * cos30, ox + s * cos30
    c.fill(Segment(x0, y, x1, y, 0.4), line)
    for x in (x0, x1):
        c.fill(Segment(x, y - 6, x, oy + s - s * sin30 + 4, 0.35), line, opacity=0.8)
    arrow_head(c, x0, y, -1, 0, 6, line)
    arrow_head(c, x1, y, 1, 0, 6, line)
    c.fill(text_shapes('16', ox - 7, y - 12, 8, 1.1), line)
    # a gear
    gx, gy, R = 188, 205, 38
    pts = []
    teeth = 14
    for k in range(teeth * 4):
        a = 2 * math.pi * k / (teeth * 4)
        r = R if (k % 4) in (1, 2) else R - 7
        pts.append((gx + r * math.cos(a), gy + r * math.sin(a)))
    c.fill(Polyline(pts, 0.7, closed=True), line)
    c.fill(Circle(gx, gy, 12).outline(1.2), line)
    c.fill(Circle(gx, gy, 24).outline(0.5), line, opacity=0.8)
    for k in range(6):
        a = 2 * math.pi * k / 6 + 0.3
        c.fill(Circle(gx + 18 * math.cos(a), gy + 18 * math.sin(a), 3).outline(0.6), line)
    dashed(c, gx - R - 10, gy, gx + R + 10, gy, 0.35, line, 8, 3)
    dashed(c, gx, gy - R - 10, gx, gy + R + 10, 0.35, line, 8, 3)
    c.fill(Segment(gx + 10, gy - 30, gx + 48, gy - 70, 0.35), line)
    c.fill(Segment(gx + 48, gy - 70, gx + 62, gy - 70, 0.35), line)
    c.fill(text_shapes('24', gx + 44, gy - 81, 8, 1.1), line)
    # a compass arc with construction lines
    c.fill(Polyline(arc_points(60, 230, 40, 200, 340, 30), 0.5), line, opacity=0.8)
    dashed(c, 60, 230, 60 + 40 * math.cos(math.radians(200)), 230 + 40 * math.sin(math.radians(200)), 0.3, line,
           4, 2, 0.7)
    dashed(c, 60, 230, 60 + 40 * math.cos(math.radians(340)), 230 + 40 * math.sin(math.radians(340)), 0.3, line,
           4, 2, 0.7)
    c.fill(Circle(60, 230, 1.6), line)
    # a simple part in side view with a hole
    c.fill(Polyline([(26, 262), (100, 262), (100, 290), (70, 290), (70, 278), (26, 278), (26, 262)], 0.7), line)
    dashed(c, 44, 258, 44, 294, 0.3, line, 4, 2)
    c.fill(Circle(44, 270, 4).outline(0.6), line)
    # title block
    tx0, ty0, tx1, ty1 = 140, 270, 248, 326
    c.fill(RoundRect(tx0, ty0, tx1, ty1).outline(1.0), line)
    for yy in (284, 298, 312):
        c.fill(Segment(tx0, yy, tx1, yy, 0.35), line)
    c.fill(Segment(196, 284, 196, ty1, 0.35), line)
    for yy, n in ((277, 9), (291, 4), (305, 5), (319, 3)):
        x = tx0 + 5
        for k in range(n):
            w = rnd.uniform(4, 9)
            c.fill(Segment(x, yy, x + w, yy, 0.7), line, opacity=0.8)
            x += w + 3
    c.fill(text_shapes('3', 218, 301, 9, 1.2), line)
    c.fill(text_shapes('06', 214, 315, 8, 1.1), line)
    # little annotations
    for x, y in ((30, 50), (150, 40), (176, 120), (30, 320)):
        for k in range(rnd.randint(2, 4)):
            w = rnd.uniform(5, 12)
            c.fill(Segment(x, y, x + w, y, 0.6), line, opacity=0.65)
            x += w + 3
    grain(c, 0.06, 2031, 0.8)
    vignette(c, 0.2)
    return c


# ---------------------------------------------------------------- 204 Baby Seal

def seal():
    W, H = 259, 310
    rnd = random.Random(204)
    c = Canvas(W, H)
    c.fill_all(linear(0, 0, 0, 150, [(0, hexcol('#7cb6e0')), (1, hexcol('#d8ecf8'))]))
    # distant ice ridges
    for k, (base, col) in enumerate(((118, '#b8d6ec'), (138, '#d2e6f4'))):
        pts = [(0, H)]
        for i in range(0, W + 11, 10):
            pts.append((i, base - 18 * fbm(i / 40.0, k, 3, 2040 + k)))
        pts.append((W, H))
        c.fill(Polygon(pts), hexcol(col))
    # snow field
    c.fill(RoundRect(-5, 150, W + 5, H + 5), lambda x, y: mix(hexcol('#e6f0f8'), hexcol('#b8cfe2'),
                                                            fbm(x / 40, y / 20, 3, 7) * 0.8 + (y - 150) / 800))
    for _ in range(7):
        x, y = rnd.uniform(0, W), rnd.uniform(165, H)
        c.fill(Ellipse(x, y, rnd.uniform(20, 45), rnd.uniform(3, 6)), hexcol('#bcd2e4'), opacity=0.4, soft=6)
    # the pup, drawn on its own layer and laid down low, where the table leaves the
    # picture free below the dice trays
    pup = layer(c)
    fur = lambda x, y: mix(mix(WHITE, hexcol('#f3efe4'), fbm(x / 6, y / 6, 3, 11)), hexcol('#b9c6d6'),
                           smoothstep(170, 265, y) * 0.8)
    pup.fill(Ellipse(140, 262, 100, 14), hexcol('#8aa2bc'), opacity=0.45, soft=10)
    bodyshape = Fuzzy(SmoothUnion([Ellipse(150, 218, 88, 44, -4), Ellipse(215, 228, 34, 22, 10),
                                   Circle(95, 188, 52)], 18), 2.2, 0.55, 12)
    # back flippers
    for a, dy in ((-20, -6), (15, 8)):
        fl = Ellipse(238, 222 + dy, 20, 8, a)
        pup.fill(fl.grow(1.0), hexcol('#7f93aa'))
        pup.fill(fl, lambda x, y: mix(hexcol('#dfe5ee'), hexcol('#98a8bc'), smoothstep(210, 240, y)))
    pup.fill(bodyshape.grow(1.2), hexcol('#8ea4bc'), opacity=0.7, soft=1.5)
    pup.fill(bodyshape, fur, soft=1.5)
    # front flipper
    pup.fill(Fuzzy(Ellipse(125, 246, 24, 10, 20), 1.2, 0.7, 3), hexcol('#dfe6ee'), soft=1.5)
    pup.fill(Ellipse(125, 249, 22, 7, 20), hexcol('#aebccc'), opacity=0.5, soft=4)
    # face
    hx, hy = 92, 186
    pup.fill(Ellipse(hx, hy + 16, 26, 18), hexcol('#ffffff'), opacity=0.6, soft=8)
    for s in (-1, 1):
        ex, ey = hx + s * 20, hy - 6
        pup.fill(Ellipse(ex, ey + 1.5, 11, 12.5), hexcol('#c8d4e0'), opacity=0.6, soft=3)
        pup.fill(Ellipse(ex, ey, 9, 10.5), radial(ex - 2, ey - 3, 12, [(0, hexcol('#3a3030')),
                                                                     (1, hexcol('#050505'))]))
        pup.fill(Circle(ex - 3, ey - 4, 3), WHITE)
        pup.fill(Circle(ex + 3, ey + 4, 1.3), WHITE, opacity=0.8)
    nose = Polygon([(hx - 7, hy + 9), (hx + 7, hy + 9), (hx, hy + 16)]).grow(2.0)
    pup.fill(nose, hexcol('#1a1414'))
    pup.fill(Ellipse(hx - 2, hy + 9.5, 2.5, 1.2), WHITE, opacity=0.6)
    pup.fill(Polyline([(hx, hy + 17), (hx, hy + 21)], 0.9), hexcol('#3a3030'))
    pup.fill(Polyline(arc_points(hx - 5, hy + 20, 5, 20, 150, 8), 0.9), hexcol('#3a3030'))
    pup.fill(Polyline(arc_points(hx + 5, hy + 20, 5, 30, 160, 8), 0.9), hexcol('#3a3030'))
    for s in (-1, 1):
        for k in range(3):
            x0, y0 = hx + s * 12, hy + 17 + k * 3
            pup.fill(Circle(x0, y0, 0.9), hexcol('#6a6a72'))
            pup.fill(Segment(x0 + s * 2, y0, x0 + s * 24, y0 - 4 + k * 4, 0.35), hexcol('#7a8290'), opacity=0.8)
    c.paste(pup, 0, 44)
    # snowflakes
    for _ in range(40):
        x, y = rnd.uniform(0, W), rnd.uniform(0, H)
        c.fill(Circle(x, y, rnd.uniform(0.8, 2.2)), WHITE, opacity=rnd.uniform(0.5, 0.95), soft=1.3)
    return c


# ---------------------------------------------------------------- 205 Evergreen

def pine(cx, base, h, w, seed):
    rnd = random.Random(seed)
    tiers = 6
    pts_l, pts_r = [], []
    for k in range(tiers):
        t0 = k / tiers
        y_low = base - h * 0.1 - (h * 0.9) * t0
        y_high = base - h * 0.1 - (h * 0.9) * (k + 1.25) / tiers
        half = w * (1 - t0) * 0.5 * rnd.uniform(0.9, 1.1)
        inner = half * 0.45
        pts_r += [(cx + half, y_low), (cx + inner, y_high + (y_low - y_high) * 0.45)]
        pts_l += [(cx - half * rnd.uniform(0.9, 1.05), y_low), (cx - inner, y_high + (y_low - y_high) * 0.45)]
    top = (cx, base - h)
    return Polygon(pts_r + [top] + list(reversed(pts_l)))


def evergreen():
    W, H = 260, 310
    rnd = random.Random(205)
    c = Canvas(W, H)
    c.fill_all(linear(0, 0, 0, 200, [(0, hexcol('#3f7fb8')), (0.6, hexcol('#a9d1e6')), (1, hexcol('#f4e6c4'))]))
    c.fill(Circle(190, 120, 24), hexcol('#fff6dc'), opacity=0.9, soft=3)
    c.fill(Circle(190, 120, 60), hexcol('#fff6dc'), opacity=0.25, soft=40)
    # mountains
    for k, (base, amp, col) in enumerate(((150, 70, '#8aa9c4'), (175, 50, '#6f92ac'))):
        pts = [(0, H)]
        for i in range(0, W + 6, 5):
            n = fbm(i / 70.0, k * 3, 4, 2050 + k)
            pts.append((i, base - amp * n))
        pts.append((W, H))
        c.fill(Polygon(pts), hexcol(col))
        # snow caps on the far range
        if k == 0:
            c.fill(Polygon(pts) & RoundRect(0, 0, W, base - amp * 0.58), hexcol('#f4f8fc'), opacity=0.9)
    # rows of pines, far to near
    rows = [(190, 28, 12, '#5b8a8a', 0.5, 12), (215, 46, 19, '#3e6e5a', 0.3, 10), (250, 80, 32, '#24503a', 0.1, 8),
            (300, 130, 52, '#123524', 0.0, 6)]
    for r, (base, h, w, col, haze, n) in enumerate(rows):
        col = hexcol(col)
        c.fill(RoundRect(-5, base - 6, W + 5, H + 5), darken(col, 0.1))
        xs = [rnd.uniform(-10, W + 10) for _ in range(n)]
        for i, x in enumerate(sorted(xs, key=lambda v: rnd.random())):
            hh = h * rnd.uniform(0.75, 1.15)
            tree = pine(x, base + rnd.uniform(-4, 6), hh, w * rnd.uniform(0.85, 1.15), 2050 + r * 50 + i)
            c.fill(RoundRect(x - w * 0.05, base - hh * 0.12, x + w * 0.05, base + 6), hexcol('#3a2616'))
            c.fill(tree, lambda px, py, x=x, col=col: mix(lighten(col, 0.25), darken(col, 0.25),
                                                          smoothstep(x - w * 0.5, x + w * 0.5, px)))
        # mist between rows
        c.fill(RoundRect(-5, base - 30, W + 5, base + 10), hexcol('#e8f0f0'), opacity=0.18 - r * 0.04, soft=18)
    grain(c, 0.05, 2051, 0.8)
    vignette(c, 0.2)
    return c


# ---------------------------------------------------------------- 206 Nautical

def rope(c, pts, r, col=None):
    col = col or hexcol('#d9b77a')
    # walk along the path, laying down twisted strands
    seg = list(zip(pts, pts[1:]))
    dist = 0.0
    c.fill(Polyline(pts, r), darken(col, 0.45))
    for (x0, y0), (x1, y1) in seg:
        ln = math.hypot(x1 - x0, y1 - y0)
        if ln == 0:
            continue
        ux, uy = (x1 - x0) / ln, (y1 - y0) / ln
        px, py = -uy, ux
        t = (-dist) % (r * 1.3)
        while t < ln:
            cx, cy = x0 + ux * t, y0 + uy * t
            a = (cx + ux * r * 0.5 + px * r * 0.8, cy + uy * r * 0.5 + py * r * 0.8)
            b = (cx - ux * r * 0.5 - px * r * 0.8, cy - uy * r * 0.5 - py * r * 0.8)
            c.fill(Segment(a[0], a[1], b[0], b[1], r * 0.42),
                   lambda x, y, cx=cx, cy=cy: mix(lighten(col, 0.35), darken(col, 0.2),
                                                  clamp(0.5 + ((x - cx) * px + (y - cy) * py) / (2 * r))))
            t += r * 1.3
        dist += ln


def nautical():
    W, H = 255, 335
    rnd = random.Random(206)
    c = Canvas(W, H)
    c.fill_all(linear(0, 0, 0, H, [(0, hexcol('#123a6b')), (1, hexcol('#071a33'))]))
    # waves at the bottom
    for k in range(5):
        base = 232 + k * 20
        col = mix(hexcol('#1d5f96'), hexcol('#0d3a66'), k / 5)
        pts = [(0, H)]
        for i in range(0, W + 4, 3):
            pts.append((i, base + 7 * math.sin(i / 18.0 + k * 1.7) + 3 * math.sin(i / 7.0 + k)))
        pts.append((W, H))
        poly = Polygon(pts)
        c.fill(poly, lambda x, y, base=base, col=col: mix(lighten(col, 0.15), col, smoothstep(base - 8, base + 20, y)))
        crest = [(i, base + 7 * math.sin(i / 18.0 + k * 1.7) + 3 * math.sin(i / 7.0 + k)) for i in range(0, W + 4, 3)]
        c.fill(Polyline(crest, 1.0), hexcol('#cfe8ff'), opacity=0.55)
    # stars in the night sky
    for _ in range(40):
        x, y = rnd.uniform(15, W - 15), rnd.uniform(15, 200)
        c.fill(Circle(x, y, rnd.uniform(0.5, 1.3)), hexcol('#fff8e0'), opacity=rnd.uniform(0.4, 0.9))
    c.fill(Circle(200, 60, 16), hexcol('#fff4d0'))
    c.fill(Circle(207, 55, 14), hexcol('#123a6b'))
    # the anchor
    ax, top, bottom = W / 2, 62, 218
    gold = lambda x, y: mix(hexcol('#ffe6a0'), hexcol('#b8862c'), smoothstep(ax - 20, ax + 25, x + (y - 140) * 0.2))
    parts = [
        Circle(ax, top, 13).outline(6.0),
        RoundRect(ax - 6, top + 14, ax + 6, bottom, 3),
        RoundRect(ax - 48, top + 28, ax + 48, top + 38, 5),
        Circle(ax - 50, top + 33, 6.5), Circle(ax + 50, top + 33, 6.5),
        Intersect2(Circle(ax, bottom - 60, 66).outline(11.0), RoundRect(ax - 80, bottom - 40, ax + 80, bottom + 20)),
        Polygon([(ax - 72, bottom - 52), (ax - 52, bottom - 26), (ax - 74, bottom - 24)]),
        Polygon([(ax + 72, bottom - 52), (ax + 52, bottom - 26), (ax + 74, bottom - 24)]),
        Polygon([(ax - 12, bottom - 6), (ax + 12, bottom - 6), (ax, bottom + 12)]),
    ]
    anchor = Union(parts)
    c.fill(anchor.moved(4, 5), BLACK, opacity=0.4, soft=4)
    c.fill(anchor.grow(1.2), hexcol('#5a3e10'))
    c.fill(anchor, gold)
    # rope wound round the shank and trailing away
    rope_pts = catmull([(ax - 30, top + 2), (ax - 14, top - 6), (ax + 12, top + 6), (ax + 14, top + 18),
                        (ax - 12, top + 52), (ax + 14, top + 70), (ax - 12, top + 92), (ax + 14, top + 110),
                        (ax - 10, top + 126), (ax - 40, top + 150), (ax - 70, top + 146)], n=10)
    rope(c, rope_pts, 3.4)
    # a rope frame
    m = 9
    frame = [(m, m), (W - m, m), (W - m, H - m), (m, H - m), (m, m)]
    rope(c, frame, 3.6)
    for x, y in ((m, m), (W - m, m), (W - m, H - m), (m, H - m)):
        c.fill(Circle(x, y, 5.5), hexcol('#b08a4a'))
        c.fill(Circle(x - 1.5, y - 1.5, 2.5), hexcol('#ecd29a'))
    grain(c, 0.05, 2061, 0.8)
    return c


def Intersect2(a, b):
    return a & b


# ---------------------------------------------------------------- 207 Old Glory

def old_glory():
    W, H = 261, 369
    c = Canvas(W, H)
    red, white, blue = hexcol('#b22234'), hexcol('#f6f4ee'), hexcol('#2f2f6a')
    star = Star(0, 0, 1.0, 0.40)
    cw, ch = 0.44, 7 / 13.0

    def flag(x, y):
        u, v = x / W, y / H
        ph = 2 * math.pi * (u * 1.25 + v * 0.45)
        dv = 0.02 * math.sin(ph) + 0.01 * math.sin(2.3 * ph + 1)
        du = 0.012 * math.cos(ph)
        fu, fv = u + du, min(0.9999, max(0.0, v + dv))
        shade = 0.86 + 0.2 * math.cos(ph - 0.6) + 0.05 * math.cos(2.3 * ph)
        if fu < cw and fv < ch:
            col = blue
            lu, lv = fu / cw, fv / ch
            # nearest of 50 stars: rows of 6 and 5
            best = 9.0
            r0 = int(lv * 10)
            for r in (r0 - 1, r0, r0 + 1):
                if not 0 <= r <= 8:
                    continue
                sy = (r + 1) / 10.0
                n = 6 if r % 2 == 0 else 5
                for k in range(n):
                    sx = (2 * k + 1) / 12.0 if n == 6 else (2 * k + 2) / 12.0
                    dx, dy = (lu - sx) * cw * W, (lv - sy) * ch * H
                    if abs(dx) < 9 and abs(dy) < 9:
                        d = star.sdf(dx / 6.2, dy / 6.2) * 6.2
                        best = min(best, d)
            col = mix(col, white, clamp(0.5 - best))
        else:
            stripe = int(math.floor(fv * 13))
            edge = fv * 13 - stripe
            col = red if stripe % 2 == 0 else white
            other = white if stripe % 2 == 0 else red
            # soften the stripe borders
            dist = min(edge, 1 - edge) * H / 13.0
            if dist < 0.7:
                col = mix(col, other, 0.5 - dist / 1.4)
        return tuple(clamp(v * shade) for v in col)
    c.fill_all(flag)
    grain(c, 0.05, 2071, 0.6)
    vignette(c, 0.2)
    return c


# ---------------------------------------------------------------- 208 Quacker

def quacker():
    W, H = 260, 310
    rnd = random.Random(208)
    c = Canvas(W, H)
    c.fill_all(linear(0, 0, 0, 110, [(0, hexcol('#a6d8f2')), (1, hexcol('#eaf7ff'))]))
    # far shore
    pts = [(0, 120)] + [(i, 104 - 16 * fbm(i / 30, 0, 3, 2080)) for i in range(0, W + 5, 5)] + [(W, 120)]
    c.fill(Polygon(pts), hexcol('#6fa35a'))
    c.fill(RoundRect(-5, 108, W + 5, 122), hexcol('#5a8f48'))
    # water
    water = lambda x, y: mix(hexcol('#5fb0c8'), hexcol('#1f6488'), smoothstep(118, H, y))
    c.fill(RoundRect(-5, 118, W + 5, H + 5), water)
    for _ in range(70):
        y = rnd.uniform(125, H)
        x = rnd.uniform(-10, W)
        w = rnd.uniform(8, 30) * (0.5 + (y - 118) / 200)
        c.fill(Segment(x, y, x + w, y, 0.5 + (y - 118) / 260), hexcol('#d8f2ff'), opacity=rnd.uniform(0.2, 0.5))
    # lily pads
    for x, y, r in ((40, 270, 18), (215, 290, 22), (228, 160, 12), (30, 170, 10)):
        pad = Ellipse(x, y, r, r * 0.45) - Polygon([(x, y), (x + r * 1.2, y - r * 0.2), (x + r * 1.2, y + r * 0.3)])
        c.fill(pad, lambda px, py: mix(hexcol('#6dbb4a'), hexcol('#2f7a2c'), fbm(px / 6, py / 6, 2, 4)))
        c.fill(pad.outline(0.8), hexcol('#1f5a20'), opacity=0.6)
    c.fill(Circle(40, 262, 4), hexcol('#ffb6d2'))
    c.fill(Circle(40, 262, 1.6), hexcol('#ffe25a'))
    # reeds and cattails
    for x in (8, 16, 24, 240, 248, 254):
        h = rnd.uniform(60, 95)
        top = 190 - h
        c.fill(Polyline(bezier((x, 200), (x + 2, top + 30), (x + rnd.uniform(-6, 6), top), n=8), 1.2),
               hexcol('#3c7a2a'))
        if rnd.random() < 0.6:
            c.fill(RoundRect(x - 3, top + 12, x + 3, top + 32, 3), hexcol('#6a3e1e'))
    # the duck (a mallard drake) with its reflection
    duck = layer(c)
    dx, dy = 128, 188
    body = SmoothUnion([Ellipse(dx, dy, 66, 30), Polygon([(dx + 36, dy - 18), (dx + 84, dy - 30), (dx + 56, dy + 12)])], 14)
    duck.fill(body, lambda x, y: mix(hexcol('#d8d8d4'), hexcol('#8c8c88'), smoothstep(dy - 30, dy + 30, y)))
    duck.fill(body & Polygon([(dx + 52, dy - 60), (dx + 120, dy - 60), (dx + 120, dy + 40), (dx + 66, dy + 40)]),
              hexcol('#242424'))                                                      # black tail end
    duck.fill(Ellipse(dx - 38, dy + 2, 30, 26, 20) & body, hexcol('#8a4a26'))          # chestnut breast
    duck.fill(Ellipse(dx + 12, dy - 6, 44, 16, -8), lambda x, y: mix(hexcol('#b8b2a4'), hexcol('#7a7262'),
                                                                     smoothstep(dy - 22, dy + 10, y)))  # wing
    duck.fill(Ellipse(dx + 22, dy - 2, 22, 5, -10), hexcol('#3a54c8'))                  # blue wing patch
    duck.fill(Ellipse(dx + 22, dy - 2, 22, 5, -10).outline(1.2), WHITE, opacity=0.9)
    duck.fill(Polyline(bezier((dx + 70, dy - 26), (dx + 76, dy - 44), (dx + 64, dy - 40), n=8), 1.8), BLACK)
    # neck and head
    duck.fill(Polygon([(dx - 52, dy - 16), (dx - 36, dy - 62), (dx - 22, dy - 60), (dx - 26, dy - 14)]),
              hexcol('#1f6b3a'))
    duck.fill(Segment(dx - 46, dy - 24, dx - 27, dy - 22, 3.2), WHITE)                 # white collar
    head = Ellipse(dx - 36, dy - 66, 25, 21, -10)
    duck.fill(head, radial(dx - 44, dy - 76, 34, [(0, hexcol('#3fbf6a')), (0.6, hexcol('#146a34')),
                                                  (1, hexcol('#0a3a1c'))]))
    bill = SmoothUnion([Ellipse(dx - 70, dy - 60, 18, 6.5, 8), Circle(dx - 58, dy - 60, 6)], 3)
    duck.fill(bill, lambda x, y: mix(hexcol('#ffe25a'), hexcol('#d8a820'), smoothstep(dy - 66, dy - 54, y)))
    duck.fill(Segment(dx - 84, dy - 59, dx - 58, dy - 58, 0.5), hexcol('#8a6a10'), opacity=0.8)
    duck.fill(Circle(dx - 40, dy - 72, 4.2), WHITE)
    duck.fill(Circle(dx - 41, dy - 72, 2.8), hexcol('#101010'))
    duck.fill(Circle(dx - 42, dy - 73, 1.0), WHITE)
    # water line, reflection and ripples, all on one layer with the duck
    bird = layer(c)
    bird.fill(Ellipse(dx + 8, dy + 28, 80, 8), hexcol('#0f4a66'), opacity=0.35, soft=6)
    refl = Canvas(W, H, (0, 0, 0), alpha=0.0)
    wl = dy + 26
    for y in range(H):
        sy = int(2 * wl - y + 2 * math.sin(y / 3.0))
        if y <= wl or not 0 <= sy < H:
            continue
        for x in range(W):
            sx = int(x + 2.5 * math.sin(y / 2.5))
            if 0 <= sx < W:
                i = sy * W + sx
                a = duck.a[i]
                if a > 0:
                    refl._blend(y * W + x, (duck.r[i] * 0.6, duck.g[i] * 0.65, duck.b[i] * 0.75), a)
    bird.paste(refl, 0, 0, 0.45)
    clip = RoundRect(-5, -5, W + 5, wl)
    cut = layer(c)
    cut.fill(clip, BLACK)
    for i in range(W * H):
        duck.a[i] *= cut.a[i]
    bird.paste(duck, 0, 0)
    for k in range(3):
        bird.fill(Ellipse(dx, wl + 2 + k * 6, 90 + k * 18, 4 + k * 2).outline(1.0), hexcol('#e2f6ff'),
                  opacity=0.5 - k * 0.12)
    # at half size, swimming low, where the table leaves the picture free below the dice trays
    small = bird.downsample(2)
    c.paste(small, 128 - dx // 2, 276 - wl // 2)
    vignette(c, 0.2)
    return c


# ---------------------------------------------------------------- 209 Satin

def satin():
    W, H = 640, 426
    hf = [[0.0] * (W + 1) for _ in range(H + 1)]
    for y in range(H + 1):
        row = hf[y]
        for x in range(W + 1):
            n = fbm(x / 240.0, y / 240.0, 3, 2090)
            u = x * 0.85 + y * 0.52 + 110 * n
            v = -x * 0.52 + y * 0.85
            row[x] = (math.sin(u / 46.0) + 0.45 * math.sin(u / 25.0 + 1.4 * math.sin(v / 95.0))
                      + 0.2 * math.sin(v / 70.0 + u / 80.0))
    c = Canvas(W, H)
    lx, ly, lz = -0.55, -0.45, 0.7
    ln = math.sqrt(lx * lx + ly * ly + lz * lz)
    lx, ly, lz = lx / ln, ly / ln, lz / ln
    hx, hy, hz = lx, ly, lz + 1.0
    hn = math.sqrt(hx * hx + hy * hy + hz * hz)
    hx, hy, hz = hx / hn, hy / hn, hz / hn
    deep, mid, light = hexcol('#22030c'), hexcol('#7e0f2a'), hexcol('#ffd0da')
    k = 14.0
    for y in range(H):
        for x in range(W):
            gx = (hf[y][x + 1] - hf[y][x]) * k
            gy = (hf[y + 1][x] - hf[y][x]) * k
            nx, ny, nz = -gx, -gy, 1.0
            nn = math.sqrt(nx * nx + ny * ny + nz * nz)
            nx, ny, nz = nx / nn, ny / nn, nz / nn
            diff = max(0.0, nx * lx + ny * ly + nz * lz)
            nh = max(0.0, nx * hx + ny * hy + nz * hz)
            col = ramp([(0.0, deep), (0.4, darken(mid, 0.45)), (0.8, mid), (1.0, lighten(mid, 0.2))], diff)
            col = mix(col, light, 0.16 * nh ** 10 + 0.6 * nh ** 70)
            i = y * W + x
            c.r[i], c.g[i], c.b[i] = col
    vignette(c, 0.3)
    return c


# ---------------------------------------------------------------- 210 Strawberries

def strawberry(c, rnd, x, y, s, angle):
    pts = []
    for i in range(60):
        t = 2 * math.pi * i / 60
        px = 0.78 * math.sin(t) * (0.86 + 0.2 * math.cos(t))
        py = -0.95 * math.cos(t) + 0.08 * math.cos(2 * t)
        pts.append((px, py))
    a = math.radians(angle)
    ca, sa = math.cos(a), math.sin(a)

    def tr(px, py):
        return (x + s * (px * ca - py * sa), y + s * (px * sa + py * ca))
    berry = Polygon([tr(px, py) for px, py in pts])
    c.fill(berry.moved(s * 0.1, s * 0.14), hexcol('#6a2020'), opacity=0.3, soft=s * 0.25)
    hl = tr(-0.3, -0.35)
    c.fill(berry, radial(hl[0], hl[1], s * 1.7, [(0, hexcol('#ff6a5a')), (0.35, hexcol('#e8242a')),
                                                   (1, hexcol('#8a0a18'))]))
    # seeds
    for gy in range(-5, 7):
        for gx in range(-5, 6):
            px = gx * 0.24 + (0.12 if gy % 2 else 0.0)
            py = gy * 0.2 - 0.05
            X, Y = tr(px, py)
            if berry.sdf(X, Y) < -s * 0.1:
                c.fill(Ellipse(X, Y + s * 0.02, s * 0.06, s * 0.04, angle + 90), hexcol('#a8101c'), opacity=0.6)
                c.fill(Ellipse(X, Y, s * 0.035, s * 0.055, angle), hexcol('#ffe07a'))
    # leafy cap and stem
    top = tr(0, -0.9)
    leaves = []
    for k in range(7):
        b = math.radians(angle - 90 + (k - 3) * 30)
        leaves.append(Polygon([(top[0] - s * 0.12 * math.sin(b), top[1] + s * 0.12 * math.cos(b)),
                               (top[0] + s * 0.55 * math.cos(b), top[1] + s * 0.55 * math.sin(b) + s * 0.25),
                               (top[0] + s * 0.12 * math.sin(b), top[1] - s * 0.12 * math.cos(b))]))
    cap = Union(leaves + [Circle(top[0], top[1], s * 0.16)])
    c.fill(cap.moved(0, s * 0.05), hexcol('#104a14'), opacity=0.4, soft=2)
    c.fill(cap, lambda px, py: mix(hexcol('#7ccf4a'), hexcol('#2a8a2a'), fbm(px / 5, py / 5, 2, 3)))
    stem_end = tr(0.12, -1.25)
    c.fill(Polyline(bezier(top, (top[0], top[1] - s * 0.25), stem_end, n=6), max(1.0, s * 0.05)),
           hexcol('#3a8a2a'))


def strawberries():
    W, H = 259, 310
    rnd = random.Random(210)
    c = Canvas(W, H)

    def gingham(x, y):
        a = (int(x // 18) % 2)
        b = (int(y // 18) % 2)
        base = hexcol('#fff8f2')
        k = (a + b) * 0.5
        return mix(base, hexcol('#f2a7b0'), k * 0.7)
    c.fill_all(gingham)
    grain(c, 0.07, 2101, 0.8)
    # leaves and blossoms underneath
    for _ in range(9):
        x, y = rnd.uniform(0, W), rnd.uniform(0, H)
        for k in range(3):
            a = rnd.uniform(0, 360) if k == 0 else a + 120
            lx, ly = x + 14 * math.cos(math.radians(a)), y + 14 * math.sin(math.radians(a))
            leaf = Ellipse(lx, ly, 13, 8, a)
            c.fill(leaf, lambda px, py: mix(hexcol('#5cb040'), hexcol('#2f7a2a'), fbm(px / 6, py / 6, 2, 1)))
            c.fill(Segment(x, y, lx + 10 * math.cos(math.radians(a)), ly + 10 * math.sin(math.radians(a)), 0.6),
                   hexcol('#1f5a1a'), opacity=0.7)
    for _ in range(6):
        x, y = rnd.uniform(10, W - 10), rnd.uniform(10, H - 10)
        for k in range(5):
            a = math.radians(k * 72 + x)
            c.fill(Circle(x + 5.5 * math.cos(a), y + 5.5 * math.sin(a), 4.6), WHITE)
            c.fill(Circle(x + 5.5 * math.cos(a), y + 5.5 * math.sin(a), 4.6).outline(0.6), hexcol('#d8cfc0'))
        c.fill(Circle(x, y, 3.4), hexcol('#f2c21a'))
    # the berries
    spots = [(70, 80, 36, -20), (180, 70, 30, 25), (130, 160, 44, 5), (55, 230, 34, -35), (200, 220, 38, 30),
             (130, 275, 28, -8), (225, 140, 24, 50), (30, 150, 24, -60)]
    for x, y, s, a in spots:
        strawberry(c, rnd, x, y, s * 0.95, a)
    vignette(c, 0.18)
    return c


# ---------------------------------------------------------------- 211 Tobo Moose

def moose_shape(x, y, s):
    """A standing bull moose in profile, facing left; (x, y) = front hooves."""
    def P(px, py):
        return (x + px * s, y + py * s)

    def E(px, py, rx, ry, ang=0):
        X, Y = P(px, py)
        return Ellipse(X, Y, rx * s, ry * s, ang)

    def poly(*pts):
        return Polygon([P(px, py) for px, py in pts])
    trunk = [
        E(0.5, -0.76, 0.45, 0.19),             # barrel
        E(0.17, -0.84, 0.24, 0.22, -8),        # shoulders with the hump
        E(0.84, -0.8, 0.17, 0.19),             # rump
        poly((0.08, -1.02), (-0.17, -0.97), (-0.24, -0.84), (0.05, -0.66)),   # neck
        E(-0.34, -0.85, 0.18, 0.085, -38),     # head
        E(-0.45, -0.74, 0.085, 0.07, -20),     # heavy muzzle
        poly((-0.2, -0.8), (-0.15, -0.62), (-0.12, -0.78)),                  # bell
        poly((-0.16, -0.96), (-0.06, -1.07), (-0.08, -0.95)),                # ear
        poly((1.0, -0.88), (1.05, -0.86), (1.01, -0.78)),                    # tail
    ]
    parts = [SmoothUnion(trunk, 0.04 * s)]
    # legs: upper (thick) and lower (slim) parts, hind legs with the hock
    for pts in (((0.02, -0.7), (0.0, -0.32), (0.01, 0.0)), ((0.18, -0.7), (0.15, -0.32), (0.12, 0.0)),
                ((0.78, -0.72), (0.88, -0.32), (0.84, 0.0)), ((0.9, -0.72), (0.99, -0.34), (0.97, 0.0))):
        a, b, c = [P(*q) for q in pts]
        parts.append(Polygon([(a[0] - 0.06 * s, a[1]), (a[0] + 0.06 * s, a[1]), (b[0] + 0.03 * s, b[1]),
                              (b[0] - 0.03 * s, b[1])]))
        parts.append(Segment(b[0], b[1], c[0], c[1], 0.034 * s))
        parts.append(Ellipse(c[0] - 0.01 * s, c[1] - 0.012 * s, 0.04 * s, 0.02 * s))
    # broad palmate antlers, one reaching forward and one back, with tines
    for cx, cy, ang, sgn in ((-0.36, -1.1, 16, -1), (0.02, -1.12, -16, 1)):
        palm = E(cx, cy, 0.19, 0.065, ang)
        parts.append(palm)
        bx, by = P(-0.16, -1.0)
        ex, ey = P(cx - sgn * 0.12, cy + 0.03)
        parts.append(Segment(bx, by, ex, ey, 0.035 * s))
        for k in range(5):
            t = -0.15 + k * 0.075
            a = math.radians(ang)
            tx = cx + t * math.cos(a)
            ty = cy + t * math.sin(a) - 0.045
            parts.append(poly((tx - 0.025, ty + 0.02), (tx + sgn * 0.03, ty - 0.1 - 0.02 * (k % 2)),
                              (tx + 0.025, ty + 0.02)))
    return Union(parts)


def moose():
    W, H = 260, 310
    rnd = random.Random(211)
    c = Canvas(W, H)
    # the sun sets low, below the dice trays, where the table leaves the picture free
    horizon = 252
    sky = [(0, hexcol('#2a1a4e')), (0.45, hexcol('#8a3a6a')), (0.75, hexcol('#ef6a3a')), (1, hexcol('#ffd27a'))]
    c.fill_all(linear(0, 0, 0, horizon, sky))
    for _ in range(30):
        x, y = rnd.uniform(0, W), rnd.uniform(0, 70)
        c.fill(Circle(x, y, rnd.uniform(0.5, 1.1)), WHITE, opacity=rnd.uniform(0.3, 0.8))
    sun = (150, 240)
    c.fill(Circle(*sun, 70), hexcol('#ffd88a'), opacity=0.35, soft=60)
    c.fill(Circle(*sun, 26), lambda x, y: mix(hexcol('#fff6c8'), hexcol('#ffb04a'), smoothstep(216, 262, y)))
    # thin clouds
    for cy, x0, x1 in ((196, 20, 120), (214, 150, 250), (170, 120, 210)):
        c.fill(RoundRect(x0, cy, x1, cy + 4, 2), hexcol('#ff9a6a'), opacity=0.5, soft=3)
    # hills
    for k, (base, amp, col) in enumerate(((242, 34, '#6a3a6a'), (250, 20, '#4a2450'))):
        pts = [(0, horizon + 5)] + [(i, base - amp * fbm(i / 60.0, k * 5, 3, 2110 + k)) for i in range(0, W + 5, 5)]
        pts.append((W, horizon + 5))
        poly = Polygon(pts)
        c.fill(poly - Circle(*sun, 27) if k == 0 else poly, hexcol(col))
    # water with the sun's glitter
    c.fill(RoundRect(-5, horizon, W + 5, H + 5), linear(0, horizon, 0, H, [(0, hexcol('#c8604a')),
                                                                          (1, hexcol('#2a1a40'))]))
    for _ in range(40):
        y = rnd.uniform(horizon + 2, H - 4)
        spread = 10 + (y - horizon) * 0.9
        x = sun[0] + rnd.gauss(0, spread * 0.5)
        w = rnd.uniform(4, 12)
        c.fill(Segment(x - w / 2, y, x + w / 2, y, 0.6), hexcol('#ffd08a'), opacity=rnd.uniform(0.3, 0.8))
    # shore with pines, and the moose on it against the sun
    shore = [(0, 280), (50, 276), (110, 284), (190, 290), (W, 286)]
    shore_poly = Polygon(catmull(shore, 6) + [(W, H), (0, H)])
    silhouette = hexcol('#1a0e22')
    c.fill(shore_poly, silhouette)
    for x, h in ((6, 130), (20, 96), (236, 150), (252, 116), (219, 84)):
        c.fill(pine(x, 286, h, h * 0.38, int(x)), silhouette)
    m = moose_shape(112, 284, 52)
    c.fill(m, silhouette)
    grain(c, 0.04, 2111, 0.8)
    return c


# Picture, format, and the band behind the labels: its luminance range and tint.  The range
# keeps a contrast above 3:1 with the text colour the picture ticks (dark bands for yellow,
# white, pale cyan and green, light ones for blue and red) and with navy.
PICTURES = [
    ('201', autumn, 'jpg', (0.183, 0.222, hexcol('#3a1a08'))),
    ('202', chick, 'jpg', (0.50, 1.00, hexcol('#fff8e0'))),
    ('203', blueprints, 'jpg', (0.50, 1.00, hexcol('#e8f2ff'))),
    ('204', seal, 'gif', (0.188, 0.232, hexcol('#1a3450'))),
    ('205', evergreen, 'jpg', (0.166, 0.18, hexcol('#0c2418'))),
    ('206', nautical, 'jpg', (0.176, 0.203, hexcol('#06162c'))),
    ('207', old_glory, 'jpg', (0.85, 1.00, hexcol('#ffffff'))),
    ('208', quacker, 'jpg', (0.176, 0.203, hexcol('#0c3040'))),
    ('209', satin, 'jpg', (0.176, 0.203, hexcol('#2a0410'))),
    ('210', strawberries, 'jpg', (0.183, 0.222, hexcol('#4a0a14'))),
    ('211', moose, 'jpg', (0.176, 0.203, hexcol('#1a0e22'))),
]


def main():
    os.makedirs(OUT, exist_ok=True)
    only = set(sys.argv[1:])
    for name, fn, fmt, (lo, hi, tint) in PICTURES:
        if only and name not in only:
            continue
        c = fn()
        label_bands(c, lo, hi, tint)
        encode(c, os.path.join(OUT, name + '.jpg'), fmt)


if __name__ == '__main__':
    main()
