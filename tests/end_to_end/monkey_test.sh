#!/usr/bin/env bash
# A monkey at the keyboard: the real program under Xvfb takes a fixed-seed run of random clicks
# and keys (never Ctrl+Q) on whatever of its windows are on screen. Afterwards it must still be
# running, start a game on F2, and end cleanly on Ctrl+Q.
#
#   monkey_test.sh PATH_TO_KRONESLUK [ACTIONS]
set -euo pipefail

program=$1
actions=${2:-250}
# shellcheck source=x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

start_x_server
start_program "$program"
wait_for 40 viewable '^Kronesluk$' >/dev/null || fail "the welcome window never appeared"

# Every viewable window of the program: the welcome and game windows, the About dialog,
# message boxes and open menus.
our_windows() {
    local id
    for id in $(xdotool search --pid "$app_pid" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && echo "$id"
    done
}

title_of() {
    xdotool getwindowname "$1" 2>/dev/null || echo "a window that has closed"
}

window_on_screen() {
    [ -n "$(our_windows)" ]
}

# An open menu: a window the window manager does not place (override-redirect).
open_menu() {
    local id
    for id in $(our_windows); do
        if ! is_placed_window "$id"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

keys=(F2 Return Escape space Tab alt+s alt+a Down Up Left Right 1 2 s g x)
RANDOM=20261207
last=""
for ((step = 0; step < actions; step++)); do
    if ! kill -0 "$app_pid" 2>/dev/null; then
        status=0
        wait "$app_pid" || status=$?
        app_pid=""
        fail "the program ended (status $status) after $step actions; the last was $last"
    fi
    mapfile -t windows < <(our_windows)
    if [ "${#windows[@]}" -eq 0 ]; then
        # Between one window going and the next coming (the end of a game, a restart) there
        # can be a moment with none on screen.
        wait_for 5 window_on_screen || fail "no window on screen after $step actions; the last was $last"
        continue
    fi
    window=${windows[RANDOM % ${#windows[@]}]}
    if menu=$(open_menu); then
        # In an open menu only Return (on its first item, never Exit) or Escape.
        key=$( ((RANDOM % 2 == 0)) && echo Return || echo Escape)
        last="key $key in a menu"
        xdotool windowfocus "$menu" key "$key" 2>/dev/null || true
    elif ((RANDOM % 3 == 0)); then
        key=${keys[RANDOM % ${#keys[@]}]}
        last="key $key in $(title_of "$window")"
        xdotool windowfocus "$window" key "$key" 2>/dev/null || true
    else
        # The window may have closed since it was listed, after the last action.
        geometry=$(xwininfo -id "$window" 2>/dev/null) || continue
        width=$(awk '/Width:/ {print $2}' <<<"$geometry")
        height=$(awk '/Height:/ {print $2}' <<<"$geometry")
        x=$((RANDOM % width))
        y=$((RANDOM % height))
        last="click at $x,$y in $(title_of "$window")"
        xdotool mousemove --window "$window" "$x" "$y" click 1 \
            2>/dev/null || true
    fi
    sleep 0.05
done
kill -0 "$app_pid" 2>/dev/null || fail "the program died at the end of the run"

# One of the two main windows, as opposed to a menu, a message box or the About dialog.
is_main_window() {
    is_placed_window "$1" || return 1
    case "$(xdotool getwindowname "$1" 2>/dev/null)" in
        *Tindrevik* | Kronesluk) return 0 ;;
        *) return 1 ;;
    esac
}

# Clear away whatever the monkey left open: menus, message boxes, the About dialog. A spin the
# monkey started may still end in a message box, so keep at it until nothing has turned up for
# longer than a reveal lasts.
quiet_since=$SECONDS
deadline=$((SECONDS + 30))
while ((SECONDS - quiet_since < 3)); do
    ((SECONDS < deadline)) || fail "the windows the monkey left open would not close"
    for window in $(our_windows); do
        if ! is_main_window "$window"; then
            xdotool windowfocus "$window" key Escape 2>/dev/null || true
            quiet_since=$SECONDS
        fi
    done
    sleep 0.3
done

# F2 from whichever of the two windows is showing must put a game on screen: a new game
# window, since a restart replaces the old one, with the welcome window gone.
old_game=$(viewable 'Tindrevik' || true)
front=$old_game
[ -n "$front" ] || front=$(viewable '^Kronesluk$') || fail "neither main window is on screen"
xdotool windowfocus --sync "$front" key F2
new_game_on_screen() {
    local game
    game=$(viewable 'Tindrevik') && [ "$game" != "$old_game" ] && ! viewable '^Kronesluk$' >/dev/null
}
wait_for 10 new_game_on_screen || fail "F2 did not put a new game on screen"
quit_with_ctrl_q "$(viewable 'Tindrevik')"
echo "PASS: $actions random actions, then F2 and Ctrl+Q"
