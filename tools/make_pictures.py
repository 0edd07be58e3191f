#!/usr/bin/env python3
"""Draws the program icon (resources/icons/) and the pictures used by the side
windows (resources/pictures/): end-of-game background and heading, the two
About pictures, the dedication dog and the pointing hand."""

import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gfx import (Canvas, Circle, Ellipse, RoundRect, Segment, Polyline, Polygon, Union, SmoothUnion,
                 Star, Transform, hexcol, mix, lighten, darken, clamp, smoothstep, ramp, linear, radial,
                 fbm, hsv, bezier, arc_points)
from glyphs import text_shapes, text_width

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources')
WHITE = (1.0, 1.0, 1.0)
BLACK = (0.0, 0.0, 0.0)

LAYOUT = {
    1: [(0, 0)], 2: [(1, -1), (-1, 1)], 3: [(1, -1), (0, 0), (-1, 1)],
    4: [(-1, -1), (1, -1), (-1, 1), (1, 1)], 5: [(-1, -1), (1, -1), (0, 0), (-1, 1), (1, 1)],
    6: [(-1, -1), (1, -1), (-1, 0), (1, 0), (-1, 1), (1, 1)],
}

IVORY = (hexcol('#fbf3de'), hexcol('#d9c298'), hexcol('#4a2a12'))
RED = (hexcol('#e8383a'), hexcol('#a01418'), hexcol('#ffffff'))
BLUE = (hexcol('#3a74e0'), hexcol('#163c9a'), hexcol('#ffffff'))
GREEN = (hexcol('#3cb95a'), hexcol('#17702e'), hexcol('#ffffff'))
GOLD = (hexcol('#ffe27a'), hexcol('#d49a1a'), hexcol('#5a2a00'))


def flat_die(c, cx, cy, size, angle, face, colours, shadow=0.35, outline=True):
    """A die seen from above, turned by angle (degrees), with a soft shadow."""
    hi, lo, pip = colours
    h = size / 2.0
    sq = RoundRect(cx - h, cy - h, cx + h, cy + h, size * 0.2)
    die = Transform(sq, angle=angle, cx=cx, cy=cy)
    if shadow:
        c.fill(die.moved(size * 0.07, size * 0.1), BLACK, opacity=shadow, soft=size * 0.12)
    if outline:
        c.fill(die.grow(max(0.6, size * 0.025)), darken(lo, 0.5))
    c.fill(die, linear(cx - h, cy - h, cx + h, cy + h, [(0, hi), (0.6, mix(hi, lo, 0.45)), (1, lo)]))
    c.fill(Transform(RoundRect(cx - h * 0.8, cy - h * 0.8, cx + h * 0.8, cy + h * 0.8, size * 0.16),
                     angle=angle, cx=cx, cy=cy), hi, opacity=0.55, soft=size * 0.12)
    a = math.radians(angle)
    ca, sa = math.cos(a), math.sin(a)
    off = size * 0.26
    for gx, gy in LAYOUT[face]:
        px, py = gx * off, gy * off
        x, y = cx + px * ca - py * sa, cy + px * sa + py * ca
        r = size * 0.095
        c.fill(Circle(x, y, r), lambda qx, qy, x=x, y=y, r=r: mix(lighten(pip, 0.2) if pip != WHITE else pip,
                                                                     darken(pip, 0.35),
                                                                     clamp(math.hypot(qx - x + r * 0.4,
                                                                                      qy - y + r * 0.4) / (r * 1.8))))


