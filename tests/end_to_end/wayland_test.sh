#!/usr/bin/env bash
# The real program as a Wayland client of Weston, the reference compositor, in two runs:
#   1. Weston's headless backend, which has no input devices: the game starts, its welcome
#      window is on the compositor's screen at its size, with no title bar of Qt's own.
#   2. Weston on an X server of its own (Xvfb), whose key presses Weston hands to its clients
#      as Wayland input: F2 shows the game window, Space plays a spin, Weston's own shortcuts
#      for maximise and full-screen leave the window at its size and the program running, the
#      About dialog opens at its size under our title bar, and Ctrl+Q ends it with status 0.
# The windows are read from Weston's scene graph (weston-debug).
#
#   wayland_test.sh PATH_TO_KRONESLUK
set -euo pipefail

program=$1
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=x_session.sh
source "$here/x_session.sh"

weston_pid=""
stop_weston() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null || true
    app_pid=""
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null || true
    weston_pid=""
}
trap 'stop_weston; keep_program_log; cleanup' EXIT

export XDG_RUNTIME_DIR="$workdir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=kronesluk-test

start_weston() { # start_weston BACKEND [options...]
    weston --backend="$1" --socket="$WAYLAND_DISPLAY" --idle-time=0 --debug --no-config \
        "${@:2}" >"$workdir/weston.log" 2>&1 &
    weston_pid=$!
    wait_for 20 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"
}

# Under the sanitizer build, Qt's Wayland plugin, libwayland and Mesa leave allocations at exit
# that the leak check would report; none is the game's, whose leaks the X11 runs still check.
# What the compositor tells the program (WAYLAND_DEBUG) goes to a log of its own, for the test
# to wait on: the keyboard and the pointer entering, a new configuration of a window.
start_client() {
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" QT_QPA_PLATFORM=wayland \
        WAYLAND_DEBUG=client "$program" >"$workdir/app.log" 2>"$workdir/wayland.log" &
    app_pid=$!
}
keep_program_log() {
    if [ -f "$workdir/wayland.log" ]; then
        grep -v '^\[' "$workdir/wayland.log" >>"$workdir/app.log" || true
    fi
}

# shellcheck source=weston_scene.sh
source "$here/weston_scene.sh"
wayland_log="$workdir/wayland.log"
# shellcheck source=wayland_heard.sh
source "$here/wayland_heard.sh"
# Client area 448 x 424 under a menu bar of 19 and our title bar of 28.
has_size() { # has_size TITLE WIDTH HEIGHT
    local box
    read -r -a box <<<"$(window_box "$1")"
    [ "${#box[@]}" -eq 4 ] && [ $((box[2] - box[0])) -eq "$2" ] && [ $((box[3] - box[1])) -eq "$3" ]
}
has_designed_size() { has_size "$1" 448 471; }
alive() { kill -0 "$app_pid" 2>/dev/null; }

welcome='Kronesluk'
game='Kronesluk  av   [ Tindrevik ]'

# 1. Headless.
start_weston headless-backend.so --width=1024 --height=768
start_client
wait_for 40 shown "$welcome" || fail "no welcome window on the headless compositor"
has_designed_size "$welcome" || fail "the welcome window is $(window_box "$welcome") on headless"
not shown "$game" || fail "the game window is on screen at start-up"
alive || fail "the program ended on the headless compositor"
stop_weston
echo "headless: the welcome window at its size"

# 2. Weston on an X server, for input.
start_x_server
# A little smaller than the X screen, so that the pointer can leave the compositor's window.
start_weston x11-backend.so --use-pixman --width=1000 --height=740
start_client
wait_for 40 shown "$welcome" || fail "no welcome window"
output=$(xwininfo -root -tree | awk '/Weston Compositor/ {print $1; exit}')
[ -n "$output" ] || fail "the compositor's window is not on the X server"
click_in "$output" "$welcome" 224 300
entered=$(count_of wl_keyboard.enter)
xdotool key F2
wait_for 20 shown "$game" || fail "F2 did not show the game window" "$(last_heard)"
wait_for 10 not shown "$welcome" || fail "F2 left the welcome window up"
wait_for 10 keyboard_came_after "$entered" || fail "the game window did not get the keyboard"
has_designed_size "$game" || fail "the game window is $(window_box "$game")"

button() { # button Command1|Command2 enabled|focused: read off the compositor's output
    local at
    read -r -a at <<<"$(window_box "$game")"
    [ "${#at[@]}" -eq 4 ] || return 1
    xwd -silent -id "$output" >"$workdir/screen.xwd" 2>/dev/null &&
        "$here/game_window_probe.py" "$workdir/screen.xwd" "${at[0]}" $((at[1] + 47)) "$1" "$2"
}
wait_for 10 button Command1 enabled || fail "the stake buttons are not enabled"
xdotool key space
wait_for 5 not button Command1 enabled || fail "Space started no spin"
wait_for 10 button Command1 enabled || fail "the buttons did not come back after the spin"

# Weston maximises even a window of fixed size. The window must come back at its size, keep
# the keyboard, and live through drawing again: a spin after each shortcut.
for shortcut in super+shift+m super+shift+f; do
    asked=$(count_of xdg_toplevel.configure)
    xdotool key "$shortcut"
    wait_for 10 more_than "$asked" xdg_toplevel.configure || fail "$shortcut did not reach the game window"
    alive || { sed 's/^/  kronesluk: /' "$workdir/app.log" >&2; fail "$shortcut ended the program"; }
    wait_for 5 has_designed_size "$game" || fail "after $shortcut the game window is $(window_box "$game")"
    xdotool key space
    wait_for 5 not button Command1 enabled || fail "Space after $shortcut started no spin"
    if ! wait_for 10 button Command1 enabled; then
        alive || fail "a spin after $shortcut ended the program"
        fail "the buttons did not come back after $shortcut"
    fi
done

# The About dialog, 382 x 190 under our title bar of 28, and Esc closes it.
about='About Kronesluk'
open_menu alt+a
xdotool key g
wait_for 10 shown "$about" || fail "About > Game showed no dialog"
has_size "$about" 382 218 || fail "the About dialog is $(window_box "$about")"
xdotool key Escape
wait_for 10 not shown "$about" || fail "Esc left the About dialog up"
click_in "$output" "$game" 224 300

xdotool key ctrl+q
wait_for 10 not alive || fail "Ctrl+Q did not end the program"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: on Weston, headless and with input: start, F2, a spin, maximise and full-screen refused, About, Ctrl+Q"
