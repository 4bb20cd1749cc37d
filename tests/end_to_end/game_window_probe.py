#!/usr/bin/env python3
"""Reads the game window's stake buttons off a screenshot (xwd format).

    game_window_probe.py SCREENSHOT.xwd LEFT TOP BUTTON QUESTION

LEFT and TOP place the game window's client area (under its menu bar) in the screenshot.
BUTTON is Command1 or Command2; QUESTION is "enabled" (its caption is drawn in black, not in
the disabled grey) or "focused" (it carries the style's blue focus frame). Exit status 0 for
yes, 1 for no.
"""
import struct
import sys

# The buttons' boxes in the client area, in pixels: "1 Kr" and "2 Kr".
BOXES = {"Command1": (376, 88, 49, 25), "Command2": (376, 128, 49, 25)}


def pixels(path):
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    header_size, bytes_per_line, colours = header[0], header[12], header[19]
    image = data[header_size + colours * 12:]

    def rgb(x, y):
        offset = y * bytes_per_line + x * 4
        return image[offset + 2], image[offset + 1], image[offset]

    return rgb


def main():
    shot = pixels(sys.argv[1])
    origin_x, origin_y = int(sys.argv[2]), int(sys.argv[3])
    left, top, width, height = BOXES[sys.argv[4]]
    question = sys.argv[5]

    def rgb(x, y):
        return shot(x + origin_x, y + origin_y)

    if question == "enabled":
        # The caption's middle: black text when enabled, grey when disabled.
        dark = sum(1 for y in range(top + 5, top + 20) for x in range(left + 10, left + 40)
                   if max(rgb(x, y)) < 90)
        return 0 if dark > 40 else 1
    if question == "focused":
        blue = sum(1 for y in range(top, top + height) for x in range(left, left + width)
                   for r, g, b in [rgb(x, y)] if b > 120 and b > r + 60)
        return 0 if blue > 40 else 1
    raise SystemExit("unknown question " + question)


if __name__ == "__main__":
    sys.exit(main())