def cube_die(c, cx, cy, s, faces=(1, 2, 3), colours=IVORY):
    """An isometric die: top, left and right faces visible."""
    hi, lo, pip = colours
    c30 = math.cos(math.radians(30))
    top = [(cx, cy - s), (cx + s * c30, cy - s / 2), (cx, cy), (cx - s * c30, cy - s / 2)]
    left = [(cx - s * c30, cy - s / 2), (cx, cy), (cx, cy + s), (cx - s * c30, cy + s / 2)]
    right = [(cx, cy), (cx + s * c30, cy - s / 2), (cx + s * c30, cy + s / 2), (cx, cy + s)]
    whole = Polygon([(cx, cy - s), (cx + s * c30, cy - s / 2), (cx + s * c30, cy + s / 2), (cx, cy + s),
                     (cx - s * c30, cy + s / 2), (cx - s * c30, cy - s / 2)])
    c.fill(Ellipse(cx + s * 0.3, cy + s * 0.85, s * 0.95, s * 0.22), BLACK, opacity=0.3, soft=s * 0.25)
    c.fill(whole.grow(s * 0.06), darken(lo, 0.55))
    shades = {0: hi, 1: mix(hi, lo, 0.55), 2: mix(hi, lo, 0.9)}
    for k, face in enumerate((top, left, right)):
        c.fill(Polygon(face).grow(-s * 0.015), shades[k])
        (ax, ay), (bx, by), _, (dx, dy) = face
        for gx, gy in LAYOUT[faces[k]]:
            u, v = 0.5 + gx * 0.26, 0.5 + gy * 0.26
            pts = []
            for i in range(20):
                t = 2 * math.pi * i / 20
                uu, vv = u + 0.1 * math.cos(t), v + 0.1 * math.sin(t)
                pts.append((ax + (bx - ax) * uu + (dx - ax) * vv, ay + (by - ay) * uu + (dy - ay) * vv))
            c.fill(Polygon(pts), darken(pip, 0.1 * k) if pip != WHITE else darken(pip, 0.12 * k))
    # soft highlights along the front edges
    c.fill(Segment(cx - s * c30 * 0.92, cy - s / 2 + 1, cx, cy + s * 0.05, s * 0.02), WHITE, opacity=0.5)
    c.fill(Segment(cx, cy + s * 0.05, cx + s * c30 * 0.92, cy - s / 2 + 1, s * 0.02), WHITE, opacity=0.5)
    c.fill(Segment(cx, cy + s * 0.06, cx, cy + s * 0.94, s * 0.02), WHITE, opacity=0.35)


# ---------------------------------------------------------------- icons

def icon(size):
    k = size / 64.0
    c = Canvas(size, size, (0, 0, 0), alpha=0.0)
    flat_die(c, 40 * k, 24 * k, 34 * k, 16, 5, RED, shadow=0.3)
    flat_die(c, 24 * k, 40 * k, 36 * k, -12, 3, IVORY, shadow=0.45)
    return c


# ---------------------------------------------------------------- end of game

CONFETTI = ['#ff4a5a', '#ffd23a', '#4ae07a', '#4ad0ff', '#ff7ad8', '#ffffff', '#ff9a2a', '#b48aff']


def confetti(c, rnd, n, area, dim=1.0):
    x0, y0, x1, y1 = area
    for _ in range(n):
        x, y = rnd.uniform(x0, x1), rnd.uniform(y0, y1)
        col = hexcol(rnd.choice(CONFETTI))
        kind = rnd.random()
        a = rnd.uniform(0, 180)
        if kind < 0.55:
            w, h = rnd.uniform(2.5, 5), rnd.uniform(5, 10)
            sh = Transform(RoundRect(x - w / 2, y - h / 2, x + w / 2, y + h / 2, 0.8), angle=a, cx=x, cy=y)
            c.fill(sh, lambda px, py, col=col, x=x: mix(col, darken(col, 0.35), clamp((px - x) / 6 + 0.5)),
                   opacity=dim)
        elif kind < 0.8:
            c.fill(Circle(x, y, rnd.uniform(1.6, 3.2)), col, opacity=dim)
        else:
            ln = rnd.uniform(14, 26)
            pts = [(x + t * ln * math.cos(math.radians(a)), y + t * ln * math.sin(math.radians(a))
                    + 3 * math.sin(t * 9)) for t in [i / 12.0 for i in range(13)]]
            c.fill(Polyline(pts, 1.1), col, opacity=dim)


