#!/usr/bin/env python3
"""Packs PNG pictures of one icon at several sizes into a Windows .ico file, each kept as PNG
(as Windows has read them since Vista).

    make-ico.py OUT.ico PICTURE.png...
"""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit("not a PNG picture")
    return struct.unpack(">II", data[16:24])


def main():
    out, pictures = sys.argv[1], [open(path, "rb").read() for path in sys.argv[2:]]
    pictures.sort(key=lambda data: png_size(data)[0])
    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(header) + 16 * len(pictures)
    entries, images = b"", b""
    for data in pictures:
        width, height = png_size(data)
        if width > 256 or height > 256:
            sys.exit("an icon holds pictures of at most 256 pixels")
        # 256 is written as 0; planes 1, 32 bits a pixel.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data),
                               offset + len(images))
        images += data
    with open(out, "wb") as ico:
        ico.write(header + entries + images)


main()
