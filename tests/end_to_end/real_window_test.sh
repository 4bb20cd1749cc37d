#!/usr/bin/env bash
# The real program in a real X server: start it, see the welcome window, press F2 and see the
# game window replace it, click "1 Kr" and see the reels turn up, then quit with Ctrl+Q.
#
#   real_window_test.sh PATH_TO_KRONESLUK
set -euo pipefail

program=$1
workdir=$(mktemp -d)
xvfb_pid=""
app_pid=""

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$workdir"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -f "$workdir/app.log" ] && sed 's/^/  kronesluk: /' "$workdir/app.log" >&2
    exit 1
}

# wait_for SECONDS COMMAND...: retry a check until it holds or time runs out.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Xvfb picks a free display itself and writes its number once it is ready for clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$workdir/display" >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_for 10 test -s "$workdir/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$workdir/display")"

QT_QPA_PLATFORM=xcb "$program" >"$workdir/app.log" 2>&1 &
app_pid=$!

# The one viewable top-level window whose title matches.
viewable() {
    local id
    for id in $(xdotool search --name "$1" 2>/dev/null); do
        if xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

wait_for 40 viewable '^Kronesluk$' >/dev/null || fail "the welcome window never appeared"
viewable 'Tindrevik' >/dev/null && fail "the game window is visible at start-up"
welcome=$(viewable '^Kronesluk$')

xdotool windowfocus --sync "$welcome" key F2
wait_for 10 viewable 'Tindrevik' >/dev/null || fail "F2 did not show the game window"
wait_for 5 bash -c "! xwininfo -id $welcome | grep -q IsViewable" || fail "F2 left the welcome window up"
game=$(viewable 'Tindrevik')

# "1 Kr" stands at 5640, 1320 twips (376, 88 px) in the client area, under the menu bar.
menu_height=$(( $(xwininfo -id "$game" | awk '/Height:/ {print $2}') - 424 ))
xdotool mousemove --window "$game" 400 $((88 + 12 + menu_height)) click 1
sleep 2.2
# A revealed reel is a yellow digit in its cell: look for the reel yellow in the left cell.
xwd -silent -id "$game" >"$workdir/game.xwd"
python3 - "$workdir/game.xwd" "$menu_height" <<'PY' || fail "no reel was revealed after clicking 1 Kr"
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

xdotool windowfocus --sync "$game" key ctrl+q
for _ in $(seq 1 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "Ctrl+Q did not end the program"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: welcome window, F2, a spin and Ctrl+Q in a real X server"
