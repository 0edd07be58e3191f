"""Our own hand-made stroke lettering (no font files are used).

Each glyph is a list of strokes (polylines) in a box whose cap height is 1.0
(y grows downwards, 0 = top, 1 = baseline) plus an advance width.  Strokes are
turned into rounded capsules, so the lettering looks like a friendly rounded
sans.  Also: seven-segment digits.
"""

import math

from gfx import Polyline, Polygon, Union, arc_points, bezier


def _arc(cx, cy, r, a0, a1, ry=None, n=20):
    return arc_points(cx, cy, r, a0, a1, n=n, ry=ry)


def catmull(pts, n=8):
    out = []
    p = [pts[0]] + list(pts) + [pts[-1]]
    for i in range(1, len(p) - 2):
        p0, p1, p2, p3 = p[i - 1], p[i], p[i + 1], p[i + 2]
        for k in range(n):
            t = k / n
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * (2 * p1[j] + (-p0[j] + p2[j]) * t
                                    + (2 * p0[j] - 5 * p1[j] + 4 * p2[j] - p3[j]) * t2
                                    + (-p0[j] + 3 * p1[j] - 3 * p2[j] + p3[j]) * t3) for j in range(2)))
    out.append(pts[-1])
    return out


XH = 0.42  # top of the lowercase letters

GLYPHS = {
    '0': (0.62, [_arc(0.31, 0.5, 0.31, 0, 360, ry=0.5, n=32)]),
    '1': (0.46, [[(0.04, 0.2), (0.34, 0.0), (0.34, 1.0)]]),
    '2': (0.62, [_arc(0.3, 0.29, 0.28, 195, 395) + [(0.02, 1.0), (0.6, 1.0)]]),
    '3': (0.6, [_arc(0.29, 0.255, 0.245, 205, 450) + _arc(0.29, 0.755, 0.255, 270, 515)[1:]]),
    '4': (0.64, [[(0.47, 1.0), (0.47, 0.0), (0.0, 0.7), (0.64, 0.7)]]),
    '5': (0.6, [[(0.55, 0.0), (0.1, 0.0), (0.06, 0.47)] + _arc(0.3, 0.685, 0.3, 220, 505)]),
    '6': (0.62, [_arc(0.31, 0.69, 0.3, 0, 360, n=28),
                 bezier((0.01, 0.69), (0.01, 0.02), (0.5, 0.03), n=14)]),
    'C': (0.82, [_arc(0.44, 0.5, 0.44, 318, 42, ry=0.5, n=28)]),
    'o': (0.6, [_arc(0.3, 0.71, 0.3, 0, 360, ry=0.29, n=28)]),
    'n': (0.52, [[(0.0, XH), (0.0, 1.0)], _arc(0.26, 0.67, 0.26, 180, 360) + [(0.52, 1.0)]]),
    'g': (0.56, [_arc(0.28, 0.7, 0.28, 0, 360, ry=0.28, n=28),
                 [(0.56, XH), (0.56, 1.04)] + _arc(0.29, 1.04, 0.27, 0, 160)]),
    'r': (0.4, [[(0.0, XH), (0.0, 1.0)], _arc(0.29, 0.7, 0.29, 180, 285)]),
    'a': (0.56, [_arc(0.28, 0.71, 0.28, 0, 360, ry=0.29, n=28), [(0.56, XH), (0.56, 1.0)]]),
    't': (0.4, [[(0.14, 0.1), (0.14, 0.86)] + bezier((0.14, 0.86), (0.14, 1.0), (0.4, 0.98), n=8)[1:],
                [(0.0, XH + 0.02), (0.36, XH + 0.02)]]),
    'u': (0.52, [[(0.0, XH), (0.0, 0.74)] + _arc(0.26, 0.74, 0.26, 180, 0), [(0.52, XH), (0.52, 1.0)]]),
    'l': (0.04, [[(0.0, 0.0), (0.0, 1.0)]]),
    'i': (0.04, [[(0.0, XH), (0.0, 1.0)], [(0.0, 0.17), (0.0, 0.17)]]),
    's': (0.48, [catmull([(0.46, 0.5), (0.26, XH), (0.04, 0.53), (0.22, 0.69),
                          (0.44, 0.82), (0.26, 1.0), (0.0, 0.93)], n=6)]),
    '!': (0.04, [[(0.0, 0.0), (0.0, 0.66)], [(0.0, 0.98), (0.0, 0.98)]]),
    ' ': (0.35, []),
}


