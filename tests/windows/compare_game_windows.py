#!/usr/bin/env python3
"""Holds the Windows build's game window against the Linux build's, pixel by pixel.

    compare_game_windows.py LINUX.xwd WINDOWS.xwd DIFFERENCE.png

Both are screenshots of the game window before any spin, taken at the same frozen moment. The
face above the status bar (448 x 407, under a menu bar that each platform's style draws its own
way) must agree but for text: the two platforms hint the same fonts a little differently, so a
glyph's edge may move by a pixel. A pixel counts as different when any channel is off by more
than 48, and at most 3 % may differ. The status bar writes the time and the date in each
system's own short forms, so only its last panel is held against the other: the word
"Kronesluk" in the bundled Baskerville stand-in must have the same width (Arial's is wider)
and much the same shape: at this size the two platforms' smoothing differs at most glyph edges,
so up to 30 % of its pixels may differ. The face's
differences are written to DIFFERENCE.png (white where they differ) for a person to look at.
"""
import struct
import sys
import zlib

WIDTH, HEIGHT, STATUS_BAR = 448, 424, 17
FACE = HEIGHT - STATUS_BAR
TOLERANCE = 48
MAX_DIFFERENT_FACE = 0.03
MAX_DIFFERENT_WORD = 0.30


def read_xwd(path, dx=0, dy=0):
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    header_size, width, height = header[0], header[4], header[5]
    bytes_per_line, ncolours = header[12], header[19]
    bytes_per_pixel = header[11] // 8
    pixels = data[header_size + ncolours * 12:]
    if width != WIDTH or height < HEIGHT:
        sys.exit(f"{path}: {width} x {height} is not a game window")
    top = height - HEIGHT

    def rgb(x, y):
        x, y = min(max(x + dx, 0), width - 1), min(max(y + top + dy, 0), height - 1)
        o = y * bytes_per_line + x * bytes_per_pixel
        return pixels[o + 2], pixels[o + 1], pixels[o]
    return rgb


def differ(a, b):
    return max(abs(p - q) for p, q in zip(a, b)) > TOLERANCE


def write_png(path, rows):
    raw = b"".join(b"\x00" + bytes(row) for row in rows)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH, len(rows), 8, 0, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def last_word(rgb):
    """The columns of the status bar's last run of text, and a test for ink at a point."""
    def ink(x, y):
        return max(rgb(x, y)) < 100
    rows = range(FACE + 2, HEIGHT - 2)
    inked = [x for x in range(WIDTH) if any(ink(x, y) for y in rows)]
    end = inked[-1]
    start = end
    # Letters of one word stand at most a few columns apart; a wider gap is the panel's edge.
    while any(start - gap in inked for gap in range(1, 6)):
        start -= 1
    return start, end, ink, rows


def aligned(linux_path, windows):
    """The Linux screenshot shifted by the few pixels, if any, that a window manager's frame and
    each platform's menu bar leave between the two client areas: the shift that agrees best."""
    def misfit(shift):
        linux = read_xwd(linux_path, *shift)
        return sum(differ(linux(x, y), windows(x, y))
                   for y in range(0, FACE, 7) for x in range(0, WIDTH, 3))
    best = min(((dx, dy) for dx in range(-5, 6) for dy in range(-5, 6)), key=misfit)
    print(f"the Linux client area is shifted by {best}")
    return read_xwd(linux_path, *best)


def main():
    windows, difference = read_xwd(sys.argv[2]), sys.argv[3]
    linux = aligned(sys.argv[1], windows)
    rows, different = [], 0
    for y in range(FACE):
        row = [255 if differ(linux(x, y), windows(x, y)) else 0 for x in range(WIDTH)]
        different += row.count(255)
        rows.append(row)
    write_png(difference, rows)
    face_share = different / (WIDTH * FACE)
    print(f"face: {different} of {WIDTH * FACE} pixels differ ({face_share:.2%})")

    (l_start, l_end, l_ink, ys), (w_start, w_end, w_ink, _) = last_word(linux), last_word(windows)
    span = l_end - l_start + 1
    word_different = sum(l_ink(l_start + i, y) != w_ink(w_start + i, y)
                         for i in range(span) for y in ys)
    word_share = word_different / (span * len(ys))
    print(f"status bar word: {span} and {w_end - w_start + 1} columns wide, "
          f"{word_share:.2%} of its pixels differ")
    ok = (face_share <= MAX_DIFFERENT_FACE and abs(span - (w_end - w_start + 1)) <= 2 and
          word_share <= MAX_DIFFERENT_WORD)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
