#!/usr/bin/env python3
"""Draws KmbTool.ico, the editor's calendar icon, at 32x32 and 16x16 (32-bit colour with an
AND mask). Run it again after changing the drawing: python3 MakeIcon.py KmbTool.ico"""
import struct
import sys

WHITE = (255, 255, 255, 255)
RED = (200, 40, 40, 255)
DARK = (60, 60, 60, 255)
GREY = (150, 150, 150, 255)
BLUE = (40, 90, 200, 255)
CLEAR = (0, 0, 0, 0)


def draw(n):
    """One calendar page: a red band with two rings, a grid of days, today marked blue."""
    px = [[CLEAR] * n for _ in range(n)]
    s = n / 32.0

    def rect(x0, y0, x1, y1, c):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                px[y][x] = c

    rect(2, 4, 30, 30, GREY)      # outline
    rect(3, 5, 29, 29, WHITE)     # page
    rect(3, 5, 29, 11, RED)       # month band
    rect(9, 2, 11, 8, DARK)       # rings
    rect(21, 2, 23, 8, DARK)
    for row in range(4):
        for col in range(5):
            x, y = 5 + col * 5, 13 + row * 4
            rect(x, y, x + 3, y + 2, BLUE if (row, col) == (2, 3) else DARK)
    return px


def image(n):
    px = draw(n)
    header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes((b, g, r, a)) for row in reversed(px) for (r, g, b, a) in row)
    stride = ((n + 31) // 32) * 4
    mask = b''
    for row in reversed(px):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + xor + mask


def main(out):
    sizes = [32, 16]
    images = [image(n) for n in sizes]
    data = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, img in zip(sizes, images):
        data += struct.pack('<BBBBHHII', n, n, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(out, 'wb') as f:
        f.write(data + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'KmbTool.ico')
