#!/usr/bin/env python3
"""Draw Vantorel's icon artwork procedurally and write it as Windows resources.

Outputs (relative to the repository root):
  app/res/vantorel.ico      one 48x48 image, 24 bits per pixel, with an AND mask
  ui/res/status-icons.bmp   64x15 strip of four 16x15 icons, 24-bit bottom-up BMP,
                            transparent pixels are pure magenta RGB(255,0,255)
                            order: person, clock, speech bubble, panda

Only the Python standard library is used and the output is byte-for-byte
deterministic, so re-running the script never produces a spurious diff.
"""

import math
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MAGENTA = (255, 0, 255)


# ---------------------------------------------------------------------------
# Shapes are predicates f(x, y) -> bool in pixel coordinates, where the pixel
# (i, j) covers the square [i, i+1) x [j, j+1).
# ---------------------------------------------------------------------------

def circle(cx, cy, r):
    r2 = r * r
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r2


def ellipse(cx, cy, rx, ry, angle_deg=0.0):
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)

    def f(x, y):
        dx, dy = x - cx, y - cy
        u = dx * ca + dy * sa
        v = -dx * sa + dy * ca
        return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0
    return f


def polygon(points):
    pts = list(points)

    def f(x, y):
        inside = False
        n = len(pts)
        for k in range(n):
            x1, y1 = pts[k]
            x2, y2 = pts[(k + 1) % n]
            if (y1 > y) != (y2 > y):
                xc = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
                if x < xc:
                    inside = not inside
        return inside
    return f


def _seg_dist2(x, y, x1, y1, x2, y2):
    dx, dy = x2 - x1, y2 - y1
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / ll))
    px, py = x1 + t * dx - x, y1 + t * dy - y
    return px * px + py * py


def line(x1, y1, x2, y2, width):
    """Thick line with round caps."""
    r2 = (width / 2.0) ** 2
    return lambda x, y: _seg_dist2(x, y, x1, y1, x2, y2) <= r2


def arc(cx, cy, r, width, a0_deg, a1_deg):
    """Arc of radius r (stroke `width`) from angle a0 to a1, round caps.
    Angles are in degrees, 0 = +x, counter-clockwise on screen (y up)."""
    a0, a1 = math.radians(a0_deg), math.radians(a1_deg)
    hw2 = (width / 2.0) ** 2
    ends = [(cx + r * math.cos(a), cy - r * math.sin(a)) for a in (a0, a1)]

    def f(x, y):
        dx, dy = x - cx, cy - y
        ang = math.atan2(dy, dx)
        while ang < a0:
            ang += 2 * math.pi
        if ang <= a1:
            d = math.hypot(dx, dy) - r
            if d * d <= hw2:
                return True
        return any((x - ex) ** 2 + (y - ey) ** 2 <= hw2 for ex, ey in ends)
    return f


