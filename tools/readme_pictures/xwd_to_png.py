#!/usr/bin/env python3
"""Cuts one box out of a screenshot in xwd format (24-bit TrueColor) and writes it as a PNG.

    xwd_to_png.py SCREENSHOT.xwd LEFT TOP WIDTH HEIGHT OUT.png

The same pixels give the same file, so two shots can be compared byte for byte.
"""
import struct
import sys
import zlib


def read_xwd(path):
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    header_size, width, height = header[0], header[4], header[5]
    bits_per_pixel, bytes_per_line, colours = header[11], header[12], header[19]
    if bits_per_pixel != 32:
        raise SystemExit(f"{path}: {bits_per_pixel} bits a pixel, 32 expected")
    return data[header_size + colours * 12:], width, height, bytes_per_line


def png_chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body +
            struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def main():
    path, left, top, width, height, out = sys.argv[1], *map(int, sys.argv[2:6]), sys.argv[6]
    image, screen_width, screen_height, bytes_per_line = read_xwd(path)
    if left < 0 or top < 0 or left + width > screen_width or top + height > screen_height:
        raise SystemExit(f"box {left},{top} {width}x{height} is not inside the "
                         f"{screen_width}x{screen_height} screenshot")
    rows = bytearray()
    for y in range(top, top + height):
        start = y * bytes_per_line + left * 4
        row = image[start:start + width * 4]
        rgb = bytearray(width * 3)
        # The pixels are stored blue, green, red, unused.
        rgb[0::3] = row[2::4]
        rgb[1::3] = row[1::4]
        rgb[2::3] = row[0::4]
        rows += b"\0" + rgb
    with open(out, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n")
        png.write(png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        png.write(png_chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        png.write(png_chunk(b"IEND", b""))


if __name__ == "__main__":
    main()
