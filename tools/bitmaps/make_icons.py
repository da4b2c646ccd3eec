#!/usr/bin/env python3
"""Draws the program's desktop icon (desktop/vantor.svg) as PNG files at the
sizes the desktop's icon theme asks for, with 4x4 samples a pixel. Run it by
hand after changing the picture; the PNG files it writes into desktop/icons are
installed with the program."""

import math
import os
import struct
import sys
import zlib

SIZES = (16, 32, 48, 64, 128, 256)
BLACK, SILVER, NAVY, YELLOW = (0, 0, 0), (0xC0, 0xC0, 0xC0), (0, 0, 0x80), (0xFF, 0xFF, 0)


def face(x, y):
    # The record's grey, lighter towards the top left as in the SVG's gradient.
    t = min(1.0, math.hypot(x - 12.8, y - 11.2) / 24.0)
    g = round(0xA0 + (0x60 - 0xA0) * t)
    return (g, g, g)


def in_note(x, y):
    # Flag and stem, then the head: an ellipse at the stem's foot.
    if 12 <= x <= 19 and 8 <= y <= 11:
        return True
    if 12 <= x <= 14 and 8 <= y <= 24:
        return True
    return ((x - 10.4) / 3.6) ** 2 + ((y - 24.0) / 3.2) ** 2 <= 1.0


def colour(x, y):
    """The picture at point (x, y) of its 32x32 plane: (r, g, b, a)."""
    d = math.hypot(x - 16, y - 16)
    if in_note(x, y):
        return YELLOW + (255,)
    if d > 15:
        return (0, 0, 0, 0)
    if d > 14:
        return BLACK + (255,)
    if d <= 2:
        return SILVER + (255,)
    if d <= 6:
        return NAVY + (255,)
    if 8 <= d <= 10:
        return SILVER + (255,)
    return face(x, y) + (255,)


def render(size, samples=4):
    rows = []
    scale = 32.0 / size
    for j in range(size):
        row = bytearray([0])
        for i in range(size):
            acc = [0, 0, 0, 0]
            for sj in range(samples):
                for si in range(samples):
                    c = colour((i + (si + 0.5) / samples) * scale, (j + (sj + 0.5) / samples) * scale)
                    for k in range(3):
                        acc[k] += c[k] * c[3]
                    acc[3] += c[3]
            a = acc[3] / (samples * samples)
            rgb = [round(acc[k] / acc[3]) if acc[3] else 0 for k in range(3)]
            row += bytes(rgb + [round(a)])
        rows.append(bytes(row))
    return png(size, b''.join(rows))


def png(size, raw):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def main(out_dir):
    for size in SIZES:
        with open(os.path.join(out_dir, 'vantor-%d.png' % size), 'wb') as f:
            f.write(render(size))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else
         os.path.join(os.path.dirname(__file__), '..', '..', 'desktop', 'icons'))
