#!/usr/bin/python3
"""Reads Kronesluk's windows as a screen reader does, through the accessibility bus: the
welcome window, the game window before and after one spin played with the space bar, and the
About dialog. Checks each window's controls in reading order, with their roles, names and
whether a player could see them, and that the spin's result is announced once, in the words
of what the screen shows. Prints every tree it reads.

The program must be running on this session's accessibility bus (see accessibility_test.sh).
"""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WELCOME = "Kronesluk"
GAME = "Kronesluk av Tindrevik"  # the title "Kronesluk  av   [ Tindrevik ]" in words
ABOUT = "About Kronesluk"

SHOWING, HIDDEN = True, False

WELCOME_FACE = [
    ("label", "Press F2 for å starte spillet", SHOWING),
    ("label", "Velkommen Til :", SHOWING),
    ("label", "Kronesluk !", SHOWING),
    ("label", "av: Tindrevik", SHOWING),
]

REELS = ["Venstre hjul", "Midtre hjul", "Høyre hjul"]
PRIZES = [
    "Gevinst: to høye stabler med gullmynter",
    "Gevinst: tre stabler med gullmynter",
    "Gevinst: fem stabler med gullmynter",
    "Gevinst: en stabel med gullmynter",
    "Gevinst: to gullmynter",
]
# What each prize picture pays at a stake of 1 krone: 3-3-3, 4-4-4, 0-0-0, 2-2-2 and 1-1.
PRIZE_AT_ONE_KRONE = dict(zip(PRIZES, [20, 30, 50, 10, 2]))

# Before the first spin the reels are empty, and the black panel hides every prize picture.
GAME_FACE_BEFORE_SPIN = (
    [("label", "Kronesluk", SHOWING)]
    + [("label", reel, HIDDEN) for reel in REELS]
    + [
        ("label", "Innsats :", SHOWING),
        ("push button", "1 Kr", SHOWING),
        ("push button", "2 Kr", SHOWING),
        ("label", "Du vinner ved:", SHOWING),
        ("label", "1 Kr", SHOWING),
        ("label", "2 Kr", SHOWING),
        ("label", "000", SHOWING),
        ("label", "- 50 kr - 100 kr", SHOWING),
        ("label", "444 333 222 1-1", SHOWING),
        ("label", "- 30 kr - 60 kr", SHOWING),
        ("label", "- 20 kr - 40 kr", SHOWING),
        ("label", "- 10 kr - 20 kr", SHOWING),
        ("label", "- 2 kr - 4 kr", SHOWING),
        ("label", "Du har 30 kr igjen å spille for", SHOWING),
        ("image", "Svart panel", SHOWING),
    ]
    + [("image", prize, HIDDEN) for prize in PRIZES[:4]]
    + [("label", "Ingen Gevinst", SHOWING), ("image", PRIZES[4], HIDDEN)]
)

ABOUT_DIALOG = [
    ("image", "Kronesluk", SHOWING),
    ("label", "Kronesluk", SHOWING),
    ("label", "Versjon 2000 Pro av Tindrevik", SHOWING),
    (
        "label",
        'Er du spillegal? Da er " Kronesluk " noe for deg! '
        "Velg mellom å spille for 1kr eller 2kr for større sum.",
        SHOWING,
    ),
    ("label", "Advarsel ! Er ikke motvirkende mot spillegalskap", SHOWING),
    ("push button", "OK", SHOWING),
    ("push button", "System Info...", SHOWING),
]


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def wait_until(seconds, probe, what):
    deadline = time.monotonic() + seconds
    while True:
        found = probe()
        if found:
            return found
        if time.monotonic() > deadline:
            fail(what)
        time.sleep(0.1)


def children(accessible):
    return [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def window(title):
    """The showing window of that title, once the program has put it on screen."""

    def probe():
        for app in children(pyatspi.Registry.getDesktop(0)):
            if app is not None and app.name == "Kronesluk":
                for top in children(app):
                    if top is not None and top.name == title and showing(top):
                        return top
        return None

    return wait_until(20, probe, f"no window {title!r} on the accessibility bus")


def read(accessible):
    return (accessible.getRoleName(), accessible.name, showing(accessible))


def print_tree(title, accessible, depth=0):
    if depth == 0:
        print(f"--- {title}")
    role, name, seen = read(accessible)
    print(f"{'  ' * depth}[{role}] {name!r}{'' if seen else ' (not showing)'}")
    # The menus and the clock are the toolkit's own; the game's controls are what matter here.
    if accessible.getRole() not in (pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_STATUS_BAR):
        for child in children(accessible):
            print_tree(title, child, depth + 1)


def expect_controls(title, controls, expected):
    seen = [read(control) for control in controls]
    if seen != expected:
        lines = "\n".join(f"  {s!r:70} expected {e!r}" for s, e in zip(seen, expected))
        fail(f"{title} reads\n{lines}\n  ({len(seen)} controls, expected {len(expected)})")


def face(frame):
    """A classic window reads its menu bar, its face and its status bar, top to bottom."""
    roles = [child.getRoleName() for child in children(frame)]
    if roles != ["menu bar", "filler", "status bar"]:
        fail(f"{frame.name!r} has {roles}, expected the menu bar, the face, the status bar")
    return children(frame)[1]


def press(title_pattern, keys):
    """Real key presses on the window of that title: focused first, then typed into through
    XTEST. (Keys sent to a window with XSendEvent are not what a player presses.)"""
    found = subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", title_pattern],
        check=True, capture_output=True, text=True,
    )
    window_id = found.stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id, "key", *keys], check=True)


