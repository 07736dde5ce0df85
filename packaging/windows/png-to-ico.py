#!/usr/bin/env python3
"""Packs PNG images into one Windows icon file, each stored as it is (which
Windows reads since Vista). Usage: png-to-ico.py out.ico image.png..."""
import struct
import sys

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def main(out, paths):
    images = []
    for path in paths:
        with open(path, "rb") as f:
            data = f.read()
        if not data.startswith(PNG_SIGNATURE) or data[12:16] != b"IHDR":
            sys.exit(f"png-to-ico: {path}: not a PNG image")
        width, height = struct.unpack(">II", data[16:24])
        if not (1 <= width <= 256 and 1 <= height <= 256):
            sys.exit(f"png-to-ico: {path}: {width}x{height}; an icon holds 1 to 256 pixels a side")
        images.append((width, height, data))
    # Header, then one directory entry per image, then the images.
    offset = 6 + 16 * len(images)
    entries = []
    for width, height, data in images:
        # 256 is written as 0: the field is one byte.
        entries.append(struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset))
        offset += len(data)
    with open(out, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)))
        f.write(b"".join(entries))
        f.write(b"".join(data for _, _, data in images))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2:])
