#!/usr/bin/env python3
"""Holds the Windows build's game window against the Linux build's, pixel by pixel.

    compare_game_windows.py LINUX.xwd WINDOWS.xwd DIFFERENCE.png

Both are screenshots of the game window before any spin, taken at the same frozen moment. The
client area (448 x 424 under the menu bar, which each platform's style draws its own way) must
agree, but for text: the two platforms hint the same fonts a little differently, so a glyph's
edge may move by a pixel. A pixel counts as different when any channel is off by more than 48;
at most MAX_DIFFERENT_SHARE of them may differ. The differences are written to DIFFERENCE.png (white where they differ) for a person to look at.
"""
import struct
import sys
import zlib

WIDTH, HEIGHT = 448, 424
TOLERANCE = 48
MAX_DIFFERENT_SHARE = 0.03


def read_xwd(path):
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    header_size, width, height, bytes_per_line, ncolours = (
        header[0], header[4], header[5], header[12], header[19])
    pixels = data[header_size + ncolours * 12:]
    if width < WIDTH or height < HEIGHT:
        sys.exit(f"{path}: {width} x {height} is smaller than the client area")
    top, left = height - HEIGHT, (width - WIDTH) // 2

    def rgb(x, y):
        o = (y + top) * bytes_per_line + (x + left) * 4
        return pixels[o + 2], pixels[o + 1], pixels[o]
    return rgb


def write_png(path, rows):
    raw = b"".join(b"\x00" + bytes(row) for row in rows)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 0, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def main():
    linux, windows, difference = read_xwd(sys.argv[1]), read_xwd(sys.argv[2]), sys.argv[3]
    rows, different = [], 0
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            a, b = linux(x, y), windows(x, y)
            off = max(abs(p - q) for p, q in zip(a, b)) > TOLERANCE
            different += off
            row.append(255 if off else 0)
        rows.append(row)
    write_png(difference, rows)
    share = different / (WIDTH * HEIGHT)
    print(f"{different} of {WIDTH * HEIGHT} pixels differ ({share:.2%})")
    sys.exit(0 if share <= MAX_DIFFERENT_SHARE else 1)


if __name__ == "__main__":
    main()
