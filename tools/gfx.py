"""Tiny procedural drawing kit for the game's artwork (standard library only).

Shapes are signed distance functions (negative inside).  A shape is painted
onto a Canvas with analytic anti-aliasing: the coverage of a pixel is derived
from the distance of its centre to the shape edge.  Pixel (i, j) covers the
square [i, i+1] x [j, j+1]; its centre is (i + 0.5, j + 0.5).

Colours are (r, g, b) tuples of floats in 0..1; hexcol() converts '#rrggbb'.
"""

import math
import struct
import zlib


# ---------------------------------------------------------------- colours

def hexcol(s):
    s = s.lstrip('#')
    return (int(s[0:2], 16) / 255.0, int(s[2:4], 16) / 255.0, int(s[4:6], 16) / 255.0)


def mix(c1, c2, t):
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def scale(c, k):
    return tuple(min(1.0, max(0.0, v * k)) for v in c)


def lighten(c, t):
    return mix(c, (1.0, 1.0, 1.0), t)


def darken(c, t):
    return mix(c, (0.0, 0.0, 0.0), t)


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def smoothstep(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0))
    return t * t * (3 - 2 * t)


def ramp(stops, t):
    """stops: list of (position, colour) sorted by position."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0.0)
    return stops[-1][1]


def hsv(h, s, v):
    h = (h % 1.0) * 6.0
    i = int(h)
    f = h - i
    p, q, t = v * (1 - s), v * (1 - s * f), v * (1 - s * (1 - f))
    return [(v, t, p), (q, v, p), (p, v, t), (p, q, v), (t, p, v), (v, p, q)][i % 6]


# ---------------------------------------------------------------- paints

def linear(x0, y0, x1, y1, stops):
    dx, dy = x1 - x0, y1 - y0
    den = dx * dx + dy * dy or 1.0

    def paint(x, y):
        return ramp(stops, ((x - x0) * dx + (y - y0) * dy) / den)
    return paint


def radial(cx, cy, r, stops, sx=1.0, sy=1.0):
    def paint(x, y):
        return ramp(stops, math.hypot((x - cx) / sx, (y - cy) / sy) / r)
    return paint


# ---------------------------------------------------------------- noise

def _hash(ix, iy, seed):
    h = (ix * 374761393 + iy * 668265263 + seed * 2246822519) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0


def vnoise(x, y, seed=0):
    """Smooth value noise in 0..1."""
    ix, iy = math.floor(x), math.floor(y)
    fx, fy = x - ix, y - iy
    ux, uy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a = _hash(ix, iy, seed)
    b = _hash(ix + 1, iy, seed)
    c = _hash(ix, iy + 1, seed)
    d = _hash(ix + 1, iy + 1, seed)
    return a + (b - a) * ux + (c - a) * uy + (a - b - c + d) * ux * uy


def fbm(x, y, octaves=4, seed=0, lac=2.0, gain=0.5):
    s, amp, norm = 0.0, 1.0, 0.0
    for o in range(octaves):
        s += amp * vnoise(x, y, seed + o * 17)
        norm += amp
        x, y = x * lac + 11.7, y * lac + 5.3
        amp *= gain
    return s / norm


# ---------------------------------------------------------------- shapes

class Shape:
    bbox = (-1e9, -1e9, 1e9, 1e9)

    def sdf(self, x, y):
        raise NotImplementedError

    def __or__(self, other):
        return Union([self, other])

    def __sub__(self, other):
        return Subtract(self, other)

    def __and__(self, other):
        return Intersect(self, other)

    def grow(self, r):
        return Grow(self, r)

    def outline(self, w):
        return Outline(self, w)

    def moved(self, dx, dy):
        return Transform(self, dx=dx, dy=dy)

    def rotated(self, deg, cx, cy):
        return Transform(self, angle=deg, cx=cx, cy=cy)


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r
        self.bbox = (cx - r, cy - r, cx + r, cy + r)

    def sdf(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry, angle=0.0):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        a = math.radians(angle)
        self.c, self.s = math.cos(a), math.sin(a)
        m = max(rx, ry)
        self.bbox = (cx - m, cy - m, cx + m, cy + m)

    def sdf(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        px = dx * self.c + dy * self.s
        py = -dx * self.s + dy * self.c
        k0 = math.hypot(px / self.rx, py / self.ry)
        k1 = math.hypot(px / (self.rx * self.rx), py / (self.ry * self.ry))
        if k1 == 0:
            return -min(self.rx, self.ry)
        return k0 * (k0 - 1.0) / k1


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.cx, self.cy = (x0 + x1) / 2, (y0 + y1) / 2
        self.hx, self.hy = (x1 - x0) / 2, (y1 - y0) / 2
        self.r = min(r, self.hx, self.hy)
        self.bbox = (x0, y0, x1, y1)

    def sdf(self, x, y):
        qx = abs(x - self.cx) - self.hx + self.r
        qy = abs(y - self.cy) - self.hy + self.r
        out = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return out + min(max(qx, qy), 0.0) - self.r


class Segment(Shape):
    """Capsule: a line from (x0, y0) to (x1, y1) with half width r."""

    def __init__(self, x0, y0, x1, y1, r):
        self.x0, self.y0, self.x1, self.y1, self.r = x0, y0, x1, y1, r
        self.dx, self.dy = x1 - x0, y1 - y0
        self.den = self.dx * self.dx + self.dy * self.dy or 1e-12
        self.bbox = (min(x0, x1) - r, min(y0, y1) - r, max(x0, x1) + r, max(y0, y1) + r)

    def sdf(self, x, y):
        px, py = x - self.x0, y - self.y0
        h = clamp((px * self.dx + py * self.dy) / self.den)
        return math.hypot(px - self.dx * h, py - self.dy * h) - self.r


class Polyline(Shape):
    """A chain of round-capped segments: the union of its segments."""

    def __init__(self, pts, r, closed=False):
        pts = list(pts)
        if closed:
            pts = pts + [pts[0]]
        segs = [Segment(a[0], a[1], b[0], b[1], r) for a, b in zip(pts, pts[1:])]
        if not segs:
            segs = [Segment(pts[0][0], pts[0][1], pts[0][0], pts[0][1], r)]
        self.union = Union(segs)
        self.segs, self.bbox = segs, self.union.bbox

    def sdf(self, x, y):
        return self.union.sdf(x, y)


class Polygon(Shape):
    def __init__(self, pts):
        self.pts = [tuple(p) for p in pts]
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        self.bbox = (min(xs), min(ys), max(xs), max(ys))

    def sdf(self, x, y):
        v = self.pts
        n = len(v)
        d = float('inf')
        inside = False
        j = n - 1
        for i in range(n):
            xi, yi = v[i]
            xj, yj = v[j]
            ex, ey = xj - xi, yj - yi
            wx, wy = x - xi, y - yi
            den = ex * ex + ey * ey or 1e-12
            h = clamp((wx * ex + wy * ey) / den)
            bx, by = wx - ex * h, wy - ey * h
            dd = bx * bx + by * by
            if dd < d:
                d = dd
            if (yi > y) != (yj > y):
                if x < xi + (y - yi) * ex / (ey or 1e-12):
                    inside = not inside
            j = i
        d = math.sqrt(d)
        return -d if inside else d


class Union(Shape):
    def __init__(self, shapes):
        self.shapes = list(shapes)
        self.bbox = _union_bbox([s.bbox for s in self.shapes])

    def sdf(self, x, y):
        best = float('inf')
        for s in self.shapes:
            b = s.bbox
            dx = b[0] - x if x < b[0] else (x - b[2] if x > b[2] else 0.0)
            dy = b[1] - y if y < b[1] else (y - b[3] if y > b[3] else 0.0)
            if (dx or dy) and math.hypot(dx, dy) >= best:
                continue
            d = s.sdf(x, y)
            if d < best:
                best = d
        return best


class SmoothUnion(Shape):
    def __init__(self, shapes, k):
        self.shapes, self.k = list(shapes), k
        b = _union_bbox([s.bbox for s in self.shapes])
        self.bbox = (b[0] - k, b[1] - k, b[2] + k, b[3] + k)

    def sdf(self, x, y):
        k = self.k
        d = self.shapes[0].sdf(x, y)
        for s in self.shapes[1:]:
            d2 = s.sdf(x, y)
            h = clamp(0.5 + 0.5 * (d2 - d) / k)
            d = d2 + (d - d2) * h - k * h * (1 - h)
        return d


class Subtract(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.bbox = a.bbox

    def sdf(self, x, y):
        return max(self.a.sdf(x, y), -self.b.sdf(x, y))


class Intersect(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        ba, bb = a.bbox, b.bbox
        self.bbox = (max(ba[0], bb[0]), max(ba[1], bb[1]), min(ba[2], bb[2]), min(ba[3], bb[3]))

    def sdf(self, x, y):
        return max(self.a.sdf(x, y), self.b.sdf(x, y))


class Grow(Shape):
    def __init__(self, a, r):
        self.a, self.r = a, r
        b = a.bbox
        self.bbox = (b[0] - r, b[1] - r, b[2] + r, b[3] + r)

    def sdf(self, x, y):
        return self.a.sdf(x, y) - self.r


class Outline(Shape):
    def __init__(self, a, w):
        self.a, self.w = a, w / 2.0
        b = a.bbox
        self.bbox = (b[0] - w, b[1] - w, b[2] + w, b[3] + w)

    def sdf(self, x, y):
        return abs(self.a.sdf(x, y)) - self.w


class Transform(Shape):
    """Rotate (degrees, about cx, cy), scale and then move a shape."""

    def __init__(self, a, dx=0.0, dy=0.0, angle=0.0, cx=0.0, cy=0.0, k=1.0):
        self.a, self.dx, self.dy, self.cx, self.cy, self.k = a, dx, dy, cx, cy, k
        t = math.radians(angle)
        self.c, self.s = math.cos(t), math.sin(t)
        b = a.bbox
        corners = [self._fwd(px, py) for px in (b[0], b[2]) for py in (b[1], b[3])]
        self.bbox = (min(p[0] for p in corners), min(p[1] for p in corners),
                     max(p[0] for p in corners), max(p[1] for p in corners))

    def _fwd(self, x, y):
        x, y = x - self.cx, y - self.cy
        x, y = x * self.c - y * self.s, x * self.s + y * self.c
        return x * self.k + self.cx + self.dx, y * self.k + self.cy + self.dy

    def sdf(self, x, y):
        x, y = (x - self.dx - self.cx) / self.k, (y - self.dy - self.cy) / self.k
        x, y = x * self.c + y * self.s, -x * self.s + y * self.c
        return self.a.sdf(x + self.cx, y + self.cy) * self.k


class Star(Polygon):
    def __init__(self, cx, cy, r_out, r_in=None, points=5, angle=-90.0):
        r_in = r_out * 0.382 if r_in is None else r_in
        pts = []
        for i in range(points * 2):
            a = math.radians(angle + i * 180.0 / points)
            r = r_out if i % 2 == 0 else r_in
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        Polygon.__init__(self, pts)


def _union_bbox(bs):
    return (min(b[0] for b in bs), min(b[1] for b in bs), max(b[2] for b in bs), max(b[3] for b in bs))


def bezier(p0, p1, p2, p3=None, n=16):
    """Points on a quadratic (3 points) or cubic (4 points) Bezier curve."""
    out = []
    for i in range(n + 1):
        t = i / n
        u = 1 - t
        if p3 is None:
            x = u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0]
            y = u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]
        else:
            x = u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0]
            y = u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]
        out.append((x, y))
    return out


def arc_points(cx, cy, r, a0, a1, n=16, ry=None):
    ry = r if ry is None else ry
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


# ---------------------------------------------------------------- canvas

class Canvas:
    def __init__(self, w, h, bg=(0.0, 0.0, 0.0), alpha=1.0):
        self.w, self.h = w, h
        n = w * h
        self.r = [bg[0]] * n
        self.g = [bg[1]] * n
        self.b = [bg[2]] * n
        self.a = [alpha] * n

    # -- raw pixel access
    def get(self, x, y):
        i = y * self.w + x
        return (self.r[i], self.g[i], self.b[i])

    def put(self, x, y, c, a=1.0):
        if 0 <= x < self.w and 0 <= y < self.h:
            self._blend(y * self.w + x, c, a)

    def _blend(self, i, c, a):
        if a >= 1.0:
            self.r[i], self.g[i], self.b[i], self.a[i] = c[0], c[1], c[2], 1.0
            return
        da = self.a[i]
        oa = a + da * (1.0 - a)
        if oa <= 0.0:
            return
        k = da * (1.0 - a)
        self.r[i] = (c[0] * a + self.r[i] * k) / oa
        self.g[i] = (c[1] * a + self.g[i] * k) / oa
        self.b[i] = (c[2] * a + self.b[i] * k) / oa
        self.a[i] = oa

    # -- painting
    def fill(self, shape, paint, opacity=1.0, soft=1.0, hard=False, clip=None):
        """Paint a shape.  paint: colour tuple or function (x, y) -> colour
        (a 4th element of the colour is an extra opacity).  soft: edge blur
        width in pixels (1 = plain anti-aliasing).  hard: no anti-aliasing."""
        b = shape.bbox
        pad = soft + 1
        x0 = max(0, int(math.floor(b[0] - pad)))
        y0 = max(0, int(math.floor(b[1] - pad)))
        x1 = min(self.w, int(math.ceil(b[2] + pad)) + 1)
        y1 = min(self.h, int(math.ceil(b[3] + pad)) + 1)
        call = callable(paint)
        sdf = shape.sdf
        for y in range(y0, y1):
            py = y + 0.5
            row = y * self.w
            for x in range(x0, x1):
                px = x + 0.5
                d = sdf(px, py)
                if hard:
                    cov = 1.0 if d <= 0.0 else 0.0
                else:
                    cov = 0.5 - d / soft
                    if cov <= 0.0:
                        continue
                    if cov > 1.0:
                        cov = 1.0
                if cov <= 0.0:
                    continue
                if clip is not None:
                    cd = clip.sdf(px, py)
                    cc = 1.0 if (hard and cd <= 0) else (0.0 if hard else clamp(0.5 - cd))
                    cov *= cc
                    if cov <= 0.0:
                        continue
                c = paint(px, py) if call else paint
                a = cov * opacity
                if len(c) > 3:
                    a *= c[3]
                if a > 0.0:
                    self._blend(row + x, c, a)

    def fill_all(self, paint, opacity=1.0):
        for y in range(self.h):
            for x in range(self.w):
                c = paint(x + 0.5, y + 0.5)
                a = opacity * (c[3] if len(c) > 3 else 1.0)
                if a > 0:
                    self._blend(y * self.w + x, c, a)

    def map(self, fn):
        """fn(x, y, (r, g, b)) -> (r, g, b); applied to every pixel."""
        for y in range(self.h):
            for x in range(self.w):
                i = y * self.w + x
                c = fn(x + 0.5, y + 0.5, (self.r[i], self.g[i], self.b[i]))
                self.r[i], self.g[i], self.b[i] = c[0], c[1], c[2]

    def paste(self, other, ox, oy, opacity=1.0):
        for y in range(other.h):
            ty = y + oy
            if not 0 <= ty < self.h:
                continue
            for x in range(other.w):
                tx = x + ox
                if not 0 <= tx < self.w:
                    continue
                i = y * other.w + x
                a = other.a[i] * opacity
                if a > 0:
                    self._blend(ty * self.w + tx, (other.r[i], other.g[i], other.b[i]), a)

    def copy(self):
        c = Canvas(self.w, self.h)
        c.r, c.g, c.b, c.a = self.r[:], self.g[:], self.b[:], self.a[:]
        return c

    def blur(self, radius, passes=3):
        """Approximate gaussian blur (repeated box blur), alpha aware."""
        if radius <= 0:
            return
        w, h = self.w, self.h
        # premultiply
        chans = [[self.r[i] * self.a[i] for i in range(w * h)],
                 [self.g[i] * self.a[i] for i in range(w * h)],
                 [self.b[i] * self.a[i] for i in range(w * h)],
                 self.a[:]]
        for _ in range(passes):
            chans = [_box_v(_box_h(ch, w, h, radius), w, h, radius) for ch in chans]
        r, g, b, a = chans
        for i in range(w * h):
            if a[i] > 1e-6:
                self.r[i], self.g[i], self.b[i] = r[i] / a[i], g[i] / a[i], b[i] / a[i]
            self.a[i] = a[i]

    def downsample(self, k):
        """Average k x k blocks (for supersampled drawing)."""
        w, h = self.w // k, self.h // k
        out = Canvas(w, h)
        kk = float(k * k)
        for y in range(h):
            for x in range(w):
                sr = sg = sb = sa = 0.0
                for j in range(k):
                    row = (y * k + j) * self.w + x * k
                    for i in range(row, row + k):
                        a = self.a[i]
                        sr += self.r[i] * a
                        sg += self.g[i] * a
                        sb += self.b[i] * a
                        sa += a
                o = y * w + x
                if sa > 0:
                    out.r[o], out.g[o], out.b[o] = sr / sa, sg / sa, sb / sa
                out.a[o] = sa / kk
        return out

    # -- output
    def _bytes8(self, v):
        return max(0, min(255, int(v * 255.0 + 0.5)))

    def rows(self, with_alpha):
        q = self._bytes8
        for y in range(self.h):
            row = bytearray()
            for x in range(self.w):
                i = y * self.w + x
                row += bytes((q(self.r[i]), q(self.g[i]), q(self.b[i])))
                if with_alpha:
                    row.append(q(self.a[i]))
            yield bytes(row)

    def save_png(self, path, alpha=False):
        raw = b''.join(b'\x00' + r for r in self.rows(alpha))
        ctype = 6 if alpha else 2

        def chunk(tag, data):
            return (struct.pack('>I', len(data)) + tag + data
                    + struct.pack('>I', zlib.crc32(tag + data) & 0xFFFFFFFF))
        png = b'\x89PNG\r\n\x1a\n'
        png += chunk(b'IHDR', struct.pack('>IIBBBBB', self.w, self.h, 8, ctype, 0, 0, 0))
        png += chunk(b'IDAT', zlib.compress(raw, 9))
        png += chunk(b'IEND', b'')
        with open(path, 'wb') as f:
            f.write(png)

    def save_ppm(self, path):
        with open(path, 'wb') as f:
            f.write(b'P6\n%d %d\n255\n' % (self.w, self.h))
            for r in self.rows(False):
                f.write(r)


def _box_h(ch, w, h, r):
    out = [0.0] * (w * h)
    n = 2 * r + 1
    for y in range(h):
        row = y * w
        s = ch[row] * (r + 1)
        for i in range(1, r + 1):
            s += ch[row + min(i, w - 1)]
        for x in range(w):
            out[row + x] = s / n
            s += ch[row + min(x + r + 1, w - 1)] - ch[row + max(x - r, 0)]
    return out


def _box_v(ch, w, h, r):
    out = [0.0] * (w * h)
    n = 2 * r + 1
    for x in range(w):
        s = ch[x] * (r + 1)
        for i in range(1, r + 1):
            s += ch[min(i, h - 1) * w + x]
        for y in range(h):
            out[y * w + x] = s / n
            s += ch[min(y + r + 1, h - 1) * w + x] - ch[max(y - r, 0) * w + x]
    return out
