#!/usr/bin/env python3
"""Writes a Windows icon file holding the given PNG pictures as they are (Vista and later
read PNG entries), the program's icon in every size its packages already carry.

usage: make_ico.py OUT.ico PICTURE.png...
"""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit("not a PNG picture")
    return struct.unpack(">II", data[16:24])


def main():
    out, pictures = sys.argv[1], [open(path, "rb").read() for path in sys.argv[2:]]
    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(header) + 16 * len(pictures)
    entries, bodies = b"", b""
    for data in pictures:
        width, height = png_size(data)
        # 256 is written as 0, the format's one byte for each side.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data),
                               offset + len(bodies))
        bodies += data
    with open(out, "wb") as icon:
        icon.write(header + entries + bodies)


if __name__ == "__main__":
    main()