def congrats_back():
    W, H = 391, 513
    rnd = random.Random(301)
    base = hexcol('#0000c0')
    c = Canvas(W, H, base)
    # light from the top, fading into the plain blue lower part
    c.fill_all(lambda x, y: (0.3, 0.45, 1.0, 0.45 * (1 - smoothstep(0, 300, math.hypot((x - W / 2) * 0.8, y + 20)))))
    for k in range(14):  # soft rays
        a0 = math.radians(20 + k * 10.5)
        a1 = a0 + math.radians(4.5)
        pts = [(W / 2, -30), (W / 2 + 700 * math.cos(a0), -30 + 700 * math.sin(a0)),
               (W / 2 + 700 * math.cos(a1), -30 + 700 * math.sin(a1))]
        c.fill(Polygon(pts), lambda x, y: (1.0, 1.0, 1.0, 1.0 - smoothstep(120, 330, y)), opacity=0.06)
    # darker floor for the text area
    c.fill(RoundRect(-20, 330, W + 20, H + 40), darken(base, 0.25), opacity=0.5, soft=60)
    for _ in range(50):
        x, y = rnd.uniform(0, W), rnd.uniform(0, 320)
        c.fill(Star(x, y, rnd.uniform(1.5, 3.5), None, 4, 0), hexcol('#fff6c0'), opacity=rnd.uniform(0.4, 0.9))
    confetti(c, rnd, 140, (0, 0, W, 300))
    confetti(c, rnd, 30, (0, 300, W, H), dim=0.3)
    # tumbling dice
    for x, y, s, a, f, col in ((60, 70, 40, -20, 6, IVORY), (330, 60, 36, 18, 5, RED), (300, 220, 44, -8, 4, IVORY),
                               (85, 235, 34, 24, 1, GOLD), (196, 150, 30, 40, 3, BLUE)):
        flat_die(c, x, y, s, a, f, col, shadow=0.45)
    return c


def congrats_head():
    W, H = 371, 147
    rnd = random.Random(302)
    c = Canvas(W, H, (0, 0, 0), alpha=0.0)
    text = 'Congratulations!'
    S, t, xs, sp = 38, 6.5, 0.75, 0.08
    tw = text_width(text, S, t, sp, xs)
    x0 = (W - tw) / 2
    y0 = 12
    offsets = [(0, -4 * math.sin(i * 0.75), 6 * math.sin(i * 1.3 + 0.5)) for i in range(len(text))]
    glyphs = text_shapes(text, x0, y0, S, t, sp, per_glyph=True, offsets=[o for o, ch in zip(offsets, text)
                                                                           if ch != ' '], xs=xs)
    colours = ['#ff4a5a', '#ff9a2a', '#ffd23a', '#5ae07a', '#4ad0ff', '#ff7ad8', '#b48aff']
    # confetti and sparkles behind the lettering
    confetti(c, rnd, 45, (0, 0, W, H))
    for _ in range(14):
        x, y = rnd.uniform(0, W), rnd.uniform(0, H)
        c.fill(Star(x, y, rnd.uniform(3, 6), None, 4, 0), hexcol('#fff6c0'), opacity=0.9)
    # a shadow, a white rim and then the coloured letters
    for g in glyphs:
        c.fill(g.grow(3.2).moved(2.5, 3.5), hexcol('#000040'), opacity=0.6, soft=3)
    for g in glyphs:
        c.fill(g.grow(2.6), WHITE)
    for i, g in enumerate(glyphs):
        col = hexcol(colours[i % len(colours)])
        c.fill(g, lambda x, y, col=col: mix(lighten(col, 0.45), darken(col, 0.15), smoothstep(y0 - 5, y0 + 50, y)))
        b = g.bbox
        c.fill(g.grow(-2.2).moved(-1.0, -1.2), WHITE, opacity=0.35, clip=RoundRect(b[0], b[1], b[2], (b[1] + b[3]) / 2))
    # a row of dice tumbling underneath
    for k, (f, col, a) in enumerate(((1, RED, -18), (2, IVORY, 10), (3, BLUE, -6), (4, GOLD, 14), (5, GREEN, -12),
                                     (6, IVORY, 20))):
        x = 48 + k * 55
        y = 112 + 6 * math.sin(k * 1.7)
        flat_die(c, x, y, 34, a, f, col, shadow=0.4)
    return c


