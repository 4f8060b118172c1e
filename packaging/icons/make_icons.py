#!/usr/bin/env python3
"""Draws the Quillmere icon (a quill over a handheld console) as PNG files.

Standard library only, so anyone can redraw the icons on a bare machine:
    python3 packaging/icons/make_icons.py
Shapes are signed distance functions in a 16-unit square, so the picture is
designed against the 16 px grid and every size is drawn from the same shapes
with one pixel of anti-aliasing.
"""

import math
import os
import struct
import zlib

APP_ID = "io.github.quillmere.Quillmere"
SIZES = (16, 24, 32, 48, 64, 128, 256)
HERE = os.path.dirname(os.path.abspath(__file__))

BODY = (0x2B, 0x34, 0x40)
BODY_EDGE = (0x14, 0x19, 0x20)
KEYS = (0x8A, 0x98, 0xA8)
PAGE = (0xF7, 0xF3, 0xE6)
TEXT = (0x9C, 0xA3, 0xAE)
FEATHER = (0xF2, 0xA1, 0x2C)
SHAFT = (0xB0, 0x5E, 0x0C)
NIB = (0x1B, 0x20, 0x27)

NIB_TIP = (5.6, 11.0)
QUILL_TOP = (15.4, 0.6)
NIB_LENGTH = 0.18  # share of the quill's length that is the dark metal nib


def rounded_rect(p, x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    qx = abs(p[0] - cx) - (x1 - x0) / 2 + r
    qy = abs(p[1] - cy) - (y1 - y0) / 2 + r
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


def circle(p, cx, cy, r):
    return math.hypot(p[0] - cx, p[1] - cy) - r


def quill_width(t):
    """Half-width along the quill, t = 0 at the nib tip, 1 at the top."""
    if t < NIB_LENGTH:
        return 0.55 * t / NIB_LENGTH
    u = (t - NIB_LENGTH) / (1 - NIB_LENGTH)
    return 0.55 + 1.05 * math.sin(math.pi * u ** 0.8) - 0.55 * u


def quill(p):
    """Returns (distance to the quill's outline, position t along it, distance to its axis)."""
    ax, ay = NIB_TIP
    dx, dy = QUILL_TOP[0] - ax, QUILL_TOP[1] - ay
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    along = (p[0] - ax) * ux + (p[1] - ay) * uy
    across = abs(-(p[0] - ax) * uy + (p[1] - ay) * ux)
    t = along / length
    if t < 0:
        return math.hypot(p[0] - ax, p[1] - ay), 0.0, across
    if t > 1:
        return math.hypot(p[0] - QUILL_TOP[0], p[1] - QUILL_TOP[1]), 1.0, across
    return across - quill_width(t), t, across


def coverage(d, scale):
    """Share of a pixel inside a shape whose edge is d units away."""
    return min(max(0.5 - d * scale, 0.0), 1.0)


def over(dst, colour, alpha):
    if alpha <= 0:
        return dst
    r, g, b, a = dst
    out_a = alpha + a * (1 - alpha)
    mix = [(c * alpha + d * a * (1 - alpha)) / out_a for c, d in zip(colour, (r, g, b))]
    return (*mix, out_a)


def pixel(p, size):
    scale = size / 16.0
    detailed = size >= 32
    px = (0.0, 0.0, 0.0, 0.0)

    body = rounded_rect(p, 0.5, 3.5, 15.5, 12.5, 2.5)
    px = over(px, BODY_EDGE, coverage(body, scale))
    px = over(px, BODY, coverage(body + max(0.4, 1.0 / scale), scale))
    px = over(px, KEYS, coverage(circle(p, 2.4, 8.0, 1.05), scale))
    px = over(px, KEYS, coverage(circle(p, 13.6, 8.0, 1.05), scale))

    screen = rounded_rect(p, 4.0, 5.0, 12.0, 11.0, 0.4)
    px = over(px, PAGE, coverage(screen, scale))
    if detailed:
        for row, right in ((6.4, 10.6), (7.8, 9.4), (9.2, 7.2)):
            line = rounded_rect(p, 5.0, row - 0.22, right, row + 0.22, 0.22)
            px = over(px, TEXT, coverage(line, scale))

    outline = max(0.35, 0.9 / scale)
    d, t, axis = quill(p)
    px = over(px, NIB, coverage(d - outline, scale))
    colour = NIB if t < NIB_LENGTH else FEATHER
    px = over(px, colour, coverage(d, scale))
    if size >= 24 and NIB_LENGTH < t < 0.97:
        px = over(px, SHAFT, coverage(axis - max(0.12, 0.5 / scale), scale))
    return px


def draw(size):
    rows = []
    for y in range(size):
        row = bytearray([0])  # filter: none
        for x in range(size):
            r, g, b, a = pixel(((x + 0.5) * 16 / size, (y + 0.5) * 16 / size), size)
            row += bytes((round(r), round(g), round(b), round(a * 255)))
        rows.append(bytes(row))
    return b"".join(rows)


def png(size, raw):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    for size in SIZES:
        folder = os.path.join(HERE, "hicolor", f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, APP_ID + ".png"), "wb") as f:
            f.write(png(size, draw(size)))


if __name__ == "__main__":
    main()