def open_about_dialog(game):
    """By keyboard, as the menu shows it: Alt+A opens "About", G chooses "Game"."""
    press("Tindrevik", ["alt+a"])
    menu_bar = children(game)[0]
    wait_until(
        10,
        lambda: any(showing(item) for menu in children(menu_bar) for popup in children(menu)
                    for item in children(popup) if item.name == "Game"),
        "Alt+A did not open the About menu",
    )
    press("Tindrevik", ["g"])


def announced(notification):
    """A notification's words: its name, and the labels in it (which braille shows)."""
    return (notification.name, [child.name for child in children(notification)])


def ignore(_event):
    pass


def play_one_spin(game):
    """Presses the space bar on the focused "1 Kr", listening as a screen reader listens: in the
    registry's own loop, which keeps what it has read in a cache that only the program's events
    bring up to date. Returns every announcement that shows within 2.6 s of the first (long
    enough for the 2100 ms ticks to come round again), and the game window's controls as the
    cache then reads them."""
    announcements = []
    after = []

    def read_game_window():
        print_tree("game window after one spin", game)
        after.extend(read(control) for control in children(face(game)))
        pyatspi.Registry.stop()
        return False

    def on_showing(event):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            announcements.append(announced(event.source))
            if len(announcements) == 1:
                GLib.timeout_add(2600, read_game_window)

    def spin():
        press("Tindrevik", ["space"])
        return False  # once

    # A screen reader also listens for changed names: they are how its cache learns of them.
    pyatspi.Registry.registerEventListener(ignore, "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    # The program learns of the listeners through the registry; give it a moment to.
    GLib.timeout_add(1000, spin)
    GLib.timeout_add(15000, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_showing, "object:state-changed:showing")
    pyatspi.Registry.deregisterEventListener(ignore, "object:property-change:accessible-name")
    return announcements, after


def check_game_after_spin(controls, announcements):
    """`controls` as read(): the announcement must say what they show."""
    if not controls:
        fail(f"no announcement arrived: {announcements}")
    shown = {name for _role, name, seen in controls if seen}
    digits = []
    for place in REELS:
        reel = [name for _role, name, seen in controls if seen and name.startswith(place + ":")]
        match = re.fullmatch(re.escape(place) + r": ([0-4])", reel[0]) if len(reel) == 1 else None
        if not match:
            fail(f"after the spin the {place} reads {reel}")
        digits.append(match.group(1))
    results = [name for name in shown if name in PRIZES or name == "Ingen Gevinst"]
    if len(results) != 1:
        fail(f"after the spin the result area shows {results}")
    balance = [name for name in shown if name.startswith("Du har ")]
    if len(balance) != 1 or not re.fullmatch(r"Du har -?\d+ kr igjen å spille for", balance[0]):
        fail(f"after the spin the balance reads {balance}")
    if "Svart panel" in shown:
        fail("the black panel still shows after the first spin")

    outcome = ("Ingen gevinst" if results[0] == "Ingen Gevinst"
               else f"Gevinst {PRIZE_AT_ONE_KRONE[results[0]]}")
    figure = balance[0].split()[2]
    spoken = f"{outcome}, {figure} kr, hjul {' '.join(digits)}."
    # A status message: no name of its own, its words in a label.
    if announcements != [("", [spoken])]:
        fail(f"announced {announcements}, expected once {[('', [spoken])]}")
    return spoken


def main():
    welcome = window(WELCOME)
    print_tree("welcome window", welcome)
    expect_controls("the welcome window", children(face(welcome)), WELCOME_FACE)

    press("^Kronesluk$", ["F2"])
    game = window(GAME)
    print_tree("game window before the first spin", game)
    expect_controls("the game window", children(face(game)), GAME_FACE_BEFORE_SPIN)

    announcements, after = play_one_spin(game)
    status_bar = children(game)[2]
    notifications = [child for child in children(status_bar)
                     if child.getRole() == pyatspi.ROLE_NOTIFICATION]
    if len(notifications) != 1 or not showing(notifications[0]):
        fail(f"the status bar holds {[read(n) for n in notifications]}, not one notification")
    spoken = check_game_after_spin(after, announcements)
    print(f"--- announced once: {spoken!r}")

    open_about_dialog(game)
    about = window(ABOUT)
    print_tree("About dialog", about)
    expect_controls("the About dialog", children(about), ABOUT_DIALOG)


if __name__ == "__main__":
    main()