# ---------------------------------------------------------------- About pictures

def about_dice1():
    c = Canvas(48, 48, (0, 0, 0), alpha=0.0)
    flat_die(c, 31, 15, 22, 22, 4, BLUE, shadow=0.3)
    flat_die(c, 15, 19, 21, -15, 6, RED, shadow=0.35)
    flat_die(c, 27, 33, 24, 8, 5, IVORY, shadow=0.45)
    return c


def about_dice2():
    c = Canvas(48, 48, (0, 0, 0), alpha=0.0)
    cube_die(c, 23.5, 22, 19.5, (1, 2, 3), IVORY)
    return c


# ---------------------------------------------------------------- dedication dog

def dedication():
    W = H = 120
    c = Canvas(W, H, (0, 0, 0), alpha=0.0)
    c.fill(Circle(60, 60, 58), radial(50, 40, 80, [(0, hexcol('#eaf6ff')), (1, hexcol('#9ccbee'))]))
    c.fill(Circle(60, 60, 58).outline(2.0), hexcol('#5a8ab8'))
    clip = Circle(60, 60, 57)
    fur = hexcol('#d9a066')
    dark = hexcol('#7a4626')
    # collar and chest
    c.fill(Ellipse(60, 122, 40, 26), lambda x, y: mix(fur, darken(fur, 0.25), smoothstep(100, 125, y)), clip=clip)
    c.fill(Transform(RoundRect(28, 96, 92, 106, 4), angle=0, cx=60, cy=100), hexcol('#d8302a'), clip=clip)
    c.fill(Circle(60, 108, 5), linear(55, 103, 65, 113, [(0, hexcol('#fff0a0')), (1, hexcol('#c8901a'))]))
    # ears behind the head
    for s in (-1, 1):
        ear = Ellipse(60 + s * 30, 56, 11, 25, s * -18)
        c.fill(ear.moved(s * 1, 2), BLACK, opacity=0.25, soft=3)
        c.fill(ear, lambda x, y: mix(darken(dark, 0.1), dark, smoothstep(35, 80, y)))
    head = SmoothUnion([Ellipse(60, 52, 29, 30), Ellipse(60, 70, 22, 18)], 8)
    c.fill(head, lambda x, y: mix(lighten(fur, 0.15), darken(fur, 0.12), smoothstep(25, 90, y)))
    # a patch over one eye
    c.fill(Ellipse(73, 45, 10, 9, 20), hexcol('#b57a44'), opacity=0.9)
    # muzzle
    c.fill(Ellipse(60, 72, 17, 13), hexcol('#fbeedd'))
    # eyes with brows
    for s in (-1, 1):
        ex, ey = 60 + s * 12, 48
        c.fill(Ellipse(ex, ey, 4.2, 5.0), hexcol('#1a120c'))
        c.fill(Circle(ex - 1.3, ey - 1.7, 1.5), WHITE)
        c.fill(Polyline(arc_points(ex, ey - 3, 5, 200, 340, 8), 1.0), darken(dark, 0.3), opacity=0.8)
    # nose, mouth and tongue
    nose = Ellipse(60, 64, 7.5, 5.2)
    c.fill(Ellipse(60, 80, 6, 7) & RoundRect(50, 75, 70, 92), hexcol('#ff7a8a'))
    c.fill(Segment(60, 77, 60, 84, 0.5), hexcol('#d04a5a'), opacity=0.8)
    c.fill(Polyline(arc_points(55, 72, 5, 0, 150, 10), 1.1), hexcol('#3a2416'))
    c.fill(Polyline(arc_points(65, 72, 5, 30, 180, 10), 1.1), hexcol('#3a2416'))
    c.fill(Segment(60, 67, 60, 72, 1.0), hexcol('#3a2416'))
    c.fill(nose, radial(58, 62, 8, [(0, hexcol('#5a4a44')), (1, hexcol('#141010'))]))
    c.fill(Ellipse(57.5, 62.5, 2.2, 1.2), WHITE, opacity=0.8)
    # a little heart
    hx, hy = 97, 28
    heart = SmoothUnion([Circle(hx - 4, hy, 4.8), Circle(hx + 4, hy, 4.8),
                         Polygon([(hx - 8.5, hy + 1.5), (hx + 8.5, hy + 1.5), (hx, hy + 11)])], 1.0)
    c.fill(heart, hexcol('#ff4a6a'))
    c.fill(Circle(hx - 5, hy - 1.5, 1.5), WHITE, opacity=0.8)
    return c


