#!/usr/bin/env python3
"""Draws the program's glyphs, song bitmap, title picture and icons as 16-colour
XPM files. Run it by hand after changing a picture; the XPM files it writes into
src/resources/bitmaps are the resources the build compiles in."""

import os
import sys

PALETTE = {
    'k': '#000000', 'm': '#800000', 'g': '#008000', 'o': '#808000',
    'n': '#000080', 'p': '#800080', 't': '#008080', 's': '#C0C0C0',
    'd': '#808080', 'r': '#FF0000', 'l': '#00FF00', 'y': '#FFFF00',
    'b': '#0000FF', 'f': '#FF00FF', 'a': '#00FFFF', 'w': '#FFFFFF',
    ' ': 'None',
}


class Canvas:
    def __init__(self, w, h, bg):
        self.w, self.h = w, h
        self.px = [[bg] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x, y, w, h, c):
        for j in range(y, y + h):
            for i in range(x, x + w):
                self.set(i, j, c)

    def frame(self, x, y, w, h, c):
        for i in range(x, x + w):
            self.set(i, y, c)
            self.set(i, y + h - 1, c)
        for j in range(y, y + h):
            self.set(x, j, c)
            self.set(x + w - 1, j, c)

    def polygon(self, pts, c):
        # Pixel centres inside the polygon (even-odd rule).
        for j in range(self.h):
            for i in range(self.w):
                x, y = i + 0.5, j + 0.5
                inside = False
                for k in range(len(pts)):
                    x1, y1 = pts[k]
                    x2, y2 = pts[(k + 1) % len(pts)]
                    if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                        inside = not inside
                if inside:
                    self.set(i, j, c)

    def disc(self, cx, cy, r, c):
        for j in range(self.h):
            for i in range(self.w):
                if (i + 0.5 - cx) ** 2 + (j + 0.5 - cy) ** 2 <= r * r:
                    self.set(i, j, c)

    def ring(self, cx, cy, r0, r1, c):
        for j in range(self.h):
            for i in range(self.w):
                d = (i + 0.5 - cx) ** 2 + (j + 0.5 - cy) ** 2
                if r0 * r0 <= d <= r1 * r1:
                    self.set(i, j, c)

    def line(self, x0, y0, x1, y1, c, width=1):
        n = max(abs(x1 - x0), abs(y1 - y0)) * 2 + 1
        for k in range(n + 1):
            x = x0 + (x1 - x0) * k / n
            y = y0 + (y1 - y0) * k / n
            for dx in range(width):
                for dy in range(width):
                    self.set(int(round(x)) + dx, int(round(y)) + dy, c)

    def xpm(self, name):
        used = sorted({c for row in self.px for c in row})
        out = ['/* XPM */', 'static const char* const %s[] = {' % name,
               '"%d %d %d 1",' % (self.w, self.h, len(used))]
        out += ['"%s c %s",' % (c, PALETTE[c]) for c in used]
        out += ['"%s",' % ''.join(row) for row in self.px]
        out[-1] = out[-1].rstrip(',')
        out.append('};')
        return '\n'.join(out) + '\n'


def triangle_right(cv, x, y, w, h, c, edge='k'):
    cv.polygon([(x, y), (x + w, y + h / 2), (x, y + h)], edge)
    cv.polygon([(x + 1, y + 2), (x + w - 2, y + h / 2), (x + 1, y + h - 2)], c)


def triangle_left(cv, x, y, w, h, c, edge='k'):
    cv.polygon([(x + w, y), (x, y + h / 2), (x + w, y + h)], edge)
    cv.polygon([(x + w - 1, y + 2), (x + 2, y + h / 2), (x + w - 1, y + h - 2)], c)


