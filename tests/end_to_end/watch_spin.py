#!/usr/bin/env python3
"""Plays one spin on the real game window from the keyboard and watches it turn up on screen.

    watch_spin.py WINDOW KEY      (KEY: the xdotool key that plays, e.g. space)
    watch_spin.py WINDOW --balance
    watch_spin.py WINDOW --enabled
    watch_spin.py WINDOW --painted

Presses KEY on the focused stake button, then takes screenshots of the window as fast as the X
server gives them and notes when each step of the reveal was first seen: the left, middle and
right reels, the balance, the stake buttons back. Prints one line "step milliseconds" for each,
counted from the moment just before the key went out; then "won 1" or "won 0" (whether
"Ingen Gevinst " was gone when the buttons came back), and "coins 1" or "coins 0" (whether gold
coins showed in the result area then).

With --balance, prints a digest of the balance figure's pixels instead: the same figure drawn
by the same program gives the same digest. With --enabled, the exit status says whether both
stake buttons are enabled (0) or not (1); with --painted, whether the window as first shown has
been drawn: its yellow title and "Ingen Gevinst " (0) or not yet (1).

A step can only be seen after it happened, and it can only happen after the key arrived, so a
time below the designed one means a timer fired early. A busy machine only makes the figures
later; the caller checks lower bounds and the order, never upper bounds.
"""
import hashlib
import struct
import subprocess
import sys
import time

YELLOW = (255, 255, 0)
ORANGE = (255, 128, 0)
CREAM = (255, 255, 192)

# Boxes in the client area, in pixels: left, top, width, height.
REELS = {"left": (56, 72, 89, 73), "middle": (160, 72, 89, 73), "right": (264, 72, 89, 73)}
TITLE = (32, 8, 385, 41)
BALANCE = (272, 168, 33, 17)
NO_WIN = (224, 224, 137, 25)  # "Ingen Gevinst "
RESULT = (192, 184, 256, 169)  # the black panel's box, which holds every coin picture
STAKE_BUTTONS = [(376, 88, 49, 25), (376, 128, 49, 25)]
CLIENT_HEIGHT = 424


class Frame:
    def __init__(self, window):
        data = subprocess.run(["xwd", "-silent", "-id", window], capture_output=True,
                              check=True).stdout
        header = struct.unpack(">25I", data[:100])
        self.header_size, self.width, self.height = header[0], header[4], header[5]
        self.bytes_per_line, ncolours = header[12], header[19]
        self.bytes_per_pixel = header[11] // 8
        self.pixels = data[self.header_size + ncolours * 12:]
        # The client area sits under the menu bar, at the window's bottom.
        self.top = self.height - CLIENT_HEIGHT

    def rgb(self, x, y):
        o = (y + self.top) * self.bytes_per_line + x * self.bytes_per_pixel
        b, g, r = self.pixels[o], self.pixels[o + 1], self.pixels[o + 2]
        return r, g, b

    def has(self, box, colour):
        left, top, width, height = box
        return any(self.rgb(x, y) == colour
                   for y in range(top, top + height) for x in range(left, left + width))

    def has_coins(self, box):
        # The coins' faces, #FF9900 to #FF9F00: no other control of the window has that orange.
        left, top, width, height = box
        return any(r == 255 and 0x99 <= g <= 0x9F and b == 0
                   for y in range(top, top + height) for x in range(left, left + width)
                   for r, g, b in [self.rgb(x, y)])

    def dark_pixels(self, box):
        left, top, width, height = box
        # Inside the border: the caption's black letters, grey on a disabled button.
        return sum(1 for y in range(top + 4, top + height - 4)
                   for x in range(left + 4, left + width - 4)
                   if max(self.rgb(x, y)) < 64)

    def buttons_enabled(self):
        return all(self.dark_pixels(box) > 10 for box in STAKE_BUTTONS)


def balance_digest(window):
    frame = Frame(window)
    left, top, width, height = BALANCE
    pixels = bytes(channel for y in range(top, top + height) for x in range(left, left + width)
                   for channel in frame.rgb(x, y))
    return hashlib.sha256(pixels).hexdigest()


def main():
    window, key = sys.argv[1], sys.argv[2]
    if key == "--balance":
        print(balance_digest(window))
        return
    if key == "--enabled":
        sys.exit(0 if Frame(window).buttons_enabled() else 1)
    if key == "--painted":
        frame = Frame(window)
        sys.exit(0 if frame.has(TITLE, YELLOW) and frame.has(NO_WIN, CREAM) else 1)
    if not Frame(window).buttons_enabled():
        sys.exit("the stake buttons were not enabled before the spin")
    start = time.monotonic()
    subprocess.run(["xdotool", "key", key], check=True)
    seen = {}
    cleared = False
    won = False
    coins = False
    deadline = start + 20
    while time.monotonic() < deadline:
        frame = Frame(window)
        now_ms = round((time.monotonic() - start) * 1000)
        reels = {name: frame.has(box, YELLOW) for name, box in REELS.items()}
        enabled = frame.buttons_enabled()
        if not cleared:
            # The key has been handled once the buttons are disabled and the reels cleared.
            cleared = not enabled and not any(reels.values())
            continue
        for name, shown in reels.items():
            if shown:
                seen.setdefault(name, now_ms)
        if frame.has(BALANCE, ORANGE):
            seen.setdefault("balance", now_ms)
        if enabled:
            seen.setdefault("buttons", now_ms)
            won = not frame.has(NO_WIN, CREAM)
            coins = frame.has_coins(RESULT)
            break
    for step in ("left", "middle", "right", "balance", "buttons"):
        print(step, seen.get(step, -1))
    print("won", int(won))
    print("coins", int(coins))


if __name__ == "__main__":
    main()
