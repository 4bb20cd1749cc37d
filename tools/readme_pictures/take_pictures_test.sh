#!/usr/bin/env bash
# The README's pictures can be taken again: the command gives every picture, each at its size
# (the pictures at twice the density twice as wide), and the dark desktop's menu bars dark.
#
#   take_pictures_test.sh PATH_TO_KRONESLUK
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

KSL_PICTURE_OPTIMISATION=1 "$here/take_pictures.sh" "$1" "$out" >/dev/null

python3 - "$out" <<'EOF'
import struct
import sys
import zlib

out = sys.argv[1]


def read_png(path, rows_wanted=0):
    """Width, height and a reader of the first rows' pixels of an 8-bit RGB or palette PNG."""
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", path + " is no PNG"
    at, idat, palette = 8, b"", None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"PLTE":
            palette = [body[i:i + 3] for i in range(0, len(body), 3)]
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    assert depth == 8 and colour in (2, 3) and interlace == 0, f"{path}: unexpected PNG kind"
    step = 3 if colour == 2 else 1
    raw, stride, rows, previous = zlib.decompress(idat), width * step, [], bytearray(width * step)
    for y in range(min(rows_wanted, height)):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - step] if i >= step else 0
            up, corner = previous[i], previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                near = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + near) & 255
        rows.append(line)
        previous = line

    def rgb(x, y):
        if colour == 3:
            return tuple(palette[rows[y][x]])
        return tuple(rows[y][3 * x:3 * x + 3])

    return width, height, rgb


def menu_bar_brightness(path, scale):
    """The mean brightness of a strip across the menu bar, under the title bar of 28 points."""
    width, _, rgb = read_png(path, 32 * scale)
    pixels = [sum(rgb(x, y)) / 3 for y in range(30 * scale, 32 * scale)
              for x in range(120 * scale, width)]
    return sum(pixels) / len(pixels)


failures = []
# Each window at its size on a light desktop, and twice as wide on a dark one at twice the
# density; the dark desktop's menu font is larger, so its menu bars stand a little taller.
for name, light, dark in [("welcome-window", (448, 471), (896, 950)),
                          ("game-window", (448, 471), (896, 950)),
                          ("about-dialog", (382, 218), (764, 436))]:
    for file, size in [(name, light), (name + "-dark@2x", dark)]:
        width, height, _ = read_png(f"{out}/{file}.png")
        if (width, height) != size:
            failures.append(f"{file}.png is {width}x{height}, not {size[0]}x{size[1]}")
for name in ["welcome-window", "game-window"]:
    light = menu_bar_brightness(f"{out}/{name}.png", 1)
    dark = menu_bar_brightness(f"{out}/{name}-dark@2x.png", 2)
    if not (light > 160 and dark < 96):
        failures.append(f"{name}: menu bar brightness {light:.0f} light, {dark:.0f} dark")
for failure in failures:
    print("FAIL: " + failure)
if failures:
    sys.exit(1)
print("PASS: six pictures at their sizes, the dark desktop's menu bars dark")
EOF