# ---------------------------------------------------------------- pointing hand

def hand():
    c = Canvas(32, 32, (0, 0, 0), alpha=0.0)
    finger = RoundRect(9.5, 1.0, 15.0, 18.0, 2.75)
    palm = RoundRect(8.0, 13.0, 25.5, 27.5, 3.5)
    knuckles = [RoundRect(14.5, 11.0, 19.5, 19.0, 2.5), RoundRect(18.5, 12.0, 23.0, 19.5, 2.2),
                RoundRect(22.0, 13.5, 26.0, 20.5, 2.0)]
    thumb = Transform(RoundRect(2.5, 16.0, 12.5, 21.0, 2.5), angle=38, cx=10, cy=20)
    cuff = RoundRect(10.0, 26.5, 24.5, 31.0, 1.0)
    shape = Union([finger, palm, thumb] + knuckles)
    c.fill(shape.grow(1.2), BLACK)
    c.fill(cuff.grow(1.2), BLACK)
    c.fill(shape, lambda x, y: mix(WHITE, hexcol('#e4e4ec'), smoothstep(8, 30, x + y * 0.3)))
    c.fill(cuff, hexcol('#4a6ad8'))
    for k in knuckles[1:]:
        b = k.bbox
        c.fill(Segment(b[0] + 0.2, b[1] + 2.0, b[0] + 0.2, b[3] - 0.5, 0.45), BLACK)
    c.fill(Segment(14.7, 13.5, 14.7, 19.0, 0.45), BLACK)
    c.fill(Segment(11, 4.0, 11, 10.0, 0.6), WHITE, opacity=0.8)
    return c


def main():
    icons = os.path.join(ROOT, 'icons')
    pics = os.path.join(ROOT, 'pictures')
    os.makedirs(icons, exist_ok=True)
    os.makedirs(pics, exist_ok=True)
    icon(64).save_png(os.path.join(icons, 'ovd3.png'), alpha=True)
    icon(32).save_png(os.path.join(icons, 'ovd3_32.png'), alpha=True)
    congrats_back().save_png(os.path.join(pics, 'congrats_back.png'))
    congrats_head().save_png(os.path.join(pics, 'congrats_head.png'), alpha=True)
    about_dice1().save_png(os.path.join(pics, 'about_dice1.png'), alpha=True)
    about_dice2().save_png(os.path.join(pics, 'about_dice2.png'), alpha=True)
    dedication().save_png(os.path.join(pics, 'dedication.png'), alpha=True)
    hand().save_png(os.path.join(pics, 'hand.png'), alpha=True)


if __name__ == '__main__':
    main()
