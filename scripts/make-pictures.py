#!/usr/bin/env python3
"""Draws the program's own pictures into resources/ (standard library only).

default_skin.png: the 80 by 40 picture of the built-in default skin, a pale yellow note with a rounded,
softly shaded frame, a turned-down corner at the lower right and a faint title band.
"""
import math
import os
import struct
import sys
import zlib

WIDTH, HEIGHT = 80, 40
RADIUS = 5.0
FOLD = 9  # size of the turned-down corner


def clamp(v, lo=0, hi=255):
    return max(lo, min(hi, int(round(v))))


def rounded_coverage(x, y):
    """How much of pixel (x, y) lies inside the rounded outline, 0..1, sampled 4 by 4."""
    inside = 0
    for sy in range(4):
        for sx in range(4):
            px = x + (sx + 0.5) / 4
            py = y + (sy + 0.5) / 4
            cx = min(max(px, RADIUS), WIDTH - RADIUS)
            cy = min(max(py, RADIUS), HEIGHT - RADIUS)
            # Above the fold's diagonal at the lower right the note is cut away.
            if px + py > WIDTH + HEIGHT - FOLD:
                continue
            if (px - cx) ** 2 + (py - cy) ** 2 <= RADIUS ** 2:
                inside += 1
    return inside / 16.0


def pixel(x, y):
    cover = rounded_coverage(x, y)
    fold_edge = (x + 0.5) + (y + 0.5) - (WIDTH + HEIGHT - FOLD)
    in_flap = x >= WIDTH - FOLD and y >= HEIGHT - FOLD and fold_edge <= 0 and \
        (x + 0.5) - (WIDTH - FOLD) + (y + 0.5) - (HEIGHT - FOLD) >= 0
    edge = min(x, y, WIDTH - 1 - x, HEIGHT - 1 - y)
    # Paper: warm yellow, a little lighter towards the top.
    shade = 1.0 - 0.10 * (y / (HEIGHT - 1))
    r, g, b = 255 * shade, 241 * shade, 150 * shade
    if 2 <= y <= 9 and 2 <= x <= WIDTH - 3:  # title band
        r, g, b = r * 0.93, g * 0.90, b * 0.80
    if edge == 0 or (in_flap and fold_edge > -1.5):
        r, g, b = 176, 150, 62  # frame line
    elif edge == 1:
        r, g, b = r * 0.88, g * 0.86, b * 0.78
    if in_flap:  # the back of the turned corner, shaded
        t = ((x - (WIDTH - FOLD)) + (y - (HEIGHT - FOLD))) / (2.0 * FOLD)
        r, g, b = 226 - 40 * t, 206 - 40 * t, 112 - 30 * t
        if fold_edge > -1.5:
            r, g, b = 176, 150, 62
    return clamp(r), clamp(g), clamp(b), clamp(255 * cover)


def png_bytes(width, height, rgba_rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(row) for row in rgba_rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    rows = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            row.extend(pixel(x, y))
        rows.append(row)
    path = os.path.join(root, "default_skin.png")
    with open(path, "wb") as f:
        f.write(png_bytes(WIDTH, HEIGHT, rows))
    print("wrote", os.path.normpath(path), file=sys.stderr)


if __name__ == "__main__":
    main()
