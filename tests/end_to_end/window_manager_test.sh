#!/usr/bin/env bash
# The real program under a real window manager (openbox), played from the keyboard: Space plays
# three spins in a row, Tab then Space plays at 2 kr, the About dialog gets the keyboard back
# after its System Info message, and the game window can be neither maximised nor kept
# full-screen: it stays 448 x 443 and the program goes on.
#
#   window_manager_test.sh PATH_TO_KRONESLUK
set -euo pipefail

program=$1
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=x_session.sh
source "$here/x_session.sh"

start_x_server
start_window_manager
# No system-information tool on this search path, so System Info shows its message.
PATH=/nonexistent start_program "$program"

wait_for 40 viewable '^Kronesluk$' >/dev/null || fail "the welcome window never appeared"
welcome=$(viewable '^Kronesluk$')
xdotool windowactivate --sync "$welcome" key F2
wait_for 10 viewable 'Tindrevik' >/dev/null || fail "F2 did not show the game window"
game=$(viewable 'Tindrevik')
xdotool windowactivate --sync "$game"
menu_height=$(($(xwininfo -id "$game" | awk '/Height:/ {print $2}') - 424))

button() { # button Command1|Command2 enabled|focused
    xwd -silent -id "$game" >"$workdir/game.xwd" 2>/dev/null &&
        "$here/game_window_probe.py" "$workdir/game.xwd" 0 "$menu_height" "$1" "$2"
}
not() { ! "$@" >/dev/null; }
# A spin started by a key: the buttons go grey at once and come back 2.5 s later.
spin_with() { # spin_with KEY BUTTON WHAT
    xdotool key "$1"
    wait_for 5 not button "$2" enabled || fail "$1 started no spin ($3)"
    wait_for 10 button "$2" enabled || fail "the buttons did not come back ($3)"
}

wait_for 10 button Command1 enabled || fail "the stake buttons are not enabled"
for spin in 1 2 3; do
    spin_with space Command1 "spin $spin at 1 kr"
done
xdotool key Tab
wait_for 5 button Command2 focused || fail "Tab did not take the focus to 2 Kr"
spin_with space Command2 "the spin at 2 kr"

# About > Game from the keyboard, then System Info and its message, then Esc for the dialog.
xdotool key alt+a g
wait_for 10 viewable '^About Kronesluk$' >/dev/null || fail "the About dialog did not open"
wait_for 10 has_focus "$(viewable '^About Kronesluk$')" || fail "the About dialog has no keyboard"
xdotool key Tab space
wait_for 10 viewable '^KSL$' >/dev/null || fail "System Info showed no message"
xdotool key Return
wait_for 10 not viewable '^KSL$' || fail "the message did not close"
wait_for 10 has_focus "$(viewable '^About Kronesluk$')" ||
    fail "the keyboard did not come back to the About dialog after the message"
xdotool key Escape
wait_for 10 not viewable '^About Kronesluk$' ||
    fail "Esc did not reach the About dialog after the message"

# The window manager offers neither maximising nor resizing, and a request to maximise or to
# go full-screen leaves the window at its size.
actions=$(xprop -id "$game" _NET_WM_ALLOWED_ACTIONS)
grep -q '_NET_WM_ACTION_MAXIMIZE' <<<"$actions" && fail "openbox offers to maximise: $actions"
grep -q '_NET_WM_ACTION_RESIZE' <<<"$actions" && fail "openbox offers to resize: $actions"
size() { xwininfo -id "$game" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
is_designed_size() { [ "$(size)" = 448x443 ]; }
for request in maximized_vert,maximized_horz fullscreen; do
    wmctrl -i -r "$game" -b add,"$request"
    wm_has_handled "$game"
    wait_for 5 is_designed_size || fail "after asking for $request the game window is $(size)"
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended after asking for $request"
done

quit_with_ctrl_q "$game"
echo "PASS: keyboard play, focus after a message, and a fixed game window under openbox"
