#!/usr/bin/env bash
# The real program in a real X server: start it, see the welcome window, press F2 and see the
# game window replace it, click "1 Kr" and see the reels turn up, then quit with Ctrl+Q.
#
#   real_window_test.sh PATH_TO_KRONESLUK
set -euo pipefail

program=$1
# shellcheck source=x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

start_x_server
# The same run under a window manager, when asked for, as a player's desktop has one.
[ "${KSL_WINDOW_MANAGER:-}" = openbox ] && start_window_manager
start_program "$program"

wait_for 40 viewable '^Kronesluk$' >/dev/null || fail "the welcome window never appeared"
viewable 'Tindrevik' >/dev/null && fail "the game window is visible at start-up"
welcome=$(viewable '^Kronesluk$')

xdotool windowfocus --sync "$welcome" key F2
wait_for 10 viewable 'Tindrevik' >/dev/null || fail "F2 did not show the game window"
wait_for 5 bash -c "! xwininfo -id $welcome | grep -q IsViewable" || fail "F2 left the welcome window up"
game=$(viewable 'Tindrevik')

# "1 Kr" stands at 5640, 1320 twips (376, 88 px) in the client area, under the menu bar.
menu_height=$(( $(xwininfo -id "$game" | awk '/Height:/ {print $2}') - 424 ))
# A revealed reel is a yellow digit in its cell: look for the reel yellow in the left cell.
left_reel_revealed() {
    xwd -silent -id "$game" >"$workdir/game.xwd" || return 1
    python3 - "$workdir/game.xwd" "$menu_height" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
header = struct.unpack('>25I', data[:100])
header_size, width, height, bpl, ncolors = header[0], header[4], header[5], header[12], header[19]
pixels = data[header_size + ncolors * 12:]
menu = int(sys.argv[2])
def rgb(x, y):
    o = y * bpl + x * 4
    b, g, r = pixels[o], pixels[o + 1], pixels[o + 2]
    return r, g, b
# The left reel's cell: x 56..145, y 72..145 in the client area.
found = any(rgb(x, y + menu) == (255, 255, 0) for x in range(60, 140) for y in range(76, 140))
sys.exit(0 if found else 1)
PY
}

# Until the game window has painted, the X server may still show what stood there before: the
# welcome window's yellow title. Once painted, no reel may show before a spin.
left_reel_hidden() { ! left_reel_revealed; }
wait_for 5 left_reel_hidden || fail "a reel showed before any spin"
xdotool mousemove --window "$game" 400 $((88 + 12 + menu_height)) click 1
# The reveal runs on the program's own timers; a busy machine may take a while to paint it.
wait_for 10 left_reel_revealed || fail "no reel was revealed after clicking 1 Kr"

quit_with_ctrl_q "$game"
echo "PASS: welcome window, F2, a spin and Ctrl+Q in a real X server"
