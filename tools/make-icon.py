#!/usr/bin/env python3
"""Draws the saver's icon: a 32 x 32, 16-colour picture of a small figure
of rings on black, written as res/Gyrelace.ico. Run it again only to change
the picture; the .ico it writes is committed."""
import math
import struct
import sys

SIZE = 32
# The standard 16-colour palette, as (blue, green, red, 0) quads.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]  # (red, green, blue)
RING_COLOURS = [14, 11, 13, 9, 12, 10]  # cyan, yellow, magenta, red, blue, green


def draw():
    pixels = [[0] * SIZE for _ in range(SIZE)]
    rings = 14
    for k in range(rings):
        t = 2 * math.pi * k / rings
        cx = 16 + 11 * math.sin(t)
        cy = 16 + 10 * math.sin(2 * t)
        colour = RING_COLOURS[k % len(RING_COLOURS)]
        for step in range(48):
            a = 2 * math.pi * step / 48
            x = int(round(cx + 3.5 * math.cos(a)))
            y = int(round(cy + 3.5 * math.sin(a)))
            if 0 <= x < SIZE and 0 <= y < SIZE:
                pixels[y][x] = colour
    return pixels


def icon_bytes(pixels):
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor = bytearray()
    for row in reversed(pixels):  # bottom-up
        for x in range(0, SIZE, 2):
            xor.append(row[x] << 4 | row[x + 1])
    mask = bytes(SIZE * SIZE // 8)  # every pixel opaque
    image = header + palette + bytes(xor) + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    path = sys.argv[1] if len(sys.argv) > 1 else "res/Gyrelace.ico"
    with open(path, "wb") as out:
        out.write(icon_bytes(draw()))