def rounded_rect(x0, y0, x1, y1, r):
    def f(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        qx = min(x - x0, x1 - x)
        qy = min(y - y0, y1 - y)
        if qx >= r or qy >= r:
            return True
        return (r - qx) ** 2 + (r - qy) ** 2 <= r * r
    return f


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


_DIRS = [(math.cos(k * math.pi / 8), math.sin(k * math.pi / 8)) for k in range(16)]


def erode(shape, w):
    """Shape shrunk by roughly `w` pixels; used to leave an outline ring."""
    def f(x, y):
        if not shape(x, y):
            return False
        return all(shape(x + w * dx, y + w * dy) for dx, dy in _DIRS)
    return f


# ---------------------------------------------------------------------------
# A tiny supersampled raster canvas.
# ---------------------------------------------------------------------------

class Canvas:
    def __init__(self, width, height, ss=4):
        self.w, self.h, self.ss = width, height, ss
        self.px = [None] * (width * ss * height * ss)   # None = empty

    def fill(self, shape, color, bbox=None):
        ss = self.ss
        if bbox is None:
            bx0, by0, bx1, by1 = 0, 0, self.w, self.h
        else:
            bx0, by0, bx1, by1 = (max(0, int(math.floor(bbox[0]))),
                                  max(0, int(math.floor(bbox[1]))),
                                  min(self.w, int(math.ceil(bbox[2]))),
                                  min(self.h, int(math.ceil(bbox[3]))))
        stride = self.w * ss
        for sy in range(by0 * ss, by1 * ss):
            y = (sy + 0.5) / ss
            row = sy * stride
            for sx in range(bx0 * ss, bx1 * ss):
                x = (sx + 0.5) / ss
                if shape(x, y):
                    self.px[row + sx] = color(x, y) if callable(color) else color

    def resolve(self, threshold=0.5):
        """Return rows of (r, g, b) or None (transparent) per output pixel.
        A pixel is opaque when at least `threshold` of its samples are
        covered; its colour is the mean of the covered samples, so edges
        between shapes are smoothed without a halo against the background."""
        ss = self.ss
        n = ss * ss
        stride = self.w * ss
        out = []
        for j in range(self.h):
            row = []
            for i in range(self.w):
                r = g = b = c = 0
                for sy in range(j * ss, (j + 1) * ss):
                    base = sy * stride
                    for sx in range(i * ss, (i + 1) * ss):
                        p = self.px[base + sx]
                        if p is not None:
                            r += p[0]; g += p[1]; b += p[2]; c += 1
                if c == 0 or c < threshold * n:
                    row.append(None)
                else:
                    row.append((int(round(r / c)), int(round(g / c)), int(round(b / c))))
            out.append(row)
        return out


def vgrad(y0, c0, y1, c1):
    """Vertical colour gradient between rows y0 and y1."""
    def f(x, y):
        t = max(0.0, min(1.0, (y - y0) / float(y1 - y0)))
        return tuple(c0[k] + (c1[k] - c0[k]) * t for k in range(3))
    return f


# ---------------------------------------------------------------------------
# Artwork
# ---------------------------------------------------------------------------

def draw_app_icon():
    c = Canvas(48, 48, ss=4)

    # Click ripples: arcs around the pointer tip, on the side away from the body.
    tx, ty = 19.5, 15.0
    c.fill(arc(tx, ty, 7.5, 3.0, 98, 172), (250, 140, 20))
    c.fill(arc(tx, ty, 13.2, 3.0, 98, 172), (30, 120, 230))

    # Pointer arrow (tip at tx, ty), classic cursor silhouette.
    s = 1.65
    shape = [(0, 0), (0, 16.5), (4.0, 12.8), (6.8, 19.4), (9.6, 18.2),
             (6.9, 11.8), (12.0, 11.8)]
    arrow = polygon([(tx + s * px, ty + s * py) for px, py in shape])
    c.fill(arrow, (22, 34, 64))
    c.fill(erode(arrow, 1.6), vgrad(ty, (255, 255, 255), ty + 32, (190, 210, 238)))
    return c.resolve()


def draw_person(c, ox):
    outline = (40, 60, 110)
    body = union(ellipse(ox + 8, 15.5, 6.8, 6.2),)
    body = minus(body, lambda x, y: y > 15.0)
    c.fill(body, outline)
    c.fill(erode(body, 1.0), vgrad(9, (90, 150, 235), 15, (40, 95, 190)))
    head = circle(ox + 8, 5.0, 3.9)
    c.fill(head, (120, 70, 40))
    c.fill(erode(head, 1.0), (255, 214, 170))


def draw_clock(c, ox):
    cx, cy = ox + 7.5, 7.5            # centre of pixel (7, 7): hands stay crisp
    c.fill(circle(cx, cy, 7.2), (60, 60, 75))
    c.fill(circle(cx, cy, 6.0), (255, 255, 255))
    for k in range(4):
        a = k * math.pi / 2
        c.fill(line(cx + 5.2 * math.cos(a), cy + 5.2 * math.sin(a),
                    cx + 4.4 * math.cos(a), cy + 4.4 * math.sin(a), 0.9), (130, 130, 145))
    ink = (20, 20, 30)
    c.fill(line(cx, cy, cx, cy - 4.6, 0.9), ink)          # minute hand (12)
    c.fill(line(cx, cy, cx + 3.3, cy, 0.9), ink)          # hour hand (3)
    c.fill(circle(cx, cy, 0.6), (210, 40, 40))


def draw_bubble(c, ox):
    bubble = union(rounded_rect(ox + 0.5, 0.5, ox + 15.5, 11.0, 3.5),
                   polygon([(ox + 3.5, 9.0), (ox + 8.0, 9.0), (ox + 3.0, 14.8)]))
    c.fill(bubble, (50, 90, 150))
    c.fill(erode(bubble, 1.0), vgrad(1, (255, 255, 255), 11, (205, 225, 250)))
    for k in range(3):
        c.fill(circle(ox + 4.5 + 3.5 * k, 6.0, 1.05), (50, 90, 150))


def draw_panda(c, ox):
    black = (25, 25, 30)
    cx = ox + 8.0
    c.fill(circle(cx - 5.0, 3.4, 2.9), black)               # ears
    c.fill(circle(cx + 5.0, 3.4, 2.9), black)
    face = ellipse(cx, 8.6, 7.4, 6.3)
    c.fill(face, (95, 95, 105))
    c.fill(erode(face, 0.9), (255, 255, 255))
    c.fill(ellipse(cx - 3.0, 8.2, 1.9, 2.5, -35), black)     # eye patches
    c.fill(ellipse(cx + 3.0, 8.2, 1.9, 2.5, 35), black)
    c.fill(circle(cx - 2.6, 7.6, 0.75), (255, 255, 255))     # eye glints
    c.fill(circle(cx + 2.6, 7.6, 0.75), (255, 255, 255))
    c.fill(ellipse(cx, 11.6, 1.6, 1.0), black)               # nose


def draw_status_strip():
    c = Canvas(64, 15, ss=4)
    for k, painter in enumerate((draw_person, draw_clock, draw_bubble, draw_panda)):
        painter(c, 16 * k)
    return c.resolve()


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def _bgr_rows(pixels, transparent):
    """Bottom-up BGR rows padded to 4 bytes."""
    data = bytearray()
    for row in reversed(pixels):
        line_ = bytearray()
        for p in row:
            r, g, b = transparent if p is None else p
            line_ += bytes((b, g, r))
        line_ += b"\0" * ((-len(line_)) % 4)
        data += line_
    return bytes(data)


def write_ico(path, pixels):
    h, w = len(pixels), len(pixels[0])
    xor = _bgr_rows(pixels, (0, 0, 0))
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray((w + 7) // 8)
        for i, p in enumerate(row):
            if p is None:
                bits[i >> 3] |= 0x80 >> (i & 7)
        bits += b"\0" * ((-len(bits)) % 4)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 24, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + bytes(mask)
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w & 0xFF, h & 0xFF, 0, 0, 1, 24,
                        len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(icondir + entry + image)


def write_bmp(path, pixels, transparent=MAGENTA):
    h, w = len(pixels), len(pixels[0])
    data = _bgr_rows(pixels, transparent)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data),
                       2835, 2835, 0, 0)
    offset = 14 + len(info)
    filehdr = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(filehdr + info + data)


def main():
    app_res = os.path.join(ROOT, "app", "res")
    ui_res = os.path.join(ROOT, "ui", "res")
    os.makedirs(app_res, exist_ok=True)
    os.makedirs(ui_res, exist_ok=True)
    write_ico(os.path.join(app_res, "vantorel.ico"), draw_app_icon())
    strip = draw_status_strip()
    # Opaque pixels must never collide with the mask colour.
    strip = [[None if p == MAGENTA else p for p in row] for row in strip]
    write_bmp(os.path.join(ui_res, "status-icons.bmp"), strip)


if __name__ == "__main__":
    main()
