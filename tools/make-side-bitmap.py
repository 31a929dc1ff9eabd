#!/usr/bin/env python3
"""Paints the picture beside the installer's welcome and finish pages (and the uninstaller's):
a 164 x 314 Windows bitmap from the program's own icon, on the parchment of its heart, above a
band of the four seal colours of its wheel.

    make-side-bitmap.py OUT.bmp ICON-128.png
"""
import struct
import sys
import zlib

WIDTH, HEIGHT = 164, 314
PARCHMENT = (0xF6, 0xEC, 0xD0)
# The wheel's colours, as in assets/icons/kinmatch.svg: red, white, blue, yellow.
SEAL_COLOURS = [(0xB2, 0x22, 0x22), (0xEC, 0xEC, 0xE4), (0x1F, 0x5F, 0xA8), (0xE0, 0xB0, 0x00)]
OUTLINE = (0x3A, 0x26, 0x16)


def read_png(path):
    """The pixels of an 8-bit RGBA, non-interlaced PNG, as rows of (r, g, b, a)."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG picture")
    at, compressed, header = 8, b"", None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 6, 0):
        sys.exit(f"{path}: only 8-bit RGBA pictures without interlacing are read")
    raw, stride, rows, previous = zlib.decompress(compressed), width * 4, [], bytearray(width * 4)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - 4] if x >= 4 else 0
            up, corner = previous[x], previous[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + left) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + up) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                guess = left + up - corner
                nearest = min((abs(guess - left), 0, left), (abs(guess - up), 1, up),
                              (abs(guess - corner), 2, corner))[2]
                line[x] = (line[x] + nearest) & 0xFF
        rows.append([tuple(line[x:x + 4]) for x in range(0, stride, 4)])
        previous = line
    return rows


def main():
    out, icon_path = sys.argv[1], sys.argv[2]
    canvas = [[PARCHMENT] * WIDTH for _ in range(HEIGHT)]
    # The band of the four colours along the foot, outlined as the wheel is.
    band_top = HEIGHT - 40
    for y in range(band_top, HEIGHT):
        for x in range(WIDTH):
            canvas[y][x] = SEAL_COLOURS[x * 4 // WIDTH]
    for x in range(WIDTH):
        canvas[band_top][x] = canvas[band_top + 1][x] = OUTLINE
    # The icon, blended onto the parchment, in the upper part.
    icon = read_png(icon_path)
    left, top = (WIDTH - len(icon[0])) // 2, 60
    for y, row in enumerate(icon):
        for x, (r, g, b, a) in enumerate(row):
            under = canvas[top + y][left + x]
            canvas[top + y][left + x] = tuple((c * a + u * (255 - a)) // 255
                                              for c, u in zip((r, g, b), under))
    # 24 bits a pixel, rows bottom up, each padded to four bytes.
    padding = b"\0" * ((4 - WIDTH * 3 % 4) % 4)
    pixels = b"".join(bytes(v for r, g, b in row for v in (b, g, r)) + padding
                      for row in reversed(canvas))
    header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(out, "wb") as bitmap:
        bitmap.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 14 + len(header)))
        bitmap.write(header + pixels)


if __name__ == "__main__":
    main()
