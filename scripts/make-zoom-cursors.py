#!/usr/bin/env python3
"""Draws the plot area's zoom cursors (a magnifying glass with a plus) as
32 x 32 PNGs: zoom.png dark on a light rim for the white background,
zoomw.png light on a dark rim for the black one. The hot spot is the lens
centre (12, 12). Run from the repository root; the images are committed."""
import math
import struct
import zlib

SIZE = 32
CENTRE = (12.0, 12.0)


def ink(x, y):
    """True where the glass itself is drawn."""
    d = math.hypot(x - CENTRE[0], y - CENTRE[1])
    if 7.0 <= d <= 9.5:  # rim of the lens
        return True
    # handle: a thick stroke along the diagonal from the rim outwards
    t = ((x - CENTRE[0]) + (y - CENTRE[1])) / 2.0
    off = abs((x - CENTRE[0]) - (y - CENTRE[1])) / math.sqrt(2.0)
    if 7.0 <= t <= 17.0 and off <= 1.8:
        return True
    # plus inside the lens
    dx, dy = abs(x - CENTRE[0]), abs(y - CENTRE[1])
    return (dx <= 3.5 and dy <= 0.6) or (dy <= 3.5 and dx <= 0.6)


def pixels(fill, rim):
    rows = []
    for py in range(SIZE):
        row = bytearray([0])  # filter: none
        for px in range(SIZE):
            x, y = px + 0.5, py + 0.5
            if ink(x, y):
                row += bytes(fill + (255,))
            elif any(ink(x + ox, y + oy) for ox in (-1, 0, 1) for oy in (-1, 0, 1)):
                row += bytes(rim + (255,))
            else:
                row += bytes((0, 0, 0, 0))
        rows.append(bytes(row))
    return b"".join(rows)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, fill, rim):
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    data = zlib.compress(pixels(fill, rim), 9)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", data) + chunk(b"IEND", b""))


write_png("app/cursors/zoom.png", (0, 0, 0), (255, 255, 255))
write_png("app/cursors/zoomw.png", (255, 255, 255), (0, 0, 0))
