#!/usr/bin/env bash
# Redraws every PNG in resources/images/ from its SVG source. The icon is
# rendered as drawn. The two link cursors are then cut down to their palette,
# black and white or the 16 VGA colours, with alpha 0 or 255 and nothing in
# between. Needs rsvg-convert (Debian package librsvg2-bin) and python3.
# Usage: scripts/render-images.sh
set -euo pipefail
cd "$(dirname "$0")/.."
dir=resources/images

for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$dir/app-icon.svg" -o "$dir/app-icon-$size.png"
done

for name in link-hand-mono link-hand-color; do
    for size in 32 64; do
        rsvg-convert -w "$size" -h "$size" "$dir/$name.svg" -o "$dir/$name-$size.png"
    done
done

# Quantising, with Python's standard library only: an opaque pixel (alpha at
# least half) takes the nearest palette colour, any other becomes fully
# transparent. The count of changed pixels shows whether a redrawn cursor still
# keeps to the pixel grid (a crisp drawing changes none).
python3 - "$dir" <<'PY'
import struct
import sys
import zlib

MONO = ["000000", "FFFFFF"]
VGA = ["000000", "800000", "008000", "808000", "000080", "800080", "008080", "C0C0C0",
       "808080", "FF0000", "00FF00", "FFFF00", "0000FF", "FF00FF", "00FFFF", "FFFFFF"]
SIGNATURE = b"\x89PNG\r\n\x1a\n"


def read_rgba(path):
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(SIGNATURE):
        sys.exit(f"{path}: not a PNG")
    at, idat = len(SIGNATURE), b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at : at + 8])
        body = data[at + 8 : at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, colour, interlace) != (8, 6, 0):
                sys.exit(f"{path}: expected 8-bit RGBA without interlacing")
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    raw, stride, rows, prior = zlib.decompress(idat), width * 4, [], bytearray(width * 4)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1 : (y + 1) * (stride + 1)])
        for i in range(stride):
            a = row[i - 4] if i >= 4 else 0
            b = prior[i]
            c = prior[i - 4] if i >= 4 else 0
            if kind == 1:
                row[i] = (row[i] + a) & 255
            elif kind == 2:
                row[i] = (row[i] + b) & 255
            elif kind == 3:
                row[i] = (row[i] + (a + b) // 2) & 255
            elif kind == 4:
                pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                row[i] = (row[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(row)
        prior = row
    return width, height, rows


def write_rgba(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    raw = b"".join(b"\x00" + bytes(row) for row in rows)
    with open(path, "wb") as f:
        f.write(SIGNATURE)
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def quantise(path, palette):
    colours = [tuple(bytes.fromhex(c)) for c in palette]
    width, height, rows = read_rgba(path)
    changed = 0
    for row in rows:
        for x in range(0, width * 4, 4):
            old = tuple(row[x : x + 4])
            if old[3] >= 128:
                new = min(colours, key=lambda c: sum((p - q) ** 2 for p, q in zip(c, old))) + (255,)
            else:
                new = (0, 0, 0, 0)
            changed += new != old and not (old[3] == 0 and new[3] == 0)
            row[x : x + 4] = bytes(new)
    write_rgba(path, width, height, rows)
    print(f"render-images: {path}: {changed} of {width * height} pixels changed by quantising")


folder = sys.argv[1]
for name, palette in (("link-hand-mono", MONO), ("link-hand-color", VGA)):
    for size in (32, 64):
        quantise(f"{folder}/{name}-{size}.png", palette)
PY
