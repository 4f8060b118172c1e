#!/usr/bin/env python3
"""Draws the About window's pictures: Console.png (50 x 24) and Banner.png
(204 x 9). Run from anywhere; writes next to this script. Standard library only."""

import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def write_png(path, width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def rgb(hex_colour, alpha=255):
    v = int(hex_colour.lstrip("#"), 16)
    return (v >> 16, (v >> 8) & 0xFF, v & 0xFF, alpha)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(4))


# A narrow pixel typeface, seven rows high with the baseline on the last row.
GLYPHS = {
    "Q": [".###.",
          "#...#",
          "#...#",
          "#...#",
          "#.#.#",
          "#..#.",
          ".##.#"],
    "u": ["....",
          "....",
          "#..#",
          "#..#",
          "#..#",
          "#..#",
          ".###"],
    "i": ["#",
          ".",
          "#",
          "#",
          "#",
          "#",
          "#"],
    "l": ["#.",
          "#.",
          "#.",
          "#.",
          "#.",
          "#.",
          ".#"],
    "m": [".....",
          ".....",
          "####.",
          "#.#.#",
          "#.#.#",
          "#.#.#",
          "#.#.#"],
    "e": ["....",
          "....",
          ".##.",
          "#..#",
          "####",
          "#...",
          ".###"],
    "r": ["...",
          "...",
          "#.#",
          "##.",
          "#..",
          "#..",
          "#.."],
}


def banner():
    width, height = 204, 9
    white = rgb("#FFFFFF")
    ink = rgb("#1E3C78")
    accent = rgb("#4A7BD0")
    img = [[white] * width for _ in range(height)]

    x = 3
    for letter in "Quillmere":
        glyph = GLYPHS[letter]
        for row, line in enumerate(glyph):
            for col, cell in enumerate(line):
                if cell == "#":
                    img[1 + row][x + col] = ink
        x += len(glyph[0]) + 1

    # A rule of dots that fades out towards the right edge.
    x += 4
    start = x
    while x + 2 <= width - 3:
        t = (x - start) / (width - 3 - start)
        colour = mix(accent, white, t * 0.9)
        for dx in range(2):
            for y in (4, 5):
                img[y][x + dx] = colour
        x += 5
    return width, height, img


def console():
    width, height = 50, 24
    clear = (0, 0, 0, 0)
    body = rgb("#34363D")
    rim = rgb("#5B5E68")
    shade = rgb("#1F2025")
    bezel = rgb("#111215")
    screen_top = rgb("#8FC4E8")
    screen_bottom = rgb("#2F6FA8")
    pad = rgb("#A9ACB5")
    img = [[clear] * width for _ in range(height)]

    # Wide body with round ends: a rectangle whose left and right ends are half discs.
    top, bottom, radius = 2, 21, 10
    for y in range(top, bottom + 1):
        for x in range(width):
            cy = (top + bottom) / 2
            if x < radius:
                inside = (x + 0.5 - radius) ** 2 + (y + 0.5 - cy - 0.5) ** 2 <= radius ** 2
            elif x >= width - radius:
                inside = (x + 0.5 - (width - radius)) ** 2 + (y + 0.5 - cy - 0.5) ** 2 <= radius ** 2
            else:
                inside = True
            if inside:
                img[y][x] = body

    # Light upper edge and dark lower edge give the body some depth.
    for x in range(width):
        column = [y for y in range(height) if img[y][x] != clear]
        if column:
            img[column[0]][x] = rim
            img[column[-1]][x] = shade

    # Screen in the middle, inside a black bezel, lit from the top.
    sx0, sy0, sx1, sy1 = 14, 5, 35, 18
    for y in range(sy0, sy1 + 1):
        for x in range(sx0, sx1 + 1):
            img[y][x] = bezel
    for y in range(sy0 + 1, sy1):
        t = (y - sy0 - 1) / (sy1 - sy0 - 2)
        for x in range(sx0 + 1, sx1):
            img[y][x] = mix(screen_top, screen_bottom, t)
    img[sy0 + 1][sx0 + 1] = rgb("#D6ECFA")
    img[sy0 + 1][sx0 + 2] = rgb("#D6ECFA")
    img[sy0 + 2][sx0 + 1] = rgb("#D6ECFA")

    # Direction pad on the left.
    cx, cy = 7, 11
    for d in range(-2, 3):
        img[cy][cx + d] = pad
        img[cy + 1][cx + d] = pad
    for d in range(-2, 4):
        img[cy + d][cx] = pad
    img[cy][cx] = img[cy + 1][cx] = rgb("#7D808A")

    # Four face buttons on the right, set as a diamond.
    for (bx, by), colour in (((42, 8), "#7FD1AE"), ((39, 11), "#E9A6C8"),
                             ((45, 11), "#F08A8A"), ((42, 14), "#9DB6F0")):
        for dx in range(2):
            for dy in range(2):
                img[by + dy][bx + dx] = rgb(colour)

    # Small start and select keys under the screen.
    for x in (22, 23, 26, 27):
        img[20][x] = pad
    return width, height, img


if __name__ == "__main__":
    for name, picture in (("Banner.png", banner()), ("Console.png", console())):
        w, h, pixels = picture
        write_png(os.path.join(HERE, name), w, h, pixels)