def glyphs():
    out = {}

    cv = Canvas(20, 20, 's')                       # play
    triangle_right(cv, 6, 3, 10, 14, 'g')
    out[7722] = cv

    cv = Canvas(20, 20, 's')                       # pause
    cv.rect(5, 4, 4, 12, 'k'); cv.rect(6, 5, 2, 10, 'b')
    cv.rect(11, 4, 4, 12, 'k'); cv.rect(12, 5, 2, 10, 'b')
    out[7724] = cv

    cv = Canvas(20, 20, 's')                       # stop
    cv.rect(5, 5, 10, 10, 'k'); cv.rect(6, 6, 8, 8, 'm')
    out[7723] = cv

    cv = Canvas(20, 20, 's')                       # circulate: next song
    triangle_right(cv, 3, 4, 9, 12, 'g')
    cv.rect(13, 4, 3, 12, 'k'); cv.rect(14, 5, 1, 10, 'g')
    out[7729] = cv

    cv = Canvas(20, 20, 's')                       # repeat: a loop with an arrow
    cv.ring(10, 10, 4.5, 7, 'k')
    cv.ring(10, 10, 5.2, 6.3, 't')
    cv.rect(10, 1, 6, 7, 's')
    cv.polygon([(9, 0), (15, 3.5), (9, 7)], 'k')
    out[7709] = cv

    cv = Canvas(20, 20, 's')                       # add to album: note and plus
    cv.disc(6, 14, 3, 'k'); cv.rect(8, 3, 2, 11, 'k'); cv.rect(8, 3, 5, 2, 'k')
    cv.rect(14, 10, 2, 8, 'g'); cv.rect(11, 13, 8, 2, 'g')
    out[7762] = cv

    cv = Canvas(20, 20, 's')                       # remove from album: note and minus
    cv.disc(6, 14, 3, 'k'); cv.rect(8, 3, 2, 11, 'k'); cv.rect(8, 3, 5, 2, 'k')
    cv.rect(11, 13, 8, 2, 'm')
    out[7773] = cv

    cv = Canvas(20, 20, 's')                       # delete from disk: red cross
    cv.line(4, 4, 14, 14, 'r', 2); cv.line(14, 4, 4, 14, 'r', 2)
    out[7711] = cv

    cv = Canvas(16, 16, 's')                       # move up
    cv.polygon([(8, 2), (14, 9), (2, 9)], 'k'); cv.rect(6, 9, 4, 5, 'k')
    cv.polygon([(8, 4), (12, 8), (4, 8)], 'n'); cv.rect(7, 8, 2, 5, 'n')
    out[7743] = cv

    cv = Canvas(16, 16, 's')                       # move down
    cv.polygon([(8, 14), (14, 7), (2, 7)], 'k'); cv.rect(6, 2, 4, 5, 'k')
    cv.polygon([(8, 12), (12, 8), (4, 8)], 'n'); cv.rect(7, 3, 2, 5, 'n')
    out[7744] = cv

    cv = Canvas(16, 16, 's')                       # highlight current: arrow at a line
    cv.rect(7, 6, 8, 4, 'n'); cv.frame(7, 6, 8, 4, 'k')
    cv.polygon([(1, 3), (6, 8), (1, 13)], 'k')
    out[7788] = cv

    cv = Canvas(16, 16, 's')                       # mute: loudspeaker with a cross
    cv.rect(1, 6, 3, 4, 'k')
    cv.polygon([(4, 6), (8, 2), (8, 14), (4, 10)], 'k')
    cv.line(10, 5, 14, 10, 'r'); cv.line(14, 5, 10, 10, 'r')
    out[7888] = cv

    cv = Canvas(16, 16, 's')                       # fast rewind
    cv.polygon([(8, 3), (1, 8), (8, 13)], 'k'); cv.polygon([(15, 3), (8, 8), (15, 13)], 'k')
    out[17933] = cv

    cv = Canvas(16, 16, 's')                       # fast forward
    cv.polygon([(1, 3), (8, 8), (1, 13)], 'k'); cv.polygon([(8, 3), (15, 8), (8, 13)], 'k')
    out[17934] = cv

    # The song bitmap of the queue lines: navy is the transparent colour.
    cv = Canvas(10, 11, 'n')
    cv.disc(3, 8.5, 2.3, 'y'); cv.rect(4, 1, 2, 8, 'y'); cv.rect(5, 1, 4, 2, 'y'); cv.rect(8, 2, 1, 2, 'y')
    out[7839] = cv
    return out


FONT = {  # 5 x 7 block letters for the title
    'V': ['10001', '10001', '10001', '10001', '01010', '01010', '00100'],
    'A': ['01110', '10001', '10001', '11111', '10001', '10001', '10001'],
    'N': ['10001', '11001', '10101', '10011', '10001', '10001', '10001'],
    'T': ['11111', '00100', '00100', '00100', '00100', '00100', '00100'],
    'O': ['01110', '10001', '10001', '10001', '10001', '10001', '01110'],
    'R': ['11110', '10001', '10001', '11110', '10100', '10010', '10001'],
    'H': ['10001', '10001', '10001', '11111', '10001', '10001', '10001'],
    'E': ['11111', '10000', '10000', '11110', '10000', '10000', '11111'],
}


def title():
    # Navy is transparent when the About box paints the picture.
    cv = Canvas(160, 50, 'n')
    word = 'VANTOR'
    scale, gap = 4, 4
    x = (160 - (len(word) * 5 * scale + (len(word) - 1) * gap)) // 2
    for ch in word:
        for j, row in enumerate(FONT[ch]):
            for i, bit in enumerate(row):
                if bit == '1':
                    # LED segments: a lit square with a darker seam
                    cv.rect(x + i * scale, 9 + j * scale, scale - 1, scale - 1, 'l')
                    cv.rect(x + i * scale + scale - 1, 9 + j * scale, 1, scale - 1, 'g')
        x += 5 * scale + gap
    for i in range(8, 152, 4):
        cv.rect(i, 43, 2, 2, 'y')
    return cv


def icon(progress_frame):
    cv = Canvas(32, 32, ' ')
    cv.disc(16, 16, 15, 'k')
    cv.disc(16, 16, 14, 'd')
    cv.ring(16, 16, 8, 10, 's')
    cv.disc(16, 16, 6, 'k' if progress_frame else 'n')
    cv.disc(16, 16, 2, 's')
    cv.disc(10, 24, 3.5, 'y'); cv.rect(12, 8, 2, 16, 'y'); cv.rect(12, 8, 7, 3, 'y')
    return cv


def main(out_dir):
    pictures = glyphs()
    pictures[7882] = title()
    pictures[7713] = icon(False)
    pictures[7779] = icon(True)
    for rid, cv in sorted(pictures.items()):
        with open(os.path.join(out_dir, '%d.xpm' % rid), 'w') as f:
            f.write(cv.xpm('picture_%d' % rid))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else
         os.path.join(os.path.dirname(__file__), '..', '..', 'src', 'resources', 'bitmaps'))
