# shellcheck shell=bash
# What Weston itself says is on its screen, for the tests and tools that run the game on it.
# Source it; weston-debug must reach the compositor (weston started with --debug).

# The compositor's own list of windows: title and box (left top right bottom) of each, in
# points of the desktop.
scene() {
    timeout 5 weston-debug scene-graph 2>/dev/null | python3 -c '
import re, sys
title = None
for line in sys.stdin:
    match = re.search(r"top-level window \x27(.*)\x27 of", line)
    if match:
        title = match.group(1)
        continue
    match = re.search(r"position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)", line)
    if match and title is not None:
        print(title + "\t" + " ".join(match.groups()))
        title = None
'
}
window_box() { scene | awk -F'\t' -v t="$1" '$1 == t {print $2; exit}'; }
shown() { [ -n "$(window_box "$1")" ]; }
not() { ! "$@" >/dev/null; }