def glyph_strokes(ch, x, y, size, slant=0.0, xs=1.0):
    """Strokes of one glyph placed with its top-left at (x, y), cap height = size;
    xs narrows (< 1) or widens the glyph."""
    w, strokes = GLYPHS[ch]
    return [[(x + (px + (1.0 - py) * slant) * size * xs, y + py * size) for px, py in s] for s in strokes]


def text_width(text, size, stroke, spacing=0.24, xs=1.0):
    total = 0.0
    for i, ch in enumerate(text):
        total += GLYPHS[ch][0] * size * xs
        if i < len(text) - 1:
            total += spacing * size + stroke
    return total + stroke


def text_shapes(text, x, y, size, stroke, spacing=0.24, slant=0.0, per_glyph=False, offsets=None, xs=1.0):
    """Shapes for a line of text; (x, y) = top-left of the first glyph box.
    per_glyph=True returns one Union per glyph (for multicoloured lettering).
    offsets: optional list of (dx, dy, angle_deg) per glyph."""
    out = []
    cx = x + stroke / 2.0
    for i, ch in enumerate(text):
        w = GLYPHS[ch][0] * size * xs
        strokes = glyph_strokes(ch, cx, y, size, slant, xs)
        if offsets is not None:
            dx, dy, ang = offsets[i]
            mx, my = cx + w / 2, y + size / 2
            ca, sa = math.cos(math.radians(ang)), math.sin(math.radians(ang))
            strokes = [[(mx + (px - mx) * ca - (py - my) * sa + dx, my + (px - mx) * sa + (py - my) * ca + dy)
                        for px, py in s] for s in strokes]
        shapes = [Polyline(s, stroke / 2.0) for s in strokes]
        if shapes:
            out.append(Union(shapes) if per_glyph else shapes)
        cx += w + spacing * size + stroke
    if per_glyph:
        return out
    return Union([s for group in out for s in group])


# ---------------------------------------------------------------- seven segments

SEVEN = {
    0: 'abcdef', 1: 'bc', 2: 'abged', 3: 'abgcd', 4: 'fgbc',
    5: 'afgcd', 6: 'afgedc', 7: 'abc', 8: 'abcdefg', 9: 'abcdfg',
}


def seven_segments(x, y, w, h, t, slant=0.0, gap=0.6):
    """Segment polygons (dict name -> Polygon) for a digit box at (x, y), size
    w x h, segment thickness t; slant shifts the top to the right (pixels)."""
    ht = t / 2.0
    mid = y + h / 2.0

    def sk(px, py):  # apply slant
        return (px + slant * (1.0 - (py - y) / h), py)

    def hseg(yc):
        x0, x1 = x + ht + gap, x + w - ht - gap
        pts = [(x0, yc), (x0 + ht, yc - ht), (x1 - ht, yc - ht), (x1, yc), (x1 - ht, yc + ht), (x0 + ht, yc + ht)]
        return Polygon([sk(*p) for p in pts])

    def vseg(xc, y0, y1):
        y0, y1 = y0 + gap, y1 - gap
        pts = [(xc, y0), (xc + ht, y0 + ht), (xc + ht, y1 - ht), (xc, y1), (xc - ht, y1 - ht), (xc - ht, y0 + ht)]
        return Polygon([sk(*p) for p in pts])

    return {
        'a': hseg(y + ht), 'g': hseg(mid), 'd': hseg(y + h - ht),
        'f': vseg(x + ht, y + ht, mid), 'b': vseg(x + w - ht, y + ht, mid),
        'e': vseg(x + ht, mid, y + h - ht), 'c': vseg(x + w - ht, mid, y + h - ht),
    }
